// The charts of the active page under posted mouse and key input: what a click selects, the tracker
// dragging a part inside its chart with its minimum size and Esc, the Delete key, the charts moving
// with the grid, the element sheets a double click asks for and editing a title or a legend
// caption in place.

#include "chart/model/NewChart.h"
#include "chart/model/PageCharts.h"
#include "tabs/TitleEdit.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ShownControlTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordingChartSheets final : ISheetFactory
{
    INT_PTR CellFormat(CNorvakCtrl&) override { return IDCANCEL; }
    INT_PTR FillEffects(CNorvakCtrl&) override { return IDCANCEL; }
    INT_PTR Legend(CNorvakCtrl&) override { return IDCANCEL; }
    INT_PTR ChartSettings(CNorvakCtrl&) override { return IDCANCEL; }
    INT_PTR ChartElement(CNorvakCtrl&, const CChartElementSheet& sheet) override
    {
        std::string pages;
        for (const CChartElementPage& page : sheet.pages)
            pages += std::string(page.kind == CChartElementPageKind::LineType      ? "line"
                                 : page.kind == CChartElementPageKind::SolidRotate ? "rotate"
                                 : page.kind == CChartElementPageKind::Font        ? "font"
                                                                                  : "marker") +
                     " ";
        opened.push_back(std::to_string(sheet.code) + " " + sheet.caption + ": " + pages);
        records.push_back(sheet.record);
        return IDCANCEL;
    }
    std::vector<std::string> opened;
    std::vector<CChartElementRecord> records;
};

// A column chart at rect with its parts inside: title across the top, plot at the left, legend
// and data area at the right, and one series: its legend entry is laid out when the page is drawn.
CNorvakChart ChartAt(const CRect& rect)
{
    CNorvakChart chart(kChartColumn, 0, 0, 10);
    CChartPartRects rects;
    rects.rects[kChartWhole] = rect;
    rects.rects[kChartPlot] = CRect(rect.left + 10, rect.top + 30, rect.left + 100, rect.bottom - 10);
    rects.rects[kChartLegend] = CRect(rect.left + 110, rect.top + 30, rect.right - 5, rect.top + 90);
    rects.rects[kChartDataArea] = CRect(rect.left + 110, rect.top + 100, rect.right - 5, rect.top + 110);
    rects.rects[kChartTitle] = CRect(rect.left + 10, rect.top + 5, rect.right - 10, rect.top + 25);
    CChartPageSettings settings;
    SetUpNewChart(chart, settings, rects);
    chart.legendItems.push_back(CChartTextItem(kChartColumn, 0, "系列1", RGB(255, 0, 0)));
    chart.items.push_back({CChartItem("1", RGB(255, 0, 0), kChartColumn, 0)});
    return chart;
}

const CRect kChart(100, 60, 300, 200);

class ChartInput : public ShownControlTest
{
protected:
    void SetUp() override
    {
        ShownControlTest::SetUp();
        control->SetSheetFactory(&sheets);
        AppendNewChart(Page(), ChartAt(kChart));
        ::InvalidateRect(window, nullptr, TRUE);
        ::UpdateWindow(window);
        Pump();
    }
    void TearDown() override
    {
        control->SetSheetFactory(nullptr);
        ShownControlTest::TearDown();
    }
    CNorvakPage& Page() { return *control->GetPage(-1); }
    CNorvakChart& Chart(int index = 0) { return *Page().m_charts[size_t(index)]; }
    void ClickAt(CPoint at) { Click(active, window, at.x, at.y); }
    void DoubleClickAt(CPoint at)
    {
        PostMouse(window, WM_LBUTTONDOWN, at.x, at.y, MK_LBUTTON);
        PostMouse(window, WM_LBUTTONUP, at.x, at.y, 0);
        PostMouse(window, WM_LBUTTONDBLCLK, at.x, at.y, MK_LBUTTON);
        PostMouse(window, WM_LBUTTONUP, at.x, at.y, 0);
        Pump();
    }
    HWND ChartEditor() { return ::GetDlgItem(window, CTitleEdit::kId); }
    std::wstring EditorText()
    {
        wchar_t text[64] = {};
        ::GetWindowTextW(ChartEditor(), text, 64);
        return text;
    }

    RecordingChartSheets sheets;
    ModalDriver driver;
};

} // namespace

TEST_F(ChartInput, ATitleDraggedTowardTheEdgeStopsInsideTheChart)
{
    const CRect title = Chart().chartTitle.rc;
    const CCellCoord focus = Page().m_focusCell;
    // The first press selects the title and moves it at once.
    Drag(active, window, title.CenterPoint(), CPoint(40, title.CenterPoint().y));
    EXPECT_EQ(Chart().nSelPart, kChartTitle);
    EXPECT_EQ(Chart().chartTitle.rc, CRect(kChart.left + 5, title.top, kChart.left + 5 + title.Width(), title.bottom));
    EXPECT_EQ(control->m_chartTracker.m_rect, Chart().chartTitle.rc);
    EXPECT_EQ(control->m_chartTracker.m_nHandleSize, 4);
    EXPECT_EQ(control->m_nChartTrackerHit, -1);
    EXPECT_EQ(Page().m_focusCell, focus) << "the press never reached the cells";
}

TEST_F(ChartInput, AResizedPartKeepsItsMinimumSize)
{
    const CRect legend = Chart().rcLegend;
    ClickAt(CPoint(legend.left + 2, legend.bottom - 10)); // the legend, off its entry
    ASSERT_EQ(Chart().nSelPart, kChartLegend);
    control->m_chartTracker.m_sizeMin = CSize(20, 20); // as the page painting sets it for a legend
    Drag(active, window, CPoint(legend.right - 1, legend.bottom - 1), CPoint(150, 70));
    EXPECT_EQ(Chart().rcLegend, CRect(legend.left, legend.top, legend.left + 20, legend.top + 20));
}

TEST_F(ChartInput, EscapeLeavesTheRecordUnchanged)
{
    ClickAt(CPoint(Chart().rcLegend.left + 2, Chart().rcLegend.top + 50));
    ASSERT_EQ(Chart().nSelPart, kChartLegend);
    const CRect legend = Chart().rcLegend, title = Chart().chartTitle.rc, chart = Chart().rcChart;
    PostMouse(window, WM_LBUTTONDOWN, legend.right - 1, legend.bottom - 1, MK_LBUTTON);
    PostMouse(window, WM_MOUSEMOVE, legend.right - 30, legend.bottom - 20, MK_LBUTTON);
    ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMouse(window, WM_MOUSEMOVE, legend.right - 40, legend.bottom - 30, MK_LBUTTON);
    PostMouse(window, WM_LBUTTONUP, legend.right - 40, legend.bottom - 30, 0);
    Pump();
    EXPECT_EQ(Chart().rcLegend, legend);
    EXPECT_EQ(Chart().chartTitle.rc, title);
    EXPECT_EQ(Chart().rcChart, chart);
    EXPECT_EQ(control->m_chartTracker.m_rect, legend);
}

TEST_F(ChartInput, OnlyTheClickedChartIsSelectedAndHiddenChartsAreNeverHit)
{
    AppendNewChart(Page(), ChartAt(CRect(200, 150, 380, 280))); // over the first one's corner
    ClickAt(CPoint(205, 190));                                  // on the second chart, in both
    EXPECT_EQ(Chart(1).bSelected, 1);
    EXPECT_EQ(Chart(1).nSelPart, kChartWhole);
    EXPECT_EQ(Chart(0).bSelected, 0);
    ClickAt(CPoint(105, 195)); // the first chart alone
    EXPECT_EQ(control->GetSelectedChart(-1), 0);
    EXPECT_EQ(Chart(1).bSelected, 0);
    EXPECT_EQ(control->m_chartTracker.m_rect, kChart);
    EXPECT_EQ(control->m_chartTracker.m_nHandleSize, 6);
    // Hidden, the chart lets the click through to the cell below.
    Chart(0).bVisible = 0;
    control->ClearChartSelection(-1);
    ClickAt(CPoint(105, 195));
    EXPECT_EQ(control->GetSelectedChart(-1), -1);
    EXPECT_EQ(Page().m_focusCell, CCellCoord(9, 1));
}

TEST_F(ChartInput, DeleteHidesTheSelectedPartThenTheChart)
{
    ClickAt(CPoint(Chart().rcLegend.left + 2, Chart().rcLegend.top + 50));
    PressKey(active, window, VK_DELETE);
    EXPECT_FALSE(Chart().IsPartShown(kChartLegend));
    EXPECT_EQ(Chart().bVisible, 1);
    EXPECT_TRUE(control->m_chartTracker.m_rect.IsRectEmpty());
    ClickAt(CPoint(kChart.left + 10, kChart.bottom - 3));
    ASSERT_EQ(Chart().nSelPart, kChartWhole);
    PressKey(active, window, VK_DELETE);
    EXPECT_EQ(Chart().bVisible, 0);
    EXPECT_EQ(Page().m_charts.size(), 1u) << "hidden, not removed";
    EXPECT_FALSE(control->HideSelectedChartPart(-1));
}

TEST_F(ChartInput, TheChartsMoveWithTheGrid)
{
    ::PostMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0);
    ::PostMessageW(window, WM_HSCROLL, SB_LINERIGHT, 0);
    Pump();
    CRect moved = kChart;
    moved.OffsetRect(-70, -20);
    EXPECT_EQ(Chart().rcChart, moved);
    EXPECT_EQ(Chart().rcVisible, moved);
    EXPECT_EQ(Chart().chartTitle.rc.top, kChart.top + 5 - 20);
}

TEST_F(ChartInput, ADoubleClickAsksForTheElementsSheet)
{
    const CChartTextItem& entry = Chart().legendItems[0];
    DoubleClickAt(CPoint(kChart.left + 10, kChart.bottom - 3));
    CPoint rest(-1, -1); // a point of the entry on neither its marker box nor its caption
    for (int y = entry.rcFull.top; y < entry.rcFull.bottom && rest.x < 0; ++y)
        for (int x = entry.rcFull.left; x < entry.rcFull.right && rest.x < 0; ++x)
            if (!entry.rcFlag.PtInRect(CPoint(x, y)) && !entry.rcCaption.PtInRect(CPoint(x, y)))
                rest = CPoint(x, y);
    ASSERT_GE(rest.x, 0);
    DoubleClickAt(rest);
    DoubleClickAt(Chart().chartTitle.rc.CenterPoint());
    EXPECT_EQ(sheets.opened, (std::vector<std::string>{"0 图表: line rotate ", "22 图例: marker font ",
                                                        "4 文本: font "}));
    ASSERT_EQ(sheets.records.size(), 3u);
    EXPECT_EQ(sheets.records[0].chart, &Chart());
    EXPECT_EQ(sheets.records[1].legendEntry, &Chart().legendItems[0]);
    EXPECT_EQ(ChartEditor(), nullptr) << "a double click opens no editor";
    // The data area has a notice, not a sheet.
    DoubleClickAt(Chart().rcDataArea.CenterPoint());
    const std::vector<ModalDriver::Seen> boxes = driver.SeenOf(ModalRequest::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"数据区域");
    EXPECT_EQ(sheets.opened.size(), 3u);
}

TEST_F(ChartInput, ASecondClickOnTheSelectedTitleEditsItInPlace)
{
    const CPoint title = Chart().chartTitle.rc.CenterPoint();
    ClickAt(title);
    EXPECT_EQ(ChartEditor(), nullptr);
    ClickAt(title);
    ASSERT_NE(ChartEditor(), nullptr);
    EXPECT_EQ(EditorText(), L"图表标题!");
    ::SetWindowTextW(ChartEditor(), L"销售额");
    ::SetFocus(window);
    Pump();
    EXPECT_EQ(ChartEditor(), nullptr);
    EXPECT_EQ(std::string(Chart().chartTitle.strText.GetString()), "销售额");
}

TEST_F(ChartInput, ACaptionEditorEndsBeforeItsPageGoes)
{
    CChartTextItem& entry = Chart().legendItems[0];
    const CPoint caption = entry.rcCaption.CenterPoint();
    ClickAt(caption);
    EXPECT_EQ(entry.chSelPart, 't');
    EXPECT_EQ(ChartEditor(), nullptr) << "a first click on a caption only selects it";
    ClickAt(caption);
    ASSERT_NE(ChartEditor(), nullptr);
    EXPECT_EQ(EditorText(), L"系列1");
    EXPECT_TRUE(entry.strCaption.IsEmpty()) << "the caption gives way to its editor";
    EXPECT_EQ(entry.chSelPart, ' ');
    ::SetWindowTextW(ChartEditor(), L"收入");
    const HWND editor = ChartEditor();
    ASSERT_TRUE(control->DoDeletePage(-1));
    EXPECT_FALSE(::IsWindow(editor));
    EXPECT_EQ(control->GetChartTextEditor(), nullptr);
    Pump();
}

TEST_F(ChartInput, ALeftCaptionEditStoresItsText)
{
    CChartTextItem& entry = Chart().legendItems[0];
    ClickAt(CPoint(Chart().rcLegend.left + 2, Chart().rcLegend.top + 50)); // the legend selected
    ClickAt(entry.rcCaption.CenterPoint());               // a caption inside it edits at once
    ASSERT_NE(ChartEditor(), nullptr);
    ::SetWindowTextW(ChartEditor(), L"收入");
    ::SetFocus(window);
    Pump();
    EXPECT_EQ(ChartEditor(), nullptr);
    EXPECT_EQ(std::string(entry.strCaption.GetString()), "收入");
    EXPECT_EQ(entry.chSelPart, 't');
}
