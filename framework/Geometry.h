#pragma once

// CPoint, CSize and CRect: the Win32 POINT, SIZE and RECT with the arithmetic the control uses.
// They stay layout-compatible with their Win32 records, so a CRect* passes wherever a RECT* goes.

#include <windows.h>

#include <algorithm>

class CSize : public SIZE
{
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(LONG x, LONG y) : SIZE{x, y} {}
    constexpr CSize(SIZE s) : SIZE(s) {}
    friend constexpr bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
    constexpr CSize operator+(CSize o) const { return CSize(cx + o.cx, cy + o.cy); }
    constexpr CSize operator-(CSize o) const { return CSize(cx - o.cx, cy - o.cy); }
};

class CPoint : public POINT
{
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(LONG px, LONG py) : POINT{px, py} {}
    constexpr CPoint(POINT p) : POINT(p) {}
    // Unpacks the coordinates of a mouse message's LPARAM (signed 16-bit each).
    static CPoint FromLParam(LPARAM lp) { return CPoint(short(LOWORD(lp)), short(HIWORD(lp))); }

    void Offset(LONG dx, LONG dy)
    {
        x += dx;
        y += dy;
    }
    friend constexpr bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
    constexpr CPoint operator+(CSize s) const { return CPoint(x + s.cx, y + s.cy); }
    constexpr CPoint operator-(CSize s) const { return CPoint(x - s.cx, y - s.cy); }
    constexpr CSize operator-(CPoint p) const { return CSize(x - p.x, y - p.y); }
    CPoint& operator+=(CSize s)
    {
        Offset(s.cx, s.cy);
        return *this;
    }
};

class CRect : public RECT
{
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& r) : RECT(r) {}
    constexpr CRect(POINT topLeft, SIZE size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy}
    {
    }

    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
    constexpr CSize Size() const { return CSize(Width(), Height()); }
    constexpr CPoint TopLeft() const { return CPoint(left, top); }
    constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
    constexpr CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    // Empty when it has no area (a zero or negative width or height).
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void SetRect(LONG l, LONG t, LONG r, LONG b) { *this = CRect(l, t, r, b); }
    void SetRectEmpty() { *this = CRect(); }
    void OffsetRect(LONG dx, LONG dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void OffsetRect(CSize s) { OffsetRect(s.cx, s.cy); }
    void InflateRect(LONG dx, LONG dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    // Intersection; an empty result becomes the null rectangle as Win32 does.
    bool IntersectRect(const RECT& a, const RECT& b) { return ::IntersectRect(this, &a, &b) != FALSE; }
    bool UnionRect(const RECT& a, const RECT& b) { return ::UnionRect(this, &a, &b) != FALSE; }

    friend constexpr bool operator==(const CRect& a, const CRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    operator RECT*() { return this; }
    operator const RECT*() const { return this; }
};
