#pragma once

// The records of the control's fill-pattern and texture tables, and the view of them that the
// painters fill from. The control owns the tables; a painter only reads them for one call.

#include "drawing/CPictureObject.h"
#include "framework/CGdiObject.h"
#include "framework/CString.h"

#include <memory>
#include <vector>

// An 8 x 8 pattern cell stored column by column: pixels[k] is the pixel at x = k / 8, y = k % 8;
// non-zero marks a foreground pixel.
struct FillPatternEntry
{
    int pixels[64] = {};
    CString name;
};

// A texture is either a bitmap (the built-in entries) or a picture loaded from a file.
struct TextureEntry
{
    std::shared_ptr<CBitmap> bitmap;
    CString name;
    CPictureObject picture;
    int reserved = 0;
};

struct CFillTables
{
    const std::vector<FillPatternEntry>* patterns = nullptr;
    const std::vector<TextureEntry>* textures = nullptr;

    const FillPatternEntry* Pattern(int index) const
    {
        if (!patterns || index < 0 || index >= int(patterns->size()))
            return nullptr;
        return &(*patterns)[size_t(index)];
    }
    // The texture's bitmap handle, or null for a bad index or an entry without a loaded bitmap.
    HBITMAP TextureBitmap(int index) const
    {
        if (!textures || index < 0 || index >= int(textures->size()))
            return nullptr;
        const auto& bitmap = (*textures)[size_t(index)].bitmap;
        return bitmap ? static_cast<HBITMAP>(*bitmap) : nullptr;
    }
};
