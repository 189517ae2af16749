// Pie and ring charts drawn into a bitmap: where the slices lie around the pie, the faces recorded
// for hit testing, the fields written back for the labels, exploded strips and 3-D rims, grips,
// labels, rows that cannot be drawn, and the GDI objects a drawing leaves behind.

#include "chart/model/ChartHitTest.h"
#include "chart/model/PieSlotGeometry.h"
#include "chartdraw/PieChartPainter.h"
#include "chartdraw/geometry/PieSliceLayout.h"
#include "tests/chartdraw/PainterChart.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const CRect kPlot(0, 0, 220, 220);

// The preview draws from the sub-type; the sheet from the rectangles the chart's layout stored.
void DrawPie(DrawingCanvas& canvas, PainterChart& pie, bool preview = true, const CRect& plot = kPlot)
{
    CNorvakChart& chart = pie.chart;
    CPieChartPainter().DrawPieChart(canvas.dc(), chart, plot.left, plot.top, plot.right, plot.bottom,
                                    chart.nPieSeries == -1, chart.nPieSeries, chart.rowTotals, chart.items,
                                    preview, chart.nSubType);
}

// Lays the rows out on the sheet as a new chart of the sub-type is laid out.
void LayOutOnSheet(PainterChart& pie, const CRect& plot = kPlot)
{
    CPieSlotGeometry().RelayoutSeriesItems(pie.chart, plot);
    for (CChartItemArray& row : pie.chart.items)
        for (CChartItem& point : row) {
            point.nDepthA = CPieSlotGeometry::DefaultDepth(pie.chart.nSubType);
            point.nExplodeA = CPieSlotGeometry::DefaultExplode(pie.chart.nSubType);
        }
}

CRect Lifted(const CRect& rect, int depth)
{
    return CRect(rect.left, rect.top - depth, rect.right, rect.bottom - depth);
}

CPoint Polar(CPoint centre, int radius, double degrees)
{
    const double a = degrees * 3.14159265358979 / 180;
    return CPoint(centre.x + int(std::lround(radius * std::cos(a))),
                  centre.y - int(std::lround(radius * std::sin(a))));
}

} // namespace

TEST(PieChartPainter, SlicesRunCounterClockwiseFromTheTop)
{
    // One pie of 1 and 3 in the 200 px slot of a 220 px plot: the circle (10, 10, 210, 210).
    PainterChart pie(kChartPie, 0, {{1, 3}});
    DrawingCanvas canvas(220, 220);
    DrawPie(canvas, pie);
    const COLORREF first = kSeriesColours[0], second = kSeriesColours[1];
    const struct
    {
        double degrees;
        COLORREF colour;
    } probes[] = {{100, first},  {135, first}, {170, first}, {190, second},
                  {270, second}, {0, second},  {45, second}, {80, second}};
    const CPoint centre(110, 110);
    for (const auto& p : probes) {
        const CPoint at = Polar(centre, 60, p.degrees);
        EXPECT_EQ(canvas.At(at.x, at.y), p.colour) << p.degrees << " degrees";
    }
    EXPECT_EQ(canvas.At(110, 5), RGB(255, 255, 255)) << "outside the circle";
    EXPECT_NEAR(pie.Point(0, 0).nLabelAngle, 1350, 1);
    EXPECT_NEAR(pie.Point(0, 1).nLabelAngle, 3150, 1);
}

TEST(PieChartPainter, WrittenBackFields)
{
    // A 3-D ring in the preview: the fields come from the sub-type's ellipses in the slot.
    PainterChart ring(kChartPie, 6, {{1, 1, 2}});
    DrawingCanvas canvas(220, 220);
    DrawPie(canvas, ring);
    const CPieEllipses e = PreviewPieEllipses(PieRectInSlot(10, 200, kPlot), 6);
    const int angles[] = {1350, 2250, 3600};
    for (size_t k = 0; k < 3; ++k) {
        const CChartItem& point = ring.Point(0, k);
        EXPECT_EQ(point.rcTopOuter, e.outerTop);
        EXPECT_EQ(point.rcTopInner, e.innerTop);
        EXPECT_EQ(point.nPieDepth, 50);
        EXPECT_NEAR(point.nLabelAngle, angles[k], 1);
    }
    EXPECT_EQ(CRect(e.outerTop), CRect(10, 35, 210, 135));
    EXPECT_EQ(CRect(e.innerTop), CRect(60, 60, 160, 110));

    // On the sheet: the stored pie lifted by the stored depth.
    PainterChart sheet(kChartPie, 6, {{1, 1, 2}});
    LayOutOnSheet(sheet);
    DrawPie(canvas, sheet, false);
    const CChartItem& point = sheet.Point(0, 2);
    EXPECT_EQ(point.rcTopOuter, Lifted(point.rcPie, point.nDepthA));
    EXPECT_EQ(point.rcTopInner, Lifted(point.rcHole, point.nDepthA));
    EXPECT_EQ(point.nPieDepth, point.nDepthA);
    EXPECT_GT(point.nDepthA, 0);
}

TEST(PieChartPainter, FaceSlotsOfTheRingExamples)
{
    // Faces fill the slots from 5 down in painting order.
    const struct
    {
        int kind;
        std::vector<double> values;
        std::vector<std::string> letters; // per data point
    } cases[] = {
        // Left side: start wall, hole wall, end wall, top; the bottom left quarter adds its front rim.
        // Right side: end wall, start wall, hole wall, top, rim.
        {6, {1, 1, 2}, {"lbrs", "lbrsz", "rlbsz"}},
        // The inner start right of the hole's centre: the start wall is painted twice.
        {6, {3, 1}, {"rlbsz", "rlbls"}},
        {4, {1, 1, 2}, {"lbrs", "lbrsz", "rlbsz"}},
        // Pushed out: the top before the end wall on the left side.
        {7, {1, 1, 2}, {"lbsr", "lbsrz", "rlblsz"}},
        // A pie: its radial wall, its top, its front rim.
        {3, {1, 1, 2}, {"rs", "rsz", "lsz"}},
        // One slice: the radial wall at the leftmost point, hidden under the top and the rim.
        {1, {5}, {"lsz"}},
    };
    for (const auto& c : cases) {
        PainterChart pie(kChartPie, c.kind, {c.values});
        DrawingCanvas canvas(220, 220);
        DrawPie(canvas, pie);
        for (size_t k = 0; k < c.values.size(); ++k)
            EXPECT_EQ(pie.Letters(0, k), c.letters[k]) << "kind " << c.kind << " point " << k;
    }
}

TEST(PieChartPainter, ExplodedStripAndThreeDimensionalRim)
{
    // Two halves pushed 8 px apart leave a white strip from x = 102 to 118; unexploded they meet at 110.
    const COLORREF white = RGB(255, 255, 255);
    const struct
    {
        int kind;
        COLORREF leftOfMiddle, rightOfMiddle;
    } cases[] = {{2, white, white}, {0, kSeriesColours[0], kSeriesColours[1]}};
    for (const auto& c : cases) {
        PainterChart pie(kChartPie, c.kind, {{1, 1}});
        DrawingCanvas canvas(220, 220);
        DrawPie(canvas, pie);
        EXPECT_EQ(canvas.At(105, 60), c.leftOfMiddle) << "kind " << c.kind;
        EXPECT_EQ(canvas.At(115, 60), c.rightOfMiddle) << "kind " << c.kind;
        EXPECT_EQ(canvas.At(95, 60), kSeriesColours[0]) << "kind " << c.kind;
        EXPECT_EQ(canvas.At(125, 60), kSeriesColours[1]) << "kind " << c.kind;
    }

    // A 3-D pie of one slice: the top ellipse (10, 35, 210, 135) over a rim 50 px deep. The rim takes
    // the front face's style (the shade of the series colour), the top the series colour.
    PainterChart pie(kChartPie, 1, {{5}});
    DrawingCanvas canvas(220, 220);
    DrawPie(canvas, pie);
    const COLORREF shade = CChartItem::Shade(kSeriesColours[0]);
    EXPECT_EQ(canvas.At(110, 160), shade);
    EXPECT_EQ(canvas.At(30, 120), shade);
    EXPECT_EQ(canvas.At(140, 85), kSeriesColours[0]);
    EXPECT_EQ(canvas.At(110, 190), RGB(255, 255, 255)) << "below the rim";
    EXPECT_EQ(canvas.At(110, 30), RGB(255, 255, 255)) << "above the top";
}

TEST(PieChartPainter, RecordedFacesAreHitWhereTheyArePainted)
{
    PainterChart pie(kChartPie, 1, {{1, 1, 2}});
    LayOutOnSheet(pie);
    DrawingCanvas canvas(220, 220);
    DrawPie(canvas, pie, false);
    const CRect top = pie.Point(0, 0).rcTopOuter;
    const CPoint centre = top.CenterPoint();
    const struct
    {
        CPoint at;
        int point;
        char letter;
    } cases[] = {{centre + CSize(-top.Width() / 4, -top.Height() / 4), 0, 's'},
                 {centre + CSize(-top.Width() / 4, top.Height() / 4), 1, 's'},
                 {centre + CSize(top.Width() / 4, 0), 2, 's'},
                 {CPoint(centre.x + 5, top.bottom + pie.Point(0, 0).nPieDepth / 2), 2, 'z'},
                 {CPoint(centre.x - 5, top.bottom + pie.Point(0, 0).nPieDepth / 2), 1, 'z'}};
    for (const auto& c : cases) {
        const auto hit = FindHitFace(pie.chart, c.at.x, c.at.y);
        ASSERT_TRUE(hit) << c.at.x << "," << c.at.y;
        EXPECT_EQ(hit->point, c.point) << c.at.x << "," << c.at.y;
        EXPECT_EQ(hit->letter, c.letter) << c.at.x << "," << c.at.y;
    }
    EXPECT_FALSE(FindHitFace(pie.chart, 2, 2));
}

TEST(PieChartPainter, GripsOfTheSelectedFace)
{
    // The selected front rim of a 3-D pie of one slice gets filled squares at its four corners: the
    // ellipse's leftmost and rightmost points and the same 50 px lower.
    PainterChart pie(kChartPie, 1, {{5}});
    pie.Point(0, 0).chSelPart = 'z';
    DrawingCanvas canvas(220, 220);
    DrawPie(canvas, pie);
    const COLORREF grip = RGB(0, 0, 255);
    for (const CPoint corner : {CPoint(10, 85), CPoint(210, 85), CPoint(210, 135), CPoint(10, 135)})
        EXPECT_EQ(canvas.At(corner.x - 1, corner.y - 1), grip) << corner.x << "," << corner.y;
    pie.Point(0, 0).chSelPart = ' ';
    canvas.Clear();
    DrawPie(canvas, pie);
    EXPECT_NE(canvas.At(9, 84), grip);
}

TEST(PieChartPainter, LabelsOfTheShownRowOnly)
{
    PainterChart pie(kChartPie, 0, {{1, 1}, {2, 2}});
    for (CChartItemArray& row : pie.chart.items)
        for (CChartItem& point : row)
            point.strCellText = "12";
    pie.chart.nPieSeries = -1;
    DrawingCanvas canvas(220, 220);
    DrawPie(canvas, pie);
    EXPECT_EQ(pie.Letters(0, 0), "rsz");
    EXPECT_NE(pie.Point(0, 0).labelCorners[2], CPoint());
    pie.Point(0, 0).labelCorners[2] = CPoint();

    // Drawn again with the second row alone, the first keeps no faces of the first drawing.
    pie.chart.nPieSeries = 1;
    canvas.Clear();
    DrawPie(canvas, pie);
    EXPECT_EQ(pie.Letters(0, 0), "");
    EXPECT_EQ(pie.Point(0, 0).labelCorners[2], CPoint());
    const CPoint corner = pie.Point(1, 0).labelCorners[2];
    EXPECT_NE(corner, CPoint());
    EXPECT_TRUE(kPlot.PtInRect(corner));
}

TEST(PieChartPainter, RowsThatCannotBeDrawn)
{
    // Three slots of 60 px (gap 13, the first 61) in a 220 px plot; rows of zero sum leave theirs empty.
    const CRect plot(0, 40, 220, 180);
    auto slotInk = [](DrawingCanvas& canvas, int slot) {
        const int left = 6 + slot * (61 + 13);
        return canvas.InkIn(CRect(left + 2, 60, left + 58, 160));
    };
    const struct
    {
        const char* what;
        std::vector<std::vector<double>> rows;
        int pieSeries;
        std::vector<bool> drawn;
    } cases[] = {
        {"a zero row keeps its slot", {{1, 1}, {0, 0}, {2, -1}}, -1, {true, false, true}},
        {"an empty row", {{1}, {}, {3}}, -1, {true, false, true}},
        {"negative values count by size", {{-1, -3}, {-2}, {3, -1}}, -1, {true, true, true}},
        // A negative shown row means every row.
        {"a negative shown row", {{1}, {2}, {3}}, -5, {true, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PainterChart pie(kChartPie, 0, c.rows);
        pie.chart.nPieSeries = c.pieSeries;
        DrawingCanvas canvas(220, 220);
        DrawPie(canvas, pie, true, plot);
        EXPECT_EQ(pie.chart.nPieSeries, c.pieSeries);
        for (int slot = 0; slot < 3; ++slot)
            EXPECT_EQ(slotInk(canvas, slot) > 0, bool(c.drawn[size_t(slot)])) << "slot " << slot;
    }

    // A shown row beyond the last is set back to the last, which fills the whole plot at once.
    PainterChart last(kChartPie, 0, {{1}, {2}, {3}});
    last.chart.nPieSeries = 9;
    DrawingCanvas canvas(220, 220);
    DrawPie(canvas, last, true, plot);
    EXPECT_EQ(last.chart.nPieSeries, 2);
    EXPECT_EQ(last.Letters(2, 0), "lsz"); // a flat pie's walls have no height
    EXPECT_EQ(last.Letters(0, 0), "");
    EXPECT_EQ(canvas.At(110, 110), kSeriesColours[0]);

    // Row totals that lack a row, and a plot too narrow for a slot: nothing but the frame.
    PainterChart missing(kChartPie, 0, {{1}, {2}});
    missing.chart.nPieSeries = -1;
    missing.chart.rowTotals.resize(1);
    canvas.Clear();
    DrawPie(canvas, missing, true, plot);
    EXPECT_EQ(missing.Letters(0, 0), "lsz");
    EXPECT_EQ(missing.Letters(1, 0), "");
    PainterChart narrow(kChartPie, 0, {{1}, {2}});
    canvas.Clear();
    DrawPie(canvas, narrow, true, CRect(50, 50, 40, 100));
    EXPECT_EQ(narrow.Letters(0, 0), "");
}

TEST(PieChartPainter, DrawingLeavesNoGdiObjects)
{
    PainterChart pie(kChartPie, 7, {{1, 2, 3, -4}, {5, 6}});
    pie.chart.nPieSeries = -1;
    for (CChartItemArray& row : pie.chart.items)
        for (CChartItem& point : row) {
            point.strCellText = "7";
            point.chSelPart = 's';
        }
    DrawingCanvas canvas(220, 220);
    for (int kind = 0; kind < 8; ++kind) {
        pie.chart.nSubType = kind;
        DrawPie(canvas, pie);
    }
    const DWORD before = GdiObjectCount();
    for (int round = 0; round < 5; ++round)
        for (int kind = 0; kind < 8; ++kind) {
            pie.chart.nSubType = kind;
            DrawPie(canvas, pie);
        }
    EXPECT_EQ(GdiObjectCount(), before);
}
