#pragma once

// Rows and columns to client pixels and back for a page shown in the control's client area.
//
// Reading down (across) the client area: the fixed rows (columns); the locked band, which shows
// the locked rows after the locked-band offset; the scrolling band, which shows the rows after
// the scrolled-away ones. The scrolled-away counts follow the page's scroll positions in pixels.

#include "framework/Geometry.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"
#include "sheet/model/PageAxis.h"

#include <utility>
#include <vector>

// The directions EnsureVisible scrolls in.
enum CEnsureKind : int
{
    kEnsureHorz = 1,
    kEnsureVert = 3,
    kEnsureBoth = 4,
};

// The client area the page is shown in.
struct CViewArea
{
    int width = 0;
    int height = 0;
    bool bBottomBarShown = false; // tab strip, arrow bar or horizontal scroll bar
    int cxScrollBar = 16;         // SM_CXHSCROLL
};

class CCellGeometry
{
public:
    CCellGeometry(CNorvakPage& page, CViewArea view) : m_page(page), m_view(view) {}

    CPane GetLockedArea(CCellCoord cell) const;
    CPane GetLockedAreaAny(int row, int col) const;

    // The first shown cell of the scrolling band; stores the scrolled-away counts in the page.
    CCellCoord GetTopLeftNonFixedCell();
    CCellCoord GetTopLeftCellByArea(CPane pane);

    BOOL GetCellOrigin(int row, int col, CPoint& origin);
    BOOL GetCellRect(int row, int col, CRect& rect);
    BOOL GetCellRangeRect(const CCellRect& range, CRect& rect);

    // The cell under a point (the last row or column when past the end) and its pane code.
    CCellCoord GetCellFromPt(CPoint point, CPane* pane = nullptr);

    CCellRect GetVisibleNonFixedCellRange(CRect* covered = nullptr);
    // A start of -1 means the fixed plus shown locked width (height).
    CCellRect GetUnobstructedNonFixedCellRange(int xStart = -1, int yStart = -1);

    BOOL IsOnRowBorder(const CNorvakPageCells& cells, CPoint point);
    BOOL IsOnColumnBorder(const CNorvakPageCells& cells, CPoint point);
    BOOL IsCellVisible(int row, int col);

    // The scroll position that brings the cell into view in one step, by whole lines as the scroll
    // bars' line arrows would and as little as it takes; a cell larger than the view is shown from
    // its start. A direction not asked for keeps the page's position. The page is not changed:
    // whoever moves it to the position moves its charts too.
    CPoint PositionShowing(int row, int col, CEnsureKind kind) const;

    // The rectangle to invalidate for a cell (its whole merge); FALSE when nothing of it shows.
    BOOL GetCellRedrawRect(const CNorvakPageCells& cells, CCellCoord cell, CRect& rect);
    // The shown part of a range; FALSE when it cannot be formed.
    BOOL GetRangeRedrawRect(const CCellRect& range, CRect& rect);
    // A whole row (column): its strip across (down) the client area and the merges its shown cells
    // belong to; only cells that can be on screen are looked at. FALSE when nothing of it shows.
    BOOL GetLineRedrawRect(const CNorvakPageCells& cells, bool row, int index, CRect& rect);
    // The row (column) and everything after it to the client area's far edge: what a change of its
    // size moves. FALSE when nothing of it shows.
    BOOL GetLineOnwardRect(bool row, int index, CRect& rect);

private:
    // The client extent cells may fill: less the vertical bar across, less the bottom row down.
    int UsableExtent(bool horizontal) const;
    // The indexes of one direction that can be on screen: fixed, shown locked and shown scrolling.
    std::vector<std::pair<int, int>> ShownSpans(bool horizontal) const;
    // Where a line starts on screen (the band's start for a line scrolled away) and whether any of
    // it can show.
    bool LineStart(bool horizontal, int index, int& start) const;
    // The scroll position along one direction that shows the line.
    int PositionShowingLine(bool horizontal, int index) const;
    CPageAxis Rows() const;
    CPageAxis Cols() const;
    void Enlarge(const CCellRect& range, CRect& rect) const;

    CNorvakPage& m_page;
    CViewArea m_view;
};
