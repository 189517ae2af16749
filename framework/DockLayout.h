#pragma once

// Where the bars docked on a frame's sides go, without a window: each bar is a band along one
// side, as thick as the bar, the first of a side nearest its edge. Bands along the top and bottom
// span the frame's width; those along the left and right span the height the others leave. What
// remains is the frame's working area (the MDI client). A bar dragged to a point docks on the side
// nearest the point, among that side's bands where the point falls.

#include "framework/Geometry.h"

#include <optional>
#include <span>
#include <vector>

enum class DockSide
{
    Top,
    Bottom,
    Left,
    Right
};

constexpr bool IsVerticalSide(DockSide side)
{
    return side == DockSide::Left || side == DockSide::Right;
}

struct DockBand
{
    DockSide side;
    int thickness;
};

struct DockPlan
{
    std::vector<CRect> bands; // one per band, in the order given
    CRect rest;
};

DockPlan LayOutDockBands(const CRect& area, std::span<const DockBand> bands);

// The side whose edge of area is nearest point (top, bottom, left, right on a tie); none outside
// area.
std::optional<DockSide> NearestDockSide(const CRect& area, POINT point);

// Where a bar dropped at point goes among the bands of side that plan laid out in area: the number
// of that side's bands whose middle lies nearer the side's edge than the point.
int DockInsertionIndex(std::span<const DockBand> bands, const DockPlan& plan, const CRect& area,
                       DockSide side, POINT point);
