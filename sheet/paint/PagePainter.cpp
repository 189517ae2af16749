#include "sheet/paint/PagePainter.h"

#include "drawing/LineClip.h"
#include "sheet/model/CellSelection.h"
#include "sheet/tables/GdiGlobals.h"

#include <algorithm>
#include <cstring>

const char* const CPagePainter::kHiddenPageText = "此页内容被隐藏!";
const char* const CPagePainter::kClosedPageText = "当前页处于关闭状态!";

HPEN CLinePenCache::Find(BYTE style, BYTE width, COLORREF colour) const
{
    auto it = m_pens.find({style, width, colour});
    return it == m_pens.end() ? nullptr : static_cast<HPEN>(it->second);
}

void CLinePenCache::Add(BYTE style, BYTE width, COLORREF colour, CPen&& pen)
{
    m_pens[{style, width, colour}] = std::move(pen);
}

CPagePainter::CPagePainter(const CNorvakPage& page, const CNorvakPageCells& cells, const CPaintView& view)
    : m_page(page), m_cells(cells), m_view(view), m_rows(CPageAxis::Rows(page)),
      m_cols(CPageAxis::Cols(page)), m_firstScrollRow(m_rows.FirstScroll()),
      m_firstScrollCol(m_cols.FirstScroll())
{
}

void CPagePainter::DrawPage(CDC* pDC, const CRect& invalid)
{
    if (invalid.IsRectEmpty())
        return;
    CSaveDC saved(*pDC);
    pDC->IntersectClipRect(invalid);
    int fixedWidth = m_cols.FixedExtent();
    int fixedHeight = m_rows.FixedExtent();
    DrawPageBackground(pDC, fixedWidth, fixedHeight, m_cols.ScrollStart(), m_rows.ScrollStart());
    if (!m_page.m_bOpened) {
        DrawPageText(pDC, kClosedPageText);
        return;
    }
    if (!m_page.m_bContentVisible) {
        DrawPageText(pDC, kHiddenPageText);
        return;
    }
    if (m_page.m_bShowCells)
        DrawPanes(pDC);
    DrawFreezeLines(pDC, invalid);
    if (m_view.nTargetMode == kTargetSelection)
        DrawSelectionFrame(pDC);
    else if (m_view.nTargetMode == kTargetRangeFrame)
        DrawRangeFrame(pDC);
    DrawDragRegion(pDC);
    DrawCharts(pDC);
    if (m_page.m_bShowCells)
        DrawHeaderBlocks(pDC);
}

void CPagePainter::DrawPageBackground(CDC* pDC, int fixedWidth, int fixedHeight, int scrollLeft,
                                      int scrollTop)
{
    CRect clip;
    if (pDC->GetClipBox(&clip) == NULLREGION || clip.IsRectEmpty())
        return;
    // The grid ends where its last row and column end, or at the client edge.
    int xEnd = std::min(
        scrollLeft + m_cols.Sum(m_firstScrollCol,
                                m_cols.LastBefore(m_firstScrollCol, scrollLeft, m_view.client.right) + 1),
        int(m_view.client.right));
    int yEnd = std::min(
        scrollTop + m_rows.Sum(m_firstScrollRow,
                               m_rows.LastBefore(m_firstScrollRow, scrollTop, m_view.client.bottom) + 1),
        int(m_view.client.bottom));
    COLORREF fixedBk = m_page.m_crFixedBkColor;
    if (clip.left < fixedWidth && clip.top < yEnd)
        pDC->FillSolidRect(CRect(clip.left, clip.top, fixedWidth, yEnd), fixedBk);
    if (clip.top < fixedHeight && fixedWidth < clip.right && clip.left < xEnd)
        pDC->FillSolidRect(CRect(fixedWidth - 1, clip.top, xEnd, fixedHeight), fixedBk);
    CRect cells;
    if (cells.IntersectRect(CRect(0, 0, xEnd, yEnd), clip)) {
        cells.left = std::max(int(cells.left), fixedWidth);
        cells.top = std::max(int(cells.top), fixedHeight);
        if (!cells.IsRectEmpty())
            pDC->FillSolidRect(cells, m_page.m_crTextBkColor);
    }
    if (xEnd < clip.right)
        pDC->FillSolidRect(CRect(xEnd, clip.top, clip.right, clip.bottom), kOutsideColour);
    if (yEnd < clip.bottom && clip.left < xEnd)
        pDC->FillSolidRect(CRect(clip.left, yEnd, xEnd, clip.bottom), kOutsideColour);
}

void CPagePainter::DrawPanes(CDC* pDC)
{
    CTextPainter textPainter;
    CPenMaker penMaker;
    CLinePenCache pens;
    int scrollLeft = m_cols.ScrollStart();
    int scrollTop = m_rows.ScrollStart();
    int lastScrollRow = m_rows.LastBefore(m_firstScrollRow, scrollTop, m_view.client.bottom);
    int lastScrollCol = m_cols.LastBefore(m_firstScrollCol, scrollLeft, m_view.client.right);
    int lastLockedRow = m_rows.LockedEnd() - 1;
    int lastLockedCol = m_cols.LockedEnd() - 1;
    for (CPane pane : {kPaneScrolling, kPaneLockedRows, kPaneLockedCols, kPaneLockedBoth}) {
        bool lockedRows = pane == kPaneLockedRows || pane == kPaneLockedBoth;
        bool lockedCols = pane == kPaneLockedCols || pane == kPaneLockedBoth;
        if ((lockedRows && !m_rows.HasLocked()) || (lockedCols && !m_cols.HasLocked()))
            continue;
        CPaneDescriptor desc;
        desc.pDC = pDC;
        desc.nPane = pane;
        desc.nFirstRow = lockedRows ? m_rows.FirstLocked() : m_firstScrollRow;
        desc.nLastRow = lockedRows ? lastLockedRow : lastScrollRow;
        desc.nFirstCol = lockedCols ? m_cols.FirstLocked() : m_firstScrollCol;
        desc.nLastCol = lockedCols ? lastLockedCol : lastScrollCol;
        desc.nFixedRows = m_page.m_nFixedRows;
        desc.nFixedCols = m_page.m_nFixedCols;
        desc.nLockedRows = m_page.m_nLockedRows;
        desc.nLockedCols = m_page.m_nLockedCols;
        desc.pTextPainter = &textPainter;
        desc.pPenMaker = &penMaker;
        desc.pPens = &pens;
        DrawCellArea(desc);
    }
}

void CPagePainter::DrawCellArea(CPaneDescriptor& pane)
{
    CDC* pDC = pane.pDC;
    CRect clip;
    if (pDC->GetClipBox(&clip) == NULLREGION || pane.nFirstRow > pane.nLastRow ||
        pane.nFirstCol > pane.nLastCol)
        return;
    CClipGuard clipGuard(*pDC);
    int top0 = m_rows.Position(pane.nFirstRow, m_firstScrollRow);
    int left0 = m_cols.Position(pane.nFirstCol, m_firstScrollCol);
    pDC->IntersectClipRect(left0, top0, clip.right, clip.bottom);
    // Each pane marks its own merges, so an area across the freeze lines shows in every pane.
    std::vector<CCellCoord> drawnMerges;
    int y = top0;
    for (int row = pane.nFirstRow; row <= pane.nLastRow; ++row) {
        int height = m_rows.Size(row);
        int top = y;
        y += height;
        if (top > clip.bottom)
            break;
        if (height <= 0 || y - 1 < clip.top)
            continue;
        int x = left0;
        for (int col = pane.nFirstCol; col <= pane.nLastCol; ++col) {
            int width = m_cols.Size(col);
            int left = x;
            x += width;
            if (left > clip.right)
                break;
            if (width <= 0 || x - 1 < clip.left)
                continue;
            if (const CNorvakCell* cell = m_cells.GetCell(row, col))
                DrawVisitedCell(pane, drawnMerges, row, col, *cell, CRect(left, top, x - 1, y - 1));
        }
    }
}

void CPagePainter::DrawVisitedCell(CPaneDescriptor& pane, std::vector<CCellCoord>& drawnMerges, int row,
                                   int col, const CNorvakCell& cell, const CRect& rect)
{
    CDC* pDC = pane.pDC;
    if (cell.IsCovered() || cell.IsMergeOrigin()) {
        CCellCoord origin = cell.IsCovered() ? cell.GetMergeOrigin() : CCellCoord(row, col);
        const CNorvakCell* originCell = m_cells.GetCell(origin.row, origin.col);
        if (!originCell) {
            DrawCellLines(pane, cell, rect);
            return;
        }
        if (std::find(drawnMerges.begin(), drawnMerges.end(), origin) == drawnMerges.end()) {
            drawnMerges.push_back(origin);
            MergedArea area = GetMergedArea(pane.nPane, origin, *originCell);
            CClipGuard clipGuard(*pDC);
            pDC->IntersectClipRect(area.clip);
            DrawCell(pDC, origin.row, origin.col, area.draw);
            DrawCellLines(pane, cell, rect);
            CRect frame = area.draw;
            frame.DeflateRect(1, 1);
            DrawCellSelectionMark(pDC, *originCell, origin, frame, true);
            return;
        }
        DrawCellLines(pane, cell, rect);
        return;
    }
    DrawCell(pDC, row, col, rect);
    DrawCellLines(pane, cell, rect);
    DrawCellSelectionMark(pDC, cell, CCellCoord(row, col),
                          CRect(rect.left, rect.top, rect.right - 2, rect.bottom - 2), false);
}

CPagePainter::MergedArea CPagePainter::GetMergedArea(CPane pane, CCellCoord origin,
                                                     const CNorvakCell& originCell) const
{
    // A pane whose rows are locked shows the area from the origin's top down; a pane whose rows
    // scroll shows it up from the far corner's bottom. Columns likewise.
    struct Span
    {
        int start, end, clipStart, clipEnd;
    };
    auto along = [](const CPageAxis& axis, int firstScroll, int first, int last, bool lockedPane) {
        int total = axis.Sum(first, last + 1);
        Span span{};
        if (lockedPane) {
            span.start = axis.Position(first, firstScroll);
            span.end = span.start + total;
            int lastLocked = axis.LockedEnd() - 1;
            int farIndex = std::min(last, lastLocked);
            span.clipStart = axis.FixedExtent();
            span.clipEnd = axis.Position(farIndex, firstScroll) + axis.Size(farIndex);
        } else {
            span.end = axis.Position(last, firstScroll) + axis.Size(last);
            span.start = span.end - total;
            span.clipStart = std::max(axis.ScrollStart(), span.start);
            span.clipEnd = span.end + 1;
        }
        return span;
    };
    bool lockedRows = pane == kPaneLockedRows || pane == kPaneLockedBoth;
    bool lockedCols = pane == kPaneLockedCols || pane == kPaneLockedBoth;
    Span rows = along(m_rows, m_firstScrollRow, origin.row, origin.row + originCell.GetRowSpan(), lockedRows);
    Span cols = along(m_cols, m_firstScrollCol, origin.col, origin.col + originCell.GetColSpan(), lockedCols);
    return {CRect(cols.start, rows.start, cols.end, rows.end),
            CRect(cols.clipStart, rows.clipStart, cols.clipEnd, rows.clipEnd)};
}

HPEN CPagePainter::LinePen(CPaneDescriptor& pane, const CNorvakCell& cell, BOOL bottom)
{
    BYTE style = bottom ? cell.GetHorLineStyle() : cell.GetVerLineStyle();
    BYTE width = bottom ? cell.GetHorLineWidth() : cell.GetVerLineWidth();
    COLORREF colour = bottom ? cell.GetHorLineColor() : cell.GetVerLineColor();
    if (HPEN pen = pane.pPens->Find(style, width, colour))
        return pen;
    CPen pen;
    CreateLinePen(cell, pen, bottom);
    HPEN handle = pen;
    pane.pPens->Add(style, width, colour, std::move(pen));
    return handle;
}

void CPagePainter::DrawCellLines(CPaneDescriptor& pane, const CNorvakCell& cell, const CRect& rect)
{
    CDC* pDC = pane.pDC;
    if (!cell.IsMergedBelow()) {
        if (HPEN pen = LinePen(pane, cell, TRUE)) {
            CSelectObject select(*pDC, pen);
            DrawClippedLine(*pDC, rect.left - 1, rect.bottom, rect.right + 1, rect.bottom);
        }
    }
    if (!cell.IsMergedRight()) {
        if (HPEN pen = LinePen(pane, cell, FALSE)) {
            CSelectObject select(*pDC, pen);
            DrawClippedLine(*pDC, rect.right, rect.top - 1, rect.right, rect.bottom + 1);
        }
    }
}

void CPagePainter::DrawCellSelectionMark(CDC* pDC, const CNorvakCell& cell, CCellCoord at, const CRect& rect,
                                         bool merged)
{
    if (!cell.HasSelectionFrame() || (cell.IsCovered() && !merged) || !IsSelected(at))
        return;
    CPen pen(PS_SOLID, 1, kSelectionFrameColour);
    CSelectObject selectPen(*pDC, pen);
    CSelectObject selectBrush(*pDC, ::GetStockObject(NULL_BRUSH));
    DrawClippedRectangle(*pDC, rect);
}

void CPagePainter::DrawFreezeLines(CDC* pDC, const CRect& invalid)
{
    bool rows = m_rows.HasLocked();
    bool cols = m_cols.HasLocked();
    if (!rows && !cols)
        return;
    LOGBRUSH brush{BS_SOLID, kFreezeLineColour, 0};
    CPen pen;
    pen.CreateExtPen(PS_GEOMETRIC | PS_DASHDOTDOT | PS_ENDCAP_FLAT, 1, &brush);
    CSelectObject select(*pDC, pen);
    if (rows) {
        int y = m_rows.ScrollStart() - 1;
        DrawClippedLine(*pDC, m_cols.FixedExtent(), y, invalid.right, y);
    }
    if (cols) {
        int x = m_cols.ScrollStart() - 1;
        DrawClippedLine(*pDC, x, m_rows.FixedExtent(), x, invalid.bottom);
    }
}

void CPagePainter::DrawHeaderBlocks(CDC* pDC)
{
    CRect clip;
    pDC->GetClipBox(&clip);
    m_drawnHeaderMerges.clear();
    CCellRect selected = GetSelectedRange();
    BYTE style = m_page.m_nHeadSelectedStyle;
    int fixedRows = m_rows.FixedCount();
    int fixedCols = m_cols.FixedCount();
    int fixedWidth = m_cols.FixedExtent();
    int fixedHeight = m_rows.FixedExtent();
    int scrollLeft = m_cols.ScrollStart();
    int scrollTop = m_rows.ScrollStart();
    int endScrollCol = m_cols.LastBefore(m_firstScrollCol, scrollLeft, m_view.client.right) + 1;
    int endScrollRow = m_rows.LastBefore(m_firstScrollRow, scrollTop, m_view.client.bottom) + 1;
    auto block = [&](int firstRow, int endRow, int firstCol, int endCol, int top, int left) {
        if (firstRow < endRow && firstCol < endCol)
            DrawCellBlock(pDC, selected, style, m_page.m_nFixedRows, m_page.m_nFixedCols, firstRow, endRow,
                          firstCol, endCol, top, left, clip.top, clip.bottom);
    };
    block(0, fixedRows, m_firstScrollCol, endScrollCol, 0, scrollLeft);
    block(m_firstScrollRow, endScrollRow, 0, fixedCols, scrollTop, 0);
    if (m_cols.HasLocked())
        block(0, fixedRows, m_cols.FirstLocked(), m_cols.LockedEnd(), 0, fixedWidth);
    if (m_rows.HasLocked())
        block(m_rows.FirstLocked(), m_rows.LockedEnd(), 0, fixedCols, fixedHeight, 0);
    block(0, fixedRows, 0, fixedCols, 0, 0);
}

int CPagePainter::DrawCellBlock(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows,
                                int fixedCols, int firstRow, int endRow, int firstCol, int endCol, int topY,
                                int leftX, int clipTop, int clipBottom)
{
    int y = topY - 1;
    int row = firstRow;
    for (; row < endRow; ++row) {
        int rowTop = y + 1;
        int rowBottom = y + m_rows.Size(row);
        y = rowBottom;
        if (rowTop < clipTop && rowBottom < clipTop)
            continue;
        if (rowTop > clipBottom)
            break;
        if (rowBottom < rowTop)
            continue;
        int x = leftX - 1;
        for (int col = firstCol; col < endCol; ++col) {
            CRect rect(x + 1, rowTop, x + m_cols.Size(col), rowBottom);
            x = rect.right;
            if (rect.left > m_view.client.right)
                break;
            DrawFixedCell(pDC, selected, headerStyle, fixedRows, fixedCols, row, col, rect);
        }
    }
    return row;
}

CCellRect CPagePainter::GetSelectedRange() const
{
    return SheetModel::GetSelectedCellRange(m_page);
}

BOOL CPagePainter::GetCellRect(int row, int col, CRect& rect) const
{
    if (!m_page.IsValidCell(row, col))
        return FALSE;
    int left = m_cols.Position(col, m_firstScrollCol);
    int top = m_rows.Position(row, m_firstScrollRow);
    rect = CRect(left, top, left + m_cols.Size(col) - 1, top + m_rows.Size(row) - 1);
    return TRUE;
}

const CMergeCellRange* CPagePainter::FindMergeRange(int row, int col) const
{
    for (const CMergeCellRange& merge : m_page.m_bodyMerges)
        if (merge.Contains(row, col))
            return &merge;
    return nullptr;
}

void CPagePainter::DrawSelectionFrame(CDC* pDC)
{
    m_frame = {};
    CCellRect range = GetSelectedRange();
    if (range.maxRow < range.minRow || range.maxCol < range.minCol)
        return;
    // The near edge of the first index and the far edge of the last, with whether the near edge
    // is in view (not scrolled or offset away).
    auto edges = [](const CPageAxis& axis, int firstScroll, int first, int last, int& nearEdge,
                    int& farEdge) {
        nearEdge = axis.Position(first, firstScroll);
        farEdge = axis.Position(last, firstScroll) + axis.Size(last);
        if (first >= axis.LockedEnd())
            return first >= firstScroll;
        return first >= axis.FirstLocked();
    };
    int top, bottom, left, right;
    bool topVisible = edges(m_rows, m_firstScrollRow, range.minRow, range.maxRow, top, bottom);
    bool leftVisible = edges(m_cols, m_firstScrollCol, range.minCol, range.maxCol, left, right);
    int L = left - 1, T = top - 1, R = right - 1, B = bottom - 1;
    if (T == B || L == R)
        return;
    m_frame.rect = CRect(L - 1, T - 1, R + 2, B + 2);
    m_frame.bTopVisible = topVisible;
    m_frame.bLeftVisible = leftVisible;
    if (topVisible) {
        pDC->PatBlt(L + 2, T - 1, R - L, 3, DSTINVERT);
        if (leftVisible)
            pDC->PatBlt(L - 1, T - 1, 3, 3, DSTINVERT);
    }
    pDC->PatBlt(L + 2, B - 1, R - L - 6, 3, DSTINVERT);
    if (leftVisible)
        pDC->PatBlt(L - 1, T + 2, 3, B - T, DSTINVERT);
    pDC->PatBlt(R - 1, T + 2, 3, B - T - 5, DSTINVERT);
    pDC->PatBlt(R - 2, B - 2, 5, 5, DSTINVERT); // the fill handle
}

void CPagePainter::DrawRangeFrame(CDC* pDC)
{
    m_rangeFrameRect.SetRectEmpty();
    for (CRect& handle : m_rangeHandles)
        handle.SetRectEmpty();
    const CCellRect& range = m_view.rangeFrame;
    if (!m_page.IsValidCell(range.minRow, range.minCol) || !m_page.IsValidCell(range.maxRow, range.maxCol) ||
        range.maxRow < range.minRow || range.maxCol < range.minCol)
        return;
    int top, bottom, left, right;
    auto edges = [](const CPageAxis& axis, int firstScroll, int first, int last, int& nearEdge,
                    int& farEdge) {
        nearEdge = axis.Position(first, firstScroll) - 1;
        farEdge = axis.Position(last, firstScroll) + axis.Size(last) - 1;
        return first >= axis.LockedEnd() ? first >= firstScroll : first >= axis.FirstLocked();
    };
    bool topShown = edges(m_rows, m_firstScrollRow, range.minRow, range.maxRow, top, bottom);
    bool leftShown = edges(m_cols, m_firstScrollCol, range.minCol, range.maxCol, left, right);
    bool bottomShown = bottom < m_view.client.bottom;
    bool rightShown = right < m_view.client.right;
    m_rangeFrameRect = CRect(left, top, right + 1, bottom + 1);
    CPen pen(PS_SOLID, 1, kFreezeLineColour);
    CSelectObject select(*pDC, pen);
    auto frameLines = [&](int inset) {
        if (topShown)
            DrawClippedLine(*pDC, left + inset, top + inset, right - inset + 1, top + inset);
        if (bottomShown)
            DrawClippedLine(*pDC, left + inset, bottom - inset, right - inset + 1, bottom - inset);
        if (leftShown)
            DrawClippedLine(*pDC, left + inset, top + inset, left + inset, bottom - inset + 1);
        if (rightShown)
            DrawClippedLine(*pDC, right - inset, top + inset, right - inset, bottom - inset + 1);
    };
    frameLines(0);
    if (m_view.bRangeDoubleLine == 1)
        frameLines(1);
    int midX = (left + right) / 2;
    int midY = (top + bottom) / 2;
    const POINT centres[8] = {{left, top},     {midX, top},    {right, top},   {right, midY},
                              {right, bottom}, {midX, bottom}, {left, bottom}, {left, midY}};
    const bool shown[8] = {topShown && leftShown,     topShown,    topShown && rightShown,   rightShown,
                           bottomShown && rightShown, bottomShown, bottomShown && leftShown, leftShown};
    for (int i = 0; i < 8; ++i) {
        if (!shown[i])
            continue;
        const POINT& c = centres[i];
        pDC->FillSolidRect(CRect(c.x - 3, c.y - 3, c.x + 3, c.y + 3), kFreezeLineColour);
        m_rangeHandles[i] = CRect(c.x - 4, c.y - 4, c.x + 4, c.y + 4);
    }
}

void CPagePainter::DrawDragRegion(CDC* pDC)
{
    if (m_view.hDragRegion)
        ::FillRgn(*pDC, m_view.hDragRegion, CGdiGlobals::Instance().halftoneBrush);
}

void CPagePainter::DrawCharts(CDC* pDC)
{
    std::vector<int> onTop;
    for (int chart = 0; chart < int(m_page.m_charts.size()); ++chart) {
        if (IsPageChartOnTop(chart))
            onTop.push_back(chart);
        else
            DrawPageChart(pDC, chart);
    }
    for (int chart : onTop)
        DrawPageChart(pDC, chart);
}

void CPagePainter::DrawPageChart(CDC*, int) {}

BOOL CPagePainter::IsPageChartOnTop(int)
{
    return FALSE;
}

void CPagePainter::DrawPageText(CDC* pDC, const char* text)
{
    CFont font;
    LOGFONTA lf{};
    lf.lfHeight = 38;
    lf.lfWeight = 450;
    std::strcpy(lf.lfFaceName, "楷体");
    font.CreateFontIndirect(&lf);
    CSelectObject select(*pDC, font);
    UINT oldAlign = pDC->SetTextAlign(TA_CENTER | TA_TOP);
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    CPoint centre = m_view.client.CenterPoint();
    pDC->TextOut(centre.x, centre.y - 28, text);
    pDC->SetBkMode(oldMode);
    pDC->SetTextAlign(oldAlign);
}
