#pragma once

// The cell table of one page: row slot r holds row r. Memory follows what the cells hold: a row
// slot stays empty until a cell of the row gets a record of its own, and a cell that holds only
// the defaults has none. Reads of such a cell give a shared default cell, which shows the page's
// focus mark in its state (the selection is the page's own, for every cell: see GetItemState);
// every write goes through EditCell, which gives the cell its own record first. The table records
// the index of its page; the control finds a page's table by that recorded index.
//
// Columns are mapped to physical slots of the rows, so that inserting a column touches no row and
// deleting one visits only the rows when a record may lie in its slot: on a page of many rows both
// cost about as much as the column count, not the cell count. A slot leaves the map only once no
// row holds a record in it.

#include "sheet/model/CellRecordBlocks.h"
#include "sheet/model/NorvakCellRow.h"

#include <memory>
#include <vector>

class CNorvakPage;
class ICellFactory;

class CNorvakPageCells
{
public:
    using RowPtr = std::unique_ptr<CNorvakCellRow>;
    using CellPtr = CNorvakCellRow::CellPtr;

    // The cells of one row by column, made row or not.
    class RowView
    {
    public:
        RowView(const CNorvakPageCells& table, const CNorvakCellRow* row) : m_table(table), m_row(row) {}
        int GetSize() const { return m_table.GetColumnCount(); }
        // The cell's own record; null for a cell with only the defaults.
        CNorvakCell* GetAt(int col) const { return m_row ? m_row->AtSlot(m_table.SlotOf(col)) : nullptr; }

    private:
        const CNorvakPageCells& m_table;
        const CNorvakCellRow* m_row;
    };

    explicit CNorvakPageCells(int pageIndex) : m_nPageIndex(pageIndex) {}
    CNorvakPageCells(const CNorvakPageCells&) = delete;
    CNorvakPageCells& operator=(const CNorvakPageCells&) = delete;
    ~CNorvakPageCells();

    int GetPageIndex() const { return m_nPageIndex; }
    void SetPageIndex(int index) { m_nPageIndex = index; }
    // The page whose focus cell the default cells show.
    void SetPage(const CNorvakPage* page) { m_pPage = page; }

    int GetRowSlotCount() const { return int(m_rows.size()); }
    int GetColumnCount() const { return int(m_slotOf.size()); }
    RowView RowAt(int row) const { return RowView(*this, m_rows[size_t(row)]); }
    // The row's physical slots; null for a row with no cell of its own.
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
    // What a read of a cell with no record gives, with or without the focus mark.
    static const CNorvakCell& DefaultCell(WORD focusMark);
    // The focus bit the page gives the cell.
    WORD FocusMarkAt(int row, int col) const;

    // Growing and shrinking. The functions that may throw std::bad_alloc say so; the others cannot
    // fail once the matching Reserve or Make ran.
    void ReserveRows(int rows); // may throw
    void AppendDefaultRows(int count);
    void AppendRow(RowPtr row);
    void ReserveOneMoreRow(); // may throw
    void InsertRowAt(int pos, RowPtr row);
    RowPtr RemoveRowAt(int pos);
    void TruncateRows(int count);
    // A detached row with a slot for every column; may throw.
    RowPtr NewRow() const { return std::make_unique<CNorvakCellRow>(SlotEnd()); }
    // Puts a record into a detached row made by NewRow.
    void PutInRow(CNorvakCellRow& row, int col, CellPtr cell);
    // Gives the row a slot for every column; may throw, leaving a row made so far with no record.
    CNorvakCellRow& MakeRow(int row);
    // After ReserveOneMoreColumn: gives the row the slot that the next inserted column takes. May
    // throw.
    void MakeRowForNewColumn(int row) { ReachSlot(row, m_freeSlots.back()); }
    // A record for a cell about to be put in, from the table's blocks. May throw.
    CellPtr NewRecord() { return m_records.Make(); }
    // Puts a record into (row, column), whose row MakeRow, MakeRowForNewColumn or EditCell made.
    void PutCell(int row, int col, CellPtr cell);
    // Empties (through the factory) and deletes the cell's own record, if it has one.
    void DeleteCell(int row, int col, ICellFactory& factory);

    // New columns get free slots, removed ones give theirs back; the cells of removed columns must
    // be deleted first. May throw when growing, leaving the count as it was.
    void SetColumnCount(int cols);
    // Room for one more column, so that InsertColumnAt cannot fail. May throw.
    void ReserveOneMoreColumn();
    void InsertColumnAt(int pos);
    // Empties and deletes the column's records, then removes it.
    void RemoveColumnAt(int pos, ICellFactory& factory);

    void SwapRows(int a, int b) { std::swap(m_rows[size_t(a)], m_rows[size_t(b)]); }
    // Both rows must be made.
    void SwapCells(CCellCoord a, CCellCoord b);

    // Calls f(row, col, cell) for every cell that has its own record, row by row.
    template <class F> void ForEachOwnCell(F f) const
    {
        for (int row = 0; row < GetRowSlotCount(); ++row)
            if (const CNorvakCellRow* cells = m_rows[size_t(row)])
                for (int col = 0; col < GetColumnCount(); ++col)
                    if (CNorvakCell* cell = cells->AtSlot(SlotOf(col)))
                        f(row, col, *cell);
    }

    // Empties (through the factory) and deletes every own cell, the last row first and, in a row,
    // the last cell first; the table is left with no rows.
    void FreeAll(ICellFactory& factory);

private:
    CNorvakCell* EditCellFrom(int row, int col, CCellRecordBlocks* records);
    // Makes the row, or widens it, so that it has the slot; may throw.
    void ReachSlot(int row, int slot);
    int SlotOf(int col) const { return m_slotOf[size_t(col)]; }
    // One past the highest slot a column uses: the width of a newly made row.
    int SlotEnd() const { return int(m_slotMayHold.size()); }
    // A free slot for a new column; room for it is reserved.
    int TakeFreeSlot();
    void GiveBackSlot(int slot);
    void ReserveSlots(int columns);

    // Plain pointers, each owning its row, so that inserting or removing a row moves the array
    // with one memmove.
    std::vector<CNorvakCellRow*> m_rows;
    std::vector<int> m_slotOf; // the slot of each column
    // Per slot: a record may lie in it in some row. A slot without one is skipped by deletions.
    std::vector<char> m_slotMayHold;
    // Slots no column uses, the lowest last; no row holds a record in any of them.
    std::vector<int> m_freeSlots;
    int m_nPageIndex;
    const CNorvakPage* m_pPage = nullptr;
    // Where the records of cells edited one at a time come from.
    CCellRecordBlocks m_records{CCellRecordBlocks::kGrowing};
};
