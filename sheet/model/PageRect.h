#pragma once

// Rectangles of cells that come from outside, from an automation call or a file, against the cells
// of a page. Every walk over such a rectangle goes over its clamp to the page, so no corner however
// far off the page makes a walk longer than the page; the lines between two corners are counted in
// 64 bits (CCellRect::RowCount, LineCount), so no pair of corners overflows.

#include "sheet/model/NorvakPage.h"

namespace SheetModel {

// The part of the range that lies on the page's cells; an empty range when none does, or when the
// range is inverted.
CCellRect ClampToPage(const CNorvakPage& page, const CCellRect& range);

} // namespace SheetModel
