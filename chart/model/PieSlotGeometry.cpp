#include "chart/model/PieSlotGeometry.h"

#include "chart/model/ChartMath.h"
#include "chartdraw/geometry/EllipseGeometry.h"

#include <algorithm>

namespace {

CRect SaturatedRect(long long l, long long t, long long r, long long b)
{
    return CRect(SaturateToInt(l), SaturateToInt(t), SaturateToInt(r), SaturateToInt(b));
}

// The plot rectangle less 10 pixels at top and bottom, where the slots lie.
RECT SlotArea(const RECT& plot)
{
    return RECT{plot.left, AddSaturated(plot.top, 10), plot.right, AddSaturated(plot.bottom, -10)};
}

// Calls lay(row, square) for the rows of the chart with their squares. The row a pie shows alone
// takes a single slot of the whole width; with aloneOnly it is the only row laid out. Every other
// row takes its slot of as many as there are rows.
template <class Lay>
void ForEachRowSquare(const CPieSlotGeometry& geometry, CNorvakChart& chart, const RECT& plot, bool aloneOnly,
                      Lay lay)
{
    const RECT area = SlotArea(plot);
    const int rows = int(std::min<size_t>(chart.items.size(), INT_MAX));
    const int alone = chart.ShownPieRow();
    CSlotRun run;
    for (int s = 0; s < rows; ++s) {
        if (s == alone) {
            run = CSlotRun{};
            lay(s, geometry.GetSlotSquare(area, 1, false, 0, run));
        } else if (!aloneOnly || alone < 0) {
            lay(s, geometry.GetSlotSquare(area, rows, true, s, run));
        }
    }
}

} // namespace

CRect CPieSlotGeometry::GetSlotSquare(const RECT& rect, int n, bool manySlots, int index, CSlotRun& run) const
{
    if (n <= 0)
        return CRect();
    if (!manySlots) {
        n = 1;
        index = 0;
    }
    const long long L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    long long gap = 20;
    long long width = (R - gap * n - L) / n;
    while (width < 20 && gap > 0) {
        --gap;
        width = (R - gap * n - L) / n;
    }
    if (width <= 0)
        return CRect();
    const long long extra = (R - gap * n - L) % n;
    const long long W = width + (index >= 0 && index < extra ? 1 : 0);
    if (!run.started || !manySlots) {
        run.x = L + gap / 2;
        run.started = true;
    }
    const long long x = run.x, H = B - T, mid = (T + B) / 2;
    run.x = x + W + gap;
    long long l = x, t = mid - W, r = x + W, b = mid + W;
    if (H < W) {
        l = x + (W - H) / 2;
        t = T;
        r = x + (W + H) / 2;
        b = B;
    }
    const long long cx = (l + r) / 2, cy = (t + b) / 2, half = std::max(0LL, std::min(r - l, b - t) / 2);
    return SaturatedRect(cx - half, cy - half, cx + half, cy + half);
}

bool CPieSlotGeometry::PieRectsOf(int subType, const CRect& square, CPieRects& rects)
{
    if (subType < 0 || subType > 7)
        return false;
    const int W = square.Width(), H = square.Height();
    CRect flat = square;
    flat.top = AddSaturated(flat.top, H / 4 + 5);
    flat.bottom = AddSaturated(flat.bottom, -(H / 4 - 5));
    const bool threeD = subType == 1 || subType == 3 || subType == 6 || subType == 7;
    rects.pie = threeD ? flat : square;
    rects.hole = CRect();
    rects.scale = 1.0f;
    if (threeD && flat.Height() > 0)
        rects.scale = float(W) / float(flat.Height());
    if (subType == 4 || subType == 5) {
        rects.hole = square;
        rects.hole.DeflateRect(W / (subType == 4 ? 3 : 4), W / (subType == 4 ? 3 : 4));
    } else if (subType >= 6) {
        rects.hole = flat;
        rects.hole.DeflateRect(W / 4, flat.Height() / 4);
    }
    return true;
}

int CPieSlotGeometry::DefaultDepth(int subType)
{
    return subType == 1 || subType == 3 || subType == 6 || subType == 7 ? 10 : 0;
}

int CPieSlotGeometry::DefaultExplode(int subType)
{
    return subType == 2 || subType == 3 || subType == 5 || subType == 7 ? 10 : 0;
}

void CPieSlotGeometry::LayoutSeriesItems(CNorvakChart& chart, const CChartPageSettings& settings,
                                         const RECT& plot) const
{
    const bool pie = settings.chChartType == kChartPie;
    const int subType = settings.chChartSubType;
    ForEachRowSquare(*this, chart, plot, false, [&](int s, const CRect& square) {
        CChartItemArray& row = chart.items[size_t(s)];
        row = size_t(s) < settings.items.size() ? settings.items[size_t(s)] : CChartItemArray();
        for (CChartItem& point : row) {
            point.nDepthA = 0;
            point.rcHole = CRect();
            CPieRects rects;
            if (!pie || !PieRectsOf(subType, square, rects))
                continue;
            point.rcPie = rects.pie;
            point.rcHole = rects.hole;
            point.fScale = rects.scale;
            if (const int depth = DefaultDepth(subType))
                point.nDepthA = point.nDepthB = depth;
            if (const int explode = DefaultExplode(subType))
                point.nExplodeA = point.nExplodeB = explode;
        }
    });
}

void CPieSlotGeometry::RelayoutSeriesItems(CNorvakChart& chart, const RECT& plot) const
{
    if (!chart.IsPie())
        return;
    ForEachRowSquare(*this, chart, plot, false, [&](int s, const CRect& square) {
        CPieRects rects;
        if (!PieRectsOf(chart.nSubType, square, rects))
            return;
        for (CChartItem& point : chart.items[size_t(s)]) {
            point.rcPie = rects.pie;
            point.rcHole = rects.hole;
            point.fScale = rects.scale;
        }
    });
}

void CPieSlotGeometry::RelayoutAfterResize(CNorvakChart& chart) const
{
    if (!chart.IsPie())
        return;
    ForEachRowSquare(*this, chart, chart.rcPlot, true, [&](int s, const CRect& square) {
        CPieRects rects;
        if (!PieRectsOf(chart.nSubType, square, rects))
            return;
        for (CChartItem& point : chart.items[size_t(s)]) {
            point.rcPie = rects.pie;
            if (chart.nSubType >= 4)
                point.rcHole = rects.hole;
        }
    });
}

void CPieSlotGeometry::RelayoutAfterPlotResize(CNorvakChart& chart) const
{
    if (!chart.IsPie())
        return;
    const bool solid = chart.nSubType == 1 || chart.nSubType == 3;
    ForEachRowSquare(*this, chart, chart.rcPlot, true, [&](int s, const CRect& square) {
        for (CChartItem& point : chart.items[size_t(s)]) {
            CEllipseGeometry ellipse;
            int depth = std::max(point.nDepthA, 0);
            CRect pie = square;
            if (ellipse.Fit(square, &depth, point.fScale)) {
                pie = ellipse.rcEllipse;
                point.nDepthA = depth;
            } else if (solid) {
                pie.top = SaturateToInt((long long)pie.top + square.Height() / 4 + depth / 2);
                pie.bottom = SaturateToInt((long long)pie.bottom - (square.Height() / 4 - depth / 2));
            }
            point.rcPie = pie;
            const CPoint centre((pie.left + pie.right) / 2, (pie.top + pie.bottom) / 2);
            const int halfWidth = SaturateToInt(pie.Width() / 2.0 * point.fHoleWidthRatio);
            const int halfHeight = SaturateToInt(pie.Height() / 2.0 * point.fHoleHeightRatio);
            point.rcHole = CRect(centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth,
                                 centre.y + halfHeight);
        }
    });
}
