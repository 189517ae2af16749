#pragma once

// One direction of a page as painting walks it: rows with their heights or columns with their
// widths, in the three bands fixed, locked (shown from the locked-band offset) and scrolling (shown
// from the first index not scrolled away). Positions are client pixels; a cell's band runs from
// its position to position + size - 1, the last pixel being its grid line.

#include "sheet/NorvakPage.h"

#include <algorithm>
#include <vector>

struct CPaintAxis
{
    const std::vector<int>& sizes;
    int count;
    int fixed;
    int locked;
    int lockedOffset;
    int scrollPos;

    static CPaintAxis Rows(const CNorvakPage& page)
    {
        return {page.m_rowHeights,       page.m_nRows,   page.m_nFixedRows, page.m_nLockedRows,
                page.m_nLockedRowOffset, page.m_nVertPos};
    }
    static CPaintAxis Cols(const CNorvakPage& page)
    {
        return {page.m_colWidths,        page.m_nCols,   page.m_nFixedCols, page.m_nLockedCols,
                page.m_nLockedColOffset, page.m_nHorzPos};
    }

    int Size(int i) const { return i >= 0 && i < int(sizes.size()) ? std::max(sizes[size_t(i)], 0) : 0; }
    // Sum of sizes of [from, to); negative when to < from.
    int Sum(int from, int to) const
    {
        int sum = 0;
        for (int i = from; i < to; ++i)
            sum += Size(i);
        for (int i = to; i < from; ++i)
            sum -= Size(i);
        return sum;
    }
    int FixedCount() const { return std::min(fixed, count); }
    int FirstLocked() const { return std::min(fixed + lockedOffset, LockedEnd()); }
    int LockedEnd() const { return std::min(fixed + locked, count); }
    bool HasLocked() const { return locked > 0 && LockedEnd() > fixed; }
    int FixedExtent() const { return Sum(0, FixedCount()); }
    int LockedExtent() const { return HasLocked() ? Sum(FirstLocked(), LockedEnd()) : 0; }
    // Where the scrolling band starts on screen.
    int ScrollStart() const { return FixedExtent() + LockedExtent(); }
    // The first index of the scrolling band still shown: the sizes passed over stay below the
    // scroll position.
    int FirstScroll() const
    {
        int i = std::max(LockedEnd(), FixedCount());
        for (int skipped = 0; i < count - 1 && skipped < scrollPos; ++i)
            skipped += Size(i);
        return i;
    }
    // Client position of index i in its band; indexes scrolled away give positions before the
    // band's start.
    int Position(int i, int firstScroll) const
    {
        if (i < FixedCount())
            return Sum(0, i);
        if (i < LockedEnd())
            return FixedExtent() + Sum(FirstLocked(), i);
        return ScrollStart() + Sum(firstScroll, i);
    }
    // The last index of [from, count) whose band starts before limit, walking from start.
    int LastBefore(int from, int start, int limit) const
    {
        int last = from - 1;
        for (int i = from, pos = start; i < count && pos < limit; ++i) {
            last = i;
            pos += Size(i);
        }
        return last;
    }
};
