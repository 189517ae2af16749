#include "gridwnd/GridInPlaceEdit.h"

#include "gridwnd/GridCtrl.h"

#include <new>

CGridInPlaceEdit::CGridInPlaceEdit(int row, int col, UINT id, const CString& original)
    : m_row(row), m_col(col), m_id(id), m_original(original)
{
}

CGridInPlaceEdit* CGridInPlaceEdit::Start(HWND parent, const CRect& rect, DWORD style, UINT id, int row,
                                          int col, const CString& text, UINT firstChar, const LOGFONTA& font)
{
    auto* edit = new (std::nothrow) CGridInPlaceEdit(row, col, id, text);
    if (!edit)
        return nullptr;
    if (!edit->Create(style, rect, parent, id)) {
        delete edit;
        return nullptr;
    }
    edit->m_font.CreateFontIndirect(&font);
    edit->SetFont(edit->m_font);
    const bool keepsText = firstChar == VK_LBUTTON || (firstChar & kGridEditByKey);
    edit->m_bExitOnArrows = firstChar != VK_LBUTTON;
    if (keepsText) {
        edit->SetWindowText(text);
        edit->SetSel(0, -1);
    } else if (firstChar >= L' ') {
        const wchar_t typed = wchar_t(firstChar);
        edit->SetWindowText(CString::FromWide(&typed, 1));
        // The caret after it, where the next character goes.
        const int end = ::GetWindowTextLengthW(edit->m_hWnd);
        edit->SetSel(end, end);
    }
    edit->SetFocus();
    return edit;
}

bool CGridInPlaceEdit::EndsEdit(UINT key) const
{
    switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
        return m_bExitOnArrows || ::GetKeyState(VK_CONTROL) < 0;
    default:
        return false;
    }
}

LRESULT CGridInPlaceEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (!EndsEdit(UINT(wp)))
            break;
        if (wp == VK_ESCAPE)
            SetWindowText(m_original);
        EndEdit(UINT(wp));
        return 0;
    case WM_CHAR:
        if (wp == VK_TAB || wp == VK_RETURN || wp == VK_ESCAPE)
            return 0; // ended on the key press; no beep
        break;
    case WM_KILLFOCUS:
        Default();
        EndEdit(0);
        return 0;
    case WM_MOUSEWHEEL:
        // The wheel turns the grid's view, this edit going with its cell.
        return ::SendMessageW(::GetParent(m_hWnd), msg, wp, lp);
    default:
        break;
    }
    return Default();
}

void CGridInPlaceEdit::EndEdit(UINT key)
{
    if (m_bEnding || !m_hWnd)
        return;
    m_bEnding = true;
    const CString text = GetWindowText();
    // Out of the way before the owner opens the next edit: no focus, no id, not shown.
    const HWND target = CellNotifyTarget(m_hWnd);
    if (::GetFocus() == m_hWnd && target)
        ::SetFocus(target);
    ::SetWindowLongPtrW(m_hWnd, GWLP_ID, 0);
    ShowWindow(SW_HIDE);
    CCellDispInfo::Send(m_hWnd, m_id, m_row, m_col, text, key);
    if (m_hWnd)
        PostMessage(WM_CLOSE);
}
