#pragma once

// Where the cells of the standalone grid lie in its client area, for a client size and the scroll
// positions (pixels scrolled away across and down): cell origins and rectangles, the cell under a
// point, the visible ranges, the row and column border hits of the fixed cells, and the set-up of
// the scroll bars. The fixed rows and columns stay; the rest scroll from the top-left visible
// cell. Cell rectangles are inclusive: right = left + width - 1, bottom = top + height - 1.

#include "gridwnd/GridCellStore.h"

struct CGridScrollSetup
{
    bool bApply = false; // false: no room for cells, the bars are left alone
    int nVertRange = 0;  // maximum of the range, which starts at 0
    int nHorzRange = 0;
    int nVertPage = 0;
    int nHorzPage = 0;
};

class CGridGeometry
{
public:
    static constexpr int kBorderTolerance = 3;

    CGridGeometry(const CGridCellStore& store, CSize client, CPoint scroll)
        : m_store(store), m_client(client), m_rows(store.Rows(scroll.y)), m_cols(store.Cols(scroll.x))
    {
    }

    CCellCoord GetTopLeftGridCell() const { return CCellCoord(m_rows.FirstScroll(), m_cols.FirstScroll()); }
    // FALSE for an invalid cell or one scrolled away above or to the left.
    BOOL GetGridCellOrigin(int row, int col, CPoint& origin) const;
    BOOL GetGridCellRect(int row, int col, CRect& rect) const;
    BOOL GetGridCellRect(CCellCoord cell, CRect& rect) const
    {
        return GetGridCellRect(cell.row, cell.col, rect);
    }
    // Also for cells scrolled away: they lie above the fixed rows or left of the fixed columns.
    BOOL GetGridCellRectAnywhere(int row, int col, CRect& rect) const;
    // The whole merged area of the cell (the cell alone when not merged), anywhere.
    BOOL GetMergedAreaRect(int row, int col, CRect& rect) const;
    // -1 for a coordinate before the first or past the last cell, and for one over the fixed
    // cells unless they are allowed.
    CCellCoord GetGridCellFromPoint(CPoint point, BOOL allowFixed) const;
    // From the top-left visible cell to the last one reached within the client area; covered
    // receives (0, 0, the width reached, the height reached).
    CCellRect GetVisibleGridRange(CRect* covered = nullptr) const;
    // The same without a last row or column that sticks out past the client edge.
    CCellRect GetFullyVisibleGridRange() const;
    // On a row border in the fixed columns, on a column border in the fixed rows.
    BOOL IsOnRowBorder(CPoint point) const;
    BOOL IsOnColumnBorder(CPoint point) const;

    static CGridScrollSetup ScrollSetup(const CGridCellStore& store, CSize client);

    const CGridAxis& RowAxis() const { return m_rows; }
    const CGridAxis& ColumnAxis() const { return m_cols; }
    CSize ClientSize() const { return m_client; }

private:
    BOOL IsOnBorder(CPoint point, bool rows) const;

    const CGridCellStore& m_store;
    CSize m_client;
    CGridAxis m_rows;
    CGridAxis m_cols;
};
