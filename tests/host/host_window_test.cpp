// The host program's main window with the control in its document windows, driven through real
// messages: start-up, File New, header labels, a new sheet, the menu's enabled items, Save and
// Open through the file dialog seam, closing a window, and an automation start.

#include "NorvakResource.h"
#include "host/ChildFrame.h"
#include "tests/host/HostWindowFixture.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CString CellText(const CNorvak& control, long page, long row, long col)
{
    return DispatchCall<CString>(control, 33, page, row, col); // DoGetPageCellText
}

std::wstring TempWorkbook()
{
    wchar_t folder[MAX_PATH]{};
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"quilm_window_test.nvk";
}

using HostWindowTest = HostWindowFixture;

TEST_F(HostWindowTest, StartsWithOneDocumentWindowHoldingTheControlWithLabelledHeaders)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(DocumentWindows(*frame), 1);
    CNorvak* control = frame->ActiveControl();
    ASSERT_NE(control, nullptr);
    CChildFrame* child = frame->ActiveChild();
    ASSERT_NE(child, nullptr);
    // The control's own window, child 105 of the view, filling it.
    EXPECT_EQ(::GetParent(control->m_hWnd), child->View().m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(control->m_hWnd), 105);
    RECT view{}, held{};
    ::GetClientRect(child->View().m_hWnd, &view);
    ::GetWindowRect(control->m_hWnd, &held);
    EXPECT_EQ(held.right - held.left, view.right);
    EXPECT_EQ(held.bottom - held.top, view.bottom);
    EXPECT_EQ(CWnd::TextOf(frame->m_hWnd), CString("CQuilm - CQuilm1"));
    const HWND first = control->m_hWnd;
    child->View().OnInitialUpdate();
    EXPECT_EQ(control->m_hWnd, first) << "a second initial update makes no second control";
    EXPECT_EQ(::GetWindow(child->View().m_hWnd, GW_CHILD), first);
    EXPECT_EQ(::GetWindow(first, GW_HWNDNEXT), nullptr);

    EXPECT_EQ(control->DoGetPageCounts(), 3);
    EXPECT_EQ(CellText(*control, 0, 0, 1), CString("A"));
    EXPECT_EQ(CellText(*control, 0, 0, 26), CString("Z"));
    EXPECT_EQ(CellText(*control, 2, 0, 27), CString("AA"));
    EXPECT_EQ(CellText(*control, 1, 1, 0), CString("1"));
    EXPECT_EQ(CellText(*control, 1, 99, 0), CString("99"));
    EXPECT_EQ(DispatchCall<long>(*control, 16, 0L, 0L), 40); // DoGetPageColumnWidth of the header column
}

TEST_F(HostWindowTest, MenuCommandsReachTheActiveWindowsControl)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    Command(ID_NEW_SHEET);
    CNorvak* control = frame->ActiveControl();
    ASSERT_NE(control, nullptr);
    ASSERT_EQ(control->DoGetPageCounts(), 4);
    // A member the control does not have gives an empty answer, no error raised.
    EXPECT_EQ(DispatchCall<long>(*control, 58, 3L), 0);
    EXPECT_EQ(dispatch_client::LastError(), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(control->DoGetPageRows(3, 2), 100);
    EXPECT_EQ(control->DoGetPageColumns(3, 2), 50);
    EXPECT_EQ(CellText(*control, 3, 0, 49), CString("AW"));
    EXPECT_EQ(CellText(*control, 3, 99, 0), CString("99"));

    Command(ID_FILE_NEW);
    EXPECT_EQ(DocumentWindows(*frame), 2);
    EXPECT_EQ(CWnd::TextOf(frame->m_hWnd), CString("CQuilm - CQuilm2"));
    EXPECT_NE(frame->ActiveControl(), control);
    EXPECT_EQ(frame->ActiveControl()->DoGetPageCounts(), 3);

    // Items with a handler are enabled, the ones nobody handles are not.
    EXPECT_EQ(MenuState(ID_NEW_SHEET) & MF_GRAYED, 0u);
    EXPECT_NE(MenuState(ID_COLUMN_WIDTH) & MF_GRAYED, 0u);
    EXPECT_NE(MenuState(ID_SHEET_RENAME) & MF_GRAYED, 0u);
}

TEST_F(HostWindowTest, SaveAsksOnceAndOpeningTheSameFileTwiceShowsOneWindow)
{
    const std::wstring path = TempWorkbook();
    ::DeleteFileW(path.c_str());
    ModalDriver driver;
    driver.answer = [&](const ModalRequest& request) -> INT_PTR {
        if (request.kind != ModalRequest::FileDialog)
            return ModalDriver::DefaultAnswer(request);
        auto* ofn = static_cast<OPENFILENAMEW*>(request.data);
        ::lstrcpynW(ofn->lpstrFile, path.c_str(), int(ofn->nMaxFile));
        return IDOK;
    };
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    Command(ID_NEW_SHEET);
    Command(ID_SAVE_WORKBOOK);
    ASSERT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "the workbook was written";
    Command(ID_SAVE_WORKBOOK);
    EXPECT_EQ(driver.SeenOf(ModalRequest::FileDialog).size(), 1u) << "the second Save writes without asking";

    Command(ID_FILE_OPEN);
    ASSERT_EQ(DocumentWindows(*frame), 2);
    CChildFrame* opened = frame->ActiveChild();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(CWnd::TextOf(opened->m_hWnd), CString("quilm_window_test.nvk"));
    EXPECT_EQ(opened->View().Control().DoGetPageCounts(), 4) << "only the file's pages";
    EXPECT_EQ(frame->m_bOpeningFile, 0);

    Command(ID_FILE_NEW); // another window comes to the front
    ASSERT_EQ(DocumentWindows(*frame), 3);
    Command(ID_FILE_OPEN);
    EXPECT_EQ(DocumentWindows(*frame), 3) << "the window that shows the file comes forward";
    EXPECT_EQ(frame->ActiveChild(), opened);

    ::SendMessageW(opened->m_hWnd, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(DocumentWindows(*frame), 2);
    EXPECT_TRUE(frame->m_openFiles.Entries().empty());
    ::DeleteFileW(path.c_str());
}

TEST_F(HostWindowTest, AnAutomationStartShowsNoWindowAndMakesNoDocument)
{
    ASSERT_TRUE(app.InitInstance(L"/Embedding"));
    Pump();
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_FALSE(app.MainFrame()->IsWindowVisible());
    EXPECT_EQ(DocumentWindows(*app.MainFrame()), 0);
    EXPECT_TRUE(app.IsEmbedded());
}

} // namespace
