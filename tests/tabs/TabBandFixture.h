#pragma once

// A control in the test container, shown and wide enough for its tabs, with its band's windows at
// hand and mouse messages sent to them as a user's would be.

#include "tabs/NorvakTabBand.h"
#include "tabs/model/TabGeometry.h"
#include "tests/support/ControlTest.h"

#include <ole2.h>

class TabBandTest : public ControlTest
{
protected:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 300;

    void SetUp() override
    {
        Create();
        Start();
        Resize(kWidth, kHeight);
        ::ShowWindow(container.ParentWindow(), SW_SHOW);
        band = TabBandOf(*control);
        strip = band->Strip();
        arrows = band->Arrows();
        split = band->Split();
        // The last page inserted is active after the start; the tests start from the first.
        ASSERT_TRUE(control->ActivatePage(0, FALSE));
        Pump();
    }

    void Resize(int width, int height)
    {
        IOleInPlaceObject* inPlace = container.Query<IOleInPlaceObject>(IID_IOleInPlaceObject);
        ASSERT_NE(inPlace, nullptr);
        const RECT rect{0, 0, width, height};
        inPlace->SetObjectRects(&rect, &rect);
        inPlace->Release();
    }

    static void Pump()
    {
        MSG msg{};
        for (int n = 0; n < 20000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }

    // A press and a release at a client point of a window.
    static void Click(HWND window, POINT point)
    {
        const LPARAM at = MAKELPARAM(point.x, point.y);
        ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    }

    // The middle of a page's tab body, laid out as the strip paints it.
    POINT TabCentre(int page) const
    {
        strip->LayoutTabs();
        const CNorvakPage* record = control->GetPage(page);
        return POINT{(record->m_nTabLeft + record->m_nTabRight) / 2, (record->m_nTabTop + record->m_nTabBottom) / 2};
    }

    CRect ChildRect(HWND window) const
    {
        CRect rect;
        ::GetWindowRect(window, &rect);
        ::MapWindowPoints(HWND_DESKTOP, control->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    CNorvakTabBand* band = nullptr;
    CPageTitle* strip = nullptr;
    CTabScroll* arrows = nullptr;
    CTabSplitBox* split = nullptr;
};
