#pragma once

// Live GDI objects and windows of this process, for leak checks. GetGuiResources where the system
// counts; otherwise (Wine answers 0) the GDI handle table the system shares with the process and
// the windows of the calling thread.

#include <windows.h>

#include <functional>

DWORD GdiObjectCount();
DWORD UserObjectCount();

// Runs `run` twice (what stays loaded once made comes with the first runs and the first paints
// after them), then three times more, the posted messages pumped after each round; fails the test
// when the later runs leave GDI objects or windows behind.
void ExpectRepeatedRunsLeaveNothing(const std::function<void()>& run);
