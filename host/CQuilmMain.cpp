// The entry point of CQuilm.exe.

#include "host/QuilmApp.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    CCQuilmApp app;
    if (!app.InitInstance(commandLine ? commandLine : L""))
        return 0;
    const int code = app.Run();
    app.ExitInstance();
    return code;
}
