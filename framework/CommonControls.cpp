#include "framework/CommonControls.h"

#include <windows.h>

#include <commctrl.h>

void EnsureCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}
