#include "printing/PrintComposer.h"

#include "drawing/CTextPainter.h"
#include "drawing/LineClip.h"
#include "framework/CGdiObject.h"
#include "printing/BandLayout.h"
#include "printing/PageNumberText.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/paint/PagePainter.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kBandInset = 4;
constexpr int kFrameOutset = 2;
constexpr int kCornerStroke = 36;
constexpr int kRuleGap = 2;

// The included rows (or columns) of a band: where each starts and how far it reaches, by offset
// from the band's first index; excluded ones have no room.
struct AxisPlaces
{
    int first = 0;
    std::vector<int> start;
    std::vector<int> size; // 0: excluded

    int Count() const { return int(size.size()); }
    bool Has(int index) const
    {
        const int k = index - first;
        return k >= 0 && k < Count() && size[size_t(k)] > 0;
    }
    int Start(int index) const { return start[size_t(index - first)]; }
    int End(int index) const { return Start(index) + size[size_t(index - first)]; }
};

template <class Size, class Included>
AxisPlaces PlaceBand(const CPrintBand& band, int origin, Size sizeOf, Included included)
{
    AxisPlaces places;
    places.first = band.first;
    int at = origin;
    for (int i = band.first; i <= band.last; ++i) {
        const int size = included(i) ? sizeOf(i) : 0;
        places.start.push_back(at);
        places.size.push_back(size);
        at += size;
    }
    return places;
}

CCellCoord MergeOriginOf(const CNorvakCell& cell, int row, int col)
{
    if (cell.IsCovered())
        return cell.GetMergeOrigin();
    return cell.IsMergeOrigin() ? CCellCoord(row, col) : CCellCoord();
}

void DrawLine(CDC& dc, HPEN pen, int x0, int y0, int x1, int y1)
{
    CSelectObject select(dc, pen);
    DrawClippedLine(dc, x0, y0, x1, y1);
}

} // namespace

CPrintUnits::CPrintUnits(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc))
{
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, 100, 100, nullptr);
    ::SetViewportExtEx(dc, ::GetDeviceCaps(dc, LOGPIXELSX), ::GetDeviceCaps(dc, LOGPIXELSY), nullptr);
    ::SetWindowOrgEx(dc, 0, 0, nullptr);
    ::SetViewportOrgEx(dc, 0, 0, nullptr);
}

CPrintUnits::~CPrintUnits()
{
    ::RestoreDC(m_dc, m_saved);
}

CSize CPrintUnits::PrintableSize(HDC dc)
{
    const int dpiX = std::max(1, ::GetDeviceCaps(dc, LOGPIXELSX));
    const int dpiY = std::max(1, ::GetDeviceCaps(dc, LOGPIXELSY));
    return CSize(::MulDiv(::GetDeviceCaps(dc, HORZRES), 100, dpiX), ::MulDiv(::GetDeviceCaps(dc, VERTRES), 100, dpiY));
}

bool CPrintComposer::MarginsFit(CSize paper) const
{
    return m_setup.m_nLeftMargin + m_setup.m_nRightMargin < paper.cx &&
           m_setup.m_nTopMargin + m_setup.m_nBottomMargin < paper.cy;
}

int CPrintComposer::Paginate(HDC dc, const CNorvakPage* page, const CNorvakPageCells* cells,
                             const CCellRect& selection)
{
    m_paper = CPrintUnits::PrintableSize(dc);
    m_filter.reset();
    m_pagination.reset();
    if (!MarginsFit(m_paper) || !page || !cells)
        return 0;
    m_filter.emplace(*page, CPrintSelection::FromRange(selection));
    const int width = m_paper.cx - m_setup.m_nLeftMargin - m_setup.m_nRightMargin;
    const int height = m_paper.cy - m_setup.m_nTopMargin - m_setup.m_nBottomMargin;
    m_pagination = CPrintPagination::Of(*page, *m_filter, width, height);
    return GetPageCount();
}

CRect CPrintComposer::MarginRect() const
{
    return CRect(m_setup.m_nLeftMargin, m_setup.m_nTopMargin, m_paper.cx - m_setup.m_nRightMargin,
                 m_paper.cy - m_setup.m_nBottomMargin);
}

CRect CPrintComposer::HeaderBand() const
{
    CRect band(m_setup.m_nLeftMargin, 0, m_paper.cx - m_setup.m_nRightMargin, m_setup.m_nHeaderMargin);
    band.DeflateRect(kBandInset, kBandInset);
    return band;
}

CRect CPrintComposer::FooterBand() const
{
    CRect band(m_setup.m_nLeftMargin, m_paper.cy - m_setup.m_nFooterMargin, m_paper.cx - m_setup.m_nRightMargin,
               m_paper.cy);
    band.DeflateRect(kBandInset, kBandInset);
    return band;
}

struct CPrintComposer::Layout
{
    const CNorvakPage& page;
    const CNorvakPageCells& cells;
    CPrintBand rows;
    CPrintBand cols;
    AxisPlaces rowPlaces;
    AxisPlaces colPlaces;

    CRect CellRect(int row, int col) const
    {
        return CRect(colPlaces.Start(col), rowPlaces.Start(row), colPlaces.End(col), rowPlaces.End(row));
    }
    // The part of a merged area that lies on this page: from its first to its last printed row and
    // column in the band. Empty when none of it prints here.
    CRect AreaRect(CCellCoord origin, const CNorvakCell& originCell) const
    {
        auto span = [](const AxisPlaces& places, const CPrintBand& band, int from, int to, LONG& nearEdge,
                       LONG& farEdge) {
            nearEdge = farEdge = 0;
            int first = -1, last = -1;
            for (int i = std::max(from, band.first); i <= std::min(to, band.last); ++i)
                if (places.Has(i)) {
                    first = first < 0 ? i : first;
                    last = i;
                }
            if (first < 0)
                return false;
            nearEdge = places.Start(first);
            farEdge = places.End(last);
            return true;
        };
        CRect rect;
        if (!span(rowPlaces, rows, origin.row, origin.row + originCell.GetRowSpan(), rect.top, rect.bottom) ||
            !span(colPlaces, cols, origin.col, origin.col + originCell.GetColSpan(), rect.left, rect.right))
            return CRect();
        return rect;
    }
};

void CPrintComposer::DrawPrintPage(HDC hdc, int pageNumber, const CNorvakPage* page,
                                   const CNorvakPageCells* cells) const
{
    if (pageNumber < 1 || pageNumber > GetPageCount() || !page || !cells)
        return;
    const CPrintPagination& pagination = *m_pagination;
    const SIZE extent = pagination.ExtentOf(pageNumber);
    const CRect margins = MarginRect();
    const int left = margins.left + CenteringShift(m_setup.m_bCenterHorz != 0, margins.Width(), extent.cx);
    const int top = margins.top + CenteringShift(m_setup.m_bCenterVert != 0, margins.Height(), extent.cy);

    Layout layout{*page, *cells, {}, {}, {}, {}};
    layout.cols = pagination.ColumnBandOf(pageNumber);
    layout.rows = pagination.RowBandOf(pageNumber);
    const bool inGrid = layout.cols.first >= 0 && layout.rows.first >= 0 && layout.cols.last < page->m_nCols &&
                        layout.rows.last < page->m_nRows && layout.rows.last >= layout.rows.first &&
                        layout.cols.last >= layout.cols.first;
    if (!inGrid)
        return;
    const CPrintFilter& filter = *m_filter;
    layout.colPlaces = PlaceBand(
        layout.cols, left, [&](int col) { return page->GetColumnWidth(col) + 2; },
        [&](int col) { return filter.IncludesColumn(col); });
    layout.rowPlaces = PlaceBand(
        layout.rows, top, [&](int row) { return page->GetRowHeight(row) + 1; },
        [&](int row) { return filter.IncludesRow(row); });

    CDC dc(hdc);
    CPrintUnits units(hdc);
    dc.SetBkMode(TRANSPARENT);
    // A row or column larger than the page is cut at the margin.
    dc.IntersectClipRect(CRect(left, top, left + margins.Width(), top + margins.Height()));
    DrawCells(dc, layout);
    DrawLines(dc, layout);
    dc.Detach();
}

void CPrintComposer::DrawCells(CDC& dc, const Layout& layout) const
{
    std::vector<CCellCoord> drawnAreas;
    ForEachPrintedCell(layout, [&](const CNorvakCell& cell, int row, int col) {
        const CCellCoord origin = MergeOriginOf(cell, row, col);
        const CNorvakCell* originCell = origin.row >= 0 ? layout.cells.GetCell(origin.row, origin.col) : nullptr;
        if (!originCell) {
            PaintCell(dc, layout, cell, layout.CellRect(row, col));
            return;
        }
        if (std::find(drawnAreas.begin(), drawnAreas.end(), origin) != drawnAreas.end())
            return;
        drawnAreas.push_back(origin);
        PaintCell(dc, layout, *originCell, layout.AreaRect(origin, *originCell));
    });
}

template <class Visit> void CPrintComposer::ForEachPrintedCell(const Layout& layout, Visit visit) const
{
    for (int row = layout.rows.first; row <= layout.rows.last; ++row) {
        if (!layout.rowPlaces.Has(row))
            continue;
        for (int col = layout.cols.first; col <= layout.cols.last; ++col)
            if (const CNorvakCell* cell = layout.colPlaces.Has(col) ? layout.cells.GetCell(row, col) : nullptr)
                visit(*cell, row, col);
    }
}

void CPrintComposer::PaintCell(CDC& dc, const Layout& layout, const CNorvakCell& cell, const CRect& rect) const
{
    if (rect.IsRectEmpty())
        return;
    const CFontRecord& font = cell.GetFont();
    if (font.crBackground != kNoBackground && font.crBackground != kNoTextColor)
        dc.FillSolidRect(rect, font.crBackground);
    CRect textRect = rect;
    if (cell.GetPicture() || cell.GetIcon() || cell.GetBitmap()) {
        // The picture painters are the screen's; they read nothing of the paint's layout.
        static const CPaintView kNoView;
        CPagePainter painter(layout.page, layout.cells, kNoView);
        CClipGuard clip(dc);
        dc.IntersectClipRect(rect);
        if (cell.GetPicture())
            textRect.left = painter.DrawCellPicture(&dc, rect.left, rect.top, rect.right, rect.bottom, cell);
        else if (cell.GetIcon())
            textRect.left = painter.DrawCellIcon(&dc, rect.left, rect.top, rect.right, rect.bottom, cell);
        else
            textRect.left = painter.DrawCellBitmap(&dc, rect.left, rect.top, rect.right, rect.bottom, cell);
    }
    if (*cell.GetTextPtr() == '\0')
        return;
    const COLORREF colour = font.crText == kNoTextColor ? layout.page.m_crTextColor : font.crText;
    CTextPainter().DrawAlignedText(&dc, textRect, cell.GetText(), cell.GetTextFormat(), &font.font, 1,
                                   cell.GetIndent(), colour);
}

void CPrintComposer::DrawLines(CDC& dc, const Layout& layout) const
{
    CLinePenCache pens;
    auto penOf = [&](const CNorvakCell& cell, BOOL bottom) {
        const BYTE style = bottom ? cell.GetHorLineStyle() : cell.GetVerLineStyle();
        const BYTE width = bottom ? cell.GetHorLineWidth() : cell.GetVerLineWidth();
        const COLORREF colour = bottom ? cell.GetHorLineColor() : cell.GetVerLineColor();
        if (HPEN pen = pens.Find(style, width, colour))
            return pen;
        CPen pen;
        CPagePainter::MakeLinePen(cell, pen, bottom);
        pens.Add(style, width, colour, std::move(pen));
        return pens.Find(style, width, colour);
    };
    auto sameArea = [&](const CNorvakCell& cell, int row, int col, int otherRow, int otherCol) {
        const CNorvakCell* other = layout.cells.GetCell(otherRow, otherCol);
        const CCellCoord origin = MergeOriginOf(cell, row, col);
        return other && origin.row >= 0 && MergeOriginOf(*other, otherRow, otherCol) == origin;
    };
    ForEachPrintedCell(layout, [&](const CNorvakCell& cell, int row, int col) {
        const CRect rect = layout.CellRect(row, col);
        if (col == layout.cols.last || !sameArea(cell, row, col, row, col + 1))
            DrawLine(dc, penOf(cell, FALSE), rect.right, rect.top, rect.right, rect.bottom);
        if (row == layout.rows.last || !sameArea(cell, row, col, row + 1, col))
            DrawLine(dc, penOf(cell, TRUE), rect.left, rect.bottom, rect.right, rect.bottom);
    });
}

void CPrintComposer::DrawDecorations(HDC hdc, int pageNumber, bool preview) const
{
    CDC dc(hdc);
    {
        CPrintUnits units(hdc);
        dc.SetBkMode(TRANSPARENT);
        if (preview)
            DrawCornerMarks(dc);
        DrawBand(dc, pageNumber, true);
        DrawBand(dc, pageNumber, false);
        if (m_setup.m_bDashedFrame)
            DrawDashedFrame(dc);
        if (m_setup.m_bShowPageTitle)
            DrawPageTitle(dc);
    }
    dc.Detach();
}

void CPrintComposer::DrawCornerMarks(CDC& dc) const
{
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    const CRect margins = MarginRect();
    auto clampX = [&](int x) { return std::clamp(x, 0, int(m_paper.cx)); };
    auto clampY = [&](int y) { return std::clamp(y, 0, int(m_paper.cy)); };
    for (const POINT corner : {margins.TopLeft(), CPoint(margins.right, margins.top),
                               CPoint(margins.left, margins.bottom), margins.BottomRight()}) {
        const int sx = corner.x == margins.left ? -1 : 1;
        const int sy = corner.y == margins.top ? -1 : 1;
        DrawLine(dc, pen, clampX(corner.x + sx * kFrameOutset), corner.y,
                 clampX(corner.x + sx * (kFrameOutset + kCornerStroke)), corner.y);
        DrawLine(dc, pen, corner.x, clampY(corner.y + sy * kFrameOutset), corner.x,
                 clampY(corner.y + sy * (kFrameOutset + kCornerStroke)));
    }
}

void CPrintComposer::DrawBand(CDC& dc, int pageNumber, bool header) const
{
    const CRect band = header ? HeaderBand() : FooterBand();
    const int position = m_setup.m_nPageNumberPos;
    if (m_setup.m_bShowPageNumber && (header ? PageNumberInHeader(position) : PageNumberInFooter(position))) {
        CFont font;
        const LOGFONTA numberFont = CPageSetup::MakeFont(-12, 0, "宋体");
        font.CreateFontIndirect(&numberFont);
        CSelectObject select(dc, font);
        dc.SetTextColor(RGB(0, 0, 0));
        CRect rect = band;
        dc.DrawText(FormatPageNumber(m_setup.m_nPageNumberFormat, pageNumber, GetPageCount()), &rect,
                    DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | PageNumberAlignment(position));
    }
    if (!(header ? m_setup.m_bShowHeader : m_setup.m_bShowFooter))
        return;

    // Every line of the text, laid out as the header and footer pages preview it.
    const CBandText text = CBandText::Split(header ? m_setup.m_strHeaderText : m_setup.m_strFooterText);
    CFont font;
    font.CreateFontIndirect(header ? &m_setup.m_lfHeaderFont : &m_setup.m_lfFooterFont);
    CSelectObject select(dc, font);
    const bool showPicture = (header ? m_setup.m_bHeaderShowIcon : m_setup.m_bFooterShowIcon) != 0;
    const HBITMAP bitmap = header ? m_setup.m_hHeaderBitmap : m_setup.m_hFooterBitmap;
    const HICON icon = header ? m_setup.m_hHeaderIcon : m_setup.m_hFooterIcon;
    const bool picture = showPicture && (bitmap || icon);
    const int align = header ? m_setup.m_nHeaderAlign : m_setup.m_nFooterAlign;
    const int rule = header ? m_setup.m_nHeaderLine : m_setup.m_nFooterLine;
    CBandLayout layout = CBandLayout::Measure(dc, band, text, picture, align, rule);
    // The header's lines stand on the band's lower edge, the footer's hang from its upper edge.
    if (header)
        layout.Offset(band.bottom - layout.Bottom());

    if (picture)
        DrawBandPicture(dc, bitmap, icon, layout.picture);
    dc.SetTextColor(header ? m_setup.m_crHeaderColor : m_setup.m_crFooterColor);
    layout.DrawText(dc, text, align);
    if (!layout.hasRule)
        return;
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    const int y = header ? band.bottom + kRuleGap : band.top - kRuleGap;
    DrawLine(dc, pen, layout.ruleLeft, y, layout.ruleRight, y);
}

void CPrintComposer::DrawDashedFrame(CDC& dc) const
{
    CPen pen(PS_DOT, 1, RGB(0, 0, 0));
    CSelectObject selectPen(dc, pen);
    CSelectObject selectBrush(dc, ::GetStockObject(NULL_BRUSH));
    CRect frame = MarginRect();
    frame.InflateRect(kFrameOutset, kFrameOutset);
    dc.Rectangle(frame);
}

void CPrintComposer::DrawPageTitle(CDC& dc) const
{
    if (m_setup.m_strPageTitle.IsEmpty())
        return;
    CFont font;
    font.CreateFontIndirect(&m_setup.m_lfTitleFont);
    CSelectObject select(dc, font);
    dc.SetTextColor(m_setup.m_crTitleColor);
    const UINT format = DT_WORDBREAK | DT_CENTER | DT_VCENTER | DT_EDITCONTROL | DT_NOPREFIX;
    const int distance = m_setup.m_nPageTitleMargin;
    CRect box(m_setup.m_nLeftMargin, 0, m_paper.cx - m_setup.m_nRightMargin, distance);
    CRect measured = box;
    dc.DrawText(m_setup.m_strPageTitle, &measured, format | DT_CALCRECT);
    if (measured.Height() < distance)
        box.top = distance - measured.Height();
    dc.DrawText(m_setup.m_strPageTitle, &box, format);
}
