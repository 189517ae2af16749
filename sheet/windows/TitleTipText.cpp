#include "sheet/windows/TitleTipText.h"

#include "drawing/CTextPainter.h"
#include "sheet/windows/TitleTip.h"

#include <algorithm>

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

std::optional<CTitleTipText> CutOffTitleTipText(const CDC& dc, const CString& text, int formatCode, int escapement,
                                                int indent, const CRect& textRect)
{
    const CTextFit fit = FitOf(formatCode, escapement);
    if (fit.kind == CTextFit::kUnmeasured)
        return std::nullopt;
    const int width = textRect.Width() - (fit.align == 1 ? 0 : indent);
    CTitleTipText tip{fit.kind == CTextFit::kOneLine ? CTextPainter::RemoveLineBreaks(text) : text, 0, CSize()};
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

CRect TitleTipRect(HWND window, const CRect& textRect, CSize textSize)
{
    const int frame = 2 * (CTitleTipWnd::kMargin + 1);
    CRect screen(textRect.TopLeft(), CSize(std::max<int>(textRect.Width(), textSize.cx + frame),
                                           std::max<int>(textRect.Height(), textSize.cy + frame)));
    ::MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&screen), 2);
    return IntoWorkArea(screen);
}
