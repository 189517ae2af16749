// What the chart tracker keeps of a change while a chart or one of its parts is dragged.

#include "chart/ChartTracker.h"

#include <gtest/gtest.h>

TEST(ChartTracker, APartStaysFivePixelsInsideItsChart)
{
    CNorvakChart chart;
    chart.rcChart = CRect(0, 0, 200, 100); // the part keeps to (5, 5, 195, 95)
    const CRect old(20, 10, 70, 30);
    const struct
    {
        int part, hit;
        CRect proposed;
        POINT cursor;
        CRect kept;
    } cases[] = {
        {4, 8, CRect(-10, 10, 40, 30), {20, 20}, CRect(5, 10, 55, 30)},     // a move keeps the width
        {4, 7, CRect(-10, 10, 70, 30), {20, 20}, CRect(5, 10, 70, 30)},     // the left handle stops
        {5, 8, CRect(170, 10, 220, 30), {180, 20}, CRect(145, 10, 195, 30)}, // at the right edge
        {6, 8, CRect(10, 80, 30, 120), {20, 90}, CRect(10, 55, 30, 95)},     // and at the bottom
        {2, 2, CRect(20, 10, 260, 140), {100, 50}, CRect(20, 10, 195, 95)},
        {1, 8, CRect(-10, -10, 40, 10), {2, 2}, old}, // the mouse outside the chart: no change
        {3, 8, CRect(30, 20, 80, 40), {50, 30}, CRect(30, 20, 80, 40)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConstrainTrackedChartRect(c.proposed, old, &chart, c.part, c.cursor, c.hit, false), c.kept)
            << c.part << " " << c.hit;
}

TEST(ChartTracker, TheWholeChartKeepsAChangeWhileTracked)
{
    CNorvakChart chart;
    chart.rcChart = CRect(0, 0, 200, 100);
    const CRect old(0, 0, 200, 100), proposed(-50, 0, 150, 100);
    EXPECT_EQ(ConstrainTrackedChartRect(proposed, old, &chart, 0, {-40, 10}, 8, false), proposed);
    EXPECT_EQ(ConstrainTrackedChartRect(proposed, old, &chart, 0, {-40, 10}, -1, true), proposed);
    EXPECT_EQ(ConstrainTrackedChartRect(proposed, old, &chart, 0, {-40, 10}, -1, false), old);
    EXPECT_EQ(ConstrainTrackedChartRect(proposed, old, nullptr, 4, {-40, 10}, 8, false), proposed);
}
