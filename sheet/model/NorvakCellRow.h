#pragma once

// The cell slots of one row that holds at least one cell of its own; slot c holds column c. An
// empty slot is a cell that holds only the defaults.

#include "sheet/model/NorvakCell.h"

#include <algorithm>
#include <memory>
#include <vector>

class CNorvakCellRow
{
public:
    using CellPtr = std::unique_ptr<CNorvakCell>;

    CNorvakCellRow() = default;
    // May throw std::bad_alloc.
    explicit CNorvakCellRow(int count) { Resize(count); }

    int GetSize() const { return int(m_cells.size()); }
    // The cell's own record; null for a cell with only the defaults.
    CNorvakCell* GetAt(int col) const { return m_cells[size_t(col)].get(); }
    CellPtr& SlotAt(int col) { return m_cells[size_t(col)]; }
    // A row is made to its exact width; only insertions leave room to grow. May throw.
    void Resize(int count)
    {
        Reserve(count);
        m_cells.resize(size_t(count));
    }
    void Reserve(int count)
    {
        if (size_t(count) > m_cells.capacity())
            m_cells.reserve(size_t(count));
    }
    // Room for one more slot, so that the insertion itself cannot fail. May throw.
    void ReserveOneMore()
    {
        if (m_cells.size() == m_cells.capacity())
            m_cells.reserve(m_cells.size() + m_cells.size() / 2 + 1);
    }
    void InsertAt(int col, CellPtr cell) { m_cells.insert(m_cells.begin() + col, std::move(cell)); }
    CellPtr RemoveAt(int col)
    {
        CellPtr cell = std::move(m_cells[size_t(col)]);
        m_cells.erase(m_cells.begin() + col);
        return cell;
    }
    bool HasOwnCell() const
    {
        return std::any_of(m_cells.begin(), m_cells.end(), [](const CellPtr& c) { return c != nullptr; });
    }

private:
    std::vector<CellPtr> m_cells;
};
