// Row and column counts, insertion and deletion, row heights and column widths of a page, and
// the automation methods over them. The page model does the work; the control resolves the page,
// tells the host when a count changed and brings the scroll ranges up to date.

#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakDispatchMap.h"
#include "sheet/model/RowColumnOps.h"

#include <algorithm>

namespace {

constexpr int kEmptyHeadingWidth = 70;
constexpr short kFreeTextFormat = 41;

} // namespace

// ---- counts ----

int CNorvakCtrl::GetRowCount(int page) const
{
    const CNorvakPage* record = GetPage(page);
    return record ? record->m_nRows : 0;
}

int CNorvakCtrl::GetColumnCount(int page) const
{
    const CNorvakPage* record = GetPage(page);
    return record ? record->m_nCols : 0;
}

int CNorvakCtrl::GetFixedRowCount(int page) const
{
    const CNorvakPage* record = GetPage(page);
    return record ? record->m_nFixedRows : 0;
}

int CNorvakCtrl::GetFixedColumnCount(int page) const
{
    const CNorvakPage* record = GetPage(page);
    return record ? record->m_nFixedCols : 0;
}

void CNorvakCtrl::FireRowsOrColumnsChanged(bool rows, int page, int oldCount, int newCount)
{
    VARIANT args[3];
    const long values[3] = {page, oldCount, newCount};
    for (int i = 0; i < 3; ++i) {
        ::VariantInit(&args[i]);
        V_VT(&args[i]) = VT_I4;
        V_I4(&args[i]) = values[i];
    }
    FireEvent(rows ? kEventShellOnRowsChanged : kEventShellOnColumnsChanged, args, 3);
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
    page = ResolvePage(page);
    CNorvakPage* record = GetPage(page);
    CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return FALSE;
    CGridChange change = SheetModel::SetRowCount(*record, *cells, count, *this);
    if (!change.bOk)
        return FALSE;
    AfterCountChange(true, page, change.nOldCount, change.nNewCount);
    return TRUE;
}

BOOL CNorvakCtrl::SetColumnCount(int page, int count)
{
    page = ResolvePage(page);
    CNorvakPage* record = GetPage(page);
    CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return FALSE;
    CGridChange change = SheetModel::SetColumnCount(*record, *cells, count, *this);
    if (!change.bOk)
        return FALSE;
    AfterCountChange(false, page, change.nOldCount, change.nNewCount);
    return TRUE;
}

BOOL CNorvakCtrl::SetFixedRowCount(int page, int count)
{
    page = ResolvePage(page);
    CNorvakPage* record = GetPage(page);
    CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return FALSE;
    CGridChange change = SheetModel::SetFixedRowCount(*record, *cells, count, *this);
    if (!change.bOk)
        return FALSE;
    if (change.CountChanged())
        AfterCountChange(true, page, change.nOldCount, change.nNewCount);
    if (m_hWnd && record->m_bRedraw)
        InvalidateControl();
    RecalcFirstVisibleCell(page);
    return TRUE;
}

BOOL CNorvakCtrl::SetFixedColumnCount(int page, int count)
{
    page = ResolvePage(page);
    CNorvakPage* record = GetPage(page);
    CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return FALSE;
    CGridChange change = SheetModel::SetFixedColumnCount(*record, *cells, count, *this);
    if (!change.bOk)
        return FALSE;
    if (change.CountChanged())
        AfterCountChange(false, page, change.nOldCount, change.nNewCount);
    if (m_hWnd && record->m_bRedraw)
        InvalidateControl();
    RecalcFirstVisibleCell(page);
    return TRUE;
}

// ---- insertion and deletion ----

int CNorvakCtrl::InsertRow(int page, int position)
{
    page = ResolvePage(page);
    CNorvakPage* record = GetPage(page);
    CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return -1;
    CGridChange change = SheetModel::InsertRow(*record, *cells, position, *this);
    if (!change.bOk)
        return -1;
    FireRowsOrColumnsChanged(true, page, change.nOldCount, change.nNewCount);
    ResetScrollBars(page);
    InvalidateControl();
    return change.nPosition;
}

int CNorvakCtrl::InsertColumn(int page, const CString& heading, int textFormat, int position)
{
    page = ResolvePage(page);
    CNorvakPage* record = GetPage(page);
    CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return -1;
    // The heading is measured as the cell of row 0 at that place would show it.
    const int at = std::clamp(position, 0, record->m_nCols);
    const int width = heading.IsEmpty()
                          ? kEmptyHeadingWidth
                          : int(GetCellTextExtent(page, 0, at, heading, record->m_nFixedRows > 0).cx);
    CGridChange change = SheetModel::InsertColumn(*record, *cells, position, width, *this);
    if (!change.bOk)
        return -1;
    if (CNorvakCell* head = cells->GetCell(0, change.nPosition))
        head->SetText(heading);
    for (int row = 0; row < record->m_nRows; ++row)
        if (CNorvakCell* cell = cells->GetCell(row, change.nPosition))
            cell->SetTextFormat(WORD(textFormat));
    FireRowsOrColumnsChanged(false, page, change.nOldCount, change.nNewCount);
    ResetScrollBars(page);
    InvalidateControl();
    return change.nPosition;
}

BOOL CNorvakCtrl::DeleteRow(int page, int position)
{
    page = ResolvePage(page);
    CNorvakPage* record = GetPage(page);
    CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return FALSE;
    CGridChange change = SheetModel::DeleteRow(*record, *cells, position, *this);
    if (!change.bOk)
        return FALSE;
    FireRowsOrColumnsChanged(true, page, change.nOldCount, change.nNewCount);
    ResetScrollBars(page);
    return TRUE;
}

BOOL CNorvakCtrl::DeleteColumn(int page, int position)
{
    page = ResolvePage(page);
    CNorvakPage* record = GetPage(page);
    CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return FALSE;
    CGridChange change = SheetModel::DeleteColumn(*record, *cells, position, *this);
    if (!change.bOk)
        return FALSE;
    FireRowsOrColumnsChanged(false, page, change.nOldCount, change.nNewCount);
    ResetScrollBars(page);
    return TRUE;
}

// ---- heights and widths ----

int CNorvakCtrl::GetRowHeight(int page, int row) const
{
    const CNorvakPage* record = GetPage(page);
    return record ? record->GetRowHeight(row) : 0;
}

int CNorvakCtrl::GetColumnWidth(int page, int col) const
{
    const CNorvakPage* record = GetPage(page);
    return record ? record->GetColumnWidth(col) : 0;
}

BOOL CNorvakCtrl::SetRowHeight(int page, int row, int height)
{
    CNorvakPage* record = GetPage(page);
    if (!record || !record->SetRowHeight(row, height))
        return FALSE;
    ResetScrollBars(ResolvePage(page));
    return TRUE;
}

BOOL CNorvakCtrl::SetColumnWidth(int page, int col, int width)
{
    CNorvakPage* record = GetPage(page);
    if (!record || !record->SetColumnWidth(col, width))
        return FALSE;
    ResetScrollBars(ResolvePage(page));
    return TRUE;
}

int CNorvakCtrl::GetFixedRowHeight(int page) const
{
    const CNorvakPage* record = GetPage(page);
    return record ? record->GetFixedRowHeight() : 0;
}

int CNorvakCtrl::GetFixedColumnWidth(int page) const
{
    const CNorvakPage* record = GetPage(page);
    return record ? record->GetFixedColumnWidth() : 0;
}

// ---- automation ----

BOOL CNorvakCtrl::DoSetPageRowCounts(long nPageIndex, long nRowCount, long nFixedRowCount)
{
    if (!GetPage(nPageIndex) || nFixedRowCount < 0 || nRowCount < nFixedRowCount)
        return FALSE;
    return SetRowCount(nPageIndex, nRowCount) && SetFixedRowCount(nPageIndex, nFixedRowCount);
}

BOOL CNorvakCtrl::DoSetPageColumnCounts(long nPageIndex, long nColumnCount, long nFixedColumnCount)
{
    if (!GetPage(nPageIndex) || nFixedColumnCount < 0 || nColumnCount < nFixedColumnCount)
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
    CNorvakPage* page = GetPage(nPageIndex);
    if (!page)
        return FALSE;
    if (page->m_bUniformRowHeight || nRow == -1) {
        BOOL ok = page->SetBodyRowHeights(nHeight);
        ResetScrollBars(ResolvePage(nPageIndex));
        InvalidateControl();
        return ok;
    }
    if (!SetRowHeight(nPageIndex, nRow, nHeight))
        return FALSE;
    RedrawRow(nPageIndex, nRow);
    return TRUE;
}

long CNorvakCtrl::DoGetPageRowHeight(long nPageIndex, long nRow)
{
    return GetPage(nPageIndex) ? GetRowHeight(nPageIndex, nRow) : -1;
}

BOOL CNorvakCtrl::DoSetPageColumnWidth(long nPageIndex, long nColumn, long nWidth)
{
    CNorvakPage* page = GetPage(nPageIndex);
    if (!page)
        return FALSE;
    if (page->m_bUniformColumnWidth || nColumn == -1) {
        BOOL ok = page->SetBodyColumnWidths(nWidth);
        ResetScrollBars(ResolvePage(nPageIndex));
        InvalidateControl();
        return ok;
    }
    if (!SetColumnWidth(nPageIndex, nColumn, nWidth))
        return FALSE;
    RedrawColumn(nPageIndex, nColumn);
    return TRUE;
}

long CNorvakCtrl::DoGetPageColumnWidth(long nPageIndex, long nColumn)
{
    return GetPage(nPageIndex) ? GetColumnWidth(nPageIndex, nColumn) : -1;
}

long CNorvakCtrl::DoGetPageColumns(long nPageIndex, long nStyle)
{
    const CNorvakPage* page = GetPage(nPageIndex);
    if (!page)
        return -1;
    switch (nStyle) {
    case 0:
        return page->m_nFixedCols;
    case 1:
        return page->m_nCols - page->m_nFixedCols;
    default:
        return page->m_nCols;
    }
}

long CNorvakCtrl::DoGetPageRows(long nPageIndex, long nStyle)
{
    const CNorvakPage* page = GetPage(nPageIndex);
    if (!page)
        return -1;
    switch (nStyle) {
    case 0:
        return page->m_nFixedRows;
    case 1:
        return page->m_nRows - page->m_nFixedRows;
    default:
        return page->m_nRows;
    }
}
