#include "dialogs/SolidRotateGeometry.h"

#include "chart/model/ChartKinds.h"
#include "chart/model/PieSlotGeometry.h"
#include "chartdraw/geometry/EllipseGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace SolidRotate {

namespace {

CRect Shrunk(const CRect& r, int l, int t, int right, int b)
{
    return CRect(r.left + l, r.top + t, r.right - right, r.bottom - b);
}

void Taller(CRect& r, int by)
{
    r.top -= by;
    r.bottom += by;
}

void Wider(CRect& r, int by)
{
    r.left -= by;
    r.right += by;
}

// One step of a scale button along one axis: height (vertical) or width.
struct CAxis
{
    bool vertical;
    LONG Extent(const CRect& r) const { return vertical ? r.Height() : r.Width(); }
    void Grow(CRect& r, int by) const { vertical ? Taller(r, by) : Wider(r, by); }
    // A shrink past nothing leaves the inner ellipse at 0 on this axis.
    void ShrinkInner(CRect& inner) const
    {
        Grow(inner, -1);
        LONG& low = vertical ? inner.top : inner.left;
        LONG& high = vertical ? inner.bottom : inner.right;
        if (high < low)
            low = high = 0;
    }
    void ShrinkOuter(CPieEllipses& e) const
    {
        if (Extent(e.inner) < Extent(e.outer) - 2)
            Grow(e.outer, -1);
    }
};

int Truncated(double value)
{
    if (!(value > INT_MIN))
        return INT_MIN;
    if (!(value < INT_MAX))
        return INT_MAX;
    return int(value);
}

// The factor that maps an extent of `span` onto `room` pixels; 1 where it cannot.
double ScaleOf(LONG span, LONG room)
{
    const double scale = double(span) / double(room);
    return scale > 0 && std::isfinite(scale) ? scale : 1.0;
}

struct CExtent
{
    LONG minX = LONG_MAX, maxX = LONG_MIN, minY = LONG_MAX, maxY = LONG_MIN;
};

CExtent ExtentOf(const POINT (&points)[12])
{
    CExtent e;
    for (const POINT& p : points) {
        e.minX = std::min(e.minX, p.x);
        e.maxX = std::max(e.maxX, p.x);
        e.minY = std::min(e.minY, p.y);
        e.maxY = std::max(e.maxY, p.y);
    }
    return e;
}

bool IsColumnBox(int type, int subType)
{
    return type == kChartColumn || (type == kChartLine && subType == 6) ||
           (type == kChartCylinder && subType >= 0 && subType <= 2);
}

std::vector<POINT> Closed(std::initializer_list<POINT> points)
{
    std::vector<POINT> line(points);
    line.push_back(*points.begin());
    return line;
}

void ShapeRow(CChartItemArray& row, const CRect& plot, CPieShape& shape)
{
    if (row.empty())
        return;
    CChartItem& first = row.front();
    const CRect& outer = shape.ellipses.outer;
    const CRect& inner = shape.ellipses.inner;
    if (outer.Width() > 0 && outer.Height() > 0)
        first.fScale = float(outer.Width()) / float(outer.Height());
    shape.height = std::max(0, std::min(shape.height, int(first.rcPie.Height())));
    first.nDepthA = first.nDepthB = shape.height;
    CEllipseGeometry ellipse;
    if (ellipse.Fit(plot, &first.nDepthA, first.fScale)) {
        const CRect pie(ellipse.rcEllipse);
        first.rcPie = pie;
        first.fHoleHeightRatio = outer.Height() > 0 ? float(inner.Height()) / float(outer.Height()) : 0.0f;
        first.fHoleWidthRatio = outer.Width() > 0 ? float(inner.Width()) / float(outer.Width()) : 0.0f;
        const LONG cx = (pie.left + pie.right) / 2, cy = (pie.top + pie.bottom) / 2;
        const int halfHeight = Truncated(first.fHoleHeightRatio * pie.Height() * 0.5);
        const int halfWidth = Truncated(pie.Width() * first.fHoleWidthRatio * 0.5);
        first.rcHole = CRect(cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight);
    }
    for (CChartItem& point : row) {
        shape.explode = std::max(0, std::min(shape.explode, HalfSmallerSide(point.rcPie)));
        point.nExplodeA = point.nExplodeB = shape.explode;
    }
}

} // namespace

CPreviewRects PreviewRectsOf(const CRect& groupBox)
{
    return {Shrunk(groupBox, 5, 15, 5, 5), Shrunk(groupBox, 5, 10, 5, 5), Shrunk(groupBox, 25, 30, 25, 25)};
}

bool StepDepth(int button, CPoint& depth)
{
    // A step goes one pixel toward the bound and stops there; an offset beyond it (from a file) is
    // drawn at the bound, so its step starts there.
    auto step = [](LONG& offset, int by) {
        offset = CNorvakChart::BoundedDepthOffset(CNorvakChart::BoundedDepthOffset(offset) + by);
    };
    switch (button) {
    case kRotateLeft:
        step(depth.x, 1);
        return true;
    case kRotateRight:
        step(depth.x, -1);
        return true;
    case kRotateUp:
        step(depth.y, -1);
        return true;
    case kRotateDown:
        step(depth.y, 1);
        return true;
    default:
        return false;
    }
}

bool StepEllipses(int button, int mode, bool ring, CPieEllipses& e)
{
    const bool grow = button == kPieTaller || button == kPieWider;
    if (!grow && button != kPieLower && button != kPieNarrower)
        return false;
    const CAxis axis{button == kPieTaller || button == kPieLower};
    const bool outer = mode == kScaleBoth || mode == kScaleOuter;
    const bool inner = ring && (mode == kScaleBoth || mode == kScaleInner);
    if (grow) {
        if (outer)
            axis.Grow(e.outer, 1);
        if (inner && (mode == kScaleBoth || axis.Extent(e.inner) + 2 < axis.Extent(e.outer)))
            axis.Grow(e.inner, 1);
        return true;
    }
    if (inner)
        axis.ShrinkInner(e.inner);
    if (outer)
        axis.ShrinkOuter(e);
    return true;
}

int ClampedSpinValue(int position, int delta, int upper)
{
    const long long value = (long long)position + delta;
    return int(std::max(0LL, std::min(value, (long long)std::max(upper, 0))));
}

void FitWallPoints(const POINT (&wall)[12], const CRect& fit, POINT (&fitted)[12])
{
    const CExtent from = ExtentOf(wall);
    const double sx = ScaleOf(from.maxX - from.minX, fit.Width());
    const double sy = ScaleOf(from.maxY - from.minY, fit.Height());
    for (int i = 0; i < 12; ++i)
        fitted[i] = POINT{Truncated(wall[i].x / sx), Truncated(wall[i].y / sy)};
    const CExtent to = ExtentOf(fitted);
    const long long dx = (fit.left + fit.right) / 2 - ((long long)to.minX + to.maxX) / 2;
    const long long dy = (fit.top + fit.bottom) / 2 - ((long long)to.minY + to.maxY) / 2;
    for (POINT& p : fitted)
        p = POINT{Truncated(double(p.x + dx)), Truncated(double(p.y + dy))};
}

std::vector<std::vector<POINT>> WireFrameLines(int type, int subType, double minValue, double maxValue,
                                               const POINT (&P)[12])
{
    if (type == kChartPie)
        return {};
    const bool zeroPlane = minValue < 0 && maxValue > 0;
    std::vector<std::vector<POINT>> lines;
    lines.push_back(Closed({P[0], P[1], P[2], P[3]}));
    if (IsColumnBox(type, subType)) {
        if (zeroPlane)
            lines.push_back(Closed({P[4], P[5], P[6], P[7]}));
        lines.push_back(Closed({P[8], P[9], P[10], P[11]}));
        for (int i = 0; i < 4; ++i)
            lines.push_back({P[i], P[i + 8]});
        return lines;
    }
    if (zeroPlane) {
        const LONG backX = (P[0].x + P[1].x) / 2, frontX = (P[10].x + P[11].x) / 2, topX = (P[2].x + P[3].x) / 2;
        lines.push_back(Closed({{backX, P[0].y}, {backX, P[8].y}, {frontX, P[11].y}, {topX, P[3].y}}));
    }
    lines.push_back(Closed({P[0], P[8], P[11], P[3]}));
    lines.push_back(Closed({P[1], P[9], P[10], P[2]}));
    lines.push_back(Closed({P[8], P[9], P[10], P[11]}));
    return lines;
}

CPieShape PieShapeOfRow(const CNorvakChart& chart, int row)
{
    if (row < 0 || size_t(row) >= chart.items.size() || chart.items[size_t(row)].empty())
        return {};
    const CChartItem& first = chart.items[size_t(row)].front();
    return {{first.rcPie, first.rcHole}, first.nDepthA, first.nExplodeA};
}

int HalfSmallerSide(const CRect& rect)
{
    return std::max(0, int(std::min(rect.Width(), rect.Height()) / 2));
}

void ApplyPieShape(CNorvakChart& chart, CPieShape& shape, bool showOne, int series)
{
    chart.nPieSeries = showOne ? series : -1;
    if (showOne) {
        if (series >= 0 && size_t(series) < chart.items.size())
            ShapeRow(chart.items[size_t(series)], chart.rcPlot, shape);
    } else {
        CPieSlotGeometry().RelayoutSeriesItems(chart, chart.rcPlot);
        for (CChartItemArray& row : chart.items)
            ShapeRow(row, chart.rcPlot, shape);
    }
    CPieSlotGeometry().RelayoutAfterPlotResize(chart);
}

} // namespace SolidRotate
