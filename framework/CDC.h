#pragma once

// A device context with an output DC (m_hDC, where drawing goes) and an attribute DC (m_hAttribDC,
// which answers queries such as text extents and metrics). Usually both are the same handle; a
// print preview or metafile recording sets them apart.
//
// Ownership: a CDC made by CreateCompatibleDC (or CreateDC) deletes its DC when destroyed. A CDC
// that wraps an existing handle (the HDC constructor, Attach or FromHandle) never deletes it: the
// caller keeps ownership. CPaintDC, CClientDC and CWindowDC release what they took from a window.
//
// Text members take code page 936 bytes and call the wide API, converting explicitly.

#include "framework/CGdiObject.h"
#include "framework/CString.h"
#include "framework/Geometry.h"

#include <windows.h>

#include <utility>
#include <vector>

class CDC
{
public:
    CDC() = default;
    // Wraps hdc without owning it.
    explicit CDC(HDC hdc) { Attach(hdc); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    CDC(CDC&& other) noexcept;
    CDC& operator=(CDC&& other) noexcept;
    virtual ~CDC();

    // A non-owning wrapper of hdc, valid while hdc is.
    static CDC FromHandle(HDC hdc) { return CDC(hdc); }

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    bool Attach(HDC hdc);
    HDC Detach();
    void SetAttribDC(HDC hdc) { m_hAttribDC = hdc; }
    void SetOutputDC(HDC hdc) { m_hDC = hdc; }
    void ReleaseAttribDC() { m_hAttribDC = m_hDC; }
    bool IsPrinting() const { return m_bPrinting; }
    void SetPrinting(bool printing) { m_bPrinting = printing; }

    bool CreateCompatibleDC(const CDC* model);
    bool CreateCompatibleDC(HDC model);
    bool CreateDC(const char* driver, const char* device, const DEVMODEW* mode);
    bool DeleteDC();

    int SaveDC() const { return ::SaveDC(m_hDC); }
    bool RestoreDC(int saved) const { return ::RestoreDC(m_hDC, saved) != FALSE; }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hAttribDC, index); }

    // Selection returns the handle it replaced; prefer CSelectObject, which restores it.
    HGDIOBJ SelectObject(HGDIOBJ object) const;
    HGDIOBJ SelectStockObject(int index) const { return SelectObject(::GetStockObject(index)); }
    HGDIOBJ GetCurrentObject(UINT type) const { return ::GetCurrentObject(m_hDC, type); }

    // Attributes are set on both DCs so queries and output agree.
    COLORREF SetTextColor(COLORREF color) const;
    COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
    COLORREF SetBkColor(COLORREF color) const;
    COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
    int SetBkMode(int mode) const;
    int GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
    UINT SetTextAlign(UINT flags) const;
    UINT GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
    int SetROP2(int mode) const;
    int SetPolyFillMode(int mode) const;
    int SetStretchBltMode(int mode) const;
    int SetGraphicsMode(int mode) const;
    int SetMapMode(int mode) const;
    int GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
    CPoint SetViewportOrg(int x, int y) const;
    CPoint GetViewportOrg() const;
    CSize SetViewportExt(int cx, int cy) const;
    CPoint SetWindowOrg(int x, int y) const;
    CPoint GetWindowOrg() const;
    CSize SetWindowExt(int cx, int cy) const;
    CPoint SetBrushOrg(int x, int y) const;
    void DPtoLP(POINT* points, int count = 1) const { ::DPtoLP(m_hAttribDC, points, count); }
    void DPtoLP(RECT* rect) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<POINT*>(rect), 2); }
    void LPtoDP(POINT* points, int count = 1) const { ::LPtoDP(m_hAttribDC, points, count); }
    void LPtoDP(RECT* rect) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<POINT*>(rect), 2); }

    // Lines and shapes, with the current pen and brush.
    CPoint MoveTo(int x, int y) const;
    CPoint MoveTo(POINT p) const { return MoveTo(p.x, p.y); }
    bool LineTo(int x, int y) const { return ::LineTo(m_hDC, x, y) != FALSE; }
    bool LineTo(POINT p) const { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;
    bool Polyline(const POINT* points, int count) const { return ::Polyline(m_hDC, points, count) != FALSE; }
    bool Polygon(const POINT* points, int count) const { return ::Polygon(m_hDC, points, count) != FALSE; }
    bool PolyPolygon(const POINT* points, const int* counts, int polygons) const
    {
        return ::PolyPolygon(m_hDC, points, counts, polygons) != FALSE;
    }
    bool PolyBezier(const POINT* points, DWORD count) const
    {
        return ::PolyBezier(m_hDC, points, count) != FALSE;
    }
    bool Rectangle(int l, int t, int r, int b) const { return ::Rectangle(m_hDC, l, t, r, b) != FALSE; }
    bool Rectangle(const RECT& r) const { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool RoundRect(const RECT& r, POINT corner) const
    {
        return ::RoundRect(m_hDC, r.left, r.top, r.right, r.bottom, corner.x, corner.y) != FALSE;
    }
    bool Ellipse(int l, int t, int r, int b) const { return ::Ellipse(m_hDC, l, t, r, b) != FALSE; }
    bool Ellipse(const RECT& r) const { return Ellipse(r.left, r.top, r.right, r.bottom); }
    bool Arc(const RECT& r, POINT start, POINT end) const;
    bool Pie(const RECT& r, POINT start, POINT end) const;
    bool Chord(const RECT& r, POINT start, POINT end) const;
    bool SetPixel(int x, int y, COLORREF color) const { return ::SetPixelV(m_hDC, x, y, color) != FALSE; }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    // Fills that need no selection.
    void FillRect(const RECT& r, HBRUSH brush) const { ::FillRect(m_hDC, &r, brush); }
    void FillSolidRect(const RECT& r, COLORREF color) const;
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color) const
    {
        FillSolidRect(CRect(x, y, x + cx, y + cy), color);
    }
    void FrameRect(const RECT& r, HBRUSH brush) const { ::FrameRect(m_hDC, &r, brush); }
    void InvertRect(const RECT& r) const { ::InvertRect(m_hDC, &r); }
    void DrawFocusRect(const RECT& r) const { ::DrawFocusRect(m_hDC, &r); }
    bool DrawEdge(RECT* r, UINT edge, UINT flags) const { return ::DrawEdge(m_hDC, r, edge, flags) != FALSE; }
    void Draw3dRect(const RECT& r, COLORREF topLeft, COLORREF bottomRight) const;
    bool DrawIcon(int x, int y, HICON icon) const { return ::DrawIcon(m_hDC, x, y, icon) != FALSE; }
    bool PatBlt(int x, int y, int cx, int cy, DWORD rop) const
    {
        return ::PatBlt(m_hDC, x, y, cx, cy, rop) != FALSE;
    }
    bool BitBlt(int x, int y, int cx, int cy, HDC source, int sx, int sy, DWORD rop) const
    {
        return ::BitBlt(m_hDC, x, y, cx, cy, source, sx, sy, rop) != FALSE;
    }
    bool StretchBlt(int x, int y, int cx, int cy, HDC source, int sx, int sy, int scx, int scy,
                    DWORD rop) const
    {
        return ::StretchBlt(m_hDC, x, y, cx, cy, source, sx, sy, scx, scy, rop) != FALSE;
    }

    // Text in code page 936 bytes; a length of -1 means up to the terminating NUL.
    bool TextOut(int x, int y, const char* text, int length = -1) const;
    bool TextOut(int x, int y, const CString& text) const { return TextOut(x, y, text, text.GetLength()); }
    // widths, when given, has one advance per byte (the second byte of a double-byte character
    // adds to the first), as code page 936 callers count them.
    bool ExtTextOut(int x, int y, UINT options, const RECT* rect, const char* text, int length,
                    const int* widths = nullptr) const;
    int DrawText(const char* text, int length, RECT* rect, UINT format) const;
    int DrawText(const CString& text, RECT* rect, UINT format) const
    {
        return DrawText(text, text.GetLength(), rect, format);
    }
    CSize GetTextExtent(const char* text, int length = -1) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
    CSize GetOutputTextExtent(const char* text, int length = -1) const;
    // For each character of the text, the advance from the text's start to the character's end;
    // empty when the text cannot be measured.
    std::vector<int> GetCharacterEnds(const CString& text) const;
    bool GetTextMetrics(TEXTMETRICW* metrics) const
    {
        return ::GetTextMetricsW(m_hAttribDC, metrics) != FALSE;
    }
    CString GetTextFace() const;

    // Paths.
    bool BeginPath() const { return ::BeginPath(m_hDC) != FALSE; }
    bool EndPath() const { return ::EndPath(m_hDC) != FALSE; }
    bool AbortPath() const { return ::AbortPath(m_hDC) != FALSE; }
    bool CloseFigure() const { return ::CloseFigure(m_hDC) != FALSE; }
    bool FillPath() const { return ::FillPath(m_hDC) != FALSE; }
    bool StrokePath() const { return ::StrokePath(m_hDC) != FALSE; }
    bool StrokeAndFillPath() const { return ::StrokeAndFillPath(m_hDC) != FALSE; }
    bool WidenPath() const { return ::WidenPath(m_hDC) != FALSE; }
    bool FlattenPath() const { return ::FlattenPath(m_hDC) != FALSE; }
    bool SelectClipPath(int mode) const { return ::SelectClipPath(m_hDC, mode) != FALSE; }

    // Clipping.
    int SelectClipRgn(HRGN region) const { return ::SelectClipRgn(m_hDC, region); }
    int SelectClipRgn(HRGN region, int mode) const { return ::ExtSelectClipRgn(m_hDC, region, mode); }
    int IntersectClipRect(int l, int t, int r, int b) const { return ::IntersectClipRect(m_hDC, l, t, r, b); }
    int IntersectClipRect(const RECT& r) const { return IntersectClipRect(r.left, r.top, r.right, r.bottom); }
    int ExcludeClipRect(int l, int t, int r, int b) const { return ::ExcludeClipRect(m_hDC, l, t, r, b); }
    int ExcludeClipRect(const RECT& r) const { return ExcludeClipRect(r.left, r.top, r.right, r.bottom); }
    int OffsetClipRgn(int dx, int dy) const { return ::OffsetClipRgn(m_hDC, dx, dy); }
    int GetClipBox(RECT* rect) const { return ::GetClipBox(m_hDC, rect); }
    bool PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y) != FALSE; }
    bool RectVisible(const RECT& r) const { return ::RectVisible(m_hDC, &r) != FALSE; }

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

protected:
    enum class Ownership
    {
        None,
        Delete,
        Release,
        EndPaint
    };
    Ownership m_ownership = Ownership::None;
    HWND m_hWnd = nullptr;
    bool m_bPrinting = false;
};

// Selects a GDI object into a DC for the scope of the guard, then puts back what it replaced. Given
// a CDC whose attribute DC is not its output DC (print preview), the object goes into both, so text
// is measured with the font it is drawn with.
class CSelectObject
{
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_output(dc, object) {}
    CSelectObject(const CDC& dc, HGDIOBJ object)
        : m_output(dc.m_hDC, object),
          m_attribute(dc.m_hAttribDC != dc.m_hDC ? dc.m_hAttribDC : nullptr, object)
    {
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    class Selection
    {
    public:
        Selection(HDC dc, HGDIOBJ object)
            : m_dc(dc), m_old(dc && object ? ::SelectObject(dc, object) : nullptr)
        {
        }
        Selection(const Selection&) = delete;
        Selection& operator=(const Selection&) = delete;
        ~Selection()
        {
            if (m_old)
                ::SelectObject(m_dc, m_old);
        }

    private:
        HDC m_dc;
        HGDIOBJ m_old;
    };
    Selection m_output;
    Selection m_attribute{nullptr, nullptr};
};

// Saves the whole DC state (objects, modes, clipping, mapping) and restores it at scope end.
class CSaveDC
{
public:
    explicit CSaveDC(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc)) {}
    explicit CSaveDC(const CDC& dc) : CSaveDC(dc.GetSafeHdc()) {}
    CSaveDC(const CSaveDC&) = delete;
    CSaveDC& operator=(const CSaveDC&) = delete;
    ~CSaveDC()
    {
        if (m_saved)
            ::RestoreDC(m_dc, m_saved);
    }

private:
    HDC m_dc;
    int m_saved;
};

// The DC of a WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(HWND wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};
};

// The client-area DC of a window, released on destruction.
class CClientDC : public CDC
{
public:
    explicit CClientDC(HWND wnd);
    ~CClientDC() override;
};

// The DC of a whole window, frame included, released on destruction.
class CWindowDC : public CDC
{
public:
    explicit CWindowDC(HWND wnd);
    ~CWindowDC() override;
};

// Keeps the DC's clip region as it is on construction and puts exactly that region back (or no
// clipping, when there was none) at scope end.
class CClipGuard
{
public:
    explicit CClipGuard(HDC dc) : m_dc(dc), m_saved(::CreateRectRgn(0, 0, 0, 0))
    {
        if (::GetClipRgn(dc, m_saved) != 1) {
            ::DeleteObject(m_saved);
            m_saved = nullptr;
        }
    }
    explicit CClipGuard(const CDC& dc) : CClipGuard(dc.GetSafeHdc()) {}
    CClipGuard(const CClipGuard&) = delete;
    CClipGuard& operator=(const CClipGuard&) = delete;
    ~CClipGuard()
    {
        ::SelectClipRgn(m_dc, m_saved);
        if (m_saved)
            ::DeleteObject(m_saved);
    }

private:
    HDC m_dc;
    HRGN m_saved;
};
