#include "chartdraw/geometry/BoxGeometry.h"

#include "chart/model/ChartMath.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

int Trunc(double v)
{
    return SaturateToInt(v);
}

// The depth offsets of half a depth vector.
CPoint HalfDepth(double depth, double angle)
{
    return CPoint(Trunc(0.5 * (std::cos(angle) * depth)), Trunc(0.5 * (std::sin(angle) * depth)));
}

} // namespace

int ValueToPixels(double value, const CChartLayout& layout)
{
    const double pixels = layout.dTickPixels, step = layout.dTickStep;
    if (!std::isfinite(value) || !std::isfinite(pixels) || !std::isfinite(step) || !(step > 0))
        return 0;
    const double cut = std::clamp(value, -layout.nNegativeTicks * step, layout.nPositiveTicks * step);
    // The product first, as the scale is defined; a product beyond the doubles takes the quotient
    // first, which the cut keeps within the tick counts.
    double length = cut * pixels / step;
    if (!std::isfinite(length))
        length = cut / step * pixels;
    return Trunc(std::fabs(length));
}

CQuad ColumnFootprint(int left, int width, int base, double depth, double angle)
{
    const int half = width / 2, cx = left + half;
    const CPoint o = HalfDepth(width > depth ? depth : double(width), angle);
    return {CPoint(cx - half + o.x, base - o.y), CPoint(cx - half - o.x, base + o.y),
            CPoint(cx + half - o.x, base + o.y), CPoint(cx + half + o.x, base - o.y)};
}

CQuad DepthRowFootprint(CPoint back, int width, int depth, double angle)
{
    const CPoint front(back.x - Trunc(std::cos(angle) * depth), back.y + Trunc(std::sin(angle) * depth));
    return {back, front, CPoint(front.x + width, front.y), CPoint(back.x + width, back.y)};
}

CBoxFaces ColumnBoxFaces(const CQuad& b, int signedHeight)
{
    CQuad t = b;
    for (CPoint& p : t)
        p.y -= signedHeight;
    return {CQuad{t[2], t[1], b[1], b[2]}, CQuad{t[0], t[3], b[3], b[0]}, CQuad{t[0], t[1], b[1], b[0]},
            CQuad{t[3], t[2], b[2], b[3]}, CQuad{t[0], t[1], t[2], t[3]}, CQuad{b[0], b[1], b[2], b[3]}};
}

CBoxFaces BarBoxFaces(int base, int top, int bottom, int signedLength, double depth, double angle)
{
    const int thickness = bottom - top, hh = thickness / 2, cy = bottom - hh;
    const CPoint o = depth == 0 ? CPoint() : HalfDepth(thickness > depth ? depth : double(thickness), angle);
    const CQuad z{CPoint(base - o.x, cy - hh + o.y), CPoint(base - o.x, cy + hh + o.y),
                  CPoint(base + o.x, cy + hh - o.y), CPoint(base + o.x, cy - hh - o.y)};
    CQuad v = z;
    for (CPoint& p : v)
        p.x += signedLength;
    return {CQuad{z[0], z[1], v[1], v[0]}, CQuad{z[3], z[2], v[2], v[3]}, z,
            v,                             CQuad{z[3], z[0], v[0], v[3]}, CQuad{z[2], z[1], v[1], v[2]}};
}

int PercentShareLength(double value, int signClass, int positiveLength, int negativeLength, double absSum,
                       CShareOrder order)
{
    if (!(absSum > 0) || !std::isfinite(value) || !std::isfinite(absSum))
        return 0;
    const double part = signClass < 0 ? negativeLength : positiveLength;
    const double magnitude = std::fabs(value);
    double length =
        order == CShareOrder::ProductFirst ? magnitude * part / absSum : magnitude * (part / absSum);
    if (!std::isfinite(length))
        length = magnitude / absSum * part;
    // A share is never more than its part, whatever totals it was given.
    const int limit = SaturateToInt(std::fabs(part));
    return std::clamp(RoundHalfUp(length), -limit, limit);
}

void SortStackSegments(std::vector<CStackSegment>& segments, CStackAxis axis)
{
    auto key = [axis](const CRect& r) { return axis == CStackAxis::Vertical ? r.bottom : r.right; };
    auto flat = [axis](const CRect& r) { return axis == CStackAxis::Vertical ? r.Height() == 0 : r.Width() == 0; };
    // An exchange sort: the order it leaves among equal edges is part of the drawing order.
    for (size_t a = 0; a + 1 < segments.size(); ++a)
        for (size_t b = a + 1; b < segments.size(); ++b) {
            const CRect& ra = segments[a].rect;
            const CRect& rb = segments[b].rect;
            if (key(rb) > key(ra) || (key(rb) == key(ra) && flat(rb)))
                std::swap(segments[a], segments[b]);
        }
}
