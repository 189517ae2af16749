// Cylinder charts drawn on hand-built layouts: the end ellipses of a cylinder, the body and ends
// each point keeps, stacked and percent cylinders, the zero plane and the drawing order seen from
// either side of the box, labels and the GDI objects a drawing leaves behind.

#include "chartdraw/CylinderChartPainter.h"
#include "chartdraw/geometry/CylinderGeometry.h"
#include "tests/chartdraw/PainterChart.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const COLORREF kPlaneGrey = RGB(128, 128, 128);
const CRect kCanvas(0, 0, 500, 300);

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// The smallest rectangle holding every point, right and bottom included.
CRect Bounds(const std::vector<POINT>& points)
{
    CRect r(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (const POINT& p : points)
        r = CRect(std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x),
                  std::max(r.bottom, p.y));
    return r;
}

// Zero on row 200 (column cylinders) and column 40 (bar cylinders), 10 px a unit from -5 to 10; a
// depth of 41 px at asin 0.6, so that each end ellipse is trunc(24.6) = 24 px deep. From above (or,
// for bars, with the back on the right) the back top corner lies above (right of) the front one.
CChartLayout CylinderLayout(CNorvakChart& chart, bool fromAbove, int categoryLength = 400)
{
    CChartLayout r;
    r.dTickPixels = 10;
    r.dTickStep = 1;
    r.nOriginX = 40;
    r.nOriginY = 200;
    r.nCategoryLength = categoryLength;
    r.nPositiveLength = 100;
    r.nNegativeLength = 50;
    r.nPositiveTicks = 10;
    r.nNegativeTicks = 5;
    r.nValueHigh = 100;
    r.nValueLow = 250;
    r.dDepthLength = 41;
    r.dDepthAngle = std::asin(0.6);
    const POINT corners[12] = {{66, fromAbove ? 20 : 240},
                               {466, 20},
                               {434, 44},
                               {34, fromAbove ? 44 : 20},
                               {66, 188},
                               {466, 188},
                               {434, 212},
                               {34, 212},
                               {66, 250},
                               {466, 250},
                               {434, 274},
                               {34, 274}};
    std::copy(std::begin(corners), std::end(corners), chart.wallPoints);
    std::fill(std::begin(chart.faceShown), std::end(chart.faceShown), 0);
    chart.rcVisible = kCanvas;
    return r;
}

void Draw(DrawingCanvas& canvas, PainterChart& cylinders, const CChartLayout& layout)
{
    CNorvakChart& chart = cylinders.chart;
    const CCylinderChartPainter painter;
    CDC* dc = canvas.dc();
    switch (chart.nSubType) {
    case 0:
        painter.DrawColumnCylinders(dc, &chart, &layout, &chart.items);
        break;
    case 1:
        painter.DrawStackedColumnCylinders(dc, &chart, &layout, &chart.rowTotals, &chart.items);
        break;
    case 2:
        painter.DrawPercentColumnCylinders(dc, &chart, &layout, &chart.rowTotals, &chart.items);
        break;
    case 3:
        painter.DrawBarCylinders(dc, &chart, &layout, &chart.items);
        break;
    case 4:
        painter.DrawStackedBarCylinders(dc, &chart, &layout, &chart.rowTotals, &chart.items);
        break;
    default:
        painter.DrawPercentBarCylinders(dc, &chart, &layout, &chart.rowTotals, &chart.items);
    }
}

// The body is one half of an end ellipse, from its leftmost (top) point through the half that faces
// the viewer, followed by the same points moved onto the other end, backwards.
void ExpectBody(const std::vector<POINT>& body, CPoint start, CSize toOtherEnd, bool lowerOrLeftHalf,
                bool column)
{
    ASSERT_GE(body.size(), 6u);
    ASSERT_EQ(body.size() % 2, 0u);
    EXPECT_EQ(CPoint(body.front()), start);
    const size_t k = body.size() / 2;
    for (size_t i = 0; i < k; ++i) {
        EXPECT_EQ(CPoint(body[2 * k - 1 - i]), CPoint(body[i]) + toOtherEnd) << i;
        const int across = column ? body[i].y - start.y : start.x - body[i].x;
        EXPECT_TRUE(lowerOrLeftHalf ? across >= 0 : across <= 0)
            << i << ": " << body[i].x << "," << body[i].y;
    }
}

} // namespace

TEST(CylinderGeometry, EndsOfACylinder)
{
    const double angle = std::asin(0.6);
    EXPECT_EQ(CylinderEndDepth(41, angle, -1), 24);
    EXPECT_EQ(CylinderEndDepth(41, angle, 23), 13); // cut to the thickness
    EXPECT_EQ(CylinderEndDepth(41, angle, 90), 24);
    const struct
    {
        bool column;
        int from, to, base, depth, length;
        const char *baseEnd, *valueEnd;
    } cases[] = {
        {true, 45, 136, 200, 24, 30, "45,188,136,212", "45,158,136,182"},
        {true, 45, 136, 200, 24, -30, "45,188,136,212", "45,218,136,242"},
        {true, 45, 136, 200, 25, 0, "45,188,136,212", "45,188,136,212"},
        {false, 100, 130, 40, 24, 50, "28,100,52,130", "78,100,102,130"},
        {false, 100, 130, 40, 24, -50, "28,100,52,130", "-22,100,2,130"},
    };
    for (const auto& c : cases) {
        const CCylinderEnds ends = c.column ? ColumnCylinderEnds(c.from, c.to, c.base, c.depth, c.length)
                                            : BarCylinderEnds(c.from, c.to, c.base, c.depth, c.length);
        EXPECT_EQ(Str(ends.base), c.baseEnd) << c.length;
        EXPECT_EQ(Str(ends.valueEnd), c.valueEnd) << c.length;
    }
}

TEST(CylinderChartPainter, ColumnCylinderOutlines)
{
    // Four categories on 400 px: gap 10, each 90 wide, the first 5 px after the origin. The value 3
    // stands 30 px high on row 200; its ends are 24 px deep, one pixel wider than the category.
    for (bool fromAbove : {true, false}) {
        SCOPED_TRACE(fromAbove ? "from above" : "from below");
        PainterChart cylinders(kChartCylinder, 0, {{3}, {1}, {2}, {1}});
        DrawingCanvas canvas(500, 300);
        Draw(canvas, cylinders, CylinderLayout(cylinders.chart, fromAbove));
        const CChartItem& point = cylinders.Point(0, 0);
        ExpectBody(point.faceOutline[0], CPoint(45, 200), CSize(0, -30), fromAbove, true);
        EXPECT_EQ(Bounds(point.faceOutline[4]), CRect(45, 158, 135, 181));
        EXPECT_EQ(Bounds(point.faceOutline[5]), CRect(45, 188, 135, 211));
        for (int k : {1, 2, 3})
            EXPECT_TRUE(point.faceOutline[k].empty()) << k;
        EXPECT_EQ(Bounds(cylinders.Point(1, 0).faceOutline[5]).left, 45 + 100);
        // The drawn faces are recorded: the seen end and the body.
        EXPECT_EQ(point.hitFaces[0].chLetter, 'z');
        EXPECT_EQ(point.hitFaces[0].points.size(), point.faceOutline[0].size());
    }
}

TEST(CylinderChartPainter, BarCylinderOutlines)
{
    // One category 180 px high: gap 10, 170 px for two series of 85 from row 195 up. The value 3
    // lies from column 41 to 71; its ends are centred on column 40 and on 70, 24 px wide.
    for (bool leftHalf : {true, false}) {
        SCOPED_TRACE(leftHalf ? "arcs through the left half" : "arcs through the right half");
        PainterChart cylinders(kChartCylinder, 3, {{3, 2}});
        DrawingCanvas canvas(500, 300);
        CChartLayout layout = CylinderLayout(cylinders.chart, true, 180);
        cylinders.chart.wallPoints[5].x = leftHalf ? 0 : 400;
        Draw(canvas, cylinders, layout);
        const CChartItem& point = cylinders.Point(0, 0);
        ExpectBody(point.faceOutline[0], CPoint(40, 111), CSize(30, 0), leftHalf, false);
        EXPECT_EQ(Bounds(point.faceOutline[2]), CRect(28, 111, 51, 194));
        EXPECT_EQ(Bounds(point.faceOutline[3]), CRect(58, 111, 81, 194));
        EXPECT_EQ(Bounds(cylinders.Point(0, 1).faceOutline[2]), CRect(28, 26, 51, 109));
        for (int k : {1, 4, 5})
            EXPECT_TRUE(point.faceOutline[k].empty()) << k;
    }
}

TEST(CylinderChartPainter, StackedAndPercentCylinders)
{
    // Stacked: 3 then 2 on one another; a value of 0 gets no outlines.
    PainterChart stacked(kChartCylinder, 1, {{3, 2, 0}});
    DrawingCanvas canvas(500, 300);
    Draw(canvas, stacked, CylinderLayout(stacked.chart, true));
    EXPECT_EQ(Bounds(stacked.Point(0, 0).faceOutline[5]), CRect(45, 188, 434, 211));
    EXPECT_EQ(Bounds(stacked.Point(0, 1).faceOutline[5]), CRect(45, 158, 434, 181));
    EXPECT_EQ(Bounds(stacked.Point(0, 1).faceOutline[4]), CRect(45, 138, 434, 161));
    EXPECT_TRUE(stacked.Point(0, 2).faceOutline[0].empty());
    EXPECT_TRUE(stacked.Point(0, 2).hitFaces[0].points.empty());

    // Percent of 100 px: thirds of 33.3 round to 33, yet the last cylinder ends on the top of the
    // axis (row 100). A zero value and a row of zeros get no outlines and no label.
    PainterChart percent(kChartCylinder, 2, {{1, 1, 0, 1}, {0, 0}});
    for (CChartItemArray& row : percent.chart.items)
        for (CChartItem& point : row)
            point.strCellText = "1";
    canvas.Clear();
    Draw(canvas, percent, CylinderLayout(percent.chart, true));
    EXPECT_EQ(Bounds(percent.Point(0, 0).faceOutline[4]).top, 200 - 33 - 12);
    EXPECT_EQ(Bounds(percent.Point(0, 3).faceOutline[4]).top, 100 - 12);
    EXPECT_TRUE(percent.Point(0, 2).faceOutline[0].empty());
    EXPECT_TRUE(percent.Point(1, 0).faceOutline[0].empty());
    EXPECT_NE(percent.Point(0, 0).labelCorners[0], CPoint());
    EXPECT_EQ(percent.Point(1, 0).labelCorners[0], CPoint());

    // Percent bars: the last cylinder ends a pixel before the high end, not at 40 + 3 x 33.
    PainterChart bars(kChartCylinder, 5, {{1, 1, 1}});
    canvas.Clear();
    CChartLayout layout = CylinderLayout(bars.chart, true);
    layout.nValueHigh = 145;
    Draw(canvas, bars, layout);
    EXPECT_EQ(Bounds(bars.Point(0, 2).faceOutline[3]).left + 12, 144);
}

TEST(CylinderChartPainter, StackedCylindersFromBothSides)
{
    // Where the cylinder of 3 meets the one of 2 above it (row 170): seen from above the upper one is
    // drawn last and covers the joint; seen from below the lower one is.
    const struct
    {
        bool fromAbove;
        COLORREF atJoint;
    } cases[] = {{true, kSeriesColours[1]}, {false, kSeriesColours[0]}};
    for (const auto& c : cases) {
        PainterChart stacked(kChartCylinder, 1, {{3, 2}});
        DrawingCanvas canvas(500, 300);
        Draw(canvas, stacked, CylinderLayout(stacked.chart, c.fromAbove));
        EXPECT_EQ(canvas.At(240, 165), c.atJoint) << (c.fromAbove ? "from above" : "from below");
    }
}

TEST(CylinderChartPainter, ZeroPlaneFromBothSides)
{
    // 5 and -3 side by side with the zero plane filled: the cylinder in front of the plane is cut out
    // of it, the one behind it is covered where the plane lies over it.
    const struct
    {
        bool fromAbove;
        CPoint front, behind;
        COLORREF frontColour;
    } cases[] = {{true, {140, 205}, {338, 195}, kSeriesColours[0]},
                 {false, {338, 205}, {140, 195}, kSeriesColours[1]}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fromAbove ? "from above" : "from below");
        PainterChart cylinders(kChartCylinder, 0, {{5, -3}});
        CNorvakChart& chart = cylinders.chart;
        DrawingCanvas canvas(500, 300);
        const CChartLayout layout = CylinderLayout(chart, c.fromAbove);
        chart.faceShown[6] = 1;
        chart.wallStyles[1].nFillKind = 1;
        chart.wallStyles[1].crColour1 = kPlaneGrey;
        Draw(canvas, cylinders, layout);
        EXPECT_EQ(canvas.At(c.front.x, c.front.y), c.frontColour);
        EXPECT_EQ(canvas.At(c.behind.x, c.behind.y), kPlaneGrey);
        EXPECT_EQ(canvas.At(450, 192), kPlaneGrey);
    }
}

TEST(CylinderChartPainter, NothingToDrawAndNoGdiObjectsLeft)
{
    DrawingCanvas canvas(500, 300);
    PainterChart noSeries(kChartCylinder, 0, {{}, {}});
    Draw(canvas, noSeries, CylinderLayout(noSeries.chart, true));
    PainterChart narrow(kChartCylinder, 3, {{1}});
    Draw(canvas, narrow, CylinderLayout(narrow.chart, true, -20));
    EXPECT_TRUE(narrow.Point(0, 0).faceOutline[0].empty());
    EXPECT_EQ(canvas.InkIn(kCanvas), 0);

    PainterChart cylinders(kChartCylinder, 0, {{5, -3, 2}, {1, 0, -4}});
    for (CChartItemArray& row : cylinders.chart.items)
        for (CChartItem& point : row) {
            point.strCellText = "3";
            point.chSelPart = 'z';
        }
    auto drawAll = [&] {
        for (int subType = 0; subType <= 5; ++subType) {
            cylinders.chart.nSubType = subType;
            const CChartLayout layout = CylinderLayout(cylinders.chart, subType % 2 == 0);
            cylinders.chart.faceShown[6] = 1;
            Draw(canvas, cylinders, layout);
        }
    };
    drawAll();
    const DWORD before = GdiObjectCount();
    for (int round = 0; round < 5; ++round)
        drawAll();
    EXPECT_EQ(GdiObjectCount(), before);
}
