// The text drawer, read back from an enhanced metafile: where each ExtTextOutW lands, with which
// alignment and escapement, for every family of position codes, each rotation quadrant and the
// y-up mode. Expectations come from text extents measured with the same font.

#include "drawing/CTextPainter.h"
#include "tests/DrawingCanvas.h"
#include "tests/support/GuiResources.h"
#include "tests/EmfRecorder.h"

#include <cmath>

namespace {

constexpr RECT kRect{20, 30, 220, 130};
constexpr int L = 20, T = 30, R = 220, B = 130, kIndent = 5;

LOGFONTA Song(int escapement = 0)
{
    LOGFONTA font{};
    font.lfHeight = -16;
    font.lfEscapement = escapement;
    font.lfOrientation = escapement;
    font.lfCharSet = GB2312_CHARSET;
    strcpy(font.lfFaceName, "宋体");
    return font;
}

// Extent of text in the given font, measured on a screen-compatible DC as the metafile's
// reference DC measures it.
CSize Measure(const char* text, const LOGFONTA& font)
{
    CDC dc;
    HDC screen = ::GetDC(nullptr);
    dc.CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    CFont created;
    created.CreateFontIndirect(&font);
    CSelectObject select(dc, created);
    return dc.GetTextExtent(text);
}

// Records one call; a y-up call runs in a mapping mode whose y grows upward.
RecordedPicture Draw(const char* text, int code, LOGFONTA font, bool yDown = true, RECT rect = kRect,
                     int indent = kIndent)
{
    return RecordTexts([&](CDC* dc) {
        if (!yDown) {
            dc->SetMapMode(MM_ANISOTROPIC);
            dc->SetWindowExt(1, 1);
            dc->SetViewportExt(1, -1);
        }
        CTextPainter().DrawAlignedText(dc, rect, text, code, &font, yDown, indent, RGB(1, 2, 3));
    });
}

} // namespace

// Codes 1..9 unrotated and 28..36 (with end ellipsis): one line in the 3 x 3 grid.
TEST(TextPainter, SingleLineCodesSitInTheirCellOfTheGrid)
{
    const CSize size = Measure("AB中文", Song());
    for (int first : {1, 28})
        for (int i = 0; i < 9; ++i) {
            const int code = first + i, h = i % 3, v = i / 3;
            SCOPED_TRACE(code);
            RecordedPicture picture = Draw("AB中文", code, Song());
            ASSERT_EQ(picture.texts.size(), 1u);
            const RecordedText& out = picture.texts[0];
            EXPECT_EQ(out.text, L"AB中文");
            EXPECT_EQ(out.colour, RGB(1, 2, 3));
            const int x = h == 0 ? L + kIndent : h == 1 ? L + (R - L - size.cx) / 2 : R - kIndent - size.cx;
            const int y = v == 0 ? T : v == 1 ? T + (B - T - size.cy) / 2 : B - size.cy;
            EXPECT_NEAR(out.reference.x, x, 1);
            EXPECT_NEAR(out.reference.y, y, 1);
        }
}

namespace {

struct RotatedExpectation
{
    UINT align; // UINT(-1): the DC's own (TA_LEFT | TA_TOP here)
    int x, y;
};

// The placement table of rotated single lines, written out per code and quadrant.
RotatedExpectation Rotated(int code, int q, double e, int w, int h, int c1, int c2, bool yDown)
{
    const double th = e * 3.1415926535 / 1800, S = std::sin(th), C = std::cos(th);
    auto t = [](double v) { return int(std::trunc(v)); };
    auto a = [&](double v) { return std::abs(t(v)); };
    const int I = kIndent, mx = L + (R - L) / 2, my = T + (B - T) / 2;
    const UINT cur = UINT(-1), bl = TA_BOTTOM, tl = TA_TOP;
    const RotatedExpectation table[9][4] = {
        {{cur, L + I, T + t(S * w)},
         {cur, L + a(C * w) + I, T + a(S * (c1 + w)) + a(C * h)},
         {bl, L + a(C * w) + I, T},
         {tl, L + a(S * h) + I, T}},
        {{cur, L + t((R - L) / 2 - C * (w / 2) - 0.5 * S * h), T + t(S * w)},
         {TA_CENTER | TA_BOTTOM, mx + t(0.5 * S * h), T + t(S * w) / 2},
         {TA_CENTER | TA_BOTTOM, mx - a(0.5 * S * h), T + a(S * w) / 2},
         {0, 0, 0}},
        {{bl, R - t(C * w) - I, T + t(S * w + C * c2)},
         {bl, R - I, T + a(S * w)},
         {tl, R - I, T + a(C * c2)},
         {0, 0, 0}},
        {{bl, L + t(S * h) + I, my + t(C * c2 + S * w) / 2},
         {cur, L + a(C * w) + I, my + (a(S * w) + a(C * c1)) / 2},
         {bl, L + a(C * w) + I, my - (a(S * w) + a(C * c2)) / 2},
         {tl, L + a(S * h) + I, T + (B - a(S * w) - T) / 2}},
        {{bl, mx - t(C * w - S * h) / 2, T + t(C * c2 + S * w) / 2 + (B - T) / 2},
         {cur, mx + t(a(C * w) - S * h) / 2, my + (a(C * c1) + a(S * w)) / 2},
         {bl, mx + (a(C * w) - a(S * h)) / 2, my - (a(C * c2) + a(S * w)) / 2},
         {TA_CENTER | TA_TOP, yDown ? mx : mx - a(0.5 * S * h), T + (B - a(C * h) - T) / 2}},
        {{bl, R - t(C * w) - I, my + t(S * w + C * c2) / 2},
         {cur, R - t(S * h) - I, my + (a(C * c1) + a(S * w)) / 2},
         {bl, R - a(S * h) - I, my - (a(C * c2) + a(S * w)) / 2},
         {TA_RIGHT | TA_TOP, R - a(S * h) - I, T + (B - a(S * w) - T) / 2}},
        {{bl, L + t(S * h) + I, B},
         {cur, L + a(C * w) + I, B},
         {bl, L + a(C * w) + I, B - (a(S * w) + a(C * c2))},
         {bl, L + I, B - a(S * w)}},
        {{bl, mx - t(C * w - S * h) / 2, B},
         {cur, mx + t(a(C * w) - S * h) / 2, B},
         {bl, mx + (a(C * w) - a(S * h)) / 2, B - (a(C * c2) + a(S * w))},
         {bl, t(L + (R - L) / 2 - 0.5 * C * w), B - a(S * w)}},
        {{bl, R - t(C * w) - I, B},
         {cur, R - t(S * h) - I, B},
         {bl, R - a(S * h) - I, B - (a(C * c2) + a(S * w))},
         {TA_RIGHT | TA_BOTTOM, R - a(C * w) / 2 - I, B}},
    };
    RotatedExpectation expected = table[code - 1][q - 1];
    if (!yDown)
        expected.y = -expected.y;
    return expected;
}

} // namespace

TEST(TextPainter, RotatedCodesArePlacedByQuadrantInBothDirections)
{
    for (bool yDown : {true, false})
        for (int asked : {450, 1350, 2250, 3150}) {
            // y-up mirrors the first quadrant only.
            const int e = !yDown && asked <= 900 ? 3600 - asked : asked;
            const int q = e <= 900 ? 1 : e <= 1800 ? 2 : e <= 2700 ? 3 : 4;
            const LOGFONTA rotated = Song(e);
            const CSize size = Measure("AB中文", rotated);
            const int c1 = Measure("中", rotated).cx, c2 = Measure("固", rotated).cx;
            for (int code = 1; code <= 9; ++code) {
                SCOPED_TRACE(testing::Message()
                             << "code " << code << " escapement " << asked << " yDown " << yDown);
                RecordedPicture picture = Draw("AB中文", code, Song(asked), yDown);
                ASSERT_EQ(picture.texts.size(), 1u);
                const RecordedText& out = picture.texts[0];
                EXPECT_EQ(out.escapement, e);
                if (q == 4 && (code == 2 || code == 3))
                    continue; // laid out by DrawText
                RotatedExpectation expected = Rotated(code, q, e, size.cx, size.cy, c1, c2, yDown);
                EXPECT_EQ(out.align, expected.align == UINT(-1) ? UINT(TA_LEFT | TA_TOP) : expected.align);
                EXPECT_EQ(out.reference.x, expected.x);
                EXPECT_EQ(out.reference.y, expected.y);
            }
        }
}

TEST(TextPainter, EscapementOutsideTheCircleDrawsNothing)
{
    for (int e : {-10, 3700})
        EXPECT_TRUE(Draw("AB", 5, Song(e)).texts.empty()) << e;
    EXPECT_EQ(Draw("AB", 5, Song(3600)).texts.size(), 1u);
}

// Codes 10..27 keep line breaks; 16..27 are measured first and placed middle or bottom.
TEST(TextPainter, MultiLineCodesStackTheirLinesInPlace)
{
    const CSize line = Measure("第一行", Song());
    for (bool yDown : {true, false})
        for (int code = 10; code <= 27; ++code) {
            SCOPED_TRACE(testing::Message() << "code " << code << " yDown " << yDown);
            RecordedPicture picture = Draw("第一行\r\n第二行", code, Song(), yDown);
            ASSERT_EQ(picture.texts.size(), 2u);
            const int pair = (code - 10) / 2, h = pair % 3, v = pair / 3;
            const int x = h == 0 ? L + kIndent : h == 1 ? (L + R) / 2 - line.cx / 2 : R - kIndent - line.cx;
            const int cy = (T + B) / 2;
            const int top = v == 0 ? T : v == 1 ? cy - CTextPainter::Half(2 * line.cy) : B - 2 * line.cy;
            EXPECT_NEAR(picture.texts[0].reference.x, x, 1);
            EXPECT_NEAR(picture.texts[0].reference.y, yDown ? top : -top, 1);
            EXPECT_NEAR(picture.texts[1].reference.y, yDown ? top + line.cy : -(top + line.cy), 1);
        }
}

TEST(TextPainter, LineBreaksAreRemovedWhereTheCodeSaysSo)
{
    RecordedPicture single = Draw("A\r\nB", 5, Song());
    ASSERT_EQ(single.texts.size(), 1u);
    EXPECT_EQ(single.texts[0].text, L"AB");
    EXPECT_EQ(Draw("A\r\nB", 18, Song()).texts.size(), 2u);
    for (int code : {37, 99, -1, 8213}) {
        RecordedPicture picture = Draw("A\nB", code, Song());
        ASSERT_EQ(picture.texts.size(), 1u) << code;
        EXPECT_EQ(picture.texts[0].text, L"AB") << code;
    }
}

TEST(TextPainter, FallbackCodesCentreOneLine)
{
    const CSize size = Measure("AB", Song());
    for (int code : {99, -1, 8213}) {
        RecordedPicture picture = Draw("AB", code, Song());
        ASSERT_EQ(picture.texts.size(), 1u);
        EXPECT_NEAR(picture.texts[0].reference.x, L + (R - L - size.cx) / 2, 1) << code;
        EXPECT_NEAR(picture.texts[0].reference.y, T + (B - T - size.cy) / 2, 1) << code;
    }
}

TEST(TextPainter, DecimalPointSitsAtTheCentre)
{
    const int cx = (L + R) / 2;
    RecordedPicture picture = Draw("12.50", 0, Song());
    ASSERT_EQ(picture.texts.size(), 2u);
    EXPECT_EQ(picture.texts[0].text, L"12");
    EXPECT_EQ(picture.texts[0].align, UINT(TA_RIGHT | TA_BOTTOM));
    EXPECT_EQ(picture.texts[0].reference.x, cx);
    EXPECT_EQ(picture.texts[1].text, L".50");
    EXPECT_EQ(picture.texts[1].align, UINT(TA_LEFT | TA_BOTTOM));
    EXPECT_EQ(picture.texts[1].reference.x, cx);
    EXPECT_EQ(picture.texts[1].colour, RGB(0, 0, 255));
    const int hi = Measure("12", Song()).cy;
    EXPECT_EQ(picture.texts[0].reference.y, B - ((B - T) - (hi - 6)) / 2);

    RecordedPicture whole = Draw("1250", 0, Song());
    ASSERT_EQ(whole.texts.size(), 1u);
    EXPECT_EQ(whole.texts[0].reference.x, cx);

    // Wider than half the rectangle: "..." and the integer part's tail.
    const char* wide = "1234567890123456789012345678.5";
    const int nine = Measure("9", Song()).cx;
    const int kept = (cx - L) / nine - 3;
    RecordedPicture cut = Draw(wide, 0, Song());
    ASSERT_EQ(cut.texts.size(), 2u);
    std::wstring integer = L"1234567890123456789012345678";
    EXPECT_EQ(cut.texts[0].text, L"..." + integer.substr(integer.size() - size_t(kept)));
}

TEST(TextPainter, YUpModeMirrorsTheFirstQuadrantAndKeepsTheCallersFont)
{
    LOGFONTA font = Song(900);
    RecordedPicture picture =
        RecordTexts([&](CDC* dc) { CTextPainter().DrawAlignedText(dc, kRect, "AB", 1, &font, 0, 0, 0); });
    ASSERT_EQ(picture.texts.size(), 1u);
    EXPECT_EQ(picture.texts[0].escapement, 2700);
    EXPECT_EQ(font.lfEscapement, 900);
    EXPECT_EQ(Draw("AB", 1, Song(2701), false).texts[0].escapement, 2701);
}

TEST(TextPainter, VerticalCodesStackOnePiecePerCharacter)
{
    const int lineHeight = Measure("a", Song()).cy, wF = Measure("F", Song()).cx;
    for (bool yDown : {true, false}) {
        RecordedPicture picture = Draw("ab中", 41, Song(), yDown);
        ASSERT_EQ(picture.texts.size(), 3u);
        EXPECT_EQ(picture.texts[2].text, L"中");
        const int y0 = T, y2 = T + 2 * lineHeight;
        EXPECT_NEAR(picture.texts[0].reference.y, yDown ? y0 : -y0, 1);
        EXPECT_NEAR(picture.texts[2].reference.y, yDown ? y2 : -y2, 1);
    }
    // Left codes move single-byte pieces right by half an "F".
    RecordedPicture left = Draw("a中", 40, Song());
    ASSERT_EQ(left.texts.size(), 2u);
    EXPECT_EQ(left.texts[0].reference.x, L + wF / 2);
    EXPECT_EQ(left.texts[1].reference.x, L);
    // A lead byte at the very end is a piece of its own, never read past.
    EXPECT_EQ(Draw("ab\xD6", 44, Song()).texts.size(), 3u);
}

TEST(TextPainter, FitCodeStretchesTheFontOverTheRectangle)
{
    struct Case
    {
        const char* text;
        int width, expectedWidth;
    };
    for (Case c : {Case{"abc", 100, 25}, {"abcd", 100, 25}, {"a\r\nb", 100, 25}, {"ab", 0, -1}}) {
        RecordedPicture picture = Draw(c.text, 49, Song(300), true, CRect(10, 10, 10 + c.width, 50));
        if (c.expectedWidth < 0) {
            EXPECT_TRUE(picture.texts.empty()) << "a rectangle without width draws nothing";
            continue;
        }
        ASSERT_EQ(picture.fonts.size(), 2u) << c.text;
        EXPECT_EQ(picture.fonts[1].lfWidth, c.expectedWidth) << c.text;
        EXPECT_EQ(picture.fonts[1].lfHeight, 40);
        EXPECT_EQ(picture.fonts[1].lfEscapement, 0);
    }
}

TEST(TextPainter, EmptyTextDrawsNothingAndNoCallLeaks)
{
    RecordedPicture empty = Draw("", 5, Song());
    EXPECT_TRUE(empty.texts.empty());
    EXPECT_EQ(empty.fontsCreated, 0);

    DrawingCanvas canvas(240, 160);
    CDC* dc = canvas.dc();
    dc->SetTextColor(RGB(9, 9, 9));
    dc->SetBkMode(OPAQUE);
    HGDIOBJ font = dc->GetCurrentObject(OBJ_FONT);
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        LOGFONTA lf = Song((i % 8) * 450);
        CTextPainter().DrawAlignedText(dc, kRect, "12.5中文\r\nx", i % 51, &lf, BYTE(i % 2), 3, 0);
    }
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_EQ(dc->GetCurrentObject(OBJ_FONT), font);
    EXPECT_EQ(dc->GetTextColor(), RGB(9, 9, 9));
    EXPECT_EQ(dc->GetBkMode(), OPAQUE);
    EXPECT_EQ(dc->GetTextAlign(), UINT(TA_LEFT | TA_TOP));
}

TEST(TextPainter, DirectionAngleCoversEveryDirection)
{
    struct Case
    {
        int x, y, expected;
    };
    // pi is taken as 3.1415926535, a little short, so some diagonals truncate one tenth lower.
    for (Case c : {Case{10, 0, 0},
                   {10, -10, 450},
                   {0, -10, 900},
                   {-10, -10, 1349},
                   {-10, 0, 1800},
                   {-10, 10, 2250},
                   {0, 10, 2700},
                   {10, 10, 3149},
                   {0, 0, 0}})
        EXPECT_EQ(CTextPainter::DirectionAngle(c.x, c.y, 0, 0), c.expected) << c.x << "," << c.y;
}
