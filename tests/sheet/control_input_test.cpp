// Keys, characters, the in-place editor and the mouse on a control in a shown container window,
// driven by posted input pumped as an OLE container's loop does (TranslateAccelerator first).

#include "tests/support/NoticeRecorder.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ShownControlTest.h"

#include "sheet/windows/TitleTip.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Notice = NoticeRecorder::Notice;

class Input : public ShownControlTest
{
protected:
    void SetUp() override
    {
        ShownControlTest::SetUp();
        recorder.emplace(container.ParentWindow(), notices);
    }
    void TearDown() override
    {
        recorder.reset();
        ShownControlTest::TearDown();
    }
    void Key(UINT vk) { PressKey(active, window, vk); }
    void Char(wchar_t ch)
    {
        ::PostMessageW(::GetFocus() ? ::GetFocus() : window, WM_CHAR, ch, 1);
        Pump();
    }
    CNorvakPage& Page() { return *control->GetPage(-1); }
    void SetText(int row, int col, const char* text) { ASSERT_TRUE(control->SetItemText(-1, row, col, text)); }
    std::string Text(int row, int col) { return control->GetPageCellText(-1, row, col).GetString(); }
    void Focus(int row, int col)
    {
        control->SetFocusCell(-1, row, col);
        Page().m_selectionStart = CCellCoord(row, col);
        control->SetSelectedRange(-1, row, col, row, col);
        notices.clear();
    }
    CCellCoord FocusCell() { return Page().m_focusCell; }
    int EditorCount()
    {
        int count = 0;
        for (HWND edit = nullptr; (edit = ::FindWindowExW(window, edit, L"Edit", nullptr)) != nullptr;)
            count += ::GetDlgCtrlID(edit) == kCellEditId;
        return count;
    }
    HWND Editor() { return ::GetDlgItem(window, kCellEditId); }
    std::wstring EditorText()
    {
        wchar_t text[256] = {};
        ::GetWindowTextW(Editor(), text, 256);
        return text;
    }
    std::pair<DWORD, DWORD> EditorSelection()
    {
        DWORD start = 0, end = 0;
        ::SendMessageW(Editor(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    bool Modified(int row, int col) { return (control->GetItemState(-1, row, col) & CIS_MODIFIED) != 0; }
    // The control drawn once, so the selection frame the mouse code tests against is known.
    void Paint()
    {
        HRESULT hr = E_FAIL;
        container.DrawToMemory(400, 300, 0, &hr);
        ASSERT_EQ(hr, S_OK);
    }

    std::vector<Notice> notices;
    std::optional<NoticeRecorder> recorder;
};

// ---- keys ----

TEST_F(Input, KeysMoveTheFocusCellAndTheSelectionWithIt)
{
    Focus(2, 2);
    struct Step
    {
        const char* name;
        UINT key;
        bool shift;
        CCellCoord focus;
    } steps[] = {
        {"Right", VK_RIGHT, false, {2, 3}},   {"Down", VK_DOWN, false, {3, 3}},      {"Enter", VK_RETURN, false, {4, 3}},
        {"Left", VK_LEFT, false, {4, 2}},     {"Up", VK_UP, false, {3, 2}},          {"Tab", VK_TAB, false, {3, 3}},
        {"Shift+Tab", VK_TAB, true, {3, 2}},  {"End", VK_END, false, {99, 2}},       {"Home", VK_HOME, false, {1, 2}},
        {"Left to the first body column", VK_LEFT, false, {1, 1}},
        {"Left wraps in the row", VK_LEFT, false, {1, 49}},
        {"Right wraps back", VK_RIGHT, false, {1, 1}},
    };
    for (const Step& step : steps) {
        HoldKeys(step.shift, false);
        Key(step.key);
        EXPECT_EQ(FocusCell(), step.focus) << step.name;
        EXPECT_EQ(control->GetSelectedCellRange(-1),
                  CCellRect(step.focus.row, step.focus.col, step.focus.row, step.focus.col))
            << step.name;
        EXPECT_TRUE(control->IsCellVisible(-1, step.focus.row, step.focus.col)) << step.name;
        EXPECT_EQ(EditorCount(), 0) << step.name << ": a moving key opens no editor";
    }
    HoldKeys(false, false);
    EXPECT_EQ(Page().m_nVertPos, 0) << "Home scrolls to the top";
}

TEST_F(Input, PagingKeysFollowTheViewAndStopAtTheEnds)
{
    Focus(1, 2);
    Key(VK_NEXT);
    const int top = control->GetTopleftNonFixedCell(-1).row;
    ASSERT_GT(top, 1) << "the view moved down";
    EXPECT_EQ(FocusCell(), CCellCoord(top, 2)) << "down by as many rows as the view moved";
    Key(VK_PRIOR);
    EXPECT_EQ(FocusCell(), CCellCoord(1, 2));
    Focus(3, 2);
    Key(VK_PRIOR);
    EXPECT_EQ(FocusCell(), CCellCoord(1, 2)) << "a view that cannot move takes the focus to the first row";
}

TEST_F(Input, PageKeysMoveByTheRowsTheScreenShows)
{
    // Rows of 20 pixels below a header row of 20; the cells show down to the bottom band.
    const CRect client = control->GetClientRect();
    const int shown = client.Height() - 19 - 20;
    const int cutOff = 1 + shown / 20; // the first row not wholly shown
    ASSERT_GT(cutOff, 3);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(control->GetChildWindow(kIdVertBar), SB_CTL, &info);
    EXPECT_EQ(int(info.nPage), shown) << "the bar's page is the screen of rows";
    EXPECT_EQ(info.nMax - int(info.nPage) + 1, Page().m_nVertRange) << "and its thumb reaches the range";
    Focus(1, 2);
    Key(VK_NEXT);
    EXPECT_EQ(control->GetTopleftNonFixedCell(-1).row, cutOff) << "the row the screen cut off comes first";
    EXPECT_EQ(FocusCell(), CCellCoord(cutOff, 2)) << "the focus goes down as far";
    Key(VK_NEXT);
    EXPECT_EQ(control->GetTopleftNonFixedCell(-1).row, 2 * cutOff - 1);
    Key(VK_PRIOR);
    Key(VK_PRIOR);
    EXPECT_EQ(control->GetTopleftNonFixedCell(-1).row, 1);
    EXPECT_EQ(FocusCell(), CCellCoord(1, 2));
}

TEST_F(Input, ShiftExtendsTheSelectionFromWhereItStarted)
{
    Focus(2, 2);
    HoldKeys(true, false);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(2, 2, 3, 3));
    EXPECT_EQ(FocusCell(), CCellCoord(3, 3));
}

TEST_F(Input, DeleteClearsTheFocusCellBetweenItsTwoNotices)
{
    SetText(2, 2, "abc");
    Focus(2, 2);
    Key(VK_DELETE);
    EXPECT_EQ(Text(2, 2), "");
    EXPECT_TRUE(Modified(2, 2));
    EXPECT_EQ(notices, (std::vector<Notice>{{-105, 2, 2}, {-106, 2, 2}}));
    EXPECT_EQ(FocusCell(), CCellCoord(2, 2));
    EXPECT_EQ(EditorCount(), 0);

    SetText(3, 3, "kept");
    ASSERT_TRUE(control->SetItemState(-1, 3, 3, CIS_READONLY));
    Focus(3, 3);
    Key(VK_DELETE);
    EXPECT_EQ(Text(3, 3), "kept") << "a read-only cell";
    EXPECT_TRUE(notices.empty());
}

// ---- the editor ----

TEST_F(Input, ATypedCharacterOpensOneEditorHoldingIt)
{
    SetText(2, 2, "old");
    // Characters whose codes are also those of the paging and arrow keys are typed text too.
    const wchar_t typed[] = {L'q', L' ', L'!', L'"', L'#', L'$', L'%', L'&', L'\'', L'('};
    for (wchar_t ch : typed) {
        Focus(2, 2);
        Char(ch);
        ASSERT_EQ(EditorCount(), 1) << int(ch);
        EXPECT_EQ(EditorText(), std::wstring(1, ch)) << int(ch);
        EXPECT_EQ(notices, (std::vector<Notice>{{-105, 2, 2}})) << int(ch);
        Char(VK_ESCAPE);
        EXPECT_EQ(EditorCount(), 0) << int(ch);
        EXPECT_EQ(Text(2, 2), "old") << int(ch);
    }
}

TEST_F(Input, EditorFirstKeys)
{
    SetText(2, 2, "old");
    Focus(2, 2);
    Key(VK_BACK);
    ASSERT_EQ(EditorCount(), 1);
    EXPECT_EQ(EditorText(), L"ol") << "Backspace takes the last character";
    Char(VK_ESCAPE);

    Focus(2, 2);
    ::PostMessageW(window, WM_KEYDOWN, VK_PROCESSKEY, 1);
    Pump();
    ASSERT_EQ(EditorCount(), 1) << "an input method types into an editor";
    EXPECT_EQ(EditorText(), L"old") << "first key 0 delivers nothing";
    EXPECT_EQ(EditorSelection(), std::make_pair(DWORD(0), DWORD(3)));
    Char(VK_ESCAPE);

    Focus(2, 2);
    HoldKeys(false, true);
    Char(L'c');
    Key('C');
    EXPECT_EQ(EditorCount(), 0) << "nothing opens with Ctrl held";
    HoldKeys(false, false);
}

TEST_F(Input, EscapeEndsTheEditAndLeavesTheCellUnmodified)
{
    SetText(2, 2, "old");
    Focus(2, 2);
    Key('Q');
    ASSERT_EQ(EditorText(), L"q");
    Key(VK_ESCAPE);
    EXPECT_EQ(EditorCount(), 0);
    EXPECT_EQ(Text(2, 2), "old");
    EXPECT_FALSE(Modified(2, 2));
    EXPECT_EQ(notices, (std::vector<Notice>{{-105, 2, 2}, {-106, 2, 2}}));
    EXPECT_EQ(FocusCell(), CCellCoord(2, 2));
}

TEST_F(Input, AnArrowEndsTheEditStoresTheTextAndEditsTheNextCell)
{
    SetText(2, 2, "old");
    SetText(2, 3, "next");
    Focus(2, 2);
    Key('Q');
    Key(VK_RIGHT);
    EXPECT_EQ(Text(2, 2), "q");
    EXPECT_TRUE(Modified(2, 2));
    EXPECT_EQ(FocusCell(), CCellCoord(2, 3));
    ASSERT_EQ(EditorCount(), 1) << "the ended editor is gone, the next one open";
    EXPECT_EQ(EditorText(), L"next");
    EXPECT_EQ(EditorSelection(), std::make_pair(DWORD(0), DWORD(4))) << "the whole text selected";
    EXPECT_EQ(notices, (std::vector<Notice>{{-105, 2, 2}, {-106, 2, 2}, {-105, 2, 3}}));

    Key(VK_DOWN);
    EXPECT_EQ(Text(2, 3), "next");
    EXPECT_FALSE(Modified(2, 3)) << "an unchanged text is not stored";
    EXPECT_EQ(FocusCell(), CCellCoord(3, 3));
    EXPECT_EQ(EditorCount(), 1);
    Key(VK_ESCAPE);
    EXPECT_EQ(EditorCount(), 0);
}

TEST_F(Input, EnterInTheEditorIsALineBreakAndALostFocusEndsTheEdit)
{
    Focus(2, 2);
    Key('Q');
    Key(VK_RETURN);
    EXPECT_EQ(EditorCount(), 1);
    EXPECT_EQ(EditorText(), L"q\r\n");
    Click(active, window, Centre(5, 5).x, Centre(5, 5).y);
    EXPECT_EQ(EditorCount(), 0);
    EXPECT_EQ(Text(2, 2), "q\r\n");
    EXPECT_EQ(FocusCell(), CCellCoord(5, 5));
}

TEST_F(Input, AClickOnTheFocusCellEditsWithTheCaretAtTheEnd)
{
    SetText(2, 2, "old");
    Focus(2, 2);
    Click(active, window, Centre(2, 2).x, Centre(2, 2).y);
    ASSERT_EQ(EditorCount(), 1);
    EXPECT_EQ(EditorSelection(), std::make_pair(DWORD(3), DWORD(3)));
    Key(VK_LEFT);
    ASSERT_EQ(EditorCount(), 1) << "the arrows move inside the text";
    EXPECT_EQ(EditorSelection(), std::make_pair(DWORD(2), DWORD(2)));
    Key(VK_ESCAPE);

    Focus(2, 1);
    Click(active, window, Centre(2, 1).x, Centre(2, 1).y);
    EXPECT_EQ(EditorCount(), 0) << "not in column 1";
}

TEST_F(Input, EditingLeaksNoWindowsAndNoGdiObjects)
{
    Focus(2, 2);
    Key('Q');
    Key(VK_ESCAPE);
    const DWORD gdi = GdiObjectCount();
    const DWORD user = UserObjectCount();
    for (int n = 0; n < 20; ++n) {
        Focus(2, 2);
        Key('Q');
        Key(VK_RIGHT);
        Key(VK_ESCAPE);
    }
    EXPECT_EQ(EditorCount(), 0);
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
}

// ---- the mouse ----

TEST_F(Input, DraggingSelectsByTheModeOfThePress)
{
    struct Case
    {
        const char* name;
        CCellCoord from, to;
        CCellRect selected;
    } cases[] = {
        {"cells", {2, 2}, {4, 3}, {2, 2, 4, 3}},
        {"rows", {2, 0}, {4, 0}, {2, 1, 4, 49}},
        {"columns", {0, 2}, {0, 4}, {1, 2, 99, 4}},
        {"all", {0, 0}, {0, 0}, {1, 1, 99, 49}},
    };
    for (const Case& c : cases) {
        control->ClearSelectionAndFocus(-1);
        Drag(active, window, Centre(c.from.row, c.from.col), Centre(c.to.row, c.to.col));
        EXPECT_EQ(control->GetSelectedCellRange(-1), c.selected) << c.name;
        EXPECT_EQ(Page().m_nMouseMode, 0) << c.name;
        EXPECT_EQ(::GetCapture(), nullptr) << c.name;
        EXPECT_EQ(Page().m_nMouseTimerId, 0u) << c.name;
    }
}

TEST_F(Input, ABorderDragResizesToTheExactSizeWithTheCaptureGivenBack)
{
    struct Case
    {
        const char* name;
        int pressX;
        int sized;
    } cases[] = {
        {"on the border", 210, 2},
        {"just inside the column", 207, 2},
        {"three pixels past the border", 213, 2},
        {"three pixels past the column's left edge", 143, 1},
    };
    RECT unclipped{};
    ::GetClipCursor(&unclipped);
    for (const Case& c : cases) {
        Drag(active, window, {c.pressX, 10}, {c.pressX + 40, 10});
        EXPECT_EQ(control->GetColumnWidth(-1, c.sized), c.pressX + 40 - 70 * c.sized) << c.name;
        EXPECT_EQ(::GetCapture(), nullptr) << c.name;
        RECT clip{};
        ::GetClipCursor(&clip);
        EXPECT_EQ(CRect(clip), CRect(unclipped)) << c.name << ": the cursor is free again";
        ASSERT_TRUE(control->SetColumnWidth(-1, c.sized, 70));
    }
    EXPECT_EQ(control->GetColumnWidth(-1, 3), 70);
}

// The positions along a row (columns) or a column (rows) of the body where the window shows a
// dark pixel: a resize line, inverted over the white cells.
std::vector<int> DarkPixelsAcross(HWND window, bool columns, int at)
{
    std::vector<int> dark;
    HDC dc = ::GetDC(window);
    for (int pos = 25; pos < 280; ++pos) {
        const COLORREF pixel = columns ? ::GetPixel(dc, pos, at) : ::GetPixel(dc, at, pos);
        if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 150)
            dark.push_back(pos);
    }
    ::ReleaseDC(window, dc);
    return dark;
}

TEST_F(Input, ABorderDragShowsOneLineWhereThePointerIs)
{
    struct Case
    {
        const char* name;
        bool columns;
        POINT press; // on the border of column 2 (row 2)
    } const cases[] = {{"row", false, {35, 60}}, {"column", true, {210, 10}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int across = 150; // a body row (column) the line crosses
        auto at = [&](int offset) {
            return c.columns ? POINT{c.press.x + offset, c.press.y} : POINT{c.press.x, c.press.y + offset};
        };
        auto shown = [&] { return DarkPixelsAcross(window, c.columns, across); };
        ASSERT_EQ(shown(), std::vector<int>{}) << "white cells and grey lines only";
        // The pointer itself rests at the press, where the resize clips it: the system moves it
        // nowhere, so no move of a released button comes between the posted ones.
        POINT screen = c.press;
        ::ClientToScreen(window, &screen);
        ::SetCursorPos(screen.x, screen.y);
        PostMouse(window, WM_MOUSEMOVE, c.press.x, c.press.y, 0);
        Pump();
        PostMouse(window, WM_LBUTTONDOWN, c.press.x, c.press.y, MK_LBUTTON);
        Pump(); // the press repaints the control before the pointer moves on
        const int pressAt = c.columns ? c.press.x : c.press.y;
        EXPECT_EQ(shown(), std::vector<int>{pressAt}) << "the line at the press";
        for (int offset : {30, 60, 45}) {
            const POINT to = at(offset);
            PostMouse(window, WM_MOUSEMOVE, to.x, to.y, MK_LBUTTON);
            Pump();
            EXPECT_EQ(shown(), std::vector<int>{pressAt + offset}) << "moved by " << offset;
        }
        const POINT end = at(45);
        PostMouse(window, WM_LBUTTONUP, end.x, end.y, 0);
        Pump();
        EXPECT_EQ(shown(), std::vector<int>{}) << "the release takes the line away";
        EXPECT_EQ(c.columns ? control->GetColumnWidth(-1, 2) : control->GetRowHeight(-1, 2), c.columns ? 115 : 65);
        ASSERT_TRUE(c.columns ? control->SetColumnWidth(-1, 2, 70) : control->SetRowHeight(-1, 2, 20));
        Pump();
    }
}

TEST_F(Input, ResizingWithFollowingRowsSetsEveryFollowingRow)
{
    Page().m_bResizeFollowingRows = 1;
    const int range = Page().m_nVertRange;
    Drag(active, window, {35, 60}, {35, 72}); // row 2 (40..59) to 32 pixels
    EXPECT_EQ(control->GetRowHeight(-1, 1), 20);
    for (int row : {2, 3, 50, 99})
        EXPECT_EQ(control->GetRowHeight(-1, row), 32) << row;
    EXPECT_GT(Page().m_nVertRange, range) << "the scroll range follows the heights";

    // To 5 pixels: that row only.
    PostMouse(window, WM_MOUSEMOVE, 35, 72, 0);
    PostMouse(window, WM_LBUTTONDOWN, 35, 72, MK_LBUTTON);
    PostMouse(window, WM_MOUSEMOVE, 35, 45, MK_LBUTTON);
    PostMouse(window, WM_LBUTTONUP, 35, 45, 0);
    Pump();
    EXPECT_EQ(control->GetRowHeight(-1, 2), 5);
    EXPECT_EQ(control->GetRowHeight(-1, 3), 32);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(Input, ADoubleClickOnAColumnBorderFitsTheColumn)
{
    SetText(5, 2, "a text far wider than seventy pixels");
    PostMouse(window, WM_MOUSEMOVE, 210, 10, 0);
    PostMouse(window, WM_LBUTTONDBLCLK, 210, 10, MK_LBUTTON);
    PostMouse(window, WM_LBUTTONUP, 210, 10, 0);
    Pump();
    EXPECT_GT(control->GetColumnWidth(-1, 2), 150);
    EXPECT_EQ(control->GetColumnWidth(-1, 3), 70);
}

TEST_F(Input, AClickOnASelectedCellLeavesItFocusedAndSelected)
{
    control->SetSelectedRange(-1, 2, 2, 3, 3);
    control->SetFocusCell(-1, 2, 2);
    Click(active, window, Centre(3, 3).x, Centre(3, 3).y);
    EXPECT_EQ(FocusCell(), CCellCoord(3, 3));
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(3, 3, 3, 3));
    EXPECT_EQ(EditorCount(), 0);
}

TEST_F(Input, TheWheelScrollsByLinesOrByPages)
{
    control->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    control->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    const int twoPages = control->GetTopleftNonFixedCell(-1).row - 1;
    struct Case
    {
        const char* name;
        int lines;
        short delta;
        int rowsDown;
    } cases[] = {
        {"a notch of three lines", 3, -120, 3},
        {"half a notch of three lines", 3, -60, 1},
        {"half a notch of pages", -1, -60, 0},
        {"two notches of pages", -1, -240, twoPages},
        {"more lines than rows means pages", 1000, -240, twoPages},
        {"the page-scroll setting", int(WHEEL_PAGESCROLL), -240, twoPages},
    };
    for (const Case& c : cases) {
        control->SendMessage(WM_VSCROLL, SB_TOP);
        Page().m_nWheelLines = c.lines;
        ::PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, c.delta), 0);
        Pump();
        EXPECT_EQ(control->GetTopleftNonFixedCell(-1).row - 1, c.rowsDown) << c.name;
    }
    control->SendMessage(WM_VSCROLL, SB_BOTTOM);
    const int bottom = control->GetTopleftNonFixedCell(-1).row;
    Page().m_nWheelLines = 3;
    ::PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    Pump();
    EXPECT_EQ(control->GetTopleftNonFixedCell(-1).row, bottom - 3) << "a notch up";
}

TEST_F(Input, AReleaseOnAColumnHeaderSortsWhenHeaderSortIsOn)
{
    const char* texts[] = {"b", "c", "a"};
    for (int row = 1; row <= 3; ++row)
        SetText(row, 2, texts[row - 1]);
    control->DoSetPageRowCounts(-1, 4, 1);
    Click(active, window, Centre(0, 2).x, Centre(0, 2).y);
    EXPECT_EQ(Text(1, 2) + Text(2, 2) + Text(3, 2), "bca") << "header sort is off";
    Page().m_bHeaderSortEnabled = 1;
    Click(active, window, Centre(0, 2).x, Centre(0, 2).y);
    const std::string sorted = Text(1, 2) + Text(2, 2) + Text(3, 2);
    EXPECT_TRUE(sorted == "abc" || sorted == "cba") << sorted;
    EXPECT_EQ(::GetCapture(), nullptr);
}

// The selection (2, 2) .. (3, 3) spans pixels (140, 40) .. (279, 79); its frame's right edge is
// at x 276-279 and its fill handle at (272-278, 74-78).
class FrameDrag : public Input
{
protected:
    void SetUp() override
    {
        Input::SetUp();
        for (int row = 1; row < 8; ++row)
            for (int col = 1; col < 6; ++col)
                SetText(row, col, (std::to_string(row) + ":" + std::to_string(col)).c_str());
        control->SetSelectedRange(-1, 2, 2, 3, 3);
        control->SetFocusCell(-1, 2, 2);
        Paint();
        ASSERT_EQ(control->HitTestSelectionFrame(278, 50), kFrameRight);
        ASSERT_EQ(control->HitTestSelectionFrame(276, 77), kFrameBottomRight);
    }
    std::string Texts()
    {
        std::string all;
        for (int row = 1; row < 8; ++row)
            for (int col = 1; col < 6; ++col)
                all += Text(row, col) + " ";
        return all;
    }
    // Presses at from, moves to to with the button held, and gives back the feedback ring's box.
    CRect PressAndMove(POINT from, POINT to)
    {
        PostMouse(window, WM_MOUSEMOVE, from.x, from.y, 0);
        PostMouse(window, WM_LBUTTONDOWN, from.x, from.y, MK_LBUTTON);
        PostMouse(window, WM_MOUSEMOVE, to.x, to.y, MK_LBUTTON);
        Pump();
        CRect box;
        if (control->m_dragRegion.GetSafeHandle())
            control->m_dragRegion.GetRgnBox(&box);
        return box;
    }
    void Release(POINT at)
    {
        PostMouse(window, WM_LBUTTONUP, at.x, at.y, 0);
        Pump();
    }
};

// What the released drags do to the cells is the fill's and the move's to show.
TEST_F(FrameDrag, AnEdgeDragFeedsBackTheMovedBlock)
{
    const POINT to = Centre(4, 4); // two rows down, one column right of the pressed cell (2, 3)
    EXPECT_EQ(PressAndMove({278, 50}, to), CRect(208, 78, 351, 121));
    EXPECT_EQ(::GetCapture(), window);
    Release(to);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(control->m_dragRegion.GetSafeHandle(), nullptr) << "the feedback goes";
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(4, 3, 5, 4));
}

TEST_F(FrameDrag, AFillHandleDragFeedsBackWholeRepeatsOfTheBlock)
{
    const POINT to = Centre(6, 3); // rows 2-3 repeated down to row 7
    EXPECT_EQ(PressAndMove({276, 77}, to), CRect(138, 38, 281, 161));
    Release(to);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(control->m_dragRegion.GetSafeHandle(), nullptr);
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(2, 2, 7, 3));
}

TEST_F(FrameDrag, NoDragOnAPageWhoseDragAndDropIsOff)
{
    Page().m_bDragAndDrop = 0;
    const std::string before = Texts();
    EXPECT_EQ(PressAndMove({278, 50}, Centre(4, 4)), CRect());
    EXPECT_NE(::GetCapture(), window);
    Release(Centre(4, 4));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Texts(), before);
    EXPECT_EQ(control->m_dragRegion.GetSafeHandle(), nullptr);
}

TEST_F(Input, EveryPageOwnsATitleTipThatHasNoWindow)
{
    for (int page = 0; page < control->DoGetPageCounts(); ++page) {
        ASSERT_NE(control->GetPage(page)->m_pTitleTip, nullptr) << page;
        EXPECT_EQ(control->GetPage(page)->m_pTitleTip->GetSafeHwnd(), nullptr) << page;
        EXPECT_TRUE(control->GetPage(page)->m_pTitleTip->IsRegistered()) << page;
    }
}

// ---- the title tip over a cut-off text ----

class TitleTipHover : public Input
{
protected:
    CTitleTipWnd& Tip() { return *Page().m_pTitleTip; }
    // The pointer resting on a cell: the hover the system reports after a still pointer.
    bool HoverOn(int row, int col)
    {
        const POINT at = Centre(row, col);
        ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        ::PostMessageW(window, WM_MOUSEHOVER, 0, MAKELPARAM(at.x, at.y));
        Pump();
        return Tip().IsShown();
    }
    CRect ScreenCell(int row, int col)
    {
        CRect cell;
        EXPECT_TRUE(control->GetCellRect(-1, row, col, &cell));
        ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&cell), 2);
        return cell;
    }
    CRect TipRect()
    {
        CRect rect;
        ::GetWindowRect(Tip().GetSafeHwnd(), &rect);
        return rect;
    }
};

TEST_F(TitleTipHover, ShowsOnlyTextsTheirCellsCutOff)
{
    struct Case
    {
        const char* name;
        int row, col;
        const char* text;
        short format;
        bool tip;
    } const cases[] = {
        {"a short text fits", 2, 2, "ab", 5, false},
        {"a long line is cut", 2, 3, "a line far wider than its cell", 5, true},
        {"cut with an ellipsis", 3, 2, "a line far wider than its cell", 28, true},
        {"a line break is no second line in a one-line layout", 3, 3, "ab\r\ncd", 5, false},
        {"wrapped lines taller than the row", 4, 2, "words that wrap onto lines below", 11, true},
        {"wrapped lines that fit", 4, 3, "ab cd", 11, false},
        {"the text's own lines, more than the row holds", 5, 2, "ab\r\ncd\r\nef", 10, true},
        {"stretched to fit: never cut", 5, 3, "a line far wider than its cell", 49, false},
        {"a header cell", 0, 2, "a line far wider than its cell", 5, false},
    };
    for (const Case& c : cases) {
        SetText(c.row, c.col, c.text);
        ASSERT_TRUE(control->DoSetPageCellTextFormat(-1, c.row, c.col, c.format)) << c.name;
    }
    for (const Case& c : cases) {
        EXPECT_EQ(HoverOn(c.row, c.col), c.tip) << c.name;
        if (c.tip) {
            EXPECT_EQ(std::string(Tip().GetText().GetString()).find(c.text[0]), 0u) << c.name;
        }
        Tip().Hide();
    }
}

TEST_F(TitleTipHover, TheTipCoversTheCellToTheTextsEndWithoutTakingTheActivation)
{
    SetText(2, 2, "a line far wider than its cell");
    const HWND activeBefore = ::GetActiveWindow();
    ASSERT_TRUE(HoverOn(2, 2));
    EXPECT_STREQ(Tip().GetText().GetString(), "a line far wider than its cell");
    const CRect cell = ScreenCell(2, 2), tip = TipRect();
    EXPECT_EQ(tip.TopLeft(), cell.TopLeft());
    EXPECT_GT(tip.Width(), cell.Width() + 40) << "as wide as the text";
    EXPECT_GE(tip.Height(), cell.Height());
    EXPECT_EQ(::GetActiveWindow(), activeBefore);
    EXPECT_EQ(::GetFocus(), window) << "the keys still reach the control";
}

TEST_F(TitleTipHover, AMovementAKeyOrAClickHidesIt)
{
    SetText(2, 2, "a line far wider than its cell");
    const POINT elsewhere = Centre(3, 3);
    const std::vector<std::pair<const char*, std::function<void()>>> hiders = {
        {"a movement over the cells", [&] {
             ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(elsewhere.x, elsewhere.y));
             Pump();
         }},
        {"a movement over the tip",
         [&] {
             ::PostMessageW(Tip().GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
             Pump();
         }},
        {"a key", [&] { Key(VK_RIGHT); }},
        {"a click", [&] {
             ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(elsewhere.x, elsewhere.y));
             ::PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(elsewhere.x, elsewhere.y));
             Pump();
         }},
    };
    for (const auto& [name, hide] : hiders) {
        Focus(1, 1);
        ASSERT_TRUE(HoverOn(2, 2)) << name;
        hide();
        EXPECT_FALSE(Tip().IsShown()) << name;
    }
}

} // namespace
