#pragma once

// Fills and outlines chart parts and drawn shapes: rectangles and polygons by a fill style, the
// faces of a data point by its per-face styles, flattened ellipse and pie faces, and the grips of
// a selected part.

#include "drawing/CFillPainter.h"
#include "drawing/ChartPointStyle.h"

#include <vector>

class CChartShapePainter
{
public:
    explicit CChartShapePainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CChartShapePainter() = default;

    void FillStyledRect(CDC* dc, RECT rect, int lineStyle, int lineWidth, COLORREF lineColour, int fillKind,
                        COLORREF colour1, COLORREF colour2, COLORREF colour3, int gradientStyle,
                        int gradientVariant, int texture, int pattern, int highlight) const;
    void FillStyledPolygon(CDC* dc, const POINT* points, int count, int lineStyle, int lineWidth,
                           COLORREF lineColour, int fillKind, COLORREF colour1, COLORREF colour2,
                           COLORREF colour3, int gradientStyle, int gradientVariant, int texture, int pattern,
                           int highlight) const;
    // Face numbers 0..5 take style slots 0, 1, 4, 5, 2, 3; any other face number fills white.
    void DrawStyledFace(CDC* dc, const POINT* points, int count, const void* unused,
                        const CChartPointStyle& item, int face, int unused2 = 0) const;
    void DrawEllipseFace(CDC* dc, int l, int t, int r, int b, const void* unused, CChartPointStyle& item,
                         int face) const;
    void DrawPieFace(CDC* dc, int l, int t, int r, int b, int x1, int y1, int x2, int y2, const void* unused,
                     CChartPointStyle& item, int face) const;
    void DrawSelectionGrips(CDC* dc, const CChartPointStyle& item) const;
    // Draws the seen faces of one 3-D column, bar or cylinder from its face buffers (item is a
    // copy of the table's point) and records the six hit faces, front first, into hitFaces.
    void Draw3DItemFaces(CDC* dc, const CChart3DView& chart, CChartPointStyle item, double value,
                         CHitFace hitFaces[6]) const;

    // The style slot a face number fills from, or -1 for a face drawn white.
    static int StyleSlot(int face);
    // The light inner edge colour: colour 1 lightened for a solid fill, white otherwise.
    static COLORREF HighlightColour(int fillKind, COLORREF colour1);
    // The points of the path just ended in dc, flattened; the path is then discarded.
    static std::vector<POINT> FlattenedPath(CDC* dc);

    // The part options of a chart: `partOrder` entries {chPart, chLevel, nShown}.
    template <class Chart> static int GetPartOption(const Chart* chart, int kind)
    {
        if (!chart)
            return 0;
        if (chart->partOrder.empty())
            return 1;
        if (kind < 1 || kind > 6)
            return 0;
        for (const auto& entry : chart->partOrder)
            if (entry.chPart == kind)
                return entry.nShown;
        return 1;
    }
    template <class Chart> static void SetPartOption(Chart* chart, int kind, int value)
    {
        if (!chart || kind < 1 || kind > 6)
            return;
        for (auto& entry : chart->partOrder)
            if (entry.chPart == kind)
                entry.nShown = value;
    }

private:
    void DrawHighlightEdge(CDC* dc, CRect rect, COLORREF colour) const;
    void FillFace(CDC* dc, const POINT* points, int count, const CFaceFill* fill) const;
    void DrawPathFace(CDC* dc, const std::vector<POINT>& points, int l, int t, int r, CChartPointStyle& item,
                      int face) const;

    CFillTables m_tables;
};
