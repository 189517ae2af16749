#pragma once

// A chart's fill styles handed to the shape painter, field by field in its argument order.

#include "chart/model/ChartPartRecords.h"
#include "drawing/CChartShapePainter.h"

inline void FillRectWithStyle(const CChartShapePainter& painter, CDC* dc, const RECT& rect,
                              const CChartFillStyle& s, int highlight)
{
    painter.FillStyledRect(dc, rect, s.nLineStyle, s.nLineWidth, s.crLineColour, s.nFillKind, s.crColour1,
                           s.crColour2, s.crColour3, s.nGradientStyle, s.nGradientVariant, s.nTexture, s.nPattern,
                           highlight);
}

inline void FillPolygonWithStyle(const CChartShapePainter& painter, CDC* dc, const POINT* points, int count,
                                 const CChartFillStyle& s, int lineStyle, int highlight)
{
    painter.FillStyledPolygon(dc, points, count, lineStyle, s.nLineWidth, s.crLineColour, s.nFillKind, s.crColour1,
                              s.crColour2, s.crColour3, s.nGradientStyle, s.nGradientVariant, s.nTexture,
                              s.nPattern, highlight);
}
