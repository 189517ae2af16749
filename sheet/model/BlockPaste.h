#pragma once

// A block of cells put down elsewhere on its page by a drag of the selection frame: the check of
// the page's merges against the block and its own merges, the clearing of the block a move leaves,
// and the paste of the buffered cells with their borders and merges.

#include "sheet/model/CellGeometry.h"
#include "sheet/model/CellRepaint.h"
#include "sheet/model/DragBuffer.h"

#include <vector>

enum CMergeRefusal : int
{
    kMergesFit = 0,
    kMergeCutThrough = 1, // a merge of the page would be cut
    kMergePastPage = 2,   // the block or one of its merges would reach past the last row or column
};

namespace SheetModel {

// The merge records (offsets from the block's first cell in their first fields, extents in their
// last) placed at (row, col). A merge of the page lying wholly inside leaving, the block a move
// clears first, counts for nothing.
CMergeRefusal CheckMergePlacement(const CNorvakPage& page, const std::vector<CMergeCellRange>& records,
                                  int row, int col, const CCellRect* leaving = nullptr);
// The block as one record at its place.
CMergeRefusal CheckBlockPlacement(const CNorvakPage& page, const CCellRect& block,
                                  const CCellRect* leaving = nullptr);
// The buffer's block as one record, then its merges, at (row, col).
CMergeRefusal CheckBufferPlacement(const CNorvakPage& page, const CDragBuffer& buffer, int row, int col,
                                   const CCellRect* leaving = nullptr);

// Dissolves the merges lying wholly inside the range, the last first.
void DissolveMergesInside(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& range,
                          ICellRepaint& repaint);

// The block back to fresh cells, its merges dissolved and the borders it shows on the row above
// and the column left of it back to the default line.
void ClearBlock(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& block, ICellRepaint& repaint);

// The buffer written with its first block cell at (row, col): the borders of the row above and the
// column left of the block, every cell, and the merges made again. The caller has checked the
// placement.
void PasteBuffer(CNorvakPage& page, CNorvakPageCells& cells, const CDragBuffer& buffer, int row, int col,
                 CCellGeometry& geometry, ICellRepaint& repaint);

} // namespace SheetModel
