#pragma once

// The control's lookup tables, filled once while the control is constructed: 37 default colours,
// 49 named 8 x 8 fill patterns, 24 named textures and 47 marker glyphs. The control derives from
// CDefaultTables (or holds one), so the tables are its members m_DefaultColors, m_FillPatterns,
// m_Textures and m_MarkerSymbols.

#include "drawing/DrawingTables.h"
#include "framework/CString.h"
#include "resources/NorvakResource.h"

#include <vector>

class CDefaultTables
{
public:
    std::vector<COLORREF> m_DefaultColors;
    std::vector<FillPatternEntry> m_FillPatterns;
    std::vector<TextureEntry> m_Textures;
    std::vector<CString> m_MarkerSymbols;

    // Runs the four initialisers in their order: patterns, textures, colours, marker glyphs.
    void BuildDefaultTables();
    // The view the painters fill from.
    CFillTables FillTables() const { return CFillTables{&m_FillPatterns, &m_Textures}; }
    // Appends a texture picked from a file unless an added entry (index 24 or above) already
    // names the same path; returns its index, or -1 when the picture cannot be loaded.
    int AddTexturePicture(const char* path);
};

class CPaletteInitializer
{
public:
    CPaletteInitializer() = default;
    virtual ~CPaletteInitializer() = default;
    void Init(CDefaultTables& control) const;
};

class CPatternTable
{
public:
    CPatternTable() = default;
    virtual ~CPatternTable() = default;
    void Init(CDefaultTables& control) const;
};

class CTextureTable
{
public:
    static constexpr int kBuiltInCount = 24;
    static constexpr int kFirstResourceId = IDB_TEXTURE_FIRST;
    static constexpr int kWidth = 56, kHeight = 50;

    CTextureTable() = default;
    virtual ~CTextureTable() = default;
    void Init(CDefaultTables& control) const;
    // The built-in texture i (0..23) as a 56 x 50, 24-bpp bitmap drawn by the control itself.
    static HBITMAP CreateTextureBitmap(int index);
};
