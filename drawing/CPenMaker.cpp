#include "drawing/CPenMaker.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr const char* kStyleNames[CPenMaker::kStyleCount] = {
    "NULL",      "实线",       "长线段",       "短线段",       "长短线短",
    "混合线段",  "虚线",       "长距虚线",     "混合线型1",    "混合线型2",
    "混合线型3", "斜砖纹理线", "水平砖纹理线", "编织物纹理线", "斜网格纹理线"};

// Dash and gap lengths of the user-styled pens 2..10, dash first.
const std::vector<DWORD>& DashPattern(int style)
{
    static const std::array<std::vector<DWORD>, 9> patterns = {{{18, 4},
                                                                {5, 3},
                                                                {9, 4, 3, 4},
                                                                {9, 4, 3, 4, 3, 4},
                                                                {1, 1},
                                                                {1, 3},
                                                                {3, 3, 1, 2, 1, 2},
                                                                {6, 2, 1, 2},
                                                                {6, 2, 1, 2, 1, 2}}};
    return patterns[size_t(style - 2)];
}

// Rows of the textured line cells, top row first, bit 7 the leftmost pixel.
constexpr std::array<std::array<BYTE, 8>, 4> kStyleCells = {{
    {0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81}, // 11 diagonal bricks
    {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08}, // 12 horizontal bricks
    {0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51}, // 13 weave
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // 14 diagonal grid
}};

constexpr DWORD kSolidStyle = PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_SOLID;
constexpr DWORD kDashedStyle = PS_GEOMETRIC | PS_JOIN_BEVEL | PS_ENDCAP_FLAT | PS_USERSTYLE;
constexpr DWORD kPatternStyle = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_SOLID;

HPEN PatternPen(HBITMAP bitmap, DWORD width)
{
    LOGBRUSH brush{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(bitmap)};
    return ::ExtCreatePen(kPatternStyle, width, &brush, 0, nullptr);
}

} // namespace

const char* CPenMaker::StyleName(int style)
{
    return style >= 0 && style < kStyleCount ? kStyleNames[style] : "";
}

// A device-independent 8 x 8 cell in black on white, so the pen looks the same on any device.
HBITMAP CPenMaker::CreateStyleBitmap(int style)
{
    if (style < 11 || style > 14)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    DWORD* pixels = static_cast<DWORD*>(bits);
    const auto& cell = kStyleCells[size_t(style - 11)];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pixels[y * 8 + x] = (cell[size_t(y)] & (0x80 >> x)) ? 0x000000 : 0xFFFFFF;
    return bitmap;
}

void CPenMaker::CreateLinePen(CGdiObject& pen, int style, int width, COLORREF colour, int, int,
                              HBITMAP pattern) const
{
    pen.DeleteObject();
    const DWORD penWidth = DWORD(std::clamp(width, 0, kMaxWidth));
    LOGBRUSH solid{BS_SOLID, colour, 0};
    if (style == 0) {
        pen.Attach(::CreatePen(PS_NULL, int(penWidth), colour));
    } else if (style == 1) {
        pen.Attach(::ExtCreatePen(kSolidStyle, penWidth, &solid, 0, nullptr));
    } else if (style >= 2 && style <= 10) {
        const auto& dashes = DashPattern(style);
        pen.Attach(::ExtCreatePen(kDashedStyle, penWidth, &solid, DWORD(dashes.size()), dashes.data()));
    } else if (style >= 11 && style <= 14) {
        HBITMAP bitmap = CreateStyleBitmap(style);
        if (bitmap) {
            pen.Attach(PatternPen(bitmap, penWidth));
            ::DeleteObject(bitmap); // the pen keeps its own copy of the pattern
        }
    } else if (style > 14 && pattern) {
        pen.Attach(PatternPen(pattern, penWidth));
    }
}
