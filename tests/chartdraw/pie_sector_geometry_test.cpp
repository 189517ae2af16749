// Pie slice geometry: position classes, the rounding through the value's text, points of the
// ellipse at the quadrant boundaries, the order along the sweep, pushed-out slice edges and the
// faces of a slice that show.

#include "chartdraw/geometry/PieSectorGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

constexpr float kHalfPi = 1.5707964f, kPi = 3.1415927f;

TEST(PieSectorGeometry, PointOctant)
{
    const CPoint c(10, 10);
    const struct
    {
        CPoint p;
        int octant;
    } cases[] = {{{10, 10}, -1}, {{11, 10}, 0}, {{11, 9}, 1},  {{10, 9}, 2},  {{9, 9}, 3},
                 {{9, 10}, 4},   {{9, 11}, 5},  {{10, 11}, 6}, {{11, 11}, 7}, {{500, -400}, 1}};
    for (const auto& k : cases)
        EXPECT_EQ(PointOctant(c, k.p), k.octant) << k.p.x << ", " << k.p.y;
}

TEST(PieSectorGeometry, RoundFloatByText)
{
    // Decided on the six-decimal text: 2.4999995 prints 2.500000, 2.9999998 prints 3.000000.
    const struct
    {
        float value;
        int rounded;
    } cases[] = {{0.5f, 1},         {-0.5f, -1},         {1.0f, 1},         {0.49f, 0},      {2.5f, 3},
                 {2.4f, 2},         {-2.5f, -3},         {-2.4f, -2},       {1e-7f, 0},      {-0.0f, 0},
                 {2.4999995f, 3},   {2.9999998f, 3},     {-2.9999998f, -3}, {0.4999999f, 1}, {1e10f, INT_MAX},
                 {-1e10f, INT_MIN}, {INFINITY, INT_MAX}, {NAN, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundFloatByText(c.value), c.rounded) << c.value;
}

TEST(PieSectorGeometry, EllipsePointsAtQuadrantBoundaries)
{
    const CPoint c(100, 100);
    const struct
    {
        float angle;
        CPoint point;
    } cases[] = {{kHalfPi, {100, 70}},      {kPi, {50, 100}},         {3 * kHalfPi, {100, 130}},
                 {4 * kHalfPi, {150, 100}}, {5 * kHalfPi, {100, 70}}, {kPi / 4, {135, 79}},
                 {3 * kPi / 4, {65, 79}},   {5 * kPi / 4, {65, 121}}, {7 * kPi / 4, {135, 121}}};
    for (const auto& k : cases)
        EXPECT_EQ(EllipsePointAt(c, 50, 30, k.angle), k.point) << k.angle;
}

// Around (100, 100): one point in each class.
const CPoint kCentre(100, 100), kRight(150, 100), kUpRight(140, 70), kTop(100, 60), kUpLeft(60, 70),
    kLeft(50, 100), kDownLeft(60, 130), kBottom(100, 140), kDownRight(140, 130);

TEST(PieSectorGeometry, PrecedesInSweep)
{
    const struct
    {
        CPoint p, q;
        float share;
        bool before;
    } cases[] = {// Along the sweep from the top round to the right and back to the top.
                 {kTop, kUpLeft, 0.1f, true},
                 {kUpLeft, kLeft, 0.1f, true},
                 {kLeft, kDownLeft, 0.1f, true},
                 {kDownLeft, kBottom, 0.1f, true},
                 {kBottom, kDownRight, 0.1f, true},
                 {kDownRight, kRight, 0.1f, true},
                 {kRight, kUpRight, 0.1f, true},
                 {kTop, kUpRight, 0.1f, true},
                 {kUpLeft, kUpRight, 0.1f, true},
                 {kLeft, kUpLeft, 0.1f, false},
                 {kUpRight, kRight, 0.1f, false},
                 {kUpRight, kDownRight, 0.1f, false},
                 {kDownRight, kDownLeft, 0.1f, false},
                 {kRight, kRight, 0.1f, false},
                 {kLeft, kLeft, 0.9f, false},
                 // A point straight above ends the sweep as q; the share decides where it could start it.
                 {kRight, kTop, 0.1f, true},
                 {kUpRight, kTop, 0.1f, true},
                 {kBottom, kTop, 0.1f, true},
                 {kTop, kTop, 0.95f, true},
                 {kTop, kTop, 0.9f, false},
                 {kUpLeft, kTop, 0.76f, true},
                 {kUpLeft, kTop, 0.75f, false},
                 {kLeft, kTop, 0.75f, true},
                 {kLeft, kTop, 0.74f, false},
                 {kDownLeft, kTop, 0.51f, true},
                 {kDownLeft, kTop, 0.5f, false},
                 {kDownRight, kTop, 0.49f, true},
                 {kDownRight, kTop, 0.5f, false},
                 // Two points in one quadrant: by height, then by x.
                 {{140, 80}, {130, 70}, 0.1f, true},
                 {{130, 70}, {140, 80}, 0.1f, false},
                 {{140, 70}, {130, 70}, 0.1f, true},
                 {{70, 70}, {60, 80}, 0.1f, true},
                 {{60, 80}, {70, 70}, 0.1f, false},
                 {{70, 70}, {60, 70}, 0.1f, true},
                 {{60, 120}, {70, 130}, 0.1f, true},
                 {{70, 130}, {60, 120}, 0.1f, false},
                 {{60, 130}, {70, 130}, 0.1f, true},
                 {{130, 130}, {140, 120}, 0.1f, true},
                 {{140, 120}, {130, 130}, 0.1f, false},
                 {{130, 130}, {140, 130}, 0.1f, true},
                 {{140, 130}, {140, 130}, 0.1f, false},
                 // The centre itself has no place on the sweep.
                 {kCentre, kLeft, 0.1f, false},
                 {kLeft, kCentre, 0.1f, false}};
    for (const auto& c : cases)
        EXPECT_EQ(PrecedesInSweep(kCentre, c.p, c.q, c.share), c.before)
            << c.p.x << "," << c.p.y << " / " << c.q.x << "," << c.q.y << " share " << c.share;
}

TEST(PieSectorGeometry, SectorEdgePoints)
{
    const struct
    {
        float startAngle, endAngle;
        CPoint start, end;
        int offset;
        float a, b;
        CPoint movedCentre, movedStart, movedEnd;
    } cases[] = {// The quarter from the top to the left pushed 8 px up-left: Round(5.66) = 6. The moved
                 // edges are the lines x = 94 and y = 94, which meet the circle at Round(sqrt(2464)) = 50.
                 {kHalfPi, kPi, {100, 50}, {50, 100}, 8, 50, 50, {94, 94}, {94, 50}, {50, 94}},
                 // An offset beyond the half-height is cut to it: the centre moves by Round(35.36) each way.
                 {kHalfPi, kPi, {100, 50}, {50, 100}, 80, 50, 50, {65, 65}, {65, 64}, {64, 65}},
                 {kHalfPi, kPi, {100, 50}, {50, 100}, 0, 50, 50, {100, 100}, {100, 50}, {50, 100}},
                 {kHalfPi, kPi, {100, 50}, {50, 100}, -8, 50, 50, {100, 100}, {100, 50}, {50, 100}},
                 // The eighth from the top to (65, 65) moved by (-4, 9): the edge y = -x + 5 (y up, from
                 // the centre) cuts the circle at x = (10 - sqrt(19900)) / 4 = -32.77, y = 37.77.
                 {kHalfPi, 3 * kPi / 4, {100, 50}, {65, 65}, 10, 50, 50, {96, 91}, {96, 50}, {67, 62}},
                 // A whole pie stays where it is; a share of 0.995 has two edges and moves down.
                 {kHalfPi, 5 * kHalfPi, {100, 50}, {100, 50}, 8, 50, 50, {100, 100}, {100, 50}, {100, 50}},
                 {kHalfPi, 7.8225658f, {100, 50}, {101, 51}, 8, 50, 50, {100, 108}, {100, 50}, {101, 50}},
                 // An ellipse wider than high: the moved vertical edge reaches 0.6 sqrt(2464) = 29.8 up, the
                 // horizontal one 5/3 sqrt(864) = 49.0 left.
                 {kHalfPi, kPi, {100, 70}, {50, 100}, 8, 50, 30, {94, 94}, {94, 70}, {51, 94}},
                 // No ellipse to cut the edges with.
                 {kHalfPi, kPi, {100, 50}, {50, 100}, 8, 0, 50, {100, 100}, {100, 50}, {50, 100}},
                 {kHalfPi, kPi, {100, 50}, {50, 100}, 8, 50, 1e30f, {100, 100}, {100, 50}, {50, 100}}};
    for (const auto& c : cases) {
        const CSectorEdges e =
            SectorEdgePoints(c.startAngle, c.endAngle, kCentre, c.start, c.end, c.offset, c.a, c.b);
        EXPECT_EQ(e.centre, c.movedCentre) << c.offset << " " << c.endAngle;
        EXPECT_EQ(e.start, c.movedStart) << c.offset << " " << c.endAngle;
        EXPECT_EQ(e.end, c.movedEnd) << c.offset << " " << c.endAngle;
    }

    // A circle of radius 20000, the slice from the bottom to just short of the top pushed 200 px
    // right: the nearly vertical end edge (slope 19999) overflows the single-precision quadratic
    // and is cut in double precision at (200.9999995, 19998.98997).
    const CSectorEdges big = SectorEdgePoints(3 * kHalfPi, 7.85393f, CPoint(0, 0), CPoint(0, 20000),
                                              CPoint(1, -19999), 200, 20000, 20000);
    EXPECT_EQ(big.centre, CPoint(200, 0));
    EXPECT_EQ(big.start, CPoint(200, 19999));
    EXPECT_EQ(big.end, CPoint(201, -19999));
}

TEST(PieSectorGeometry, SliceWallVisibility)
{
    // The outer top ellipse (50, 50, 150, 150): leftmost point (50, 100), rightmost (150, 100).
    const CRect ellipse(50, 50, 150, 150);
    const CPoint Lp(50, 100), Rp(150, 100), top(100, 50), upLeft(65, 65), left(50, 100), downLeft(65, 135),
        bottom(100, 150), downRight(135, 135), right(150, 100), upRight(135, 65);
    enum Shown
    {
        None,
        WallOnly,
        All,
        AllAndRim
    };
    const struct
    {
        CPoint start, end;
        float share;
        Shown shown;
        CPoint first, second;
    } cases[] = {{top, downRight, 0.6f, AllAndRim, Lp, downRight},
                 {top, upLeft, 0.125f, All, top, upLeft},
                 {top, left, 0.25f, All, top, left},
                 {top, top, 1.0f, AllAndRim, Lp, Rp},
                 {top, top, 0.5f, None, {}, {}},
                 {downRight, top, 0.3f, AllAndRim, downRight, Rp},
                 {bottom, downRight, 0.1f, AllAndRim, bottom, downRight},
                 {left, top, 0.75f, AllAndRim, Lp, Rp},
                 {left, top, 0.4f, None, {}, {}},
                 {downLeft, bottom, 0.1f, AllAndRim, downLeft, bottom},
                 {upRight, top, 0.1f, All, upRight, top},
                 {right, upRight, 0.1f, All, Rp, upRight},
                 {right, top, 0.25f, All, Rp, top},
                 {right, top, 0.6f, None, {}, {}},
                 {bottom, upLeft, 0.6f, None, {}, {}},
                 // Start and end on one axis direction: only the wall there.
                 {{140, 100}, {140, 100}, 0.0f, WallOnly, Rp, {140, 100}},
                 {left, left, 0.0f, WallOnly, left, left},
                 // One quadrant: by the sweep; a slice of no width keeps its wall.
                 {{70, 70}, {60, 80}, 0.01f, All, {70, 70}, {60, 80}},
                 {{60, 80}, {70, 70}, 0.01f, None, {}, {}},
                 {{65, 135}, {70, 140}, 0.01f, AllAndRim, {65, 135}, {70, 140}},
                 {downLeft, downLeft, 0.0f, WallOnly, downLeft, downLeft},
                 {{100, 100}, left, 0.5f, None, {}, {}}};
    for (const auto& c : cases) {
        const CSliceWalls walls = SliceWallVisibility(ellipse, CPoint(100, 100), c.start, c.end, c.share);
        EXPECT_EQ(walls.radialWall, c.shown != None)
            << c.start.x << "," << c.start.y << " - " << c.end.x << "," << c.end.y << " share " << c.share;
        EXPECT_EQ(walls.faces, c.shown == All || c.shown == AllAndRim) << c.start.x << "," << c.start.y;
        EXPECT_EQ(walls.frontRim, c.shown == AllAndRim) << c.start.x << "," << c.start.y;
        if (c.shown != None) {
            EXPECT_EQ(walls.first, c.first) << c.start.x << "," << c.start.y;
            EXPECT_EQ(walls.second, c.second) << c.start.x << "," << c.start.y;
        }
    }
}

} // namespace
