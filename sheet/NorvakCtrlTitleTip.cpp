// The title tip over a cut-off text: when the pointer rests on a body cell for the system's hover
// time and the cell cuts its text off, the page's tip shows the whole text in the cell's font from
// the cell's top-left corner; the next movement, key or click hides it.

#include "sheet/NorvakCtrl.h"
#include "sheet/windows/TitleTip.h"
#include "sheet/windows/TitleTipText.h"

#include "framework/CDC.h"

void CNorvakCtrl::TrackHover()
{
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, m_hWnd, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
}

void CNorvakCtrl::HideTitleTip()
{
    const CNorvakPage* page = GetPage(-1);
    if (page && page->m_pTitleTip)
        page->m_pTitleTip->Hide();
}

bool CNorvakCtrl::ShowTitleTip(CPoint point)
{
    PageRef ref = GetPageRef(-1);
    if (!ref || !ref.page->m_pTitleTip || ::GetCapture() || !GetClientRect().PtInRect(point))
        return false;
    CNorvakPage& page = *ref.page;
    CCellCoord cell = GetCellFromPt(point);
    if (!page.IsValidCell(cell.row, cell.col) || cell.row < page.m_nFixedRows || cell.col < page.m_nFixedCols)
        return false;
    const CNorvakCell* shown = ref.cells->GetCell(cell.row, cell.col);
    if (shown && shown->IsCovered()) {
        cell = shown->GetMergeOrigin();
        shown = ref.cells->GetCell(cell.row, cell.col);
    }
    if (!shown || !shown->HasText() || *shown->GetTextPtr() == '\0' || shown->GetPicture() || shown->GetIcon() ||
        shown->GetBitmap())
        return false;
    CRect textRect;
    const CCellCoord last(cell.row + shown->GetRowSpan(), cell.col + shown->GetColSpan());
    if (!GetCellRangeRect(-1, CCellRect(cell.row, cell.col, last.row, last.col), &textRect))
        return false;
    textRect.right -= 1;
    textRect.bottom -= 1;

    CClientDC dc(m_hWnd);
    CFont font;
    font.CreateFontIndirect(&shown->GetFont().font);
    std::optional<CTitleTipText> tip;
    {
        CSelectObject selectFont(dc, font.GetSafeHandle());
        tip = CutOffTitleTipText(dc, shown->GetText(), shown->GetTextFormat(), shown->GetFont().font.lfEscapement,
                                 shown->GetIndent(), textRect);
    }
    if (!tip)
        return false;
    POINT cursor = point;
    ClientToScreen(cursor);
    return page.m_pTitleTip->Show(m_hWnd, TitleTipRect(m_hWnd, textRect, tip->size), tip->text,
                                  shown->GetFont().font, tip->format, cursor);
}
