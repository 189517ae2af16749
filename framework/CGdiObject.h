#pragma once

// Owning wrappers of GDI objects: each deletes the handle it holds unless it was detached.
// They are move-only, so a handle is never deleted twice.

#include "framework/CString.h"
#include "framework/Geometry.h"

#include <windows.h>

#include <utility>

class CDC;

class CGdiObject
{
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    ~CGdiObject() { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of handle, deleting the one held before.
    bool Attach(HGDIOBJ handle)
    {
        DeleteObject();
        m_hObject = handle;
        return handle != nullptr;
    }
    HGDIOBJ Detach() { return std::exchange(m_hObject, nullptr); }
    bool DeleteObject()
    {
        HGDIOBJ handle = Detach();
        return handle && ::DeleteObject(handle);
    }
    int GetObject(int size, void* buffer) const { return ::GetObjectW(m_hObject, size, buffer); }

protected:
    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    bool CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
    bool CreatePenIndirect(const LOGPEN* pen) { return Attach(::CreatePenIndirect(pen)); }
    // Geometric pens: flat ends and mitred joins, as thick chart lines need.
    bool CreateExtPen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount = 0,
                      const DWORD* styles = nullptr)
    {
        return Attach(::ExtCreatePen(style, width, brush, styleCount, styles));
    }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    bool CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    bool CreateHatchBrush(int hatch, COLORREF color) { return Attach(::CreateHatchBrush(hatch, color)); }
    bool CreatePatternBrush(HBITMAP bitmap) { return Attach(::CreatePatternBrush(bitmap)); }
    bool CreateBrushIndirect(const LOGBRUSH* brush) { return Attach(::CreateBrushIndirect(brush)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

// Fonts are described by LOGFONTA records holding code page 936 face names; the font itself is
// always made through the wide API.
class CFont : public CGdiObject
{
public:
    // The largest height and width a font is made with, in the DC's units: the platform draws each
    // glyph at the size asked for, so a cell or a title with a height read from a file could make a
    // single paint take minutes. A record asking for more gets a font of this size.
    static constexpr LONG kMaxSize = 1024;

    bool CreateFontIndirect(const LOGFONTA* font);
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName);
    // Size in tenths of a point for the given device (the screen when dc is null).
    bool CreatePointFont(int pointSize10, const char* faceName, HDC dc = nullptr);
    bool GetLogFont(LOGFONTA* font) const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }

    static LOGFONTW ToWide(const LOGFONTA& font);
    static LOGFONTA FromWide(const LOGFONTW& font);
    // Puts face (code page 936) into the record's face field, always terminated: a face too long
    // for it is cut after its last whole character, never inside a double-byte one. The rest of
    // the field is zeroed.
    static void SetFaceName(LOGFONTA& font, const char* face);
};

class CBitmap : public CGdiObject
{
public:
    bool CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
    {
        return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    }
    bool CreateCompatibleBitmap(HDC dc, int width, int height)
    {
        return Attach(::CreateCompatibleBitmap(dc, width, height));
    }
    // A top-down 32-bpp DIB section; bits receives its pixels (0x00RRGGBB each).
    bool CreateDIBSection32(int width, int height, DWORD** bits = nullptr);
    bool LoadBitmap(UINT id, HINSTANCE module) { return Attach(::LoadBitmapW(module, MAKEINTRESOURCEW(id))); }
    bool GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info) != 0; }
    CSize GetSize() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CRgn : public CGdiObject
{
public:
    bool CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
    bool CreateRectRgnIndirect(const RECT* rect) { return Attach(::CreateRectRgnIndirect(rect)); }
    bool CreateEllipticRgn(int l, int t, int r, int b) { return Attach(::CreateEllipticRgn(l, t, r, b)); }
    bool CreateEllipticRgnIndirect(const RECT* rect) { return Attach(::CreateEllipticRgnIndirect(rect)); }
    bool CreatePolygonRgn(const POINT* points, int count, int fillMode)
    {
        return Attach(::CreatePolygonRgn(points, count, fillMode));
    }
    bool CreateRoundRectRgn(int l, int t, int r, int b, int w, int h)
    {
        return Attach(::CreateRoundRectRgn(l, t, r, b, w, h));
    }
    // The region of the path last closed in dc; the path is consumed.
    bool CreateFromPath(HDC dc) { return Attach(::PathToRegion(dc)); }
    int CombineRgn(HRGN a, HRGN b, int mode) { return ::CombineRgn(*this, a, b, mode); }
    bool PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y) != FALSE; }
    int GetRgnBox(RECT* rect) const { return ::GetRgnBox(*this, rect); }
    int OffsetRgn(int dx, int dy) { return ::OffsetRgn(*this, dx, dy); }
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};
