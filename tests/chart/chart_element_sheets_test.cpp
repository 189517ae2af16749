// The property sheet of each chart element code: caption and pages in order, and the codes that
// open none.

#include "chart/model/ChartElementSheets.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Describe(int code)
{
    const std::optional<CChartElementSheet> sheet = ChartElementSheetOf(code);
    if (!sheet)
        return "none";
    std::string text = std::string(sheet->caption) + ":";
    for (const CChartElementPage& page : sheet->pages) {
        static const char* const kNames[] = {"line", "rotate", "font", "marker"};
        text += std::string(" ") + kNames[int(page.kind)];
        if (page.title)
            text += std::string("(") + page.title + ")";
    }
    return text;
}

} // namespace

TEST(ChartElementSheets, CaptionAndPagesByCode)
{
    const struct
    {
        int code;
        std::string sheet;
    } cases[] = {
        {-1, "none"},
        {0, "图表: line rotate"},
        {1, "图表: line"},
        {2, "图表: line"},
        {3, "none"},
        {4, "文本: font(图表标题)"},
        {5, "文本: font(X轴标题)"},
        {6, "文本: font(Y或Z轴标题)"},
        {7, "none"},
        {9, "none"},
        {10, "图表: line"},
        {15, "图表: line"},
        {16, "none"},
        {19, "none"},
        {20, "图例: font(文本)"},
        {21, "图例: marker"},
        {22, "图例: marker font(文本)"},
        {23, "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(c.code), c.sheet) << c.code;
}

TEST(ChartElementSheets, TheRecordMustBeWhatTheSheetEdits)
{
    CNorvakChart chart;
    CChartItem point;
    CChartTextItem entry;
    EXPECT_TRUE(ChartElementRecordFits(0, CChartElementRecord{&chart}));
    EXPECT_FALSE(ChartElementRecordFits(12, CChartElementRecord{&chart}));
    EXPECT_TRUE(ChartElementRecordFits(12, CChartElementRecord{nullptr, &point}));
    EXPECT_FALSE(ChartElementRecordFits(20, CChartElementRecord{nullptr, &point}));
    EXPECT_TRUE(ChartElementRecordFits(22, CChartElementRecord{nullptr, nullptr, &entry}));
    EXPECT_FALSE(ChartElementRecordFits(8, CChartElementRecord{&chart, &point, &entry}));
}
