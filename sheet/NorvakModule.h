#pragma once

// The module object of the control library and its registration constants.

#include "framework/OleModule.h"

#include <objbase.h>

class CNorvakCtrl;
class ISheetFactory;

class CNorvakApp : public COleControlModule
{
public:
    bool InitInstance() override;
    int ExitInstance() override;

    // The control whose window was created most recently; cleared when that control goes away.
    CNorvakCtrl* m_pCurrentControl = nullptr;
    // Where the print frame keeps the main window it replaced.
    HWND m_hSavedMainWindow = nullptr;
    // Opens the context menu's property sheets; none: their commands show nothing.
    ISheetFactory* m_pSheetFactory = nullptr;
    // The colours the pattern page last ended with OK on.
    COLORREF m_crLastPatternFore = RGB(0, 0, 0);
    COLORREF m_crLastPatternBack = RGB(255, 255, 255);
};

CNorvakApp& NorvakApp();

namespace NorvakRegistration {

extern const GUID kTypeLibID;
extern const CLSID kControlClassID;
extern const CLSID kPropPageID;
extern const CLSID kPageSetupPageID;
constexpr WORD kVersionMajor = 1;
constexpr WORD kVersionMinor = 0;
constexpr char kProgID[] = "NORVAK.NorvakCtrl.1";
constexpr DWORD kMiscStatus = 0x20191;

HRESULT RegisterServer();
HRESULT UnregisterServer();

} // namespace NorvakRegistration
