// Row and column counts, insertion and deletion, row heights and column widths of a page, and
// the automation methods over them. The page model does the work; the control resolves the page,
// tells the host when a count changed and brings the scroll ranges up to date.

#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakDispatchMap.h"
#include "sheet/model/CellProperties.h"
#include "sheet/model/RowColumnOps.h"

#include <algorithm>

namespace {

constexpr int kEmptyHeadingWidth = 70;
constexpr short kFreeTextFormat = 41;

} // namespace

// ---- counts ----

int CNorvakCtrl::GetRowCount(int page) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.page->m_nRows : 0;
}

int CNorvakCtrl::GetColumnCount(int page) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.page->m_nCols : 0;
}

int CNorvakCtrl::GetFixedRowCount(int page) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.page->m_nFixedRows : 0;
}

int CNorvakCtrl::GetFixedColumnCount(int page) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.page->m_nFixedCols : 0;
}

void CNorvakCtrl::FireRowsOrColumnsChanged(bool rows, int page, int oldCount, int newCount)
{
    ForgetCutOnPage(page);
    Fire(rows ? kEventShellOnRowsChanged : kEventShellOnColumnsChanged,
         CEventArgs().Long(page).Long(oldCount).Long(newCount));
}

void CNorvakCtrl::AfterCountChange(bool rows, int page, int oldCount, int newCount)
{
    if (oldCount != newCount)
        FireRowsOrColumnsChanged(rows, page, oldCount, newCount);
    RecalcFirstVisibleCell(page);
    ResetScrollBars(page);
}

BOOL CNorvakCtrl::SetRowCount(int page, int count)
{
    return ChangeCount(page, true, &SheetModel::SetRowCount, count);
}

BOOL CNorvakCtrl::SetColumnCount(int page, int count)
{
    return ChangeCount(page, false, &SheetModel::SetColumnCount, count);
}

BOOL CNorvakCtrl::SetFixedRowCount(int page, int count)
{
    return ChangeFixedCount(page, true, &SheetModel::SetFixedRowCount, count);
}

BOOL CNorvakCtrl::SetFixedColumnCount(int page, int count)
{
    return ChangeFixedCount(page, false, &SheetModel::SetFixedColumnCount, count);
}

BOOL CNorvakCtrl::ChangeCount(int page, bool rows, CountChange change, int count)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return FALSE;
    CGridChange result = change(*ref.page, *ref.cells, count, *this);
    if (!result.bOk)
        return FALSE;
    AfterCountChange(rows, ref.index, result.nOldCount, result.nNewCount);
    return TRUE;
}

BOOL CNorvakCtrl::ChangeFixedCount(int page, bool rows, CountChange change, int count)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return FALSE;
    CGridChange result = change(*ref.page, *ref.cells, count, *this);
    if (!result.bOk)
        return FALSE;
    if (result.CountChanged()) {
        AfterCountChange(rows, ref.index, result.nOldCount, result.nNewCount);
        // A handler of the event may have deleted the page.
        if (GetPageRef(ref.index).page != ref.page)
            return TRUE;
    }
    if (m_hWnd && ref.page->m_bRedraw)
        InvalidateControl();
    RecalcFirstVisibleCell(ref.index);
    return TRUE;
}

// ---- insertion and deletion ----

int CNorvakCtrl::InsertRow(int page, int position)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return -1;
    CGridChange change = SheetModel::InsertRow(*ref.page, *ref.cells, position, *this);
    if (!change.bOk)
        return -1;
    FireRowsOrColumnsChanged(true, ref.index, change.nOldCount, change.nNewCount);
    ResetScrollBars(ref.index);
    InvalidateControl();
    return change.nPosition;
}

int CNorvakCtrl::InsertColumn(int page, const CString& heading, int textFormat, int position)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return -1;
    // The heading is measured as the cell of row 0 at that place would show it.
    const int at = std::clamp(position, 0, ref.page->m_nCols);
    const int width = heading.IsEmpty()
                          ? kEmptyHeadingWidth
                          : int(GetCellTextExtent(ref.index, 0, at, heading, ref.page->m_nFixedRows > 0).cx);
    CGridChange change =
        SheetModel::InsertColumn(*ref.page, *ref.cells, position, width, *this, WORD(textFormat));
    if (!change.bOk)
        return -1;
    // Through the cell setter, as the automation writers go; the control is repainted once below.
    SetItemText(ref.index, 0, change.nPosition, heading);
    FireRowsOrColumnsChanged(false, ref.index, change.nOldCount, change.nNewCount);
    ResetScrollBars(ref.index);
    InvalidateControl();
    return change.nPosition;
}

BOOL CNorvakCtrl::DeleteRow(int page, int position)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return FALSE;
    CGridChange change = SheetModel::DeleteRow(*ref.page, *ref.cells, position, *this);
    if (!change.bOk)
        return FALSE;
    FireRowsOrColumnsChanged(true, ref.index, change.nOldCount, change.nNewCount);
    ResetScrollBars(ref.index);
    return TRUE;
}

BOOL CNorvakCtrl::DeleteColumn(int page, int position)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return FALSE;
    CGridChange change = SheetModel::DeleteColumn(*ref.page, *ref.cells, position, *this);
    if (!change.bOk)
        return FALSE;
    FireRowsOrColumnsChanged(false, ref.index, change.nOldCount, change.nNewCount);
    ResetScrollBars(ref.index);
    return TRUE;
}

// ---- heights and widths ----

int CNorvakCtrl::GetRowHeight(int page, int row) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.page->GetRowHeight(row) : 0;
}

int CNorvakCtrl::GetColumnWidth(int page, int col) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.page->GetColumnWidth(col) : 0;
}

BOOL CNorvakCtrl::SetRowHeight(int page, int row, int height)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !ref.page->SetRowHeight(row, height))
        return FALSE;
    ResetScrollBars(ref.index);
    return TRUE;
}

BOOL CNorvakCtrl::SetColumnWidth(int page, int col, int width)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !ref.page->SetColumnWidth(col, width))
        return FALSE;
    ResetScrollBars(ref.index);
    return TRUE;
}

BOOL CNorvakCtrl::AutoSizeColumn(int page, int col)
{
    return AutoSizeLine(page, false, col);
}

BOOL CNorvakCtrl::AutoSizeRow(int page, int row)
{
    return AutoSizeLine(page, true, row);
}

int CNorvakCtrl::GetFixedRowHeight(int page) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.page->GetFixedRowHeight() : 0;
}

int CNorvakCtrl::GetFixedColumnWidth(int page) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.page->GetFixedColumnWidth() : 0;
}

// ---- automation ----

BOOL CNorvakCtrl::DoSetPageRowCounts(long nPageIndex, long nRowCount, long nFixedRowCount)
{
    if (!GetPageRef(nPageIndex) || nFixedRowCount < 0 || nRowCount < nFixedRowCount)
        return FALSE;
    return SetRowCount(nPageIndex, nRowCount) && SetFixedRowCount(nPageIndex, nFixedRowCount);
}

BOOL CNorvakCtrl::DoSetPageColumnCounts(long nPageIndex, long nColumnCount, long nFixedColumnCount)
{
    if (!GetPageRef(nPageIndex) || nFixedColumnCount < 0 || nColumnCount < nFixedColumnCount)
        return FALSE;
    return SetColumnCount(nPageIndex, nColumnCount) && SetFixedColumnCount(nPageIndex, nFixedColumnCount);
}

long CNorvakCtrl::DoInsertPageRow(long nPageIndex, long nInsertPos)
{
    return InsertRow(nPageIndex, nInsertPos);
}

long CNorvakCtrl::DoInsertPageColumn(long nPageIndex, long nInsertPos, short nTextFormat, CString lpszText)
{
    if (nTextFormat < 0 || nTextFormat > 40)
        nTextFormat = kFreeTextFormat;
    return InsertColumn(nPageIndex, lpszText, nTextFormat, nInsertPos);
}

BOOL CNorvakCtrl::DoRemovePageRow(long nPageIndex, long nRemovePos)
{
    if (!DeleteRow(nPageIndex, nRemovePos))
        return FALSE;
    InvalidateControl();
    return TRUE;
}

BOOL CNorvakCtrl::DoRemovePageColumn(long nPageIndex, long nRemovePos)
{
    if (!DeleteColumn(nPageIndex, nRemovePos))
        return FALSE;
    InvalidateControl();
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageRowHeight(long nPageIndex, long nRow, long nHeight)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return FALSE;
    if (ref.page->m_bUniformRowHeight || nRow == -1) {
        BOOL ok = ref.page->SetBodyRowHeights(nHeight);
        ResetScrollBars(ref.index);
        InvalidateControl();
        return ok;
    }
    if (!SetRowHeight(nPageIndex, nRow, nHeight))
        return FALSE;
    RedrawLine(nPageIndex, true, nRow, true); // the rows below moved
    return TRUE;
}

long CNorvakCtrl::DoGetPageRowHeight(long nPageIndex, long nRow)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? GetRowHeight(ref.index, nRow) : -1;
}

BOOL CNorvakCtrl::DoSetPageColumnWidth(long nPageIndex, long nColumn, long nWidth)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return FALSE;
    if (ref.page->m_bUniformColumnWidth || nColumn == -1) {
        BOOL ok = ref.page->SetBodyColumnWidths(nWidth);
        ResetScrollBars(ref.index);
        InvalidateControl();
        return ok;
    }
    if (!SetColumnWidth(nPageIndex, nColumn, nWidth))
        return FALSE;
    RedrawLine(nPageIndex, false, nColumn, true); // the columns to the right moved
    return TRUE;
}

long CNorvakCtrl::DoGetPageColumnWidth(long nPageIndex, long nColumn)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? GetColumnWidth(ref.index, nColumn) : -1;
}

long CNorvakCtrl::DoGetPageColumns(long nPageIndex, long nStyle)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return -1;
    switch (nStyle) {
    case 0:
        return ref.page->m_nFixedCols;
    case 1:
        return ref.page->m_nCols - ref.page->m_nFixedCols;
    default:
        return ref.page->m_nCols;
    }
}

long CNorvakCtrl::DoGetPageRows(long nPageIndex, long nStyle)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return -1;
    switch (nStyle) {
    case 0:
        return ref.page->m_nFixedRows;
    case 1:
        return ref.page->m_nRows - ref.page->m_nFixedRows;
    default:
        return ref.page->m_nRows;
    }
}
