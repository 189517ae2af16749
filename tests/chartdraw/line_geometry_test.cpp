// Where the points of line charts lie: categories with and without gaps, the rows of values, stacked
// levels, the square and segment hit face of a point, and the 3-D ribbon with its cut at the zero
// plane.

#include "chartdraw/geometry/LineGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string Str(const CQuad& q)
{
    std::string out;
    for (const CPoint& p : q)
        out += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
    return out;
}

} // namespace

TEST(LineGeometry, CategorySlots)
{
    const struct
    {
        bool spaced;
        int originX, length, count;
        bool fits;
        std::vector<int> xs;
    } cases[] = {
        // Five categories on 300 px: gap 20, slots 40, the first point 30 px in, then every 60.
        {true, 10, 300, 5, true, {40, 100, 160, 220, 280}},
        // Twelve on 100 px: no gap, four slots of 9 and eight of 8, each point in its middle.
        {true, 0, 100, 12, true, {4, 13, 22, 31, 40, 48, 56, 64, 72, 80, 88, 96}},
        {true, 0, -5, 2, false, {}},
        {true, 0, 100, 0, false, {}},
        // Stacked: no gap; half a category in, then a category further (the first takes the leftover).
        {false, 10, 300, 4, true, {47, 122, 197, 272}},
        {false, 0, 10, 3, true, {1, 5, 8}},
        {false, 0, 2, 3, true, {0, 1, 2}},
        {false, 0, 100, 0, false, {}},
    };
    for (const auto& c : cases) {
        const CLineSlots slots = c.spaced ? SpacedLineSlots(c.originX, c.length, c.count)
                                          : PackedLineSlots(c.originX, c.length, c.count);
        EXPECT_EQ(slots.fits, c.fits) << c.length << " / " << c.count;
        EXPECT_EQ(slots.xs, c.xs) << c.length << " / " << c.count;
    }
}

TEST(LineGeometry, RowsOfValues)
{
    // A value of 0 or more lies a pixel above its height when the range holds both signs.
    EXPECT_EQ(LinePointY(100, 30, 3.0, false), 70);
    EXPECT_EQ(LinePointY(100, 30, 3.0, true), 69);
    EXPECT_EQ(LinePointY(100, 0, 0.0, true), 99);
    EXPECT_EQ(LinePointY(100, 30, -3.0, true), 130);
    // Stacked: 2 and -3 in one category end at y0 - h(2) + h(3) on one running level.
    const int level = StackedPointY(100, 20, 2.0);
    EXPECT_EQ(level, 80);
    EXPECT_EQ(StackedPointY(level, 30, -3.0), 110);

    EXPECT_EQ(Str(PointSquare(CPoint(10, 20))), "8,18 12,18 12,22 8,22 ");
    EXPECT_EQ(Str(SegmentHitFace(CPoint(10, 20), CPoint(40, 5))), "10,18 10,22 40,7 40,3 ");
}

TEST(LineGeometry, RibbonOfASegment)
{
    // Half the depth vector: trunc(0.8 x 41 / 2) = 16 across, trunc(0.6 x 41 / 2) = 12 up.
    const double angle = std::asin(0.6);
    EXPECT_EQ(Str(RibbonCorners(CPoint(80, 129), CPoint(140, 99), 41, angle)),
              "96,117 64,141 124,111 156,87 ");
    // A depth pointing left turns the ribbon round.
    EXPECT_EQ(Str(RibbonCorners(CPoint(0, 0), CPoint(10, 0), 41, 3.14159265358979 - angle)),
              "-16,-12 16,12 26,12 -6,-12 ");
}

TEST(LineGeometry, RibbonCutAtTheZeroPlane)
{
    // The ribbon from (140, 99) down to (200, 180) crosses the front zero row 162 at x = 184 - 30 x
    // 60 / 81 = 162 and the back zero row 138 at 216 - 30 x 60 / 81 = 194.
    const CQuad down{CPoint(156, 87), CPoint(124, 111), CPoint(184, 192), CPoint(216, 168)};
    const std::string upper = "156,87 124,111 162,161 194,137 ", lower = "216,168 184,192 162,162 194,138 ";
    const struct
    {
        CQuad ribbon;
        int backTop, frontTop;
        std::vector<std::string> parts; // in drawing order, "+" kept off the plane
    } cases[] = {
        // Seen from above the part below the plane is behind it; seen from below the part above.
        {down, 20, 44, {upper, "+" + lower}},
        {down, 44, 20, {lower, "+" + upper}},
        // Seen edge on, the plane covers neither part: both drawn whole.
        {down, 30, 30, {upper, lower}},
        // Rising through the plane: the current end lies above it.
        {CQuad{CPoint(0, 190), CPoint(-10, 200), CPoint(50, 140), CPoint(60, 130)},
         20,
         44,
         {"60,130 50,140 28,161 52,137 ", "+0,190 -10,200 28,162 52,138 "}},
        // An end edge across the front zero row: the whole ribbon kept off the plane.
        {CQuad{CPoint(0, 150), CPoint(0, 170), CPoint(50, 175), CPoint(50, 155)},
         20,
         44,
         {"+0,150 0,170 50,175 50,155 "}},
        // Wholly above the plane.
        {CQuad{CPoint(0, 50), CPoint(0, 70), CPoint(50, 60), CPoint(50, 40)},
         20,
         44,
         {"0,50 0,70 50,60 50,40 "}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> parts;
        for (const CRibbonPart& part : CutRibbon(c.ribbon, 162, 138, c.backTop, c.frontTop))
            parts.push_back((part.outsidePlane ? "+" : "") + Str(part.points));
        EXPECT_EQ(parts, c.parts) << Str(c.ribbon) << " back top " << c.backTop;
    }
}
