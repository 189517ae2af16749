#include "sheet/paint/PagePainter.h"

#include "drawing/CPictureObject.h"
#include "sheet/model/CellProperties.h"

#include <algorithm>

namespace {

COLORREF Opaque(COLORREF colour)
{
    return colour == kNoTextColor ? RGB(255, 255, 255) : colour;
}

bool IsLeftPlacement(BYTE placement)
{
    return placement == 3 || placement == 8 || placement > 10 || placement == 6;
}

// The pixel size of an icon as drawn at its own size; zero when it cannot be read.
CSize IconSize(HICON icon)
{
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info))
        return CSize();
    BITMAP bm{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    CSize size(bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    return size;
}

} // namespace

CRect CPagePainter::PlaceImage(const CRect& cell, CSize size, BYTE placement) const
{
    int left = cell.left;
    int top = cell.top + (cell.Height() - size.cy) / 2;
    switch (placement) {
    case 0:
    case 4:
    case 9:
        left = cell.left + (cell.Width() - size.cx) / 2;
        break;
    case 5:
    case 7:
    case 10:
        left = cell.right - size.cx;
        break;
    default:
        break;
    }
    if (placement == 3 || placement == 4 || placement == 5)
        top = cell.top;
    else if (placement == 8 || placement == 9 || placement == 10)
        top = cell.bottom - size.cy;
    return CRect(left, top, left + size.cx, top + size.cy);
}

bool CPagePainter::IsSelected(CCellCoord cell) const
{
    return (SheetModel::GetItemState(m_page, m_cells, cell.row, cell.col) & CIS_SELECTED) != 0;
}

void CPagePainter::FillCellBackground(CDC* pDC, const CNorvakCell& cell, bool hasFocus, bool selected,
                                      const CRect& rect) const
{
    COLORREF background = cell.GetFont().crBackground;
    if (hasFocus) {
        if (background != kNoBackground)
            pDC->FillSolidRect(rect, Opaque(background));
    } else if (selected) {
        pDC->FillSolidRect(rect, background == kNoBackground ? m_page.m_crSelection : Opaque(background));
    } else if (background != kNoBackground && background != kNoTextColor) {
        pDC->FillSolidRect(rect, background);
    }
}

BOOL CPagePainter::DrawCell(CDC* pDC, int row, int col, CRect rect)
{
    const CNorvakCell* cell = m_cells.GetCell(row, col);
    if (!cell || rect.IsRectEmpty())
        return FALSE;
    if (cell->IsCovered()) {
        CCellCoord origin = cell->GetMergeOrigin();
        cell = m_cells.GetCell(origin.row, origin.col);
        if (!cell)
            return FALSE;
        row = origin.row;
        col = origin.col;
    }
    const CCellCoord& focus = m_page.m_focusCell;
    bool focusInArea = focus.row >= row && focus.row <= row + cell->GetRowSpan() && focus.col >= col &&
                       focus.col <= col + cell->GetColSpan();
    FillCellBackground(pDC, *cell, (cell->GetState() & CIS_FOCUSED) || focusInArea,
                       IsSelected(CCellCoord(row, col)), rect);

    CRect textRect = rect;
    if (cell->GetPicture() || cell->GetIcon() || cell->GetBitmap()) {
        // The pane's clip stays: the picture is clipped to the cell within it.
        CClipGuard clipGuard(*pDC);
        pDC->IntersectClipRect(rect);
        if (cell->GetPicture())
            textRect.left = DrawCellPicture(pDC, rect.left, rect.top, rect.right, rect.bottom, *cell);
        else if (cell->GetIcon())
            textRect.left = DrawCellIcon(pDC, rect.left, rect.top, rect.right, rect.bottom, *cell);
        else
            textRect.left = DrawCellBitmap(pDC, rect.left, rect.top, rect.right, rect.bottom, *cell);
    }
    if (!cell->HasText() || *cell->GetTextPtr() == '\0')
        return TRUE;
    const CFontRecord& font = cell->GetFont();
    COLORREF colour = font.crText == kNoTextColor ? m_page.m_crTextColor : font.crText;
    CTextPainter().DrawAlignedText(pDC, textRect, cell->GetText(), cell->GetTextFormat(), &font.font, 1,
                                   cell->GetIndent(), colour);
    return TRUE;
}

CRect CPagePainter::GetHeaderMergeRect(CCellCoord origin, const CNorvakCell& originCell, CRect rect) const
{
    auto span = [](const CPageAxis& axis, int firstScroll, int first, int last, LONG& nearEdge,
                   LONG& farEdge) {
        // An origin scrolled or offset away starts the area at the band's first shown index.
        if (first >= axis.LockedEnd() && first < firstScroll)
            first = firstScroll;
        else if (first >= axis.FixedCount() && first < axis.FirstLocked())
            first = axis.FirstLocked();
        nearEdge = axis.Position(first, firstScroll);
        farEdge = axis.Position(last, firstScroll) + axis.Size(last) - 1;
    };
    span(m_rows, m_firstScrollRow, origin.row, origin.row + originCell.GetRowSpan(), rect.top, rect.bottom);
    span(m_cols, m_firstScrollCol, origin.col, origin.col + originCell.GetColSpan(), rect.left, rect.right);
    return rect;
}

BOOL CPagePainter::DrawFixedCell(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows,
                                 int fixedCols, int row, int col, CRect rect)
{
    const CNorvakCell* cell = m_cells.GetCell(row, col);
    if (!cell || rect.IsRectEmpty())
        return FALSE;
    WORD textFormat = cell->GetTextFormat();
    if (cell->IsCovered() || cell->IsMergeOrigin()) {
        CCellCoord origin = cell->IsCovered() ? cell->GetMergeOrigin() : CCellCoord(row, col);
        const CNorvakCell* originCell = m_cells.GetCell(origin.row, origin.col);
        if (!originCell)
            return FALSE;
        if (std::find(m_drawnHeaderMerges.begin(), m_drawnHeaderMerges.end(), origin) !=
            m_drawnHeaderMerges.end())
            return TRUE;
        m_drawnHeaderMerges.push_back(origin);
        cell = originCell;
        rect = GetHeaderMergeRect(origin, *originCell, rect);
        // Painting leaves the cell's stored position code as it is.
        textFormat = origin.row + originCell->GetRowSpan() <= fixedRows ? kHeaderMergeTextFormat
                                                                        : originCell->GetTextFormat();
    }
    const CFontRecord& font = cell->GetFont();
    if (font.crBackground != kNoBackground)
        pDC->FillSolidRect(rect, Opaque(font.crBackground));
    COLORREF colour = font.crText == kNoTextColor ? m_page.m_crFixedTextColor : font.crText;
    CSaveDC saved(*pDC);
    bool columnHeader = row >= 0 && row < fixedRows && col >= selected.minCol && col <= selected.maxCol;
    bool rowHeader = col >= 0 && col < fixedCols && row >= selected.minRow && row <= selected.maxRow;
    DrawFixedCellEdges(pDC, rect, headerStyle, columnHeader || rowHeader);

    rect.DeflateRect(1, 1);
    rect.left += m_page.m_nCellTextMargin;
    rect.right -= m_page.m_nCellTextMargin;
    pDC->SetBkMode(TRANSPARENT);
    HICON icon = cell->GetIcon();
    if (CSize iconSize = IconSize(icon); iconSize.cx > 0) {
        ::DrawIconEx(*pDC, rect.left, rect.top, icon, iconSize.cx, iconSize.cy, 0, nullptr, DI_NORMAL);
        rect.left += iconSize.cx + m_page.m_nCellTextMargin;
    }
    CTextPainter().DrawAlignedText(pDC, rect, cell->GetText(), textFormat, &font.font, 1, cell->GetIndent(),
                                   colour);
    return TRUE;
}

void CPagePainter::DrawFixedCellEdges(CDC* pDC, const CRect& rect, BYTE headerStyle, bool highlighted) const
{
    COLORREF light = headerStyle == 3 ? kOutsideColour : ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF dark = headerStyle == 3 ? kOutsideColour : RGB(0xAA, 0xAA, 0xAA);
    CPen lightPen(PS_SOLID, 1, light);
    CPen darkPen(PS_SOLID, 1, dark);
    auto edge = [&](const CPen& topLeft, const CPen& bottomRight) {
        {
            CSelectObject select(*pDC, topLeft);
            pDC->MoveTo(rect.left, rect.bottom);
            pDC->LineTo(rect.left, rect.top);
            pDC->LineTo(rect.right, rect.top);
        }
        CSelectObject select(*pDC, bottomRight);
        pDC->MoveTo(rect.left, rect.bottom);
        pDC->LineTo(rect.right, rect.bottom);
        pDC->LineTo(rect.right, rect.top - 1);
    };
    if (highlighted) {
        if (headerStyle == 3) {
            pDC->FillSolidRect(rect, kHighlightedHeaderColour);
        } else if (headerStyle == 1) {
            CRect focus = rect;
            focus.DeflateRect(2, 2);
            pDC->DrawFocusRect(focus);
            edge(lightPen, darkPen);
        } else if (headerStyle == 2) {
            edge(darkPen, lightPen);
        }
        return;
    }
    if (headerStyle == 3) {
        CSelectObject select(*pDC, darkPen);
        pDC->MoveTo(rect.right, rect.top - 1);
        pDC->LineTo(rect.left - 1, rect.top - 1);
        pDC->LineTo(rect.left - 1, rect.bottom);
        pDC->LineTo(rect.right, rect.bottom);
        return;
    }
    edge(lightPen, darkPen);
}

void CPagePainter::CreateLinePen(const CNorvakCell& cell, CPen& pen, BOOL bottom)
{
    MakeLinePen(cell, pen, bottom);
}

void CPagePainter::MakeLinePen(const CNorvakCell& cell, CPen& pen, BOOL bottom)
{
    BYTE style = bottom ? cell.GetHorLineStyle() : cell.GetVerLineStyle();
    BYTE width = bottom ? cell.GetHorLineWidth() : cell.GetVerLineWidth();
    COLORREF colour = bottom ? cell.GetHorLineColor() : cell.GetVerLineColor();
    CPenMaker().CreateLinePen(pen, style, width, colour);
}

CSize CPagePainter::GetCellExtent(int row, int col, CDC* pDC)
{
    const CNorvakCell* cell = m_cells.GetCell(row, col);
    if (!cell || !pDC)
        return CSize(0, 0);
    LOGFONTA lf = cell->GetFont().font;
    if (row < m_page.m_nFixedRows || col < m_page.m_nFixedCols)
        lf.lfWeight = 600;
    CFont font;
    font.CreateFontIndirect(&lf);
    CSelectObject select(*pDC, font);
    CSize size = pDC->GetTextExtent(cell->GetText());
    size.cx += 4 * m_page.m_nCellTextMargin;
    size.cy += 2 * m_page.m_nCellTextMargin;
    if (CSize iconSize = IconSize(cell->GetIcon()); iconSize.cx > 0) {
        size.cx += iconSize.cx;
        size.cy = std::max(size.cy, iconSize.cy);
    }
    return size;
}

int CPagePainter::DrawCellPicture(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell)
{
    CPictureObject* picture = cell.GetPicture();
    CRect rect(left, top, right, bottom);
    if (!picture || !picture->HasPicture())
        return left;
    BYTE placement = cell.GetPicturePlacement();
    if (placement == 2) {
        picture->Render(pDC, left, top, right, bottom);
        return left;
    }
    CSize size = picture->GetSize(pDC);
    if (size.cx <= 0 || size.cy <= 0)
        return left;
    if (placement == 1) {
        for (int y = top; y < bottom; y += size.cy)
            for (int x = left; x < right; x += size.cx)
                picture->Render(pDC, x, y, x + size.cx, y + size.cy);
        return left;
    }
    CRect place = PlaceImage(rect, size, placement);
    picture->Render(pDC, place.left, place.top, place.right, place.bottom);
    return IsLeftPlacement(placement) ? std::min(int(place.right) + m_page.m_nCellTextMargin, right) : left;
}

int CPagePainter::DrawCellIcon(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell)
{
    HICON icon = cell.GetIcon();
    CRect rect(left + 2, top + 2, right - 2, bottom - 2);
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info))
        return rect.left + m_page.m_nCellTextMargin;
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    CSize size(int(info.xHotspot) * 2, int(info.yHotspot) * 2);
    BYTE placement = cell.GetPicturePlacement();
    if ((placement == 1 || placement == 2) && size.cx > 0 && size.cy > 0) {
        CDC memory;
        CBitmap bitmap;
        if (memory.CreateCompatibleDC(pDC) && bitmap.CreateCompatibleBitmap(*pDC, size.cx, size.cy)) {
            CSelectObject select(memory, bitmap);
            memory.FillSolidRect(CRect(0, 0, size.cx, size.cy), RGB(255, 255, 255));
            ::DrawIconEx(memory, 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        }
        DrawBitmapInCell(pDC, rect.left, rect.top, rect.right, rect.bottom, placement, bitmap);
    } else {
        CRect place = PlaceImage(rect, size, placement);
        ::DrawIconEx(*pDC, place.left, place.top, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    }
    return rect.left + m_page.m_nCellTextMargin;
}

int CPagePainter::DrawCellBitmap(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell)
{
    return DrawBitmapInCell(pDC, left, top, right, bottom, cell.GetPicturePlacement(), cell.GetBitmap());
}

int CPagePainter::DrawBitmapInCell(CDC* pDC, int left, int top, int right, int bottom, BYTE placement,
                                   HBITMAP bitmap)
{
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return left;
    CRect rect(left, top, right, bottom);
    if (placement == 2) {
        CDC memory;
        if (memory.CreateCompatibleDC(pDC)) {
            CSelectObject select(memory, bitmap);
            int oldMode = pDC->SetStretchBltMode(COLORONCOLOR);
            pDC->StretchBlt(left, top, rect.Width(), rect.Height(), memory, 0, 0, bm.bmWidth, bm.bmHeight,
                            SRCCOPY);
            pDC->SetStretchBltMode(oldMode);
        }
        return left;
    }
    CRect place = placement == 1 ? rect : PlaceImage(rect, CSize(bm.bmWidth, bm.bmHeight), placement);
    place.IntersectRect(place, rect);
    CBrush brush;
    brush.CreatePatternBrush(bitmap);
    // The pattern starts at the bitmap's top-left corner.
    CPoint origin = placement == 1 ? rect.TopLeft()
                                   : PlaceImage(rect, CSize(bm.bmWidth, bm.bmHeight), placement).TopLeft();
    CPoint oldOrigin = pDC->SetBrushOrg(origin.x, origin.y);
    pDC->FillRect(place, brush);
    pDC->SetBrushOrg(oldOrigin.x, oldOrigin.y);
    if (placement == 1 || !IsLeftPlacement(placement))
        return left;
    return std::min(int(place.right) + m_page.m_nCellTextMargin, right);
}
