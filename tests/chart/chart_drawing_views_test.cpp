// The records as the drawing primitives see them, and the geometry the painters hand back: face
// styles with the series colour, its shade and the highlight drawn from them; hit faces and label
// corners copied into the point; the face buffers made ready before a drawing.

#include "chart/model/ChartDrawingViews.h"
#include "drawing/CChartShapePainter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<POINT> Square(int l, int t, int r, int b)
{
    return {{l, t}, {r, t}, {r, b}, {l, b}};
}

std::string Str(const std::vector<POINT>& points)
{
    std::string out;
    for (const POINT& p : points)
        out += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
    return out;
}

} // namespace

TEST(ChartDrawingViews, SeriesColourShadeAndHighlightOfAPoint)
{
    const struct
    {
        int type;
        COLORREF colour, front, side, highlight; // front: style slot 0; side: slot 2
    } cases[] = {
        {kChartColumn, RGB(255, 100, 10), RGB(255, 100, 10), RGB(205, 80, 8), RGB(255, 221, 202)},
        {kChartBar, RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(200, 200, 200)},
        {kChartLine, RGB(255, 100, 10), RGB(205, 80, 8), RGB(205, 80, 8), RGB(244, 217, 201)},
        {kChartPie, RGB(10, 20, 30), RGB(8, 16, 24), RGB(8, 16, 24), RGB(201, 203, 205)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type);
        const CChartItem point("5", c.colour, c.type, 0);
        const CChartPointStyle style = PointStyleOf(point);
        EXPECT_EQ(style.faces[0].colour, c.front);
        EXPECT_EQ(style.faces[2].colour, c.side);
        EXPECT_EQ(style.faces[4].colour, c.type == kChartLine || c.type == kChartPie ? c.colour : c.side);
        EXPECT_EQ(CChartShapePainter::HighlightColour(style.faces[0].fillKind, style.faces[0].colour), c.highlight);
        EXPECT_EQ(style.highlight, 1);
        EXPECT_EQ(style.chartType, c.type);
    }
}

TEST(ChartDrawingViews, ViewsCarryTheirRecordsFields)
{
    CChartItem point("-2", RGB(1, 2, 3), kChartPie, 6);
    point.faceGradient[3][1] = RGB(9, 9, 9);
    point.facePattern[5] = 7;
    point.placement[0] = int(RGB(40, 50, 60));
    point.nLineStyle = 4;
    point.faceOutline[1] = Square(0, 0, 4, 4);
    point.chSelPart = 'b';
    point.rcTopOuter = CRect(1, 2, 3, 4);
    point.rcTopInner = CRect(5, 6, 7, 8);
    point.nExplodeA = 12;
    point.nPieDepth = 9;
    point.bLabelFixedAngle = 0;
    point.hitFaces[2] = CChartHitFace{Square(1, 1, 2, 2), 's'};
    const CChartPointStyle style = PointStyleOf(point);
    EXPECT_EQ(style.faces[3].gradient[1], RGB(9, 9, 9));
    EXPECT_EQ(style.faces[5].pattern, 7);
    EXPECT_EQ(style.lineColour, RGB(40, 50, 60));
    EXPECT_EQ(style.lineStyle, 4);
    EXPECT_EQ(style.outline[1], point.faceOutline[1].data());
    EXPECT_EQ(style.outlineCount[1], 4);
    EXPECT_EQ(style.outlineCount[0], 0);
    EXPECT_EQ(style.selectedPart, 'b');
    const CChartLabelPoint label = LabelPointOf(point);
    EXPECT_EQ(label.value, -2);
    EXPECT_TRUE(label.hasText);
    EXPECT_EQ(CRect(label.sliceRect), CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(label.secondRect), CRect(5, 6, 7, 8));
    EXPECT_EQ(label.selector, 12);
    EXPECT_EQ(label.offset, 9);
    EXPECT_EQ(label.placement, 0);
    EXPECT_EQ(label.hitFaces[2].count, 4);
    EXPECT_EQ(label.hitFaces[2].letter, 's');

    CNorvakChart chart(kChartBar, 4, 0, 1);
    chart.wallPoints[3] = POINT{7, 8};
    chart.wallPoints[5] = POINT{9, 10};
    chart.bFloorHighlight = 1;
    const CChart3DView view = Chart3DViewOf(chart);
    EXPECT_EQ(view.type, kChartBar);
    EXPECT_EQ(view.subType, 4);
    EXPECT_EQ(view.wall3.x, 7);
    EXPECT_EQ(view.wall5.y, 10);
    EXPECT_EQ(view.floorHighlight, 1);

    const CChartTextItem entry(kChartLine, 6, "系列2", RGB(1, 2, 3));
    const CMarkerKey key = MarkerKeyOf(entry);
    EXPECT_EQ(key.markerIndex, 5);
    EXPECT_EQ(key.lineFlag, 1);
    EXPECT_EQ(key.ringFlag, 0);
    EXPECT_EQ(key.glyphTextColour, RGB(1, 2, 3));
    EXPECT_EQ(key.glyphBackColour, RGB(255, 255, 255));
    EXPECT_EQ(key.entryKind, kChartLine);
}

TEST(ChartDrawingViews, GeometryHandedBackIsCopied)
{
    CChartItem point;
    point.faceOutline[0] = Square(0, 0, 10, 10);
    point.hitFaces[1] = CChartHitFace{Square(5, 5, 6, 6), 'b'};
    // Recorded faces may point into the point's own lists, the ones being replaced among them.
    const CHitFace faces[CChartItem::kFaces] = {
        {point.faceOutline[0].data(), 4, 'z'}, {point.hitFaces[1].points.data(), 4, 'b'}, {nullptr, 3, 'l'},
        {point.faceOutline[0].data(), -2, 'r'},
    };
    StoreHitFaces(point, faces);
    EXPECT_EQ(Str(point.hitFaces[0].points), Str(Square(0, 0, 10, 10)));
    EXPECT_NE(point.hitFaces[0].points.data(), point.faceOutline[0].data());
    EXPECT_EQ(Str(point.hitFaces[1].points), Str(Square(5, 5, 6, 6)));
    EXPECT_TRUE(point.hitFaces[2].points.empty());
    EXPECT_TRUE(point.hitFaces[3].points.empty());
    EXPECT_EQ(point.hitFaces[3].chLetter, 'r');

    CChartLabelPoint label = LabelPointOf(point);
    label.labelCorners[3] = POINT{8, 9};
    StoreLabelCorners(point, label);
    EXPECT_EQ(point.labelCorners[3].y, 9);
}

TEST(ChartDrawingViews, BuffersBeforeADrawing)
{
    const struct
    {
        int type;
        size_t count;
    } cases[] = {{kChartColumn, 4}, {kChartBar, 4}, {kChartLine, 0}, {kChartPie, 0}, {kChartCylinder, 0}};
    for (const auto& c : cases) {
        CNorvakChart chart(c.type, 0, 0, 1);
        CChartItemTable items(3, CChartItemArray(2));
        items[0][1].faceOutline[2] = Square(0, 0, 1, 1);
        items[1].resize(1);                              // shorter than the first row
        items[2].resize(3);                              // longer: its third point is left alone
        items[2][2].faceOutline[0] = Square(0, 0, 1, 1);
        EXPECT_EQ(ResetChartItemBuffers(chart, items), 2) << c.type;
        for (const CChartItemArray& row : items)
            for (size_t k = 0; k < row.size() && k < 2; ++k)
                for (int face = 0; face < CChartItem::kFaces; ++face)
                    EXPECT_EQ(row[k].faceOutline[face].size(), c.count) << c.type;
        EXPECT_EQ(items[2][2].faceOutline[0].size(), 4u);
    }
    CNorvakChart chart;
    CChartItemTable empty;
    EXPECT_EQ(ResetChartItemBuffers(chart, empty), 0);
}
