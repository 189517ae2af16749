#pragma once

// Live GDI objects and windows of this process, for leak checks. GetGuiResources where the system
// counts; otherwise (Wine answers 0) the GDI handle table the system shares with the process and
// the windows of the calling thread.

#include <windows.h>

DWORD GdiObjectCount();
DWORD UserObjectCount();
