// Pixel probes of the fill painter: every gradient style and variant, solid, texture and pattern
// fills, and the frame drawn with the caller's pen.

#include "drawing/CFillPainter.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"

#include <cmath>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

// Grey level of line i of a black-to-white run: colour1 - t(i * d / n), d = -255.
int GreyFromBlack(int i, float n)
{
    float step = -255.0f / n;
    return int(0 - std::trunc(static_cast<long double>(i) * step));
}
int GreyFromWhite(int i, float n)
{
    float step = -255.0f / n;
    return int(255 + std::trunc(static_cast<long double>(i) * step));
}

COLORREF Grey(int level)
{
    return RGB(level, level, level);
}

// Paints a gradient with a null pen, so only the lines show.
void PaintGradient(DrawingCanvas& canvas, CRect r, COLORREF c1, COLORREF c2, int style, int variant)
{
    CSelectObject pen(*canvas.dc(), ::GetStockObject(NULL_PEN));
    CFillPainter().DrawGradient(canvas.dc(), r.left, r.top, r.right, r.bottom, c1, c2, style, variant);
}

} // namespace

TEST(FillPainter, HorizontalBandsRunFromColour1AndNeverReachColour2)
{
    DrawingCanvas canvas(20, 256);
    PaintGradient(canvas, CRect(0, 0, 10, 256), kBlack, kWhite, 0, 0);
    EXPECT_EQ(canvas.At(5, 0), Grey(0));
    EXPECT_EQ(canvas.At(5, 128), Grey(127));
    EXPECT_EQ(canvas.At(5, 255), Grey(254));
    EXPECT_EQ(canvas.At(10, 100), canvas.At(0, 100)) << "each line runs to r + 1";
}

struct BandCase
{
    int style, variant;
};

// Probes line i of styles 0 (rows) and 1 (columns) over a 10-line run for every variant.
TEST(FillPainter, BandVariantsFollowTheirColourDirection)
{
    for (BandCase c : {BandCase{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 1}, {1, 2}, {1, 3}}) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " variant " << c.variant);
        DrawingCanvas canvas(30, 30);
        // Style 0 has b - t lines, style 1 has r - l + 1.
        CRect r = c.style == 0 ? CRect(2, 2, 20, 12) : CRect(2, 2, 11, 20);
        PaintGradient(canvas, r, kBlack, kWhite, c.style, c.variant);
        auto probe = [&](int i) { return c.style == 0 ? canvas.At(5, 2 + i) : canvas.At(2 + i, 5); };
        for (int i = 0; i < 10; ++i) {
            int expected;
            if (c.variant == 0)
                expected = GreyFromBlack(i, 10);
            else if (c.variant == 1)
                expected = GreyFromWhite(i, 10);
            else if (i < 5)
                expected = c.variant == 2 ? GreyFromBlack(i, 5) : GreyFromWhite(i, 5);
            else
                expected = c.variant == 2 ? GreyFromWhite(i - 4, 5) : GreyFromBlack(i - 4, 5);
            EXPECT_EQ(probe(i), Grey(expected)) << "line " << i;
        }
    }
}

// For the diagonal, corner and centre styles: which line paints a probed pixel, and its colour.
struct ShapeCase
{
    int style, variant;
    POINT probe;
    int line;
    float run;
    bool fromBlack;
};

TEST(FillPainter, DiagonalCornerAndCentreStylesColourTheirLines)
{
    // Rectangle (10, 10, 29, 30): width r - l + 1 = 20, height 20, so m = 10.
    const ShapeCase cases[] = {
        {2, 0, {13, 15}, 8, 40, true},        {2, 1, {13, 15}, 8, 40, false}, {2, 2, {13, 15}, 8, 20, true},
        {2, 2, {25, 25}, 30 - 19, 20, false}, {3, 0, {27, 15}, 8, 40, true},  {3, 3, {27, 15}, 8, 20, false},
        {4, 0, {13, 16}, 6, 20, true},        {4, 1, {26, 16}, 6, 20, true},  {4, 2, {13, 24}, 6, 20, true},
        {4, 3, {26, 24}, 6, 20, true},        {5, 0, {25, 20}, 5, 10, true},  {5, 1, {25, 20}, 5, 10, false},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " variant " << c.variant);
        DrawingCanvas canvas(40, 40);
        PaintGradient(canvas, CRect(10, 10, 29, 30), kBlack, kWhite, c.style, c.variant);
        int level = c.fromBlack ? GreyFromBlack(c.line, c.run) : GreyFromWhite(c.line, c.run);
        EXPECT_EQ(canvas.At(c.probe.x, c.probe.y), Grey(level));
    }
}

TEST(FillPainter, CircleGradientBrightensOutwardFromTheCentre)
{
    DrawingCanvas canvas(80, 80);
    PaintGradient(canvas, CRect(0, 0, 79, 80), kBlack, RGB(0, 0, 255), 5, 2);
    int previous = -1;
    for (int distance : {6, 16, 26, 36}) {
        int blue = GetBValue(canvas.At(40 + distance, 40));
        EXPECT_GT(blue, previous) << "at distance " << distance;
        previous = blue;
    }
}

TEST(FillPainter, EqualColoursOrAnUnknownVariantNeedNoGradient)
{
    DrawingCanvas canvas(30, 30);
    PaintGradient(canvas, CRect(2, 2, 20, 20), RGB(10, 20, 30), RGB(10, 20, 30), 3, 1);
    EXPECT_EQ(canvas.At(20, 19), RGB(10, 20, 30)) << "a solid fill up to r + 1";
    canvas.Clear();
    for (int style : {0, 1, 2, 3, 4, 5}) {
        PaintGradient(canvas, CRect(2, 2, 20, 20), kBlack, kWhite, style, 7);
        EXPECT_EQ(canvas.InkIn(CRect(0, 0, 30, 30)), 0) << "style " << style;
    }
}

TEST(FillPainter, GradientFramesWithTheCallersPen)
{
    DrawingCanvas canvas(30, 30);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CSelectObject pen(*canvas.dc(), red);
    CFillPainter().DrawGradient(canvas.dc(), 2, 2, 20, 20, kBlack, kWhite, 0, 0);
    EXPECT_EQ(canvas.At(2, 10), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(19, 10), RGB(255, 0, 0));
}

// A y-up rectangle (bottom above top) keeps colour 1 at the edge given as top.
TEST(FillPainter, UpsideDownRectangleStillStartsAtItsTop)
{
    DrawingCanvas canvas(20, 30);
    PaintGradient(canvas, CRect(0, 25, 10, 5), kBlack, kWhite, 0, 0);
    EXPECT_EQ(canvas.At(5, 25), Grey(0));
    EXPECT_EQ(canvas.At(5, 6), Grey(GreyFromBlack(19, 20)));
}

TEST(FillPainter, PolygonGradientCoversTheBoundingBoxOfNegativePoints)
{
    const POINT points[] = {{-30, -20}, {-5, -20}, {-5, -2}};
    EXPECT_EQ(CFillPainter::BoundingBox(points, 3), CRect(-30, -20, -5, -2));
    DrawingCanvas canvas(40, 40);
    canvas.dc()->SetWindowOrg(-35, -25);
    CSelectObject pen(*canvas.dc(), ::GetStockObject(NULL_PEN));
    CFillPainter().DrawPolygonGradient(canvas.dc(), points, 3, RGB(255, 0, 0), RGB(0, 0, 255), 0, 0);
    EXPECT_EQ(canvas.At(-29 + 35, -20 + 25), RGB(255, 0, 0));
    EXPECT_TRUE(canvas.IsInk(-6 + 35, -3 + 25));
}

TEST(FillPainter, PatternCellIsReadColumnByColumn)
{
    std::vector<FillPatternEntry> patterns(1);
    patterns[0].pixels[1 * 8 + 0] = 1; // x = 1, y = 0
    CFillTables tables{&patterns, nullptr};
    DrawingCanvas canvas(32, 32);
    CSelectObject pen(*canvas.dc(), ::GetStockObject(NULL_PEN));
    CFillPainter(tables).FillPatternRect(canvas.dc(), 0, 0, 33, 33, 0, RGB(255, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(1, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(9, 8), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(0, 1), RGB(0, 255, 0));
    canvas.Clear();
    for (int bad : {-1, 1})
        CFillPainter(tables).FillPatternRect(canvas.dc(), 0, 0, 33, 33, bad, RGB(255, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 32, 32)), 0);
}

TEST(FillPainter, TextureStartsAtTheRectanglesCorner)
{
    CBitmap texture;
    DWORD* bits = nullptr;
    ASSERT_TRUE(texture.CreateDIBSection32(8, 8, &bits));
    for (int i = 0; i < 64; ++i)
        bits[i] = 0x0000FF; // blue
    bits[0] = 0xFF0000;     // red at (0, 0)
    DrawingCanvas canvas(40, 40);
    CSelectObject pen(*canvas.dc(), ::GetStockObject(NULL_PEN));
    CFillPainter().FillTextureRect(canvas.dc(), 5, 3, 30, 30, &texture);
    EXPECT_EQ(canvas.At(5, 3), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(13, 11), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(6, 3), RGB(0, 0, 255));
    EXPECT_FALSE(canvas.IsInk(30, 10));
}

TEST(FillPainter, TextureAndPatternFramesEndOnePixelLeftOfTheRightEdge)
{
    // Rectangle (10, 10, 50, 40) with the caller's black pen: the frame is drawn as
    // Rectangle(l, t, r - 1, b), so its right side stands in column 48; a texture fills column 49
    // too, a pattern does not.
    const COLORREF green = RGB(0, 255, 0), black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    CBitmap texture;
    DWORD* bits = nullptr;
    ASSERT_TRUE(texture.CreateDIBSection32(8, 8, &bits));
    for (int i = 0; i < 64; ++i)
        bits[i] = 0x00FF00;
    std::vector<FillPatternEntry> patterns(1);
    CFillTables tables{&patterns, nullptr};
    CPen pen(PS_SOLID, 1, black);

    DrawingCanvas canvas(60, 50);
    {
        CSelectObject select(*canvas.dc(), pen);
        CFillPainter().FillTextureRect(canvas.dc(), 10, 10, 50, 40, &texture);
    }
    EXPECT_EQ(canvas.At(10, 25), black);
    EXPECT_EQ(canvas.At(48, 25), black);
    EXPECT_EQ(canvas.At(49, 25), green);
    EXPECT_EQ(canvas.At(30, 39), black);
    EXPECT_EQ(canvas.At(30, 25), green);

    canvas.Clear();
    {
        CSelectObject select(*canvas.dc(), pen);
        CFillPainter(tables).FillPatternRect(canvas.dc(), 10, 10, 50, 40, 0, green, green);
    }
    EXPECT_EQ(canvas.At(10, 25), black);
    EXPECT_EQ(canvas.At(48, 25), black);
    EXPECT_EQ(canvas.At(49, 25), white);
    EXPECT_EQ(canvas.At(30, 25), green);
}

TEST(FillPainter, ThousandFillsLeakNoGdiObject)
{
    std::vector<FillPatternEntry> patterns(1);
    patterns[0].pixels[3] = 1;
    CBitmap texture;
    ASSERT_TRUE(texture.CreateDIBSection32(4, 4));
    DrawingCanvas canvas(40, 40);
    const POINT triangle[] = {{0, 0}, {30, 0}, {0, 30}};
    const DWORD before = GdiObjectCount();
    HGDIOBJ pen = canvas.dc()->GetCurrentObject(OBJ_PEN), brush = canvas.dc()->GetCurrentObject(OBJ_BRUSH);
    for (int i = 0; i < 1000; ++i) {
        CFillPainter painter(CFillTables{&patterns, nullptr});
        painter.DrawGradient(canvas.dc(), 0, 0, 10, 10, kBlack, kWhite, i % 6, i % 4);
        painter.FillSolidRect(canvas.dc(), 0, 0, 10, 10, kBlack);
        painter.FillPatternRect(canvas.dc(), 0, 0, 10, 10, 0, kBlack, kWhite);
        painter.FillPatternPolygon(canvas.dc(), triangle, 3, 0, kBlack, kWhite);
        painter.FillTextureRect(canvas.dc(), 0, 0, 10, 10, &texture);
        painter.FillTexturePolygon(canvas.dc(), triangle, 3, &texture);
    }
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_EQ(canvas.dc()->GetCurrentObject(OBJ_PEN), pen);
    EXPECT_EQ(canvas.dc()->GetCurrentObject(OBJ_BRUSH), brush);
}

// Only the lines that can meet the clip are drawn: under any clip the gradient shows what the
// whole gradient shows there, for every style and variant, mirrored too (a y-up rectangle).
TEST(FillPainter, AGradientUnderAClipShowsWhatTheWholeGradientShowsThere)
{
    constexpr int kSize = 120;
    const CRect clips[] = {{0, 0, 30, 20}, {50, 40, 70, 65}, {90, 100, 120, 120}, {0, 55, 120, 60},
                           {100, 0, 104, 120}};
    const CRect rects[] = {{5, 8, 110, 112}, {5, 112, 110, 8}, {-400, -300, 300, 250}};
    for (const CRect& r : rects)
        for (int style = 0; style <= 5; ++style)
            for (int variant = 0; variant <= 3; ++variant) {
                DrawingCanvas whole(kSize, kSize);
                PaintGradient(whole, r, RGB(0, 40, 200), RGB(250, 200, 0), style, variant);
                for (const CRect& clip : clips) {
                    DrawingCanvas part(kSize, kSize);
                    {
                        CClipGuard guard(*part.dc());
                        part.dc()->IntersectClipRect(clip);
                        PaintGradient(part, r, RGB(0, 40, 200), RGB(250, 200, 0), style, variant);
                    }
                    int differing = 0;
                    for (int y = clip.top; y < clip.bottom; ++y)
                        for (int x = clip.left; x < clip.right; ++x)
                            differing += whole.At(x, y) != part.At(x, y);
                    EXPECT_EQ(differing, 0) << "rect " << r.left << "," << r.top << "," << r.right << ","
                                            << r.bottom << " style " << style << " variant " << variant
                                            << " clip " << clip.left << "," << clip.top;
                }
            }
}
