// Where the grid's cells lie for a client size and scroll positions: the cell under a point, cell
// rectangles on and off screen, the visible ranges, border hits and the scroll bar set-up.

#include "gridwnd/GridGeometry.h"
#include "tests/support/GridStoreFixture.h"

namespace {

// Rows: 0 fixed (20 high), 1..9 of 20 but row 3 of 30. Columns: 0 fixed (40 wide), 1..5 of 50.
struct GeometryGrid : GridStore
{
    GeometryGrid() : GridStore(10, 6, 1, 1)
    {
        for (int row = 0; row < 10; ++row)
            store.SetRowHeight(row, row == 3 ? 30 : 20);
        store.SetColumnWidth(0, 40);
        for (int col = 1; col < 6; ++col)
            store.SetColumnWidth(col, 50);
    }
    CGridGeometry At(CSize client, CPoint scroll = CPoint()) const
    {
        return CGridGeometry(store, client, scroll);
    }
};

} // namespace

TEST(GridGeometry, CellUnderAPoint)
{
    struct Case
    {
        CPoint point;
        BOOL allowFixed;
        CPoint scroll;
        CCellCoord expected;
    };
    const Case cases[] = {
        {{-1, -1}, TRUE, {}, {-1, -1}},      {{0, 0}, TRUE, {}, {0, 0}},
        {{39, 19}, TRUE, {}, {0, 0}},        {{10, 10}, FALSE, {}, {-1, -1}},
        {{40, 20}, FALSE, {}, {1, 1}},       {{89, 39}, TRUE, {}, {1, 1}},
        {{90, 40}, TRUE, {}, {2, 2}},        {{100, 89}, TRUE, {}, {3, 2}},
        {{289, 209}, TRUE, {}, {9, 5}},      {{290, 210}, TRUE, {}, {-1, -1}},
        {{45, 25}, TRUE, {100, 40}, {3, 3}}, {{45, 25}, TRUE, {101, 41}, {4, 4}},
        {{20, 25}, TRUE, {100, 40}, {3, 0}}, {{45, 10}, FALSE, {100, 40}, {-1, 3}},
    };
    GeometryGrid grid;
    for (const Case& c : cases)
        EXPECT_EQ(grid.At(CSize(400, 300), c.scroll).GetGridCellFromPoint(c.point, c.allowFixed), c.expected)
            << "point (" << c.point.x << ", " << c.point.y << ") scrolled (" << c.scroll.x << ", "
            << c.scroll.y << ")";
}

TEST(GridGeometry, CellRectanglesOnAndOffScreen)
{
    GeometryGrid grid;
    const CGridGeometry scrolled = grid.At(CSize(200, 100), CPoint(50, 45));
    EXPECT_EQ(scrolled.GetTopLeftGridCell(), CCellCoord(4, 2)) << "rows 1 to 3 passed the scroll position";

    CRect rect;
    ASSERT_TRUE(scrolled.GetGridCellRect(4, 2, rect));
    EXPECT_EQ(rect, CRect(40, 20, 89, 39));
    ASSERT_TRUE(scrolled.GetGridCellRect(0, 3, rect));
    EXPECT_EQ(rect, CRect(90, 0, 139, 19)) << "fixed rows stay, their columns scroll";
    ASSERT_TRUE(scrolled.GetGridCellRect(5, 0, rect));
    EXPECT_EQ(rect, CRect(0, 40, 39, 59));

    CPoint origin;
    EXPECT_FALSE(scrolled.GetGridCellOrigin(3, 2, origin)) << "scrolled away above";
    EXPECT_FALSE(scrolled.GetGridCellRect(4, 1, rect)) << "scrolled away to the left";
    EXPECT_FALSE(scrolled.GetGridCellRect(10, 1, rect));
    ASSERT_TRUE(scrolled.GetGridCellRectAnywhere(2, 1, rect));
    EXPECT_EQ(rect, CRect(-10, -30, 39, -11)) << "above the fixed row, left of the fixed column";

    grid.Merge(2, 1, 5, 2);
    ASSERT_TRUE(scrolled.GetMergedAreaRect(4, 2, rect));
    EXPECT_EQ(rect, CRect(-10, -30, 89, 59));
}

TEST(GridGeometry, PositionsFollowEveryChangeOfTheSizes)
{
    GeometryGrid grid;
    grid.store.SetRowCount(5); // rows 0 to 4: 20, 20, 20, 30, 20
    grid.store.SetRowCount(8); // rows 5 to 7 of the default 10
    grid.store.SetRowHeight(2, 35);
    const CGridGeometry view = grid.At(CSize(400, 300));
    CRect rect;
    ASSERT_TRUE(view.GetGridCellRect(7, 1, rect));
    EXPECT_EQ(rect.top, 20 + 20 + 35 + 30 + 20 + 10 + 10);
    EXPECT_EQ(view.GetGridCellFromPoint(CPoint(60, 144), TRUE), CCellCoord(6, 1));
    EXPECT_EQ(view.GetGridCellFromPoint(CPoint(60, 145), TRUE), CCellCoord(7, 1));
    EXPECT_EQ(grid.store.GetTotalRowHeight(), 155);

    // Sorted, each row takes its height along: the 35-pixel row goes last.
    grid.store.GetCell(2, 1)->strText = "z";
    grid.store.SortNormalRows(1, true,
                              [&](int row, int col) { return grid.store.GetCell(row, col)->strText; });
    ASSERT_TRUE(view.GetGridCellRect(7, 1, rect));
    EXPECT_EQ(rect, CRect(40, 120, 89, 154));
    EXPECT_EQ(grid.At(CSize(400, 300), CPoint(0, 100)).GetTopLeftGridCell().row, 7)
        << "scrolled past six rows";
}

TEST(GridGeometry, VisibleRanges)
{
    GeometryGrid grid;
    CRect covered;
    const CGridGeometry view = grid.At(CSize(200, 100));
    EXPECT_EQ(view.GetVisibleGridRange(&covered), CCellRect(1, 1, 4, 4));
    EXPECT_EQ(covered, CRect(0, 0, 200, 100));
    EXPECT_EQ(view.GetFullyVisibleGridRange(), CCellRect(1, 1, 3, 3)) << "row 4 and column 4 stick out";

    const CGridGeometry exact = grid.At(CSize(190, 90));
    EXPECT_EQ(exact.GetFullyVisibleGridRange(), CCellRect(1, 1, 3, 3)) << "edges exactly at the client's";

    const CGridGeometry large = grid.At(CSize(1000, 1000));
    EXPECT_EQ(large.GetVisibleGridRange(&covered), CCellRect(1, 1, 9, 5));
    EXPECT_EQ(covered, CRect(0, 0, 290, 210));
    EXPECT_EQ(large.GetFullyVisibleGridRange(), CCellRect(1, 1, 9, 5));
}

TEST(GridGeometry, RowAndColumnBordersOnlyInTheFixedCells)
{
    GeometryGrid grid;
    const CGridGeometry view = grid.At(CSize(400, 300));
    struct Case
    {
        CPoint point;
        BOOL onRowBorder;
        BOOL onColumnBorder;
    };
    const Case cases[] = {
        {{10, 38}, TRUE, FALSE},  // near the bottom of row 1 in the fixed column
        {{10, 41}, TRUE, FALSE},  // near the top of row 2
        {{10, 30}, FALSE, FALSE}, // the middle of row 1
        {{10, 1}, FALSE, FALSE},  // the top of row 0 is no border
        {{60, 38}, FALSE, FALSE}, // a body cell
        {{88, 10}, FALSE, TRUE},  // near the right of column 1 in the fixed row
        {{1, 10}, FALSE, FALSE},  // the left of column 0
        {{38, 10}, FALSE, TRUE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(view.IsOnRowBorder(c.point), c.onRowBorder) << c.point.x << ", " << c.point.y;
        EXPECT_EQ(view.IsOnColumnBorder(c.point), c.onColumnBorder) << c.point.x << ", " << c.point.y;
    }
    grid.Merge(1, 0, 2, 0);
    EXPECT_FALSE(view.IsOnRowBorder(CPoint(10, 41))) << "inside a merged row heading";
    EXPECT_TRUE(view.IsOnRowBorder(CPoint(10, 58))) << "the merged heading's bottom";
}

TEST(GridGeometry, ScrollRangesLeaveRoomForTheFixedCells)
{
    GeometryGrid grid; // body: 190 high, 250 wide
    struct Case
    {
        CSize client;
        bool apply;
        int vertRange, horzRange, vertPage, horzPage;
    };
    const Case cases[] = {
        {{200, 100}, true, 189, 249, 80, 160},
        {{290, 210}, true, 0, 0, 190, 250}, // everything fits
        {{289, 209}, true, 189, 249, 189, 249},
        {{40, 100}, false, 0, 0, 80, 0}, // no room right of the fixed column
    };
    for (const Case& c : cases) {
        const CGridScrollSetup s = CGridGeometry::ScrollSetup(grid.store, c.client);
        EXPECT_EQ(s.bApply, c.apply) << c.client.cx << " x " << c.client.cy;
        if (!c.apply)
            continue;
        EXPECT_EQ(s.nVertRange, c.vertRange) << c.client.cx << " x " << c.client.cy;
        EXPECT_EQ(s.nHorzRange, c.horzRange) << c.client.cx << " x " << c.client.cy;
        EXPECT_EQ(s.nVertPage, c.vertPage);
        EXPECT_EQ(s.nHorzPage, c.horzPage);
    }
}
