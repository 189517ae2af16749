// The arithmetic of column and bar charts: slots side by side with their shrinking gap, even
// splits, the pixels of a value, percent shares rounded half up (with values a double holds only
// approximately), the corners of column and bar boxes and the drawing order of stacked segments.

#include "chartdraw/geometry/BoxGeometry.h"
#include "chartdraw/geometry/SlotDivision.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <vector>

namespace {

std::vector<int> Repeat(std::vector<std::pair<int, int>> runs)
{
    std::vector<int> out;
    for (auto [count, value] : runs)
        out.insert(out.end(), size_t(count), value);
    return out;
}

TEST(SlotDivision, GapShrinksUntilTheSlotsAreWideEnough)
{
    struct Case
    {
        int length, count, firstGap;
        bool fits;
        int gap;
        std::vector<int> widths;
    } cases[] = {
        // Columns (gap from 20).
        {300, 10, 20, true, 10, Repeat({{10, 20}})},
        {305, 10, 20, true, 10, Repeat({{5, 21}, {5, 20}})},
        {100, 5, 20, true, 0, Repeat({{5, 20}})},
        {100, 12, 20, true, 0, Repeat({{4, 9}, {8, 8}})},
        {1000, 3, 20, true, 20, {314, 313, 313}},
        // Bars and legends (gap from 10).
        {300, 10, 10, true, 10, Repeat({{10, 20}})},
        {155, 10, 10, true, 5, Repeat({{5, 11}, {5, 10}})},
        {100, 10, 10, true, 0, Repeat({{10, 10}})},
        {100, 12, 10, true, 0, Repeat({{4, 9}, {8, 8}})},
        {99, 3, 10, true, 10, {23, 23, 23}},
        // Nothing fits: no room at all, or no slot.
        {-3, 3, 10, false, 0, {}},
        {-1, 3, 10, true, 0, {0, 0, 0}}, // -1 / 3 truncates to 0
        {10, 0, 10, false, 0, {}},
        {0, 4, 20, true, 0, {0, 0, 0, 0}},
        {INT_MAX, 2, 20, true, 20, {1073741804, 1073741803}},
        {100, 101, 20, true, 0, Repeat({{100, 1}, {1, 0}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " over " << c.count << " from gap " << c.firstGap);
        const CSlotDivision slots = DivideIntoSlots(c.length, c.count, c.firstGap);
        EXPECT_EQ(slots.fits, c.fits);
        EXPECT_EQ(slots.gap, c.gap);
        EXPECT_EQ(slots.widths, c.widths);
    }
}

TEST(SlotDivision, SplitEvenlyGivesTheLeftoverToTheFirst)
{
    EXPECT_EQ(SplitEvenly(21, 4), (std::vector<int>{6, 5, 5, 5}));
    EXPECT_EQ(SplitEvenly(11, 3), (std::vector<int>{4, 4, 3}));
    EXPECT_EQ(SplitEvenly(2, 3), (std::vector<int>{1, 1, 0}));
    EXPECT_TRUE(SplitEvenly(5, 0).empty());
}

TEST(BoxGeometry, ValueToPixelsIsCutAtTheEndsOfTheAxis)
{
    struct Case
    {
        double value, tickPixels, tickStep;
        int positiveTicks, negativeTicks;
        int pixels;
    } cases[] = {
        {3, 10, 1, 10, 10, 30},
        {-2.5, 10, 1, 10, 10, 25},
        {0.29, 100, 1, 10, 0, 28}, // 0.29 x 100 = 28.999999999999996
        {7, 33.3, 10, 5, 0, 23},
        {0, 40, 20, 5, 0, 0},
        {1e300, 300, 1e299, 10, 0, 3000},
        // Beyond an end of the axis: cut at that end, which is 0 for an axis of one sign.
        {12, 10, 1, 10, 0, 100},
        {-7, 10, 1, 10, 5, 50},
        {-7, 10, 1, 10, 0, 0},
        // A product past the largest double: 1e308 x 50 / 2e307, or an axis end reaching it.
        {1e308, 50, 2e307, 5, 0, 250},
        {-DBL_MAX, 50, 2e307, 5, 3, 150},
        {DBL_MAX, 2, 0.5, 4, 0, 8},
        {NAN, 10, 1, 10, 10, 0},
        {INFINITY, 10, 1, 10, 10, 0},
        {5, 10, 0, 10, 10, 0},
        {5, NAN, 1, 10, 10, 0},
        {5, 10, -1, 10, 10, 0},
    };
    for (const Case& c : cases) {
        CChartLayout layout;
        layout.dTickPixels = c.tickPixels;
        layout.dTickStep = c.tickStep;
        layout.nPositiveTicks = c.positiveTicks;
        layout.nNegativeTicks = c.negativeTicks;
        EXPECT_EQ(ValueToPixels(c.value, layout), c.pixels)
            << c.value << " x " << c.tickPixels << " / " << c.tickStep << ", ticks " << c.positiveTicks
            << " and " << c.negativeTicks;
    }
}

TEST(BoxGeometry, PercentSharesRoundHalfUp)
{
    struct Case
    {
        double value;
        int signClass, positiveLength, negativeLength;
        double absSum;
        CShareOrder order;
        int length;
    } cases[] = {
        {1, 1, 100, 0, 8, CShareOrder::ProductFirst, 13},      // 12.5
        {1.249, 1, 100, 0, 10, CShareOrder::ProductFirst, 12}, // 12.49
        {-3, 0, 50, 50, 12, CShareOrder::ProductFirst, 13},    // both signs: the positive part
        {-3, -1, 0, 80, 12, CShareOrder::QuotientFirst, 20},   // no positive sum: the negative part
        // 0.3 x 35 / 3 is 3.5 in doubles, 0.3 x (35 / 3) is 3.4999999999999996.
        {0.3, 1, 35, 0, 3, CShareOrder::ProductFirst, 4},
        {0.3, 1, 35, 0, 3, CShareOrder::QuotientFirst, 3},
        {5, 1, 100, 0, 0, CShareOrder::ProductFirst, 0}, // a row of zeros has no share
        {NAN, 1, 100, 0, 4, CShareOrder::ProductFirst, 0},
        // Past the largest double the quotient goes first; no share is longer than its part.
        {1e308, 1, 250, 0, 1.25e308, CShareOrder::ProductFirst, 200},
        {1e308, 1, 100, 0, 1e-308, CShareOrder::ProductFirst, 100},
        {-1e308, 0, 100, 100, 1e-308, CShareOrder::QuotientFirst, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentShareLength(c.value, c.signClass, c.positiveLength, c.negativeLength, c.absSum, c.order),
                  c.length)
            << c.value << " of " << c.absSum << " class " << c.signClass;
}

TEST(BoxGeometry, ColumnFootprintIsCentredOnTheBaseAndCutToTheWidth)
{
    // The depth vector of a 3-D chart with depth offsets 20 and 10: half of hypot(20, 10).
    const double depth = std::hypot(10.0, 5.0), angle = std::asin(5.0 / depth);
    struct Case
    {
        int left, width;
        double depth;
        CQuad footprint;
    } cases[] = {
        // Flat: the front face ends one pixel short of an odd width.
        {20, 15, 0, {CPoint(20, 90), CPoint(20, 90), CPoint(34, 90), CPoint(34, 90)}},
        {20, 16, 0, {CPoint(20, 90), CPoint(20, 90), CPoint(36, 90), CPoint(36, 90)}},
        // Wider than the depth: half the depth vector (5, 2.5) each way.
        {20, 15, depth, {CPoint(25, 88), CPoint(15, 92), CPoint(29, 92), CPoint(39, 88)}},
        // Narrower: the depth is cut to the width, 6 x (cos, sin) = (5.37, 2.68).
        {20, 6, depth, {CPoint(22, 89), CPoint(18, 91), CPoint(24, 91), CPoint(28, 89)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColumnFootprint(c.left, c.width, 90, c.depth, angle), c.footprint) << c.width << " " << c.depth;
}

TEST(BoxGeometry, ColumnFacesInBufferOrder)
{
    const CQuad b{CPoint(25, 88), CPoint(15, 92), CPoint(29, 92), CPoint(39, 88)};
    const CBoxFaces rising = ColumnBoxFaces(b, 30);
    const CQuad t{CPoint(25, 58), CPoint(15, 62), CPoint(29, 62), CPoint(39, 58)};
    EXPECT_EQ(rising[0], (CQuad{t[2], t[1], b[1], b[2]})) << "front";
    EXPECT_EQ(rising[1], (CQuad{t[0], t[3], b[3], b[0]})) << "back";
    EXPECT_EQ(rising[2], (CQuad{t[0], t[1], b[1], b[0]})) << "left";
    EXPECT_EQ(rising[3], (CQuad{t[3], t[2], b[2], b[3]})) << "right";
    EXPECT_EQ(rising[4], t) << "top";
    EXPECT_EQ(rising[5], b) << "bottom";
    EXPECT_EQ(ColumnBoxFaces(b, -30)[4][0], CPoint(25, 118)) << "a negative column's top lies below its base";
}

TEST(BoxGeometry, BarFacesAndTheirDepthCutToTheThickness)
{
    // Depth offsets 20 and 10: hypot(10, 5), about 11.18 pixels.
    const double depth = std::hypot(10.0, 5.0), angle = std::asin(5.0 / depth);
    struct Case
    {
        int top, bottom;
        double depth;
        CQuad base; // Z0 front top, Z1 front bottom, Z2 back bottom, Z3 back top
    } cases[] = {
        {95, 100, depth, {CPoint(48, 97), CPoint(48, 101), CPoint(52, 99), CPoint(52, 95)}}, // 5 thick: (2, 1)
        {88, 100, depth, {CPoint(45, 90), CPoint(45, 102), CPoint(55, 98), CPoint(55, 86)}}, // 12 thick: (5, 2)
        {88, 100, 0, {CPoint(50, 88), CPoint(50, 100), CPoint(50, 100), CPoint(50, 88)}},      // flat
        {87, 100, 0, {CPoint(50, 88), CPoint(50, 100), CPoint(50, 100), CPoint(50, 88)}},      // flat, odd
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bottom - c.top << " thick, depth " << c.depth);
        const CBoxFaces faces = BarBoxFaces(50, c.top, c.bottom, -30, c.depth, angle);
        const CQuad& z = c.base;
        CQuad v = z;
        for (CPoint& p : v)
            p.x -= 30;
        EXPECT_EQ(faces[2], z) << "base end";
        EXPECT_EQ(faces[3], v) << "value end";
        EXPECT_EQ(faces[0], (CQuad{z[0], z[1], v[1], v[0]})) << "front";
        EXPECT_EQ(faces[1], (CQuad{z[3], z[2], v[2], v[3]})) << "back";
        EXPECT_EQ(faces[4], (CQuad{z[3], z[0], v[0], v[3]})) << "top";
        EXPECT_EQ(faces[5], (CQuad{z[2], z[1], v[1], v[2]})) << "bottom";
    }
}

TEST(BoxGeometry, DepthRowFootprint)
{
    const double angle = std::asin(20 / std::hypot(40.0, 20.0));
    // 25 deep along (cos, sin) = (0.894, 0.447): 22 left and 11 down.
    EXPECT_EQ(DepthRowFootprint(CPoint(100, 50), 30, 25, angle),
              (CQuad{CPoint(100, 50), CPoint(78, 61), CPoint(108, 61), CPoint(130, 50)}));
}

std::vector<int> SortedSeries(std::vector<CStackSegment> segments, CStackAxis axis)
{
    SortStackSegments(segments, axis);
    std::vector<int> series;
    for (const CStackSegment& s : segments)
        series.push_back(s.series);
    return series;
}

TEST(BoxGeometry, StackedSegmentsInDrawingOrder)
{
    // Values 5, -3, 2, -1 at 10 pixels a unit, the zero line at 100.
    const std::vector<CStackSegment> columns{{0, CRect(0, 50, 9, 100)},
                                             {1, CRect(0, 100, 9, 130)},
                                             {2, CRect(0, 30, 9, 50)},
                                             {3, CRect(0, 130, 9, 140)}};
    EXPECT_EQ(SortedSeries(columns, CStackAxis::Vertical), (std::vector<int>{3, 1, 0, 2}))
        << "from the bottom of the screen upward";
    const std::vector<CStackSegment> bars{{0, CRect(100, 0, 150, 9)},
                                          {1, CRect(70, 0, 100, 9)},
                                          {2, CRect(150, 0, 170, 9)},
                                          {3, CRect(60, 0, 70, 9)}};
    EXPECT_EQ(SortedSeries(bars, CStackAxis::Horizontal), (std::vector<int>{2, 0, 1, 3}))
        << "right edges 170, 150, 100, 70";
    // Equal edges: the segment of no extent comes first, as the exchange sort leaves them.
    const std::vector<CStackSegment> ties{{0, CRect(100, 0, 120, 9)},
                                          {1, CRect(120, 0, 120, 9)},
                                          {2, CRect(90, 0, 120, 9)}};
    EXPECT_EQ(SortedSeries(ties, CStackAxis::Horizontal), (std::vector<int>{1, 0, 2}));
}

} // namespace
