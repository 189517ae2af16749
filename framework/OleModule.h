#pragma once

// What exists once per COM server module: its instance handle, the count of live objects and
// locks behind DllCanUnloadNow, the module object with its start-up and shut-down, and the seam
// through which every modal piece of user interface passes.

#include "framework/CString.h"

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
HRESULT CanUnloadNow();

} // namespace OleModule

// Modal user interface goes through these, so a program driving the control (a test, an
// unattended run) can answer instead of a person.
struct ModalRequest
{
    enum Kind
    {
        Dialog,
        MessageBox
    };
    Kind kind;
    UINT resourceId;     // dialog template id (Dialog)
    const wchar_t* text; // message text (MessageBox)
    const wchar_t* caption;
    UINT type; // MB_* flags (MessageBox)
};
// Returns the answer (the dialog's end code or the message box's button id); a hook answers every
// request while it is installed.
using ModalHook = INT_PTR(CALLBACK*)(const ModalRequest* request);

namespace ModalUI {

void SetHook(ModalHook hook);
ModalHook Hook();
INT_PTR ShowDialog(HINSTANCE module, UINT dialogId, HWND owner, DLGPROC proc, LPARAM param);
int ShowMessage(HWND owner, const CString& text, const CString& caption, UINT type);

} // namespace ModalUI
