#pragma once

// Sorting the body rows of a page by one column, as text (byte order of the code page 936 text)
// or as numbers (a text that is no number counts as 0), and the clicks on header cells that sort
// or select.
//
// A row moves whole: its cells (but those of the sort-excluded columns) and its height. Rows that
// a merge covers are never sorted, since merge records keep their row numbers.

#include "sheet/model/CellProperties.h"
#include "sheet/model/CellRepaint.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

namespace SheetModel {

// Rows low .. high (high -1: the last row). FALSE for a column outside the grid, low >= high, a
// row range outside the grid or crossed by a merge, or a page that may not be modified. The
// selection and the focus are cleared first, as they name cells by position.
BOOL SortCells(CNorvakPage& page, CNorvakPageCells& cells, int col, BOOL ascending, int low, int high,
               const CellTextGetter& getText, ICellRepaint& repaint);
// All body rows.
BOOL SortTextItems(CNorvakPage& page, CNorvakPageCells& cells, int col, BOOL ascending,
                   const CellTextGetter& getText, ICellRepaint& repaint);

// A click on a cell of a fixed row: selects all or columns while the page is not sorting, else
// sorts by the clicked column (again on the same column flips the direction).
void OnFixedRowClick(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell,
                     const CellTextGetter& getText, ICellRepaint& repaint);
// A click on a cell of a fixed column: selects all or rows.
void OnFixedColumnClick(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint);

} // namespace SheetModel
