#pragma once

// The layout of a flat value axis in a plot rectangle: the room the tick labels take, the lengths
// and origin of the axis parts and one label per tick with its text and anchor. Text sizes come
// from the caller's measure (the drawing context's current font), so the arithmetic needs no DC.
// Tick labels are drawn oriented 1800 (left of the anchor) on a vertical axis and 3600 (below it)
// on a horizontal one.

#include "chartdraw/geometry/ChartLayout.h"
#include "framework/CString.h"
#include "framework/Geometry.h"

#include <functional>
#include <vector>

using CTextMeasure = std::function<CSize(const CString&)>;

struct CTickLabel
{
    CString text;
    CPoint anchor; // 2 pixels left of the plot (direction 0) or on its bottom (direction 1)
};

struct CValueAxisLayout
{
    CChartLayout layout;
    CRect plot; // the plot rectangle less the room of the labels; the edge lines run along it
    // Tick 0 up to the last positive tick, then the negative ticks outward; empty for an empty range.
    std::vector<CTickLabel> labels;

    bool HasBothSigns() const { return layout.nPositiveTicks > 0 && layout.nNegativeTicks > 0; }
    // The zero line of a two-signed axis: a row (direction 0) or a column (direction 1) of the plot.
    int ZeroLinePosition(int direction) const
    {
        return direction == 1 ? plot.left + layout.nNegativeLength : plot.bottom - layout.nNegativeLength - 1;
    }
};

// Direction 0: the value axis is vertical along the plot's left edge; 1: horizontal along its
// bottom. valueScale is false for the percent-stacked kinds, whose ticks read 0% to 100%.
CValueAxisLayout LayoutValueAxis(int direction, bool valueScale, double minValue, double maxValue,
                                 const RECT& plot, const CTextMeasure& measure);
