#include "sheet/model/BlockPaste.h"

#include "sheet/model/CellCopy.h"
#include "sheet/model/MergeCells.h"

namespace SheetModel {

namespace {

bool Inside(const CMergeCellRange& merge, const CCellRect& range)
{
    return merge.firstRow >= range.minRow && merge.firstCol >= range.minCol &&
           merge.lastRow <= range.maxRow && merge.lastCol <= range.maxCol;
}

bool Overlaps(const CMergeCellRange& merge, const CCellRect& range)
{
    return merge.firstRow <= range.maxRow && range.minRow <= merge.lastRow &&
           merge.firstCol <= range.maxCol && range.minCol <= merge.lastCol;
}

} // namespace

CMergeRefusal CheckMergePlacement(const CNorvakPage& page, const std::vector<CMergeCellRange>& records,
                                  int row, int col, const CCellRect* leaving)
{
    for (const CMergeCellRange& record : records) {
        const CCellRect placed(row + record.firstRow, col + record.firstCol,
                               row + record.firstRow + record.lastRow,
                               col + record.firstCol + record.lastCol);
        if (placed.maxRow >= page.m_nRows || placed.maxCol >= page.m_nCols)
            return kMergePastPage;
        for (const CMergeCellRange& merge : page.m_bodyMerges) {
            if (leaving && Inside(merge, *leaving))
                continue;
            if (Overlaps(merge, placed) && !Inside(merge, placed))
                return kMergeCutThrough;
        }
    }
    return kMergesFit;
}

CMergeRefusal CheckBlockPlacement(const CNorvakPage& page, const CCellRect& block, const CCellRect* leaving)
{
    const CMergeCellRange record =
        CMergeCellRange::Of(0, 0, block.maxRow - block.minRow, block.maxCol - block.minCol);
    return CheckMergePlacement(page, {record}, block.minRow, block.minCol, leaving);
}

CMergeRefusal CheckBufferPlacement(const CNorvakPage& page, const CDragBuffer& buffer, int row, int col,
                                   const CCellRect* leaving)
{
    const CCellRect block(row, col, row + buffer.GetRowCount() - 2, col + buffer.GetColumnCount() - 2);
    const CMergeRefusal refusal = CheckBlockPlacement(page, block, leaving);
    return refusal != kMergesFit ? refusal : CheckMergePlacement(page, buffer.GetMerges(), row, col, leaving);
}

void DissolveMergesInside(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& range,
                          ICellRepaint& repaint)
{
    for (size_t i = page.m_bodyMerges.size(); i-- > 0;) {
        if (i >= page.m_bodyMerges.size())
            continue;
        const CMergeCellRange merge = page.m_bodyMerges[i];
        if (Inside(merge, range))
            UnCombineCells(page, cells, merge.firstRow, merge.firstCol, repaint);
    }
}

void ClearBlock(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& block, ICellRepaint& repaint)
{
    DissolveMergesInside(page, cells, block, repaint);
    const CNorvakCell fresh;
    for (int col = block.minCol; col <= block.maxCol; ++col)
        if (CNorvakCell* above = cells.FindOwnCell(block.minRow - 1, col))
            CopyBottomBorder(*above, fresh);
    for (int row = block.minRow; row <= block.maxRow; ++row) {
        if (CNorvakCell* left = cells.FindOwnCell(row, block.minCol - 1))
            CopyRightBorder(*left, fresh);
        for (int col = block.minCol; col <= block.maxCol; ++col)
            if (CNorvakCell* cell = cells.FindOwnCell(row, col))
                ClearCell(*cell);
    }
    repaint.RepaintAll();
}

void PasteBuffer(CNorvakPage& page, CNorvakPageCells& cells, const CDragBuffer& buffer, int row, int col,
                 CCellGeometry& geometry, ICellRepaint& repaint)
{
    const int rows = buffer.GetRowCount() - 1;
    const int cols = buffer.GetColumnCount() - 1;
    DissolveMergesInside(page, cells, CCellRect(row, col, row + rows - 1, col + cols - 1), repaint);
    for (int k = 1; k <= cols; ++k)
        if (CNorvakCell* above = cells.EditCell(row - 1, col - 1 + k))
            CopyBottomBorder(*above, buffer.At(0, k));
    for (int i = 1; i <= rows; ++i) {
        if (CNorvakCell* left = cells.EditCell(row - 1 + i, col - 1))
            CopyRightBorder(*left, buffer.At(i, 0));
        for (int k = 1; k <= cols; ++k)
            if (CNorvakCell* cell = cells.EditCell(row - 1 + i, col - 1 + k)) {
                CopyCell(*cell, buffer.At(i, k), TRUE);
                DetachPastedCell(*cell);
            }
    }
    for (const CMergeCellRange& merge : buffer.GetMerges())
        CombineCells(page, cells, row + merge.firstRow, col + merge.firstCol, merge.lastRow, merge.lastCol,
                     TRUE, merge.editLock, geometry, repaint);
    repaint.RepaintAll();
}

} // namespace SheetModel
