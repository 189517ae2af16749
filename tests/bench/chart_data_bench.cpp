// Figures of the chart data of large pages through the control: the whole-page series build that
// is refused as too large for a chart, on pages up to the largest, beside the build of the largest
// table a chart may hold and a paint of the control, measured in the same run. Prints how many
// refusals did not happen; asserts nothing.

#include "chart/model/ChartDataLimit.h"
#include "chart/model/ChartPageSettings.h"
#include "tests/bench/BenchControl.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The median of five runs of f, in milliseconds.
template <class F> double Median(F f)
{
    std::vector<double> ms;
    for (int run = 0; run < 5; ++run) {
        LARGE_INTEGER from, to;
        QueryPerformanceCounter(&from);
        f();
        QueryPerformanceCounter(&to);
        ms.push_back(Milliseconds(from, to));
    }
    std::sort(ms.begin(), ms.end());
    return ms[2];
}

double PrivateMegabytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters);
    return double(counters.PrivateUsage) / (1024.0 * 1024.0);
}

} // namespace

int main()
{
    CBenchControl control;
    int failed = 0, operations = 0;
    const int cols = 50;
    std::printf("chart data, whole-page series build, pages of %d columns, median of 5:\n", cols);
    for (int rows : {20001, 100001, 1048576}) {
        const int page = control->DoInsertPage("bench");
        control->DoSetPageRowCounts(page, rows, 1);
        control->DoSetPageColumnCounts(page, cols, 1);
        const double before = PrivateMegabytes();
        const double ms = Median([&] {
            ++operations;
            failed += control->BuildChartSeries(page, kChartSourcePage, nullptr, nullptr) ? 1 : 0;
        });
        CChartPartRects rects;
        rects.rects[kChartWhole] = CRect(100, 50, 600, 300);
        ++operations;
        failed += control->InsertChart(page, TRUE, rects, 0) ? 1 : 0;
        std::printf("  %8d rows: refused in %9.4f ms, %+.1f MB private memory\n", rows, ms,
                    PrivateMegabytes() - before);
        control->DoDeletePage(page);
    }

    // References: the largest table a chart may hold, built from a selection, and a paint.
    const int page = control->DoInsertPage("reference");
    control->DoSetPageRowCounts(page, 200, 1);
    control->DoSetPageColumnCounts(page, 200, 1);
    control->DoSetPageGridRangeSelected(page, 1, 1, 128, 128, TRUE);
    const double built = Median([&] {
        ++operations;
        failed += control->BuildChartSeries(page, kChartSourceSelection, nullptr, nullptr) ? 0 : 1;
    });
    std::printf("reference: build of %zu points from the selection %8.3f ms\n", kMaxChartPoints, built);
    control->DoSetActivePageIndex(page);
    const double paint = TimePaints(*control, [](auto paintOnce) { return Median(paintOnce); });
    std::printf("reference: one paint of the control      %8.3f ms\n", paint);
    std::printf("%d of %d operations failed\n", failed, operations);
    return 0;
}
