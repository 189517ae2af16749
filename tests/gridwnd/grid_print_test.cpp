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

TEST(GridPrint, RowTallerThanTheBodyIsNotPrinted)
{
    PrintHost host;
    host.grid.SetRowHeight(2, host.Metrics().nBodyHeight + 5);
    CPrintInfo info;
    host.PrintPage(1, info);
    EXPECT_EQ(info.GetMaxPage(), 3u);
    const std::vector<std::wstring> second = host.PrintPage(2, info);
    EXPECT_FALSE(PrintHost::Has(second, L"行2列0"));
    EXPECT_TRUE(PrintHost::Has(second, L"Page 2 of 3")) << "header, headings and footer only";
    EXPECT_TRUE(PrintHost::Has(host.PrintPage(3, info), L"行3列0"));
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
