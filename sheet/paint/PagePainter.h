#pragma once

// Paints one page of the control into a device context: the background, the body cells of the
// four panes (locked rows and columns stay put while the rest scrolls), the header blocks, cell
// lines, merged areas drawn as one cell, the freeze lines, the selection or range frame, the drag
// feedback region, and the full-page texts of a hidden or closed page. Every step is virtual so
// that the control can route it through its own overridable operations.
//
// Painting only reads the page and its cells; what it leaves behind for the mouse code (the
// selection frame and the range-frame handles) is kept in this object.

#include "drawing/CPenMaker.h"
#include "drawing/CTextPainter.h"
#include "framework/CDC.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"
#include "sheet/model/PageAxis.h"

#include <map>
#include <tuple>
#include <vector>

// What the page shows besides its cells.
enum CTargetMode : int
{
    kTargetSelection = 1,
    kTargetRangeFrame = 2,
    kTargetNothing = 3,
};

// The control's state that painting reads.
struct CPaintView
{
    CRect client; // the page's part of the client area, from (0, 0)
    CTargetMode nTargetMode = kTargetSelection;
    CCellRect rangeFrame; // target mode 2
    BOOL bRangeDoubleLine = FALSE;
    HRGN hDragRegion = nullptr; // the drag feedback, null when no drag is under way
};

// Line pens of one paint, made once per style, width and colour.
class CLinePenCache
{
public:
    HPEN Find(BYTE style, BYTE width, COLORREF colour) const;
    void Add(BYTE style, BYTE width, COLORREF colour, CPen&& pen);

private:
    std::map<std::tuple<BYTE, BYTE, COLORREF>, CPen> m_pens;
};

// One pane of body cells as DrawCellArea walks it.
struct CPaneDescriptor
{
    CDC* pDC = nullptr;
    CPane nPane = kPaneScrolling;
    int nFirstRow = 0, nLastRow = -1, nFirstCol = 0, nLastCol = -1;
    int nFixedRows = 0, nFixedCols = 0, nLockedRows = 0, nLockedCols = 0;
    const CTextPainter* pTextPainter = nullptr;
    const CPenMaker* pPenMaker = nullptr;
    CLinePenCache* pPens = nullptr;
};

// The selection frame as last drawn, for the mouse code (fill-handle and frame hits).
struct CSelectionFrameState
{
    CRect rect; // empty when no frame is shown
    BOOL bTopVisible = FALSE;
    BOOL bLeftVisible = FALSE;
};

class CPagePainter
{
public:
    static constexpr COLORREF kSelectionFrameColour = 0x00FFFF;
    static constexpr COLORREF kFreezeLineColour = 0xFF0000;
    static constexpr COLORREF kHighlightedHeaderColour = 0x00C8C800;
    static constexpr COLORREF kOutsideColour = 0x808080;
    static constexpr WORD kHeaderMergeTextFormat = 32805;

    CPagePainter(const CNorvakPage& page, const CNorvakPageCells& cells, const CPaintView& view);
    virtual ~CPagePainter() = default;
    CPagePainter(const CPagePainter&) = delete;
    CPagePainter& operator=(const CPagePainter&) = delete;

    // ---- page layers ----
    virtual void DrawPage(CDC* pDC, const CRect& invalid);
    virtual void DrawPageBackground(CDC* pDC, int fixedWidth, int fixedHeight, int scrollLeft, int scrollTop);
    virtual void DrawCellArea(CPaneDescriptor& pane);
    // Header cells of rows [firstRow, endRow) and columns [firstCol, endCol) from (leftX, topY);
    // returns the row where the walk ended.
    virtual int DrawCellBlock(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows,
                              int fixedCols, int firstRow, int endRow, int firstCol, int endCol, int topY,
                              int leftX, int clipTop, int clipBottom);
    virtual void DrawSelectionFrame(CDC* pDC);
    virtual void DrawRangeFrame(CDC* pDC);
    virtual void DrawDragRegion(CDC* pDC);
    // The page's charts in list order, those that lie on top (the newest) after all others.
    void DrawCharts(CDC* pDC);
    // One chart of the page, drawn by the chart subsystem; nothing here.
    virtual void DrawPageChart(CDC* pDC, int chart);
    virtual BOOL IsPageChartOnTop(int chart);
    virtual void DrawPageText(CDC* pDC, const char* text);

    // ---- single cells ----
    virtual BOOL DrawFixedCell(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows,
                               int fixedCols, int row, int col, CRect rect);
    virtual BOOL DrawCell(CDC* pDC, int row, int col, CRect rect);
    virtual void CreateLinePen(const CNorvakCell& cell, CPen& pen, BOOL bottom);
    // The pen of the pen maker for the cell's bottom (or right-hand) line style, width and colour.
    static void MakeLinePen(const CNorvakCell& cell, CPen& pen, BOOL bottom);
    virtual CSize GetCellExtent(int row, int col, CDC* pDC);
    virtual int DrawCellPicture(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell);
    virtual int DrawCellIcon(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell);
    virtual int DrawCellBitmap(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell);
    virtual int DrawBitmapInCell(CDC* pDC, int left, int top, int right, int bottom, BYTE placement,
                                 HBITMAP bitmap);

    // The cell's rectangle in the paint's layout, its right and bottom being its grid lines; FALSE
    // for a cell outside the page.
    BOOL GetCellRect(int row, int col, CRect& rect) const;
    // The body merge whose range holds the cell, or null.
    const CMergeCellRange* FindMergeRange(int row, int col) const;
    // The page's selected range; (rows, columns, -1, -1) when nothing is selected.
    CCellRect GetSelectedRange() const;

    const CSelectionFrameState& GetSelectionFrame() const { return m_frame; }
    const CRect& GetRangeFrameRect() const { return m_rangeFrameRect; }
    const CRect* GetRangeHandleRects() const { return m_rangeHandles; }

    static const char* const kHiddenPageText;
    static const char* const kClosedPageText;

protected:
    const CNorvakPage& m_page;
    const CNorvakPageCells& m_cells;
    CPaintView m_view;

private:
    struct MergedArea
    {
        CRect draw; // the whole area in this pane, one pixel over its right and bottom lines
        CRect clip;
    };

    void DrawPanes(CDC* pDC);
    void DrawFreezeLines(CDC* pDC, const CRect& invalid);
    void DrawHeaderBlocks(CDC* pDC);
    void DrawVisitedCell(CPaneDescriptor& pane, std::vector<CCellCoord>& drawnMerges, int row, int col,
                         const CNorvakCell& cell, const CRect& rect);
    MergedArea GetMergedArea(CPane pane, CCellCoord origin, const CNorvakCell& originCell) const;
    void DrawCellLines(CPaneDescriptor& pane, const CNorvakCell& cell, const CRect& rect);
    HPEN LinePen(CPaneDescriptor& pane, const CNorvakCell& cell, BOOL bottom);
    void DrawCellSelectionMark(CDC* pDC, const CNorvakCell& cell, CCellCoord at, const CRect& rect,
                               bool merged);
    CRect GetHeaderMergeRect(CCellCoord origin, const CNorvakCell& originCell, CRect rect) const;
    void DrawFixedCellEdges(CDC* pDC, const CRect& rect, BYTE headerStyle, bool highlighted) const;
    bool IsSelected(CCellCoord cell) const;
    void FillCellBackground(CDC* pDC, const CNorvakCell& cell, bool hasFocus, bool selected,
                            const CRect& rect) const;
    CRect PlaceImage(const CRect& cell, CSize size, BYTE placement) const;

    CPageAxis m_rows;
    CPageAxis m_cols;
    int m_firstScrollRow;
    int m_firstScrollCol;
    std::vector<CCellCoord> m_drawnHeaderMerges; // in this paint
    CSelectionFrameState m_frame;
    CRect m_rangeFrameRect;
    CRect m_rangeHandles[8];
};
