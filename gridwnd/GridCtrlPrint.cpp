// Printing of the grid through the printing protocol of a view: a page holds a header with the
// application's title and the nearest window text, the fixed rows as column headings, the normal
// rows that fit, and a footer with the page number and the time. The page is scaled so that all
// columns fit its width.

#include "gridwnd/GridCtrl.h"

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

constexpr UINT kAppTitleString = 57344;

// A bold copy of the font, selected for the scope.
class CBoldFont
{
public:
    CBoldFont(CDC* pDC, const CFont& font) : m_dc(pDC->GetSafeHdc())
    {
        LOGFONTA lf{};
        font.GetLogFont(&lf);
        lf.lfWeight = FW_BOLD;
        m_font.CreateFontIndirect(&lf);
        m_old = ::SelectObject(m_dc, m_font);
    }
    ~CBoldFont() { ::SelectObject(m_dc, m_old); }

private:
    HDC m_dc;
    CFont m_font;
    HGDIOBJ m_old;
};

} // namespace

void CGridCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* info)
{
    if (!pDC || !info || GetRowCount() <= GetFixedRowCount())
        return;
    m_printFont.CreateFont(-9, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                           CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman");
    CSelectObject select(*pDC, m_printFont);
    const CSize sample = pDC->GetTextExtent(kGridPrintSample, kGridPrintSampleLength);
    m_print = MakeGridPrintMetrics(m_store, sample, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    if (m_print.nPageHeight <= 0)
        return;
    info->SetMaxPage(UINT(CountGridPrintPages(m_store, m_print.nBodyHeight)));
    info->m_nCurPage = 1;
}

void CGridCtrl::OnEndPrinting(CDC*, CPrintInfo*)
{
    m_printFont.DeleteObject();
}

void CGridCtrl::OnPrint(CDC* pDC, CPrintInfo* info)
{
    if (!pDC || !info || !m_printFont.GetSafeHandle() || m_print.nPageHeight <= 0)
        return;
    const CGridPrintMetrics& m = m_print;
    CSaveDC saved(*pDC);
    CSelectObject select(*pDC, m_printFont);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(m.nPageWidth, m.nPageHeight);
    pDC->SetViewportExt(m.nPrinterWidth, m.nPrinterHeight);
    const int left = -4 * m.nCharWidth;
    pDC->SetWindowOrg(left, 0);

    const int bandWidth = m.nPageWidth - 8 * m.nCharWidth;
    info->m_rectDraw = CRect(0, 0, bandWidth, 2 * m.nCharHeight);
    PrintHeader(pDC, info);
    int down = 3 * m.nCharHeight; // the header and a blank line
    pDC->SetWindowOrg(left, -down);
    info->m_rectDraw.bottom = GetFixedRowHeight();
    PrintColumnHeadings(pDC, info);
    down += GetFixedRowHeight();
    pDC->SetWindowOrg(left, -down);

    const int first = FirstRowOfGridPrintPage(m_store, m.nBodyHeight, int(info->m_nCurPage));
    if (first >= 0) {
        m_bPrinting = true;
        PrintRows(pDC, first, GetRowCount(), m.nBodyHeight, false);
        m_bPrinting = false;
    }

    info->m_rectDraw = CRect(0, 0, bandWidth, 2 * m.nCharHeight);
    pDC->SetWindowOrg(left, 2 * m.nCharHeight - m.nPageHeight);
    PrintFooter(pDC, info);
    pDC->SetWindowOrg(0, 0);
}

int CGridCtrl::LastPrintedRow(int firstRow, int endRow, int height) const
{
    int last = firstRow - 1;
    long long top = 0;
    for (int row = firstRow; row < endRow; ++row) {
        top += GetRowHeight(row);
        if (top > height && row > firstRow)
            break;
        last = row;
    }
    return last;
}

CRect CGridCtrl::PrintedAreaRect(CCellCoord origin, int firstRow) const
{
    const CGridCell* cell = GetCell(origin.row, origin.col);
    const CGridAxis rows = m_store.Rows();
    const CGridAxis cols = m_store.Cols();
    const CPoint edge(cols.Sum(0, origin.col), rows.Sum(firstRow, origin.row));
    if (!cell->HasSpan()) // an area marked by its extents alone
        return CRect(edge.x - cell->nMergeLeft, edge.y - cell->nMergeAbove, edge.x - 1 + cell->nMergeWidth,
                     edge.y - 1 + cell->nMergeHeight);
    const CCellRect area = m_store.MergeArea(origin.row, origin.col);
    return CRect(edge.x, edge.y, cols.Sum(0, area.maxCol + 1) - 1, rows.Sum(firstRow, area.maxRow + 1) - 1);
}

int CGridCtrl::PrintRows(CDC* pDC, int firstRow, int endRow, int height, bool fixed)
{
    const int lastRow = LastPrintedRow(firstRow, endRow, height);
    CClipGuard clip(*pDC);
    pDC->IntersectClipRect(-1, -1, GetVirtualWidth() + 1, height);
    auto print = [&](int row, int col, const CRect& rect) {
        if (fixed || m_store.IsFixed(row, col))
            DrawFixedCell(pDC, row, col, rect, FALSE);
        else
            DrawCell(pDC, row, col, rect, FALSE);
    };
    std::vector<CCellCoord> printedAreas;
    int top = 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int bottom = top + GetRowHeight(row) - 1;
        int right = -1;
        for (int col = 0; col < GetColumnCount(); ++col) {
            const CRect rect(right + 1, top, right + GetColumnWidth(col), bottom);
            right = rect.right;
            const CCellCoord origin = m_store.MergeOrigin(row, col);
            const CGridCell* originCell = GetCell(origin.row, origin.col);
            CCellRect area(row, col, row, col);
            if (origin == CCellCoord(row, col) && !originCell->HasSpan() && !originCell->bMerged) {
                print(row, col, rect);
            } else {
                area = m_store.MergeArea(row, col);
                if (std::find(printedAreas.begin(), printedAreas.end(), origin) == printedAreas.end()) {
                    printedAreas.push_back(origin);
                    print(origin.row, origin.col, PrintedAreaRect(origin, firstRow));
                }
            }
            // The page's last row closes an area that goes on over the next page.
            PrintGridLines(pDC, row, col, rect, row == firstRow, col == area.maxCol,
                           row == area.maxRow || row == lastRow);
        }
        top = bottom + 1;
    }
    return top;
}

void CGridCtrl::PrintColumnHeadings(CDC* pDC, CPrintInfo* info)
{
    if (!pDC || !info)
        return;
    m_bPrinting = true;
    PrintRows(pDC, 0, GetFixedRowCount(), info->m_rectDraw.bottom + 1, true);
    m_bPrinting = false;
}

void CGridCtrl::PrintGridLines(CDC* pDC, int row, int col, const CRect& rect, bool firstPrintedRow, bool right,
                               bool bottom)
{
    CPen pen(PS_SOLID, 1, m_crGridLines);
    CSelectObject select(*pDC, pen);
    if (m_nGridLines == 1 || m_nGridLines == 3) {
        const int from = col == 0 ? rect.left : rect.left - 1;
        if (bottom) {
            pDC->MoveTo(from, rect.bottom);
            pDC->LineTo(rect.right, rect.bottom);
        }
        if (row == 0) {
            pDC->MoveTo(from, rect.top);
            pDC->LineTo(rect.right, rect.top);
        }
    }
    if (m_nGridLines == 2 || m_nGridLines == 3) {
        const int top = firstPrintedRow ? rect.top - 1 : rect.top;
        if (right) {
            pDC->MoveTo(rect.right, top);
            pDC->LineTo(rect.right, rect.bottom);
        }
        if (col == 0) {
            pDC->MoveTo(rect.left, top);
            pDC->LineTo(rect.left, rect.bottom);
        }
    }
}

void CGridCtrl::PrintHeader(CDC* pDC, CPrintInfo* info)
{
    if (!pDC || !info)
        return;
    CRect band = info->m_rectDraw;
    {
        CBoldFont bold(pDC, m_printFont);
        const int mode = pDC->SetBkMode(TRANSPARENT);
        CString title;
        title.LoadString(kAppTitleString, ::GetModuleHandleW(nullptr));
        pDC->DrawText(title, band, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        for (HWND parent = m_hWnd ? GetParent() : nullptr; parent; parent = ::GetParent(parent)) {
            const CString text = CWnd::TextOf(parent);
            if (!text.IsEmpty()) {
                pDC->DrawText(text, band, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
                break;
            }
        }
        pDC->SetBkMode(mode);
    }
    CSelectObject pen(*pDC, ::GetStockObject(BLACK_PEN));
    pDC->MoveTo(band.left, band.bottom);
    pDC->LineTo(band.right, band.bottom);
}

void CGridCtrl::PrintFooter(CDC* pDC, CPrintInfo* info)
{
    if (!pDC || !info)
        return;
    CRect band = info->m_rectDraw;
    {
        CSelectObject pen(*pDC, ::GetStockObject(BLACK_PEN));
        pDC->MoveTo(band.left, band.top);
        pDC->LineTo(band.right, band.top);
    }
    CBoldFont bold(pDC, m_printFont);
    const int mode = pDC->SetBkMode(TRANSPARENT);
    band.OffsetRect(0, m_print.nCharHeight / 2);
    CString page;
    page.Format("Page %d of %d", int(info->m_nCurPage), int(info->GetMaxPage()));
    pDC->DrawText(page, band, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    char time[128] = {};
    const std::time_t now = std::time(nullptr);
    std::strftime(time, sizeof time, "%c", std::localtime(&now));
    pDC->DrawText(CString(time), band, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    pDC->SetBkMode(mode);
}
