#include "gridwnd/CellComboList.h"

CCellComboList::CCellComboList(int row, int col, const CString& initialText, bool arrowsEndEdit)
    : m_strInitText(initialText), m_nRow(row), m_nCol(col), m_bExitOnArrows(arrowsEndEdit)
{
}

bool CCellComboList::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!CComboBox::Create(style, rect, parent, id))
        return false;
    if (HWND edit = ::GetDlgItem(m_hWnd, CCellComboEdit::kEditId))
        m_edit.SubclassWindow(edit);
    return true;
}

bool CCellComboList::OwnsWindow(HWND hwnd) const
{
    return hwnd && (hwnd == m_hWnd || ::GetParent(hwnd) == m_hWnd);
}

LRESULT CCellComboList::WindowProc(UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KILLFOCUS:
        Default();
        if (IsDropDownList() && !OwnsWindow(reinterpret_cast<HWND>(wp)))
            EndEdit();
        return 0;
    case WM_KEYDOWN:
        if (CCellComboEdit::IsPageOrArrowKey(UINT(wp)) &&
            (m_bExitOnArrows || ::GetKeyState(VK_CONTROL) < 0)) {
            GiveBackFocus(UINT(wp));
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wp == VK_ESCAPE)
            RestoreInitialText();
        if (wp == VK_ESCAPE || wp == VK_TAB || wp == VK_RETURN) {
            GiveBackFocus(UINT(wp));
            return 0;
        }
        break;
    case WM_CHAR:
        if (wp == VK_TAB || wp == VK_RETURN || wp == VK_ESCAPE)
            return 0;
        break;
    case WM_LBUTTONDBLCLK:
        SendMessage(CB_SHOWDROPDOWN, FALSE);
        break;
    default:
        break;
    }
    return Default();
}

void CCellComboList::GiveBackFocus(UINT key)
{
    m_nLastKey = key;
    // The parent taking the focus ends the edit; a parent that will not take it ends it here.
    if (HWND parent = GetParent())
        ::SetFocus(parent);
    EndEdit();
}

void CCellComboList::RestoreInitialText()
{
    if (IsDropDownList())
        SetCurSel(int(SendMessage(CB_FINDSTRINGEXACT, WPARAM(-1),
                                  reinterpret_cast<LPARAM>(m_strInitText.ToWide().c_str()))));
    else
        SetWindowText(m_strInitText);
}

void CCellComboList::EndEdit()
{
    if (m_bEnded || !m_hWnd)
        return;
    m_bEnded = true;
    CCellDispInfo::Send(m_hWnd, UINT(GetDlgCtrlID()), m_nRow, m_nCol, GetWindowText(), m_nLastKey);
    if (m_hWnd)
        PostMessage(WM_CLOSE);
}

void CCellComboList::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
