// The end of a drag of the selection frame. The move or copy of the block and the fill from its
// corners are carried out here once they are built; until then a finished drag changes no cell
// and only takes its feedback away.

#include "sheet/NorvakCtrl.h"

void CNorvakCtrl::EndSelectionDrag(int, int, int, int, UINT, int)
{
    m_dragRegion.DeleteObject();
    InvalidateControl();
}
