#include "tests/support/PageConsistency.h"

#include <cstdint>
#include <sstream>

namespace {

std::string At(int row, int col)
{
    return "(" + std::to_string(row) + ", " + std::to_string(col) + ")";
}

std::string CheckTable(const CNorvakPage& page, const CNorvakPageCells& cells)
{
    if (cells.GetPageIndex() != page.m_nIndex)
        return "table records page " + std::to_string(cells.GetPageIndex()) + ", page is " +
               std::to_string(page.m_nIndex);
    if (cells.GetRowSlotCount() != page.m_nRows)
        return "table has " + std::to_string(cells.GetRowSlotCount()) + " rows, page " +
               std::to_string(page.m_nRows);
    for (int row = 0; row < page.m_nRows; ++row) {
        if (cells.RowAt(row).GetSize() != page.m_nCols)
            return "row " + std::to_string(row) + " has " + std::to_string(cells.RowAt(row).GetSize()) +
                   " cells, page has " + std::to_string(page.m_nCols) + " columns";
        for (int col = 0; col < page.m_nCols; ++col)
            if (!cells.GetCell(row, col))
                return "no cell at " + At(row, col);
    }
    return {};
}

std::string CheckCounts(const CNorvakPage& page)
{
    if (page.m_rowHeights.size() != size_t(page.m_nRows))
        return std::to_string(page.m_rowHeights.size()) + " row heights for " + std::to_string(page.m_nRows) +
               " rows";
    if (page.m_colWidths.size() != size_t(page.m_nCols))
        return std::to_string(page.m_colWidths.size()) + " column widths for " +
               std::to_string(page.m_nCols) + " columns";
    if (page.m_nFixedRows < 0 || page.m_nFixedRows > page.m_nRows)
        return "fixed rows " + std::to_string(page.m_nFixedRows) + " outside 0.." +
               std::to_string(page.m_nRows);
    if (page.m_nFixedCols < 0 || page.m_nFixedCols > page.m_nCols)
        return "fixed columns " + std::to_string(page.m_nFixedCols) + " outside 0.." +
               std::to_string(page.m_nCols);
    if (page.m_nFixedRows + page.m_nLockedRows > page.m_nRows)
        return "locked rows " + std::to_string(page.m_nLockedRows) + " reach past the rows";
    if (page.m_nFixedCols + page.m_nLockedCols > page.m_nCols)
        return "locked columns " + std::to_string(page.m_nLockedCols) + " reach past the columns";
    return {};
}

std::string CheckEdges(const std::vector<CEdgeLineEntry>& edges, int count, const char* name)
{
    if (edges.size() != size_t(count))
        return std::to_string(edges.size()) + " " + name + " edge lines for " + std::to_string(count);
    for (size_t i = 0; i < edges.size(); ++i)
        if (edges[i].index != int(i))
            return std::string(name) + " edge line " + std::to_string(i) + " names " +
                   std::to_string(edges[i].index);
    return {};
}

// Which merge record claims each cell: -1 none.
std::string CheckMerges(const CNorvakPage& page, const CNorvakPageCells& cells)
{
    std::vector<std::vector<int>> owner(size_t(page.m_nRows), std::vector<int>(size_t(page.m_nCols), -1));
    int id = 0;
    for (const auto* list : {&page.m_bodyMerges, &page.m_headerMerges}) {
        for (const CMergeCellRange& m : *list) {
            std::string name = "merge " + At(m.firstRow, m.firstCol) + "-" + At(m.lastRow, m.lastCol);
            if (m.firstRow < 0 || m.firstCol < 0 || m.lastRow >= page.m_nRows || m.lastCol >= page.m_nCols ||
                m.firstRow > m.lastRow || m.firstCol > m.lastCol)
                return name + " lies outside the grid";
            if (m.firstRow == m.lastRow && m.firstCol == m.lastCol)
                return name + " is a single cell";
            for (int row = m.firstRow; row <= m.lastRow; ++row)
                for (int col = m.firstCol; col <= m.lastCol; ++col) {
                    if (owner[size_t(row)][size_t(col)] >= 0)
                        return name + " overlaps another merge at " + At(row, col);
                    owner[size_t(row)][size_t(col)] = id;
                    const CNorvakCell* cell = cells.GetCell(row, col);
                    bool origin = row == m.firstRow && col == m.firstCol;
                    if (origin &&
                        (cell->IsCovered() || cell->GetRowSpan() != m.lastRow - m.firstRow ||
                         cell->GetColSpan() != m.lastCol - m.firstCol || !cell->GetMergeOrigin().IsNone()))
                        return name + ": origin cell has covered " + std::to_string(cell->IsCovered()) +
                               ", spans " + std::to_string(cell->GetRowSpan()) + "x" +
                               std::to_string(cell->GetColSpan());
                    if (!origin && (!cell->IsCovered() || cell->IsMergeOrigin() ||
                                    !(cell->GetMergeOrigin() == CCellCoord(m.firstRow, m.firstCol))))
                        return name + ": cell " + At(row, col) + " covered " +
                               std::to_string(cell->IsCovered()) + " with origin " +
                               At(cell->GetMergeOrigin().row, cell->GetMergeOrigin().col);
                }
            ++id;
        }
    }
    for (int row = 0; row < page.m_nRows; ++row)
        for (int col = 0; col < page.m_nCols; ++col) {
            const CNorvakCell* cell = cells.GetCell(row, col);
            if (owner[size_t(row)][size_t(col)] < 0 &&
                (cell->IsCovered() || cell->IsMergeOrigin() || !cell->GetMergeOrigin().IsNone()))
                return "cell " + At(row, col) + " is marked merged but no merge record holds it";
        }
    return {};
}

// The selection is the page's map alone: its walk visits each cell once, in key order (the file
// and the border setters rely on it), inside the grid. The focus bit shows only on the focus cell,
// and a cell without a record of its own shows the focus of its own page.
std::string CheckSelection(const CNorvakPage& page, const CNorvakPageCells& cells)
{
    bool first = true;
    uint64_t lastKey = 0;
    for (const auto& [key, at] : page.m_selectedCells) {
        if (key != CCellSelectionMap::Key(at.row, at.col))
            return "selection entry " + At(at.row, at.col) + " under a foreign key";
        if (!first && key <= lastKey)
            return "selection entry " + At(at.row, at.col) + " out of key order or twice";
        if (!page.IsValidCell(at.row, at.col))
            return "selection entry " + At(at.row, at.col) + " outside the grid";
        first = false;
        lastKey = key;
    }
    const CCellCoord& focus = page.m_focusCell;
    for (int row = 0; row < page.m_nRows; ++row)
        for (int col = 0; col < page.m_nCols; ++col) {
            const bool focused = (cells.GetCell(row, col)->GetState() & CIS_FOCUSED) != 0;
            const bool isFocus = focus == CCellCoord(row, col);
            if (focused && !isFocus)
                return "cell " + At(row, col) + " has the focus bit, the focus is " +
                       At(focus.row, focus.col);
            if (isFocus && !focused && !cells.FindOwnCell(row, col))
                return "the focus cell " + At(row, col) + " shows no focus: the table shows another page";
        }
    if (!(focus == CCellCoord()) && !page.IsValidCell(focus.row, focus.col))
        return "focus " + At(focus.row, focus.col) + " outside the grid";
    return {};
}

std::string CheckAutoText(const CNorvakPage& page)
{
    for (const CAutoTextColumn& a : page.m_autoTextColumns)
        if (a.column < 0 || a.column >= page.m_nCols)
            return "auto-text column " + std::to_string(a.column) + " outside the grid";
    return {};
}

} // namespace

std::string CheckPageConsistency(const CNorvakPage& page, const CNorvakPageCells& cells)
{
    for (std::string fault : {CheckTable(page, cells), CheckCounts(page)})
        if (!fault.empty())
            return fault;
    for (std::string fault : {CheckEdges(page.m_leftEdgeLines, page.m_nRows, "left"),
                              CheckEdges(page.m_topEdgeLines, page.m_nCols, "top"), CheckMerges(page, cells),
                              CheckSelection(page, cells), CheckAutoText(page)})
        if (!fault.empty())
            return fault;
    return {};
}
