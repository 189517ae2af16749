#include "host/SelectedCells.h"

ActiveSelection ReadActiveSelection(const CNorvak& control)
{
    ActiveSelection selection;
    selection.page = control.DoGetActivePageIndex();
    selection.bounds.minRow = control.DoGetPageMinSelectedRow(selection.page);
    selection.bounds.minCol = control.DoGetPageMinSelectedCol(selection.page);
    selection.bounds.maxRow = control.DoGetPageMaxSelectedRow(selection.page);
    selection.bounds.maxCol = control.DoGetPageMaxSelectedCol(selection.page);
    return selection;
}
