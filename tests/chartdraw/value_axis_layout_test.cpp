// The value-axis layout on hand-computed plots: the room the labels take, part lengths with their
// leftover pixels, origins, label anchors and texts, the outer label edge; and the 3-D layout with
// its back rectangle, box corners, zero plane and depth vector.

#include "chartdraw/geometry/PlotAreaLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Six pixels a character, twelve high: every text measures differently by its length.
CSize SixPerChar(const CString& text)
{
    return CSize(6 * text.GetLength(), 12);
}

// The labels' texts, one space between two.
std::string Texts(const CValueAxisLayout& axis)
{
    std::string texts;
    for (const CTickLabel& label : axis.labels)
        texts += (texts.empty() ? "" : " ") + label.text.str();
    return texts;
}

void ExpectLabels(const CValueAxisLayout& axis, const char* texts, const std::vector<CPoint>& anchors)
{
    EXPECT_EQ(Texts(axis), texts);
    ASSERT_EQ(axis.labels.size(), anchors.size());
    for (size_t i = 0; i < anchors.size(); ++i)
        EXPECT_EQ(axis.labels[i].anchor, anchors[i]) << "label " << i;
}

// The fields of a layout record that locate the axis.
struct Axis
{
    int originX, originY, category, positive, negative, high, zero, low, positiveTicks, negativeTicks,
        labelEdge;
};

void ExpectAxis(const CChartLayout& r, const Axis& e)
{
    EXPECT_EQ(r.nOriginX, e.originX);
    EXPECT_EQ(r.nOriginY, e.originY);
    EXPECT_EQ(r.nCategoryLength, e.category);
    EXPECT_EQ(r.nPositiveLength, e.positive);
    EXPECT_EQ(r.nNegativeLength, e.negative);
    EXPECT_EQ(r.nValueHigh, e.high);
    EXPECT_EQ(r.nZeroLine, e.zero);
    EXPECT_EQ(r.nValueLow, e.low);
    EXPECT_EQ(r.nPositiveTicks, e.positiveTicks);
    EXPECT_EQ(r.nNegativeTicks, e.negativeTicks);
    EXPECT_EQ(r.nLabelEdge, e.labelEdge);
}

TEST(ValueAxisLayout, VerticalPositiveAxis)
{
    // 250 px high: 5 ticks of 200. The widest text "-1000." is 36 px: the left edge moves 56 px.
    const CValueAxisLayout axis = LayoutValueAxis(0, true, 0, 1000, CRect(100, 50, 500, 300), SixPerChar);
    EXPECT_EQ(axis.plot, CRect(156, 50, 500, 300));
    EXPECT_DOUBLE_EQ(axis.layout.dTickStep, 200);
    EXPECT_DOUBLE_EQ(axis.layout.dTickPixels, 50);
    EXPECT_DOUBLE_EQ(axis.layout.dMaxValue, 1000);
    // The label edge: "1000" (24 px) left of 156, less 5.
    ExpectAxis(axis.layout, {156, 300, 344, 250, 0, 50, -1, 300, 5, 0, 127});
    ExpectLabels(axis, "0 200 400 600 800 1000",
                 {{154, 300}, {154, 250}, {154, 200}, {154, 150}, {154, 100}, {154, 50}});
    EXPECT_EQ(axis.layout.bVerticalAxis, 0);
    EXPECT_EQ(axis.layout.ptZeroPlane[2].y, 0);

    // Labels as wide as the measured text: the edge lies 15 px right of the old left edge.
    const CValueAxisLayout even = LayoutValueAxis(0, true, 0, 1000, CRect(100, 50, 500, 300),
                                                  [](const CString&) { return CSize(30, 12); });
    EXPECT_EQ(even.plot.left, 150);
    EXPECT_EQ(even.layout.nLabelEdge, 115);

    // A plot turned upside down: 2 ticks share its -5 px, the spare pixel going to the first.
    const CValueAxisLayout inverted = LayoutValueAxis(0, true, 0, 10, CRect(100, 100, 500, 95), SixPerChar);
    ExpectLabels(inverted, "0 5 10", {{142, 95}, {142, 98}, {142, 100}});
}

TEST(ValueAxisLayout, TwoSignedAxisSharesItsLengthAndLeftoverPixels)
{
    // 1201 px: 12 positive and 3 negative ticks of 10. The positive part is ceil(12 * 1201 / 15) =
    // 961 px, its ticks 81, 80, 80, ...; the negative part 240 px of three 80s.
    const CValueAxisLayout axis = LayoutValueAxis(0, true, -30, 90, CRect(0, 0, 400, 1201), SixPerChar);
    EXPECT_EQ(axis.plot.left, 50); // "-120." is 30 px
    EXPECT_DOUBLE_EQ(axis.layout.dTickPixels, 961.0 / 12);
    EXPECT_TRUE(axis.HasBothSigns());
    // Only the negative labels move the edge: "-10" is 18 px.
    ExpectAxis(axis.layout, {50, 961, 350, 961, 240, 0, 961, 1201, 12, 3, 27});
    // Positive labels stand one pixel above their tick, the top one on the plot's top.
    ExpectLabels(axis, "0 10 20 30 40 50 60 70 80 90 100 110 120 -10 -20 -30",
                 {{48, 960},
                  {48, 879},
                  {48, 799},
                  {48, 719},
                  {48, 639},
                  {48, 559},
                  {48, 479},
                  {48, 399},
                  {48, 319},
                  {48, 239},
                  {48, 159},
                  {48, 79},
                  {48, 0},
                  {48, 1041},
                  {48, 1121},
                  {48, 1201}});
    EXPECT_EQ(axis.ZeroLinePosition(0), 960);

    // The positive labels leave the edge alone, however wide.
    const CValueAxisLayout wideZero =
        LayoutValueAxis(0, true, -30, 90, CRect(0, 0, 400, 1201),
                        [](const CString& s) { return CSize(s == "0" ? 100 : 6 * s.GetLength(), 12); });
    EXPECT_EQ(wideZero.layout.nLabelEdge, 27);
}

TEST(ValueAxisLayout, HorizontalNegativeAxis)
{
    // 250 px wide: 5 ticks of 10. The bottom gives up the text height, the left edge 10 px.
    const CValueAxisLayout axis = LayoutValueAxis(1, true, -50, 0, CRect(0, 0, 250, 100), SixPerChar);
    EXPECT_EQ(axis.plot, CRect(10, 0, 250, 88));
    EXPECT_DOUBLE_EQ(axis.layout.dTickPixels, 48);
    ExpectAxis(axis.layout, {250, 88, 88, 0, 240, 250, -1, 10, 0, 5, 10});
    ExpectLabels(axis, "0 -10 -20 -30 -40 -50",
                 {{250, 88}, {202, 88}, {154, 88}, {106, 88}, {58, 88}, {10, 88}});
}

TEST(ValueAxisLayout, PercentAndExponentLabels)
{
    struct Case
    {
        int direction;
        bool valueScale;
        double minValue, maxValue;
        long length; // of the value axis
        const char* texts;
    } cases[] = {{0, false, 0, 100, 80, "0% 25% 50% 75% 100%"},
                 {0, false, -100, 0, 80, "0% -25% -50% -75% -100%"},
                 {1, false, -30, 90, 210, "0% 25% 50% 75% 100% -25% -50% -75% -100%"},
                 {0, true, 0, 1e9, 500, "0 1E+8 2E+8 3E+8 4E+8 5E+8 6E+8 7E+8 8E+8 9E+8 1E+9"},
                 {0, true, 0, 1e-6, 250, "0 2E-7 4E-7 6E-7 8E-7 1E-6"},
                 {0, true, 0, 1e-300, 250, "0 2E-301 4E-301 6E-301 8E-301 1E-300"},
                 // Both ends near the largest double: 3 and 2 ticks of 5.1E+307, every one finite.
                 {0, true, -1e308, 1e308, 250, "0 5.1E+307 1.02E+308 1.53E+308 -5.1E+307 -1.02E+308"},
                 // A step of 0.30000000000000004 prints clean.
                 {0, true, 0, 1.5, 250, "0 0.3 0.6 0.9 1.2 1.5"}};
    for (const Case& c : cases) {
        const CRect plot = c.direction == 1 ? CRect(0, 0, c.length, 100) : CRect(0, 0, 100, c.length);
        const CValueAxisLayout axis =
            LayoutValueAxis(c.direction, c.valueScale, c.minValue, c.maxValue, plot, SixPerChar);
        EXPECT_EQ(Texts(axis), c.texts) << c.minValue << ".." << c.maxValue;
    }
    // The percent scale measures "-%100" for its room.
    EXPECT_EQ(LayoutValueAxis(0, false, 0, 100, CRect(0, 0, 100, 80), SixPerChar).plot.left, 50);
}

TEST(ValueAxisLayout, RangesWithoutStepGetNoLabels)
{
    // The last two: a nice step beyond the largest double, and a top tick of 2 x 9E+307.
    const std::pair<double, double> ranges[] = {{0, 0},        {5, -3},        {NAN, 1},
                                                {0, INFINITY}, {-1.79e308, 1}, {0, 1.79e308}};
    for (const auto& [minValue, maxValue] : ranges) {
        const CValueAxisLayout axis =
            LayoutValueAxis(0, true, minValue, maxValue, CRect(0, 0, 100, 40), SixPerChar);
        EXPECT_TRUE(axis.labels.empty()) << minValue << ".." << maxValue;
        EXPECT_EQ(axis.layout.dTickStep, 0);
        EXPECT_EQ(axis.layout.dTickPixels, 0);
        // The room of "-0." is still taken, and the axis ends are set.
        ExpectAxis(axis.layout, {0, 0, 62, 0, 0, 0, -1, 40, 0, 0, 0});
        EXPECT_EQ(axis.plot, CRect(38, 0, 100, 40));
    }
}

template <typename Points> void ExpectPoints(const Points& points, const std::vector<CPoint>& expected)
{
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(CPoint(points[i]), expected[i]) << "point " << i;
}

TEST(PlotAreaLayout, ColumnBoxWithPositiveRange)
{
    // Front (0, 10, 380, 300): 290 px high, 5 ticks of 20 of 58 px; "-100." takes 50 px.
    const CPlotAreaLayout box =
        LayoutPlotArea(0, true, 0, 100, CRect(0, 0, 400, 300), 0, 0, 20, 10, SixPerChar);
    EXPECT_EQ(box.front, CRect(0, 10, 380, 300));
    EXPECT_EQ(box.back, CRect(70, 0, 400, 290));
    ASSERT_TRUE(box.hasBox);
    ExpectLabels(box.axis, "0 20 40 60 80 100",
                 {{48, 300}, {48, 242}, {48, 184}, {48, 126}, {48, 68}, {48, 10}});
    ExpectAxis(box.axis.layout, {50, 300, 330, 290, 0, 10, -1, 300, 5, 0, 27});
    // The origin moves to the middle of the depth; the value axis ends half the depth further out.
    ExpectAxis(box.layout, {60, 295, 330, 290, 0, 5, -1, 305, 5, 0, 27});
    EXPECT_EQ(box.layout.bVerticalAxis, 1);
    ExpectPoints(box.layout.ptZeroPlane, {{50, 300}, {379, 300}, {399, 289}});
    EXPECT_DOUBLE_EQ(box.layout.dDepthLength, std::sqrt(125.0));
    EXPECT_DOUBLE_EQ(box.layout.dDepthAngle, std::atan(0.5));
    ExpectPoints(box.wallPoints, {{70, 0},
                                  {400, 0},
                                  {380, 10},
                                  {50, 10},
                                  {70, 290},
                                  {400, 290},
                                  {380, 300},
                                  {50, 300},
                                  {70, 290},
                                  {400, 290},
                                  {380, 300},
                                  {50, 300}});

    // The 3-D column takes the whole depth and grows from the back corner.
    const CPlotAreaLayout column =
        LayoutPlotArea(0, true, 0, 100, CRect(0, 0, 400, 300), 0, 6, 20, 10, SixPerChar);
    EXPECT_DOUBLE_EQ(column.layout.dDepthLength, std::sqrt(500.0));
    EXPECT_EQ(CPoint(column.layout.nOriginX, column.layout.nOriginY), CPoint(70, 290));
}

TEST(PlotAreaLayout, ColumnBoxWithBothSigns)
{
    // 4 positive ticks of 50 over ceil(4 * 290 / 5) = 232 px, 1 negative over 58 px.
    const CPlotAreaLayout box =
        LayoutPlotArea(0, true, -50, 150, CRect(0, 0, 400, 300), 0, 0, 20, 10, SixPerChar);
    ExpectLabels(box.axis, "0 50 100 150 200 -50",
                 {{48, 241}, {48, 183}, {48, 125}, {48, 67}, {48, 10}, {48, 300}});
    ExpectAxis(box.axis.layout, {50, 242, 330, 232, 58, 10, 242, 300, 4, 1, 27});
    // Both parts become half the front's height; the zero plane lies one pixel above the zero line.
    ExpectAxis(box.layout, {60, 237, 330, 145, 145, 5, 242, 295, 4, 1, 27});
    ExpectPoints(box.layout.ptZeroPlane, {{50, 241}, {379, 241}, {399, 231}});
    ExpectPoints(box.wallPoints, {{70, 0},
                                  {400, 0},
                                  {380, 10},
                                  {50, 10},
                                  {70, 232},
                                  {400, 232},
                                  {380, 242},
                                  {50, 242},
                                  {70, 290},
                                  {400, 290},
                                  {380, 300},
                                  {50, 300}});

    // The 3-D column grows from the back corner of the zero plane.
    const CPlotAreaLayout column =
        LayoutPlotArea(0, true, -50, 150, CRect(0, 0, 400, 300), 0, 6, 20, 10, SixPerChar);
    EXPECT_EQ(CPoint(column.layout.nOriginX, column.layout.nOriginY), CPoint(70, 231));
}

TEST(PlotAreaLayout, BarBoxWithBothSigns)
{
    // Front (20, 10, 280, 200): 260 px wide, 4 positive ticks of 50 and 1 negative; the labels take
    // 12 px at the bottom and 10 px at the left, leaving 250 px: 200 positive, 50 negative.
    const CPlotAreaLayout box =
        LayoutPlotArea(1, true, -50, 150, CRect(0, 0, 300, 200), 1, 0, 20, 10, SixPerChar);
    EXPECT_EQ(box.front, CRect(20, 10, 280, 200));
    EXPECT_EQ(box.back, CRect(50, 0, 300, 178));
    ExpectLabels(box.axis, "0 50 100 150 200 -50",
                 {{80, 188}, {130, 188}, {180, 188}, {230, 188}, {280, 188}, {30, 188}});
    ExpectAxis(box.axis.layout, {80, 188, 178, 200, 50, 280, 188, 30, 4, 1, 30});
    // Both parts become half the back plane's width.
    ExpectAxis(box.layout, {90, 183, 178, 125, 125, 290, 188, 40, 4, 1, 30});
    EXPECT_EQ(box.layout.bVerticalAxis, 0);
    ExpectPoints(box.layout.ptZeroPlane, {{100, 0}, {80, 10}, {80, 188}});
    ExpectPoints(box.wallPoints, {{50, 0},
                                  {100, 0},
                                  {300, 0},
                                  {280, 10},
                                  {80, 10},
                                  {30, 10},
                                  {50, 178},
                                  {100, 178},
                                  {300, 178},
                                  {280, 188},
                                  {80, 188},
                                  {30, 188}});
}

TEST(PlotAreaLayout, ColumnBoxWithNegativeRange)
{
    const CPlotAreaLayout box =
        LayoutPlotArea(0, true, -100, 0, CRect(0, 0, 400, 300), 0, 0, 20, 10, SixPerChar);
    EXPECT_EQ(box.back, CRect(70, 0, 400, 290));
    ExpectAxis(box.axis.layout, {50, 11, 330, 0, 290, 10, -1, 300, 0, 5, 21});
    // The zero plane is the top of the box.
    ExpectAxis(box.layout, {60, 6, 330, 0, 290, 15, -1, 295, 0, 5, 21});
    ExpectPoints(box.layout.ptZeroPlane, {{50, 10}, {379, 10}, {399, 0}});

    // The 3-D column starts at the back top.
    const CPlotAreaLayout column =
        LayoutPlotArea(0, true, -100, 0, CRect(0, 0, 400, 300), 0, 6, 20, 10, SixPerChar);
    EXPECT_EQ(CPoint(column.layout.nOriginX, column.layout.nOriginY), CPoint(70, 0));
}

TEST(PlotAreaLayout, DepthAngle)
{
    struct Case
    {
        int dx, dy;
        double angle;
    } cases[] = {
        {20, 10, 0.46364760900080615},
        {-20, 10, 3.1415926535 - 0.46364760900080615}, // back plane to the left
        {0, 10, 1.5707963267948966},
        {20, 0, 0},
        {0, 0, 0}, // a flat box has no depth direction
    };
    for (const Case& c : cases) {
        const CPlotAreaLayout box =
            LayoutPlotArea(0, true, 0, 100, CRect(0, 0, 400, 300), 0, 0, c.dx, c.dy, SixPerChar);
        EXPECT_DOUBLE_EQ(box.layout.dDepthAngle, c.angle) << c.dx << ", " << c.dy;
    }
}

TEST(PlotAreaLayout, EmptyRangeHasNoBox)
{
    const CPlotAreaLayout box =
        LayoutPlotArea(0, true, 0, 0, CRect(0, 0, 400, 300), 0, 0, 20, 10, SixPerChar);
    EXPECT_FALSE(box.hasBox);
    EXPECT_TRUE(box.axis.labels.empty());
    EXPECT_EQ(box.layout.bVerticalAxis, 0);
    EXPECT_EQ(box.layout.dDepthLength, 0);
}

} // namespace
