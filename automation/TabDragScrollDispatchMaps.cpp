#include "automation/ObjectDispatchMaps.h"

// The split box and the horizontal scroll bar have no automation: their interfaces are empty.

DispatchTable TabDragObjectDispatchMap()
{
    return {};
}

DispatchTable TabScrollObjectDispatchMap()
{
    return {};
}
