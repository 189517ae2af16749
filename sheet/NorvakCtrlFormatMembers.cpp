// Automation members that set how a page looks and is labelled: the header marking style, drag and
// drop, the page colours, the format brush, letter and number headings, and the locked rows and
// columns.

#include "sheet/NorvakCtrl.h"

#include "sheet/ControlRepaint.h"
#include "sheet/model/FormatBrush.h"
#include "sheet/model/RowColumnOps.h"

#include <algorithm>
#include <string>

namespace {

// "A".."Z", "AA".."ZZ", then "AAA" and on: the offset counted in letters, A standing for one.
std::string ColumnLetters(int offset)
{
    std::string letters;
    for (int n = offset + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), char('A' + (n - 1) % 26));
    return letters;
}

} // namespace

BOOL CNorvakCtrl::DoSetGridHeadSelectedStyle(long nPageIndex, short nStyle)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || nStyle < 0 || nStyle > 3)
        return FALSE;
    ref.page->m_nHeadSelectedStyle = BYTE(nStyle);
    InvalidateControl();
    return TRUE;
}

short CNorvakCtrl::DoGetGridHeadSelectedStyle(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? short(ref.page->m_nHeadSelectedStyle) : -1;
}

BOOL CNorvakCtrl::DoSetPageDragAndDrop(long nPageIndex, BOOL nEnableDragAndDrop)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return -1;
    ref.page->m_bDragAndDrop = nEnableDragAndDrop;
    return TRUE;
}

BOOL CNorvakCtrl::DoGetPageDragAndDrop(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? ref.page->m_bDragAndDrop : -1;
}

OLE_COLOR CNorvakCtrl::DoGetPageBkColor(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? ref.page->m_crBkColor : 0;
}

OLE_COLOR CNorvakCtrl::DoGetPageTextColor(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? ref.page->m_crTextColor : 0;
}

OLE_COLOR CNorvakCtrl::DoGetPageTextBkColor(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? ref.page->m_crTextBkColor : 0;
}

BOOL CNorvakCtrl::DoSetPageFormatBrush(long nPageIndex, long nMinRow, long nMinCol, long nMaxRow, long nMaxCol)
{
    PageRef ref = GetPageRef(nPageIndex);
    const CCellRect source(nMinRow, nMinCol, nMaxRow, nMaxCol);
    if (!ref || !SheetModel::IsFormatBrushSource(source))
        return FALSE;
    ref.page->m_formatBrush = source;
    return TRUE;
}

BOOL CNorvakCtrl::DoGetPageFormatBrush(long nPageIndex, long nMinRow, long nMinCol, long nMaxRow, long nMaxCol)
{
    if (nMinRow > nMaxRow)
        std::swap(nMinRow, nMaxRow);
    if (nMinCol > nMaxCol)
        std::swap(nMinCol, nMaxCol);
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || ref.page->m_formatBrush.IsEmpty())
        return FALSE;
    CControlRepaint repaint(*this, ref);
    SheetModel::ApplyFormatBrush(*ref.page, *ref.cells, ref.page->m_formatBrush,
                                 CCellRect(nMinRow, nMinCol, nMaxRow, nMaxCol), repaint);
    ref.page->m_formatBrush = CCellRect(-1, -1, -1, -1);
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageColumnABCD(long nPageIndex, long nMinCol, long nMaxCol)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || ref.page->m_nRows <= 0)
        return FALSE;
    if (nMinCol == -1)
        nMinCol = 0;
    if (nMaxCol == -1 || nMaxCol > ref.page->m_nCols)
        nMaxCol = ref.page->m_nCols;
    if (nMinCol < 0 || nMaxCol < nMinCol)
        return FALSE;
    for (long col = nMinCol; col < nMaxCol; ++col)
        DoSetPageCellText(ref.index, 0, col, CString(ColumnLetters(int(col - nMinCol)).c_str()));
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageRow1234(long nPageIndex, long nMinRow, long nMaxRow)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || ref.page->m_nCols <= 0)
        return FALSE;
    if (nMinRow == -1)
        nMinRow = 0;
    if (nMaxRow == -1 || nMaxRow > ref.page->m_nRows)
        nMaxRow = ref.page->m_nRows;
    if (nMinRow < 0 || nMaxRow < nMinRow)
        return FALSE;
    for (long row = nMinRow; row < nMaxRow; ++row)
        DoSetPageCellText(ref.index, row, 0, CString(std::to_string(row - nMinRow + 1).c_str()));
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageLockRowAndColumn(long nPageIndex, long nRow, long nColumn)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return FALSE;
    nRow = std::max(nRow, 0L);
    if (nRow >= ref.page->m_nRows)
        return FALSE;
    ref.page->m_nLockedRows = WORD(nRow);
    ref.page->m_nLockedCols = WORD(nColumn);
    // A column past the page (which is not refused) locks every column there is.
    SheetModel::KeepBandsOnPage(*ref.page);
    if (nRow > 0 || WORD(nColumn) > 0)
        EnsureVisible(ref.index, nRow, nColumn, kEnsureBoth);
    InvalidateControl();
    return TRUE;
}

long CNorvakCtrl::DoGetPageLockRow(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? long(ref.page->m_nLockedRows) : -1;
}

long CNorvakCtrl::DoGetPageLockColumn(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? long(ref.page->m_nLockedCols) : -1;
}
