#pragma once

// What exists once per COM server module: its instance handle, the count of live objects, locks
// and windows behind DllCanUnloadNow, the module object with its start-up and shut-down, and (from
// ModalUI.h) the seam through which every modal piece of user interface passes.

#include "framework/CString.h"
#include "framework/ModalUI.h"

#include <windows.h>

class COleControlModule
{
public:
    COleControlModule();
    virtual ~COleControlModule();
    COleControlModule(const COleControlModule&) = delete;
    COleControlModule& operator=(const COleControlModule&) = delete;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }

    // The one module object of this image, or none.
    static COleControlModule* Current();
};

namespace OleModule {

// The image (DLL or program) this code is linked into.
HINSTANCE Instance();
// Full path of that image.
CString ModulePath();
std::wstring ModulePathW();

// Live COM objects and IClassFactory::LockServer locks.
void AddObject();
void ReleaseObject();
void Lock();
void Unlock();
LONG ActiveCount();
// Windows that a program made from a class of this image: their procedure is here.
void AddWindow();
void ReleaseWindow();
LONG WindowCount();
// S_OK when no object, lock or such window is left.
HRESULT CanUnloadNow();

} // namespace OleModule
