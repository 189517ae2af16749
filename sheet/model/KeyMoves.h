#pragma once

// Where the arrow, Tab and Enter keys take the focus cell of a page, merges taken into account.
// The paging keys (PageUp, PageDown, Home, End) depend on the scrolled view and are the control's.
//
// The focus never leaves the body of the grid: a move that would pass the last row, the last
// column or enter a fixed row stays or wraps as the table below says.

#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

struct CKeyMove
{
    CCellCoord to;
    bool rowWrap = false; // Tab or Shift+Tab went on to the next or the previous row
};

namespace SheetModel {

// The keys of the key table that move the focus cell: Tab, Enter, the arrows and the paging keys.
bool IsMoveKey(UINT key);

// key: VK_TAB, VK_RETURN, VK_UP, VK_DOWN, VK_LEFT or VK_RIGHT; shift matters for Tab only. Any other
// key, or a move that is refused, leaves the cell where it is.
CKeyMove MoveByKey(const CNorvakPage& page, const CNorvakPageCells& cells, CCellCoord from, UINT key,
                   bool shift);

} // namespace SheetModel
