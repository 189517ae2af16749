// Time of one paint of a 3-D column chart and a 3-D bar chart of 10, 100 and 1,000 categories of
// three series each (layout, walls, boxes, value labels and axis labels) into a 1200 x 800 bitmap,
// and the growth from 100 to 1,000 categories. Prints, asserts nothing.

#include "chartdraw/ChartPainter.h"
#include "sheet/tables/DefaultTables.h"
#include "tests/support/BestPaintTime.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 800;
constexpr int kRuns = 10;

CNorvakChart BenchChart(int type, int categories)
{
    CNorvakChart chart(type, 3, 0, 0);
    chart.rcChart = chart.rcVisible = CRect(0, 0, kWidth, kHeight);
    const COLORREF colours[] = {RGB(153, 153, 255), RGB(153, 51, 102), RGB(255, 255, 204)};
    for (int row = 0; row < categories; ++row) {
        chart.items.emplace_back();
        for (int series = 0; series < 3; ++series) {
            const int value = (row * 37 + series * 53) % 200 - 40;
            chart.items.back().emplace_back(CString(std::to_string(value).c_str()), colours[series], type, 3);
            chart.dMinValue = std::min(chart.dMinValue, double(value));
            chart.dMaxValue = std::max(chart.dMaxValue, double(value));
        }
    }
    return chart;
}

// Milliseconds of one paint, the best of the runs.
double PaintTime(const CDefaultTables& tables, int type, int categories)
{
    CNorvakChart chart = BenchChart(type, categories);
    CDC dc;
    dc.CreateCompatibleDC(static_cast<HDC>(nullptr));
    CBitmap bitmap;
    bitmap.CreateDIBSection32(kWidth, kHeight);
    CSelectObject select(dc, bitmap);
    return BestPaintTime(
        kRuns,
        [&] {
            CChartPainter(tables.FillTables())
                .DrawChart(&dc, &chart, 20, 20, kWidth - 20, kHeight - 20, type, 3, chart.dMinValue,
                           chart.dMaxValue, &chart.rowTotals, &chart.items, 0, chart.nDepthX, chart.nDepthY);
        },
        [&] { dc.FillSolidRect(CRect(0, 0, kWidth, kHeight), RGB(255, 255, 255)); });
}

} // namespace

int main()
{
    CDefaultTables tables;
    tables.BuildDefaultTables();
    for (int type : {kChartColumn, kChartBar}) {
        const char* name = type == kChartColumn ? "column" : "bar";
        double times[3] = {};
        const int counts[3] = {10, 100, 1000};
        for (int i = 0; i < 3; ++i) {
            times[i] = PaintTime(tables, type, counts[i]);
            std::printf("%-6s chart, %5d categories: %8.2f ms\n", name, counts[i], times[i]);
        }
        std::printf("%-6s chart, growth from 100 to 1,000 categories: %.1f x\n", name, times[2] / times[1]);
    }
    return 0;
}
