#include "gridwnd/GridCell.h"

CGridCell::CGridCell()
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    for (COLORREF& colour : lineColours)
        colour = face;
}
