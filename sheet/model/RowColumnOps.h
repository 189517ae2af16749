#pragma once

// Row and column counts, insertion and deletion on one page record and its cell table. These are
// the only operations that create or destroy cells; each leaves the page consistent: one cell per
// row and column, one height per row and one width per column, merges, selection, focus, edge
// lines, auto-text columns and frozen bands following the rows and columns they belong to.
//
// The control resolves the page index, fires ShellOnRowsChanged / ShellOnColumnsChanged when
// CountChanged(), recomputes the first visible cell and the scroll ranges, and invalidates.
// A refused operation changes nothing.

#include "sheet/model/CellFactory.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

// Beyond these the pixel sums would not fit in an int, nor a page whose every cell holds something
// in memory; cells that hold only the defaults cost nothing, so the row count goes to its limit
// with 64 columns.
constexpr int kMaxRowCount = 1 << 20;
constexpr int kMaxColumnCount = 1 << 14;
constexpr long long kMaxCellCount = 1LL << 26;

struct CGridChange
{
    BOOL bOk = FALSE;
    int nOldCount = 0;  // rows (or columns) before
    int nNewCount = 0;  // and after
    int nPosition = -1; // row or column inserted or deleted

    bool CountChanged() const { return bOk && nOldCount != nNewCount; }
};

namespace SheetModel {

CGridChange SetRowCount(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory);
CGridChange SetColumnCount(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory);
// Grows the row (column) count to the fixed count first when it is smaller; the result tells
// about that growth. A focus cell that becomes fixed is cleared.
CGridChange SetFixedRowCount(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory);
CGridChange SetFixedColumnCount(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory);

// The position is clamped to 0..count. The new column gets the given width and its cells the
// given text format, every record they need made before anything changes; the control sets its
// heading text afterwards.
CGridChange InsertRow(CNorvakPage& page, CNorvakPageCells& cells, int position, ICellFactory& factory);
CGridChange InsertColumn(CNorvakPage& page, CNorvakPageCells& cells, int position, int width,
                         ICellFactory& factory, WORD textFormat = CNorvakCell::kDefaultTextFormat);
// The position is clamped to 0..count - 1; FALSE on an empty grid.
CGridChange DeleteRow(CNorvakPage& page, CNorvakPageCells& cells, int position, ICellFactory& factory);
CGridChange DeleteColumn(CNorvakPage& page, CNorvakPageCells& cells, int position, ICellFactory& factory);

// Fixed lines within the count, locked lines within the rest and their shown offset within the
// locked lines: what every count change leaves, for settings that come from elsewhere.
void KeepBandsOnPage(CNorvakPage& page);

// The text of an auto-text column's body cell: the prefix, followed by the body row number when
// the column is numbered.
CString AutoColumnText(const CAutoTextColumn& column, int bodyRow);
// Rewrites every auto-text column of every body row.
void ApplyAutoTextColumns(CNorvakPage& page, CNorvakPageCells& cells);

} // namespace SheetModel
