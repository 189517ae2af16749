#include "chart/model/NewChart.h"

#include "chart/model/ChartValueRange.h"
#include "chart/model/PieSlotGeometry.h"

void SetUpNewChart(CNorvakChart& chart, const CChartPageSettings& settings, const CChartPartRects& rects)
{
    for (int part = kChartWhole; part <= kChartYAxisTitle; ++part)
        *chart.PartRect(part) = rects.rects[part];
    chart.rcVisible = chart.rcChart;
    chart.bVisible = 1;
    chart.partOrder = CNorvakChart::DefaultPartOrder();
    chart.nType = settings.chChartType;
    chart.nSubType = settings.chChartSubType;
    chart.ApplyInsertionFaceShown();
    chart.ApplyInsertionStyles();
    if (settings.items.empty())
        return;
    chart.items.assign(settings.items.size(), CChartItemArray());
    CPieSlotGeometry().LayoutSeriesItems(chart, settings, chart.rcPlot);
    chart.rowTotals = settings.rowTotals;
    chart.legendItems = settings.legendItems;
}

CNorvakChart CreateNewChart(const CChartPageSettings& settings, const CChartPartRects& rects)
{
    double minValue = 0, maxValue = 0;
    GetChartValueRange(settings, minValue, maxValue);
    CNorvakChart chart(settings.chChartType, settings.chChartSubType, minValue, maxValue);
    SetUpNewChart(chart, settings, rects);
    return chart;
}
