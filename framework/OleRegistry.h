#pragma once

// Self-registration of a control module: its type library and its control classes under
// HKEY_CLASSES_ROOT, written through the wide registry API.

#include "framework/CString.h"

#include <objbase.h>

namespace OleRegistry {

// Registers the type library embedded as resource TYPELIB 1 of the module, checking that it is
// the library expected.
bool RegisterEmbeddedTypeLib(HINSTANCE module, REFGUID libId);
bool UnregisterRegisteredTypeLib(REFGUID libId, WORD major, WORD minor, LCID locale);

// Class flags, as the registration data of a control class states them.
enum ClassFlags : unsigned
{
    Insertable = 1,
    ApartmentThreading = 2,
};

struct ControlClass
{
    CLSID clsid;
    const char* progId;
    UINT typeNameId;  // string resource with the user type name
    UINT bitmapId;    // toolbox bitmap resource
    unsigned flags;   // ClassFlags
    DWORD miscStatus; // OLEMISC_*
    GUID libId;
    WORD major;
    WORD minor;
};

bool RegisterControlClass(HINSTANCE module, const ControlClass& control);
// Removes the class key and, when given, the ProgID key.
bool UnregisterControlClass(REFCLSID clsid, const char* progId);
// A property page's class: its name (string resource nameId; 0, no name), its server and its
// threading. Removed by UnregisterControlClass without a ProgID.
bool RegisterPropertyPageClass(HINSTANCE module, REFCLSID clsid, UINT nameId);

// "{XXXXXXXX-...}" of a GUID.
std::wstring GuidString(REFGUID guid);

// The type-library steps go through this seam, so a test can make them fail.
struct TypeLibSteps
{
    bool (*registerTypeLib)(HINSTANCE module, REFGUID libId);
    bool (*unregisterTypeLib)(REFGUID libId, WORD major, WORD minor, LCID locale);
};
// Installs replacement steps (null restores the real ones); returns the previous ones.
TypeLibSteps SetTypeLibSteps(const TypeLibSteps* steps);
bool RunRegisterTypeLib(HINSTANCE module, REFGUID libId);
bool RunUnregisterTypeLib(REFGUID libId, WORD major, WORD minor, LCID locale);

} // namespace OleRegistry
