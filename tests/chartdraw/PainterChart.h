#pragma once

// A chart record for the painter tests: one data point per value, built as the series builder
// builds them (the series colour on the front, its shade on the other faces), with the row totals
// (of the categories for line charts) and the value range of its values. Series k takes colour k of a short
// list; for line charts a row is a series, for the other types a point's index in its row is its series.
// Points carry no text, so that no label covers a probe, unless a test gives them one.

#include "chart/model/ChartValueRange.h"
#include "chart/model/NorvakChart.h"

#include <algorithm>
#include <cstdio>
#include <vector>

inline const COLORREF kSeriesColours[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 160, 0), RGB(255, 200, 0)};

struct PainterChart
{
    CNorvakChart chart;

    PainterChart(int type, int subType, const std::vector<std::vector<double>>& rows)
        : chart(type, subType, 0, 0)
    {
        chart.items.clear();
        for (size_t r = 0; r < rows.size(); ++r) {
            chart.items.emplace_back();
            for (size_t k = 0; k < rows[r].size(); ++k) {
                char text[64];
                std::snprintf(text, sizeof text, "%.17g", rows[r][k]);
                const size_t series = type == kChartLine ? r : k;
                CChartItem point(text, kSeriesColours[series % std::size(kSeriesColours)], type, subType);
                point.strCellText.Empty();
                chart.items.back().push_back(point);
            }
            if (type != kChartLine)
                chart.rowTotals.push_back(CalcRowTotals(rows[r]));
            for (double v : rows[r]) {
                chart.dMinValue = std::min(chart.dMinValue, v);
                chart.dMaxValue = std::max(chart.dMaxValue, v);
            }
        }
        for (size_t k = 0; type == kChartLine && !rows.empty() && k < rows[0].size(); ++k) {
            std::vector<double> category;
            for (const std::vector<double>& row : rows)
                category.push_back(k < row.size() ? row[k] : 0);
            chart.rowTotals.push_back(CalcRowTotals(category));
        }
    }

    CChartItem& Point(size_t row, size_t k) { return chart.items.at(row).at(k); }
    // The letters of a point's recorded hit faces, by slot from 5 down, leaving out faces without
    // points.
    std::string Letters(size_t row, size_t k)
    {
        std::string letters;
        for (int slot = CChartItem::kFaces - 1; slot >= 0; --slot)
            if (const CChartHitFace& face = Point(row, k).hitFaces[slot]; !face.points.empty())
                letters += face.chLetter;
        return letters;
    }
};
