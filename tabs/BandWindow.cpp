#include "tabs/BandWindow.h"

#include "framework/ModalUI.h"
#include "framework/OleModule.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

#include <windowsx.h>

LRESULT CBandWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SETCURSOR:
        m_control.SetCurrentCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))); // IDC_ARROW
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case WM_INITMENU:
        Default();
        OnInitMenu(reinterpret_cast<HMENU>(wp));
        return 0;
    case WM_COMMAND:
        if (lp == 0 && OnCommand(LOWORD(wp)))
            return 0;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wp, lp);
}

void CBandWindow::OpenMenu(int index, POINT screen) const
{
    HMENU menu = ::LoadMenuW(OleModule::Instance(), MAKEINTRESOURCEW(IDR_NORVAK_MENU));
    if (!menu)
        return;
    ModalUI::TrackPopupMenu(::GetSubMenu(menu, index), 0, screen.x, screen.y, m_hWnd);
    ::DestroyMenu(menu);
}
