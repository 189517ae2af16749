#pragma once

// The cell slots of one row; slot c holds column c. A slot is empty only while a row is being built.

#include "sheet/model/NorvakCell.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <vector>

class CNorvakCellRow
{
public:
    using CellPtr = std::unique_ptr<CNorvakCell>;

    int GetSize() const { return int(m_cells.size()); }
    CNorvakCell* GetAt(int col) const { return m_cells[size_t(col)].get(); }
    CellPtr& SlotAt(int col) { return m_cells[size_t(col)]; }
    void Resize(int count)
    {
        Reserve(count);
        m_cells.resize(size_t(count));
    }
    // Capacities are powers of two, so that inserting columns into every row of a page seldom
    // reallocates, and the blocks given back fit the rows that grow next.
    void Reserve(int count)
    {
        if (size_t(count) > m_cells.capacity())
            m_cells.reserve(std::bit_ceil(std::max(size_t(count), size_t(8))));
    }
    void InsertAt(int col, CellPtr cell) { m_cells.insert(m_cells.begin() + col, std::move(cell)); }
    CellPtr RemoveAt(int col)
    {
        CellPtr cell = std::move(m_cells[size_t(col)]);
        m_cells.erase(m_cells.begin() + col);
        return cell;
    }

private:
    std::vector<CellPtr> m_cells;
};
