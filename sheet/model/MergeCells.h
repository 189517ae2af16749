#pragma once

// Merged cells: the page's body and header merge lists and the cells they mark. The origin keeps
// its spans; every covered cell names its origin. A page never holds two records over one cell.

#include "sheet/model/CellGeometry.h"
#include "sheet/model/CellRepaint.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

namespace SheetModel {

// A body merge of rows row .. row + |rowSpan| and columns col .. col + |colSpan|; merges it
// overlaps are taken apart first. FALSE (nothing changed) for a range outside the grid, an origin
// in the fixed rows or columns, or a single cell. Combining an existing merge again leaves one
// record for it, with the new edit lock.
BOOL CombineCells(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, int rowSpan, int colSpan,
                  BOOL skipDuplicate, int editLock, CCellGeometry& geometry, ICellRepaint& repaint);
// A merge in the fixed rows or columns; FALSE when any of its cells is merged already.
BOOL CombineHeaderCells(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, int rowSpan,
                        int colSpan, ICellRepaint& repaint);
// Takes apart the merge whose origin is the cell; every cell keeps its text. FALSE when the cell is
// no merge origin.
BOOL UnCombineCells(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, ICellRepaint& repaint);

// Combines the cell range as the automation interface asks: FALSE for a bound outside the grid, a
// reversed range, a single cell, or a range across the boundary of the fixed rows or columns. A
// range in the fixed rows or columns makes a header merge; a body merge takes the edit lock of
// its first cell.
BOOL CombineCellRange(CNorvakPage& page, CNorvakPageCells& cells, int minRow, int maxRow, int minCol,
                      int maxCol, CCellGeometry& geometry, ICellRepaint& repaint);

// For body merges that straddle the last locked column or row: the joining flags along the
// boundary and the client rectangle of the shown part.
void AdjustMergesToLockedArea(CNorvakPage& page, CNorvakPageCells& cells, CCellGeometry& geometry);

} // namespace SheetModel
