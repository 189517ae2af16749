// Whatever scrolls the active page (keys, clicks, the scroll bars, the wheel, a range that
// shrinks, a chart dragged to the edge), its charts move on screen exactly as far as its cells:
// both are found by their colours in the painted control, before and after.

#include "chart/model/PageCharts.h"
#include "sheet/NorvakDispatchMap.h"
#include "tests/support/ShownControlTest.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF kChartInk = RGB(0, 160, 80);
constexpr COLORREF kSecondChartInk = RGB(80, 0, 160);
constexpr COLORREF kCellInk = RGB(200, 0, 120);
constexpr int kPictureWidth = 400;
constexpr int kPictureHeight = 300;

// Where a chart and a marked cell show, and how far each went since an earlier picture.
struct Shown
{
    CRect chart;
    CRect cell;
};

class ScrollWithCharts : public ShownControlTest
{
public:
    using ControlTest::Bool;
    using ControlTest::control;
    using ControlTest::L;
    using ShownControlTest::active;
    using ShownControlTest::Pump;
    using ShownControlTest::window;

    CNorvakPage& Page() { return *control->GetPage(-1); }

    void AddChart(const CRect& rect, COLORREF ink)
    {
        CChartPartRects rects;
        rects.rects[kChartWhole] = rect;
        ASSERT_TRUE(control->InsertChart(-1, TRUE, rects, 0));
        Page().m_charts.back()->chartStyle.crColour1 = ink;
    }
    // The cell under the client point gets the marked background.
    void MarkCellAt(POINT point)
    {
        const CCellCoord cell = control->GetCellFromPt(point);
        control->EditPageCell(-1, cell.row, cell.col)->EditFont().crBackground = kCellInk;
    }
    // The first row (column) of the scrolling band that the view shows only in part.
    int FirstRowCutOff(int col)
    {
        int row = Page().m_nFixedRows;
        while (row < Page().m_nRows && control->IsCellVisible(-1, row, col))
            ++row;
        return row;
    }
    int FirstColumnCutOff(int row)
    {
        int col = Page().m_nFixedCols;
        while (col < Page().m_nCols && control->IsCellVisible(-1, row, col))
            ++col;
        return col;
    }
    CRect CellRect(int row, int col)
    {
        CRect rect;
        EXPECT_TRUE(control->GetCellRect(-1, row, col, &rect));
        return rect;
    }
    void Scroll(UINT msg, int code, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            ::SendMessageW(window, msg, MAKEWPARAM(code, 0), 0);
    }

    std::vector<DWORD> Picture()
    {
        HRESULT hr = E_FAIL;
        std::vector<DWORD> pixels = container.DrawToMemory(kPictureWidth, kPictureHeight, 0x123456, &hr);
        EXPECT_EQ(hr, S_OK);
        return pixels;
    }
    Shown Probe()
    {
        const std::vector<DWORD> pixels = Picture();
        return {InkBox(pixels, kChartInk), InkBox(pixels, kCellInk)};
    }
    CRect InkShown(COLORREF ink) { return InkBox(Picture(), ink); }
    static CRect InkBox(const std::vector<DWORD>& pixels, COLORREF ink)
    {
        const DWORD pixel = DWORD(GetRValue(ink)) << 16 | DWORD(GetGValue(ink)) << 8 | GetBValue(ink);
        CRect box;
        for (int y = 0; y < kPictureHeight; ++y)
            for (int x = 0; x < kPictureWidth; ++x)
                if (pixels[size_t(y * kPictureWidth + x)] == pixel)
                    box = box.IsRectEmpty() ? CRect(x, y, x + 1, y + 1)
                                            : CRect(std::min(box.left, LONG(x)), std::min(box.top, LONG(y)),
                                                    std::max(box.right, LONG(x + 1)), std::max(box.bottom, LONG(y + 1)));
        return box;
    }
    // The chart and the cell shown whole both times, and moved alike.
    static void ExpectMovedAlike(const Shown& before, const Shown& after)
    {
        ASSERT_FALSE(before.chart.IsRectEmpty());
        ASSERT_FALSE(before.cell.IsRectEmpty());
        ASSERT_EQ(after.chart.Size(), before.chart.Size()) << "the chart is cut off";
        ASSERT_EQ(after.cell.Size(), before.cell.Size()) << "the cell is cut off";
        const auto moved = [](const CRect& from, const CRect& to) { return std::pair(to.left - from.left, to.top - from.top); };
        EXPECT_EQ(moved(before.chart, after.chart), moved(before.cell, after.cell)) << "the chart's move, the cells' move";
    }
};

// The chart and the marked cell, placed after the cause is arranged, lie clear of each other and
// of the edges by more than the few lines any cause here scrolls.
const CRect kProbedChart(230, 100, 290, 140);
constexpr POINT kMarkedPoint{175, 170};

struct ScrollCause
{
    const char* name;
    void (*arrange)(ScrollWithCharts&);
    void (*act)(ScrollWithCharts&);
    bool scrolls;
};

void PrintTo(const ScrollCause& cause, std::ostream* out)
{
    *out << cause.name;
}

void Nothing(ScrollWithCharts&) {}

void ScrollToTheEnd(ScrollWithCharts& t)
{
    t.Scroll(WM_VSCROLL, SB_BOTTOM);
}

const ScrollCause kCauses[] = {
    {"Down onto the row cut off at the bottom",
     [](ScrollWithCharts& t) { t.control->SetFocusCell(-1, t.FirstRowCutOff(2) - 1, 2); },
     [](ScrollWithCharts& t) { PressKey(t.active, t.window, VK_DOWN); }, true},
    {"Right onto the column cut off at the right",
     [](ScrollWithCharts& t) { t.control->SetFocusCell(-1, 3, t.FirstColumnCutOff(3) - 1); },
     [](ScrollWithCharts& t) { PressKey(t.active, t.window, VK_RIGHT); }, true},
    {"a click on the cell cut off at the bottom", Nothing,
     [](ScrollWithCharts& t) {
         const CRect cell = t.CellRect(t.FirstRowCutOff(1), 1);
         Click(t.active, t.window, cell.CenterPoint().x, cell.top + 3);
     },
     true},
    // The focus moves; the view stays where it is.
    {"DoSetPageFocusGrid on a cell cut off", Nothing,
     [](ScrollWithCharts& t) {
         EXPECT_TRUE(t.Bool(kDoSetPageFocusGrid, {t.L(-1), t.L(t.FirstRowCutOff(1)), t.L(t.FirstColumnCutOff(1))}));
     },
     false},
    {"the vertical bar's line down", Nothing, [](ScrollWithCharts& t) { t.Scroll(WM_VSCROLL, SB_LINEDOWN); },
     true},
    {"the horizontal bar's line right", Nothing, [](ScrollWithCharts& t) { t.Scroll(WM_HSCROLL, SB_LINERIGHT); },
     true},
    {"the bar's line up from the end, which lies between two rows", ScrollToTheEnd,
     [](ScrollWithCharts& t) { t.Scroll(WM_VSCROLL, SB_LINEUP); }, true},
    {"the bar to the end from a row's start",
     [](ScrollWithCharts& t) {
         ScrollToTheEnd(t);
         t.Scroll(WM_VSCROLL, SB_LINEUP, 2);
     },
     [](ScrollWithCharts& t) { t.Scroll(WM_VSCROLL, SB_BOTTOM); }, true},
    {"a turn of the wheel", Nothing,
     [](ScrollWithCharts& t) {
         ::PostMessageW(t.window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(200, 150));
         t.Pump();
     },
     true},
    {"a window grown at the end of the rows: the range shrinks", ScrollToTheEnd,
     [](ScrollWithCharts& t) {
         CRect frame;
         ::GetWindowRect(t.window, &frame);
         ::MapWindowPoints(nullptr, ::GetParent(t.window), reinterpret_cast<POINT*>(&frame), 2);
         ::MoveWindow(t.window, frame.left, frame.top, frame.Width(), frame.Height() + 50, TRUE);
     },
     true},
    {"rows taken away at the end: the range shrinks", ScrollToTheEnd,
     [](ScrollWithCharts& t) { EXPECT_TRUE(t.control->DoSetPageRowCounts(-1, t.Page().m_nRows - 3, 1)); }, true},
    {"a chart dragged onto the row cut off at the bottom",
     [](ScrollWithCharts& t) { t.AddChart(CRect(80, 190, 130, 220), kSecondChartInk); },
     [](ScrollWithCharts& t) {
         const CRect cell = t.CellRect(t.FirstRowCutOff(1), 1);
         Drag(t.active, t.window, CPoint(105, 205), CPoint(105, cell.top + 3));
     },
     true},
};

} // namespace

class EveryScroll : public ScrollWithCharts, public testing::WithParamInterface<ScrollCause>
{
};

TEST_P(EveryScroll, MovesTheChartsAsFarAsTheCells)
{
    const ScrollCause& cause = GetParam();
    cause.arrange(*this);
    Pump();
    AddChart(kProbedChart, kChartInk);
    MarkCellAt(kMarkedPoint);
    const CPoint scrolled(Page().m_nHorzPos, Page().m_nVertPos);
    const Shown before = Probe();
    cause.act(*this);
    Pump();
    const Shown after = Probe();
    ExpectMovedAlike(before, after);
    EXPECT_EQ(after.cell != before.cell, cause.scrolls);
    EXPECT_EQ(CPoint(Page().m_nHorzPos, Page().m_nVertPos) != scrolled, cause.scrolls);
    ExpectEveryPageConsistent(cause.name);
}

INSTANTIATE_TEST_SUITE_P(Causes, EveryScroll, testing::ValuesIn(kCauses),
                         [](const testing::TestParamInfo<ScrollCause>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return std::to_string(info.index) + "_" + name;
                         });

TEST_F(ScrollWithCharts, ADraggedChartLandsWhereItIsLetGoWhileTheGridScrollsUnderIt)
{
    const CRect start(80, 190, 130, 220);
    AddChart(start, kSecondChartInk);
    const CRect shown = InkShown(kSecondChartInk);
    const CPoint from(105, 205), to(105, CellRect(FirstRowCutOff(1), 1).top + 3);
    Drag(active, window, from, to);
    ASSERT_GT(Page().m_nVertPos, 0) << "the grid scrolled during the drag";
    CRect landed = start;
    landed.OffsetRect(to - from);
    EXPECT_EQ(Page().m_charts[0]->rcChart, landed);
    CRect expected = shown;
    expected.OffsetRect(to - from);
    EXPECT_EQ(InkShown(kSecondChartInk), expected);
}

TEST_F(ScrollWithCharts, BesideALockedColumnOnlyTheChartsOfTheScrollingPartMoveAcross)
{
    ASSERT_TRUE(control->DoSetPageLockRowAndColumn(-1, 0, 1));
    AddChart(CRect(80, 200, 130, 240), kSecondChartInk); // over the locked column
    AddChart(kProbedChart, kChartInk);
    MarkCellAt(CPoint(245, 170)); // the second scrolling column: the first one scrolls away
    const CRect frozen = InkShown(kSecondChartInk);
    const Shown before = Probe();
    control->SetFocusCell(-1, 3, FirstColumnCutOff(3) - 1);
    PressKey(active, window, VK_RIGHT);
    const Shown after = Probe();
    ExpectMovedAlike(before, after);
    EXPECT_LT(after.cell.left, before.cell.left) << "the page scrolled across";
    EXPECT_EQ(InkShown(kSecondChartInk), frozen);
}

// A page that is not shown keeps its charts where its cells are: they move with them when its
// position changes meanwhile, and show so when it comes back.
TEST_F(ScrollWithCharts, APageNotShownTakesItsChartsAlongWhenItsRangeShrinks)
{
    ASSERT_TRUE(control->DoSetActivePageIndex(1));
    Scroll(WM_VSCROLL, SB_BOTTOM);
    AddChart(kProbedChart, kChartInk);
    MarkCellAt(kMarkedPoint);
    const Shown before = Probe();
    ASSERT_TRUE(control->DoSetActivePageIndex(0));
    ASSERT_TRUE(control->DoSetPageRowCounts(1, control->GetPage(1)->m_nRows - 3, 1));
    ASSERT_TRUE(control->DoSetActivePageIndex(1));
    const Shown after = Probe();
    ExpectMovedAlike(before, after);
    EXPECT_GT(after.cell.top, before.cell.top) << "the page came back scrolled less far";
}
