#pragma once

// The selected cells and the focus cell of a page. The page's selected-cell map is the selection:
// the cells show it through GetItemState and keep no mark of it, so a selection of any size costs
// the same on a page full of cells as on an empty one. The focus mark moves between the cells; a
// selection made by dragging over cells grows to whole merges.

#include "sheet/model/CellRepaint.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

// Mouse modes (the page's m_nMouseMode) that choose what OnSelecting selects.
enum CSelectMode : int
{
    kSelectAll = 1,
    kSelectColumns = 2,
    kSelectRows = 3,
    kSelectCells = 4,
};

namespace SheetModel {

// The range lies whole on the page and holds a cell: it is its own clamp to the page (PageRect.h).
BOOL IsValidCellRange(const CNorvakPage& page, const CCellRect& range);

// Moves the focus mark; returns the previous focus cell. A cell outside the grid leaves no focus.
CCellCoord SetFocusCell(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, ICellRepaint& repaint);
// Selects exactly the range (none for an invalid one) plus the cells kept from before a drag. Only
// the page's map changes: the cells are not visited.
void SetSelectedRange(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& range,
                      ICellRepaint& repaint);
void SelectAllCells(CNorvakPage& page, CNorvakPageCells& cells, ICellRepaint& repaint);
void SelectColumns(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint);
void SelectRows(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint);
void SelectCells(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint);
// By the page's mouse mode.
void OnSelecting(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint);
void ClearSelectionAndFocus(CNorvakPage& page, CNorvakPageCells& cells, ICellRepaint& repaint);
// Clears the selection without repainting and forgets the kept cells.
void ResetSelectionMaps(CNorvakPage& page, CNorvakPageCells& cells);
// Puts the focus on the cell without repaint, moving the focus bit from the cell that had it.
void MoveFocusMark(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell);
// (rows, columns, -1, -1) when nothing is selected.
CCellRect GetSelectedCellRange(const CNorvakPage& page);

} // namespace SheetModel
