#pragma once

// Where the keyboard moves the focus cell of the standalone grid. A merged area is one stop: it is
// entered at its first cell and left past its last row or column. Columns of width 0 are passed
// over. The fixed rows and columns are never entered.

#include "gridwnd/GridCellStore.h"

enum class CGridKeyWrap
{
    None,
    NextRow,    // Tab went on to the next row
    PreviousRow // Shift+Tab went back to the previous row
};

struct CGridKeyMove
{
    CCellCoord next;
    bool bMoved = false;
    CGridKeyWrap wrap = CGridKeyWrap::None;
};

// Tab (Shift+Tab with shift), Enter, and the four arrow keys; no move for any other key.
CGridKeyMove MoveFocusByKey(const CGridCellStore& store, CCellCoord focus, UINT key, bool shift);

// The focus row after PageUp, PageDown, Home or End scrolled the top visible row from topBefore
// to topAfter; -1 for any other key.
int PageFocusRow(const CGridCellStore& store, int focusRow, UINT key, int topBefore, int topAfter);
