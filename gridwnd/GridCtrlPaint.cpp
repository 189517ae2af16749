// Painting of the grid: the background areas, the normal cells with their borders (a merged area
// once, over its whole rectangle), the charts, then the fixed cells on top; and the repaint of a
// single cell straight into the window.

#include "gridwnd/GridCtrl.h"

#include "drawing/CPenMaker.h"
#include "drawing/CTextPainter.h"
#include "drawing/LineClip.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int kTextMargin = 2;

void Fill(CDC* pDC, const CRect& rect, COLORREF colour)
{
    if (!rect.IsRectEmpty())
        pDC->FillSolidRect(rect, colour);
}

// The pixels a cell rectangle covers, its right and bottom lines included.
CRect Covered(const CRect& cell)
{
    return CRect(cell.left, cell.top, cell.right + 1, cell.bottom + 1);
}

bool Meets(const CRect& cell, const CRect& clip)
{
    CRect common;
    return common.IntersectRect(Covered(cell), clip) != FALSE;
}

} // namespace

void CGridCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    m_bMarqueeShown = false;
    if (m_bDoubleBuffer) {
        CRect clip;
        dc.GetClipBox(&clip);
        if (clip.IsRectEmpty())
            return;
        CDC memory;
        CBitmap bitmap;
        if (memory.CreateCompatibleDC(&dc) &&
            bitmap.CreateCompatibleBitmap(dc, clip.Width(), clip.Height())) {
            CSelectObject select(memory, bitmap);
            memory.SetWindowOrg(clip.left, clip.top);
            OnDraw(&memory);
            dc.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), memory, clip.left, clip.top, SRCCOPY);
            return;
        }
    }
    OnDraw(&dc);
}

void CGridCtrl::OnDraw(CDC* pDC)
{
    CRect clip;
    if (pDC->GetClipBox(&clip) == ERROR || clip.IsRectEmpty())
        return;
    const CGridGeometry geometry = Geometry();
    CRect visible;
    const CCellRect range = geometry.GetVisibleGridRange(&visible);
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();

    Fill(pDC, CRect(clip.left, clip.top, fixedWidth, visible.bottom), m_crFixedBackground);
    Fill(pDC, CRect(fixedWidth - 1, clip.top, visible.right, fixedHeight), m_crFixedBackground);
    CRect body;
    if (body.IntersectRect(clip, CRect(fixedWidth, fixedHeight, visible.right, visible.bottom)))
        Fill(pDC, body, m_crBackground);
    Fill(pDC, CRect(visible.right, clip.top, clip.right, clip.bottom), m_crEmptyArea);
    Fill(pDC, CRect(clip.left, visible.bottom, visible.right, clip.bottom), m_crEmptyArea);

    std::vector<CCellCoord> drawnMerges;
    int top = fixedHeight;
    for (int row = range.minRow; row < GetRowCount() && top < clip.bottom; ++row) {
        const int bottom = top + GetRowHeight(row) - 1;
        int left = fixedWidth;
        for (int col = range.minCol; bottom >= clip.top && col < GetColumnCount() && left < clip.right;
             ++col) {
            const CRect rect(left, top, left + GetColumnWidth(col) - 1, bottom);
            left = rect.right + 1;
            const CCellCoord origin = m_store.MergeOrigin(row, col);
            const CGridCell* originCell = GetCell(origin.row, origin.col);
            if (!(origin == CCellCoord(row, col)) || originCell->HasSpan() || originCell->bMerged) {
                if (std::find(drawnMerges.begin(), drawnMerges.end(), origin) == drawnMerges.end()) {
                    drawnMerges.push_back(origin);
                    if (Meets(MergedPaintRect(origin.row, origin.col), clip))
                        DrawMergedArea(pDC, origin);
                }
                continue;
            }
            if (Meets(rect, clip)) {
                DrawCell(pDC, row, col, rect, FALSE);
                DrawCellBorders(pDC, row, col, rect);
            }
        }
        top = bottom + 1;
    }
    DrawOverlay(pDC);
    DrawCharts(pDC);
    DrawFixedCells(pDC, clip);
}

CRect CGridCtrl::MergedPaintRect(int row, int col) const
{
    return MergedPaintRect(Geometry(), row, col);
}

CRect CGridCtrl::MergedPaintRect(const CGridGeometry& geometry, int row, int col) const
{
    CRect rect;
    const CGridCell* cell = GetCell(row, col);
    if (!cell)
        return rect;
    if (cell->HasSpan()) {
        geometry.GetMergedAreaRect(row, col, rect);
        return rect;
    }
    // A merged area marked by its extents alone.
    geometry.GetGridCellRectAnywhere(row, col, rect);
    const CPoint edge = rect.TopLeft();
    rect.top = edge.y - cell->nMergeAbove;
    rect.bottom = edge.y - 1 + cell->nMergeHeight;
    rect.left = edge.x - cell->nMergeLeft;
    rect.right = edge.x - 1 + cell->nMergeWidth;
    return rect;
}

void CGridCtrl::DrawMergedArea(CDC* pDC, CCellCoord origin)
{
    const CRect rect = MergedPaintRect(origin.row, origin.col);
    if (rect.IsRectEmpty())
        return;
    {
        // A merge reaching under the fixed cells shows only in the body.
        CClipGuard clip(*pDC);
        pDC->IntersectClipRect(GetFixedColumnWidth(), GetFixedRowHeight(), 0x7FFFFFF, 0x7FFFFFF);
        DrawCell(pDC, origin.row, origin.col, rect, TRUE);
    }
    // The area's outer lines are those of the cells along its right and bottom edges.
    const CCellRect area = m_store.MergeArea(origin.row, origin.col);
    const CGridGeometry geometry = Geometry();
    for (int row = area.minRow; row <= area.maxRow; ++row)
        for (int col = area.minCol; col <= area.maxCol; ++col) {
            CRect cell;
            if ((row == area.maxRow || col == area.maxCol) &&
                geometry.GetGridCellRectAnywhere(row, col, cell))
                DrawCellBorders(pDC, row, col, cell, col == area.maxCol, row == area.maxRow);
        }
}

void CGridCtrl::DrawCellBorders(CDC* pDC, int row, int col, const CRect& rect, bool right, bool bottom)
{
    const CGridCell* cell = GetCell(row, col);
    if (!cell)
        return;
    auto line = [&](BYTE style, BYTE width, COLORREF colour, CPoint from, CPoint to) {
        CPen pen;
        CPenMaker().CreateLinePen(pen, style, width, colour);
        CSelectObject select(*pDC, pen);
        DrawClippedLine(*pDC, from, to);
    };
    if (right && (m_nGridLines & 2) && !cell->bRightHidden)
        line(cell->nRightStyle, cell->nRightWidth, cell->lineColours[3], CPoint(rect.right, rect.top),
             CPoint(rect.right, rect.bottom));
    if (bottom && (m_nGridLines & 1) && !cell->bBottomHidden)
        line(cell->nBottomStyle, cell->nBottomWidth, cell->lineColours[1], CPoint(rect.left - 1, rect.bottom),
             CPoint(rect.right + 1, rect.bottom));
}

void CGridCtrl::DrawFixedCells(CDC* pDC, const CRect& clip)
{
    const CCellRect range = GetVisibleGridRange();
    std::vector<CCellCoord> drawnMerges;
    auto draw = [&](int row, int col, const CRect& rect) {
        const CCellCoord origin = m_store.MergeOrigin(row, col);
        const CGridCell* originCell = GetCell(origin.row, origin.col);
        if (!(origin == CCellCoord(row, col)) || originCell->HasSpan()) {
            if (std::find(drawnMerges.begin(), drawnMerges.end(), origin) != drawnMerges.end())
                return;
            drawnMerges.push_back(origin);
            DrawFixedCell(pDC, origin.row, origin.col, MergedPaintRect(origin.row, origin.col), FALSE);
            return;
        }
        DrawFixedCell(pDC, row, col, rect, FALSE);
    };
    // Rows [firstRow, endRow) from topY by columns [firstCol, endCol) from leftX.
    auto block = [&](int firstRow, int endRow, int topY, int firstCol, int endCol, int leftX) {
        int top = topY;
        for (int row = firstRow; row < endRow && top < clip.bottom; ++row) {
            const int bottom = top + GetRowHeight(row) - 1;
            int left = leftX;
            for (int col = firstCol; bottom >= clip.top && col < endCol && left < clip.right; ++col) {
                const CRect rect(left, top, left + GetColumnWidth(col) - 1, bottom);
                left = rect.right + 1;
                if (rect.right >= clip.left)
                    draw(row, col, rect);
            }
            top = bottom + 1;
        }
    };
    const int fixedRows = GetFixedRowCount();
    const int fixedCols = GetFixedColumnCount();
    block(0, fixedRows, 0, 0, fixedCols, 0);
    block(range.minRow, GetRowCount(), GetFixedRowHeight(), 0, fixedCols, 0);
    block(0, fixedRows, 0, range.minCol, range.maxCol + 1, GetFixedColumnWidth());
}

void CGridCtrl::DrawFixedRowCells(CDC* pDC)
{
    const CGridGeometry geometry = Geometry();
    for (int row = 0; row < GetFixedRowCount(); ++row)
        for (int col = 1; col < GetColumnCount(); ++col)
            if (CRect rect; geometry.GetGridCellRect(row, col, rect))
                DrawFixedCell(pDC, row, col, rect, TRUE);
}

BOOL CGridCtrl::DrawFixedCell(CDC* pDC, int row, int col, CRect rect, BOOL erase)
{
    const CGridCell* cell = GetCell(row, col);
    if (!cell || !pDC)
        return FALSE;
    const CRect area(rect.left, rect.top, rect.right, rect.bottom);
    if (erase)
        Fill(pDC, area, m_crFixedBackground);
    if (cell->font.crBackground != kNoBackground && cell->font.crBackground != kNoTextColor)
        Fill(pDC, area, cell->font.crBackground);
    // Raised edges: light along the top and left, shadow along the right and bottom lines.
    pDC->Draw3dRect(Covered(rect), ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    const COLORREF colour = cell->font.crText == kNoTextColor ? m_crFixedText : cell->font.crText;
    CRect text = area;
    text.DeflateRect(kTextMargin, 1);
    CTextPainter().DrawAlignedText(pDC, text, GetItemText(row, col), cell->nFormat, &cell->font.font, 1, 0,
                                   colour);
    return TRUE;
}

BOOL CGridCtrl::DrawCell(CDC* pDC, int row, int col, CRect rect, BOOL erase)
{
    const CGridCell* cell = GetCell(row, col);
    if (!cell || !pDC)
        return FALSE;
    const CRect area(rect.left, rect.top, rect.right, rect.bottom);
    // Paper shows neither the selection nor the focus.
    const bool focused =
        !m_bPrinting && (GetFocusCell() == CCellCoord(row, col) || (cell->nState & CIS_FOCUSED));
    const bool selected = !m_bPrinting && (cell->nState & CIS_SELECTED) && !focused;
    COLORREF colour = cell->font.crText == kNoTextColor ? m_crText : cell->font.crText;
    if (erase)
        Fill(pDC, area, m_crBackground);
    if (selected) {
        Fill(pDC, area, ::GetSysColor(COLOR_HIGHLIGHT));
        colour = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else if (cell->font.crBackground != kNoBackground && cell->font.crBackground != kNoTextColor) {
        Fill(pDC, area, cell->font.crBackground);
    }
    CRect text = area;
    text.DeflateRect(kTextMargin, 0);
    if (cell->nImage >= 0 && cell->nImage < m_imageList.GetImageCount()) {
        m_imageList.Draw(*pDC, cell->nImage, CPoint(text.left, area.top + (area.Height() - 16) / 2),
                         ILD_NORMAL);
        text.left += 16 + kTextMargin;
    }
    CTextPainter().DrawAlignedText(pDC, text, GetItemText(row, col), cell->nFormat, &cell->font.font, 1, 0,
                                   colour);
    if (focused) {
        CBrush frame(m_crText);
        pDC->FrameRect(area, frame);
    }
    return TRUE;
}

CSize CGridCtrl::GetCellExtent(int row, int col, CDC* pDC)
{
    const CGridCell* cell = GetCell(row, col);
    if (!cell || !pDC)
        return CSize();
    LOGFONTA lf = cell->font.font;
    if (m_store.IsFixed(row, col))
        lf.lfWeight = 600;
    CFont font;
    font.CreateFontIndirect(&lf);
    CSelectObject select(*pDC, font);
    return pDC->GetTextExtent(GetItemText(row, col));
}

BOOL CGridCtrl::RepaintGridCell(int row, int col, CDC* pDC)
{
    if (!m_bRedraw || !m_hWnd || !m_store.IsValid(row, col))
        return FALSE;
    const CCellCoord origin = m_store.MergeOrigin(row, col);
    const CGridCell* cell = GetCell(origin.row, origin.col);
    const bool merged = !(origin == CCellCoord(row, col)) || cell->HasSpan() || cell->bMerged;
    CRect rect;
    if (merged)
        rect = MergedPaintRect(origin.row, origin.col);
    else if (!GetGridCellRect(row, col, rect))
        return FALSE;
    if (rect.IsRectEmpty())
        return FALSE;
    std::unique_ptr<CClientDC> own;
    if (!pDC) {
        own = std::make_unique<CClientDC>(m_hWnd);
        if (!own->GetSafeHdc()) {
            InvalidateRect(Covered(rect), true);
            return TRUE;
        }
        pDC = own.get();
    }
    if (m_store.IsFixed(origin.row, origin.col))
        return DrawFixedCell(pDC, origin.row, origin.col, rect, TRUE);
    CClipGuard clip(*pDC);
    pDC->IntersectClipRect(GetFixedColumnWidth(), GetFixedRowHeight(), 0x7FFFFFF, 0x7FFFFFF);
    if (merged) {
        DrawMergedArea(pDC, origin);
        return TRUE;
    }
    const BOOL drawn = DrawCell(pDC, row, col, rect, TRUE);
    DrawCellBorders(pDC, row, col, rect);
    return drawn;
}

std::optional<CRect> CGridCtrl::InvalidRect(const CGridGeometry& geometry, CCellCoord cell) const
{
    const CCellCoord origin = m_store.MergeOrigin(cell.row, cell.col);
    const CGridCell* first = GetCell(origin.row, origin.col);
    CRect shown;
    if (!(origin == cell) || first->HasSpan() || first->bMerged)
        shown = MergedPaintRect(geometry, origin.row, origin.col);
    else if (!geometry.GetGridCellRect(cell.row, cell.col, shown))
        return std::nullopt;
    CRect invalid = Covered(shown);
    invalid.InflateRect(1, 1); // the neighbours' lines along the edges
    return invalid;
}

void CGridCtrl::RedrawGridCell(CCellCoord cell, bool now)
{
    if (!m_hWnd || !m_bRedraw || !m_store.IsValid(cell))
        return;
    if (now) {
        RepaintGridCell(cell);
        return;
    }
    const auto invalid = InvalidRect(m_pRedrawBatch ? m_pRedrawBatch->geometry : Geometry(), cell);
    if (!invalid)
        return;
    CRgn part;
    if (m_pRedrawBatch && part.CreateRectRgnIndirect(&*invalid))
        m_pRedrawBatch->region.CombineRgn(m_pRedrawBatch->region, part, RGN_OR);
    else
        InvalidateRect(*invalid, false);
}

void CGridCtrl::RedrawGridCells(const std::vector<CCellRect>& ranges, bool now)
{
    if (!m_hWnd || !m_bRedraw || ranges.empty())
        return;
    auto changed = [&](CCellCoord cell) {
        return std::any_of(ranges.begin(), ranges.end(), [&](const CCellRect& r) {
            return cell.row >= r.minRow && cell.row <= r.maxRow && cell.col >= r.minCol &&
                   cell.col <= r.maxCol;
        });
    };
    // The cells gather one region for the window to repaint, measured with one geometry.
    RedrawBatch batch{Geometry(), CRgn()};
    const bool gather = !now && batch.region.CreateRectRgn(0, 0, 0, 0);
    RedrawBatch* const outer = std::exchange(m_pRedrawBatch, gather ? &batch : nullptr);
    auto visit = [&](int firstRow, int lastRow, int firstCol, int lastCol) {
        for (int row = firstRow; row <= lastRow; ++row)
            for (int col = firstCol; col <= lastCol; ++col)
                if (changed(CCellCoord(row, col)) || changed(m_store.MergeOrigin(row, col)))
                    RedrawGridCell(CCellCoord(row, col), now);
    };
    const CCellRect shown = batch.geometry.GetVisibleGridRange();
    const int fixedRows = GetFixedRowCount();
    const int fixedCols = GetFixedColumnCount();
    visit(0, fixedRows - 1, 0, fixedCols - 1);
    visit(0, fixedRows - 1, shown.minCol, shown.maxCol);
    visit(shown.minRow, shown.maxRow, 0, fixedCols - 1);
    visit(shown.minRow, shown.maxRow, shown.minCol, shown.maxCol);
    m_pRedrawBatch = outer;
    if (gather)
        ::InvalidateRgn(m_hWnd, batch.region, FALSE);
}

CImageList* CGridCtrl::CreateDragImage(CPoint* hotSpot)
{
    const CCellRect range = GetSelectedGridRange();
    if (!m_hWnd || !m_store.IsValid(range))
        return nullptr;
    const CGridGeometry geometry = Geometry();
    CRect first, last;
    geometry.GetGridCellRectAnywhere(range.minRow, range.minCol, first);
    geometry.GetGridCellRectAnywhere(range.maxRow, range.maxCol, last);
    CRect picture;
    if (!picture.IntersectRect(CRect(first.left, first.top, last.right + 1, last.bottom + 1),
                               GetClientRect()))
        return nullptr;
    CClientDC screen(m_hWnd);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&screen) ||
        !bitmap.CreateCompatibleBitmap(screen, picture.Width(), picture.Height()))
        return nullptr;
    {
        CSelectObject select(memory, bitmap);
        memory.SetWindowOrg(picture.left, picture.top);
        OnDraw(&memory);
    }
    auto image = std::make_unique<CImageList>();
    if (!image->Create(picture.Width(), picture.Height(), ILC_COLOR32, 1, 0) ||
        image->Add(bitmap, static_cast<HBITMAP>(nullptr)) < 0)
        return nullptr;
    if (hotSpot)
        *hotSpot = picture.TopLeft();
    return image.release();
}
