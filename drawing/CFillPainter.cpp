#include "drawing/CFillPainter.h"

#include "drawing/GradientLines.h"
#include "drawing/LineClip.h"

#include <algorithm>
#include <climits>

namespace {

void FrameWithCurrentPen(CDC* dc, int l, int t, int r, int b)
{
    CSelectObject hollow(*dc, ::GetStockObject(HOLLOW_BRUSH));
    DrawClippedRectangle(*dc, CRect(l, t, r, b));
}

} // namespace

void CFillPainter::FillSolidRect(CDC* dc, int l, int t, int r, int b, COLORREF colour) const
{
    CBrush brush(colour);
    dc->FillRect(CRect(l, t, r + 1, b), brush);
    FrameWithCurrentPen(dc, l, t, r, b);
}

void CFillPainter::DrawGradient(CDC* dc, int l, int t, int r, int b, COLORREF colour1, COLORREF colour2,
                                int style, int variant) const
{
    if (colour1 == colour2) {
        FillSolidRect(dc, l, t, r, b, colour1);
        return;
    }
    if (style < 0 || style > 5)
        return;
    CGradientLines(*dc, colour1, colour2).Draw(CRect(l, t, r, b), style, variant);
    FrameWithCurrentPen(dc, l, t, r, b);
}

CRect CFillPainter::BoundingBox(const POINT* points, int count)
{
    if (!points || count <= 0)
        return CRect();
    CRect box(LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN);
    for (int i = 0; i < count; ++i) {
        box.left = std::min(box.left, points[i].x);
        box.top = std::min(box.top, points[i].y);
        box.right = std::max(box.right, points[i].x);
        box.bottom = std::max(box.bottom, points[i].y);
    }
    return box;
}

void CFillPainter::DrawPolygonGradient(CDC* dc, const POINT* points, int count, COLORREF colour1,
                                       COLORREF colour2, int style, int variant) const
{
    if (!points || count <= 0)
        return;
    CRect box = BoundingBox(points, count);
    DrawGradient(dc, box.left, box.top, box.right, box.bottom, colour1, colour2, style, variant);
}

void CFillPainter::FillTextureRect(CDC* dc, int l, int t, int r, int b, const CBitmap* bitmap) const
{
    FillTextureRectFromHandle(dc, l, t, r, b, bitmap ? static_cast<HBITMAP>(*bitmap) : nullptr);
}

void CFillPainter::FillTextureRectFromHandle(CDC* dc, int l, int t, int r, int b, HBITMAP bitmap) const
{
    if (!bitmap)
        return;
    CBrush brush;
    if (!brush.CreatePatternBrush(bitmap))
        return;
    CPoint oldOrigin = dc->SetBrushOrg(l, t);
    dc->FillRect(CRect(l, t, r, b), brush);
    FrameWithCurrentPen(dc, l, t, r - 1, b);
    dc->SetBrushOrg(oldOrigin.x, oldOrigin.y);
}

void CFillPainter::FillTexturePolygon(CDC* dc, const POINT* points, int count, const CBitmap* bitmap) const
{
    FillTexturePolygonFromHandle(dc, points, count, bitmap ? static_cast<HBITMAP>(*bitmap) : nullptr);
}

void CFillPainter::FillTexturePolygonFromHandle(CDC* dc, const POINT* points, int count, HBITMAP bitmap) const
{
    if (!bitmap || !points || count <= 0)
        return;
    CBrush brush;
    if (!brush.CreatePatternBrush(bitmap))
        return;
    CSelectObject select(*dc, brush);
    dc->Polygon(points, count);
}

// The cell is drawn in a 32-bpp DIB section, so the colours are exact whatever the target device.
bool CFillPainter::CreatePatternBrush(CDC*, int pattern, COLORREF foreground, COLORREF background,
                                      CBrush& brush) const
{
    const FillPatternEntry* entry = m_tables.Pattern(pattern);
    if (!entry)
        return false;
    CBitmap cell;
    DWORD* bits = nullptr;
    if (!cell.CreateDIBSection32(8, 8, &bits))
        return false;
    auto toPixel = [](COLORREF c) {
        return DWORD(GetRValue(c)) << 16 | DWORD(GetGValue(c)) << 8 | GetBValue(c);
    };
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            bits[y * 8 + x] = toPixel(entry->pixels[x * 8 + y] ? foreground : background);
    return brush.CreatePatternBrush(cell);
}

void CFillPainter::FillPatternRect(CDC* dc, int l, int t, int r, int b, int pattern, COLORREF foreground,
                                   COLORREF background) const
{
    CBrush brush;
    if (!CreatePatternBrush(dc, pattern, foreground, background, brush))
        return;
    CSelectObject select(*dc, brush);
    DrawClippedRectangle(*dc, CRect(l, t, r - 1, b));
}

void CFillPainter::FillPatternPolygon(CDC* dc, const POINT* points, int count, int pattern,
                                      COLORREF foreground, COLORREF background) const
{
    if (!points || count <= 0)
        return;
    CBrush brush;
    if (!CreatePatternBrush(dc, pattern, foreground, background, brush))
        return;
    CSelectObject select(*dc, brush);
    dc->Polygon(points, count);
}
