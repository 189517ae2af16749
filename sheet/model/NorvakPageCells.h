#pragma once

// The cell table of one page: row slot r holds row r. Memory follows what the cells hold: a row
// slot stays empty until a cell of the row gets a record of its own, and a cell that holds only
// the defaults has none. Reads of such a cell give a shared default cell, which shows the page's
// selection and focus marks in its state; every write goes through EditCell, which gives the cell
// its own record first. The table records the index of its page; the control finds a page's table
// by that recorded index.

#include "sheet/model/NorvakCellRow.h"

#include <memory>
#include <vector>

class CCellRecordBlocks;
class CNorvakPage;
class ICellFactory;

class CNorvakPageCells
{
public:
    using RowPtr = std::unique_ptr<CNorvakCellRow>;

    explicit CNorvakPageCells(int pageIndex) : m_nPageIndex(pageIndex) {}
    CNorvakPageCells(const CNorvakPageCells&) = delete;
    CNorvakPageCells& operator=(const CNorvakPageCells&) = delete;
    ~CNorvakPageCells();

    int GetPageIndex() const { return m_nPageIndex; }
    void SetPageIndex(int index) { m_nPageIndex = index; }
    // The page whose selection and focus cell the default cells show.
    void SetPage(const CNorvakPage* page) { m_pPage = page; }

    int GetRowSlotCount() const { return int(m_rows.size()); }
    int GetColumnCount() const { return m_nCols; }
    // A row with no cell of its own reads as a row of empty slots.
    const CNorvakCellRow& RowAt(int row) const;
    // The row's slots; null for a row with no cell of its own.
    CNorvakCellRow* FindRow(int row) const { return m_rows[size_t(row)]; }

    // The cell at (row, column), its own record or the shared default; null outside the table.
    const CNorvakCell* GetCell(int row, int col) const;
    // The cell's own record; null for a default cell or outside the table.
    CNorvakCell* FindOwnCell(int row, int col) const;
    // The one door for writers: the cell's own record, made first when the cell has none, looking
    // exactly as the default did. Null outside the table or when memory runs out, with the table
    // unchanged.
    CNorvakCell* EditCell(int row, int col);
    // The same for a reader making many cells: a record that has to be made comes from the blocks.
    CNorvakCell* EditCell(int row, int col, CCellRecordBlocks& records);
    // Gives every cell of the range its own record; false when memory runs out (the cells made so
    // far keep their records, which still show the defaults).
    bool EditRange(const CCellRect& range);
    // What a read of a cell with no record gives, by its selected and focused marks.
    static const CNorvakCell& DefaultCell(WORD marks);
    // The selected and focused bits the page gives the cell.
    WORD MarksAt(int row, int col) const;

    // Growing and shrinking. The functions that may throw std::bad_alloc say so; the others cannot
    // fail once the matching Reserve ran.
    void ReserveRows(int rows); // may throw
    void AppendDefaultRows(int count);
    void AppendRow(RowPtr row);
    void ReserveOneMoreRow(); // may throw
    void InsertRowAt(int pos, RowPtr row);
    // The default row's slots follow a column inserted into (removed from) the made rows.
    void ReserveDefaultRowOneMore() { m_defaultRow.ReserveOneMore(); } // may throw
    void InsertDefaultColumn();
    void RemoveDefaultColumn();
    RowPtr RemoveRowAt(int pos);
    void TruncateRows(int count);
    // Every made row and the default row get the new width; may throw, leaving the width as it was.
    void SetColumnCount(int cols);
    // Gives the row its slots; may throw.
    CNorvakCellRow& MakeRow(int row);
    void SwapRows(int a, int b) { std::swap(m_rows[size_t(a)], m_rows[size_t(b)]); }
    // Both rows must be made.
    void SwapCells(CCellCoord a, CCellCoord b);

    // Calls f(row, col, cell) for every cell that has its own record, row by row.
    template <class F> void ForEachOwnCell(F f) const
    {
        for (int row = 0; row < GetRowSlotCount(); ++row)
            if (const CNorvakCellRow* cells = m_rows[size_t(row)])
                for (int col = 0; col < cells->GetSize(); ++col)
                    if (CNorvakCell* cell = cells->GetAt(col))
                        f(row, col, *cell);
    }

    // Empties (through the factory) and deletes every own cell, the last row first and, in a row,
    // the last cell first; the table is left with no rows.
    void FreeAll(ICellFactory& factory);

private:
    CNorvakCell* EditCellFrom(int row, int col, CCellRecordBlocks* records);

    // Plain pointers, each owning its row, so that inserting or removing a row moves the array
    // with one memmove.
    std::vector<CNorvakCellRow*> m_rows;
    CNorvakCellRow m_defaultRow; // the slots of a row with no own cell, one per column
    int m_nCols = 0;
    int m_nPageIndex;
    const CNorvakPage* m_pPage = nullptr;
};
