#pragma once

// Draws the frame of a chart's data area with the pen and brush the caller selected.

#include "framework/CDC.h"

class CChartFramePainter
{
public:
    CChartFramePainter() = default;
    virtual ~CChartFramePainter() = default;

    // A rectangle over frame, clipped to it; the DC's clip comes back as it was. The further
    // arguments the callers pass (chart type, colours, the chart) are not needed to draw it.
    bool DrawFrame(CDC* dc, RECT frame) const;
};
