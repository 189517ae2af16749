#pragma once

// What the column and bar painters share once their boxes are laid out: writing a box into its
// data point, the drawing of the boxes in their order with the zero plane cut round the boxes in
// front of it, the value labels before and after the plane, and the walls in front of the data.
//
// Ownership: functions and plain records; the geometry goes into the chart's data points.

#include "chart/model/NorvakChart.h"
#include "chartdraw/geometry/BoxGeometry.h"
#include "chartdraw/geometry/ChartLayout.h"
#include "chartdraw/geometry/SlotDivision.h"
#include "drawing/DrawingTables.h"
#include "framework/CDC.h"

#include <string>
#include <vector>

// Frees the face outlines and hit faces and clears the label corners of every point of every row:
// what a drawing that fails leaves behind has nothing to hit.
void ForgetDrawnGeometry(CChartItemTable& items);

// The point (row, series), or null when that row is shorter.
CChartItem* PointAt(CChartItemTable& items, int row, int series);

void WriteBoxFaces(CChartItem& item, const CBoxFaces& faces);

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

// The points of a row that are laid out: the first row's count, or fewer in a shorter row.
int LaidOutPoints(const CChartItemTable& items, int row, int series);

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

// How the direction of the value axis shows in the drawing of the boxes.
struct CBoxChartSides
{
    int direction = 0;
    POINT zeroPlane[4] = {};  // filled with wall style 2 when faceShown 7 is set
    POINT lineBefore[2] = {}; // the zero line drawn before the boxes
    POINT lineAfter[2] = {};  // and after the walls
    bool positiveInFront = false; // boxes in front of the zero plane are cut out of it
    bool negativeInFront = false;
    bool positiveLabelFirst = false; // with faceShown 7, labels drawn before the plane
    bool negativeLabelFirst = false;
    int labelFace = 4;        // the face a label with bLabelFixedAngle 1 is centred on; else the front
    std::string deferredGrips; // selected faces whose grips wait for the end of their category
};

// Draws the laid-out boxes, labels, zero plane and walls of a column or bar chart.
void PaintBoxChart(CDC* dc, CNorvakChart& chart, CChartItemTable& items, const CBoxChartLayout& layout,
                   const CBoxChartSides& sides, CFillTables tables);

// The drawing order of the categories' boxes: each category's list of box indexes in its own
// drawing order, the categories first to last or last to first.
std::vector<size_t> JoinCategories(const std::vector<std::vector<size_t>>& categories, bool ascending);
