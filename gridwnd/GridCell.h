#pragma once

// One cell of the standalone grid window. A plain record: the grid makes each one through its
// overridable CreateCell, so a derived grid may keep cells of a derived class; the grid's cell
// store owns them.
//
// A merged area is marked on its cells: the first cell carries the row and column spans (extra
// rows and columns); every other cell of the area carries the first cell as its merge origin.

#include "sheet/model/CellTypes.h"

#include <windows.h>

class CGridCell
{
public:
    static constexpr WORD kDefaultFormat = 4;
    static constexpr WORD kModified = 0x20;

    CGridCell();
    CGridCell(const CGridCell&) = default;
    CGridCell& operator=(const CGridCell&) = default;
    virtual ~CGridCell() = default;

    bool IsCovered(int row, int col) const
    {
        return !mergeOrigin.IsNone() && !(mergeOrigin == CCellCoord(row, col));
    }
    bool HasSpan() const { return nRowSpan != 0 || nColSpan != 0; }

    int bRightHidden = 0;  // no line along the right edge
    int bBottomHidden = 0; // no line along the bottom edge
    // [1] the bottom line's colour, [3] the right line's; [0] and [2] are kept alongside.
    COLORREF lineColours[4];
    BYTE nRightWidth = 1;
    BYTE nBottomWidth = 1;
    BYTE nRightStyle = 1; // added to PS_GEOMETRIC | PS_ENDCAP_FLAT
    BYTE nBottomStyle = 1;
    // On a merged area's first cell, in pixels: above its top edge, height from its top edge, left
    // of its left edge, width from its left edge.
    int nMergeAbove = 0;
    int nMergeHeight = 0;
    int nMergeLeft = 0;
    int nMergeWidth = 0;
    int bMerged = 0;
    int bPasteProtect = 0; // a paste skips the cell
    WORD nRowSpan = 0;
    WORD nColSpan = 0;
    CCellCoord mergeOrigin; // (-1, -1): not covered by a merge
    WORD nState = 0;        // CIS_* bits and kModified
    WORD nFormat = kDefaultFormat;
    CString strText;
    int nImage = -1; // into the grid's image list; -1 none
    int lParam = 0;
    CFontRecord font; // text colour kNoTextColor: the grid's; background kNoBackground: none
    int values[3] = {0, 0, 1};
    int nLastValue = 1;
};

// SetItem and GetItem move fields by the CIM_* mask of the sheet's cells, plus this one for the
// second image value; the three trailing ints always travel.
constexpr UINT kGridItemParam = 0x04;

// Cell values passed into and out of the grid by mask.
struct CGridCellItem
{
    int row = 0;
    int col = 0;
    UINT mask = 0;
    WORD state = 0;
    WORD format = 0;
    CString text;
    int image = 0;
    int param = 0;
    CFontRecord font;
    int values[3] = {0, 0, 0};
};
