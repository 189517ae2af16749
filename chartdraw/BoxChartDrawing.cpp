#include "chartdraw/BoxChartDrawing.h"

#include "chart/model/ChartDrawingViews.h"
#include "chartdraw/ChartAxisPainter.h"
#include "chartdraw/ChartStyleFills.h"
#include "drawing/CTextPainter.h"
#include "drawing/LineClip.h"

#include <algorithm>
#include <optional>

namespace {

// Faces cut out of the zero plane when their box stands in front of it: all but the back.
constexpr int kFacesInFront[] = {0, 2, 3, 4, 5};

// The region of a polygon in device coordinates, or no region for fewer than three points.
bool MakePolygonRegion(CDC* dc, const POINT* points, int count, CRgn& region)
{
    if (!points || count < 3)
        return false;
    std::vector<POINT> device(points, points + count);
    dc->LPtoDP(device.data(), count);
    return region.CreatePolygonRgn(device.data(), count, WINDING);
}

// The plane of the value 0 of a chart whose values change sign, less the boxes in front of it.
class CZeroPlaneCut
{
public:
    CZeroPlaneCut(CDC* dc, const POINT (&corners)[4]) : m_dc(dc) { MakePolygonRegion(dc, corners, 4, m_region); }

    void CutOut(const CChartItem& item)
    {
        for (int face : kFacesInFront) {
            CRgn cut;
            if (m_region.GetSafeHandle() &&
                MakePolygonRegion(m_dc, item.faceOutline[face].data(), item.FaceOutlineCount(face), cut))
                m_region.CombineRgn(m_region, cut, RGN_DIFF);
        }
    }

    // Fills what is left of the plane, moved by a pixel so that it stays off the boxes' edges,
    // inside the chart as shown; the clip comes back as it was.
    void Fill(const CNorvakChart& chart, const POINT (&corners)[4], const CChartShapePainter& painter) const
    {
        CRgn plane, visible;
        CRect shown(chart.rcVisible);
        m_dc->LPtoDP(&shown);
        shown.NormalizeRect();
        if (!m_region.GetSafeHandle() || !plane.CreateRectRgn(0, 0, 0, 0) || !visible.CreateRectRgnIndirect(&shown))
            return;
        plane.CombineRgn(m_region, nullptr, RGN_COPY);
        plane.OffsetRgn(1, 1);
        plane.CombineRgn(plane, m_region, RGN_AND);
        plane.CombineRgn(plane, visible, RGN_AND);
        CClipGuard clip(*m_dc);
        m_dc->SelectClipRgn(plane, RGN_AND);
        FillPolygonWithStyle(painter, m_dc, corners, 4, chart.wallStyles[1], 0, 0);
    }

private:
    CDC* m_dc;
    CRgn m_region;
};

void Line(CDC* dc, const POINT (&ends)[2])
{
    DrawClippedLine(*dc, ends[0], ends[1]);
}

bool InFront(const CBoxChartSides& sides, double value)
{
    return value >= 0 ? sides.positiveInFront : sides.negativeInFront;
}

bool Deferred(const CBoxChartSides& sides, char selectedPart)
{
    return selectedPart != ' ' && selectedPart != 0 && sides.deferredGrips.find(selectedPart) != std::string::npos;
}

void DrawBoxFaces(CDC* dc, const CChartShapePainter& shapes, const CNorvakChart& chart, CChartItem& item)
{
    CHitFace hits[CChartItem::kFaces];
    shapes.Draw3DItemFaces(dc, Chart3DViewOf(chart), PointStyleOf(item), item.dValue, hits);
    StoreHitFaces(item, hits);
}

void DrawValueLabel(CDC* dc, CChartItem& item, int face)
{
    CChartLabelPoint label = LabelPointOf(item);
    const std::vector<POINT>& points = item.faceOutline[face];
    const CChartLabelStyle& style = item.labelStyle;
    CTextPainter().DrawPolygonLabel(dc, label, points.data(), int(points.size()), item.strCellText,
                                    item.labelFont, style.crLabelText, style.crLabelBack, style.bLabelTransparent);
    StoreLabelCorners(item, label);
}

class CBoxChartPainting
{
public:
    CBoxChartPainting(CDC* dc, CNorvakChart& chart, CChartItemTable& items, const CBoxChartLayout& layout,
                      const CBoxChartSides& sides, CFillTables tables)
        : m_dc(dc), m_chart(chart), m_items(items), m_layout(layout), m_sides(sides), m_tables(tables),
          m_shapes(tables)
    {
    }

    void Paint()
    {
        const bool twoSigned = m_chart.dMinValue < 0 && m_chart.dMaxValue > 0;
        const bool planeShown = m_chart.faceShown[6] != 0;
        std::optional<CZeroPlaneCut> zero;
        if (twoSigned) {
            zero.emplace(m_dc, m_sides.zeroPlane);
            Line(m_dc, m_sides.lineBefore);
        }
        DrawBoxes(zero ? &*zero : nullptr);
        DrawLabels([&](double value) { return !planeShown || LabelFirst(value); });
        if (zero && planeShown)
            zero->Fill(m_chart, m_sides.zeroPlane, m_shapes);
        CChartAxisPainter(m_tables).DrawWalls(m_dc, &m_chart, m_sides.direction);
        if (twoSigned)
            Line(m_dc, m_sides.lineAfter);
        if (planeShown)
            DrawLabels([&](double value) { return !LabelFirst(value); });
    }

private:
    CChartItem& Item(const CPlacedBox& box) const { return m_items[size_t(box.row)][size_t(box.series)]; }
    bool LabelFirst(double value) const
    {
        return value >= 0 ? m_sides.positiveLabelFirst : m_sides.negativeLabelFirst;
    }

    void DrawBoxes(CZeroPlaneCut* zero) const
    {
        std::vector<size_t> category; // the boxes of the category being drawn
        const std::vector<size_t>& order = m_layout.drawOrder;
        for (size_t k = 0; k < order.size(); ++k) {
            const CPlacedBox& box = m_layout.boxes[order[k]];
            category.push_back(order[k]);
            if (box.hasBox) {
                CChartItem& item = Item(box);
                DrawBoxFaces(m_dc, m_shapes, m_chart, item);
                if (!Deferred(m_sides, item.chSelPart))
                    m_shapes.DrawSelectionGrips(m_dc, PointStyleOf(item));
                if (zero && InFront(m_sides, item.dValue))
                    zero->CutOut(item);
            }
            if (k + 1 == order.size() || m_layout.boxes[order[k + 1]].row != box.row) {
                DrawDeferredGrips(category);
                category.clear();
            }
        }
    }

    // The grips that lie over every box of their category, in table order.
    void DrawDeferredGrips(std::vector<size_t>& category) const
    {
        if (m_sides.deferredGrips.empty())
            return;
        std::sort(category.begin(), category.end());
        for (size_t index : category) {
            const CPlacedBox& box = m_layout.boxes[index];
            if (box.hasBox && Deferred(m_sides, Item(box).chSelPart))
                m_shapes.DrawSelectionGrips(m_dc, PointStyleOf(Item(box)));
        }
    }

    template <class Pass> void DrawLabels(Pass inPass) const
    {
        for (const CPlacedBox& box : m_layout.boxes) {
            CChartItem& item = Item(box);
            if (box.hasBox && inPass(item.dValue))
                DrawValueLabel(m_dc, item, item.bLabelFixedAngle == 1 ? m_sides.labelFace : 0);
        }
    }

    CDC* m_dc;
    CNorvakChart& m_chart;
    CChartItemTable& m_items;
    const CBoxChartLayout& m_layout;
    const CBoxChartSides& m_sides;
    CFillTables m_tables;
    CChartShapePainter m_shapes;
};

} // namespace

void PaintBoxChart(CDC* dc, CNorvakChart& chart, CChartItemTable& items, const CBoxChartLayout& layout,
                   const CBoxChartSides& sides, CFillTables tables)
{
    CBoxChartPainting(dc, chart, items, layout, sides, tables).Paint();
}

CBoxChartSides ColumnChartSides(const CNorvakChart& chart, const CChartLayout& layout)
{
    const POINT* wp = chart.wallPoints;
    CBoxChartSides s;
    s.direction = 0;
    std::copy(wp + 4, wp + 8, s.zeroPlane);
    s.lineBefore[0] = POINT{wp[4].x + 1, wp[4].y};
    s.lineBefore[1] = wp[5];
    s.lineAfter[0] = layout.ptZeroPlane[0];
    s.lineAfter[1] = layout.ptZeroPlane[1];
    s.positiveInFront = wp[0].y < wp[3].y;
    s.negativeInFront = wp[0].y > wp[3].y;
    s.positiveLabelFirst = wp[0].y >= wp[3].y;
    s.negativeLabelFirst = wp[0].y < wp[3].y;
    s.labelFace = 4;
    return s;
}

CBoxChartSides BarChartSides(const CNorvakChart& chart, const char* deferredGrips)
{
    const POINT* wp = chart.wallPoints;
    CBoxChartSides s;
    s.direction = 1;
    s.zeroPlane[0] = wp[1];
    s.zeroPlane[1] = wp[7];
    s.zeroPlane[2] = wp[10];
    s.zeroPlane[3] = wp[4];
    s.lineBefore[0] = wp[1];
    s.lineBefore[1] = wp[7];
    s.lineAfter[0] = POINT{wp[4].x, wp[4].y + 2};
    s.lineAfter[1] = wp[10];
    s.positiveInFront = wp[0].x > wp[5].x;
    s.negativeInFront = wp[0].x < wp[5].x;
    s.positiveLabelFirst = wp[0].x < wp[5].x;
    s.negativeLabelFirst = wp[0].x >= wp[5].x;
    s.labelFace = 3;
    s.deferredGrips = deferredGrips;
    return s;
}
