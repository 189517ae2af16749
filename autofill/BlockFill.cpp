#include "autofill/BlockFill.h"

#include "sheet/model/CellCopy.h"
#include "sheet/model/MergeCells.h"

namespace AutoFill {

namespace {

// The remainder in 0 .. size - 1, also for places before the block.
int Repeat(int offset, int size)
{
    const int remainder = offset % size;
    return remainder < 0 ? remainder + size : remainder;
}

int FloorDiv(int value, int size)
{
    return value >= 0 ? value / size : -((-value + size - 1) / size);
}

bool Contains(const CCellRect& range, int row, int col)
{
    return row >= range.minRow && row <= range.maxRow && col >= range.minCol && col <= range.maxCol;
}

bool Inside(const CMergeCellRange& merge, const CCellRect& range)
{
    return Contains(range, merge.firstRow, merge.firstCol) && Contains(range, merge.lastRow, merge.lastCol);
}

int Height(const CCellRect& block)
{
    return block.maxRow - block.minRow + 1;
}

int Width(const CCellRect& block)
{
    return block.maxCol - block.minCol + 1;
}

template <class Visit> void ForEachOutside(const CCellRect& source, const CCellRect& target, Visit visit)
{
    for (int row = target.minRow; row <= target.maxRow; ++row)
        for (int col = target.minCol; col <= target.maxCol; ++col)
            if (!Contains(source, row, col))
                visit(row, col);
}

void ResetTargetCells(CNorvakPageCells& cells, const CCellRect& source, const CCellRect& target)
{
    const CNorvakCell fresh;
    ForEachOutside(source, target, [&](int row, int col) {
        if (CNorvakCell* cell = cells.FindOwnCell(row, col))
            SheetModel::ResetCell(*cell, TRUE, TRUE);
        // The lines this cell shows on its top and left come from its neighbours; the source's own
        // cells keep theirs.
        if (CNorvakCell* above = Contains(source, row - 1, col) ? nullptr : cells.FindOwnCell(row - 1, col))
            SheetModel::CopyBottomBorder(*above, fresh);
        if (CNorvakCell* left = Contains(source, row, col - 1) ? nullptr : cells.FindOwnCell(row, col - 1))
            SheetModel::CopyRightBorder(*left, fresh);
    });
}

void RepeatMerges(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& source,
                  const CCellRect& target, CCellGeometry& geometry)
{
    const int height = Height(source);
    const int width = Width(source);
    std::vector<CMergeCellRange> repeated;
    for (const CMergeCellRange& merge : page.m_bodyMerges) {
        if (!Inside(merge, source))
            continue;
        for (int down = FloorDiv(target.minRow - source.minRow, height);
             down <= FloorDiv(target.maxRow - source.minRow, height); ++down)
            for (int across = FloorDiv(target.minCol - source.minCol, width);
                 across <= FloorDiv(target.maxCol - source.minCol, width); ++across) {
                CMergeCellRange copy = merge;
                copy.firstRow += down * height;
                copy.lastRow += down * height;
                copy.firstCol += across * width;
                copy.lastCol += across * width;
                if ((down != 0 || across != 0) && Inside(copy, target))
                    repeated.push_back(copy);
            }
    }
    CNoRepaint quiet;
    for (const CMergeCellRange& merge : repeated)
        SheetModel::CombineCells(page, cells, merge.firstRow, merge.firstCol, merge.lastRow - merge.firstRow,
                                 merge.lastCol - merge.firstCol, TRUE, merge.editLock, geometry, quiet);
}

} // namespace

CMergeRefusal PrepareFill(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& source,
                          const CCellRect& target, CCellGeometry& geometry)
{
    const CMergeRefusal refusal = SheetModel::CheckBlockPlacement(page, target);
    if (refusal != kMergesFit)
        return refusal;
    CNoRepaint quiet;
    for (size_t i = page.m_bodyMerges.size(); i-- > 0;) {
        const CMergeCellRange merge = page.m_bodyMerges[i];
        if (Inside(merge, target) && !Inside(merge, source))
            SheetModel::UnCombineCells(page, cells, merge.firstRow, merge.firstCol, quiet);
    }
    ResetTargetCells(cells, source, target);
    RepeatMerges(page, cells, source, target, geometry);
    return kMergesFit;
}

void RepeatBlock(CNorvakPageCells& cells, const CCellRect& source, const CCellRect& target)
{
    const int height = Height(source);
    const int width = Width(source);
    ForEachOutside(source, target, [&](int row, int col) {
        CNorvakCell* cell = cells.EditCell(row, col);
        const CNorvakCell* from = cells.GetCell(source.minRow + Repeat(row - source.minRow, height),
                                                source.minCol + Repeat(col - source.minCol, width));
        if (cell && from)
            SheetModel::CopyCell(*cell, *from, FALSE);
    });
}

void RepeatEdgeBorders(CNorvakPageCells& cells, const CCellRect& source, const CCellRect& target)
{
    const int height = Height(source);
    const int width = Width(source);
    for (int col = target.minCol; col <= target.maxCol; ++col) {
        CNorvakCell* above = cells.EditCell(target.minRow - 1, col);
        const CNorvakCell* from =
            cells.GetCell(source.minRow - 1, source.minCol + Repeat(col - source.minCol, width));
        if (above && from && above != from)
            SheetModel::CopyBottomBorder(*above, *from);
    }
    for (int row = target.minRow; row <= target.maxRow; ++row) {
        CNorvakCell* left = cells.EditCell(row, target.minCol - 1);
        const CNorvakCell* from =
            cells.GetCell(source.minRow + Repeat(row - source.minRow, height), source.minCol - 1);
        if (left && from && left != from)
            SheetModel::CopyRightBorder(*left, *from);
    }
}

CCellCoord CornerFocus(const CCellRect& source, const CCellRect& target, CCellCoord focus)
{
    if (focus == CCellCoord(source.minRow, source.minCol))
        return CCellCoord(target.minRow, target.minCol);
    if (focus == CCellCoord(source.minRow, source.maxCol))
        return CCellCoord(target.minRow, target.maxCol);
    if (focus == CCellCoord(source.maxRow, source.maxCol))
        return CCellCoord(target.maxRow, target.maxCol);
    if (focus == CCellCoord(source.maxRow, source.minCol))
        return CCellCoord(target.maxRow, target.minCol);
    return focus;
}

bool IsSeriesFill(const CCellRect& source, const CCellRect& target)
{
    if (source.minRow != source.maxRow || source.minCol != source.maxCol)
        return false;
    return (target.minRow == source.minRow && target.maxRow == source.minRow) ||
           (target.minCol == source.minCol && target.maxCol == source.minCol);
}

} // namespace AutoFill
