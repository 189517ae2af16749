#include "chartdraw/LineChartPainter.h"

#include "chart/model/ChartDrawingViews.h"
#include "chart/model/ChartMath.h"
#include "chartdraw/BoxChartLayout.h"
#include "chartdraw/ChartAxisPainter.h"
#include "chartdraw/geometry/LineGeometry.h"
#include "drawing/CChartShapePainter.h"
#include "drawing/CTextPainter.h"
#include "drawing/LineClip.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <optional>

namespace {

// The face numbers a segment is drawn with: both fill a two-point polygon, which shows nothing,
// and stroke it with the point's line pen; a ribbon is filled with the series colour.
constexpr int kLineSegmentFace = 6;
constexpr int kStackedSegmentFace = 2;
constexpr int kRibbonFace = 2;
constexpr int kRibbonBuffer = 4;

// The points of each series (a row) by category; a row longer than the first is cut to its length.
using CSeriesPoints = std::vector<std::vector<CPoint>>;
using CPointY = std::function<int(size_t series, size_t category, double value)>;

int CategoryCount(const CChartItemTable& items)
{
    return items.empty() ? 0 : int(std::min<size_t>(items.front().size(), INT_MAX));
}

CSeriesPoints PlacePoints(const CChartItemTable& items, const std::vector<int>& xs, const CPointY& y)
{
    CSeriesPoints points(items.size());
    for (size_t s = 0; s < items.size(); ++s) {
        const size_t count = std::min(items[s].size(), xs.size());
        for (size_t i = 0; i < count; ++i)
            points[s].push_back(CPoint(xs[i], y(s, i, items[s][i].dValue)));
    }
    return points;
}

void ReleaseHitFaces(CChartItem& item)
{
    for (CChartHitFace& face : item.hitFaces)
        std::vector<POINT>().swap(face.points);
}

// The face a segment or ribbon is hit on, and the five other faces empty with their letters.
void WriteHitFaces(CChartItem& item, const CQuad& face, char letter, const char* emptyLetters)
{
    item.hitFaces[0] = CChartHitFace{std::vector<POINT>(face.begin(), face.end()), letter};
    for (int k = 1; k < CChartItem::kFaces; ++k)
        item.hitFaces[k] = CChartHitFace{{}, emptyLetters[k - 1]};
}

// Every point's square, and the hit face of every segment in the point it starts at.
void WriteFlatGeometry(CChartItemArray& row, const std::vector<CPoint>& points)
{
    for (size_t i = 0; i < points.size(); ++i) {
        const CQuad square = PointSquare(points[i]);
        row[i].faceOutline[0].assign(square.begin(), square.end());
        ReleaseHitFaces(row[i]);
        if (i > 0)
            WriteHitFaces(row[i - 1], SegmentHitFace(points[i - 1], points[i]), 'z', "xsblr");
    }
}

// The marker character "b" of the marker kinds, centred on the point in the DC's font and in the
// point's front colour. The background mode and alignment come back at the end of the scope.
class CMarkers
{
public:
    CMarkers(CDC* dc, bool shown) : m_dc(shown ? dc : nullptr)
    {
        if (m_dc) {
            m_mode = m_dc->SetBkMode(TRANSPARENT);
            m_align = m_dc->SetTextAlign(TA_CENTER | TA_TOP);
        }
    }
    ~CMarkers()
    {
        if (m_dc) {
            m_dc->SetBkMode(m_mode);
            m_dc->SetTextAlign(m_align);
        }
    }
    CMarkers(const CMarkers&) = delete;
    CMarkers& operator=(const CMarkers&) = delete;

    void Draw(POINT at, COLORREF colour) const
    {
        if (!m_dc)
            return;
        const CSize size = m_dc->GetTextExtent("b");
        const COLORREF old = m_dc->SetTextColor(colour);
        m_dc->TextOut(at.x, at.y - size.cy / 2, "b");
        m_dc->SetTextColor(old);
    }

private:
    CDC* m_dc;
    int m_mode = 0;
    UINT m_align = 0;
};

void DrawPolyline(CDC* dc, const CChartShapePainter& shapes, const CChartItem& item, const POINT* points,
                  int count, int face)
{
    shapes.DrawStyledFace(dc, points, count, nullptr, PointStyleOf(item), face);
}

// The grips of a selected point on the two ends of the segment that ends at it.
void DrawSegmentGrips(CDC* dc, const CChartShapePainter& shapes, const CChartItem& item, POINT from, POINT to)
{
    CChartPointStyle style = PointStyleOf(item);
    const POINT ends[2] = {from, to};
    style.outline[0] = ends;
    style.outlineCount[0] = 2;
    shapes.DrawSelectionGrips(dc, style);
}

void DrawLabelAt(CDC* dc, CChartItem& item, POINT at)
{
    CChartLabelPoint label = LabelPointOf(item);
    const CChartLabelStyle& style = item.labelStyle;
    CTextPainter().DrawPointLabel(dc, label, at.x, at.y, item.strCellText, item.labelFont, style.crLabelText,
                                  style.crLabelBack, style.bLabelTransparent);
    StoreLabelCorners(item, label);
}

// The flat kinds once their points are placed: the geometry into the points, then every series'
// segments with their markers, then every series' grips and labels.
void PaintFlatLines(CDC* dc, CChartItemTable& items, const CSeriesPoints& points, int segmentFace,
                    bool markers, CFillTables tables)
{
    for (size_t s = 0; s < items.size(); ++s)
        WriteFlatGeometry(items[s], points[s]);
    const CChartShapePainter shapes(tables);
    const CMarkers marker(dc, markers);
    for (size_t s = 0; s < items.size(); ++s)
        for (size_t i = 0; i < points[s].size(); ++i) {
            const CChartItem& item = items[s][i];
            if (i > 0) {
                const POINT segment[2] = {points[s][i - 1], points[s][i]};
                DrawPolyline(dc, shapes, item, segment, 2, segmentFace);
            }
            marker.Draw(points[s][i], item.faceColour[0]);
        }
    for (size_t s = 0; s < items.size(); ++s)
        for (size_t i = 0; i < points[s].size(); ++i) {
            if (i > 0)
                DrawSegmentGrips(dc, shapes, items[s][i], points[s][i - 1], points[s][i]);
            DrawLabelAt(dc, items[s][i], points[s][i]);
        }
}

// Whether there is anything to draw. A drawing that draws nothing leaves nothing of the last one
// behind for the hit test.
bool CanDraw(CDC* dc, const CNorvakChart* chart, const CChartLayout* layout, CChartItemTable* items)
{
    if (dc && chart && layout && items && CategoryCount(*items) > 0)
        return true;
    if (items)
        ForgetDrawnGeometry(*items);
    return false;
}

bool Fits(const CLineSlots& slots, CChartItemTable& items)
{
    if (!slots.fits)
        ForgetDrawnGeometry(items);
    return slots.fits;
}

// The points of the plain and 3-D lines, each in the middle of its category; with both signs the
// values of 0 or more lie a pixel above the zero row. False, with the last drawing forgotten, when
// the plot is too narrow for the categories.
bool PlaceSpacedPoints(const CChartLayout& r, double minValue, double maxValue, CChartItemTable& items,
                       CSeriesPoints& points)
{
    const CLineSlots slots = SpacedLineSlots(r.nOriginX, r.nCategoryLength, CategoryCount(items));
    if (!Fits(slots, items))
        return false;
    const bool bothSigns = minValue < 0 && maxValue > 0;
    points = PlacePoints(items, slots.xs, [&](size_t, size_t, double v) {
        return LinePointY(r.nOriginY, ValueToPixels(v, r), v, bothSigns);
    });
    return true;
}

// The stacked kinds: every category's values on one running level from the zero row, which
// stops at the ends of the axis.
class CLineStack
{
public:
    CLineStack(const CChartLayout& layout, int categories)
        : CLineStack(layout.nOriginY, AxisReachOf(layout), categories)
    {
    }

    int Place(size_t category, int h, double value)
    {
        int& level = m_levels[category];
        level = std::clamp(StackedPointY(level, h, value), m_top, m_bottom);
        return level;
    }

private:
    CLineStack(int zeroRow, CAxisReach reach, int categories)
        : m_levels(size_t(categories), zeroRow), m_top(AddSaturated(zeroRow, -reach.positive)),
          m_bottom(AddSaturated(zeroRow, reach.negative))
    {
    }

    std::vector<int> m_levels;
    int m_top, m_bottom;
};

// The plane of the value 0 across the 3-D box, as a region in device coordinates.
class CZeroPlaneRegion
{
public:
    CZeroPlaneRegion(CDC* dc, const POINT* corners)
    {
        POINT device[4];
        std::copy(corners, corners + 4, device);
        dc->LPtoDP(device, 4);
        m_region.CreatePolygonRgn(device, 4, WINDING);
    }

    // Draws outside the plane only; the clip comes back as it was.
    template <class Draw> void OutsidePlane(CDC* dc, Draw draw) const
    {
        CClipGuard clip(*dc);
        if (m_region.GetSafeHandle())
            dc->SelectClipRgn(m_region, RGN_XOR);
        draw();
    }

private:
    CRgn m_region;
};

void Line(CDC* dc, POINT from, POINT to)
{
    DrawClippedLine(*dc, from, to);
}

// One series of the 3-D line: the ribbons into the points, drawn from the first to the last, then
// the labels at the ribbons' edges.
void Paint3DSeries(CDC* dc, const CNorvakChart& chart, const CChartLayout& layout, CChartItemArray& row,
                   const std::vector<CPoint>& points, const CZeroPlaneRegion* plane,
                   const CChartShapePainter& shapes)
{
    std::vector<CQuad> ribbons(points.size());
    for (size_t k = 1; k < points.size(); ++k) {
        ribbons[k] = RibbonCorners(points[k - 1], points[k], layout.dDepthLength, layout.dDepthAngle);
        row[k].faceOutline[kRibbonBuffer].assign(ribbons[k].begin(), ribbons[k].end());
    }
    const POINT* wp = chart.wallPoints;
    for (size_t k = 1; k < points.size(); ++k) {
        const CChartItem& item = row[k];
        const std::vector<CRibbonPart> parts = plane
                                                   ? CutRibbon(ribbons[k], wp[7].y, wp[4].y, wp[0].y, wp[3].y)
                                                   : std::vector{CRibbonPart{ribbons[k], false}};
        for (const CRibbonPart& part : parts) {
            auto draw = [&] { DrawPolyline(dc, shapes, item, part.points.data(), 4, kRibbonFace); };
            if (part.outsidePlane)
                plane->OutsidePlane(dc, draw);
            else
                draw();
        }
        WriteHitFaces(row[k], ribbons[k], 's', "xzblr");
        shapes.DrawSelectionGrips(dc, PointStyleOf(row[k]));
    }
    auto middle = [](POINT a, POINT b) { return CPoint((a.x + b.x) / 2, (a.y + b.y) / 2); };
    for (size_t k = 1; k < points.size(); ++k) {
        DrawLabelAt(dc, row[k], middle(ribbons[k][2], ribbons[k][3]));
        if (k == 1)
            DrawLabelAt(dc, row[0], middle(ribbons[1][0], ribbons[1][1]));
    }
}

} // namespace

void CLineChartPainter::DrawLine(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue,
                                 double maxValue, int subType, CChartItemTable* items) const
{
    CSeriesPoints points;
    if (CanDraw(dc, chart, layout, items) && PlaceSpacedPoints(*layout, minValue, maxValue, *items, points))
        PaintFlatLines(dc, *items, points, kLineSegmentFace, subType == 3, m_tables);
}

void CLineChartPainter::DrawStackedLine(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double,
                                        double, int subType, CChartItemTable* items) const
{
    if (!CanDraw(dc, chart, layout, items))
        return;
    const CChartLayout& r = *layout;
    const int n = CategoryCount(*items);
    const CLineSlots slots = PackedLineSlots(r.nOriginX, r.nCategoryLength, n);
    CLineStack stack(r, n);
    const CSeriesPoints points = PlacePoints(
        *items, slots.xs, [&](size_t, size_t i, double v) { return stack.Place(i, ValueToPixels(v, r), v); });
    PaintFlatLines(dc, *items, points, kStackedSegmentFace, subType == 4, m_tables);
}

void CLineChartPainter::DrawPercentStackedLine(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                               double, double, int subType,
                                               const CChartRowTotalsArray* rowTotals,
                                               CChartItemTable* items) const
{
    if (!CanDraw(dc, chart, layout, items))
        return;
    static const CChartRowTotalsArray kNoTotals;
    if (!rowTotals)
        rowTotals = &kNoTotals;
    const CChartLayout& r = *layout;
    const int n = CategoryCount(*items);
    if (rowTotals->size() < size_t(n)) {
        ForgetDrawnGeometry(*items);
        return;
    }
    const CLineSlots slots = PackedLineSlots(r.nOriginX, r.nCategoryLength, n);
    CLineStack stack(r, n);
    const size_t lastSeries = items->size() - 1;
    const CSeriesPoints points = PlacePoints(*items, slots.xs, [&](size_t s, size_t i, double v) {
        const CChartRowTotals& t = (*rowTotals)[i];
        const int p = PercentShareLength(v, t.chSign, r.nPositiveLength, r.nNegativeLength, t.dAbsSum,
                                         CShareOrder::QuotientFirst);
        const int y = stack.Place(i, p, v);
        // The last series ends on the end of the axis whatever the rounding below it.
        if (s == lastSeries && t.chSign == 1 && v >= 0)
            return r.nValueHigh;
        if (s == lastSeries && t.chSign == -1 && v < 0)
            return r.nValueLow;
        return y;
    });
    PaintFlatLines(dc, *items, points, kStackedSegmentFace, subType == 5, m_tables);
}

void CLineChartPainter::Draw3DLine(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue,
                                   double maxValue, int, CChartItemTable* items) const
{
    CSeriesPoints points;
    if (!CanDraw(dc, chart, layout, items) || !PlaceSpacedPoints(*layout, minValue, maxValue, *items, points))
        return;
    const CChartLayout& r = *layout;
    const bool bothSigns = minValue < 0 && maxValue > 0;
    const POINT* wp = chart->wallPoints;
    std::optional<CZeroPlaneRegion> plane;
    if (bothSigns) {
        plane.emplace(dc, wp + 4);
        const int e = wp[3].y >= wp[0].y ? -1 : 0;
        Line(dc, CPoint(wp[4].x + 1, wp[4].y + e), CPoint(wp[5].x, wp[5].y + e));
    }
    const CChartShapePainter shapes(m_tables);
    for (size_t s = 0; s < items->size(); ++s)
        Paint3DSeries(dc, *chart, r, (*items)[s], points[s], plane ? &*plane : nullptr, shapes);
    CChartAxisPainter(m_tables).DrawWalls(dc, chart, 0);
    if (bothSigns)
        Line(dc, r.ptZeroPlane[0], r.ptZeroPlane[1]);
}

void DrawLineChartBody(const CChartBodyCall& call)
{
    const CLineChartPainter painter(call.tables);
    switch (call.subType) {
    case 0:
    case 3:
        painter.DrawLine(call.dc, call.chart, &call.layout, call.minValue, call.maxValue, call.subType,
                         call.items);
        break;
    case 1:
    case 4:
        painter.DrawStackedLine(call.dc, call.chart, &call.layout, call.minValue, call.maxValue, call.subType,
                                call.items);
        break;
    case 2:
    case 5:
        painter.DrawPercentStackedLine(call.dc, call.chart, &call.layout, call.minValue, call.maxValue,
                                       call.subType, call.rowTotals, call.items);
        break;
    case 6:
        painter.Draw3DLine(call.dc, call.chart, &call.layout, call.minValue, call.maxValue, call.subType,
                           call.items);
        break;
    default:
        break;
    }
}
