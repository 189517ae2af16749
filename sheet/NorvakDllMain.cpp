// Entry point of the control library: the module object starts and stops with it.

#include "sheet/NorvakModule.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        return NorvakApp().InitInstance() ? TRUE : FALSE;
    if (reason == DLL_PROCESS_DETACH)
        NorvakApp().ExitInstance();
    return TRUE;
}
