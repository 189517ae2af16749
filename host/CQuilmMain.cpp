// The entry point of CQuilm.exe.

#include "framework/ComBoundary.h"
#include "host/QuilmApp.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    // A start that runs out of memory ends the program with a code, not with a crash.
    return AtBoundary(1, [commandLine] {
        CCQuilmApp app;
        if (!app.InitInstance(commandLine ? commandLine : L""))
            return 0;
        const int code = app.Run();
        app.ExitInstance();
        return code;
    });
}
