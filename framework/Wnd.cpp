#include "framework/Wnd.h"

#include "framework/ComBoundary.h"
#include "framework/ModalUI.h"

#include <cwchar>
#include <string>
#include <vector>

namespace {

// The object whose window CreateEx is creating; taken by that window's WM_NCCREATE.
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

// The window property that points at a window's object. Each module that carries this code names
// its own, so a program hosting a control never takes the control's windows for objects of its own.
const wchar_t* OwnerProperty()
{
    static const std::wstring name = [] {
        wchar_t text[48];
        ::swprintf(text, 48, L"CWnd.Owner.%p", static_cast<void*>(ThisModule()));
        return std::wstring(text);
    }();
    return name.c_str();
}

// The child control that sent a notification to its parent, or none.
HWND NotifyingChild(HWND parent, UINT msg, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lp);
    case WM_NOTIFY:
        return lp ? reinterpret_cast<const NMHDR*>(lp)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lp);
        return item && item->CtlType != ODT_MENU ? ::GetDlgItem(parent, int(item->CtlID)) : nullptr;
    }
    case WM_COMPAREITEM:
        return lp ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lp)->hwndItem : nullptr;
    case WM_DELETEITEM:
        return lp ? reinterpret_cast<const DELETEITEMSTRUCT*>(lp)->hwndItem : nullptr;
    default:
        return nullptr;
    }
}

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        // The window outlives the derived object's handlers: it goes with its own procedure.
        HWND hwnd = m_superProc ? UnsubclassWindow() : m_hWnd;
        Detach();
        ::DestroyWindow(hwnd);
    }
    FreeCursorClip();
    m_hWnd = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    return hwnd ? static_cast<CWnd*>(::GetPropW(hwnd, OwnerProperty())) : nullptr;
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
    // Stored as the int id GetDlgItem and GetDlgCtrlID speak of: a negative id (the control's band
    // windows) widened without its sign would be found by no lookup.
    cs.hMenu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(INT_PTR(int(id))) : nullptr;
    cs.hInstance = ThisModule();
    if (!PreCreateWindow(cs))
        return false;
    CWnd* previous = t_creating;
    t_creating = this;
    HWND hwnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, DWORD(cs.style), cs.x, cs.y, cs.cx,
                                  cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    const bool foreignClass = t_creating == this; // no WM_NCCREATE of ours took it
    t_creating = previous;
    if (!hwnd) {
        m_hWnd = nullptr;
        return false;
    }
    if (foreignClass && !SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
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

void CWnd::AttachHandle(HWND hwnd)
{
    m_hWnd = hwnd;
    ::SetPropW(hwnd, OwnerProperty(), this);
}

void CWnd::Detach()
{
    if (m_hWnd)
        ::RemovePropW(m_hWnd, OwnerProperty());
    m_hWnd = nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd)
{
    if (m_hWnd || !hwnd || !::IsWindow(hwnd) || FromHandlePermanent(hwnd))
        return false;
    AttachHandle(hwnd);
    PreSubclassWindow();
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
    // A window of one of our classes without an object passes its messages on as its class would.
    m_superProc = previous == &CWnd::StdWndProc ? &::DefWindowProcW : previous;
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, HWND parent)
{
    return SubclassWindow(::GetDlgItem(parent, int(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    if (!hwnd || !m_superProc)
        return nullptr;
    if (m_superProc != &::DefWindowProcW)
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    m_superProc = nullptr;
    Detach();
    return hwnd;
}

bool CWnd::PreTranslateMessage(MSG*)
{
    return false;
}

bool CWnd::PreTranslateChain(MSG* msg, HWND top)
{
    if (!msg || !top)
        return false;
    HWND hwnd = msg->hwnd;
    while (hwnd && hwnd != top)
        hwnd = ::GetParent(hwnd);
    if (!hwnd)
        return false;
    for (hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        // A handler that fails leaves the message to the next one and to the loop.
        CWnd* object = FromHandlePermanent(hwnd);
        if (object && AtBoundary(false, [&] { return object->PreTranslateMessage(msg); }))
            return true;
        if (hwnd == top)
            break;
    }
    return false;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

bool CWnd::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    HWND child = NotifyingChild(m_hWnd, msg, lp);
    (void)wp;
    if (!child || child == m_hWnd || ::GetParent(child) != m_hWnd)
        return false;
    CWnd* control = FromHandlePermanent(child);
    return control && control->OnChildNotify(msg, wp, lp, result);
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

CRect CWnd::GetChildRect(HWND child) const
{
    CRect rect;
    if (child && ::GetWindowRect(child, &rect))
        ScreenToClient(rect);
    return rect;
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add) const
{
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return false;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, LONG_PTR(changed));
    return true;
}

void CWnd::MoveWindow(const RECT& rect, bool repaint) const
{
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

void CWnd::CenterWindow(HWND alternateOwner) const
{
    // A child centres in its parent's client area, a popup over its owner or the work area.
    const bool child = (GetStyle() & WS_CHILD) != 0;
    HWND over = child ? GetParent() : (alternateOwner ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER));
    CRect area;
    if (child)
        ::GetClientRect(over, &area);
    else if (over)
        ::GetWindowRect(over, &area);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const CRect rect = GetWindowRect();
    const int x = area.left + (area.Width() - rect.Width()) / 2;
    const int y = area.top + (area.Height() - rect.Height()) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CString CWnd::TextOf(HWND hwnd)
{
    const int length = ::GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return CString();
    std::wstring text(size_t(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
    return CString::FromWide(text.data(), copied);
}

void CWnd::SetWindowText(const CString& text) const
{
    ::SetWindowTextW(m_hWnd, text.ToWide().c_str());
}

void CWnd::SetFont(HFONT font, bool redraw) const
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void CWnd::ScreenToClient(RECT& rect) const
{
    ::MapWindowPoints(HWND_DESKTOP, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
}

void CWnd::ClientToScreen(RECT& rect) const
{
    ::MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
}

int CWnd::MessageBox(const CString& text, const CString& caption, UINT type) const
{
    return ModalUI::ShowMessage(m_hWnd, text, caption, type);
}

void CWnd::ClipCursor(const RECT* screenRect)
{
    if (!screenRect) {
        FreeCursorClip();
        return;
    }
    m_clipsCursor = ::ClipCursor(screenRect) != FALSE;
}

void CWnd::FreeCursorClip()
{
    if (m_clipsCursor) {
        m_clipsCursor = false;
        ::ClipCursor(nullptr);
    }
}

INT_PTR CWnd::RunModalLoop()
{
    if (m_modalState == ModalState::None)
        m_modalState = ModalState::Running;
    MSG msg{};
    while (ContinueModal() && ::IsWindow(m_hWnd)) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            ::PostQuitMessage(int(msg.wParam));
            break;
        }
        if (!PreTranslateChain(&msg, m_hWnd)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_modalState = ModalState::None;
    return m_modalResult;
}

void CWnd::BeginModalState()
{
    m_modalState = ModalState::Running;
    m_modalResult = -1;
}

void CWnd::EndModalLoop(INT_PTR result)
{
    if (m_modalState != ModalState::Running)
        return;
    m_modalResult = result;
    m_modalState = ModalState::Ended;
    // Wakes GetMessage so the loop sees it has ended.
    if (m_hWnd)
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
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
    if (m_superProc)
        return ::CallWindowProcW(m_superProc, m_hWnd, m_current.msg, m_current.wp, m_current.lp);
    return DefWindowProc(m_current.msg, m_current.wp, m_current.lp);
}

LRESULT CWnd::AnswerFailedHandler(UINT msg)
{
    // A window being made is not made half: its creation fails.
    if (msg == WM_NCCREATE)
        return FALSE;
    if (msg == WM_CREATE)
        return -1;
    return AtBoundary(LRESULT(0), [this] { return Default(); });
}

LRESULT CWnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    CurrentMessage saved = m_current;
    m_current = {msg, wp, lp};
    ++m_dispatchDepth;
    LRESULT result = 0;
    try {
        if (!ReflectToChild(msg, wp, lp, &result))
            result = WindowProc(msg, wp, lp);
    } catch (...) {
        result = AnswerFailedHandler(msg);
    }
    --m_dispatchDepth;
    m_current = saved;
    if (msg == WM_CAPTURECHANGED)
        FreeCursorClip();
    if (m_dispatchDepth == 0 && m_ncDestroyPending) {
        // The window went while one of its own messages was handled; now that the handler has
        // returned, the object may go too.
        m_ncDestroyPending = false;
        AtBoundary(false, [this] {
            PostNcDestroy();
            return true;
        });
    }
    return result;
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* owner = FromHandlePermanent(hwnd);
    if (!owner && msg == WM_NCCREATE && t_creating) {
        owner = t_creating;
        t_creating = nullptr;
        owner->AttachHandle(hwnd);
    }
    if (!owner)
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    const LRESULT result = owner->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        owner->FreeCursorClip();
        if (owner->m_superProc)
            owner->UnsubclassWindow();
        else
            owner->Detach();
        if (owner->m_dispatchDepth > 0)
            owner->m_ncDestroyPending = true;
        else
            AtBoundary(false, [owner] {
                owner->PostNcDestroy();
                return true;
            });
    }
    return result;
}
