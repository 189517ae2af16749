// Where docked bars go on a frame: bands along each side in their order, the upright ones between
// those across, the drop side nearest the pointer and the place among that side's bands.

#include "framework/DockLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const CRect kArea(0, 0, 400, 300);

TEST(DockLayout, BandsAcrossSpanTheWidthUprightOnesTheHeightTheyLeave)
{
    const std::vector<DockBand> bands = {{DockSide::Top, 20},    {DockSide::Left, 30},  {DockSide::Top, 10},
                                         {DockSide::Bottom, 15}, {DockSide::Right, 25}, {DockSide::Right, 5}};
    const DockPlan plan = LayOutDockBands(kArea, bands);
    ASSERT_EQ(plan.bands.size(), bands.size());
    EXPECT_EQ(plan.bands[0], CRect(0, 0, 400, 20));
    EXPECT_EQ(plan.bands[2], CRect(0, 20, 400, 30)) << "the second top band lies inside the first";
    EXPECT_EQ(plan.bands[3], CRect(0, 285, 400, 300));
    EXPECT_EQ(plan.bands[1], CRect(0, 30, 30, 285));
    EXPECT_EQ(plan.bands[4], CRect(375, 30, 400, 285));
    EXPECT_EQ(plan.bands[5], CRect(370, 30, 375, 285));
    EXPECT_EQ(plan.rest, CRect(30, 30, 370, 285));
}

TEST(DockLayout, BandsThickerThanTheFrameTakeWhatThereIsAndLeaveNoNegativeRest)
{
    const std::vector<DockBand> bands = {{DockSide::Top, 250}, {DockSide::Bottom, 100}, {DockSide::Left, -5}};
    const DockPlan plan = LayOutDockBands(kArea, bands);
    EXPECT_EQ(plan.bands[0], CRect(0, 0, 400, 250));
    EXPECT_EQ(plan.bands[1], CRect(0, 250, 400, 300));
    EXPECT_EQ(plan.bands[2].Width(), 0);
    EXPECT_GE(plan.rest.Height(), 0);
    EXPECT_TRUE(plan.rest.IsRectEmpty());
}

TEST(DockLayout, ADroppedBarGoesToTheNearestSideAndNowhereOutsideTheFrame)
{
    // (10, 10) is as near the top as the left: the top wins a tie.
    const struct
    {
        POINT point;
        std::optional<DockSide> side;
    } cases[] = {
        {{200, 3}, DockSide::Top},      {{200, 296}, DockSide::Bottom}, {{2, 150}, DockSide::Left},
        {{398, 150}, DockSide::Right},  {{150, 149}, DockSide::Top},    {{150, 151}, DockSide::Bottom},
        {{10, 10}, DockSide::Top},      {{400, 150}, std::nullopt},     {{-1, 10}, std::nullopt},
        {{399, 299}, DockSide::Bottom},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestDockSide(kArea, c.point), c.side) << c.point.x << "," << c.point.y;
}

TEST(DockLayout, ADroppedBarGoesBeforeTheFirstBandWhoseMiddleLiesDeeperThanThePointer)
{
    const std::vector<DockBand> bands = {{DockSide::Top, 20}, {DockSide::Bottom, 20}, {DockSide::Top, 20}};
    const DockPlan plan = LayOutDockBands(kArea, bands);
    const struct
    {
        DockSide side;
        POINT point;
        int index;
    } cases[] = {
        {DockSide::Top, {50, 5}, 0},      {DockSide::Top, {50, 15}, 1},  {DockSide::Top, {50, 29}, 1},
        {DockSide::Top, {50, 35}, 2},     {DockSide::Top, {50, 200}, 2}, {DockSide::Bottom, {50, 295}, 0},
        {DockSide::Bottom, {50, 270}, 1}, {DockSide::Left, {3, 150}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DockInsertionIndex(bands, plan, kArea, c.side, c.point), c.index)
            << int(c.side) << " " << c.point.x << "," << c.point.y;
}

} // namespace
