#include "drawing/CChartShapePainter.h"

#include "drawing/CPenMaker.h"
#include "drawing/LineClip.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kFaceSlots[6] = {0, 1, 4, 5, 2, 3};

// Intersects the clip region with a polygon region in device coordinates.
void IntersectClipWithPolygon(CDC* dc, const POINT* points, int count, int fillMode)
{
    std::vector<POINT> device(points, points + count);
    dc->LPtoDP(device.data(), count);
    CRgn region;
    if (region.CreatePolygonRgn(device.data(), count, fillMode))
        dc->SelectClipRgn(region, RGN_AND);
}

// The texture's bitmap. An entry that holds a picture instead (one picked from a file, index 24
// and above) is drawn into rendered at the picture's natural size, so it fills as a bitmap does.
HBITMAP TextureOf(const CFillTables& tables, int index, CBitmap& rendered)
{
    if (HBITMAP bitmap = tables.TextureBitmap(index))
        return bitmap;
    if (!tables.textures || index < 0 || index >= int(tables.textures->size()))
        return nullptr;
    CPictureObject& picture = const_cast<CPictureObject&>((*tables.textures)[size_t(index)].picture);
    const CSize size = picture.GetSize(nullptr);
    CDC memory;
    if (!picture.HasPicture() || size.cx <= 0 || size.cy <= 0 || !rendered.CreateDIBSection32(size.cx, size.cy) ||
        !memory.CreateCompatibleDC(static_cast<HDC>(nullptr)))
        return nullptr;
    CSelectObject select(memory, rendered);
    picture.Render(&memory, 0, 0, size.cx, size.cy);
    return rendered;
}

void IntersectClipWithRect(CDC* dc, const RECT& rect)
{
    CRect device(rect);
    dc->LPtoDP(&device);
    device.NormalizeRect();
    CRgn region;
    if (region.CreateRectRgnIndirect(&device))
        dc->SelectClipRgn(region, RGN_AND);
}

} // namespace

int CChartShapePainter::StyleSlot(int face)
{
    return face >= 0 && face < 6 ? kFaceSlots[face] : -1;
}

COLORREF CChartShapePainter::HighlightColour(int fillKind, COLORREF colour1)
{
    if (fillKind != 1)
        return RGB(255, 255, 255);
    auto lighten = [](int b) { return BYTE(b + (255 - b) * 200 / 255); };
    return RGB(lighten(GetRValue(colour1)), lighten(GetGValue(colour1)), lighten(GetBValue(colour1)));
}

void CChartShapePainter::DrawHighlightEdge(CDC* dc, CRect rect, COLORREF colour) const
{
    rect.DeflateRect(2, 2);
    CPen pen(PS_SOLID, 2, colour);
    CSelectObject select(*dc, pen);
    const POINT edge[] = {{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}};
    DrawClippedPolyline(*dc, edge, 3);
}

void CChartShapePainter::FillStyledRect(CDC* dc, RECT rect, int lineStyle, int lineWidth, COLORREF lineColour,
                                        int fillKind, COLORREF colour1, COLORREF colour2, COLORREF,
                                        int gradientStyle, int gradientVariant, int texture, int pattern,
                                        int highlight) const
{
    if (fillKind == 3 || fillKind < 0 || fillKind > 5)
        return;
    CPen framePen;
    CPenMaker().CreateLinePen(framePen, lineStyle, lineWidth, lineColour);
    const CFillPainter fill(m_tables);
    CBitmap rendered;
    const CRect r(rect);
    {
        CSelectObject selectPen(*dc, framePen.GetSafeHandle());
        switch (fillKind) {
        case 0: {
            CSelectObject hollow(*dc, ::GetStockObject(HOLLOW_BRUSH));
            DrawClippedRectangle(*dc, r);
            break;
        }
        case 1:
            dc->FillSolidRect(r, colour1);
            {
                CSelectObject hollow(*dc, ::GetStockObject(HOLLOW_BRUSH));
                DrawClippedRectangle(*dc, r);
            }
            break;
        case 2: {
            // The gradient shows without an outline, inside the rectangle only.
            CClipGuard clip(*dc);
            IntersectClipWithRect(dc, r);
            CSelectObject nullPen(*dc, ::GetStockObject(NULL_PEN));
            fill.DrawGradient(dc, r.left, r.top, r.right, r.bottom, colour1, colour2, gradientStyle,
                              gradientVariant);
            break;
        }
        case 4:
            fill.FillTextureRectFromHandle(dc, r.left, r.top, r.right, r.bottom,
                                           TextureOf(m_tables, texture, rendered));
            break;
        case 5:
            fill.FillPatternRect(dc, r.left, r.top, r.right, r.bottom, pattern, colour1, colour2);
            break;
        }
    }
    if (highlight)
        DrawHighlightEdge(dc, r, HighlightColour(fillKind, colour1));
}

void CChartShapePainter::FillStyledPolygon(CDC* dc, const POINT* points, int count, int lineStyle,
                                           int lineWidth, COLORREF lineColour, int fillKind, COLORREF colour1,
                                           COLORREF colour2, COLORREF colour3, int gradientStyle,
                                           int gradientVariant, int texture, int pattern, int highlight) const
{
    if (!points || count <= 0)
        return;
    if (fillKind == 2) {
        CClipGuard clip(*dc);
        IntersectClipWithPolygon(dc, points, count, WINDING);
        FillStyledRect(dc, CFillPainter::BoundingBox(points, count), lineStyle, lineWidth, lineColour,
                       fillKind, colour1, colour2, colour3, gradientStyle, gradientVariant, texture, pattern,
                       highlight);
        return;
    }
    CChartPointStyle item;
    CFaceFill& front = item.faces[0];
    front = CFaceFill{fillKind, colour1, {colour1, colour2}, gradientStyle, gradientVariant, texture, pattern,
                      colour1,  colour2};
    item.lineStyle = lineStyle;
    item.lineWidth = lineWidth;
    item.lineColour = lineColour;
    item.highlight = highlight;
    item.chartType = -1; // a drawn polygon is no column or bar: no inner edge
    DrawStyledFace(dc, points, count, nullptr, item, 0);
}

void CChartShapePainter::FillFace(CDC* dc, const POINT* points, int count, const CFaceFill* fill) const
{
    if (!fill) {
        CSelectObject white(*dc, ::GetStockObject(WHITE_BRUSH));
        dc->Polygon(points, count);
        return;
    }
    const CFillPainter painter(m_tables);
    CBitmap rendered;
    switch (fill->fillKind) {
    case 1: {
        CBrush brush(fill->colour);
        CSelectObject select(*dc, brush);
        dc->Polygon(points, count);
        break;
    }
    case 2: {
        CClipGuard clip(*dc);
        IntersectClipWithPolygon(dc, points, count, ALTERNATE);
        painter.DrawPolygonGradient(dc, points, count, fill->gradient[0], fill->gradient[1],
                                    fill->gradientStyle, fill->gradientVariant);
        break;
    }
    case 4:
        painter.FillTexturePolygonFromHandle(dc, points, count, TextureOf(m_tables, fill->texture, rendered));
        break;
    case 5:
        painter.FillPatternPolygon(dc, points, count, fill->pattern, fill->patternFore, fill->patternBack);
        break;
    default:
        break;
    }
}

void CChartShapePainter::DrawStyledFace(CDC* dc, const POINT* points, int count, const void*,
                                        const CChartPointStyle& item, int face, int) const
{
    if (!points || count <= 0)
        return;
    const int slot = StyleSlot(face);
    const CFaceFill* fill = slot >= 0 ? &item.faces[slot] : nullptr;
    {
        CSelectObject nullPen(*dc, ::GetStockObject(NULL_PEN));
        FillFace(dc, points, count, fill);
    }
    if (face == 0 && (item.chartType == 0 || item.chartType == 1) && item.highlight && count >= 3) {
        CRect edge(points[0].x, points[0].y, points[2].x, points[2].y);
        edge.NormalizeRect();
        DrawHighlightEdge(dc, edge, HighlightColour(item.faces[0].fillKind, item.faces[0].colour));
    }
    CPen outline;
    CPenMaker().CreateLinePen(outline, item.lineStyle, item.lineWidth, item.lineColour);
    if (!outline.GetSafeHandle())
        return;
    CSelectObject selectPen(*dc, outline);
    DrawClippedPolyline(*dc, points, count, true);
}

std::vector<POINT> CChartShapePainter::FlattenedPath(CDC* dc)
{
    dc->FlattenPath();
    const int count = ::GetPath(*dc, nullptr, nullptr, 0);
    std::vector<POINT> points(size_t(std::max(count, 0)));
    std::vector<BYTE> types(points.size());
    if (count > 0)
        ::GetPath(*dc, points.data(), types.data(), count);
    dc->AbortPath();
    return points;
}

void CChartShapePainter::DrawPathFace(CDC* dc, const std::vector<POINT>& points, int l, int t, int r,
                                      CChartPointStyle& item, int face) const
{
    item.highlight = 0;
    if (points.size() >= 2) {
        DrawStyledFace(dc, points.data(), int(points.size()), nullptr, item, face);
        return;
    }
    const POINT segment[] = {{l, t}, {r, t}};
    DrawStyledFace(dc, segment, 2, nullptr, item, 6);
}

void CChartShapePainter::DrawEllipseFace(CDC* dc, int l, int t, int r, int b, const void*,
                                         CChartPointStyle& item, int face) const
{
    dc->BeginPath();
    dc->Ellipse(l, t, r, b);
    dc->EndPath();
    DrawPathFace(dc, FlattenedPath(dc), l, t, r, item, face);
}

void CChartShapePainter::DrawPieFace(CDC* dc, int l, int t, int r, int b, int x1, int y1, int x2, int y2,
                                     const void*, CChartPointStyle& item, int face) const
{
    dc->BeginPath();
    dc->Pie(CRect(l, t, r, b), CPoint(x1, y1), CPoint(x2, y2));
    dc->CloseFigure();
    dc->EndPath();
    DrawPathFace(dc, FlattenedPath(dc), l, t, r, item, face);
}

void CChartShapePainter::DrawSelectionGrips(CDC* dc, const CChartPointStyle& item) const
{
    static constexpr char kLetters[] = "zblrsx";
    const char* found = item.selectedPart ? std::strchr(kLetters, item.selectedPart) : nullptr;
    if (!found)
        return;
    const int buffer = int(found - kLetters);
    const POINT* points = item.outline[buffer];
    const int n = points ? item.outlineCount[buffer] : 0;
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CSelectObject selectPen(*dc, pen);
    auto ellipse = [&](int i) {
        if (i >= 0 && i < n)
            dc->Ellipse(points[i].x - 3, points[i].y - 3, points[i].x + 3, points[i].y + 3);
    };
    auto square = [&](int i) {
        dc->Rectangle(points[i].x - 2, points[i].y - 2, points[i].x + 2, points[i].y + 2);
        dc->FillSolidRect(CRect(points[i].x - 1, points[i].y - 1, points[i].x + 1, points[i].y + 1),
                          0x00FFFF);
    };
    const char part = item.selectedPart;
    if (item.chartType == 3) {
        for (int i = 0; i < n; ++i) {
            if (part == 'z')
                dc->FillSolidRect(CRect(points[i].x - 2, points[i].y - 2, points[i].x + 2, points[i].y + 2),
                                  0xFF0000);
            else if (part == 'b' || part == 'l' || part == 'r')
                square(i);
            else if (part == 's')
                ellipse(i);
        }
    } else if (item.chartType == 4) {
        if (part == 'b')
            return;
        if (part == 'z' && n > 4) {
            for (int i : {0, n / 4, n / 2 - 1, n / 2, n / 2 + n / 4, n - 1})
                ellipse(i);
        } else if (part == 'z') {
            for (int i = 0; i < n; ++i)
                ellipse(i);
        } else {
            for (int i : {0, n / 4, n / 2, n - n / 4 - 1})
                ellipse(i);
        }
    } else if (part != 'b') {
        for (int i = 0; i < n; ++i)
            ellipse(i);
    }
}
