#pragma once

// What the column and bar painters share once their boxes are laid out: the boxes drawn in their
// order with the zero plane cut round the boxes in front of it, the value labels before and after
// the plane, and the walls in front of the data.

#include "chartdraw/BoxChartLayout.h"
#include "drawing/DrawingTables.h"

#include <string>

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
    int labelFace = 4;         // the face a label with bLabelFixedAngle 1 is centred on; else the front
    std::string deferredGrips; // selected faces whose grips wait for the end of their category
};

// The sides of a chart whose value axis is vertical (columns) or horizontal (bars), from the
// chart's wall points: the zero plane and lines, which boxes stand in front of the plane, which
// labels come before it.
CBoxChartSides ColumnChartSides(const CNorvakChart& chart, const CChartLayout& layout);
CBoxChartSides BarChartSides(const CNorvakChart& chart, const char* deferredGrips);

// Draws the laid-out boxes, labels, zero plane and walls of a column or bar chart.
void PaintBoxChart(CDC* dc, CNorvakChart& chart, CChartItemTable& items, const CBoxChartLayout& layout,
                   const CBoxChartSides& sides, CFillTables tables);
