#pragma once

// A drop-down combo box and a sheet's tabs used with the mouse through the session's input
// (RealMouse.h): the box opened with a click on it and an item chosen with a click on it in the
// list, and a click on a tab of a property sheet.

#include "tests/support/RealMouse.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

inline HWND DroppedListOf(HWND combo)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return ::GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

inline bool IsDropped(HWND combo)
{
    return ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0 && ::IsWindowVisible(DroppedListOf(combo));
}

// The list must open and stay open while it paints; the click on the item chooses it, closes the
// list and leaves nobody holding the mouse.
inline void ChooseWithMouse(HWND combo, int item)
{
    HWND list = DroppedListOf(combo);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(RealClick(ScreenCentre(combo), [&] { return IsDropped(combo); })) << "the list did not open";
    ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ::RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(IsDropped(combo)) << "painting closed the list";
    ::SendMessageW(list, LB_SETTOPINDEX, WPARAM(item), 0); // as the user scrolls to it
    RECT itemRect{};
    ASSERT_NE(::SendMessageW(list, LB_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&itemRect)), LB_ERR);
    EXPECT_TRUE(RealClick(ScreenCentre(list, itemRect), [&] { return !IsDropped(combo); }))
        << "the click on the item did not close the list";
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), item);
    EXPECT_EQ(::GetCapture(), nullptr) << "the closed list still holds the mouse";
}

// Clicks the tab of another page of the sheet: true when the sheet showed that page.
inline bool ClickOtherTab(HWND sheet)
{
    HWND tab = PropSheet_GetTabControl(sheet);
    const int other = TabCtrl_GetCurSel(tab) == 0 ? 1 : 0;
    RECT rect{};
    TabCtrl_GetItemRect(tab, other, &rect);
    return RealClick(ScreenCentre(tab, rect), [&] { return TabCtrl_GetCurSel(tab) == other; });
}
