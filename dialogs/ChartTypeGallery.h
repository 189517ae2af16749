#pragma once

// What the chart type page shows without a window: the five chart types with their combo texts,
// gallery bitmaps and sub-type names, the cells of the sub-type gallery and the keys that move
// through it.

#include "framework/Geometry.h"

#include <optional>
#include <vector>

namespace ChartTypeGallery {

constexpr int kTypeCount = 5;

struct ChartTypeInfo
{
    const char* text;
    unsigned bitmapId;
    std::vector<const char*> subTypeNames;
};

// Type 0 column, 1 bar, 2 line, 3 pie and ring, 4 cylinder; a type out of range gives the columns.
const ChartTypeInfo& TypeInfo(int type);

// The gallery inside the frame's rectangle (page client coordinates).
CRect GalleryRect(const CRect& frame);
// Cell `index` of a gallery: three a column, square.
CRect CellRect(const CRect& gallery, int index);
// The cell of `cellCount` under the point, if any.
std::optional<int> CellAt(const CRect& gallery, int cellCount, POINT point);
// The sub-type an arrow key moves to from `current`; none when it would leave the gallery or the
// key is no arrow.
std::optional<int> StepByKey(int current, int cellCount, unsigned key);

} // namespace ChartTypeGallery
