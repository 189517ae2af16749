#include "sheet/model/CellGeometry.h"

#include <algorithm>

CPageAxis CCellGeometry::Rows() const
{
    return CPageAxis::Rows(m_page);
}

CPageAxis CCellGeometry::Cols() const
{
    return CPageAxis::Cols(m_page);
}

CPane CCellGeometry::GetLockedArea(CCellCoord cell) const
{
    if (cell.row < m_page.m_nFixedRows || cell.col < m_page.m_nFixedCols)
        return kPaneFixed;
    return GetLockedAreaAny(cell.row, cell.col);
}

CPane CCellGeometry::GetLockedAreaAny(int row, int col) const
{
    bool lockedRow = row < Rows().LockedEnd();
    bool lockedCol = col < Cols().LockedEnd();
    if (lockedRow)
        return lockedCol ? kPaneLockedBoth : kPaneLockedRows;
    return lockedCol ? kPaneLockedCols : kPaneScrolling;
}

CCellCoord CCellGeometry::GetTopLeftNonFixedCell()
{
    CPageAxis rows = Rows();
    CPageAxis cols = Cols();
    CCellCoord cell(rows.FirstScroll(), cols.FirstScroll());
    m_page.m_nScrollRowOffset = WORD(std::clamp(cell.row - rows.LockedEnd(), 0, 0xFFFF));
    m_page.m_nScrollColOffset = WORD(std::clamp(cell.col - cols.LockedEnd(), 0, 0xFFFF));
    return cell;
}

CCellCoord CCellGeometry::GetTopLeftCellByArea(CPane pane)
{
    CPageAxis rows = Rows();
    CPageAxis cols = Cols();
    switch (pane) {
    case kPaneLockedRows:
        return CCellCoord(rows.FirstLocked(), cols.FirstScroll());
    case kPaneLockedBoth:
        return CCellCoord(rows.FirstLocked(), cols.FirstLocked());
    case kPaneLockedCols:
        return CCellCoord(rows.FirstScroll(), cols.FirstLocked());
    case kPaneScrolling:
        return GetTopLeftNonFixedCell();
    default:
        return CCellCoord(0, -1);
    }
}

BOOL CCellGeometry::GetCellOrigin(int row, int col, CPoint& origin)
{
    if (!m_page.IsValidCell(row, col))
        return FALSE;
    if (row >= m_page.m_nFixedRows && col >= m_page.m_nFixedCols)
        GetTopLeftNonFixedCell();
    origin = CPoint(Cols().Origin(col), Rows().Origin(row));
    return TRUE;
}

BOOL CCellGeometry::GetCellRect(int row, int col, CRect& rect)
{
    CPoint origin;
    if (!GetCellOrigin(row, col, origin))
        return FALSE;
    rect = CRect(origin.x, origin.y, origin.x + Cols().Size(col) - 1, origin.y + Rows().Size(row) - 1);
    return TRUE;
}

BOOL CCellGeometry::GetCellRangeRect(const CCellRect& range, CRect& rect)
{
    CPoint topLeft;
    CPoint farCell;
    if (!GetCellOrigin(range.minRow, range.minCol, topLeft) ||
        !GetCellOrigin(range.maxRow, range.maxCol, farCell))
        return FALSE;
    rect = CRect(topLeft.x, topLeft.y, farCell.x + Cols().Size(range.maxCol),
                 farCell.y + Rows().Size(range.maxRow));
    return TRUE;
}

CCellCoord CCellGeometry::GetCellFromPt(CPoint point, CPane* pane)
{
    CAxisBand rowBand = CAxisBand::Fixed;
    CAxisBand colBand = CAxisBand::Fixed;
    CCellCoord cell(Rows().Locate(point.y, rowBand), Cols().Locate(point.x, colBand));
    if (cell.row >= 0 && cell.col >= 0)
        GetTopLeftNonFixedCell();
    if (pane) {
        if (rowBand == CAxisBand::Fixed || colBand == CAxisBand::Fixed)
            *pane = kPaneFixed;
        else if (rowBand == CAxisBand::Locked)
            *pane = colBand == CAxisBand::Locked ? kPaneLockedBoth : kPaneLockedRows;
        else
            *pane = colBand == CAxisBand::Locked ? kPaneLockedCols : kPaneScrolling;
    }
    return cell.row >= 0 && cell.col >= 0 ? cell : CCellCoord();
}

CCellRect CCellGeometry::GetVisibleNonFixedCellRange(CRect* covered)
{
    CPageAxis rows = Rows();
    CPageAxis cols = Cols();
    CCellRect range(rows.FirstShownBody(), cols.FirstShownBody(),
                    rows.LastShown(rows.FixedExtent(), m_view.height),
                    cols.LastShown(cols.FixedExtent(), m_view.width));
    if (covered)
        GetCellRangeRect(range, *covered);
    return range;
}

CCellRect CCellGeometry::GetUnobstructedNonFixedCellRange(int xStart, int yStart)
{
    CPageAxis rows = Rows();
    CPageAxis cols = Cols();
    if (xStart == -1)
        xStart = cols.FixedExtent() + cols.LockedExtent();
    if (yStart == -1)
        yStart = rows.FixedExtent() + rows.LockedExtent();
    auto last = [](const CPageAxis& a, int start, int extent) {
        int pos = start;
        int i = a.FirstScroll();
        for (; i < a.count; ++i) {
            pos += a.Size(i);
            if (pos >= extent)
                break;
        }
        return std::min(i, a.count - 1);
    };
    return CCellRect(rows.FirstScroll(), cols.FirstScroll(), last(rows, yStart, m_view.height),
                     last(cols, xStart, m_view.width));
}

namespace {

// TRUE when the point lies within the tolerance of the leading edge (not for index 0) or of the
// far edge of the span [origin, origin + size).
bool NearEdge(int coord, int index, int origin, int size, int tolerance)
{
    return (index != 0 && coord - origin <= tolerance) || origin + size - coord <= tolerance;
}

} // namespace

BOOL CCellGeometry::IsOnRowBorder(const CNorvakPageCells& cells, CPoint point)
{
    if (point.x >= Cols().FixedExtent())
        return FALSE;
    CCellCoord cell = GetCellFromPt(point);
    if (cell.IsNone())
        return FALSE;
    int lastRow = cell.row;
    if (const CNorvakCell* c = cells.GetCell(cell.row, cell.col); c && c->IsCovered()) {
        cell = c->GetMergeOrigin();
        if (const CNorvakCell* origin = cells.GetCell(cell.row, cell.col))
            lastRow = cell.row + origin->GetRowSpan();
    }
    CPoint top;
    CPoint bottom;
    if (!GetCellOrigin(cell.row, cell.col, top) || !GetCellOrigin(lastRow, cell.col, bottom))
        return FALSE;
    return NearEdge(point.y, cell.row, top.y, bottom.y + Rows().Size(lastRow) - top.y,
                    m_page.m_nBorderTolerance);
}

BOOL CCellGeometry::IsOnColumnBorder(const CNorvakPageCells& cells, CPoint point)
{
    if (point.y >= Rows().FixedExtent())
        return FALSE;
    CCellCoord cell = GetCellFromPt(point);
    if (cell.IsNone())
        return FALSE;
    int lastCol = cell.col;
    if (const CNorvakCell* c = cells.GetCell(cell.row, cell.col); c && c->IsCovered()) {
        cell = c->GetMergeOrigin();
        if (const CNorvakCell* origin = cells.GetCell(cell.row, cell.col))
            lastCol = cell.col + origin->GetColSpan();
    }
    CPoint left;
    CPoint right;
    if (!GetCellOrigin(cell.row, cell.col, left) || !GetCellOrigin(cell.row, lastCol, right))
        return FALSE;
    return NearEdge(point.x, cell.col, left.x, right.x + Cols().Size(lastCol) - left.x,
                    m_page.m_nBorderTolerance);
}

BOOL CCellGeometry::IsCellVisible(int row, int col)
{
    if (!m_page.IsValidCell(row, col))
        return FALSE;
    return Rows().IsShown(row, UsableExtent(false)) && Cols().IsShown(col, UsableExtent(true));
}

int CCellGeometry::UsableExtent(bool horizontal) const
{
    if (horizontal)
        return m_view.width - (m_page.m_nVertRange > 0 ? m_view.cxScrollBar - 1 : 0);
    return m_view.height - (m_view.bBottomBarShown || m_page.m_nHorzRange > 0 ? 20 : 0);
}

int CCellGeometry::PositionShowingLine(bool horizontal, int index) const
{
    const CPageAxis axis = horizontal ? Cols() : Rows();
    const int pos = horizontal ? m_page.m_nHorzPos : m_page.m_nVertPos;
    const int range = horizontal ? m_page.m_nHorzRange : m_page.m_nVertRange;
    const int bandFirst = axis.ScrollBandFirst();
    const int current = axis.FirstScroll();
    if (index < bandFirst)
        return pos; // fixed and locked lines do not scroll
    // The band fits the lines [first, index] when their far edge stays inside the usable extent;
    // the first line kept is the latest one from the current on that still fits, and never
    // later than the target itself, whose start stays in view when it is larger than the band.
    const int64_t room = int64_t(UsableExtent(horizontal)) - axis.ScrollStart();
    int first = index;
    if (index >= current) {
        int64_t extent = axis.Size(index);
        while (first > current && extent + axis.Size(first - 1) < room)
            extent += axis.Size(--first);
        if (first == current && axis.SumWide(current, index + 1) < room)
            return pos; // already in view
    }
    return std::clamp(axis.ScrollOffset(first), 0, std::max(range, 0));
}

CPoint CCellGeometry::PositionShowing(int row, int col, CEnsureKind kind) const
{
    const bool horizontal = kind == kEnsureHorz || kind == kEnsureBoth;
    const bool vertical = kind == kEnsureVert || kind == kEnsureBoth;
    CPoint pos(m_page.m_nHorzPos, m_page.m_nVertPos);
    if (m_page.IsValidCell(row, col)) {
        if (horizontal)
            pos.x = PositionShowingLine(true, col);
        if (vertical)
            pos.y = PositionShowingLine(false, row);
    }
    return pos;
}

void CCellGeometry::Enlarge(const CCellRect& range, CRect& rect) const
{
    // A range next to the headers does not grow over them.
    rect.left -= range.minCol == Cols().FirstShownBody() ? 0 : 4;
    rect.top -= range.minRow == Rows().FirstShownBody() ? 0 : 4;
    rect.right += 4;
    rect.bottom += 4;
}

BOOL CCellGeometry::GetCellRedrawRect(const CNorvakPageCells& cells, CCellCoord cell, CRect& rect)
{
    const CNorvakCell* c = cells.GetCell(cell.row, cell.col);
    if (!c || !m_page.IsValidCell(cell.row, cell.col))
        return FALSE;
    CCellRect range(cell.row, cell.col, cell.row, cell.col);
    if (c->IsCovered()) {
        CCellCoord origin = c->GetMergeOrigin();
        if (const CNorvakCell* o = cells.GetCell(origin.row, origin.col))
            range =
                CCellRect(origin.row, origin.col, origin.row + o->GetRowSpan(), origin.col + o->GetColSpan());
    } else if (c->IsMergeOrigin()) {
        range = CCellRect(cell.row, cell.col, cell.row + c->GetRowSpan(), cell.col + c->GetColSpan());
    }
    if (!GetCellRangeRect(range, rect))
        return FALSE;
    Enlarge(range, rect);
    CRect client(0, 0, m_view.width, m_view.height);
    return rect.IntersectRect(rect, client);
}

BOOL CCellGeometry::GetRangeRedrawRect(const CCellRect& range, CRect& rect)
{
    CCellRect shown = GetVisibleNonFixedCellRange();
    CCellRect clipped(std::max(range.minRow, shown.minRow), std::max(range.minCol, shown.minCol),
                      std::min(range.maxRow, shown.maxRow), std::min(range.maxCol, shown.maxCol));
    if (clipped.minRow > clipped.maxRow || clipped.minCol > clipped.maxCol ||
        !GetCellRangeRect(clipped, rect))
        return FALSE;
    Enlarge(clipped, rect);
    return TRUE;
}

std::vector<std::pair<int, int>> CCellGeometry::ShownSpans(bool horizontal) const
{
    const CPageAxis axis = horizontal ? Cols() : Rows();
    const int extent = horizontal ? m_view.width : m_view.height;
    std::vector<std::pair<int, int>> spans;
    if (axis.FixedCount() > 0)
        spans.emplace_back(0, axis.FixedCount() - 1);
    if (axis.HasLocked())
        spans.emplace_back(axis.FirstLocked(), axis.LockedEnd() - 1);
    const int first = axis.FirstScroll();
    const int last = axis.LastBefore(first, axis.ScrollStart(), extent);
    if (first <= last)
        spans.emplace_back(first, last);
    return spans;
}

bool CCellGeometry::LineStart(bool horizontal, int index, int& start) const
{
    const CPageAxis axis = horizontal ? Cols() : Rows();
    if (index < 0 || index >= axis.count)
        return false;
    if (index >= axis.FixedCount() && index < axis.LockedEnd() && index < axis.FirstLocked())
        return false; // a locked line skipped by the band's offset
    const int firstScroll = axis.FirstScroll();
    start = index >= axis.LockedEnd() && index < firstScroll ? axis.ScrollStart() : axis.Position(index, firstScroll);
    return start < (horizontal ? m_view.width : m_view.height);
}

BOOL CCellGeometry::GetLineOnwardRect(bool row, int index, CRect& rect)
{
    int start = 0;
    if (!LineStart(!row, index, start))
        return FALSE;
    const int back = std::max(start - 4, 0); // the selection frame of the line before
    rect = row ? CRect(0, back, m_view.width, m_view.height) : CRect(back, 0, m_view.width, m_view.height);
    return TRUE;
}

BOOL CCellGeometry::GetLineRedrawRect(const CNorvakPageCells& cells, bool row, int index, CRect& rect)
{
    CRect area;
    int start = 0;
    const CPageAxis axis = row ? Rows() : Cols();
    const bool scrolledAway = index >= axis.LockedEnd() && index < axis.FirstScroll();
    const bool shown = LineStart(!row, index, start) && !scrolledAway;
    if (shown) {
        const int from = std::max(start - 4, 0);
        const int to = start + axis.Size(index) + 4;
        area = row ? CRect(0, from, m_view.width, to) : CRect(from, 0, to, m_view.height);
    }
    // A merge reaches past the strip; only the cells that can be on screen are asked.
    for (const auto& [first, last] : ShownSpans(row))
        for (int k = first; k <= last; ++k) {
            const CCellCoord at = row ? CCellCoord(index, k) : CCellCoord(k, index);
            const CNorvakCell* cell = cells.GetCell(at.row, at.col);
            CRect merge;
            if (cell && (cell->IsCovered() || cell->IsMergeOrigin()) && GetCellRedrawRect(cells, at, merge))
                area.UnionRect(area, merge);
        }
    const CRect client(0, 0, m_view.width, m_view.height);
    return rect.IntersectRect(area, client);
}
