#pragma once

// The scroll arithmetic of a page shown in a client area: the ranges of its two scroll bars, the
// position a scroll-bar action leads to, and the first visible body cell. Positions are pixels of
// the scrolling band, which starts after the fixed and the locked rows (columns).

#include "framework/Geometry.h"
#include "sheet/model/NorvakPage.h"

#include <optional>

// A page whose rows leave at least this many pixels of the client area free needs no vertical
// scrolling; it is also the bars' page while no page is shown.
constexpr int kScrollPage = 20;

namespace SheetModel {

// The page's horizontal and vertical ranges for a client area; barWidth is the width of a vertical
// scroll bar. The positions stay: see PositionsInRange.
void SetScrollRanges(CNorvakPage& page, int clientWidth, int clientHeight, int barWidth);

// The page's scroll positions brought inside its ranges: a position past a shrunken range would
// show nothing.
CPoint PositionsInRange(const CNorvakPage& page);

// How far the cells of the scrolling band move back on screen when the scroll position along one
// direction goes from `from` to `to` (negative: they move forward).
int ScrolledDistance(const CNorvakPage& page, bool horizontal, int from, int to);

// A scroll bar's page: the pixels of the scrolling band shown, from its start to bodyEnd (the client
// coordinate where the cells stop being visible); at least 1.
int PageSize(const CNorvakPage& page, bool horizontal, int bodyEnd);

// The position a scroll-bar action (SB_LINEUP .. SB_BOTTOM) leads to, from the band's first shown
// line; none for an action that changes nothing. pageSize and trackPos are the bar's page and the
// position of its dragged thumb. A page down starts the view at the line the page cut off (or the
// one after the page); a page up ends it there; both start at a line, so no line is skipped.
std::optional<int> ScrollPosition(const CNorvakPage& page, bool horizontal, int action, int pageSize,
                                  int trackPos);

// The first visible body cell for positions of the control window's own scroll bars.
CCellCoord FirstVisibleCell(const CNorvakPage& page, int horzPos, int vertPos);

} // namespace SheetModel
