// The grid's title tip: a pointer resting on a normal cell that cuts its text off shows the whole
// text in a tip over the cell; a movement, key, click, wheel turn, scroll or move of the window
// hides it, and it goes with the grid.

#include "tests/support/GridWindowFixture.h"

#include <functional>
#include <string>
#include <utility>

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

constexpr char kLong[] = "a line far wider than its cell";

// Rows of 20 and columns of 40 (row 0 and column 0 fixed).
struct TipHost : GridHost
{
    TipHost() { Shape(8, 6, 1, 1, 20, 40); }
    bool HoverOn(int row, int col)
    {
        const CPoint at = CentreOf(row, col);
        Post(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        Post(WM_MOUSEHOVER, 0, MAKELPARAM(at.x, at.y));
        return grid.TitleTip().IsShown();
    }
};

} // namespace

TEST(GridTitleTip, ShowsOnlyTextsTheirCellsCutOff)
{
    TipHost host;
    const struct
    {
        const char* name;
        int row, col;
        const char* text;
        bool tip;
    } cases[] = {
        {"a short text fits", 2, 2, "ab", false},
        {"a long line is cut", 2, 3, kLong, true},
        {"an empty cell", 3, 2, "", false},
        {"a fixed cell", 0, 2, kLong, false},
        {"a merged area wide enough for it", 5, 1, "merged text", false},
    };
    host.Merge(5, 1, 5, 4);
    for (const auto& c : cases)
        host.grid.SetItemText(c.row, c.col, c.text);
    for (const auto& c : cases) {
        EXPECT_EQ(host.HoverOn(c.row, c.col), c.tip) << c.name;
        if (c.tip) {
            EXPECT_STREQ(host.grid.TitleTip().GetText().GetString(), c.text) << c.name;
        }
        host.grid.TitleTip().Hide();
    }
    host.grid.SetItemText(5, 1, "merged text that is wider than the four columns of its area");
    EXPECT_TRUE(host.HoverOn(5, 3)) << "a covered cell shows its area's text";
}

TEST(GridTitleTip, TheTipStandsOverTheCellAndGrowsToTheText)
{
    TipHost host;
    host.grid.SetItemText(2, 2, kLong);
    ASSERT_TRUE(host.HoverOn(2, 2));
    CRect cell;
    ASSERT_TRUE(host.grid.GetGridCellRect(2, 2, cell));
    host.grid.ClientToScreen(cell);
    CRect tip;
    ::GetWindowRect(host.grid.TitleTip(), &tip);
    EXPECT_EQ(tip.TopLeft(), CPoint(cell.left + 2, cell.top)) << "where the cell's text begins";
    EXPECT_GT(tip.Width(), cell.Width() + 40);
    EXPECT_EQ(::GetFocus(), host.grid.GetSafeHwnd()) << "the keys still reach the grid";
}

TEST(GridTitleTip, AMovementAKeyAClickTheWheelAScrollOrAMoveHidesIt)
{
    TipHost host;
    host.grid.SetItemText(2, 2, kLong);
    host.grid.MoveGridFocus(3, 3);
    const CPoint elsewhere = host.CentreOf(4, 4);
    const std::vector<std::pair<const char*, std::function<void()>>> hiders = {
        {"a movement", [&] { host.Post(WM_MOUSEMOVE, 0, MAKELPARAM(elsewhere.x, elsewhere.y)); }},
        {"a key", [&] { host.Key(VK_DOWN, host.grid); }},
        {"a click", [&] { host.Click(elsewhere); }},
        {"the wheel", [&] { host.Post(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0); }},
        {"a scroll", [&] { host.Post(WM_VSCROLL, SB_LINEDOWN); }},
        {"a move of the window", [&] { ::SetWindowPos(host.grid, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }},
    };
    for (const auto& [name, hide] : hiders) {
        host.Post(WM_VSCROLL, SB_TOP);
        ::SetWindowPos(host.grid, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_TRUE(host.HoverOn(2, 2)) << name;
        hide();
        EXPECT_FALSE(host.grid.TitleTip().IsShown()) << name;
    }
}

TEST(GridTitleTip, GoesWithTheGrid)
{
    HWND tip = nullptr;
    {
        TipHost host;
        host.grid.SetItemText(2, 2, kLong);
        ASSERT_TRUE(host.HoverOn(2, 2));
        tip = host.grid.TitleTip();
        host.grid.DestroyWindow();
        EXPECT_FALSE(::IsWindow(tip)) << "the popup goes with the grid's window";
    }
}
