#pragma once

// What the workbook benchmarks share: the clock, pages whose every cell holds a short text, and the
// size of a file.

#include "sheet/model/RowColumnOps.h"
#include "workbook/Workbook.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

// Seconds on the performance counter (the standard clocks' header does not build with the code
// page 936 execution character set).
inline double Now()
{
    LARGE_INTEGER count, frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

// A page of rows x cols cells with one fixed row and column; cell n (row by row) holds textFormat
// filled with n % modulo.
inline CLoadedPage BuildTextPage(int index, const char* title, int rows, int cols, const char* textFormat,
                                 int modulo)
{
    CLoadedPage p{std::make_unique<CNorvakPage>(index, title, 0), std::make_unique<CNorvakPageCells>(index)};
    CDefaultCellFactory factory(*p.page, *p.cells);
    SheetModel::SetColumnCount(*p.page, *p.cells, cols, factory);
    SheetModel::SetRowCount(*p.page, *p.cells, rows, factory);
    SheetModel::SetFixedRowCount(*p.page, *p.cells, 1, factory);
    SheetModel::SetFixedColumnCount(*p.page, *p.cells, 1, factory);
    char text[32];
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            std::snprintf(text, sizeof text, textFormat, (row * cols + col) % modulo);
            p.cells->EditCell(row, col)->SetText(text);
        }
    return p;
}

inline uint64_t FileBytes(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
