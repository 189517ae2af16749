#pragma once

// An icon file of one 16 x 16 picture of one colour (32 bits a pixel, its mask all shown), for the
// tests of the header and footer pictures.

#include "tests/support/PictureFiles.h"

inline Bytes IconFile(COLORREF colour)
{
    constexpr int kSide = 16;
    const DWORD maskBytes = 4 * kSide; // rows of 16 bits padded to 32
    const DWORD imageBytes = sizeof(BITMAPINFOHEADER) + kSide * kSide * 4 + maskBytes;
    Bytes out;
    Append(out, WORD(0)); // the directory: reserved, type 1 (icon), one image
    Append(out, WORD(1));
    Append(out, WORD(1));
    Append(out, BYTE(kSide)); // its entry: size, colours, reserved, planes, bits, bytes, offset
    Append(out, BYTE(kSide));
    Append(out, BYTE(0));
    Append(out, BYTE(0));
    Append(out, WORD(1));
    Append(out, WORD(32));
    Append(out, imageBytes);
    Append(out, DWORD(6 + 16));
    BITMAPINFOHEADER info{sizeof(info), kSide, 2 * kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Append(out, info);
    for (int i = 0; i < kSide * kSide; ++i)
        Append(out, DWORD(0xFF000000 | GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour)));
    out.insert(out.end(), maskBytes, 0);
    return out;
}
