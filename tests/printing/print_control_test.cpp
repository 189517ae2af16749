// Printing from the control through a spooler that prints into a metafile: the job and its pages,
// each failure's message, Cancel in the progress dialog with a driver that calls the abort
// procedure for every page and with one that calls it once, the preview in the print frame (its
// icon, its page deleted under it), and the margins page of the page-setup sheet.

#include "printing/NorvakFrameWnd.h"
#include "printing/PrintSpooler.h"
#include "tests/support/ControlTest.h"
#include "tests/support/EmfRecorder.h"
#include "tests/support/ModalDriver.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const char kPrinter[] = "测试打印机";

// A printer with the screen's resolution behind a metafile; records the job's calls.
class MetafileSpooler : public CPrintSpooler
{
public:
    MetafileSpooler() { Install(this); }
    ~MetafileSpooler() override { Install(nullptr); }

    std::vector<std::string> calls;
    std::function<void()> onEndPage;
    bool hasPrinter = true;
    // As Wine's drivers do: the abort procedure is called once, when the job starts, and never
    // while its pages are spooled.
    bool abortProcOnlyAtStart = false;
    int failStartPage = 0; // the page whose StartPage fails
    ABORTPROC abortProc = nullptr;

    std::vector<BYTE> GetPrinterDevMode(const CString&) override { return {}; }
    HDC CreatePrinterDC(const CString& printer, const DEVMODEW*) override
    {
        return hasPrinter && printer == kPrinter ? Make() : nullptr;
    }
    HDC CreateDefaultPrinterDC() override { return hasPrinter ? Make() : nullptr; }
    void DeletePrinterDC(HDC dc) override
    {
        ::DeleteEnhMetaFile(::CloseEnhMetaFile(dc));
        calls.push_back("DeleteDC");
    }
    int SetAbortProc(HDC, ABORTPROC proc) override
    {
        abortProc = proc;
        return 1;
    }
    int StartDoc(HDC dc, const CString& name) override
    {
        calls.push_back("StartDoc " + std::string(name.GetString()));
        if (abortProcOnlyAtStart && abortProc)
            abortProc(dc, 0);
        return 1;
    }
    int StartPage(HDC) override
    {
        calls.push_back("StartPage");
        ++m_pages;
        return m_pages == failStartPage ? -1 : 1;
    }
    int EndPage(HDC dc) override
    {
        calls.push_back("EndPage");
        if (onEndPage)
            onEndPage();
        // As a driver does while it spools: the abort procedure decides whether the job goes on.
        if (abortProcOnlyAtStart)
            return 1;
        return abortProc && !abortProc(dc, 0) ? -1 : 1;
    }
    int EndDoc(HDC) override
    {
        calls.push_back("EndDoc");
        return 1;
    }
    int AbortDoc(HDC) override
    {
        calls.push_back("AbortDoc");
        return 1;
    }

private:
    HDC Make()
    {
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
        ::ReleaseDC(nullptr, screen);
        calls.push_back("CreateDC");
        return dc;
    }
    int m_pages = 0;
};

HWND ProgressDialog()
{
    return ::FindWindowW(L"#32770", CString("打印").ToWide().c_str());
}

class PrintControlTest : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
        control->m_strPrinterName = kPrinter;
        // Two body rows and columns on one small page, whatever the paper.
        ASSERT_TRUE(control->SetRowCount(-1, 3));
        ASSERT_TRUE(control->SetColumnCount(-1, 3));
    }
    std::vector<std::wstring> Messages() const
    {
        std::vector<std::wstring> out;
        for (const ModalDriver::Seen& seen : driver.SeenOf(ModalRequest::MessageBox))
            out.push_back(seen.text + L" | " + seen.caption);
        return out;
    }
    MetafileSpooler spooler;
    ModalDriver driver;
};

std::wstring W(const char* text)
{
    return CString(text).ToWide();
}

TEST_F(PrintControlTest, PrintsEveryPageAsOneJobNamedAfterTheTitle)
{
    control->m_strPageTitle = "  月报 ";
    control->DoPrint();
    EXPECT_EQ(spooler.calls, (std::vector<std::string>{"CreateDC", "StartDoc 月报", "StartPage", "EndPage",
                                                       "EndDoc", "DeleteDC"}));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ProgressDialog(), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(control->m_hWnd));
    EXPECT_TRUE(::IsWindowEnabled(control->GetPrintFrame()->m_hWnd));
}

TEST_F(PrintControlTest, TheProgressDialogCountsThePagesAndDisablesTheControl)
{
    std::wstring text;
    bool controlEnabled = true;
    spooler.onEndPage = [&] {
        HWND progress = ProgressDialog();
        ASSERT_NE(progress, nullptr);
        text = ModalDriver::Text(progress, IDC_PRINT_PROGRESS_TEXT);
        controlEnabled = ::IsWindowEnabled(control->m_hWnd) != FALSE;
    };
    control->DoPrint();
    EXPECT_EQ(text, W("正在打印(共1页)......"));
    EXPECT_FALSE(controlEnabled);
    EXPECT_TRUE(::IsWindowEnabled(control->m_hWnd));
}

TEST_F(PrintControlTest, NothingPrintableStartsAndEndsAnEmptyJobNamedByDefault)
{
    control->GetPage(-1)->m_nOutputMode = 1; // the selection, and nothing is selected
    control->GetPage(-1)->m_bPrintColHeader = 0;
    control->GetPage(-1)->m_bPrintRowHeader = 0;
    control->ClearSelectionAndFocus(-1);
    control->DoPrint();
    EXPECT_EQ(spooler.calls, (std::vector<std::string>{"CreateDC", "StartDoc 文档打印", "EndDoc", "DeleteDC"}));
}

TEST_F(PrintControlTest, FailuresAreShownAndEndTheJob)
{
    struct Case
    {
        const char* name;
        std::function<void(CNorvakCtrl&, MetafileSpooler&)> prepare;
        std::vector<std::string> calls;
        const char* message;
    };
    const Case cases[] = {
        {"a printer that no longer exists", [](CNorvakCtrl& c, MetafileSpooler&) { c.m_strPrinterName = "旧打印机"; },
         {}, "系统在初始化打印机时出错! | 错误提示"},
        {"margins wider than the paper", [](CNorvakCtrl& c, MetafileSpooler&) { c.m_nLeftMargin = 5000; },
         {"CreateDC", "DeleteDC"}, "页边距超过可打印的区域,请重新设置页边距! | 警告"},
        {"a page that cannot start", [](CNorvakCtrl&, MetafileSpooler& s) { s.failStartPage = 1; },
         {"CreateDC", "StartDoc 文档打印", "StartPage", "AbortDoc", "DeleteDC"}, "系统在初始化打印文档时出错! | 错误提示"},
    };
    for (const Case& c : cases) {
        const int leftMargin = control->m_nLeftMargin;
        spooler.calls.clear();
        driver.seen.clear();
        c.prepare(*control, spooler);
        control->DoPrint();
        EXPECT_EQ(spooler.calls, c.calls) << c.name;
        EXPECT_EQ(Messages(), (std::vector<std::wstring>{W(c.message)})) << c.name;
        EXPECT_EQ(ProgressDialog(), nullptr) << c.name;
        EXPECT_TRUE(::IsWindowEnabled(control->m_hWnd)) << c.name;
        control->m_strPrinterName = kPrinter;
        control->m_nLeftMargin = leftMargin;
        spooler.failStartPage = 0;
    }
}

TEST_F(PrintControlTest, CancelInTheProgressDialogAbortsTheJob)
{
    ASSERT_TRUE(control->SetRowCount(-1, 400)); // several pages down
    spooler.onEndPage = [&] {
        if (HWND progress = ProgressDialog())
            ModalDriver::Command(progress, IDCANCEL);
    };
    control->DoPrint();
    ASSERT_GE(spooler.calls.size(), 4u);
    EXPECT_EQ(spooler.calls[spooler.calls.size() - 2], "AbortDoc");
    EXPECT_EQ(std::count(spooler.calls.begin(), spooler.calls.end(), "StartPage"), 1);
    EXPECT_EQ(ProgressDialog(), nullptr);
    EXPECT_EQ(control->GetPrintFrame()->GetPrintView()->m_bAbort, 0);
    EXPECT_TRUE(::IsWindowEnabled(control->m_hWnd));
}

// The window and its controls have been painted: nothing is left to paint.
bool Painted(HWND window)
{
    if (::GetUpdateRect(window, nullptr, FALSE))
        return false;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (!Painted(child))
            return false;
    return true;
}

// Input as the user gives it, posted to the queue: a click on the Cancel button, or Esc.
void PressCancel(HWND progress, bool withKey)
{
    if (withKey) {
        ::PostMessageW(::GetDlgItem(progress, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    HWND button = ::GetDlgItem(progress, IDCANCEL);
    ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

TEST_F(PrintControlTest, CancelEndsTheJobAtTheNextPageWhenTheDriverCallsTheAbortProcedureOnce)
{
    ASSERT_TRUE(control->SetRowCount(-1, 400)); // several pages down
    spooler.abortProcOnlyAtStart = true;
    for (bool withKey : {false, true}) {
        SCOPED_TRACE(withKey ? "Esc" : "a click on Cancel");
        spooler.calls.clear();
        int endPages = 0;
        bool paintedBeforeCancel = false;
        spooler.onEndPage = [&] {
            HWND progress = ProgressDialog();
            ASSERT_NE(progress, nullptr);
            if (++endPages == 1) {
                paintedBeforeCancel = Painted(progress);
                PressCancel(progress, withKey);
            }
        };
        control->DoPrint();
        EXPECT_TRUE(paintedBeforeCancel) << "the progress window paints while the job runs";
        EXPECT_EQ(spooler.calls, (std::vector<std::string>{"CreateDC", "StartDoc 文档打印", "StartPage", "EndPage",
                                                           "AbortDoc", "DeleteDC"}));
        EXPECT_EQ(ProgressDialog(), nullptr);
        EXPECT_EQ(control->GetPrintFrame()->GetPrintView()->m_bAbort, 0);
        EXPECT_TRUE(::IsWindowEnabled(control->m_hWnd));
    }
    // Without a Cancel every page prints and the job ends.
    spooler.calls.clear();
    spooler.onEndPage = nullptr;
    control->DoPrint();
    ASSERT_GE(spooler.calls.size(), 2u);
    EXPECT_GT(std::count(spooler.calls.begin(), spooler.calls.end(), "StartPage"), 1);
    EXPECT_EQ(spooler.calls[spooler.calls.size() - 2], "EndDoc");
}

TEST_F(PrintControlTest, PreviewShowsTheFrameInPlaceOfTheOutermostWindowUntilClosed)
{
    CNorvakFrameWnd* frame = control->GetPrintFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(CString(frame->GetWindowText()), CString("报表打印"));
    HWND outer = CNorvakFrameWnd::OutermostWindow(control->m_hWnd);
    ASSERT_NE(outer, nullptr);
    ::ShowWindow(outer, SW_SHOWNA);
    control->m_strPrinterName = "旧打印机"; // previews on the default printer
    ASSERT_TRUE(control->SetRowCount(-1, 400));
    control->DoPreview();
    ASSERT_NE(frame->GetPreview(), nullptr);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_FALSE(::IsWindowVisible(outer));
    EXPECT_GT(frame->GetPrintView()->GetPageCount(), 1);
    frame->GetPreview()->SendMessage(WM_COMMAND, MAKEWPARAM(CPreviewView::kNextPage, BN_CLICKED));
    EXPECT_EQ(frame->GetPreview()->GetCurrentPage(), 2);
    frame->SendMessage(WM_COMMAND, CPreviewView::kClose);
    EXPECT_EQ(frame->GetPreview(), nullptr);
    EXPECT_FALSE(frame->IsWindowVisible());
    EXPECT_TRUE(::IsWindowVisible(outer));
}

TEST_F(PrintControlTest, PreviewWithoutAnyPrinterOrWithMarginsTooWideEndsAtOnce)
{
    CNorvakFrameWnd* frame = control->GetPrintFrame();
    HWND outer = CNorvakFrameWnd::OutermostWindow(control->m_hWnd);
    ::ShowWindow(outer, SW_SHOWNA);
    spooler.hasPrinter = false;
    control->DoPreview();
    EXPECT_EQ(frame->m_bPrintPrepared, 0);
    EXPECT_EQ(frame->GetPreview(), nullptr);
    EXPECT_FALSE(frame->IsWindowVisible());
    EXPECT_TRUE(::IsWindowVisible(outer));

    spooler.hasPrinter = true;
    control->m_nTopMargin = 5000;
    control->DoPreview();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    EXPECT_EQ(Messages(), (std::vector<std::wstring>{W("页边距超过可打印的区域,请重新设置页边距! | printing_ui_test")}));
    EXPECT_FALSE(frame->IsWindowVisible());
    EXPECT_TRUE(::IsWindowVisible(outer));
}

TEST_F(PrintControlTest, ThePrintFrameAndItsMessagesCarryTheProgramsIconAndTitle)
{
    CNorvakFrameWnd* frame = control->GetPrintFrame();
    for (WPARAM size : {ICON_BIG, ICON_SMALL})
        EXPECT_NE(frame->SendMessage(WM_GETICON, size), 0) << size;
    // This test program has no title string: its file name stands for it.
    control->m_nTopMargin = 5000;
    control->DoPreview();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    ASSERT_EQ(driver.SeenOf(ModalRequest::MessageBox).size(), 1u);
    EXPECT_EQ(driver.SeenOf(ModalRequest::MessageBox)[0].caption, L"printing_ui_test");
}

// The page the preview shows is deleted while it is open: nothing of the freed page is drawn and
// the preview ends. A page before it going leaves the preview on its page.
TEST_F(PrintControlTest, APreviewOutlivesTheDeletionOfItsPage)
{
    CNorvakFrameWnd* frame = control->GetPrintFrame();
    HWND outer = CNorvakFrameWnd::OutermostWindow(control->m_hWnd);
    ::ShowWindow(outer, SW_SHOWNA);
    const int second = control->DoInsertPage("第二页");
    ASSERT_TRUE(control->DoSetActivePageIndex(second));
    ASSERT_TRUE(control->SetRowCount(second, 3));
    ASSERT_TRUE(control->SetColumnCount(second, 3));
    control->DoSetPageCellText(second, 1, 1, "留下");
    // How often the preview's first page shows the text.
    auto drawn = [&](const char* text) {
        const std::vector<RecordedText> texts =
            RecordTexts([&](CDC* dc) { frame->GetPrintView()->DrawPreviewPage(*dc, 1); }).texts;
        return std::count_if(texts.begin(), texts.end(), [&](const RecordedText& t) { return t.text == W(text); });
    };
    auto pump = [] {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    };

    control->DoPreview();
    ASSERT_NE(frame->GetPreview(), nullptr);
    ASSERT_TRUE(control->DoDeletePage(0)); // a page before it
    pump();
    ASSERT_NE(frame->GetPreview(), nullptr);
    EXPECT_EQ(frame->GetPrintView()->GetPrintedPageIndex(), second - 1);
    EXPECT_EQ(drawn("留下"), 1);

    ASSERT_TRUE(control->DoDeletePage(second - 1)); // its own page
    ::RedrawWindow(frame->GetPreview()->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(drawn("留下"), 0);
    pump();
    EXPECT_EQ(frame->GetPreview(), nullptr);
    EXPECT_FALSE(frame->IsWindowVisible());
    EXPECT_TRUE(::IsWindowVisible(outer));
}

TEST_F(PrintControlTest, MarginsPageStoresTruncatedDistancesOnOkOnly)
{
    control->m_nTopMargin = 150;
    std::wstring shown;
    driver.Then([&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        shown = ModalDriver::Text(page, IDC_MARGIN_TOP);
        ModalDriver::SetText(page, IDC_MARGIN_TOP, W("1.15厘米").c_str());
        ModalDriver::Click(page, IDC_MARGIN_CENTER_HORZ);
    });
    driver.Then([](HWND sheet) { ModalDriver::Command(sheet, IDOK); });
    control->DoPrintSetup(FALSE, FALSE, TRUE, FALSE, FALSE, FALSE, FALSE, FALSE);
    EXPECT_EQ(shown, W("1.50厘米"));
    EXPECT_EQ(control->m_nTopMargin, 114);
    EXPECT_EQ(control->m_bCenterHorz, 1);

    driver.Then([](HWND sheet) {
        ModalDriver::SetText(PropSheet_GetCurrentPageHwnd(sheet), IDC_MARGIN_TOP, W("2.00厘米").c_str());
    });
    driver.Then([](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); });
    control->DoPrintSetup(FALSE, FALSE, TRUE, FALSE, FALSE, FALSE, FALSE, FALSE);
    EXPECT_EQ(control->m_nTopMargin, 114);

    const size_t sheets = driver.SeenOf(ModalRequest::PropertySheet).size();
    control->DoPrintSetup(FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, TRUE);
    EXPECT_EQ(driver.SeenOf(ModalRequest::PropertySheet).size(), sheets);
}

} // namespace
