#pragma once

// The cell slots of one row that holds at least one cell of its own. Slots are physical: the
// page's cell table maps each column to a slot, so that inserting or deleting a column moves no
// slot of any row. An empty slot, or one past the row's end, is a cell that holds only the
// defaults.

#include "sheet/model/NorvakCell.h"

#include <memory>
#include <vector>

class CNorvakCellRow
{
public:
    using CellPtr = std::unique_ptr<CNorvakCell>;

    CNorvakCellRow() = default;
    // May throw std::bad_alloc.
    explicit CNorvakCellRow(int slots) { Widen(slots); }

    int GetSlotCount() const { return int(m_cells.size()); }
    // The cell's own record in the slot; null for a cell with only the defaults.
    CNorvakCell* AtSlot(int slot) const { return size_t(slot) < m_cells.size() ? m_cells[size_t(slot)].get() : nullptr; }
    // The slot must lie inside the row.
    CellPtr& Slot(int slot) { return m_cells[size_t(slot)]; }
    // At least this many slots; may throw std::bad_alloc, leaving the row as it was.
    void Widen(int slots)
    {
        if (size_t(slots) > m_cells.size())
            m_cells.resize(size_t(slots));
    }

private:
    std::vector<CellPtr> m_cells;
};
