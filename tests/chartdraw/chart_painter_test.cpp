// The chart front end: the layout, routine and labels of every type and sub-type, the result it
// hands back, a chart without data, the floor of the 3-D box, values at the ends of the double
// range, and the GDI objects a drawing of every kind leaves behind (none).

#include "chart/model/ChartHitTest.h"
#include "chartdraw/ChartFramePainter.h"
#include "chartdraw/ChartPainter.h"
#include "chartdraw/LegendPainter.h"
#include "tests/chartdraw/ChartDrawFixture.h"
#include "tests/support/GuiResources.h"

#include <gtest/gtest.h>

namespace {

int Draw(DrawingCanvas& canvas, CNorvakChart& chart, const CRect& plot, double minValue, double maxValue)
{
    return CChartPainter().DrawChart(canvas.dc(), &chart, plot.left, plot.top, plot.right, plot.bottom, chart.nType,
                                     chart.nSubType, minValue, maxValue, &chart.rowTotals, &chart.items, 0,
                                     chart.nDepthX, chart.nDepthY);
}

TEST(ChartPainter, PlanOfEveryTypeAndSubType)
{
    using K = CPlotLayoutKind;
    struct Case
    {
        int type, subType;
        K layout;
        int direction;
        bool valueScale, routine, labels;
    } cases[] = {
        {0, 0, K::Box, 0, true, true, true},     {0, 2, K::Box, 0, false, true, true},
        {0, 5, K::Box, 0, false, true, true},    {0, 6, K::Box, 0, true, true, true},
        {0, 7, K::None, 0, true, false, true},   {1, 0, K::Box, 1, true, true, true},
        {1, 4, K::Box, 1, true, true, true},     {1, 5, K::Box, 1, false, true, true},
        {1, 6, K::None, 1, true, false, true},   {2, 0, K::Flat, 0, true, true, true},
        {2, 2, K::Flat, 0, false, true, true},   {2, 6, K::Box, 0, true, true, true},
        {2, 7, K::None, 0, true, false, true},   {3, 0, K::None, 0, true, true, false},
        {3, 7, K::None, 0, true, true, false},   {3, 8, K::None, 0, true, false, false},
        {4, 2, K::Box, 0, false, true, true},    {4, 3, K::Box, 1, true, true, true},
        {4, 6, K::None, 0, true, false, false},  {5, 0, K::None, 0, true, false, false},
        {-1, 0, K::None, 0, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " sub-type " << c.subType);
        const CChartDrawingPlan plan = ChartDrawingPlanOf(c.type, c.subType);
        EXPECT_EQ(plan.layout, c.layout);
        EXPECT_EQ(plan.direction, c.direction);
        EXPECT_EQ(plan.valueScale, c.valueScale);
        EXPECT_EQ(plan.hasRoutine, c.routine);
        EXPECT_EQ(plan.drawsLabels, c.labels);
    }
}

TEST(ChartPainter, ChartWithoutDataDrawsNothingAndKeepsNothingToHit)
{
    struct Case
    {
        double minValue, maxValue;
    } cases[] = {{0, 0}, {NAN, 5}, {0, INFINITY}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minValue << " .. " << c.maxValue);
        DrawingCanvas canvas(300, 200);
        CNorvakChart chart = MakeChart(0, 0, {{3, 4}});
        ASSERT_EQ(Draw(canvas, chart, CRect(10, 10, 290, 190), 0, 4), 20);
        const CPoint old = Centre(chart.items[0][1].hitFaces[0].points);
        ASSERT_TRUE(FindHitFace(chart, old.x, old.y));
        const size_t labels = chart.textLabels.size();
        canvas.Clear();
        EXPECT_EQ(Draw(canvas, chart, CRect(10, 10, 290, 190), c.minValue, c.maxValue), 20);
        EXPECT_EQ(canvas.InkIn(CRect(0, 0, 300, 200)), 0);
        EXPECT_FALSE(FindHitFace(chart, old.x, old.y));
        EXPECT_EQ(chart.textLabels.size(), labels);
    }
}

TEST(ChartPainter, ResultIsThePieLeftEdge)
{
    DrawingCanvas canvas(100, 100);
    CNorvakChart pie = MakeChart(3, 0, {{1, 2}});
    EXPECT_EQ(Draw(canvas, pie, CRect(35, 10, 90, 90), 0, 2), 35);
    EXPECT_EQ(Draw(canvas, pie, CRect(-5, 10, 90, 90), 0, 2), 20);
    EXPECT_EQ(Draw(canvas, pie, CRect(35, 10, 90, 90), 0, 0), 20) << "no data";
    CNorvakChart column = MakeChart(0, 0, {{1, 2}});
    EXPECT_EQ(Draw(canvas, column, CRect(35, 10, 90, 90), 0, 2), 20);
}

TEST(ChartPainter, ColumnChartWithLabelsAndFloor)
{
    const COLORREF floorColour = RGB(240, 120, 0);
    for (int floorShown : {0, 1}) {
        SCOPED_TRACE(floorShown);
        DrawingCanvas canvas(400, 300);
        CNorvakChart chart = MakeChart(0, 3, {{30, 60}, {90, 20}});
        chart.nDepthX = 20;
        chart.nDepthY = 20;
        chart.faceShown[4] = floorShown;
        chart.floorStyle.nFillKind = 1;
        chart.floorStyle.crColour1 = floorColour;
        Draw(canvas, chart, CRect(20, 20, 380, 280), 0, 90);
        // Labels 0 to 100 left of the plot, and a box for every point.
        ASSERT_FALSE(chart.textLabels.empty());
        EXPECT_EQ(chart.textLabels.front().strText, "0");
        EXPECT_GT(canvas.InkIn(CRect(0, 20, chart.textLabels.front().ptAnchor[0], 280)), 0);
        for (const auto& row : chart.items)
            for (const CChartItem& point : row)
                EXPECT_TRUE(HasHitFaces(point));
        // The floor is the bottom face of the box: its back right corner shows it.
        const POINT backRight = chart.wallPoints[9];
        EXPECT_EQ(canvas.At(backRight.x - 4, backRight.y + 1) == floorColour, floorShown == 1);
    }
}

TEST(ChartPainter, LineSubTypeWithoutRoutineDrawsOnlyItsLabels)
{
    DrawingCanvas canvas(300, 200);
    CNorvakChart chart = MakeChart(2, 7, {{3, 4}});
    chart.textLabels.assign(1, CChartTextLabel(1800));
    chart.textLabels[0].strText = "7";
    chart.textLabels[0].ptAnchor[0] = 100;
    chart.textLabels[0].ptAnchor[1] = 100;
    chart.textLabels[0].bSelected = 1;
    Draw(canvas, chart, CRect(10, 10, 290, 190), 0, 4);
    EXPECT_NE(chart.textLabels[0].textCorners[0].x, 0) << "the label was drawn";
    EXPECT_EQ(canvas.InkIn(CRect(120, 0, 300, 200)), canvas.InkIn(CRect(120, 99, 300, 101)))
        << "nothing but the label's grid line right of it";
}

TEST(ChartPainter, RangeAtTheEndsOfTheDoubles)
{
    for (int type : {0, 1}) {
        SCOPED_TRACE(type);
        DrawingCanvas canvas(400, 300);
        CNorvakChart chart = MakeChart(type, 0, {{1e300, -1e300}, {DBL_MAX, -DBL_MAX}});
        Draw(canvas, chart, CRect(20, 20, 380, 280), -1e300, 1e300);
        ASSERT_FALSE(chart.textLabels.empty());
        EXPECT_EQ(chart.textLabels.back().strText.Left(1), "-");
        EXPECT_NE(chart.textLabels.back().strText.Find("E+"), -1) << chart.textLabels.back().strText.GetString();
        EXPECT_TRUE(HasHitFaces(chart.items[0][0]));
        EXPECT_TRUE(HasHitFaces(chart.items[1][1])) << "a value beyond the axis is cut at its end";
        // Ticks beyond the largest double: an empty axis, nothing to draw.
        Draw(canvas, chart, CRect(20, 20, 380, 280), -DBL_MAX, DBL_MAX);
        EXPECT_TRUE(chart.textLabels.empty());
    }
}

TEST(ChartPainter, FrameIsDrawnInsideItsRectangleOnly)
{
    DrawingCanvas canvas(100, 100);
    CPen pen(PS_SOLID, 3, RGB(0, 0, 0));
    CSelectObject select(*canvas.dc(), pen);
    EXPECT_TRUE(CChartFramePainter().DrawFrame(canvas.dc(), CRect(20, 20, 80, 80)));
    EXPECT_TRUE(canvas.IsInk(20, 50));
    EXPECT_FALSE(canvas.IsInk(19, 50)) << "the thick pen's outer half is clipped";
    canvas.Clear();
    canvas.dc()->Rectangle(CRect(20, 20, 80, 80));
    EXPECT_TRUE(canvas.IsInk(19, 50)) << "as it is without the clip";
}

TEST(ChartPainter, EveryKindGivesBackItsGdiObjects)
{
    CDefaultTables tables;
    tables.BuildDefaultTables();
    DrawingCanvas canvas(400, 300);
    auto drawAll = [&] {
        for (int type : {0, 1, 2, 3, 4})
            for (int subType = 0; subType <= 7; ++subType) {
                CNorvakChart chart = MakeChart(type, subType, {{3, -4, 5}, {2, 6, -1}});
                chart.rowTotals = {{-4, 8, 12, 0}, {-1, 8, 9, 0}};
                chart.nDepthX = 20;
                chart.nDepthY = 10;
                chart.faceShown[4] = chart.faceShown[6] = 1;
                chart.items[0][0].chSelPart = 'z';
                chart.items[1][1].chSelPart = 's';
                chart.items[0][1].strCellText = "-4";
                for (int i = 0; i < 3; ++i)
                    chart.legendItems.push_back(CChartTextItem(type, subType, "系列", RGB(0, 0, 255)));
                chart.rcLegend = CRect(300, 20, 390, 120);
                Draw(canvas, chart, CRect(20, 20, 290, 280), -4, 6);
                if (!chart.textLabels.empty()) {
                    chart.textLabels[0].bSelected = 1;
                    chart.textLabels[0].chState = 'a';
                    Draw(canvas, chart, CRect(20, 20, 290, 280), -4, 6);
                }
                CLegendPainter(tables).DrawLegend(canvas.dc(), &chart);
            }
    };
    drawAll(); // the first drawing may create the system's own cached objects
    const DWORD before = GdiObjectCount();
    for (int round = 0; round < 3; ++round)
        drawAll();
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
