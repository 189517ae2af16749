// The fill pages' and the sheet's geometry without windows: the gradient samples and shade bar,
// the swatch grids with their scrolling, picture fitting, the sheet's buttons and preview band.

#include "dialogs/FillPageLayout.h"
#include "dialogs/SheetLayout.h"
#include "tests/support/GeometryPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(GradientPage, FourSamplesAroundTheCentreOfTheVariantGroup)
{
    // A = (5, 10, 125, 105): centre (65, 57), side (95 - 12) / 2 = 41, 6 px apart.
    const std::array<CRect, 4> samples = GradientSamples(CRect(0, 0, 130, 110));
    EXPECT_EQ(samples[0], CRect(21, 13, 62, 54));
    EXPECT_EQ(samples[1], CRect(68, 13, 109, 54));
    EXPECT_EQ(samples[2], CRect(21, 60, 62, 101));
    EXPECT_EQ(samples[3], CRect(68, 60, 109, 101));
    EXPECT_EQ(GradientSampleAt(samples, {30, 20}), 0);
    EXPECT_EQ(GradientSampleAt(samples, {65, 30}), -1) << "the gap";
    EXPECT_EQ(GradientSampleAt(samples, {100, 90}), 3);
}

TEST(GradientPage, ShadeBarArrowsThumbAndClamp)
{
    const ShadeBar shade{CRect(100, 50, 235, 70)};
    EXPECT_EQ(shade.LeftArrow(), CRect(80, 50, 95, 70));
    EXPECT_EQ(shade.RightArrow(), CRect(240, 50, 255, 70));
    EXPECT_EQ(shade.ThumbAt(120), CRect(118, 40, 122, 80));
    struct Case
    {
        int position;
        int clamped;
    } cases[] = {{0, 101}, {50, 101}, {100, 101}, {101, 101}, {150, 150}, {233, 233}, {234, 233}, {300, 233}};
    for (const Case& c : cases)
        EXPECT_EQ(shade.Clamp(c.position), c.clamped) << c.position;
}

TEST(SwatchGrid, PatternsInNineColumnsAndFiveRowsScrollByOneRow)
{
    const CSwatchGrid grid(kPatternGrid, CRect(10, 30, 330, 210), 49);
    EXPECT_EQ(grid.Columns(), 9);
    EXPECT_EQ(grid.VisibleRows(), 5);
    EXPECT_EQ(grid.ScrollMax(), 34);
    EXPECT_EQ(grid.FirstShown(40), 9);
    bool overflow = false;
    const std::vector<SwatchCell> top = grid.Layout(0, &overflow);
    ASSERT_EQ(top.size(), 45u);
    EXPECT_TRUE(overflow) << "the sixth row needs the scroll bar";
    EXPECT_EQ(top[0].rect, CRect(10, 30, 42, 62));
    EXPECT_EQ(top[9].rect, CRect(10, 64, 42, 96));
    EXPECT_EQ(top[44].rect, CRect(282, 166, 314, 198));
    const std::vector<SwatchCell> scrolled = grid.Layout(34, &overflow);
    ASSERT_EQ(scrolled.size(), 40u);
    EXPECT_FALSE(overflow);
    EXPECT_EQ(scrolled.front().index, 9);
    EXPECT_EQ(scrolled.back().index, 48);
    EXPECT_EQ(grid.SwatchAt(0, {11, 31}), 0);
    EXPECT_EQ(grid.SwatchAt(0, {43, 31}), -1) << "between two swatches";
    EXPECT_EQ(grid.SwatchAt(34, {11, 31}), 9);

    const CSwatchGrid wide(kPatternGrid, CRect(0, 0, 400, 180), 49);
    EXPECT_EQ(wide.Columns(), 9) << "room for more, but the rows scroll by nine";
    EXPECT_EQ(wide.Layout(0)[9].rect, CRect(0, 34, 32, 66));
}

TEST(SwatchGrid, TexturesInFourColumnsAndThreeRows)
{
    const CSwatchGrid grid(kTextureGrid, CRect(10, 30, 330, 235), 24);
    EXPECT_EQ(grid.Columns(), 4);
    EXPECT_EQ(grid.VisibleRows(), 3);
    EXPECT_EQ(grid.ScrollMax(), 201);
    EXPECT_EQ(grid.Layout(0).size(), 12u);
    EXPECT_EQ(CSwatchGrid(kTextureGrid, CRect(10, 30, 330, 235), 25).ScrollMax(), 268) << "a texture added";
    const CSwatchGrid narrow(kTextureGrid, CRect(10, 30, 260, 235), 24);
    EXPECT_EQ(narrow.Columns(), 3) << "a frame too narrow for four";
    EXPECT_EQ(narrow.Layout(0)[3].rect, CRect(10, 97, 85, 162));
    EXPECT_EQ(narrow.FirstShown(67), 3) << "rows of what fits";
}

TEST(FitPicture, ShrinksLargePicturesAndCentresSmallOnes)
{
    const CRect box(0, 0, 100, 50);
    EXPECT_EQ(FitPicture({40, 20}, box), CRect(30, 15, 70, 35));
    EXPECT_EQ(FitPicture({200, 50}, box), CRect(0, 12, 100, 37));
    EXPECT_EQ(FitPicture({50, 200}, box), CRect(43, 0, 56, 50));
    EXPECT_TRUE(FitPicture({0, 0}, box).IsRectEmpty()) << "no picture";
    EXPECT_TRUE(FitPicture({40, 20}, CRect()).IsRectEmpty()) << "no box";
}

TEST(FileNameOf, ThePartAfterTheLastBackslash)
{
    EXPECT_EQ(FileNameOf("C:\\纹理\\石头.bmp"), "石头.bmp");
    EXPECT_EQ(FileNameOf("石头.bmp"), "石头.bmp");
    EXPECT_EQ(FileNameOf("C:\\纹理\\乗.bmp"), "乗.bmp") << "the trail byte of 乗 is a backslash byte";
}

TEST(SheetLayout, ButtonsAndStyleBox)
{
    EXPECT_EQ(SheetLayout::OkBesideApply(CRect(300, 400, 375, 423), 75), CRect(205, 400, 280, 423));
    const CRect client(0, 0, 500, 400);
    EXPECT_EQ(SheetLayout::PreviewOk(client, 20, {75, 23}), CRect(413, 28, 488, 51));
    EXPECT_EQ(SheetLayout::PreviewCancel(client, 20, {75, 23}), CRect(413, 61, 488, 84));
    EXPECT_EQ(SheetLayout::StyleBox(CRect(413, 28, 488, 51), 350), CRect(413, 250, 488, 350));
    EXPECT_EQ(SheetLayout::StyleLabel(CRect(413, 28, 488, 51), 350), CRect(413, 230, 463, 250));
    EXPECT_EQ(SheetLayout::ChartBand(CRect(7, 30, 400, 300), CRect(0, 0, 520, 500)), CRect(7, 310, 508, 490));
}

TEST(SheetLayout, ChartPreviewRectanglesForEachPartShown)
{
    const CRect band(10, 300, 500, 480);
    struct Case
    {
        bool chart, legend, table;
        CRect chartRect, legendRect, tableRect;
    } cases[] = {
        {true, true, true, {10, 310, 420, 420}, {430, 310, 495, 470}, {20, 430, 420, 470}},
        {true, true, false, {10, 310, 420, 470}, {430, 310, 495, 470}, {}},
        {true, false, true, {10, 310, 490, 420}, {}, {20, 430, 490, 475}},
        {true, false, false, {10, 310, 490, 470}, {}, {}},
        {false, true, true, {}, {430, 310, 495, 470}, {20, 310, 420, 470}},
        {false, true, false, {}, {430, 310, 495, 470}, {}},
        {false, false, true, {}, {}, {20, 310, 490, 470}},
        {false, false, false, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.chart << c.legend << c.table);
        const SheetLayout::ChartPreviewRects rects = SheetLayout::LayOutChartPreview(band, 512, 20, c.chart, c.legend, c.table);
        EXPECT_EQ(rects.chart, c.chartRect);
        EXPECT_EQ(rects.legend, c.legendRect);
        EXPECT_EQ(rects.table, c.tableRect);
    }
}

} // namespace
