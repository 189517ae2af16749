#pragma once

// Where a dragged split box may go: between the arrows (or the control's left edge when the arrow
// bar is hidden) and 56 pixels from the control's right edge. A pointer past a limit puts the box
// at the limit, so a quick drag does not stop short of it.

#include <optional>

namespace SplitDrag {

constexpr int kRightMargin = 56;

// The box's new left edge for a pointer at x; none when the control is too narrow for any.
// arrowsRight: the arrows' right edge while the arrow bar shows, else 0.
std::optional<int> Clamp(int x, int arrowsRight, int clientRight);

} // namespace SplitDrag
