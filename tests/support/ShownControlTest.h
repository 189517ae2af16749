#pragma once

// The fixture of the tests that drive a control with posted input: the control active in place in
// a shown container window, the focus on its window, no Shift or Ctrl held, and messages pumped as
// an OLE container's loop does.

#include "tests/support/ControlTest.h"
#include "tests/support/InputPump.h"

class ShownControlTest : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
        window = container.ControlWindow();
        ::ShowWindow(container.ParentWindow(), SW_SHOW);
        active = container.Query<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject);
        ASSERT_NE(active, nullptr);
        HoldKeys(false, false);
        ::SetFocus(window);
        Pump();
        ASSERT_EQ(::GetFocus(), window);
    }
    void TearDown() override
    {
        HoldKeys(false, false);
        if (active)
            active->Release();
    }

    void Pump() { PumpAsContainer(active); }

    // The middle of a cell of a default page: 70 x 20 pixels a cell, one fixed row and column.
    static POINT Centre(int row, int col) { return POINT{70 * col + 35, 20 * row + 10}; }

    HWND window = nullptr;
    IOleInPlaceActiveObject* active = nullptr;
};
