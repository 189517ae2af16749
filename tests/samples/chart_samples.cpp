// Writes a picture of every chart type and sub-type, made from one page of sales figures as the
// chart settings sheet makes a chart and drawn by the chart front end with the defaults of a new
// chart, its legend and its title, as PNG files for people to look at.
//     chart_samples <folder>

#include "chartdraw/ChartFramePainter.h"
#include "chartdraw/ChartPainter.h"
#include "chartdraw/ChartStyleFills.h"
#include "chartdraw/LegendPainter.h"
#include "tests/support/FigureCharts.h"
#include "tests/support/PngFile.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 340;

// The sales figures: a category per month, a series per region.
const CFigurePage& SalesPage()
{
    static const CFigurePage page(
        {"一月", "二月", "三月", "四月"}, {"华东", "华北", "华南"},
        {{"120", "80", "45"}, {"95", "-30", "60"}, {"140", "110", "-20"}, {"70", "55", "90"}});
    return page;
}

CChartPartRects SampleRects()
{
    CChartPartRects r;
    r.rects[kChartWhole] = CRect(0, 0, kWidth, kHeight);
    r.rects[kChartPlot] = CRect(20, 40, 390, 320);
    r.rects[kChartLegend] = CRect(400, 110, 510, 210);
    r.rects[kChartDataArea] = CRect(10, 35, 395, 330);
    r.rects[kChartTitle] = CRect(120, 6, 400, 30);
    return r;
}

void DrawSample(CDC& dc, CNorvakChart& chart, const CDefaultTables& tables, const char* title)
{
    const CChartShapePainter shapes(tables.FillTables());
    FillRectWithStyle(shapes, &dc, chart.rcChart, chart.chartStyle, chart.bChartHighlight);
    {
        CSelectObject hollow(dc, ::GetStockObject(HOLLOW_BRUSH));
        CChartFramePainter().DrawFrame(&dc, chart.rcDataArea);
    }
    CChartPainter(tables.FillTables())
        .DrawChart(&dc, &chart, chart.rcPlot.left, chart.rcPlot.top, chart.rcPlot.right, chart.rcPlot.bottom,
                   chart.nType, chart.nSubType, chart.dMinValue, chart.dMaxValue, &chart.rowTotals, &chart.items, 0,
                   chart.nDepthX, chart.nDepthY);
    CLegendPainter(tables).DrawLegend(&dc, &chart);
    CRect titleBox = chart.chartTitle.rc;
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(CString(title), &titleBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

const char* const kTypeNames[] = {"column", "bar", "line", "pie", "cylinder"};

bool WriteSample(const std::string& folder, const CDefaultTables& tables, int type, int subType, const char* title)
{
    CNorvakChart chart = MakeFigureChart(SalesPage(), type, subType, tables.m_DefaultColors, SampleRects());
    CBitmap bitmap;
    DWORD* bits = nullptr;
    CDC dc;
    if (!bitmap.CreateDIBSection32(kWidth, kHeight, &bits) || !dc.CreateCompatibleDC(static_cast<HDC>(nullptr)))
        return false;
    {
        CSelectObject select(dc, bitmap);
        DrawSample(dc, chart, tables, title);
        ::GdiFlush();
    }
    const std::string path = folder + "/" + kTypeNames[type] + "_" + std::to_string(subType) + ".png";
    const std::vector<DWORD> pixels(bits, bits + kWidth * kHeight);
    if (!SavePng(CString(path.c_str()).ToWide().c_str(), pixels, kWidth, kHeight)) {
        std::fprintf(stderr, "chart_samples: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: chart_samples <folder>\n");
        return 2;
    }
    CDefaultTables tables;
    tables.BuildDefaultTables();
    const std::vector<std::vector<const char*>> titles = {
        {"簇状柱形图", "堆积柱形图", "百分比堆积柱形图", "三维簇状柱形图", "三维堆积柱形图", "三维百分比堆积柱形图",
         "三维柱形图"},
        {"簇状条形图", "堆积条形图", "百分比堆积条形图", "三维簇状条形图", "三维堆积条形图", "三维百分比堆积条形图"},
        {"折线图", "堆积折线图", "百分比堆积折线图", "数据点折线图", "堆积数据点折线图", "百分比堆积数据点折线图",
         "三维折线图"},
        {"饼图", "三维饼图", "分离型饼图", "分离型三维饼图", "圆环图", "分离型圆环图", "三维圆环图",
         "分离型三维圆环图"},
        {"三维柱形圆柱图", "三维堆积柱形圆柱图", "三维百分比堆积柱形圆柱图", "三维条形圆柱图", "三维堆积条形圆柱图",
         "三维百分比堆积条形圆柱图"},
    };
    bool ok = true;
    for (int type = kChartColumn; type <= kChartCylinder; ++type)
        for (size_t subType = 0; subType < titles[size_t(type)].size(); ++subType)
            ok &= WriteSample(argv[1], tables, type, int(subType), titles[size_t(type)][subType]);
    return ok ? 0 : 1;
}
