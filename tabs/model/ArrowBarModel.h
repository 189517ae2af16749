#pragma once

// The arrow bar's arithmetic, with no window: which arrow a point is over, the page an arrow goes
// to, how the current arrow is numbered in each mode, and where the status area starts.

namespace ArrowBarModel {

constexpr int kArrowWidth = 17;
constexpr int kArrowHeight = 20;

// Arrow kinds. With two arrows the bar shows previous and next.
enum CArrowKind : int
{
    kFirst = 0,
    kPrevious = 1,
    kNext = 2,
    kLast = 3,
};

int ArrowCount(bool twoArrows);
// The width of the arrow cells: 34 or 68.
int ArrowsWidth(bool twoArrows);
// The column of arrow cells a client x falls in (the height is not tested); it may lie past the
// arrows.
int ArrowIndexAt(int x);
// The kind of the arrow at an index, -1 past the arrows.
int KindAt(int index, bool twoArrows);
// The page an arrow goes to; it may lie outside the pages, which the activation ignores.
int TargetPage(int kind, int active, int count);
// Whether the arrow can act: first and previous not on the first page, next and last not on the
// last.
bool CanAct(int kind, int active, int count);
// The current arrow after a press or over the pointer at an index: the index itself in 3-D mode,
// the kind in flat mode.
int CurrentArrow(int index, bool twoArrows, bool flat);
// The kind of the current arrow as a cell draws it.
int KindOfCurrent(int current, bool twoArrows, bool flat);
// The status area's left edge: the text's width and 28 left of the right edge, never left of the
// arrows.
int StatusAreaLeft(int right, int textWidth, bool showStatus, bool twoArrows);

} // namespace ArrowBarModel
