#include "sheet/tables/GdiGlobals.h"

const char* const CGdiGlobals::kTahoma = "Tahoma";
const char* const CGdiGlobals::kMsSansSerif = "MS Sans Serif";
const char* const CGdiGlobals::kArial = "Arial";

namespace {

int CALLBACK NoteFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found)
{
    if (::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, font->lfFaceName, -1, L"Tahoma", -1) ==
        CSTR_EQUAL) {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
    }
    return 1;
}

bool SystemHasTahoma()
{
    HDC screen = ::GetDC(nullptr);
    bool found = false;
    LOGFONTW any{};
    any.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExW(screen, &any, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

int TextHeightPlusTwo(HDC dc, const CFont& font)
{
    if (!font.GetSafeHandle())
        return 0;
    HGDIOBJ old = ::SelectObject(dc, font.GetSafeHandle());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    return metrics.tmHeight + 2;
}

bool IsOldNt()
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&version))
        return false;
#pragma GCC diagnostic pop
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion < 5;
}

} // namespace

CGdiGlobals& CGdiGlobals::Instance()
{
    static CGdiGlobals instance;
    return instance;
}

CGdiGlobals::CGdiGlobals()
{
    RefreshSystemColors();
    CreateMenuFonts();
    CreateVerticalFonts();
    MeasureTextHeights();
    isOldNt = IsOldNt();
}

CGdiGlobals::~CGdiGlobals()
{
    DeleteRawBrushes();
}

void CGdiGlobals::DeleteRawBrushes()
{
    if (highlightBrushHandle)
        ::DeleteObject(highlightBrushHandle);
    if (shadowBrushHandle)
        ::DeleteObject(shadowBrushHandle);
    highlightBrushHandle = shadowBrushHandle = nullptr;
}

COLORREF CGdiGlobals::HalftoneColour(COLORREF face, COLORREF highlight)
{
    auto mid = [](int f, int h) { return BYTE(f + (h - f) / 2); };
    return RGB(mid(GetRValue(face), GetRValue(highlight)), mid(GetGValue(face), GetGValue(highlight)),
               mid(GetBValue(face), GetBValue(highlight)));
}

void CGdiGlobals::RefreshSystemColors()
{
    faceColor = ::GetSysColor(COLOR_BTNFACE);
    shadowColor = ::GetSysColor(COLOR_BTNSHADOW);
    highlightColor = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    buttonTextColor = ::GetSysColor(COLOR_BTNTEXT);
    frameColor = ::GetSysColor(COLOR_WINDOWFRAME);
    darkShadowColor = ::GetSysColor(COLOR_3DDKSHADOW);
    lightColor = ::GetSysColor(COLOR_3DLIGHT);
    grayTextColor = ::GetSysColor(COLOR_GRAYTEXT);
    selectionColor = ::GetSysColor(COLOR_HIGHLIGHT);
    selectionTextColor = ::GetSysColor(COLOR_HIGHLIGHTTEXT);

    DeleteRawBrushes();
    shadowBrushHandle = ::CreateSolidBrush(shadowColor);
    highlightBrushHandle = ::CreateSolidBrush(highlightColor);
    faceBrush.CreateSolidBrush(faceColor);
    selectionBrush.CreateSolidBrush(selectionColor);
    darkShadowBrush.CreateSolidBrush(darkShadowColor);

    HDC screen = ::GetDC(nullptr);
    bitsPerPixel = ::GetDeviceCaps(screen, BITSPIXEL);
    if (bitsPerPixel <= 8) {
        CBitmap halftone;
        halftone.Attach(CreateHalftoneBitmap(screen));
        halftoneBrush.CreatePatternBrush(halftone);
    } else {
        halftoneBrush.CreateSolidBrush(HalftoneColour(faceColor, highlightColor));
    }
    ::ReleaseDC(nullptr, screen);
}

HBITMAP CGdiGlobals::CreateHalftoneBitmap(HDC dc)
{
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
    auto quad = [](COLORREF c) { return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0}; };
    info.colours[0] = quad(::GetSysColor(COLOR_BTNFACE));
    info.colours[1] = quad(::GetSysColor(COLOR_BTNHIGHLIGHT));
    // Rows are 32-bit aligned: one pattern byte and three of padding each.
    DWORD rows[8];
    for (int y = 0; y < 8; ++y)
        rows[y] = y % 2 == 0 ? 0xAA : 0x55;
    return ::CreateDIBitmap(dc, &info.header, CBM_INIT, rows, reinterpret_cast<BITMAPINFO*>(&info),
                            DIB_RGB_COLORS);
}

CString CGdiGlobals::MenuFaceName(const LOGFONTA& menuFont, bool hasTahoma)
{
    if (menuFont.lfCharSet > SYMBOL_CHARSET)
        return CString(menuFont.lfFaceName);
    return CString(hasTahoma ? kTahoma : kMsSansSerif);
}

void CGdiGlobals::CreateMenuFonts()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return;
    const LOGFONTA menu = CFont::FromWide(metrics.lfMenuFont);
    LOGFONTA font{};
    font.lfHeight = menu.lfHeight;
    font.lfWeight = menu.lfWeight;
    font.lfItalic = menu.lfItalic;
    font.lfCharSet = DEFAULT_CHARSET;
    const bool needsLookup = menu.lfCharSet <= SYMBOL_CHARSET;
    const CString face = MenuFaceName(menu, needsLookup && SystemHasTahoma());
    CFont::SetFaceName(font, face);
    m_menuLogFont = font;
    menuFont.CreateFontIndirect(&font);
    font.lfUnderline = TRUE;
    menuFontUnderline.CreateFontIndirect(&font);
    font.lfUnderline = FALSE;
    font.lfWeight = FW_BOLD;
    menuFontBold.CreateFontIndirect(&font);
}

void CGdiGlobals::CreateVerticalFonts()
{
    HGDIOBJ stock = ::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTW wide{};
    if (!stock || !::GetObjectW(stock, sizeof(wide), &wide))
        return;
    LOGFONTA font = CFont::FromWide(wide);
    font.lfHeight = m_menuLogFont.lfHeight;
    font.lfWeight = m_menuLogFont.lfWeight;
    font.lfItalic = m_menuLogFont.lfItalic;
    font.lfOrientation = 900;
    font.lfEscapement = 2700;
    CFont::SetFaceName(font, kArial);
    verticalFontDown.CreateFontIndirect(&font);
    font.lfEscapement = 900;
    verticalFontUp.CreateFontIndirect(&font);
}

void CGdiGlobals::MeasureTextHeights()
{
    HDC screen = ::GetDC(nullptr);
    menuTextHeight = TextHeightPlusTwo(screen, menuFont);
    verticalTextHeight = TextHeightPlusTwo(screen, verticalFontDown);
    ::ReleaseDC(nullptr, screen);
}
