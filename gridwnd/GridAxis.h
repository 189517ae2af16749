#pragma once

// One direction of the standalone grid: the sizes of its rows (or columns) with their running
// sums, and the view of that direction as the window shows it: the fixed band, then the scrolling
// band from the first index not scrolled away. Every position comes from the running sums, so a
// cell's place, the cell under a point and the scroll position of a row cost as little on the
// last row of a large grid as on the first. Positions are pixels; an index's band runs from its
// position to position + size - 1, the last pixel being its grid line.

#include <cstddef>
#include <vector>

// The sizes, none negative, and their running sums; the owner keeps the total within an int.
class CGridSizes
{
public:
    int Count() const { return int(m_sizes.size()); }
    // -1 outside [0, count).
    int Get(int i) const { return i >= 0 && i < Count() ? m_sizes[std::size_t(i)] : -1; }
    // 0 outside [0, count).
    int Size(int i) const { return i >= 0 && i < Count() ? m_sizes[std::size_t(i)] : 0; }
    // The sizes before index i, i taken into [0, count].
    int Start(int i) const;
    int Total() const { return m_starts.back(); }
    // The first index of [from, to) whose band reaches past the position, -1 when none does.
    int IndexAt(int pos, int from, int to) const;

    // Room for count sizes, so that a Resize to it cannot fail; may throw std::bad_alloc.
    void Reserve(int count);
    // New indexes take the size.
    void Resize(int count, int size);
    void Set(int i, int size);
    void Assign(std::vector<int> sizes);
    const std::vector<int>& Sizes() const { return m_sizes; }

private:
    std::vector<int> m_sizes;
    std::vector<int> m_starts{0}; // m_starts[i]: the sizes before index i; one more than the sizes
};

// A direction as shown: fixed indexes from 0, the rest from the first one the scroll position
// has not passed.
struct CGridAxis
{
    const CGridSizes& sizes;
    int fixed;
    int scrollPos;

    int Count() const { return sizes.Count(); }
    int Size(int i) const { return sizes.Size(i); }
    // The sizes of [from, to); negative when to < from.
    int Sum(int from, int to) const { return sizes.Start(to) - sizes.Start(from); }
    int FixedCount() const { return fixed < Count() ? fixed : Count(); }
    int FixedExtent() const { return sizes.Start(FixedCount()); }
    // The first index after the fixed ones whose start the scroll position has not passed; at
    // most the last index.
    int FirstScroll() const;
    // Client position of index i; indexes scrolled away lie before the scrolling band's start.
    int Origin(int i) const;
    // The index under a client coordinate, -1 before the first or past the last index, and over
    // the fixed band unless allowed.
    int Locate(int coord, bool allowFixed) const;
    // The scroll position that shows first as the first index of the scrolling band.
    int ScrollPosOf(int first) const { return Sum(FixedCount(), first); }
    // The first index from which [first, last] fits within the extent; last when it alone does
    // not fit, and never before the scrolling band.
    int FirstToShowWhole(int last, int extent) const;

    // Walking from the first scrolling index towards a client limit: the last index reached
    // (at most count - 1), the client position reached (the limit when it was reached) and
    // whether that index sticks out past the limit.
    struct Reach
    {
        int last;
        int extent;
        bool pastEdge;
    };
    Reach ReachWithin(int limit) const;
};
