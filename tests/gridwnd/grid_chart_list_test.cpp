// The grid's charts: square slots side by side, the hit test with its order of parts, selection
// and the tracker rectangle, the Delete key, and the hot chart drawn last.

#include "gridwnd/GridChartList.h"
#include "tests/support/GridCharts.h"

#include "chart/model/ChartKinds.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CNorvakChart MakeChart(CPoint offset = CPoint())
{
    return MakeLaidOutGridChart(offset);
}

bool PartShown(const CGridChartList& charts, int chart, int part)
{
    return charts.GetAt(chart)->IsPartShown(part);
}

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
        EXPECT_EQ(charts.GetTrackerRect(), *charts.GetAt(0)->PartRect(c.part));
        EXPECT_EQ(tracker, TrackerHitTest(charts.GetTrackerRect(), c.point));
    }
}

TEST(GridChartList, PartsNotShownAndHiddenChartsAreNotHit)
{
    CGridChartList charts;
    charts.Add(MakeChart());
    charts.GetAt(0)->partOrder[kChartTitle - 1].nShown = 0;
    EXPECT_EQ(charts.HitTestCharts(160, 130, -1, nullptr), 1) << "the plot area under the hidden title";
    charts.GetAt(0)->bVisible = 0;
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
    EXPECT_TRUE(charts.GetAt(1)->bNewest) << "hot";
    EXPECT_FALSE(charts.GetAt(0)->bNewest);

    EXPECT_EQ(charts.HitTestCharts(290, 290, 1, nullptr, &chart), 1) << "dragging the selected part";
    EXPECT_EQ(chart, 1);
    EXPECT_EQ(charts.HitTestCharts(120, 200, 1, nullptr, &chart), 6) << "outside the selected chart";
    EXPECT_EQ(chart, 0);
    EXPECT_FALSE(charts.GetAt(1)->bSelected);
    EXPECT_EQ(charts.GetAt(1)->nSelPart, -1);
}

TEST(GridChartList, PicksMarkTheLegendEntryAndTheDataFaceUnderThePoint)
{
    CGridChartList charts;
    CNorvakChart chart = MakeChart();
    CChartTextItem entry;
    entry.rcFull = CRect(260, 160, 290, 180);
    entry.rcFlag = CRect(260, 160, 270, 180);
    entry.rcCaption = CRect(272, 160, 290, 180);
    chart.legendItems = {entry};
    chart.items.assign(1, CChartItemArray(2));
    chart.items[0][1].hitFaces[0] = CChartHitFace{{{150, 200}, {180, 200}, {180, 260}, {150, 260}}, 'z'};
    charts.Add(std::move(chart));
    CNorvakChart& added = *charts.GetAt(0);

    EXPECT_EQ(charts.HitTestCharts(280, 170, -1, nullptr), kChartLegend);
    EXPECT_EQ(added.legendItems[0].chSelPart, 't') << "the caption";
    charts.DeselectCharts();
    EXPECT_EQ(charts.HitTestCharts(165, 230, -1, nullptr), kChartPlot);
    EXPECT_EQ(added.items[0][1].chSelPart, 'z');
    EXPECT_EQ(added.legendItems[0].chSelPart, ' ') << "a new pick clears the old mark";
    charts.DeselectCharts();
    EXPECT_EQ(charts.HitTestCharts(200, 200, -1, nullptr), kChartPlot) << "the plot area off the faces";
    EXPECT_EQ(added.items[0][1].chSelPart, ' ');
}

TEST(GridChartList, DeleteHidesTheSelectedPartOrTheWholeChart)
{
    CGridChartList charts;
    charts.Add(MakeChart());
    EXPECT_EQ(charts.DeleteSelectedChartPart(), std::nullopt);

    charts.HitTestCharts(260, 200, -1, nullptr);
    EXPECT_EQ(charts.DeleteSelectedChartPart(), CRect(255, 150, 295, 250));
    EXPECT_FALSE(PartShown(charts, 0, kChartLegend));
    EXPECT_TRUE(charts.GetAt(0)->bVisible);
    EXPECT_EQ(charts.GetSelectedChart(), -1);
    EXPECT_TRUE(charts.GetTrackerRect().IsRectEmpty());

    EXPECT_EQ(charts.HitTestCharts(260, 200, -1, nullptr), 0) << "the legend is gone: the whole chart";
    EXPECT_EQ(charts.DeleteSelectedChartPart(), CRect(100, 100, 300, 300));
    EXPECT_FALSE(charts.GetAt(0)->bVisible);
}

TEST(GridChartList, DeleteHidesAPartOfARecordWithoutAPartList)
{
    CGridChartList charts;
    CNorvakChart chart = MakeChart();
    chart.partOrder.clear(); // as a record read without one: every part shows
    charts.Add(std::move(chart));
    charts.HitTestCharts(160, 130, -1, nullptr);
    ASSERT_EQ(charts.DeleteSelectedChartPart(), CRect(150, 120, 210, 140));
    EXPECT_FALSE(PartShown(charts, 0, kChartTitle));
    EXPECT_TRUE(PartShown(charts, 0, kChartLegend));
}

TEST(GridChartList, TrackerDragsMoveOrResizeTheSelectedPart)
{
    struct Case
    {
        int part, handle, dx, dy;
        CRect whole, partAfter;
    };
    const Case cases[] = {
        // The whole chart moves inside, its parts along.
        {kChartWhole, 8, 10, -5, {110, 95, 310, 295}, {110, 95, 310, 295}},
        // Its bottom-right corner: the parts keep their places in proportion.
        {kChartWhole, 2, 200, 0, {100, 100, 500, 300}, {100, 100, 500, 300}},
        // A part moves within the chart, which stays.
        {kChartLegend, 8, -20, 10, {100, 100, 300, 300}, {235, 160, 275, 260}},
        // The top-left handle of a part follows the mouse: the mouse right and down shrinks it.
        {kChartLegend, 0, 5, 10, {100, 100, 300, 300}, {260, 160, 295, 250}},
        {kChartLegend, 7, -15, 0, {100, 100, 300, 300}, {240, 150, 295, 250}},
    };
    for (const Case& c : cases) {
        CGridChartList charts;
        charts.Add(MakeChart());
        charts.SelectChartPart(0, c.part);
        const auto repaint = charts.TrackSelectedPart(c.handle, c.dx, c.dy);
        ASSERT_TRUE(repaint) << "part " << c.part << " handle " << c.handle;
        const CNorvakChart& chart = *charts.GetAt(0);
        EXPECT_EQ(chart.rcChart, c.whole) << "part " << c.part << " handle " << c.handle;
        EXPECT_EQ(*chart.PartRect(c.part), c.partAfter) << "part " << c.part << " handle " << c.handle;
        EXPECT_EQ(charts.GetTrackerRect(), c.partAfter);
        CRect common;
        EXPECT_TRUE(common.IntersectRect(*repaint, c.partAfter) && common == c.partAfter) << "repaints the new place";
    }
    CGridChartList charts;
    charts.Add(MakeChart());
    charts.SelectChartPart(0, kChartWhole);
    const auto moved = charts.TrackSelectedPart(8, 10, 0);
    ASSERT_TRUE(moved);
    EXPECT_EQ(*charts.GetAt(0)->PartRect(kChartLegend), CRect(265, 150, 305, 250)) << "a whole-chart move";
}

TEST(GridChartList, TrackerDragsThatCannotApplyChangeNothing)
{
    CGridChartList charts;
    charts.Add(MakeChart());
    EXPECT_EQ(charts.TrackSelectedPart(8, 10, 10), std::nullopt) << "nothing selected";
    charts.SelectChartPart(0, kChartLegend);
    EXPECT_EQ(charts.TrackSelectedPart(9, 10, 10), std::nullopt) << "no handle";
    EXPECT_EQ(charts.TrackSelectedPart(5, -50, 0), std::nullopt) << "the right side past the left one";
    EXPECT_EQ(*charts.GetAt(0)->PartRect(kChartLegend), CRect(255, 150, 295, 250));
}

TEST(GridChartList, ScrollingMovesEveryChartAndTheTracker)
{
    CGridChartList charts;
    charts.Add(MakeChart());
    charts.Add(MakeChart(CPoint(50, 0)));
    charts.SelectChartPart(1, kChartTitle);
    charts.OffsetCharts(0, -40);
    EXPECT_EQ(charts.GetAt(0)->rcChart, CRect(100, 60, 300, 260));
    EXPECT_EQ(*charts.GetAt(1)->PartRect(kChartTitle), CRect(200, 80, 260, 100));
    EXPECT_EQ(charts.GetTrackerRect(), CRect(200, 80, 260, 100));
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
    charts.Labels().push_back(CChartTextLabel());
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
