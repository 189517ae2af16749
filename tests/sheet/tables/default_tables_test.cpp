// The control's default tables, the marker keys and the module-wide GDI resources.

#include "drawing/CChartShapePainter.h"
#include "sheet/tables/DefaultTables.h"
#include "sheet/tables/GdiGlobals.h"
#include "sheet/tables/MarkerSymbols.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"
#include "tests/support/EmfRecorder.h"
#include "tests/support/PictureFiles.h"

#include <numeric>
#include <set>
#include <vector>

namespace {

CDefaultTables& Tables()
{
    static CDefaultTables tables = [] {
        CDefaultTables built;
        built.BuildDefaultTables();
        return built;
    }();
    return tables;
}

int SetPixels(const FillPatternEntry& entry)
{
    return std::accumulate(std::begin(entry.pixels), std::end(entry.pixels), 0);
}

} // namespace

TEST(DefaultTables, BuiltTablesHoldTheirEntriesInOrder)
{
    const CDefaultTables& t = Tables();
    ASSERT_EQ(t.m_DefaultColors.size(), 37u);
    ASSERT_EQ(t.m_FillPatterns.size(), 49u);
    ASSERT_EQ(t.m_Textures.size(), 24u);
    ASSERT_EQ(t.m_MarkerSymbols.size(), 47u);
    EXPECT_EQ(t.m_DefaultColors[0], 0xFF9999u);
    EXPECT_EQ(t.m_DefaultColors[36], 0x9C0080u);
    EXPECT_STREQ(t.m_FillPatterns[0].name, "窗格花纹图案");
    EXPECT_STREQ(t.m_FillPatterns[48].name, "90%点图案");
    EXPECT_STREQ(t.m_Textures[0].name, "新闻纸样式");
    EXPECT_STREQ(t.m_Textures[23].name, "棕色木质条纹");
    EXPECT_STREQ(t.m_MarkerSymbols[0], "\xA1\xF6");
    EXPECT_STREQ(t.m_MarkerSymbols[2], "\xA8\x8B");
    EXPECT_STREQ(t.m_MarkerSymbols[46], "N");
}

// The set-pixel count of every pattern, as the table lists them, catches a mistyped row.
TEST(DefaultTables, EveryPatternHasItsListedNumberOfSetPixels)
{
    const int expected[49] = {22, 16, 16, 32, 32, 24, 24, 16, 16, 32, 32, 32, 32, 16, 14, 12, 22,
                              19, 32, 6,  7,  6,  13, 48, 38, 28, 15, 32, 32, 14, 25, 8,  8,  8,
                              8,  8,  24, 2,  4,  8,  16, 24, 30, 32, 40, 48, 56, 60, 62};
    for (int i = 0; i < 49; ++i)
        EXPECT_EQ(SetPixels(Tables().m_FillPatterns[size_t(i)]), expected[i])
            << Tables().m_FillPatterns[size_t(i)].name;
}

// Pattern 7 sets columns 3 and 7, pattern 8 rows 2 and 6; a row/column mix-up swaps them.
TEST(DefaultTables, VerticalAndHorizontalLinePatternsPaintTheRightWay)
{
    DrawingCanvas canvas(16, 16);
    CSelectObject pen(*canvas.dc(), ::GetStockObject(NULL_PEN));
    const CFillPainter painter(Tables().FillTables());
    painter.FillPatternRect(canvas.dc(), 0, 0, 17, 17, 7, RGB(0, 0, 0), RGB(255, 255, 255));
    for (int y = 0; y < 8; ++y) {
        EXPECT_TRUE(canvas.IsInk(3, y) && canvas.IsInk(7, y)) << y;
        EXPECT_FALSE(canvas.IsInk(2, y)) << y;
    }
    canvas.Clear();
    painter.FillPatternRect(canvas.dc(), 0, 0, 17, 17, 8, RGB(0, 0, 0), RGB(255, 255, 255));
    for (int x = 0; x < 8; ++x) {
        EXPECT_TRUE(canvas.IsInk(x, 2) && canvas.IsInk(x, 6)) << x;
        EXPECT_FALSE(canvas.IsInk(x, 3)) << x;
    }
}

TEST(DefaultTables, TexturesAreDistinct56By50TrueColourBitmaps)
{
    std::vector<COLORREF> corners;
    for (const TextureEntry& entry : Tables().m_Textures) {
        ASSERT_TRUE(entry.bitmap && entry.bitmap->GetSafeHandle()) << entry.name;
        BITMAP info{};
        ASSERT_TRUE(entry.bitmap->GetBitmap(&info));
        EXPECT_EQ(info.bmWidth, 56);
        EXPECT_EQ(info.bmHeight, 50);
        EXPECT_EQ(info.bmBitsPixel, 24);
        DrawingCanvas canvas(56, 50);
        canvas.dc()->FillRect(CRect(0, 0, 56, 50), CBrush(RGB(0, 0, 0)));
        CFillPainter().FillTextureRect(canvas.dc(), 0, 0, 56, 50, entry.bitmap.get());
        std::set<COLORREF> colours;
        for (int y = 10; y < 40; ++y)
            for (int x = 10; x < 40; ++x)
                colours.insert(canvas.At(x, y));
        EXPECT_GT(colours.size(), 2u) << "a texture has grain, not one flat colour: " << entry.name;
    }
}

TEST(DefaultTables, AddedTexturePicturesAreKeptOncePerPath)
{
    CDefaultTables tables;
    tables.BuildDefaultTables();
    EXPECT_EQ(tables.AddTexturePicture("C:\\no such picture.bmp"), -1);
    EXPECT_EQ(tables.AddTexturePicture(nullptr), -1);
    EXPECT_EQ(tables.m_Textures.size(), 24u);
}

TEST(DefaultTables, APictureTextureFillsWhereverItsIndexSelectsIt)
{
    CDefaultTables tables;
    tables.BuildDefaultTables();
    const std::string path = WriteFile("texture.bmp", BitmapFile(6, 4, RGB(10, 200, 30)));
    ASSERT_EQ(tables.AddTexturePicture(path.c_str()), 24);
    EXPECT_EQ(tables.AddTexturePicture(path.c_str()), 24) << "the same path again";
    // The entry keeps only its picture; a texture fill by index shows the picture.
    EXPECT_EQ(tables.FillTables().TextureBitmap(24), nullptr);
    DrawingCanvas canvas(40, 30);
    CChartShapePainter(tables.FillTables())
        .FillStyledRect(canvas.dc(), RECT{2, 2, 30, 20}, 1, 1, RGB(0, 0, 0), 4, 0, 0, 0, 0, 0, 24, 0, 0);
    EXPECT_EQ(canvas.At(10, 10), RGB(10, 200, 30));
    EXPECT_EQ(canvas.At(35, 25), RGB(255, 255, 255));
}

TEST(DefaultTables, MarkerInitRunTwiceKeepsFortySevenGlyphs)
{
    CDefaultTables tables;
    CMarkerSymbols().Init(tables);
    CMarkerSymbols().Init(tables);
    EXPECT_EQ(tables.m_MarkerSymbols.size(), 47u);
}

TEST(MarkerSymbols, PolarPointsTruncateTowardTheCentre)
{
    struct Case
    {
        int degrees, radius;
        POINT expected;
    };
    for (Case c : {Case{0, 8, {116, 208}},
                   {36, 4, {111, 206}},
                   {90, 8, {108, 200}},
                   {180, 8, {100, 208}},
                   {252, 4, {107, 211}}}) {
        POINT p{};
        EXPECT_EQ(PolarToPoint(&p, 108, 208, c.degrees, c.radius), &p);
        EXPECT_EQ(CPoint(p), CPoint(c.expected)) << c.degrees;
    }
}

namespace {

// Draws one key into a 16 x 16 box at (100, 200): red solid face, black 1-wide solid line.
void DrawKey(DrawingCanvas& canvas, int marker, bool ring, bool line)
{
    CChartPointStyle point;
    point.faces[0].fillKind = 1;
    point.faces[0].colour = RGB(255, 0, 0);
    CMarkerKey key;
    key.markerIndex = marker;
    key.ringFlag = ring;
    key.lineFlag = line;
    CMarkerSymbols().DrawMarker(canvas.dc(), CRect(100, 200, 116, 216), key, &point, Tables());
}

} // namespace

TEST(MarkerSymbols, SquareKeysFollowTheBoxOrTheRing)
{
    const COLORREF red = RGB(255, 0, 0), black = RGB(0, 0, 0);
    DrawingCanvas canvas(200, 260);
    DrawKey(canvas, 0, false, true);
    EXPECT_EQ(canvas.At(108, 204), red);
    EXPECT_EQ(canvas.At(100, 204), black) << "outline at the box";
    EXPECT_EQ(canvas.At(85, 208), black) << "series line piece left of the box";
    EXPECT_EQ(canvas.At(130, 208), black) << "series line piece right of the box";
    EXPECT_EQ(canvas.At(137, 208), RGB(255, 255, 255)) << "line ends at R + 20";
    EXPECT_EQ(canvas.At(108, 209), red) << "the line stops at the box";

    canvas.Clear();
    DrawKey(canvas, 0, true, false);
    EXPECT_EQ(canvas.At(108, 209), red) << "ringed square inside (103, 203)-(112, 212)";
    EXPECT_EQ(canvas.At(103, 208), black);
    EXPECT_EQ(canvas.At(112, 208), black);
    EXPECT_EQ(canvas.At(101, 201), RGB(255, 255, 255)) << "outside the ring";
    EXPECT_EQ(canvas.At(100, 208), black) << "ring ellipse in the box";
}

TEST(MarkerSymbols, FilledKeysShowOnlyTheirFillInside)
{
    // A light inner edge would cross the body of a filled key.
    for (int marker : {0, 1, 2, 5}) {
        DrawingCanvas canvas(200, 260);
        DrawKey(canvas, marker, false, false);
        int light = 0;
        for (int y = 203; y < 214; ++y)
            for (int x = 103; x < 114; ++x)
                light += canvas.At(x, y) != RGB(255, 0, 0) && canvas.At(x, y) != RGB(0, 0, 0) &&
                         canvas.At(x, y) != RGB(255, 255, 255);
        EXPECT_EQ(light, 0) << "marker " << marker;
    }
}

TEST(MarkerSymbols, PieKeysTakeTheSeriesColourNotItsShade)
{
    CChartPointStyle point;
    for (CFaceFill& face : point.faces) {
        face.fillKind = 1;
        face.colour = RGB(205, 0, 0);
    }
    point.faces[4].colour = RGB(255, 0, 0);
    CMarkerKey key;
    key.entryKind = 3;
    DrawingCanvas canvas(200, 260);
    CMarkerSymbols().DrawMarker(canvas.dc(), CRect(100, 200, 116, 216), key, &point, Tables());
    EXPECT_EQ(canvas.At(108, 208), RGB(255, 0, 0));
}

TEST(MarkerSymbols, ShapeVerticesLandWhereTheBoxPutsThem)
{
    // Box (100, 200, 116, 216): centre (108, 208), half sizes 8, ring radius 5. Outline points are
    // black; the points just beyond a vertex stay white.
    struct Case
    {
        int marker;
        bool ring;
        std::vector<POINT> outline;
        std::vector<POINT> outside;
    } cases[] = {
        {1, false, {{100, 208}, {108, 200}, {116, 208}, {108, 216}}, {{99, 208}, {108, 199}, {117, 208}, {108, 217}}},
        {1, true, {{103, 208}, {108, 203}, {113, 208}, {108, 213}}, {{102, 208}, {108, 202}, {114, 208}, {108, 214}}},
        {2, false, {{108, 200}, {116, 216}, {100, 216}}, {{108, 199}, {117, 216}, {99, 216}}},
        {2, true, {{108, 203}, {113, 213}, {103, 213}}, {{108, 202}, {108, 214}}},
        {5, false, {{116, 208}, {111, 206}}, {{117, 208}, {108, 199}}},
        {6, false, {{103, 203}, {112, 212}, {103, 213}, {112, 204}}, {{102, 202}, {114, 214}, {108, 204}}},
        {6, true, {{103, 203}, {112, 212}, {103, 213}, {112, 204}}, {{108, 204}, {104, 208}}},
    };
    for (const Case& c : cases) {
        DrawingCanvas canvas(200, 260);
        DrawKey(canvas, c.marker, c.ring, false);
        for (const POINT& p : c.outline)
            EXPECT_EQ(canvas.At(p.x, p.y), RGB(0, 0, 0)) << c.marker << " ring " << c.ring << " at " << p.x << "," << p.y;
        for (const POINT& p : c.outside) {
            const bool insideTheRing = p.x > 101 && p.x < 115 && p.y > 201 && p.y < 215;
            if (!c.ring || insideTheRing) {
                EXPECT_EQ(canvas.At(p.x, p.y), RGB(255, 255, 255))
                    << c.marker << " ring " << c.ring << " at " << p.x << "," << p.y;
            }
        }
    }
}

TEST(MarkerSymbols, EveryShapePaintsInsideItsBoxAndRestoresTheDc)
{
    DrawingCanvas canvas(200, 260);
    HGDIOBJ pen = canvas.dc()->GetCurrentObject(OBJ_PEN), brush = canvas.dc()->GetCurrentObject(OBJ_BRUSH);
    const DWORD before = GdiObjectCount();
    for (int marker = 0; marker < 7; ++marker)
        for (bool ring : {false, true}) {
            canvas.Clear();
            DrawKey(canvas, marker, ring, false);
            EXPECT_GT(canvas.InkIn(CRect(100, 200, 117, 217)), 6) << marker << " ring " << ring;
            EXPECT_EQ(canvas.InkIn(CRect(0, 0, 99, 260)), 0) << marker;
        }
    canvas.Clear();
    DrawKey(canvas, 54, false, true);
    DrawKey(canvas, -1, false, true);
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 200, 260)), 0) << "an unknown marker draws nothing";
    for (int i = 0; i < 1000; ++i)
        DrawKey(canvas, i % 54, i % 2, i % 3);
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_EQ(canvas.dc()->GetCurrentObject(OBJ_PEN), pen);
    EXPECT_EQ(canvas.dc()->GetCurrentObject(OBJ_BRUSH), brush);
}

TEST(MarkerSymbols, GlyphKeysWriteTheirGlyphCentredInTheBox)
{
    for (auto [marker, glyph] : {std::pair{7, L"■"}, {20, L"⊙"}, {53, L"N"}}) {
        RecordedPicture picture = RecordTexts([&, marker = marker](CDC* dc) {
            CMarkerKey key;
            key.markerIndex = marker;
            key.glyphTextColour = RGB(0, 0, 255);
            CMarkerSymbols().DrawMarker(dc, CRect(100, 200, 116, 216), key, nullptr, Tables());
        });
        ASSERT_EQ(picture.texts.size(), 1u) << marker;
        EXPECT_EQ(picture.texts[0].text, glyph);
        EXPECT_EQ(picture.texts[0].reference.x, 108);
        EXPECT_EQ(picture.texts[0].align & TA_CENTER, UINT(TA_CENTER));
        EXPECT_EQ(picture.texts[0].colour, RGB(0, 0, 255));
        EXPECT_EQ(picture.fontsCreated, picture.fontsDeleted);
    }
}

TEST(GdiGlobals, ResourcesFollowTheSystemSettings)
{
    const CGdiGlobals& g = CGdiGlobals::Instance();
    EXPECT_EQ(&g, &CGdiGlobals::Instance());
    EXPECT_EQ(g.faceColor, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(g.selectionTextColor, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    const CGdiObject* objects[] = {&g.faceBrush,         &g.selectionBrush,   &g.halftoneBrush,
                                   &g.darkShadowBrush,   &g.menuFont,         &g.menuFontBold,
                                   &g.menuFontUnderline, &g.verticalFontDown, &g.verticalFontUp};
    for (const CGdiObject* object : objects)
        EXPECT_NE(object->GetSafeHandle(), nullptr);
    LOGFONTA bold{}, down{}, up{}, menu{};
    ASSERT_TRUE(g.menuFont.GetLogFont(&menu));
    ASSERT_TRUE(g.menuFontBold.GetLogFont(&bold));
    ASSERT_TRUE(g.verticalFontDown.GetLogFont(&down));
    ASSERT_TRUE(g.verticalFontUp.GetLogFont(&up));
    EXPECT_EQ(bold.lfWeight, FW_BOLD);
    EXPECT_EQ(down.lfEscapement, 2700);
    EXPECT_EQ(up.lfEscapement, 900);
    EXPECT_EQ(down.lfHeight, menu.lfHeight) << "the vertical fonts take the menu font's height";
    EXPECT_STREQ(down.lfFaceName, "Arial");
    EXPECT_GT(g.menuTextHeight, 2);
    EXPECT_EQ(g.isOldNt, 0);
}

TEST(GdiGlobals, FaceNameAndHalftoneRules)
{
    LOGFONTA menu{};
    strcpy(menu.lfFaceName, "宋体");
    menu.lfCharSet = GB2312_CHARSET;
    EXPECT_STREQ(CGdiGlobals::MenuFaceName(menu, true), "宋体");
    menu.lfCharSet = ANSI_CHARSET;
    EXPECT_STREQ(CGdiGlobals::MenuFaceName(menu, true), "Tahoma");
    EXPECT_STREQ(CGdiGlobals::MenuFaceName(menu, false), "MS Sans Serif");
    EXPECT_EQ(CGdiGlobals::HalftoneColour(0xC0C0C0, 0xFFFFFF), 0xDFDFDFu);
    EXPECT_EQ(CGdiGlobals::HalftoneColour(0xFFFFFF, 0x000000), 0x808080u);
    HDC screen = ::GetDC(nullptr);
    CBitmap halftone;
    halftone.Attach(CGdiGlobals::CreateHalftoneBitmap(screen));
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(halftone.GetSize(), CSize(8, 8));
}
