#include "gridwnd/EditListCtrl.h"

#include "framework/CommonControls.h"

#include <vector>

bool CEditListCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    EnsureCommonControls();
    return CreateEx(0, WC_LISTVIEWW, L"", style, rect, parent, id);
}

void CEditListCtrl::PreSubclassWindow()
{
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, kExtendedStyles, kExtendedStyles);
}

CString CEditListCtrl::GetItemText(int item, int subItem) const
{
    std::vector<wchar_t> buffer(1024);
    LVITEMW request{};
    request.iSubItem = subItem;
    request.pszText = buffer.data();
    request.cchTextMax = int(buffer.size());
    const int length = int(SendMessage(LVM_GETITEMTEXTW, WPARAM(item), reinterpret_cast<LPARAM>(&request)));
    return CString::FromWide(buffer.data(), length);
}

LRESULT CEditListCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
        Default();
        OnLButtonDown(CPoint::FromLParam(lp));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == kEditId && HIWORD(wp) == EN_KILLFOCUS)
            m_strLastEdited = CWnd::TextOf(reinterpret_cast<HWND>(lp));
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        CloseEdit();
        break;
    case WM_KEYDOWN:
        if (OnKeyDown(UINT(wp)))
            return 0;
        break;
    default:
        break;
    }
    return Default();
}

bool CEditListCtrl::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT* result)
{
    if (msg == WM_MEASUREITEM) {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        item->itemHeight = kItemHeight;
        item->itemWidth = kItemWidth;
        *result = TRUE;
        return true;
    }
    if (msg == WM_NOTIFY) {
        // The items moved or changed under the box: it would stand over the wrong text. The owner
        // still hears of it.
        switch (reinterpret_cast<const NMHDR*>(lp)->code) {
        case LVN_BEGINSCROLL:
        case LVN_ENDSCROLL:
        case LVN_INSERTITEM:
        case LVN_DELETEITEM:
        case LVN_DELETEALLITEMS:
        case LVN_COLUMNCLICK:
            CloseEdit();
            break;
        default:
            break;
        }
    }
    return false;
}

void CEditListCtrl::OnLButtonDown(CPoint point)
{
    LVHITTESTINFO hit{};
    hit.pt = point;
    SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    RedrawRow(m_nCurrentRow);
    m_nCurrentRow = m_nFocusRow = hit.iItem;
    RedrawRow(m_nCurrentRow);
    if (hit.iItem >= 0 && hit.iSubItem > 0 && (hit.flags & LVHT_ONITEM))
        OpenEdit(hit.iItem, hit.iSubItem);
    else
        CloseEdit();
}

void CEditListCtrl::OpenEdit(int item, int subItem)
{
    CRect rect;
    rect.top = subItem;
    rect.left = LVIR_LABEL;
    if (!SendMessage(LVM_GETSUBITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&rect)))
        return;
    CloseEdit();
    if (!m_edit.Create(kEditStyle, rect, m_hWnd, kEditId))
        return;
    m_nEditItem = item;
    m_nEditSubItem = subItem;
    m_edit.SetFont(GetFont());
    m_edit.SetWindowText(GetItemText(item, subItem));
    m_edit.SetFocus();
    m_edit.SetSel(0, -1);
}

void CEditListCtrl::CloseEdit()
{
    if (m_edit.GetSafeHwnd())
        m_edit.DestroyWindow();
    m_nEditItem = m_nEditSubItem = -1;
}

bool CEditListCtrl::OnKeyDown(UINT key)
{
    const int count = GetItemCount();
    if (count <= 0)
        return false;
    int row = m_nCurrentRow;
    switch (key) {
    case VK_UP:
        row = row <= 0 ? count - 1 : row - 1;
        break;
    case VK_DOWN:
        row = row >= count - 1 ? 0 : row + 1;
        break;
    case VK_PRIOR:
        row = 0;
        break;
    case VK_NEXT:
        row = count - 1;
        break;
    default:
        return false;
    }
    RedrawRow(m_nFocusRow);
    MakeCurrent(row);
    SendMessage(LVM_ENSUREVISIBLE, WPARAM(row), FALSE);
    RedrawRow(row);
    return true;
}

void CEditListCtrl::MakeCurrent(int row)
{
    // The list's own selection follows the current row; its own key handling would move it twice.
    m_nCurrentRow = m_nFocusRow = row;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&state));
}

void CEditListCtrl::RedrawRow(int row)
{
    if (row < 0)
        return;
    m_rowRect.left = LVIR_BOUNDS;
    if (SendMessage(LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&m_rowRect)))
        InvalidateRect(m_rowRect, true);
}
