#include "sheet/ControlObjects.h"

namespace {

ControlObjectsFactory g_factory = nullptr;

} // namespace

void SetControlObjectsFactory(ControlObjectsFactory factory)
{
    g_factory = factory;
}

std::unique_ptr<CControlObjects> MakeControlObjects(CNorvakCtrl& control)
{
    return g_factory ? g_factory(control) : nullptr;
}
