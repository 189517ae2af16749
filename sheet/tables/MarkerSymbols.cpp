#include "sheet/tables/MarkerSymbols.h"

#include "drawing/CChartShapePainter.h"
#include "sheet/tables/DefaultTables.h"

#include <cmath>
#include <vector>

namespace {

constexpr const char* kGlyphs[] = {"■", "▲", "▼", "◆", "●", "◢", "◣", "◤", "◥", "★", "☆", "♀",
                                   "♂", "⊙", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                   "¤", "Ω", "▓", "▅", "▋", "▇", "█", "+", "*", "A", "B", "C",
                                   "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N"};

enum Shape
{
    Square,
    Diamond,
    Triangle,
    EllipseShape,
    HalfDisc,
    Star,
    Cross
};

struct KeyBox
{
    int l, t, r, b, cx, cy, hx, hy, lineY, ring;

    explicit KeyBox(const RECT& box)
        : l(box.left), t(box.top), r(box.right), b(box.bottom), cx((l + r) / 2), cy((t + b) / 2),
          hx((r - l) / 2), hy((b - t) / 2), lineY(t + hy), ring(int(hy * std::sqrt(2.0) * 0.5))
    {
    }
};

class KeyPainter
{
public:
    KeyPainter(CDC* dc, const CDefaultTables& tables, const CMarkerKey& key, const CChartPointStyle* point)
        : m_dc(dc), m_painter(tables.FillTables())
    {
        // Pies keep the series colour in face 4, the other faces in its shade.
        if (point)
            m_style.faces[0] = point->faces[key.entryKind == 3 ? 4 : 0];
        // A scratch point of no chart type: no light inner edge crosses the key.
        m_style.chartType = -1;
        m_style.lineStyle = key.lineStyle;
        m_style.lineWidth = key.lineWidth;
        m_style.lineColour = key.lineColour;
    }

    void Polygon(std::vector<POINT> points) const
    {
        m_painter.DrawStyledFace(m_dc, points.data(), int(points.size()), nullptr, m_style, 0);
    }
    void Line(int x1, int y1, int x2, int y2) const { Polygon({{x1, y1}, {x2, y2}}); }
    void Ellipse(int l, int t, int r, int b, bool outlineOnly = false) const
    {
        CChartPointStyle style = m_style;
        if (outlineOnly)
            style.faces[0].fillKind = 0;
        m_painter.DrawEllipseFace(m_dc, l, t, r, b, nullptr, style, 0);
    }
    void HalfDisc(int l, int t, int r, int b, POINT from, POINT to) const
    {
        CChartPointStyle style = m_style;
        m_painter.DrawPieFace(m_dc, l, t, r, b, from.x, from.y, to.x, to.y, nullptr, style, 0);
    }

private:
    CDC* m_dc;
    CChartShapePainter m_painter;
    CChartPointStyle m_style;
};

void DrawShape(const KeyPainter& paint, const KeyBox& k, int shape, bool ringed)
{
    const int r = k.ring, cx = k.cx, cy = k.cy;
    switch (shape) {
    case Square:
        if (ringed)
            paint.Polygon(
                {{cx - r, cy - r}, {cx + r - 1, cy - r}, {cx + r - 1, cy + r - 1}, {cx - r, cy + r - 1}});
        else
            paint.Polygon({{k.l, k.t}, {k.r, k.t}, {k.r, k.b}, {k.l, k.b}});
        break;
    case Diamond:
        if (ringed)
            paint.Polygon({{cx - r, cy}, {cx, cy - r}, {cx + r, cy}, {cx, cy + r}});
        else
            paint.Polygon({{k.l, k.t + k.hy}, {k.l + k.hx, k.t}, {k.r, k.t + k.hy}, {k.l + k.hx, k.b}});
        break;
    case Triangle:
        if (ringed)
            paint.Polygon({{cx, cy - r}, {cx + r, cy + r}, {cx - r, cy + r}});
        else
            paint.Polygon({{k.l + k.hx, k.t}, {k.r, k.b}, {k.l, k.b}});
        break;
    case EllipseShape:
        if (ringed)
            paint.Ellipse(cx - r, cy - r, cx + r, cy + r);
        else
            paint.Ellipse(k.l, k.t, k.r, k.b);
        break;
    case HalfDisc:
        if (ringed)
            paint.HalfDisc(cx - r, cy - r, cx + r, cy + r, {cx, cy - r}, {cx, cy + r});
        else
            paint.HalfDisc(k.l, k.t, k.r, k.b, {k.l + k.hx, k.t}, {k.l + k.hx, k.b});
        break;
    case Star: {
        const int outer = ringed ? r : k.hy;
        std::vector<POINT> vertices(10);
        for (int i = 0; i < 10; ++i)
            PolarToPoint(&vertices[size_t(i)], cx, cy, 36 * i, i % 2 == 0 ? outer : outer / 2);
        paint.Polygon(vertices);
        break;
    }
    case Cross:
        paint.Line(cx - r, cy - r, cx + r, cy + r);
        paint.Line(cx - r, cy + r, cx + r, cy - r);
        break;
    }
}

void DrawShapeKey(CDC* dc, const KeyPainter& paint, const KeyBox& k, const CMarkerKey& key)
{
    const int shape = key.markerIndex;
    if (key.ringFlag) {
        if (key.lineFlag)
            paint.Line(k.l - 20, k.lineY, k.r + 20, k.lineY);
        dc->Ellipse(k.l, k.t, k.r, k.b);
        DrawShape(paint, k, shape, true);
        return;
    }
    const bool lineStopsAtBox = shape == Square || shape == Diamond || shape == Cross;
    if (key.lineFlag && !lineStopsAtBox)
        paint.Line(k.l - 20, k.lineY, k.r + 20, k.lineY);
    DrawShape(paint, k, shape, false);
    if (key.lineFlag && lineStopsAtBox) {
        paint.Line(k.l - 20, k.lineY, k.l, k.lineY);
        paint.Line(k.r, k.lineY, k.r + 20, k.lineY);
    }
}

void DrawGlyphKey(CDC* dc, const KeyPainter& paint, const KeyBox& k, const CMarkerKey& key,
                  const CString& glyph)
{
    CFont font;
    font.CreateFont(0, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "system");
    CSelectObject selectFont(*dc, font.GetSafeHandle());
    dc->SetTextColor(key.glyphTextColour);
    dc->SetBkColor(key.glyphBackColour);
    dc->SetTextAlign(TA_CENTER | TA_TOP);
    const CSize extent = dc->GetTextExtent(glyph);
    if (key.lineFlag)
        paint.Line(k.l - 20, k.lineY, k.r + 20, k.lineY);
    dc->TextOut(k.l + (k.r - k.l) / 2, (k.t + 1) + (k.b - extent.cy - (k.t + 1)) / 2, glyph);
    if (key.ringFlag)
        paint.Ellipse(k.l, k.t + 1, k.r, k.b, true);
}

} // namespace

POINT* PolarToPoint(POINT* out, int cx, int cy, int degrees, int radius)
{
    const double a = degrees * 0.005555555555555556 * 3.1415926535;
    out->x = cx + int(std::trunc(radius * std::cos(a)));
    out->y = cy - int(std::trunc(radius * std::sin(a)));
    return out;
}

void CMarkerSymbols::Init(CDefaultTables& control) const
{
    control.m_MarkerSymbols.clear();
    control.m_MarkerSymbols.shrink_to_fit();
    for (const char* glyph : kGlyphs)
        control.m_MarkerSymbols.emplace_back(glyph);
}

void CMarkerSymbols::DrawMarker(CDC* dc, RECT box, CMarkerKey key, const CChartPointStyle* point,
                                const CDefaultTables& tables) const
{
    const int index = key.markerIndex;
    if (!dc || index < 0 || index >= kMarkerCount)
        return;
    const int glyphIndex = index - kShapeCount;
    if (glyphIndex >= int(tables.m_MarkerSymbols.size()))
        return;
    CSaveDC saved(*dc);
    const KeyBox k(box);
    const KeyPainter paint(dc, tables, key, point);
    if (index < kShapeCount)
        DrawShapeKey(dc, paint, k, key);
    else
        DrawGlyphKey(dc, paint, k, key, tables.m_MarkerSymbols[size_t(glyphIndex)]);
}
