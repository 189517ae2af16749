#include "tests/support/TestContainer.h"

#include "Norvak_h.h"
#include "tests/support/EventSinkBase.h"

namespace {

const wchar_t kParentClass[] = L"NorvakTestContainer";
const RECT kControlRect{0, 0, 400, 300};

HWND CreateHiddenParent()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kParentClass;
    ::RegisterClassExW(&wc); // a second registration fails harmlessly
    return ::CreateWindowExW(0, kParentClass, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 420, 340,
                             nullptr, nullptr, wc.hInstance, nullptr);
}

} // namespace

// Records the control's events; the container owns it.
class TestContainer::EventSink final : public EventSinkBase
{
public:
    explicit EventSink(TestContainer* owner) : m_owner(owner) {}
    TestContainer* m_owner;

protected:
    void OnEvent(DISPID dispid, DISPPARAMS* params) override
    {
        if (m_owner)
            m_owner->Record(dispid, params);
    }
};

TestContainer::TestContainer() : m_parent(CreateHiddenParent()) {}

TestContainer::~TestContainer()
{
    Destroy();
    if (m_parent)
        ::DestroyWindow(m_parent);
}

const wchar_t* TestContainer::ControlPath()
{
    return NORVAK_OCX_PATH;
}

HMODULE TestContainer::ControlModule()
{
    static HMODULE module = ::LoadLibraryW(ControlPath());
    return module;
}

HRESULT TestContainer::RegisterControl()
{
    HMODULE module = ControlModule();
    if (!module)
        return HRESULT_FROM_WIN32(::GetLastError());
    auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllRegisterServer")));
    return registerServer ? registerServer() : E_FAIL;
}

HRESULT TestContainer::Create()
{
    IUnknown* object = nullptr;
    HRESULT hr = ::CoCreateInstance(CLSID_Norvak, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                    reinterpret_cast<void**>(&object));
    if (FAILED(hr))
        return hr;
    return Create(object);
}

HRESULT TestContainer::Create(IUnknown* object)
{
    if (!object)
        return E_POINTER;
    HRESULT hr = object->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&m_object));
    object->Release();
    if (FAILED(hr))
        return hr;
    m_object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_dispatch));
    hr = m_object->SetClientSite(this);
    if (FAILED(hr))
        return hr;
    IPersistStreamInit* persist = Query<IPersistStreamInit>(IID_IPersistStreamInit);
    if (persist) {
        persist->InitNew();
        persist->Release();
    }
    IConnectionPointContainer* points = Query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!points)
        return E_NOINTERFACE;
    hr = points->FindConnectionPoint(DIID__DNorvakEvents, &m_point);
    points->Release();
    if (FAILED(hr))
        return hr;
    m_sink = new EventSink(this);
    return m_point->Advise(m_sink, &m_cookie);
}

HRESULT TestContainer::Activate(LONG verb)
{
    if (!m_object)
        return E_UNEXPECTED;
    return m_object->DoVerb(verb, nullptr, this, 0, m_parent, &kControlRect);
}

void TestContainer::UnadviseEvents()
{
    if (m_point && m_cookie)
        m_point->Unadvise(m_cookie);
    m_cookie = 0;
}

ULONG TestContainer::Destroy()
{
    if (!m_object)
        return 0;
    UnadviseEvents();
    if (m_point) {
        m_point->Release();
        m_point = nullptr;
    }
    if (m_sink) {
        m_sink->m_owner = nullptr;
        m_sink->Release();
        m_sink = nullptr;
    }
    IOleInPlaceObject* inPlace = Query<IOleInPlaceObject>(IID_IOleInPlaceObject);
    if (inPlace) {
        inPlace->InPlaceDeactivate();
        inPlace->Release();
    }
    m_object->Close(OLECLOSE_NOSAVE);
    m_object->SetClientSite(nullptr);
    if (m_dispatch) {
        m_dispatch->Release();
        m_dispatch = nullptr;
    }
    if (activeObject) {
        activeObject->Release();
        activeObject = nullptr;
    }
    ULONG refs = m_object->Release();
    m_object = nullptr;
    return refs;
}

HWND TestContainer::ControlWindow() const
{
    HWND window = nullptr;
    IOleInPlaceObject* inPlace = Query<IOleInPlaceObject>(IID_IOleInPlaceObject);
    if (inPlace) {
        inPlace->GetWindow(&window);
        inPlace->Release();
    }
    return window;
}

HRESULT InvokeDispatch(IDispatch* object, DISPID dispid, WORD flags, std::vector<Variant> args, Variant* result,
                       UINT* argError)
{
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        reversed.push_back(**it);
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, UINT(reversed.size()), 0};
    if (flags & DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    Variant ignored;
    UINT error = 0;
    HRESULT hr = object->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                result ? result->get() : ignored.get(), nullptr, &error);
    if (argError)
        *argError = error;
    return hr;
}

HRESULT TestContainer::Invoke(DISPID dispid, WORD flags, std::vector<Variant> args, Variant* result,
                              UINT* argError)
{
    if (!m_dispatch)
        return E_UNEXPECTED;
    return InvokeDispatch(m_dispatch, dispid, flags, std::move(args), result, argError);
}

HRESULT TestContainer::Call(DISPID dispid, std::vector<Variant> args, Variant* result)
{
    return Invoke(dispid, DISPATCH_METHOD, std::move(args), result);
}

HRESULT TestContainer::PutProperty(DISPID dispid, const Variant& value)
{
    return Invoke(dispid, DISPATCH_PROPERTYPUT, {value});
}

HRESULT TestContainer::CallByName(const wchar_t* name, std::vector<Variant> args, Variant* result)
{
    if (!m_dispatch)
        return E_UNEXPECTED;
    DISPID dispid = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = m_dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid);
    if (FAILED(hr))
        return hr;
    return Call(dispid, std::move(args), result);
}

std::vector<DWORD> TestContainer::DrawToMemory(int width, int height, DWORD background, HRESULT* hr)
{
    std::vector<DWORD> pixels;
    IViewObject2* view = Query<IViewObject2>(IID_IViewObject2);
    if (!view) {
        if (hr)
            *hr = E_NOINTERFACE;
        return pixels;
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    DWORD* data = static_cast<DWORD*>(bits);
    std::fill(data, data + width * height, background);
    RECTL bounds{0, 0, width, height};
    HRESULT result =
        view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0);
    ::GdiFlush();
    pixels.assign(data, data + width * height);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    view->Release();
    if (hr)
        *hr = result;
    return pixels;
}

void TestContainer::Record(DISPID dispid, DISPPARAMS* params)
{
    RecordedEvent event{dispid, {}};
    if (params) {
        for (UINT i = params->cArgs; i > 0; --i)
            event.args.emplace_back(params->rgvarg[i - 1]);
    }
    events.push_back(event);
    if (onEvent)
        onEvent(events.back());
}

// ---- IUnknown ----

STDMETHODIMP TestContainer::QueryInterface(REFIID iid, void** object)
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

STDMETHODIMP_(ULONG) TestContainer::AddRef()
{
    return ULONG(++m_refs);
}

STDMETHODIMP_(ULONG) TestContainer::Release()
{
    return ULONG(--m_refs); // owned by the test, never deleted through COM
}

// ---- site ----

STDMETHODIMP TestContainer::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TestContainer::GetContainer(IOleContainer** container)
{
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP TestContainer::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = m_parent;
    return S_OK;
}

STDMETHODIMP TestContainer::OnInPlaceActivate()
{
    inPlaceActive = true;
    return S_OK;
}

STDMETHODIMP TestContainer::OnUIActivate()
{
    uiActive = true;
    return S_OK;
}

STDMETHODIMP TestContainer::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                             LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    if (!frame || !doc || !position || !clip || !info)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *doc = nullptr;
    *position = kControlRect;
    *clip = kControlRect;
    info->fMDIApp = FALSE;
    info->hwndFrame = m_parent;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP TestContainer::OnUIDeactivate(BOOL)
{
    uiActive = false;
    return S_OK;
}

STDMETHODIMP TestContainer::OnInPlaceDeactivate()
{
    inPlaceActive = false;
    return S_OK;
}

STDMETHODIMP TestContainer::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR)
{
    if (object)
        object->AddRef();
    if (activeObject)
        activeObject->Release();
    activeObject = object;
    return S_OK;
}

// ---- ambient properties ----

STDMETHODIMP TestContainer::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP TestContainer::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TestContainer::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*)
{
    if (!(flags & DISPATCH_PROPERTYGET) || !result)
        return DISP_E_MEMBERNOTFOUND;
    auto found = ambients.find(dispid);
    if (found == ambients.end())
        return DISP_E_MEMBERNOTFOUND;
    return ::VariantCopy(result, found->second.get());
}
