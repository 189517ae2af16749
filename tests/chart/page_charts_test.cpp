// The charts of a page: insertion, drawing order, hiding, the locked area, selection and the Delete
// key; hit tests on part rectangles and on the geometry the painters record; whole-chart moves and
// resizes with the proportional re-layout of the parts.

#include "chart/model/ChartHitTest.h"
#include "chart/model/ChartResize.h"
#include "chart/model/NewChart.h"
#include "chart/model/PageCharts.h"
#include "drawing/CChartShapePainter.h"
#include "tests/chart/ChartSheet.h"

#include <gtest/gtest.h>

namespace {

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// A column chart at rect whose parts are laid out inside it: plot, legend, data area and titles.
CNorvakChart ChartAt(CRect rect, int type = kChartColumn, int subType = 0)
{
    CNorvakChart chart(type, subType, 0, 1);
    CChartPartRects rects;
    rects.rects[kChartWhole] = rect;
    rects.rects[kChartPlot] = CRect(rect.left + 10, rect.top + 30, rect.left + 60, rect.bottom - 10);
    rects.rects[kChartLegend] = CRect(rect.left + 70, rect.top + 30, rect.right - 5, rect.top + 60);
    rects.rects[kChartDataArea] = CRect(rect.left + 70, rect.top + 70, rect.right - 5, rect.top + 80);
    rects.rects[kChartTitle] = CRect(rect.left + 10, rect.top + 5, rect.right - 10, rect.top + 25);
    CChartPageSettings settings;
    settings.chChartType = BYTE(type);
    settings.chChartSubType = BYTE(subType);
    SetUpNewChart(chart, settings, rects);
    return chart;
}

std::vector<POINT> Square(int l, int t, int r, int b)
{
    return {{l, t}, {r, t}, {r, b}, {l, b}};
}

std::optional<CRect> Some(const CRect& r)
{
    return r;
}

} // namespace

TEST(PageCharts, InsertionMakesTheNewChartTheOnlyNewestAndUnselectsTheRest)
{
    CellSheet sheet(5, 5, 1, 1);
    AppendNewChart(sheet.page, ChartAt(CRect(0, 0, 100, 100)));
    SelectChartPart(sheet.page, 0, kChartLegend);
    sheet.page.m_charts[0]->items.assign(1, CChartItemArray(1));
    sheet.page.m_charts[0]->items[0][0].chSelPart = 'z';
    EXPECT_EQ(AppendNewChart(sheet.page, ChartAt(CRect(200, 0, 300, 100))), 1);
    const CNorvakChart& first = *sheet.page.m_charts[0];
    EXPECT_EQ(first.bNewest, 0);
    EXPECT_EQ(first.bSelected, 0);
    EXPECT_EQ(first.nSelPart, -1);
    EXPECT_EQ(first.items[0][0].chSelPart, ' ');
    EXPECT_EQ(sheet.page.m_charts[1]->bNewest, 1);
    EXPECT_EQ(GetSelectedChart(sheet.page), -1);
}

TEST(PageCharts, PartRectanglesOfAChartFromTheSettingsSheet)
{
    using Rects = std::vector<std::string>; // whole, plot, legend, data area, title, X title, Y title
    const struct
    {
        int shown[6]; // plot, legend, data area, title, X-axis title, Y-axis title
        CSize text;
        Rects rects;
    } cases[] = {
        {{1, 1, 1, 1, 1, 1}, CSize(40, 16),
         {"100,50,600,300", "170,120,530,170", "540,60,590,290", "170,180,530,230", "310,73,390,97",
          "310,253,390,277", "119,135,151,215"}},
        {{0, 0, 0, 0, 0, 0}, CSize(40, 16),
         {"100,50,600,300", "100,50,600,300", "600,50,600,300", "100,300,600,300", "100,50,600,50",
          "100,300,600,300", "100,50,100,300"}},
        {{1, 1, 0, 0, 0, 0}, CSize(40, 16),
         {"100,50,600,300", "110,60,530,290", "540,60,590,290", "100,300,540,300", "100,50,600,50",
          "100,300,600,300", "100,50,100,300"}},
        // Titles too large for the frame are held inside its margins.
        {{1, 1, 1, 1, 1, 1}, CSize(300, 200),
         {"100,50,600,300", "170,120,530,170", "540,60,590,290", "170,180,530,230", "105,45,595,189",
          "105,161,595,295", "105,45,335,295"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> measured;
        const CChartPartRects rects = NewChartPartRects(c.shown, [&](const char* text) {
            measured.push_back(text);
            return c.text;
        });
        Rects got;
        for (const CRect& r : rects.rects)
            got.push_back(Str(r));
        EXPECT_EQ(got, c.rects) << testing::PrintToString(c.shown);
        EXPECT_EQ(measured.size(), size_t(c.shown[3] + c.shown[4] + c.shown[5]));
    }
}

TEST(PageCharts, ClearOfTheLockedColumns)
{
    CellSheet sheet(5, 5, 1, 1);
    sheet.page.m_nLockedCols = 1; // the locked area ends at 70 + 70
    AppendNewChart(sheet.page, ChartAt(CRect(100, 0, 200, 100)));
    AppendNewChart(sheet.page, ChartAt(CRect(150, 0, 250, 100)));
    EXPECT_EQ(sheet.page.m_charts[0]->bClearOfLockedCols, 0);
    EXPECT_EQ(sheet.page.m_charts[1]->bClearOfLockedCols, 1);
    EXPECT_EQ(sheet.page.m_charts[0]->bClearOfLockedRows, 1);
    // A chart shown clipped keeps its flag.
    sheet.page.m_charts[1]->rcVisible.left = 160;
    sheet.page.m_charts[1]->rcChart.left = 50;
    AdjustPageChartsToLockedArea(sheet.page);
    EXPECT_EQ(sheet.page.m_charts[1]->bClearOfLockedCols, 1);
}

TEST(PageCharts, DrawingOrderPutsTheNewestLast)
{
    CellSheet sheet;
    for (int i = 0; i < 4; ++i)
        AppendNewChart(sheet.page, ChartAt(CRect(0, 0, 100, 100)));
    EXPECT_EQ(ChartDrawingOrder(sheet.page), (std::vector<int>{0, 1, 2, 3}));
    SelectChartPart(sheet.page, 1, kChartWhole);
    EXPECT_EQ(ChartDrawingOrder(sheet.page), (std::vector<int>{0, 2, 3, 1}));
    ClearNewestChartFlags(sheet.page);
    EXPECT_EQ(ChartDrawingOrder(sheet.page), (std::vector<int>{0, 1, 2, 3}));
}

TEST(PageCharts, HidingByIndex)
{
    CellSheet sheet;
    AppendNewChart(sheet.page, ChartAt(CRect(10, 10, 110, 110)));
    for (int bad : {-1, 1, 100})
        EXPECT_EQ(HideChart(sheet.page, bad), std::nullopt) << bad;
    EXPECT_EQ(sheet.page.m_charts[0]->bVisible, 1);
    EXPECT_EQ(HideChart(sheet.page, 0), Some(CRect(5, 5, 115, 115)));
    EXPECT_EQ(sheet.page.m_charts[0]->bVisible, 0);
    EXPECT_EQ(sheet.page.m_charts.size(), 1u);
}

TEST(PageCharts, OneSelectedChartAtATime)
{
    CellSheet sheet;
    AppendNewChart(sheet.page, ChartAt(CRect(0, 0, 100, 100)));
    AppendNewChart(sheet.page, ChartAt(CRect(50, 50, 150, 150)));
    EXPECT_EQ(SelectChartPart(sheet.page, 0, kChartTitle), Some(CRect(10, 5, 90, 25)));
    EXPECT_EQ(SelectChartPart(sheet.page, 1, kChartPlot), Some(CRect(60, 80, 110, 140)));
    EXPECT_EQ(sheet.page.m_charts[0]->bSelected, 0);
    EXPECT_EQ(sheet.page.m_charts[0]->nSelPart, -1);
    EXPECT_EQ(GetSelectedChart(sheet.page), 1);
    CRect rect;
    EXPECT_EQ(GetSelectedChartPartRect(sheet.page, rect), kChartPlot);
    EXPECT_EQ(rect, CRect(60, 80, 110, 140));
    EXPECT_EQ(SelectChartPart(sheet.page, 2, kChartPlot), std::nullopt);
    EXPECT_EQ(SelectChartPart(sheet.page, 0, 9), Some(CRect()));
    ClearChartSelection(sheet.page);
    EXPECT_EQ(GetSelectedChartPartRect(sheet.page, rect), -1);
    EXPECT_EQ(rect, CRect());
}

TEST(PageCharts, DeleteHidesWhatIsSelected)
{
    CellSheet sheet;
    AppendNewChart(sheet.page, ChartAt(CRect(0, 0, 100, 100)));
    CNorvakChart& chart = *sheet.page.m_charts[0];
    EXPECT_EQ(HideSelectedChartPart(sheet.page), std::nullopt);
    SelectChartPart(sheet.page, 0, kChartLegend);
    EXPECT_EQ(HideSelectedChartPart(sheet.page), Some(chart.rcLegend));
    EXPECT_FALSE(chart.IsPartShown(kChartLegend));
    EXPECT_EQ(chart.bVisible, 1);
    EXPECT_EQ(GetSelectedChart(sheet.page), -1);
    SelectChartPart(sheet.page, 0, kChartWhole);
    EXPECT_EQ(HideSelectedChartPart(sheet.page), Some(chart.rcChart));
    EXPECT_EQ(chart.bVisible, 0);
}

TEST(ChartHitTest, PartRectanglesOfTheChartOnTop)
{
    CellSheet sheet;
    AppendNewChart(sheet.page, ChartAt(CRect(0, 0, 100, 100)));
    AppendNewChart(sheet.page, ChartAt(CRect(50, 0, 150, 100)));
    AppendNewChart(sheet.page, ChartAt(CRect(300, 0, 400, 100)));
    SelectChartPart(sheet.page, 0, kChartWhole); // chart 0 is now the newest
    const struct
    {
        int x, y, chart, part;
    } cases[] = {
        {80, 95, 0, 0}, {80, 40, 0, kChartLegend}, {20, 10, 0, kChartTitle}, {20, 40, 0, kChartPlot},
        {120, 95, 1, 0}, {350, 95, 2, 0},          {200, 50, -1, -1},        {100, 50, 1, kChartPlot},
    };
    for (const auto& c : cases) {
        const CChartPartHit hit = HitTestChartPartRects(sheet.page, c.x, c.y);
        EXPECT_EQ(hit.chart, c.chart) << c.x << "," << c.y;
        EXPECT_EQ(hit.part, c.part) << c.x << "," << c.y;
    }
    // Hidden charts and hidden parts are never hit.
    HideChart(sheet.page, 0);
    EXPECT_EQ(HitTestChartPartRects(sheet.page, 80, 95).chart, 1);
    CChartShapePainter::SetPartOption(sheet.page.m_charts[1].get(), kChartPlot, 0);
    EXPECT_EQ(HitTestChartPartRects(sheet.page, 100, 50).part, 0);
}

TEST(ChartHitTest, PartOnTopMovesToTheFront)
{
    CNorvakChart chart = ChartAt(CRect(0, 0, 200, 200));
    chart.rcLegend = chart.rcPlot; // the legend lies over the plot
    EXPECT_EQ(HitTestChartElement(chart, 20, 50), kChartPlot);
    EXPECT_EQ(chart.partOrder[0].chPart, kChartPlot);
    EXPECT_EQ(chart.partOrder[0].chLevel, 1);
    chart.partOrder[0].nShown = 0;
    EXPECT_EQ(HitTestChartElement(chart, 20, 50), kChartLegend);
    EXPECT_EQ(chart.partOrder[0].chPart, kChartLegend);
    EXPECT_EQ(HitTestChartElement(chart, 199, 199), 0);
}

TEST(ChartHitTest, FacesAsRecorded)
{
    CNorvakChart chart = ChartAt(CRect(0, 0, 200, 200));
    chart.items.assign(2, CChartItemArray(2));
    auto record = [&](int row, int point, int face, std::vector<POINT> points, char letter) {
        chart.items[size_t(row)][size_t(point)].hitFaces[face] = CChartHitFace{std::move(points), letter};
    };
    record(0, 0, 0, Square(10, 10, 50, 50), 'z');
    record(0, 0, 1, Square(40, 40, 60, 60), 'r');
    record(1, 1, 2, Square(45, 45, 70, 70), 's');
    record(1, 0, 0, {{100, 100}, {150, 150}}, 'z'); // a segment of two points has no inside
    record(1, 0, 1, Square(100, 100, 150, 150), '?');
    const struct
    {
        int x, y, row, point, element;
    } cases[] = {
        {20, 20, 0, 0, 10}, {55, 55, 1, 1, 14}, {45, 41, 0, 0, 10}, {59, 41, 0, 0, 13}, {120, 120, -1, -1, -1},
    };
    for (const auto& c : cases) {
        const auto hit = FindHitFace(chart, c.x, c.y);
        EXPECT_EQ(hit ? hit->row : -1, c.row) << c.x << "," << c.y;
        EXPECT_EQ(hit ? hit->point : -1, c.point);
        EXPECT_EQ(hit ? hit->element : -1, c.element);
        if (hit) {
            EXPECT_EQ(hit->markedPoint, hit->point);
        }
    }
}

TEST(ChartHitTest, FlatLineMarksTheSegmentsEndWithinTheRow)
{
    CNorvakChart chart = ChartAt(CRect(0, 0, 200, 200), kChartLine, 3);
    chart.items.assign(1, CChartItemArray(3));
    chart.items[0][1].hitFaces[0] = CChartHitFace{Square(0, 0, 10, 10), 'z'};
    chart.items[0][2].hitFaces[0] = CChartHitFace{Square(20, 0, 30, 10), 'z'};
    EXPECT_EQ(FindHitFace(chart, 5, 5)->markedPoint, 2);
    EXPECT_EQ(FindHitFace(chart, 25, 5)->markedPoint, 2);
    chart.nSubType = 6; // the 3-D line marks the point hit
    EXPECT_EQ(FindHitFace(chart, 5, 5)->markedPoint, 1);
}

TEST(ChartHitTest, PieSlicesFromTheFirstUntilTheClickLiesLeftOfTheMiddle)
{
    // Two slices whose faces overlap: right of the pie's middle the first slice is tried first,
    // left of it the row is searched from its last slice.
    CNorvakChart chart = ChartAt(CRect(0, 0, 400, 200), kChartPie, 0);
    chart.nPieSeries = -1;
    chart.items.assign(2, CChartItemArray(2));
    for (CChartItem& point : chart.items[1]) {
        point.rcPie = CRect(0, 0, 100, 100); // middle at 50
        point.hitFaces[0] = CChartHitFace{Square(0, 0, 100, 100), 's'};
    }
    EXPECT_EQ(FindHitFace(chart, 70, 10)->point, 0);
    EXPECT_EQ(FindHitFace(chart, 20, 10)->point, 1);
    EXPECT_EQ(FindHitFace(chart, 20, 10)->row, 1);
    // A row shown alone is the only row searched; beyond the last row the last row is.
    chart.nPieSeries = 0;
    EXPECT_EQ(FindHitFace(chart, 70, 10), std::nullopt);
    chart.nPieSeries = 5;
    EXPECT_EQ(FindHitFace(chart, 70, 10)->row, 1);
}

TEST(ChartHitTest, LegendEntryParts)
{
    CNorvakChart chart = ChartAt(CRect(0, 0, 200, 200));
    CChartTextItem entry;
    entry.rcFull = CRect(100, 100, 180, 120);
    entry.rcFlag = CRect(100, 100, 120, 120);
    entry.rcCaption = CRect(130, 100, 170, 120);
    chart.legendItems = {CChartTextItem(), entry};
    const struct
    {
        int x, y, element;
        char letter;
    } cases[] = {{140, 110, 20, 't'}, {105, 110, 21, 'f'}, {125, 110, 22, 'a'}, {175, 119, 22, 'a'}, {185, 110, -1, 0}};
    for (const auto& c : cases) {
        const auto hit = FindLegendHit(chart, c.x, c.y);
        EXPECT_EQ(hit ? hit->element : -1, c.element) << c.x;
        EXPECT_EQ(hit ? hit->letter : 0, c.letter) << c.x;
        if (hit) {
            EXPECT_EQ(hit->index, 1);
        }
    }
}

TEST(ChartHitTest, OnTheSelectedPart)
{
    CellSheet sheet;
    AppendNewChart(sheet.page, ChartAt(CRect(0, 0, 100, 100)));
    EXPECT_FALSE(HitTestSelectedChartPart(sheet.page, 5, 95));
    SelectChartPart(sheet.page, 0, kChartWhole);
    EXPECT_TRUE(HitTestSelectedChartPart(sheet.page, 5, 95));
    EXPECT_FALSE(HitTestSelectedChartPart(sheet.page, 20, 40)); // on the plot area
    SelectChartPart(sheet.page, 0, kChartPlot);
    EXPECT_TRUE(HitTestSelectedChartPart(sheet.page, 20, 40));
    CChartShapePainter::SetPartOption(sheet.page.m_charts[0].get(), kChartPlot, 0);
    EXPECT_FALSE(HitTestSelectedChartPart(sheet.page, 20, 40));
}

TEST(ChartResize, RectangleByHandleCode)
{
    const char* expected[] = {"5,7,50,50",   "10,7,55,50",  "10,10,55,53", "5,10,50,53", "10,7,50,50",
                              "10,10,55,50", "10,10,50,53", "5,10,50,50",  "15,13,55,53"};
    for (int handle = 0; handle <= 8; ++handle) {
        CRect rect(10, 10, 50, 50);
        EXPECT_TRUE(ChangeRectByHandle(rect, handle, 5, 3));
        EXPECT_EQ(Str(rect), expected[handle]) << handle;
    }
    CRect rect(10, 10, 50, 50);
    EXPECT_FALSE(ChangeRectByHandle(rect, 9, 5, 5));
    EXPECT_FALSE(ChangeRectByHandle(rect, -1, 5, 5));
    EXPECT_EQ(Str(rect), "10,10,50,50");
}

TEST(ChartResize, PartsKeepTheirPlaceInProportion)
{
    // A part 10 pixels from the left of a chart 100 wide lies 13 from the left of one 130 wide.
    const struct
    {
        int left, right, newWidth;
        int newLeft, newRight;
    } cases[] = {
        {10, 90, 130, 13, 117}, // 10 x 1.3 = 13
        {5, 95, 110, 6, 104},   // 5.5 rounds up, 104.5 from the right edge too
        {3, 97, 110, 3, 107},   // 3.3 rounds down
        {15, 85, 50, 8, 42},    // 7.5 rounds up on both sides
    };
    for (const auto& c : cases) {
        CNorvakChart chart = ChartAt(CRect(0, 0, 100, 100));
        chart.rcPlot = CRect(c.left, 20, c.right, 80);
        EXPECT_TRUE(MoveResizeChart(chart, c.newWidth - 100, 0, 2, true));
        EXPECT_EQ(chart.rcPlot.left, c.newLeft) << c.left << " in " << c.newWidth;
        EXPECT_EQ(chart.rcPlot.right, c.newRight) << c.right << " in " << c.newWidth;
        EXPECT_EQ(chart.rcPlot.top, 20);
    }
    // Dragging the bottom-right handle by 30 and 10 grows the whole and the shown rectangle.
    CNorvakChart chart = ChartAt(CRect(0, 0, 100, 100));
    MoveResizeChart(chart, 30, 10, 2, true);
    EXPECT_EQ(Str(chart.rcChart), "0,0,130,110");
    EXPECT_EQ(Str(chart.rcVisible), "0,0,130,110");
    // A chart that had no width keeps its parts' distances: nothing is divided by zero.
    CNorvakChart flat = ChartAt(CRect(0, 0, 0, 100));
    flat.rcLegend = CRect(2, 10, -3, 20);
    MoveResizeChart(flat, 50, 0, 5, true);
    EXPECT_EQ(Str(flat.rcLegend), "2,10,47,20");
    // Hidden parts and charts not made by insertion stay put.
    CNorvakChart read = ChartAt(CRect(0, 0, 100, 100));
    CChartShapePainter::SetPartOption(&read, kChartLegend, 0);
    const CRect legend = read.rcLegend;
    MoveResizeChart(read, 100, 100, 2, true);
    EXPECT_EQ(read.rcLegend, legend);
    read.bCreated = 0;
    const CRect plot = read.rcPlot;
    MoveResizeChart(read, 100, 100, 2, true);
    EXPECT_EQ(read.rcPlot, plot);
}

TEST(ChartResize, MoveTakesPartsAndSlicesAlong)
{
    CellSheet sheet(5, 5, 1, 1);
    sheet.page.m_nLockedCols = 1;
    AppendNewChart(sheet.page, ChartAt(CRect(100, 0, 200, 100), kChartPie, 0));
    CNorvakChart& chart = *sheet.page.m_charts[0];
    chart.items.assign(1, CChartItemArray(1));
    CChartItem& slice = chart.items[0][0];
    slice.rcPie = CRect(110, 30, 150, 70);
    slice.rcTopOuter = CRect(110, 20, 150, 60);
    chart.rcVisible.left = 140; // shown clipped by the locked columns
    EXPECT_FALSE(MoveResizePageChart(sheet.page, 1, 50, 0, 8, true));
    EXPECT_FALSE(MoveResizePageChart(sheet.page, 0, 50, 0, 9, true));
    EXPECT_TRUE(MoveResizePageChart(sheet.page, 0, 50, 5, 8, true));
    EXPECT_EQ(Str(chart.rcChart), "150,5,250,105");
    EXPECT_EQ(chart.rcVisible, chart.rcChart);
    EXPECT_EQ(Str(chart.rcPlot), "160,35,210,95");
    EXPECT_EQ(Str(chart.chartTitle.rc), "160,10,240,30");
    EXPECT_EQ(Str(slice.rcPie), "160,35,200,75");
    EXPECT_EQ(Str(slice.rcTopOuter), "160,25,200,65");
    EXPECT_EQ(chart.bClearOfLockedCols, 1);
    // Scrolling moves without settling: the shown rectangle moves as it was.
    chart.rcVisible.left = 170;
    MoveResizeChart(chart, -20, 0, 8, false);
    EXPECT_EQ(Str(chart.rcVisible), "150,5,230,105");
}

TEST(ChartResize, PieResizeKeepsTheUsersDepthAndExplosion)
{
    ChartSheet sheet(2, 2);
    sheet.Build(kChartPie, 7, false);
    CNorvakChart chart(kChartPie, 7, 0, 1);
    chart.nPieSeries = -1;
    CChartPartRects rects;
    rects.rects[kChartWhole] = CRect(0, 0, 300, 240);
    rects.rects[kChartPlot] = CRect(0, 0, 300, 240);
    SetUpNewChart(chart, sheet.settings, rects);
    for (CChartItemArray& row : chart.items)
        for (CChartItem& point : row) {
            point.nDepthA = point.nDepthB = 25;
            point.nExplodeA = point.nExplodeB = 3;
            point.fScale = 1.5f;
        }
    const CRect before = chart.items[1][0].rcPie;
    MoveResizeChart(chart, 300, 0, 5, true);
    const CChartItem& point = chart.items[1][0];
    EXPECT_NE(point.rcPie, before);
    EXPECT_EQ(point.nDepthA, 25);
    EXPECT_EQ(point.nExplodeA, 3);
    EXPECT_EQ(point.nExplodeB, 3);
    EXPECT_EQ(point.fScale, 1.5f);
    EXPECT_FALSE(point.rcHole.IsRectEmpty());
}
