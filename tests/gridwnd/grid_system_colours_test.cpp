// The grid's colours when the system's change: those still taken from the system follow, those the
// program set stay. The system colours belong to the whole session, so this runs alone.

#include "tests/support/GridWindowFixture.h"

TEST(GridSystemColours, ColoursSetByTheProgramStayAndTheOthersFollow)
{
    GridHost host;
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    host.grid.SetTextBkColor(RGB(1, 2, 3));
    ASSERT_EQ(host.grid.GetFixedBkColor(), face);

    const int elements[] = {COLOR_WINDOW, COLOR_BTNFACE};
    const COLORREF changed[] = {RGB(10, 20, 30), RGB(40, 50, 60)};
    ASSERT_TRUE(::SetSysColors(2, elements, changed));
    ::SendMessageW(host.grid, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(host.grid.GetTextBkColor(), RGB(1, 2, 3));
    EXPECT_EQ(host.grid.GetFixedBkColor(), RGB(40, 50, 60));

    const COLORREF restored[] = {window, face};
    ::SetSysColors(2, elements, restored);
    ::SendMessageW(host.grid, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(host.grid.GetFixedBkColor(), face);
}
