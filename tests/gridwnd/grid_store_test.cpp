// The grid's cell store: counts, default cells, the format a new cell takes from the cell above,
// the fixed counts following the counts, refused sizes and counts, and the cells emptied on the
// way out.

#include "tests/support/GridStoreFixture.h"

#include <climits>
#include <cstring>

TEST(GridStore, EmptyGridTakesFiveRowsAndThreeColumnsOfDefaultCells)
{
    GridStore grid(0, 0);
    EXPECT_EQ(grid.store.GetTotalRowHeight(), 0);
    EXPECT_EQ(grid.store.GetTotalColumnWidth(), 0);
    ASSERT_TRUE(grid.store.SetRowCount(5));
    ASSERT_TRUE(grid.store.SetColumnCount(3));
    int cells = 0;
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 4; ++col)
            cells += grid.store.GetCell(row, col) != nullptr;
    EXPECT_EQ(cells, 15);
    EXPECT_EQ(grid.store.GetRowHeight(4), 10);
    EXPECT_EQ(grid.store.GetColumnWidth(2), 30);
    EXPECT_EQ(grid.store.GetTotalRowHeight(), 50);
    EXPECT_EQ(grid.store.GetTotalColumnWidth(), 90);

    const CGridCell& cell = *grid.store.GetCell(2, 1);
    EXPECT_EQ(cell.nFormat, 4);
    EXPECT_EQ(cell.font.font.lfHeight, -12);
    EXPECT_STREQ(cell.font.font.lfFaceName, "宋体");
    EXPECT_EQ(cell.font.crText, 0xFF000000u);
    EXPECT_EQ(cell.font.crBackground, 0xFFFFFFFFu);
    EXPECT_EQ(cell.lineColours[1], ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(cell.lineColours[3], ::GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(cell.mergeOrigin.IsNone());
    EXPECT_EQ(cell.nRightWidth, 1);
    EXPECT_EQ(cell.nBottomStyle, 1);
}

TEST(GridStore, NewCellBelowTheFirstRowTakesTheFormatOfTheCellAbove)
{
    GridStore grid(1, 2);
    grid.store.GetCell(0, 1)->nFormat = 9;
    ASSERT_TRUE(grid.store.SetRowCount(3));
    EXPECT_EQ(grid.store.GetCell(1, 0)->nFormat, 4);
    EXPECT_EQ(grid.store.GetCell(1, 1)->nFormat, 9);
    EXPECT_EQ(grid.store.GetCell(2, 1)->nFormat, 9);

    grid.store.GetCell(1, 1)->nFormat = 22;
    ASSERT_TRUE(grid.store.SetColumnCount(3));
    grid.store.GetCell(0, 2)->nFormat = 13;
    ASSERT_TRUE(grid.store.SetRowCount(4));
    EXPECT_EQ(grid.store.GetCell(3, 1)->nFormat, 9) << "row 3 follows row 2";
    EXPECT_EQ(grid.store.GetCell(3, 2)->nFormat, 4) << "the new column's cells were made before";
}

TEST(GridStore, FixedCountsFollowTheCounts)
{
    GridStore grid(5, 5, 3, 2);
    ASSERT_TRUE(grid.store.SetRowCount(2));
    EXPECT_EQ(grid.store.GetFixedRowCount(), 2);
    ASSERT_TRUE(grid.store.SetColumnCount(1));
    EXPECT_EQ(grid.store.GetFixedColumnCount(), 1);

    ASSERT_TRUE(grid.store.SetFixedRowCount(4));
    EXPECT_EQ(grid.store.GetRowCount(), 4);
    ASSERT_TRUE(grid.store.SetFixedColumnCount(3));
    EXPECT_EQ(grid.store.GetColumnCount(), 3);
    EXPECT_EQ(grid.store.GetFixedRowHeight(), 40);
    EXPECT_EQ(grid.store.GetFixedColumnWidth(), 90);
}

TEST(GridStore, ShrinkingEmptiesEveryRemovedCellBeforeItGoes)
{
    GridStore grid(4, 3);
    grid.store.GetCell(3, 2)->strText = "gone";
    grid.store.GetCell(3, 2)->nState = CIS_SELECTED;
    ASSERT_TRUE(grid.store.SetRowCount(2));
    EXPECT_EQ(grid.factory.emptied,
              (std::vector<CCellCoord>{{2, 0}, {2, 1}, {2, 2}, {3, 0}, {3, 1}, {3, 2}}));
    grid.factory.emptied.clear();
    ASSERT_TRUE(grid.store.SetColumnCount(1));
    EXPECT_EQ(grid.factory.emptied, (std::vector<CCellCoord>{{0, 1}, {0, 2}, {1, 1}, {1, 2}}));
    EXPECT_EQ(grid.store.GetCell(0, 1), nullptr);

    grid.factory.emptied.clear();
    grid.store.DeleteAllCells();
    EXPECT_EQ(grid.factory.emptied.size(), 2u);
    EXPECT_EQ(grid.store.GetRowCount() + grid.store.GetColumnCount() + grid.store.GetFixedRowCount(), 0);
}

TEST(GridStore, RefusedCountsAndSizesChangeNothing)
{
    GridStore grid(3, 3, 1, 1);
    struct Case
    {
        const char* what;
        BOOL result;
    };
    const Case cases[] = {
        {"negative rows", grid.store.SetRowCount(-1)},
        {"negative columns", grid.store.SetColumnCount(-2)},
        {"negative fixed rows", grid.store.SetFixedRowCount(-1)},
        {"height of row -1", grid.store.SetRowHeight(-1, 5)},
        {"height of row 3", grid.store.SetRowHeight(3, 5)},
        {"negative height", grid.store.SetRowHeight(0, -1)},
        {"width of column 3", grid.store.SetColumnWidth(3, 5)},
        {"negative width", grid.store.SetColumnWidth(1, -4)},
        {"total height past INT_MAX", grid.store.SetRowHeight(2, INT_MAX - 10)},
        {"total width past INT_MAX", grid.store.SetColumnWidth(0, INT_MAX)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(c.result) << c.what;
    EXPECT_EQ(grid.store.GetRowCount(), 3);
    EXPECT_EQ(grid.store.GetTotalRowHeight(), 30);
    EXPECT_EQ(grid.store.GetTotalColumnWidth(), 90);
    EXPECT_EQ(grid.store.GetRowHeight(-1), -1);
    EXPECT_EQ(grid.store.GetRowHeight(3), -1);
    EXPECT_EQ(grid.store.GetColumnWidth(3), -1);

    EXPECT_TRUE(grid.store.SetRowHeight(2, INT_MAX - 20)) << "the total just fits";
    EXPECT_TRUE(grid.store.SetColumnWidth(1, 0));
    EXPECT_FALSE(grid.store.SetRowCount(4)) << "a new row of 10 pixels would overflow the total";
    EXPECT_EQ(grid.store.GetRowCount(), 3);
}

TEST(GridStore, CountChangeThatCannotMakeACellLeavesTheStoreAsItWas)
{
    GridStore grid(2, 2);
    grid.factory.refuseAt = CCellCoord(3, 1);
    EXPECT_FALSE(grid.store.SetRowCount(5));
    EXPECT_EQ(grid.store.GetRowCount(), 2);
    EXPECT_EQ(grid.store.GetCell(2, 0), nullptr);
    EXPECT_EQ(grid.store.GetTotalRowHeight(), 20);

    grid.factory.refuseAt = CCellCoord(1, 3);
    EXPECT_FALSE(grid.store.SetColumnCount(4));
    EXPECT_EQ(grid.store.GetColumnCount(), 2);
    EXPECT_EQ(grid.store.GetCell(0, 2), nullptr) << "row 0's new cells are taken back too";
    EXPECT_EQ(grid.store.GetTotalColumnWidth(), 60);
}

TEST(GridStore, MergeOriginAndAreaOfEveryCellOfAMerge)
{
    GridStore grid(5, 5, 1, 1);
    grid.Merge(1, 2, 3, 3);
    EXPECT_EQ(grid.store.MergeOrigin(3, 3), CCellCoord(1, 2));
    EXPECT_EQ(grid.store.MergeOrigin(1, 2), CCellCoord(1, 2));
    EXPECT_EQ(grid.store.MergeOrigin(4, 4), CCellCoord(4, 4));
    EXPECT_EQ(grid.store.MergeArea(2, 3), CCellRect(1, 2, 3, 3));
    EXPECT_EQ(grid.store.MergeArea(4, 1), CCellRect(4, 1, 4, 1));
}
