// Series building in its three modes, series colours, the grouping and type setters, and the
// value ranges of a page's pending chart data.

#include "chart/model/ChartDataLimit.h"
#include "chart/model/ChartValueRange.h"
#include "sheet/model/CellSelection.h"
#include "tests/chart/ChartSheet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Table = std::vector<std::vector<std::string>>;

std::vector<std::string> Captions(const CChartPageSettings& settings)
{
    std::vector<std::string> out;
    for (const CChartTextItem& entry : settings.legendItems)
        out.push_back(entry.strCaption.GetString());
    return out;
}

// A pending table of the given values, one table row per inner list.
CChartPageSettings WithValues(const std::vector<std::vector<double>>& rows, BYTE type = 0, BYTE subType = 0)
{
    CChartPageSettings settings;
    settings.chChartType = type;
    settings.chChartSubType = subType;
    for (const auto& values : rows) {
        settings.items.emplace_back();
        for (double v : values) {
            settings.items.back().emplace_back();
            settings.items.back().back().dValue = v;
        }
    }
    return settings;
}

} // namespace

TEST(SeriesBuilder, WholePageLayoutByTypeAndGrouping)
{
    const struct
    {
        BYTE type;
        bool byColumns;
        Table texts;
        size_t series;
    } cases[] = {
        {0, true, {{"0:0", "0:1", "0:2"}, {"1:0", "1:1", "1:2"}, {"2:0", "2:1", "2:2"}, {"3:0", "3:1", "3:2"}}, 3},
        {2, true, {{"0:0", "1:0", "2:0", "3:0"}, {"0:1", "1:1", "2:1", "3:1"}, {"0:2", "1:2", "2:2", "3:2"}}, 3},
        {1, false, {{"0:0", "1:0", "2:0", "3:0"}, {"0:1", "1:1", "2:1", "3:1"}, {"0:2", "1:2", "2:2", "3:2"}}, 4},
        {2, false, {{"0:0", "0:1", "0:2"}, {"1:0", "1:1", "1:2"}, {"2:0", "2:1", "2:2"}, {"3:0", "3:1", "3:2"}}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << " by columns " << c.byColumns);
        ChartSheet sheet(4, 3);
        sheet.Build(c.type, 0, c.byColumns);
        EXPECT_EQ(sheet.Texts(), c.texts);
        std::vector<std::string> names;
        for (size_t s = 1; s <= c.series; ++s)
            names.push_back("系列" + std::to_string(s));
        EXPECT_EQ(Captions(sheet.settings), names);
    }
}

TEST(SeriesBuilder, HeadersStayOutOfTheWholePage)
{
    ChartSheet sheet(4, 3, 1, 1);
    sheet.Build(0, 0, true);
    EXPECT_EQ(sheet.Texts(), (Table{{"1:1", "1:2"}, {"2:1", "2:2"}, {"3:1", "3:2"}}));
    // A page of headers only builds nothing.
    ChartSheet headers(2, 2, 2, 2);
    headers.Build(2, 0, true);
    EXPECT_TRUE(headers.settings.items.empty());
    EXPECT_TRUE(headers.settings.legendItems.empty());
}

TEST(SeriesBuilder, SelectionRangeWithItsHeaders)
{
    ChartSheet sheet(5, 4, 1, 1);
    RecordingRepaint repaint;
    SheetModel::SetSelectedRange(sheet.page, sheet.cells, CCellRect(0, 1, 1, 3), repaint);
    sheet.Build(0, 0, false, kChartSourceSelection);
    EXPECT_EQ(sheet.Texts(), (Table{{"0:1", "1:1"}, {"0:2", "1:2"}, {"0:3", "1:3"}}));
    EXPECT_EQ(sheet.settings.chDataSourceMode, kChartSourceSelection);
    // Nothing selected: the range is (rows, columns, -1, -1), which builds nothing.
    SheetModel::SetSelectedRange(sheet.page, sheet.cells, CCellRect(), repaint);
    sheet.Build(0, 0, false, kChartSourceSelection);
    EXPECT_TRUE(sheet.settings.items.empty());
    EXPECT_TRUE(sheet.settings.legendItems.empty());
}

TEST(SeriesBuilder, IndexListsInListOrder)
{
    ChartSheet sheet(6, 4, 1, 1);
    const std::vector<int> rows{5, 2}, columns{3, 0, 9};
    sheet.settings.bGroupByColumns = 1;
    BuildChartSeries(sheet.settings, sheet.Source(), kChartSourceLists, &rows, &columns);
    // Header column 0 counts as data; column 9 lies outside the page and reads empty.
    EXPECT_EQ(sheet.Texts(), (Table{{"5:3", "5:0", ""}, {"2:3", "2:0", ""}}));
    EXPECT_EQ(sheet.settings.customRows, rows);
    EXPECT_EQ(sheet.settings.customColumns, columns);

    // Without both lists the table stays empty and the stored lists stay.
    BuildChartSeries(sheet.settings, sheet.Source(), kChartSourceLists, &rows, nullptr);
    EXPECT_TRUE(sheet.settings.items.empty());
    EXPECT_EQ(sheet.settings.customColumns, columns);

    // No series: a line chart has no table and no legend; a column chart one empty row per category.
    const std::vector<int> none;
    sheet.settings.chChartType = kChartLine;
    BuildChartSeries(sheet.settings, sheet.Source(), kChartSourceLists, &rows, &none);
    EXPECT_TRUE(sheet.settings.items.empty());
    EXPECT_TRUE(sheet.settings.legendItems.empty());
    sheet.settings.chChartType = kChartColumn;
    BuildChartSeries(sheet.settings, sheet.Source(), kChartSourceLists, &rows, &none);
    EXPECT_EQ(sheet.Texts(), (Table{{}, {}}));
    EXPECT_TRUE(sheet.settings.legendItems.empty());

    // An unknown mode builds nothing.
    BuildChartSeries(sheet.settings, sheet.Source(), 7, &rows, &columns);
    EXPECT_TRUE(sheet.settings.items.empty());
}

std::vector<int> Indexes(size_t count)
{
    std::vector<int> indexes(count);
    for (size_t i = 0; i < count; ++i)
        indexes[i] = int(i % 4);
    return indexes;
}

TEST(SeriesBuilder, ARangeBeyondWhatAChartHoldsIsRefusedUnread)
{
    const size_t limit = kMaxChartPoints;
    const struct
    {
        const char* name;
        BYTE type;
        size_t rows, columns; // the lists' lengths; every column is a series
        bool built;
    } cases[] = {
        {"exactly the limit", kChartColumn, 128, limit / 128, true},
        {"one category more", kChartColumn, 129, limit / 128, false},
        {"one row of one point too many", kChartColumn, 1, limit + 1, false},
        {"a line's series without categories fill the legend", kChartLine, 0, limit, true},
        {"one legend entry too many", kChartLine, 0, limit + 1, false},
        {"a line of one series too long", kChartLine, limit + 1, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChartSheet sheet(4, 4);
        int reads = 0;
        CChartCellSource source = sheet.Source();
        source.textOf = [&reads](int, int) {
            ++reads;
            return CString("1");
        };
        sheet.settings.chChartType = c.type;
        sheet.settings.bGroupByColumns = 1;
        const std::vector<int> rows = Indexes(c.rows), columns = Indexes(c.columns);
        EXPECT_EQ(BuildChartSeries(sheet.settings, source, kChartSourceLists, &rows, &columns), c.built);
        EXPECT_EQ(sheet.settings.bDataRefused, !c.built);
        EXPECT_EQ(sheet.settings.chDataSourceMode, kChartSourceLists);
        if (c.built) {
            EXPECT_EQ(size_t(reads), c.rows * c.columns);
            EXPECT_EQ(sheet.settings.legendItems.size(), c.columns);
        } else {
            EXPECT_EQ(reads, 0) << "not attempted";
            EXPECT_TRUE(sheet.settings.items.empty());
            EXPECT_TRUE(sheet.settings.legendItems.empty());
        }
    }
}

TEST(SeriesBuilder, AWholePageTooLargeIsRefusedAndASmallerBuildClearsTheRefusal)
{
    ChartSheet sheet(130, 130, 1, 1); // 129 x 129 body cells
    sheet.Build(kChartColumn, 0, true);
    EXPECT_TRUE(sheet.settings.bDataRefused);
    EXPECT_TRUE(sheet.settings.items.empty());
    RecordingRepaint repaint;
    SheetModel::SetSelectedRange(sheet.page, sheet.cells, CCellRect(1, 1, 4, 3), repaint);
    sheet.Build(kChartColumn, 0, true, kChartSourceSelection);
    EXPECT_FALSE(sheet.settings.bDataRefused);
    EXPECT_EQ(sheet.settings.items.size(), 4u);
    EXPECT_EQ(sheet.settings.legendItems.size(), 3u);
}

TEST(SeriesBuilder, SeriesColoursRepeatAfterTheList)
{
    ChartSheet sheet(1, 5);
    sheet.Build(kChartColumn, 0, true);
    ASSERT_EQ(sheet.settings.items.size(), 1u);
    for (int s = 0; s < 5; ++s) {
        const COLORREF colour = sheet.colours[size_t(s) % 3];
        EXPECT_EQ(sheet.settings.items[0][size_t(s)].faceColour[0], colour) << s;
        EXPECT_EQ(sheet.settings.legendItems[size_t(s)].markerFill.crColour, colour) << s;
    }
    sheet.colours.clear();
    sheet.Build(kChartColumn, 0, true);
    EXPECT_EQ(sheet.settings.items[0][4].faceColour[0], 0u);
}

TEST(SeriesBuilder, GroupingChangeRebuildsWithTheStoredSource)
{
    ChartSheet sheet(3, 2);
    const std::vector<int> rows{2, 0}, columns{1};
    BuildChartSeries(sheet.settings, sheet.Source(), kChartSourceLists, &rows, &columns);
    EXPECT_EQ(sheet.Texts(), (Table{{"2:1", "0:1"}}));
    sheet.Cell(2, 1).SetText("8");
    SetChartGroupByColumns(sheet.settings, sheet.Source(), false); // unchanged: no rebuild
    EXPECT_EQ(sheet.Texts(), (Table{{"2:1", "0:1"}}));
    SetChartGroupByColumns(sheet.settings, sheet.Source(), true);
    EXPECT_EQ(sheet.Texts(), (Table{{"8"}, {"0:1"}}));
    EXPECT_EQ(sheet.settings.dClusteredMax, 8);
}

TEST(SeriesBuilder, PieTypeRebuildsBeforeItsStackedRange)
{
    ChartSheet sheet({{"1", "2"}, {"3", "-4"}});
    sheet.Build(kChartColumn, 0, false);
    sheet.Cell(0, 0).SetText("10");
    SetChartType(sheet.settings, sheet.Source(), kChartPie, 0);
    EXPECT_EQ(sheet.settings.items[0][0].dValue, 10);
    EXPECT_EQ(sheet.settings.dStackedMax, 13);
    EXPECT_EQ(sheet.settings.dStackedMin, -4);
    // A new pie takes the clustered range, which follows the rebuilt table.
    double min = 0, max = 0;
    GetChartValueRange(sheet.settings, min, max);
    EXPECT_EQ(min, -4);
    EXPECT_EQ(max, 10);
}

TEST(ChartValueRange, ClusteredRange)
{
    const struct
    {
        std::vector<std::vector<double>> rows;
        double min, max;
    } cases[] = {
        {{}, 0, 0},
        {{{}, {}}, 0, 0},
        {{{2e10}, {3e10}}, 2e10, 3e10},
        {{{-1, 5}, {2}}, -1, 5},
        {{{-7}}, -7, -7},
        {{{0}}, 0, 0},
        {{{std::nan(""), 4}}, 0, 4},
    };
    for (const auto& c : cases) {
        CChartPageSettings settings = WithValues(c.rows);
        settings.dClusteredMin = settings.dClusteredMax = 99;
        CalcChartValueRange(settings);
        EXPECT_EQ(settings.dClusteredMin, c.min);
        EXPECT_EQ(settings.dClusteredMax, c.max);
    }
}

TEST(ChartValueRange, MixedSignIsSetOnceRowsOfBothSignsMeet)
{
    CChartPageSettings settings = WithValues({{1, 2}, {3, -1}});
    CalcChartValueRange(settings);
    EXPECT_EQ(settings.bMixedSign, 0);
    settings = WithValues({{1, 2}, {-3, -1}});
    CalcChartValueRange(settings);
    EXPECT_EQ(settings.bMixedSign, 1);
    settings.items = WithValues({{1, 2}}).items;
    CalcChartValueRange(settings);
    EXPECT_EQ(settings.bMixedSign, 1);
}

TEST(ChartValueRange, StackedTotalsAndSignClasses)
{
    ChartSheet sheet(0, 0);
    CChartPageSettings& settings = sheet.settings = WithValues({{0, 0}, {3, -1}, {3, 0}, {-2, -5}, {}}, 0, 1);
    CalcStackedValueRange(settings, sheet.Source());
    ASSERT_EQ(settings.rowTotals.size(), 5u);
    const int signs[] = {-1, 0, 1, -1, -1};
    for (size_t r = 0; r < 5; ++r)
        EXPECT_EQ(settings.rowTotals[r].chSign, signs[r]) << r;
    EXPECT_EQ(settings.rowTotals[1].dNegativeSum, -1);
    EXPECT_EQ(settings.rowTotals[1].dPositiveSum, 3);
    EXPECT_EQ(settings.rowTotals[3].dAbsSum, 7);
    EXPECT_EQ(settings.dStackedMin, -7);
    EXPECT_EQ(settings.dStackedMax, 3);

    // Stacked lines sum each category over the series.
    settings = WithValues({{1, 2}, {3, -4, 9}}, kChartLine, 1);
    CalcStackedValueRange(settings, sheet.Source());
    ASSERT_EQ(settings.rowTotals.size(), 2u);
    EXPECT_EQ(settings.rowTotals[0].dPositiveSum, 4);
    EXPECT_EQ(settings.rowTotals[1].dNegativeSum, -4);
    EXPECT_EQ(settings.rowTotals[1].chSign, 0);

    // An empty table keeps the range it had.
    settings = WithValues({});
    settings.dStackedMin = -1;
    settings.dStackedMax = 1;
    CalcStackedValueRange(settings, sheet.Source());
    EXPECT_EQ(settings.dStackedMin, -1);
    EXPECT_EQ(settings.dStackedMax, 1);
}

TEST(ChartValueRange, RangeOfANewChartByKind)
{
    const struct
    {
        int type, subType;
        CChartRangeKind kind;
    } cases[] = {
        {0, 0, CChartRangeKind::Clustered}, {0, 1, CChartRangeKind::Stacked},  {0, 6, CChartRangeKind::Clustered},
        {0, 7, CChartRangeKind::None},      {1, 3, CChartRangeKind::Clustered}, {1, 5, CChartRangeKind::Stacked},
        {1, 6, CChartRangeKind::None},      {2, 6, CChartRangeKind::Clustered}, {2, 4, CChartRangeKind::Stacked},
        {3, 2, CChartRangeKind::Clustered}, {4, 3, CChartRangeKind::Clustered}, {4, 6, CChartRangeKind::None},
        {5, 0, CChartRangeKind::None},      {0, -1, CChartRangeKind::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RangeOfNewChart(c.type, c.subType), c.kind) << c.type << "/" << c.subType;
        CChartPageSettings settings;
        settings.chChartType = BYTE(c.type);
        settings.chChartSubType = BYTE(c.subType);
        settings.dClusteredMin = 1;
        settings.dClusteredMax = 2;
        settings.dStackedMin = 3;
        settings.dStackedMax = 4;
        double min = -1, max = -1;
        GetChartValueRange(settings, min, max);
        if (c.subType >= 0) {
            const double expected = c.kind == CChartRangeKind::Clustered ? 1 : c.kind == CChartRangeKind::Stacked ? 3 : 0;
            EXPECT_EQ(min, expected) << c.type << "/" << c.subType;
        }
    }
}
