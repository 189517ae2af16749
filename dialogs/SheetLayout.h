#pragma once

// Where CNorvakSheet puts its buttons, its fill-style box and its chart preview band, without a
// window. All in the sheet's client coordinates, in pixels.

#include "framework/Geometry.h"

namespace SheetLayout {

// A sheet without previews: OK keeps its width and takes the Apply button's top and bottom with
// its right edge 20 px left of Apply (whose place Cancel takes).
CRect OkBesideApply(const RECT& apply, int okWidth);

// The two preview sheets stack OK and Cancel at the right edge, below the tabs: OK at
// (client right - 12 - W, tab height + 8), Cancel 10 px below it.
CRect PreviewOk(const RECT& client, int tabItemHeight, SIZE button);
CRect PreviewCancel(const RECT& client, int tabItemHeight, SIZE button);
// The fill-style box under the buttons, level with the page's last 100 px, and its label above it.
CRect StyleBox(const RECT& buttons, int pageBottom);
CRect StyleLabel(const RECT& buttons, int pageBottom);

// The chart preview band under the pages.
CRect ChartBand(const RECT& firstPage, const RECT& client);

struct ChartPreviewRects
{
    CRect chart;
    CRect legend;
    CRect table;
};
// The chart, legend and data strip in the band for the parts shown; plotLeft is the left edge of
// the data strip (the chart drawing's plot left).
ChartPreviewRects LayOutChartPreview(const RECT& band, int clientRight, int plotLeft, bool chart, bool legend,
                                     bool table);

// The 3-D depth offsets of the preview chart of a type and sub-type.
CSize PreviewChartDepth(int type, int subType);

} // namespace SheetLayout
