#include "sheet/model/CellFactory.h"

#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

namespace SheetModel {

std::unique_ptr<CNorvakCell> NewDefaultCell(const CNorvakPage& page, const CNorvakPageCells& cells, int row,
                                            int col)
{
    auto cell = std::make_unique<CNorvakCell>();
    if (row > 0 && col >= 0 && col < page.m_nCols) {
        const CNorvakCell* above = cells.GetCell(row - 1, col);
        cell->SetTextFormat(above ? above->GetTextFormat() : WORD(-1));
    }
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
