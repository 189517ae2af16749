#pragma once

// The focus cell and the selected cells of the standalone grid: validity tests, moving the focus,
// applying a selection and the drag selections by mode. No window: what is to be redrawn and the
// notifications for the grid's owner go to the view the selection was given.
//
// The selected-cell map always holds exactly the cells that carry the selected state.

#include "gridwnd/GridCellStore.h"
#include "sheet/model/CellSelectionMap.h"

#include <vector>

// What the selection asks of the window that shows it.
class IGridSelectionView
{
public:
    // now: draw the cell at once; otherwise invalidate it.
    virtual void RedrawGridCell(CCellCoord cell, bool now) = 0;
    // The cells of the ranges changed their look; those out of view cost nothing.
    virtual void RedrawGridCells(const std::vector<CCellRect>& ranges, bool now) = 0;
    // WM_NOTIFY to the grid's owner with the cell and the code.
    virtual LRESULT NotifyGridOwner(int row, int col, int code) = 0;

protected:
    ~IGridSelectionView() = default;
};

// Notification codes to the grid's owner.
enum : int
{
    kGridNotifyFocusLeft = -100,
    kGridNotifyFocusSet = -101,
    kGridNotifyChanging = -105,
    kGridNotifyChanged = -106,
    kGridNotifyDragBegin = -109,
};

// What a drag over the cells selects.
enum : int
{
    kGridSelectAll = 1,
    kGridSelectColumns = 2,
    kGridSelectRows = 3,
    kGridSelectCells = 4,
};

class CGridSelection
{
public:
    CGridSelection(CGridCellStore& store, IGridSelectionView& view) : m_store(store), m_view(view) {}
    CGridSelection(const CGridSelection&) = delete;
    CGridSelection& operator=(const CGridSelection&) = delete;

    // Returns the previous focus cell; a cell outside the grid leaves no focus.
    CCellCoord MoveGridFocus(int row, int col);
    CCellCoord GetFocusCell() const { return m_focus; }
    // Selects exactly the range (nothing for an invalid one) and the kept cells; force draws the
    // changed cells at once.
    void ApplyGridSelection(int minRow, int minCol, int maxRow, int maxCol, BOOL force = FALSE);
    void SelectWholeGrid();
    void SelectColumnSpan(CCellCoord cell);
    void SelectRowSpan(CCellCoord cell);
    void SelectCellSpan(CCellCoord cell);
    // By the drag mode (kGridSelect*), from the start cell to the cell.
    void ExtendDragSelection(CCellCoord cell, int mode);
    // (row count, column count, -1, -1) when nothing is selected.
    CCellRect GetSelectedGridRange() const;
    // No selection and no focus; returns the previous focus cell.
    CCellCoord ClearGridSelection();
    // Forgets the selection and the start cell without redrawing.
    void Reset();
    // Before the counts shrink: no focus when the focus cell is past them.
    void DropFocusOutside(int rows, int cols);

    // Sets a cell's whole state word, keeping the selected-cell map in step.
    void SetCellState(CCellCoord cell, WORD state);
    // After cells lost their selected state behind the selection's back (emptied, pasted into):
    // the selected-cell map lets them go, all at once.
    void DropUnselected();
    bool IsSelected(int row, int col) const { return m_selected.Contains(row, col); }
    const CCellSelectionMap& GetSelectedCells() const { return m_selected; }
    // Cells selected again by every selection change while the single-row mode is off.
    CCellSelectionMap& KeptCells() { return m_kept; }

    CCellCoord m_startCell; // where a drag selection began
    BOOL m_bEnabled = TRUE;
    BOOL m_bListMode = FALSE;
    BOOL m_bSingleRowMode = FALSE;

private:
    void SetStateBits(CCellCoord cell, WORD set, WORD clear);
    // The selected bit of every cell of the ranges, without the selected-cell map.
    void MarkSelected(const std::vector<CCellRect>& ranges, bool on);
    // The map's rectangles within the grid.
    std::vector<CCellRect> WithinGrid(const CCellSelectionMap& map) const;
    void MarkFocus(const CCellRect& area, bool on);
    CCellCoord Start(CCellCoord cell) const;

    CGridCellStore& m_store;
    IGridSelectionView& m_view;
    CCellSelectionMap m_selected;
    CCellSelectionMap m_kept;
    CCellCoord m_focus;
};
