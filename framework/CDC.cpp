#include "framework/CDC.h"

#include <cstring>
#include <vector>

namespace {

int TextLength(const char* text, int length)
{
    if (!text)
        return 0;
    return length < 0 ? int(std::strlen(text)) : length;
}

std::wstring Widen(const char* text, int length)
{
    return CString(text, TextLength(text, length)).ToWide();
}

// Folds per-byte advances into per-character ones: a double-byte character advances by the sum
// of its two byte entries.
std::vector<int> WideAdvances(const char* text, int length, const int* widths)
{
    std::vector<int> advances;
    for (int i = 0; i < length; ++i) {
        int advance = widths[i];
        if (IsLeadByte936(static_cast<unsigned char>(text[i])) && i + 1 < length)
            advance += widths[++i];
        advances.push_back(advance);
    }
    return advances;
}

} // namespace

CDC::CDC(CDC&& other) noexcept
    : m_hDC(std::exchange(other.m_hDC, nullptr)), m_hAttribDC(std::exchange(other.m_hAttribDC, nullptr)),
      m_ownership(std::exchange(other.m_ownership, Ownership::None)),
      m_hWnd(std::exchange(other.m_hWnd, nullptr)), m_bPrinting(other.m_bPrinting)
{
}

CDC& CDC::operator=(CDC&& other) noexcept
{
    if (this != &other) {
        DeleteDC();
        m_hDC = std::exchange(other.m_hDC, nullptr);
        m_hAttribDC = std::exchange(other.m_hAttribDC, nullptr);
        m_ownership = std::exchange(other.m_ownership, Ownership::None);
        m_hWnd = std::exchange(other.m_hWnd, nullptr);
        m_bPrinting = other.m_bPrinting;
    }
    return *this;
}

CDC::~CDC()
{
    DeleteDC();
}

bool CDC::Attach(HDC hdc)
{
    DeleteDC();
    m_hDC = m_hAttribDC = hdc;
    m_ownership = Ownership::None;
    return hdc != nullptr;
}

HDC CDC::Detach()
{
    HDC hdc = std::exchange(m_hDC, nullptr);
    m_hAttribDC = nullptr;
    m_ownership = Ownership::None;
    return hdc;
}

bool CDC::CreateCompatibleDC(const CDC* model)
{
    return CreateCompatibleDC(model ? model->m_hDC : nullptr);
}

bool CDC::CreateCompatibleDC(HDC model)
{
    DeleteDC();
    HDC hdc = ::CreateCompatibleDC(model);
    if (!hdc)
        return false;
    m_hDC = m_hAttribDC = hdc;
    m_ownership = Ownership::Delete;
    return true;
}

bool CDC::CreateDC(const char* driver, const char* device, const DEVMODEW* mode)
{
    DeleteDC();
    std::wstring wideDriver = Widen(driver, -1), wideDevice = Widen(device, -1);
    HDC hdc = ::CreateDCW(driver ? wideDriver.c_str() : nullptr, device ? wideDevice.c_str() : nullptr,
                          nullptr, mode);
    if (!hdc)
        return false;
    m_hDC = m_hAttribDC = hdc;
    m_ownership = Ownership::Delete;
    return true;
}

// Deletes the DC only when this object created it; a wrapped handle is just forgotten.
bool CDC::DeleteDC()
{
    bool owned = m_ownership == Ownership::Delete;
    HDC hdc = Detach();
    return owned && hdc && ::DeleteDC(hdc);
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) const
{
    HGDIOBJ old = nullptr;
    if (m_hDC != m_hAttribDC && m_hDC)
        old = ::SelectObject(m_hDC, object);
    if (m_hAttribDC)
        old = ::SelectObject(m_hAttribDC, object);
    return old;
}

// Applies a setter to the output DC and, when different, to the attribute DC; returns the
// attribute DC's previous value.
template <typename Result, typename Setter> static Result SetOnBoth(HDC output, HDC attrib, Setter set)
{
    Result old{};
    if (output != attrib && output)
        old = set(output);
    if (attrib)
        old = set(attrib);
    return old;
}

COLORREF CDC::SetTextColor(COLORREF color) const
{
    return SetOnBoth<COLORREF>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetTextColor(dc, color); });
}

COLORREF CDC::SetBkColor(COLORREF color) const
{
    return SetOnBoth<COLORREF>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetBkColor(dc, color); });
}

int CDC::SetBkMode(int mode) const
{
    return SetOnBoth<int>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetBkMode(dc, mode); });
}

UINT CDC::SetTextAlign(UINT flags) const
{
    return SetOnBoth<UINT>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetTextAlign(dc, flags); });
}

int CDC::SetROP2(int mode) const
{
    return SetOnBoth<int>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetROP2(dc, mode); });
}

int CDC::SetPolyFillMode(int mode) const
{
    return SetOnBoth<int>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetPolyFillMode(dc, mode); });
}

int CDC::SetStretchBltMode(int mode) const
{
    return SetOnBoth<int>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetStretchBltMode(dc, mode); });
}

int CDC::SetGraphicsMode(int mode) const
{
    return SetOnBoth<int>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetGraphicsMode(dc, mode); });
}

int CDC::SetMapMode(int mode) const
{
    return SetOnBoth<int>(m_hDC, m_hAttribDC, [&](HDC dc) { return ::SetMapMode(dc, mode); });
}

CPoint CDC::SetViewportOrg(int x, int y) const
{
    return SetOnBoth<CPoint>(m_hDC, m_hAttribDC, [&](HDC dc) {
        POINT old{};
        ::SetViewportOrgEx(dc, x, y, &old);
        return CPoint(old);
    });
}

CPoint CDC::GetViewportOrg() const
{
    POINT p{};
    ::GetViewportOrgEx(m_hAttribDC, &p);
    return p;
}

CSize CDC::SetViewportExt(int cx, int cy) const
{
    return SetOnBoth<CSize>(m_hDC, m_hAttribDC, [&](HDC dc) {
        SIZE old{};
        ::SetViewportExtEx(dc, cx, cy, &old);
        return CSize(old);
    });
}

CPoint CDC::SetWindowOrg(int x, int y) const
{
    return SetOnBoth<CPoint>(m_hDC, m_hAttribDC, [&](HDC dc) {
        POINT old{};
        ::SetWindowOrgEx(dc, x, y, &old);
        return CPoint(old);
    });
}

CPoint CDC::GetWindowOrg() const
{
    POINT p{};
    ::GetWindowOrgEx(m_hAttribDC, &p);
    return p;
}

CSize CDC::SetWindowExt(int cx, int cy) const
{
    return SetOnBoth<CSize>(m_hDC, m_hAttribDC, [&](HDC dc) {
        SIZE old{};
        ::SetWindowExtEx(dc, cx, cy, &old);
        return CSize(old);
    });
}

CPoint CDC::SetBrushOrg(int x, int y) const
{
    POINT old{};
    ::SetBrushOrgEx(m_hDC, x, y, &old);
    return old;
}

CPoint CDC::MoveTo(int x, int y) const
{
    return SetOnBoth<CPoint>(m_hDC, m_hAttribDC, [&](HDC dc) {
        POINT old{};
        ::MoveToEx(dc, x, y, &old);
        return CPoint(old);
    });
}

CPoint CDC::GetCurrentPosition() const
{
    POINT p{};
    ::GetCurrentPositionEx(m_hAttribDC, &p);
    return p;
}

bool CDC::Arc(const RECT& r, POINT start, POINT end) const
{
    return ::Arc(m_hDC, r.left, r.top, r.right, r.bottom, start.x, start.y, end.x, end.y) != FALSE;
}

bool CDC::Pie(const RECT& r, POINT start, POINT end) const
{
    return ::Pie(m_hDC, r.left, r.top, r.right, r.bottom, start.x, start.y, end.x, end.y) != FALSE;
}

bool CDC::Chord(const RECT& r, POINT start, POINT end) const
{
    return ::Chord(m_hDC, r.left, r.top, r.right, r.bottom, start.x, start.y, end.x, end.y) != FALSE;
}

// Fills through the background colour, which needs no brush; the DC's colour is put back.
void CDC::FillSolidRect(const RECT& r, COLORREF color) const
{
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::Draw3dRect(const RECT& r, COLORREF topLeft, COLORREF bottomRight) const
{
    const int cx = r.right - r.left, cy = r.bottom - r.top;
    FillSolidRect(r.left, r.top, cx - 1, 1, topLeft);
    FillSolidRect(r.left, r.top, 1, cy - 1, topLeft);
    FillSolidRect(r.right - 1, r.top, 1, cy, bottomRight);
    FillSolidRect(r.left, r.bottom - 1, cx, 1, bottomRight);
}

bool CDC::TextOut(int x, int y, const char* text, int length) const
{
    std::wstring wide = Widen(text, length);
    return ::TextOutW(m_hDC, x, y, wide.c_str(), int(wide.size())) != FALSE;
}

bool CDC::ExtTextOut(int x, int y, UINT options, const RECT* rect, const char* text, int length,
                     const int* widths) const
{
    length = TextLength(text, length);
    std::wstring wide = Widen(text, length);
    std::vector<int> advances;
    if (widths)
        advances = WideAdvances(text, length, widths);
    // A malformed text may convert to another count than the advances cover; then use none.
    const int* dx = widths && advances.size() == wide.size() ? advances.data() : nullptr;
    return ::ExtTextOutW(m_hDC, x, y, options, rect, wide.c_str(), UINT(wide.size()), dx) != FALSE;
}

int CDC::DrawText(const char* text, int length, RECT* rect, UINT format) const
{
    std::wstring wide = Widen(text, length);
    // DT_MODIFYSTRING would write wide characters back into a byte text: never pass it on.
    format &= ~UINT(DT_MODIFYSTRING);
    HDC dc = (format & DT_CALCRECT) ? m_hAttribDC : m_hDC;
    return ::DrawTextW(dc, wide.c_str(), int(wide.size()), rect, format);
}

CSize CDC::GetTextExtent(const char* text, int length) const
{
    std::wstring wide = Widen(text, length);
    SIZE size{};
    ::GetTextExtentPoint32W(m_hAttribDC, wide.c_str(), int(wide.size()), &size);
    return size;
}

std::vector<int> CDC::GetCharacterEnds(const CString& text) const
{
    const std::wstring wide = Widen(text, text.GetLength());
    std::vector<int> ends(wide.size());
    SIZE size{};
    int fit = 0;
    if (wide.empty() ||
        !::GetTextExtentExPointW(m_hAttribDC, wide.c_str(), int(wide.size()), 0, &fit, ends.data(), &size))
        ends.clear();
    return ends;
}

CSize CDC::GetOutputTextExtent(const char* text, int length) const
{
    std::wstring wide = Widen(text, length);
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, wide.c_str(), int(wide.size()), &size);
    return size;
}

CString CDC::GetTextFace() const
{
    wchar_t face[LF_FACESIZE] = {};
    int length = ::GetTextFaceW(m_hAttribDC, LF_FACESIZE, face);
    return CString::FromWide(face, length > 0 ? int(wcsnlen(face, LF_FACESIZE)) : 0);
}

CPaintDC::CPaintDC(HWND wnd)
{
    HDC hdc = ::BeginPaint(wnd, &m_ps);
    m_hDC = m_hAttribDC = hdc;
    m_hWnd = wnd;
    m_ownership = Ownership::EndPaint;
}

CPaintDC::~CPaintDC()
{
    if (m_ownership == Ownership::EndPaint)
        ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(HWND wnd)
{
    m_hDC = m_hAttribDC = ::GetDC(wnd);
    m_hWnd = wnd;
    m_ownership = Ownership::Release;
}

CClientDC::~CClientDC()
{
    if (m_ownership == Ownership::Release && m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    Detach();
}

CWindowDC::CWindowDC(HWND wnd)
{
    m_hDC = m_hAttribDC = ::GetWindowDC(wnd);
    m_hWnd = wnd;
    m_ownership = Ownership::Release;
}

CWindowDC::~CWindowDC()
{
    if (m_ownership == Ownership::Release && m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    Detach();
}
