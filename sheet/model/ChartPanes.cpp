#include "sheet/model/ChartPanes.h"

#include "sheet/model/PageAxis.h"

#include <algorithm>

namespace SheetModel {

namespace {

bool Inside(const RECT& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace

int LockedBandExtent(const CNorvakPage& page, bool columns)
{
    // The fixed lines and the shown locked ones, cut to the page: the locked count may pass it.
    return (columns ? CPageAxis::Cols(page) : CPageAxis::Rows(page)).ScrollStart();
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
        if (lockedCols && (long long)r.right - r.left == (long long)s.right - s.left)
            chart->bClearOfLockedCols = width < r.left;
        if (lockedRows && (long long)r.bottom - r.top == (long long)s.bottom - s.top)
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
