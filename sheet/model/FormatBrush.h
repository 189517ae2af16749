#pragma once

// The format brush of a page: a source rectangle whose cell formats (text position code, indent,
// edit lock and font record) are tiled once over a target rectangle. The source is kept in the page
// record (m_formatBrush) by whoever sets it: the automation setter and the workbook reader.

#include "sheet/model/CellRepaint.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

namespace SheetModel {

// A source the brush may keep: inverted in neither direction, and with no more rows or columns than
// a page can hold. Its cells are not checked against a page: what lies on the page is read when the
// brush is applied.
bool IsFormatBrushSource(const CCellRect& source);

// Tiles the source over the target from the target's first row and column: target row
// target.minRow + k takes source row source.minRow + k mod (source rows), and columns likewise.
// Only the target cells on the page whose source cell is on the page too are written, and repainted
// (the whole page when they are many); a cell with no record of its own that takes its formats from
// another such cell already has them. The target must not be inverted; its corners may lie anywhere.
void ApplyFormatBrush(const CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& source,
                      const CCellRect& target, ICellRepaint& repaint);

} // namespace SheetModel
