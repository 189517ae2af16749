// The control's cell operations: each resolves the page, runs the page-model operation and turns
// its repaint requests into invalidated rectangles of the control window.

#include "sheet/NorvakCtrl.h"
#include "sheet/model/CellBlock.h"
#include "sheet/ControlRepaint.h"
#include "sheet/model/CellGeometry.h"
#include "sheet/model/CellProperties.h"
#include "sheet/model/CellSelection.h"
#include "sheet/model/MergeCells.h"
#include "sheet/model/RowColumnOps.h"
#include "sheet/model/SortRows.h"

namespace {

constexpr WORD kWaitCursor = 32514; // IDC_WAIT, spelt for the wide API

CViewArea ViewOf(const CNorvakCtrl& ctrl)
{
    CViewArea view;
    RECT client{};
    if (ctrl.m_hWnd)
        ::GetClientRect(ctrl.m_hWnd, &client);
    view.width = client.right;
    view.height = client.bottom;
    for (CChildWindowId id : {kIdPageTitle, kIdArrowBar, kIdHorzBar})
        if (HWND child = ctrl.GetChildWindow(id); child && ::IsWindowVisible(child))
            view.bBottomBarShown = true;
    view.cxScrollBar = ::GetSystemMetrics(SM_CXHSCROLL);
    return view;
}

CCellGeometry GeometryOf(const CNorvakCtrl& ctrl, const PageRef& ref)
{
    return CCellGeometry(*ref.page, ViewOf(ctrl));
}

} // namespace

// ---- properties ----

BOOL CNorvakCtrl::SetItem(int page, const CCellItem* item)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    return ref && SheetModel::SetItem(*ref.page, *ref.cells, item, repaint);
}

BOOL CNorvakCtrl::GetItem(int page, CCellItem* item)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !item || !ref.page->IsValidCell(item->row, item->col))
        return FALSE;
    return SheetModel::GetItem(*ref.page, *ref.cells, item,
                               [&](int row, int col) { return GetPageCellText(ref.index, row, col); });
}

BOOL CNorvakCtrl::SetItemText(int page, int row, int col, const char* text)
{
    PageRef ref = GetPageRef(page);
    return ref && SheetModel::SetItemText(*ref.page, *ref.cells, row, col, text);
}

#define NORVAK_LINE_SETTER(Name, Type)                                                                       \
    BOOL CNorvakCtrl::Name(int page, int row, int col, Type value, CLineEdges mode)                          \
    {                                                                                                        \
        PageRef ref = GetPageRef(page);                                                                      \
        CControlRepaint repaint(*this, ref);                                                                 \
        return ref && SheetModel::Name(*ref.page, *ref.cells, row, col, value, mode, repaint);               \
    }
NORVAK_LINE_SETTER(SetCellHorLineStyle, BYTE)
NORVAK_LINE_SETTER(SetCellHorLineSize, BYTE)
NORVAK_LINE_SETTER(SetCellHorLineColor, COLORREF)
NORVAK_LINE_SETTER(SetCellVerLineStyle, BYTE)
NORVAK_LINE_SETTER(SetCellVerLineSize, BYTE)
NORVAK_LINE_SETTER(SetCellVerLineColor, COLORREF)
#undef NORVAK_LINE_SETTER

BOOL CNorvakCtrl::SetItemState(int page, int row, int col, WORD state)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    return ref && SheetModel::SetItemState(*ref.page, *ref.cells, row, col, state, repaint);
}

WORD CNorvakCtrl::GetItemState(int page, int row, int col) const
{
    PageRef ref = GetPageRef(page);
    return ref ? SheetModel::GetItemState(*ref.page, *ref.cells, row, col) : WORD(0);
}

BOOL CNorvakCtrl::SetItemFormat(int page, int row, int col, WORD code)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    return ref && SheetModel::SetItemFormat(*ref.page, *ref.cells, row, col, code, repaint);
}

int CNorvakCtrl::GetItemFormat(int page, int row, int col) const
{
    PageRef ref = GetPageRef(page);
    return ref ? SheetModel::GetItemFormat(*ref.cells, row, col) : -1;
}

const CFontRecord* CNorvakCtrl::GetItemFont(int page, int row, int col) const
{
    PageRef ref = GetPageRef(page);
    return ref ? SheetModel::GetItemFont(*ref.cells, row, col) : nullptr;
}

void CNorvakCtrl::SetModified(int page, BOOL modified, int row, int col)
{
    SetModifiedFlag(modified != FALSE);
    if (PageRef ref = GetPageRef(page))
        SheetModel::SetCellModified(*ref.page, *ref.cells, modified, row, col);
}

BOOL CNorvakCtrl::IsCellEditable(int page, int row, int col) const
{
    PageRef ref = GetPageRef(page);
    return ref && SheetModel::IsCellEditable(*ref.page, *ref.cells, row, col);
}

BOOL CNorvakCtrl::IsRangeEditable(int page, const CCellRect& range) const
{
    PageRef ref = GetPageRef(page);
    return ref && SheetModel::IsRangeEditable(*ref.page, *ref.cells, range);
}

BOOL CNorvakCtrl::IsFixedCell(int page, int row, int col) const
{
    PageRef ref = GetPageRef(page);
    return ref && SheetModel::IsFixedCell(*ref.page, row, col);
}

void CNorvakCtrl::ApplyAutoTextColumns(int page)
{
    if (PageRef ref = GetPageRef(page)) {
        SheetModel::ApplyAutoTextColumns(*ref.page, *ref.cells);
        InvalidateControl();
    }
}

// ---- selection ----

BOOL CNorvakCtrl::IsValidCell(int page, int row, int col) const
{
    PageRef ref = GetPageRef(page);
    return ref && ref.page->IsValidCell(row, col);
}

BOOL CNorvakCtrl::IsValidCellID(int page, CCellCoord cell) const
{
    return IsValidCell(page, cell.row, cell.col);
}

BOOL CNorvakCtrl::IsValidCellRange(int page, const CCellRect& range) const
{
    PageRef ref = GetPageRef(page);
    return ref && SheetModel::IsValidCellRange(*ref.page, range);
}

CPane CNorvakCtrl::GetLockedArea(int page, CCellCoord cell)
{
    PageRef ref = GetPageRef(page);
    return ref ? GeometryOf(*this, ref).GetLockedArea(cell) : kPaneFixed;
}

CPane CNorvakCtrl::GetLockedAreaAny(int page, int row, int col)
{
    PageRef ref = GetPageRef(page);
    return ref ? GeometryOf(*this, ref).GetLockedAreaAny(row, col) : kPaneFixed;
}

CCellCoord CNorvakCtrl::SetFocusCell(int page, int row, int col)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return CCellCoord(0, -1);
    CControlRepaint repaint(*this, ref);
    return SheetModel::SetFocusCell(*ref.page, *ref.cells, row, col, repaint);
}

void CNorvakCtrl::SetSelectedRange(int page, int minRow, int minCol, int maxRow, int maxCol, BOOL)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    if (ref)
        SheetModel::SetSelectedRange(*ref.page, *ref.cells, CCellRect(minRow, minCol, maxRow, maxCol),
                                     repaint);
}

void CNorvakCtrl::SelectAllCells(int page)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    if (ref)
        SheetModel::SelectAllCells(*ref.page, *ref.cells, repaint);
}

void CNorvakCtrl::SelectColumns(int page, CCellCoord cell)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    if (ref)
        SheetModel::SelectColumns(*ref.page, *ref.cells, cell, repaint);
}

void CNorvakCtrl::SelectRows(int page, CCellCoord cell)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    if (ref)
        SheetModel::SelectRows(*ref.page, *ref.cells, cell, repaint);
}

void CNorvakCtrl::SelectCells(int page, CCellCoord cell)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    if (ref)
        SheetModel::SelectCells(*ref.page, *ref.cells, cell, repaint);
}

void CNorvakCtrl::OnSelecting(int page, CCellCoord cell)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    if (ref)
        SheetModel::OnSelecting(*ref.page, *ref.cells, cell, repaint);
}

void CNorvakCtrl::ClearSelectionAndFocus(int page)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    if (ref)
        SheetModel::ClearSelectionAndFocus(*ref.page, *ref.cells, repaint);
}

void CNorvakCtrl::ResetSelectionMaps(int page)
{
    if (PageRef ref = GetPageRef(page))
        SheetModel::ResetSelectionMaps(*ref.page, *ref.cells);
}

CCellRect CNorvakCtrl::GetSelectedCellRange(int page) const
{
    PageRef ref = GetPageRef(page);
    return ref ? SheetModel::GetSelectedCellRange(*ref.page) : CCellRect(0, -1, -1, -1);
}

// ---- geometry ----

BOOL CNorvakCtrl::GetCellOrigin(int page, int row, int col, POINT* origin)
{
    PageRef ref = GetPageRef(page);
    CPoint point;
    if (!ref || !origin || !GeometryOf(*this, ref).GetCellOrigin(row, col, point))
        return FALSE;
    *origin = point;
    return TRUE;
}

BOOL CNorvakCtrl::GetCellRect(int page, int row, int col, RECT* rect)
{
    PageRef ref = GetPageRef(page);
    CRect cell;
    if (!ref || !rect || !GeometryOf(*this, ref).GetCellRect(row, col, cell))
        return FALSE;
    *rect = cell;
    return TRUE;
}

BOOL CNorvakCtrl::GetCellRectID(int page, CCellCoord cell, RECT* rect)
{
    return GetCellRect(page, cell.row, cell.col, rect);
}

BOOL CNorvakCtrl::GetCellRangeRect(int page, const CCellRect& range, RECT* rect)
{
    PageRef ref = GetPageRef(page);
    CRect area;
    if (!ref || !rect || !SheetModel::IsValidCellRange(*ref.page, range) ||
        !GeometryOf(*this, ref).GetCellRangeRect(range, area))
        return FALSE;
    *rect = area;
    return TRUE;
}

CCellGeometry CNorvakCtrl::GetPageGeometry(const PageRef& ref) const
{
    return GeometryOf(*this, ref);
}

CCellCoord CNorvakCtrl::GetCellFromPt(POINT point, CPane* pane)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return CCellCoord();
    return GeometryOf(*this, ref).GetCellFromPt(point, pane);
}

CCellCoord CNorvakCtrl::GetTopleftNonFixedCell(int page)
{
    PageRef ref = GetPageRef(page);
    return ref ? GeometryOf(*this, ref).GetTopLeftNonFixedCell() : CCellCoord(0, -1);
}

CCellCoord CNorvakCtrl::GetTopLeftCellByArea(int page, CPane pane)
{
    PageRef ref = GetPageRef(page);
    return ref ? GeometryOf(*this, ref).GetTopLeftCellByArea(pane) : CCellCoord(0, -1);
}

CCellRect CNorvakCtrl::GetVisibleNonFixedCellRange(int page, RECT* covered)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return CCellRect();
    CRect area;
    CCellRect range = GeometryOf(*this, ref).GetVisibleNonFixedCellRange(covered ? &area : nullptr);
    if (covered)
        *covered = area;
    return range;
}

CCellRect CNorvakCtrl::GetUnobstructedNonFixedCellRange(int page, int xStart, int yStart)
{
    PageRef ref = GetPageRef(page);
    return ref ? GeometryOf(*this, ref).GetUnobstructedNonFixedCellRange(xStart, yStart) : CCellRect();
}

BOOL CNorvakCtrl::IsOnRowBorder(POINT point)
{
    PageRef ref = GetPageRef(-1);
    return ref && GeometryOf(*this, ref).IsOnRowBorder(*ref.cells, point);
}

BOOL CNorvakCtrl::IsOnColumnBorder(POINT point)
{
    PageRef ref = GetPageRef(-1);
    return ref && GeometryOf(*this, ref).IsOnColumnBorder(*ref.cells, point);
}

BOOL CNorvakCtrl::IsCellVisible(int page, int row, int col)
{
    PageRef ref = GetPageRef(page);
    return ref && GeometryOf(*this, ref).IsCellVisible(row, col);
}

BOOL CNorvakCtrl::RedrawCell(CCellCoord cell)
{
    PageRef ref = GetPageRef(-1);
    if (!m_hWnd || !ref || !ref.page->m_bAllowDraw)
        return FALSE;
    CRect rect;
    if (!GeometryOf(*this, ref).GetCellRedrawRect(*ref.cells, cell, rect))
        return FALSE;
    InvalidateControl(&rect, true);
    return TRUE;
}

BOOL CNorvakCtrl::RedrawCellDC(int page, CCellCoord cell, HDC)
{
    return ResolvePage(page) == m_pageStore.GetActive() && RedrawCell(cell);
}

BOOL CNorvakCtrl::RedrawLine(int page, bool row, int index, bool onward)
{
    PageRef ref = GetPageRef(page);
    if (!m_hWnd || !ref || ref.index != m_pageStore.GetActive() || !ref.page->m_bAllowDraw)
        return FALSE;
    // One reading of the window's state serves the whole line.
    CCellGeometry geometry = GeometryOf(*this, ref);
    CRect rect;
    if (!(onward ? geometry.GetLineOnwardRect(row, index, rect)
                 : geometry.GetLineRedrawRect(*ref.cells, row, index, rect)))
        return FALSE;
    InvalidateControl(&rect, true);
    return TRUE;
}

BOOL CNorvakCtrl::RedrawRow(int page, int row)
{
    return RedrawLine(page, true, row, false);
}

BOOL CNorvakCtrl::RedrawColumn(int page, int col)
{
    return RedrawLine(page, false, col, false);
}

BOOL CNorvakCtrl::RedrawRange(const CCellRect& range)
{
    PageRef ref = GetPageRef(-1);
    if (!m_hWnd || !ref || !ref.page->m_bAllowDraw)
        return FALSE;
    CRect rect;
    if (!GeometryOf(*this, ref).GetRangeRedrawRect(range, rect))
        return FALSE;
    InvalidateControl(&rect, true);
    return TRUE;
}

// ---- merges ----

BOOL CNorvakCtrl::CombineCells(int page, int row, int col, int rowSpan, int colSpan, BOOL skipDuplicate,
                               int editLock)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return FALSE;
    CControlRepaint repaint(*this, ref);
    CCellGeometry geometry = GeometryOf(*this, ref);
    return SheetModel::CombineCells(*ref.page, *ref.cells, row, col, rowSpan, colSpan, skipDuplicate,
                                    editLock, geometry, repaint);
}

BOOL CNorvakCtrl::CombineHeaderCells(int page, int row, int col, int rowSpan, int colSpan)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    return ref && SheetModel::CombineHeaderCells(*ref.page, *ref.cells, row, col, rowSpan, colSpan, repaint);
}

BOOL CNorvakCtrl::UnCombineCells(int page, int row, int col)
{
    PageRef ref = GetPageRef(page);
    CControlRepaint repaint(*this, ref);
    return ref && SheetModel::UnCombineCells(*ref.page, *ref.cells, row, col, repaint);
}

void CNorvakCtrl::AdjustMergesToLockedArea(int page)
{
    if (PageRef ref = GetPageRef(page)) {
        CCellGeometry geometry = GeometryOf(*this, ref);
        SheetModel::AdjustMergesToLockedArea(*ref.page, *ref.cells, geometry);
    }
}

BOOL CNorvakCtrl::DoSetPageCellCombine(long nPageIndex, long nMinRow, long nMaxRow, long nMinCol,
                                       long nMaxCol)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return FALSE;
    CControlRepaint repaint(*this, ref);
    CCellGeometry geometry = GeometryOf(*this, ref);
    return SheetModel::CombineCellRange(*ref.page, *ref.cells, nMinRow, nMaxRow, nMinCol, nMaxCol, geometry,
                                        repaint);
}

BOOL CNorvakCtrl::DoSetPageCellUnCombine(long nPageIndex, long nMinRow, long nMinCol)
{
    PageRef ref = GetPageRef(nPageIndex);
    CControlRepaint repaint(*this, ref);
    return ref && SheetModel::UnCombineCells(*ref.page, *ref.cells, nMinRow, nMinCol, repaint);
}

long CNorvakCtrl::DoGetPageMinSelectedRow(long nPageIndex)
{
    return GetPageRef(nPageIndex) ? GetSelectedCellRange(nPageIndex).minRow : -1;
}

long CNorvakCtrl::DoGetPageMaxSelectedRow(long nPageIndex)
{
    return GetPageRef(nPageIndex) ? GetSelectedCellRange(nPageIndex).maxRow : -1;
}

long CNorvakCtrl::DoGetPageMinSelectedCol(long nPageIndex)
{
    return GetPageRef(nPageIndex) ? GetSelectedCellRange(nPageIndex).minCol : -1;
}

long CNorvakCtrl::DoGetPageMaxSelectedCol(long nPageIndex)
{
    return GetPageRef(nPageIndex) ? GetSelectedCellRange(nPageIndex).maxCol : -1;
}

// ---- sorting ----

void CNorvakCtrl::SortTextItems(int page, int col, BOOL ascending)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return;
    SortCells(ref.index, col, ascending, ref.page->m_nFixedRows, -1);
}

BOOL CNorvakCtrl::SortCells(int page, int col, BOOL ascending, int low, int high)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return FALSE;
    CControlRepaint repaint(*this, ref);
    auto text = [&](int row, int c) { return GetPageCellText(ref.index, row, c); };
    if (!SheetModel::SortCells(*ref.page, *ref.cells, col, ascending, low, high, text, repaint))
        return FALSE;
    InvalidateControl();
    return TRUE;
}

void CNorvakCtrl::OnFixedRowClick(CCellCoord cell)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return;
    CControlRepaint repaint(*this, ref);
    bool sorts = ref.page->m_bSorting && ref.page->m_bSortAllowed;
    HCURSOR previous = sorts ? ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(kWaitCursor))) : nullptr;
    SheetModel::OnFixedRowClick(
        *ref.page, *ref.cells, cell, [&](int row, int c) { return GetPageCellText(ref.index, row, c); },
        repaint);
    if (sorts)
        ::SetCursor(previous);
}

void CNorvakCtrl::OnFixedColumnClick(CCellCoord cell)
{
    PageRef ref = GetPageRef(-1);
    CControlRepaint repaint(*this, ref);
    if (ref)
        SheetModel::OnFixedColumnClick(*ref.page, *ref.cells, cell, repaint);
}
