#pragma once

// Draws a chart's legend: the legend box with its fill and frame, then one entry per series, a
// marker box with the series' marker and a caption beside it. The rectangles of every entry
// (marker box, caption, whole entry) are written into its legend item for hit testing, the
// selection marks and the in-place caption editor. The preview twin draws a page's pending
// legend items with the page's pending legend options, for the chart preview of the property sheet.
//
// Ownership: reads the control's tables for one call; built on the stack.

#include "chart/model/NorvakChart.h"
#include "framework/CDC.h"
#include "sheet/tables/DefaultTables.h"

// The page's pending legend box options: fill kind, line style, line width, line colour,
// gradient style, gradient variant, texture and pattern; then the three colours and a stored int.
struct CLegendBoxOptions
{
    BYTE bytes[8] = {0, 1, 1, 0, 0, 0, 0, 0};
    int ints[4] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0};
};

class CLegendPainter
{
public:
    explicit CLegendPainter(const CDefaultTables& tables) : m_tables(tables) {}
    virtual ~CLegendPainter() = default;

    // Both return whether the legend was drawn (false for a missing DC or chart).
    bool DrawLegend(CDC* dc, CNorvakChart* chart) const;
    bool DrawPreviewLegend(CDC* dc, RECT legend, int chartType, int chartSubType, const CLegendBoxOptions& options,
                           CChartTextItemArray* items, const CChartItemTable* table) const;

    // The marker box of an entry whose slot region starts 5 pixels inside the legend.
    static CRect CalcFlagRect(const RECT& region, const CChartTextItem& entry, const RECT& legend);
    // The same for the preview.
    static CRect CalcPreviewFlagRect(const RECT& region, const CChartTextItem& entry, const RECT& legend);

private:
    struct CLegendCall;
    void DrawEntries(CDC* dc, const CLegendCall& call) const;
    void DrawEntry(CDC* dc, const CLegendCall& call, CChartTextItem& entry, const CRect& slot, int baseHeight,
                   const CChartItem* point) const;

    const CDefaultTables& m_tables;
};
