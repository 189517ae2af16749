#pragma once

// The cell table of one page: row slot r holds row r. The table records the index of its page;
// the control finds a page's table by that recorded index.

#include "sheet/model/NorvakCellRow.h"

#include <vector>

class ICellFactory;

class CNorvakPageCells
{
public:
    explicit CNorvakPageCells(int pageIndex) : m_nPageIndex(pageIndex) {}
    CNorvakPageCells(const CNorvakPageCells&) = delete;
    CNorvakPageCells& operator=(const CNorvakPageCells&) = delete;

    int GetPageIndex() const { return m_nPageIndex; }
    void SetPageIndex(int index) { m_nPageIndex = index; }

    int GetRowSlotCount() const { return int(m_rows.size()); }
    CNorvakCellRow& RowAt(int row) { return m_rows[size_t(row)]; }
    const CNorvakCellRow& RowAt(int row) const { return m_rows[size_t(row)]; }

    // The cell at (row, column); null outside the table or for an empty slot.
    CNorvakCell* GetCell(int row, int col) const;

    void Reserve(int rows) { m_rows.reserve(size_t(rows)); }
    void ReserveOneMore()
    {
        if (m_rows.size() == m_rows.capacity())
            m_rows.reserve(m_rows.size() + m_rows.size() / 2 + 1);
    }
    void AppendRow(CNorvakCellRow row) { m_rows.push_back(std::move(row)); }
    void InsertRowAt(int pos, CNorvakCellRow row) { m_rows.insert(m_rows.begin() + pos, std::move(row)); }
    CNorvakCellRow RemoveRowAt(int pos);
    void SwapCells(CCellCoord a, CCellCoord b);

    // Empties (through the factory) and deletes every cell, the last row first and, in a row, the
    // last cell first; the table is left with no rows.
    void FreeAll(ICellFactory& factory);

private:
    std::vector<CNorvakCellRow> m_rows;
    int m_nPageIndex;
};
