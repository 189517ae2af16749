#include "tests/support/SheetDriving.h"

#include <commctrl.h>
#include <prsht.h>

HWND CurrentPage(HWND sheet)
{
    return PropSheet_GetCurrentPageHwnd(sheet);
}

CRect ControlRect(HWND page, int id)
{
    CRect rect;
    ::GetWindowRect(::GetDlgItem(page, id), &rect);
    ::MapWindowPoints(HWND_DESKTOP, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ClickPageAt(HWND page, POINT point)
{
    ::PostMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ::PostMessageW(page, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

void ClickPageControl(HWND page, int id)
{
    ClickPageAt(page, ControlRect(page, id).CenterPoint());
}

void ChooseComboItem(HWND dialog, int id, int index)
{
    HWND combo = ::GetDlgItem(dialog, id);
    ::SendMessageW(combo, CB_SETCURSEL, WPARAM(index), 0);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::wstring> TabTexts(HWND sheet)
{
    HWND tab = PropSheet_GetTabControl(sheet);
    std::vector<std::wstring> texts;
    for (int i = 0; i < TabCtrl_GetItemCount(tab); ++i) {
        wchar_t text[64]{};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        ::SendMessageW(tab, TCM_GETITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[128]{};
    ::GetWindowTextW(window, text, 128);
    return text;
}
