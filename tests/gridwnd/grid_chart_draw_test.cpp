// Charts in the grid drawn by the whole-chart drawer the control library gives the grid: the
// columns, legend and title of a chart with data show over the cells, a click on a legend entry
// picks the legend and marks the entry the drawing laid out, and the drawn chart goes with the
// cells when they scroll.

#include "chartdraw/WholeChartPainter.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GridCharts.h"
#include "tests/support/GridWindowFixture.h"

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr COLORREF kSeries[3] = {RGB(210, 40, 40), RGB(40, 170, 60), RGB(40, 60, 210)};
constexpr COLORREF kBody = RGB(250, 250, 235);
const CRect kWhole(60, 40, 380, 280);

struct ChartHost : GridHost
{
    ChartHost() : GridHost(kWidth, kHeight)
    {
        Shape(40, 12, 1, 1, 20, 40);
        grid.SetTextBkColor(kBody);
        CGridCtrl::SetChartDrawer(&DrawChartWithModuleTables);
        grid.AddChart(MakeColumnGridChart(kWhole, kSeries));
    }
    ~ChartHost() { CGridCtrl::SetChartDrawer(nullptr); }
    void Paint()
    {
        canvas.Clear(RGB(255, 255, 255));
        grid.Draw(canvas.dc());
    }
    // The pixels of the colour inside the rectangle.
    int Count(const CRect& rect, COLORREF colour)
    {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                count += canvas.At(x, y) == colour;
        return count;
    }
    // The bounding box of the colour over the whole canvas.
    CRect Extent(COLORREF colour)
    {
        CRect box(kWidth, kHeight, -1, -1);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (canvas.At(x, y) == colour)
                    box = CRect(std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                                std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1));
        return box;
    }
    CNorvakChart& Chart() { return *grid.Charts().GetAt(0); }
    DrawingCanvas canvas{kWidth, kHeight};
};

} // namespace

TEST(GridChartDrawing, TheChartFrontEndDrawsTheColumnsLegendAndTitleOverTheCells)
{
    ChartHost host;
    host.Paint();
    const CRect plot = host.Chart().rcPlot;
    for (int s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        EXPECT_GT(host.Count(plot, kSeries[s]), 200) << "the series' columns in the plot";
        const CChartTextItem& entry = host.Chart().legendItems[size_t(s)];
        ASSERT_FALSE(entry.rcFlag.IsRectEmpty()) << "the drawing laid out the legend entry";
        EXPECT_GT(host.Count(entry.rcFlag, kSeries[s]), 0) << "its marker box";
        EXPECT_GT(host.canvas.InkIn(entry.rcCaption), 0) << "its caption";
    }
    EXPECT_EQ(host.Count(kWhole, kBody), 0) << "no cell shows through the chart";
    EXPECT_EQ(host.canvas.At(kWhole.left - 3, kWhole.top + 50), kBody) << "the cells around it";
    EXPECT_GT(host.canvas.InkIn(host.Chart().chartTitle.rc), 0);
}

TEST(GridChartDrawing, AClickOnALegendEntryPicksTheLegendAndMarksTheEntry)
{
    ChartHost host;
    host.Paint(); // lays the legend entries out
    const CRect caption = host.Chart().legendItems[1].rcCaption;
    ASSERT_FALSE(caption.IsRectEmpty());
    host.Click(caption.CenterPoint());
    EXPECT_EQ(host.grid.Charts().GetSelectedChart(), 0);
    EXPECT_EQ(host.Chart().nSelPart, kChartLegend);
    EXPECT_EQ(host.Chart().legendItems[1].chSelPart, 't');
    host.Paint();
    EXPECT_EQ(host.canvas.At(caption.left + 1, caption.top + 1), RGB(0, 0, 255)) << "the caption's mark";
}

TEST(GridChartDrawing, TheDrawnChartGoesWithTheCellsWhenTheyScroll)
{
    ChartHost host;
    host.Paint();
    const CRect before = host.Extent(kSeries[2]);
    ASSERT_LT(before.left, before.right);
    host.Post(WM_VSCROLL, SB_LINEDOWN);
    host.Post(WM_HSCROLL, SB_LINERIGHT);
    ASSERT_EQ(host.grid.GetTopLeftGridCell(), CCellCoord(2, 2));
    host.Paint();
    CRect after = host.Extent(kSeries[2]);
    after.OffsetRect(40, 20);
    EXPECT_EQ(after, before) << "up by one row and left by one column";
}
