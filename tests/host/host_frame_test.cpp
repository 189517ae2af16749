// The host's main frame as a user sees it: the colour behind its tool bars, the status bar's
// panes, the tooltips and fly-by prompts of the buttons, the Window menu's list of documents, and
// the tool bars docked on each side of the frame, by a call and by a drag of the gripper.

#include "NorvakResource.h"
#include "framework/FrameWnd.h"
#include "host/ChildFrame.h"
#include "tests/host/HostWindowFixture.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using HostFrameTest = HostWindowFixture;

enum ToolBarIndex
{
    kStandardBar = 0,
    kFormatBar = 1,
    kLineBar = 2
};

std::vector<UINT> ButtonCommands(const CToolBar& bar)
{
    std::vector<UINT> commands;
    const int count = int(bar.SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        bar.SendMessage(TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&button));
        if (!(button.fsStyle & BTNS_SEP))
            commands.push_back(UINT(button.idCommand));
    }
    return commands;
}

// What the bar's tooltip is told to show for a command, asked as the tooltip asks.
CString TipOf(const CToolBar& bar, UINT command)
{
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    info.hdr.idFrom = command;
    info.hdr.code = TTN_GETDISPINFOW;
    bar.SendMessage(WM_NOTIFY, command, reinterpret_cast<LPARAM>(&info));
    const wchar_t* text = info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKW ? info.lpszText : info.szText;
    return CString::FromWide(text);
}

void SetLockKeys(bool caps, bool num, bool scroll)
{
    BYTE keys[256]{};
    ::GetKeyboardState(keys);
    keys[VK_CAPITAL] = caps ? 1 : 0;
    keys[VK_NUMLOCK] = num ? 1 : 0;
    keys[VK_SCROLL] = scroll ? 1 : 0;
    ::SetKeyboardState(keys);
}

struct WindowItem
{
    UINT id;
    CString text;
    bool checked;
};

// The document windows the Window popup lists, after its own commands.
std::vector<WindowItem> ListedWindows(HMENU popup)
{
    std::vector<WindowItem> items;
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
        const UINT id = ::GetMenuItemID(popup, i);
        if (id < CMDIFrameWnd::kFirstMDIChild || id == UINT(-1))
            continue;
        wchar_t text[128]{};
        ::GetMenuStringW(popup, UINT(i), text, 128, MF_BYPOSITION);
        items.push_back(
            {id, CString::FromWide(text), (::GetMenuState(popup, UINT(i), MF_BYPOSITION) & MF_CHECKED) != 0});
    }
    return items;
}

// A pixel of the window as it paints itself (client and frame) into a bitmap.
COLORREF PixelOf(HWND window, POINT at)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rect.right - rect.left, rect.bottom - rect.top);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::PrintWindow(window, memory, 0);
    const COLORREF colour = ::GetPixel(memory, at.x, at.y);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

TEST_F(HostFrameTest, OnlyTheWorkspaceHasTheWorkspaceColourTheToolBarBandHasTheButtonFace)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame& frame = *app.MainFrame();
    EXPECT_EQ(::GetClassLongPtrW(frame.m_hWnd, GCLP_HBRBACKGROUND), LONG_PTR(COLOR_BTNFACE + 1));
    EXPECT_EQ(::GetClassLongPtrW(frame.MDIClient(), GCLP_HBRBACKGROUND), LONG_PTR(COLOR_APPWORKSPACE + 1));
    // The flat bars show their frame through: the band right of the last button.
    const CToolBar& bar = frame.ToolBar(kLineBar);
    const CRect window = bar.GetWindowRect();
    EXPECT_EQ(PixelOf(bar.m_hWnd, {window.Width() - 4, window.Height() / 2}), ::GetSysColor(COLOR_BTNFACE));

    CFrameWnd printFrame;
    ASSERT_TRUE(printFrame.CreateFrame("frame"));
    EXPECT_EQ(::GetClassLongPtrW(printFrame.m_hWnd, GCLP_HBRBACKGROUND), LONG_PTR(COLOR_BTNFACE + 1));
}

TEST_F(HostFrameTest, StatusBarShowsTheIdleMessageAndTheLockedKeys)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame& frame = *app.MainFrame();
    const CStatusBar& status = frame.StatusBar();
    ASSERT_EQ(::GetDlgCtrlID(status.m_hWnd), 59393);
    ASSERT_EQ(status.GetPaneCount(), 4);
    EXPECT_EQ(status.GetPaneText(0), CString("就绪"));

    struct Case
    {
        bool caps, num, scroll;
        const char* texts[3];
    };
    const Case cases[] = {
        {true, false, true, {"大写", "", "滚动"}},
        {false, true, false, {"", "数字", ""}},
        {false, false, false, {"", "", ""}},
    };
    for (const Case& c : cases) {
        SetLockKeys(c.caps, c.num, c.scroll);
        frame.UpdateControlBars();
        for (int pane = 1; pane <= 3; ++pane)
            EXPECT_EQ(status.GetPaneText(pane), CString(c.texts[pane - 1])) << "pane " << pane;
    }
    // Each indicator has room for its text, the message pane the rest.
    HDC dc = ::GetDC(status.m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, status.GetFont());
    for (int pane = 1; pane <= 3; ++pane) {
        const std::wstring text =
            CString(cases[0].texts[pane - 1][0] ? cases[0].texts[pane - 1] : "数字").ToWide();
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        RECT rect{};
        status.SendMessage(SB_GETRECT, WPARAM(pane), reinterpret_cast<LPARAM>(&rect));
        EXPECT_GE(rect.right - rect.left, size.cx) << "pane " << pane;
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(status.m_hWnd, dc);
    RECT message{};
    status.SendMessage(SB_GETRECT, 0, reinterpret_cast<LPARAM>(&message));
    EXPECT_GT(message.right - message.left, status.GetWindowRect().Width() / 2);
}

TEST_F(HostFrameTest, EveryButtonHasATipAndShowsItsPromptWhileTheMouseIsOverIt)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame& frame = *app.MainFrame();
    for (int index : {kStandardBar, kFormatBar, kLineBar}) {
        const CToolBar& bar = frame.ToolBar(index);
        EXPECT_TRUE(bar.GetStyle() & TBSTYLE_TOOLTIPS);
        ASSERT_NE(bar.SendMessage(TB_GETTOOLTIPS), 0) << "bar " << index;
        for (UINT command : ButtonCommands(bar))
            EXPECT_FALSE(TipOf(bar, command).IsEmpty()) << "command " << command;
    }
    const struct
    {
        int bar;
        UINT command;
        const char* tip;
    } tips[] = {
        {kStandardBar, ID_FILE_NEW, "新建"},         {kStandardBar, ID_MERGE_CELLS, "合并单元格"},
        {kStandardBar, ID_DELETE_COLUMNS, "删除列"}, {kFormatBar, ID_FONT_BOLD, "粗体"},
        {kFormatBar, ID_TEXT_COLOUR, "文字颜色"},    {kLineBar, ID_BORDERS, "边框"},
    };
    for (const auto& t : tips)
        EXPECT_EQ(TipOf(frame.ToolBar(t.bar), t.command), CString(t.tip));

    // Fly-by: the mouse over a button, over another, then gone.
    const CToolBar& standard = frame.ToolBar(kStandardBar);
    auto hover = [&](UINT command) {
        const CRect button = standard.GetItemRect(standard.CommandToIndex(command));
        standard.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    };
    hover(ID_FILE_OPEN);
    EXPECT_EQ(frame.StatusBar().GetPaneText(0), CString("打开一个已有的工作簿"));
    hover(ID_MERGE_CELLS);
    EXPECT_EQ(frame.StatusBar().GetPaneText(0), CString("把选中的单元格合并为一个"));
    standard.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(frame.StatusBar().GetPaneText(0), CString("就绪"));

    // A menu item's prompt while it is highlighted, the idle message once the menu closes.
    ::SendMessageW(frame.m_hWnd, WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW, MF_HILITE),
                   reinterpret_cast<LPARAM>(PopupHolding(ID_FILE_NEW)));
    EXPECT_EQ(frame.StatusBar().GetPaneText(0), CString("新建一个工作簿窗口"));
    ::SendMessageW(frame.m_hWnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    ::SendMessageW(frame.m_hWnd, WM_EXITMENULOOP, FALSE, 0);
    EXPECT_EQ(frame.StatusBar().GetPaneText(0), CString("就绪"));
}

TEST_F(HostFrameTest, WindowMenuListsEveryOpenDocumentTheOnlyOneToo)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    HMENU popup = PopupHolding(ID_WINDOW_CASCADE);
    ASSERT_NE(popup, nullptr);
    OpenPopup(popup);
    std::vector<WindowItem> listed = ListedWindows(popup);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].id, CMDIFrameWnd::kFirstMDIChild);
    EXPECT_NE(listed[0].text.Find("CQuilm1"), -1) << listed[0].text.GetString();
    EXPECT_TRUE(listed[0].checked);

    Command(ID_FILE_NEW);
    Command(ID_FILE_NEW);
    popup = PopupHolding(ID_WINDOW_CASCADE);
    OpenPopup(popup);
    listed = ListedWindows(popup);
    ASSERT_EQ(listed.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        CString name;
        name.Format("CQuilm%d", i + 1);
        EXPECT_NE(listed[size_t(i)].text.Find(name.GetString()), -1) << listed[size_t(i)].text.GetString();
        EXPECT_EQ(listed[size_t(i)].checked, i == 2) << "only the active one is checked";
    }
    // Choosing an entry brings its window to the front.
    Command(listed[0].id);
    EXPECT_EQ(CWnd::TextOf(app.MainFrame()->ActiveChild()->m_hWnd), CString("CQuilm1"));
}

struct DockCase
{
    DockSide side;
    const char* name;
};

const DockCase kSides[] = {{DockSide::Top, "top"},
                           {DockSide::Bottom, "bottom"},
                           {DockSide::Left, "left"},
                           {DockSide::Right, "right"}};

// The bar lies along the side's edge of the frame's client area (above the status bar) and the
// workspace does not overlap it.
void ExpectDockedOn(const CMainFrame& frame, const CToolBar& bar, DockSide side, const char* name)
{
    const CRect barRect = frame.GetChildRect(bar.m_hWnd);
    const CRect workspace = frame.GetChildRect(frame.MDIClient());
    const CRect status = frame.GetChildRect(::GetDlgItem(frame.m_hWnd, 59393));
    CRect area = frame.GetClientRect();
    area.bottom = status.top;
    CRect overlap;
    EXPECT_FALSE(overlap.IntersectRect(barRect, workspace)) << name;
    EXPECT_FALSE(barRect.IsRectEmpty()) << name;
    switch (side) {
    case DockSide::Top:
        EXPECT_LT(barRect.top, workspace.top) << name;
        EXPECT_EQ(barRect.Width(), area.Width()) << name;
        break;
    case DockSide::Bottom:
        EXPECT_EQ(barRect.bottom, status.top) << name;
        EXPECT_GE(barRect.top, workspace.bottom) << name;
        break;
    case DockSide::Left:
        EXPECT_EQ(barRect.left, area.left) << name;
        EXPECT_LE(barRect.right, workspace.left) << name;
        break;
    case DockSide::Right:
        EXPECT_EQ(barRect.right, area.right) << name;
        EXPECT_GE(barRect.left, workspace.right) << name;
        break;
    }
    EXPECT_EQ(bar.IsVertical(), IsVerticalSide(side)) << name;
    if (IsVerticalSide(side)) {
        EXPECT_GT(barRect.Height(), barRect.Width()) << name;
    }
}

TEST_F(HostFrameTest, ToolBarsDockOnEachSideTheirBoxesOnlyWhereTheyFit)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame& frame = *app.MainFrame();
    for (int index : {kStandardBar, kFormatBar, kLineBar}) {
        EXPECT_EQ(frame.DockSideOf(frame.ToolBar(index)), DockSide::Top);
        EXPECT_TRUE(frame.ToolBar(index).GetBarStyle() & CBRS_GRIPPER);
    }
    CToolBar& format = frame.ToolBar(kFormatBar);
    for (const DockCase& c : kSides) {
        ASSERT_TRUE(frame.DockControlBar(&format, c.side)) << c.name;
        ExpectDockedOn(frame, format, c.side, c.name);
        EXPECT_EQ(frame.m_fontNameBox.IsWindowVisible(), !IsVerticalSide(c.side)) << c.name;
        // Every button still there and reachable.
        for (UINT command : ButtonCommands(format)) {
            const CRect button = format.GetItemRect(format.CommandToIndex(command));
            EXPECT_FALSE(button.IsRectEmpty()) << c.name << " " << command;
            EXPECT_LE(button.right, format.GetClientRect().right) << c.name << " " << command;
            EXPECT_LE(button.bottom, format.GetClientRect().bottom) << c.name << " " << command;
        }
    }
    ASSERT_TRUE(frame.DockControlBar(&format, DockSide::Top, 1));
    ExpectDockedOn(frame, format, DockSide::Top, "top again");
    EXPECT_TRUE(frame.m_fontNameBox.IsWindowVisible());
    EXPECT_EQ(frame.GetChildRect(frame.m_fontNameBox.m_hWnd).top >= 0, true);
    // Back in its row between the other two.
    EXPECT_LT(frame.GetChildRect(frame.ToolBar(kStandardBar).m_hWnd).top,
              frame.GetChildRect(format.m_hWnd).top);
    EXPECT_LT(frame.GetChildRect(format.m_hWnd).top, frame.GetChildRect(frame.ToolBar(kLineBar).m_hWnd).top);
}

TEST_F(HostFrameTest, DraggingTheGripperDocksTheBarOnTheSideItIsDroppedNear)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame& frame = *app.MainFrame();
    CToolBar& line = frame.ToolBar(kLineBar);
    const CRect area = frame.GetChildRect(frame.MDIClient());
    const struct
    {
        POINT drop; // in the frame's client area
        DockSide side;
        const char* name;
    } drops[] = {
        {{area.right - 3, area.CenterPoint().y}, DockSide::Right, "right"},
        {{area.left + 3, area.CenterPoint().y}, DockSide::Left, "left"},
        {{area.CenterPoint().x, area.bottom - 3}, DockSide::Bottom, "bottom"},
        {{area.CenterPoint().x, 2}, DockSide::Top, "top"},
    };
    for (const auto& d : drops) {
        // Press on the gripper, move with the button held, release.
        const CRect window = line.GetWindowRect();
        const POINT grip = line.IsVertical()
                               ? POINT{window.CenterPoint().x, window.top + CToolBar::kGripperSize / 2}
                               : POINT{window.left + CToolBar::kGripperSize / 2, window.CenterPoint().y};
        ASSERT_EQ(line.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTCAPTION) << d.name;
        POINT drop = d.drop;
        frame.ClientToScreen(drop);
        line.ScreenToClient(drop);
        line.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drop.x + 5, drop.y));
        line.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drop.x, drop.y));
        line.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
        line.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(grip.x, grip.y));
        EXPECT_EQ(frame.DockSideOf(line), d.side) << d.name;
        ExpectDockedOn(frame, line, d.side, d.name);
        EXPECT_EQ(::GetCapture(), nullptr) << d.name;
    }
    // Esc cancels a drag: the bar stays where it was.
    const CRect before = line.GetWindowRect();
    POINT drop{area.right - 3, area.CenterPoint().y};
    frame.ClientToScreen(drop);
    line.ScreenToClient(drop);
    line.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drop.x, drop.y));
    line.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    line.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    line.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(before.left + 2, before.top + 2));
    Pump();
    EXPECT_EQ(frame.DockSideOf(line), DockSide::Top);
    EXPECT_EQ(line.GetWindowRect(), before);
}

} // namespace
