// The pie ellipse fitted into a rectangle: flat, with a depth that fits, made smaller when it does
// not, never left with a negative depth; and the arguments it refuses.

#include "chartdraw/geometry/EllipseGeometry.h"

#include "framework/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(EllipseGeometry, Fit)
{
    struct Case
    {
        CRect rect;
        int depth;
        float ratio;
        CRect ellipse;
        int fittedDepth;
    } cases[] = {{CRect(0, 0, 200, 100), 0, 2, CRect(0, 0, 200, 100), 0},
                 {CRect(0, 0, 200, 100), 0, 4, CRect(0, 25, 200, 75), 0},
                 // 200 high would be 100 too many: cut to the rectangle's height, narrowed by 100 * 1.
                 {CRect(0, 0, 200, 100), 0, 1, CRect(50, 0, 150, 100), 0},
                 {CRect(0, 0, 200, 100), 0, 1.5f, CRect(24, 0, 176, 100), 0},
                 {CRect(10, 20, 210, 120), 0, 4, CRect(10, 45, 210, 95), 0},
                 // With a depth the ellipse moves down by half of it.
                 {CRect(0, 0, 200, 100), 20, 4, CRect(0, 35, 200, 85), 20},
                 {CRect(0, 0, 200, 100), 50, 4, CRect(0, 50, 200, 100), 50},
                 // Too low: half as wide on the bottom edge, the room above becomes the depth.
                 {CRect(0, 0, 200, 100), 40, 2, CRect(50, 50, 150, 100), 50},
                 // Narrower than high: half the rectangle's height, as wide as the ratio makes it.
                 {CRect(0, 0, 200, 100), 40, 0.5f, CRect(88, 50, 112, 100), 50},
                 {CRect(0, 0, 200, 100), 10, 1, CRect(50, 0, 150, 100), 0},
                 // The smaller ellipse is still higher than the rectangle: it is fitted flat, depth 0.
                 {CRect(0, 0, 200, 50), 10, 1, CRect(75, 0, 125, 50), 0}};
    for (const Case& c : cases) {
        CEllipseGeometry geometry;
        int depth = c.depth;
        ASSERT_TRUE(geometry.Fit(c.rect, &depth, c.ratio)) << c.depth << " " << c.ratio;
        EXPECT_EQ(CRect(geometry.rcEllipse), c.ellipse) << c.depth << " " << c.ratio;
        EXPECT_EQ(depth, c.fittedDepth) << c.depth << " " << c.ratio;
    }
}

TEST(EllipseGeometry, RefusedArgumentsChangeNothing)
{
    struct Case
    {
        CRect rect;
        int depth;
        float ratio;
    } cases[] = {{CRect(0, 0, 200, 100), -1, 2},
                 {CRect(0, 0, 0, 0), 0, 2},
                 {CRect(10, 10, 10, 50), 0, 2},
                 {CRect(0, 50, 200, 40), 0, 2},
                 {CRect(0, 0, 200, 100), 0, 0},
                 {CRect(0, 0, 200, 100), 0, -2},
                 {CRect(0, 0, 200, 100), 0, NAN},
                 {CRect(0, 0, 200, 100), 0, INFINITY},
                 // So flat a ratio that the ellipse would be taller than any pixel count.
                 {CRect(0, 0, 200, 100), 0, 1e-20f}};
    for (const Case& c : cases) {
        CEllipseGeometry geometry;
        geometry.rcEllipse = CRect(1, 2, 3, 4);
        int depth = c.depth;
        EXPECT_FALSE(geometry.Fit(c.rect, &depth, c.ratio)) << c.depth << " " << c.ratio;
        EXPECT_EQ(CRect(geometry.rcEllipse), CRect(1, 2, 3, 4));
        EXPECT_EQ(depth, c.depth);
    }
    CEllipseGeometry geometry;
    EXPECT_FALSE(geometry.Fit(CRect(0, 0, 200, 100), nullptr, 2));
}

} // namespace
