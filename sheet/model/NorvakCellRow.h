#pragma once

// The cell slots of one row that holds at least one cell of its own. Slots are physical: the
// page's cell table maps each column to a slot, so that inserting or deleting a column moves no
// slot of any row. A row keeps a window of consecutive slots, so that a row with a single record
// (a formatted column on a long page) costs one slot, not one per column. A slot outside the window,
// or an empty one, is a cell that holds only the defaults.

#include "sheet/model/NorvakCell.h"

#include <memory>
#include <vector>

class CNorvakCellRow
{
public:
    using CellPtr = std::unique_ptr<CNorvakCell>;

    CNorvakCellRow() = default;
    // A row holding the slots 0 to slots - 1. May throw std::bad_alloc.
    explicit CNorvakCellRow(int slots) { Widen(slots); }

    // The cell's own record in the slot; null for a cell with only the defaults.
    CNorvakCell* AtSlot(int slot) const
    {
        const size_t at = size_t(slot - m_nFirstSlot);
        return at < m_cells.size() ? m_cells[at].get() : nullptr;
    }
    // The slot must lie inside the window.
    CellPtr& Slot(int slot) { return m_cells[size_t(slot - m_nFirstSlot)]; }
    bool Holds(int slot) const { return size_t(slot - m_nFirstSlot) < m_cells.size(); }
    // The window covers at least the slots 0 to slots - 1; may throw std::bad_alloc, leaving the
    // row as it was.
    void Widen(int slots);
    // The window covers the slot, taking no other when the row is still empty; may throw.
    void Reach(int slot);

private:
    void Cover(int first, int end);

    std::vector<CellPtr> m_cells; // the window, from m_nFirstSlot on
    int m_nFirstSlot = 0;
};
