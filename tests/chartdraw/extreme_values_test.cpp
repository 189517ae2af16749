// Every kind of chart made from a page of figures at the edges of what a double holds (near the
// largest double, products past it, near the smallest, all zero, not finite) and from a range
// narrower than its figures, each drawing watched for hangs: nothing is drawn outside the plot
// rectangle, nothing there is left to hit, a chart whose axis got no step keeps nothing to hit at
// all, and no drawing asks for a block that its figures could not justify. Neither value nor tick
// labels are drawn: where a label goes beside its value or tick is the label drawing's own matter.

#include "chart/model/ChartHitTest.h"
#include "chart/model/ChartKinds.h"
#include "chartdraw/ChartPainter.h"
#include "sheet/tables/DefaultTables.h"
#include "tests/support/AllocationProbe.h"
#include "tests/support/CaseWatchdog.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/FigureCharts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 360;
const CRect kPlot(60, 40, 420, 320);

using CCells = std::vector<std::vector<std::string>>;

struct ValueCase
{
    std::string name;
    CCells cells;                                        // 4 categories of 3 series
    std::function<void(CNorvakChart&)> change = nullptr; // on the chart made from them
    bool drawsBody = true; // some kinds draw a body; false: none has anything to hit
};

CCells Filled(const std::vector<std::string>& pattern)
{
    CCells cells(4, std::vector<std::string>(3));
    for (size_t c = 0; c < 4; ++c)
        for (size_t s = 0; s < 3; ++s)
            cells[c][s] = pattern[(c * 3 + s) % pattern.size()];
    return cells;
}

const CCells kOrdinary = {{"120", "80", "45"}, {"95", "-30", "60"}, {"140", "110", "-20"}, {"70", "55", "9"}};

void SetRange(CNorvakChart& chart, double minValue, double maxValue)
{
    chart.dMinValue = minValue;
    chart.dMaxValue = maxValue;
}

std::vector<ValueCase> Cases()
{
    return {
        {"ordinary figures", kOrdinary},
        {"near the largest double", Filled({"1.7e308", "1.6e308", "1.75e308"})},
        {"both signs near the largest double", Filled({"1.7e308", "-1.7e308", "1.6e308"})},
        {"negative near the largest double", Filled({"-1.7e308", "-1.2e308"})},
        {"products past the largest double", Filled({"1e308", "5e307", "-3e307", "8e307"})},
        {"near the smallest doubles", Filled({"1e-300", "2.5e-300", "-1e-300", "4e-320"})},
        {"all zero", Filled({"0"}), nullptr, false},
        {"points not finite", kOrdinary,
         [](CNorvakChart& chart) {
             const double odd[] = {NAN, INFINITY, -INFINITY};
             for (size_t r = 0; r < chart.items.size(); ++r)
                 chart.items[r][r % chart.items[r].size()].dValue = odd[r % 3];
         }},
        {"range not finite", kOrdinary, [](CNorvakChart& chart) { SetRange(chart, -INFINITY, INFINITY); },
         false},
        {"range narrower than the figures", kOrdinary, [](CNorvakChart& chart) { SetRange(chart, -5, 20); }},
        {"range of one sign against figures of both", kOrdinary,
         [](CNorvakChart& chart) { SetRange(chart, 0, 40); }},
    };
}

CChartPartRects Rects()
{
    CChartPartRects r;
    r.rects[kChartWhole] = CRect(0, 0, kWidth, kHeight);
    r.rects[kChartPlot] = kPlot;
    return r;
}

// What the plot's own drawing may put past its edges with the figures inside the axis: its edge
// lines on its right and bottom edges, the floor's front edge and the columns of a negative axis a
// pixel lower, the squares of a line's points at the ends of the axis 2 pixels out (3 for a point
// of a two-signed line, which sits a pixel above its value) and the character markers centred on
// them half their height.
constexpr int kFaceOverhang = 3;
constexpr int kInkOverhang = 8;

bool InPlot(const POINT& p, int overhang)
{
    return p.x >= kPlot.left - overhang && p.x <= kPlot.right + overhang && p.y >= kPlot.top - overhang &&
           p.y <= kPlot.bottom + overhang;
}

// The ink outside the plot: its count and the rectangle round it.
struct CStrayInk
{
    int pixels = 0;
    CRect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

CStrayInk InkOutsidePlot(DrawingCanvas& canvas)
{
    const std::vector<COLORREF> pixels = canvas.Pixels();
    CStrayInk stray;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (pixels[size_t(y) * kWidth + x] != RGB(255, 255, 255) && !InPlot(POINT{x, y}, kInkOverhang)) {
                ++stray.pixels;
                stray.bounds = CRect(
                    std::min<LONG>(stray.bounds.left, x), std::min<LONG>(stray.bounds.top, y),
                    std::max<LONG>(stray.bounds.right, x + 1), std::max<LONG>(stray.bounds.bottom, y + 1));
            }
    return stray;
}

// The recorded geometry of the points: faces to hit, and whether any point lies outside the plot.
struct DrawnGeometry
{
    int hitFaces = 0;
    int pointsOutside = 0;
    CPoint firstOutside;
};

DrawnGeometry GeometryOf(const CNorvakChart& chart)
{
    DrawnGeometry g;
    for (const CChartItemArray& row : chart.items)
        for (const CChartItem& point : row)
            for (const CChartHitFace& face : point.hitFaces) {
                g.hitFaces += !face.points.empty();
                for (const POINT& p : face.points)
                    if (!InPlot(p, kFaceOverhang) && g.pointsOutside++ == 0)
                        g.firstOutside = p;
            }
    return g;
}

TEST(ExtremeValues, EveryKindStaysInsideItsPlot)
{
    CDefaultTables tables;
    tables.BuildDefaultTables();
    DrawingCanvas canvas(kWidth, kHeight);
    CaseWatchdog watchdog(20000);
    for (const ValueCase& c : Cases()) {
        const CFigurePage figures({"一", "二", "三", "四"}, {"甲", "乙", "丙"}, c.cells);
        int bodies = 0;
        for (int type = kChartColumn; type <= kChartCylinder; ++type)
            for (int subType = 0; subType <= LastChartSubType(type); ++subType) {
                const std::string name =
                    c.name + ", type " + std::to_string(type) + " sub-type " + std::to_string(subType);
                SCOPED_TRACE(name);
                CNorvakChart chart = MakeFigureChart(figures, type, subType, tables.m_DefaultColors, Rects());
                for (CChartItemArray& row : chart.items)
                    for (CChartItem& point : row)
                        point.strCellText.Empty();
                chart.bShowTextLabels = 0; // the end ticks' labels are centred on them, half past the plot
                if (c.change)
                    c.change(chart);
                canvas.Clear();
                AllocationProbe::ResetLargest();
                {
                    auto watched = watchdog.Watch(name);
                    CChartPainter(tables.FillTables())
                        .DrawChart(canvas.dc(), &chart, kPlot.left, kPlot.top, kPlot.right, kPlot.bottom,
                                   type, subType, chart.dMinValue, chart.dMaxValue, &chart.rowTotals,
                                   &chart.items, 0, chart.nDepthX, chart.nDepthY);
                }
                EXPECT_LT(AllocationProbe::Largest(), size_t(1) << 20);
                const CStrayInk stray = InkOutsidePlot(canvas);
                EXPECT_EQ(stray.pixels, 0)
                    << "ink outside the plot within " << stray.bounds.left << ", " << stray.bounds.top
                    << " - " << stray.bounds.right << ", " << stray.bounds.bottom;
                const DrawnGeometry drawn = GeometryOf(chart);
                EXPECT_EQ(drawn.pointsOutside, 0) << "hit faces outside the plot, the first at "
                                                  << drawn.firstOutside.x << ", " << drawn.firstOutside.y;
                // A box kind whose axis got no step laid out no tick labels, and draws no body.
                const bool axisless = type != kChartPie && chart.textLabels.empty();
                if (!c.drawsBody || axisless) {
                    EXPECT_EQ(drawn.hitFaces, 0);
                }
                bodies += drawn.hitFaces > 0;
                const int out = kFaceOverhang + 1;
                for (const CPoint outside :
                     {CPoint(0, 0), CPoint(kPlot.left - out, kPlot.top - out),
                      CPoint(kPlot.right + out, kPlot.bottom + out), CPoint(kWidth - 1, 0)})
                    EXPECT_FALSE(FindHitFace(chart, outside.x, outside.y)) << outside.x << ", " << outside.y;
            }
        EXPECT_EQ(bodies > 0, c.drawsBody) << c.name;
    }
}

} // namespace
