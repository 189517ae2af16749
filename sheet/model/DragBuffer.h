#pragma once

// The cells of a block being moved or copied by a drag of the selection frame, kept from the copy
// to the paste of one drag. Row 0 holds the row above the block and cell 0 of every row the cell
// left of it, for the borders they give the block's top and left edges. The merges lying wholly
// inside the block are kept relative to its first cell. The buffer owns its cells.

#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <memory>
#include <vector>

class CDragBuffer
{
public:
    // Empties the buffer and copies the block into it, each cell whole with its merge fields; a
    // cell the page lacks stays a default cell.
    void CopyBlock(const CNorvakPage& page, const CNorvakPageCells& cells, const CCellRect& block);
    void Empty();

    bool IsEmpty() const { return m_rows.empty(); }
    // Rows and cells per row, the border row and column included.
    int GetRowCount() const { return int(m_rows.size()); }
    int GetColumnCount() const { return m_rows.empty() ? 0 : int(m_rows.front().size()); }
    const CNorvakCell& At(int row, int col) const { return *m_rows[size_t(row)][size_t(col)]; }
    // Each with offsets from the block's first row and column and its extents in its last fields.
    const std::vector<CMergeCellRange>& GetMerges() const { return m_merges; }

private:
    std::vector<std::vector<std::unique_ptr<CNorvakCell>>> m_rows;
    std::vector<CMergeCellRange> m_merges;
};
