#pragma once

// The scroll arithmetic of a page shown in a client area: the ranges of its two scroll bars, the
// position a scroll-bar action leads to, and the first visible body cell. Positions are pixels of
// the scrolling band, which starts after the fixed and the locked rows (columns).

#include "sheet/model/NorvakPage.h"

#include <optional>

// A scroll bar's page, in pixels; a page whose rows leave at least this much of the client area
// free needs no vertical scrolling.
constexpr int kScrollPage = 20;

namespace SheetModel {

// The page's horizontal and vertical ranges for a client area, and positions past a shrunken
// range brought back inside it. barWidth is the width of a vertical scroll bar.
void SetScrollRanges(CNorvakPage& page, int clientWidth, int clientHeight, int barWidth);

// The position a scroll-bar action (SB_LINEUP .. SB_BOTTOM) leads to, from the band's first shown
// line; none for an action that changes nothing. pageSize and trackPos are the bar's page and the
// position of its dragged thumb.
std::optional<int> ScrollPosition(const CNorvakPage& page, bool horizontal, int action, int pageSize,
                                  int trackPos);

// The first visible body cell for positions of the control window's own scroll bars.
CCellCoord FirstVisibleCell(const CNorvakPage& page, int horzPos, int vertPos);

} // namespace SheetModel
