// The grid's keyboard: the key table that moves the focus cell, the selection that follows it,
// and in-place editing started by a typed character and chained from cell to cell.

#include "gridwnd/GridCtrl.h"

#include "gridwnd/GridInPlaceEdit.h"

namespace {

bool IsDown(int key)
{
    return ::GetKeyState(key) < 0;
}

// The keys that end an edit and carry it on to the next cell.
bool ContinuesEdit(UINT key)
{
    switch (key) {
    case VK_TAB:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

UINT CGridCtrl::OnGetDlgCode() const
{
    UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHandleTab && !IsDown(VK_CONTROL))
        code |= DLGC_WANTTAB;
    return code;
}

void CGridCtrl::OnKeyDown(UINT key)
{
    const CCellCoord focus = GetFocusCell();
    if (!IsGridCellValid(focus)) {
        Default();
        return;
    }
    const bool shift = IsDown(VK_SHIFT);
    if (key == VK_DELETE) {
        if (const auto hidden = m_charts.DeleteSelectedChartPart()) {
            CRect repaint = *hidden;
            repaint.InflateRect(CGridChartList::kTrackerHandle, CGridChartList::kTrackerHandle);
            InvalidateRect(repaint, false);
            return;
        }
    }
    if (IsDown(VK_CONTROL)) {
        switch (key) {
        case 'A':
            OnEditSelectAll();
            return;
        case 'C':
            OnEditCopy();
            return;
        case 'V':
            OnEditPaste();
            return;
        case 'X':
            OnEditCut();
            return;
        default:
            break;
        }
    }
    switch (key) {
    case VK_DELETE:
        if (IsCellEditable(focus.row, focus.col)) {
            SendMessageToParent(focus.row, focus.col, kGridNotifyChanging);
            CGridCell* cell = GetCell(focus.row, focus.col);
            cell->strText.Empty();
            cell->nState |= CGridCell::kModified;
            SendMessageToParent(focus.row, focus.col, kGridNotifyChanged);
            RedrawGridCell(focus, false);
        }
        return;
    case VK_PROCESSKEY:
        if (::GetFocus() == m_hWnd)
            OnEditCell(focus.row, focus.col, 0);
        return;
    case VK_TAB:
    case VK_RETURN:
    case VK_DOWN:
    case VK_UP:
    case VK_RIGHT:
    case VK_LEFT: {
        const CGridKeyMove move = MoveFocusByKey(m_store, focus, key, shift);
        if (!move.bMoved) {
            Default();
            return;
        }
        MoveFocusByKeyboard(move.next, key, shift, move.wrap);
        return;
    }
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: {
        const int topBefore = GetTopLeftGridCell().row;
        const UINT scroll[] = {SB_PAGEUP, SB_PAGEDOWN, SB_BOTTOM, SB_TOP};
        OnVScroll(scroll[key - VK_PRIOR]);
        const int row = PageFocusRow(m_store, focus.row, key, topBefore, GetTopLeftGridCell().row);
        const CCellCoord next = m_store.MergeOrigin(row, focus.col);
        if (IsGridCellValid(next) && !(next == focus))
            MoveFocusByKeyboard(next, key, shift);
        return;
    }
    default:
        Default();
        return;
    }
}

void CGridCtrl::MoveFocusByKeyboard(CCellCoord next, UINT key, bool extend, CGridKeyWrap wrap)
{
    // The focus first: a merged focus selects its area, which the selection then takes in.
    MoveGridFocus(next.row, next.col);
    if (m_nMouseMode == kGridMouseIdle) {
        m_nMouseMode = kGridSelectCells;
        if (!extend || key == VK_TAB || !IsGridCellValid(m_selection.m_startCell))
            m_selection.m_startCell = next;
        m_selection.ExtendDragSelection(next, kGridSelectCells);
        m_nMouseMode = kGridMouseIdle;
    }
    if (wrap == CGridKeyWrap::NextRow)
        SetScrollPos32(SB_HORZ, 0);
    else if (wrap == CGridKeyWrap::PreviousRow)
        SetScrollPos32(SB_HORZ, GetVirtualWidth());
    EnsureVisible(next.row, next.col);
}

void CGridCtrl::OnChar(UINT ch)
{
    // Characters already on their way when the first of them opened the edit belong to it.
    if (const HWND editor = InPlaceEdit(); editor && ::IsWindowVisible(editor)) {
        ::SendMessageW(editor, WM_CHAR, ch, 0);
        return;
    }
    // Esc never opens an edit; Enter and a handled Tab move instead.
    const bool starts = !IsDown(VK_CONTROL) && m_nMouseMode == kGridMouseIdle && ch != VK_RETURN &&
                        ch != VK_ESCAPE && !(ch == VK_TAB && m_bHandleTab);
    if (starts && IsGridCellValid(GetFocusCell()))
        OnEditCell(GetFocusCell().row, GetFocusCell().col, ch);
    Default();
}

void CGridCtrl::OnEditCell(int row, int col, UINT firstChar)
{
    if (!m_hWnd || !IsCellEditable(row, col))
        return;
    const CCellCoord origin = m_store.MergeOrigin(row, col);
    EnsureVisible(origin.row, origin.col);
    CRect rect;
    const CGridCell* cell = GetCell(origin.row, origin.col);
    if (cell->HasSpan() || cell->bMerged || !(origin == CCellCoord(row, col)))
        rect = MergedPaintRect(origin.row, origin.col);
    else if (!GetGridCellRect(origin, rect))
        return;
    CRect shown;
    if (!shown.IntersectRect(rect, GetClientRect()))
        return;
    CreateInPlaceEditControl(rect, WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, kInPlaceEditId,
                             origin.row, origin.col, GetItemText(origin.row, origin.col), firstChar);
}

void CGridCtrl::CreateInPlaceEditControl(CRect rect, DWORD style, UINT id, int row, int col, CString text,
                                         UINT firstChar)
{
    const CGridCell* cell = GetCell(row, col);
    if (!cell)
        return;
    CGridInPlaceEdit::Start(m_hWnd, rect, style, id, row, col, text, firstChar, cell->font.font);
}

HWND CGridCtrl::InPlaceEdit() const
{
    return m_hWnd ? ::GetDlgItem(m_hWnd, kInPlaceEditId) : nullptr;
}

void CGridCtrl::MoveInPlaceEdit(CSize by)
{
    const HWND editor = InPlaceEdit();
    if (!editor || !::IsWindowVisible(editor))
        return;
    CRect rect;
    ::GetWindowRect(editor, &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    rect.OffsetRect(by.cx, by.cy);
    // The edit goes with its cell while the cell's corner shows: a cell past the client's right
    // or bottom edge is cut off there, one under the fixed cells would lie over them.
    const CRect client = GetClientRect();
    const CRect body(GetFixedColumnWidth(), GetFixedRowHeight(), client.right, client.bottom);
    if (body.PtInRect(rect.TopLeft())) {
        ::SetWindowPos(editor, nullptr, rect.left, rect.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // Its cell went out of view: the edit ends as on a click elsewhere, keeping what was typed.
    if (auto* edit = dynamic_cast<CGridInPlaceEdit*>(CWnd::FromHandlePermanent(editor)))
        edit->EndEdit(0);
    else if (const HWND focus = ::GetFocus(); focus == editor || ::IsChild(editor, focus))
        ::SetFocus(m_hWnd);
}

void CGridCtrl::OnEndEditCell(int row, int col, CString text)
{
    if (CGridCell* cell = GetCell(row, col))
        cell->strText = text;
}

LRESULT CGridCtrl::OnEndInPlaceEdit(const CCellDispInfo& info)
{
    if (!m_hWnd)
        return 0;
    const CString before = GetItemText(info.item.row, info.item.col);
    OnEndEditCell(info.item.row, info.item.col, info.item.text);
    if (CGridCell* cell = GetCell(info.item.row, info.item.col); cell && !(before == GetItemText(info.item.row, info.item.col)))
        cell->nState |= CGridCell::kModified;
    RedrawGridCell(CCellCoord(info.item.row, info.item.col), false);
    SendMessageToParent(info.item.row, info.item.col, kGridNotifyChanged);
    if (ContinuesEdit(info.item.value)) {
        const CCellCoord before = GetFocusCell();
        OnKeyDown(info.item.value);
        const CCellCoord focus = GetFocusCell();
        if (!(focus == before))
            OnEditCell(focus.row, focus.col, kGridEditByKey | info.item.value);
    }
    return 0;
}
