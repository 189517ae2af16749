#pragma once

// A fill from a corner of the selection frame, on a page with no window: the target block takes
// the source block's cells repeated in both directions away from it, with its merges, and the
// borders the source shows along its top and left edges. The source's own cells are never written.

#include "sheet/model/BlockPaste.h"

namespace AutoFill {

// Makes the target ready: refused (nothing changed) when a merge of the page would be cut or the
// target reaches past the page; else the merges the source does not hold are dissolved, the target
// cells outside the source reset with the borders they show above and to the left, and the
// source's merges repeated over the target at whole-block offsets.
CMergeRefusal PrepareFill(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& source,
                          const CCellRect& target, CCellGeometry& geometry);

// Every target cell outside the source takes the source cell at the same place modulo the block's
// height and width, counted from the source's first cell in either direction.
void RepeatBlock(CNorvakPageCells& cells, const CCellRect& source, const CCellRect& target);

// The row above the target takes bottom borders, and the column left of it right borders, from the
// cells bordering the source, repeated as the block is.
void RepeatEdgeBorders(CNorvakPageCells& cells, const CCellRect& source, const CCellRect& target);

// The focus after a fill: a focus on a corner of the source goes to the same corner of the target.
CCellCoord CornerFocus(const CCellRect& source, const CCellRect& target, CCellCoord focus);

// A single source cell filled along its own row or column: the series engine continues it.
bool IsSeriesFill(const CCellRect& source, const CCellRect& target);

} // namespace AutoFill
