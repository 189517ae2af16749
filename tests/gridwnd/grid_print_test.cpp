// Printing of the grid into a metafile or a memory DC standing in for the printer: the page count,
// the rows each page holds, the header and footer texts, paper without the selection, and no
// handles left behind.

#include "tests/support/EmfRecorder.h"
#include "tests/support/GridWindowFixture.h"
#include "tests/support/GuiResources.h"

#include <algorithm>
#include <string>

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

// Rows 0 (fixed) .. 4 under three columns of 300, each cell with a text naming it: the page is as
// wide as the columns and shaped like the device, so it is tall enough for some rows.
struct PrintHost : GridHost
{
    static constexpr COLORREF kLines = RGB(250, 0, 0);

    PrintHost()
    {
        Shape(5, 3, 1, 0, -1, 300);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col) {
                CString text;
                text.Format("行%d列%d", row, col);
                grid.SetItemText(row, col, text);
            }
    }
    // The texts of one printed page.
    std::vector<std::wstring> PrintPage(UINT page, CPrintInfo& info)
    {
        std::vector<std::wstring> texts;
        const RecordedPicture picture = RecordTexts([&](CDC* dc) {
            grid.OnBeginPrinting(dc, &info);
            info.m_nCurPage = page;
            grid.OnPrint(dc, &info);
            grid.OnEndPrinting(dc, &info);
        });
        for (const RecordedText& text : picture.texts)
            texts.push_back(text.text);
        return texts;
    }
    static bool Has(const std::vector<std::wstring>& texts, const std::wstring& text)
    {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // A metafile DC measures as the screen does.
    CGridPrintMetrics Metrics()
    {
        CPrintInfo info;
        RecordTexts([&](CDC* dc) {
            grid.OnBeginPrinting(dc, &info);
            grid.OnEndPrinting(dc, &info);
        });
        return grid.GetPrintMetrics();
    }
};

} // namespace

TEST(GridPrint, RowsThatFitPrintOnPageOneOfOne)
{
    PrintHost host;
    CPrintInfo info;
    const std::vector<std::wstring> texts = host.PrintPage(1, info);
    EXPECT_EQ(info.GetMaxPage(), 1u);
    EXPECT_TRUE(PrintHost::Has(texts, L"Page 1 of 1"));
    for (const wchar_t* cell : {L"行0列0", L"行1列2", L"行4列1"})
        EXPECT_TRUE(PrintHost::Has(texts, cell)) << "missing " << CString::FromWide(cell).GetString();
}

TEST(GridPrint, RowsALittleTallerThanHalfTheBodyPrintOnePerPage)
{
    PrintHost host;
    host.grid.SetRowCount(4);
    const int body = host.Metrics().nBodyHeight;
    ASSERT_GT(body, 20);
    for (int row = 1; row < 4; ++row)
        host.grid.SetRowHeight(row, body / 2 + 1);
    for (UINT page = 1; page <= 3; ++page) {
        CPrintInfo info;
        const std::vector<std::wstring> texts = host.PrintPage(page, info);
        EXPECT_EQ(info.GetMaxPage(), 3u);
        for (int row = 1; row < 4; ++row) {
            std::wstring cell = L"行" + std::to_wstring(row) + L"列0";
            EXPECT_EQ(PrintHost::Has(texts, cell), row == int(page)) << "row " << row << " on page " << page;
        }
        EXPECT_TRUE(PrintHost::Has(texts, L"行0列0")) << "the headings on every page";
        EXPECT_TRUE(PrintHost::Has(texts, L"Page " + std::to_wstring(page) + L" of 3"));
    }
}

TEST(GridPrint, RowTallerThanTheBodyPrintsOnAPageOfItsOwn)
{
    PrintHost host;
    host.grid.SetRowHeight(2, host.Metrics().nBodyHeight + 5);
    CPrintInfo info;
    host.PrintPage(1, info);
    EXPECT_EQ(info.GetMaxPage(), 3u);
    const std::vector<std::wstring> second = host.PrintPage(2, info);
    EXPECT_TRUE(PrintHost::Has(second, L"行2列0"));
    EXPECT_FALSE(PrintHost::Has(second, L"行1列0"));
    EXPECT_FALSE(PrintHost::Has(second, L"行3列0"));
    EXPECT_TRUE(PrintHost::Has(second, L"Page 2 of 3"));
    EXPECT_TRUE(PrintHost::Has(host.PrintPage(3, info), L"行3列0"));
}

TEST(GridPrint, FirstRowTallerThanTheBodyLeavesNoBlankPage)
{
    PrintHost host;
    host.grid.SetRowHeight(1, host.Metrics().nBodyHeight * 2);
    CPrintInfo info;
    const std::vector<std::wstring> first = host.PrintPage(1, info);
    EXPECT_EQ(info.GetMaxPage(), 2u);
    EXPECT_TRUE(PrintHost::Has(first, L"行1列0"));
    const std::vector<std::wstring> second = host.PrintPage(2, info);
    for (const wchar_t* cell : {L"行2列0", L"行4列2"})
        EXPECT_TRUE(PrintHost::Has(second, cell)) << "missing " << CString::FromWide(cell).GetString();
}

TEST(GridPrint, HeaderShowsTheTitleAndTheNearestWindowText)
{
    PrintHost host;
    CPrintInfo info;
    std::vector<std::wstring> texts = host.PrintPage(1, info);
    EXPECT_TRUE(PrintHost::Has(texts, L"网格窗口测试"));
    const size_t withoutParentText = texts.size();

    ::SetWindowTextW(host.Host(), L"报表窗口");
    texts = host.PrintPage(1, info);
    EXPECT_TRUE(PrintHost::Has(texts, L"报表窗口"));
    EXPECT_EQ(texts.size(), withoutParentText + 1);
}

TEST(GridPrint, NothingToPrintWithoutNormalRowsOrADevice)
{
    PrintHost host;
    host.grid.SetRowCount(1);
    CPrintInfo info;
    info.SetMaxPage(7);
    host.PrintPage(1, info);
    EXPECT_EQ(info.GetMaxPage(), 7u);
    host.grid.OnBeginPrinting(nullptr, &info);
    host.grid.OnPrint(nullptr, &info);
    EXPECT_EQ(info.GetMaxPage(), 7u);
}

TEST(GridPrint, PaperShowsNoSelectionAndNoHandleIsLeft)
{
    PrintHost host;
    host.grid.ApplyGridSelection(1, 0, 4, 2);
    host.grid.MoveGridFocus(2, 1);
    CDC screen(::GetDC(nullptr));
    const int width = screen.GetDeviceCaps(HORZRES);
    const int height = screen.GetDeviceCaps(VERTRES);
    ::ReleaseDC(nullptr, screen.Detach());
    CBitmap page;
    DWORD* bits = nullptr;
    ASSERT_TRUE(page.CreateDIBSection32(width, height, &bits));
    CDC printer;
    ASSERT_TRUE(printer.CreateCompatibleDC(static_cast<HDC>(nullptr)));
    CSelectObject select(printer, page);
    const DWORD before = GdiObjectCount();
    for (int round = 0; round < 5; ++round) {
        printer.FillSolidRect(CRect(0, 0, width, height), RGB(255, 255, 255));
        CPrintInfo info;
        host.grid.OnBeginPrinting(&printer, &info);
        host.grid.OnPrint(&printer, &info);
        host.grid.OnEndPrinting(&printer, &info);
    }
    EXPECT_EQ(GdiObjectCount(), before);
    ::GdiFlush();
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const DWORD highlightPixel =
        (GetRValue(highlight) << 16) | (GetGValue(highlight) << 8) | GetBValue(highlight);
    int ink = 0, highlighted = 0;
    for (int i = 0; i < width * height; ++i) {
        ink += (bits[i] & 0xFFFFFF) != 0xFFFFFF;
        highlighted += (bits[i] & 0xFFFFFF) == highlightPixel;
    }
    EXPECT_GT(ink, 100) << "the page has its cells and lines";
    EXPECT_EQ(highlighted, 0);
}

namespace {

// A page printed into a bitmap of the screen's size standing in for the printer, with the way from
// a point of the body band (x from the left of column 0, y from the top of the first row printed)
// to its pixel.
struct PrintedPage
{
    explicit PrintedPage(PrintHost& host, UINT page)
    {
        CDC screen(::GetDC(nullptr));
        width = screen.GetDeviceCaps(HORZRES);
        height = screen.GetDeviceCaps(VERTRES);
        ::ReleaseDC(nullptr, screen.Detach());
        EXPECT_TRUE(bitmap.CreateDIBSection32(width, height, &bits));
        EXPECT_TRUE(printer.CreateCompatibleDC(static_cast<HDC>(nullptr)));
        CSelectObject select(printer, bitmap);
        printer.FillSolidRect(CRect(0, 0, width, height), RGB(255, 255, 255));
        CPrintInfo info;
        host.grid.OnBeginPrinting(&printer, &info);
        info.m_nCurPage = page;
        host.grid.OnPrint(&printer, &info);
        host.grid.OnEndPrinting(&printer, &info);
        ::GdiFlush();
        m = host.grid.GetPrintMetrics();
        bodyTop = 3 * m.nCharHeight + host.grid.GetFixedRowHeight();
    }
    CPoint Pixel(int x, int y) const
    {
        return CPoint(::MulDiv(x + 4 * m.nCharWidth, m.nPrinterWidth, m.nPageWidth),
                      ::MulDiv(y + bodyTop, m.nPrinterHeight, m.nPageHeight));
    }
    COLORREF At(CPoint p) const
    {
        if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height)
            return CLR_INVALID;
        const DWORD v = bits[size_t(p.y) * size_t(width) + size_t(p.x)];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Pixels of the colour within the body rectangle (body coordinates, the pixels they cover).
    int Count(const CRect& body, COLORREF colour) const
    {
        const CPoint from = Pixel(body.left, body.top);
        const CPoint to = Pixel(body.right, body.bottom);
        int count = 0;
        for (int y = from.y; y < to.y; ++y)
            for (int x = from.x; x < to.x; ++x)
                count += At(CPoint(x, y)) == colour;
        return count;
    }
    // The lowest pixel row that holds the colour, -1 for none.
    int LowestOf(COLORREF colour) const
    {
        for (int y = height - 1; y >= 0; --y)
            for (int x = 0; x < width; ++x)
                if (At(CPoint(x, y)) == colour)
                    return y;
        return -1;
    }

    int width = 0;
    int height = 0;
    CBitmap bitmap;
    DWORD* bits = nullptr;
    CDC printer;
    CGridPrintMetrics m;
    int bodyTop = 0;
};

} // namespace

TEST(GridPrint, TallRowIsCutAtTheBottomOfTheBody)
{
    PrintHost host;
    constexpr COLORREF kTall = RGB(30, 200, 90);
    const int body = host.Metrics().nBodyHeight;
    host.grid.SetRowHeight(2, body + 40);
    host.grid.GetCell(2, 1)->font.crBackground = kTall;
    const PrintedPage page(host, 2);
    EXPECT_GT(page.Count(CRect(310, 5, 590, body - 5), kTall), 100) << "the row fills the body";
    const int lowest = page.LowestOf(kTall);
    EXPECT_GE(lowest, page.Pixel(0, body - 2).y);
    EXPECT_LT(lowest, page.Pixel(0, body).y) << "nothing of it below the body, over the footer";
}

TEST(GridPrint, MergedAreaPrintsAsOneCellWithoutLinesAcrossIt)
{
    PrintHost host;
    host.grid.SetGridLineColor(PrintHost::kLines);
    for (int row = 1; row < 5; ++row)
        host.grid.SetRowHeight(row, 30);
    host.Merge(1, 0, 2, 1); // body rows 0..29 and 30..59, columns 0..299 and 300..599
    host.grid.SetItemText(1, 0, "合并区");
    host.grid.GetCell(1, 0)->nFormat = 5; // centred both ways
    host.grid.GetCell(1, 0)->font.crBackground = RGB(255, 255, 160);

    CPrintInfo info;
    const std::vector<std::wstring> texts = host.PrintPage(1, info);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), L"合并区"), 1);
    for (const wchar_t* covered : {L"行1列1", L"行2列0", L"行2列1"})
        EXPECT_FALSE(PrintHost::Has(texts, covered)) << CString::FromWide(covered).GetString();
    EXPECT_TRUE(PrintHost::Has(texts, L"行1列2"));

    const PrintedPage page(host, 1);
    const struct
    {
        const char* where;
        CRect band;
        bool line;
    } cases[] = {
        {"between the area's rows", CRect(20, 28, 580, 31), false},
        {"between the area's columns", CRect(298, 3, 301, 57), false},
        {"under the area", CRect(20, 58, 580, 61), true},
        {"right of the area", CRect(598, 3, 601, 57), true},
        {"between the rows right of it", CRect(620, 28, 880, 31), true},
        {"between the columns below it", CRect(298, 63, 301, 87), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(page.Count(c.band, PrintHost::kLines) > 0, c.line) << c.where;
    EXPECT_GT(page.Count(CRect(290, 25, 310, 35), RGB(255, 255, 160)), 0) << "one fill over the whole area";
}

TEST(GridPrint, MergedAreaCutByThePageEndShowsOnBothPages)
{
    PrintHost host;
    const int body = host.Metrics().nBodyHeight;
    host.grid.SetRowCount(3);
    host.grid.SetRowHeight(1, body / 2 + 10);
    host.grid.SetRowHeight(2, body / 2 + 10);
    host.Merge(1, 1, 2, 1);
    constexpr COLORREF kArea = RGB(120, 20, 160);
    host.grid.GetCell(1, 1)->font.crBackground = kArea;
    CPrintInfo info;
    host.PrintPage(1, info);
    ASSERT_EQ(info.GetMaxPage(), 2u);
    const PrintedPage first(host, 1);
    EXPECT_GT(first.Count(CRect(310, 5, 590, body / 2), kArea), 100);
    const PrintedPage second(host, 2);
    EXPECT_GT(second.Count(CRect(310, 5, 590, body / 2), kArea), 100) << "the rest of the area on the next page";
    EXPECT_LT(second.LowestOf(kArea), second.Pixel(0, body / 2 + 10).y) << "no more than its last row";
}
