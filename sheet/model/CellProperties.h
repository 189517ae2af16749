#pragma once

// Reading and writing the properties of single cells: items by mask, texts with the page's
// auto-text columns, the right-hand and bottom lines with the page's edge lines, the state word,
// the text position code and the font.
//
// The locks (a merge's edit lock, the read-only state, a page that may not be modified) guard the
// user's editing only: in-place editing, Delete, paste and drag ask IsCellEditable first. These
// writers serve the automation interface and the control's own operations and store their values
// on any existing cell, so that a host can lock a report and then fill it.

#include "sheet/model/CellRepaint.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <functional>

// The text of a cell as the control shows it.
using CellTextGetter = std::function<CString(int row, int col)>;

// Which line edges a border setter writes. Hor setters work on the bottom line of the cell and the
// bottom line of the cell above (its top edge); Ver setters on the right-hand line and the
// right-hand line of the cell to the left.
enum CLineEdges : int
{
    kLineNeighbour = 0,
    kLineBoth = 1,
    kLineOwn = 2,
};

namespace SheetModel {

BOOL IsFixedCell(const CNorvakPage& page, int row, int col);
BOOL IsCellEditable(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col);

BOOL SetItem(CNorvakPage& page, CNorvakPageCells& cells, const CCellItem* item, ICellRepaint& repaint);
// The text comes from getText when given, else from the cell.
BOOL GetItem(const CNorvakPage& page, const CNorvakPageCells& cells, CCellItem* item,
             const CellTextGetter& getText = {});
// In a body row, an auto-text column's text wins over the given one.
BOOL SetItemText(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, const char* text);

BOOL SetCellHorLineStyle(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, BYTE style,
                         CLineEdges mode, ICellRepaint& repaint);
BOOL SetCellHorLineSize(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, BYTE width,
                        CLineEdges mode, ICellRepaint& repaint);
BOOL SetCellHorLineColor(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, COLORREF color,
                         CLineEdges mode, ICellRepaint& repaint);
BOOL SetCellVerLineStyle(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, BYTE style,
                         CLineEdges mode, ICellRepaint& repaint);
BOOL SetCellVerLineSize(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, BYTE width,
                        CLineEdges mode, ICellRepaint& repaint);
BOOL SetCellVerLineColor(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, COLORREF color,
                         CLineEdges mode, ICellRepaint& repaint);

// The selected value goes to the page's selected-cell map, the other bits to the cell.
BOOL SetItemState(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, WORD state,
                  ICellRepaint& repaint);
// The cell's state word as everything shows it: the bits the cell keeps, and the selected bit when
// the page's selection holds the cell. 0 for a missing cell.
WORD GetItemState(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col);
BOOL SetItemFormat(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, WORD code,
                   ICellRepaint& repaint);
int GetItemFormat(const CNorvakPageCells& cells, int row, int col); // -1 for a missing cell
const CFontRecord* GetItemFont(const CNorvakPageCells& cells, int row, int col);

// Marks a body cell modified (and not read-only), or read-only (and not modified).
void SetCellModified(CNorvakPage& page, CNorvakPageCells& cells, BOOL modified, int row, int col);

} // namespace SheetModel
