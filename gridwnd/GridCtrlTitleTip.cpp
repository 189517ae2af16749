// The grid's title tip over a cut-off text, as the control's pages have it: when the pointer rests
// on a normal cell for the system's hover time and the cell cuts its text off, the tip shows the
// whole text in the cell's font from the cell's top-left corner; the next movement, key, click,
// wheel turn, scroll or move of the window hides it.

#include "gridwnd/GridCtrl.h"

#include "sheet/windows/TitleTipText.h"

void CGridCtrl::TrackHover()
{
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, m_hWnd, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
}

void CGridCtrl::HideTitleTip()
{
    m_titleTip.Hide();
}

bool CGridCtrl::ShowTitleTip(CPoint point)
{
    if (::GetCapture() || m_nMouseMode != kGridMouseIdle || !GetClientRect().PtInRect(point))
        return false;
    const CCellCoord under = GetGridCellFromPoint(point, FALSE);
    if (!IsGridCellValid(under) || m_store.IsFixed(under.row, under.col))
        return false;
    const CCellCoord origin = m_store.MergeOrigin(under.row, under.col);
    const CGridCell* cell = GetCell(origin.row, origin.col);
    const CString text = GetItemText(origin.row, origin.col);
    // A cell with a picture places its text beside it: no tip repeats that.
    if (text.IsEmpty() || (cell->nImage >= 0 && cell->nImage < m_imageList.GetImageCount()))
        return false;
    const bool merged = !(origin == under) || cell->HasSpan() || cell->bMerged;
    CRect textRect;
    if (merged)
        textRect = MergedPaintRect(origin.row, origin.col);
    else if (!GetGridCellRect(under, textRect))
        return false;
    textRect.DeflateRect(2, 0); // the margin the cell's text keeps

    CClientDC dc(m_hWnd);
    CFont font;
    font.CreateFontIndirect(&cell->font.font);
    std::optional<CTitleTipText> tip;
    {
        CSelectObject select(dc, font.GetSafeHandle());
        tip = CutOffTitleTipText(dc, text, cell->nFormat, cell->font.font.lfEscapement, 0, textRect);
    }
    if (!tip)
        return false;
    POINT cursor = point;
    ClientToScreen(cursor);
    return m_titleTip.Show(m_hWnd, TitleTipRect(m_hWnd, textRect, tip->size), tip->text, cell->font.font,
                           tip->format, cursor);
}
