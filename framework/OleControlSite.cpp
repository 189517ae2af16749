#include "framework/OleControlSite.h"

#include "framework/ComObject.h"
#include "framework/ComUtil.h"
#include "framework/DispatchDriver.h"

#include <olectl.h>

#include <vector>

namespace {

// The in-place active object that last took the user interface, for the message loop.
IOleInPlaceActiveObject* g_activeObject = nullptr;
HWND g_activeWindow = nullptr;

} // namespace

// The control's site: client site, in-place site with its frame, and the ambient properties.
class COleControlWnd::Site final : public IOleClientSite,
                                   public IOleInPlaceSite,
                                   public IOleInPlaceFrame,
                                   public IDispatch
{
public:
    Site(HWND parent, const RECT& rect) : m_parent(parent), m_rect(rect) {}

    void SetRect(const RECT& rect) { m_rect = rect; }
    void Detach()
    {
        if (m_activeObject == g_activeObject)
            g_activeObject = nullptr;
        ReleaseAndNull(m_activeObject);
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
            *object = static_cast<IOleClientSite*>(this);
        else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
            *object = static_cast<IOleInPlaceFrame*>(this);
        else if (IsEqualIID(iid, IID_IDispatch))
            *object = static_cast<IDispatch*>(this);
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(++m_refs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = --m_refs;
        if (refs == 0)
            delete this;
        return ULONG(refs);
    }
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override
    {
        if (moniker)
            *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override
    {
        if (container)
            *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow
    STDMETHODIMP GetWindow(HWND* window) override
    {
        if (!window)
            return E_POINTER;
        *window = m_parent;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override
    {
        if (!frame || !doc || !position || !clip || !info)
            return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *doc = nullptr;
        *position = m_rect;
        *clip = m_rect;
        info->fMDIApp = FALSE;
        info->hwndFrame = ::GetAncestor(m_parent, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }
    // IOleInPlaceUIWindow, IOleInPlaceFrame: no tool space and no menu merging.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override
    {
        if (object)
            object->AddRef();
        if (m_activeObject == g_activeObject)
            g_activeObject = nullptr;
        ReleaseAndNull(m_activeObject);
        m_activeObject = object;
        if (object) {
            g_activeObject = object;
            g_activeWindow = m_parent;
        }
        return S_OK;
    }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }
    // IDispatch: the ambient properties; the control runs in user mode.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override
    {
        if (!(flags & DISPATCH_PROPERTYGET) || !result || dispid != DISPID_AMBIENT_USERMODE)
            return DISP_E_MEMBERNOTFOUND;
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = VARIANT_TRUE;
        return S_OK;
    }

private:
    ~Site() { Detach(); }

    LONG m_refs = 1;
    HWND m_parent;
    RECT m_rect;
    IOleInPlaceActiveObject* m_activeObject = nullptr;
};

// Receives the control's events for its wrapper.
class COleControlWnd::EventSink final : public CDispatchWithoutTypes
{
public:
    EventSink(COleControlWnd* owner, REFIID events) : m_owner(owner), m_events(events) {}
    void Detach() { m_owner = nullptr; }

    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override
    {
        if (m_owner) {
            try {
                m_owner->OnControlEvent(dispid, params);
            } catch (...) {
                // An event handler's failure stays on this side of the call.
            }
        }
        return S_OK;
    }

protected:
    bool AnswersAlso(REFIID iid) const override { return IsEqualIID(iid, m_events) != FALSE; }

private:
    COleControlWnd* m_owner;
    IID m_events;
};

COleControlWnd::~COleControlWnd()
{
    CloseControl();
}

bool COleControlWnd::CreateControl(REFCLSID clsid, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (m_object)
        return false;
    HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&m_object));
    if (FAILED(hr))
        return false;
    m_id = id;
    m_object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_dispatch));
    m_site = new Site(parent, rect);
    m_object->SetClientSite(static_cast<IOleClientSite*>(m_site));
    if (IPersistStreamInit* persist = nullptr;
        SUCCEEDED(m_object->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
        persist->InitNew();
        persist->Release();
    }
    // Events first: the control fires one as its window is made.
    IID events{};
    IProvideClassInfo2* classInfo = nullptr;
    IConnectionPointContainer* points = nullptr;
    if (SUCCEEDED(m_object->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&classInfo)))) {
        if (SUCCEEDED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events)) &&
            SUCCEEDED(m_object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points))) &&
            SUCCEEDED(points->FindConnectionPoint(events, &m_point))) {
            m_sink = new EventSink(this, events);
            if (FAILED(m_point->Advise(m_sink, &m_cookie)))
                m_cookie = 0;
        }
        ReleaseAndNull(points);
        classInfo->Release();
    }
    hr = m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(m_site), 0, parent,
                          &rect);
    if (SUCCEEDED(hr))
        FollowControlWindow();
    if (!m_hWnd) {
        CloseControl();
        return false;
    }
    if (!(style & WS_VISIBLE))
        ::ShowWindow(m_hWnd, SW_HIDE);
    return true;
}

void COleControlWnd::CloseControl()
{
    if (!m_object)
        return;
    if (m_point && m_cookie)
        m_point->Unadvise(m_cookie);
    m_cookie = 0;
    ReleaseAndNull(m_point);
    if (m_sink) {
        m_sink->Detach();
        ReleaseAndNull(m_sink);
    }
    if (IOleInPlaceObject* inPlace = nullptr;
        SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->InPlaceDeactivate();
        inPlace->Release();
    }
    m_object->Close(OLECLOSE_NOSAVE);
    m_object->SetClientSite(nullptr);
    ReleaseAndNull(m_dispatch);
    if (m_site) {
        m_site->Detach();
        ReleaseAndNull(m_site);
    }
    ReleaseAndNull(m_object);
    m_hWnd = nullptr; // the control took its window with it
}

bool COleControlWnd::DestroyWindow()
{
    const bool had = m_object != nullptr;
    CloseControl();
    return had;
}

void COleControlWnd::SetControlRect(const RECT& rect)
{
    if (!m_object)
        return;
    if (m_site)
        m_site->SetRect(rect);
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&rect, &rect);
        inPlace->Release();
    }
}

HRESULT COleControlWnd::InvokeHelper(DISPID dispid, WORD flags, VARIANT* args, UINT count, VARIANT* result) const
{
    return m_dispatch ? InvokeDispatch(m_dispatch, dispid, flags, args, count, result) : E_UNEXPECTED;
}

HRESULT COleControlWnd::SetProperty(DISPID dispid, const VARIANT& value)
{
    VARIANT copy = value;
    const HRESULT hr = InvokeHelper(dispid, DISPATCH_PROPERTYPUT, &copy, 1, nullptr);
    FollowControlWindow();
    return hr;
}

void COleControlWnd::FollowControlWindow()
{
    IOleInPlaceObject* inPlace = nullptr;
    if (!m_object || FAILED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))))
        return;
    HWND window = nullptr;
    if (SUCCEEDED(inPlace->GetWindow(&window)) && window && window != m_hWnd) {
        m_hWnd = window;
        ::SetWindowLongPtrW(window, GWLP_ID, LONG_PTR(m_id));
    }
    inPlace->Release();
}

void COleControlWnd::OnControlEvent(DISPID dispid, DISPPARAMS* params)
{
    HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!parent && m_site)
        m_site->GetWindow(&parent);
    if (auto* sink = dynamic_cast<IControlEventSink*>(FromHandlePermanent(parent)))
        sink->OnControlEvent(m_id, dispid, params);
}

bool COleControlWnd::PreTranslateControlMessage(MSG* msg)
{
    if (!g_activeObject || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return false;
    if (!g_activeWindow || !(msg->hwnd == g_activeWindow || ::IsChild(g_activeWindow, msg->hwnd)))
        return false;
    IOleInPlaceActiveObject* object = g_activeObject;
    object->AddRef();
    const bool taken = object->TranslateAccelerator(msg) == S_OK;
    object->Release();
    return taken;
}
