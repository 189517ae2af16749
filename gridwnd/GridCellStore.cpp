#include "gridwnd/GridCellStore.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

std::unique_ptr<CGridCell> NewDefaultGridCell(const CGridCellStore& store, int row, int col)
{
    auto cell = std::make_unique<CGridCell>();
    if (const CGridCell* above = store.GetCell(row - 1, col))
        cell->nFormat = above->nFormat;
    return cell;
}

void EmptyGridCell(CGridCell& cell)
{
    cell.nState = 0;
    cell.strText.Empty();
}

bool CGridCellStore::MakeCells(CellRow& row, int rowIndex, int fromCol, int toCol)
{
    // Each cell goes in at once: the factory may read the cell above or to the left of it.
    try {
        row.reserve(size_t(toCol));
        for (int col = fromCol; col < toCol; ++col) {
            std::unique_ptr<CGridCell> cell = m_factory.CreateCell(rowIndex, col);
            if (!cell)
                return false;
            row.push_back(std::move(cell));
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void CGridCellStore::FreeRow(CellRow& row, int rowIndex, int fromCol)
{
    for (int col = fromCol; col < int(row.size()); ++col)
        if (row[size_t(col)])
            m_factory.EmptyCell(*row[size_t(col)], rowIndex, col);
    row.resize(size_t(fromCol));
}

BOOL CGridCellStore::SetRowCount(int rows)
{
    if (rows < 0)
        return FALSE;
    if (rows == m_nRows)
        return TRUE;
    if (rows > m_nRows) {
        const int oldRows = m_nRows;
        try {
            m_rows.reserve(size_t(rows));
            m_rowHeights.Reserve(rows);
        } catch (const std::exception&) {
            return FALSE;
        }
        if (GetTotalRowHeight() + (long long)kDefaultRowHeight * (rows - oldRows) > INT_MAX)
            return FALSE;
        for (int row = oldRows; row < rows; ++row) {
            m_rows.emplace_back();
            if (!MakeCells(m_rows.back(), row, 0, m_nCols)) {
                m_rows.resize(size_t(oldRows));
                return FALSE;
            }
        }
        m_rowHeights.Resize(rows, kDefaultRowHeight);
    } else {
        for (int row = rows; row < m_nRows; ++row)
            FreeRow(m_rows[size_t(row)], row, 0);
        m_rows.resize(size_t(rows));
        m_rowHeights.Resize(rows, kDefaultRowHeight);
    }
    m_nRows = rows;
    m_nFixedRows = std::min(m_nFixedRows, rows);
    return TRUE;
}

BOOL CGridCellStore::SetColumnCount(int cols)
{
    if (cols < 0)
        return FALSE;
    if (cols == m_nCols)
        return TRUE;
    if (cols > m_nCols) {
        const int oldCols = m_nCols;
        if (GetTotalColumnWidth() + (long long)kDefaultColumnWidth * (cols - oldCols) > INT_MAX)
            return FALSE;
        try {
            m_colWidths.Reserve(cols);
        } catch (const std::exception&) {
            return FALSE;
        }
        for (int row = 0; row < m_nRows; ++row) {
            if (!MakeCells(m_rows[size_t(row)], row, oldCols, cols)) {
                for (int made = 0; made <= row; ++made)
                    m_rows[size_t(made)].resize(size_t(oldCols));
                return FALSE;
            }
        }
        m_colWidths.Resize(cols, kDefaultColumnWidth);
    } else {
        for (int row = 0; row < m_nRows; ++row)
            FreeRow(m_rows[size_t(row)], row, cols);
        m_colWidths.Resize(cols, kDefaultColumnWidth);
    }
    m_nCols = cols;
    m_nFixedCols = std::min(m_nFixedCols, cols);
    return TRUE;
}

BOOL CGridCellStore::SetFixedRowCount(int rows)
{
    if (rows < 0 || (rows > m_nRows && !SetRowCount(rows)))
        return FALSE;
    m_nFixedRows = rows;
    return TRUE;
}

BOOL CGridCellStore::SetFixedColumnCount(int cols)
{
    if (cols < 0 || (cols > m_nCols && !SetColumnCount(cols)))
        return FALSE;
    m_nFixedCols = cols;
    return TRUE;
}

void CGridCellStore::DeleteAllCells()
{
    for (int row = 0; row < int(m_rows.size()); ++row)
        FreeRow(m_rows[size_t(row)], row, 0);
    m_rows.clear();
    m_rowHeights.Assign({});
    m_colWidths.Assign({});
    m_nRows = m_nCols = m_nFixedRows = m_nFixedCols = 0;
}

int CGridCellStore::GetRowHeight(int row) const
{
    return m_rowHeights.Get(row);
}

int CGridCellStore::GetColumnWidth(int col) const
{
    return m_colWidths.Get(col);
}

BOOL CGridCellStore::SetSize(CGridSizes& sizes, int index, int size)
{
    const int stored = sizes.Get(index);
    if (stored < 0 || size < 0)
        return FALSE;
    if (size > stored && sizes.Total() - stored > INT_MAX - size)
        return FALSE;
    sizes.Set(index, size);
    return TRUE;
}

BOOL CGridCellStore::SetRowHeight(int row, int height)
{
    return SetSize(m_rowHeights, row, height);
}

BOOL CGridCellStore::SetColumnWidth(int col, int width)
{
    return SetSize(m_colWidths, col, width);
}

BOOL CGridCellStore::IsValid(const CCellRect& r) const
{
    return r.minRow >= 0 && r.minCol >= 0 && r.maxRow < m_nRows && r.maxCol < m_nCols &&
           r.maxRow >= r.minRow && r.maxCol >= r.minCol;
}

CGridCell* CGridCellStore::GetCell(int row, int col) const
{
    // Reads the rows as built so far: a count change makes cells that look at their neighbours.
    if (row < 0 || col < 0 || size_t(row) >= m_rows.size())
        return nullptr;
    const CellRow& cells = m_rows[size_t(row)];
    return size_t(col) < cells.size() ? cells[size_t(col)].get() : nullptr;
}

CCellCoord CGridCellStore::MergeOrigin(int row, int col) const
{
    const CGridCell* cell = GetCell(row, col);
    if (cell && cell->IsCovered(row, col) && GetCell(cell->mergeOrigin.row, cell->mergeOrigin.col))
        return cell->mergeOrigin;
    return CCellCoord(row, col);
}

CCellRect CGridCellStore::MergeArea(int row, int col) const
{
    CCellCoord origin = MergeOrigin(row, col);
    const CGridCell* cell = GetCell(origin.row, origin.col);
    if (!cell)
        return CCellRect(row, col, row, col);
    return CCellRect(origin.row, origin.col, std::min(origin.row + int(cell->nRowSpan), m_nRows - 1),
                     std::min(origin.col + int(cell->nColSpan), m_nCols - 1));
}

CCellRect CGridCellStore::WidenOverMerges(CCellRect range) const
{
    // A merged area that reaches out of the range holds a cell on its edge. Each growth may reach
    // areas the old edges did not, so the edges are walked again until they hold still.
    for (CCellRect was; !(range == was);) {
        was = range;
        auto take = [&](int row, int col) {
            const CCellRect area = MergeArea(row, col);
            range = CCellRect(std::min(range.minRow, area.minRow), std::min(range.minCol, area.minCol),
                              std::max(range.maxRow, area.maxRow), std::max(range.maxCol, area.maxCol));
        };
        for (int col = was.minCol; col <= was.maxCol; ++col) {
            take(was.minRow, col);
            take(was.maxRow, col);
        }
        for (int row = was.minRow; row <= was.maxRow; ++row) {
            take(row, was.minCol);
            take(row, was.maxCol);
        }
    }
    return range;
}

bool CGridCellStore::HasMergeInRows(int first, int last) const
{
    for (int row = std::max(first, 0); row <= last && row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col) {
            const CGridCell* cell = GetCell(row, col);
            if (cell->HasSpan() || cell->IsCovered(row, col))
                return true;
        }
    return false;
}

void CGridCellStore::SortNormalRows(int col, bool ascending, const GridTextGetter& getText)
{
    if (col < 0 || col >= m_nCols || m_nFixedRows >= m_nRows)
        return;
    std::vector<int> order;
    std::vector<CString> keys(static_cast<size_t>(m_nRows));
    for (int row = m_nFixedRows; row < m_nRows; ++row) {
        order.push_back(row);
        keys[size_t(row)] = getText(row, col);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int compare = keys[size_t(a)].str().compare(keys[size_t(b)].str());
        return ascending ? compare < 0 : compare > 0;
    });
    std::vector<CellRow> rows;
    std::vector<int> heights = m_rowHeights.Sizes();
    for (size_t i = 0; i < order.size(); ++i) {
        rows.push_back(std::move(m_rows[size_t(order[i])]));
        heights[size_t(m_nFixedRows) + i] = m_rowHeights.Get(order[i]);
    }
    std::move(rows.begin(), rows.end(), m_rows.begin() + m_nFixedRows);
    m_rowHeights.Assign(std::move(heights));
}
