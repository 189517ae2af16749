#pragma once

// Charts made as a user makes them: a page of figures, a category per body row headed by its name
// and a series per body column headed by its name, and a new chart of any type and sub-type built
// from the whole page grouped by columns, as the chart settings sheet builds it (the table in the
// layout of the type: a row per series for lines, a row per category for the others; a legend
// entry per series; the row totals and both value ranges).
//
// Ownership: the page holds its cells; a chart made from it holds its own table, built from them.
// Header only: a program that uses it links the chart model.

#include "chart/model/ChartValueRange.h"
#include "chart/model/NewChart.h"
#include "chart/model/SeriesBuilder.h"
#include "sheet/model/CellFactory.h"
#include "sheet/model/RowColumnOps.h"

#include <string>
#include <vector>

struct CFigurePage
{
    CNorvakPage page{0, "Sheet1", 0};
    CNorvakPageCells cells{0};
    std::vector<std::string> seriesNames;

    // values[category][series], as typed into the cells.
    CFigurePage(const std::vector<std::string>& categories, const std::vector<std::string>& series,
                const std::vector<std::vector<std::string>>& values)
        : seriesNames(series)
    {
        CDefaultCellFactory factory(page, cells);
        SheetModel::SetColumnCount(page, cells, int(series.size()) + 1, factory);
        SheetModel::SetRowCount(page, cells, int(categories.size()) + 1, factory);
        SheetModel::SetFixedRowCount(page, cells, 1, factory);
        SheetModel::SetFixedColumnCount(page, cells, 1, factory);
        for (size_t s = 0; s < series.size(); ++s)
            cells.EditCell(0, int(s) + 1)->SetText(series[s].c_str());
        for (size_t c = 0; c < categories.size(); ++c) {
            cells.EditCell(int(c) + 1, 0)->SetText(categories[c].c_str());
            for (size_t s = 0; s < series.size() && s < values[c].size(); ++s)
                cells.EditCell(int(c) + 1, int(s) + 1)->SetText(values[c][s].c_str());
        }
    }
    CFigurePage(const CFigurePage&) = delete;
    CFigurePage& operator=(const CFigurePage&) = delete;
};

// The page's pending settings for a chart of the kind, its legend captioned with the series names
// as a user would rename its entries.
inline CChartPageSettings FigureChartSettings(const CFigurePage& figures, int type, int subType,
                                              const std::vector<COLORREF>& colours)
{
    const CChartCellSource source{figures.page, figures.cells, colours};
    CChartPageSettings settings;
    settings.chChartType = BYTE(type);
    settings.chChartSubType = BYTE(subType);
    settings.bGroupByColumns = 1;
    BuildChartSeries(settings, source, kChartSourcePage, nullptr, nullptr);
    CalcChartValueRange(settings);
    CalcStackedValueRange(settings, source); // a pie's builds its series again first
    for (size_t s = 0; s < settings.legendItems.size() && s < figures.seriesNames.size(); ++s)
        settings.legendItems[s].strCaption = figures.seriesNames[s].c_str();
    return settings;
}

inline CNorvakChart MakeFigureChart(const CFigurePage& figures, int type, int subType,
                                    const std::vector<COLORREF>& colours, const CChartPartRects& rects)
{
    return CreateNewChart(FigureChartSettings(figures, type, subType, colours), rects);
}
