#include "framework/DockLayout.h"

#include <algorithm>

namespace {

// How far point lies inside area from the edge of side.
int DepthFromEdge(const CRect& area, DockSide side, POINT point)
{
    switch (side) {
    case DockSide::Top:
        return point.y - area.top;
    case DockSide::Bottom:
        return area.bottom - 1 - point.y;
    case DockSide::Left:
        return point.x - area.left;
    default:
        return area.right - 1 - point.x;
    }
}

// Takes a band of thickness off the side of rest; the band.
CRect TakeBand(CRect& rest, DockSide side, int thickness)
{
    CRect band = rest;
    switch (side) {
    case DockSide::Top:
        band.bottom = std::min(rest.bottom, rest.top + thickness);
        rest.top = band.bottom;
        break;
    case DockSide::Bottom:
        band.top = std::max(rest.top, rest.bottom - thickness);
        rest.bottom = band.top;
        break;
    case DockSide::Left:
        band.right = std::min(rest.right, rest.left + thickness);
        rest.left = band.right;
        break;
    case DockSide::Right:
        band.left = std::max(rest.left, rest.right - thickness);
        rest.right = band.left;
        break;
    }
    return band;
}

} // namespace

DockPlan LayOutDockBands(const CRect& area, std::span<const DockBand> bands)
{
    DockPlan plan;
    plan.bands.resize(bands.size());
    plan.rest = area;
    // The bands across the width first, so the upright ones fit between them.
    for (bool upright : {false, true})
        for (size_t i = 0; i < bands.size(); ++i)
            if (IsVerticalSide(bands[i].side) == upright)
                plan.bands[i] = TakeBand(plan.rest, bands[i].side, std::max(0, bands[i].thickness));
    return plan;
}

std::optional<DockSide> NearestDockSide(const CRect& area, POINT point)
{
    if (!area.PtInRect(point))
        return std::nullopt;
    DockSide nearest = DockSide::Top;
    for (DockSide side : {DockSide::Bottom, DockSide::Left, DockSide::Right})
        if (DepthFromEdge(area, side, point) < DepthFromEdge(area, nearest, point))
            nearest = side;
    return nearest;
}

int DockInsertionIndex(std::span<const DockBand> bands, const DockPlan& plan, const CRect& area,
                       DockSide side, POINT point)
{
    const int depth = DepthFromEdge(area, side, point);
    int index = 0;
    for (size_t i = 0; i < bands.size() && i < plan.bands.size(); ++i)
        if (bands[i].side == side && DepthFromEdge(area, side, plan.bands[i].CenterPoint()) < depth)
            ++index;
    return index;
}
