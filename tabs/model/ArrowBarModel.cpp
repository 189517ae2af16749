#include "tabs/model/ArrowBarModel.h"

#include <algorithm>

namespace ArrowBarModel {

int ArrowCount(bool twoArrows)
{
    return twoArrows ? 2 : 4;
}

int ArrowsWidth(bool twoArrows)
{
    return ArrowCount(twoArrows) * kArrowWidth;
}

int ArrowIndexAt(int x)
{
    return (x - 1) / kArrowWidth; // truncates toward zero: x = 0 is still the first arrow
}

int KindAt(int index, bool twoArrows)
{
    if (index < 0 || index >= ArrowCount(twoArrows))
        return -1;
    return twoArrows ? index + 1 : index;
}

int TargetPage(int kind, int active, int count)
{
    switch (kind) {
    case kFirst:
        return 0;
    case kPrevious:
        return active - 1;
    case kNext:
        return active + 1;
    case kLast:
        return count - 1;
    default:
        return -1;
    }
}

bool CanAct(int kind, int active, int count)
{
    const bool atFirst = active == 0;
    const bool atLast = active + 1 == count;
    return kind == kFirst || kind == kPrevious ? !atFirst : !atLast;
}

int CurrentArrow(int index, bool twoArrows, bool flat)
{
    return flat && twoArrows ? index + 1 : index;
}

int KindOfCurrent(int current, bool twoArrows, bool flat)
{
    if (current < 0)
        return -1;
    return twoArrows && !flat ? current + 1 : current;
}

int StatusAreaLeft(int right, int textWidth, bool showStatus, bool twoArrows)
{
    const int left = showStatus ? right - textWidth - 28 : right;
    return std::max(left, ArrowsWidth(twoArrows));
}

} // namespace ArrowBarModel
