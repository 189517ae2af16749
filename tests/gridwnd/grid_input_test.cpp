// The grid driven as a user would: keys that move the focus and the selection and scroll the view,
// typing that opens the in-place edit and keys that end and chain it, Delete, and the mouse that
// selects, resizes, sorts and scrolls while dragging.

#include "tests/support/GridCharts.h"
#include "tests/support/GridWindowFixture.h"
#include "tests/support/RealMouse.h"

#include <string>
#include <vector>

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

// 40 rows of 20 (row 0 fixed), 6 columns of 50 (column 0 fixed) in a 300 x 200 window; the texts
// name their cells.
struct InputHost : GridHost
{
    InputHost() : GridHost(300, 200)
    {
        Shape(40, 6, 1, 1, 20, 50);
        for (int row = 0; row < 40; ++row)
            for (int col = 0; col < 6; ++col)
                grid.SetItemText(row, col, Name(row, col));
        grid.MoveGridFocus(1, 1);
        Pump();
        notices.clear();
    }
    static CString Name(int row, int col)
    {
        CString name;
        name.Format("r%dc%d", row, col);
        return name;
    }
    int EditorCount() const
    {
        int count = 0;
        for (HWND child = ::GetWindow(grid, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            count += ::IsWindowVisible(child) != FALSE;
        return count;
    }
    static CString TextOf(HWND window) { return CWnd::TextOf(window); }
};

} // namespace

TEST(GridKeyboard, ArrowsMoveTheFocusAndShiftExtendsTheSelection)
{
    InputHost host;
    host.Key(VK_RIGHT);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(1, 2));
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(1, 2, 1, 2));
    EXPECT_EQ(host.notices, (std::vector<GridNotice>{{1, 1, -100}, {1, 2, -101}}));

    GridHost::SetKeys({VK_SHIFT});
    host.Key(VK_DOWN);
    host.Key(VK_DOWN);
    host.Key(VK_RIGHT);
    GridHost::SetKeys({});
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(3, 3));
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(1, 2, 3, 3));
    host.Key(VK_UP);
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(2, 3, 2, 3)) << "without Shift the anchor moves";
}

TEST(GridKeyboard, TabOnTheLastCellOfTheLastRowStays)
{
    InputHost host;
    host.grid.MoveGridFocus(39, 5);
    host.Key(VK_TAB);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(39, 5));
    host.grid.MoveGridFocus(3, 5);
    host.Key(VK_TAB);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(4, 1)) << "from the last column to the next row";
}

TEST(GridKeyboard, DownFromAMergedAreaThreeRowsHighLeavesBelowIt)
{
    InputHost host;
    host.Merge(2, 2, 4, 2);
    host.grid.MoveGridFocus(2, 2);
    host.Key(VK_DOWN);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(5, 2));
    host.Key(VK_UP);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(2, 2));
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(2, 2, 4, 2));
}

TEST(GridKeyboard, MovesScrollTheFocusIntoViewAndPagesMoveItAsFarAsTheView)
{
    InputHost host;
    for (int i = 0; i < 12; ++i)
        host.Key(VK_DOWN);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(13, 1));
    const CCellRect shown = host.grid.GetFullyVisibleGridRange();
    EXPECT_GE(13, shown.minRow);
    EXPECT_LE(13, shown.maxRow);
    EXPECT_GT(shown.minRow, 1) << "the view scrolled";

    const int top = host.grid.GetTopLeftGridCell().row;
    host.Key(VK_NEXT);
    const int moved = host.grid.GetTopLeftGridCell().row - top;
    EXPECT_GT(moved, 0);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(13 + moved, 1));
    host.Key(VK_END);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(39, 1));
    host.Key(VK_NEXT);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(39, 1)) << "the view stayed: the last row";
    host.Key(VK_HOME);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(1, 1));
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 1);
}

TEST(GridEditing, TypingALetterOpensTheEditWithItAndCtrlNever)
{
    InputHost host;
    GridHost::SetKeys({VK_CONTROL});
    host.Key('B');
    EXPECT_EQ(host.Editor(), nullptr);
    host.Key('A');
    EXPECT_EQ(host.Editor(), nullptr);
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(1, 1, 39, 5)) << "Ctrl+A selects all";
    GridHost::SetKeys({});

    host.Key('Q');
    ASSERT_NE(host.Editor(), nullptr);
    EXPECT_EQ(InputHost::TextOf(host.Editor()), CString("q"));
    EXPECT_EQ(::GetFocus(), host.Editor());
    host.Key(VK_RETURN);
    GridHost::Pump();
    EXPECT_EQ(host.Editor(), nullptr);
    EXPECT_EQ(host.grid.GetItemText(1, 1), CString("q"));
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(1, 1)) << "Enter ends the edit where it is";
    EXPECT_TRUE(host.grid.GetItemState(1, 1) & CGridCell::kModified);
    EXPECT_EQ(host.NoticesOf(-106), (std::vector<GridNotice>{{1, 1, -106}}));
}

namespace {

// Keys as the keyboard sends them into the thread's input queue, to the window with the focus:
// each character through VK_PACKET, as an input method or a keyboard without the key gives it.
void RealType(const std::wstring& text)
{
    std::vector<INPUT> input;
    for (wchar_t ch : text)
        for (DWORD up : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
            INPUT key{};
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = ch;
            key.ki.dwFlags = KEYEVENTF_UNICODE | up;
            input.push_back(key);
        }
    ASSERT_EQ(::SendInput(UINT(input.size()), input.data(), sizeof(INPUT)), UINT(input.size()));
    PumpMessagesUntil([] { return !HIWORD(::GetQueueStatus(QS_KEY)); });
    GridHost::Pump();
}

} // namespace

TEST(GridEditing, TypedCharactersLandInTheOrderTyped)
{
    InputHost host;
    for (UINT key : {'1', '2', '3'})
        host.Key(key); // each to the window with the focus, translated by the pump
    host.Key(VK_RETURN);
    EXPECT_EQ(host.grid.GetItemText(1, 1), CString("123"));

    host.grid.MoveGridFocus(2, 1);
    ::SetForegroundWindow(host.Host());
    host.grid.SetFocus();
    RealType(L"中文");
    host.Key(VK_RETURN);
    EXPECT_EQ(host.grid.GetItemText(2, 1), CString("中文"));

    // An input method hands its text over at once: both characters wait for the grid before the
    // first one opens the edit.
    host.grid.MoveGridFocus(3, 1);
    ::PostMessageW(host.grid, WM_IME_CHAR, L'中', 1);
    ::PostMessageW(host.grid, WM_IME_CHAR, L'文', 1);
    GridHost::Pump();
    host.Key(VK_RETURN);
    EXPECT_EQ(host.grid.GetItemText(3, 1), CString("中文"));
    EXPECT_EQ(host.EditorCount(), 0);
}

TEST(GridEditing, TabEndsTheEditAndEditsTheNextCellAtOnce)
{
    InputHost host;
    host.Key('X');
    host.Key(VK_TAB);
    EXPECT_EQ(host.grid.GetItemText(1, 1), CString("x"));
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(1, 2));
    ASSERT_NE(host.Editor(), nullptr);
    EXPECT_EQ(InputHost::TextOf(host.Editor()), InputHost::Name(1, 2));
    DWORD start = 0, end = 0;
    ::SendMessageW(host.Editor(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, DWORD(InputHost::Name(1, 2).GetLength())) << "its whole text selected";
    GridHost::Pump();
    EXPECT_EQ(host.EditorCount(), 1);

    host.Key(VK_RIGHT, host.Editor());
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(1, 3)) << "a chained edit ends on an arrow";
    host.Key(VK_ESCAPE, host.Editor());
    GridHost::Pump();
    EXPECT_EQ(host.Editor(), nullptr);
    EXPECT_EQ(host.grid.GetItemText(1, 3), InputHost::Name(1, 3));
}

TEST(GridEditing, EscPutsTheTextBackAndAnInputMethodStartsEmpty)
{
    InputHost host;
    host.Key('Z');
    host.Key(VK_ESCAPE);
    GridHost::Pump();
    EXPECT_EQ(host.grid.GetItemText(1, 1), InputHost::Name(1, 1));
    EXPECT_FALSE(host.grid.GetItemState(1, 1) & CGridCell::kModified);

    host.Post(WM_KEYDOWN, VK_PROCESSKEY, 1);
    ASSERT_NE(host.Editor(), nullptr);
    EXPECT_EQ(InputHost::TextOf(host.Editor()), CString());
    host.Post(WM_CHAR, L'中', 1, host.Editor());
    host.Key(VK_RETURN);
    EXPECT_EQ(host.grid.GetItemText(1, 1), CString("中"));
}

TEST(GridEditing, DoubleClickEditsTheTextWhereArrowsMoveTheCaret)
{
    InputHost host;
    const CPoint point = host.CentreOf(2, 3);
    host.Click(point);
    host.Post(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ASSERT_NE(host.Editor(), nullptr);
    EXPECT_EQ(InputHost::TextOf(host.Editor()), InputHost::Name(2, 3));
    host.Key(VK_LEFT, host.Editor());
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(2, 3)) << "Left moves the caret";
    host.Key(VK_DOWN, host.Editor());
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(3, 3)) << "Down ends the edit and goes on below";
    ASSERT_NE(host.Editor(), nullptr);
    EXPECT_EQ(InputHost::TextOf(host.Editor()), InputHost::Name(3, 3));
}

TEST(GridEditing, ReadOnlyCellsAndAReadOnlyGridOpenNoEdit)
{
    InputHost host;
    host.grid.SetItemState(1, 1, CIS_READONLY);
    host.Key('A');
    EXPECT_EQ(host.Editor(), nullptr);
    host.Key(VK_DELETE);
    EXPECT_EQ(host.grid.GetItemText(1, 1), InputHost::Name(1, 1));
    host.grid.SetEditable(FALSE);
    host.grid.MoveGridFocus(2, 2);
    host.Key('A');
    EXPECT_EQ(host.Editor(), nullptr);
    EXPECT_TRUE(host.notices.size() == 2u) << "only the focus moved";
}

TEST(GridKeyboard, WithoutAFocusCellTheEditShortcutsDoNothing)
{
    InputHost host;
    host.grid.ApplyGridSelection(2, 2, 3, 3);
    host.grid.MoveGridFocus(-1, -1);
    host.CtrlKey('X');
    host.CtrlKey('A');
    host.Key(VK_DELETE);
    EXPECT_EQ(host.grid.GetItemText(2, 2), InputHost::Name(2, 2)) << "nothing cut";
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(2, 2, 3, 3)) << "nothing more selected";
    EXPECT_TRUE(host.NoticesOf(-105).empty());
}

TEST(GridKeyboard, DeleteEmptiesTheFocusCellOrHidesASelectedChart)
{
    InputHost host;
    host.Key(VK_DELETE);
    EXPECT_EQ(host.grid.GetItemText(1, 1), CString());
    EXPECT_EQ(host.notices, (std::vector<GridNotice>{{1, 1, -105}, {1, 1, -106}}));

    host.grid.AddChart(MakeBareGridChart(CRect(100, 50, 200, 150)));
    host.Click(CPoint(150, 100));
    EXPECT_EQ(host.grid.Charts().GetSelectedChart(), 0);
    host.Key(VK_DELETE);
    EXPECT_FALSE(host.grid.Charts().GetAt(0)->bVisible);
    EXPECT_EQ(host.grid.GetItemText(3, 3), InputHost::Name(3, 3));
}

TEST(GridMouse, ClickDragAndShiftClickSelectCells)
{
    InputHost host;
    host.Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(host.CentreOf(2, 2).x, host.CentreOf(2, 2).y));
    host.Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(host.CentreOf(4, 3).x, host.CentreOf(4, 3).y));
    host.Post(WM_LBUTTONUP, 0, MAKELPARAM(host.CentreOf(4, 3).x, host.CentreOf(4, 3).y));
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(2, 2));
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(2, 2, 4, 3));
    EXPECT_EQ(host.grid.GetMouseMode(), kGridMouseIdle);

    host.Click(host.CentreOf(5, 1), MK_SHIFT);
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(2, 1, 5, 2));
    host.Click(host.CentreOf(3, 4));
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(3, 4, 3, 4));
}

TEST(GridMouse, HeadingsSelectRowsAndAllAndAColumnHeadingSorts)
{
    InputHost host;
    host.Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, host.CentreOf(3, 1).y));
    host.Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, host.CentreOf(5, 1).y));
    host.Post(WM_LBUTTONUP, 0, MAKELPARAM(10, host.CentreOf(5, 1).y));
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(3, 1, 5, 5));
    host.Click(CPoint(10, 10));
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(1, 1, 39, 5));

    host.grid.SetItemText(1, 2, "b");
    host.grid.SetItemText(2, 2, "a");
    host.grid.SetItemText(3, 2, "c");
    const int tall = 33;
    host.grid.SetRowHeight(3, tall);
    host.Click(CPoint(host.CentreOf(1, 2).x, 10));
    EXPECT_EQ(host.grid.GetItemText(1, 2), CString("a"));
    EXPECT_EQ(host.grid.GetItemText(2, 2), CString("b"));
    EXPECT_EQ(host.grid.GetItemText(3, 2), CString("c"));
    EXPECT_EQ(host.grid.GetItemText(1, 1), InputHost::Name(2, 1)) << "rows move whole";
    host.Click(CPoint(host.CentreOf(1, 2).x, 10));
    EXPECT_EQ(host.grid.GetItemText(1, 2), CString("r9c2")) << "again: the other way";
    EXPECT_EQ(host.grid.GetRowHeight(37), tall) << "with its height";
    EXPECT_EQ(host.grid.GetItemText(0, 2), InputHost::Name(0, 2)) << "the fixed row stays";
}

TEST(GridMouse, DraggingABorderInTheHeadingsResizes)
{
    InputHost host;
    const int border = 99; // the right edge of column 1
    host.Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(border, 10));
    EXPECT_EQ(host.grid.GetMouseMode(), kGridMouseSizingColumn);
    host.Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(border + 30, 10));
    host.Post(WM_LBUTTONUP, 0, MAKELPARAM(border + 30, 10));
    EXPECT_EQ(host.grid.GetColumnWidth(1), 80);

    host.Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 40)); // the top of row 2
    host.Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 29));
    host.Post(WM_LBUTTONUP, 0, MAKELPARAM(10, 29));
    EXPECT_EQ(host.grid.GetRowHeight(1), 10);
    EXPECT_EQ(host.grid.GetRowHeight(2), 20);
}

TEST(GridMouse, DraggingBelowTheCellsScrollsAndExtends)
{
    InputHost host;
    const CPoint start = host.CentreOf(2, 2);
    host.Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    POINT below{start.x, 260};
    ::ClientToScreen(host.grid, &below);
    ::SetCursorPos(below.x, below.y);
    for (int tick = 0; tick < 12; ++tick)
        host.Post(WM_TIMER, CGridCtrl::kDragScrollTimer);
    EXPECT_GT(host.grid.GetTopLeftGridCell().row, 1);
    const CCellRect selected = host.grid.GetSelectedGridRange();
    EXPECT_EQ(selected.minRow, 2);
    EXPECT_EQ(selected.maxRow, host.grid.GetVisibleGridRange().maxRow);

    HWND other =
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ::SetCapture(other);
    GridHost::Pump();
    EXPECT_EQ(host.grid.GetMouseMode(), kGridMouseIdle) << "another window took the capture";
    ::ReleaseCapture();
    ::DestroyWindow(other);
}

TEST(GridMouse, DraggingAChartMovesItAndTheCellsScrollingCarryIt)
{
    InputHost host;
    host.grid.AddChart(MakeBareGridChart(CRect(100, 50, 200, 150)));
    host.Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 100));
    EXPECT_EQ(host.grid.GetMouseMode(), kGridMouseTrackingChart) << "inside the picked chart's tracker";
    host.Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(170, 90));
    host.Post(WM_LBUTTONUP, 0, MAKELPARAM(170, 90));
    EXPECT_EQ(host.grid.GetMouseMode(), kGridMouseIdle);
    EXPECT_EQ(host.grid.Charts().GetAt(0)->rcChart, CRect(120, 40, 220, 140));
    EXPECT_EQ(host.grid.Charts().GetTrackerRect(), CRect(120, 40, 220, 140));
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(1, 1)) << "the cells under the chart were not clicked";

    host.Post(WM_VSCROLL, SB_LINEDOWN);
    ASSERT_EQ(host.grid.GetTopLeftGridCell().row, 2);
    EXPECT_EQ(host.grid.Charts().GetAt(0)->rcChart, CRect(120, 20, 220, 120)) << "up by the row scrolled away";
    host.Post(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(host.grid.Charts().GetAt(0)->rcChart, CRect(120, 40, 220, 140));
}
