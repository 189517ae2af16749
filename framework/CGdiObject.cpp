#include "framework/CGdiObject.h"

#include <algorithm>
#include <cstring>

LOGFONTW CFont::ToWide(const LOGFONTA& font)
{
    LOGFONTW wide{};
    std::memcpy(&wide, &font, offsetof(LOGFONTA, lfFaceName));
    std::wstring face = CString(font.lfFaceName, int(strnlen(font.lfFaceName, LF_FACESIZE))).ToWide();
    wcsncpy(wide.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return wide;
}

LOGFONTA CFont::FromWide(const LOGFONTW& font)
{
    LOGFONTA narrow{};
    std::memcpy(&narrow, &font, offsetof(LOGFONTW, lfFaceName));
    SetFaceName(narrow, CString::FromWide(font.lfFaceName, int(wcsnlen(font.lfFaceName, LF_FACESIZE))));
    return narrow;
}

void CFont::SetFaceName(LOGFONTA& font, const char* face)
{
    const CString name(face);
    int length = 0;
    for (int next = 0; length < name.GetLength(); length = next) {
        next = name.NextCharIndex(length);
        if (next > LF_FACESIZE - 1)
            break;
    }
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::memcpy(font.lfFaceName, name.GetString(), size_t(length));
}

bool CFont::CreateFontIndirect(const LOGFONTA* font)
{
    if (!font)
        return false;
    LOGFONTW wide = ToWide(*font);
    auto bounded = [](LONG size) { return std::clamp<LONG>(size, -kMaxSize, kMaxSize); };
    wide.lfHeight = bounded(wide.lfHeight);
    wide.lfWidth = bounded(wide.lfWidth);
    return Attach(::CreateFontIndirectW(&wide));
}

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, const char* faceName)
{
    LOGFONTA font{height,    width,   escapement,   orientation,   weight,  italic,         underline,
                  strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily, {}};
    if (faceName)
        SetFaceName(font, faceName);
    return CreateFontIndirect(&font);
}

bool CFont::CreatePointFont(int pointSize10, const char* faceName, HDC dc)
{
    HDC screen = dc ? nullptr : ::GetDC(nullptr);
    HDC used = dc ? dc : screen;
    POINT size{0, ::MulDiv(::GetDeviceCaps(used, LOGPIXELSY), pointSize10, 720)};
    POINT origin{0, 0};
    ::DPtoLP(used, &size, 1);
    ::DPtoLP(used, &origin, 1);
    if (screen)
        ::ReleaseDC(nullptr, screen);
    LOGFONTA font{};
    font.lfHeight = -std::abs(size.y - origin.y);
    font.lfCharSet = DEFAULT_CHARSET;
    if (faceName)
        SetFaceName(font, faceName);
    return CreateFontIndirect(&font);
}

bool CFont::GetLogFont(LOGFONTA* font) const
{
    LOGFONTW wide{};
    if (!font || !GetObject(sizeof(wide), &wide))
        return false;
    *font = FromWide(wide);
    return true;
}

bool CBitmap::CreateDIBSection32(int width, int height, DWORD** bits)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    bool made = Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bits)
        *bits = static_cast<DWORD*>(pixels);
    return made;
}

CSize CBitmap::GetSize() const
{
    BITMAP info{};
    if (!GetBitmap(&info))
        return CSize();
    return CSize(info.bmWidth, info.bmHeight);
}
