// The chart records: a data point built from a cell, the shade of a series colour, legend entries,
// the defaults of a new chart and of a chart being read, and copies that share nothing.

#include "chart/model/NorvakChart.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

std::string Face(const LOGFONTA& font)
{
    return font.lfFaceName;
}

} // namespace

TEST(ChartItem, ValueAndTextFromACell)
{
    const struct
    {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5}, {"-3", -3}, {"7kg", 7}, {"abc", 0}, {"", 0}, {"一二", 0}, {"1e999", 0}, {"-1e999", 0},
    };
    for (const auto& c : cases) {
        const CChartItem point(c.text, RGB(1, 2, 3), 0, 0);
        EXPECT_EQ(point.dValue, c.value) << c.text;
        EXPECT_STREQ(point.strCellText, c.text);
    }
}

TEST(ChartItem, ShadeTakesTwoTenthsOfEachByte)
{
    const struct
    {
        COLORREF colour, shade;
    } cases[] = {
        {kWhite, RGB(205, 205, 205)}, {RGB(10, 9, 0), RGB(8, 9, 0)},      {RGB(19, 20, 99), RGB(17, 16, 81)},
        {RGB(100, 0, 0), RGB(80, 0, 0)}, {RGB(0, 0, 128), RGB(0, 0, 104)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CChartItem::Shade(c.colour), c.shade) << std::hex << c.colour;
}

TEST(ChartItem, SeriesColourGoesToTheFrontFaceOfItsType)
{
    const COLORREF colour = RGB(200, 100, 50), shade = CChartItem::Shade(colour);
    const struct
    {
        int type, front; // -1: no colours
    } cases[] = {{0, 0}, {1, 0}, {4, 0}, {2, 4}, {3, 4}, {5, -1}, {-1, -1}};
    for (const auto& c : cases) {
        const CChartItem point("1", colour, c.type, 0);
        for (int face = 0; face < CChartItem::kFaces; ++face) {
            const COLORREF expected = c.front < 0 ? 0 : face == c.front ? colour : shade;
            EXPECT_EQ(point.faceColour[face], expected) << "type " << c.type << " face " << face;
            EXPECT_EQ(point.faceFillKind[face], 1);
        }
    }
}

TEST(ChartItem, CellPointAndDefaultPointDiffer)
{
    const CChartItem plain, fromCell("1", 0, 3, 5);
    EXPECT_EQ(plain.labelFont.lfHeight, -12);
    EXPECT_EQ(plain.labelFont.lfEscapement, 450);
    EXPECT_EQ(plain.bLabelFixedAngle, 1);
    EXPECT_EQ(plain.faceFillKind[0], 0);
    EXPECT_EQ(fromCell.labelFont.lfHeight, -14);
    EXPECT_EQ(fromCell.labelFont.lfEscapement, 0);
    EXPECT_EQ(fromCell.bLabelFixedAngle, 0);
    for (const CChartItem* point : {&plain, &fromCell}) {
        EXPECT_EQ(Face(point->labelFont), "宋体");
        EXPECT_EQ(point->chSelPart, ' ');
        EXPECT_EQ(point->nLeaderLength, 20);
        EXPECT_EQ(point->fScale, 1.0f);
        EXPECT_EQ(point->labelStyle.crLabelBack, kWhite);
    }
    // Ring ratios: a half for the ring sub-types of a pie only.
    for (int type : {0, 3})
        for (int subType = 0; subType <= 7; ++subType) {
            const float ratio = type == 3 && subType >= 4 ? 0.5f : 0.0f;
            const CChartItem point("1", 0, type, subType);
            EXPECT_EQ(point.fHoleHeightRatio, ratio) << type << "/" << subType;
            EXPECT_EQ(point.fHoleWidthRatio, ratio);
        }
}

TEST(ChartTextItem, MarkerByChartKind)
{
    const COLORREF colour = RGB(1, 2, 3);
    for (int subType = 0; subType <= 6; ++subType) {
        const CChartTextItem entry(2, subType, "系列1", colour);
        const bool threeD = subType == 6;
        EXPECT_EQ(entry.nMarkerStyle, threeD ? 5 : 0) << subType;
        EXPECT_EQ(entry.bStrikeLine, threeD ? 1 : 0);
        EXPECT_EQ(entry.bOuterCircle, 0);
        EXPECT_EQ(entry.markerFill.nFillKind, 1);
        EXPECT_EQ(entry.markerFill.crColour, colour);
        EXPECT_EQ(entry.markerFill.crGradient[0], colour);
        EXPECT_EQ(entry.markerFill.crGradient[1], kWhite);
        EXPECT_EQ(entry.chSelPart, ' ');
        EXPECT_STREQ(entry.strCaption, "系列1");
    }
    // Beyond the known types only the caption, the flag int and the type are set.
    const CChartTextItem odd(5, 6, "x", colour);
    EXPECT_EQ(odd.nMarkerLineStyle, 0);
    EXPECT_EQ(odd.markerFill.nFillKind, 0);
    EXPECT_EQ(odd.nMarkerSetting, 1);
    EXPECT_EQ(odd.nChartType, 5);
    EXPECT_EQ(Face(odd.font), "system");
}

TEST(NorvakChart, DefaultsOfANewChart)
{
    const struct
    {
        int type, subType, depthX, depthY;
        bool topAndBottom;
    } cases[] = {
        {0, 0, 0, 0, true},     {0, 4, 10, 20, true},  {0, 6, 80, 40, true},   {1, 2, 0, 0, false},
        {1, 3, 20, 10, false},  {2, 5, 0, 0, false},   {2, 6, 20, 10, true},   {3, 1, 0, 0, false},
        {4, 0, 20, 10, false},  {4, 5, 20, 10, false}, {4, 6, 0, 0, false},    {9, 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.subType);
        const CNorvakChart chart(c.type, c.subType, -1, 2);
        EXPECT_EQ(chart.nDepthX, c.depthX);
        EXPECT_EQ(chart.nDepthY, c.depthY);
        EXPECT_EQ(chart.yAxisTitle.font.lfEscapement, c.depthX > 0 ? 900 : 0);
        EXPECT_EQ(chart.faceShown[0], c.topAndBottom ? 1 : 0);
        EXPECT_EQ(chart.faceShown[1], c.topAndBottom ? 1 : 0);
        const int rest[5] = {1, 1, 0, 1, 1};
        EXPECT_TRUE(std::equal(rest, rest + 5, chart.faceShown + 2));
    }
    const CNorvakChart chart(0, 0, -1, 2);
    EXPECT_EQ(chart.nSelPart, -1);
    EXPECT_EQ(chart.nPieSeries, 0);
    EXPECT_STREQ(chart.chartTitle.strText, "图表标题!");
    EXPECT_STREQ(chart.xAxisTitle.strText, "X轴标题!");
    EXPECT_STREQ(chart.yAxisTitle.strText, "Y轴标题!");
    EXPECT_EQ(Face(chart.xAxisTitle.font), "system");
    EXPECT_EQ(chart.partOrder.size(), 6u);
    for (int kind = 1; kind <= 6; ++kind) {
        EXPECT_EQ(chart.partOrder[size_t(kind - 1)].chPart, kind);
        EXPECT_EQ(chart.partOrder[size_t(kind - 1)].chLevel, kind);
    }
    EXPECT_EQ(chart.plotStyle.nFillKind, 0);
    EXPECT_EQ(chart.plotStyle.crColour1, 0xFF00FFu);
    EXPECT_EQ(chart.floorStyle.nLineStyle, 3);
    EXPECT_EQ(chart.floorStyle.crLineColour, 0xFF0000u);
    EXPECT_EQ(chart.wallStyles[4].crColour1, 0x00FFFFu);
    EXPECT_EQ(chart.chartStyle.nTexture, -1);
    EXPECT_EQ(chart.legendStyle.crColour3, 0u);
}

TEST(NorvakChart, ChartBeingReadStartsEmpty)
{
    const CNorvakChart chart;
    EXPECT_TRUE(chart.items.empty() && chart.partOrder.empty() && chart.legendItems.empty());
    EXPECT_TRUE(chart.chartTitle.strText.IsEmpty());
    EXPECT_EQ(chart.bShowTextLabels, 1);
    for (const CChartRangeEntry& entry : chart.rangeEntries) {
        EXPECT_EQ(entry.chFlag1, 1);
        EXPECT_EQ(entry.chFlag2, 1);
        EXPECT_EQ(entry.dValue1, 0);
    }
    // An empty part list shows every part.
    for (int kind = 1; kind <= 6; ++kind)
        EXPECT_TRUE(chart.IsPartShown(kind));
}

TEST(NorvakChart, CopiesShareNoBuffer)
{
    CNorvakChart source(0, 3, 0, 10);
    source.items.assign(2, CChartItemArray(3, CChartItem("4", RGB(9, 9, 9), 0, 3)));
    CChartItem& point = source.items[1][2];
    point.faceOutline[0] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    point.hitFaces[0] = CChartHitFace{point.faceOutline[0], 'z'};
    point.auxPoints = {{7, 7}};
    source.legendItems.emplace_back(0, 3, "系列1", RGB(9, 9, 9));
    source.textLabels.emplace_back(1800);

    CNorvakChart copy = source;
    CChartItem& copied = copy.items[1][2];
    EXPECT_NE(copied.faceOutline[0].data(), point.faceOutline[0].data());
    EXPECT_NE(copied.hitFaces[0].points.data(), point.hitFaces[0].points.data());
    EXPECT_NE(copied.auxPoints.data(), point.auxPoints.data());
    copied.faceOutline[0][0].x = 99;
    copied.hitFaces[0].points[0].x = 99;
    copied.auxPoints[0].x = 99;
    copy.legendItems[0].strCaption = "改";
    copy.textLabels[0].strText = "改";
    EXPECT_EQ(point.faceOutline[0][0].x, 1);
    EXPECT_EQ(point.hitFaces[0].points[0].x, 1);
    EXPECT_EQ(point.auxPoints[0].x, 7);
    EXPECT_STREQ(source.legendItems[0].strCaption, "系列1");
    EXPECT_TRUE(source.textLabels[0].strText.IsEmpty());

    // Assignment over a chart with buffers of its own replaces them.
    CNorvakChart other(2, 0, 0, 0);
    other.items.assign(1, CChartItemArray(1));
    other.items[0][0].faceOutline[3].resize(100);
    other = source;
    ASSERT_EQ(other.items.size(), 2u);
    EXPECT_EQ(other.items[1][2].faceOutline[0].size(), 4u);
    EXPECT_NE(other.items[1][2].faceOutline[0].data(), point.faceOutline[0].data());
}

TEST(NorvakChart, PartsAreDrawnFromTheLastEntryOfTheList)
{
    using Order = std::vector<int>;
    const struct
    {
        std::vector<CChartPartOption> list;
        Order drawn;
    } cases[] = {
        {CNorvakChart::DefaultPartOrder(), {6, 5, 4, 3, 2, 1}},
        {{{2, 1, 1}, {1, 2, 1}, {3, 3, 1}, {4, 4, 1}, {5, 5, 1}, {6, 6, 1}}, {6, 5, 4, 3, 1, 2}},
        {{{1, 1, 1}, {2, 2, 0}, {3, 3, 1}, {4, 4, 1}, {5, 5, 0}, {6, 6, 1}}, {6, 4, 3, 1}},
        {{}, {1, 2, 3, 4, 5, 6}},
        {{{3, 1, 1}}, {1, 2, 4, 5, 6, 3}},
        // A kind counts at its first entry; kinds outside 1..6 are no parts.
        {{{4, 1, 0}, {9, 2, 1}, {0, 3, 1}, {4, 4, 1}, {1, 5, 1}}, {2, 3, 5, 6, 1}},
    };
    for (const auto& c : cases) {
        CNorvakChart chart;
        chart.partOrder = c.list;
        EXPECT_EQ(chart.PartDrawingOrder(), c.drawn) << testing::PrintToString(c.drawn);
    }
}
