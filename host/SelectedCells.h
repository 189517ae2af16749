#pragma once

// What most of the host's commands start with: the active page of a control and its selected
// block, and the walk over the selected cells of that block.

#include "host/NorvakWrapper.h"
#include "host/model/SelectionBounds.h"

struct ActiveSelection
{
    long page = -1;
    SelectionBounds bounds;
};

// The active page, then its min row, min column, max row and max column, read in that order.
ActiveSelection ReadActiveSelection(const CNorvak& control);

// Calls visit(row, col) for every cell of the block that the control reports selected, row by
// row; stops early when visit returns false.
template <class Visit> void ForEachSelectedCell(const CNorvak& control, const ActiveSelection& selection, Visit visit)
{
    const SelectionBounds& b = selection.bounds;
    for (long row = b.minRow; row <= b.maxRow; ++row)
        for (long col = b.minCol; col <= b.maxCol; ++col)
            if (control.DoGetPageGridIsSelected(selection.page, row, col) && !visit(row, col))
                return;
}
