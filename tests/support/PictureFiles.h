#pragma once

// Picture files written by the tests themselves into the temporary folder.

#include "framework/CString.h"

#include <windows.h>

#include <string>
#include <vector>

using Bytes = std::vector<BYTE>;

template <class T> void Append(Bytes& out, const T& value)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&value);
    out.insert(out.end(), p, p + sizeof(T));
}

inline std::string TempPath(const char* name)
{
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    return CString::FromWide(dir).str() + "norvak_picture_" + name;
}

inline std::string WriteFile(const char* name, const Bytes& bytes)
{
    std::string path = TempPath(name);
    HANDLE file = ::CreateFileW(CString(path.c_str()).ToWide().c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

// A 24-bpp bottom-up bitmap file of one colour.
inline Bytes BitmapFile(int width, int height, COLORREF colour)
{
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{0x4D42, DWORD(14 + 40 + stride * height), 0, 0, 14 + 40};
    BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, DWORD(stride * height), 0, 0, 0, 0};
    Bytes out;
    Append(out, file);
    Append(out, info);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < stride; ++x)
            out.push_back(x < width * 3 ? (x % 3 == 0   ? GetBValue(colour)
                                           : x % 3 == 1 ? GetGValue(colour)
                                                        : GetRValue(colour))
                                        : 0);
    return out;
}

// An icon file of one 16 x 16 picture of one colour (32 bits a pixel, its mask all shown).
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
