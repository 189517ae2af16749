#include "framework/OlePropertyPage.h"

#include "framework/ComUtil.h"
#include "framework/CommonControls.h"
#include "framework/DataExchange.h"
#include "framework/OleModule.h"
#include "framework/OleRegistry.h"

#include <commctrl.h>

#include <cstring>
#include <new>

namespace {

// The one place where the page's interface methods stop a C++ exception: memory that ran out
// answers E_OUTOFMEMORY, anything else E_UNEXPECTED.
template <class Body> HRESULT Guarded(Body&& body) noexcept
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// A copy the caller frees with CoTaskMemFree; null when memory ran out.
LPOLESTR TaskString(const CString& text)
{
    const std::wstring wide = text.ToWide();
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
    if (copy)
        memcpy(copy, wide.c_str(), bytes);
    return copy;
}

INT_PTR CALLBACK MeasureOnly(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The size in pixels of a dialog made from the template, as the system lays it out with the
// template's font: a dialog is made from it out of sight and measured.
SIZE TemplateSize(UINT templateId)
{
    EnsureCommonControls();
    HWND probe = ::CreateDialogParamW(OleModule::Instance(), MAKEINTRESOURCEW(templateId), HWND_MESSAGE,
                                      &MeasureOnly, 0);
    if (!probe)
        return SIZE{0, 0};
    RECT rect{};
    ::GetWindowRect(probe, &rect);
    ::DestroyWindow(probe);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

bool IsChangeNotice(UINT code)
{
    return code == EN_CHANGE || code == CBN_SELCHANGE || code == CBN_EDITCHANGE || code == BN_CLICKED ||
           code == LBN_SELCHANGE;
}

HRESULT DispatchIdOf(IDispatch* object, const CString& name, DISPID* id)
{
    std::wstring wide = name.ToWide();
    LPOLESTR names[] = {wide.data()};
    return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id);
}

} // namespace

COlePropertyPage::COlePropertyPage(UINT templateId, UINT captionId) : CDialog(templateId), m_captionId(captionId)
{
    OleModule::AddObject();
}

COlePropertyPage::~COlePropertyPage()
{
    StopWatchingFramePage();
    DestroyWindow();
    ReleaseObjects();
    ReleaseAndNull(m_site);
    OleModule::ReleaseObject();
}

// ---- IUnknown ----

STDMETHODIMP COlePropertyPage::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPage)) {
        *object = static_cast<IPropertyPage*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COlePropertyPage::AddRef()
{
    return ULONG(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) COlePropertyPage::Release()
{
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) {
        m_refs = 1; // guards against re-entry while tearing down
        delete this;
        return 0;
    }
    return ULONG(refs);
}

// ---- IPropertyPage ----

STDMETHODIMP COlePropertyPage::SetPageSite(IPropertyPageSite* site)
{
    if (site)
        site->AddRef();
    ReleaseAndNull(m_site);
    m_site = site;
    return S_OK;
}

STDMETHODIMP COlePropertyPage::Activate(HWND parent, LPCRECT rect, BOOL)
{
    return Guarded([&]() -> HRESULT {
        if (!rect)
            return E_POINTER;
        if (m_hWnd)
            return E_UNEXPECTED;
        m_bLoading = true;
        const bool made = Create(m_templateId, parent);
        m_bLoading = false;
        if (!made)
            return E_OUTOFMEMORY;
        MoveWindow(*rect, false);
        WatchFramePage(parent);
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::Deactivate()
{
    return Guarded([&]() -> HRESULT {
        if (!m_hWnd)
            return E_UNEXPECTED;
        StopWatchingFramePage();
        DestroyWindow();
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::GetPageInfo(PROPPAGEINFO* info)
{
    if (!info)
        return E_POINTER;
    return Guarded([&]() -> HRESULT {
        CString title;
        if (m_captionId)
            title.LoadString(m_captionId, OleModule::Instance());
        PROPPAGEINFO filled{};
        filled.cb = sizeof(filled);
        filled.size = TemplateSize(m_templateId);
        filled.dwHelpContext = m_helpContext;
        filled.pszTitle = TaskString(title);
        if (!m_docString.IsEmpty())
            filled.pszDocString = TaskString(m_docString);
        if (!m_helpFile.IsEmpty())
            filled.pszHelpFile = TaskString(m_helpFile);
        if (!filled.pszTitle || (!m_docString.IsEmpty() && !filled.pszDocString) ||
            (!m_helpFile.IsEmpty() && !filled.pszHelpFile)) {
            ::CoTaskMemFree(filled.pszTitle);
            ::CoTaskMemFree(filled.pszDocString);
            ::CoTaskMemFree(filled.pszHelpFile);
            return E_OUTOFMEMORY;
        }
        *info = filled;
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::SetObjects(ULONG count, IUnknown** objects)
{
    if (count && !objects)
        return E_POINTER;
    return Guarded([&]() -> HRESULT {
        std::vector<IDispatch*> taken;
        taken.reserve(count);
        HRESULT hr = S_OK;
        for (ULONG i = 0; i < count && SUCCEEDED(hr); ++i) {
            IDispatch* object = nullptr;
            hr = objects[i] ? objects[i]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object))
                            : E_POINTER;
            if (SUCCEEDED(hr))
                taken.push_back(object);
        }
        if (FAILED(hr)) {
            for (IDispatch* object : taken)
                object->Release();
            return hr;
        }
        ReleaseObjects();
        m_objects = std::move(taken);
        // An open page shows the new objects' values.
        if (m_hWnd) {
            m_bLoading = true;
            UpdateData(false);
            m_bLoading = false;
            SetModifiedFlag(false);
        }
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::Show(UINT command)
{
    if (!m_hWnd)
        return E_UNEXPECTED;
    ::ShowWindow(m_hWnd, int(command));
    return S_OK;
}

STDMETHODIMP COlePropertyPage::Move(LPCRECT rect)
{
    if (!rect)
        return E_POINTER;
    if (!m_hWnd)
        return E_UNEXPECTED;
    return Guarded([&]() -> HRESULT {
        MoveWindow(*rect);
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::IsPageDirty()
{
    return m_bDirty ? S_OK : S_FALSE;
}

STDMETHODIMP COlePropertyPage::Apply()
{
    return Guarded([&]() -> HRESULT {
        if (!m_bDirty || !m_hWnd)
            return S_OK;
        m_bWriteFailed = false;
        if (!UpdateData(true) || m_bWriteFailed)
            return E_FAIL;
        m_bDirty = false;
        return S_OK;
    });
}

STDMETHODIMP COlePropertyPage::Help(LPCOLESTR)
{
    return E_NOTIMPL; // the frame opens the help file of the page's information itself
}

STDMETHODIMP COlePropertyPage::TranslateAccelerator(MSG* msg)
{
    if (!msg)
        return E_POINTER;
    if (!m_hWnd)
        return S_FALSE;
    return Guarded([&]() -> HRESULT { return PreTranslateChain(msg, m_hWnd) ? S_OK : S_FALSE; });
}

// ---- the page ----

void COlePropertyPage::SetModifiedFlag(bool modified)
{
    const bool becomesDirty = modified && !m_bDirty;
    m_bDirty = modified;
    if (!becomesDirty)
        return;
    if (m_site)
        m_site->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
    if (m_framePage)
        ::SendMessageW(::GetParent(m_framePage), PSM_CHANGED, reinterpret_cast<WPARAM>(m_framePage), 0);
}

void COlePropertyPage::WatchFramePage(HWND parent)
{
    // A sheet page: a dialog whose parent is a dialog holding the sheet's tab control.
    HWND sheet = parent ? ::GetParent(parent) : nullptr;
    wchar_t className[16] = {};
    if (!sheet || !::GetClassNameW(sheet, className, 16) || wcscmp(className, L"#32770") != 0 ||
        !::FindWindowExW(sheet, nullptr, WC_TABCONTROLW, nullptr))
        return;
    if (::SetWindowSubclass(parent, &COlePropertyPage::FramePageProc, reinterpret_cast<UINT_PTR>(this),
                            reinterpret_cast<DWORD_PTR>(this)))
        m_framePage = parent;
}

void COlePropertyPage::StopWatchingFramePage()
{
    if (m_framePage)
        ::RemoveWindowSubclass(m_framePage, &COlePropertyPage::FramePageProc, reinterpret_cast<UINT_PTR>(this));
    m_framePage = nullptr;
}

LRESULT CALLBACK COlePropertyPage::FramePageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                                 DWORD_PTR data)
{
    auto* page = reinterpret_cast<COlePropertyPage*>(data);
    if (msg == WM_NOTIFY && lp && reinterpret_cast<const NMHDR*>(lp)->code == PSN_APPLY)
        page->Apply();
    else if (msg == WM_NCDESTROY)
        page->StopWatchingFramePage();
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}

void COlePropertyPage::SetHelpInfo(const char* docString, const char* helpFile, DWORD helpContext)
{
    m_docString = docString ? docString : "";
    m_helpFile = helpFile ? helpFile : "";
    m_helpContext = helpContext;
}

LRESULT COlePropertyPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && lp && !m_bLoading && IsChangeNotice(HIWORD(wp)) && IsBoundControl(LOWORD(wp)))
        SetModifiedFlag(true);
    return CDialog::WindowProc(msg, wp, lp);
}

bool COlePropertyPage::IsBoundControl(int id) const
{
    for (const Binding& binding : m_bindings)
        if (binding.controlId == id)
            return true;
    return false;
}

COlePropertyPage::Binding& COlePropertyPage::BindingOf(int controlId, const CString& property, int& member)
{
    for (Binding& binding : m_bindings)
        if (binding.property == property) {
            binding.controlId = controlId;
            binding.member = &member;
            return binding;
        }
    m_bindings.push_back(Binding{controlId, property, &member, member});
    return m_bindings.back();
}

bool COlePropertyPage::ReadProperty(const CString& property, int& value) const
{
    if (m_objects.empty())
        return false;
    IDispatch* object = m_objects.front();
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(DispatchIdOf(object, property, &id)))
        return false;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    ::VariantInit(&result);
    HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                                nullptr);
    if (SUCCEEDED(hr))
        hr = ::VariantChangeType(&result, &result, 0, VT_I4);
    if (SUCCEEDED(hr))
        value = int(result.lVal);
    ::VariantClear(&result);
    return SUCCEEDED(hr);
}

bool COlePropertyPage::WriteProperty(const CString& property, int value) const
{
    bool ok = true;
    for (IDispatch* object : m_objects) {
        DISPID id = DISPID_UNKNOWN;
        VARIANT argument;
        ::VariantInit(&argument);
        argument.vt = VT_I4;
        argument.lVal = value;
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&argument, &named, 1, 1};
        ok = SUCCEEDED(DispatchIdOf(object, property, &id)) &&
             SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                                      nullptr, nullptr)) &&
             ok;
    }
    return ok;
}

void COlePropertyPage::ReleaseObjects()
{
    std::vector<IDispatch*> held;
    held.swap(m_objects);
    for (IDispatch* object : held)
        object->Release();
}

// ---- property exchange ----

void DDP_Text(CDataExchange* dx, int id, int& member, const char* property)
{
    auto* page = dynamic_cast<COlePropertyPage*>(dx->m_pDlgWnd);
    if (!page || dx->Failed())
        return;
    COlePropertyPage::Binding& binding = page->BindingOf(id, property, member);
    if (dx->m_bSaveAndValidate)
        return; // written by DDP_PostProcessing, once the controls are read
    int value = 0;
    if (page->ReadProperty(binding.property, value))
        member = value;
    binding.read = member;
}

void DDP_PostProcessing(CDataExchange* dx)
{
    auto* page = dynamic_cast<COlePropertyPage*>(dx->m_pDlgWnd);
    if (!page || !dx->m_bSaveAndValidate || dx->Failed())
        return;
    for (COlePropertyPage::Binding& binding : page->m_bindings) {
        if (*binding.member == binding.read)
            continue;
        if (page->WriteProperty(binding.property, *binding.member))
            binding.read = *binding.member;
        else
            page->m_bWriteFailed = true;
    }
}

// ---- the class object ----

bool COlePropertyPageFactory::UpdateRegistry(bool registering)
{
    if (registering)
        return OleRegistry::RegisterPropertyPageClass(OleModule::Instance(), GetClassID(), m_nameId);
    return OleRegistry::UnregisterControlClass(GetClassID(), nullptr);
}
