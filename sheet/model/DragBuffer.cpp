#include "sheet/model/DragBuffer.h"

#include "sheet/model/CellCopy.h"

void CDragBuffer::CopyBlock(const CNorvakPage& page, const CNorvakPageCells& cells, const CCellRect& block)
{
    Empty();
    for (int row = block.minRow - 1; row <= block.maxRow; ++row) {
        auto& buffered = m_rows.emplace_back();
        buffered.reserve(size_t(block.maxCol - block.minCol + 2));
        for (int col = block.minCol - 1; col <= block.maxCol; ++col) {
            auto cell = std::make_unique<CNorvakCell>();
            if (const CNorvakCell* source = page.IsValidCell(row, col) ? cells.GetCell(row, col) : nullptr)
                SheetModel::CopyCell(*cell, *source, TRUE);
            buffered.push_back(std::move(cell));
        }
    }
    for (const CMergeCellRange& merge : page.m_bodyMerges) {
        if (merge.firstRow < block.minRow || merge.firstCol < block.minCol || merge.lastRow > block.maxRow ||
            merge.lastCol > block.maxCol)
            continue;
        m_merges.push_back(CMergeCellRange::Of(merge.firstRow - block.minRow, merge.firstCol - block.minCol,
                                               merge.lastRow - merge.firstRow, merge.lastCol - merge.firstCol,
                                               merge.editLock));
    }
}

void CDragBuffer::Empty()
{
    m_rows.clear();
    m_merges.clear();
}
