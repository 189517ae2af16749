// Figures of row and column operations through the control, whose window makes every count change
// also recompute the page's scroll ranges and lay out its child windows. Prints, asserts nothing.

#include "tests/bench/BenchControl.h"

#include <cstdio>

namespace {

template <class F> double PerCall(int calls, F f)
{
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    for (int i = 0; i < calls; ++i)
        f();
    QueryPerformanceCounter(&to);
    return Milliseconds(from, to) / calls;
}

} // namespace

int main()
{
    CBenchControl control;
    const int rows = 20000, cols = 50, calls = 200;
    const int page = control->DoInsertPage("bench");
    control->DoSetPageRowCounts(page, rows, 1);
    control->DoSetPageColumnCounts(page, cols, 1);
    std::printf("control, page of %d rows by %d columns, window shown, mean of %d calls:\n", rows, cols,
                calls);
    std::printf("  insert row at 1      %8.3f ms\n",
                PerCall(calls, [&] { control->DoInsertPageRow(page, 1); }));
    std::printf("  delete row at 1      %8.3f ms\n",
                PerCall(calls, [&] { control->DoRemovePageRow(page, 1); }));
    std::printf("  insert column at 1   %8.3f ms\n",
                PerCall(calls, [&] { control->DoInsertPageColumn(page, 1, 0, ""); }));
    std::printf("  delete column at 1   %8.3f ms\n",
                PerCall(calls, [&] { control->DoRemovePageColumn(page, 1); }));
    std::printf("  set a row height     %8.3f ms\n",
                PerCall(calls, [&] { control->DoSetPageRowHeight(page, 5, 21); }));

    // The largest page, with a fixed band of 65,536 rows: every page-level method should answer
    // well under a second.
    const int big = control->DoInsertPage("largest");
    const int bigRows = 1048576;
    std::printf("control, page of %d rows by %d columns, 65536 fixed rows, one call each:\n", bigRows, cols);
    std::printf("  set the row count    %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageRowCounts(big, bigRows, 65536); }));
    std::printf("  set the column count %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageColumnCounts(big, cols, 1); }));
    std::printf("  set a column width   %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageColumnWidth(big, 3, 90); }));
    std::printf("  set a row height     %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageRowHeight(big, 70000, 30); }));
    std::printf("  delete row at 1      %8.3f ms\n", PerCall(1, [&] { control->DoRemovePageRow(big, 1); }));
    std::printf("  insert row at 1      %8.3f ms\n", PerCall(1, [&] { control->DoInsertPageRow(big, 1); }));
    std::printf("  insert column at 1   %8.3f ms\n",
                PerCall(1, [&] { control->DoInsertPageColumn(big, 1, 5, ""); }));
    std::printf("  delete column at 1   %8.3f ms\n", PerCall(1, [&] { control->DoRemovePageColumn(big, 1); }));
    std::printf("  insert column at 1 with format 9 (a record per row) %8.3f ms\n",
                PerCall(1, [&] { control->DoInsertPageColumn(big, 1, 9, ""); }));
    std::printf("  delete column at 1   %8.3f ms\n", PerCall(1, [&] { control->DoRemovePageColumn(big, 1); }));
    std::printf("  set every body row's height %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageRowHeight(big, -1, 22); }));
    std::printf("  select rows 70000 to 1000000 %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageGridRangeSelected(big, 70000, 1, 1000000, 49, TRUE); }));
    std::printf("  is row 900000 selected %8.3f ms\n",
                PerCall(1, [&] { control->DoGetPageRowIsSelected(big, 900000); }));
    std::printf("  least selected row   %8.3f ms\n", PerCall(1, [&] { control->DoGetPageMinSelectedRow(big); }));
    std::printf("  focus a cell near the end %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageFocusGrid(big, 1000000, 40); }));
    std::printf("  lock rows and columns %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageLockRowAndColumn(big, 3, 2); }));
    std::printf("  merge rows 70000 to 70100 %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageCellCombine(big, 70000, 70100, 2, 4); }));
    std::printf("  set a cell text      %8.3f ms\n",
                PerCall(1, [&] { control->DoSetPageCellText(big, 500000, 10, "文字"); }));
    std::printf("  make it active       %8.3f ms\n", PerCall(1, [&] { control->DoSetActivePageIndex(big); }));
    std::printf("  delete the page      %8.3f ms\n", PerCall(1, [&] { control->DoDeletePage(big); }));
    return 0;
}
