#include "gridwnd/GridGeometry.h"

#include <algorithm>

BOOL CGridGeometry::GetGridCellOrigin(int row, int col, CPoint& origin) const
{
    if (!m_store.IsValid(row, col))
        return FALSE;
    const CCellCoord topLeft = GetTopLeftGridCell();
    if ((row >= m_rows.FixedCount() && row < topLeft.row) ||
        (col >= m_cols.FixedCount() && col < topLeft.col))
        return FALSE;
    origin = CPoint(m_cols.Origin(col), m_rows.Origin(row));
    return TRUE;
}

BOOL CGridGeometry::GetGridCellRect(int row, int col, CRect& rect) const
{
    CPoint origin;
    if (!GetGridCellOrigin(row, col, origin))
        return FALSE;
    rect = CRect(origin.x, origin.y, origin.x + m_cols.Size(col) - 1, origin.y + m_rows.Size(row) - 1);
    return TRUE;
}

BOOL CGridGeometry::GetGridCellRectAnywhere(int row, int col, CRect& rect) const
{
    if (!m_store.IsValid(row, col))
        return FALSE;
    // Origin() walks back from the first visible cell for cells scrolled away.
    const int x = m_cols.Origin(col);
    const int y = m_rows.Origin(row);
    rect = CRect(x, y, x + m_cols.Size(col) - 1, y + m_rows.Size(row) - 1);
    return TRUE;
}

BOOL CGridGeometry::GetMergedAreaRect(int row, int col, CRect& rect) const
{
    const CCellRect area = m_store.MergeArea(row, col);
    CRect last;
    if (!GetGridCellRectAnywhere(area.minRow, area.minCol, rect) ||
        !GetGridCellRectAnywhere(area.maxRow, area.maxCol, last))
        return FALSE;
    rect.right = last.right;
    rect.bottom = last.bottom;
    return TRUE;
}

CCellCoord CGridGeometry::GetGridCellFromPoint(CPoint point, BOOL allowFixed) const
{
    return CCellCoord(m_rows.Locate(point.y, allowFixed != FALSE),
                      m_cols.Locate(point.x, allowFixed != FALSE));
}

CCellRect CGridGeometry::GetVisibleGridRange(CRect* covered) const
{
    const CGridAxis::Reach rows = m_rows.ReachWithin(m_client.cy);
    const CGridAxis::Reach cols = m_cols.ReachWithin(m_client.cx);
    if (covered)
        *covered = CRect(0, 0, cols.extent, rows.extent);
    const CCellCoord topLeft = GetTopLeftGridCell();
    return CCellRect(topLeft.row, topLeft.col, rows.last, cols.last);
}

CCellRect CGridGeometry::GetFullyVisibleGridRange() const
{
    const CGridAxis::Reach rows = m_rows.ReachWithin(m_client.cy);
    const CGridAxis::Reach cols = m_cols.ReachWithin(m_client.cx);
    const CCellCoord topLeft = GetTopLeftGridCell();
    return CCellRect(topLeft.row, topLeft.col, rows.pastEdge && rows.last > 0 ? rows.last - 1 : rows.last,
                     cols.pastEdge && cols.last > 0 ? cols.last - 1 : cols.last);
}

BOOL CGridGeometry::IsOnBorder(CPoint point, bool rows) const
{
    // Row borders are taken in the fixed columns, column borders in the fixed rows.
    if ((rows ? point.x : point.y) >= (rows ? m_cols : m_rows).FixedExtent())
        return FALSE;
    const CCellCoord cell = GetGridCellFromPoint(point, TRUE);
    CRect area;
    if (!GetMergedAreaRect(cell.row, cell.col, area))
        return FALSE;
    const CCellRect merge = m_store.MergeArea(cell.row, cell.col);
    const int coord = rows ? point.y : point.x;
    const int nearEdge = rows ? area.top : area.left;
    const int farEdge = rows ? area.bottom : area.right;
    const int first = rows ? merge.minRow : merge.minCol;
    return (first != 0 && coord < nearEdge + kBorderTolerance) || coord > farEdge - kBorderTolerance;
}

BOOL CGridGeometry::IsOnRowBorder(CPoint point) const
{
    return IsOnBorder(point, true);
}

BOOL CGridGeometry::IsOnColumnBorder(CPoint point) const
{
    return IsOnBorder(point, false);
}

CGridScrollSetup CGridGeometry::ScrollSetup(const CGridCellStore& store, CSize client)
{
    CGridScrollSetup setup;
    const int fixedWidth = store.GetFixedColumnWidth();
    const int fixedHeight = store.GetFixedRowHeight();
    setup.nHorzPage = client.cx - fixedWidth;
    setup.nVertPage = client.cy - fixedHeight;
    if (setup.nHorzPage <= 0 || setup.nVertPage <= 0)
        return setup;
    setup.bApply = true;
    const int bodyHeight = store.GetTotalRowHeight() - fixedHeight;
    const int bodyWidth = store.GetTotalColumnWidth() - fixedWidth;
    setup.nVertRange = setup.nVertPage < bodyHeight ? bodyHeight - 1 : 0;
    setup.nHorzRange = setup.nHorzPage < bodyWidth ? bodyWidth - 1 : 0;
    return setup;
}
