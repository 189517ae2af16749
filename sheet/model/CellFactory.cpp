#include "sheet/model/CellFactory.h"

#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

namespace SheetModel {

WORD NewCellTextFormat(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col)
{
    if (row > 0 && col >= 0 && col < page.m_nCols) {
        if (row - 1 >= cells.GetRowSlotCount() || col >= cells.GetColumnCount())
            return WORD(-1);
        const CNorvakCell* above = cells.FindOwnCell(row - 1, col);
        return above ? above->GetTextFormat() : CNorvakCell::kDefaultTextFormat;
    }
    return CNorvakCell::kDefaultTextFormat;
}

std::unique_ptr<CNorvakCell> NewDefaultCell(const CNorvakPage& page, const CNorvakPageCells& cells, int row,
                                            int col)
{
    auto cell = std::make_unique<CNorvakCell>();
    cell->SetTextFormat(NewCellTextFormat(page, cells, row, col));
    return cell;
}

} // namespace SheetModel

std::unique_ptr<CNorvakCell> CDefaultCellFactory::CreateCell(int, int row, int col)
{
    return SheetModel::NewDefaultCell(m_page, m_cells, row, col);
}

void CDefaultCellFactory::EmptyCell(int, CNorvakCell& cell, int, int)
{
    cell.SetState(0);
    cell.SetText("");
}
