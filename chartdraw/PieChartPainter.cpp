#include "chartdraw/PieChartPainter.h"

#include "chart/model/ChartDrawingViews.h"
#include "chart/model/ChartMath.h"
#include "chartdraw/BoxChartDrawing.h"
#include "chartdraw/geometry/PieSliceFaces.h"
#include "drawing/CChartShapePainter.h"
#include "drawing/CTextPainter.h"
#include "drawing/LineClip.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace {

constexpr char kFaceLetters[] = "zblrsx";

std::vector<POINT> FlattenedOutline(CDC* dc, const RECT& ellipse, POINT from, POINT to, bool pie)
{
    dc->BeginPath();
    if (pie)
        dc->Pie(ellipse, from, to);
    else
        dc->Arc(ellipse, from, to);
    dc->EndPath();
    return CChartShapePainter::FlattenedPath(dc);
}

// The grips of one selected face, drawn when every pie is painted.
struct CFaceGrips
{
    CChartPointStyle style;
    int buffer = 0;
    std::vector<POINT> points;
};

// The row labelled alone, or -1 for every row; a row beyond the last is set back to the last.
int LabelledRow(CNorvakChart& chart, int rows)
{
    if (chart.nPieSeries >= rows)
        chart.nPieSeries = rows - 1;
    return chart.nPieSeries < 0 ? -1 : chart.nPieSeries;
}

class CPieRowPainter
{
public:
    CPieRowPainter(CDC* dc, const CChartShapePainter& shapes) : m_dc(dc), m_shapes(shapes)
    {
        m_outline = [dc](const RECT& ellipse, POINT from, POINT to, bool pie) {
            return FlattenedOutline(dc, ellipse, from, to, pie);
        };
    }

    // Back to front: the left side from the top down, then the right side from the top down.
    void Paint(CPieSeriesSlices& pie, CChartItemArray& row)
    {
        for (CPieSliceRecord& slice : pie.left)
            PaintSlice(slice, false, row);
        for (auto slice = pie.right.rbegin(); slice != pie.right.rend(); ++slice)
            PaintSlice(*slice, true, row);
    }

    void DrawGrips() const
    {
        for (CFaceGrips grips : m_grips) {
            grips.style.outline[grips.buffer] = grips.points.data();
            grips.style.outlineCount[grips.buffer] = int(grips.points.size());
            m_shapes.DrawSelectionGrips(m_dc, grips.style);
        }
    }

private:
    void PaintSlice(CPieSliceRecord& slice, bool rightSide, CChartItemArray& row)
    {
        PushOutSlice(slice);
        CChartItem& point = row[size_t(slice.point)];
        const CChartPointStyle style = PointStyleOf(point);
        int slot = CChartItem::kFaces - 1;
        for (CPieFace& face : SliceFaces(slice, rightSide, m_outline)) {
            if (slot < 0)
                break;
            m_shapes.DrawStyledFace(m_dc, face.points.data(), int(face.points.size()), nullptr, style,
                                    face.faceNumber);
            if (face.letter == point.chSelPart)
                m_grips.push_back(CFaceGrips{style,
                                             int(std::strchr(kFaceLetters, face.letter) - kFaceLetters),
                                             std::move(face.grips)});
            point.hitFaces[slot--] = CChartHitFace{std::move(face.points), face.letter};
        }
    }

    CDC* m_dc;
    const CChartShapePainter& m_shapes;
    CEllipseOutline m_outline;
    std::vector<CFaceGrips> m_grips;
};

// The slices of one row, or nothing drawn when its values sum to 0; the label fields of its points
// are written.
CPieSeriesSlices LayoutRow(CChartItemArray& row, const CPieEllipses& ellipses, double absSum, int explode,
                           bool preview)
{
    if (!(absSum > 0) || !std::isfinite(absSum))
        return {};
    std::vector<CPieSliceInput> inputs;
    inputs.reserve(row.size());
    for (const CChartItem& point : row)
        inputs.push_back(CPieSliceInput{point.dValue, preview ? explode : point.nExplodeA});
    CPieSeriesSlices pie = LayoutPieSlices(ellipses, inputs, absSum);
    pie.drawn = true;
    for (const auto* list : {&pie.left, &pie.right})
        for (const CPieSliceRecord& slice : *list) {
            CChartItem& point = row[size_t(slice.point)];
            point.nLabelAngle = SliceLabelAngle(slice);
            point.rcTopOuter = ellipses.outerTop;
            point.rcTopInner = ellipses.innerTop;
            point.nPieDepth = ellipses.depth;
        }
    return pie;
}

// The value label of every slice with a top face, centred on it; of one row when the chart shows a
// row alone.
void DrawSliceLabels(CDC* dc, CNorvakChart& chart, CChartItemTable& items)
{
    const int rows = int(std::min<size_t>(items.size(), INT_MAX));
    const int labelled = LabelledRow(chart, rows);
    const CTextPainter text;
    for (int s = 0; s < rows; ++s) {
        if (labelled >= 0 && s != labelled)
            continue;
        for (CChartItem& point : items[size_t(s)]) {
            const CChartHitFace* top = nullptr;
            for (const CChartHitFace& face : point.hitFaces)
                if (face.chLetter == 's' && !top)
                    top = &face;
            if (!top)
                continue;
            CChartLabelPoint label = LabelPointOf(point);
            const CChartLabelStyle& style = point.labelStyle;
            text.DrawPolygonLabel(dc, label, top->points.data(), int(top->points.size()), point.strCellText,
                                  point.labelFont, style.crLabelText, style.crLabelBack,
                                  style.bLabelTransparent);
            StoreLabelCorners(point, label);
        }
    }
}

} // namespace

void CPieChartPainter::DrawPieChart(CDC* dc, CNorvakChart& chart, int left, int top, int right, int bottom,
                                    BYTE allRows, int shownRow, const CChartRowTotalsArray& rowTotals,
                                    CChartItemTable& items, BYTE preview, int subType) const
{
    if (!dc || items.empty() || subType < 0 || subType > 7)
        return;
    const int rows = int(std::min<size_t>(items.size(), INT_MAX));
    const bool everyRow = allRows || shownRow < 0;
    if (!everyRow && shownRow >= rows)
        shownRow = rows - 1;
    const CRect plot(left, top, right, bottom);
    DrawClippedRectangle(*dc, plot);
    // Faces of an earlier drawing must not stay behind for the hit test or the labels: a row no
    // longer drawn, a slice that shows fewer faces now.
    ForgetDrawnGeometry(items);
    const int oldDirection = ::SetArcDirection(*dc, AD_COUNTERCLOCKWISE);
    const CChartShapePainter shapes(m_tables);
    CPieRowPainter painter(dc, shapes);
    const CPieSlots slots = PieSlots(plot, everyRow ? rows : 1);
    long long slotLeft = (long long)left + slots.gap / 2;
    for (int s = 0; slots.fits && s < rows; ++s) {
        if (!everyRow && s != shownRow)
            continue;
        CChartItemArray& row = items[size_t(s)];
        CPieEllipses ellipses;
        if (preview)
            ellipses = PreviewPieEllipses(PieRectInSlot(SaturateToInt(slotLeft), slots.width, plot), subType);
        else if (!row.empty())
            // The pie's depth is drawn within the bound of a chart's 3-D depth, whatever a file holds.
            ellipses = StoredPieEllipses(row.front().rcPie, row.front().rcHole,
                                         CNorvakChart::BoundedDepthOffset(row.front().nDepthA));
        const double absSum = size_t(s) < rowTotals.size() ? rowTotals[size_t(s)].dAbsSum : 0.0;
        CPieSeriesSlices pie = LayoutRow(row, ellipses, absSum, PreviewExplodeOffset(subType), preview);
        if (pie.drawn)
            painter.Paint(pie, row);
        slotLeft += (long long)slots.width + slots.gap;
    }
    painter.DrawGrips();
    ::SetArcDirection(*dc, oldDirection);

    DrawSliceLabels(dc, chart, items);
}

void DrawPieChartBody(const CChartBodyCall& call)
{
    if (!call.chart || !call.items)
        return;
    static const CChartRowTotalsArray kNoTotals;
    const CNorvakChart& chart = *call.chart;
    const CRect& plot = call.plot;
    CPieChartPainter(call.tables)
        .DrawPieChart(call.dc, *call.chart, plot.left, plot.top, plot.right, plot.bottom,
                      chart.nPieSeries == -1, chart.nPieSeries, call.rowTotals ? *call.rowTotals : kNoTotals,
                      *call.items, call.pieExtra != 0, call.subType);
}
