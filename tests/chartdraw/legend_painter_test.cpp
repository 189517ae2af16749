// The legend: slots with their shrinking gap, the marker box of an entry by its marker settings,
// captions measured in the DC's own font beside the marker, cut or narrowed at the legend's edge,
// entries that do not fit forgetting their rectangles, and the preview twin.

#include "chartdraw/LegendPainter.h"
#include "tests/chartdraw/ChartDrawFixture.h"
#include "tests/support/GeometryPrint.h"

#include <gtest/gtest.h>

namespace {

const CDefaultTables& Tables()
{
    static const CDefaultTables tables = [] {
        CDefaultTables built;
        built.BuildDefaultTables();
        return built;
    }();
    return tables;
}

// A column chart of one category with a legend entry per series.
CNorvakChart LegendChart(int entries, const CRect& legend, const char* caption = "系列")
{
    CNorvakChart chart = MakeChart(0, 0, {std::vector<double>(size_t(entries), 1.0)});
    for (int i = 0; i < entries; ++i)
        chart.legendItems.push_back(CChartTextItem(0, 0, caption, FaceColour(0, i, 0)));
    chart.rcLegend = legend;
    chart.legendStyle.nFillKind = 0;
    chart.legendStyle.nLineStyle = 1;
    chart.legendStyle.nLineWidth = 1;
    return chart;
}

CSize CaptionSize(CDC* dc, const CChartTextItem& entry, const LOGFONTA& font)
{
    CFont made;
    made.CreateFontIndirect(&font);
    CSelectObject select(*dc, made);
    return dc->GetTextExtent(entry.strCaption);
}

TEST(LegendPainter, SlotsMarkerBoxesAndCaptions)
{
    // 99 pixels for three entries: the gap stays 10 and every slot is 23 high, from row 15.
    DrawingCanvas canvas(200, 140);
    CNorvakChart chart = LegendChart(3, CRect(10, 10, 190, 110));
    ASSERT_TRUE(CLegendPainter(Tables()).DrawLegend(canvas.dc(), &chart));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const CChartTextItem& entry = chart.legendItems[size_t(i)];
        const int top = 15 + 33 * i, middle = top + 11;
        // A 12 x 12 marker box in the slot's 23 x 23 region, the caption beside it grown to 23.
        EXPECT_EQ(entry.rcFlag, CRect(15, middle - 6, 27, middle + 6));
        const int width = CaptionSize(canvas.dc(), entry, entry.font).cx;
        EXPECT_EQ(entry.rcCaption, CRect(32, middle - 11, 32 + width, middle + 11));
        EXPECT_EQ(entry.rcFull, CRect(15, middle - 11, 32 + width, middle + 11));
        EXPECT_EQ(canvas.At(21, middle), FaceColour(0, i, 0)) << "the series' marker";
        EXPECT_GT(canvas.InkIn(entry.rcCaption), 0);
    }
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 9, 140)), 0) << "nothing outside the legend";
}

TEST(LegendPainter, GapShrinksBeforeTheSlots)
{
    struct Case
    {
        int height, entries;
        std::vector<int> tops;
    } cases[] = {
        {51, 5, {10, 20, 30, 40, 50}},  // 50 for five: no gap, slots of 10
        {101, 5, {15, 35, 55, 75, 95}}, // gap 10, slots of 10
        {81, 5, {13, 29, 45, 61, 77}},  // gap 6, slots of 10
        {46, 5, {10, 19, 28, 37, 46}},  // gap 0, slots of 9
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        DrawingCanvas canvas(200, 160);
        CNorvakChart chart = LegendChart(c.entries, CRect(10, 10, 190, 10 + c.height));
        CLegendPainter(Tables()).DrawLegend(canvas.dc(), &chart);
        std::vector<int> tops;
        for (const CChartTextItem& entry : chart.legendItems)
            tops.push_back(entry.rcFlag.top);
        EXPECT_EQ(tops, c.tops);
    }
}

TEST(LegendPainter, MarkerBoxBySettings)
{
    struct Case
    {
        int outerCircle, strikeLine, markerStyle;
        CRect region, legend, box;
    } cases[] = {
        {0, 0, 0, CRect(15, 15, 38, 38), CRect(10, 10, 190, 110), CRect(15, 20, 27, 32)},
        {0, 0, 5, CRect(15, 15, 38, 38), CRect(10, 10, 190, 110), CRect(15, 17, 33, 35)},
        {0, 0, 0, CRect(15, 15, 27, 27), CRect(10, 10, 190, 110), CRect(15, 15, 27, 27)}, // no room: the region
        {0, 1, 0, CRect(15, 15, 38, 38), CRect(10, 10, 190, 110), CRect(30, 20, 42, 32)},
        {0, 1, 0, CRect(15, 15, 38, 38), CRect(10, 10, 40, 110), CRect(30, 20, 39, 32)}, // ends short of the edge
        {1, 0, 0, CRect(15, 15, 40, 40), CRect(10, 10, 190, 110), CRect(15, 17, 35, 37)},
        {1, 1, 0, CRect(15, 15, 40, 40), CRect(10, 10, 190, 110), CRect(30, 17, 50, 37)},
        {1, 1, 0, CRect(15, 15, 40, 40), CRect(10, 10, 45, 110), CRect(15, 20, 29, 34)}, // 5 over: 14 wide
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "circle " << c.outerCircle << " strike " << c.strikeLine << " marker "
                                        << c.markerStyle << " legend right " << c.legend.right);
        CChartTextItem entry;
        entry.bOuterCircle = c.outerCircle;
        entry.bStrikeLine = c.strikeLine;
        entry.nMarkerStyle = c.markerStyle;
        EXPECT_EQ(CLegendPainter::CalcFlagRect(c.region, entry, c.legend), c.box);
    }
}

TEST(LegendPainter, LongCaptionsAreCutOrNarrowedAtTheEdge)
{
    for (int fit : {0, 1}) {
        SCOPED_TRACE(fit);
        DrawingCanvas canvas(200, 140);
        CNorvakChart chart = LegendChart(1, CRect(10, 10, 120, 60), "一个很长很长很长的图例说明文字");
        CChartTextItem& entry = chart.legendItems[0];
        entry.bFitText = fit;
        CLegendPainter(Tables()).DrawLegend(canvas.dc(), &chart);
        EXPECT_EQ(entry.rcCaption.right, 115);
        EXPECT_EQ(canvas.InkIn(CRect(120, 0, 200, 140)), 0) << "clipped to the legend";
        // A caption cut at the edge runs on to the legend's edge; a fitted one is narrowed into
        // its box.
        EXPECT_EQ(canvas.InkIn(CRect(116, 11, 119, 59)) > 0, fit == 0);
    }
}

TEST(LegendPainter, StrikeLineMovesMarkerAndCaption)
{
    DrawingCanvas canvas(200, 140);
    CNorvakChart chart = LegendChart(1, CRect(10, 10, 190, 50));
    CLegendPainter(Tables()).DrawLegend(canvas.dc(), &chart);
    const CRect flag = chart.legendItems[0].rcFlag, caption = chart.legendItems[0].rcCaption;
    chart.legendItems[0].bStrikeLine = 1;
    CLegendPainter(Tables()).DrawLegend(canvas.dc(), &chart);
    EXPECT_EQ(chart.legendItems[0].rcFlag.left, flag.left + 15);
    EXPECT_EQ(chart.legendItems[0].rcCaption.left, caption.left + 30) << "the caption's box moves 15 more";
}

TEST(LegendPainter, EntriesThatDoNotFitForgetTheirRectangles)
{
    DrawingCanvas canvas(200, 140);
    CNorvakChart chart = LegendChart(3, CRect(10, 10, 190, 110));
    chart.legendItems.push_back(CChartTextItem(0, 0, "no series", 0));
    chart.legendItems.back().rcFull = CRect(0, 0, 100, 100);
    CLegendPainter(Tables()).DrawLegend(canvas.dc(), &chart);
    EXPECT_TRUE(chart.legendItems[3].rcFull.IsRectEmpty()) << "an item beyond the series";
    ASSERT_FALSE(chart.legendItems[0].rcFull.IsRectEmpty());
    chart.rcLegend = CRect(10, 110, 190, 105); // lower than nothing
    canvas.Clear();
    CLegendPainter(Tables()).DrawLegend(canvas.dc(), &chart);
    for (const CChartTextItem& entry : chart.legendItems)
        EXPECT_TRUE(entry.rcFull.IsRectEmpty() && entry.rcFlag.IsRectEmpty() && entry.rcCaption.IsRectEmpty());
}

TEST(LegendPainter, PreviewDrawsThePendingItems)
{
    DrawingCanvas canvas(200, 140);
    CChartTextItemArray items{CChartTextItem(2, 0, "甲", RGB(255, 0, 0)), CChartTextItem(2, 0, "乙", RGB(0, 0, 255))};
    const CChartItemTable table(2, CChartItemArray(3));
    CLegendBoxOptions options;
    options.bytes[0] = 1; // solid
    options.ints[0] = int(RGB(250, 240, 200));
    ASSERT_TRUE(CLegendPainter(Tables()).DrawPreviewLegend(canvas.dc(), CRect(10, 10, 190, 110), 2, 0, options,
                                                           &items, &table));
    // Line charts have an entry per row; 99 pixels for two: slots 40 and 39 high, marker boxes
    // 10 x 10 round the middle of the 20 pixels cut from them.
    EXPECT_EQ(items[0].rcFlag, CRect(20, 30, 30, 40));
    EXPECT_EQ(items[1].rcFlag, CRect(20, 79, 30, 89));
    EXPECT_EQ(canvas.At(100, 12), RGB(250, 240, 200)) << "the legend box in the pending style";
    EXPECT_GT(canvas.InkIn(items[1].rcCaption), 0);
}

} // namespace
