// The value-axis scale: nice steps, tick counts by axis length and sign of the range, the step cut
// to three digits for exponent labels, and the tick texts, with the values a double holds only
// approximately and the largest and smallest ones.

#include "chartdraw/geometry/AxisScale.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace {

TEST(AxisScale, NiceAxisBound)
{
    // After the whole numbers and plain fractions: fractions a double holds only approximately,
    // which print further digits and are raised (0.05, and 0.1 + 0.2 = 0.30000000000000004); a step below 200
    // decimals, whose text is all zeros and which stays; 1e300, which prints 301 digits, the second one 0;
    // and steps with nothing to raise, or no double to raise them to.
    struct Case
    {
        double step, nice;
    } cases[] = {{10, 10},         {12, 15},         {15, 15},
                 {16, 20},         {7, 7},           {1000, 1000},
                 {1234, 1300},     {1290, 1300},     {1200, 1500},
                 {1700, 2000},     {1950, 2000},     {9950, 10000},
                 {251, 260},       {1010, 1100},     {1.5, 2},
                 {1.01, 2},        {1, 1},           {0.5, 0.5},
                 {0.25, 0.3},      {0.15, 0.2},      {0.123, 0.2},
                 {0.0123, 0.02},   {0.95, 1},        {0, 0},
                 {0.1, 0.2},       {0.05, 0.06},     {0.30000000000000004, 0.4},
                 {0.3, 0.3},       {2e-7, 2e-7},     {2e-301, 2e-301},
                 {1e300, 1.1e300}, {5e307, 5.1e307}, {1.69e308, 1.7e308},
                 {-5, 0},          {NAN, 0},         {INFINITY, 0},
                 {1.75e308, 0}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(NiceAxisBound(c.step), c.nice) << c.step;
}

TEST(AxisScale, TickCountFollowsAxisLength)
{
    struct Case
    {
        long length;
        int value, percent;
    } cases[] = {{-30, 2, 2},    {49, 2, 2},     {50, 3, 4},     {99, 3, 4},    {100, 5, 5},
                 {299, 5, 5},    {300, 8, 8},    {499, 8, 8},    {500, 10, 10}, {999, 10, 10},
                 {1000, 15, 16}, {1999, 15, 16}, {2000, 20, 20}, {5000, 20, 20}};
    for (const Case& c : cases) {
        // Direction 0 measures the height, direction 1 the width.
        EXPECT_EQ(CalcTickCount(0, true, 0, 1, RECT{0, 100, 7, 100 + c.length}).positiveTicks, c.value)
            << c.length;
        EXPECT_EQ(CalcTickCount(1, false, 0, 1, RECT{100, 0, 100 + c.length, 7}).positiveTicks, c.percent)
            << c.length;
    }
}

TEST(AxisScale, TickCountBySignsOfTheRange)
{
    struct Case
    {
        double minValue, maxValue;
        long height;
        bool valueScale;
        int positive, negative;
        float percent;
        double step;
    } cases[] = {{0, 1000, 250, true, 5, 0, 0, 200},
                 {0, 1000, 250, false, 5, 0, 20, 200},
                 {-50, 0, 250, true, 0, 5, 0, 10},
                 {-100, 0, 80, false, 0, 4, 25, 25},
                 // ceil(15 * 90 / 120) = 12 positive, 3 negative; the step is the larger of 30/3 and 90/12.
                 {-30, 90, 1200, true, 12, 3, 0, 10},
                 {-90, 30, 1200, true, 3, 12, 0, 10},
                 // Percent: both parts the same count, from half the ticks on, dividing 100 or being 8.
                 {-30, 90, 200, false, 4, 4, 25, 25},
                 {-30, 90, 1200, false, 8, 8, 12.5f, 15},
                 // A part left without a tick gets one.
                 {-0.001, 100, 250, true, 4, 1, 0, 25},
                 {-100, 0.001, 250, true, 1, 4, 0, 25},
                 // The inexact 0.3 = 1.5 / 5 is raised to 0.30000000000000004.
                 {0, 1.5, 250, true, 5, 0, 0, 0.3},
                 // The sum of the two ends would overflow; the share of ticks does not.
                 {-1e308, 1e308, 250, true, 3, 2, 0, 5.1e307},
                 // Empty ranges and ranges without a finite step or end.
                 {0, 0, 250, true, 0, 0, 0, 0},
                 {5, -3, 250, true, 0, 0, 0, 0},
                 {-1.79e308, 1, 40, true, 0, 0, 0, 0},
                 {NAN, 10, 250, true, 0, 0, 0, 0},
                 {0, INFINITY, 250, true, 0, 0, 0, 0}};
    for (const Case& c : cases) {
        const CTickCount ticks =
            CalcTickCount(0, c.valueScale, c.minValue, c.maxValue, RECT{0, 0, 10, c.height});
        EXPECT_EQ(ticks.positiveTicks, c.positive) << c.minValue << ".." << c.maxValue;
        EXPECT_EQ(ticks.negativeTicks, c.negative) << c.minValue << ".." << c.maxValue;
        if (!c.valueScale) {
            EXPECT_FLOAT_EQ(ticks.percentStep, c.percent) << c.minValue << ".." << c.maxValue;
        }
        EXPECT_DOUBLE_EQ(ticks.step, c.step) << c.minValue << ".." << c.maxValue;
    }
}

TEST(AxisScale, LargeAndSmallStepsAreCutToThreeDigitsForExponentLabels)
{
    struct Case
    {
        double step, normalised;
        bool exponent;
    } cases[] = {{4e7, 4e7, true},
                 {1.234e8, 1.23e8, true},
                 {1e7, 1e7, false},
                 {5e-7, 5e-7, true},
                 {9.999e-7, 1e-6, true},
                 {1e-6, 1e-6, false},
                 {2e-301, 2e-301, true},
                 {0, 0, false},
                 // Its power of ten overflows to infinity: no step is left.
                 {4.94e-324, 0, true}};
    for (const Case& c : cases) {
        const CAxisStep step = NormaliseAxisStep(c.step);
        // 10^e is multiplied up and need not be the nearest double.
        EXPECT_NEAR(step.step, c.normalised, c.normalised * 1e-12) << c.step;
        EXPECT_EQ(step.exponent, c.exponent) << c.step;
    }
}

TEST(AxisScale, TickTexts)
{
    struct Case
    {
        CString text;
        const char* expected;
    } cases[] = {{FixedTickText(0, false), "0"},
                 {FixedTickText(2.5, false), "2.5"},
                 {FixedTickText(150, true), "-150"},
                 {FixedTickText(3 * (0.1 + 0.2), false), "0.9"},
                 {FixedTickText(1e-7, false), "0"},
                 {FixedTickText(2e8, false), "200000000"},
                 {ExponentTickText(0, false), "0"},
                 {ExponentTickText(1.5e7, false), "1.5E+7"},
                 {ExponentTickText(1e8, false), "1E+8"},
                 {ExponentTickText(1.05e8, false), "1.05E+8"},
                 {ExponentTickText(1e10, false), "1E+10"},
                 {ExponentTickText(1.25e-7, false), "1.25E-7"},
                 {ExponentTickText(2e-8, true), "-2E-8"},
                 {ExponentTickText(1e300, false), "1E+300"},
                 {ExponentTickText(1e300, true), "-1E+300"},
                 {ExponentTickText(1e-300, true), "-1E-300"},
                 {PercentTickText(0, false), "0%"},
                 {PercentTickText(12.5f, false), "12.5%"},
                 {PercentTickText(3 * 6.25f, false), "18.75%"},
                 {PercentTickText(25, true), "-25%"},
                 {PercentTickText(100, false), "100%"},
                 // Widest label: the farthest tick with a sign, fixed form cut to 8 characters.
                 {WidestTickText(5, 200, false, true), "-1000."},
                 {WidestTickText(3, 0.30000000000000004, false, true), "-0.90000"},
                 {WidestTickText(0, 0, false, true), "-0."},
                 {WidestTickText(10, 1e8, true, true), "-1.e+9"},
                 {WidestTickText(2, 5e7, true, true), "-1.e+8"},
                 {WidestTickText(4, 25, false, false), "-%100"}};
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, c.expected);

    // The fixed text of 1e300 is its full 301 digits, with no buffer to overflow.
    const std::string huge = FixedTickText(1e300, true).str();
    EXPECT_EQ(huge.size(), 302u);
    EXPECT_EQ(huge.substr(0, 24), "-10000000000000000525047");
}

} // namespace
