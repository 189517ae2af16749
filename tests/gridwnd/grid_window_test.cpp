// The grid window itself: its class, windows made by class name, the dialog code it asks for, the
// count setters in a window, the scroll bars, and no handles left behind.

#include "tests/support/GridWindowFixture.h"
#include "sheet/model/NorvakPage.h"
#include "tests/support/GuiResources.h"

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

HWND CreateByName(HWND parent, UINT id = 5)
{
    return ::CreateWindowExW(0, CGridCtrl::kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, parent,
                             reinterpret_cast<HMENU>(UINT_PTR(id)), ::GetModuleHandleW(nullptr), nullptr);
}

} // namespace

TEST(GridWindow, ClassIsRegisteredAsTheGridNeedsIt)
{
    ASSERT_TRUE(CGridCtrl::RegisterWindowClass());
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&CGridCtrl::RegisterWindowClass), &module);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    ASSERT_TRUE(::GetClassInfoExW(module, CGridCtrl::kClassName, &wc));
    EXPECT_EQ(wc.style & (CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS), UINT(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(wc.hCursor, ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    EXPECT_EQ(wc.cbClsExtra + wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hIcon, nullptr);
    EXPECT_TRUE(CGridCtrl::RegisterWindowClass()) << "a second registration finds the class";
}

TEST(GridWindow, MadeByCreateObjectItHasNoCells)
{
    std::unique_ptr<CGridCtrl> grid(CGridCtrl::CreateObject());
    EXPECT_EQ(grid->GetRowCount(), 0);
    EXPECT_EQ(grid->GetColumnCount(), 0);
    EXPECT_EQ(grid->GetVirtualHeight(), 0);
    EXPECT_EQ(grid->GetItemText(0, 0), CString());
    EXPECT_EQ(grid->GetRowHeight(0), -1);
    EXPECT_FALSE(grid->SetColumnWidth(0, 5));
    EXPECT_TRUE(grid->SetRowCount(5));
    EXPECT_TRUE(grid->SetColumnCount(3));
    EXPECT_EQ(grid->GetVirtualHeight(), 50);
    EXPECT_EQ(grid->GetVirtualWidth(), 90);
}

TEST(GridWindow, LoadsItsModulesBitmapWhenMadeAndFreesItWithItself)
{
    auto grid = std::make_unique<TestGrid>();
    const HBITMAP bitmap = grid->ResourceBitmap();
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_EQ(::GetObjectW(bitmap, sizeof info, &info), int(sizeof info));
    EXPECT_GT(info.bmWidth, 0);
    grid.reset();
    EXPECT_EQ(::GetObjectW(bitmap, sizeof info, &info), 0) << "freed with the grid";
}

TEST(GridWindow, WindowMadeByClassNameGetsAGridThatGoesWithIt)
{
    GridHost host;
    const DWORD gdiBefore = GdiObjectCount();
    for (int round = 0; round < 20; ++round) {
        HWND hwnd = CreateByName(host.Host());
        ASSERT_NE(hwnd, nullptr);
        CGridCtrl* grid = CGridCtrl::FromHandle(hwnd);
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(::SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_WANTARROWS | DLGC_WANTCHARS),
                  LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS));
        grid->SetRowCount(4);
        grid->SetColumnCount(4);
        ::UpdateWindow(hwnd);
        ::InvalidateRect(hwnd, nullptr, FALSE);
        ::UpdateWindow(hwnd);
        ::DestroyWindow(hwnd);
        EXPECT_EQ(CGridCtrl::FromHandle(hwnd), nullptr);
    }
    GridHost::Pump();
    EXPECT_EQ(GdiObjectCount(), gdiBefore);
}

TEST(GridWindow, ProgramObjectTakesOverAWindowMadeByName)
{
    GridHost host;
    HWND hwnd = CreateByName(host.Host(), 9);
    ASSERT_NE(CGridCtrl::FromHandle(hwnd), nullptr);
    {
        CGridCtrl mine(6, 4, 1, 1);
        ASSERT_TRUE(mine.SubclassGrid(hwnd));
        EXPECT_EQ(CGridCtrl::FromHandle(hwnd), &mine);
        EXPECT_EQ(mine.GetRowCount(), 6);
        SCROLLINFO info{sizeof(info), SIF_RANGE, 0, 0, 0, 0, 0};
        EXPECT_TRUE(::GetScrollInfo(hwnd, SB_VERT, &info)) << "the scroll bars are set up";
        CGridCtrl other;
        EXPECT_FALSE(other.SubclassGrid(hwnd)) << "a program's own grid is not taken away";
    }
    EXPECT_FALSE(::IsWindow(hwnd)) << "the window goes with the object that took it";
}

TEST(GridWindow, DialogCodeAsksForTabOnlyWithoutCtrl)
{
    GridHost host;
    const LRESULT withTab = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    EXPECT_EQ(::SendMessageW(host.grid, WM_GETDLGCODE, 0, 0), withTab);
    GridHost::SetKeys({VK_CONTROL});
    EXPECT_EQ(::SendMessageW(host.grid, WM_GETDLGCODE, 0, 0), LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS));
    GridHost::SetKeys({});
    host.grid.SetHandleTabKey(FALSE);
    EXPECT_EQ(::SendMessageW(host.grid, WM_GETDLGCODE, 0, 0), LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS));
}

TEST(GridWindow, ShrinkingTheRowsDropsAFocusPastThemAndTheSelection)
{
    GridHost host;
    host.grid.SetRowCount(10);
    host.grid.SetColumnCount(5);
    host.grid.SetFixedRowCount(3);
    host.grid.MoveGridFocus(8, 2);
    host.grid.ApplyGridSelection(4, 1, 8, 3);
    EXPECT_TRUE(host.grid.SetRowCount(2));
    EXPECT_EQ(host.grid.GetFixedRowCount(), 2);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord());
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(2, 5, -1, -1));
    EXPECT_FALSE(host.grid.SetRowCount(-3));
}

TEST(GridWindow, ItemsMoveByMask)
{
    GridHost host;
    host.grid.SetRowCount(3);
    host.grid.SetColumnCount(3);
    CGridCellItem item;
    item.row = 1;
    item.col = 2;
    item.mask = CIM_TEXT | CIM_FORMAT | CIM_TEXTCOLOR | CIM_STATE;
    item.text = "文本";
    item.format = 13;
    item.font.crText = RGB(9, 8, 7);
    item.font.crBackground = RGB(1, 1, 1); // not in the mask
    item.state = CIS_SELECTED;
    item.values[2] = 42;
    ASSERT_TRUE(host.grid.SetItem(&item));
    const CGridCell& cell = *host.grid.GetCell(1, 2);
    EXPECT_EQ(cell.strText, CString("文本"));
    EXPECT_EQ(cell.nFormat, 13);
    EXPECT_EQ(cell.font.crText, RGB(9, 8, 7));
    EXPECT_EQ(cell.font.crBackground, kNoBackground);
    EXPECT_EQ(cell.values[2], 42);
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(1, 2, 1, 2)) << "the selection knows the state";

    CGridCellItem read;
    read.row = 1;
    read.col = 2;
    read.mask = CIM_TEXT;
    ASSERT_TRUE(host.grid.GetItem(&read));
    EXPECT_EQ(read.text, CString("文本"));
    EXPECT_EQ(read.format, 0) << "not asked for";
    EXPECT_EQ(read.values[2], 42);
    read.row = 3;
    EXPECT_FALSE(host.grid.GetItem(&read));
    EXPECT_FALSE(host.grid.SetItem(&read));
}

TEST(GridWindow, ScrollBarsLeaveRoomForTheFixedCellsAndFollowTheWheel)
{
    GridHost host(300, 200);
    host.grid.SetRowCount(40);
    host.grid.SetColumnCount(3);
    host.grid.SetFixedRowCount(1);
    for (int row = 0; row < 40; ++row)
        host.grid.SetRowHeight(row, 20);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(::GetScrollInfo(host.grid, SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 40 * 20 - 20 - 1);
    EXPECT_EQ(int(info.nPage), int(host.grid.GetClientRect().Height()) - 20);

    const int lines = CNorvakPage::ReadWheelScrollLines();
    host.Post(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 1 + lines);
    host.Post(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 1);
    host.Post(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(host.grid.GetFullyVisibleGridRange().maxRow, 39);

    host.grid.SetRowCount(5);
    info.fMask = SIF_RANGE;
    ::GetScrollInfo(host.grid, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 0) << "all rows fit";
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 1);
}

TEST(GridWindow, RepeatedWorkLeavesNoHandlesBehind)
{
    auto work = [] {
        GridHost host;
        host.grid.SetRowCount(8);
        host.grid.SetColumnCount(5);
        host.grid.SetFixedRowCount(1);
        host.grid.SetFixedColumnCount(1);
        host.grid.SetItemText(2, 2, "汉字");
        host.grid.MoveGridFocus(2, 2);
        ::RedrawWindow(host.grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        host.Post(WM_CHAR, 'k');
        host.Key(VK_TAB, host.Editor());
        host.Key(VK_ESCAPE, host.Editor());
        host.grid.ApplyGridSelection(1, 1, 3, 3);
        delete host.grid.CreateDragImage(nullptr);
        host.grid.RepaintGridCell(3, 3);
        host.grid.OnUpdateEditPaste();
    };
    work();
    GridHost::Pump();
    const DWORD gdi = GdiObjectCount();
    const DWORD user = UserObjectCount();
    for (int round = 0; round < 10; ++round)
        work();
    GridHost::Pump();
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
}
