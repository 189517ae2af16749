// Keys and characters on the control, and the in-place editor: the key table moves the focus cell,
// Delete clears it, a typed character opens the editor over the focus cell, and the editor's
// end-of-edit notice stores the text and may carry the edit on to the next cell.

#include "sheet/NorvakCtrl.h"
#include "sheet/model/CellSelection.h"
#include "sheet/model/KeyMoves.h"
#include "sheet/model/KeyOwnership.h"
#include "sheet/windows/TitleTip.h"

#include "framework/OleModule.h"
#include "resources/NorvakResource.h"

#include <algorithm>

namespace {

bool KeyHeld(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}

bool IsEditBox(HWND window)
{
    wchar_t name[16]{};
    return ::GetClassNameW(window, name, 16) && ::lstrcmpiW(name, L"Edit") == 0;
}

// The keys that end an edit and carry it on to the next cell.
bool ContinuesEdit(int key)
{
    return key == VK_TAB || (key >= VK_PRIOR && key <= VK_DOWN);
}

} // namespace

// ---- keys ----

void CNorvakCtrl::OnKeyDown(UINT key, UINT, UINT)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return;
    CNorvakPage& page = *ref.page;
    if (key == VK_DELETE && HideSelectedChartPart(-1))
        return;
    if (page.m_bDragAndDrop && key == VK_CONTROL && m_bButtonHeld &&
        (IsFrameEdge(m_nDownHitCode) || m_nDownHitCode == kFrameInside)) {
        SetDragCursor(::LoadCursorW(OleModule::Instance(), MAKEINTRESOURCEW(IDC_DRAG_COPY)), true);
        return;
    }
    if (key == VK_PROCESSKEY && ::GetFocus() == m_hWnd)
        OnEditPageCell(page.m_focusCell.row, page.m_focusCell.col, 0); // the input method types into it
    if (page.m_pTitleTip && page.m_pTitleTip->GetSafeHwnd())
        page.m_pTitleTip->Hide();
    if (KeyHeld(VK_CONTROL))
        OnEditKey(key);
    const CCellCoord focus = page.m_focusCell;
    if (!page.IsValidCell(focus.row, focus.col))
        return;
    if (key == VK_DELETE) {
        ClearFocusCell(page);
        return;
    }
    if (!SheetModel::IsMoveKey(key))
        return;
    CKeyMove move{PageKeyTarget(page, key, focus)};
    if (key != VK_PRIOR && key != VK_NEXT && key != VK_END && key != VK_HOME)
        move = SheetModel::MoveByKey(page, *ref.cells, focus, key, KeyHeld(VK_SHIFT));
    MoveFocusByKey(page, key, move.to, move.rowWrap);
}

// Ctrl with A, C, V or X: the edit commands. A paste needs no focus cell.
void CNorvakCtrl::OnEditKey(UINT key)
{
    switch (key) {
    case 'A':
        OnEditSelectAll();
        break;
    case 'C':
        OnEditCopy();
        break;
    case 'V':
        OnEditPaste();
        break;
    case 'X':
        OnEditCut();
        break;
    default:
        break;
    }
}

// PageUp and PageDown follow the rows the view scrolled by; Home and End go to the first and the
// last body row. The view scrolls first.
CCellCoord CNorvakCtrl::PageKeyTarget(CNorvakPage& page, UINT key, CCellCoord from)
{
    static const struct
    {
        UINT key;
        int code;
    } kScrolls[] = {{VK_PRIOR, SB_PAGEUP}, {VK_NEXT, SB_PAGEDOWN}, {VK_END, SB_BOTTOM}, {VK_HOME, SB_TOP}};
    const auto* scroll = std::find_if(std::begin(kScrolls), std::end(kScrolls),
                                      [key](const auto& s) { return s.key == key; });
    if (scroll == std::end(kScrolls))
        return from;
    const int before = GetTopleftNonFixedCell(-1).row;
    SendMessage(WM_VSCROLL, WPARAM(scroll->code));
    const int moved = GetTopleftNonFixedCell(-1).row - before;
    CCellCoord to = from;
    switch (key) {
    case VK_PRIOR:
        to.row = moved ? std::max(from.row + moved, page.m_nFixedRows) : page.m_nFixedRows;
        break;
    case VK_NEXT:
        to.row = moved ? std::min(from.row + moved, page.m_nRows - 1) : page.m_nRows - 1;
        break;
    case VK_END:
        to.row = page.m_nRows - 1;
        break;
    default:
        to.row = page.m_nFixedRows;
        break;
    }
    return to;
}

void CNorvakCtrl::MoveFocusByKey(CNorvakPage& page, UINT key, CCellCoord to, bool rowWrap)
{
    EnsureVisibleInPane(to.row, to.col);
    if (to == page.m_focusCell)
        return;
    if (page.m_nMouseMode == 0) {
        page.m_keptSelection.RemoveAll();
        page.m_nMouseMode = kSelectCells;
        if (!KeyHeld(VK_SHIFT) || key == VK_TAB)
            page.m_selectionStart = to;
        OnSelecting(-1, to);
        page.m_nMouseMode = 0;
    }
    SetFocusCell(-1, to.row, to.col);
    if (IsCellVisible(-1, to.row, to.col))
        return;
    EnsureVisible(-1, to.row, to.col, kEnsureBoth);
    // One line more, so the cell does not sit at the very edge of the view.
    const bool shift = KeyHeld(VK_SHIFT);
    switch (key) {
    case VK_TAB:
        SendMessage(rowWrap ? WM_VSCROLL : WM_HSCROLL, shift ? SB_LINEUP : SB_LINEDOWN);
        break;
    case VK_RETURN:
    case VK_DOWN:
        SendMessage(WM_VSCROLL, SB_LINEDOWN);
        break;
    case VK_UP:
        SendMessage(WM_VSCROLL, SB_LINEUP);
        break;
    case VK_RIGHT:
        SendMessage(WM_HSCROLL, SB_LINEDOWN);
        break;
    case VK_LEFT:
        SendMessage(WM_HSCROLL, SB_LINEUP);
        break;
    default:
        break;
    }
}

// Delete empties the focus cell, telling the container before and after.
void CNorvakCtrl::ClearFocusCell(CNorvakPage& page)
{
    const CCellCoord focus = page.m_focusCell;
    if (!IsCellEditable(-1, focus.row, focus.col))
        return;
    SendMessageToParent(focus.row, focus.col, int(kNotifyBeginEdit));
    SetItemText(-1, focus.row, focus.col, "");
    SetModified(-1, TRUE, focus.row, focus.col);
    SendMessageToParent(focus.row, focus.col, int(kNotifyEndEdit));
    RedrawCell(focus);
}

void CNorvakCtrl::OnKeyUp(UINT key, UINT, UINT)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return;
    if (!ref.page->m_bDragAndDrop) {
        m_hDragCursor = nullptr;
        return;
    }
    if (key == VK_CONTROL && (IsFrameEdge(m_nDownHitCode) || m_nDownHitCode == kFrameInside))
        SetDragCursor(::LoadCursorW(OleModule::Instance(), MAKEINTRESOURCEW(IDC_DRAG_MOVE)), true);
}

void CNorvakCtrl::OnChar(UINT ch, UINT, UINT)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return;
    const CNorvakPage& page = *ref.page;
    if (KeyHeld(VK_CONTROL) || page.m_nMouseMode != 0 || ch == VK_RETURN || (ch == VK_TAB && page.m_bTabMovesOnly))
        return;
    OnEditPageCell(page.m_focusCell.row, page.m_focusCell.col, int(ch));
}

void CNorvakCtrl::OnEditSelectAll()
{
    SelectAllCells(-1);
}

// A key the control does not act on is left to the container (its shortcuts, its menus): the
// container translates it and what it does not use comes back as an ordinary message. A shortcut
// or a menu key pressed in the cell editor ends the edit first, so the text typed is stored before
// the container's command runs.
bool CNorvakCtrl::LeavesKeyToContainer(const MSG& msg)
{
    if (!m_hWnd || (msg.hwnd != m_hWnd && !::IsChild(m_hWnd, msg.hwnd)))
        return false;
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    const bool inEditBox = msg.hwnd != m_hWnd && IsEditBox(msg.hwnd);
    const SheetModel::HeldKeys held{KeyHeld(VK_CONTROL), KeyHeld(VK_MENU)};
    if (SheetModel::ControlKeepsKey(msg.message, UINT(msg.wParam), held, inEditBox))
        return false;
    const bool keyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (keyDown && inEditBox && ::GetDlgCtrlID(msg.hwnd) == kCellEditId)
        ::SetFocus(m_hWnd);
    return true;
}

bool CNorvakCtrl::PreTranslateMessage(MSG* msg)
{
    if (!m_hWnd || !msg || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)))
        return false;
    if (LeavesKeyToContainer(*msg))
        return false;
    ::TranslateMessage(msg);
    ::DispatchMessageW(msg);
    return true;
}

// ---- in-place editing ----

void CNorvakCtrl::EnsureVisibleInPane(int row, int col)
{
    switch (GetLockedArea(-1, CCellCoord(row, col))) {
    case kPaneLockedRows:
        EnsureVisible(-1, row, col, kEnsureHorz);
        break;
    case kPaneLockedCols:
        EnsureVisible(-1, row, col, kEnsureVert);
        break;
    case kPaneScrolling:
        EnsureVisible(-1, row, col, kEnsureBoth);
        break;
    default:
        break;
    }
}

// The rectangle of the cell, or of its whole merge; a merge opens the edit on its origin, clipped
// to the first shown cell of its pane when part of it is scrolled away.
BOOL CNorvakCtrl::GetEditRect(int row, int col, CCellCoord& edited, CRect& rect)
{
    edited = CCellCoord(row, col);
    const CNorvakCell* cell = GetPageCell(-1, row, col);
    if (!cell)
        return FALSE;
    if (cell->IsCovered())
        edited = cell->GetMergeOrigin();
    const CNorvakCell* origin = GetPageCell(-1, edited.row, edited.col);
    if (!origin || (!cell->IsCovered() && !cell->IsMergeOrigin()))
        return GetCellRect(-1, row, col, &rect);
    CRect first, last, shown;
    if (!GetCellRect(-1, edited.row, edited.col, &first) ||
        !GetCellRect(-1, edited.row + origin->GetRowSpan(), edited.col + origin->GetColSpan(), &last))
        return FALSE;
    const CCellCoord firstShown = GetTopLeftCellByArea(-1, GetLockedArea(-1, edited));
    if (!GetCellRect(-1, firstShown.row, firstShown.col, &shown))
        shown = first;
    rect = CRect(std::max(first.left, shown.left) - 1, std::max(first.top, shown.top) - 1, last.right, last.bottom);
    return TRUE;
}

void CNorvakCtrl::OnEditPageCell(int row, int col, int firstKey)
{
    if (!GetPageRef(-1))
        return;
    EnsureVisibleInPane(row, col);
    if (!IsValidCell(-1, row, col) || !IsCellEditable(-1, row, col) || !IsCellVisible(-1, row, col))
        return;
    CCellCoord edited;
    CRect rect;
    if (!GetEditRect(row, col, edited, rect))
        return;
    SendMessageToParent(edited.row, edited.col, int(kNotifyBeginEdit));
    CCellItem item;
    item.row = edited.row;
    item.col = edited.col;
    item.mask = CIM_TEXT | CIM_FORMAT;
    if (!GetItem(-1, &item))
        return;
    const DWORD alignment = (item.format & 2) ? ES_RIGHT : (item.format & 1) ? ES_CENTER : ES_LEFT;
    CreateInPlaceEditControl(rect, alignment, kCellEditId, edited.row, edited.col, item.text, firstKey);
}

CCellEdit* CNorvakCtrl::CreateInPlaceEditControl(const CRect& rect, DWORD style, UINT id, int row, int col,
                                                 const CString& text, int firstKey)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return nullptr;
    CRect area = rect;
    if (const CNorvakCell* cell = GetPageCell(-1, row, col); cell && (cell->IsCovered() || cell->IsMergeOrigin()))
    {
        area.left += 1;
        area.top += 1;
    }
    if (ref.page->m_bMultiLineEdit)
        style = WS_VISIBLE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_MULTILINE;
    auto* edit = new CCellEdit(row, col, text, firstKey);
    if (!edit->Create(m_hWnd, area, style, id)) {
        delete edit;
        return nullptr;
    }
    return edit;
}

void CNorvakCtrl::OnEndEditPageCell(int row, int col, const CString& text)
{
    if (GetPageCellText(-1, row, col) == text)
        return;
    SetModified(-1, TRUE, row, col);
    SetItemText(-1, row, col, text);
}

void CNorvakCtrl::OnEndInPlaceEdit(const NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (!m_hWnd || !::IsWindow(m_hWnd))
        return;
    const CCellItem& item = reinterpret_cast<const CCellDispInfo*>(header)->item;
    OnEndEditPageCell(item.row, item.col, item.text);
    RedrawCell(CCellCoord(item.row, item.col));
    SendMessageToParent(item.row, item.col, int(kNotifyEndEdit));
    const int key = item.value;
    if (!ContinuesEdit(key))
        return;
    OnKeyDown(UINT(key), 1, 0);
    if (PageRef ref = GetPageRef(-1))
        OnEditPageCell(ref.page->m_focusCell.row, ref.page->m_focusCell.col, key | kFirstKeyNavigation);
}
