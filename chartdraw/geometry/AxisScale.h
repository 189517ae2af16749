#pragma once

// The scale of a chart's value axis: how many ticks it gets for its length, the nice step one tick
// stands for, and the texts of the ticks. Pure arithmetic; the layout of the axis builds on it.

#include "framework/CString.h"

#include <windows.h>

// Raises a positive step to a value with few significant digits, deciding on the digits of its
// exact text: 12 and 15 give 15, 1234 gives 1300, 0.0123 gives 0.02, and a fraction that a double
// holds only approximately is raised as well (0.1 gives 0.2). 0 for zero, a negative or a
// non-finite step, and when the raised step would pass the largest double.
double NiceAxisBound(double step);

struct CTickCount
{
    double step = 0; // the nice step; 0 when the range is empty or has no finite step
    int positiveTicks = 0;
    int negativeTicks = 0;
    float percentStep = 0; // percent per tick, for the percent scale
};

// The ticks of a value axis along the plot's height (direction 0) or width (direction 1).
// valueScale is false for the percent-stacked kinds. A range with a non-finite end is empty.
CTickCount CalcTickCount(int direction, bool valueScale, double minValue, double maxValue, const RECT& plot);

// A step above 10000000 or below 0.000001 is cut to three significant digits and its ticks are
// written in exponent form.
struct CAxisStep
{
    double step = 0;
    bool exponent = false;
};
CAxisStep NormaliseAxisStep(double step);

// The texts of one tick, from the tick's distance from 0 (i times the step, or i times the
// percent step) and whether it is a negative tick.
CString FixedTickText(double magnitude, bool negative);    // 2.5, -0.3, 150
CString ExponentTickText(double magnitude, bool negative); // 1.5E+7, -2E-8, 0
CString PercentTickText(float percent, bool negative);     // 12.5%, -25%

// The text measured for the widest tick label: the farthest tick (ticks times the step) with room
// for a sign, or "-%100" on the percent scale.
CString WidestTickText(int ticks, double step, bool exponent, bool valueScale);
