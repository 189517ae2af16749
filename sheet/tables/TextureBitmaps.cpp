// The built-in textures, drawn procedurally in memory: each is a base colour and an accent colour
// mixed by a small pattern function (speckle, marble veins, stripes, grid, wood grain, weave,
// drops). The results tile, because every function repeats over the bitmap's size.

#include "sheet/tables/DefaultTables.h"

#include <cmath>
#include <cstdint>

namespace {

enum class Look
{
    Speckle,
    Marble,
    Stripes,
    Grid,
    Wood,
    Weave,
    Drops
};

struct TextureLook
{
    Look look;
    COLORREF base, accent;
};

constexpr TextureLook kLooks[CTextureTable::kBuiltInCount] = {
    {Look::Speckle, RGB(222, 218, 206), RGB(120, 118, 110)}, // 新闻纸
    {Look::Speckle, RGB(210, 200, 176), RGB(150, 135, 110)}, // 再生纸
    {Look::Stripes, RGB(250, 248, 236), RGB(200, 210, 230)}, // 信纸
    {Look::Marble, RGB(70, 130, 90), RGB(200, 230, 205)},    // 绿色大理石
    {Look::Marble, RGB(235, 235, 232), RGB(150, 150, 160)},  // 白色大理石
    {Look::Marble, RGB(130, 85, 55), RGB(220, 180, 140)},    // 棕色大理石
    {Look::Speckle, RGB(150, 140, 140), RGB(40, 35, 35)},    // 花岗岩
    {Look::Speckle, RGB(170, 200, 235), RGB(120, 160, 215)}, // 蓝色面巾纸
    {Look::Speckle, RGB(245, 200, 210), RGB(220, 150, 170)}, // 粉色面巾纸
    {Look::Grid, RGB(160, 120, 190), RGB(90, 50, 130)},      // 紫色网格
    {Look::Marble, RGB(235, 220, 180), RGB(200, 170, 120)},  // 羊皮纸
    {Look::Drops, RGB(240, 230, 235), RGB(200, 80, 120)},    // 花束
    {Look::Stripes, RGB(215, 195, 140), RGB(170, 145, 90)},  // 纸莎草纸
    {Look::Weave, RGB(225, 215, 190), RGB(180, 165, 135)},   // 画布
    {Look::Stripes, RGB(80, 100, 150), RGB(50, 65, 110)},    // 斜纹布
    {Look::Weave, RGB(190, 160, 110), RGB(120, 90, 50)},     // 编织物
    {Look::Drops, RGB(120, 160, 210), RGB(210, 230, 250)},   // 水滴
    {Look::Speckle, RGB(190, 150, 100), RGB(150, 110, 70)},  // 纸袋
    {Look::Marble, RGB(190, 180, 160), RGB(110, 100, 85)},   // 鱼类化石
    {Look::Speckle, RGB(230, 210, 160), RGB(180, 150, 100)}, // 沙滩
    {Look::Speckle, RGB(200, 150, 95), RGB(120, 80, 40)},    // 软木塞
    {Look::Wood, RGB(110, 70, 40), RGB(70, 40, 20)},         // 胡桃
    {Look::Wood, RGB(200, 160, 110), RGB(150, 110, 70)},     // 栎木
    {Look::Wood, RGB(150, 95, 55), RGB(100, 60, 30)},        // 棕色木质
};

// A repeatable pseudo-random value in 0..1 for a cell of the (tiled) bitmap.
double Hash(int x, int y, int seed)
{
    x = (x % CTextureTable::kWidth + CTextureTable::kWidth) % CTextureTable::kWidth;
    y = (y % CTextureTable::kHeight + CTextureTable::kHeight) % CTextureTable::kHeight;
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

// How much of the accent colour a pixel takes, 0..1.
double AccentShare(Look look, int x, int y, int seed)
{
    const double pi = 3.14159265358979;
    const double u = double(x) / CTextureTable::kWidth, v = double(y) / CTextureTable::kHeight;
    switch (look) {
    case Look::Speckle:
        return Hash(x, y, seed) > 0.82 ? 0.9 : Hash(x, y, seed) * 0.25;
    case Look::Marble: {
        double vein = std::sin(2 * pi * (u + v) + 1.5 * std::sin(2 * pi * 2 * v + seed));
        return std::pow(std::fabs(vein), 6.0) * 0.9 + Hash(x, y, seed) * 0.1;
    }
    case Look::Stripes:
        return ((x + y) % 7 == 0 ? 0.8 : 0.0) + Hash(x, y, seed) * 0.15;
    case Look::Grid:
        return (x % 7 == 0 || y % 5 == 0) ? 0.85 : Hash(x, y, seed) * 0.2;
    case Look::Wood: {
        double ring = std::sin(2 * pi * (4 * v + 0.3 * std::sin(2 * pi * u)));
        return (ring * 0.5 + 0.5) * 0.7 + Hash(x, y, seed) * 0.15;
    }
    case Look::Weave:
        return ((((x / 4) + (y / 4)) % 2 == 0) == (x % 4 == 0 || y % 4 == 0) ? 0.6 : 0.1) +
               Hash(x, y, seed) * 0.1;
    case Look::Drops: {
        const int cx = (x % 14) - 7, cy = (y % 10) - 5;
        return cx * cx + cy * cy < 9 ? 0.85 : Hash(x, y, seed) * 0.1;
    }
    }
    return 0;
}

BYTE Mix(BYTE base, BYTE accent, double share)
{
    return BYTE(std::lround(base + (int(accent) - int(base)) * share));
}

} // namespace

HBITMAP CTextureTable::CreateTextureBitmap(int index)
{
    if (index < 0 || index >= kBuiltInCount)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    const TextureLook& look = kLooks[index];
    const int stride = (kWidth * 3 + 3) & ~3;
    for (int y = 0; y < kHeight; ++y) {
        BYTE* row = static_cast<BYTE*>(bits) + y * stride;
        for (int x = 0; x < kWidth; ++x) {
            const double share = AccentShare(look.look, x, y, index);
            row[x * 3 + 0] = Mix(GetBValue(look.base), GetBValue(look.accent), share);
            row[x * 3 + 1] = Mix(GetGValue(look.base), GetGValue(look.accent), share);
            row[x * 3 + 2] = Mix(GetRValue(look.base), GetRValue(look.accent), share);
        }
    }
    return bitmap;
}
