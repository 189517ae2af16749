#include "sheet/model/ScrollRanges.h"

#include "sheet/model/PageAxis.h"

#include <algorithm>
#include <numeric>

namespace SheetModel {

namespace {

int Sum(const std::vector<int>& sizes)
{
    return std::accumulate(sizes.begin(), sizes.end(), 0);
}

// The start of the line that holds a band offset; from `from`, the first shown line.
int LineStartAt(const CPageAxis& axis, int from, int64_t offset)
{
    int64_t start = axis.ScrollOffset(from);
    for (int i = from; i < axis.count - 1 && start + axis.Size(i) <= offset; ++i)
        start += axis.Size(i);
    return int(start);
}

// A page down: the line holding the first offset past the page, which the page showed in part or
// not at all; the next line when that is the one shown first (a line taller than the page).
int PageDown(const CPageAxis& axis, int first, int pageSize)
{
    const int top = axis.ScrollOffset(first);
    const int start = LineStartAt(axis, first, int64_t(top) + pageSize);
    return start > top ? start : top + axis.Size(first);
}

// A page up: the first line that starts within a page before the one shown first.
int PageUp(const CPageAxis& axis, int first, int pageSize)
{
    const int top = axis.ScrollOffset(first);
    int i = first;
    for (int start = top; i > axis.ScrollBandFirst() && start - axis.Size(i - 1) >= top - pageSize; --i)
        start -= axis.Size(i - 1);
    return i < first ? axis.ScrollOffset(i) : axis.ScrollOffset(std::max(first - 1, axis.ScrollBandFirst()));
}

} // namespace

void SetScrollRanges(CNorvakPage& page, int clientWidth, int clientHeight, int barWidth)
{
    const int rowSum = Sum(page.m_rowHeights);
    const int colSum = Sum(page.m_colWidths);
    const int spareHeight = clientHeight - rowSum;
    page.m_nVertRange = spareHeight >= kScrollPage ? 0 : rowSum - clientHeight + 40;
    if (page.m_nVertRange > 0 && clientWidth - colSum < barWidth)
        page.m_nHorzRange = colSum + barWidth - clientWidth + 20;
    else if (page.m_nVertRange <= 0 && colSum > clientWidth)
        page.m_nHorzRange = colSum - clientWidth + 20;
    else
        page.m_nHorzRange = 0;
}

CPoint PositionsInRange(const CNorvakPage& page)
{
    return CPoint(std::clamp(page.m_nHorzPos, 0, std::max(page.m_nHorzRange, 0)),
                  std::clamp(page.m_nVertPos, 0, std::max(page.m_nVertRange, 0)));
}

int ScrolledDistance(const CNorvakPage& page, bool horizontal, int from, int to)
{
    CPageAxis axis = horizontal ? CPageAxis::Cols(page) : CPageAxis::Rows(page);
    axis.scrollPos = from;
    const int before = axis.ShownOffset();
    axis.scrollPos = to;
    return axis.ShownOffset() - before;
}

std::optional<int> ScrollPosition(const CNorvakPage& page, bool horizontal, int action, int pageSize,
                                  int trackPos)
{
    // The first shown index is the one painting and hit testing start the band with.
    const CPageAxis axis = horizontal ? CPageAxis::Cols(page) : CPageAxis::Rows(page);
    const int range = horizontal ? page.m_nHorzRange : page.m_nVertRange;
    const int pos = horizontal ? page.m_nHorzPos : page.m_nVertPos;
    const int first = axis.FirstScroll();
    switch (action) {
    case SB_LINEUP: // SB_LINELEFT
        if (first <= axis.ScrollBandFirst())
            return std::nullopt;
        return axis.ScrollOffset(first - 1);
    case SB_LINEDOWN: // SB_LINERIGHT
        if (first - axis.locked >= axis.count - 1)
            return std::nullopt;
        return std::min(pos + axis.Size(first), range);
    case SB_PAGEUP:
        return std::max(PageUp(axis, first, pageSize), 0);
    case SB_PAGEDOWN:
        return std::min(PageDown(axis, first, pageSize), std::max(range, 0));
    case SB_THUMBTRACK:
        return trackPos;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return std::max(range, 0);
    default:
        return std::nullopt;
    }
}

int PageSize(const CNorvakPage& page, bool horizontal, int bodyEnd)
{
    const CPageAxis axis = horizontal ? CPageAxis::Cols(page) : CPageAxis::Rows(page);
    return std::max(bodyEnd - axis.ScrollStart(), 1);
}

CCellCoord FirstVisibleCell(const CNorvakPage& page, int horzPos, int vertPos)
{
    int col = page.m_nFixedCols;
    for (int sum = 0; sum < horzPos && col < page.m_nCols - 1; ++col)
        sum += page.GetColumnWidth(col);
    int row = page.m_nFixedRows;
    for (int sum = 0; sum < vertPos && row < page.m_nRows - 1; ++row)
        sum += page.GetRowHeight(row);
    return CCellCoord(row, col);
}

} // namespace SheetModel
