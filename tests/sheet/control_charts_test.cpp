// The charts of the control's pages: the pending settings built from the page's cells, insertion
// and hiding, the chart settings command, the drawing of one chart (clip, fill, parts, tracker
// frame, legend marks), the newest chart on top, and a whole chart life that leaves no block and
// no GDI object behind.

#include "chart/model/ChartPageSettings.h"
#include "chart/model/PageCharts.h"
#include "drawing/CChartShapePainter.h"
#include "resources/NorvakResource.h"
#include "tests/support/AllocationProbe.h"
#include "tests/support/ControlTest.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GeometryPrint.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct ChartSheets final : ISheetFactory
{
    INT_PTR CellFormat(CNorvakCtrl&) override { return IDCANCEL; }
    INT_PTR FillEffects(CNorvakCtrl&) override { return IDCANCEL; }
    INT_PTR Legend(CNorvakCtrl&) override { return IDCANCEL; }
    INT_PTR ChartSettings(CNorvakCtrl&) override
    {
        ++opened;
        return answer;
    }
    INT_PTR answer = IDCANCEL;
    int opened = 0;
};

// Every cell text of the body is "5": the chart code reads cells through the control's operation.
class FiveCtrl : public CNorvakCtrl
{
public:
    CString GetPageCellText(int page, int row, int col) override
    {
        return GetFixedRowCount(page) <= row && GetFixedColumnCount(page) <= col ? CString("5") : CString("x");
    }
};

CChartPartRects PartRects(CRect whole)
{
    CChartPartRects rects;
    rects.rects[kChartWhole] = whole;
    rects.rects[kChartPlot] = CRect(whole.left + 10, whole.top + 30, whole.left + 110, whole.bottom - 10);
    rects.rects[kChartLegend] = CRect(whole.right - 60, whole.top + 30, whole.right - 10, whole.top + 70);
    rects.rects[kChartDataArea] = CRect(whole.left + 5, whole.top + 25, whole.left + 115, whole.bottom - 5);
    rects.rects[kChartTitle] = CRect(whole.left + 20, whole.top + 2, whole.right - 20, whole.top + 22);
    rects.rects[kChartXAxisTitle] = CRect(whole.left + 20, whole.bottom - 30, whole.right - 20, whole.bottom - 10);
    rects.rects[kChartYAxisTitle] = CRect(whole.left + 2, whole.top + 30, whole.left + 18, whole.bottom - 30);
    return rects;
}

class ControlCharts : public ControlTest
{
protected:
    // A page of 3 body rows and 2 body columns under one header row and column.
    void StartWithTable(CNorvakCtrl* made = nullptr)
    {
        Create(made);
        Start();
        ASSERT_TRUE(control->DoSetPageRowCounts(-1, 4, 1));
        ASSERT_TRUE(control->DoSetPageColumnCounts(-1, 3, 1));
        const char* texts[3][2] = {{"1", "-2"}, {"3", "4"}, {"7", "x"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                ASSERT_TRUE(control->SetItemText(-1, r + 1, c + 1, texts[r][c]));
    }
    CNorvakPage& Page() const { return *control->GetPage(-1); }
    CChartPageSettings& Settings() const { return PendingChartSettings(Page()); }
    CNorvakChart& Chart(int index) const { return *Page().m_charts[size_t(index)]; }
    std::pair<double, double> Range(int page = -1) const
    {
        double min = -1, max = -1;
        control->GetChartValueRange(page, min, max);
        return {min, max};
    }
};

} // namespace

TEST_F(ControlCharts, PendingSeriesAndRangesOfThePage)
{
    StartWithTable();
    control->BuildChartSeries(-1, kChartSourcePage, nullptr, nullptr);
    ASSERT_EQ(Settings().items.size(), 2u) << "a series per row: a table row per column";
    EXPECT_EQ(Settings().items[0].size(), 3u);
    control->UpdateChartValueRange(-1);
    EXPECT_EQ(Range(), std::make_pair(-2.0, 7.0));

    control->SetChartGroupByColumns(-1, TRUE); // rebuilds: a table row per sheet row
    EXPECT_EQ(Settings().items.size(), 3u);
    EXPECT_EQ(Settings().legendItems.size(), 2u);
    control->SetChartType(-1, kChartColumn, 1); // stacked: the rows' sums
    EXPECT_EQ(Range(), std::make_pair(-2.0, 7.0));
    ASSERT_TRUE(control->SetItemText(-1, 2, 2, "40"));
    control->CalcStackedValueRange(-1); // from the table as built, not from the cells
    EXPECT_EQ(Range(), std::make_pair(-2.0, 7.0));
    control->SetChartGroupByColumns(-1, FALSE);
    control->SetChartGroupByColumns(-1, TRUE);
    EXPECT_EQ(Range(), std::make_pair(-2.0, 43.0));
    control->SetChartType(-1, kChartBar, 6); // no such kind: no range
    EXPECT_EQ(Range(), std::make_pair(0.0, 0.0));

    std::vector<int> indexList{4, 1}, got{9};
    control->SetChartDataSource(-1, kChartSourceSelection, 1, 0, indexList);
    int mode = -1, allColumns = -1, allRows = -1, columnMode = -1, legendA = -1, legendB = -1;
    short first = -1, last = -1;
    control->GetChartDataSource(-1, mode, allColumns, allRows, first, last, got, columnMode, legendA, legendB);
    EXPECT_EQ(mode, kChartSourceSelection);
    EXPECT_EQ(allColumns, 1);
    EXPECT_EQ(allRows, 0);
    EXPECT_EQ(got, indexList);

    // A page that does not exist changes and answers nothing.
    control->BuildChartSeries(5, kChartSourcePage, nullptr, nullptr);
    control->SetChartType(5, kChartPie, 0);
    EXPECT_EQ(Range(5), std::make_pair(0.0, 0.0));
    EXPECT_EQ(Settings().chChartType, kChartBar);
}

TEST_F(ControlCharts, SeriesReadTheControlsCellTexts)
{
    StartWithTable(new FiveCtrl);
    control->SetChartDataSource(-1, kChartSourcePage, 0, 0, {});
    control->SetChartType(-1, kChartPie, 0); // a pie rebuilds its series with the stored source
    ASSERT_EQ(Settings().items.size(), 2u);
    for (const CChartItemArray& row : Settings().items)
        for (const CChartItem& point : row)
            EXPECT_EQ(point.dValue, 5);
    EXPECT_EQ(Range(), std::make_pair(5.0, 5.0));
}

TEST_F(ControlCharts, InsertionAndHiding)
{
    StartWithTable();
    control->BuildChartSeries(-1, kChartSourcePage, nullptr, nullptr);
    control->SetChartType(-1, kChartColumn, 3);
    control->InsertChart(-1, TRUE, PartRects(CRect(10, 10, 310, 210)), 0);
    control->InsertChart(-1, TRUE, PartRects(CRect(50, 50, 350, 250)), 99);
    ASSERT_EQ(Page().m_charts.size(), 2u);
    EXPECT_EQ(Chart(0).bNewest, 0);
    EXPECT_EQ(Chart(1).bNewest, 1);
    EXPECT_TRUE(control->IsPageChartNewest(1));
    EXPECT_EQ(Chart(1).nType, kChartColumn);
    EXPECT_EQ(Chart(1).nSubType, 3);
    EXPECT_EQ(Chart(1).dMinValue, -2);
    EXPECT_EQ(Chart(1).dMaxValue, 7);
    EXPECT_EQ(Chart(1).rcVisible, CRect(50, 50, 350, 250));
    EXPECT_EQ(Chart(1).items.size(), 2u) << "a table row per column, copied from the page";
    EXPECT_EQ(Chart(1).legendItems.size(), 3u);

    control->InsertChart(-1, FALSE, CChartPartRects(), 0);
    EXPECT_EQ(Chart(0).bVisible, 0);
    EXPECT_EQ(Chart(1).bVisible, 1);
    for (int index : {2, -1}) {
        control->InsertChart(-1, FALSE, CChartPartRects(), index);
        EXPECT_EQ(Chart(1).bVisible, 1) << index;
    }
    control->InsertChart(4, TRUE, PartRects(CRect(0, 0, 100, 100)), 0);
    EXPECT_EQ(Page().m_charts.size(), 2u);
}

TEST_F(ControlCharts, NewPagesStartWithTheDefaultLegendOptions)
{
    StartWithTable();
    control->BuildChartSeries(-1, kChartSourcePage, nullptr, nullptr);
    const BYTE options[8] = {5, 6, 7, 8, 9, 10, 11, 12};
    const int values[4] = {1, 2, 3, 4};
    control->ResetPageChartOptions(-1, options, values);
    EXPECT_TRUE(Settings().legendItems.empty());
    EXPECT_FALSE(Settings().items.empty()) << "only the legend entries are emptied";
    EXPECT_EQ(Page().m_chartOptionBytes[7], 12);

    const long added = control->DoInsertPage("图表页");
    const CNorvakPage& fresh = *control->GetPage(added);
    const BYTE defaults[8] = {0, 1, 1, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(defaults, defaults + 8, fresh.m_chartOptionBytes));
    EXPECT_EQ(fresh.m_chartOptionInts[0], 0xFFFFFF);
    EXPECT_EQ(fresh.m_chartOptionInts[3], 0);
}

TEST_F(ControlCharts, ChartSettingsSheetInsertsOnOk)
{
    StartWithTable();
    ChartSheets sheets;
    control->SetSheetFactory(&sheets);
    Call(kDoShowChartWindow);
    EXPECT_EQ(sheets.opened, 1);
    EXPECT_TRUE(Page().m_charts.empty()) << "cancelled";

    sheets.answer = IDOK;
    EXPECT_TRUE(control->OnCommand(ID_CHART_SETTINGS));
    EXPECT_EQ(sheets.opened, 2);
    ASSERT_EQ(Page().m_charts.size(), 1u);
    const CNorvakChart& chart = Chart(0);
    EXPECT_EQ(chart.rcChart, CRect(100, 50, 600, 300));
    EXPECT_EQ(chart.rcLegend, CRect(540, 60, 590, 290));
    EXPECT_EQ(chart.rcPlot, CRect(170, 120, 530, 170));
    EXPECT_GT(chart.chartTitle.rc.Width(), 0) << "fitted around its text";

    Settings().layoutShown[1] = 0; // no legend
    Call(kDoShowChartWindow);
    ASSERT_EQ(Page().m_charts.size(), 2u);
    EXPECT_EQ(Chart(1).rcLegend, CRect(600, 50, 600, 300));
    control->SetSheetFactory(nullptr);
}

TEST_F(ControlCharts, AHugePageIsRefusedBeforeAnythingIsAllocatedForIt)
{
    Create();
    Start();
    ASSERT_TRUE(control->DoSetPageRowCounts(-1, 20001, 1));
    control->SetChartDataSource(-1, kChartSourcePage, 0, 0, {});
    ChartSheets sheets;
    sheets.answer = IDOK;
    control->SetSheetFactory(&sheets);
    AllocationProbe::ResetLargest();
    const long long bytes = AllocationProbe::LiveBytes();
    EXPECT_FALSE(control->BuildChartSeries(-1, kChartSourcePage, nullptr, nullptr));
    EXPECT_TRUE(Settings().items.empty());
    EXPECT_FALSE(control->InsertChart(-1, TRUE, PartRects(CRect(10, 10, 310, 210)), 0));
    {
        ModalDriver driver; // the message that says why OK made nothing
        Call(kDoShowChartWindow);
        EXPECT_EQ(driver.SeenOf(ModalRequest::MessageBox).size(), 1u);
    }
    EXPECT_EQ(sheets.opened, 1);
    EXPECT_TRUE(Page().m_charts.empty()) << "the sheet's OK inserts nothing of the refused data";
    EXPECT_LT(AllocationProbe::Largest(), size_t(1) << 20) << "no table was allocated";
    EXPECT_LT(AllocationProbe::LiveBytes() - bytes, 1LL << 20);

    // Data that fits is inserted again.
    ASSERT_TRUE(control->DoSetPageGridRangeSelected(-1, 1, 1, 3, 4, TRUE));
    EXPECT_TRUE(control->BuildChartSeries(-1, kChartSourceSelection, nullptr, nullptr));
    EXPECT_TRUE(control->InsertChart(-1, TRUE, PartRects(CRect(10, 10, 310, 210)), 0));
    EXPECT_EQ(Page().m_charts.size(), 1u);
    control->SetSheetFactory(nullptr);
}

TEST_F(ControlCharts, OneChartDrawnInsideWhereItIsShown)
{
    Create();
    Start();
    control->InsertChart(-1, TRUE, PartRects(CRect(10, 10, 210, 160)), 0);
    CNorvakChart& chart = Chart(0);
    chart.chartStyle.crColour1 = RGB(0, 128, 0);
    chart.rcVisible.right = 110;
    DrawingCanvas canvas(240, 180);
    EXPECT_EQ(control->DrawPageChart(-1, canvas.dc(), 0), 1);
    EXPECT_EQ(canvas.At(12, 150), RGB(0, 128, 0));
    EXPECT_EQ(canvas.InkIn(CRect(110, 0, 240, 180)), 0) << "clipped to rcVisible";
    EXPECT_EQ(canvas.InkIn(CRect(0, 160, 240, 180)), 0);
    EXPECT_GT(canvas.InkIn(chart.chartTitle.rc), 0) << "the title's frame and text";

    // The clip the caller had is back: drawing goes on everywhere.
    canvas.dc()->FillSolidRect(CRect(200, 170, 210, 180), 0);
    EXPECT_EQ(canvas.At(205, 175), 0u);

    // A legend entry marked whole gets black corners (the legend hidden, so that its drawing
    // leaves the entry where it is); hidden and unseen charts draw nothing.
    CChartShapePainter::SetPartOption(&chart, kChartLegend, 0);
    chart.legendItems.emplace_back(0, 0, "系列1", RGB(255, 0, 0));
    chart.legendItems[0].rcFull = CRect(20, 100, 60, 120);
    chart.legendItems[0].chSelPart = 'a';
    canvas.Clear();
    control->DrawPageChart(-1, canvas.dc(), 0);
    EXPECT_EQ(canvas.At(19, 99), 0u);
    EXPECT_EQ(canvas.At(60, 120), 0u);
    for (auto hide : {+[](CNorvakChart& c) { c.bVisible = 0; }, +[](CNorvakChart& c) { c.rcVisible.right = c.rcVisible.left; }}) {
        CNorvakChart saved = chart;
        hide(chart);
        canvas.Clear();
        EXPECT_EQ(control->DrawPageChart(-1, canvas.dc(), 0), 0);
        EXPECT_EQ(canvas.InkIn(CRect(0, 0, 240, 180)), 0);
        chart = saved;
    }
    EXPECT_EQ(control->DrawPageChart(-1, canvas.dc(), 1), 0);
    EXPECT_EQ(control->DrawPageChart(-1, nullptr, 0), 0);
}

TEST_F(ControlCharts, TrackerFrameOfTheSelectedPart)
{
    StartWithTable();
    const struct
    {
        int type, subType, part;
        CSize minSize;
        int handleSize;
    } cases[] = {
        {kChartColumn, 0, kChartWhole, CSize(100, 100), 6}, {kChartColumn, 0, kChartPlot, CSize(50, 20), 4},
        {kChartBar, 2, kChartPlot, CSize(20, 50), 4},       {kChartCylinder, 3, kChartPlot, CSize(20, 50), 4},
        {kChartCylinder, 2, kChartPlot, CSize(50, 20), 4},  {kChartPie, 0, kChartLegend, CSize(20, 20), 4},
        {kChartLine, 0, kChartDataArea, CSize(50, 20), 4},  {kChartLine, 0, kChartTitle, CSize(16, 0), 4},
        {kChartLine, 0, kChartXAxisTitle, CSize(16, 0), 4}, {kChartLine, 0, kChartYAxisTitle, CSize(16, 40), 4},
    };
    DrawingCanvas canvas(320, 220);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.subType << " part " << c.part);
        control->SetChartType(-1, BYTE(c.type), BYTE(c.subType));
        control->InsertChart(-1, TRUE, PartRects(CRect(10, 10, 310, 210)), 0);
        const int index = int(Page().m_charts.size()) - 1;
        SelectChartPart(Page(), index, c.part);
        control->DrawPageChart(-1, canvas.dc(), index);
        const CChartTracker& tracker = control->m_chartTracker;
        EXPECT_EQ(tracker.m_rect, *Chart(index).PartRect(c.part));
        EXPECT_EQ(tracker.m_sizeMin, c.minSize);
        EXPECT_EQ(tracker.m_nHandleSize, c.handleSize);
    }
    // An unselected chart drawn after the selected one leaves the frame; with none selected it is
    // emptied.
    control->InsertChart(-1, TRUE, PartRects(CRect(10, 10, 310, 210)), 0);
    SelectChartPart(Page(), 0, kChartLegend);
    control->DrawPageChart(-1, canvas.dc(), 0);
    control->DrawPageChart(-1, canvas.dc(), 1);
    EXPECT_EQ(control->m_chartTracker.m_rect, Chart(0).rcLegend);
    ClearChartSelection(Page());
    control->DrawPageChart(-1, canvas.dc(), 1);
    EXPECT_TRUE(control->m_chartTracker.m_rect.IsRectEmpty());
}

TEST_F(ControlCharts, TheNewestChartLiesOnTop)
{
    Create();
    Start();
    control->InsertChart(-1, TRUE, PartRects(CRect(20, 60, 220, 200)), 0);
    control->InsertChart(-1, TRUE, PartRects(CRect(120, 100, 320, 240)), 0);
    Chart(0).chartStyle.crColour1 = RGB(255, 0, 0);
    Chart(1).chartStyle.crColour1 = RGB(0, 0, 255);
    auto overlap = [&] {
        HRESULT hr = E_FAIL;
        const std::vector<DWORD> pixels = container.DrawToMemory(400, 300, 0x123456, &hr);
        EXPECT_EQ(hr, S_OK);
        return pixels[size_t(195 * 400 + 210)]; // inside both, clear of their parts
    };
    EXPECT_EQ(overlap(), 0x0000FFu) << "the second chart, inserted last";
    SelectChartPart(Page(), 0, kChartWhole);
    EXPECT_EQ(overlap(), 0xFF0000u) << "the first chart, selected last";
}

TEST_F(ControlCharts, AChartsWholeLifeLeavesNothingBehind)
{
    Create();
    Start();
    container.UnadviseEvents();
    DrawingCanvas canvas(640, 320);
    auto life = [&] {
        const long page = control->DoInsertPage("图表");
        ASSERT_TRUE(control->DoSetPageRowCounts(page, 6, 1));
        ASSERT_TRUE(control->DoSetPageColumnCounts(page, 4, 1));
        for (int r = 1; r < 6; ++r)
            for (int c = 1; c < 4; ++c)
                control->SetItemText(page, r, c, std::to_string(r * 10 - c * 7).c_str());
        control->SetChartType(page, kChartColumn, 3);
        control->BuildChartSeries(page, kChartSourcePage, nullptr, nullptr);
        control->UpdateChartValueRange(page);
        control->InsertChart(page, TRUE, PartRects(CRect(10, 10, 310, 300)), 0);
        control->SetChartType(page, kChartPie, 7); // rebuilds the series
        control->InsertChart(page, TRUE, PartRects(CRect(320, 10, 630, 300)), 0);
        control->SetChartGroupByColumns(page, TRUE);
        for (int pass = 0; pass < 2; ++pass)
            for (int index = 0; index < 2; ++index)
                control->DrawPageChart(page, canvas.dc(), index);
        CNorvakPage& record = *control->GetPage(page);
        CNorvakChart copy = *record.m_charts[0];
        *record.m_charts[1] = copy;
        control->DrawPageChart(page, canvas.dc(), 1);
        ASSERT_TRUE(control->DoDeletePage(page));
    };
    life(); // the first run makes what lives on: shared fonts, the page list's room
    const long long blocks = AllocationProbe::Live();
    const DWORD gdi = GdiObjectCount();
    life();
    EXPECT_EQ(AllocationProbe::Live(), blocks);
    EXPECT_EQ(GdiObjectCount(), gdi);
}
