// The 3-D rotation page of the whole chart's sheet, opened through the control's element sheets on
// charts made from a page's cells and driven with posted messages: the values it opens on by chart
// kind, each control's change written on OK and none on Cancel, the spins' limits, the stepping
// buttons repeating while held, the chart drawn with its new depth, and nothing left behind.

#include "chart/model/ChartElementSheets.h"
#include "chart/model/NewChart.h"
#include "chart/model/PageCharts.h"
#include "dialogs/SolidRotatePDlg.h"
#include "framework/CDC.h"
#include "tests/support/ControlTest.h"
#include "tests/support/GeometryPrint.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SheetDriving.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <climits>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Steps = std::vector<ModalDriver::Step>;

constexpr int kRotateButtons[] = {IDC_ROTATE_LEFT, IDC_ROTATE_RIGHT, IDC_ROTATE_UP, IDC_ROTATE_DOWN};
constexpr int kPieControls[] = {IDC_PIE_TALLER, IDC_PIE_LOWER,       IDC_PIE_WIDER,    IDC_PIE_NARROWER,
                                IDC_PIE_SCALE_MODE, IDC_PIE_HEIGHT_SPIN, IDC_PIE_EXPLODE_SPIN, IDC_PIE_SHOW_ONE,
                                IDC_PIE_SHOW_ALL};

CSolidRotatePDlg* RotationPage(HWND sheet)
{
    return dynamic_cast<CSolidRotatePDlg*>(CWnd::FromHandlePermanent(CurrentPage(sheet)));
}

// The "旋转" tab brought to the front, wherever it stands among the sheet's pages.
const ModalDriver::Step ShowRotation = [](HWND sheet) {
    const std::vector<std::wstring> tabs = TabTexts(sheet);
    for (size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i] == L"旋转")
            PropSheet_SetCurSel(sheet, nullptr, int(i));
};
const ModalDriver::Step PressOk = [](HWND sheet) { ModalDriver::Command(sheet, IDOK); };
const ModalDriver::Step PressCancel = [](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); };

ModalDriver::Step ClickButton(int id)
{
    return [id](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), id); };
}

void PostMouse(HWND window, UINT msg, POINT at)
{
    ::PostMessageW(window, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(at.x, at.y));
}

POINT MiddleOf(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    return POINT{client.right / 2, client.bottom / 2};
}

// A click on the upper (up) or lower (down) arrow of a spin.
ModalDriver::Step ClickSpin(int id, bool up)
{
    return [id, up](HWND sheet) {
        HWND spin = ::GetDlgItem(CurrentPage(sheet), id);
        RECT client{};
        ::GetClientRect(spin, &client);
        const POINT at{client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4};
        PostMouse(spin, WM_LBUTTONDOWN, at);
        PostMouse(spin, WM_LBUTTONUP, at);
    };
}

ModalDriver::Step PressButton(int id)
{
    return [id](HWND sheet) { PostMouse(::GetDlgItem(CurrentPage(sheet), id), WM_LBUTTONDOWN, MiddleOf(::GetDlgItem(CurrentPage(sheet), id))); };
}

ModalDriver::Step ReleaseButton(int id)
{
    return [id](HWND sheet) { PostMouse(::GetDlgItem(CurrentPage(sheet), id), WM_LBUTTONUP, MiddleOf(::GetDlgItem(CurrentPage(sheet), id))); };
}

ModalDriver::Step Expect(std::function<void(CSolidRotatePDlg&)> check)
{
    return [check](HWND sheet) {
        CSolidRotatePDlg* page = RotationPage(sheet);
        ASSERT_NE(page, nullptr);
        check(*page);
    };
}

int SpinPos(HWND page, int id)
{
    return int(::SendDlgItemMessageW(page, id, UDM_GETPOS32, 0, 0));
}

std::pair<int, int> SpinRange(HWND page, int id)
{
    int low = 0, high = 0;
    ::SendDlgItemMessageW(page, id, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    return {low, high};
}

// Every field of a chart the page may write, as text.
std::string Snapshot(const CNorvakChart& chart)
{
    std::ostringstream out;
    out << "depth " << chart.nDepthX << "," << chart.nDepthY << " series " << chart.nPieSeries << "\n";
    for (const CChartItemArray& row : chart.items) {
        for (const CChartItem& p : row) {
            out << " pie " << p.rcPie.left << "," << p.rcPie.top << "," << p.rcPie.right << "," << p.rcPie.bottom
                << " hole " << p.rcHole.left << "," << p.rcHole.top << "," << p.rcHole.right << ","
                << p.rcHole.bottom << " depth " << p.nDepthA << "," << p.nDepthB << " explode " << p.nExplodeA
                << "," << p.nExplodeB << " scale " << p.fScale << " ratios " << p.fHoleHeightRatio << ","
                << p.fHoleWidthRatio;
        }
        out << "\n";
    }
    return out.str();
}

class RotationPageTest : public ControlTest
{
protected:
    // A page of 3 body rows and 3 body columns under one header row and column.
    void SetUp() override
    {
        Create();
        Start();
        ASSERT_TRUE(control->DoSetPageRowCounts(-1, 4, 1));
        ASSERT_TRUE(control->DoSetPageColumnCounts(-1, 4, 1));
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 3; ++r)
                ASSERT_TRUE(control->SetItemText(-1, r, c, std::to_string(r * c).c_str()));
        control->SetSheetFactory(&RealSheetFactory());
        // Shown, so that what the page invalidates in the control stays there to be seen.
        ::ShowWindow(container.ParentWindow(), SW_SHOW);
    }
    void TearDown() override { control->SetSheetFactory(nullptr); }

    CNorvakPage& Page() const { return *control->GetPage(-1); }
    // A chart of the kind made from the page's cells, inserted as the chart settings sheet does.
    CNorvakChart& Insert(int type, int subType)
    {
        control->SetChartType(-1, BYTE(type), BYTE(subType));
        control->BuildChartSeries(-1, 0, nullptr, nullptr);
        control->UpdateChartValueRange(-1);
        const int shown[6] = {1, 1, 1, 1, 1, 1};
        control->InsertChart(-1, TRUE, NewChartPartRects(shown, [](const char*) { return CSize(60, 16); }), 0);
        return *Page().m_charts.back();
    }
    // The sheet moved off the control, the control's window painted, then the sheet ended, so
    // that only the page's own invalidation is left in the control afterwards.
    ModalDriver::Step EndAwayFromTheControl(ModalDriver::Step end) const
    {
        return [this, end](HWND sheet) {
            ::SetWindowPos(sheet, nullptr, -3000, -3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ::ValidateRect(control->m_hWnd, nullptr);
            end(sheet);
        };
    }
    // The whole chart's sheet on the chart, run with the steps.
    void Run(CNorvakChart& chart, Steps steps)
    {
        ModalDriver driver;
        driver.Then(ShowRotation);
        for (const ModalDriver::Step& step : steps)
            driver.Then(step);
        control->ShowChartElementProperties(kChartWhole, CChartElementRecord{&chart}, 0, 0, 0, 1);
        EXPECT_TRUE(driver.StepsDone());
        EXPECT_EQ(driver.SeenOf(ModalRequest::PropertySheet).size(), 1u);
    }
};

TEST_F(RotationPageTest, OpensOnTheChartsValuesWithTheControlsOfItsKind)
{
    struct Case
    {
        const char* name;
        int type, subType;
        bool pie;
    };
    for (const Case& c : std::vector<Case>{{"3-D column", kChartColumn, 3, false},
                                           {"line", kChartLine, 0, false},
                                           {"3-D bar", kChartBar, 4, false},
                                           {"3-D pie", kChartPie, 1, true},
                                           {"3-D ring", kChartPie, 6, true}}) {
        SCOPED_TRACE(c.name);
        CNorvakChart& chart = Insert(c.type, c.subType);
        chart.nDepthX = 12;
        chart.nDepthY = 7;
        const CChartItem& first = chart.items.at(0).at(0);
        const int height = first.nDepthA, explode = first.nExplodeA;
        const int half = int(std::min(first.rcPie.Width(), first.rcPie.Height()) / 2);
        const int rows = int(chart.items.size());
        Run(chart, {[&](HWND sheet) {
                        EXPECT_EQ(WindowText(sheet), L"图表");
                        CSolidRotatePDlg* page = RotationPage(sheet);
                        ASSERT_NE(page, nullptr);
                        HWND w = page->m_hWnd;
                        EXPECT_EQ(page->GetDepth(), CPoint(12, 7));
                        for (int id : kRotateButtons)
                            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(w, id)) != FALSE, !c.pie) << id;
                        for (int id : kPieControls)
                            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(w, id)) != FALSE, c.pie) << id;
                        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(w, IDC_PIE_SERIES_SPIN)) != FALSE, c.pie)
                            << "a new pie shows its first row alone";
                        EXPECT_EQ(::SendDlgItemMessageW(w, IDC_PIE_SCALE_MODE, CB_GETCOUNT, 0, 0), 3);
                        const CRect fit = page->GetPreviewRects().fit;
                        if (!c.pie) {
                            // The wire-frame spans the preview.
                            LONG left = LONG_MAX, right = LONG_MIN;
                            for (const POINT& p : page->GetWallPoints()) {
                                left = std::min(left, p.x);
                                right = std::max(right, p.x);
                            }
                            EXPECT_NEAR(left, fit.left, 1);
                            EXPECT_NEAR(right, fit.right, 1);
                            return;
                        }
                        EXPECT_EQ(::IsDlgButtonChecked(w, IDC_PIE_SHOW_ONE), BST_CHECKED);
                        EXPECT_EQ(::IsDlgButtonChecked(w, IDC_PIE_SHOW_ALL), BST_UNCHECKED);
                        EXPECT_EQ(::SendDlgItemMessageW(w, IDC_PIE_SCALE_MODE, CB_GETCURSEL, 0, 0), 0);
                        EXPECT_EQ(SpinRange(w, IDC_PIE_HEIGHT_SPIN), std::make_pair(0, 50));
                        EXPECT_EQ(SpinPos(w, IDC_PIE_HEIGHT_SPIN), height);
                        EXPECT_EQ(ModalDriver::Text(w, IDC_PIE_HEIGHT), std::to_wstring(height));
                        EXPECT_EQ(SpinRange(w, IDC_PIE_EXPLODE_SPIN), std::make_pair(0, half));
                        EXPECT_EQ(SpinPos(w, IDC_PIE_EXPLODE_SPIN), explode);
                        EXPECT_EQ(SpinRange(w, IDC_PIE_SERIES_SPIN), std::make_pair(0, rows - 1));
                        EXPECT_EQ(page->GetHeightDiff(), height);
                        EXPECT_EQ(page->GetExplode(), explode);
                        EXPECT_EQ(page->GetEllipses().inner.IsRectEmpty(), c.subType < 4);
                        EXPECT_EQ(page->GetEllipses().outer.Size(), first.rcPie.Size());
                    },
                    PressCancel});
    }
}

struct ChangeCase
{
    const char* name;
    int type, subType;
    Steps steps;
    std::function<void(CNorvakChart& chart, const CNorvakChart& before)> check;
};

TEST_F(RotationPageTest, EachChangeIsWrittenOnOkAndNoneOnCancel)
{
    auto depth = [](int dx, int dy) {
        return [dx, dy](CNorvakChart& chart, const CNorvakChart& before) {
            EXPECT_EQ(chart.nDepthX, before.nDepthX + dx);
            EXPECT_EQ(chart.nDepthY, before.nDepthY + dy);
            EXPECT_EQ(Snapshot(chart).substr(Snapshot(chart).find('\n')),
                      Snapshot(before).substr(Snapshot(before).find('\n')))
                << "nothing but the depth";
        };
    };
    const std::vector<ChangeCase> cases = {
        {"LEFT_ROTATE", kChartColumn, 3, {ClickButton(IDC_ROTATE_LEFT)}, depth(1, 0)},
        {"RIGHT_ROTATE twice", kChartColumn, 3, {ClickButton(IDC_ROTATE_RIGHT), ClickButton(IDC_ROTATE_RIGHT)},
         depth(-2, 0)},
        {"UP_ROTATE", kChartLine, 6, {ClickButton(IDC_ROTATE_UP)}, depth(0, -1)},
        {"DOWN_ROTATE on a flat line chart", kChartLine, 0, {ClickButton(IDC_ROTATE_DOWN)}, depth(0, 1)},
        {"高度差 up", kChartPie, 1, {ClickSpin(IDC_PIE_HEIGHT_SPIN, true)},
         [](CNorvakChart& chart, const CNorvakChart& before) {
             EXPECT_EQ(chart.items[0][0].nDepthB, before.items[0][0].nDepthB + 1);
             EXPECT_EQ(chart.nPieSeries, 0);
         }},
        {"离心距 up", kChartPie, 1, {ClickSpin(IDC_PIE_EXPLODE_SPIN, true)},
         [](CNorvakChart& chart, const CNorvakChart& before) {
             for (const CChartItem& point : chart.items[0]) {
                 EXPECT_EQ(point.nExplodeA, before.items[0][0].nExplodeA + 1);
                 EXPECT_EQ(point.nExplodeB, before.items[0][0].nExplodeA + 1);
             }
         }},
        {"外圆缩放 UP_DOWNFD", kChartPie, 1,
         {[](HWND sheet) { ChooseComboItem(CurrentPage(sheet), IDC_PIE_SCALE_MODE, 1); },
          ClickButton(IDC_PIE_TALLER)},
         [](CNorvakChart& chart, const CNorvakChart& before) {
             const CRect pie = before.items[0][0].rcPie;
             EXPECT_FLOAT_EQ(chart.items[0][0].fScale, float(pie.Width()) / float(pie.Height() + 2));
         }},
        {"同步缩放 LEFT_RIGHTSX on a ring", kChartPie, 6, {ClickButton(IDC_PIE_NARROWER)},
         [](CNorvakChart& chart, const CNorvakChart& before) {
             const CRect pie = before.items[0][0].rcPie, hole = before.items[0][0].rcHole;
             EXPECT_FLOAT_EQ(chart.items[0][0].fScale, float(pie.Width() - 2) / float(pie.Height()));
             EXPECT_FLOAT_EQ(chart.items[0][0].fHoleWidthRatio, float(hole.Width() - 2) / float(pie.Width() - 2));
         }},
        {"显示多组", kChartPie, 1, {ClickButton(IDC_PIE_SHOW_ALL)},
         [](CNorvakChart& chart, const CNorvakChart&) { EXPECT_EQ(chart.nPieSeries, -1); }},
        {"显示一组 with the second row", kChartPie, 1,
         {ClickButton(IDC_PIE_SHOW_ALL), ClickButton(IDC_PIE_SHOW_ONE), ClickSpin(IDC_PIE_SERIES_SPIN, true)},
         [](CNorvakChart& chart, const CNorvakChart&) { EXPECT_EQ(chart.nPieSeries, 1); }},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        CNorvakChart& chart = Insert(c.type, c.subType);
        const std::string opened = Snapshot(chart);
        Steps steps = c.steps;
        steps.push_back(PressCancel);
        steps.back() = EndAwayFromTheControl(PressCancel);
        Run(chart, steps);
        EXPECT_EQ(Snapshot(chart), opened) << "Cancel";
        RECT dirty{};
        EXPECT_FALSE(::GetUpdateRect(control->m_hWnd, &dirty, FALSE)) << "Cancel redraws nothing";

        const CNorvakChart before = chart;
        steps.back() = EndAwayFromTheControl(PressOk);
        Run(chart, steps);
        c.check(chart, before);
        ASSERT_TRUE(::GetUpdateRect(control->m_hWnd, &dirty, FALSE)) << "OK redraws the chart";
        RECT client{}, shown{}, both{};
        ::GetClientRect(control->m_hWnd, &client);
        ::IntersectRect(&shown, &chart.rcChart, &client);
        ::UnionRect(&both, &dirty, &shown);
        EXPECT_EQ(CRect(both), CRect(dirty)) << "the chart's part of the window";
    }
}

TEST_F(RotationPageTest, ChartsWithoutDataOpenAndTakeEveryButton)
{
    struct Case
    {
        const char* name;
        int type, subType;
    };
    for (const Case& c : std::vector<Case>{{"a pie without rows", kChartPie, 3}, {"a column chart of no range", kChartColumn, 3}}) {
        SCOPED_TRACE(c.name);
        CNorvakChart& chart = Insert(c.type, c.subType);
        CChartItemTable().swap(chart.items);
        chart.dMinValue = chart.dMaxValue = 0;
        const int x = chart.nDepthX;
        Steps steps;
        for (int id : {IDC_ROTATE_LEFT, IDC_PIE_TALLER, IDC_PIE_LOWER, IDC_PIE_WIDER, IDC_PIE_NARROWER})
            steps.push_back(ClickButton(id));
        for (int id : {IDC_PIE_HEIGHT_SPIN, IDC_PIE_EXPLODE_SPIN, IDC_PIE_SERIES_SPIN})
            steps.push_back(ClickSpin(id, true));
        steps.push_back(Expect([](CSolidRotatePDlg& page) {
            EXPECT_EQ(page.GetExplode(), 0) << "half of no pie";
            ::RedrawWindow(page.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }));
        steps.push_back(PressOk);
        Run(chart, steps);
        EXPECT_EQ(chart.nDepthX, c.type == kChartPie ? x : x + 1);
        EXPECT_TRUE(chart.items.empty());
    }
}

TEST_F(RotationPageTest, SpinsStopAtTheirLimits)
{
    CNorvakChart& chart = Insert(kChartPie, 1);
    CChartItem& first = chart.items[0][0];
    const int half = int(std::min(first.rcPie.Width(), first.rcPie.Height()) / 2);
    struct Case
    {
        int height, explode;
        bool up;
        int heightAfter, explodeAfter;
    };
    for (const Case& c : std::vector<Case>{{50, half, true, 50, half}, {0, 0, false, 0, 0}, {49, half - 1, true, 50, half}}) {
        first.nDepthA = first.nDepthB = c.height;
        for (CChartItem& point : chart.items[0])
            point.nExplodeA = point.nExplodeB = c.explode;
        Run(chart, {ClickSpin(IDC_PIE_HEIGHT_SPIN, c.up), ClickSpin(IDC_PIE_EXPLODE_SPIN, c.up),
                    ClickSpin(IDC_PIE_HEIGHT_SPIN, c.up), ClickSpin(IDC_PIE_EXPLODE_SPIN, c.up),
                    Expect([&c](CSolidRotatePDlg& page) {
                        EXPECT_EQ(page.GetHeightDiff(), c.heightAfter) << c.height;
                        EXPECT_EQ(page.GetExplode(), c.explodeAfter) << c.explode;
                        EXPECT_EQ(SpinPos(page.m_hWnd, IDC_PIE_HEIGHT_SPIN), c.heightAfter);
                    }),
                    PressCancel});
    }
}

TEST_F(RotationPageTest, SteppingButtonsRepeatWhileHeld)
{
    CNorvakChart& chart = Insert(kChartColumn, 3);
    const int x = chart.nDepthX;
    auto expectX = [x](int steps) {
        return Expect([x, steps](CSolidRotatePDlg& page) {
            EXPECT_EQ(page.GetDepth().x, x + steps);
            EXPECT_EQ(page.GetHeldButton(), 0);
        });
    };
    auto tick = [](HWND sheet) { ::PostMessageW(CurrentPage(sheet), WM_TIMER, 0, 0); };
    // The repeat timer's ticks are posted here, so that none comes from the clock.
    auto stopClock = [](HWND sheet) { ::KillTimer(CurrentPage(sheet), 0); };
    Run(chart, {PressButton(IDC_ROTATE_LEFT), ReleaseButton(IDC_ROTATE_LEFT), expectX(1), PressCancel});
    Run(chart, {PressButton(IDC_ROTATE_LEFT), Expect([](CSolidRotatePDlg& page) {
                    EXPECT_EQ(page.GetHeldButton(), IDC_ROTATE_LEFT);
                }),
                stopClock, tick, tick, tick, ReleaseButton(IDC_ROTATE_LEFT), expectX(4), PressCancel});
    // A press whose release never comes ends at the next tick.
    Run(chart, {PressButton(IDC_ROTATE_LEFT), stopClock, [](HWND) { ::ReleaseCapture(); }, tick, expectX(0),
                tick, expectX(0), PressCancel});
    // The clock's own ticks.
    Run(chart, {PressButton(IDC_ROTATE_LEFT),
                Expect([x](CSolidRotatePDlg& page) {
                    const DWORD start = ::GetTickCount();
                    MSG msg;
                    while (page.GetDepth().x < x + 3 && ::GetTickCount() - start < 5000)
                        if (::PeekMessageW(&msg, page.m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE))
                            ::DispatchMessageW(&msg);
                        else
                            ::Sleep(5);
                    EXPECT_GE(page.GetDepth().x, x + 3);
                }),
                ReleaseButton(IDC_ROTATE_LEFT), PressCancel});
    EXPECT_EQ(chart.nDepthX, x) << "Cancel";
}

TEST_F(RotationPageTest, SteppingStopsAtTheDrawnBound)
{
    const int max = CNorvakChart::kMaxDepthOffset;
    CNorvakChart& chart = Insert(kChartColumn, 3);
    chart.nDepthX = max - 2;
    chart.nDepthY = INT_MIN; // as a file may hold it
    auto tick = [](HWND sheet) { ::PostMessageW(CurrentPage(sheet), WM_TIMER, 0, 0); };
    auto stopClock = [](HWND sheet) { ::KillTimer(CurrentPage(sheet), 0); };
    Run(chart, {PressButton(IDC_ROTATE_LEFT), stopClock, tick, tick, tick, tick, ReleaseButton(IDC_ROTATE_LEFT),
                Expect([max](CSolidRotatePDlg& page) { EXPECT_EQ(page.GetDepth().x, max); }),
                ClickButton(IDC_ROTATE_LEFT), ClickButton(IDC_ROTATE_UP),
                Expect([max](CSolidRotatePDlg& page) {
                    EXPECT_EQ(page.GetDepth(), CPoint(max, -max));
                }),
                ClickButton(IDC_ROTATE_DOWN), PressOk});
    EXPECT_EQ(chart.nDepthX, max);
    EXPECT_EQ(chart.nDepthY, 1 - max);
}

TEST_F(RotationPageTest, OkDrawsTheChartWithItsNewDepth)
{
    CNorvakChart& chart = Insert(kChartColumn, 3);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(HDC(nullptr)));
    // The back bottom-left corner of the box lies the depth offsets right of and above the front's.
    auto backOffset = [&]() {
        control->DrawPageChart(-1, &dc, 0);
        return CPoint(chart.wallPoints[8].x - chart.wallPoints[11].x, chart.wallPoints[8].y - chart.wallPoints[11].y);
    };
    EXPECT_EQ(backOffset(), CPoint(chart.nDepthX, -chart.nDepthY));
    const int x = chart.nDepthX, y = chart.nDepthY;
    Run(chart, {ClickButton(IDC_ROTATE_LEFT), ClickButton(IDC_ROTATE_UP), ClickButton(IDC_ROTATE_UP), PressOk});
    EXPECT_EQ(chart.nDepthX, x + 1);
    EXPECT_EQ(chart.nDepthY, y - 2);
    EXPECT_EQ(backOffset(), CPoint(x + 1, -(y - 2)));
}

TEST_F(RotationPageTest, NoGdiObjectsOrWindowsLeftAfterTheSheetCloses)
{
    CNorvakChart& column = Insert(kChartColumn, 3);
    CNorvakChart& ring = Insert(kChartPie, 6);
    auto repaint = [](HWND sheet) {
        ::RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    auto run = [&]() {
        Run(column, {repaint, ClickButton(IDC_ROTATE_LEFT), repaint, PressOk});
        Run(ring, {repaint, ClickButton(IDC_PIE_TALLER), repaint, PressCancel});
    };
    ExpectNoGuiObjectsLeftBy(run);
}

} // namespace
