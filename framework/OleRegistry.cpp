#include "framework/OleRegistry.h"
#include "framework/OleModule.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>

namespace OleRegistry {

namespace {

TypeLibSteps g_steps{&RegisterEmbeddedTypeLib, &UnregisterRegisteredTypeLib};

bool SetKeyValue(const std::wstring& path, const wchar_t* name, const std::wstring& value)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return false;
    LONG status = ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   DWORD((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool DeleteTree(const std::wstring& path)
{
    LONG status = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
        ::RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::wstring VersionString(WORD major, WORD minor)
{
    return std::to_wstring(major) + L"." + std::to_wstring(minor);
}

} // namespace

std::wstring GuidString(REFGUID guid)
{
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    return text;
}

bool RegisterEmbeddedTypeLib(HINSTANCE module, REFGUID libId)
{
    wchar_t path[MAX_PATH] = {};
    if (!::GetModuleFileNameW(module, path, MAX_PATH))
        return false;
    ITypeLib* library = nullptr;
    if (FAILED(::LoadTypeLibEx(path, REGKIND_NONE, &library)) || !library)
        return false;
    TLIBATTR* attributes = nullptr;
    bool matches = SUCCEEDED(library->GetLibAttr(&attributes)) && IsEqualGUID(attributes->guid, libId);
    if (attributes)
        library->ReleaseTLibAttr(attributes);
    bool ok = matches && SUCCEEDED(::RegisterTypeLib(library, path, nullptr));
    library->Release();
    return ok;
}

bool UnregisterRegisteredTypeLib(REFGUID libId, WORD major, WORD minor, LCID locale)
{
    // Unregistering what was never registered is a failure, as the caller must learn.
    ITypeLib* library = nullptr;
    if (FAILED(::LoadRegTypeLib(libId, major, minor, locale, &library)))
        return false;
    library->Release();
    SYSKIND kind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
    return SUCCEEDED(::UnRegisterTypeLib(libId, major, minor, locale, kind));
}

bool RegisterControlClass(HINSTANCE module, const ControlClass& control)
{
    CString typeName;
    if (!typeName.LoadString(control.typeNameId, module))
        return false;
    const std::wstring name = typeName.ToWide();
    const std::wstring progId = CString(control.progId).ToWide();
    const std::wstring clsidKey = L"CLSID\\" + GuidString(control.clsid);
    wchar_t path[MAX_PATH] = {};
    if (!::GetModuleFileNameW(module, path, MAX_PATH))
        return false;
    const std::wstring version = VersionString(control.major, control.minor);

    bool ok = SetKeyValue(clsidKey, nullptr, name) &&
              SetKeyValue(clsidKey + L"\\InprocServer32", nullptr, path) &&
              SetKeyValue(clsidKey + L"\\ProgID", nullptr, progId) &&
              SetKeyValue(clsidKey + L"\\Control", nullptr, L"") &&
              SetKeyValue(clsidKey + L"\\MiscStatus", nullptr, L"0") &&
              SetKeyValue(clsidKey + L"\\MiscStatus\\1", nullptr, std::to_wstring(control.miscStatus)) &&
              SetKeyValue(clsidKey + L"\\ToolboxBitmap32", nullptr,
                          std::wstring(path) + L", " + std::to_wstring(control.bitmapId)) &&
              SetKeyValue(clsidKey + L"\\TypeLib", nullptr, GuidString(control.libId)) &&
              SetKeyValue(clsidKey + L"\\Version", nullptr, version) && SetKeyValue(progId, nullptr, name) &&
              SetKeyValue(progId + L"\\CLSID", nullptr, GuidString(control.clsid));
    if (ok && (control.flags & ApartmentThreading))
        ok = SetKeyValue(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    if (ok && (control.flags & Insertable))
        ok = SetKeyValue(clsidKey + L"\\Insertable", nullptr, L"") &&
             SetKeyValue(progId + L"\\Insertable", nullptr, L"");
    return ok;
}

bool RegisterPropertyPageClass(HINSTANCE module, REFCLSID clsid, UINT nameId)
{
    CString name;
    if (nameId && !name.LoadString(nameId, module))
        return false;
    wchar_t path[MAX_PATH] = {};
    if (!::GetModuleFileNameW(module, path, MAX_PATH))
        return false;
    const std::wstring clsidKey = L"CLSID\\" + GuidString(clsid);
    return (!nameId || SetKeyValue(clsidKey, nullptr, name.ToWide())) &&
           SetKeyValue(clsidKey + L"\\InprocServer32", nullptr, path) &&
           SetKeyValue(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
}

bool UnregisterControlClass(REFCLSID clsid, const char* progId)
{
    bool ok = DeleteTree(L"CLSID\\" + GuidString(clsid));
    if (progId && *progId)
        ok = DeleteTree(CString(progId).ToWide()) && ok;
    return ok;
}

TypeLibSteps SetTypeLibSteps(const TypeLibSteps* steps)
{
    TypeLibSteps previous = g_steps;
    g_steps = steps ? *steps : TypeLibSteps{&RegisterEmbeddedTypeLib, &UnregisterRegisteredTypeLib};
    return previous;
}

bool RunRegisterTypeLib(HINSTANCE module, REFGUID libId)
{
    return g_steps.registerTypeLib(module, libId);
}

bool RunUnregisterTypeLib(REFGUID libId, WORD major, WORD minor, LCID locale)
{
    return g_steps.unregisterTypeLib(libId, major, minor, locale);
}

} // namespace OleRegistry
