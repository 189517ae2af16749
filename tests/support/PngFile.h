#pragma once

// Writes 0x00RRGGBB pixels (top-down rows) as a PNG file through the system's imaging encoders,
// so that tests can leave pictures for people to look at.

#include <windows.h>

#include <vector>

bool SavePng(const wchar_t* path, const std::vector<DWORD>& pixels, int width, int height);
