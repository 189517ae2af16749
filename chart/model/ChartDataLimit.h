#pragma once

// How many data points a chart may be made of. Every point carries its faces, outlines and hit
// geometry and is copied into each chart and each preview made from it, so a table of a whole
// large page would take gigabytes and seconds per repaint; a build or an insertion beyond this is
// refused before anything is allocated for it.

#include <cstddef>

constexpr size_t kMaxChartPoints = 16384;

// A table of that many rows of (at most) that many points; an empty row still takes a legend
// entry, so it counts as one point.
constexpr bool ChartDataFits(size_t rows, size_t pointsPerRow)
{
    const size_t perRow = pointsPerRow > 0 ? pointsPerRow : 1;
    return rows <= kMaxChartPoints && perRow <= kMaxChartPoints &&
           (unsigned long long)rows * perRow <= kMaxChartPoints;
}
