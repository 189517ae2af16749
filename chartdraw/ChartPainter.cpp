#include "chartdraw/ChartPainter.h"

#include "chart/model/ChartKinds.h"
#include "chartdraw/BarChartPainter.h"
#include "chartdraw/BoxChartLayout.h"
#include "chartdraw/ChartAxisPainter.h"
#include "chartdraw/ChartStyleFills.h"
#include "chartdraw/ColumnChartPainter.h"
#include "chartdraw/CylinderChartPainter.h"
#include "chartdraw/LineChartPainter.h"
#include "chartdraw/PieChartPainter.h"

#include <cmath>
#include <iterator>

namespace {

// The painter of each chart type, by type.
constexpr ChartBodyRoutine kBodyPainters[] = {
    &DrawColumnChartBody,   // 0 column
    &DrawBarChartBody,      // 1 bar
    &DrawLineChartBody,     // 2 line
    &DrawPieChartBody,      // 3 pie and ring
    &DrawCylinderChartBody, // 4 cylinder
};
static_assert(std::size(kBodyPainters) == kChartCylinder + 1);

constexpr int kDefaultResult = 20;

bool Within(int value, int first, int last)
{
    return value >= first && value <= last;
}

// The floor is the bottom face of the box, filled before the data so that the boxes stand on it.
// On a vertical value axis of a range with positive values its front edge lies a pixel lower.
void DrawFloor(CDC* dc, const CChartShapePainter& painter, const CNorvakChart& chart, const CChartLayout& layout,
               int direction)
{
    if (!chart.faceShown[4] || layout.dTickStep == 0)
        return;
    const POINT* p = chart.wallPoints;
    POINT floor[4];
    if (direction == 1) {
        floor[0] = p[6], floor[1] = p[8], floor[2] = p[9], floor[3] = p[11];
    } else {
        const int lower = layout.dMaxValue > 0 ? 1 : 0;
        floor[0] = p[8], floor[1] = p[9];
        floor[2] = POINT{p[10].x, p[10].y + lower};
        floor[3] = POINT{p[11].x, p[11].y + lower};
    }
    FillPolygonWithStyle(painter, dc, floor, 4, chart.floorStyle, chart.floorStyle.nLineStyle, chart.bFloorHighlight);
}

} // namespace

CChartDrawingPlan ChartDrawingPlanOf(int type, int subType)
{
    CChartDrawingPlan plan;
    plan.valueScale = subType != 2 && subType != 5;
    switch (type) {
    case kChartColumn:
        plan.hasRoutine = Within(subType, 0, 6);
        plan.drawsLabels = true;
        break;
    case kChartBar:
        plan.direction = 1;
        plan.hasRoutine = Within(subType, 0, 5);
        plan.drawsLabels = true;
        break;
    case kChartLine:
        plan.hasRoutine = Within(subType, 0, 6);
        plan.drawsLabels = true;
        if (Within(subType, 0, 5))
            plan.layout = CPlotLayoutKind::Flat;
        break;
    case kChartPie:
        plan.hasRoutine = Within(subType, 0, 7);
        return plan;
    case kChartCylinder:
        plan.direction = Within(subType, 3, 5) ? 1 : 0;
        plan.hasRoutine = plan.drawsLabels = Within(subType, 0, 5);
        break;
    default:
        return plan;
    }
    if (plan.hasRoutine && plan.layout == CPlotLayoutKind::None)
        plan.layout = CPlotLayoutKind::Box;
    return plan;
}

int CChartPainter::DrawChart(CDC* dc, CNorvakChart* chart, int left, int top, int right, int bottom, int type,
                             int subType, double minValue, double maxValue, CChartRowTotalsArray* rowTotals,
                             CChartItemTable* items, int pieExtra, int depthX, int depthY) const
{
    if (!dc || !chart || !items)
        return kDefaultResult;
    // What was drawn before is forgotten first: a chart drawn without a body has nothing to hit.
    ForgetDrawnGeometry(*items);
    const bool noData =
        (minValue == 0 && maxValue == 0) || !std::isfinite(minValue) || !std::isfinite(maxValue);
    if (noData)
        return kDefaultResult;
    const CChartDrawingPlan plan = ChartDrawingPlanOf(type, subType);
    depthX = CNorvakChart::BoundedDepthOffset(depthX);
    depthY = CNorvakChart::BoundedDepthOffset(depthY);
    const CRect plot(left, top, right, bottom);
    const CChartAxisPainter axis(m_tables);
    CChartBodyCall call{dc, chart, CChartLayout{}, plot, subType, minValue, maxValue, rowTotals, items, pieExtra,
                        m_tables};
    if (plan.layout == CPlotLayoutKind::Box) {
        call.layout = axis.LayoutPlotArea(dc, chart, plan.direction, plan.valueScale, minValue, maxValue, plot, type,
                                          subType, depthX, depthY, true, true);
        DrawFloor(dc, CChartShapePainter(m_tables), *chart, call.layout, plan.direction);
    } else if (plan.layout == CPlotLayoutKind::Flat) {
        call.layout = axis.LayoutValueAxis(dc, chart, plan.direction, plan.valueScale, minValue, maxValue, plot, true);
    }
    // A range the axis could not scale (its step came out 0, as near the ends of the doubles) has
    // no axis for a body to stand on: nothing is drawn around the device origin instead.
    const bool scaled = plan.layout == CPlotLayoutKind::None || call.layout.dTickStep > 0;
    if (plan.hasRoutine && scaled && kBodyPainters[type])
        kBodyPainters[type](call);
    if (plan.drawsLabels) {
        CRect front = plot;
        front.OffsetRect(-depthX, depthY);
        axis.DrawChartTextLabels(dc, chart, plan.direction, front, plot, depthX, depthY);
    }
    if (type == kChartPie && plan.hasRoutine)
        return left < 0 ? kDefaultResult : left;
    return kDefaultResult;
}
