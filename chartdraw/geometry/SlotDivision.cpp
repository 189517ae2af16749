#include "chartdraw/geometry/SlotDivision.h"

#include <cstddef>

std::vector<int> SplitEvenly(int length, int count)
{
    if (count <= 0)
        return {};
    const int width = length / count, rest = length % count;
    std::vector<int> widths(size_t(count), width);
    for (int i = 0; i < rest; ++i)
        ++widths[size_t(i)];
    return widths;
}

CSlotDivision DivideIntoSlots(int length, int count, int firstGap)
{
    CSlotDivision out;
    if (count <= 0)
        return out;
    // In 64 bits: count times the gap may pass the int range for absurd counts.
    auto room = [&](int gap) { return (long long)length - (long long)count * gap; };
    int gap = firstGap;
    while (room(gap) / count < firstGap && gap > 0)
        --gap;
    if (room(gap) / count < 0)
        return out;
    out.fits = true;
    out.gap = gap;
    out.widths = SplitEvenly(int(room(gap)), count);
    return out;
}
