// The grid's charts: square slots side by side, the hit test with its order of parts, selection
// and the tracker rectangle, the Delete key, and the hot chart drawn last.

#include "gridwnd/GridChartList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// A chart at (100, 100)-(300, 300) with a plot area over most of it and a title inside the plot.
std::unique_ptr<CGridChart> MakeChart(CPoint offset = CPoint())
{
    auto chart = std::make_unique<CGridChart>();
    const CRect rects[CGridChart::kPartCount] = {
        {100, 100, 300, 300}, // whole
        {110, 110, 250, 290}, // plot area
        {255, 150, 295, 250}, // legend
        {110, 280, 250, 290}, // data area
        {150, 120, 210, 140}, // chart title, inside the plot area
        {150, 270, 210, 280}, // X-axis title
        {112, 150, 125, 250}, // Y-axis title
    };
    for (int part = 0; part < CGridChart::kPartCount; ++part) {
        chart->rects[part] = rects[part];
        chart->rects[part].OffsetRect(offset.x, offset.y);
    }
    return chart;
}

// Remembers which hooks of the chart were asked.
class MarkingChart : public CGridChart
{
public:
    void HitLegendEntries(int, int) override { ++legendHits; }
    void HitDataFaces(int, int) override { ++faceHits; }
    int legendHits = 0;
    int faceHits = 0;
};

} // namespace

TEST(GridChartSlots, SquaresSideBySide)
{
    struct Case
    {
        int left, top, right, bottom, count;
        BOOL multiple;
        CRect expected[3];
    };
    const Case cases[] = {
        // Three in 200: gap 20, slots 47, 47, 46.
        {0, 0, 200, 300, 3, TRUE, {{10, 126, 57, 173}, {77, 126, 124, 173}, {144, 127, 190, 173}}},
        // A low area: the square takes its height, centred in the slot.
        {0, 0, 200, 30, 3, TRUE, {{18, 0, 48, 30}, {85, 0, 115, 30}, {152, 0, 182, 30}}},
        // Without the multiple flag every call gives the one slot.
        {0, 0, 200, 100, 3, FALSE, {{50, 0, 150, 100}, {50, 0, 150, 100}, {50, 0, 150, 100}}},
    };
    for (const Case& c : cases) {
        int runningX = 0;
        for (int index = 0; index < 3; ++index)
            EXPECT_EQ(LayoutChartSlot(c.left, c.top, c.right, c.bottom, c.count, c.multiple, index, runningX),
                      c.expected[index])
                << "area " << c.right << " x " << c.bottom << " slot " << index;
    }
}

TEST(GridChartSlots, TenChartsIn200PixelsCloseTheGapsToSlotsOf20)
{
    int runningX = 0;
    for (int index = 0; index < 10; ++index) {
        const CRect slot = LayoutChartSlot(0, 0, 200, 20, 10, TRUE, index, runningX);
        EXPECT_EQ(slot, CRect(20 * index, 0, 20 * index + 20, 20)) << "slot " << index;
    }
    EXPECT_EQ(LayoutChartSlot(0, 0, 200, 20, 0, TRUE, 0, runningX), CRect()) << "no charts";
}

TEST(GridChartList, TitlesAreHitBeforeThePlotAreaAndTheChartWhereNoPartIs)
{
    struct Case
    {
        CPoint point;
        int part;
    };
    const Case cases[] = {
        {{160, 130}, 4}, {{160, 275}, 5}, {{115, 200}, 6}, {{200, 285}, 3},
        {{260, 200}, 2}, {{200, 200}, 1}, {{290, 120}, 0}, {{50, 50}, -1},
    };
    for (const Case& c : cases) {
        CGridChartList charts;
        charts.Add(MakeChart());
        int tracker = 0;
        int chart = 0;
        EXPECT_EQ(charts.HitTestCharts(c.point.x, c.point.y, -1, &tracker, &chart), c.part)
            << c.point.x << ", " << c.point.y;
        if (c.part < 0) {
            EXPECT_EQ(tracker, -1);
            EXPECT_EQ(chart, -1);
            continue;
        }
        EXPECT_EQ(chart, 0);
        EXPECT_EQ(charts.GetSelectedChart(), 0);
        EXPECT_EQ(charts.GetTrackerRect(), charts.GetAt(0)->rects[c.part]);
        EXPECT_EQ(tracker, TrackerHitTest(charts.GetTrackerRect(), c.point));
    }
}

TEST(GridChartList, PartsNotShownAndHiddenChartsAreNotHit)
{
    CGridChartList charts;
    charts.Add(MakeChart());
    charts.GetAt(0)->partShown[4] = false;
    EXPECT_EQ(charts.HitTestCharts(160, 130, -1, nullptr), 1) << "the plot area under the hidden title";
    charts.GetAt(0)->bShown = false;
    charts.DeselectCharts();
    EXPECT_EQ(charts.HitTestCharts(160, 130, -1, nullptr), -1);
}

TEST(GridChartList, LastChartIsTestedFirstAndTheSelectedOneKeepsItsPart)
{
    CGridChartList charts;
    charts.Add(MakeChart());
    charts.Add(MakeChart(CPoint(50, 0)));
    int chart = -1;
    EXPECT_EQ(charts.HitTestCharts(260, 200, -1, nullptr, &chart), 1);
    EXPECT_EQ(chart, 1) << "the later chart lies on top";
    EXPECT_TRUE(charts.GetAt(1)->bHot);
    EXPECT_FALSE(charts.GetAt(0)->bHot);

    EXPECT_EQ(charts.HitTestCharts(290, 290, 1, nullptr, &chart), 1) << "dragging the selected part";
    EXPECT_EQ(chart, 1);
    EXPECT_EQ(charts.HitTestCharts(120, 200, 1, nullptr, &chart), 6) << "outside the selected chart";
    EXPECT_EQ(chart, 0);
    EXPECT_FALSE(charts.GetAt(1)->bSelected);
    EXPECT_EQ(charts.GetAt(1)->nSelPart, -1);
}

TEST(GridChartList, HooksMarkLegendEntriesAndDataFaces)
{
    CGridChartList charts;
    auto owned = std::make_unique<MarkingChart>();
    MarkingChart* chart = owned.get();
    *static_cast<CGridChart*>(chart) = *MakeChart();
    charts.Add(std::move(owned));
    charts.HitTestCharts(260, 200, -1, nullptr);
    charts.DeselectCharts();
    charts.HitTestCharts(200, 200, -1, nullptr);
    EXPECT_EQ(chart->legendHits, 1);
    EXPECT_EQ(chart->faceHits, 1);
}

TEST(GridChartList, DeleteHidesTheSelectedPartOrTheWholeChart)
{
    CGridChartList charts;
    charts.Add(MakeChart());
    EXPECT_EQ(charts.DeleteSelectedChartPart(), std::nullopt);

    charts.HitTestCharts(260, 200, -1, nullptr);
    EXPECT_EQ(charts.DeleteSelectedChartPart(), CRect(255, 150, 295, 250));
    EXPECT_FALSE(charts.GetAt(0)->partShown[2]);
    EXPECT_TRUE(charts.GetAt(0)->bShown);
    EXPECT_EQ(charts.GetSelectedChart(), -1);
    EXPECT_TRUE(charts.GetTrackerRect().IsRectEmpty());

    EXPECT_EQ(charts.HitTestCharts(260, 200, -1, nullptr), 0) << "the legend is gone: the whole chart";
    EXPECT_EQ(charts.DeleteSelectedChartPart(), CRect(100, 100, 300, 300));
    EXPECT_FALSE(charts.GetAt(0)->bShown);
}

TEST(GridChartList, HotChartIsDrawnLast)
{
    CGridChartList charts;
    for (int i = 0; i < 3; ++i)
        charts.Add(MakeChart(CPoint(10 * i, 0)));
    EXPECT_EQ(charts.DrawingOrder(), (std::vector<int>{0, 1, 2}));
    charts.SelectChartPart(0, 0);
    EXPECT_EQ(charts.DrawingOrder(), (std::vector<int>{1, 2, 0}));
}

TEST(GridChartList, StyleValuesStartAtTheirDefaultsAndAChangeEmptiesTheLabels)
{
    CGridChartList charts;
    const int defaults[CGridChartList::kStyleCount] = {0, 1, 1,        0,        0,        0,
                                                       0, 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0};
    EXPECT_TRUE(std::equal(defaults, defaults + CGridChartList::kStyleCount, charts.GetChartStyle()));
    charts.Labels().push_back("label");
    const int values[CGridChartList::kStyleCount] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    charts.SetChartStyle(values);
    EXPECT_EQ(charts.GetChartStyle()[11], 12);
    EXPECT_TRUE(charts.Labels().empty());
}

TEST(GridChartTracker, HandlesCornersSidesAndInside)
{
    const CRect rect(100, 100, 200, 160);
    struct Case
    {
        CPoint point;
        int hit;
    };
    const Case cases[] = {
        {{100, 100}, 0}, {{199, 100}, 1}, {{199, 159}, 2}, {{100, 159}, 3}, {{150, 102}, 4},
        {{197, 130}, 5}, {{150, 157}, 6}, {{101, 131}, 7}, {{150, 130}, 8}, {{200, 130}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrackerHitTest(rect, c.point), c.hit) << c.point.x << ", " << c.point.y;
    EXPECT_EQ(TrackerHitTest(CRect(), CPoint()), -1);
}
