#include "sheet/model/FormatBrush.h"

#include "sheet/model/PageRect.h"
#include "sheet/model/RowColumnOps.h"

#include <vector>

namespace SheetModel {

namespace {

// More changed cells than this are repainted as the whole page: one invalidation per cell would cost
// more than the paint.
constexpr size_t kCellRepaints = 64;

// The source line that lands on a target line: offsets are counted from the target's first line,
// in 64 bits, since that line may lie anywhere.
int64_t Tiled(int line, int targetFirst, int sourceFirst, int64_t sourceLines)
{
    return sourceFirst + (int64_t(line) - targetFirst) % sourceLines;
}

} // namespace

bool IsFormatBrushSource(const CCellRect& source)
{
    return !source.IsEmpty() && source.RowCount() <= kMaxRowCount && source.ColumnCount() <= kMaxColumnCount;
}

void ApplyFormatBrush(const CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& source,
                      const CCellRect& target, ICellRepaint& repaint)
{
    const CCellRect onPage = ClampToPage(page, target);
    if (source.IsEmpty() || ClampToPage(page, source).IsEmpty())
        return;
    const int64_t sourceRows = source.RowCount();
    const int64_t sourceCols = source.ColumnCount();
    std::vector<CCellCoord> changed;
    for (int row = onPage.minRow; row <= onPage.maxRow; ++row) {
        const int64_t fromRow = Tiled(row, target.minRow, source.minRow, sourceRows);
        if (fromRow < 0 || fromRow >= page.m_nRows)
            continue;
        for (int col = onPage.minCol; col <= onPage.maxCol; ++col) {
            const int64_t fromCol = Tiled(col, target.minCol, source.minCol, sourceCols);
            if (fromCol < 0 || fromCol >= page.m_nCols)
                continue;
            const CNorvakCell* from = cells.GetCell(int(fromRow), int(fromCol));
            if (!from || (!cells.FindOwnCell(row, col) && !cells.FindOwnCell(int(fromRow), int(fromCol))))
                continue;
            CNorvakCell* to = cells.EditCell(row, col);
            if (!to)
                continue;
            to->SetTextFormat(from->GetTextFormat());
            to->SetIndent(from->GetIndent());
            to->SetEditLock(from->GetEditLock());
            to->SetFont(from->GetFont());
            if (changed.size() <= kCellRepaints)
                changed.emplace_back(row, col);
        }
    }
    if (changed.size() > kCellRepaints)
        return repaint.RepaintAll();
    for (CCellCoord cell : changed)
        repaint.RepaintCell(cell);
}

} // namespace SheetModel
