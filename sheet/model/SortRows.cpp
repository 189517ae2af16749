#include "sheet/model/SortRows.h"

#include "sheet/model/CellSelection.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace SheetModel {

namespace {

class RowSorter
{
public:
    RowSorter(CNorvakPage& page, CNorvakPageCells& cells, int col, bool ascending, bool numbers,
              const CellTextGetter& getText, int low, int high)
        : m_page(page), m_cells(cells), m_ascending(ascending), m_numbers(numbers), m_base(low),
          m_moves(size_t(page.m_nCols), true)
    {
        for (WORD excluded : page.m_sortExcludedColumns)
            if (excluded < m_moves.size())
                m_moves[excluded] = false;
        m_allMove = std::all_of(m_moves.begin(), m_moves.end(), [](bool b) { return b; });
        for (int row = low; row <= high; ++row) {
            CString text = getText ? getText(row, col) : m_cells.GetCell(row, col)->GetText();
            m_keys.push_back({text, std::atof(text)});
        }
    }

    // Quicksort around the middle row; the smaller part recurses, so the depth stays logarithmic.
    void Sort(int low, int high)
    {
        while (low < high) {
            Key pivot = KeyOf((low + high) / 2);
            int lo = low;
            int hi = high;
            while (lo <= hi) {
                while (lo < high && Before(KeyOf(lo), pivot))
                    ++lo;
                while (hi > low && Before(pivot, KeyOf(hi)))
                    --hi;
                if (lo <= hi) {
                    if (Compare(KeyOf(lo), KeyOf(hi)) != 0)
                        Exchange(lo, hi);
                    ++lo;
                    --hi;
                }
            }
            if (hi - low < high - lo) {
                if (low < hi)
                    Sort(low, hi);
                low = lo;
            } else {
                if (lo < high)
                    Sort(lo, high);
                high = hi;
            }
        }
    }

private:
    struct Key
    {
        CString text;
        double number;
    };

    const Key& KeyOf(int row) const { return m_keys[size_t(row - m_base)]; }
    int Compare(const Key& a, const Key& b) const
    {
        if (m_numbers)
            return a.number < b.number ? -1 : (a.number == b.number ? 0 : 1);
        return std::strcmp(a.text, b.text); // unsigned bytes: code order of the double-byte text
    }
    bool Before(const Key& a, const Key& b) const
    {
        int order = Compare(a, b);
        return m_ascending ? order < 0 : order > 0;
    }
    void Exchange(int a, int b)
    {
        if (m_allMove) {
            m_cells.SwapRows(a, b);
        } else {
            for (int col = 0; col < m_page.m_nCols; ++col)
                if (m_moves[size_t(col)])
                    m_cells.SwapCells(CCellCoord(a, col), CCellCoord(b, col));
        }
        std::swap(m_page.m_rowHeights[size_t(a)], m_page.m_rowHeights[size_t(b)]);
        std::swap(m_keys[size_t(a - m_base)], m_keys[size_t(b - m_base)]);
    }

    CNorvakPage& m_page;
    CNorvakPageCells& m_cells;
    bool m_ascending;
    bool m_numbers;
    int m_base;
    std::vector<bool> m_moves;
    bool m_allMove = true;
    std::vector<Key> m_keys;
};

// Rows whose cells move one column at a time need their slots; false when memory ran out (the
// rows made so far hold only default slots, which the page does not show).
bool MakeRowsForColumnSwaps(const CNorvakPage& page, CNorvakPageCells& cells, int low, int high)
{
    const auto& excluded = page.m_sortExcludedColumns;
    if (std::none_of(excluded.begin(), excluded.end(), [&](WORD col) { return col < page.m_nCols; }))
        return true;
    try {
        for (int row = low; row <= high; ++row)
            cells.MakeRow(row);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool MergeTouchesRows(const CNorvakPage& page, int low, int high)
{
    for (const auto* list : {&page.m_bodyMerges, &page.m_headerMerges})
        for (const CMergeCellRange& m : *list)
            if (m.firstRow <= high && low <= m.lastRow)
                return true;
    return false;
}

} // namespace

BOOL SortCells(CNorvakPage& page, CNorvakPageCells& cells, int col, BOOL ascending, int low, int high,
               const CellTextGetter& getText, ICellRepaint& repaint)
{
    if (high == -1)
        high = page.m_nRows - 1;
    if (col < 0 || col >= page.m_nCols || low < 0 || high >= page.m_nRows || low >= high ||
        !page.m_bEditable || MergeTouchesRows(page, low, high) || !MakeRowsForColumnSwaps(page, cells, low, high))
        return FALSE;
    ClearSelectionAndFocus(page, cells, repaint);
    ResetSelectionMaps(page, cells); // also when selecting is switched off: no mark may move with its row
    RowSorter(page, cells, col, ascending != FALSE, page.m_nSortStyle != 0, getText, low, high)
        .Sort(low, high);
    return TRUE;
}

BOOL SortTextItems(CNorvakPage& page, CNorvakPageCells& cells, int col, BOOL ascending,
                   const CellTextGetter& getText, ICellRepaint& repaint)
{
    return SortCells(page, cells, col, ascending, page.m_nFixedRows, -1, getText, repaint);
}

void OnFixedRowClick(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell,
                     const CellTextGetter& getText, ICellRepaint& repaint)
{
    if (!page.IsValidCell(cell.row, cell.col))
        return;
    if (!page.m_bSorting) {
        page.m_nMouseMode = cell.col < page.m_nFixedCols ? kSelectAll : kSelectColumns;
        OnSelecting(page, cells, cell, repaint);
        return;
    }
    if (!page.m_bSortAllowed)
        return;
    // The clicked column is remembered; the direction flips only when the sort is done.
    const WORD column = WORD(cell.col);
    const BOOL ascending = column == page.m_nSortColumn ? !page.m_bSortAscending : TRUE;
    page.m_nSortColumn = column;
    const auto& excluded = page.m_sortExcludedColumns;
    if (std::find(excluded.begin(), excluded.end(), column) != excluded.end())
        return;
    if (!SortTextItems(page, cells, column, ascending, getText, repaint))
        return;
    page.m_bSortAscending = ascending;
    repaint.RepaintAll();
}

void OnFixedColumnClick(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint)
{
    if (!page.IsValidCell(cell.row, cell.col))
        return;
    page.m_nMouseMode = cell.row < page.m_nFixedRows ? kSelectAll : kSelectRows;
    OnSelecting(page, cells, cell, repaint);
}

} // namespace SheetModel
