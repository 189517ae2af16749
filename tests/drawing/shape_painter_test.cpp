// The chart shape painter: fill kinds of styled rectangles and polygons, the light inner edge,
// face styles by face number, flattened ellipse and pie faces, selection grips, part options.

#include "drawing/CChartShapePainter.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255),
                   kBlack = RGB(0, 0, 0);

struct Tables
{
    std::vector<FillPatternEntry> patterns = std::vector<FillPatternEntry>(1);
    std::vector<TextureEntry> textures = std::vector<TextureEntry>(2);
    Tables()
    {
        for (int k = 0; k < 64; k += 2)
            patterns[0].pixels[k] = 1; // rows 0, 2, 4, 6 of every column
        textures[0].bitmap = std::make_shared<CBitmap>();
        DWORD* bits = nullptr;
        textures[0].bitmap->CreateDIBSection32(4, 4, &bits);
        for (int i = 0; i < 16; ++i)
            bits[i] = 0x00FF00;
    }
    CFillTables view() const { return CFillTables{&patterns, &textures}; }
};

void StyledRect(DrawingCanvas& canvas, const Tables& tables, int lineStyle, int fillKind, int texture = 0,
                int pattern = 0, int highlight = 0, COLORREF colour1 = kRed)
{
    CChartShapePainter(tables.view())
        .FillStyledRect(canvas.dc(), CRect(10, 10, 50, 40), lineStyle, 1, kBlack, fillKind, colour1, kBlue, 0,
                        0, 0, texture, pattern, highlight);
}

} // namespace

TEST(ShapePainter, FillKindsOfAStyledRectangle)
{
    const Tables tables;
    struct Case
    {
        int fillKind, texture, pattern;
        COLORREF inside;
        bool framed;
    };
    const COLORREF green = RGB(0, 255, 0);
    const Case cases[] = {
        {0, 0, 0, kWhite, true},  {1, 0, 0, kRed, true},  {2, 0, 0, CLR_INVALID, false},
        {3, 0, 0, kWhite, false}, {4, 0, 0, green, true}, {4, -1, 0, kWhite, false},
        {4, 1, 0, kWhite, false}, {5, 0, 0, kRed, true},  {5, 0, -1, kWhite, false},
        {5, 0, 3, kWhite, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "kind " << c.fillKind << " texture " << c.texture << " pattern " << c.pattern);
        DrawingCanvas canvas(60, 60);
        StyledRect(canvas, tables, 1, c.fillKind, c.texture, c.pattern);
        if (c.inside == CLR_INVALID) // a gradient between red and blue
            EXPECT_TRUE(canvas.IsInk(20, 20) && canvas.At(20, 20) != kBlack);
        else
            EXPECT_EQ(canvas.At(20, 20), c.inside);
        EXPECT_EQ(canvas.At(10, 25) == kBlack, c.framed) << "left edge";
        EXPECT_EQ(canvas.At(30, 10) == kBlack, c.framed) << "top edge";
        EXPECT_EQ(canvas.InkIn(CRect(0, 0, 60, 8)), 0) << "nothing above the rectangle";
    }
    DrawingCanvas canvas(60, 60);
    StyledRect(canvas, tables, 0, 1);
    EXPECT_EQ(canvas.At(10, 25), kRed) << "line style 0 shows no outline";
}

TEST(ShapePainter, GradientKindStaysInsideTheRectangleAndRestoresTheClip)
{
    const Tables tables;
    DrawingCanvas canvas(80, 80);
    CRgn clip;
    clip.CreateRectRgn(0, 0, 70, 70);
    canvas.dc()->SelectClipRgn(clip);
    CChartShapePainter(tables.view())
        .FillStyledRect(canvas.dc(), CRect(10, 10, 50, 40), 1, 1, kBlack, 2, kRed, kBlue, 0, 2, 0, -1, -1, 0);
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 80, 10)), 0) << "diagonal overshoot is clipped";
    EXPECT_EQ(canvas.InkIn(CRect(50, 0, 80, 80)), 0);
    EXPECT_TRUE(canvas.IsInk(20, 20));
    RECT box{};
    EXPECT_EQ(canvas.dc()->GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(CRect(box), CRect(0, 0, 70, 70));
}

TEST(ShapePainter, HighlightEdgeIsLightenedColourOneForSolidFillsElseWhite)
{
    EXPECT_EQ(CChartShapePainter::HighlightColour(1, RGB(0, 0, 0)), RGB(200, 200, 200));
    EXPECT_EQ(CChartShapePainter::HighlightColour(1, RGB(255, 100, 10)), RGB(255, 221, 202));
    EXPECT_EQ(CChartShapePainter::HighlightColour(2, RGB(0, 0, 0)), kWhite);
    const Tables tables;
    DrawingCanvas canvas(60, 60);
    StyledRect(canvas, tables, 1, 1, 0, 0, 1, kBlack);
    EXPECT_EQ(canvas.At(12, 30), RGB(200, 200, 200)) << "left inner edge";
    EXPECT_EQ(canvas.At(30, 12), RGB(200, 200, 200)) << "top inner edge";
    EXPECT_EQ(canvas.At(47, 30), kBlack) << "no edge on the right";
}

TEST(ShapePainter, OnlyFrontFacesOfColumnsAndBarsGetTheLightInnerEdge)
{
    const POINT square[] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    for (int chartType = -1; chartType <= 4; ++chartType)
        for (int face : {0, 1}) {
            CChartPointStyle item;
            item.chartType = chartType;
            item.faces[0] = item.faces[1] = CFaceFill{1, kBlack};
            DrawingCanvas canvas(50, 50);
            CChartShapePainter().DrawStyledFace(canvas.dc(), square, 4, nullptr, item, face);
            const bool edged = face == 0 && (chartType == 0 || chartType == 1);
            EXPECT_EQ(canvas.At(12, 25), edged ? RGB(200, 200, 200) : kBlack) << "type " << chartType << " face " << face;
            EXPECT_EQ(canvas.At(25, 12), edged ? RGB(200, 200, 200) : kBlack) << "type " << chartType << " face " << face;
        }
}

TEST(ShapePainter, FaceNumbersTakeTheirStyleSlots)
{
    CChartPointStyle item;
    item.lineStyle = 0;
    item.highlight = 0;
    const COLORREF slotColours[6] = {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0),
                                     RGB(40, 0, 0), RGB(50, 0, 0), RGB(60, 0, 0)};
    for (int k = 0; k < 6; ++k)
        item.faces[k] = CFaceFill{1, slotColours[k]};
    const int expectedSlot[6] = {0, 1, 4, 5, 2, 3};
    const POINT square[] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    for (int face = 0; face <= 6; ++face) {
        DrawingCanvas canvas(50, 50);
        CChartShapePainter().DrawStyledFace(canvas.dc(), square, 4, nullptr, item, face);
        EXPECT_EQ(canvas.At(25, 25), face < 6 ? slotColours[expectedSlot[face]] : kWhite) << face;
    }
}

TEST(ShapePainter, TwoPointFaceIsOneSegmentInTheLinePen)
{
    CChartPointStyle item;
    item.lineColour = kBlue;
    DrawingCanvas canvas(50, 50);
    const POINT segment[] = {{5, 20}, {45, 20}};
    CChartShapePainter().DrawStyledFace(canvas.dc(), segment, 2, nullptr, item, 0);
    EXPECT_EQ(canvas.At(25, 20), kBlue);
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 50, 18)), 0);
    EXPECT_EQ(canvas.InkIn(CRect(0, 23, 50, 50)), 0);
}

TEST(ShapePainter, EllipseAndPieFacesAreFlattenedAndFilled)
{
    CChartPointStyle item;
    item.faces[0] = CFaceFill{1, kRed};
    DrawingCanvas canvas(80, 80);
    CChartShapePainter().DrawEllipseFace(canvas.dc(), 10, 10, 70, 50, nullptr, item, 0);
    EXPECT_EQ(item.highlight, 0) << "a curved face has no inner edge";
    EXPECT_EQ(canvas.At(40, 30), kRed);
    EXPECT_EQ(canvas.At(12, 12), kWhite) << "outside the ellipse";
    canvas.Clear();
    CChartShapePainter().DrawPieFace(canvas.dc(), 10, 10, 70, 70, 40, 10, 40, 70, nullptr, item, 0);
    EXPECT_EQ(canvas.At(25, 40), kRed) << "the left half, swept counter-clockwise";
    EXPECT_EQ(canvas.At(55, 40), kWhite);
    canvas.Clear();
    CChartShapePainter().DrawEllipseFace(canvas.dc(), 10, 30, 70, 30, nullptr, item, 0);
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 80, 28)), 0) << "a flat ellipse is at most a segment";
    EXPECT_EQ(canvas.InkIn(CRect(0, 33, 80, 80)), 0);
}

TEST(ShapePainter, PolygonKindsFillInsideThePolygon)
{
    const Tables tables;
    const POINT triangle[] = {{10, 10}, {70, 10}, {10, 70}};
    for (int kind : {1, 2, 4, 5}) {
        DrawingCanvas canvas(80, 80);
        CChartShapePainter(tables.view())
            .FillStyledPolygon(canvas.dc(), triangle, 3, 1, 1, kBlack, kind, kRed, kRed, 0, 0, 0, 0, 0, 0);
        EXPECT_TRUE(canvas.IsInk(20, 20)) << kind;
        EXPECT_FALSE(canvas.IsInk(60, 60)) << "outside the triangle, kind " << kind;
    }
    DrawingCanvas canvas(80, 80);
    CChartShapePainter(tables.view())
        .FillStyledPolygon(canvas.dc(), triangle, 0, 1, 1, kBlack, 1, kRed, kRed, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 80, 80)), 0);
}

TEST(ShapePainter, SelectionGripsByChartTypeAndPart)
{
    // Eight points 10 pixels apart in the outline of the selected part. Each point shows a black
    // square with a yellow inside ('S'), a blue square ('B'), an ellipse ('E') or nothing ('-').
    std::vector<POINT> outline;
    for (int i = 0; i < 8; ++i)
        outline.push_back({10 + 10 * i, 40});
    const std::string all = "EEEEEEEE", none = "--------", fourPoints = "E-E-EE--";
    // Per chart type, the grips of each part in the order z b l r s x.
    const std::vector<std::string> other{all, none, all, all, all, all};
    const std::map<int, std::vector<std::string>> expected{
        {0, other},
        {1, other},
        {2, other},
        {3, {"BBBBBBBB", "SSSSSSSS", "SSSSSSSS", "SSSSSSSS", all, none}},
        {4, {"E-EEE-EE", none, fourPoints, fourPoints, fourPoints, fourPoints}},
    };
    const std::string parts = "zblrsx";
    for (const auto& [chartType, byPart] : expected)
        for (size_t k = 0; k < parts.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "type " << chartType << " part " << parts[k]);
            CChartPointStyle item;
            item.chartType = chartType;
            item.selectedPart = parts[k];
            item.outline[k] = outline.data();
            item.outlineCount[k] = 8;
            DrawingCanvas canvas(100, 60);
            CChartShapePainter().DrawSelectionGrips(canvas.dc(), item);
            std::string seen;
            for (const POINT& p : outline) {
                const COLORREF centre = canvas.At(p.x, p.y);
                seen += centre == RGB(0, 0, 255)                ? 'B'
                        : centre == RGB(255, 255, 0)            ? 'S'
                        : canvas.At(p.x - 3, p.y) == RGB(0, 0, 0) ? 'E'
                                                                : '-';
            }
            EXPECT_EQ(seen, byPart[k]);
        }
    CChartPointStyle unselected;
    unselected.outline[0] = outline.data();
    unselected.outlineCount[0] = 8;
    DrawingCanvas canvas(100, 60);
    CChartShapePainter().DrawSelectionGrips(canvas.dc(), unselected);
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 100, 60)), 0) << "no part selected, no grips";
}

namespace {

struct PartOption
{
    unsigned char chPart, chLevel;
    int nShown;
};
struct Chart
{
    std::vector<PartOption> partOrder;
};

} // namespace

TEST(ShapePainter, PartOptionsReadAndWriteTheChartsPartList)
{
    Chart chart;
    EXPECT_EQ(CChartShapePainter::GetPartOption<Chart>(nullptr, 1), 0);
    EXPECT_EQ(CChartShapePainter::GetPartOption(&chart, 9), 1) << "an empty list shows everything";
    chart.partOrder = {{2, 1, 0}, {4, 2, 1}, {2, 3, 1}};
    EXPECT_EQ(CChartShapePainter::GetPartOption(&chart, 2), 0) << "the first entry of the kind";
    EXPECT_EQ(CChartShapePainter::GetPartOption(&chart, 5), 1);
    EXPECT_EQ(CChartShapePainter::GetPartOption(&chart, 9), 0);
    CChartShapePainter::SetPartOption(&chart, 2, 7);
    EXPECT_EQ(chart.partOrder[0].nShown, 7);
    EXPECT_EQ(chart.partOrder[2].nShown, 7);
    CChartShapePainter::SetPartOption(&chart, 9, 5);
    EXPECT_EQ(chart.partOrder[1].nShown, 1);
}

TEST(ShapePainter, ThousandCallsOfEachOperationLeakNothing)
{
    const Tables tables;
    DrawingCanvas canvas(80, 80);
    const POINT square[] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    CChartPointStyle item;
    item.faces[0] = CFaceFill{2, 0, {kRed, kBlue}, 1, 0, 0, 0, 0, 0};
    item.selectedPart = 'z';
    item.outline[0] = square;
    item.outlineCount[0] = 4;
    HGDIOBJ pen = canvas.dc()->GetCurrentObject(OBJ_PEN), brush = canvas.dc()->GetCurrentObject(OBJ_BRUSH);
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        const CChartShapePainter painter(tables.view());
        painter.FillStyledRect(canvas.dc(), CRect(5, 5, 60, 60), i % 15, 2, kBlack, i % 6, kRed, kBlue, 0,
                               i % 6, i % 4, 0, 0, i % 2);
        painter.FillStyledPolygon(canvas.dc(), square, 4, i % 15, 1, kBlack, i % 6, kRed, kBlue, 0, 0, 0, 0,
                                  0, 1);
        item.faces[0].fillKind = i % 6;
        painter.DrawStyledFace(canvas.dc(), square, 4, nullptr, item, i % 7);
        painter.DrawEllipseFace(canvas.dc(), 5, 5, 60, 40, nullptr, item, 0);
        painter.DrawPieFace(canvas.dc(), 5, 5, 60, 60, 30, 5, 30, 60, nullptr, item, 2);
        painter.DrawSelectionGrips(canvas.dc(), item);
    }
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_EQ(canvas.dc()->GetCurrentObject(OBJ_PEN), pen);
    EXPECT_EQ(canvas.dc()->GetCurrentObject(OBJ_BRUSH), brush);
}

// Which faces of a 3-D item are drawn and how they are recorded, by the box's corners and the sign.
TEST(ShapePainter, ThreeDimensionalItemsRecordTheirFacesFrontFirst)
{
    struct Case
    {
        int type, subType;
        POINT w0, w3, w5;
        double value;
        const char* letters;
    };
    const Case cases[] = {
        {0, 0, {10, 50}, {5, 40}, {0, 0}, 1, "zrxslb"},
        {0, 0, {10, 50}, {5, 40}, {0, 0}, -1, "zrsxlb"},
        {0, 0, {0, 50}, {5, 60}, {0, 0}, 1, "zlsxrb"},
        {1, 0, {0, 50}, {5, 40}, {9, 60}, 1, "zslrxb"},
        {1, 0, {20, 50}, {5, 40}, {9, 40}, -1, "zxlrsb"},
        {4, 1, {0, 50}, {0, 40}, {0, 0}, 1, "zxslrb"},
        {4, 4, {0, 50}, {0, 0}, {9, 0}, -1, "zrlsxb"},
        {2, 0, {0, 0}, {0, 0}, {0, 0}, 1, ""},
        {4, 6, {0, 0}, {0, 0}, {0, 0}, 1, ""},
    };
    POINT faces[6][10];
    CChartPointStyle item;
    for (int k = 0; k < 6; ++k) {
        // A square, its last corner repeated up to the buffer's length.
        for (int p = 0; p < 10; ++p)
            faces[k][p] = {10 + 10 * k + (p == 1 || p == 2 ? 8 : 0), 10 + (p >= 2 ? 8 : 0)};
        item.outline[k] = faces[k];
        item.outlineCount[k] = 4 + k; // cylinders record their own counts
        item.faces[k] = CFaceFill{1, RGB(10 * (k + 1), 0, 0)};
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << "/" << c.subType << " value " << c.value);
        DrawingCanvas canvas(100, 40);
        CHitFace recorded[6];
        CChart3DView chart{c.type, c.subType, c.w0, c.w3, c.w5, 0};
        CChartShapePainter().Draw3DItemFaces(canvas.dc(), chart, item, c.value, recorded);
        std::string letters;
        for (const CHitFace& face : recorded)
            if (face.letter)
                letters += face.letter;
        EXPECT_EQ(letters, c.letters);
        if (letters.empty()) {
            EXPECT_EQ(canvas.InkIn(CRect(0, 0, 100, 40)), 0);
            continue;
        }
        const int drawnSide = int(std::string("zblrsx").find(letters[1]));
        EXPECT_EQ(recorded[1].points, faces[drawnSide]);
        EXPECT_EQ(recorded[1].count, c.type == 4 ? 4 + drawnSide : 4);
        EXPECT_EQ(canvas.At(14 + 10 * drawnSide, 14), RGB(10 * (drawnSide + 1), 0, 0))
            << "the seen side is filled";
        EXPECT_EQ(canvas.At(14 + 10 * 1, 14), RGB(255, 255, 255)) << "the back is never drawn";
    }
}

TEST(ShapePainter, ThreeDimensionalFacesAreReadNoFurtherThanTheirBuffers)
{
    POINT shortFace[3] = {{10, 10}, {20, 10}, {20, 20}};
    CChartPointStyle item;
    for (int k = 0; k < 6; ++k) {
        item.outline[k] = shortFace;
        item.outlineCount[k] = k % 4; // 0 to 3 points
    }
    DrawingCanvas canvas(40, 40);
    CHitFace recorded[6];
    CChart3DView chart{0, 0, {10, 50}, {5, 40}, {0, 0}, 0};
    CChartShapePainter().Draw3DItemFaces(canvas.dc(), chart, item, 1, recorded);
    for (int k = 0; k < 6; ++k) {
        if (recorded[k].letter) {
            EXPECT_LE(recorded[k].count, 3) << recorded[k].letter;
        }
    }
}
