#include "tabs/model/SplitDrag.h"

#include <algorithm>

namespace SplitDrag {

std::optional<int> Clamp(int x, int arrowsRight, int clientRight)
{
    // The box stays right of the arrows (strictly) and no nearer the right edge than the margin.
    const int lowest = arrowsRight + 1;
    const int highest = clientRight - kRightMargin;
    if (lowest > highest)
        return std::nullopt;
    return std::clamp(x, lowest, highest);
}

} // namespace SplitDrag
