// Time of one paint of a chart into a 1200 x 800 bitmap (layout, walls, body, value labels and
// axis labels) at 10, 100 and 1,000 points, and the growth from 100 to 1,000: 3-D column and bar
// charts of that many categories of three series each, flat and 3-D line charts of three series
// of that many points, and a 3-D pie of that many slices. Prints, asserts nothing.

#include "chart/model/ChartValueRange.h"
#include "chartdraw/ChartPainter.h"
#include "sheet/tables/DefaultTables.h"
#include "tests/support/BestPaintTime.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 800;
constexpr int kRuns = 10;

struct CBenchKind
{
    const char* name;
    int type;
    int subType;
    const char* unit;
};

// Table rows and points per row: a row is a category of columns and bars, a series of a line and
// the one pie drawn.
std::pair<int, int> TableShape(int type, int points)
{
    if (type == kChartLine)
        return {3, points};
    if (type == kChartPie)
        return {1, points};
    return {points, 3};
}

CNorvakChart BenchChart(const CBenchKind& kind, int points)
{
    CNorvakChart chart(kind.type, kind.subType, 0, 0);
    chart.rcChart = chart.rcVisible = CRect(0, 0, kWidth, kHeight);
    chart.nPieSeries = -1;
    const COLORREF colours[] = {RGB(153, 153, 255), RGB(153, 51, 102), RGB(255, 255, 204)};
    const auto [rows, perRow] = TableShape(kind.type, points);
    for (int row = 0; row < rows; ++row) {
        chart.items.emplace_back();
        std::vector<double> values;
        for (int k = 0; k < perRow; ++k) {
            const int series = kind.type == kChartLine ? row : k;
            int value = (row * 37 + k * 53) % 200 - 40;
            if (kind.type == kChartPie)
                value = std::abs(value) + 1;
            chart.items.back().emplace_back(CString(std::to_string(value).c_str()), colours[series % 3],
                                            kind.type, kind.subType);
            values.push_back(value);
            chart.dMinValue = std::min(chart.dMinValue, double(value));
            chart.dMaxValue = std::max(chart.dMaxValue, double(value));
        }
        chart.rowTotals.push_back(CalcRowTotals(values));
    }
    return chart;
}

// Milliseconds of one paint, the best of the runs.
double PaintTime(const CDefaultTables& tables, const CBenchKind& kind, int points)
{
    CNorvakChart chart = BenchChart(kind, points);
    CDC dc;
    dc.CreateCompatibleDC(static_cast<HDC>(nullptr));
    CBitmap bitmap;
    bitmap.CreateDIBSection32(kWidth, kHeight);
    CSelectObject select(dc, bitmap);
    // The pie is drawn as the previews draw it, from the plot rather than from stored slots.
    return BestPaintTime(
        kRuns,
        [&] {
            CChartPainter(tables.FillTables())
                .DrawChart(&dc, &chart, 20, 20, kWidth - 20, kHeight - 20, kind.type, kind.subType,
                           chart.dMinValue, chart.dMaxValue, &chart.rowTotals, &chart.items,
                           kind.type == kChartPie ? 1 : 0, chart.nDepthX, chart.nDepthY);
        },
        [&] { dc.FillSolidRect(CRect(0, 0, kWidth, kHeight), RGB(255, 255, 255)); });
}

} // namespace

int main()
{
    CDefaultTables tables;
    tables.BuildDefaultTables();
    const CBenchKind kinds[] = {
        {"column", kChartColumn, 3, "categories"}, {"bar", kChartBar, 3, "categories"},
        {"line", kChartLine, 0, "points"},         {"3-D line", kChartLine, 6, "points"},
        {"3-D pie", kChartPie, 1, "slices"},
    };
    for (const CBenchKind& kind : kinds) {
        double times[3] = {};
        const int counts[3] = {10, 100, 1000};
        for (int i = 0; i < 3; ++i) {
            times[i] = PaintTime(tables, kind, counts[i]);
            std::printf("%-8s chart, %5d %-10s: %8.2f ms\n", kind.name, counts[i], kind.unit, times[i]);
        }
        std::printf("%-8s chart, growth from 100 to 1,000 %s: %.1f x\n", kind.name, kind.unit,
                    times[2] / times[1]);
    }
    return 0;
}
