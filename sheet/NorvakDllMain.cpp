// Entry point of the control library: the module object starts and stops with it.

#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakModule.h"
#include "sheet/SheetFactory.h"

#include "automation/ControlObjects.h"
#include "chartdraw/WholeChartPainter.h"

#include "framework/Wnd.h"
#include "gridwnd/GridCtrl.h"

namespace {

// The grids draw the overlay that the control made last is set to draw.
int CurrentControlOverlayMode()
{
    const CNorvakCtrl* control = NorvakApp().m_pCurrentControl;
    return control ? int(control->m_nTargetMode) : 0;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        // The grid window ships with the control: programs create it by its class name, and its
        // charts are drawn as the control draws those of its pages.
        CGridCtrl::RegisterWindowClass();
        CGridCtrl::SetChartDrawer(&DrawChartWithModuleTables);
        CGridCtrl::SetOverlayModeSource(&CurrentControlOverlayMode);
        InstallControlObjects();
        NorvakApp().m_pSheetFactory = &RealSheetFactory();
        return NorvakApp().InitInstance() ? TRUE : FALSE;
    }
    if (reason == DLL_PROCESS_DETACH) {
        NorvakApp().ExitInstance();
        // Unloaded while the process goes on (not at its exit): our classes must not outlive us.
        if (!reserved) {
            CWnd::UnregisterWindowClasses();
            CGridCtrl::UnregisterWindowClass();
        }
    }
    return TRUE;
}
