#pragma once

// Moving and resizing a whole chart by a tracker handle, as the tracker and the grid's scrolling
// do: the rectangle change by handle code, the proportional re-layout of the parts and the pie
// layout that follow a resize.
//
// Handle codes: 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left, 4 top, 5 right, 6 bottom,
// 7 left, 8 move. dx and dy grow the rectangle on the dragged sides; for 8 they move it.

#include "chart/model/NorvakChart.h"
#include "sheet/model/NorvakPage.h"

// False, and the rectangle unchanged, for a code outside 0..8.
bool ChangeRectByHandle(CRect& rect, int handle, int dx, int dy);

// While the chart is bCreated, each shown part keeps its place in proportion to the chart's
// rectangle, which was oldChart; rounded half up. A chart that had no width (height) keeps the
// parts' distances from its edges.
void ScaleChartParts(CNorvakChart& chart, const CRect& oldChart);

// Moves (8) or resizes (0..7) the whole chart: rcChart and rcVisible change; a move takes every
// part and pie rectangle along and, with settleVisible, shows the whole chart again; a resize
// re-lays out the parts and the pies. False for a bad handle code.
bool MoveResizeChart(CNorvakChart& chart, int dx, int dy, int handle, bool settleVisible);

// The same for chart index of the page; with settleVisible the page's charts are then checked
// against the locked area. False for a bad index or handle code.
bool MoveResizePageChart(CNorvakPage& page, int index, int dx, int dy, int handle, bool settleVisible);

// Moves (8) or resizes (0..7) one part 1..6 of the chart. The pies of a pie or ring chart follow
// their plot area: moved along, or laid out again in the new one. False for a bad part or handle.
bool MoveResizeChartPart(CNorvakChart& chart, int part, int dx, int dy, int handle);
