// Focus and selection of the grid: the focus marks and the owner's notifications, merged areas
// taken whole, the drag modes, the kept cells, and a disabled selection touching no cell.

#include "tests/support/GridStoreFixture.h"

#include <tuple>

using Notice = std::tuple<int, int, int>;

TEST(GridSelection, FocusMovesItsMarkAndTellsTheOwnerOnlyWhenItMoves)
{
    GridStore grid(5, 5, 1, 1);
    EXPECT_EQ(grid.selection.MoveGridFocus(2, 2), CCellCoord());
    EXPECT_EQ(grid.selection.MoveGridFocus(2, 2), CCellCoord(2, 2));
    EXPECT_EQ(grid.selection.MoveGridFocus(3, 1), CCellCoord(2, 2));
    EXPECT_EQ(grid.view.notices, (std::vector<Notice>{{2, 2, -101}, {2, 2, -100}, {3, 1, -101}}));
    EXPECT_EQ(grid.CellsWith(CIS_FOCUSED), (std::vector<CCellCoord>{{3, 1}}));

    grid.view.notices.clear();
    EXPECT_EQ(grid.selection.MoveGridFocus(9, 9), CCellCoord(3, 1)) << "outside the grid: no focus";
    EXPECT_EQ(grid.selection.GetFocusCell(), CCellCoord());
    EXPECT_EQ(grid.view.notices, (std::vector<Notice>{{3, 1, -100}}));
    EXPECT_TRUE(grid.CellsWith(CIS_FOCUSED).empty());
}

TEST(GridSelection, FocusOnAMergedAreaSelectsAndMarksTheWholeArea)
{
    GridStore grid(6, 6, 1, 1);
    grid.Merge(2, 2, 3, 4);
    for (CCellCoord into : {CCellCoord(3, 4), CCellCoord(2, 2)}) {
        grid.selection.ClearGridSelection();
        grid.view.notices.clear();
        grid.selection.MoveGridFocus(into.row, into.col);
        EXPECT_EQ(grid.selection.GetSelectedGridRange(), CCellRect(2, 2, 3, 4));
        EXPECT_EQ(grid.CellsWith(CIS_FOCUSED).size(), 6u);
        EXPECT_TRUE(grid.view.notices.empty()) << "a merged focus sends no -101";
    }
    grid.selection.MoveGridFocus(5, 5);
    EXPECT_EQ(grid.CellsWith(CIS_FOCUSED), (std::vector<CCellCoord>{{5, 5}})) << "the area's marks go too";
}

TEST(GridSelection, DragModesSelectFromTheStartCell)
{
    struct Case
    {
        int mode;
        BOOL listAndSingleRow;
        CCellRect expected;
    };
    const Case cases[] = {
        {kGridSelectAll, FALSE, {1, 1, 7, 5}},   {kGridSelectColumns, FALSE, {1, 2, 7, 4}},
        {kGridSelectRows, FALSE, {2, 1, 5, 5}},  {kGridSelectRows, TRUE, {5, 1, 5, 5}},
        {kGridSelectCells, FALSE, {2, 2, 5, 4}}, {kGridSelectCells, TRUE, {2, 2, 5, 4}},
    };
    for (const Case& c : cases) {
        GridStore grid(8, 6, 1, 1);
        grid.selection.m_bListMode = grid.selection.m_bSingleRowMode = c.listAndSingleRow;
        grid.selection.m_startCell = CCellCoord(2, 4);
        grid.selection.ExtendDragSelection(CCellCoord(5, 2), c.mode);
        EXPECT_EQ(grid.selection.GetSelectedGridRange(), c.expected) << "mode " << c.mode;
        const CCellRect& r = c.expected;
        EXPECT_EQ(grid.CellsWith(CIS_SELECTED).size(),
                  size_t((r.maxRow - r.minRow + 1) * (r.maxCol - r.minCol + 1)));
    }
}

TEST(GridSelection, DragOverFixedCellsSelectsNothing)
{
    GridStore grid(5, 5, 1, 1);
    grid.selection.m_startCell = CCellCoord(2, 2);
    grid.selection.ExtendDragSelection(CCellCoord(0, 3), kGridSelectRows);
    grid.selection.ExtendDragSelection(CCellCoord(3, 0), kGridSelectColumns);
    grid.selection.ExtendDragSelection(CCellCoord(0, 0), kGridSelectCells);
    grid.selection.ExtendDragSelection(CCellCoord(7, 2), kGridSelectCells);
    EXPECT_TRUE(grid.CellsWith(CIS_SELECTED).empty());
}

TEST(GridSelection, RangeTouchingAMergedAreaTakesTheWholeArea)
{
    GridStore grid(9, 9, 1, 1);
    grid.Merge(3, 3, 5, 3);
    grid.Merge(5, 4, 6, 5); // reached only once the first area has grown the range
    grid.selection.m_startCell = CCellCoord(2, 2);
    grid.selection.SelectCellSpan(CCellCoord(3, 3));
    EXPECT_EQ(grid.selection.GetSelectedGridRange(), CCellRect(2, 2, 5, 3));

    grid.selection.SelectCellSpan(CCellCoord(3, 4));
    EXPECT_EQ(grid.selection.GetSelectedGridRange(), CCellRect(2, 2, 6, 5));

    grid.selection.m_startCell = CCellCoord(7, 7);
    grid.selection.SelectCellSpan(CCellCoord(6, 4));
    EXPECT_EQ(grid.selection.GetSelectedGridRange(), CCellRect(5, 4, 7, 7))
        << "a covered cell pulls to its origin";
}

TEST(GridSelection, WideningReachesAreasThroughOthersInEveryDirection)
{
    // Each chain: a range that touches the first area, which alone reaches the second.
    struct Case
    {
        CCellRect first, second, from, expected;
    };
    const Case cases[] = {
        {{4, 4, 4, 5}, {2, 4, 3, 4}, {3, 5, 4, 5}, {2, 4, 4, 5}}, // left, into a row passed
        {{2, 5, 4, 5}, {1, 3, 2, 4}, {4, 4, 5, 5}, {1, 3, 5, 5}}, // up, then up and left
        {{3, 3, 3, 4}, {2, 4, 2, 6}, {2, 3, 3, 3}, {2, 3, 3, 6}}, // right, into a row passed
    };
    for (const Case& c : cases) {
        GridStore grid(9, 9, 1, 1);
        grid.Merge(c.first.minRow, c.first.minCol, c.first.maxRow, c.first.maxCol);
        grid.Merge(c.second.minRow, c.second.minCol, c.second.maxRow, c.second.maxCol);
        grid.selection.m_startCell = CCellCoord(c.from.minRow, c.from.minCol);
        grid.selection.SelectCellSpan(CCellCoord(c.from.maxRow, c.from.maxCol));
        EXPECT_EQ(grid.selection.GetSelectedGridRange(), c.expected);
    }
}

TEST(GridSelection, InvalidRangeOnlyClearsAndReselectsTheKeptCells)
{
    GridStore grid(6, 6, 1, 1);
    grid.selection.ApplyGridSelection(1, 1, 3, 3);
    grid.selection.KeptCells().Add(CCellCoord(5, 5));
    grid.selection.ApplyGridSelection(2, 4, 1, 4);
    EXPECT_EQ(grid.CellsWith(CIS_SELECTED), (std::vector<CCellCoord>{{5, 5}}));
    EXPECT_EQ(grid.selection.GetSelectedGridRange(), CCellRect(5, 5, 5, 5));

    grid.selection.m_bSingleRowMode = TRUE;
    grid.selection.ApplyGridSelection(-1, -1, -1, -1);
    EXPECT_TRUE(grid.CellsWith(CIS_SELECTED).empty()) << "single-row mode keeps nothing";
    EXPECT_EQ(grid.selection.GetSelectedGridRange(), CCellRect(6, 6, -1, -1));
}

TEST(GridSelection, OnlyTheCellsThatChangeAreRedrawn)
{
    GridStore grid(6, 6, 1, 1);
    grid.selection.ApplyGridSelection(1, 1, 2, 2);
    grid.view.redrawn.clear();
    grid.selection.ApplyGridSelection(2, 1, 3, 2);
    EXPECT_EQ(grid.view.redrawn, (std::vector<CCellCoord>{{1, 1}, {1, 2}, {3, 1}, {3, 2}}));
    EXPECT_EQ(grid.CellsWith(CIS_SELECTED), (std::vector<CCellCoord>{{2, 1}, {2, 2}, {3, 1}, {3, 2}}));
}

TEST(GridSelection, ALargeSelectionChangesARangeAtATime)
{
    GridStore grid(2001, 10, 1, 1);
    grid.selection.MoveGridFocus(5, 5);
    grid.selection.SelectWholeGrid();
    EXPECT_EQ(grid.selection.GetSelectedCells().GetCount(), 2000 * 9);
    EXPECT_LE(grid.selection.GetSelectedCells().Rects().size(), 4u) << "held as a few rectangles";
    EXPECT_TRUE(grid.State(2000, 9) & CIS_SELECTED);
    EXPECT_TRUE(grid.State(1, 1) & CIS_SELECTED);

    grid.selection.KeptCells().Add(CCellCoord(7, 7));
    grid.selection.ApplyGridSelection(3, 3, 4, 4);
    EXPECT_EQ(grid.selection.GetSelectedCells().GetCount(), 5);
    EXPECT_FALSE(grid.State(2000, 9) & CIS_SELECTED);
    EXPECT_TRUE(grid.State(7, 7) & CIS_SELECTED) << "the kept cell";
    EXPECT_TRUE(grid.State(4, 4) & CIS_SELECTED);
    EXPECT_FALSE(grid.State(5, 5) & CIS_SELECTED);
}

TEST(GridSelection, DisabledSelectionChangesNoCellState)
{
    GridStore grid(6, 6, 1, 1);
    grid.Merge(2, 2, 3, 3);
    grid.selection.ApplyGridSelection(1, 1, 1, 4);
    grid.selection.MoveGridFocus(1, 1);
    const std::vector<CCellCoord> selected = grid.CellsWith(CIS_SELECTED);
    const std::vector<CCellCoord> focused = grid.CellsWith(CIS_FOCUSED);
    grid.selection.m_bEnabled = FALSE;
    grid.selection.m_startCell = CCellCoord(4, 4);
    for (int mode : {kGridSelectAll, kGridSelectColumns, kGridSelectRows, kGridSelectCells})
        grid.selection.ExtendDragSelection(CCellCoord(5, 5), mode);
    grid.selection.SelectWholeGrid();
    grid.selection.SelectCellSpan(CCellCoord(5, 5));
    grid.selection.ApplyGridSelection(2, 2, 4, 4);
    grid.selection.MoveGridFocus(2, 3);
    grid.selection.MoveGridFocus(4, 4);
    grid.selection.ClearGridSelection();
    EXPECT_EQ(grid.CellsWith(CIS_SELECTED), selected);
    EXPECT_EQ(grid.CellsWith(CIS_FOCUSED), focused);
}

TEST(GridSelection, ResetForgetsTheSelectionAndAFocusPastTheCounts)
{
    GridStore grid(6, 6, 1, 1);
    grid.selection.ApplyGridSelection(1, 1, 4, 4);
    grid.selection.MoveGridFocus(4, 4);
    grid.selection.Reset();
    EXPECT_TRUE(grid.CellsWith(CIS_SELECTED).empty());
    EXPECT_EQ(grid.selection.GetSelectedCells().GetCount(), 0);
    grid.selection.DropFocusOutside(5, 6);
    EXPECT_EQ(grid.selection.GetFocusCell(), CCellCoord(4, 4));
    grid.selection.DropFocusOutside(4, 6);
    EXPECT_EQ(grid.selection.GetFocusCell(), CCellCoord());
}
