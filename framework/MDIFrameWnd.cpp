#include "framework/MDIFrameWnd.h"

#include "framework/CommandText.h"
#include "framework/StatusBar.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const wchar_t kFrameClass[] = L"NorvakMDIFrame";
const wchar_t kChildClass[] = L"NorvakMDIChild";

HINSTANCE ProgramInstance()
{
    return ::GetModuleHandleW(nullptr);
}

// A window placed by the system is sized by it too: CreateEx takes the size from the rectangle.
void DefaultSizeWithDefaultPlace(CREATESTRUCTW& cs)
{
    if (cs.x == CW_USEDEFAULT)
        cs.cx = cs.cy = CW_USEDEFAULT;
}

// Puts item among items before the index-th one on its side, else after the last one there (the
// order across sides does not change the layout); where it went.
template <class Item> size_t InsertOnSide(std::vector<Item>& items, const Item& item, int index)
{
    auto place = items.end();
    int seen = 0;
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (it->side != item.side)
            continue;
        if (index >= 0 && seen++ == index) {
            place = it;
            break;
        }
        place = it + 1;
    }
    return size_t(items.insert(place, item) - items.begin());
}

bool IsToolBar(HWND window)
{
    wchar_t name[64]{};
    ::GetClassNameW(window, name, 64);
    return ::lstrcmpiW(name, TOOLBARCLASSNAMEW) == 0;
}

} // namespace

// ---- the frame ----

bool CMDIFrameWnd::LoadFrame(UINT resourceId, DWORD style)
{
    HINSTANCE program = ProgramInstance();
    // Only the MDI client has the workspace colour; the frame shows through its tool bars.
    RegisterWindowClass(kFrameClass, CS_DBLCLKS, ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    wchar_t title[256]{};
    ::LoadStringW(program, resourceId, title, 256);
    m_hMenuDefault = ::LoadMenuW(program, MAKEINTRESOURCEW(resourceId));
    m_hAccel = ::LoadAcceleratorsW(program, MAKEINTRESOURCEW(resourceId));
    if (!CreateEx(0, kFrameClass, title, style | WS_CLIPCHILDREN,
                  CRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT), nullptr, 0))
        return false;
    if (HICON icon = ::LoadIconW(program, MAKEINTRESOURCEW(resourceId))) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    if (m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    return true;
}

bool CMDIFrameWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    DefaultSizeWithDefaultPlace(cs);
    return CWnd::PreCreateWindow(cs);
}

int CMDIFrameWnd::OnCreate(CREATESTRUCTW*)
{
    CLIENTCREATESTRUCT client{};
    client.hWindowMenu = nullptr;
    client.idFirstChild = kFirstMDIChild;
    m_hWndMDIClient = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL |
                                            WS_HSCROLL,
                                        0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(kMDIClient)),
                                        ProgramInstance(), &client);
    return m_hWndMDIClient ? 0 : -1;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const
{
    if (!m_hWndMDIClient)
        return nullptr;
    HWND active = reinterpret_cast<HWND>(::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<CMDIChildWnd*>(FromHandlePermanent(active));
}

void CMDIFrameWnd::SetFrameMenu(HMENU menu, HMENU windowPopup)
{
    if (!m_hWndMDIClient)
        return;
    ::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu ? menu : m_hMenuDefault),
                   reinterpret_cast<LPARAM>(windowPopup));
    // A window popup given after the documents were made lists them only once refreshed.
    ::SendMessageW(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    ::DrawMenuBar(m_hWnd);
}

void CMDIFrameWnd::OnChildActivated(CMDIChildWnd* active)
{
    if (active && active->SharedMenu())
        SetFrameMenu(active->SharedMenu(), active->WindowPopup());
    else
        SetFrameMenu(nullptr, nullptr);
}

bool CMDIFrameWnd::RouteCommand(UINT id)
{
    if (CMDIChildWnd* active = MDIGetActive(); active && active->RouteCommand(id, nullptr))
        return true;
    if (OnCmdMsg(id, nullptr))
        return true;
    return m_lastTarget && m_lastTarget->OnCmdMsg(id, nullptr);
}

bool CMDIFrameWnd::RouteUpdate(CCmdUI& ui)
{
    if (CMDIChildWnd* active = MDIGetActive(); active && active->RouteCommand(ui.m_nID, &ui))
        return true;
    if (OnCmdMsg(ui.m_nID, &ui))
        return true;
    return m_lastTarget && m_lastTarget->OnCmdMsg(ui.m_nID, &ui);
}

void CMDIFrameWnd::UpdateMenuPopup(HMENU popup)
{
    const int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!::GetMenuItemInfoW(popup, UINT(i), TRUE, &item) || item.hSubMenu || (item.fType & MFT_SEPARATOR))
            continue;
        // The MDI client's own items (the window list) are left alone.
        if (item.wID >= kFirstMDIChild || item.wID == 0)
            continue;
        CCmdUI ui(item.wID);
        const bool known = RouteUpdate(ui);
        ::EnableMenuItem(popup, UINT(i), MF_BYPOSITION | (known && ui.m_enabled ? MF_ENABLED : MF_GRAYED));
        ::CheckMenuItem(popup, UINT(i), MF_BYPOSITION | (ui.m_checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CMDIFrameWnd::UpdateToolBars()
{
    for (HWND bar = ::GetWindow(m_hWnd, GW_CHILD); bar; bar = ::GetWindow(bar, GW_HWNDNEXT)) {
        if (!IsToolBar(bar))
            continue;
        const int count = int(::SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TBBUTTON button{};
            ::SendMessageW(bar, TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&button));
            if (button.fsStyle & BTNS_SEP)
                continue;
            CCmdUI ui(UINT(button.idCommand));
            const bool known = RouteUpdate(ui);
            BYTE state = BYTE(button.fsState & ~(TBSTATE_ENABLED | TBSTATE_CHECKED));
            if (known && ui.m_enabled)
                state |= TBSTATE_ENABLED;
            if (ui.m_checked)
                state |= TBSTATE_CHECKED;
            if (state != button.fsState)
                ::SendMessageW(bar, TB_SETSTATE, WPARAM(button.idCommand), MAKELPARAM(state, 0));
        }
    }
}

void CMDIFrameWnd::UpdateControlBars()
{
    UpdateToolBars();
    if (CStatusBar* status = CStatusBar::Of(m_hWnd, kStatusBar))
        status->UpdateIndicators();
}

CRect CMDIFrameWnd::DockArea() const
{
    CRect area = GetClientRect();
    if (CStatusBar* status = CStatusBar::Of(m_hWnd, kStatusBar); status && status->IsWindowVisible())
        area.bottom -= status->GetWindowRect().Height();
    return area;
}

std::vector<DockBand> CMDIFrameWnd::DockBands() const
{
    std::vector<DockBand> bands;
    for (const DockedBar& docked : m_docked)
        bands.push_back({docked.side, docked.bar->IsWindowVisible()
                                          ? docked.bar->DockedThickness(IsVerticalSide(docked.side))
                                          : 0});
    return bands;
}

void CMDIFrameWnd::RecalcLayout()
{
    if (CStatusBar* status = CStatusBar::Of(m_hWnd, kStatusBar))
        status->Place(GetClientRect().Width());
    const CRect area = DockArea();
    const std::vector<DockBand> bands = DockBands();
    const DockPlan plan = LayOutDockBands(area, bands);
    // Moved as one, each drawn afresh: the pictures of bars that changed sides are no use to copy.
    HDWP moves = ::BeginDeferWindowPos(int(m_docked.size()) + 1);
    auto place = [&moves](HWND window, const CRect& rect) {
        if (moves)
            moves = ::DeferWindowPos(moves, window, nullptr, rect.left, rect.top, rect.Width(),
                                     std::max(0, int(rect.Height())),
                                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    };
    for (size_t i = 0; i < m_docked.size(); ++i)
        if (m_docked[i].bar->IsWindowVisible())
            place(m_docked[i].window, plan.bands[i]);
    if (m_hWndMDIClient)
        place(m_hWndMDIClient, plan.rest);
    if (moves)
        ::EndDeferWindowPos(moves);
}

bool CMDIFrameWnd::DockControlBar(CToolBar* bar, DockSide side, int index)
{
    if (!bar || !bar->m_hWnd || !(m_dockSides & AlignOfDockSide(side)) || !bar->CanDockOn(side))
        return false;
    std::erase_if(m_docked, [bar](const DockedBar& docked) { return docked.bar == bar; });
    InsertOnSide(m_docked, DockedBar{bar, bar->m_hWnd, side}, index);
    bar->SetVertical(IsVerticalSide(side));
    RecalcLayout();
    return true;
}

std::optional<DockSide> CMDIFrameWnd::DockSideOf(const CToolBar& bar) const
{
    for (const DockedBar& docked : m_docked)
        if (docked.bar == &bar)
            return docked.side;
    return std::nullopt;
}

std::vector<DockBand> CMDIFrameWnd::BandsWithout(const CToolBar& bar) const
{
    std::vector<DockBand> bands = DockBands();
    for (size_t i = m_docked.size(); i-- > 0;)
        if (m_docked[i].bar == &bar)
            bands.erase(bands.begin() + std::ptrdiff_t(i));
    return bands;
}

std::optional<CMDIFrameWnd::DropPlace> CMDIFrameWnd::DropPlaceAt(const CToolBar& bar, POINT point) const
{
    const CRect area = DockArea();
    const std::optional<DockSide> side = NearestDockSide(area, point);
    if (!side || !(m_dockSides & AlignOfDockSide(*side)) || !bar.CanDockOn(*side))
        return std::nullopt;
    const std::vector<DockBand> others = BandsWithout(bar);
    return DropPlace{*side, DockInsertionIndex(others, LayOutDockBands(area, others), area, *side, point)};
}

CRect CMDIFrameWnd::DockFeedback(const CToolBar& bar, POINT point) const
{
    ScreenToClient(point);
    CRect rect;
    if (const auto drop = DropPlaceAt(bar, point)) {
        // The band the bar would take among the others.
        std::vector<DockBand> bands = BandsWithout(bar);
        const size_t mine = InsertOnSide(
            bands, DockBand{drop->side, bar.DockedThickness(IsVerticalSide(drop->side))}, drop->index);
        rect = LayOutDockBands(DockArea(), bands).bands[mine];
    } else {
        // Docking nowhere: the bar's outline follows the mouse.
        const CRect window = bar.GetWindowRect();
        rect = CRect(point.x - CToolBar::kGripperSize / 2, point.y - CToolBar::kGripperSize / 2, 0, 0);
        rect.right = rect.left + window.Width();
        rect.bottom = rect.top + window.Height();
    }
    ClientToScreen(rect);
    return rect;
}

void CMDIFrameWnd::DockAt(CToolBar& bar, POINT point)
{
    ScreenToClient(point);
    if (const auto drop = DropPlaceAt(bar, point))
        DockControlBar(&bar, drop->side, drop->index);
}

void CMDIFrameWnd::ShowMenuPrompt(UINT item, UINT flags)
{
    CStatusBar* status = CStatusBar::Of(m_hWnd, kStatusBar);
    if (!status)
        return;
    const bool closed = flags == 0xFFFF;
    const bool command = !(flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU));
    const HINSTANCE program = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(m_hWnd, GWLP_HINSTANCE));
    CString prompt = !closed && command ? LoadCommandText(program, item).prompt : CString();
    // The idle message once the menu closes; a blank pane for an item with nothing to say.
    if (!closed && prompt.IsEmpty())
        prompt = " ";
    status->SetMessageText(prompt);
}

bool CMDIFrameWnd::PreTranslateMessage(MSG* msg)
{
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return false;
    if (m_hWndMDIClient && ::TranslateMDISysAccel(m_hWndMDIClient, msg))
        return true;
    return m_hAccel && ::TranslateAcceleratorW(m_hWnd, m_hAccel, msg);
}

LRESULT CMDIFrameWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lp));
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_COMMAND: {
        // Menus (0), accelerators (1) and tool bar buttons; other controls' notifications are theirs.
        const HWND sender = reinterpret_cast<HWND>(lp);
        if ((!sender || IsToolBar(sender)) && RouteCommand(LOWORD(wp))) {
            UpdateToolBars();
            return 0;
        }
        return Default();
    }
    case WM_INITMENUPOPUP:
        Default();
        if (!HIWORD(lp))
            UpdateMenuPopup(reinterpret_cast<HMENU>(wp));
        return 0;
    case WM_PARENTNOTIFY:
        if (LOWORD(wp) == WM_DESTROY)
            std::erase_if(m_docked, [lp](const DockedBar& docked) {
                return docked.window == reinterpret_cast<HWND>(lp);
            });
        return Default();
    case WM_MENUSELECT:
        ShowMenuPrompt(LOWORD(wp), HIWORD(wp));
        return Default();
    case WM_EXITMENULOOP:
        ShowMenuPrompt(0, 0xFFFF);
        return Default();
    default:
        return CWnd::WindowProc(msg, wp, lp);
    }
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, msg, wp, lp);
}

// ---- the document window ----

bool CMDIChildWnd::Create(CMDIFrameWnd* frame, const CString& title, HMENU sharedMenu, HMENU windowPopup)
{
    m_frame = frame;
    m_hMenuShared = sharedMenu;
    m_hWindowPopup = windowPopup;
    RegisterWindowClass(kChildClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                        ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),
                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    BOOL maximised = FALSE;
    ::SendMessageW(frame->MDIClient(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    DWORD style = WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (maximised)
        style |= WS_MAXIMIZE;
    return CreateEx(WS_EX_MDICHILD, kChildClass, title.ToWide().c_str(), style,
                    CRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT), frame->MDIClient(), 0);
}

bool CMDIChildWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    DefaultSizeWithDefaultPlace(cs);
    return CWnd::PreCreateWindow(cs);
}

void CMDIChildWnd::MDIActivate() const
{
    if (m_frame)
        ::SendMessageW(m_frame->MDIClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::ActivateFrame(int show)
{
    ShowWindow(show < 0 ? SW_SHOW : show);
    MDIActivate();
}

bool CMDIChildWnd::RouteCommand(UINT id, CCmdUI* ui)
{
    if (auto* view = dynamic_cast<CCmdTarget*>(m_pActiveView); view && view->OnCmdMsg(id, ui))
        return true;
    return OnCmdMsg(id, ui);
}

void CMDIChildWnd::OnClose()
{
    ::SendMessageW(m_frame ? m_frame->MDIClient() : GetParent(), WM_MDIDESTROY,
                   reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CMDIChildWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE:
        Default();
        if (m_pActiveView && m_pActiveView->m_hWnd && wp != SIZE_MINIMIZED)
            m_pActiveView->MoveWindow(GetClientRect());
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_COMMAND:
        // Commands sent to the document window itself take the frame's route, which starts here.
        if (!lp && m_frame && m_frame->RouteCommand(LOWORD(wp)))
            return 0;
        return Default();
    case WM_MDIACTIVATE:
        Default();
        if (m_frame && reinterpret_cast<HWND>(lp) == m_hWnd)
            m_frame->OnChildActivated(this);
        else if (m_frame && !lp)
            m_frame->OnChildActivated(nullptr);
        return 0;
    case WM_SETFOCUS:
        Default();
        if (m_pActiveView && m_pActiveView->m_hWnd)
            m_pActiveView->SetFocus();
        return 0;
    default:
        return CWnd::WindowProc(msg, wp, lp);
    }
}

LRESULT CMDIChildWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    return ::DefMDIChildProcW(m_hWnd, msg, wp, lp);
}
