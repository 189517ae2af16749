#pragma once

// A set of cells keyed by position, valued by their coordinate: the page's selected cells and the
// cells kept selected during a drag. Walks go by column, then by row. The key holds the column and
// the row in 32 bits each, so no two cells of a page share one whatever the row count.

#include "sheet/model/CellTypes.h"

#include <algorithm>
#include <cstdint>
#include <map>

class CCellSelectionMap
{
public:
    using Map = std::map<uint64_t, CCellCoord>;

    static uint64_t Key(int row, int col) { return (uint64_t(uint32_t(col)) << 32) | uint32_t(row); }

    // FALSE when the cell was already there.
    bool Add(CCellCoord cell) { return m_cells.emplace(Key(cell.row, cell.col), cell).second; }
    bool Remove(int row, int col) { return m_cells.erase(Key(row, col)) != 0; }
    bool Contains(int row, int col) const { return m_cells.count(Key(row, col)) != 0; }
    int GetCount() const { return int(m_cells.size()); }
    bool IsEmpty() const { return m_cells.empty(); }
    void RemoveAll() { m_cells.clear(); }

    // The range the cells span; (rows, columns, -1, -1) with none, so that a loop over it runs
    // zero times.
    CCellRect Bounds(int rows, int cols) const
    {
        CCellRect r(rows, cols, -1, -1);
        for (const auto& entry : m_cells) {
            const CCellCoord& cell = entry.second;
            r.minRow = std::min(r.minRow, cell.row);
            r.minCol = std::min(r.minCol, cell.col);
            r.maxRow = std::max(r.maxRow, cell.row);
            r.maxCol = std::max(r.maxCol, cell.col);
        }
        return r;
    }

    Map::const_iterator begin() const { return m_cells.begin(); }
    Map::const_iterator end() const { return m_cells.end(); }

private:
    Map m_cells;
};
