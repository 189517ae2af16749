#pragma once

// The selected block of a page as the host reads it from the control, and the small rules the
// host's commands derive from it.

struct SelectionBounds
{
    long minRow = 0, minCol = 0, maxRow = -1, maxCol = -1;

    bool Empty() const { return maxRow < minRow || maxCol < minCol; }
    bool Contains(long row, long col) const { return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol; }
};

struct LockPoint
{
    long row, col;
};

// The rows and columns to freeze for a selection: those above and to the left of it.
inline LockPoint LockPointOf(const SelectionBounds& bounds)
{
    return {bounds.minRow - 1 > 0 ? bounds.minRow - 1 : 0, bounds.minCol - 1 > 0 ? bounds.minCol - 1 : 0};
}

// Bold toggles between 800 and 100.
inline long ToggledWeight(long weight)
{
    return weight < 800 ? 800 : 100;
}
