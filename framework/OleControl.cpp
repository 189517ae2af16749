#include "framework/ComUtil.h"
#include "framework/OleControl.h"
#include "framework/ComBoundary.h"
#include "framework/ConnectionPoint.h"
#include "framework/ModalUI.h"
#include "framework/OleModule.h"

#include <vector>

COleControl::COleControl()
{
    OleModule::AddObject();
}

COleControl::~COleControl()
{
    if (m_eventPoint)
        m_eventPoint->UnadviseAll();
    DestroyControlWindow();
    ReleaseInPlaceFrame();
    ReleaseAndNull(m_inPlaceSite);
    ReleaseAndNull(m_clientSite);
    ReleaseAndNull(m_adviseHolder);
    ReleaseAndNull(m_viewAdvise);
    OleModule::ReleaseObject();
}

// ---- IUnknown ----

STDMETHODIMP COleControl::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject))
        *object = static_cast<IOleObject*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
        *object = static_cast<IOleInPlaceObject*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject))
        *object = static_cast<IOleInPlaceActiveObject*>(this);
    else if (IsEqualIID(iid, IID_IOleControl))
        *object = static_cast<IOleControl*>(this);
    else if (IsEqualIID(iid, IID_IViewObject) || IsEqualIID(iid, IID_IViewObject2))
        *object = static_cast<IViewObject2*>(this);
    else if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistStreamInit))
        *object = static_cast<IPersistStreamInit*>(this);
    else if (IsEqualIID(iid, IID_IPersistPropertyBag))
        *object = static_cast<IPersistPropertyBag*>(this);
    else if (IsEqualIID(iid, IID_IPersistStorage))
        *object = static_cast<IPersistStorage*>(this);
    else if (IsEqualIID(iid, IID_IConnectionPointContainer))
        *object = static_cast<IConnectionPointContainer*>(this);
    else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2))
        *object = static_cast<IProvideClassInfo2*>(this);
    else if (IsEqualIID(iid, IID_ISpecifyPropertyPages))
        *object = static_cast<ISpecifyPropertyPages*>(this);
    else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, GetPrimaryDispatchIID()))
        *object = static_cast<IDispatch*>(this);
    if (!*object)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControl::AddRef()
{
    return ULONG(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) COleControl::Release()
{
    LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) {
        m_refs = 1; // guards against re-entry while tearing down
        delete this;
        return 0;
    }
    return ULONG(refs);
}

// ---- IOleObject ----

STDMETHODIMP COleControl::SetClientSite(IOleClientSite* site)
{
    if (site == m_clientSite)
        return S_OK;
    ReleaseAndNull(m_inPlaceSite);
    ReleaseAndNull(m_clientSite);
    m_clientSite = site;
    if (m_clientSite)
        m_clientSite->AddRef();
    return S_OK;
}

STDMETHODIMP COleControl::GetClientSite(IOleClientSite** site)
{
    if (!site)
        return E_POINTER;
    *site = m_clientSite;
    if (m_clientSite)
        m_clientSite->AddRef();
    return S_OK;
}

STDMETHODIMP COleControl::SetHostNames(LPCOLESTR, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP COleControl::Close(DWORD saveOption)
{
    return ComBoundary([&] {
        CCallReference<COleControl> held(this);
        if (m_clientSite && m_modified &&
            (saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE))
            m_clientSite->SaveObject();
        OnClose();
        InPlaceDeactivate();
        DestroyControlWindow();
        if (m_adviseHolder)
            m_adviseHolder->SendOnClose();
        if (m_eventPoint)
            m_eventPoint->UnadviseAll();
        return S_OK;
    });
}

STDMETHODIMP COleControl::SetMoniker(DWORD, IMoniker*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::InitFromData(IDataObject*, BOOL, DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::GetClipboardData(DWORD, IDataObject** data)
{
    if (data)
        *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT position)
{
    if (site && !m_clientSite)
        SetClientSite(site);
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_OPEN:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
        return ComBoundary([&] { return InPlaceActivate(verb, parent, position); });
    case OLEIVERB_HIDE:
        UIDeactivate();
        if (m_hWnd)
            ::ShowWindow(m_hWnd, SW_HIDE);
        return S_OK;
    case OLEIVERB_DISCARDUNDOSTATE:
        return S_OK;
    case OLEIVERB_PROPERTIES:
        return ShowProperties(parent);
    default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP COleControl::EnumVerbs(IEnumOLEVERB** verbs)
{
    return ::OleRegEnumVerbs(GetControlClassID(), verbs);
}

STDMETHODIMP COleControl::Update()
{
    return S_OK;
}

STDMETHODIMP COleControl::IsUpToDate()
{
    return S_OK;
}

STDMETHODIMP COleControl::GetUserClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = GetControlClassID();
    return S_OK;
}

STDMETHODIMP COleControl::GetUserType(DWORD form, LPOLESTR* name)
{
    if (!name)
        return E_POINTER;
    *name = nullptr;
    return ComBoundary([&] {
        CString text;
        if (GetUserTypeNameID() && text.LoadString(GetUserTypeNameID(), OleModule::Instance())) {
            std::wstring wide = text.ToWide();
            size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
            *name = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
            if (!*name)
                return E_OUTOFMEMORY;
            memcpy(*name, wide.c_str(), bytes);
            return S_OK;
        }
        return ::OleRegGetUserType(GetControlClassID(), form, name);
    });
}

STDMETHODIMP COleControl::SetExtent(DWORD aspect, SIZEL* size)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!size)
        return E_POINTER;
    m_extent = *size;
    return S_OK;
}

STDMETHODIMP COleControl::GetExtent(DWORD aspect, SIZEL* size)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!size)
        return E_POINTER;
    *size = m_extent;
    return S_OK;
}

STDMETHODIMP COleControl::Advise(IAdviseSink* sink, DWORD* connection)
{
    if (!connection)
        return E_POINTER;
    *connection = 0;
    if (!m_adviseHolder && FAILED(::CreateOleAdviseHolder(&m_adviseHolder)))
        return E_OUTOFMEMORY;
    return m_adviseHolder->Advise(sink, connection);
}

STDMETHODIMP COleControl::Unadvise(DWORD connection)
{
    return m_adviseHolder ? m_adviseHolder->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP COleControl::EnumAdvise(IEnumSTATDATA** advise)
{
    if (!advise)
        return E_POINTER;
    *advise = nullptr;
    return m_adviseHolder ? m_adviseHolder->EnumAdvise(advise) : S_OK;
}

STDMETHODIMP COleControl::GetMiscStatus(DWORD, DWORD* status)
{
    if (!status)
        return E_POINTER;
    *status = GetMiscStatusBits();
    return S_OK;
}

STDMETHODIMP COleControl::SetColorScheme(LOGPALETTE*)
{
    return E_NOTIMPL;
}

// ---- IOleControl ----

STDMETHODIMP COleControl::GetControlInfo(CONTROLINFO* info)
{
    if (!info)
        return E_POINTER;
    info->cb = sizeof(CONTROLINFO);
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP COleControl::OnMnemonic(MSG*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::OnAmbientPropertyChange(DISPID dispid)
{
    return ComBoundary([&] {
        OnAmbientChanged(dispid);
        return S_OK;
    });
}

STDMETHODIMP COleControl::FreezeEvents(BOOL freeze)
{
    if (freeze)
        ++m_freezeEvents;
    else if (m_freezeEvents > 0)
        --m_freezeEvents;
    return S_OK;
}

// ---- events ----

void COleControl::FireEvent(DISPID dispid, VARIANT* args, UINT count)
{
    if (m_freezeEvents > 0 || !m_eventPoint || !m_eventPoint->HasSinks())
        return;
    // An event there is no memory to send is not sent: the change that fires it stands.
    AtBoundary(false, [&] {
        // DISPPARAMS carry the arguments last to first.
        std::vector<VARIANT> reversed(count);
        for (UINT i = 0; i < count; ++i)
            reversed[i] = args[count - 1 - i];
        DISPPARAMS params{count ? reversed.data() : nullptr, nullptr, count, 0};
        CCallReference<COleControl> held(this);
        m_eventPoint->FireEvent(dispid, &params);
        return true;
    });
}

// ---- IConnectionPointContainer ----

STDMETHODIMP COleControl::EnumConnectionPoints(IEnumConnectionPoints** points)
{
    if (!points)
        return E_POINTER;
    *points = nullptr;
    IConnectionPoint* eventPoint = nullptr;
    HRESULT hr = FindConnectionPoint(GetEventsIID(), &eventPoint);
    if (FAILED(hr))
        return hr;
    hr = ComBoundary([&] { return CreateConnectionPointEnumerator(&eventPoint, 1, points); });
    eventPoint->Release();
    return hr;
}

STDMETHODIMP COleControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point)
{
    if (!point)
        return E_POINTER;
    *point = nullptr;
    if (!IsEqualIID(iid, GetEventsIID()))
        return CONNECT_E_NOCONNECTION;
    return ComBoundary([&] {
        if (!m_eventPoint)
            m_eventPoint = std::make_unique<CConnectionPoint>(this, GetEventsIID());
        *point = m_eventPoint.get();
        (*point)->AddRef();
        return S_OK;
    });
}

// ---- type information ----

HRESULT COleControl::GetControlTypeLib(LCID, ITypeLib** library)
{
    if (!library)
        return E_POINTER;
    *library = nullptr;
    return ::LoadTypeLibEx(OleModule::ModulePathW().c_str(), REGKIND_NONE, library);
}

HRESULT COleControl::TypeInfoOfGuid(REFGUID guid, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    return ComBoundary([&] {
        ITypeLib* library = nullptr;
        HRESULT hr = GetControlTypeLib(LOCALE_USER_DEFAULT, &library);
        if (FAILED(hr))
            return hr;
        hr = library->GetTypeInfoOfGuid(guid, info);
        library->Release();
        return hr;
    });
}

HRESULT COleControl::GetMemberTypeInfo(ITypeInfo** info)
{
    return TypeInfoOfGuid(GetPrimaryDispatchIID(), info);
}

STDMETHODIMP COleControl::GetClassInfo(ITypeInfo** info)
{
    return TypeInfoOfGuid(GetControlClassID(), info);
}

STDMETHODIMP COleControl::GetGUID(DWORD kind, GUID* guid)
{
    if (!guid)
        return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = GetEventsIID();
    return S_OK;
}

// ---- ISpecifyPropertyPages ----

const CLSID* COleControl::GetPropPageIDs(ULONG& count)
{
    count = 0;
    return m_noPages;
}

HRESULT COleControl::ShowProperties(HWND parent)
{
    // A container that has a frame of its own shows it, with its own properties beside ours.
    IOleControlSite* site = nullptr;
    if (m_clientSite &&
        SUCCEEDED(m_clientSite->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&site)))) {
        const HRESULT shown = site->ShowPropertyFrame();
        site->Release();
        if (shown == S_OK)
            return S_OK;
    }
    ULONG count = 0;
    const CLSID* pages = GetPropPageIDs(count);
    if (!count || !pages)
        return S_OK;
    CString caption;
    if (GetUserTypeNameID())
        caption.LoadString(GetUserTypeNameID(), OleModule::Instance());
    HWND owner = parent ? parent : m_hWnd;
    owner = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    AddRef(); // the frame's pages hold the control, the container may let go meanwhile
    const HRESULT hr = ModalUI::ShowPropertyFrame(owner, caption, static_cast<IOleObject*>(this), count, pages);
    Release();
    return hr;
}

STDMETHODIMP COleControl::GetPages(CAUUID* pages)
{
    if (!pages)
        return E_POINTER;
    pages->cElems = 0;
    pages->pElems = nullptr;
    return ComBoundary([&] {
        ULONG count = 0;
        const CLSID* ids = GetPropPageIDs(count);
        if (!count || !ids)
            return S_OK;
        pages->pElems = static_cast<GUID*>(::CoTaskMemAlloc(count * sizeof(GUID)));
        if (!pages->pElems)
            return E_OUTOFMEMORY;
        memcpy(pages->pElems, ids, count * sizeof(GUID));
        pages->cElems = count;
        return S_OK;
    });
}

// ---- IDispatch ----

STDMETHODIMP COleControl::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP COleControl::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return ComBoundary([&] { return GetMemberTypeInfo(info); });
}

STDMETHODIMP COleControl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids)
        return E_POINTER;
    return ComBoundary([&] { return GetMemberIDs(names, count, ids); });
}

STDMETHODIMP COleControl::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                 VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    return ComBoundary([&] {
        CCallReference<COleControl> held(this); // a handler may make the container release the control
        return InvokeMember(dispid, flags, params, result, exception, argError);
    });
}

// ---- ambient properties ----

IDispatch* COleControl::AmbientDispatch()
{
    IDispatch* dispatch = nullptr;
    if (m_clientSite)
        m_clientSite->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    return dispatch;
}

bool COleControl::GetAmbientProperty(DISPID dispid, VARTYPE type, VARIANT* value)
{
    if (!value)
        return false;
    ::VariantInit(value);
    IDispatch* dispatch = AmbientDispatch();
    if (!dispatch)
        return false;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT raw;
    ::VariantInit(&raw);
    HRESULT hr = dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &raw,
                                  nullptr, nullptr);
    dispatch->Release();
    if (FAILED(hr))
        return false;
    hr = ::VariantChangeType(value, &raw, 0, type);
    ::VariantClear(&raw);
    return SUCCEEDED(hr);
}

bool COleControl::AmbientUserMode()
{
    VARIANT value;
    if (!GetAmbientProperty(DISPID_AMBIENT_USERMODE, VT_BOOL, &value))
        return true;
    return value.boolVal != VARIANT_FALSE;
}

COLORREF COleControl::TranslateColor(OLE_COLOR color, HPALETTE palette) const
{
    COLORREF translated = 0;
    if (FAILED(::OleTranslateColor(color, palette, &translated)))
        return RGB(0, 0, 0);
    return translated;
}

void COleControl::InvalidateControl(const RECT* rect, bool erase)
{
    if (m_hWnd)
        InvalidateRect(rect, erase);
    else if (m_viewAdvise)
        m_viewAdvise->OnViewChange(DVASPECT_CONTENT, -1);
}
