#include "framework/Wnd.h"

#include <string>
#include <vector>

namespace {

const wchar_t kOwnerProperty[] = L"CWnd.Owner";
thread_local CWnd* t_creating = nullptr;

std::vector<std::wstring>& RegisteredClasses()
{
    static std::vector<std::wstring> classes;
    return classes;
}

HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        ::RemovePropW(m_hWnd, kOwnerProperty);
        ::DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    return hwnd ? static_cast<CWnd*>(::GetPropW(hwnd, kOwnerProperty)) : nullptr;
}

bool CWnd::RegisterWindowClass(const wchar_t* className, UINT classStyle, HCURSOR cursor, HBRUSH background)
{
    HINSTANCE module = ThisModule();
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(module, className, &existing))
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = &CWnd::StdWndProc;
    wc.hInstance = module;
    wc.hCursor = cursor ? cursor : ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    if (!::RegisterClassExW(&wc))
        return false;
    RegisteredClasses().emplace_back(className);
    return true;
}

void CWnd::UnregisterWindowClasses()
{
    for (const std::wstring& name : RegisteredClasses())
        ::UnregisterClassW(name.c_str(), ThisModule());
    RegisteredClasses().clear();
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT id)
{
    if (m_hWnd)
        return false;
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = LONG(style);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    cs.hMenu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(UINT_PTR(id)) : nullptr;
    cs.hInstance = ThisModule();
    if (!PreCreateWindow(cs))
        return false;
    CWnd* previous = t_creating;
    t_creating = this;
    HWND hwnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, DWORD(cs.style), cs.x, cs.y, cs.cx,
                                  cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    t_creating = previous;
    if (!hwnd) {
        m_hWnd = nullptr;
        return false;
    }
    return true;
}

bool CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

void CWnd::Invalidate(bool erase) const
{
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::InvalidateRect(const RECT* rect, bool erase) const
{
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, rect, erase);
}

CRect CWnd::GetClientRect() const
{
    CRect rect;
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &rect);
    return rect;
}

CRect CWnd::GetWindowRect() const
{
    CRect rect;
    if (m_hWnd)
        ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

bool CWnd::PreCreateWindow(CREATESTRUCTW&)
{
    return true;
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM)
{
    return Default();
}

LRESULT CWnd::Default()
{
    return ::DefWindowProcW(m_hWnd, m_current.msg, m_current.wp, m_current.lp);
}

LRESULT CWnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    CurrentMessage saved = m_current;
    m_current = {msg, wp, lp};
    LRESULT result = WindowProc(msg, wp, lp);
    m_current = saved;
    return result;
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* owner = FromHandlePermanent(hwnd);
    if (!owner && t_creating) {
        owner = t_creating;
        t_creating = nullptr;
        owner->m_hWnd = hwnd;
        ::SetPropW(hwnd, kOwnerProperty, owner);
    }
    if (!owner)
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = owner->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        ::RemovePropW(hwnd, kOwnerProperty);
        owner->m_hWnd = nullptr;
        owner->PostNcDestroy();
    }
    return result;
}
