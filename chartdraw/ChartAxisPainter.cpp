#include "chartdraw/ChartAxisPainter.h"

#include "chart/model/ChartKinds.h"
#include "chartdraw/ChartStyleFills.h"
#include "drawing/LineClip.h"

namespace {

// Flag k (1..7) of the chart's faceShown.
bool Shown(const CNorvakChart& chart, int flag)
{
    return chart.faceShown[flag - 1] != 0;
}

// The first flag of range entry e (1..14).
bool EntryFlag(const CNorvakChart& chart, int entry)
{
    return chart.rangeEntries[entry - 1].chFlag1 != 0;
}

// An edge of the box is left out where a face of it covers the edge: the face of flag k, the
// floor, or the plot of a flat chart.
bool EdgeHidden(const CNorvakChart& chart, int face, int entry)
{
    const bool flat = chart.nDepthX == 0 && chart.nDepthY == 0;
    return EntryFlag(chart, entry) && (Shown(chart, face) || Shown(chart, 5) || (Shown(chart, 6) && flat));
}

bool IsFlatLineChart(const CNorvakChart& chart)
{
    return chart.nType == kChartLine && chart.nSubType >= 0 && chart.nSubType <= 5;
}

CTextMeasure MeasureIn(CDC* dc)
{
    return [dc](const CString& text) { return dc->GetTextExtent(text); };
}

// The tick labels of the layout, each with the label defaults and the axis's orientation.
void StoreTickLabels(CNorvakChart& chart, const CValueAxisLayout& axis, int direction)
{
    chart.textLabels.clear();
    chart.textLabels.reserve(axis.labels.size());
    for (const CTickLabel& tick : axis.labels) {
        CChartTextLabel label(direction == 1 ? 3600 : 1800);
        label.strText = tick.text;
        label.ptAnchor[0] = tick.anchor.x;
        label.ptAnchor[1] = tick.anchor.y;
        chart.textLabels.push_back(std::move(label));
    }
}

} // namespace

void CChartAxisPainter::DrawEdgeLines(CDC* dc, const CNorvakChart& chart, const CValueAxisLayout& axis,
                                      int direction) const
{
    const int L = axis.plot.left, T = axis.plot.top, R = axis.plot.right, B = axis.plot.bottom;
    const double minValue = axis.layout.dMinValue, maxValue = axis.layout.dMaxValue;
    const bool positiveOnly = minValue >= 0 && maxValue > 0, negativeOnly = minValue < 0 && maxValue <= 0;
    if (IsFlatLineChart(chart)) {
        const bool plotFilled = Shown(chart, 6);
        if (plotFilled)
            FillRectWithStyle(CChartShapePainter(m_tables), dc, CRect(L, T, R, B + 1), chart.plotStyle,
                              chart.bPlotHighlight);
        if (!(plotFilled && EntryFlag(chart, 9)))
            DrawClippedLine(*dc, L, T, L, B);
        if (positiveOnly && !(plotFilled && EntryFlag(chart, 5)))
            DrawClippedLine(*dc, L, B, R, B);
        if (negativeOnly && direction == 0 && !(plotFilled && EntryFlag(chart, 1)))
            DrawClippedLine(*dc, L, T, R, T);
    } else {
        if (!EdgeHidden(chart, 3, 12))
            DrawClippedLine(*dc, L, T, L, B);
        if (!EdgeHidden(chart, 2, 7))
            DrawClippedLine(*dc, L, B, R, B);
        if (negativeOnly && direction == 0) {
            if (!EdgeHidden(chart, 3, 12))
                DrawClippedLine(*dc, L, B, L, T);
            if (!EdgeHidden(chart, 1, 3))
                DrawClippedLine(*dc, L, T, R, T);
        }
    }
    if (negativeOnly && direction == 1) {
        if (!EdgeHidden(chart, 4, 11))
            DrawClippedLine(*dc, R, T, R, B);
        if (!EdgeHidden(chart, 2, 7))
            DrawClippedLine(*dc, R, B, L, B);
    }
    if (axis.HasBothSigns() && !(Shown(chart, 7) && EntryFlag(chart, 14))) {
        const int zero = axis.ZeroLinePosition(direction);
        if (direction == 1)
            DrawClippedLine(*dc, zero, T, zero, B);
        else
            DrawClippedLine(*dc, L, zero, R, zero);
    }
}

CChartLayout CChartAxisPainter::LayoutValueAxis(CDC* dc, CNorvakChart* chart, int direction, bool valueScale,
                                                double minValue, double maxValue, RECT plot,
                                                bool drawAxisLines) const
{
    if (!dc || !chart)
        return CChartLayout{};
    const CValueAxisLayout axis = ::LayoutValueAxis(direction, valueScale, minValue, maxValue, plot, MeasureIn(dc));
    if (drawAxisLines)
        DrawEdgeLines(dc, *chart, axis, direction);
    StoreTickLabels(*chart, axis, direction);
    return axis.layout;
}

CChartLayout CChartAxisPainter::LayoutPlotArea(CDC* dc, CNorvakChart* chart, int direction, bool valueScale,
                                               double minValue, double maxValue, RECT plot, int chartType,
                                               int chartSubType, int depthX, int depthY, bool drawAxisLines,
                                               bool drawBackPlane) const
{
    if (!dc || !chart)
        return CChartLayout{};
    depthX = CNorvakChart::BoundedDepthOffset(depthX);
    depthY = CNorvakChart::BoundedDepthOffset(depthY);
    const CPlotAreaLayout box = ::LayoutPlotArea(direction, valueScale, minValue, maxValue, plot, chartType,
                                                 chartSubType, depthX, depthY, MeasureIn(dc));
    if (drawAxisLines)
        DrawEdgeLines(dc, *chart, box.axis, direction);
    StoreTickLabels(*chart, box.axis, direction);
    if (!box.hasBox)
        return box.layout;
    if (drawBackPlane && Shown(*chart, 6)) {
        const CRect back(box.back.left, box.back.top, box.back.right, box.back.bottom + 1);
        if (chart->plotStyle.nFillKind == -1)
            DrawClippedRectangle(*dc, back);
        else
            FillRectWithStyle(CChartShapePainter(m_tables), dc, back, chart->plotStyle, chart->bPlotHighlight);
    }
    CalcWallGeometry(dc, chart, box.wallPoints, direction);
    // The edges once more, over the back plane and the walls.
    if (drawAxisLines)
        DrawEdgeLines(dc, *chart, box.axis, direction);
    DrawWallGridLines(dc, chart, direction, box.front, box.back, depthX, depthY);
    return box.layout;
}
