// Line charts drawn on hand-built layouts: the squares and segment hit faces each point keeps, the
// stacked and percent levels, markers, grips, labels, and the 3-D ribbons with their cut at the
// zero plane seen from above and from below.

#include "chartdraw/LineChartPainter.h"
#include "tests/chartdraw/PainterChart.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kPlaneGrey = RGB(128, 128, 128);

std::string Str(const std::vector<POINT>& points)
{
    std::string out;
    for (const POINT& p : points)
        out += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
    return out;
}

// Value 0 on row 150, 10 px a unit from -5 to 10; categories from x = 10 over 300 px.
CChartLayout FlatLayout()
{
    CChartLayout r;
    r.dTickPixels = 10;
    r.dTickStep = 1;
    r.nOriginX = 10;
    r.nOriginY = 150;
    r.nCategoryLength = 300;
    r.nPositiveLength = 100;
    r.nNegativeLength = 50;
    r.nPositiveTicks = 10;
    r.nNegativeTicks = 5;
    r.nValueHigh = 50;
    r.nValueLow = 200;
    return r;
}

// The 3-D box around the flat layout: a depth of 41 px at asin 0.6 (16 across, 12 up for half of
// it), the zero plane from row 162 at the front to 138 at the back. Seen from above the back top
// corner lies above the front one; seen from below, under it.
CChartLayout DepthLayout(CNorvakChart& chart, bool fromAbove)
{
    CChartLayout r = FlatLayout();
    r.dDepthLength = 41;
    r.dDepthAngle = std::asin(0.6);
    const POINT corners[12] = {{66, fromAbove ? 20 : 44},
                               {366, 20},
                               {334, 44},
                               {34, fromAbove ? 44 : 20},
                               {66, 138},
                               {366, 138},
                               {334, 162},
                               {34, 162},
                               {66, 250},
                               {366, 250},
                               {334, 274},
                               {34, 274}};
    std::copy(std::begin(corners), std::end(corners), chart.wallPoints);
    std::fill(std::begin(chart.faceShown), std::end(chart.faceShown), 0);
    return r;
}

void Draw(DrawingCanvas& canvas, PainterChart& line, const CChartLayout& layout)
{
    CNorvakChart& chart = line.chart;
    const CLineChartPainter painter;
    switch (chart.nSubType) {
    case 0:
    case 3:
        painter.DrawLine(canvas.dc(), &chart, &layout, chart.dMinValue, chart.dMaxValue, chart.nSubType,
                         &chart.items);
        break;
    case 1:
    case 4:
        painter.DrawStackedLine(canvas.dc(), &chart, &layout, chart.dMinValue, chart.dMaxValue,
                                chart.nSubType, &chart.items);
        break;
    case 2:
    case 5:
        painter.DrawPercentStackedLine(canvas.dc(), &chart, &layout, chart.dMinValue, chart.dMaxValue,
                                       chart.nSubType, &chart.rowTotals, &chart.items);
        break;
    default:
        painter.Draw3DLine(canvas.dc(), &chart, &layout, chart.dMinValue, chart.dMaxValue, chart.nSubType,
                           &chart.items);
    }
}

// The centre of each point's square, as the drawing left it.
std::string Positions(PainterChart& line, size_t series)
{
    std::string out;
    for (const CChartItem& point : line.chart.items.at(series)) {
        const std::vector<POINT>& square = point.faceOutline[0];
        out += square.size() == 4
                   ? std::to_string(square[0].x + 2) + "," + std::to_string(square[0].y + 2) + " "
                   : "- ";
    }
    return out;
}

int PixelsOf(DrawingCanvas& canvas, const CRect& area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += canvas.At(x, y) == colour;
    return count;
}

} // namespace

TEST(LineChartPainter, SquaresAndSegmentHitFaces)
{
    // Both signs: values of 0 or more lie a pixel higher.
    PainterChart line(kChartLine, 0, {{2, 5, -3, 0, 1}});
    DrawingCanvas canvas(400, 300);
    Draw(canvas, line, FlatLayout());
    EXPECT_EQ(Positions(line, 0), "40,129 100,99 160,180 220,149 280,139 ");
    const char* faces[] = {"40,127 40,131 100,101 100,97 ", "100,97 100,101 160,182 160,178 ",
                           "160,178 160,182 220,151 220,147 ", "220,147 220,151 280,141 280,137 ", ""};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(Str(line.Point(0, i).hitFaces[0].points), faces[i]) << "point " << i;
    EXPECT_EQ(Str(line.Point(0, 0).faceOutline[0]), "38,127 42,127 42,131 38,131 ");
    EXPECT_EQ(line.Point(0, 0).hitFaces[0].chLetter, 'z');
    std::string empties;
    for (int k = 1; k < CChartItem::kFaces; ++k)
        empties += line.Point(0, 0).hitFaces[k].chLetter;
    EXPECT_EQ(empties, "xsblr");
    // The segments are drawn in the points' line pen.
    EXPECT_GT(canvas.InkIn(CRect(69, 113, 72, 116)), 0);
    EXPECT_GT(canvas.InkIn(CRect(129, 138, 132, 142)), 0);

    // A series of one point keeps its square and gets no hit face.
    PainterChart single(kChartLine, 0, {{4}});
    Draw(canvas, single, FlatLayout());
    EXPECT_EQ(Positions(single, 0), "160,110 ");
    EXPECT_TRUE(single.Point(0, 0).hitFaces[0].points.empty());
}

TEST(LineChartPainter, StackedAndPercentLevels)
{
    const struct
    {
        int subType;
        std::vector<std::vector<double>> series;
        std::vector<std::string> positions;
    } cases[] = {
        // One running level per category for both signs: 2 then -3 ends 30 px under the first point.
        {1, {{2, 1}, {-3, 4}}, {"85,130 235,140 ", "85,160 235,100 "}},
        // Shares of 100 px: 67 of 200 is 33.5 -> 34, 133 of 200 is 66.5 -> 67; the last series of a
        // positive category ends on the top of the axis. -1 and 3 (both signs) take 25 px a unit.
        {2, {{67, -1}, {133, 3}}, {"85,116 235,175 ", "85,50 235,100 "}},
        {5, {{67, -1}, {133, 3}}, {"85,116 235,175 ", "85,50 235,100 "}},
        // A category whose values sum to 0 keeps its points on the zero row.
        {2, {{0, 1}, {0, 3}}, {"85,150 235,125 ", "85,150 235,50 "}},
    };
    for (const auto& c : cases) {
        PainterChart line(kChartLine, c.subType, c.series);
        DrawingCanvas canvas(400, 300);
        Draw(canvas, line, FlatLayout());
        for (size_t s = 0; s < c.series.size(); ++s)
            EXPECT_EQ(Positions(line, s), c.positions[s]) << "sub-type " << c.subType << " series " << s;
    }

    // A category without row totals: nothing is drawn, and nothing of the last drawing is left.
    PainterChart missing(kChartLine, 2, {{1, 2}, {3, 4}});
    DrawingCanvas canvas(400, 300);
    Draw(canvas, missing, FlatLayout());
    missing.chart.rowTotals.resize(1);
    canvas.Clear();
    Draw(canvas, missing, FlatLayout());
    EXPECT_EQ(Positions(missing, 0), "- - ");
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 400, 300)), 0);
}

TEST(LineChartPainter, MarkersGripsAndLabels)
{
    // The marker "b" in the shade of the series colour, on the marker kinds only.
    const COLORREF shade = CChartItem::Shade(kSeriesColours[0]);
    for (int subType : {0, 3, 1, 4, 2, 5}) {
        PainterChart line(kChartLine, subType, {{2, 2, 2}});
        DrawingCanvas canvas(400, 300);
        Draw(canvas, line, FlatLayout());
        const CPoint first(line.Point(0, 0).faceOutline[0][0].x + 2,
                           line.Point(0, 0).faceOutline[0][0].y + 2);
        const bool marked = subType >= 3;
        EXPECT_EQ(PixelsOf(canvas, CRect(first.x - 8, first.y - 10, first.x + 8, first.y + 10), shade) > 0,
                  marked)
            << "sub-type " << subType;
    }

    // A selected point gets grips at both ends of the segment that ends at it; its label is drawn.
    PainterChart line(kChartLine, 0, {{2, 2, 2}});
    line.Point(0, 1).chSelPart = 'z';
    line.Point(0, 2).strCellText = "2";
    DrawingCanvas canvas(400, 300);
    Draw(canvas, line, FlatLayout());
    for (int x : {60, 160})
        EXPECT_NE(canvas.At(x, 130 - 3), kWhite) << x;
    EXPECT_EQ(canvas.At(260, 130 - 3), kWhite);
    EXPECT_NE(line.Point(0, 2).labelCorners[0], CPoint());
}

TEST(LineChartPainter, RibbonOutlines)
{
    PainterChart line(kChartLine, 6, {{2, 5, -3}, {7}});
    DrawingCanvas canvas(400, 300);
    for (CChartItemArray& series : line.chart.items)
        for (CChartItem& point : series)
            point.strCellText = "1";
    Draw(canvas, line, DepthLayout(line.chart, true));
    // Points (60, 129), (160, 99), (260, 180); each ribbon is kept by the point it ends at.
    const char* ribbons[] = {"", "76,117 44,141 144,111 176,87 ", "176,87 144,111 244,192 276,168 "};
    for (size_t k = 0; k < 3; ++k) {
        const CChartItem& point = line.Point(0, k);
        EXPECT_EQ(Str(point.faceOutline[4]), ribbons[k]) << k;
        EXPECT_EQ(Str(point.hitFaces[0].points), ribbons[k]) << k;
        EXPECT_NE(point.labelCorners[0], CPoint()) << k;
    }
    EXPECT_EQ(line.Point(0, 1).hitFaces[0].chLetter, 's');
    std::string empties;
    for (int k = 1; k < CChartItem::kFaces; ++k)
        empties += line.Point(0, 1).hitFaces[k].chLetter;
    EXPECT_EQ(empties, "xzblr");
    // A series of one point draws nothing, not even its label.
    EXPECT_TRUE(line.Point(1, 0).faceOutline[4].empty());
    EXPECT_EQ(line.Point(1, 0).labelCorners[0], CPoint());
}

TEST(LineChartPainter, RibbonsAtTheZeroPlaneFromBothSides)
{
    // The ribbon from (160, 99) to (260, 180) is cut at the plane. Seen from above its lower part
    // lies behind the plane and is kept off it, its upper part covers it; from below the other way.
    const CPoint upperOnPlane(200, 145), lowerOnPlane(250, 155), lowerOffPlane(250, 175);
    const struct
    {
        bool fromAbove;
        COLORREF upper, lower;
    } cases[] = {{true, kSeriesColours[0], kPlaneGrey}, {false, kPlaneGrey, kSeriesColours[0]}};
    for (const auto& c : cases) {
        PainterChart line(kChartLine, 6, {{2, 5, -3}});
        DrawingCanvas canvas(400, 300);
        const CChartLayout layout = DepthLayout(line.chart, c.fromAbove);
        // The plane as the layout fills it before the data.
        CBrush grey(kPlaneGrey);
        CSelectObject brush(*canvas.dc(), grey);
        CSelectObject pen(*canvas.dc(), ::GetStockObject(NULL_PEN));
        canvas.dc()->Polygon(line.chart.wallPoints + 4, 4);
        Draw(canvas, line, layout);
        EXPECT_EQ(canvas.At(upperOnPlane.x, upperOnPlane.y), c.upper) << (c.fromAbove ? "above" : "below");
        EXPECT_EQ(canvas.At(lowerOnPlane.x, lowerOnPlane.y), c.lower) << (c.fromAbove ? "above" : "below");
        EXPECT_EQ(canvas.At(lowerOffPlane.x, lowerOffPlane.y), kSeriesColours[0]);
    }
}

TEST(LineChartPainter, NothingToDraw)
{
    DrawingCanvas canvas(400, 300);
    PainterChart empty(kChartLine, 0, {});
    Draw(canvas, empty, FlatLayout());
    PainterChart noPoints(kChartLine, 6, {{}, {1}});
    Draw(canvas, noPoints, DepthLayout(noPoints.chart, true));
    // Too narrow for the categories: 0 px.
    PainterChart narrow(kChartLine, 0, {{1, 2}});
    Draw(canvas, narrow, FlatLayout());
    CChartLayout layout = FlatLayout();
    layout.nCategoryLength = -10;
    canvas.Clear();
    Draw(canvas, narrow, layout);
    EXPECT_EQ(Positions(narrow, 0), "- - ");
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 400, 300)), 0);
}

TEST(LineChartPainter, DrawingLeavesNoGdiObjects)
{
    PainterChart line(kChartLine, 0, {{2, 5, -3, 0, 1}, {1, -1, 2, 2, 4}});
    for (CChartItemArray& series : line.chart.items)
        for (CChartItem& point : series) {
            point.strCellText = "5";
            point.chSelPart = 'z';
        }
    DrawingCanvas canvas(400, 300);
    auto drawAll = [&] {
        for (int subType = 0; subType <= 6; ++subType) {
            line.chart.nSubType = subType;
            Draw(canvas, line, subType == 6 ? DepthLayout(line.chart, subType % 2 == 0) : FlatLayout());
        }
    };
    drawAll();
    const DWORD before = GdiObjectCount();
    for (int round = 0; round < 5; ++round)
        drawAll();
    EXPECT_EQ(GdiObjectCount(), before);
}
