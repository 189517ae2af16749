#include "dialogs/SheetLayout.h"

namespace SheetLayout {

namespace {

CRect Shrunk(const RECT& r, int l, int t, int rr, int b)
{
    return CRect(r.left + l, r.top + t, r.right - rr, r.bottom - b);
}

} // namespace

CRect OkBesideApply(const RECT& apply, int okWidth)
{
    return CRect(apply.left - 20 - okWidth, apply.top, apply.left - 20, apply.bottom);
}

CRect PreviewOk(const RECT& client, int tabItemHeight, SIZE button)
{
    const int left = client.right - 12 - button.cx;
    const int top = tabItemHeight + 8;
    return CRect(left, top, left + button.cx, top + button.cy);
}

CRect PreviewCancel(const RECT& client, int tabItemHeight, SIZE button)
{
    CRect ok = PreviewOk(client, tabItemHeight, button);
    ok.OffsetRect(0, button.cy + 10);
    return ok;
}

CRect StyleBox(const RECT& buttons, int pageBottom)
{
    return CRect(buttons.left, pageBottom - 100, buttons.right, pageBottom);
}

CRect StyleLabel(const RECT& buttons, int pageBottom)
{
    return CRect(buttons.left, pageBottom - 120, buttons.left + 50, pageBottom - 100);
}

CRect ChartBand(const RECT& firstPage, const RECT& client)
{
    return CRect(firstPage.left, firstPage.bottom + 10, client.right - 12, client.bottom - 10);
}

ChartPreviewRects LayOutChartPreview(const RECT& band, int clientRight, int plotLeft, bool chart, bool legend,
                                     bool table)
{
    ChartPreviewRects out;
    if (chart) {
        out.chart = Shrunk(band, 0, 10, legend ? 80 : 10, table ? 60 : 10);
        const CRect& c = out.chart;
        if (legend)
            out.legend = CRect(c.right + 10, c.top, clientRight - 17, c.bottom + (table ? 50 : 0));
        if (table)
            out.table = CRect(plotLeft, c.bottom + 10, c.right, c.bottom + (legend ? 50 : 55));
        return out;
    }
    const CRect rest = Shrunk(band, 0, 10, legend ? 80 : 10, 10);
    if (legend)
        out.legend = CRect(rest.right + 10, rest.top, clientRight - 17, rest.bottom);
    if (table)
        out.table = CRect(plotLeft, rest.top, rest.right, rest.bottom);
    return out;
}

CSize PreviewChartDepth(int type, int subType)
{
    const bool box3d = subType >= 3 && subType <= 5;
    switch (type) {
    case 0: // columns
        return box3d ? CSize(10, 20) : subType == 6 ? CSize(80, 40) : CSize(0, 0);
    case 1: // bars
        return box3d ? CSize(20, 10) : CSize(0, 0);
    case 2: // lines
        return subType == 6 ? CSize(20, 10) : CSize(0, 0);
    case 4: // cylinders
        return subType >= 0 && subType <= 5 ? CSize(20, 10) : CSize(0, 0);
    default:
        return CSize(0, 0);
    }
}

} // namespace SheetLayout
