// The chart settings sheet opened by the control, driven with posted messages: its caption, tabs
// and type combo; the type page's gallery by click and key; the data page's custom range; the
// display page's boxes; the preview drawing every chart type, the pies and rings too; OK inserting
// a chart of the chosen settings and Cancel leaving the page's settings and charts as they were.

#include "chart/model/ChartPageSettings.h"
#include "chart/model/PageCharts.h"
#include "dialogs/ChartStatePrdlg.h"
#include "dialogs/ChartStylePrdlg.h"
#include "dialogs/NorvakSheet.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SheetDriving.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using Steps = std::vector<ModalDriver::Step>;

template <class Page> Page* PageOf(HWND sheet)
{
    return dynamic_cast<Page*>(CWnd::FromHandlePermanent(CurrentPage(sheet)));
}

const ModalDriver::Step PressOk = [](HWND sheet) { ModalDriver::Command(sheet, IDOK); };
const ModalDriver::Step PressCancel = [](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); };
ModalDriver::Step ShowPage(int index)
{
    return [index](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, index); };
}
// The type combo's item chosen as a user does: selection, then the notification.
ModalDriver::Step ChooseType(int type)
{
    return [type](HWND sheet) {
        HWND combo = PageOf<CChartStylePrdlg>(sheet)->GetTypeCombo();
        SendMessageW(combo, CB_SETCURSEL, WPARAM(type), 0);
        PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
    };
}
ModalDriver::Step ClickCell(int cell)
{
    return [cell](HWND sheet) {
        CChartStylePrdlg* page = PageOf<CChartStylePrdlg>(sheet);
        const CRect gallery = page->GalleryRect();
        const int a = gallery.Width() / 3;
        ClickPageAt(page->m_hWnd, CPoint(gallery.left + (cell % 3) * a + a / 2, gallery.top + (cell / 3) * a + a / 2));
    };
}
ModalDriver::Step Key(UINT key)
{
    return [key](HWND sheet) {
        HWND page = CurrentPage(sheet);
        PostMessageW(page, WM_KEYDOWN, key, 0);
        PostMessageW(page, WM_KEYUP, key, 0);
    };
}
ModalDriver::Step Expect(std::function<void(HWND)> check)
{
    return [check](HWND sheet) { check(sheet); };
}

class ChartSettingsSheet : public ControlTest
{
protected:
    // A page of 3 body rows and 3 body columns under one header row and column, headed "A".."C".
    void SetUp() override
    {
        Create();
        Start();
        ASSERT_TRUE(control->DoSetPageRowCounts(-1, 4, 1));
        ASSERT_TRUE(control->DoSetPageColumnCounts(-1, 4, 1));
        for (int c = 1; c <= 3; ++c) {
            ASSERT_TRUE(control->SetItemText(-1, 0, c, std::string(1, char('A' + c - 1)).c_str()));
            for (int r = 1; r <= 3; ++r)
                ASSERT_TRUE(control->SetItemText(-1, r, c, std::to_string(r * c).c_str()));
        }
    }
    CNorvakPage& Page() const { return *control->GetPage(-1); }
    CChartPageSettings& Settings() const { return PendingChartSettings(Page()); }
    INT_PTR Run(const Steps& steps)
    {
        ModalDriver driver;
        for (const ModalDriver::Step& step : steps)
            driver.Then(step);
        const INT_PTR result = control->OnChartSettings();
        EXPECT_TRUE(driver.StepsDone());
        return result;
    }
};

TEST_F(ChartSettingsSheet, CaptionTabsTypesAndPreviewLayout)
{
    EXPECT_EQ(Run({Expect([](HWND sheet) {
                       EXPECT_EQ(WindowText(sheet), L"图表设置");
                       EXPECT_EQ(TabTexts(sheet), (std::vector<std::wstring>{L"类型", L"数据", L"属性"}));
                       CChartStylePrdlg* page = PageOf<CChartStylePrdlg>(sheet);
                       EXPECT_EQ(SendMessageW(page->GetTypeCombo(), CB_GETCOUNT, 0, 0), 5);
                       EXPECT_EQ(page->GetCellCount(), 7);
                       EXPECT_FALSE(IsWindowVisible(GetDlgItem(page->m_hWnd, IDC_CHART_TYPE_TEMPLATE)));
                       CNorvakSheet* norvak = dynamic_cast<CNorvakSheet*>(CWnd::FromHandlePermanent(sheet));
                       EXPECT_FALSE(norvak->m_rcChart.IsRectEmpty());
                       UpdateWindow(sheet);
                       UpdateWindow(page->m_hWnd);
                       EXPECT_EQ(ModalDriver::Text(page->m_hWnd, IDC_CHART_TYPE_NAME), L"图表类型:簇状柱形图");
                   }),
                   PressCancel}),
              IDCANCEL);
}

struct TypeCase
{
    const char* name;
    Steps steps;
    int type;
    int subType;
    int cells;
};

TEST_F(ChartSettingsSheet, TypePageChoosesByComboClickAndKeys)
{
    const std::vector<TypeCase> cases = {
        {"pie then bar: six cells, the first chosen", {ChooseType(3), ChooseType(1)}, 1, 0, 6},
        {"a pie's eight cells, the third clicked", {ChooseType(3), ClickCell(2)}, 3, 2, 8},
        {"keys move after a click", {ClickCell(1), Key(VK_RIGHT), Key(VK_DOWN)}, 0, 3, 7},
        {"Left at the first cell stays", {ClickCell(0), Key(VK_LEFT), Key(VK_UP)}, 0, 0, 7},
        {"Right at the last cell stays", {ChooseType(4), ClickCell(5), Key(VK_RIGHT)}, 4, 5, 6},
        {"after a combo change keys leave the gallery", {ClickCell(2), ChooseType(2), Key(VK_RIGHT)}, 2, 0, 7},
    };
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Steps steps = c.steps;
        steps.push_back(Expect([&c](HWND sheet) {
            CChartStylePrdlg* page = PageOf<CChartStylePrdlg>(sheet);
            EXPECT_EQ(page->GetCellCount(), c.cells);
            EXPECT_EQ(page->GetSubType(), c.subType);
        }));
        steps.push_back(PressOk);
        EXPECT_EQ(Run(steps), IDOK);
        EXPECT_EQ(Settings().chChartType, c.type);
        EXPECT_EQ(Settings().chChartSubType, c.subType);
    }
}

TEST_F(ChartSettingsSheet, AClickOutsideTheCellsStillWritesTheChoice)
{
    EXPECT_EQ(Run({ClickCell(4),
                   Expect([this](HWND sheet) {
                       Settings().chChartSubType = 0; // as if written elsewhere
                       ClickPageAt(CurrentPage(sheet), CPoint(2, 2));
                   }),
                   Expect([this](HWND) { EXPECT_EQ(Settings().chChartSubType, 4); }), PressCancel}),
              IDCANCEL);
}

TEST_F(ChartSettingsSheet, GroupingByRowsRebuildsTheSeries)
{
    EXPECT_EQ(Run({Expect([this](HWND) { EXPECT_TRUE(Settings().bGroupByColumns); }),
                   [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_CHART_GROUP_BY_ROWS); },
                   Expect([this](HWND) { EXPECT_FALSE(Settings().bGroupByColumns); }), PressOk}),
              IDOK);
}

struct RangeCase
{
    const char* name;
    const wchar_t* first;
    const wchar_t* last;
    std::vector<int> checkedItems;
    int mode; // the source button pressed last
    // The stored lists, for the custom range.
    std::vector<int> rows;
    std::vector<int> columns;
};

TEST_F(ChartSettingsSheet, DataPageCustomRange)
{
    const std::vector<RangeCase> cases = {
        {"rows 0 to 1 of columns B and C", L"0", L"1", {1, 2}, IDC_CHART_SOURCE_CUSTOM, {1, 2}, {2, 3}},
        {"a last row below the first keeps the range before it", L"2", L"1", {0}, IDC_CHART_SOURCE_CUSTOM, {1},
         {1}},
        {"rows beyond the page are clamped to its last row", L"1", L"40", {0}, IDC_CHART_SOURCE_CUSTOM, {2, 3},
         {1}},
        {"no item checked passes no column", L"0", L"2", {}, IDC_CHART_SOURCE_CUSTOM, {1, 2, 3}, {}},
        {"the whole page passes no lists, whatever is checked", L"0", L"0", {0}, IDC_CHART_SOURCE_PAGE, {}, {}},
        {"the selection passes no lists", L"0", L"1", {2}, IDC_CHART_SOURCE_SELECTION, {}, {}},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Settings().customRows.clear();
        Settings().customColumns.clear();
        const Steps steps = {
            ShowPage(1),
            [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_CHART_SOURCE_CUSTOM); },
            [&c](HWND sheet) {
                HWND page = CurrentPage(sheet);
                HWND list = GetDlgItem(page, IDC_CHART_COLUMN_LIST);
                EXPECT_EQ(ListView_GetItemCount(list), 3);
                ListView_SetCheckState(list, -1, FALSE); // only this case's columns
                for (int item : c.checkedItems)
                    ListView_SetCheckState(list, item, TRUE);
                ModalDriver::SetText(page, IDC_CHART_FIRST_ROW, c.first);
                ModalDriver::SetText(page, IDC_CHART_LAST_ROW, c.last);
                if (c.mode != IDC_CHART_SOURCE_CUSTOM)
                    ModalDriver::Click(page, c.mode);
            },
            Expect([this, &c](HWND) {
                if (c.mode == IDC_CHART_SOURCE_CUSTOM) {
                    EXPECT_EQ(Settings().chDataSourceMode, kChartSourceLists);
                    EXPECT_EQ(Settings().customRows, c.rows);
                    EXPECT_EQ(Settings().customColumns, c.columns);
                    return;
                }
                // The series are those of the mode alone.
                const int mode = c.mode == IDC_CHART_SOURCE_PAGE ? kChartSourcePage : kChartSourceSelection;
                EXPECT_EQ(Settings().chDataSourceMode, mode);
                const size_t built = Settings().items.size();
                control->BuildChartSeries(-1, mode, nullptr, nullptr);
                EXPECT_EQ(Settings().items.size(), built);
            }),
            PressOk};
        EXPECT_EQ(Run(steps), IDOK);
    }
}

TEST_F(ChartSettingsSheet, DisplayBoxesWriteAtOnceAndSwapThePicture)
{
    Settings().displayOptions[1] = 0;
    Settings().displayOptions[2] = 1;
    EXPECT_EQ(Run({ShowPage(2), Expect([](HWND sheet) {
                       HWND page = CurrentPage(sheet);
                       EXPECT_EQ(IsDlgButtonChecked(page, IDC_CHART_SHOW_LEGEND), BST_CHECKED) << "from the page";
                       EXPECT_EQ(IsDlgButtonChecked(page, IDC_CHART_SHOW_CHART), BST_UNCHECKED);
                   }),
                   [](HWND sheet) {
                       HWND page = CurrentPage(sheet);
                       ModalDriver::Click(page, IDC_CHART_SHOW_LEGEND);
                       ModalDriver::Click(page, IDC_CHART_SHOW_CHART);
                   },
                   Expect([this](HWND sheet) {
                       EXPECT_EQ(Settings().displayOptions[2], 0);
                       EXPECT_EQ(Settings().displayOptions[1], 1);
                       CChartStatePrdlg* page = PageOf<CChartStatePrdlg>(sheet);
                       const HBITMAP inWindow = page->GetInsertPicture();
                       EXPECT_NE(inWindow, nullptr);
                       ModalDriver::Click(page->m_hWnd, IDC_CHART_AS_OBJECT);
                   }),
                   Expect([this](HWND sheet) {
                       EXPECT_EQ(Settings().displayOptions[0], 1);
                       EXPECT_NE(PageOf<CChartStatePrdlg>(sheet)->GetInsertPicture(), nullptr);
                   }),
                   PressOk}),
              IDOK);
    EXPECT_EQ(Settings().displayOptions[0], 1);
    EXPECT_EQ(Settings().displayOptions[1], 1);
    EXPECT_EQ(Settings().displayOptions[2], 0);
}

// The pixels of the sheet's chart area that are drawn in a colour of their own: neither the
// face of the sheet nor white, black or the grey of the frames.
int ChartPixels(HWND sheet)
{
    auto* object = dynamic_cast<CNorvakSheet*>(CWnd::FromHandlePermanent(sheet));
    const CRect area = object->m_rcChart;
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC window = GetDC(sheet);
    HDC memory = CreateCompatibleDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(window, area.Width(), area.Height());
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, area.Width(), area.Height(), window, area.left, area.top, SRCCOPY);
    const COLORREF plain[] = {GetSysColor(COLOR_BTNFACE), RGB(255, 255, 255), RGB(0, 0, 0), 0xC0C0C0, 0x808080};
    int count = 0;
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x)
            count += std::find(std::begin(plain), std::end(plain), GetPixel(memory, x, y)) == std::end(plain);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(sheet, window);
    return count;
}

TEST_F(ChartSettingsSheet, ThePreviewDrawsEveryTypeThePieAndTheRingAmongThem)
{
    Settings().displayOptions[1] = 1; // show the chart
    ASSERT_TRUE(control->DoSetPageGridRangeSelected(-1, 1, 1, 3, 3, TRUE)); // the data it is made from
    const struct
    {
        const char* name;
        Steps choose;
    } cases[] = {
        {"column", {ChooseType(0)}},
        {"pie", {ChooseType(3)}},
        {"exploded 3-D pie", {ChooseType(3), ClickCell(3)}},
        {"ring", {ChooseType(3), ClickCell(4)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Steps steps = c.choose;
        steps.push_back(Expect([](HWND sheet) { EXPECT_GT(ChartPixels(sheet), 200); }));
        steps.push_back(PressCancel);
        EXPECT_EQ(Run(steps), IDCANCEL);
    }
}

TEST_F(ChartSettingsSheet, OkInsertsAChartOfTheChoiceCancelChangesNothing)
{
    control->SetSheetFactory(&RealSheetFactory());
    const CChartPageSettings before = Settings();
    {
        ModalDriver driver;
        for (const ModalDriver::Step& step :
             Steps{ChooseType(2), ClickCell(3), ShowPage(2),
                   [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_CHART_SHOW_VALUES); }, PressCancel})
            driver.Then(step);
        control->DoShowChartWindow();
    }
    EXPECT_TRUE(Page().m_charts.empty());
    EXPECT_EQ(Settings().chChartType, before.chChartType);
    EXPECT_EQ(Settings().chChartSubType, before.chChartSubType);
    EXPECT_EQ(Settings().displayOptions[4], before.displayOptions[4]);

    {
        ModalDriver driver;
        for (const ModalDriver::Step& step : Steps{ChooseType(2), ClickCell(3), PressOk})
            driver.Then(step);
        control->DoShowChartWindow();
    }
    ASSERT_EQ(Page().m_charts.size(), 1u);
    EXPECT_EQ(Page().m_charts[0]->nType, 2);
    EXPECT_EQ(Page().m_charts[0]->nSubType, 3);
    EXPECT_EQ(Page().m_charts[0]->rcChart, CRect(100, 50, 600, 300));
    control->SetSheetFactory(nullptr);
}

TEST_F(ChartSettingsSheet, OkAtOnceMakesTheChartOfTheSelectedCells)
{
    control->SetSheetFactory(&RealSheetFactory());
    ASSERT_TRUE(control->DoSetPageRowCounts(-1, 100, 1));
    ASSERT_TRUE(control->DoSetPageColumnCounts(-1, 50, 1));
    for (int r = 2; r <= 5; ++r)
        for (int c = 2; c <= 4; ++c)
            ASSERT_TRUE(control->SetItemText(-1, r, c, std::to_string(r * 10 + c).c_str()));
    ASSERT_TRUE(control->DoSetPageGridRangeSelected(-1, 2, 2, 5, 4, TRUE));
    {
        ModalDriver driver;
        driver.Then(PressOk);
        control->DoShowChartWindow();
        EXPECT_TRUE(driver.SeenOf(ModalRequest::MessageBox).empty());
    }
    ASSERT_EQ(Page().m_charts.size(), 1u);
    const CNorvakChart& chart = *Page().m_charts[0];
    std::vector<std::vector<double>> values;
    for (const CChartItemArray& category : chart.items) {
        values.emplace_back();
        for (const CChartItem& point : category)
            values.back().push_back(point.dValue);
    }
    EXPECT_EQ(values, (std::vector<std::vector<double>>{{22, 23, 24}, {32, 33, 34}, {42, 43, 44}, {52, 53, 54}}))
        << "a category per selected row, a series per selected column";
    EXPECT_EQ(chart.legendItems.size(), 3u);
    control->SetSheetFactory(nullptr);
}

TEST_F(ChartSettingsSheet, OkOnAWholePageTooLargeForAChartInsertsNothing)
{
    control->SetSheetFactory(&RealSheetFactory());
    ASSERT_TRUE(control->DoSetPageRowCounts(-1, 20001, 1));
    ASSERT_TRUE(control->DoSetPageColumnCounts(-1, 50, 1));
    control->SetChartDataSource(-1, kChartSourcePage, 0, 0, {});
    std::vector<ModalDriver::Seen> messages;
    {
        ModalDriver driver;
        driver.Then(PressOk);
        control->DoShowChartWindow();
        messages = driver.SeenOf(ModalRequest::MessageBox);
    }
    ASSERT_EQ(messages.size(), 1u) << "the user is told why OK made no chart";
    EXPECT_EQ(messages[0].text, L"所选数据过多，无法生成图表!");
    EXPECT_TRUE(Page().m_charts.empty());
    EXPECT_TRUE(Settings().bDataRefused);
    EXPECT_TRUE(Settings().items.empty());
    control->SetSheetFactory(nullptr);
}

TEST_F(ChartSettingsSheet, TheShowBoxesDecideThePartsOfTheInsertedChart)
{
    control->SetSheetFactory(&RealSheetFactory());
    const struct
    {
        const char* name;
        std::vector<int> boxes; // clicked, each once: every box starts checked
        CRect plot, legend, data;
    } cases[] = {
        {"as it opens", {}, CRect(170, 120, 530, 170), CRect(540, 60, 590, 290), CRect(170, 180, 530, 230)},
        {"no legend", {IDC_CHART_SHOW_LEGEND}, CRect(170, 120, 590, 170), CRect(600, 50, 600, 300),
         CRect(170, 180, 590, 230)},
        {"no data window", {IDC_CHART_SHOW_DATA}, CRect(170, 120, 530, 230), CRect(540, 60, 590, 290),
         CRect(160, 240, 540, 240)},
        {"no chart", {IDC_CHART_SHOW_CHART}, CRect(160, 110, 540, 240), CRect(540, 60, 590, 290),
         CRect(170, 180, 530, 230)},
        {"legend off and on again", {IDC_CHART_SHOW_LEGEND, IDC_CHART_SHOW_LEGEND}, CRect(170, 120, 530, 170),
         CRect(540, 60, 590, 290), CRect(170, 180, 530, 230)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Page().m_charts.clear();
        Page().m_chartSettings.reset(); // a page that never had chart settings
        {
            ModalDriver driver;
            driver.Then(ShowPage(2));
            driver.Then([&c](HWND sheet) {
                for (int box : c.boxes)
                    ModalDriver::Click(CurrentPage(sheet), box);
            });
            driver.Then(Expect([this, &c](HWND) {
                const int boxes[] = {IDC_CHART_SHOW_CHART, IDC_CHART_SHOW_LEGEND, IDC_CHART_SHOW_DATA};
                for (int part = 0; part < 3; ++part) {
                    const bool clickedOnce = std::count(c.boxes.begin(), c.boxes.end(), boxes[part]) % 2 == 1;
                    EXPECT_EQ(Settings().layoutShown[part], clickedOnce ? 0 : 1) << "written at the click";
                }
            }));
            driver.Then(PressOk);
            control->DoShowChartWindow();
        }
        ASSERT_EQ(Page().m_charts.size(), 1u);
        const CNorvakChart& chart = *Page().m_charts[0];
        EXPECT_EQ(chart.rcPlot, c.plot);
        EXPECT_EQ(chart.rcLegend, c.legend);
        EXPECT_EQ(chart.rcDataArea, c.data);
        // The page opens the next time with the boxes as they were left.
        ModalDriver driver;
        driver.Then(ShowPage(2));
        driver.Then(Expect([&c](HWND sheet) {
            for (int box : {IDC_CHART_SHOW_CHART, IDC_CHART_SHOW_LEGEND, IDC_CHART_SHOW_DATA}) {
                const bool clickedOnce = std::count(c.boxes.begin(), c.boxes.end(), box) % 2 == 1;
                EXPECT_EQ(IsDlgButtonChecked(CurrentPage(sheet), box), clickedOnce ? BST_UNCHECKED : BST_CHECKED)
                    << box;
            }
        }));
        driver.Then(PressCancel);
        control->DoShowChartWindow();
    }
    control->SetSheetFactory(nullptr);
}

TEST_F(ChartSettingsSheet, NoSheetWithoutAnActivePage)
{
    while (control->DoGetPageCounts() > 0)
        control->DoDeletePage(0);
    ModalDriver driver;
    EXPECT_EQ(control->OnChartSettings(), 0);
    EXPECT_TRUE(driver.SeenOf(ModalRequest::PropertySheet).empty());
}

} // namespace

// Pending settings are read from files as stored: whatever a hostile file put there, the sheet opens
// on them, OK inserts what it may and the page paints.
TEST_F(ChartSettingsSheet, HostilePendingSettingsOpenInsertAndPaint)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case { const char* name; std::function<void(CChartPageSettings&)> set; };
    const std::vector<Case> cases = {
        {"type 200", [](CChartPageSettings& s) { s.chChartType = 200; }},
        {"sub-type 200", [](CChartPageSettings& s) { s.chChartSubType = 200; }},
        {"pie sub-type 200", [](CChartPageSettings& s) { s.chChartType = 3; s.chChartSubType = 200; }},
        {"source 77", [](CChartPageSettings& s) { s.chDataSourceMode = 77; }},
        {"rows -5..32000", [](CChartPageSettings& s) { s.dataPage.nFirstRow = -5; s.dataPage.nLastRow = 32000; s.chDataSourceMode = 1; }},
        {"column mode -7", [](CChartPageSettings& s) { s.dataPage.nColumnIndexMode = -7; }},
        {"NaN ranges", [nan](CChartPageSettings& s) { s.dClusteredMin = nan; s.dClusteredMax = nan; s.dStackedMin = -nan; s.dStackedMax = nan; }},
        {"display 77", [](CChartPageSettings& s) { for (int& v : s.displayOptions) v = 77; }},
        {"layout -1", [](CChartPageSettings& s) { for (int& v : s.layoutShown) v = -1; }},
    };
    control->SetSheetFactory(&RealSheetFactory());
    ASSERT_TRUE(control->DoSetPageGridRangeSelected(-1, 1, 1, 3, 3, TRUE));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings() = CChartPageSettings();
        c.set(Settings());
        {
            ModalDriver driver;
            driver.Then(PressOk);
            control->DoShowChartWindow();
        }
        RedrawWindow(control->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ExpectEveryPageConsistent(c.name);
    }
    control->SetSheetFactory(nullptr);
}
