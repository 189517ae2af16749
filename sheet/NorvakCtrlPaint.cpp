#include "sheet/NorvakCtrl.h"

// Routes every step of the page painter through the control's overridable operations.
class CNorvakCtrl::CControlPagePainter final : public CPagePainter
{
public:
    CControlPagePainter(CNorvakCtrl& control, const CNorvakPage& page, const CNorvakPageCells& cells,
                        const CPaintView& view)
        : CPagePainter(page, cells, view), m_control(control)
    {
    }

    void DrawCellArea(CPaneDescriptor& pane) override { m_control.DrawCellArea(pane); }
    int DrawCellBlock(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows, int fixedCols,
                      int firstRow, int endRow, int firstCol, int endCol, int topY, int leftX, int clipTop,
                      int clipBottom) override
    {
        return m_control.DrawCellBlock(pDC, selected, headerStyle, fixedRows, fixedCols, firstRow, endRow,
                                       firstCol, endCol, topY, leftX, clipTop, clipBottom);
    }
    BOOL DrawFixedCell(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows, int fixedCols,
                       int row, int col, CRect rect) override
    {
        return m_control.DrawFixedCell(pDC, selected, headerStyle, fixedRows, fixedCols, row, col, rect);
    }
    BOOL DrawCell(CDC* pDC, int row, int col, CRect rect) override
    {
        return m_control.DrawCell(pDC, row, col, rect);
    }
    void CreateLinePen(const CNorvakCell& cell, CPen& pen, BOOL bottom) override
    {
        m_control.CreateLinePen(cell, pen, bottom);
    }
    CSize GetCellExtent(int row, int col, CDC* pDC) override
    {
        return m_control.GetCellExtent(row, col, pDC);
    }
    void DrawPageChart(CDC* pDC, int chart) override { m_control.DrawPageChart(-1, pDC, chart); }
    BOOL IsPageChartOnTop(int chart) override { return m_control.IsPageChartNewest(chart); }
    int DrawCellPicture(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell) override
    {
        return m_control.DrawCellPicture(pDC, left, top, right, bottom, cell);
    }
    int DrawCellIcon(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell) override
    {
        return m_control.DrawCellIcon(pDC, left, top, right, bottom, cell);
    }
    int DrawCellBitmap(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell) override
    {
        return m_control.DrawCellBitmap(pDC, left, top, right, bottom, cell);
    }
    int DrawBitmapInCell(CDC* pDC, int left, int top, int right, int bottom, BYTE placement,
                         HBITMAP bitmap) override
    {
        return m_control.DrawBitmapInCell(pDC, left, top, right, bottom, placement, bitmap);
    }

private:
    CNorvakCtrl& m_control;
};

CPaintView CNorvakCtrl::GetPaintView(const CRect& client) const
{
    CPaintView view;
    view.client = client;
    view.nTargetMode = m_nTargetMode;
    view.rangeFrame = m_rangeFrame;
    view.bRangeDoubleLine = m_bRangeDoubleLine;
    view.hDragRegion = m_dragRegion;
    return view;
}

// Runs a step on the painter of the paint under way, or on one made for the active page; a
// control without an active page draws nothing and the step's default result stands.
template <class Step> auto CNorvakCtrl::WithPainter(Step step)
{
    using Result = decltype(step(*m_pPainter));
    if (m_pPainter)
        return step(*m_pPainter);
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return Result();
    CControlPagePainter painter(*this, *ref.page, *ref.cells,
                                GetPaintView(m_hWnd ? GetClientRect() : CRect()));
    return step(painter);
}

void CNorvakCtrl::OnDraw(CDC* pdc, const CRect& rcBounds, const CRect& rcInvalid)
{
    PageRef ref = GetPageRef(-1);
    if (!ref) {
        pdc->FillSolidRect(rcBounds, RGB(255, 255, 255));
        return;
    }
    const CNorvakPage* page = ref.page;
    if (rcInvalid == CRect(0, 0, 0, 0))
        return;
    CRect target = rcBounds;
    target.bottom -= m_nScrollRowHeight;
    const bool vertBarShown = page->m_nVertRange > 0;
    if (vertBarShown)
        target.right -= ::GetSystemMetrics(SM_CXHSCROLL) - 1;
    CRect dirty;
    if (dirty.IntersectRect(target, rcInvalid)) {
        CRect client(0, 0, rcBounds.Width(), rcBounds.Height());
        CRect clientDirty = dirty;
        clientDirty.OffsetRect(-rcBounds.left, -rcBounds.top);
        CDC memory;
        CBitmap bitmap;
        m_paintSize = client.Size();
        if (memory.CreateCompatibleDC(pdc) &&
            bitmap.CreateCompatibleBitmap(*pdc, client.Width(), client.Height())) {
            CSelectObject select(memory, bitmap);
            DrawPage(&memory, clientDirty);
            // The line of a row or column being sized belongs to the window's picture only.
            const CRect line = GetResizeLine();
            if (!line.IsRectEmpty() && m_hWnd && ::WindowFromDC(*pdc) == m_hWnd)
                ::InvertRect(memory, &line);
            pdc->BitBlt(dirty.left, dirty.top, dirty.Width(), dirty.Height(), memory, clientDirty.left,
                        clientDirty.top, SRCCOPY);
        } else {
            // A DC that has no compatible memory DC (a metafile) gets the page drawn straight in.
            CSaveDC saved(*pdc);
            CPoint origin = pdc->GetViewportOrg();
            pdc->SetViewportOrg(origin.x + rcBounds.left, origin.y + rcBounds.top);
            pdc->IntersectClipRect(clientDirty);
            DrawPage(pdc, clientDirty);
        }
        m_paintSize = CSize(0, 0);
    }
    // On the window the tab strip and the scroll bars paint these bands themselves; a container
    // drawing the control elsewhere gets them plain, so nothing in the bounds is left undrawn.
    if (::WindowFromDC(*pdc) != m_hWnd || !m_hWnd) {
        COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        pdc->FillSolidRect(CRect(rcBounds.left, target.bottom, rcBounds.right, rcBounds.bottom), face);
        pdc->FillSolidRect(CRect(target.right, rcBounds.top, rcBounds.right, target.bottom), face);
        if (m_hWnd)
            m_tabBand->Draw(*pdc, CPoint(rcBounds.left, rcBounds.bottom - GetClientRect().bottom));
    }
    if (vertBarShown) {
        CRect grip(rcBounds.right - ::GetSystemMetrics(SM_CXHSCROLL) - 1,
                   rcBounds.bottom - ::GetSystemMetrics(SM_CYVSCROLL) - 2, rcBounds.right, rcBounds.bottom);
        ::DrawFrameControl(*pdc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

void CNorvakCtrl::DrawPage(CDC* pDC, const CRect& invalid)
{
    PageRef ref = GetPageRef(-1);
    if (!ref || invalid.IsRectEmpty())
        return;
    // The bounds of the paint under way, else the window's client area.
    CRect client(CPoint(0, 0), m_paintSize);
    if (client.IsRectEmpty() && m_hWnd)
        client = GetClientRect();
    CControlPagePainter painter(*this, *ref.page, *ref.cells, GetPaintView(client));
    m_pPainter = &painter;
    painter.CPagePainter::DrawPage(pDC, invalid);
    m_pPainter = nullptr;
    const CSelectionFrameState& frame = painter.GetSelectionFrame();
    m_rcSelectionFrame = frame.rect;
    m_bTopEdgeShown = BYTE(frame.bTopVisible);
    m_bLeftEdgeShown = BYTE(frame.bLeftVisible);
    m_rcRangeFrame = painter.GetRangeFrameRect();
    for (int i = 0; i < 8; ++i)
        m_rcRangeHandles[i] = painter.GetRangeHandleRects()[i];
}

void CNorvakCtrl::DrawCellArea(CPaneDescriptor& pane)
{
    WithPainter([&](CPagePainter& painter) { painter.CPagePainter::DrawCellArea(pane); });
}

int CNorvakCtrl::DrawCellBlock(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows,
                               int fixedCols, int firstRow, int endRow, int firstCol, int endCol, int topY,
                               int leftX, int clipTop, int clipBottom)
{
    return WithPainter([&](CPagePainter& painter) {
        return painter.CPagePainter::DrawCellBlock(pDC, selected, headerStyle, fixedRows, fixedCols, firstRow,
                                                   endRow, firstCol, endCol, topY, leftX, clipTop,
                                                   clipBottom);
    });
}

BOOL CNorvakCtrl::DrawFixedCell(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows,
                                int fixedCols, int row, int col, CRect rect)
{
    return WithPainter([&](CPagePainter& painter) {
        return painter.CPagePainter::DrawFixedCell(pDC, selected, headerStyle, fixedRows, fixedCols, row, col,
                                                   rect);
    });
}

BOOL CNorvakCtrl::DrawCell(CDC* pDC, int row, int col, CRect rect)
{
    return WithPainter(
        [&](CPagePainter& painter) { return painter.CPagePainter::DrawCell(pDC, row, col, rect); });
}

void CNorvakCtrl::CreateLinePen(const CNorvakCell& cell, CPen& pen, BOOL bottom)
{
    CPagePainter::MakeLinePen(cell, pen, bottom);
}

// The overridable GetCellExtent measures the page's cells through a painter of that page, in a
// context of the window.
BOOL CNorvakCtrl::AutoSizeLine(int page, bool row, int index)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !m_hWnd || m_pPainter)
        return FALSE;
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return FALSE;
    BOOL sized = FALSE;
    {
        CDC context(dc);
        CControlPagePainter painter(*this, *ref.page, *ref.cells, GetPaintView(GetClientRect()));
        m_pPainter = &painter;
        auto measure = [&](int r, int c) -> SIZE { return GetCellExtent(r, c, &context); };
        sized = row ? ref.page->AutoSizeRow(index, measure) : ref.page->AutoSizeColumn(index, measure);
        m_pPainter = nullptr;
    }
    ::ReleaseDC(m_hWnd, dc);
    if (sized)
        ResetScrollBars(ref.index);
    return sized;
}

CSize CNorvakCtrl::GetCellExtent(int row, int col, CDC* pDC)
{
    return WithPainter(
        [&](CPagePainter& painter) { return painter.CPagePainter::GetCellExtent(row, col, pDC); });
}

void CNorvakCtrl::RefreshAfterCopy()
{
    InvalidateControl(nullptr, true);
}

int CNorvakCtrl::DrawCellPicture(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell)
{
    return WithPainter([&](CPagePainter& painter) {
        return painter.CPagePainter::DrawCellPicture(pDC, left, top, right, bottom, cell);
    });
}

int CNorvakCtrl::DrawCellIcon(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell)
{
    return WithPainter([&](CPagePainter& painter) {
        return painter.CPagePainter::DrawCellIcon(pDC, left, top, right, bottom, cell);
    });
}

int CNorvakCtrl::DrawCellBitmap(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell)
{
    return WithPainter([&](CPagePainter& painter) {
        return painter.CPagePainter::DrawCellBitmap(pDC, left, top, right, bottom, cell);
    });
}

int CNorvakCtrl::DrawBitmapInCell(CDC* pDC, int left, int top, int right, int bottom, BYTE placement,
                                  HBITMAP bitmap)
{
    return WithPainter([&](CPagePainter& painter) {
        return painter.CPagePainter::DrawBitmapInCell(pDC, left, top, right, bottom, placement, bitmap);
    });
}

HIMAGELIST CNorvakCtrl::CreateDragImage(CSize* size)
{
    PageRef ref = GetPageRef(-1);
    if (!ref || !m_hWnd)
        return nullptr;
    const CNorvakPage* page = ref.page;
    CControlPagePainter painter(*this, *page, *ref.cells, GetPaintView(GetClientRect()));
    CRect rect;
    if (!painter.GetCellRect(page->m_focusCell.row, page->m_focusCell.col, rect))
        return nullptr;
    CSize cellSize(rect.Width() + 1, rect.Height() + 1);
    if (cellSize.cx <= 0 || cellSize.cy <= 0)
        return nullptr;
    if (size)
        *size = cellSize;
    HIMAGELIST list = ::ImageList_Create(cellSize.cx, cellSize.cy, ILC_MASK, 1, 1);
    if (!list)
        return nullptr;
    CClientDC dc(m_hWnd);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(dc, cellSize.cx, cellSize.cy)) {
        ::ImageList_Destroy(list);
        return nullptr;
    }
    {
        CSelectObject select(memory, bitmap);
        memory.FillSolidRect(CRect(CPoint(0, 0), cellSize), page->m_crTextBkColor);
        m_pPainter = &painter;
        DrawCell(&memory, page->m_focusCell.row, page->m_focusCell.col, CRect(CPoint(0, 0), cellSize));
        m_pPainter = nullptr;
    }
    ::ImageList_AddMasked(list, bitmap, page->m_crTextBkColor);
    return list;
}

namespace {

// The container's ambient font, else the default GUI font; never owned by the caller.
HFONT AmbientOrDefaultFont(IDispatch* fontDispatch)
{
    HFONT handle = nullptr;
    IFont* font = nullptr;
    if (fontDispatch && SUCCEEDED(fontDispatch->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) {
        font->get_hFont(&handle);
        font->Release();
    }
    return handle ? handle : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

CSize CNorvakCtrl::GetCellTextExtent(int page, int row, int col, const CString& text, BOOL bold)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return CSize(0, 0);
    const CNorvakCell* cell = ref.cells->GetCell(row, col);
    CClientDC dc(m_hWnd);
    CSize extent;
    if (cell && bold) {
        LOGFONTA lf = cell->GetFont().font;
        lf.lfWeight = 600;
        CFont font;
        font.CreateFontIndirect(&lf);
        CSelectObject select(dc, font);
        extent = dc.GetTextExtent(text);
    } else {
        VARIANT ambient;
        ::VariantInit(&ambient);
        IDispatch* fontDispatch =
            GetAmbientProperty(DISPID_AMBIENT_FONT, VT_DISPATCH, &ambient) ? ambient.pdispVal : nullptr;
        {
            CSelectObject select(dc, AmbientOrDefaultFont(fontDispatch));
            extent = dc.GetTextExtent(text);
        }
        ::VariantClear(&ambient);
    }
    const int margin = ref.page->m_nCellTextMargin;
    return CSize(extent.cx + 2 * margin, extent.cy + 2 * margin);
}
