#pragma once

// Draws one whole chart as it floats over cells: the chart's own fill, then its parts in the
// chart's drawing order (the plot through the chart front end, the legend, the data-area frame and
// the three titles), then the marks of a selected legend entry, all clipped to the chart's visible
// rectangle. The page's charts of the control and the standalone grid's charts are drawn by it.
// Drawing lays out what the hit tests read: the legend entries' rectangles and the data points'
// faces.
//
// Ownership: reads the tables it was given for one call; built on the stack.

#include "chart/model/NorvakChart.h"
#include "framework/CDC.h"
#include "sheet/tables/DefaultTables.h"

#include <functional>

class CWholeChartPainter
{
public:
    explicit CWholeChartPainter(const CDefaultTables& tables) : m_tables(tables) {}

    // after(part) runs once the fill (part 0) and then each part is drawn, for what goes over it.
    // Nothing is drawn for a chart that is not shown or whose visible rectangle is empty.
    void Draw(CDC* dc, CNorvakChart& chart, const std::function<void(int part)>& after = nullptr) const;

    // Whether the chart would be drawn at all.
    static bool IsDrawable(const CNorvakChart& chart);

private:
    const CDefaultTables& m_tables;
};

// A whole-chart drawer over tables of this module's own, built on the first call: what the
// control library gives the standalone grid to draw its charts with.
void DrawChartWithModuleTables(CDC& dc, CNorvakChart& chart);
