#pragma once

// Paints the fill effects: a solid colour, a two-colour gradient (six styles, four variants each),
// a texture bitmap and an 8 x 8 pattern of the control's pattern table. The gradient is a run of
// one-pixel lines, each with its own pen, so that it prints on any device. Rectangle fills end by
// framing the rectangle with the DC's current pen, so callers select their border pen first.

#include "drawing/DrawingTables.h"
#include "framework/CDC.h"

class CFillPainter
{
public:
    explicit CFillPainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CFillPainter() = default;

    void FillSolidRect(CDC* dc, int l, int t, int r, int b, COLORREF colour) const;
    void DrawGradient(CDC* dc, int l, int t, int r, int b, COLORREF colour1, COLORREF colour2, int style,
                      int variant) const;
    void DrawPolygonGradient(CDC* dc, const POINT* points, int count, COLORREF colour1, COLORREF colour2,
                             int style, int variant) const;
    void FillTextureRect(CDC* dc, int l, int t, int r, int b, const CBitmap* bitmap) const;
    void FillTextureRectFromHandle(CDC* dc, int l, int t, int r, int b, HBITMAP bitmap) const;
    void FillTexturePolygon(CDC* dc, const POINT* points, int count, const CBitmap* bitmap) const;
    void FillTexturePolygonFromHandle(CDC* dc, const POINT* points, int count, HBITMAP bitmap) const;
    void FillPatternRect(CDC* dc, int l, int t, int r, int b, int pattern, COLORREF foreground,
                         COLORREF background) const;
    void FillPatternPolygon(CDC* dc, const POINT* points, int count, int pattern, COLORREF foreground,
                            COLORREF background) const;

    // The bounding box of points, normalised so that it works for any sign of coordinates; an
    // empty point list gives the null rectangle.
    static CRect BoundingBox(const POINT* points, int count);

    const CFillTables& Tables() const { return m_tables; }

private:
    // The pattern brush of a table entry in the two colours, or no brush for a bad index.
    bool CreatePatternBrush(CDC* dc, int pattern, COLORREF foreground, COLORREF background,
                            CBrush& brush) const;

    CFillTables m_tables;
};
