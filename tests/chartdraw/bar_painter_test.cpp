// The bar painter on hand-built layouts: faces and hit faces per routine, the depth of a box cut
// to its thickness, which box lies on top from either side of the 3-D box, stacked segments on
// both sides of the zero line, and percent shares ending on the axis ends.

#include "chart/model/ChartHitTest.h"
#include "chartdraw/BarChartPainter.h"
#include "tests/chartdraw/ChartDrawFixture.h"

#include <gtest/gtest.h>

namespace {

// The front face of a flat bar from column base to column end between rows top and bottom.
std::vector<CPoint> BarFront(int base, int top, int bottom, int end)
{
    return {CPoint(base, top), CPoint(base, bottom), CPoint(end, bottom), CPoint(end, top)};
}

// The back of the box up and to the right of its front, or up and to the left.
void SetView(CNorvakChart& chart, bool backRight, bool backUp = true)
{
    chart.wallPoints[0] = POINT{backRight ? 60 : 40, backUp ? 100 : 120};
    chart.wallPoints[5] = POINT{50, 110};
}

TEST(BarPainter, ClusteredFlatFrontsAreTheBarRectangles)
{
    DrawingCanvas canvas(140, 220);
    CNorvakChart chart = MakeChart(1, 0, {{3, -2}, {1, 4}});
    const CChartLayout layout = HandLayout(50, 200, 60);
    CBarChartPainter().DrawClusteredBar(canvas.dc(), &chart, &layout, -2, 4, &chart.items);
    // Gap 10, categories 20 high from row 195 up, series 10: series 0 is the lowest bar.
    EXPECT_EQ(Points(Face(chart, 0, 0, 0)), BarFront(50, 185, 195, 80));
    EXPECT_EQ(Points(Face(chart, 0, 1, 0)), BarFront(50, 175, 185, 30));
    EXPECT_EQ(Points(Face(chart, 1, 0, 0)), BarFront(50, 155, 165, 60));
    EXPECT_EQ(Points(Face(chart, 1, 1, 0)), BarFront(50, 145, 155, 90));
    EXPECT_EQ(HitLetters(chart.items[0][0]), "zsrlxb");
    EXPECT_EQ(HitLetters(chart.items[0][1]), "zslrxb");
    EXPECT_EQ(canvas.At(65, 190), FaceColour(0, 0, 0));
    EXPECT_EQ(canvas.At(40, 180), FaceColour(0, 1, 0));
}

TEST(BarPainter, BoxFacesAndHitFaces)
{
    DrawingCanvas canvas(140, 220);
    CNorvakChart chart = MakeChart(1, 3, {{3, 3}});
    SetView(chart, true);
    CChartLayout layout = HandLayout(50, 200, 30);
    SetDepth(layout, 20, 10); // 11.18 pixels, cut to the bars' 10: offsets (4, 2)
    CBarChartPainter().DrawClusteredBar(canvas.dc(), &chart, &layout, 0, 3, &chart.items);
    const std::vector<CPoint> expected[6] = {
        {CPoint(46, 187), CPoint(46, 197), CPoint(76, 197), CPoint(76, 187)}, // front
        {CPoint(54, 183), CPoint(54, 193), CPoint(84, 193), CPoint(84, 183)}, // back
        {CPoint(46, 187), CPoint(46, 197), CPoint(54, 193), CPoint(54, 183)}, // base end
        {CPoint(76, 187), CPoint(76, 197), CPoint(84, 193), CPoint(84, 183)}, // value end
        {CPoint(54, 183), CPoint(46, 187), CPoint(76, 187), CPoint(84, 183)}, // top
        {CPoint(54, 193), CPoint(46, 197), CPoint(76, 197), CPoint(84, 193)}, // bottom
    };
    ExpectBoxFaces(chart.items[0][0], expected, "zsrlxb", {0, 4, 3, 2, 5, 1});
}

TEST(BarPainter, NearerBoxesCoverFartherOnesFromEitherSide)
{
    // Two 3-D bars one above the other: seen from above, series 1 hides the top of series 0;
    // seen from below, series 0 hides the bottom of series 1.
    struct Case
    {
        bool backUp;
        CPoint probe;
        COLORREF colour;
    } cases[] = {
        {true, CPoint(60, 185), FaceColour(0, 1, 0)},  {true, CPoint(70, 175), FaceColour(0, 1, 4)},
        {false, CPoint(60, 185), FaceColour(0, 0, 0)}, {false, CPoint(70, 195), FaceColour(0, 0, 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.backUp ? "from above" : "from below") << " at " << c.probe.y);
        DrawingCanvas canvas(140, 220);
        CNorvakChart chart = MakeChart(1, 3, {{3, 3}});
        SetView(chart, true, c.backUp);
        CChartLayout layout = HandLayout(50, 200, 30);
        SetDepth(layout, 20, c.backUp ? 10 : -10);
        CBarChartPainter().DrawClusteredBar(canvas.dc(), &chart, &layout, 0, 3, &chart.items);
        EXPECT_EQ(canvas.At(c.probe.x, c.probe.y), c.colour);
    }
}

TEST(BarPainter, GripsOfASelectedFrontLieOverTheWholeCategory)
{
    // The grip at the front top corner (76, 187) of series 0 reaches into series 1 above it; the
    // grips of a selected front are drawn after the category, other grips right after their box.
    for (char part : {'z', 'r'}) {
        SCOPED_TRACE(part);
        DrawingCanvas canvas(140, 220);
        CNorvakChart chart = MakeChart(1, 3, {{3, 3}});
        SetView(chart, true);
        chart.items[0][0].chSelPart = part;
        CChartLayout layout = HandLayout(50, 200, 30);
        SetDepth(layout, 20, 10);
        CBarChartPainter().DrawClusteredBar(canvas.dc(), &chart, &layout, 0, 3, &chart.items);
        EXPECT_EQ(canvas.At(75, 184), part == 'z' ? RGB(0, 0, 0) : FaceColour(0, 1, 0));
    }
}

TEST(BarPainter, StackedSegmentsOnBothSidesOfTheZeroLine)
{
    // 5, -3, 2, -1 at 10 pixels a unit: series 0 from 0 to 50 right of the zero line, series 1 the
    // 30 left of it, series 2 from 50 to 70, series 3 from 30 to 40 left. Sorted by right edge
    // (2, 0, 1, 3), drawn from the far end: where series 2 stands on the end of series 0, the one
    // drawn later covers the other.
    struct Case
    {
        bool backRight;
        COLORREF colour;
    } cases[] = {{true, FaceColour(0, 2, 0)}, {false, FaceColour(0, 0, 0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.backRight);
        DrawingCanvas canvas(220, 220);
        CNorvakChart chart = MakeChart(1, 4, {{5, -3, 2, -1}});
        SetView(chart, c.backRight);
        CChartLayout layout = HandLayout(100, 200, 30);
        SetDepth(layout, c.backRight ? 20 : -20, 10);
        CBarChartPainter().DrawStackedBar(canvas.dc(), &chart, &layout, -4, 7, nullptr, &chart.items);
        EXPECT_EQ(canvas.At(150, 185), c.colour);
        const std::optional<CChartFaceHit> hit = FindHitFace(chart, 85, 185);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->point, 1) << "the box of series 1 selects series 1";
    }
    DrawingCanvas canvas(220, 220);
    CNorvakChart chart = MakeChart(1, 1, {{5, -3, 2, -1}});
    const CChartLayout layout = HandLayout(100, 200, 30);
    CBarChartPainter().DrawStackedBar(canvas.dc(), &chart, &layout, -4, 7, nullptr, &chart.items);
    EXPECT_EQ(Points(Face(chart, 0, 0, 0)), BarFront(100, 175, 195, 150));
    EXPECT_EQ(Points(Face(chart, 0, 1, 0)), BarFront(100, 175, 195, 70));
    EXPECT_EQ(Points(Face(chart, 0, 2, 0)), BarFront(150, 175, 195, 170));
    EXPECT_EQ(Points(Face(chart, 0, 3, 0)), BarFront(70, 175, 195, 60));
}

TEST(BarPainter, PercentSharesEndOnTheAxisEnds)
{
    struct Case
    {
        double minValue;
        std::vector<CPoint> first, second; // of the positive row
    } cases[] = {
        // 12.5 rounds to 13; the row's last segment ends a pixel short of the axis end.
        {0, BarFront(100, 175, 195, 113), BarFront(113, 175, 195, 126)},
        // On a two-signed axis every positive segment is a pixel longer.
        {-1, BarFront(100, 175, 195, 114), BarFront(114, 175, 195, 128)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minValue);
        DrawingCanvas canvas(220, 220);
        CNorvakChart chart = MakeChart(1, 2, {{1, 1, 6}, {-1, -1, -1}});
        chart.rowTotals = {{0, 8, 8, 1}, {-3, 0, 3, -1}};
        CChartLayout layout = HandLayout(100, 200, 60);
        layout.nPositiveLength = layout.nNegativeLength = 100;
        layout.nValueHigh = 201;
        layout.nValueLow = 0;
        CBarChartPainter().DrawPercentStackedBar(canvas.dc(), &chart, &layout, c.minValue, 1, &chart.rowTotals,
                                                 &chart.items);
        EXPECT_EQ(Points(Face(chart, 0, 0, 0)), c.first);
        EXPECT_EQ(Points(Face(chart, 0, 1, 0)), c.second);
        EXPECT_EQ(Face(chart, 0, 2, 0)[2].x, 200);
        // Thirds of 100 are 33 each; the last starts on the left end of the axis.
        EXPECT_EQ(Points(Face(chart, 1, 0, 0)), BarFront(100, 145, 165, 67));
        EXPECT_EQ(Points(Face(chart, 1, 2, 0)), BarFront(34, 145, 165, 0));
    }
}

TEST(BarPainter, NothingToLayOutLeavesNothingToHit)
{
    for (int subType = 0; subType <= 5; ++subType) {
        SCOPED_TRACE(subType);
        DrawingCanvas canvas(200, 220);
        CNorvakChart chart = MakeChart(1, subType, {{1, 2}, {NAN, 4}, {1e300}});
        chart.rowTotals = {{0, 3, 3, 1}, {0, 4, 4, 1}, {0, 1e300, 1e300, 1}};
        CChartLayout layout = HandLayout(20, 200, 150);
        layout.nPositiveLength = 150;
        layout.nValueHigh = 170;
        SetDepth(layout, subType >= 3 ? 20 : 0, subType >= 3 ? 10 : 0);
        CChartBodyCall call{canvas.dc(), &chart, layout, CRect(), subType, 0, 1e300, &chart.rowTotals, &chart.items, 0, {}};
        DrawBarChartBody(call);
        EXPECT_TRUE(HasHitFaces(chart.items[0][1]));
        EXPECT_FALSE(HasHitFaces(chart.items[1][0])) << "NaN";
        EXPECT_TRUE(HasHitFaces(chart.items[2][0]));
        const CPoint old = Centre(chart.items[0][1].hitFaces[0].points);
        ASSERT_TRUE(FindHitFace(chart, old.x, old.y));
        call.layout.nCategoryLength = -30; // a plot lower than nothing
        DrawBarChartBody(call);
        EXPECT_FALSE(FindHitFace(chart, old.x, old.y));
    }
}

} // namespace
