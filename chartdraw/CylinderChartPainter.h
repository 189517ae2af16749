#pragma once

// Draws the body of a cylinder chart (chart type 4): every data point a cylinder standing on the
// category axis (column cylinders) or lying along it (bar cylinders), clustered, stacked or percent
// stacked, with the zero plane and zero line of a chart whose values change sign, the walls in
// front of the data, the value labels and the grips of the selected faces. Every point keeps the
// outlines of its cylinder (the body in buffer 0; the end ellipses in buffers 4 and 5 for columns,
// 2 and 3 for bars), its faces as drawn and the corners of its label.
//
// Sub-types: 0 column, 1 stacked column, 2 percent column, 3 bar, 4 stacked bar, 5 percent bar.
//
// Ownership: holds only the view of the control's fill tables; built on the stack for one call.

#include "chartdraw/ChartBodyCall.h"

class CCylinderChartPainter
{
public:
    explicit CCylinderChartPainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CCylinderChartPainter() = default;

    void DrawColumnCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                             CChartItemTable* items) const;
    void DrawStackedColumnCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                    const CChartRowTotalsArray* rowTotals, CChartItemTable* items) const;
    void DrawPercentColumnCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                    const CChartRowTotalsArray* rowTotals, CChartItemTable* items) const;
    void DrawBarCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                          CChartItemTable* items) const;
    void DrawStackedBarCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                 const CChartRowTotalsArray* rowTotals, CChartItemTable* items) const;
    void DrawPercentBarCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                 const CChartRowTotalsArray* rowTotals, CChartItemTable* items) const;

private:
    CFillTables m_tables;
};

// The front end's entry for chart type 4: the routine of the call's sub-type.
void DrawCylinderChartBody(const CChartBodyCall& call);
