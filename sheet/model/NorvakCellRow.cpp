#include "sheet/model/NorvakCellRow.h"

#include <algorithm>

void CNorvakCellRow::Widen(int slots)
{
    if (m_cells.empty())
        Cover(0, slots);
    else
        Cover(0, std::max(slots, m_nFirstSlot + int(m_cells.size())));
}

void CNorvakCellRow::Reach(int slot)
{
    if (m_cells.empty())
        Cover(slot, slot + 1);
    else if (!Holds(slot))
        Cover(std::min(slot, m_nFirstSlot), std::max(slot + 1, m_nFirstSlot + int(m_cells.size())));
}

void CNorvakCellRow::Cover(int first, int end)
{
    if (first == m_nFirstSlot && size_t(end - first) <= m_cells.size())
        return;
    if (first == m_nFirstSlot) {
        m_cells.resize(size_t(end - first));
        return;
    }
    std::vector<CellPtr> cells(size_t(end - first));
    std::move(m_cells.begin(), m_cells.end(), cells.begin() + (m_nFirstSlot - first));
    m_cells.swap(cells);
    m_nFirstSlot = first;
}
