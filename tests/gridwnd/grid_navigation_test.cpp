// Keyboard moves of the grid's focus cell, as a table over one grid: a fixed row and column, a
// merged area three rows high and two columns wide, and a column of width 0.

#include "gridwnd/GridNavigation.h"
#include "tests/support/GridStoreFixture.h"

namespace {

// Columns 0..5 (column 0 fixed, column 4 of width 0), rows 0..5 (row 0 fixed); cells (2,2)..(4,3)
// merged.
struct NavigationGrid : GridStore
{
    NavigationGrid() : GridStore(6, 6, 1, 1)
    {
        store.SetColumnWidth(4, 0);
        Merge(2, 2, 4, 3);
    }
};

struct KeyCase
{
    CCellCoord focus;
    UINT key;
    bool shift;
    CCellCoord next;
    CGridKeyWrap wrap;
};

const CGridKeyWrap kNone = CGridKeyWrap::None;

} // namespace

TEST(GridNavigation, KeysMoveTheFocusOverMergesAndHiddenColumns)
{
    const KeyCase cases[] = {
        {{1, 1}, VK_TAB, false, {1, 2}, kNone},
        {{1, 3}, VK_TAB, false, {1, 5}, kNone},                 // column 4 has no width
        {{1, 5}, VK_TAB, false, {2, 1}, CGridKeyWrap::NextRow}, // last column: next row
        {{5, 5}, VK_TAB, false, {5, 5}, kNone},                 // last cell: stays
        {{2, 2}, VK_TAB, false, {2, 5}, kNone},                 // past the area's last column
        {{3, 1}, VK_TAB, false, {2, 2}, kNone},                 // into the area: its first cell
        {{1, 1}, VK_TAB, true, {1, 1}, kNone},                  // row 0 is fixed
        {{2, 1}, VK_TAB, true, {1, 5}, CGridKeyWrap::PreviousRow},
        {{3, 5}, VK_TAB, true, {2, 2}, kNone},
        {{2, 2}, VK_DOWN, false, {5, 2}, kNone}, // past the area's last row
        {{1, 3}, VK_RETURN, false, {2, 2}, kNone},
        {{5, 1}, VK_DOWN, false, {5, 1}, kNone}, // last row
        {{5, 3}, VK_UP, false, {2, 2}, kNone},   // to the area's first row
        {{1, 1}, VK_UP, false, {1, 1}, kNone},   // not into the fixed row
        {{2, 2}, VK_RIGHT, false, {2, 5}, kNone},
        {{1, 5}, VK_RIGHT, false, {1, 1}, kNone}, // last column: first normal one
        {{1, 1}, VK_LEFT, false, {1, 1}, kNone},  // not into the fixed column
        {{3, 5}, VK_LEFT, false, {2, 2}, kNone},
        {{1, 1}, VK_F2, false, {1, 1}, kNone},
        {{-1, -1}, VK_DOWN, false, {-1, -1}, kNone},
    };
    NavigationGrid grid;
    for (const KeyCase& c : cases) {
        const CGridKeyMove move = MoveFocusByKey(grid.store, c.focus, c.key, c.shift);
        SCOPED_TRACE(::testing::Message() << "key " << c.key << (c.shift ? "+shift" : "") << " from ("
                                          << c.focus.row << ", " << c.focus.col << ")");
        EXPECT_EQ(move.next, c.next);
        EXPECT_EQ(move.bMoved, !(c.next == c.focus));
        EXPECT_EQ(move.wrap, c.wrap);
    }
}

TEST(GridNavigation, PageKeysMoveTheFocusRowAsFarAsTheViewMoved)
{
    struct Case
    {
        UINT key;
        int focusRow, topBefore, topAfter, expected;
    };
    const Case cases[] = {
        {VK_NEXT, 3, 1, 6, 8},     {VK_NEXT, 17, 10, 15, 19}, // at most the last row
        {VK_NEXT, 12, 15, 15, 19},                            // the view stayed: the last row
        {VK_PRIOR, 12, 11, 6, 7},  {VK_PRIOR, 4, 5, 1, 1},    // at least the first normal row
        {VK_HOME, 9, 0, 0, 1},     {VK_END, 4, 0, 0, 19},     {VK_UP, 4, 0, 0, -1},
    };
    GridStore grid(20, 3, 1, 1);
    for (const Case& c : cases)
        EXPECT_EQ(PageFocusRow(grid.store, c.focusRow, c.key, c.topBefore, c.topAfter), c.expected)
            << "key " << c.key << " from row " << c.focusRow;
}
