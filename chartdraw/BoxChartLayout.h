#pragma once

// The categories of a column or bar chart laid out in their slots, clustered or stacked: each
// point's box written into its face buffers, and the order in which the boxes are drawn.
//
// Ownership: functions and plain records; the geometry goes into the chart's data points.

#include "chart/model/NorvakChart.h"
#include "chartdraw/geometry/BoxGeometry.h"
#include "chartdraw/geometry/ChartLayout.h"
#include "chartdraw/geometry/SlotDivision.h"
#include "framework/CDC.h"

#include <climits>
#include <functional>
#include <string>
#include <vector>

// Frees the face outlines and hit faces and clears the label corners of every point of every row:
// what a drawing that fails leaves behind has nothing to hit.
void ForgetDrawnGeometry(CChartItemTable& items);

// The point (row, series), or null when that row is shorter.
CChartItem* PointAt(CChartItemTable& items, int row, int series);

void WriteBoxFaces(CChartItem& item, const CBoxFaces& faces);

// The row totals of a row; zero sums for a row without totals, which has nothing to share.
CChartRowTotals RowTotalsOf(const CChartRowTotalsArray* rowTotals, int row);

// The categories (table rows) side by side along the layout's category length; series counts the
// points of the first row, which every row is expected to hold.
struct CBoxSlots
{
    int rows = 0;
    int series = 0;
    CSlotDivision slots;
};

// Forgets the geometry of the last drawing and lays the categories out with the slot rule from
// firstGap; then gives every point of the first series count its six four-point face buffers.
// False, with nothing more done, when no slot fits or, with needsSeries, the first row is empty.
bool StartBoxDrawing(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, CChartItemTable* items,
                     int firstGap, bool needsSeries, CBoxSlots& slots);

// The categories' slots along the category axis, each as its extent across the value axis: for
// columns (a vertical value axis) left to right from half a gap right of the origin, in left and
// right; for bars bottom up from half a gap above it, in top and bottom.
std::vector<CRect> CategorySlots(const CBoxSlots& slots, const CChartLayout& layout, CStackAxis valueAxis);

// One laid-out point; hasBox is false for a point that gets no box (its faces stay at (0, 0)).
struct CPlacedBox
{
    int row = 0;
    int series = 0;
    bool hasBox = false;
};

struct CBoxChartLayout
{
    std::vector<CPlacedBox> boxes; // in table order
    std::vector<size_t> drawOrder; // indexes into boxes: farther boxes first
};

// The drawing order of the categories' boxes: each category's list of box indexes in its own
// drawing order, the categories first to last or last to first.
std::vector<size_t> JoinCategories(const std::vector<std::vector<size_t>>& categories, bool ascending);

// The faces of a point's box from its extent (a column's left and right, a bar's top and bottom;
// for a stacked segment its whole rectangle) and its value.
using CBoxOfPoint = std::function<CBoxFaces(const CRect& extent, double value)>;

// Writes the outlines of a point's shape (a box, a cylinder) from its extent and value into its
// face buffers.
using CPointShape = std::function<void(CChartItem& point, const CRect& extent, double value)>;
CPointShape BoxShape(CBoxOfPoint box);

// Clustered: every category's slot shared evenly among its series, columns left to right, bars
// bottom up; the series drawn in the categories' order. A point whose value is not finite gets no
// box.
CBoxChartLayout ClusterCategories(CChartItemTable& items, int series, const std::vector<CRect>& slots,
                                  CStackAxis valueAxis, const CPointShape& shape, bool ascending);

// Pixels from the zero line to the ends of the value axis on either side; no end by default.
struct CAxisReach
{
    int positive = INT_MAX;
    int negative = INT_MAX;
};
CAxisReach AxisReachOf(const CChartLayout& layout);

// How the points of a category are stacked from the zero line: positive values upward (columns)
// or rightward (bars), negative values the other way, each segment starting where the last one of
// its sign ended. A value of 0, or one that is not finite, gets no box.
struct CStackRules
{
    CStackAxis valueAxis = CStackAxis::Vertical;
    int zeroLine = 0;
    CAxisReach reach; // a stack is cut where it reaches an end of the axis
    std::function<int(int row, double value)> length;
    // May move the end of a row's last segment onto the end of the axis.
    std::function<void(int row, double value, CRect& segment)> finishRow;
    std::function<bool(int row)> rowHasBoxes;
    CPointShape shape;
    bool farEndFirst = false; // each category's sorted segments are drawn from the last
};

CBoxChartLayout StackCategories(CChartItemTable& items, int series, const std::vector<CRect>& slots,
                                const CStackRules& rules, bool ascending);
