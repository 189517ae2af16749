#pragma once

// The small records shared by the page, its cells and their callers.

#include "framework/CString.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

// A cell position; -1 in either field means none.
struct CCellCoord
{
    int row = -1;
    int col = -1;

    constexpr CCellCoord() = default;
    constexpr CCellCoord(int r, int c) : row(r), col(c) {}
    constexpr bool IsNone() const { return row < 0 || col < 0; }
    friend constexpr bool operator==(const CCellCoord& a, const CCellCoord& b)
    {
        return a.row == b.row && a.col == b.col;
    }
};

// The lines from first to last, both included, counted in 64 bits so that no pair of ints
// overflows; 0 when last lies before first.
constexpr int64_t LineCount(int first, int last)
{
    return last < first ? 0 : int64_t(last) - first + 1;
}

struct CCellRect
{
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    constexpr CCellRect() = default;
    constexpr CCellRect(int r0, int c0, int r1, int c1) : minRow(r0), minCol(c0), maxRow(r1), maxCol(c1) {}
    // No cell: inverted in either direction.
    constexpr bool IsEmpty() const { return maxRow < minRow || maxCol < minCol; }
    constexpr int64_t RowCount() const { return LineCount(minRow, maxRow); }
    constexpr int64_t ColumnCount() const { return LineCount(minCol, maxCol); }
    friend constexpr bool operator==(const CCellRect& a, const CCellRect& b)
    {
        return a.minRow == b.minRow && a.minCol == b.minCol && a.maxRow == b.maxRow && a.maxCol == b.maxCol;
    }
};

constexpr COLORREF kNoTextColor = 0xFF000000;  // use the page's default text colour
constexpr COLORREF kNoBackground = 0xFFFFFFFF; // -1: no fill
constexpr COLORREF kDefaultLineColor = 0xC0C0C0;

// Text appearance of a cell, a page tab or a chart text. The face name holds code page 936 bytes.
struct CFontRecord
{
    LOGFONTA font;
    int bTransparent = 1;
    COLORREF crText = kNoTextColor;
    COLORREF crBackground = kNoBackground;

    CFontRecord() : font{}
    {
        font.lfHeight = -12;
        std::strcpy(font.lfFaceName, "宋体");
    }
    friend bool operator==(const CFontRecord& a, const CFontRecord& b);
};

inline bool operator==(const CFontRecord& a, const CFontRecord& b)
{
    const LOGFONTA& x = a.font;
    const LOGFONTA& y = b.font;
    return x.lfHeight == y.lfHeight && x.lfWidth == y.lfWidth && x.lfEscapement == y.lfEscapement &&
           x.lfOrientation == y.lfOrientation && x.lfWeight == y.lfWeight && x.lfItalic == y.lfItalic &&
           x.lfUnderline == y.lfUnderline && x.lfStrikeOut == y.lfStrikeOut && x.lfCharSet == y.lfCharSet &&
           x.lfOutPrecision == y.lfOutPrecision && x.lfClipPrecision == y.lfClipPrecision &&
           x.lfQuality == y.lfQuality && x.lfPitchAndFamily == y.lfPitchAndFamily &&
           std::strncmp(x.lfFaceName, y.lfFaceName, LF_FACESIZE) == 0 && a.bTransparent == b.bTransparent &&
           a.crText == b.crText && a.crBackground == b.crBackground;
}

// The line above row 0 (one entry per column) or left of column 0 (one per row), which no cell holds.
struct CEdgeLineEntry
{
    int index = 0; // the column or the row
    COLORREF crColor = kDefaultLineColor;
    BYTE width = 1;
    BYTE style = 1;
    WORD spare = 0;

    friend bool operator==(const CEdgeLineEntry& a, const CEdgeLineEntry& b)
    {
        return a.index == b.index && a.crColor == b.crColor && a.width == b.width && a.style == b.style;
    }
};

// One merged area; the workbook file stores it byte for byte.
struct CMergeCellRange
{
    int firstRow = 0;
    int firstCol = 0;
    int lastRow = 0;
    int lastCol = 0;
    int reserved = 0;
    RECT display{}; // shown part of a merge straddling the frozen boundary
    int editLock = 0;

    static CMergeCellRange Of(int r0, int c0, int r1, int c1, int lock = 0)
    {
        CMergeCellRange m;
        m.firstRow = r0;
        m.firstCol = c0;
        m.lastRow = r1;
        m.lastCol = c1;
        m.editLock = lock;
        return m;
    }

    bool Contains(int row, int col) const
    {
        return row >= firstRow && row <= lastRow && col >= firstCol && col <= lastCol;
    }
};
static_assert(sizeof(CMergeCellRange) == 40);

// Which fields of a CCellItem take part in SetItem / GetItem.
enum : UINT
{
    CIM_TEXT = 0x01,
    CIM_IMAGE = 0x02,
    CIM_STATE = 0x08,
    CIM_BKCOLOR = 0x10,
    CIM_TEXTCOLOR = 0x20,
    CIM_FORMAT = 0x40,
    CIM_FONT = 0x80,
};

// Values of a cell's state word.
enum : WORD
{
    CIS_FOCUSED = 0x01,
    CIS_SELECTED = 0x02,
    CIS_READONLY = 0x08,
    CIS_MODIFIED = 0x20,
};

struct CCellItem
{
    int row = 0;
    int col = 0;
    UINT mask = 0;
    WORD state = 0;
    WORD format = 0;
    CString text;
    int image = 0;
    int imageValue = 0;
    CFontRecord font;
    WORD value = 0; // travels whatever the mask
    int indent = 0; // travels whatever the mask, as the value word does
};

// A column whose body cells show a fixed prefix, optionally followed by the body row number.
struct CAutoTextColumn
{
    int column = 0;
    CString prefix;
    int bNumbered = 0;
};
