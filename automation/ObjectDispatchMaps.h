#pragma once

// The members of the automation objects' dispinterfaces, as the type library declares them (a test
// holds each table to it). One table per object, each in the file named after it.

#include "framework/Dispatch.h"

DispatchTable FontObjectDispatchMap();      // INorvakFontObject
DispatchTable GridObjectDispatchMap();      // INorvakGridObject
DispatchTable GridRangeObjectDispatchMap(); // INorvakGridRangeObject
DispatchTable TabTitleObjectDispatchMap();  // INorvakTabTitleObject
DispatchTable TabArrowObjectDispatchMap();  // INorvakTabArrowObject
DispatchTable TabDragObjectDispatchMap();   // INorvakTabDragObject: no members
DispatchTable TabScrollObjectDispatchMap(); // INorvakTabScrollObject: no members
