#include "chartdraw/geometry/PieSectorGeometry.h"

#include "chartdraw/geometry/NumberText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>

namespace {

constexpr float kLargestHalfAxis = 1 << 30;

// How a share is compared with a threshold.
enum class CShareTest : char
{
    Always,
    Above,
    AtLeast,
    Below
};

bool Passes(CShareTest test, double threshold, float share)
{
    switch (test) {
    case CShareTest::Always:
        return true;
    case CShareTest::Above:
        return share > threshold;
    case CShareTest::AtLeast:
        return share >= threshold;
    case CShareTest::Below:
        return share < threshold;
    }
    return false;
}

// Two points in one open quadrant follow the sweep by height (rising +1: the later one is higher),
// then by x (leftward +1: the later one lies left).
struct CQuadrantOrder
{
    int rising, leftward;
};
constexpr CQuadrantOrder kQuadrantOrder[8] = {{0, 0}, {1, 1},   {0, 0}, {-1, 1},
                                              {0, 0}, {-1, -1}, {0, 0}, {1, -1}};

bool FollowsInQuadrant(int octant, POINT earlier, POINT later)
{
    const CQuadrantOrder o = kQuadrantOrder[octant];
    if (earlier.y != later.y)
        return o.rising * (earlier.y - later.y) > 0;
    return o.leftward * (earlier.x - later.x) > 0;
}

// For p's class: the classes of q that come later, and when q straight above does.
struct CSweepRow
{
    unsigned char laterMask;
    CShareTest top;
    double threshold;
};
constexpr unsigned char Mask(std::initializer_list<int> octants)
{
    unsigned char m = 0;
    for (int o : octants)
        m = static_cast<unsigned char>(m | (1 << o));
    return m;
}
constexpr CSweepRow kSweep[8] = {
    {Mask({1}), CShareTest::Always, 0},
    {Mask({}), CShareTest::Always, 0},
    {Mask({0, 1, 3, 4, 5, 6, 7}), CShareTest::Above, 0.9},
    {Mask({0, 1, 4, 5, 6, 7}), CShareTest::Above, 0.75},
    {Mask({0, 1, 5, 6, 7}), CShareTest::AtLeast, 0.75},
    {Mask({0, 1, 6, 7}), CShareTest::Above, 0.5},
    {Mask({0, 1, 7}), CShareTest::Always, 0},
    {Mask({0, 1}), CShareTest::Below, 0.5},
};

// One outcome of the face table: which points bound the front rim and which faces show.
enum class CEdge : char
{
    Start,
    End,
    Leftmost,
    Rightmost
};
enum class CShown : char
{
    None,
    WallOnly,
    All,
    SameQuadrant // All when the end follows the start in their quadrant, WallOnly when they meet
};
struct CFaceRule
{
    CShown shown = CShown::None;
    CEdge first = CEdge::Start, second = CEdge::End;
    bool rim = false;
    CShareTest test = CShareTest::Always;
    double threshold = 0;
};

constexpr CFaceRule Show(CShown shown, CEdge first, CEdge second, bool rim = false)
{
    return {shown, first, second, rim, CShareTest::Always, 0};
}
constexpr CFaceRule If(CShareTest test, double threshold, CFaceRule rule)
{
    rule.test = test;
    rule.threshold = threshold;
    return rule;
}

using E = CEdge;
using Sh = CShown;
constexpr CFaceRule no{};
constexpr CFaceRule SE = Show(Sh::All, E::Start, E::End);
constexpr CFaceRule SErim = Show(Sh::All, E::Start, E::End, true);
constexpr CFaceRule LpRp = Show(Sh::All, E::Leftmost, E::Rightmost, true);
constexpr CFaceRule LpE = Show(Sh::All, E::Leftmost, E::End, true);
constexpr CFaceRule SRp = Show(Sh::All, E::Start, E::Rightmost, true);
constexpr CFaceRule RpE = Show(Sh::All, E::Rightmost, E::End);
constexpr CFaceRule wallSE = Show(Sh::WallOnly, E::Start, E::End);
constexpr CFaceRule wallRpE = Show(Sh::WallOnly, E::Rightmost, E::End);
constexpr CFaceRule same = Show(Sh::SameQuadrant, E::Start, E::End);
constexpr CFaceRule sameRim = Show(Sh::SameQuadrant, E::Start, E::End, true);
constexpr CShareTest gt = CShareTest::Above, lt = CShareTest::Below;

// Rows: the class of the start point; columns: the class of the end point.
constexpr CFaceRule kFaces[8][8] = {
    {wallRpE, RpE, If(lt, 0.5, RpE), no, no, no, no, no},
    {no, same, SE, no, no, no, no, no},
    {If(gt, 0.5, LpRp), If(gt, 0.75, LpRp), If(gt, 0.75, LpRp), SE, SE, LpE, LpE, LpE},
    {If(gt, 0.5, LpRp), If(gt, 0.5, LpRp), If(gt, 0.75, LpRp), same, SE, LpE, LpE, LpE},
    {LpRp, LpRp, If(gt, 0.5, LpRp), no, wallSE, LpE, LpE, LpE},
    {SRp, SRp, If(gt, 0.5, SRp), no, no, sameRim, SErim, SErim},
    {SRp, SRp, SRp, no, no, no, wallSE, SErim},
    {SRp, SRp, SRp, no, no, no, no, sameRim},
};

// p moved by (dx, dy), kept inside the int range.
CPoint Offset(POINT p, long long dx, long long dy)
{
    auto clamp = [](long long v) { return LONG(std::clamp<long long>(v, INT_MIN, INT_MAX)); };
    return CPoint(clamp(p.x + dx), clamp(p.y + dy));
}

// Where the edge through the pushed-out centre, parallel to the radius to edge, meets the ellipse.
// Real is float as the pie is drawn; double takes over where float overflows on a huge ellipse.
template <typename Real> bool MovedEdge(POINT centre, POINT moved, POINT edge, Real a, Real b, CPoint& result)
{
    const int octant = PointOctant(centre, edge);
    if (octant == -1) {
        result = moved;
        return true;
    }
    // Relative to the centre, y up.
    const Real movedX = Real((long long)moved.x - centre.x), movedY = Real((long long)centre.y - moved.y);
    if (octant % 2 == 0) {
        const bool vertical = octant == 2 || octant == 6;
        const Real along = vertical ? movedX : movedY;
        const Real radius = vertical ? a : b;
        const long long reach = RoundFloatByText(float(
            (vertical ? b / a : a / b) * std::sqrt(std::max(Real(0), radius * radius - along * along))));
        result = octant == 2   ? Offset(CPoint(moved.x, centre.y), 0, -reach)
                 : octant == 6 ? Offset(CPoint(moved.x, centre.y), 0, reach)
                 : octant == 0 ? Offset(CPoint(centre.x, moved.y), reach, 0)
                               : Offset(CPoint(centre.x, moved.y), -reach, 0);
        return true;
    }
    const Real s = Real((long long)centre.y - edge.y) / Real((long long)edge.x - centre.x);
    const Real k = movedY - s * movedX;
    const Real qa = b * b + a * a * s * s, qb = 2 * a * a * s * k, qc = a * a * (k * k - b * b);
    const Real discriminant = qb * qb - 4 * qa * qc;
    if (!std::isfinite(discriminant))
        return false;
    const Real root = std::sqrt(std::max(Real(0), discriminant));
    const Real x1 = (-qb + root) / (2 * qa), x2 = (-qb - root) / (2 * qa);
    // The root on the edge's side of the centre, the farther out of two; without one there, the
    // nearest to that side.
    const Real x = edge.x > centre.x ? std::max(x1, x2) : std::min(x1, x2);
    const Real y = s * x + k;
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    result = Offset(centre, RoundFloatByText(float(x)), -(long long)RoundFloatByText(float(y)));
    return true;
}

CPoint MovedEdgePoint(POINT centre, POINT moved, POINT edge, float a, float b)
{
    CPoint result;
    if (!MovedEdge<float>(centre, moved, edge, a, b, result) &&
        !MovedEdge<double>(centre, moved, edge, a, b, result))
        result = edge;
    return result;
}

} // namespace

int PointOctant(POINT c, POINT p)
{
    if (p.x == c.x && p.y < c.y)
        return 2;
    if (p.x < c.x)
        return p.y < c.y ? 3 : (p.y == c.y ? 4 : 5);
    if (p.x == c.x && p.y > c.y)
        return 6;
    if (p.x > c.x)
        return p.y < c.y ? 1 : (p.y == c.y ? 0 : 7);
    return -1;
}

int RoundFloatByText(float value)
{
    if (std::isnan(value))
        return 0;
    if (std::isinf(value))
        return value > 0 ? INT_MAX : INT_MIN;
    // The whole part is read from the text as well: 2.9999998 prints 3.000000 and gives 3.
    const std::string text = FixedText(value, 6);
    const bool negative = text[0] == '-';
    const size_t point = text.find('.');
    double whole = 0;
    for (size_t i = negative ? 1 : 0; i < point; ++i)
        whole = whole * 10 + (text[i] - '0');
    if (text[point + 1] >= '5')
        whole += 1;
    return int(std::clamp(negative ? -whole : whole, double(INT_MIN), double(INT_MAX)));
}

CPoint EllipsePointAt(POINT centre, float a, float b, float t)
{
    return CPoint(centre.x + LONG(std::trunc(a * std::cos(t))), centre.y - LONG(std::trunc(b * std::sin(t))));
}

bool PrecedesInSweep(POINT centre, POINT p, POINT q, float share)
{
    const int pc = PointOctant(centre, p), qc = PointOctant(centre, q);
    if (pc == -1 || qc == -1)
        return false;
    const CSweepRow& row = kSweep[pc];
    if (qc == 2)
        return Passes(row.top, row.threshold, share);
    if (qc == pc)
        return pc % 2 == 1 && FollowsInQuadrant(pc, p, q);
    return (row.laterMask >> qc) & 1;
}

CSectorEdges SectorEdgePoints(float startAngle, float endAngle, POINT centre, POINT start, POINT end,
                              int offset, float a, float b)
{
    CSectorEdges out{centre, start, end};
    // No ellipse to cut the moved edges with, or one beyond any pixel count.
    if (!(a > 0) || !(b > 0) || !(a < kLargestHalfAxis) || !(b < kLargestHalfAxis))
        return out;
    if (offset > b)
        offset = int(b);
    offset = std::max(offset, 0);
    if (out.start == out.end && endAngle - startAngle > 6.24)
        return out; // the whole pie
    const float middle = (startAngle + endAngle) * 0.5f;
    const float distance = float(offset);
    out.centre = Offset(centre, RoundFloatByText(std::cos(middle) * distance),
                        -(long long)RoundFloatByText(std::sin(middle) * distance));
    out.start = MovedEdgePoint(centre, out.centre, start, a, b);
    out.end = MovedEdgePoint(centre, out.centre, end, a, b);
    return out;
}

CSliceWalls SliceWallVisibility(const RECT& topEllipse, POINT centre, POINT start, POINT end, float share)
{
    CSliceWalls out;
    out.first = start;
    out.second = end;
    const int sc = PointOctant(centre, start), ec = PointOctant(centre, end);
    if (sc == -1 || ec == -1)
        return out;
    const CFaceRule& rule = kFaces[sc][ec];
    if (!Passes(rule.test, rule.threshold, share))
        return out;
    CShown shown = rule.shown;
    if (shown == CShown::SameQuadrant) {
        if (CPoint(start) == CPoint(end))
            shown = CShown::WallOnly; // a slice of no width keeps the wall at its edge
        else
            shown = FollowsInQuadrant(sc, start, end) ? CShown::All : CShown::None;
    }
    if (shown == CShown::None)
        return out;
    auto pick = [&](CEdge edge) {
        switch (edge) {
        case CEdge::Start:
            return CPoint(start);
        case CEdge::End:
            return CPoint(end);
        case CEdge::Leftmost:
            return CPoint(topEllipse.left, centre.y);
        case CEdge::Rightmost:
            return CPoint(topEllipse.right, centre.y);
        }
        return CPoint(start);
    };
    out.first = pick(rule.first);
    out.second = pick(rule.second);
    out.radialWall = true;
    out.faces = shown == CShown::All;
    out.frontRim = rule.rim && out.faces;
    return out;
}
