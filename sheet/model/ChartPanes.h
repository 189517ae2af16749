#pragma once

// Charts against the frozen panes and the stacking of a chart's elements under the mouse. The
// chart records themselves belong to the chart code; these work on the few fields involved.

#include "sheet/model/CellGeometry.h"

#include <vector>

// Where a chart lies and whether it keeps clear of the locked columns and rows.
struct CChartPlacement
{
    RECT rect{};  // now
    RECT saved{}; // before the current move or resize
    int bClearOfLockedCols = 0;
    int bClearOfLockedRows = 0;
};

// A chart element in the stacking list: level 1 is on top.
struct CChartElementEntry
{
    BYTE kind = 0; // 1..6, the index into the element rectangles plus one
    BYTE level = 0;
    WORD spare = 0;
    int bShown = 0;
};

namespace SheetModel {

// A chart that was moved (not resized) is clear of a locked band when it starts beyond it; without
// locked columns (rows) every chart is clear of them.
void AdjustChartsToLockedArea(const CNorvakPage& page, std::vector<CChartPlacement*> charts);

// Where the frozen band ends: the width of the fixed and shown locked columns, or (columns false)
// the height of the fixed and shown locked rows.
int LockedBandExtent(const CNorvakPage& page, bool columns);

// The kind of the topmost shown element under the point, brought to level 1; 0 when none. The
// list stays sorted by level.
int HitTestChartElement(const RECT (&elementRects)[6], std::vector<CChartElementEntry>& entries, int x,
                        int y);

} // namespace SheetModel
