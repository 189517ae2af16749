#include "tabs/model/TabIconSlots.h"

namespace TabIconSlots {

std::optional<std::vector<CStep>> Plan(COperation operation, CIconKind kind, int count)
{
    if (count < 0)
        count = 0;
    if (count > kind)
        return std::vector<CStep>{{false, kind, kind}};
    // An update may add only the slot itself, right after the ones there are; the cool icon is the
    // exception, which an empty list takes either way.
    if (operation == kUpdate && kind != kCool && count < kind)
        return std::nullopt;
    std::vector<CStep> steps;
    for (int slot = count; slot <= kind; ++slot)
        steps.push_back({true, slot, CIconKind(slot)});
    return steps;
}

} // namespace TabIconSlots
