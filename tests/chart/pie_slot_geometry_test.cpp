// Square slots for pies side by side, the pie and hole rectangles by sub-type, the copy of a page's
// data into a new chart, and layouts of an existing chart that keep its data and the user's offsets.

#include "chart/model/ChartResize.h"
#include "chart/model/NewChart.h"
#include "chart/model/PieSlotGeometry.h"
#include "tests/chart/ChartSheet.h"

#include <gtest/gtest.h>

namespace {

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::vector<std::string> Squares(const RECT& rect, int n)
{
    CSlotRun run;
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back(Str(CPieSlotGeometry().GetSlotSquare(rect, n, true, i, run)));
    return out;
}

// A new pie chart of the sub-type with a pie per column of a page of two rows, in the plot
// (0, 0)-(width, height + 20).
CNorvakChart NewPie(int subType, int pies, int width, int height, int pieSeries = -1)
{
    ChartSheet sheet(2, pies);
    sheet.Build(kChartPie, BYTE(subType), false);
    CNorvakChart chart(kChartPie, subType, 0, 1);
    chart.nPieSeries = pieSeries;
    CChartPartRects rects;
    rects.rects[kChartWhole] = CRect(0, 0, width, height + 20);
    rects.rects[kChartPlot] = CRect(0, 0, width, height + 20);
    SetUpNewChart(chart, sheet.settings, rects);
    return chart;
}

} // namespace

TEST(PieSlotGeometry, SlotsWithGapAndRemainder)
{
    const struct
    {
        RECT rect;
        int n;
        std::vector<std::string> squares;
    } cases[] = {
        // Gap 20, slots of 80 from L + 10: centres at 50, 150, 250.
        {{0, 0, 300, 200}, 3, {"10,60,90,140", "110,60,190,140", "210,60,290,140"}},
        // 305 wide: 2 pixels left over, one each to the first two slots (82, 82, 81; squares of even side).
        {{0, 0, 305, 200}, 3, {"10,59,92,141", "112,59,194,141", "214,60,294,140"}},
        // Lower than wide: the height sets the side.
        {{100, 0, 400, 40}, 2, {"155,0,195,40", "305,0,345,40"}},
        // Ten slots in 100: the gap shrinks to 0 and the slots are 10 wide.
        {{0, 0, 100, 50}, 10, {"0,20,10,30", "10,20,20,30", "20,20,30,30", "30,20,40,30", "40,20,50,30",
                               "50,20,60,30", "60,20,70,30", "70,20,80,30", "80,20,90,30", "90,20,100,30"}},
        // Ten in 9: no width even without a gap.
        {{0, 0, 9, 50}, 10, std::vector<std::string>(10, "0,0,0,0")},
        {{0, 0, 300, 200}, 0, {}},
        // A chart scrolled partly left of the client area: the third slot starts at x = 0.
        {{-210, 0, 90, 200}, 3, {"-200,60,-120,140", "-100,60,-20,140", "0,60,80,140"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Squares(c.rect, c.n), c.squares) << Str(c.rect) << " n " << c.n;
}

TEST(PieSlotGeometry, NoSlotLeavesTheRunWhereItWas)
{
    CSlotRun run{42, true};
    EXPECT_EQ(Str(CPieSlotGeometry().GetSlotSquare(RECT{0, 0, 9, 50}, 10, true, 0, run)), "0,0,0,0");
    EXPECT_EQ(run.x, 42);
    EXPECT_EQ(Str(CPieSlotGeometry().GetSlotSquare(RECT{0, 0, 100, 50}, 0, true, 0, run)), "0,0,0,0");
}

TEST(PieSlotGeometry, PieAndHoleBySubType)
{
    const struct
    {
        int subType;
        RECT square;
        std::string pie, hole;
        float scale;
        int depth, explode;
    } cases[] = {
        {0, {0, 0, 100, 100}, "0,0,100,100", "0,0,0,0", 1.0f, 0, 0},
        {1, {0, 0, 100, 100}, "0,30,100,80", "0,0,0,0", 2.0f, 10, 0},
        {2, {0, 0, 100, 100}, "0,0,100,100", "0,0,0,0", 1.0f, 0, 10},
        {3, {10, 10, 110, 110}, "10,40,110,90", "0,0,0,0", 2.0f, 10, 10},
        {4, {0, 0, 90, 90}, "0,0,90,90", "30,30,60,60", 1.0f, 0, 0},
        {5, {0, 0, 100, 100}, "0,0,100,100", "25,25,75,75", 1.0f, 0, 10},
        {6, {0, 0, 100, 100}, "0,30,100,80", "25,42,75,68", 2.0f, 10, 0},
        {7, {0, 0, 100, 100}, "0,30,100,80", "25,42,75,68", 2.0f, 10, 10},
        // An empty square: no division by a zero height.
        {1, {0, 0, 0, 0}, "0,5,0,5", "0,0,0,0", 1.0f, 10, 0},
    };
    for (const auto& c : cases) {
        CPieRects rects;
        ASSERT_TRUE(CPieSlotGeometry::PieRectsOf(c.subType, c.square, rects));
        EXPECT_EQ(Str(rects.pie), c.pie) << c.subType;
        EXPECT_EQ(Str(rects.hole), c.hole) << c.subType;
        EXPECT_EQ(rects.scale, c.scale) << c.subType;
        EXPECT_EQ(CPieSlotGeometry::DefaultDepth(c.subType), c.depth);
        EXPECT_EQ(CPieSlotGeometry::DefaultExplode(c.subType), c.explode);
    }
    CPieRects rects;
    EXPECT_FALSE(CPieSlotGeometry::PieRectsOf(8, CRect(0, 0, 10, 10), rects));
}

TEST(PieSlotGeometry, NewChartCopiesThePageAndLaysOutEachRow)
{
    // Three pies in a plot 300 wide and 220 high (200 after the 10-pixel shrink).
    const CNorvakChart chart = NewPie(3, 3, 300, 200);
    ASSERT_EQ(chart.items.size(), 3u); // a pie per category, a slice per series
    const CChartItem& point = chart.items[2][1];
    EXPECT_STREQ(point.strCellText, "1:2");
    EXPECT_EQ(Str(point.rcPie), "210,95,290,135"); // the square (210, 70)-(290, 150) flattened
    EXPECT_EQ(point.nDepthA, 10);
    EXPECT_EQ(point.nDepthB, 10);
    EXPECT_EQ(point.nExplodeA, 10);
    EXPECT_EQ(point.nExplodeB, 10);
    EXPECT_EQ(point.fScale, 2.0f);
}

TEST(PieSlotGeometry, RowShownAloneTakesTheWholeWidth)
{
    // Three pies in 300 x 200: row 1 alone in the whole width, row 2 after it, beyond the plot.
    ChartSheet sheet(3, 3);
    sheet.Build(kChartPie, 0, false);
    CNorvakChart chart(kChartPie, 0, 0, 1);
    chart.nPieSeries = 1;
    CChartPartRects rects;
    rects.rects[kChartPlot] = CRect(0, -10, 300, 210);
    SetUpNewChart(chart, sheet.settings, rects);
    ASSERT_EQ(chart.items.size(), 3u);
    EXPECT_EQ(Str(chart.items[0][0].rcPie), "10,60,90,140");
    EXPECT_EQ(Str(chart.items[1][0].rcPie), "50,0,250,200");
    EXPECT_EQ(Str(chart.items[2][0].rcPie), "310,60,390,140");
    // An index beyond the last row shows the last row alone.
    chart.nPieSeries = 7;
    CPieSlotGeometry().RelayoutSeriesItems(chart, chart.rcPlot);
    EXPECT_EQ(Str(chart.items[2][0].rcPie), "50,0,250,200");
}

TEST(PieSlotGeometry, OtherTypesCopyPointsWithoutPieGeometry)
{
    ChartSheet sheet(2, 2);
    sheet.Build(kChartColumn, 0, false);
    sheet.settings.items[1][1].nDepthA = 5;
    sheet.settings.items[1][1].nExplodeA = 6;
    sheet.settings.items[1][1].rcHole = CRect(1, 2, 3, 4);
    sheet.settings.items[1][1].rcPie = CRect(5, 6, 7, 8);
    CNorvakChart chart(kChartColumn, 0, 0, 1);
    CChartPartRects rects;
    rects.rects[kChartPlot] = CRect(0, 0, 300, 300);
    SetUpNewChart(chart, sheet.settings, rects);
    const CChartItem& point = chart.items[1][1];
    EXPECT_EQ(point.nDepthA, 0);
    EXPECT_EQ(Str(point.rcHole), "0,0,0,0");
    EXPECT_EQ(point.nExplodeA, 6);
    EXPECT_EQ(Str(point.rcPie), "5,6,7,8");
    EXPECT_STREQ(point.strCellText, "1:1");
}

TEST(PieSlotGeometry, RelayoutKeepsTheChartsOwnDataAndOffsets)
{
    CNorvakChart chart = NewPie(5, 3, 300, 200);
    CChartItem& point = chart.items[0][0];
    point.strCellText = "mine";
    point.nExplodeA = 17;
    point.nDepthA = 4;
    CPieSlotGeometry().RelayoutSeriesItems(chart, CRect(0, 0, 600, 420));
    EXPECT_STREQ(point.strCellText, "mine");
    EXPECT_EQ(point.nExplodeA, 17);
    EXPECT_EQ(point.nDepthA, 4);
    EXPECT_EQ(Str(point.rcPie), "10,120,190,300"); // the first of three slots of 180
    EXPECT_EQ(Str(point.rcHole), "55,165,145,255");
}

TEST(PieSlotGeometry, PiesFollowTheirPlotArea)
{
    CNorvakChart chart = NewPie(4, 1, 200, 200);
    const CRect pie = chart.items[0][0].rcPie, hole = chart.items[0][0].rcHole;
    // A move takes every rectangle of the pie along.
    ASSERT_TRUE(MoveResizeChartPart(chart, kChartPlot, 10, 5, 8));
    for (const CChartItem& point : chart.items[0]) {
        EXPECT_EQ(Str(point.rcPie), Str(CRect(pie.left + 10, pie.top + 5, pie.right + 10, pie.bottom + 5)));
        EXPECT_EQ(Str(point.rcHole), Str(CRect(hole.left + 10, hole.top + 5, hole.right + 10, hole.bottom + 5)));
    }
    // A wider plot lays the pie out again in its new square, the hole half its size about its middle.
    ASSERT_TRUE(MoveResizeChartPart(chart, kChartPlot, 100, 0, 5));
    EXPECT_EQ(Str(chart.rcPlot), "10,5,310,225");
    for (const CChartItem& point : chart.items[0]) {
        const CRect& now = point.rcPie;
        EXPECT_EQ(now.Width(), now.Height()) << Str(now);
        EXPECT_GE(now.left, 10 + 10);
        EXPECT_LE(now.right, 310);
        EXPECT_GT(now.Width(), pie.Width()) << "the square grew from 180 to 200";
        const CPoint middle = now.CenterPoint();
        EXPECT_EQ(Str(point.rcHole), Str(CRect(middle.x - now.Width() / 4, middle.y - now.Height() / 4,
                                               middle.x + now.Width() / 4, middle.y + now.Height() / 4)));
    }
    // A part outside 1..6 or a handle outside 0..8 changes nothing.
    const CRect plot = chart.rcPlot;
    EXPECT_FALSE(MoveResizeChartPart(chart, kChartWhole, 5, 5, 8));
    EXPECT_FALSE(MoveResizeChartPart(chart, 7, 5, 5, 8));
    EXPECT_FALSE(MoveResizeChartPart(chart, kChartPlot, 5, 5, 9));
    EXPECT_EQ(chart.rcPlot, plot);
    ASSERT_TRUE(MoveResizeChartPart(chart, kChartTitle, -3, 4, 6));
    EXPECT_EQ(chart.chartTitle.rc.bottom - chart.chartTitle.rc.top, 4);
}
