#include "gridwnd/GridNavigation.h"

#include <algorithm>

namespace {

// The first column from col on (step 1) or back from col (step -1) with a width, within the
// normal columns; -1 when there is none.
int ShownColumn(const CGridCellStore& store, int col, int step)
{
    for (; col >= store.GetFixedColumnCount() && col < store.GetColumnCount(); col += step)
        if (store.GetColumnWidth(col) > 0)
            return col;
    return -1;
}

int LastShownColumn(const CGridCellStore& store)
{
    return ShownColumn(store, store.GetColumnCount() - 1, -1);
}

int FirstShownColumn(const CGridCellStore& store)
{
    return ShownColumn(store, store.GetFixedColumnCount(), 1);
}

CGridKeyMove Stay(CCellCoord focus)
{
    return CGridKeyMove{focus, false, CGridKeyWrap::None};
}

// The stop for a cell: the first cell of its merged area.
CGridKeyMove Enter(const CGridCellStore& store, CCellCoord focus, int row, int col,
                   CGridKeyWrap wrap = CGridKeyWrap::None)
{
    if (row < 0 || col < 0)
        return Stay(focus);
    const CCellCoord next = store.MergeOrigin(row, col);
    if (next == focus)
        return Stay(focus);
    return CGridKeyMove{next, true, wrap};
}

CGridKeyMove Tab(const CGridCellStore& store, CCellCoord focus, const CCellRect& area)
{
    const int col = ShownColumn(store, area.maxCol + 1, 1);
    if (col >= 0)
        return Enter(store, focus, focus.row, col);
    if (focus.row + 1 >= store.GetRowCount())
        return Stay(focus);
    return Enter(store, focus, focus.row + 1, FirstShownColumn(store), CGridKeyWrap::NextRow);
}

CGridKeyMove BackTab(const CGridCellStore& store, CCellCoord focus)
{
    const int col = ShownColumn(store, focus.col - 1, -1);
    if (col >= 0)
        return Enter(store, focus, focus.row, col);
    if (focus.row - 1 < store.GetFixedRowCount())
        return Stay(focus);
    return Enter(store, focus, focus.row - 1, LastShownColumn(store), CGridKeyWrap::PreviousRow);
}

} // namespace

CGridKeyMove MoveFocusByKey(const CGridCellStore& store, CCellCoord focus, UINT key, bool shift)
{
    if (!store.IsValid(focus))
        return Stay(focus);
    const CCellRect area = store.MergeArea(focus.row, focus.col);
    switch (key) {
    case VK_TAB:
        return shift ? BackTab(store, focus) : Tab(store, focus, area);
    case VK_RETURN:
    case VK_DOWN:
        return area.maxRow + 1 < store.GetRowCount() ? Enter(store, focus, area.maxRow + 1, focus.col)
                                                     : Stay(focus);
    case VK_UP:
        return focus.row - 1 >= store.GetFixedRowCount() ? Enter(store, focus, focus.row - 1, focus.col)
                                                         : Stay(focus);
    case VK_RIGHT: {
        const int col = ShownColumn(store, area.maxCol + 1, 1);
        return Enter(store, focus, focus.row, col >= 0 ? col : FirstShownColumn(store));
    }
    case VK_LEFT:
        return Enter(store, focus, focus.row, ShownColumn(store, focus.col - 1, -1));
    default:
        return Stay(focus);
    }
}

int PageFocusRow(const CGridCellStore& store, int focusRow, UINT key, int topBefore, int topAfter)
{
    const int firstRow = store.GetFixedRowCount();
    const int lastRow = store.GetRowCount() - 1;
    switch (key) {
    case VK_PRIOR:
        return std::max(focusRow - (topBefore - topAfter), firstRow);
    case VK_NEXT:
        return topAfter == topBefore ? lastRow : std::min(focusRow + (topAfter - topBefore), lastRow);
    case VK_HOME:
        return firstRow;
    case VK_END:
        return lastRow;
    default:
        return -1;
    }
}
