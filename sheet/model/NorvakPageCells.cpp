#include "sheet/model/NorvakPageCells.h"

#include "sheet/model/CellFactory.h"
#include "sheet/model/CellRecordBlocks.h"
#include "sheet/model/NorvakPage.h"

#include <new>

CNorvakPageCells::~CNorvakPageCells()
{
    for (CNorvakCellRow* row : m_rows)
        delete row;
}

const CNorvakCellRow& CNorvakPageCells::RowAt(int row) const
{
    const CNorvakCellRow* cells = m_rows[size_t(row)];
    return cells ? *cells : m_defaultRow;
}

const CNorvakCell& CNorvakPageCells::DefaultCell(WORD marks)
{
    static const CNorvakCell* const shared = [] {
        static CNorvakCell cells[4];
        for (WORD state = 0; state < 4; ++state)
            cells[state].SetState(state);
        return cells;
    }();
    return shared[marks & (CIS_FOCUSED | CIS_SELECTED)];
}

WORD CNorvakPageCells::MarksAt(int row, int col) const
{
    if (!m_pPage)
        return 0;
    WORD marks = 0;
    if (m_pPage->m_focusCell == CCellCoord(row, col))
        marks |= CIS_FOCUSED;
    if (m_pPage->m_selectedCells.Contains(row, col))
        marks |= CIS_SELECTED;
    return marks;
}

const CNorvakCell* CNorvakPageCells::GetCell(int row, int col) const
{
    if (row < 0 || row >= GetRowSlotCount() || col < 0 || col >= m_nCols)
        return nullptr;
    if (const CNorvakCellRow* cells = m_rows[size_t(row)])
        if (const CNorvakCell* cell = cells->GetAt(col))
            return cell;
    return &DefaultCell(MarksAt(row, col));
}

CNorvakCell* CNorvakPageCells::FindOwnCell(int row, int col) const
{
    if (row < 0 || row >= GetRowSlotCount() || col < 0 || col >= m_nCols)
        return nullptr;
    const CNorvakCellRow* cells = m_rows[size_t(row)];
    return cells ? cells->GetAt(col) : nullptr;
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
    if (row < 0 || row >= GetRowSlotCount() || col < 0 || col >= m_nCols)
        return nullptr;
    if (CNorvakCell* own = FindOwnCell(row, col))
        return own;
    try {
        RowPtr made = m_rows[size_t(row)] ? nullptr : std::make_unique<CNorvakCellRow>(m_nCols);
        auto cell = records ? records->Make() : std::make_unique<CNorvakCell>();
        cell->SetState(MarksAt(row, col));
        CNorvakCell* edited = cell.get();
        if (made)
            m_rows[size_t(row)] = made.release();
        m_rows[size_t(row)]->SlotAt(col) = std::move(cell);
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

void CNorvakPageCells::InsertDefaultColumn()
{
    m_defaultRow.InsertAt(m_nCols++, nullptr);
}

void CNorvakPageCells::RemoveDefaultColumn()
{
    m_defaultRow.RemoveAt(--m_nCols);
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

void CNorvakPageCells::SetColumnCount(int cols)
{
    // All the room first, so that the resizes cannot fail half way.
    CNorvakCellRow defaultRow(cols);
    for (CNorvakCellRow* row : m_rows)
        if (row)
            row->Reserve(cols);
    for (CNorvakCellRow* row : m_rows)
        if (row)
            row->Resize(cols);
    m_defaultRow = std::move(defaultRow);
    m_nCols = cols;
}

CNorvakCellRow& CNorvakPageCells::MakeRow(int row)
{
    CNorvakCellRow*& slot = m_rows[size_t(row)];
    if (!slot)
        slot = std::make_unique<CNorvakCellRow>(m_nCols).release();
    return *slot;
}

void CNorvakPageCells::SwapCells(CCellCoord a, CCellCoord b)
{
    std::swap(m_rows[size_t(a.row)]->SlotAt(a.col), m_rows[size_t(b.row)]->SlotAt(b.col));
}

void CNorvakPageCells::FreeAll(ICellFactory& factory)
{
    for (int row = GetRowSlotCount() - 1; row >= 0; --row) {
        if (CNorvakCellRow* cells = m_rows[size_t(row)])
            for (int col = cells->GetSize() - 1; col >= 0; --col) {
                if (CNorvakCell* cell = cells->GetAt(col))
                    factory.EmptyCell(m_nPageIndex, *cell, row, col);
                cells->SlotAt(col).reset();
            }
        delete m_rows.back();
        m_rows.pop_back();
    }
}
