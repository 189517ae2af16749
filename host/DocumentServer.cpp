#include "host/DocumentServer.h"

#include "framework/ComBoundary.h"
#include "framework/ComObject.h"
#include "host/ChildFrame.h"
#include "host/QuilmApp.h"
#include "host/ShellOpenServer.h"

#include <oleauto.h>

#include <string>
#include <vector>

// {8DA80C92-3E2D-4122-96C8-D65D94010596}
const CLSID CDocumentServer::kClassId = {0x8DA80C92, 0x3E2D, 0x4122, {0x96, 0xC8, 0xD6, 0x5D, 0x94, 0x01, 0x05, 0x96}};

namespace {

const wchar_t kProgId[] = L"CQuilm.Document";
const wchar_t kTypeName[] = L"CQuilm Document";

// A document as automation sees it: no members, and the program kept up while it is held. When
// a client lets go of it in a program that no user controls, its window closes, which releases
// the document's own hold on the program.
class DocumentDispatch final : public CDispatchWithoutTypes
{
public:
    explicit DocumentDispatch(HWND window) : m_window(window) { HostApp().LockApp(); }
    ~DocumentDispatch() override
    {
        if (!HostApp().UserControlsProgram() && dynamic_cast<CChildFrame*>(CWnd::FromHandlePermanent(m_window)))
            ::PostMessageW(m_window, WM_CLOSE, 0, 0);
        HostApp().UnlockApp();
    }

    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    HWND m_window;
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
        return ComBoundary([&] {
            CChildFrame* window = HostApp().NewDocumentWindow();
            if (!window)
                return E_OUTOFMEMORY;
            auto* document = new DocumentDispatch(window->m_hWnd);
            const HRESULT hr = document->QueryInterface(iid, object);
            document->Release();
            return hr;
        });
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

struct ClassEntry
{
    std::wstring key; // under Software\Classes
    std::wstring value;
};

// Wine merges no user classes into the classes root, so the machine's classes come first.
const HKEY kClassRoots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

bool SetClassValue(HKEY root, const ClassEntry& entry)
{
    HKEY handle = nullptr;
    const std::wstring full = L"Software\\Classes\\" + entry.key;
    if (::RegCreateKeyExW(root, full.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.value.c_str()),
                                         DWORD((entry.value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

// Every entry into each root; true when one root took them all.
bool WriteClassEntries(const std::vector<ClassEntry>& entries)
{
    bool written = false;
    for (HKEY root : kClassRoots) {
        bool all = true;
        for (const ClassEntry& entry : entries)
            all = SetClassValue(root, entry) && all;
        written = written || all;
    }
    return written;
}

void DeleteClassKey(const std::wstring& key)
{
    for (HKEY root : kClassRoots)
        ::RegDeleteTreeW(root, (L"Software\\Classes\\" + key).c_str());
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
    return WriteClassEntries({{clsid, kTypeName},
                              {clsid + L"\\ProgID", kProgId},
                              {clsid + L"\\LocalServer32", L"\"" + ProgramPath() + L"\""},
                              {kProgId, kTypeName},
                              {std::wstring(kProgId) + L"\\CLSID", ClassIdText()}});
}

void CDocumentServer::Unregister()
{
    DeleteClassKey(L"CLSID\\" + ClassIdText());
    DeleteClassKey(kProgId);
    // The file type only while it still names this program's documents.
    for (HKEY root : kClassRoots) {
        wchar_t type[64]{};
        DWORD size = sizeof(type);
        if (::RegGetValueW(root, L"Software\\Classes\\.nvk", nullptr, RRF_RT_REG_SZ, nullptr, type, &size) ==
                ERROR_SUCCESS &&
            std::wstring(type) == kProgId)
            ::RegDeleteTreeW(root, L"Software\\Classes\\.nvk");
    }
}

bool CDocumentServer::RegisterShellFileTypes()
{
    const std::wstring program = ProgramPath();
    const std::wstring open = std::wstring(kProgId) + L"\\shell\\open";
    // The shell asks the running program over DDE first; it starts one with the file otherwise.
    return WriteClassEntries({{L".nvk", kProgId},
                              {std::wstring(kProgId) + L"\\DefaultIcon", program + L",0"},
                              {open + L"\\command", L"\"" + program + L"\" \"%1\""},
                              {open + L"\\ddeexec", L"[open(\"%1\")]"},
                              {open + L"\\ddeexec\\application", CShellOpenServer::kApplication},
                              {open + L"\\ddeexec\\topic", CShellOpenServer::kTopic}});
}
