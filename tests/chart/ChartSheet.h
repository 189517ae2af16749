#pragma once

// A page of cells with its pending chart settings and a short colour list, for the chart model
// tests: cells hold "row:column" unless texts are given.

#include "chart/model/SeriesBuilder.h"
#include "tests/support/CellSheet.h"

#include <string>
#include <vector>

struct ChartSheet : CellSheet
{
    CChartPageSettings settings;
    std::vector<COLORREF> colours{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

    using CellSheet::CellSheet;
    explicit ChartSheet(const std::vector<std::vector<std::string>>& texts)
        : CellSheet(int(texts.size()), texts.empty() ? 0 : int(texts[0].size()))
    {
        for (size_t r = 0; r < texts.size(); ++r)
            for (size_t c = 0; c < texts[r].size(); ++c)
                Cell(int(r), int(c)).SetText(texts[r][c].c_str());
    }

    CChartCellSource Source() const { return CChartCellSource{page, cells, colours}; }

    void Build(BYTE type, BYTE subType, bool byColumns, int mode = kChartSourcePage)
    {
        settings.chChartType = type;
        settings.chChartSubType = subType;
        settings.bGroupByColumns = byColumns;
        BuildChartSeries(settings, Source(), mode, nullptr, nullptr);
    }

    // The table's cell texts, row by row.
    std::vector<std::vector<std::string>> Texts() const
    {
        std::vector<std::vector<std::string>> out;
        for (const CChartItemArray& row : settings.items) {
            out.emplace_back();
            for (const CChartItem& point : row)
                out.back().push_back(point.strCellText.GetString());
        }
        return out;
    }
};
