// Hit tests on charts drawn by the front end and the legend painter: a click finds the element
// that was drawn under it, from the geometry the drawing left in the records.

#include "chart/model/ChartHitTest.h"
#include "chart/model/PieSlotGeometry.h"
#include "chartdraw/ChartPainter.h"
#include "chartdraw/LegendPainter.h"
#include "tests/chartdraw/ChartDrawFixture.h"

#include <gtest/gtest.h>

namespace {

const CRect kPlot(10, 10, 290, 230);

void DrawBody(DrawingCanvas& canvas, CNorvakChart& chart)
{
    chart.rcPlot = kPlot;
    CChartPainter().DrawChart(canvas.dc(), &chart, kPlot.left, kPlot.top, kPlot.right, kPlot.bottom, chart.nType,
                              chart.nSubType, chart.dMinValue, chart.dMaxValue, &chart.rowTotals, &chart.items, 0,
                              chart.nDepthX, chart.nDepthY);
}

// Inside a convex face: the mean of its corners.
CPoint Centroid(const std::vector<POINT>& points)
{
    long long x = 0, y = 0;
    for (const POINT& p : points) {
        x += p.x;
        y += p.y;
    }
    const long long n = points.empty() ? 1 : (long long)points.size();
    return CPoint(int(x / n), int(y / n));
}

const CChartHitFace* FaceWithLetter(const CChartItem& point, char letter)
{
    for (const CChartHitFace& face : point.hitFaces)
        if (face.chLetter == letter && face.points.size() >= 3)
            return &face;
    return nullptr;
}

// Faces are coloured by FaceColour(row, series, style entry): green tells the series.
int SeriesOfPixel(COLORREF colour)
{
    return (GetGValue(colour) - 30) / 40;
}

} // namespace

TEST(DrawnChartHit, TheSideFaceOfAThreeDimensionalColumn)
{
    DrawingCanvas canvas(300, 240);
    CNorvakChart chart = MakeChart(kChartColumn, 6, {{4}, {6}});
    chart.nDepthX = 80;
    chart.nDepthY = 40;
    DrawBody(canvas, chart);
    // Seen from the right the right side ('r', buffer 3) shows; its middle is not on the front.
    const CChartHitFace* side = FaceWithLetter(chart.items[1][0], 'r');
    ASSERT_NE(side, nullptr);
    const CPoint probe = Centroid(side->points);
    EXPECT_EQ(canvas.At(probe.x, probe.y), FaceColour(1, 0, 3));
    const std::optional<CChartFaceHit> hit = FindHitFace(chart, probe.x, probe.y);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->row, 1);
    EXPECT_EQ(hit->point, 0);
    EXPECT_EQ(hit->letter, 'r');
    EXPECT_EQ(hit->element, 13);
    EXPECT_EQ(hit->markedPoint, 0);
}

TEST(DrawnChartHit, ThePieSliceUnderTheClick)
{
    DrawingCanvas canvas(300, 240);
    CNorvakChart chart = MakeChart(kChartPie, 0, {{3, 1, 2}});
    chart.rowTotals = {{0, 6, 6, 1}};
    CPieSlotGeometry().RelayoutSeriesItems(chart, kPlot);
    DrawBody(canvas, chart);
    for (int series = 0; series < 3; ++series) {
        SCOPED_TRACE(series);
        const CChartItem& slice = chart.items[0][size_t(series)];
        const CChartHitFace* face = nullptr;
        for (const CChartHitFace& recorded : slice.hitFaces)
            if (recorded.points.size() >= 3 && (!face || recorded.points.size() > face->points.size()))
                face = &recorded;
        ASSERT_NE(face, nullptr);
        // Halfway from the pie's centre to the middle of the slice's outline.
        const CPoint centre = slice.rcPie.CenterPoint();
        const CPoint middle = face->points[face->points.size() / 2];
        const CPoint probe((centre.x + middle.x) / 2, (centre.y + middle.y) / 2);
        EXPECT_EQ(SeriesOfPixel(canvas.At(probe.x, probe.y)), series);
        const std::optional<CChartFaceHit> hit = FindHitFace(chart, probe.x, probe.y);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->point, series);
        EXPECT_EQ(hit->element, 10 + int(std::string("zblrsx").find(hit->letter)));
    }
}

TEST(DrawnChartHit, ALineSegmentMarksThePointItEndsAt)
{
    DrawingCanvas canvas(300, 240);
    CNorvakChart chart = MakeChart(kChartLine, 0, {{1, 5, 2}});
    for (CChartItem& point : chart.items[0]) {
        point.nLineStyle = 1;
        point.nLineWidth = 3;
    }
    DrawBody(canvas, chart);
    const CChartHitFace* segment = FaceWithLetter(chart.items[0][1], 'z');
    ASSERT_NE(segment, nullptr) << "the segment from the second point to the third";
    const CPoint probe = Centroid(segment->points);
    EXPECT_TRUE(canvas.IsInk(probe.x, probe.y));
    const std::optional<CChartFaceHit> hit = FindHitFace(chart, probe.x, probe.y);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->point, 1);
    EXPECT_EQ(hit->element, 10);
    EXPECT_EQ(hit->markedPoint, 2);
    // The last point starts no segment: a hit on it never marks past the row.
    EXPECT_EQ(FaceWithLetter(chart.items[0][2], 'z'), nullptr);
}

TEST(DrawnChartHit, LegendCaptionMarkerBoxAndTheRestOfAnEntry)
{
    CDefaultTables tables;
    tables.BuildDefaultTables();
    DrawingCanvas canvas(300, 240);
    CNorvakChart chart = MakeChart(kChartColumn, 0, {{1, 2, 3}});
    for (int i = 0; i < 3; ++i)
        chart.legendItems.push_back(CChartTextItem(0, 0, "系列", FaceColour(0, i, 0)));
    chart.rcLegend = CRect(10, 10, 190, 130);
    ASSERT_TRUE(CLegendPainter(tables).DrawLegend(canvas.dc(), &chart));
    const CChartTextItem& entry = chart.legendItems[1];
    ASSERT_FALSE(entry.rcCaption.IsRectEmpty());
    EXPECT_GT(canvas.InkIn(entry.rcCaption), 0) << "the caption is drawn in its box";
    // A point of the entry on neither its caption nor its marker box.
    CPoint rest(-1, -1);
    for (int y = entry.rcFull.top; y < entry.rcFull.bottom && rest.x < 0; ++y)
        for (int x = entry.rcFull.left; x < entry.rcFull.right && rest.x < 0; ++x)
            if (!entry.rcCaption.PtInRect(CPoint(x, y)) && !entry.rcFlag.PtInRect(CPoint(x, y)))
                rest = CPoint(x, y);
    ASSERT_GE(rest.x, 0);
    const struct
    {
        CPoint probe;
        int element;
        char letter;
    } cases[] = {
        {entry.rcCaption.CenterPoint(), 20, 't'},
        {entry.rcFlag.CenterPoint(), 21, 'f'},
        {rest, 22, 'a'},
    };
    for (const auto& c : cases) {
        const std::optional<CChartLegendHit> hit = FindLegendHit(chart, c.probe.x, c.probe.y);
        ASSERT_TRUE(hit) << c.element;
        EXPECT_EQ(hit->index, 1);
        EXPECT_EQ(hit->element, c.element);
        EXPECT_EQ(hit->letter, c.letter);
    }
}
