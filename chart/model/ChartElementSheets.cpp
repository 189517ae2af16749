#include "chart/model/ChartElementSheets.h"


namespace {

using Kind = CChartElementPageKind;

// The sheets by element code: codes first..last share a caption and pages.
struct CElementSheetRow
{
    int first, last;
    const char* caption;
    int pageCount;
    CChartElementPage pages[2];
};

const CElementSheetRow kSheets[] = {
    {0, 0, "图表", 2, {{Kind::LineType}, {Kind::SolidRotate}}},
    {1, 2, "图表", 1, {{Kind::LineType}}},
    {4, 4, "文本", 1, {{Kind::Font, "图表标题"}}},
    {5, 5, "文本", 1, {{Kind::Font, "X轴标题"}}},
    {6, 6, "文本", 1, {{Kind::Font, "Y或Z轴标题"}}},
    {10, 15, "图表", 1, {{Kind::LineType}}},
    {20, 20, "图例", 1, {{Kind::Font, "文本"}}},
    {21, 21, "图例", 1, {{Kind::LegendMarker}}},
    {22, 22, "图例", 2, {{Kind::LegendMarker}, {Kind::Font, "文本"}}},
};

} // namespace

std::optional<CChartElementSheet> ChartElementSheetOf(int code)
{
    for (const CElementSheetRow& row : kSheets)
        if (code >= row.first && code <= row.last)
            return CChartElementSheet{code, row.caption, std::vector<CChartElementPage>(row.pages, row.pages + row.pageCount), {}};
    return std::nullopt;
}

bool ChartElementRecordFits(int code, const CChartElementRecord& record)
{
    if (code >= 0 && code <= 6)
        return record.chart != nullptr;
    if (code >= 10 && code <= 15)
        return record.point != nullptr;
    if (code >= 20 && code <= 22)
        return record.legendEntry != nullptr;
    return false;
}
