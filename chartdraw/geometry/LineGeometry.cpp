#include "chartdraw/geometry/LineGeometry.h"

#include "chart/model/ChartMath.h"
#include "chartdraw/geometry/SlotDivision.h"

#include <cmath>

namespace {

constexpr int kLineGap = 20;

// Where a sloped edge from a to b crosses row y; a's x for a level edge.
int CrossingX(POINT a, POINT b, int y)
{
    if (a.y == b.y)
        return a.x;
    const long long dx = (long long)b.x - a.x, dy = (long long)b.y - a.y;
    return SaturateToInt((long long)b.x - ((long long)b.y - y) * dx / dy);
}

bool StrictlyBetween(int v, int a, int b)
{
    return (a < v && v < b) || (b < v && v < a);
}

} // namespace

CLineSlots SpacedLineSlots(int originX, int length, int count)
{
    CLineSlots out;
    const CSlotDivision slots = DivideIntoSlots(length, count, kLineGap);
    if (!slots.fits)
        return out;
    out.fits = true;
    int x = AddSaturated(originX, slots.gap / 2);
    for (int width : slots.widths) {
        out.xs.push_back(AddSaturated(x, width / 2));
        x = AddSaturated(x, AddSaturated(width, slots.gap));
    }
    return out;
}

CLineSlots PackedLineSlots(int originX, int length, int count)
{
    CLineSlots out;
    if (count <= 0)
        return out;
    out.fits = true;
    int x = AddSaturated(originX, length / count / 2);
    for (int width : SplitEvenly(length, count)) {
        out.xs.push_back(x);
        x = AddSaturated(x, width);
    }
    return out;
}

int LinePointY(int y0, int h, double value, bool bothSigns)
{
    return value >= 0 ? AddSaturated(y0, -AddSaturated(h, bothSigns ? 1 : 0)) : AddSaturated(y0, h);
}

int StackedPointY(int level, int h, double value)
{
    return AddSaturated(level, value >= 0 ? -h : h);
}

CQuad PointSquare(POINT p)
{
    return {CPoint(p.x - 2, p.y - 2), CPoint(p.x + 2, p.y - 2), CPoint(p.x + 2, p.y + 2),
            CPoint(p.x - 2, p.y + 2)};
}

CQuad SegmentHitFace(POINT p, POINT next)
{
    return {CPoint(p.x, p.y - 2), CPoint(p.x, p.y + 2), CPoint(next.x, next.y + 2),
            CPoint(next.x, next.y - 2)};
}

CQuad RibbonCorners(POINT prev, POINT cur, double depthLength, double depthAngle)
{
    const int a = SaturateToInt(std::cos(depthAngle) * depthLength * 0.5);
    const int b = SaturateToInt(std::sin(depthAngle) * depthLength * 0.5);
    return {CPoint(prev.x + a, prev.y - b), CPoint(prev.x - a, prev.y + b), CPoint(cur.x - a, cur.y + b),
            CPoint(cur.x + a, cur.y - b)};
}

std::vector<CRibbonPart> CutRibbon(const CQuad& r, int frontZero, int backZero, int backTop, int frontTop)
{
    const CPoint &p0 = r[0], &p1 = r[1], &p2 = r[2], &p3 = r[3];
    if (StrictlyBetween(frontZero, p1.y, p2.y)) {
        const int xf = CrossingX(p1, p2, frontZero), xb = CrossingX(p0, p3, backZero);
        // The end whose front corner lies above the plane gives the upper part its corners.
        const bool previousAbove = p1.y < frontZero;
        const CPoint upperBack = previousAbove ? p0 : p3, upperFront = previousAbove ? p1 : p2;
        const CPoint lowerBack = previousAbove ? p3 : p0, lowerFront = previousAbove ? p2 : p1;
        const CRibbonPart upper{{upperBack, upperFront, CPoint(xf, frontZero - 1), CPoint(xb, backZero - 1)},
                                false};
        const CRibbonPart lower{{lowerBack, lowerFront, CPoint(xf, frontZero), CPoint(xb, backZero)}, false};
        // Seen edge on, the plane hides neither part.
        if (backTop == frontTop)
            return {upper, lower};
        // The part on the far side of the plane comes first; the near one is kept off the plane.
        std::vector<CRibbonPart> parts =
            backTop < frontTop ? std::vector{upper, lower} : std::vector{lower, upper};
        parts[1].outsidePlane = true;
        return parts;
    }
    const bool endCrossesPlane =
        StrictlyBetween(frontZero, p0.y, p1.y) || StrictlyBetween(frontZero, p3.y, p2.y);
    return {CRibbonPart{r, endCrossesPlane}};
}
