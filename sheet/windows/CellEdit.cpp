#include "sheet/windows/CellEdit.h"

namespace {

bool IsEndingNavigationKey(WPARAM key)
{
    return key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN);
}

bool CtrlHeld()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

} // namespace

CCellEdit::CCellEdit(int row, int col, const CString& initialText, int firstKey)
    : m_nRow(row), m_nColumn(col), m_strInitText(initialText), m_nFirstKey(firstKey),
      m_bEndOnArrows(firstKey != kFirstKeyKeepText)
{
}

bool CCellEdit::Create(HWND parent, const RECT& rect, DWORD style, UINT id)
{
    m_hParent = parent;
    if (!CreateEx(0, L"EDIT", nullptr, style | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rect, parent, id))
        return false;
    SetFont(reinterpret_cast<HFONT>(::SendMessageW(parent, WM_GETFONT, 0, 0)), true);
    SetWindowText(m_strInitText);
    SetFocus();
    PlaceCaret();
    return true;
}

void CCellEdit::PlaceCaret()
{
    const int key = m_nFirstKey;
    const bool caretAtEnd = key == kFirstKeyKeepText || key == VK_RETURN || key == VK_BACK;
    if (caretAtEnd) {
        const int length = ::GetWindowTextLengthW(m_hWnd);
        SendMessage(EM_SETSEL, WPARAM(length), -1);
    } else {
        SendMessage(EM_SETSEL, 0, -1);
    }
    SendMessage(EM_SCROLLCARET);
    const bool typed = key != 0 && key != kFirstKeyKeepText && key != VK_RETURN && key != VK_TAB &&
                       !(key & kFirstKeyNavigation);
    if (typed)
        SendMessage(WM_CHAR, WPARAM(key));
}

bool CCellEdit::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_SYSCHAR)
        return true;
    if (msg->wParam == VK_DELETE) {
        ::TranslateMessage(msg);
        ::DispatchMessageW(msg);
        return true;
    }
    return false;
}

LRESULT CCellEdit::WindowProc(UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (IsEndingNavigationKey(wp) && (m_bEndOnArrows || CtrlHeld())) {
            EndWithKey(int(wp));
            return 0;
        }
        break;
    case WM_CHAR:
        if (wp == VK_TAB) {
            EndWithKey(VK_TAB);
            return 0;
        }
        if (wp == VK_ESCAPE) {
            SetWindowText(m_strInitText);
            EndWithKey(VK_ESCAPE);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KILLFOCUS: {
        LRESULT result = Default();
        EndEdit();
        return result;
    }
    default:
        break;
    }
    return Default();
}

void CCellEdit::EndWithKey(int key)
{
    m_nLastKey = key;
    ::SetFocus(m_hParent);
}

void CCellEdit::EndEdit()
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    HWND self = m_hWnd;
    CCellDispInfo::Send(m_hWnd, UINT(GetDlgCtrlID()), m_nRow, m_nColumn, GetWindowText(), UINT(m_nLastKey));
    ::PostMessageW(self, WM_CLOSE, 0, 0);
}
