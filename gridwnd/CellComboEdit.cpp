#include "gridwnd/CellComboEdit.h"

#include "gridwnd/CellComboList.h"

HWND CCellComboEdit::Box() const
{
    return CellNotifyTarget(m_hWnd);
}

bool CCellComboEdit::IsPageOrArrowKey(UINT key)
{
    return key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN);
}

LRESULT CCellComboEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KILLFOCUS: {
        Default();
        const HWND box = Box();
        const HWND next = reinterpret_cast<HWND>(wp);
        // The focus going to the box itself or its list is no end of the edit.
        if (next != box && !(next && ::GetParent(next) == box))
            if (auto* combo = dynamic_cast<CCellComboList*>(CWnd::FromHandlePermanent(box)))
                combo->EndEdit();
        return 0;
    }
    case WM_KEYDOWN:
        if (IsPageOrArrowKey(UINT(wp)) && ::GetKeyState(VK_CONTROL) < 0 && GetDlgCtrlID() == kEditId) {
            ::SendMessageW(Box(), WM_KEYDOWN, wp, lp);
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wp == VK_TAB || wp == VK_RETURN || wp == VK_ESCAPE) {
            ::SendMessageW(Box(), WM_KEYUP, wp, lp);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wp == VK_TAB || wp == VK_RETURN || wp == VK_ESCAPE)
            return 0; // handled on the key's release; no beep
        break;
    default:
        break;
    }
    return Default();
}
