#include "sheet/model/ChartPanes.h"

#include <algorithm>

namespace SheetModel {

namespace {

int ShownLockedExtent(const std::vector<int>& sizes, int fixed, int locked, int offset)
{
    int extent = 0;
    for (int i = 0; i < fixed + locked && i < int(sizes.size()); ++i)
        if (i < fixed || i >= fixed + offset)
            extent += sizes[size_t(i)];
    return extent;
}

bool Inside(const RECT& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace

int LockedBandExtent(const CNorvakPage& page, bool columns)
{
    return columns ? ShownLockedExtent(page.m_colWidths, page.m_nFixedCols, page.m_nLockedCols, page.m_nLockedColOffset)
                   : ShownLockedExtent(page.m_rowHeights, page.m_nFixedRows, page.m_nLockedRows, page.m_nLockedRowOffset);
}

void AdjustChartsToLockedArea(const CNorvakPage& page, std::vector<CChartPlacement*> charts)
{
    bool lockedCols = page.m_nLockedCols > 0;
    bool lockedRows = page.m_nLockedRows > 0;
    for (CChartPlacement* chart : charts) {
        if (!lockedCols)
            chart->bClearOfLockedCols = 1;
        if (!lockedRows)
            chart->bClearOfLockedRows = 1;
    }
    if (!lockedCols && !lockedRows)
        return;
    int width = LockedBandExtent(page, true);
    int height = LockedBandExtent(page, false);
    for (CChartPlacement* chart : charts) {
        const RECT& r = chart->rect;
        const RECT& s = chart->saved;
        if (lockedCols && r.right - r.left == s.right - s.left)
            chart->bClearOfLockedCols = width < r.left;
        if (lockedRows && r.bottom - r.top == s.bottom - s.top)
            chart->bClearOfLockedRows = height < r.top;
    }
}

int HitTestChartElement(const RECT (&elementRects)[6], std::vector<CChartElementEntry>& entries, int x, int y)
{
    auto rectOf = [&](BYTE kind) -> const RECT* {
        return kind >= 1 && kind <= 6 ? &elementRects[kind - 1] : nullptr;
    };
    // The shown element whose rectangle holds the point and no shown element before it does.
    int hit = -1;
    for (size_t i = 0; i < entries.size() && hit < 0; ++i) {
        if (!entries[i].bShown)
            continue;
        const RECT* r = rectOf(entries[i].kind);
        if (r && Inside(*r, x, y))
            hit = int(i);
    }
    if (hit < 0)
        return 0;
    CChartElementEntry& top = entries[size_t(hit)];
    for (CChartElementEntry& e : entries)
        if (&e != &top && e.level < top.level)
            ++e.level;
    top.level = 1;
    int kind = top.kind;
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const CChartElementEntry& a, const CChartElementEntry& b) { return a.level < b.level; });
    return kind;
}

} // namespace SheetModel
