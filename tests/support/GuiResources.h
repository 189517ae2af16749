#pragma once

// Live GDI objects and windows of this process, for leak checks. GetGuiResources where the system
// counts; otherwise (Wine answers 0) the GDI handle table the system shares with the process and
// the windows of the calling thread.

#include <windows.h>

#include <functional>

DWORD GdiObjectCount();
DWORD UserObjectCount();

// Runs the work twice (what stays loaded once made comes with the first runs and the paints after
// them), then three times more, pumping the thread's messages after each: the GDI objects and
// windows after the three runs must be those after the first two.
void ExpectNoGuiObjectsLeftBy(const std::function<void()>& work);
