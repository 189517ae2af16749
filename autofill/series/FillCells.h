#pragma once

// What the series engine needs of the cells it fills: the control implements it over its active
// page. Texts are code page 936 bytes. The engine borrows the object for one call and owns nothing.

#include "framework/CString.h"

// A block of cells by its first and last row and column, as the sheet's cell ranges hold them.
struct CFillRange
{
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;
};

class IFillCells
{
public:
    virtual BOOL IsValidCell(int row, int col) const = 0;
    virtual CString GetCellText(int row, int col) const = 0;
    virtual BOOL SetCellText(int row, int col, const CString& text) = 0;

protected:
    ~IFillCells() = default;
};
