#include "chartdraw/geometry/PieSliceLayout.h"

#include "chartdraw/geometry/PieSectorGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

LONG Clamped(long long v)
{
    return LONG(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

CRect MakeRect(long long l, long long t, long long r, long long b)
{
    return CRect(Clamped(l), Clamped(t), Clamped(r), Clamped(b));
}

CRect Lifted(const CRect& rect, int depth)
{
    return rect.IsRectEmpty()
               ? CRect()
               : MakeRect(rect.left, (long long)rect.top - depth, rect.right, (long long)rect.bottom - depth);
}

CPoint Lowered(POINT p, int depth)
{
    return CPoint(p.x, Clamped((long long)p.y + depth));
}

CPoint CentreOf(const RECT& r)
{
    return CPoint(Clamped(((long long)r.left + r.right) / 2), Clamped(((long long)r.top + r.bottom) / 2));
}

float HalfWidth(const RECT& r)
{
    return float((long long)r.right - r.left) * 0.5f;
}

float HalfHeight(const RECT& r)
{
    return float((long long)r.bottom - r.top) * 0.5f;
}

// The lower points and centres follow the top ones by the depth.
void LowerFromTop(CPieSliceRecord& slice)
{
    const int depth = slice.ellipses.depth;
    slice.centres[2] = Lowered(slice.centres[0], depth);
    slice.centres[3] = Lowered(slice.centres[1], depth);
    for (int k = 0; k < 4; ++k)
        slice.edges[4 + k] = Lowered(slice.edges[k], depth);
}

} // namespace

CPieSlots PieSlots(const RECT& plot, int count)
{
    CPieSlots slots;
    if (count <= 0)
        return slots;
    const long long n = count, span = (long long)plot.right - plot.left;
    long long gap = 20, width = (span - gap * n) / n;
    while (width < 20 && gap > 0) {
        --gap;
        width = (span - gap * n) / n;
    }
    if (width < 0)
        return slots;
    const bool leftover = (span - gap * n) % n != 0;
    slots.fits = true;
    slots.gap = int(gap);
    slots.width = Clamped(width + (leftover ? 1 : 0));
    return slots;
}

CRect PieRectInSlot(int slotLeft, int width, const RECT& plot)
{
    const long long x = slotLeft, w = width, top = plot.top, bottom = plot.bottom, height = bottom - top;
    if (height < w)
        return MakeRect(x + (w - height) / 2, top, x + (w + height) / 2, bottom);
    const long long mid = (top + bottom) / 2;
    return MakeRect(x, mid - w, x + w, mid + w);
}

bool IsPieKind3D(int kind)
{
    return kind == 1 || kind == 3 || kind == 6 || kind == 7;
}

bool IsPieKindRing(int kind)
{
    return kind >= 4 && kind <= 7;
}

int PreviewExplodeOffset(int kind)
{
    return kind == 2 || kind == 3 || kind == 5 || kind == 7 ? 8 : 0;
}

CPieEllipses PreviewPieEllipses(const CRect& pie, int kind)
{
    CPieEllipses out;
    const long long L = pie.left, T = pie.top, R = pie.right, B = pie.bottom;
    const CPoint c = CentreOf(pie);
    if (IsPieKind3D(kind)) {
        const int depth = std::max(0, RoundFloatByText(0.125f * float(B - T)));
        const long long k = (long long)std::trunc(5.0 * double(B - T) * 0.0625);
        out.outerLower = MakeRect(L, B - k - 2LL * depth, R, B - k);
        out.depth = depth;
    } else {
        const long long h = (R - L) / 2;
        out.outerLower = MakeRect(c.x - h, c.y - h, c.x + h, c.y + h);
    }
    out.outerTop = Lifted(out.outerLower, out.depth);
    if (IsPieKindRing(kind)) {
        const CRect& outer = out.outerLower;
        const CPoint centre = CentreOf(outer);
        const long long halfWidth = (long long)(double((long long)outer.right - outer.left) * 0.25);
        const long long halfHeight = (long long)(double((long long)outer.bottom - outer.top) * 0.25);
        out.innerLower = MakeRect(centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth,
                                  centre.y + halfHeight);
        out.innerTop = Lifted(out.innerLower, out.depth);
    }
    return out;
}

CPieEllipses StoredPieEllipses(const CRect& pie, const CRect& hole, int depth)
{
    CPieEllipses out;
    out.depth = std::max(depth, 0);
    out.outerLower = pie;
    out.outerTop = Lifted(pie, out.depth);
    if (!hole.IsRectEmpty()) {
        out.innerLower = hole;
        out.innerTop = Lifted(hole, out.depth);
    }
    return out;
}

float SliceShare(double value, double absSum)
{
    if (!(absSum > 0) || !std::isfinite(value))
        return 0.0f;
    return float(std::min(std::fabs(value) / absSum, 1.0));
}

CPieSeriesSlices LayoutPieSlices(const CPieEllipses& ellipses, std::span<const CPieSliceInput> values,
                                 double absSum)
{
    CPieSeriesSlices out;
    const CPoint outerCentre = CentreOf(ellipses.outerTop), innerCentre = CentreOf(ellipses.innerTop);
    const float a = HalfWidth(ellipses.outerTop), b = HalfHeight(ellipses.outerTop);
    const float ai = HalfWidth(ellipses.innerTop), bi = HalfHeight(ellipses.innerTop);
    float start = kPiePi / 2;
    for (size_t j = 0; j < values.size(); ++j) {
        CPieSliceRecord slice;
        slice.point = int(std::min<size_t>(j, INT_MAX));
        slice.ellipses = ellipses;
        slice.explode = values[j].explode;
        slice.share = SliceShare(values[j].value, absSum);
        slice.startAngle = start;
        // No slice runs on past the end of the circle, whatever totals it was given.
        slice.endAngle = j + 1 == values.size() ? 2.5f * kPiePi
                                                : std::min(start + 2 * kPiePi * slice.share, 2.5f * kPiePi);
        slice.centres[0] = outerCentre;
        slice.centres[1] = ellipses.IsRing() ? innerCentre : outerCentre;
        slice.edges[0] = EllipsePointAt(outerCentre, a, b, slice.startAngle);
        slice.edges[2] = EllipsePointAt(outerCentre, a, b, slice.endAngle);
        if (ellipses.IsRing()) {
            slice.edges[1] = EllipsePointAt(innerCentre, ai, bi, slice.startAngle);
            slice.edges[3] = EllipsePointAt(innerCentre, ai, bi, slice.endAngle);
        } else {
            slice.edges[1] = slice.edges[0];
            slice.edges[3] = slice.edges[2];
        }
        LowerFromTop(slice);
        (slice.endAngle <= 1.5f * kPiePi ? out.left : out.right).push_back(slice);
        start = slice.endAngle;
    }
    return out;
}

int SliceLabelAngle(const CPieSliceRecord& slice)
{
    const int angle = int((slice.startAngle + slice.endAngle) * 900.0f / kPiePi);
    return angle > 3600 ? angle % 3600 : angle;
}

void PushOutSlice(CPieSliceRecord& slice)
{
    if (slice.explode <= 0)
        return;
    const CPieEllipses& e = slice.ellipses;
    const CSectorEdges outer =
        SectorEdgePoints(slice.startAngle, slice.endAngle, CentreOf(e.outerTop), slice.edges[0],
                         slice.edges[2], slice.explode, HalfWidth(e.outerTop), HalfHeight(e.outerTop));
    CSectorEdges inner = outer;
    if (e.IsRing())
        inner =
            SectorEdgePoints(slice.startAngle, slice.endAngle, CentreOf(e.innerTop), slice.edges[1],
                             slice.edges[3], slice.explode, HalfWidth(e.innerTop), HalfHeight(e.innerTop));
    slice.centres[0] = outer.centre;
    slice.centres[1] = inner.centre;
    slice.edges[0] = outer.start;
    slice.edges[2] = outer.end;
    slice.edges[1] = inner.start;
    slice.edges[3] = inner.end;
    LowerFromTop(slice);
}
