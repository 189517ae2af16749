#pragma once

// Code page 936 texts as UTF-8, for failure messages a person can read.

#include "framework/CString.h"

#include <windows.h>

#include <string>
#include <vector>

inline std::string Utf8(const std::string& text)
{
    const std::wstring wide = CString(text).ToWide();
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), out.data(), bytes, nullptr, nullptr);
    return out;
}

inline std::string Utf8(const std::vector<std::string>& texts)
{
    std::string out;
    for (const std::string& text : texts)
        out += (out.empty() ? "" : " | ") + Utf8(text);
    return out;
}
