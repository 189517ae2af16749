// In-place activation and the control window.

#include "framework/CDC.h"
#include "framework/ComBoundary.h"
#include "framework/ComUtil.h"
#include "framework/OleControl.h"

namespace {

bool VerbActivatesUI(LONG verb)
{
    return verb == OLEIVERB_UIACTIVATE || verb == OLEIVERB_PRIMARY || verb == OLEIVERB_OPEN;
}

} // namespace

bool COleControl::CreateControlWindow(HWND parent, const RECT& position)
{
    if (m_hWnd)
        return true;
    const wchar_t* className = GetWindowClassName();
    if (!RegisterWindowClass(className, CS_DBLCLKS))
        return false;
    m_position = position;
    return CreateEx(0, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, position,
                    parent, 0);
}

void COleControl::DestroyControlWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

HRESULT COleControl::InPlaceActivate(LONG verb, HWND parentHint, LPCRECT positionHint)
{
    if (!m_clientSite)
        return E_UNEXPECTED;
    if (!m_inPlaceSite &&
        FAILED(m_clientSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&m_inPlaceSite))))
        return E_NOINTERFACE;
    CCallReference<COleControl> held(this); // the site's callbacks may release the control
    if (!m_inPlaceActive) {
        if (m_inPlaceSite->CanInPlaceActivate() != S_OK)
            return E_FAIL;
        m_inPlaceSite->OnInPlaceActivate();
        m_inPlaceActive = true;
        HWND parent = nullptr;
        if (FAILED(m_inPlaceSite->GetWindow(&parent)) || !parent)
            parent = parentHint;
        OLEINPLACEFRAMEINFO frameInfo{};
        frameInfo.cb = sizeof(frameInfo);
        RECT position{}, clip{};
        ReleaseInPlaceFrame();
        if (FAILED(m_inPlaceSite->GetWindowContext(&m_inPlaceFrame, &m_uiWindow, &position, &clip,
                                                   &frameInfo)) &&
            positionHint)
            position = *positionHint;
        bool ok = true;
        if (m_hWnd) {
            ::SetParent(m_hWnd, parent);
            ::MoveWindow(m_hWnd, position.left, position.top, position.right - position.left,
                         position.bottom - position.top, TRUE);
            m_position = position;
        } else {
            ok = CreateControlWindow(parent, position);
        }
        if (!ok) {
            InPlaceDeactivate();
            return E_FAIL;
        }
        ::ShowWindow(m_hWnd, SW_SHOW);
    }
    if (VerbActivatesUI(verb) && !m_uiActive && m_inPlaceActive) {
        m_uiActive = true;
        m_inPlaceSite->OnUIActivate();
        if (m_inPlaceFrame) {
            m_inPlaceFrame->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
            m_inPlaceFrame->SetBorderSpace(nullptr);
        }
        if (m_uiWindow) {
            m_uiWindow->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
            m_uiWindow->SetBorderSpace(nullptr);
        }
        if (m_hWnd)
            ::SetFocus(m_hWnd);
    }
    return S_OK;
}

void COleControl::ReleaseInPlaceFrame()
{
    ReleaseAndNull(m_inPlaceFrame);
    ReleaseAndNull(m_uiWindow);
}

void COleControl::RecreateControlWindow()
{
    if (m_recreating)
        return;
    struct Recreating
    {
        bool& flag;
        explicit Recreating(bool& f) : flag(f) { flag = true; }
        ~Recreating() { flag = false; }
    } recreating(m_recreating);
    if (m_inPlaceActive) {
        bool uiActive = m_uiActive;
        CCallReference<COleControl> held(this);
        InPlaceDeactivate();
        InPlaceActivate(uiActive ? OLEIVERB_UIACTIVATE : OLEIVERB_INPLACEACTIVATE, nullptr, nullptr);
    } else if (m_hWnd) {
        HWND parent = ::GetParent(m_hWnd);
        CRect rect = GetWindowRect();
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
        bool visible = IsWindowVisible();
        DestroyControlWindow();
        if (CreateControlWindow(parent, rect) && !visible)
            ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

bool COleControl::PreCreateWindow(CREATESTRUCTW& cs)
{
    return CWnd::PreCreateWindow(cs);
}

int COleControl::OnCreate(CREATESTRUCTW*)
{
    return 0;
}

LRESULT COleControl::WindowProc(UINT msg, WPARAM, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lp));
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // OnDraw paints the whole client area
    case WM_MOUSEACTIVATE:
    case WM_SETFOCUS:
        // The focus however it came (a click, the keyboard, the container) makes the control the
        // active object, so the container offers it the keys first.
        if (m_inPlaceActive && !m_uiActive)
            InPlaceActivate(OLEIVERB_UIACTIVATE, nullptr, nullptr);
        break;
    default:
        break;
    }
    return Default();
}

void COleControl::OnPaint()
{
    // The paint ends, and its device context goes back, also when drawing ends by an exception.
    struct Painting
    {
        HWND window;
        PAINTSTRUCT paint{};
        HDC hdc = ::BeginPaint(window, &paint);
        ~Painting() { ::EndPaint(window, &paint); }
    } painting{m_hWnd};
    if (painting.hdc) {
        CDC dc(painting.hdc); // wraps the handle without owning it
        OnDraw(&dc, GetClientRect(), CRect(painting.paint.rcPaint));
    }
}

void COleControl::OnDraw(CDC* pdc, const CRect& rcBounds, const CRect&)
{
    ::FillRect(pdc->GetSafeHdc(), &rcBounds, ::GetSysColorBrush(COLOR_WINDOW));
}

// ---- IOleWindow, IOleInPlaceObject ----

STDMETHODIMP COleControl::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = m_hWnd;
    return m_hWnd ? S_OK : E_FAIL;
}

STDMETHODIMP COleControl::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::InPlaceDeactivate()
{
    if (!m_inPlaceActive)
        return S_OK;
    CCallReference<COleControl> held(this);
    UIDeactivate();
    m_inPlaceActive = false;
    DestroyControlWindow();
    if (m_inPlaceSite)
        m_inPlaceSite->OnInPlaceDeactivate();
    ReleaseInPlaceFrame();
    return S_OK;
}

STDMETHODIMP COleControl::UIDeactivate()
{
    if (!m_uiActive)
        return S_OK;
    m_uiActive = false;
    if (m_uiWindow)
        m_uiWindow->SetActiveObject(nullptr, nullptr);
    if (m_inPlaceFrame)
        m_inPlaceFrame->SetActiveObject(nullptr, nullptr);
    if (m_inPlaceSite)
        m_inPlaceSite->OnUIDeactivate(FALSE);
    return S_OK;
}

STDMETHODIMP COleControl::SetObjectRects(LPCRECT position, LPCRECT clip)
{
    if (!position)
        return E_POINTER;
    m_position = *position;
    if (!m_hWnd)
        return S_OK;
    ::MoveWindow(m_hWnd, position->left, position->top, position->right - position->left,
                 position->bottom - position->top, TRUE);
    // Only the part inside the container's clip rectangle may show.
    RECT visible = *position;
    if (clip)
        ::IntersectRect(&visible, position, clip);
    if (::EqualRect(&visible, position)) {
        ::SetWindowRgn(m_hWnd, nullptr, TRUE);
    } else {
        ::OffsetRect(&visible, -position->left, -position->top);
        ::SetWindowRgn(m_hWnd, ::CreateRectRgnIndirect(&visible), TRUE);
    }
    return S_OK;
}

STDMETHODIMP COleControl::ReactivateAndUndo()
{
    return E_NOTIMPL;
}

// ---- IOleInPlaceActiveObject ----

STDMETHODIMP COleControl::TranslateAccelerator(LPMSG msg)
{
    // Only messages for the control's own windows: the container keeps every other key.
    if (!msg)
        return E_POINTER;
    try {
        if (!m_hWnd || LeavesKeyToContainer(*msg))
            return S_FALSE;
        return PreTranslateChain(msg, m_hWnd) ? S_OK : S_FALSE;
    } catch (...) {
        return S_FALSE;
    }
}

STDMETHODIMP COleControl::OnFrameWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControl::OnDocWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControl::EnableModeless(BOOL)
{
    return S_OK;
}
