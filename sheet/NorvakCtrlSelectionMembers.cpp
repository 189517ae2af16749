// Automation members that ask about and change the selection and the focus of a page, and redraw a
// range of the active page.

#include "sheet/NorvakCtrl.h"

#include "sheet/model/CellSelection.h"
#include "sheet/model/PageRect.h"

namespace {

// TRUE when the page's selection holds a cell of the row (or column).
BOOL LineIsSelected(const PageRef& ref, bool row, int index)
{
    const int first = row ? ref.page->m_nFixedRows : ref.page->m_nFixedCols;
    const int end = row ? ref.page->m_nRows : ref.page->m_nCols;
    if (index < first || index >= end)
        return FALSE;
    for (const CCellRect& part : ref.page->m_selectedCells.Rects()) {
        const CCellRect shown = SheetModel::ClampToPage(*ref.page, part);
        if (!shown.IsEmpty() && index >= (row ? shown.minRow : shown.minCol) &&
            index <= (row ? shown.maxRow : shown.maxCol))
            return TRUE;
    }
    return FALSE;
}

} // namespace

BOOL CNorvakCtrl::DoGetPageRowIsSelected(long nPageIndex, long nRowIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? LineIsSelected(ref, true, nRowIndex) : -1;
}

BOOL CNorvakCtrl::DoGetPageColIsSelected(long nPageIndex, long nColIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? LineIsSelected(ref, false, nColIndex) : -1;
}

BOOL CNorvakCtrl::DoSetPageFocusGrid(long nPageIndex, long nRow, long nCol)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || nRow < ref.page->m_nFixedRows || nRow >= ref.page->m_nRows || nCol < ref.page->m_nFixedCols ||
        nCol >= ref.page->m_nCols)
        return FALSE;
    SetFocusCell(ref.index, nRow, nCol);
    return TRUE;
}

BOOL CNorvakCtrl::DoGetPageGridIsSelected(long nPageIndex, long nRow, long nCol)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return -1;
    if (!IsValidCell(ref.index, nRow, nCol))
        return FALSE;
    return (GetItemState(ref.index, nRow, nCol) & CIS_SELECTED) ? TRUE : FALSE;
}

BOOL CNorvakCtrl::DoSetPageGridRangeSelected(long nPageIndex, long nMinRow, long nMinCol, long nMaxRow,
                                            long nMaxCol, BOOL bSelect)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return -1;
    if (!IsValidCell(ref.index, nMinRow, nMinCol) || !IsValidCell(ref.index, nMaxRow, nMaxCol) ||
        nMaxRow < nMinRow || nMaxCol < nMinCol)
        return FALSE;
    const CCellRect range(nMinRow, nMinCol, nMaxRow, nMaxCol);
    CCellSelectionMap& selected = ref.page->m_selectedCells;
    if (bSelect)
        selected.AddRange(range);
    else
        selected.SetRects(CCellSelectionMap::Subtract(selected.Rects(), {range}));
    return TRUE;
}

BOOL CNorvakCtrl::DoGetPageGridIsValid(long nPageIndex, long nRow, long nCol)
{
    return IsValidCell(nPageIndex, nRow, nCol);
}

void CNorvakCtrl::DoInvalidateGridRange(long nMinRow, long nMinCol, long nMaxRow, long nMaxCol)
{
    PageRef ref = GetPageRef(-1);
    const CNorvakCell* first = ref && IsValidCell(-1, nMinRow, nMinCol) ? ref.cells->GetCell(nMinRow, nMinCol) : nullptr;
    const CNorvakCell* last = ref && IsValidCell(-1, nMaxRow, nMaxCol) ? ref.cells->GetCell(nMaxRow, nMaxCol) : nullptr;
    if (!first || !last) {
        InvalidateControl();
        return;
    }
    // Whole merged areas: the top-left corner from its merge's origin, the bottom-right one to the
    // far corner of its merge.
    CCellCoord topLeft(nMinRow, nMinCol), bottomRight(nMaxRow, nMaxCol);
    if (first->IsCovered())
        topLeft = first->GetMergeOrigin();
    if (last->IsCovered()) {
        const CCellCoord origin = last->GetMergeOrigin();
        const CNorvakCell* originCell = ref.cells->GetCell(origin.row, origin.col);
        bottomRight = originCell ? CCellCoord(origin.row + originCell->GetRowSpan(), origin.col + originCell->GetColSpan())
                                 : CCellCoord(-1, -1);
    } else if (last->GetRowSpan() != 0) {
        bottomRight = CCellCoord(nMaxRow + last->GetRowSpan(), nMaxCol + last->GetColSpan());
    }
    if (bottomRight.row < 0) {
        InvalidateControl();
        return;
    }
    RedrawRange(CCellRect(topLeft.row, topLeft.col, bottomRight.row, bottomRight.col));
}

CControlObjects* CNorvakCtrl::Objects()
{
    if (!m_objects)
        m_objects = MakeControlObjects(*this);
    return m_objects.get();
}

IDispatch* CNorvakCtrl::DoGetGridObject(long nPageIndex, long nRow, long nCol)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || nRow < 0 || nRow >= ref.page->m_nRows || nCol < 0 || nCol >= ref.page->m_nCols || !Objects())
        return nullptr;
    return Objects()->BindCell(ref.index, nRow, nCol, FALSE);
}

IDispatch* CNorvakCtrl::DoGetPageFocusGrid(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || !Objects())
        return nullptr;
    return Objects()->BindCell(ref.index, 0, 0, TRUE);
}

IDispatch* CNorvakCtrl::DoGetGridRangeObject(long nPageIndex, long nMinRow, long nMinCol, long nMaxRow,
                                             long nMaxCol)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || nMinRow < 0 || nMinRow > nMaxRow || nMaxRow >= ref.page->m_nRows || nMinCol < 0 ||
        nMinCol > nMaxCol || nMaxCol >= ref.page->m_nCols || !Objects())
        return nullptr;
    return Objects()->BindRange(ref.index, nMinRow, nMinCol, nMaxRow, nMaxCol);
}

IDispatch* CNorvakCtrl::DoGetTabArrowObject()
{
    return Objects() ? Objects()->BindTabArrow() : nullptr;
}

IDispatch* CNorvakCtrl::DoGetTabTitleObject()
{
    return Objects() ? Objects()->BindTabTitle() : nullptr;
}
