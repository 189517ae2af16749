#include "sheet/model/NorvakPageCells.h"

#include "sheet/model/CellFactory.h"
#include "sheet/model/CellRecordBlocks.h"
#include "sheet/model/NorvakPage.h"

#include <algorithm>
#include <functional>
#include <new>

CNorvakPageCells::~CNorvakPageCells()
{
    for (CNorvakCellRow* row : m_rows)
        delete row;
}

const CNorvakCell& CNorvakPageCells::DefaultCell(WORD focusMark)
{
    static const CNorvakCell* const shared = [] {
        static CNorvakCell cells[2];
        cells[1].SetState(CIS_FOCUSED);
        return cells;
    }();
    return shared[(focusMark & CIS_FOCUSED) ? 1 : 0];
}

WORD CNorvakPageCells::FocusMarkAt(int row, int col) const
{
    return m_pPage && m_pPage->m_focusCell == CCellCoord(row, col) ? WORD(CIS_FOCUSED) : WORD(0);
}

const CNorvakCell* CNorvakPageCells::GetCell(int row, int col) const
{
    if (row < 0 || row >= GetRowSlotCount() || col < 0 || col >= GetColumnCount())
        return nullptr;
    if (const CNorvakCellRow* cells = m_rows[size_t(row)])
        if (const CNorvakCell* cell = cells->AtSlot(SlotOf(col)))
            return cell;
    return &DefaultCell(FocusMarkAt(row, col));
}

CNorvakCell* CNorvakPageCells::FindOwnCell(int row, int col) const
{
    if (row < 0 || row >= GetRowSlotCount() || col < 0 || col >= GetColumnCount())
        return nullptr;
    const CNorvakCellRow* cells = m_rows[size_t(row)];
    return cells ? cells->AtSlot(SlotOf(col)) : nullptr;
}

CNorvakCell* CNorvakPageCells::EditCell(int row, int col)
{
    return EditCellFrom(row, col, nullptr);
}

CNorvakCell* CNorvakPageCells::EditCell(int row, int col, CCellRecordBlocks& records)
{
    return EditCellFrom(row, col, &records);
}

CNorvakCell* CNorvakPageCells::EditCellFrom(int row, int col, CCellRecordBlocks* records)
{
    if (row < 0 || row >= GetRowSlotCount() || col < 0 || col >= GetColumnCount())
        return nullptr;
    if (CNorvakCell* own = FindOwnCell(row, col))
        return own;
    try {
        auto cell = (records ? *records : m_records).Make();
        cell->SetState(FocusMarkAt(row, col));
        CNorvakCell* edited = cell.get();
        ReachSlot(row, SlotOf(col));
        PutCell(row, col, std::move(cell));
        return edited;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool CNorvakPageCells::EditRange(const CCellRect& range)
{
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col)
            if (!EditCell(row, col))
                return false;
    return true;
}

void CNorvakPageCells::ReserveRows(int rows)
{
    if (size_t(rows) > m_rows.capacity())
        m_rows.reserve(size_t(rows));
}

void CNorvakPageCells::AppendDefaultRows(int count)
{
    m_rows.resize(m_rows.size() + size_t(count));
}

void CNorvakPageCells::AppendRow(RowPtr row)
{
    m_rows.push_back(row.get());
    row.release();
}

void CNorvakPageCells::ReserveOneMoreRow()
{
    if (m_rows.size() == m_rows.capacity())
        m_rows.reserve(m_rows.size() + m_rows.size() / 2 + 1);
}

void CNorvakPageCells::InsertRowAt(int pos, RowPtr row)
{
    m_rows.insert(m_rows.begin() + pos, row.get());
    row.release();
}

CNorvakPageCells::RowPtr CNorvakPageCells::RemoveRowAt(int pos)
{
    RowPtr row(m_rows[size_t(pos)]);
    m_rows.erase(m_rows.begin() + pos);
    return row;
}

void CNorvakPageCells::TruncateRows(int count)
{
    for (size_t row = size_t(count); row < m_rows.size(); ++row)
        delete m_rows[row];
    m_rows.resize(size_t(count));
}

void CNorvakPageCells::PutInRow(CNorvakCellRow& row, int col, CellPtr cell)
{
    const int slot = SlotOf(col);
    m_slotMayHold[size_t(slot)] = true;
    row.Slot(slot) = std::move(cell);
}

CNorvakCellRow& CNorvakPageCells::MakeRow(int row)
{
    CNorvakCellRow*& slot = m_rows[size_t(row)];
    if (!slot)
        slot = NewRow().release();
    else
        slot->Widen(SlotEnd());
    return *slot;
}

void CNorvakPageCells::ReachSlot(int row, int slot)
{
    CNorvakCellRow*& cells = m_rows[size_t(row)];
    if (!cells) {
        auto made = std::make_unique<CNorvakCellRow>();
        made->Reach(slot);
        cells = made.release();
    } else if (!cells->Holds(slot)) {
        // A row that gets a second record is likely to get more: it takes every slot at once.
        cells->Widen(SlotEnd());
    }
}

void CNorvakPageCells::PutCell(int row, int col, CellPtr cell)
{
    PutInRow(*m_rows[size_t(row)], col, std::move(cell));
}

void CNorvakPageCells::DeleteCell(int row, int col, ICellFactory& factory)
{
    CNorvakCellRow* cells = m_rows[size_t(row)];
    const int slot = SlotOf(col);
    if (CNorvakCell* cell = cells ? cells->AtSlot(slot) : nullptr) {
        factory.EmptyCell(m_nPageIndex, *cell, row, col);
        cells->Slot(slot).reset();
    }
}

void CNorvakPageCells::ReserveSlots(int columns)
{
    // A new slot per new column at most; the free list can then always take every slot back.
    const size_t slots = m_slotMayHold.size() + size_t(std::max(columns - GetColumnCount(), 0));
    m_slotOf.reserve(size_t(columns));
    m_slotMayHold.reserve(slots);
    m_freeSlots.reserve(slots);
}

int CNorvakPageCells::TakeFreeSlot()
{
    if (m_freeSlots.empty()) {
        m_slotMayHold.push_back(false);
        return SlotEnd() - 1;
    }
    const int slot = m_freeSlots.back();
    m_freeSlots.pop_back();
    return slot;
}

void CNorvakPageCells::GiveBackSlot(int slot)
{
    m_slotMayHold[size_t(slot)] = false;
    m_freeSlots.insert(std::upper_bound(m_freeSlots.begin(), m_freeSlots.end(), slot, std::greater<int>()), slot);
    // Free slots at the top go, so that new rows stay as narrow as the columns allow.
    while (!m_freeSlots.empty() && m_freeSlots.front() == SlotEnd() - 1) {
        m_freeSlots.erase(m_freeSlots.begin());
        m_slotMayHold.pop_back();
    }
}

void CNorvakPageCells::SetColumnCount(int cols)
{
    if (cols > GetColumnCount()) {
        ReserveSlots(cols);
        while (GetColumnCount() < cols)
            m_slotOf.push_back(TakeFreeSlot());
        return;
    }
    while (GetColumnCount() > cols) {
        GiveBackSlot(m_slotOf.back());
        m_slotOf.pop_back();
    }
}

void CNorvakPageCells::ReserveOneMoreColumn()
{
    if (m_slotOf.size() == m_slotOf.capacity())
        ReserveSlots(GetColumnCount() + GetColumnCount() / 2 + 1);
    else
        ReserveSlots(GetColumnCount() + 1);
    // The new column's slot exists from now on, so that rows made for its cells reach it.
    if (m_freeSlots.empty()) {
        m_slotMayHold.push_back(false);
        m_freeSlots.push_back(SlotEnd() - 1);
    }
}

void CNorvakPageCells::InsertColumnAt(int pos)
{
    m_slotOf.insert(m_slotOf.begin() + pos, TakeFreeSlot());
}

void CNorvakPageCells::RemoveColumnAt(int pos, ICellFactory& factory)
{
    const int slot = SlotOf(pos);
    if (m_slotMayHold[size_t(slot)])
        for (int row = 0; row < GetRowSlotCount(); ++row)
            DeleteCell(row, pos, factory);
    m_slotOf.erase(m_slotOf.begin() + pos);
    GiveBackSlot(slot);
}

void CNorvakPageCells::SwapCells(CCellCoord a, CCellCoord b)
{
    std::swap(m_rows[size_t(a.row)]->Slot(SlotOf(a.col)), m_rows[size_t(b.row)]->Slot(SlotOf(b.col)));
    m_slotMayHold[size_t(SlotOf(a.col))] = true;
    m_slotMayHold[size_t(SlotOf(b.col))] = true;
}

void CNorvakPageCells::FreeAll(ICellFactory& factory)
{
    for (int row = GetRowSlotCount() - 1; row >= 0; --row) {
        if (m_rows[size_t(row)])
            for (int col = GetColumnCount() - 1; col >= 0; --col)
                DeleteCell(row, col, factory);
        delete m_rows.back();
        m_rows.pop_back();
    }
}
