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
    return 0;
}
