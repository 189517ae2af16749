// The text drawer, read back from an enhanced metafile: where each ExtTextOutW lands, with which
// alignment and escapement, for every family of position codes, each rotation quadrant and the
// y-up mode. Expectations come from text extents measured with the same font.

#include "drawing/CTextPainter.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"
#include "tests/support/EmfRecorder.h"

#include <string>
#include <vector>

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

struct Landing
{
    int code;
    UINT align;
    int x, y;
};

// Where codes 1..9 put their text at an escapement on an axis, worked out by hand from the sine
// and cosine there (0, 1 or -1); w and h are the text's extent, c1 the width of "中". At 0 the
// line is laid out by DrawText with the DC's alignment.
std::vector<Landing> AxisLandings(int escapement, int w, int h, int c1)
{
    const int mx = (L + R) / 2, my = (T + B) / 2, I = kIndent;
    const UINT top = TA_LEFT | TA_TOP, bottom = TA_LEFT | TA_BOTTOM, centre = TA_CENTER | TA_BOTTOM;
    switch (escapement) {
    case 0:
        return {{1, top, L + I, T},
                {2, top, mx - w / 2, T},
                {3, top, R - I - w, T},
                {4, top, L + I, my - h / 2},
                {5, top, mx - w / 2, my - h / 2},
                {6, top, R - I - w, my - h / 2},
                {7, top, L + I, B - h},
                {8, top, mx - w / 2, B - h},
                {9, top, R - I - w, B - h}};
    case 900: // reading upwards
        return {{1, top, L + I, T + w},
                {2, top, mx - h / 2, T + w},
                {3, bottom, R - I, T + w},
                {4, bottom, L + I + h, my + w / 2},
                {5, bottom, mx + h / 2, my + w / 2},
                {6, bottom, R - I, my + w / 2},
                {7, bottom, L + I + h, B},
                {8, bottom, mx + h / 2, B},
                {9, bottom, R - I, B}};
    case 1800: // upside down
        return {{1, top, L + I + w, T + h},
                {2, centre, mx, T},
                {3, bottom, R - I, T},
                {4, top, L + I + w, my + c1 / 2},
                {5, top, mx + w / 2, my + c1 / 2},
                {6, top, R - I, my + c1 / 2},
                {7, top, L + I + w, B},
                {8, top, mx + w / 2, B},
                {9, top, R - I, B}};
    default: // 2700, reading downwards
        return {{1, bottom, L + I, T},
                {2, centre, mx - h / 2, T + w / 2},
                {3, top, R - I, T},
                {4, bottom, L + I, my - w / 2},
                {5, bottom, mx - h / 2, my - w / 2},
                {6, bottom, R - I - h, my - w / 2},
                {7, bottom, L + I, B - w},
                {8, bottom, mx - h / 2, B - w},
                {9, bottom, R - I - h, B - w}};
    }
}

} // namespace

// The axis angles make every rotation term 0 or a whole extent. The reference point may be one
// pixel off the exact value: the formulas truncate sums that hold a sine or cosine of almost 0.
TEST(TextPainter, RotatedCodesLandOnHandWorkedPointsAtTheAxes)
{
    for (bool yDown : {true, false})
        for (int asked : {0, 900, 1800, 2700}) {
            if (asked == 0 && !yDown)
                continue; // DrawText's own layout, in the DC's direction
            // y-up turns the first quadrant the other way round.
            const int e = !yDown && asked == 900 ? 2700 : asked;
            const LOGFONTA rotated = Song(e);
            const CSize size = Measure("AB中文", rotated);
            for (const Landing& expected : AxisLandings(e, size.cx, size.cy, Measure("中", rotated).cx)) {
                SCOPED_TRACE(testing::Message()
                             << "code " << expected.code << " escapement " << asked << " yDown " << yDown);
                RecordedPicture picture = Draw("AB中文", expected.code, Song(asked), yDown);
                ASSERT_EQ(picture.texts.size(), 1u);
                const RecordedText& out = picture.texts[0];
                EXPECT_EQ(out.escapement, e);
                EXPECT_EQ(out.align, expected.align);
                EXPECT_NEAR(out.reference.x, expected.x, 1);
                EXPECT_NEAR(out.reference.y, yDown ? expected.y : -expected.y, 1);
            }
        }
}

// Between the axes: whatever the code and the quadrant, the text's ink lies inside the cell.
TEST(TextPainter, RotatedTextStaysInsideItsCellInEveryQuadrant)
{
    const CRect cell(40, 40, 240, 200);
    DrawingCanvas canvas(280, 240);
    for (int escapement : {450, 1350, 2250, 3150})
        for (int code = 1; code <= 9; ++code) {
            SCOPED_TRACE(testing::Message() << "code " << code << " escapement " << escapement);
            canvas.Clear();
            const LOGFONTA font = Song(escapement);
            CTextPainter().DrawAlignedText(canvas.dc(), cell, "AB中文", code, &font, TRUE, kIndent, 0);
            EXPECT_GT(canvas.InkIn(cell), 50);
            EXPECT_EQ(canvas.InkIn(CRect(0, 0, 280, 240)), canvas.InkIn(cell)) << "ink outside the cell";
        }
}

TEST(TextPainter, FourthQuadrantTopCodesLeaveTheLayoutToDrawText)
{
    // Codes 2 and 3 rotated into the fourth quadrant are laid out by DrawText on one line: centred
    // in the rectangle, or right-aligned against the indented right edge.
    const LOGFONTA font = Song(3150);
    const int w = Measure("AB中文", font).cx;
    RecordedPicture centred = Draw("AB中文", 2, font);
    ASSERT_EQ(centred.texts.size(), 1u);
    EXPECT_NEAR(centred.texts[0].reference.x, L + (R - L - w) / 2, 1);
    EXPECT_NEAR(centred.texts[0].reference.y, T, 1);
    EXPECT_EQ(centred.texts[0].escapement, 3150);
    RecordedPicture right = Draw("AB中文", 3, font);
    ASSERT_EQ(right.texts.size(), 1u);
    EXPECT_NEAR(right.texts[0].reference.x, R - kIndent - w, 1);
    EXPECT_NEAR(right.texts[0].reference.y, T, 1);
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

// A long unbroken text in a narrow rectangle: the wrapped codes lay out only the lines the
// rectangle can show, which come out where the whole text would put them.
TEST(TextPainter, WrappedCodesLayOutOnlyTheLinesThatCanShow)
{
    const RECT narrow{20, 30, 32, 90};
    const std::string text(70000, 'W');
    const CSize line = Measure("W", Song());
    for (int code : {11, 13, 15, 17, 23, 27, 37}) {
        SCOPED_TRACE(code);
        RecordedPicture picture = Draw(text.c_str(), code, Song(), true, narrow, 0);
        EXPECT_GE(picture.texts.size(), size_t((narrow.bottom - narrow.top) / line.cy));
        EXPECT_LT(picture.texts.size(), 200u);
        if (code == 11 || code == 37) {
            ASSERT_FALSE(picture.texts.empty());
            EXPECT_EQ(picture.texts[0].reference.y, narrow.top);
            EXPECT_EQ(picture.texts[1].reference.y, narrow.top + line.cy);
        }
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

    // In a y-up mapping mode the baseline is the negated one; x and the alignments stay.
    RecordedPicture up = Draw("12.50", 0, Song(), false);
    ASSERT_EQ(up.texts.size(), 2u);
    EXPECT_EQ(up.texts[0].reference.y, -(B - ((B - T) - (hi - 6)) / 2));
    EXPECT_EQ(up.texts[1].reference.y, up.texts[0].reference.y);
    EXPECT_EQ(up.texts[0].reference.x, cx);
    EXPECT_EQ(up.texts[0].align, UINT(TA_RIGHT | TA_BOTTOM));

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

TEST(TextPainter, VerticalCodesStartWhereTheirRowSaysAndAlignByTheirColumn)
{
    const LOGFONTA font = Song();
    const int lineHeight = Measure("a", font).cy, wF = Measure("F", font).cx;
    const int wA = Measure("a", font).cx, wZhong = Measure("中", font).cx;
    const int stack = 3 * lineHeight;
    struct Case
    {
        int code;
        int firstY;
        int xOfA, xOfZhong; // reference x of the one-byte and the two-byte piece
    } cases[] = {
        {42, T, R - wF / 2 - wA, R - wZhong},
        {43, T + (B - T) / 2 - stack / 2, L + wF / 2, L},
        {44, T + (B - T) / 2 - stack / 2, L + (R - L - wA) / 2, L + (R - L - wZhong) / 2},
        {46, B - stack, L + wF / 2, L},
        {48, B - stack, R - wF / 2 - wA, R - wZhong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code);
        RecordedPicture picture = Draw("ab中", c.code, font);
        ASSERT_EQ(picture.texts.size(), 3u);
        EXPECT_NEAR(picture.texts[0].reference.y, c.firstY, 1);
        EXPECT_NEAR(picture.texts[2].reference.y, c.firstY + 2 * lineHeight, 1);
        EXPECT_NEAR(picture.texts[0].reference.x, c.xOfA, 1);
        EXPECT_NEAR(picture.texts[2].reference.x, c.xOfZhong, 1);
    }
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
