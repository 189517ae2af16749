#include "sheet/windows/TitleTip.h"

#include "framework/CDC.h"

#include <windowsx.h>

namespace {

HINSTANCE ModuleOfThisCode()
{
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ModuleOfThisCode), &module);
    return module;
}

POINT PointOf(LPARAM lp)
{
    return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

LPARAM LParamOf(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

bool IsInput(UINT msg)
{
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCXBUTTONDBLCLK);
}

} // namespace

CTitleTipWnd::CTitleTipWnd() : m_bRegistered(RegisterClassOnce()) {}

CTitleTipWnd::~CTitleTipWnd()
{
    m_hoverRegion.DeleteObject();
    DestroyWindow();
}

bool CTitleTipWnd::RegisterClassOnce()
{
    HINSTANCE module = ModuleOfThisCode();
    WNDCLASSW wc{};
    if (::GetClassInfoW(module, kClassName, &wc))
        return true;
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = module;
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
    wc.lpszClassName = kClassName;
    return ::RegisterClassW(&wc) != 0;
}

bool CTitleTipWnd::Create(HWND parent)
{
    m_hParent = parent;
    if (!m_bRegistered)
        return false;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, nullptr, WS_POPUP | WS_BORDER, RECT{}, nullptr,
                    0);
}

bool CTitleTipWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    return true;
}

bool CTitleTipWnd::Show(HWND parent, const RECT& screenRect, const CString& text, const LOGFONTA& font,
                        UINT format, POINT cursor)
{
    if (!m_hWnd && !Create(parent))
        return false;
    m_text = text;
    m_nFormat = format;
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&font);
    m_lastMouse = POINT{cursor.x - screenRect.left, cursor.y - screenRect.top};
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                   screenRect.bottom - screenRect.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return true;
}

void CTitleTipWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rect = GetClientRect();
    dc.FillSolidRect(rect, ::GetSysColor(COLOR_INFOBK));
    rect.DeflateRect(kMargin, kMargin);
    CSelectObject selectFont(dc, m_font.GetSafeHandle());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    dc.DrawText(m_text, &rect, m_nFormat | DT_NOPREFIX);
}

void CTitleTipWnd::Hide()
{
    if (!m_hWnd)
        return;
    if (HasCapture())
        ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

HWND CTitleTipWnd::TargetAt(POINT screen, LRESULT* hit) const
{
    HWND target = ::WindowFromPoint(screen);
    if (!target || target == m_hWnd)
        target = m_hParent;
    *hit = target ? ::SendMessageW(target, WM_NCHITTEST, 0, LParamOf(screen)) : HTNOWHERE;
    return target;
}

LRESULT CTitleTipWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lp));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_MOUSEACTIVATE:
        // Clicks go to the window underneath; the host keeps its activation.
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        ForwardMouseMessage(msg, wp, PointOf(lp));
        LRESULT result = Default();
        if (msg == WM_RBUTTONDOWN)
            Hide();
        return result;
    }
    default:
        return Default();
    }
}

void CTitleTipWnd::OnMouseMove(POINT point)
{
    if (point.x != m_lastMouse.x || point.y != m_lastMouse.y)
        Hide();
    m_lastMouse = point;
    if (!m_hoverRegion.GetSafeHandle())
        return;
    if (m_hoverRegion.PtInRegion(point.x, point.y) && ::PtInRect(&m_rcHover, point))
        return;
    Hide();
    ClientToScreen(point);
    LRESULT hit = HTNOWHERE;
    HWND target = TargetAt(point, &hit);
    if (!target || hit == HTCLIENT)
        return;
    ::PostMessageW(target, WM_NCMOUSEMOVE, WPARAM(hit), LParamOf(point));
}

void CTitleTipWnd::ForwardMouseMessage(UINT msg, WPARAM flags, POINT point)
{
    ClientToScreen(point);
    LRESULT hit = HTNOWHERE;
    HWND target = TargetAt(point, &hit);
    if (!target)
        return;
    if (hit != HTCLIENT) {
        ::PostMessageW(target, msg, WPARAM(hit), LParamOf(point));
        return;
    }
    POINT client = point;
    ::ScreenToClient(target, &client);
    ::PostMessageW(target, msg, flags, LParamOf(client));
    if (msg == WM_RBUTTONDOWN)
        ::PostMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), LParamOf(point));
}

bool CTitleTipWnd::PreTranslateMessage(MSG* msg)
{
    switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Hide();
        ::PostMessageW(m_hParent, msg->message, msg->wParam, msg->lParam);
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        POINT point = PointOf(msg->lParam);
        ::ClientToScreen(msg->hwnd, &point);
        LRESULT hit = HTNOWHERE;
        HWND target = TargetAt(point, &hit);
        UINT message = msg->message;
        WPARAM wp = msg->wParam;
        LPARAM lp = LParamOf(point);
        if (hit == HTCLIENT) {
            POINT client = point;
            ::ScreenToClient(target, &client);
            lp = LParamOf(client);
        } else {
            message += WM_NCLBUTTONDOWN - WM_LBUTTONDOWN;
            wp = WPARAM(hit);
        }
        Hide();
        if (target)
            ::PostMessageW(target, message, wp, lp);
        return true;
    }
    default:
        if (::GetFocus() || !IsInput(msg->message))
            return CWnd::PreTranslateMessage(msg);
        Hide();
        return true;
    }
}
