// The overlay of the grid's selected range, drawn by the drawing mode that the mode source gives at
// each paint; a frame that moved is repainted where it stood, as the cells under it may not be.

#include "gridwnd/GridCtrl.h"

GridOverlayModeSource CGridCtrl::s_overlayModeSource = nullptr;

void CGridCtrl::DrawOverlay(CDC* pDC)
{
    const int mode = s_overlayModeSource ? s_overlayModeSource() : kGridOverlayNone;
    CRect box;
    if (mode == kGridOverlaySelection || mode == kGridOverlayRangeFrame) {
        const CCellRect range = GetSelectedGridRange();
        const CGridGeometry geometry = Geometry();
        CRect first, last;
        if (m_store.IsValid(range) && geometry.GetGridCellRectAnywhere(range.minRow, range.minCol, first) &&
            geometry.GetGridCellRectAnywhere(range.maxRow, range.maxCol, last))
            box = GridOverlayBox(first, last);
    }
    if (box != m_overlayBox && m_hWnd) {
        for (const CRect* stood : {&m_overlayBox, &box})
            if (!stood->IsRectEmpty())
                for (const CRect& edge : GridOverlayOutline(*stood))
                    InvalidateRect(edge, false);
        m_overlayBox = box;
    }
    if (!box.IsRectEmpty())
        DrawGridOverlay(*pDC, mode, box);
}
