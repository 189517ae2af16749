// The title tip over a cut-off text: when the pointer rests on a body cell for the system's hover
// time and the cell cuts its text off, the page's tip shows the whole text in the cell's font from
// the cell's top-left corner; the next movement, key or click hides it.

#include "sheet/NorvakCtrl.h"
#include "sheet/windows/TitleTip.h"

#include "drawing/CTextPainter.h"
#include "framework/CDC.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

namespace {

// How a text-format code lays a cell's text out, as far as fitting goes.
struct CTextFit
{
    enum Kind
    {
        kOneLine,   // line breaks dropped, one line
        kLines,     // the text's own lines, not wrapped
        kWrapped,   // wrapped at the cell's width
        kUnmeasured // stacked, stretched to fit or turned: a tip could not repeat it
    } kind;
    int align; // 0 left, 1 centre, 2 right: the side the indent is on
};

CTextFit FitOf(int code, int escapement)
{
    using K = CTextFit::Kind;
    if (code >= 40 && code <= 49)
        return {K::kUnmeasured, 1};
    if (code >= 1 && code <= 9)
        return {escapement % 3600 == 0 ? K::kOneLine : K::kUnmeasured, (code - 1) % 3};
    if (code >= 10 && code <= 15)
        return {code % 2 ? K::kWrapped : K::kLines, (code - 10) / 2};
    if (code >= 16 && code <= 27)
        return {code % 2 ? K::kWrapped : K::kLines, (code - 16) / 2 % 3};
    if (code >= 28 && code <= 36)
        return {K::kOneLine, (code - 28) % 3};
    if (code >= 37 && code <= 39)
        return {K::kWrapped, code - 37};
    return {K::kOneLine, code == 0 ? 0 : 1};
}

struct CTipLayout
{
    CString text;
    UINT format;
    CSize size; // of the text
};

// The tip a cell's text needs in textRect (the cell's drawing rectangle), measured in dc with the
// cell's font selected; none when the cell shows the whole text.
std::optional<CTipLayout> CutOffText(const CDC& dc, const CNorvakCell& cell, const CRect& textRect)
{
    const LOGFONTA& font = cell.GetFont().font;
    const CTextFit fit = FitOf(cell.GetTextFormat(), font.lfEscapement);
    if (fit.kind == CTextFit::kUnmeasured)
        return std::nullopt;
    const int width = textRect.Width() - (fit.align == 1 ? 0 : cell.GetIndent());
    CTipLayout tip{fit.kind == CTextFit::kOneLine ? CTextPainter::RemoveLineBreaks(cell.GetText()) : cell.GetText(),
                   0, CSize()};
    tip.format = fit.kind == CTextFit::kOneLine ? DT_SINGLELINE | DT_VCENTER
                 : fit.kind == CTextFit::kWrapped ? DT_WORDBREAK | DT_EDITCONTROL
                                                  : DT_EDITCONTROL;
    CRect measured(0, 0, std::max(width, 1), 0);
    dc.DrawText(tip.text, &measured, tip.format | DT_CALCRECT | DT_NOPREFIX);
    tip.size = measured.Size();
    const bool wider = fit.kind != CTextFit::kWrapped && tip.size.cx > width;
    const bool taller = fit.kind != CTextFit::kOneLine && tip.size.cy > textRect.Height();
    if (!wider && !taller)
        return std::nullopt;
    return tip;
}

// rect moved, without changing its size where it can, into the work area of the monitor it is on.
CRect IntoWorkArea(CRect rect)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor))
        return rect;
    const CRect work(monitor.rcWork);
    rect.OffsetRect(std::min(0L, work.right - rect.right), std::min(0L, work.bottom - rect.bottom));
    rect.OffsetRect(std::max(0L, work.left - rect.left), std::max(0L, work.top - rect.top));
    return rect;
}

} // namespace

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
    std::optional<CTipLayout> tip;
    {
        CSelectObject selectFont(dc, font.GetSafeHandle());
        tip = CutOffText(dc, *shown, textRect);
    }
    if (!tip)
        return false;
    // The tip covers the cell and grows right and down to the text, border and margins included.
    const int frame = 2 * (CTitleTipWnd::kMargin + 1);
    CRect screen(textRect.TopLeft(), CSize(std::max<int>(textRect.Width(), tip->size.cx + frame),
                                           std::max<int>(textRect.Height(), tip->size.cy + frame)));
    ClientToScreen(screen);
    POINT cursor = point;
    ClientToScreen(cursor);
    return page.m_pTitleTip->Show(m_hWnd, IntoWorkArea(screen), tip->text, shown->GetFont().font, tip->format,
                                  cursor);
}
