#pragma once

// One direction of a page as it is shown in the client area: rows with their heights or columns
// with their widths, in three bands: fixed, locked (shown from the locked-band offset) and
// scrolling (shown from the first index not scrolled away). Positions are client pixels; a
// cell's band runs from its position to position + size - 1, the last pixel being its grid line.
// Painting, hit testing and cell rectangles all measure through this one walker.

#include "sheet/model/NorvakPage.h"

#include <algorithm>
#include <vector>

enum class CAxisBand
{
    Fixed,
    Locked,
    Scrolling
};

// The panes of the client area, where a row band and a column band cross: the fixed rows and
// columns, then the locked rows, the locked rows and columns, the locked columns and the rest.
enum CPane : int
{
    kPaneFixed = 0,
    kPaneLockedRows = 1,
    kPaneLockedBoth = 2,
    kPaneLockedCols = 3,
    kPaneScrolling = 4,
};

struct CPageAxis
{
    const std::vector<int>& sizes;
    int count;
    int fixed;
    int locked;
    int lockedOffset;
    int scrollPos;

    static CPageAxis Rows(const CNorvakPage& page)
    {
        return {page.m_rowHeights,       page.m_nRows,   page.m_nFixedRows, page.m_nLockedRows,
                page.m_nLockedRowOffset, page.m_nVertPos};
    }
    static CPageAxis Cols(const CNorvakPage& page)
    {
        return {page.m_colWidths,        page.m_nCols,   page.m_nFixedCols, page.m_nLockedCols,
                page.m_nLockedColOffset, page.m_nHorzPos};
    }

    int Size(int i) const { return i >= 0 && i < int(sizes.size()) ? std::max(sizes[size_t(i)], 0) : 0; }
    // Sum of sizes of [from, to); negative when to < from. The page keeps its sizes' total within
    // an int (CNorvakPage::kMaxExtent).
    int64_t SumWide(int from, int to) const
    {
        int64_t sum = 0;
        for (int i = from; i < to; ++i)
            sum += Size(i);
        for (int i = to; i < from; ++i)
            sum -= Size(i);
        return sum;
    }
    int Sum(int from, int to) const { return int(SumWide(from, to)); }
    int FixedCount() const { return std::min(fixed, count); }
    int FirstLocked() const { return std::min(fixed + lockedOffset, LockedEnd()); }
    int LockedEnd() const { return std::min(fixed + locked, count); }
    bool HasLocked() const { return locked > 0 && LockedEnd() > fixed; }
    int FixedExtent() const { return Sum(0, FixedCount()); }
    int LockedExtent() const { return HasLocked() ? Sum(FirstLocked(), LockedEnd()) : 0; }
    // Where the scrolling band starts on screen.
    int ScrollStart() const { return FixedExtent() + LockedExtent(); }
    // The first index of the scrolling band, and the pixels from its start to index i.
    int ScrollBandFirst() const { return std::max(LockedEnd(), FixedCount()); }
    int ScrollOffset(int i) const { return Sum(ScrollBandFirst(), i); }
    // The first index of the scrolling band still shown: the sizes passed over stay below the
    // scroll position.
    int FirstScroll() const
    {
        int i = ScrollBandFirst();
        for (int skipped = 0; i < count - 1 && skipped < scrollPos; ++i)
            skipped += Size(i);
        return i;
    }
    // How far the scrolling band's lines are moved back on screen: a scroll position between two
    // line starts shows the band from the later line.
    int ShownOffset() const { return ScrollOffset(FirstScroll()); }
    // The first shown index after the fixed ones.
    int FirstShownBody() const { return HasLocked() ? FirstLocked() : FirstScroll(); }
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
    int Origin(int i) const { return Position(i, FirstScroll()); }
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
    // Walks [from, to) from the pixel pos; the index whose far edge passes coord, or -1.
    int Walk(int& pos, int from, int to, int coord) const
    {
        for (int i = from; i < to; ++i) {
            pos += Size(i);
            if (pos > coord)
                return i;
        }
        return -1;
    }
    // The index under a client coordinate and its band; the last index past the end.
    int Locate(int coord, CAxisBand& band) const
    {
        if (count <= 0)
            return -1;
        int pos = 0;
        band = CAxisBand::Fixed;
        if (coord < FixedExtent())
            return std::max(Walk(pos, 0, FixedCount(), coord), 0);
        pos = FixedExtent();
        band = CAxisBand::Locked;
        int i = HasLocked() ? Walk(pos, FirstLocked(), LockedEnd(), coord) : -1;
        if (i >= 0)
            return i;
        band = CAxisBand::Scrolling;
        i = Walk(pos, FirstScroll(), count, coord);
        return i >= 0 ? i : count - 1;
    }
    // The last index shown before the extent is filled, from the first shown body index.
    int LastShown(int start, int extent) const
    {
        int pos = start;
        int last = FirstShownBody();
        auto walk = [&](int from, int to) {
            for (int i = from; i < to && pos < extent; ++i) {
                pos += Size(i);
                last = i;
            }
        };
        if (HasLocked() && start <= FixedExtent())
            walk(FirstLocked(), LockedEnd());
        walk(FirstScroll(), count);
        return std::min(last, count - 1);
    }
    // Visible within the usable extent.
    bool IsShown(int i, int usable) const
    {
        if (i < FirstLocked())
            return false;
        if (i < LockedEnd())
            return FixedExtent() + Sum(FirstLocked(), i + 1) < usable;
        if (i < FirstScroll())
            return false;
        return ScrollStart() + Sum(FirstScroll(), i + 1) < usable;
    }
};
