// The axis painter: which edge lines a chart's face flags hide, the walls filled behind and in
// front of the data from either side, the wall grid lines and their back points, and the tick
// labels placed where the label arithmetic puts them for the text as this DC measures it, with
// their tick marks, grips and selection frame.

#include "chartdraw/ChartAxisPainter.h"
#include "chartdraw/geometry/AxisLabelPlacement.h"
#include "tests/chartdraw/ChartDrawFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWallColours[5] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0),
                                      RGB(0, 200, 200)};

// A column or bar chart of values 0..100 whose walls each have a colour of their own and no
// outline, with every face flag of the insertion defaults set.
CNorvakChart WalledChart(int type, int subType)
{
    CNorvakChart chart = MakeChart(type, subType, {{100}});
    for (int k = 0; k < 5; ++k) {
        chart.wallStyles[k].nFillKind = 1;
        chart.wallStyles[k].crColour1 = kWallColours[k];
        chart.wallStyles[k].nLineStyle = 0;
    }
    const int shown[7] = {1, 1, 1, 1, 0, 0, 0};
    std::copy(std::begin(shown), std::end(shown), chart.faceShown);
    chart.bShowTextLabels = 0; // no grid lines across the walls
    return chart;
}

CPoint WallCentre(const CNorvakChart& chart, std::initializer_list<int> corners)
{
    std::vector<POINT> points;
    for (int k : corners)
        points.push_back(chart.wallPoints[k]);
    return Centre(points);
}

// The size of a label's text in its own font, measured in the DC the label is drawn in.
CSize LabelTextSize(CDC* dc, const CChartTextLabel& label)
{
    CFont font;
    font.CreateFontIndirect(&label.font);
    CSelectObject select(*dc, font);
    return dc->GetTextExtent(label.strText);
}

TEST(AxisPainter, FaceFlagsHideTheEdgesTheyCover)
{
    struct Case
    {
        int flag3, flag6;
        bool left, bottom;
    } cases[] = {{0, 0, true, true}, {1, 0, false, true}, {1, 1, false, false}, {0, 1, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "left wall " << c.flag3 << ", plot " << c.flag6);
        DrawingCanvas canvas(300, 200);
        CNorvakChart chart = MakeChart(0, 0, {{5}});
        chart.faceShown[2] = c.flag3;
        chart.faceShown[5] = c.flag6;
        const CChartLayout r = CChartAxisPainter().LayoutValueAxis(canvas.dc(), &chart, 0, true, 0, 10,
                                                                   CRect(10, 10, 290, 190), true);
        const int left = r.nOriginX, bottom = r.nOriginY;
        EXPECT_EQ(canvas.IsInk(left, 100), c.left);
        EXPECT_EQ(canvas.IsInk(200, bottom), c.bottom);
    }
}

TEST(AxisPainter, WallsBehindTheDataAndInFrontOfIt)
{
    // Columns seen with the back up and right: the layout fills the left wall and the bottom,
    // the painters' wall pass the right wall and the top. A negative depth swaps the sides. Bars
    // show no top or bottom by default.
    struct Case
    {
        int type, subType, depthX;
        std::vector<int> behind, inFront; // wall style indexes: 0 left, 2 right, 3 top, 4 bottom
    } cases[] = {
        {0, 3, 20, {0, 4}, {2, 3}},
        {0, 3, -20, {2, 4}, {0, 3}},
        {1, 3, 20, {0}, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", depth " << c.depthX);
        DrawingCanvas canvas(400, 300);
        CNorvakChart chart = WalledChart(c.type, c.subType);
        if (c.type == 1)
            chart.faceShown[0] = chart.faceShown[1] = 0;
        const int direction = c.type == 1 ? 1 : 0;
        const CChartAxisPainter painter;
        painter.LayoutPlotArea(canvas.dc(), &chart, direction, true, 0, 100, CRect(60, 20, 380, 280), c.type,
                               c.subType, c.depthX, 20, true, true);
        const bool bar = direction == 1;
        const std::pair<int, CPoint> walls[] = {
            {0, WallCentre(chart, bar ? std::initializer_list<int>{0, 6, 11, 5} : std::initializer_list<int>{0, 8, 11, 3})},
            {2, WallCentre(chart, bar ? std::initializer_list<int>{2, 8, 9, 3} : std::initializer_list<int>{1, 9, 10, 2})},
            {3, WallCentre(chart, bar ? std::initializer_list<int>{0, 2, 3, 5} : std::initializer_list<int>{0, 1, 2, 3})},
            {4, WallCentre(chart, bar ? std::initializer_list<int>{6, 8, 9, 11} : std::initializer_list<int>{8, 9, 10, 11})},
        };
        auto filled = [&](int style) {
            for (const auto& [index, centre] : walls)
                if (index == style)
                    return canvas.At(centre.x, centre.y) == kWallColours[style];
            return false;
        };
        for (int style : {0, 2, 3, 4}) {
            const bool behind = std::count(c.behind.begin(), c.behind.end(), style) > 0;
            EXPECT_EQ(filled(style), behind) << "after the layout, wall " << style;
        }
        painter.DrawWalls(canvas.dc(), &chart, direction);
        for (int style : {0, 2, 3, 4}) {
            const bool any = std::count(c.behind.begin(), c.behind.end(), style) +
                                 std::count(c.inFront.begin(), c.inFront.end(), style) >
                             0;
            EXPECT_EQ(filled(style), any) << "after the wall pass, wall " << style;
        }
    }
}

TEST(AxisPainter, WallGridLinesRecordTheirBackPoints)
{
    DrawingCanvas canvas(400, 300);
    CNorvakChart chart = WalledChart(0, 3);
    chart.bShowTextLabels = 1;
    CChartAxisPainter().LayoutPlotArea(canvas.dc(), &chart, 0, true, 0, 100, CRect(60, 20, 380, 280), 0, 3, 20, 10,
                                       true, true);
    ASSERT_GT(chart.textLabels.size(), 2u);
    const POINT back = chart.wallPoints[0], backRight = chart.wallPoints[1];
    for (const CChartTextLabel& label : chart.textLabels) {
        const int y = label.ptAnchor[1] - 10;
        EXPECT_EQ((std::vector<int>(label.ptWallBack, label.ptWallBack + 4)),
                  (std::vector<int>{back.x, y, backRight.x, y}));
    }
    // With negative values, a label whose grid switch is off gets no wall grid line.
    chart.dMinValue = -50;
    chart.textLabels[1].bGridWhenNegative = 0;
    chart.textLabels[1].ptWallBack[0] = -1;
    canvas.Clear();
    CChartAxisPainter().DrawWallGridLines(canvas.dc(), &chart, 0, CRect(60, 30, 360, 280),
                                          CRect(back.x, 20, backRight.x, 270), 20, 10);
    EXPECT_EQ(chart.textLabels[1].ptWallBack[0], -1);
    const int y1 = chart.textLabels[1].ptAnchor[1] - 10, y2 = chart.textLabels[2].ptAnchor[1] - 10;
    EXPECT_FALSE(canvas.IsInk((back.x + backRight.x) / 2, y1));
    EXPECT_TRUE(canvas.IsInk((back.x + backRight.x) / 2, y2));
}

TEST(AxisPainter, LabelsUnderAHorizontalAxisSitWhereTheirMeasuredTextGoes)
{
    DrawingCanvas canvas(400, 200);
    CNorvakChart chart = MakeChart(1, 0, {{40}});
    chart.textLabels.assign(2, CChartTextLabel(3600));
    chart.textLabels[0].strText = "0";
    chart.textLabels[1].strText = "12.5%";
    chart.textLabels[1].chShift = 1;
    for (size_t i = 0; i < 2; ++i) {
        chart.textLabels[i].ptAnchor[0] = 100 + 150 * int(i);
        chart.textLabels[i].ptAnchor[1] = 150;
        chart.textLabels[i].bFullGrid = 0;
    }
    CChartAxisPainter().DrawChartTextLabels(canvas.dc(), &chart, 1, CRect(90, 20, 300, 150),
                                            CRect(90, 20, 300, 150), 0, 0);
    const CRect below(0, 151, 400, 200);
    int inkInBoxes = 0;
    for (const CChartTextLabel& label : chart.textLabels) {
        SCOPED_TRACE(label.strText.GetString());
        const POINT anchor{label.ptAnchor[0], label.ptAnchor[1]};
        const CAxisLabelPlacement expected = PlaceLabelBelowAxis(anchor, 3600, LabelTextSize(canvas.dc(), label),
                                                                 label.chShift);
        EXPECT_EQ(std::vector<CPoint>(label.textCorners, label.textCorners + 4),
                  std::vector<CPoint>(expected.corners.begin(), expected.corners.end()));
        // The box from its top left corner to its bottom right one, which holds every pixel the
        // centred text may cover.
        const CRect box(expected.corners[3].x, expected.corners[3].y, expected.corners[1].x,
                        expected.corners[1].y);
        EXPECT_GT(canvas.InkIn(box), 0);
        inkInBoxes += canvas.InkIn(box);
        // The short tick rises 5 pixels from the anchor.
        EXPECT_EQ((std::vector<int>(label.ptTickEnd, label.ptTickEnd + 2)),
                  (std::vector<int>{anchor.x, anchor.y - 5}));
        EXPECT_TRUE(canvas.IsInk(anchor.x, anchor.y - 3));
    }
    EXPECT_EQ(canvas.InkIn(below), inkInBoxes) << "no ink under the axis outside the text boxes";
}

TEST(AxisPainter, LabelsLeftOfAVerticalAxisRecordTheirBoxOnlyWhileSelected)
{
    for (int selected : {0, 1}) {
        SCOPED_TRACE(selected);
        DrawingCanvas canvas(400, 200);
        CNorvakChart chart = MakeChart(0, 0, {{40}});
        chart.textLabels.assign(1, CChartTextLabel(1800));
        CChartTextLabel& label = chart.textLabels[0];
        label.strText = "250";
        label.ptAnchor[0] = 100;
        label.ptAnchor[1] = 80;
        label.bSelected = selected;
        CChartAxisPainter().DrawChartTextLabels(canvas.dc(), &chart, 0, CRect(102, 20, 300, 150),
                                                CRect(102, 20, 300, 150), 0, 0);
        const CAxisLabelPlacement expected =
            PlaceLabelLeftOfAxis(POINT{100, 80}, 1800, LabelTextSize(canvas.dc(), label));
        const std::vector<CPoint> stored(label.textCorners, label.textCorners + 4);
        EXPECT_EQ(stored, selected ? std::vector<CPoint>(expected.corners.begin(), expected.corners.end())
                                   : std::vector<CPoint>(4));
        // Right aligned up to x - 10, centred on the grid line that runs to the plot's right edge.
        // Right aligned at the end of the box, which its square cap takes half a text height
        // beyond x - 10; nothing between it and the grid line, unless the grips of a selection.
        const int textEnd = expected.textPoint.x;
        EXPECT_GT(canvas.InkIn(CRect(0, 60, textEnd, 100)), 0);
        EXPECT_EQ(canvas.InkIn(CRect(textEnd + 3, 60, 102, 100)), 0);
        EXPECT_EQ(canvas.IsInk(textEnd + 1, expected.corners[1].y), selected == 1) << "a grip at the corner";
        EXPECT_TRUE(canvas.IsInk(250, 80));
        EXPECT_EQ((std::vector<int>(label.ptTickEnd, label.ptTickEnd + 2)), (std::vector<int>{300, 80}));
    }
}

TEST(AxisPainter, NoLabelsWithoutTheLabelSwitch)
{
    DrawingCanvas canvas(200, 200);
    CNorvakChart chart = MakeChart(0, 0, {{40}});
    chart.bShowTextLabels = 0;
    chart.textLabels.assign(1, CChartTextLabel(1800));
    chart.textLabels[0].strText = "9";
    chart.textLabels[0].ptAnchor[0] = 100;
    chart.textLabels[0].ptAnchor[1] = 100;
    chart.textLabels[0].chState = 'a';
    CChartAxisPainter().DrawChartTextLabels(canvas.dc(), &chart, 0, CRect(0, 0, 200, 200), CRect(0, 0, 200, 200),
                                            20, 10);
    EXPECT_EQ(canvas.InkIn(CRect(0, 0, 200, 200)), 0);
}

TEST(AxisPainter, SelectionFrameIsInvertedOnA3DChart)
{
    // On a blue background a black grip stays black; an inverted one turns yellow.
    struct Case
    {
        int depthX, depthY;
        COLORREF grip;
    } cases[] = {{0, 0, RGB(0, 0, 0)}, {20, 10, RGB(255, 255, 0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depthX);
        DrawingCanvas canvas(200, 200);
        canvas.Clear(RGB(0, 0, 255));
        CNorvakChart chart = MakeChart(0, 0, {{40}});
        chart.textLabels.assign(1, CChartTextLabel(1800));
        CChartTextLabel& label = chart.textLabels[0];
        label.ptAnchor[0] = 100;
        label.ptAnchor[1] = 100;
        label.ptTickEnd[0] = 150;
        label.ptTickEnd[1] = 100;
        label.chState = 'f';
        CChartAxisPainter().DrawTextLabelSelection(canvas.dc(), &chart, 0, c.depthX, c.depthY);
        EXPECT_EQ(canvas.At(97, 100), c.grip) << "grip at the anchor";
        EXPECT_EQ(canvas.At(147, 100), c.grip) << "grip at the tick end";
    }
}

TEST(AxisPainter, FittedLabelsTakeTheirSizeFromTheTickSpacing)
{
    // Labels 36 pixels apart: half of that as height beside a vertical axis, a twelfth of 60 as
    // width of each of the three characters under a horizontal one. Label 2 keeps its font.
    for (int direction : {0, 1}) {
        SCOPED_TRACE(direction);
        DrawingCanvas canvas(200, 200);
        CNorvakChart chart = MakeChart(0, 0, {{40}});
        chart.textLabels.assign(3, CChartTextLabel(direction == 0 ? 1800 : 3600));
        for (int i = 0; i < 3; ++i) {
            CChartTextLabel& label = chart.textLabels[size_t(i)];
            label.strText = "100";
            label.ptAnchor[0] = direction == 0 ? 50 : 20 + 60 * i;
            label.ptAnchor[1] = direction == 0 ? 150 - 36 * i : 150;
            label.bFitFont = i != 2;
        }
        CChartAxisPainter().DrawChartTextLabels(canvas.dc(), &chart, direction, CRect(52, 0, 200, 150),
                                                CRect(52, 0, 200, 150), 0, 0);
        for (int i = 0; i < 3; ++i) {
            const LOGFONTA& font = chart.textLabels[size_t(i)].font;
            EXPECT_EQ(direction == 0 ? font.lfHeight : font.lfWidth, i == 2 ? (direction == 0 ? -12 : 0)
                                                                            : (direction == 0 ? 18 : 20))
                << "label " << i;
        }
    }
}

} // namespace
