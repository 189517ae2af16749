#pragma once

// Draws the body of a line chart (chart type 2): for every series (a row of the data table) a line
// through one point per category, character markers on the points of the marker kinds, the ribbon
// of the 3-D line cut at the plane of the value 0, the value labels and the grips of the selected
// segments. Every point keeps a square round it and the hit face of the segment that starts at it
// (flat kinds) or the ribbon that ends at it (3-D), and the corners of its label.
//
// Sub-types: 0 lines, 1 stacked, 2 percent stacked, 3 to 5 the same with markers, 6 3-D line.
//
// Ownership: holds only the view of the control's fill tables; built on the stack for one call.

#include "chartdraw/ChartBodyCall.h"

class CLineChartPainter
{
public:
    explicit CLineChartPainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CLineChartPainter() = default;

    // Sub-types 0 and 3. Only the signs of the value range are read: with both signs the values of
    // 0 or more lie a pixel above the zero row.
    void DrawLine(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue, double maxValue,
                  int subType, CChartItemTable* items) const;
    // Sub-types 1 and 4: each category's values stacked on one running level.
    void DrawStackedLine(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue,
                         double maxValue, int subType, CChartItemTable* items) const;
    // Sub-types 2 and 5: each value's share of its category's row totals. A category without totals
    // draws nothing at all.
    void DrawPercentStackedLine(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue,
                                double maxValue, int subType, const CChartRowTotalsArray* rowTotals,
                                CChartItemTable* items) const;
    // Sub-type 6, in the 3-D box of the layout, with the walls in front of the data.
    void Draw3DLine(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue,
                    double maxValue, int subType, CChartItemTable* items) const;

private:
    CFillTables m_tables;
};

// The front end's entry for chart type 2: the routine of the call's sub-type.
void DrawLineChartBody(const CChartBodyCall& call);
