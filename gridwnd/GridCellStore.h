#pragma once

// The cells of the standalone grid: row and column counts with their fixed counts, row heights and
// column widths in pixels, and one cell record per position, row by row. No window: the grid
// window wraps the count setters with its selection, scroll bars and repaint.
//
// Ownership: the store owns its cells. It makes and unmakes them through the factory it was given,
// which must outlive it.

#include "framework/Geometry.h"
#include "gridwnd/GridCell.h"
#include "gridwnd/GridAxis.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using GridTextGetter = std::function<CString(int row, int col)>;

class IGridCellFactory
{
public:
    // A new cell for (row, column); null refuses, and the count change then fails.
    virtual std::unique_ptr<CGridCell> CreateCell(int row, int col) = 0;
    // Runs for every cell just before it is deleted, while (row, column) still names it.
    virtual void EmptyCell(CGridCell& cell, int row, int col) = 0;

protected:
    ~IGridCellFactory() = default;
};

class CGridCellStore
{
public:
    static constexpr int kDefaultRowHeight = 10;
    static constexpr int kDefaultColumnWidth = 30;

    explicit CGridCellStore(IGridCellFactory& factory) : m_factory(factory) {}
    CGridCellStore(const CGridCellStore&) = delete;
    CGridCellStore& operator=(const CGridCellStore&) = delete;
    ~CGridCellStore() { DeleteAllCells(); }

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }

    // FALSE for a negative count or when a cell cannot be made (nothing changes then). A count
    // below the fixed count lowers the fixed count; a fixed count above the count raises it.
    BOOL SetRowCount(int rows);
    BOOL SetColumnCount(int cols);
    BOOL SetFixedRowCount(int rows);
    BOOL SetFixedColumnCount(int cols);
    // Empties and deletes every cell; every count becomes 0.
    void DeleteAllCells();

    // -1 outside the counts.
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    // FALSE for a bad index, a negative size, or a size that would take the total past INT_MAX.
    BOOL SetRowHeight(int row, int height);
    BOOL SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const { return Rows().FixedExtent(); }
    int GetFixedColumnWidth() const { return Cols().FixedExtent(); }
    int GetTotalRowHeight() const { return m_rowHeights.Total(); }
    int GetTotalColumnWidth() const { return m_colWidths.Total(); }

    // The axes of the cells as shown, the scrolling band starting at the scroll position.
    CGridAxis Rows(int scrollPos = 0) const { return {m_rowHeights, m_nFixedRows, scrollPos}; }
    CGridAxis Cols(int scrollPos = 0) const { return {m_colWidths, m_nFixedCols, scrollPos}; }

    BOOL IsValid(int row, int col) const { return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols; }
    BOOL IsValid(CCellCoord cell) const { return IsValid(cell.row, cell.col); }
    BOOL IsValid(const CCellRect& range) const;
    BOOL IsFixed(int row, int col) const { return row < m_nFixedRows || col < m_nFixedCols; }
    // Null outside the counts.
    CGridCell* GetCell(int row, int col) const;
    // Calls visit(cell) for every cell of the range within the counts, row by row.
    template <class Visit> void ForEachCell(const CCellRect& range, Visit visit) const
    {
        const int lastRow = std::min(range.maxRow, int(m_rows.size()) - 1);
        for (int row = std::max(range.minRow, 0); row <= lastRow; ++row) {
            const CellRow& cells = m_rows[size_t(row)];
            const int lastCol = std::min(range.maxCol, int(cells.size()) - 1);
            for (int col = std::max(range.minCol, 0); col <= lastCol; ++col)
                visit(*cells[size_t(col)]);
        }
    }

    // The first cell of the merged area that holds the cell (the cell itself when not covered),
    // and the whole area (the cell alone when it is not merged).
    CCellCoord MergeOrigin(int row, int col) const;
    CCellRect MergeArea(int row, int col) const;
    // The range grown until every merged area that touches it lies wholly inside.
    CCellRect WidenOverMerges(CCellRect range) const;
    // Whether a cell of the rows lies in a merged area.
    bool HasMergeInRows(int first, int last) const;

    // Sorts the normal rows by the texts of one column (byte order of the code page 936 texts);
    // each row moves whole, its cells and its height. Equal texts keep their order.
    void SortNormalRows(int col, bool ascending, const GridTextGetter& getText);

private:
    using CellRow = std::vector<std::unique_ptr<CGridCell>>;

    bool MakeCells(CellRow& row, int rowIndex, int fromCol, int toCol);
    void FreeRow(CellRow& row, int rowIndex, int fromCol);
    static BOOL SetSize(CGridSizes& sizes, int index, int size);

    IGridCellFactory& m_factory;
    int m_nRows = 0;
    int m_nCols = 0;
    int m_nFixedRows = 0;
    int m_nFixedCols = 0;
    CGridSizes m_rowHeights;
    CGridSizes m_colWidths;
    std::vector<CellRow> m_rows;
};

// A cell with the defaults; below row 0 it takes the format of the cell above.
std::unique_ptr<CGridCell> NewDefaultGridCell(const CGridCellStore& store, int row, int col);
// What emptying leaves of a cell: no state and no text.
void EmptyGridCell(CGridCell& cell);
