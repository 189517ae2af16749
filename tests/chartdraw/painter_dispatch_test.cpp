// The chart front end hands line, pie and ring, and cylinder charts of every sub-type to their
// painters, which leave the faces they drew in the data points.

#include "chartdraw/ChartPainter.h"
#include "tests/chartdraw/PainterChart.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"

#include <gtest/gtest.h>

namespace {

// The number of hit faces with points over every data point.
int RecordedFaces(const CNorvakChart& chart)
{
    int faces = 0;
    for (const CChartItemArray& row : chart.items)
        for (const CChartItem& point : row)
            for (const CChartHitFace& face : point.hitFaces)
                faces += face.points.empty() ? 0 : 1;
    return faces;
}

int DrawThroughFrontEnd(DrawingCanvas& canvas, PainterChart& painted)
{
    CNorvakChart& chart = painted.chart;
    return CChartPainter().DrawChart(canvas.dc(), &chart, 30, 20, 380, 280, chart.nType, chart.nSubType,
                                     chart.dMinValue, chart.dMaxValue, &chart.rowTotals, &chart.items, 1,
                                     chart.nDepthX, chart.nDepthY);
}

} // namespace

TEST(ChartPainterDispatch, LinePieAndCylinderChartsReachTheirPainters)
{
    DrawingCanvas canvas(400, 300);
    for (int type : {kChartLine, kChartPie, kChartCylinder})
        for (int subType = 0; subType <= LastChartSubType(type); ++subType) {
            SCOPED_TRACE(testing::Message() << "type " << type << " sub-type " << subType);
            PainterChart painted(type, subType, {{3, 1, 2}, {1, 2, 4}});
            painted.chart.nPieSeries = -1;
            canvas.Clear();
            const int result = DrawThroughFrontEnd(canvas, painted);
            EXPECT_EQ(result, type == kChartPie ? 30 : 20);
            EXPECT_GT(RecordedFaces(painted.chart), 0);
            EXPECT_GT(canvas.InkIn(CRect(30, 20, 380, 280)), 0);
        }
}

TEST(ChartPainterDispatch, DrawingsLeaveNoGdiObjects)
{
    DrawingCanvas canvas(400, 300);
    auto drawAll = [&] {
        for (int type : {kChartLine, kChartPie, kChartCylinder})
            for (int subType = 0; subType <= LastChartSubType(type); ++subType) {
                PainterChart painted(type, subType, {{3, -1, 2}, {1, 2, -4}});
                painted.chart.nPieSeries = -1;
                for (CChartItemArray& row : painted.chart.items)
                    for (CChartItem& point : row) {
                        point.strCellText = "9";
                        point.chSelPart = type == kChartPie ? 's' : 'z';
                    }
                DrawThroughFrontEnd(canvas, painted);
            }
    };
    drawAll();
    const DWORD before = GdiObjectCount();
    drawAll();
    drawAll();
    EXPECT_EQ(GdiObjectCount(), before);
}
