// Printed pages composed on a metafile that the screen stands behind as the printer: which cells
// each page shows and where, merged areas drawn once, a grid that shrank since pagination, and
// the decorations (page numbers in their bands, header text, the page title).

#include "printing/BandLayout.h"
#include "printing/PrintComposer.h"
#include "tests/support/CellSheet.h"
#include "tests/support/EmfRecorder.h"
#include "tests/support/MergeFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::wstring Wide(const char* cp936)
{
    return CString(cp936).ToWide();
}

CSize Paper()
{
    HDC screen = ::GetDC(nullptr);
    const CSize paper = CPrintUnits::PrintableSize(screen);
    ::ReleaseDC(nullptr, screen);
    return paper;
}

// Margins that leave width x height printable, the grid starting at (20, 150).
CPageSetup SetupFor(int width, int height)
{
    const CSize paper = Paper();
    CPageSetup setup;
    setup.m_nLeftMargin = 20;
    setup.m_nTopMargin = 150;
    setup.m_nRightMargin = paper.cx - 20 - width;
    setup.m_nBottomMargin = paper.cy - 150 - height;
    setup.m_bShowPageTitle = 0;
    return setup;
}

struct PrintedPage
{
    std::vector<RecordedText> texts;
    std::set<std::wstring> Texts() const
    {
        std::set<std::wstring> out;
        for (const RecordedText& t : texts)
            out.insert(t.text);
        return out;
    }
    const RecordedText* Find(const std::wstring& text) const
    {
        auto it = std::find_if(texts.begin(), texts.end(), [&](const RecordedText& t) { return t.text == text; });
        return it == texts.end() ? nullptr : &*it;
    }
};

// Paginates on the metafile and draws one page: the grid band, or the decorations, or both.
PrintedPage Print(CPrintComposer& composer, CellSheet& sheet, int pageNumber, bool grid, bool decorations,
                  CCellRect selected = CCellRect(0, 0, -1, -1))
{
    PrintedPage page;
    page.texts = RecordTexts([&](CDC* dc) {
                     composer.Paginate(*dc, &sheet.page, &sheet.cells, selected);
                     if (grid)
                         composer.DrawPrintPage(*dc, pageNumber, &sheet.page, &sheet.cells);
                     if (decorations)
                         composer.DrawDecorations(*dc, pageNumber, false);
                 }).texts;
    return page;
}

TEST(PrintComposer, EachPageShowsItsBandsCellsFromTheMarginCorner)
{
    CellSheet sheet(8, 6);
    CPageSetup setup = SetupFor(150, 90);
    CPrintComposer composer(setup);
    const PrintedPage page = Print(composer, sheet, 4, true, false);
    ASSERT_EQ(composer.GetPageCount(), 6);
    std::set<std::wstring> expected;
    for (int row = 4; row <= 7; ++row)
        for (int col = 0; col <= 1; ++col)
            expected.insert(std::to_wstring(row) + L":" + std::to_wstring(col));
    EXPECT_EQ(page.Texts(), expected);
    // Cell (5, 1) starts one column (70 + 2) and one row (20 + 1) past the margin corner; its
    // centred text lies inside that cell.
    const RecordedText* text = page.Find(L"5:1");
    ASSERT_NE(text, nullptr);
    EXPECT_GE(text->reference.x, 20 + 72);
    EXPECT_LT(text->reference.x, 20 + 144);
    EXPECT_GE(text->reference.y, 150 + 21);
    EXPECT_LT(text->reference.y, 150 + 42);
}

TEST(PrintComposer, CentringMovesTheBandByHalfTheSpareRoom)
{
    CellSheet sheet(1, 1);
    sheet.Cell(0, 0).SetTextFormat(1); // top left
    CPageSetup setup = SetupFor(173, 300);
    setup.m_bCenterHorz = 1;
    CPrintComposer composer(setup);
    const PrintedPage centred = Print(composer, sheet, 1, true, false);
    setup.m_bCenterHorz = 0;
    const PrintedPage plain = Print(composer, sheet, 1, true, false);
    ASSERT_NE(centred.Find(L"0:0"), nullptr);
    ASSERT_NE(plain.Find(L"0:0"), nullptr);
    EXPECT_EQ(centred.Find(L"0:0")->reference.x - plain.Find(L"0:0")->reference.x, (173 - 72) / 2);
}

TEST(PrintComposer, MergedAreaIsDrawnOnceWithItsOriginsText)
{
    CellSheet sheet(4, 4);
    MarkMerge(sheet.page, sheet.cells, 1, 1, 2, 2);
    CPageSetup setup = SetupFor(500, 500);
    CPrintComposer composer(setup);
    const PrintedPage page = Print(composer, sheet, 1, true, false);
    const auto texts = page.Texts();
    EXPECT_EQ(std::count_if(page.texts.begin(), page.texts.end(), [](auto& t) { return t.text == L"1:1"; }), 1);
    for (const wchar_t* covered : {L"1:2", L"2:1", L"2:2"})
        EXPECT_EQ(texts.count(covered), 0u) << covered;
    EXPECT_EQ(texts.count(L"3:3"), 1u);
}

TEST(PrintComposer, AGridThatShrankSincePaginationPrintsOnlyDecorations)
{
    CellSheet sheet(8, 6);
    CPageSetup setup = SetupFor(150, 90);
    setup.m_strHeaderText = "页眉";
    CPrintComposer composer(setup);
    const std::vector<RecordedText> texts = RecordTexts([&](CDC* dc) {
                                                composer.Paginate(*dc, &sheet.page, &sheet.cells, CCellRect());
                                                sheet.page.m_nRows = 2; // as if rows went since
                                                composer.DrawPrintPage(*dc, 4, &sheet.page, &sheet.cells);
                                                composer.DrawDecorations(*dc, 4, false);
                                            }).texts;
    sheet.page.m_nRows = 8;
    PrintedPage page{texts};
    EXPECT_EQ(page.Texts(), (std::set<std::wstring>{L"4:6页", Wide("页眉")}));
}

TEST(PrintComposer, MarginsWiderThanThePaperGiveNoPages)
{
    CellSheet sheet(3, 3);
    CPageSetup setup = SetupFor(150, 90);
    setup.m_nLeftMargin += 150;
    CPrintComposer composer(setup);
    EXPECT_TRUE(Print(composer, sheet, 1, true, false).texts.empty());
    EXPECT_EQ(composer.GetPageCount(), 0);
    EXPECT_FALSE(composer.MarginsFit(Paper()));
}

TEST(PrintComposer, PageNumberGoesToItsBandAndPlace)
{
    CellSheet sheet(8, 6);
    CPageSetup setup = SetupFor(150, 90);
    setup.m_bShowHeader = setup.m_bShowFooter = 0;
    setup.m_nPageNumberFormat = 1;
    CPrintComposer composer(setup);
    struct Placed
    {
        int position;
        LONG x;
        bool inHeader;
    };
    std::vector<Placed> placed;
    for (int position : {0, 4, 1, 2, 5, 3}) {
        setup.m_nPageNumberPos = position;
        const PrintedPage page = Print(composer, sheet, 2, false, true);
        ASSERT_EQ(page.texts.size(), 1u) << position;
        EXPECT_EQ(page.texts[0].text, Wide("第2页(共6页)")) << position;
        const LONG y = page.texts[0].reference.y;
        const bool inHeader = y >= composer.HeaderBand().top && y < composer.HeaderBand().bottom;
        const bool inFooter = y >= composer.FooterBand().top && y < composer.FooterBand().bottom;
        EXPECT_NE(inHeader, inFooter) << position;
        placed.push_back({position, page.texts[0].reference.x, inHeader});
    }
    // Left, centre, right in the header (0, 4, 1) and in the footer (2, 5, 3).
    EXPECT_TRUE(placed[0].inHeader && placed[1].inHeader && placed[2].inHeader);
    EXPECT_FALSE(placed[3].inHeader || placed[4].inHeader || placed[5].inHeader);
    for (int band : {0, 3}) {
        EXPECT_LT(placed[size_t(band)].x, placed[size_t(band) + 1].x);
        EXPECT_LT(placed[size_t(band) + 1].x, placed[size_t(band) + 2].x);
    }
    setup.m_bShowPageNumber = 0;
    EXPECT_TRUE(Print(composer, sheet, 2, false, true).texts.empty());
}

TEST(PrintComposer, PageTitleSitsOnItsDistanceAndTheHeaderFollowsItsAlignment)
{
    CellSheet sheet(2, 2);
    CPageSetup setup = SetupFor(300, 300);
    setup.m_bShowPageNumber = 0;
    setup.m_strHeaderText = "页眉";
    setup.m_nHeaderAlign = 2;
    setup.m_strPageTitle = "月报";
    setup.m_bShowPageTitle = 1;
    CPrintComposer composer(setup);
    const PrintedPage page = Print(composer, sheet, 1, false, true);
    EXPECT_EQ(page.Texts(), (std::set<std::wstring>{Wide("页眉"), Wide("月报")}));
    const RecordedText* title = page.Find(Wide("月报"));
    ASSERT_NE(title, nullptr);
    // A one-line title ends on the title distance (120) and starts below the paper's top.
    EXPECT_GT(title->reference.y, 0);
    EXPECT_LT(title->reference.y, setup.m_nPageTitleMargin);
    EXPECT_GT(title->reference.y, setup.m_nPageTitleMargin - 2 * std::abs(setup.m_lfTitleFont.lfHeight));
    const RecordedText* header = page.Find(Wide("页眉"));
    ASSERT_NE(header, nullptr);
    EXPECT_GT(header->reference.x, composer.HeaderBand().CenterPoint().x); // right-aligned
    setup.m_bShowPageTitle = 0;
    setup.m_bShowHeader = 0;
    EXPECT_TRUE(Print(composer, sheet, 1, false, true).texts.empty());
}

// Every line of a band's text prints, laid out as the header and footer pages preview it: the
// first line beside the picture, the others under both. A header's lines end on its band's lower
// edge, a footer's start on its band's upper edge.
TEST(PrintComposer, EveryLineOfAHeaderOrFooterPrints)
{
    CellSheet sheet(2, 2);
    const struct
    {
        const char* name;
        bool header;
        bool picture;
    } cases[] = {
        {"header", true, false},
        {"header beside a picture", true, true},
        {"footer", false, false},
        {"footer beside a picture", false, true},
    };
    const char* const lines[] = {"第一行", "第二行", "第三行"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPageSetup setup = SetupFor(300, 300);
        setup.m_bShowPageNumber = 0;
        setup.m_bShowHeader = c.header;
        setup.m_bShowFooter = !c.header;
        (c.header ? setup.m_strHeaderText : setup.m_strFooterText) = "第一行\r\n第二行\r\n第三行";
        (c.header ? setup.m_nHeaderAlign : setup.m_nFooterAlign) = 2;
        (c.header ? setup.m_bHeaderShowIcon : setup.m_bFooterShowIcon) = c.picture;
        if (c.picture)
            (c.header ? setup.m_hHeaderBitmap : setup.m_hFooterBitmap).Reset(::CreateBitmap(8, 8, 1, 32, nullptr));
        CPrintComposer composer(setup);
        const PrintedPage page = Print(composer, sheet, 1, false, true);
        ASSERT_EQ(page.texts.size(), 3u);
        std::vector<POINT> at;
        for (const char* line : lines) {
            const RecordedText* text = page.Find(Wide(line));
            ASSERT_NE(text, nullptr) << line;
            at.push_back(text->reference);
        }
        const CRect band = c.header ? composer.HeaderBand() : composer.FooterBand();
        const int lineHeight = at[2].y - at[1].y;
        EXPECT_GT(lineHeight, 0);
        EXPECT_EQ(at[1].y - at[0].y, c.picture ? CBandLayout::kPictureSide : lineHeight);
        if (c.header)
            EXPECT_NEAR(at[2].y + lineHeight, band.bottom, 1);
        else
            EXPECT_EQ(at[0].y, band.top);
        for (const POINT& point : at)
            EXPECT_GT(point.x, band.CenterPoint().x); // right-aligned
    }
}

} // namespace
