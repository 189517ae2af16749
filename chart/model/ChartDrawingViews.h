#pragma once

// The records seen through the views the drawing primitives take, and the geometry the painters
// hand back stored into the records.
//
// A view's pointers lead into the record it was made from: make it just before the call and do
// not change or move the record while the view is in use. Nothing a painter returns is kept by
// pointer: the Store functions copy.

#include "chart/model/NorvakChart.h"
#include "drawing/ChartPointStyle.h"
#include "sheet/tables/MarkerSymbols.h"

// Face k's view slot is style entry k; the outlines are the point's face buffers.
CChartPointStyle PointStyleOf(const CChartItem& item);
// The label fields of a point; the slice rectangles are its top ellipses as last drawn.
CChartLabelPoint LabelPointOf(const CChartItem& item);
void StoreLabelCorners(CChartItem& item, const CChartLabelPoint& label);
CChart3DView Chart3DViewOf(const CNorvakChart& chart);
CMarkerKey MarkerKeyOf(const CChartTextItem& entry);

// Copies the points of each recorded face into the point's own hit faces (a face without points,
// or with a negative count, is recorded empty).
void StoreHitFaces(CChartItem& item, const CHitFace (&faces)[CChartItem::kFaces]);

// Before a drawing: frees the face outlines of the first n points of every row, n the length of
// the first row, and for columns and bars gives each point six outlines of four points. Returns n.
int ResetChartItemBuffers(const CNorvakChart& chart, CChartItemTable& items);
