#pragma once

// A set of cells of a page: the page's selected cells and the cells kept selected during a drag.
// It is held as disjoint rectangles, so a whole-page selection costs one entry whatever the page's
// size. A walk visits each cell once, rectangle by rectangle, by column and then by row inside one;
// each cell comes with its key, which holds the column and the row in 32 bits each.

#include "sheet/model/CellTypes.h"

#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

class CCellSelectionMap
{
public:
    using Entry = std::pair<uint64_t, CCellCoord>;

    static uint64_t Key(int row, int col) { return (uint64_t(uint32_t(col)) << 32) | uint32_t(row); }

    // The parts of a that lie outside b (at most four), and of each of pieces outside every one of
    // minus.
    static std::vector<CCellRect> Subtract(const CCellRect& a, const CCellRect& b);
    static std::vector<CCellRect> Subtract(std::vector<CCellRect> pieces, const std::vector<CCellRect>& minus);
    static bool IsEmptyRect(const CCellRect& r) { return r.minRow > r.maxRow || r.minCol > r.maxCol; }
    static CCellRect Intersect(const CCellRect& a, const CCellRect& b);
    static int64_t Area(const CCellRect& r)
    {
        return IsEmptyRect(r) ? 0 : int64_t(r.maxRow - r.minRow + 1) * (r.maxCol - r.minCol + 1);
    }

    // FALSE when the cell was already there.
    bool Add(CCellCoord cell);
    // Adds the cells of the range that are not there yet.
    void AddRange(const CCellRect& range);
    bool Remove(int row, int col);
    bool Contains(int row, int col) const;
    int GetCount() const;
    bool IsEmpty() const { return m_rects.empty(); }
    void RemoveAll() { m_rects.clear(); }
    const std::vector<CCellRect>& Rects() const { return m_rects; }
    // Replaces the rectangles; they must not overlap.
    void SetRects(std::vector<CCellRect> rects);

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        const_iterator(const std::vector<CCellRect>* rects, size_t index);
        reference operator*() const { return m_entry; }
        pointer operator->() const { return &m_entry; }
        const_iterator& operator++();
        bool operator==(const const_iterator& other) const
        {
            return m_index == other.m_index && (m_index == m_rects->size() || m_entry == other.m_entry);
        }
        bool operator!=(const const_iterator& other) const { return !(*this == other); }

    private:
        void Load();
        const std::vector<CCellRect>* m_rects;
        size_t m_index;
        Entry m_entry;
    };
    const_iterator begin() const { return const_iterator(&m_rects, 0); }
    const_iterator end() const { return const_iterator(&m_rects, m_rects.size()); }

private:
    std::vector<CCellRect> m_rects; // disjoint, none empty
};
