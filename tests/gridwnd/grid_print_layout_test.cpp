// How the grid's rows fall onto printed pages.

#include "gridwnd/GridPrintLayout.h"
#include "tests/support/GridStoreFixture.h"

#include <vector>

TEST(GridPrintLayout, PageIsAsWideAsTheColumnsWithMarginsAndShapedLikeThePrinter)
{
    GridStore grid(6, 4, 2, 1); // columns 120 wide, fixed rows 20 high
    const CGridPrintMetrics m = MakeGridPrintMetrics(grid.store, CSize(52 * 7 + 51, 16), 2400, 3600);
    EXPECT_EQ(m.nCharWidth, 7);
    EXPECT_EQ(m.nCharHeight, 16);
    EXPECT_EQ(m.nPageWidth, 120 + 56);
    EXPECT_EQ(m.nPageHeight, 264);
    EXPECT_EQ(m.nBodyHeight, 264 - 96 - 20);
    EXPECT_EQ(m.nPrinterWidth, 2400);
    EXPECT_EQ(m.nPrinterHeight, 3600);
    EXPECT_EQ(MakeGridPrintMetrics(grid.store, CSize(52, 10), 0, 100).nPageHeight, 0) << "no printer width";
}

TEST(GridPrintLayout, RowsThatFitTheBodyPrintOnOnePage)
{
    GridStore grid(6, 2, 1, 0); // five normal rows of 10
    EXPECT_EQ(CountGridPrintPages(grid.store, 50), 1);
    EXPECT_EQ(FirstRowOfGridPrintPage(grid.store, 50, 1), 1);
    EXPECT_EQ(FirstRowOfGridPrintPage(grid.store, 50, 2), -1);
    EXPECT_EQ(CountGridPrintPages(grid.store, 49), 2);
    EXPECT_EQ(FirstRowOfGridPrintPage(grid.store, 49, 2), 5);
}

TEST(GridPrintLayout, RowsALittleTallerThanHalfTheBodyPrintOnePerPage)
{
    GridStore grid(4, 2, 1, 0);
    for (int row = 1; row < 4; ++row)
        grid.store.SetRowHeight(row, 51);
    EXPECT_EQ(CountGridPrintPages(grid.store, 100), 3);
    for (int page = 1; page <= 3; ++page)
        EXPECT_EQ(FirstRowOfGridPrintPage(grid.store, 100, page), page) << "page " << page;
}

TEST(GridPrintLayout, RowTallerThanTheBodyBeginsAPageOfItsOwn)
{
    GridStore grid(4, 2, 1, 0); // rows 1 and 3 of 10, row 2 of 150
    grid.store.SetRowHeight(2, 150);
    EXPECT_EQ(CountGridPrintPages(grid.store, 100), 3);
    EXPECT_EQ(FirstRowOfGridPrintPage(grid.store, 100, 2), 2);
    EXPECT_EQ(FirstRowOfGridPrintPage(grid.store, 100, 3), 3);

    GridStore onlyFixed(2, 2, 2, 0);
    EXPECT_EQ(FirstRowOfGridPrintPage(onlyFixed.store, 100, 1), -1);
}

TEST(GridPrintLayout, EveryRowTallerThanTheBodyTakesAPageOfItsOwnAndNoPageIsBlank)
{
    const struct
    {
        const char* name;
        std::vector<int> heights; // of the normal rows, after one fixed row
        std::vector<int> firstRows; // of pages 1, 2, ...
    } cases[] = {
        {"a tall first row", {150, 10, 10}, {1, 2}},
        {"two tall rows in a row", {10, 150, 120, 10}, {1, 2, 3, 4}},
        {"a tall last row", {10, 10, 150}, {1, 3}},
        {"a tall row alone", {150}, {1}},
        {"a row as high as the body fits", {100, 10}, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridStore grid(int(c.heights.size()) + 1, 2, 1, 0);
        for (size_t i = 0; i < c.heights.size(); ++i)
            grid.store.SetRowHeight(int(i) + 1, c.heights[i]);
        EXPECT_EQ(CountGridPrintPages(grid.store, 100), int(c.firstRows.size()));
        for (size_t page = 0; page < c.firstRows.size(); ++page)
            EXPECT_EQ(FirstRowOfGridPrintPage(grid.store, 100, int(page) + 1), c.firstRows[page]) << "page " << page + 1;
        EXPECT_EQ(FirstRowOfGridPrintPage(grid.store, 100, int(c.firstRows.size()) + 1), -1);
    }
}
