// The column painter on hand-built layouts: the faces and hit faces every routine leaves in the
// points, which box lies on top from either side of the 3-D box, the zero plane cut round the
// columns in front of it, percent shares ending on the axis ends, and what a drawing that cannot
// lay anything out leaves behind.

#include "chart/model/ChartHitTest.h"
#include "chartdraw/ColumnChartPainter.h"
#include "tests/chartdraw/ChartDrawFixture.h"

#include <gtest/gtest.h>

namespace {

// The back of the box up and right of its front (the usual depth), or up and left.
void SetView(CNorvakChart& chart, bool backRight)
{
    chart.wallPoints[0] = backRight ? POINT{40, 10} : POINT{0, 10};
    chart.wallPoints[3] = POINT{20, 20};
}

TEST(ColumnPainter, ClusteredFlatFrontsAreTheColumnRectangles)
{
    DrawingCanvas canvas(120, 140);
    CNorvakChart chart = MakeChart(0, 0, {{3, -2}, {0, 5}});
    const CChartLayout layout = HandLayout(10, 90, 100);
    CColumnChartPainter().DrawClusteredColumn(canvas.dc(), &chart, &layout, &chart.items);
    // Gap 20, categories 30 wide from x 20 and 70, series 15 wide; an odd width ends a pixel short.
    EXPECT_EQ(Points(Face(chart, 0, 0, 0)), FlatFront(20, 60, 34, 90));
    EXPECT_EQ(Points(Face(chart, 0, 1, 0)), FlatFront(35, 110, 49, 90));
    EXPECT_EQ(Points(Face(chart, 1, 0, 0)), FlatFront(70, 90, 84, 90)) << "a value of 0 keeps a flat box";
    EXPECT_EQ(Points(Face(chart, 1, 1, 0)), FlatFront(85, 40, 99, 90));
    // Seen from the front and right: front, right side, the drawn end, the other end, left, back.
    EXPECT_EQ(HitLetters(chart.items[0][0]), "zrsxlb");
    EXPECT_EQ(HitLetters(chart.items[0][1]), "zrxslb");
    EXPECT_EQ(canvas.At(27, 75), FaceColour(0, 0, 0));
    EXPECT_EQ(canvas.At(42, 100), FaceColour(0, 1, 0));
}

TEST(ColumnPainter, ClusteredBoxFacesAndHitFaces)
{
    DrawingCanvas canvas(120, 140);
    CNorvakChart chart = MakeChart(0, 3, {{3, -2}});
    SetView(chart, true);
    CChartLayout layout = HandLayout(10, 90, 50);
    SetDepth(layout, 20, 10); // half a depth is (5, 2.5): 5 and 2 pixels each way
    CColumnChartPainter().DrawClusteredColumn(canvas.dc(), &chart, &layout, &chart.items);
    // Category 30 wide from x 20 (gap 20), series 15: the footprint of series 0 round (27, 90).
    const std::vector<CPoint> expected[6] = {
        {CPoint(29, 62), CPoint(15, 62), CPoint(15, 92), CPoint(29, 92)}, // front
        {CPoint(25, 58), CPoint(39, 58), CPoint(39, 88), CPoint(25, 88)}, // back
        {CPoint(25, 58), CPoint(15, 62), CPoint(15, 92), CPoint(25, 88)}, // left
        {CPoint(39, 58), CPoint(29, 62), CPoint(29, 92), CPoint(39, 88)}, // right
        {CPoint(25, 58), CPoint(15, 62), CPoint(29, 62), CPoint(39, 58)}, // top
        {CPoint(25, 88), CPoint(15, 92), CPoint(29, 92), CPoint(39, 88)}, // bottom
    };
    ExpectBoxFaces(chart.items[0][0], expected, "zrsxlb", {0, 3, 4, 5, 2, 1});
    const std::optional<CChartFaceHit> hit = FindHitFace(chart, 34, 75);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->point, 0);
    EXPECT_EQ(hit->letter, 'r');
}

TEST(ColumnPainter, NearerBoxesCoverFartherOnesFromEitherSide)
{
    // Two 3-D columns side by side: seen from the right, series 1 hides the right side of series
    // 0; seen from the left, series 0 hides the left side of series 1.
    struct Case
    {
        bool backRight;
        int depthX;
        CPoint probe;
        COLORREF colour;
    } cases[] = {
        {true, 20, CPoint(35, 80), FaceColour(0, 1, 0)},  {true, 20, CPoint(50, 80), FaceColour(0, 1, 3)},
        {true, 20, CPoint(19, 80), FaceColour(0, 0, 0)},  {false, -20, CPoint(35, 80), FaceColour(0, 0, 0)},
        {false, -20, CPoint(19, 80), FaceColour(0, 0, 2)}, {false, -20, CPoint(50, 80), FaceColour(0, 1, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.backRight ? "back right" : "back left") << " at " << c.probe.x);
        DrawingCanvas canvas(120, 140);
        CNorvakChart chart = MakeChart(0, 3, {{3, 3}});
        SetView(chart, c.backRight);
        CChartLayout layout = HandLayout(10, 90, 50);
        SetDepth(layout, c.depthX, 10);
        CColumnChartPainter().DrawClusteredColumn(canvas.dc(), &chart, &layout, &chart.items);
        EXPECT_EQ(canvas.At(c.probe.x, c.probe.y), c.colour);
    }
}

TEST(ColumnPainter, StackedSegmentsAreDrawnFromTheFarEnd)
{
    // 5, -3, 2, -1 at 10 pixels a unit: drawn from the bottom up (series 3, 1, 0, 2) when the back
    // of the box is above, from the top down when it is below; at (35, 150) the base of series 0
    // and series 1 meet.
    struct Case
    {
        int depthY;
        COLORREF colour;
    } cases[] = {{10, FaceColour(0, 0, 0)}, {-10, FaceColour(0, 1, 0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depthY);
        DrawingCanvas canvas(100, 220);
        CNorvakChart chart = MakeChart(0, 4, {{5, -3, 2, -1}});
        chart.wallPoints[0] = POINT{40, c.depthY > 0 ? 10 : 30};
        chart.wallPoints[3] = POINT{20, 20};
        CChartLayout layout = HandLayout(10, 150, 60);
        SetDepth(layout, 20, c.depthY);
        CColumnChartPainter().DrawStackedColumn(canvas.dc(), &chart, &layout, &chart.items);
        EXPECT_EQ(canvas.At(35, 150), c.colour);
        const std::optional<CChartFaceHit> hit = FindHitFace(chart, 35, 165);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->point, 1) << "the box of series 1 selects series 1";
    }
    DrawingCanvas canvas(100, 220);
    CNorvakChart chart = MakeChart(0, 1, {{5, -3, 2, -1}});
    const CChartLayout layout = HandLayout(10, 150, 60);
    CColumnChartPainter().DrawStackedColumn(canvas.dc(), &chart, &layout, &chart.items);
    EXPECT_EQ(Points(Face(chart, 0, 0, 0)), FlatFront(20, 100, 60, 150));
    EXPECT_EQ(Points(Face(chart, 0, 1, 0)), FlatFront(20, 180, 60, 150));
    EXPECT_EQ(Points(Face(chart, 0, 2, 0)), FlatFront(20, 80, 60, 100));
    EXPECT_EQ(Points(Face(chart, 0, 3, 0)), FlatFront(20, 190, 60, 180));
}

TEST(ColumnPainter, PercentSharesEndOnTheAxisEnds)
{
    DrawingCanvas canvas(320, 300);
    CNorvakChart chart = MakeChart(0, 2, {{1, 1, 6}, {-1, -1, -1}, {0, 0, 0}});
    chart.rowTotals = {{0, 8, 8, 1}, {-3, 0, 3, -1}, {0, 0, 0, 1}};
    CChartLayout layout = HandLayout(10, 150, 300);
    layout.nPositiveLength = layout.nNegativeLength = 100;
    layout.nValueHigh = 50;
    layout.nValueLow = 250;
    CColumnChartPainter().DrawPercentStackedColumn(canvas.dc(), &chart, &layout, &chart.rowTotals, &chart.items);
    // 12.5 rounds to 13; the last segment ends on the top of the axis whatever the rounding left.
    EXPECT_EQ(Points(Face(chart, 0, 0, 0)), FlatFront(20, 137, 100, 150));
    EXPECT_EQ(Points(Face(chart, 0, 1, 0)), FlatFront(20, 124, 100, 137));
    EXPECT_EQ(Points(Face(chart, 0, 2, 0)), FlatFront(20, 50, 100, 124));
    // Thirds of 100 are 33 each; the last reaches the bottom of the axis.
    EXPECT_EQ(Points(Face(chart, 1, 0, 0)), FlatFront(120, 183, 200, 150));
    EXPECT_EQ(Points(Face(chart, 1, 2, 0)), FlatFront(120, 250, 200, 216));
    // A row of zeros has no boxes and nothing to hit.
    for (const CChartItem& point : chart.items[2]) {
        EXPECT_EQ(Points(point.faceOutline[0]), std::vector<CPoint>(4));
        EXPECT_EQ(HitLetters(point), "------");
    }
}

TEST(ColumnPainter, ThreeDColumnsStandBehindOneAnotherInDepth)
{
    DrawingCanvas canvas(260, 220);
    CNorvakChart chart = MakeChart(0, 6, {{2, 5}, {-1, 3}});
    SetView(chart, true);
    CChartLayout layout = HandLayout(80, 150, 200); // the origin is the back corner of the box
    layout.dDepthLength = std::hypot(80.0, 40.0);     // 89 pixels: depths 25 and 24 with a gap of 20
    layout.dDepthAngle = std::asin(40 / layout.dDepthLength);
    CColumnChartPainter().Draw3DColumn(canvas.dc(), &chart, &layout, &chart.items);
    EXPECT_EQ(Points(Face(chart, 0, 0, 5)),
              (std::vector<CPoint>{CPoint(82, 154), CPoint(60, 165), CPoint(140, 165), CPoint(162, 154)}));
    EXPECT_EQ(Points(Face(chart, 0, 0, 4)),
              (std::vector<CPoint>{CPoint(82, 134), CPoint(60, 145), CPoint(140, 145), CPoint(162, 134)}));
    EXPECT_EQ(Points(Face(chart, 0, 1, 5)),
              (std::vector<CPoint>{CPoint(43, 174), CPoint(22, 184), CPoint(102, 184), CPoint(123, 174)}));
    EXPECT_EQ(Points(Face(chart, 1, 0, 5)),
              (std::vector<CPoint>{CPoint(182, 154), CPoint(160, 165), CPoint(240, 165), CPoint(262, 154)}));
    EXPECT_EQ(canvas.At(80, 155), FaceColour(0, 1, 0)) << "the front series covers the one behind it";
}

TEST(ColumnPainter, ZeroPlaneIsCutRoundTheColumnsInFrontOfIt)
{
    // A two-signed 3-D chart: the plane at the value 0 runs from the front row 105 back to row 95.
    const COLORREF plane = RGB(1, 200, 2);
    for (bool planeShown : {true, false}) {
        SCOPED_TRACE(planeShown);
        DrawingCanvas canvas(260, 160);
        CNorvakChart chart = MakeChart(0, 3, {{3, -2}});
        const POINT wall[12] = {{30, 20}, {230, 20}, {210, 30}, {10, 30},  {30, 95},   {230, 95},
                                {210, 105}, {10, 105}, {30, 140}, {230, 140}, {210, 150}, {10, 150}};
        std::copy(std::begin(wall), std::end(wall), chart.wallPoints);
        chart.faceShown[6] = planeShown;
        chart.wallStyles[1].nFillKind = 1;
        chart.wallStyles[1].crColour1 = plane;
        CChartLayout layout = HandLayout(20, 100, 200);
        SetDepth(layout, 20, 10);
        layout.ptZeroPlane[0] = POINT{10, 104};
        layout.ptZeroPlane[1] = POINT{189, 104};
        CColumnChartPainter().DrawClusteredColumn(canvas.dc(), &chart, &layout, &chart.items);
        EXPECT_EQ(canvas.At(70, 100), FaceColour(0, 0, 0)) << "the positive column stands in front";
        EXPECT_EQ(canvas.At(160, 100), planeShown ? plane : FaceColour(0, 1, 5))
            << "the negative one hangs behind it, its base in the plane";
    }
}

TEST(ColumnPainter, NothingToLayOutLeavesNothingToHit)
{
    // The points carry faces from an earlier drawing; a drawing that lays nothing out forgets them.
    struct Case
    {
        const char* what;
        CValueRows rows;
        int length;
    } cases[] = {
        {"a plot too narrow", {{1, 2}, {3, 4}}, -10},
        {"a first row without points", {{}, {3, 4}}, 200},
        {"no rows", {}, 200},
    };
    for (const Case& c : cases)
        for (int subType = 0; subType <= 6; ++subType) {
            SCOPED_TRACE(testing::Message() << c.what << ", sub-type " << subType);
            DrawingCanvas canvas(120, 120);
            CNorvakChart chart = MakeChart(0, subType, {{1, 2}, {3, 4}});
            chart.rowTotals = {{0, 3, 3, 1}, {0, 7, 7, 1}};
            CChartLayout layout = HandLayout(10, 100, 100);
            layout.nPositiveLength = 90;
            SetDepth(layout, subType >= 3 ? 20 : 0, subType >= 3 ? 10 : 0);
            CChartBodyCall call{canvas.dc(), &chart, layout, CRect(), subType, 0, 4, &chart.rowTotals, &chart.items, 0, {}};
            DrawColumnChartBody(call);
            const CPoint old = Centre(chart.items[1][1].hitFaces[0].points);
            ASSERT_TRUE(FindHitFace(chart, old.x, old.y)) << "drawn first";
            chart.items = MakeChart(0, subType, c.rows).items;
            for (auto& row : chart.items)
                for (CChartItem& point : row)
                    point.hitFaces[0] = CChartHitFace{{{0, 0}, {200, 0}, {200, 200}, {0, 200}}, 'z'};
            call.layout.nCategoryLength = c.length;
            DrawColumnChartBody(call);
            EXPECT_FALSE(FindHitFace(chart, old.x, old.y));
        }
}

TEST(ColumnPainter, UnevenRowsAndValuesThatCannotBeDrawn)
{
    // Rows shorter or longer than the first, a value that is not finite and one far beyond the
    // axis: every routine draws what it can.
    for (int subType = 0; subType <= 6; ++subType) {
        SCOPED_TRACE(subType);
        DrawingCanvas canvas(200, 200);
        CNorvakChart chart = MakeChart(0, subType, {{1, NAN, 2}, {3}, {1e300, -4, 5, 6}});
        chart.rowTotals = {{0, 3, 3, 1}, {0, 3, 3, 1}, {-4, 1e300, 1e300, 0}};
        for (auto& row : chart.items)
            for (CChartItem& point : row)
                point.hitFaces[0] = CChartHitFace{{{0, 0}, {200, 0}, {200, 200}, {0, 200}}, 'z'};
        CChartLayout layout = HandLayout(10, 100, 180);
        layout.nPositiveLength = layout.nNegativeLength = 90;
        SetDepth(layout, subType >= 3 ? 20 : 0, subType >= 3 ? 10 : 0);
        CChartBodyCall call{canvas.dc(), &chart, layout, CRect(), subType, -4, 1e300, &chart.rowTotals, &chart.items, 0, {}};
        DrawColumnChartBody(call);
        EXPECT_TRUE(HasHitFaces(chart.items[0][0]));
        EXPECT_FALSE(HasHitFaces(chart.items[0][1])) << "NaN";
        EXPECT_TRUE(HasHitFaces(chart.items[1][0]));
        EXPECT_FALSE(HasHitFaces(chart.items[2][3])) << "beyond the first row's length";
    }
}

} // namespace
