#pragma once

// The members of the control's dispatch interface _DNorvak, as the type library declares them
// (a test holds both tables to it) and each with the control's handler, and of its event
// interface _DNorvakEvents.

#include "framework/Dispatch.h"

DispatchTable NorvakDispatchMap();

// _DNorvakEvents, for firing: the DISPIDs and the parameter types of each event.
enum NorvakEventId : DISPID
{
    kEventShellOnCreate = 1,
    kEventShellDoInsertingPage = 2, // (long active page, BSTR its title)
    kEventShellDoInsertedPage = 3,  // (long new page, BSTR its title)
    kEventShellOnRowsChanged = 4,   // (long page, long old rows, long new rows)
    kEventShellOnColumnsChanged = 5 // (long page, long old columns, long new columns)
};

DispatchTable NorvakEventMap();
