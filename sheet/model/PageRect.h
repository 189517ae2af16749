#pragma once

// Rectangles of cells that come from outside, from an automation call or a file, against the cells
// of a page. Every walk over such a rectangle goes over its clamp to the page, so no corner however
// far off the page makes a walk longer than the page; and the rows or columns between two corners
// are counted in 64 bits, so no pair of corners overflows.

#include "sheet/model/NorvakPage.h"

#include <cstdint>

namespace SheetModel {

// The lines from first to last, both included; 0 when last lies before first.
constexpr int64_t LineCount(int first, int last)
{
    return last < first ? 0 : int64_t(last) - first + 1;
}

// No cell: inverted in either direction.
constexpr bool IsEmptyRange(const CCellRect& range)
{
    return range.maxRow < range.minRow || range.maxCol < range.minCol;
}

// The part of the range that lies on the page's cells; an empty range when none does, or when the
// range is inverted.
CCellRect ClampToPage(const CNorvakPage& page, const CCellRect& range);

} // namespace SheetModel
