// What the 3-D rotation page computes without a window: the preview rectangles, the steps of its
// buttons with their limits, the spins' clamp, the wire-frame fitted into the preview, and the
// shaping of a pie or ring chart on OK.

#include "chart/model/ChartKinds.h"
#include "dialogs/SolidRotateGeometry.h"
#include "tests/support/GeometryPrint.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

using namespace SolidRotate;

std::vector<CPoint> Points(const std::vector<POINT>& line)
{
    return std::vector<CPoint>(line.begin(), line.end());
}

TEST(RotationPageGeometry, PreviewRectanglesFromTheGroupBox)
{
    const CPreviewRects r = PreviewRectsOf(CRect(50, 40, 250, 240));
    EXPECT_EQ(r.frame, CRect(55, 55, 245, 235));
    EXPECT_EQ(r.redraw, CRect(55, 50, 245, 235));
    EXPECT_EQ(r.fit, CRect(75, 70, 225, 215));
}

TEST(RotationPageGeometry, RotationStepsStopAtTheDrawnBound)
{
    const int max = CNorvakChart::kMaxDepthOffset;
    struct Case
    {
        int button;
        CPoint from;
        bool stepped;
        CPoint to;
    };
    for (const Case& c : std::vector<Case>{{kRotateLeft, {0, 0}, true, {1, 0}},
                                           {kRotateRight, {0, 0}, true, {-1, 0}},
                                           {kRotateUp, {3, -7}, true, {3, -8}},
                                           {kRotateDown, {3, 9}, true, {3, 10}},
                                           {kRotateLeft, {500, 0}, true, {501, 0}},
                                           {kRotateLeft, {max - 1, 4}, true, {max, 4}},
                                           {kRotateLeft, {max, 4}, true, {max, 4}},
                                           {kRotateRight, {-max, 4}, true, {-max, 4}},
                                           {kRotateUp, {4, -max}, true, {4, -max}},
                                           {kRotateDown, {4, max}, true, {4, max}},
                                           {kRotateRight, {max, 4}, true, {max - 1, 4}},
                                           // Offsets from a file beyond the bound step from it.
                                           {kRotateLeft, {INT_MAX, INT_MIN}, true, {max, INT_MIN}},
                                           {kRotateDown, {INT_MAX, INT_MIN}, true, {INT_MAX, 1 - max}},
                                           {kRotateRight, {INT_MIN, 0}, true, {-max, 0}},
                                           {kPieTaller, {2, 2}, false, {2, 2}},
                                           {0, {2, 2}, false, {2, 2}}}) {
        CPoint depth = c.from;
        EXPECT_EQ(StepDepth(c.button, depth), c.stepped) << c.button;
        EXPECT_EQ(depth, c.to) << c.button << " from " << c.from.x << ", " << c.from.y;
    }
}

TEST(RotationPageGeometry, ScaleStepsAndTheirLimits)
{
    const CRect outer(0, 0, 100, 50), inner(25, 15, 75, 35); // inner 50 x 20
    struct Case
    {
        const char* name;
        int button;
        int mode;
        bool ring;
        CPieEllipses before;
        CPieEllipses after;
    };
    const std::vector<Case> cases = {
        {"both taller", kPieTaller, kScaleBoth, true, {outer, inner}, {{0, -1, 100, 51}, {25, 14, 75, 36}}},
        {"both wider", kPieWider, kScaleBoth, true, {outer, inner}, {{-1, 0, 101, 50}, {24, 15, 76, 35}}},
        {"outer taller", kPieTaller, kScaleOuter, true, {outer, inner}, {{0, -1, 100, 51}, inner}},
        {"inner taller", kPieTaller, kScaleInner, true, {outer, inner}, {outer, {25, 14, 75, 36}}},
        {"inner taller stops two short of the outer", kPieTaller, kScaleInner, true,
         {outer, {25, 1, 75, 49}}, {outer, {25, 1, 75, 49}}},
        {"inner wider one more step below the limit", kPieWider, kScaleInner, true, {outer, {2, 15, 97, 35}},
         {outer, {1, 15, 98, 35}}},
        {"inner wider stops", kPieWider, kScaleInner, true, {outer, {1, 15, 99, 35}}, {outer, {1, 15, 99, 35}}},
        {"both lower: inner then outer", kPieLower, kScaleBoth, true, {outer, inner},
         {{0, 1, 100, 49}, {25, 16, 75, 34}}},
        {"outer lower stops within 2 px of the inner", kPieLower, kScaleOuter, true, {outer, {25, 1, 75, 49}},
         {outer, {25, 1, 75, 49}}},
        {"outer lower just above the limit", kPieLower, kScaleOuter, true, {outer, {25, 1, 75, 48}},
         {{0, 1, 100, 49}, {25, 1, 75, 48}}},
        {"inner lower past nothing is 0 high", kPieLower, kScaleInner, true, {outer, {25, 20, 75, 21}},
         {outer, {25, 0, 75, 0}}},
        {"inner narrower past nothing is 0 wide", kPieNarrower, kScaleInner, true, {outer, {40, 15, 41, 35}},
         {outer, {0, 15, 0, 35}}},
        {"both narrower", kPieNarrower, kScaleBoth, true, {outer, inner}, {{1, 0, 99, 50}, {26, 15, 74, 35}}},
        {"a plain pie grows no hole", kPieTaller, kScaleBoth, false, {outer, {}}, {{0, -1, 100, 51}, {}}},
        {"a plain pie's inner scale does nothing", kPieWider, kScaleInner, false, {outer, {}}, {outer, {}}},
        {"a plain pie shrinks its outer down to a sliver", kPieLower, kScaleBoth, false, {{0, 10, 100, 13}, {}},
         {{0, 11, 100, 12}, {}}},
        {"a plain pie's outer stops at 2 px or less", kPieLower, kScaleOuter, false, {{0, 10, 100, 12}, {}},
         {{0, 10, 100, 12}, {}}},
    };
    for (const Case& c : cases) {
        CPieEllipses e = c.before;
        EXPECT_TRUE(StepEllipses(c.button, c.mode, c.ring, e)) << c.name;
        EXPECT_EQ(e.outer, c.after.outer) << c.name;
        EXPECT_EQ(e.inner, c.after.inner) << c.name;
    }
    CPieEllipses e{outer, inner};
    EXPECT_FALSE(StepEllipses(kRotateLeft, kScaleBoth, true, e));
    EXPECT_EQ(e.outer, outer);
}

TEST(RotationPageGeometry, SpinValuesStayWithinTheirRange)
{
    struct Case
    {
        int position, delta, upper, value;
    };
    for (const Case& c : std::vector<Case>{{5, 1, 50, 6},
                                           {50, 1, 50, 50},
                                           {0, -1, 50, 0},
                                           {10, -20, 30, 0},
                                           {INT_MAX, INT_MAX, 50, 50},
                                           {INT_MIN, -1, 50, 0},
                                           {3, 0, -4, 0}})
        EXPECT_EQ(ClampedSpinValue(c.position, c.delta, c.upper), c.value)
            << c.position << " + " << c.delta << " in 0.." << c.upper;
}

TEST(RotationPageGeometry, WallPointsScaledIntoThePreviewOnEachAxis)
{
    // A box 200 wide and 50 high fitted into 100 x 100: x halved, y doubled, then centred.
    const POINT wall[12] = {{100, 100}, {300, 100}, {300, 150}, {100, 150}, {120, 110}, {280, 110},
                            {280, 140}, {120, 140}, {150, 120}, {250, 120}, {250, 130}, {150, 130}};
    POINT fitted[12];
    FitWallPoints(wall, CRect(0, 0, 100, 100), fitted);
    EXPECT_EQ(CPoint(fitted[0]), CPoint(0, 0));
    EXPECT_EQ(CPoint(fitted[2]), CPoint(100, 100));
    EXPECT_EQ(CPoint(fitted[8]), CPoint(25, 40));
    EXPECT_EQ(CPoint(fitted[10]), CPoint(75, 60));

    // No extent (a chart never laid out): every point at the centre, nothing divided by 0.
    const POINT flat[12] = {};
    FitWallPoints(flat, CRect(10, 20, 110, 80), fitted);
    for (const POINT& p : fitted)
        EXPECT_EQ(CPoint(p), CPoint(60, 50));
    // An empty preview keeps the points finite.
    FitWallPoints(wall, CRect(), fitted);
    EXPECT_EQ(CPoint(fitted[0]), CPoint(-100, -25));
}

TEST(RotationPageGeometry, WireFrameByKindWithTheZeroPlaneOnlyAcrossZero)
{
    POINT P[12];
    for (int i = 0; i < 12; ++i)
        P[i] = POINT{i * 10, i * 3};
    struct Case
    {
        int type, subType;
        double low, high;
        size_t lines;
    };
    for (const Case& c : std::vector<Case>{{kChartColumn, 0, -5, 5, 7},
                                           {kChartColumn, 3, 0, 5, 6},
                                           {kChartLine, 6, -1, 1, 7},
                                           {kChartCylinder, 2, -1, 1, 7},
                                           {kChartBar, 3, -5, 5, 5},
                                           {kChartBar, 3, 0, 5, 4},
                                           {kChartBar, 3, -5, 0, 4},
                                           {kChartLine, 0, -1, 1, 5},
                                           {kChartCylinder, 4, 1, 2, 4},
                                           {kChartPie, 1, -1, 1, 0}})
        EXPECT_EQ(WireFrameLines(c.type, c.subType, c.low, c.high, P).size(), c.lines)
            << c.type << "/" << c.subType << " " << c.low << ".." << c.high;

    const auto column = WireFrameLines(kChartColumn, 0, -5, 5, P);
    EXPECT_EQ(Points(column[1]), Points({P[4], P[5], P[6], P[7], P[4]})) << "the zero plane";
    EXPECT_EQ(Points(column[6]), Points({P[3], P[11]}));
    const auto bar = WireFrameLines(kChartBar, 0, -5, 5, P);
    EXPECT_EQ(Points(bar[1]), Points({{5, 0}, {5, 24}, {105, 33}, {25, 9}, {5, 0}})) << "the zero plane";
    EXPECT_EQ(Points(bar[2]), Points({P[0], P[8], P[11], P[3], P[0]}));
}

// A pie chart of two rows of three points, each row's pie 100 x 50 in a plot of 400 x 200.
CNorvakChart TwoRowPie(int subType)
{
    CNorvakChart chart(kChartPie, subType, 0, 10);
    chart.rcPlot = CRect(0, 0, 400, 200);
    for (int row = 0; row < 2; ++row) {
        CChartItemArray points(3);
        for (CChartItem& point : points) {
            point.rcPie = CRect(row * 200 + 50, 75, row * 200 + 150, 125);
            point.nDepthA = point.nDepthB = 10;
            point.nExplodeA = point.nExplodeB = 5;
            point.fScale = 2;
        }
        chart.items.push_back(points);
    }
    return chart;
}

struct ShapedRow
{
    float scale;
    int depthB;
    int explodeA, explodeB;
};
ShapedRow RowOf(const CNorvakChart& chart, int row)
{
    const CChartItem& first = chart.items[size_t(row)].front();
    return {first.fScale, first.nDepthB, chart.items[size_t(row)].back().nExplodeA,
            chart.items[size_t(row)].back().nExplodeB};
}

TEST(RotationPageGeometry, OkShapesOneRowOrEveryRow)
{
    struct Case
    {
        const char* name;
        bool showOne;
        int series;
        CPieShape shape;
        int pieSeries;
        ShapedRow rows[2];
        int heightAfter, explodeAfter;
    };
    const CPieEllipses wide{CRect(0, 0, 120, 40), CRect()}; // aspect 3
    const std::vector<Case> cases = {
        {"row 1 alone", true, 1, {wide, 20, 8}, 1, {{2, 10, 5, 5}, {3, 20, 8, 8}}, 20, 8},
        {"every row", false, 0, {wide, 20, 8}, -1, {{3, 20, 8, 8}, {3, 20, 8, 8}}, 20, 8},
        {"a row beyond the last shapes nothing and is still stored", true, 5, {wide, 20, 8}, 5,
         {{2, 10, 5, 5}, {2, 10, 5, 5}}, 20, 8},
        // The first point's pie is fitted into the plot before the explode distance meets it; the
        // others keep their 100 x 50.
        {"height lowered to the pie's height, explode to half its smaller side", true, 0, {wide, 70, 40}, 0,
         {{3, 50, 25, 25}, {2, 10, 5, 5}}, 50, 25},
        {"an outer ellipse of no height keeps the aspect", true, 0, {{CRect(0, 0, 120, 0), CRect()}, 4, 1}, 0,
         {{2, 4, 1, 1}, {2, 10, 5, 5}}, 4, 1},
    };
    for (const Case& c : cases) {
        CNorvakChart chart = TwoRowPie(1);
        CPieShape shape = c.shape;
        ApplyPieShape(chart, shape, c.showOne, c.series);
        EXPECT_EQ(chart.nPieSeries, c.pieSeries) << c.name;
        for (int row = 0; row < 2; ++row) {
            const ShapedRow got = RowOf(chart, row);
            EXPECT_FLOAT_EQ(got.scale, c.rows[row].scale) << c.name << " row " << row;
            EXPECT_EQ(got.depthB, c.rows[row].depthB) << c.name << " row " << row;
            EXPECT_EQ(got.explodeA, c.rows[row].explodeA) << c.name << " row " << row;
            EXPECT_EQ(got.explodeB, c.rows[row].explodeB) << c.name << " row " << row;
        }
        EXPECT_EQ(shape.height, c.heightAfter) << c.name;
        EXPECT_EQ(shape.explode, c.explodeAfter) << c.name;
    }
}

TEST(RotationPageGeometry, OkGivesARingItsHoleInTheProportionOfTheEllipses)
{
    CNorvakChart ring = TwoRowPie(6);
    CPieShape shape{{CRect(0, 0, 100, 50), CRect(25, 15, 75, 35)}, 10, 0}; // hole 1/2 wide, 2/5 high
    ApplyPieShape(ring, shape, true, 0);
    const CChartItem& first = ring.items[0].front();
    EXPECT_FLOAT_EQ(first.fHoleWidthRatio, 0.5f);
    EXPECT_FLOAT_EQ(first.fHoleHeightRatio, 0.4f);
    const CRect pie = first.rcPie, hole = first.rcHole;
    EXPECT_EQ(hole.CenterPoint(), pie.CenterPoint());
    EXPECT_NEAR(hole.Width(), pie.Width() / 2, 1);
    EXPECT_NEAR(hole.Height(), pie.Height() * 2 / 5, 1);
    EXPECT_NEAR(double(pie.Width()) / pie.Height(), 2.0, 0.05);
    EXPECT_TRUE(CRect(ring.rcPlot).PtInRect(pie.TopLeft()));

    CNorvakChart plain = TwoRowPie(1);
    CPieShape noHole{{CRect(0, 0, 100, 50), CRect()}, 10, 0};
    ApplyPieShape(plain, noHole, false, 0);
    for (const CChartItemArray& row : plain.items)
        EXPECT_TRUE(row.front().rcHole.IsRectEmpty());
}

TEST(RotationPageGeometry, ThePieShapeThePageOpensOn)
{
    const CNorvakChart chart = TwoRowPie(1);
    const CPieShape shape = PieShapeOfRow(chart, 1);
    EXPECT_EQ(shape.ellipses.outer, CRect(250, 75, 350, 125));
    EXPECT_TRUE(shape.ellipses.inner.IsRectEmpty());
    EXPECT_EQ(shape.height, 10);
    EXPECT_EQ(shape.explode, 5);
    for (int row : {-1, 2}) {
        const CPieShape none = PieShapeOfRow(chart, row);
        EXPECT_TRUE(none.ellipses.outer.IsRectEmpty()) << row;
        EXPECT_EQ(none.height, 0) << row;
    }
    EXPECT_EQ(HalfSmallerSide(CRect(0, 0, 100, 51)), 25);
    EXPECT_EQ(HalfSmallerSide(CRect(10, 10, 0, 0)), 0);
}

} // namespace
