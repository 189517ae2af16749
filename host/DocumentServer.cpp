#include "host/DocumentServer.h"

#include "framework/ComObject.h"
#include "host/QuilmApp.h"

#include <oleauto.h>

#include <string>

// {8DA80C92-3E2D-4122-96C8-D65D94010596}
const CLSID CDocumentServer::kClassId = {0x8DA80C92, 0x3E2D, 0x4122, {0x96, 0xC8, 0xD6, 0x5D, 0x94, 0x01, 0x05, 0x96}};

namespace {

const wchar_t kProgId[] = L"CQuilm.Document";
const wchar_t kTypeName[] = L"CQuilm Document";

// A document as automation sees it: no members, and the program kept up while it is held.
class DocumentDispatch final : public CDispatchWithoutTypes
{
public:
    DocumentDispatch() { HostApp().LockApp(); }
    ~DocumentDispatch() override { HostApp().UnlockApp(); }

    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }
};

class DocumentFactory final : public CComObject<IClassFactory, &IID_IClassFactory>
{
public:
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        if (!HostApp().NewDocumentWindow())
            return E_OUTOFMEMORY;
        auto* document = new DocumentDispatch;
        const HRESULT hr = document->QueryInterface(iid, object);
        document->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        if (lock)
            HostApp().LockApp();
        else
            HostApp().UnlockApp();
        return S_OK;
    }
};

std::wstring ClassIdText()
{
    wchar_t text[64]{};
    ::StringFromGUID2(CDocumentServer::kClassId, text, 64);
    return text;
}

std::wstring ProgramPath()
{
    wchar_t path[MAX_PATH]{};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

bool SetKey(const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    HKEY handle = nullptr;
    const std::wstring full = L"Software\\Classes\\" + key;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, full.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                         DWORD((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

} // namespace

bool CDocumentServer::RegisterAll()
{
    if (m_factory)
        return true;
    m_factory = new DocumentFactory;
    if (FAILED(::CoRegisterClassObject(kClassId, m_factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &m_cookie))) {
        m_factory->Release();
        m_factory = nullptr;
        return false;
    }
    return true;
}

void CDocumentServer::Revoke()
{
    if (m_cookie)
        ::CoRevokeClassObject(m_cookie);
    m_cookie = 0;
    if (m_factory)
        m_factory->Release();
    m_factory = nullptr;
}

bool CDocumentServer::UpdateRegistry()
{
    const std::wstring clsid = L"CLSID\\" + ClassIdText();
    return SetKey(clsid, nullptr, kTypeName) && SetKey(clsid + L"\\ProgID", nullptr, kProgId) &&
           SetKey(clsid + L"\\LocalServer32", nullptr, L"\"" + ProgramPath() + L"\"") &&
           SetKey(kProgId, nullptr, kTypeName) && SetKey(std::wstring(kProgId) + L"\\CLSID", nullptr, ClassIdText());
}

bool CDocumentServer::RegisterShellFileTypes()
{
    const std::wstring program = ProgramPath();
    return SetKey(L".nvk", nullptr, kProgId) &&
           SetKey(std::wstring(kProgId) + L"\\DefaultIcon", nullptr, program + L",0") &&
           SetKey(std::wstring(kProgId) + L"\\shell\\open\\command", nullptr, L"\"" + program + L"\" \"%1\"");
}
