#include "sheet/model/NorvakPageCells.h"

#include "sheet/model/CellFactory.h"

CNorvakCell* CNorvakPageCells::GetCell(int row, int col) const
{
    if (row < 0 || row >= GetRowSlotCount())
        return nullptr;
    const CNorvakCellRow& cells = m_rows[size_t(row)];
    if (col < 0 || col >= cells.GetSize())
        return nullptr;
    return cells.GetAt(col);
}

CNorvakCellRow CNorvakPageCells::RemoveRowAt(int pos)
{
    CNorvakCellRow row = std::move(m_rows[size_t(pos)]);
    m_rows.erase(m_rows.begin() + pos);
    return row;
}

void CNorvakPageCells::SwapCells(CCellCoord a, CCellCoord b)
{
    std::swap(RowAt(a.row).SlotAt(a.col), RowAt(b.row).SlotAt(b.col));
}

void CNorvakPageCells::FreeAll(ICellFactory& factory)
{
    for (int row = GetRowSlotCount() - 1; row >= 0; --row) {
        CNorvakCellRow& cells = m_rows[size_t(row)];
        for (int col = cells.GetSize() - 1; col >= 0; --col) {
            if (CNorvakCell* cell = cells.GetAt(col))
                factory.EmptyCell(m_nPageIndex, *cell, row, col);
            cells.SlotAt(col).reset();
        }
        m_rows.pop_back();
    }
}
