#pragma once

// CGridCtrl: a spreadsheet-like grid window of its own class "NorvakGridCtrl" — one sheet of
// cells with fixed heading rows and columns, selection, in-place editing, clipboard text, OLE drag
// and drop, printing and charts floating over the cells. A program creates it through Create, by
// subclassing a window of the class, or by the class name alone: a window made by name (also from a
// dialog template) gets an object of its own, which goes with the window.
//
// The cells, the selection and the arithmetic live in windowless pieces (GridCellStore, GridAxis,
// GridSelection, GridGeometry, GridNavigation, GridClipboardText, GridPrintLayout,
// GridChartList); this class adds the window. Its implementation is split by behaviour:
//   GridCtrl.cpp           class, construction, creation, messages, accessors, colours
//   GridCtrlPaint.cpp      painting and the repaint of single cells
//   GridCtrlScroll.cpp     geometry in the window, scroll bars and scrolling
//   GridCtrlKeys.cpp       keyboard navigation and in-place editing
//   GridCtrlMouse.cpp      mouse selection, resizing, sorting clicks, drag scrolling, chart picks
//   GridCtrlCharts.cpp     the charts: adding, drawing with the tracker, dragging the tracker
//   GridCtrlClipboard.cpp  cut, copy, paste, the marquee, drag out and the drop target
//   GridCtrlPrint.cpp      printing
//   GridCtrlTitleTip.cpp   the title tip over a cut-off text
//   GridCtrlOverlay.cpp    the overlay of the selected range by the drawing mode
//
// Ownership: the grid owns its cells, its charts, its image list, its printing font and its title
// tip. An object made for a window created by class name deletes itself when the window goes.
// While a window of the class exists, the module that registered it stays loaded.

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/ImageList.h"
#include "framework/OleDataTransfer.h"
#include "framework/PrintInfo.h"
#include "framework/Wnd.h"
#include "gridwnd/GridChartList.h"
#include "gridwnd/GridGeometry.h"
#include "gridwnd/GridNavigation.h"
#include "gridwnd/GridOverlay.h"
#include "gridwnd/GridPrintLayout.h"
#include "gridwnd/GridSelection.h"
#include "sheet/windows/CellNotify.h"
#include "sheet/windows/TitleTip.h"

#include <cstdint>
#include <optional>

// What a mouse or keyboard action is doing.
enum : int
{
    kGridMouseIdle = 0,
    // 1..4: selecting by the drag modes kGridSelectAll .. kGridSelectCells
    kGridMouseSizingRow = 5,
    kGridMouseSizingColumn = 6,
    kGridMousePrepareDrag = 17,
    kGridMouseDragging = 18,
    kGridMouseTrackingChart = 19,
};

// The edit commands the grid answers.
enum : UINT
{
    kGridEditCopy = 57634,
    kGridEditCut = 57635,
    kGridEditPaste = 57637,
    kGridEditSelectAll = 57642,
};

// Draws one chart of a grid over its cells, into the chart's whole-chart rectangle; the chart
// painters provide it (the control library sets their whole-chart drawer when it loads), and record
// into the chart the legend rectangles and data-point faces that the grid's hit test reads. Without
// one the grid draws no chart, only the tracker of a selected part.
using GridChartDrawer = void (*)(CDC& dc, CNorvakChart& chart);

// The overlay drawing mode of GridOverlay.h.
using GridOverlayModeSource = int (*)();

// The first character of OnEditCell: a typed character (UTF-16), 0 for an input method, VK_LBUTTON
// for a start by the mouse, or kGridEditByKey with the navigation key that ended the edit before.
constexpr UINT kGridEditByKey = 0x80000000u;

class CGridCtrl : public CWnd, protected IGridCellFactory, protected IGridSelectionView
{
public:
    static constexpr wchar_t kClassName[] = L"NorvakGridCtrl";
    static constexpr UINT kInPlaceEditId = 8;
    static constexpr UINT_PTR kMarqueeTimer = 11;
    static constexpr UINT_PTR kDragScrollTimer = 513;
    static constexpr UINT kDragScrollInterval = 25;
    static constexpr UINT kMarqueeInterval = 100;
    static constexpr COLORREF kMarqueeColour = 0x320000;
    static constexpr UINT kResourceBitmap = 217;

    CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);
    ~CGridCtrl() override;
    static CGridCtrl* CreateObject() { return new CGridCtrl; }

    // Registers the window class once per process; false when the system refuses.
    static bool RegisterWindowClass();
    // Before the module that registered the class goes away.
    static void UnregisterWindowClass();

    bool Create(const RECT& rect, HWND parent, UINT id,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_HSCROLL | WS_VSCROLL);
    // Takes over a window of the class, also one that got an object of its own when it was made.
    bool SubclassGrid(HWND hwnd);
    static CGridCtrl* FromHandle(HWND hwnd);

    // ---- cells ----
    int GetRowCount() const { return m_store.GetRowCount(); }
    int GetColumnCount() const { return m_store.GetColumnCount(); }
    int GetFixedRowCount() const { return m_store.GetFixedRowCount(); }
    int GetFixedColumnCount() const { return m_store.GetFixedColumnCount(); }
    BOOL SetRowCount(int rows);
    BOOL SetColumnCount(int cols);
    BOOL SetFixedRowCount(int rows);
    BOOL SetFixedColumnCount(int cols);
    int GetRowHeight(int row) const { return m_store.GetRowHeight(row); }
    int GetColumnWidth(int col) const { return m_store.GetColumnWidth(col); }
    BOOL SetRowHeight(int row, int height);
    BOOL SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const { return m_store.GetFixedRowHeight(); }
    int GetFixedColumnWidth() const { return m_store.GetFixedColumnWidth(); }
    int GetVirtualHeight() const { return m_store.GetTotalRowHeight(); }
    int GetVirtualWidth() const { return m_store.GetTotalColumnWidth(); }
    void DeleteAllItems();
    CGridCell* GetCell(int row, int col) const { return m_store.GetCell(row, col); }
    const CGridCellStore& Cells() const { return m_store; }

    BOOL SetItem(const CGridCellItem* item);
    BOOL GetItem(CGridCellItem* item) const;
    BOOL SetItemText(int row, int col, const char* text);
    BOOL SetItemState(int row, int col, WORD state);
    WORD GetItemState(int row, int col) const;
    // Not fixed, not read-only, and the grid editable.
    BOOL IsCellEditable(int row, int col) const;

    // ---- appearance and behaviour ----
    void SetTextColor(COLORREF colour) { m_crText = colour; }
    COLORREF GetTextColor() const { return m_crText; }
    void SetTextBkColor(COLORREF colour) { m_crBackground = colour; }
    COLORREF GetTextBkColor() const { return m_crBackground; }
    void SetFixedTextColor(COLORREF colour) { m_crFixedText = colour; }
    COLORREF GetFixedTextColor() const { return m_crFixedText; }
    void SetFixedBkColor(COLORREF colour) { m_crFixedBackground = colour; }
    COLORREF GetFixedBkColor() const { return m_crFixedBackground; }
    void SetEmptyAreaColor(COLORREF colour) { m_crEmptyArea = colour; }
    COLORREF GetEmptyAreaColor() const { return m_crEmptyArea; }
    void SetGridLineColor(COLORREF colour) { m_crGridLines = colour; }
    COLORREF GetGridLineColor() const { return m_crGridLines; }
    // 0 none, 1 horizontal only, 2 vertical only, 3 both.
    void SetGridLines(int mode) { m_nGridLines = mode; }
    int GetGridLines() const { return m_nGridLines; }
    void SetEditable(BOOL editable) { m_bEditable = editable; }
    BOOL IsEditable() const { return m_bEditable; }
    void EnableDragAndDrop(BOOL enable) { m_bDragAndDrop = enable; }
    void EnableSelectAll(BOOL enable) { m_bSelectAllEnabled = enable; }
    void EnableSelection(BOOL enable) { m_selection.m_bEnabled = enable; }
    void SetListMode(BOOL on) { m_selection.m_bListMode = on; }
    void SetSingleRowMode(BOOL on) { m_selection.m_bSingleRowMode = on; }
    void SetHandleTabKey(BOOL handle) { m_bHandleTab = handle; }
    void SetDoubleBuffering(BOOL on) { m_bDoubleBuffer = on; }
    // While off, no scroll bar set-up and no repaint of single cells.
    void SetRedraw(BOOL redraw);
    int GetMouseMode() const { return m_nMouseMode; }
    CImageList& GetImageList() { return m_imageList; }

    // ---- focus and selection ----
    BOOL IsGridCellValid(int row, int col) const { return m_store.IsValid(row, col); }
    BOOL IsGridCellValid(CCellCoord cell) const { return m_store.IsValid(cell); }
    BOOL IsGridCellValid(const CCellRect& range) const { return m_store.IsValid(range); }
    BOOL RepaintGridCell(int row, int col, CDC* pDC = nullptr);
    BOOL RepaintGridCell(CCellCoord cell, CDC* pDC = nullptr)
    {
        return RepaintGridCell(cell.row, cell.col, pDC);
    }
    CCellCoord MoveGridFocus(int row, int col) { return m_selection.MoveGridFocus(row, col); }
    CCellCoord GetFocusCell() const { return m_selection.GetFocusCell(); }
    void ApplyGridSelection(int minRow, int minCol, int maxRow, int maxCol, BOOL force = FALSE)
    {
        m_selection.ApplyGridSelection(minRow, minCol, maxRow, maxCol, force);
    }
    void SelectWholeGrid() { m_selection.SelectWholeGrid(); }
    void SelectColumnSpan(CCellCoord cell) { m_selection.SelectColumnSpan(cell); }
    void SelectRowSpan(CCellCoord cell) { m_selection.SelectRowSpan(cell); }
    void SelectCellSpan(CCellCoord cell) { m_selection.SelectCellSpan(cell); }
    void ExtendDragSelection(CCellCoord cell) { m_selection.ExtendDragSelection(cell, m_nMouseMode); }
    void SetSelectionStart(CCellCoord cell) { m_selection.m_startCell = cell; }
    CCellRect GetSelectedGridRange() const { return m_selection.GetSelectedGridRange(); }
    CCellCoord ClearGridSelection() { return m_selection.ClearGridSelection(); }
    const CGridSelection& Selection() const { return m_selection; }

    // ---- geometry and scrolling ----
    CGridGeometry Geometry() const;
    BOOL GetGridCellOrigin(int row, int col, CPoint& origin) const;
    BOOL GetGridCellRect(int row, int col, CRect& rect) const;
    BOOL GetGridCellRect(CCellCoord cell, CRect& rect) const
    {
        return GetGridCellRect(cell.row, cell.col, rect);
    }
    BOOL GetGridCellRectAnywhere(int row, int col, CRect& rect) const;
    CCellCoord GetGridCellFromPoint(CPoint point, BOOL allowFixed = TRUE) const;
    CCellCoord GetTopLeftGridCell() const;
    CCellRect GetVisibleGridRange(CRect* covered = nullptr) const;
    CCellRect GetFullyVisibleGridRange() const;
    BOOL IsOnRowBorder(CPoint point) const;
    BOOL IsOnColumnBorder(CPoint point) const;
    void ResetGridScrollBars();
    // The tracking position while the thumb is dragged when tracking is asked, else the position.
    int GetScrollPos32(int bar, BOOL tracking = FALSE) const;
    // Every change of the view goes through here: the cells repaint, and the charts and an open
    // in-place edit move with them (redraw is the scroll bar's own).
    BOOL SetScrollPos32(int bar, int pos, BOOL redraw = TRUE);
    // Scrolls in one step until the cell is fully in view.
    void EnsureVisible(int row, int col);

    // ---- charts ----
    CGridChartList& Charts() { return m_charts; }
    // Adds a chart over the cells (rectangles in client pixels); its index.
    int AddChart(CNorvakChart chart);
    void SetChartStyle(const int (&values)[CGridChartList::kStyleCount]) { m_charts.SetChartStyle(values); }
    // For every grid of the process; null draws no charts.
    static void SetChartDrawer(GridChartDrawer drawer) { s_chartDrawer = drawer; }
    // Where every grid of the process reads its overlay drawing mode (GridOverlay.h) at each
    // paint; null draws no overlay. The control library answers with its current control's mode.
    static void SetOverlayModeSource(GridOverlayModeSource source) { s_overlayModeSource = source; }

    // ---- edit command states ----
    BOOL OnUpdateEditCopy() const;
    BOOL OnUpdateEditCut() const;
    BOOL OnUpdateEditPaste() const;
    BOOL OnUpdateEditSelectAll() const { return m_bSelectAllEnabled; }

    // ---- overridable operations ----
    virtual CString GetItemText(int row, int col) const;
    virtual void ClearSelectedCells();
    // A new data source holding the selection's text (one reference, the caller's); null when
    // the selection is no valid range or memory runs out.
    virtual COleDataSource* CopyCellsToClipboard();
    virtual BOOL PasteTextToCells(int row, int col, COleDataObject* data);
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* info);
    virtual void OnPrint(CDC* pDC, CPrintInfo* info);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* info);
    virtual void DrawFixedRowCells(CDC* pDC);
    virtual void PrintColumnHeadings(CDC* pDC, CPrintInfo* info);
    virtual void PrintHeader(CDC* pDC, CPrintInfo* info);
    virtual void PrintFooter(CDC* pDC, CPrintInfo* info);
    // A picture of the selected cells as they show; the caller deletes it. hotSpot receives the
    // picture's top-left corner in client coordinates.
    virtual CImageList* CreateDragImage(CPoint* hotSpot);
    virtual void OnFixedCellClick(CCellCoord cell);
    virtual void OnFixedRowClick(CCellCoord cell);
    virtual CSize GetCellExtent(int row, int col, CDC* pDC);
    virtual void OnEndEditCell(int row, int col, CString text);
    virtual void OnEditCell(int row, int col, UINT firstChar);
    virtual void CreateInPlaceEditControl(CRect rect, DWORD style, UINT id, int row, int col, CString text,
                                          UINT firstChar);
    virtual void OnDraw(CDC* pDC);
    virtual BOOL DrawFixedCell(CDC* pDC, int row, int col, CRect rect, BOOL erase);
    virtual BOOL DrawCell(CDC* pDC, int row, int col, CRect rect, BOOL erase);
    std::unique_ptr<CGridCell> CreateCell(int row, int col) override;
    void EmptyCell(CGridCell& cell, int row, int col) override;

    // The page metrics of the printing under way (set by OnBeginPrinting).
    const CGridPrintMetrics& GetPrintMetrics() const { return m_print; }

    // ---- the owner ----
    // WM_NOTIFY to the owner (or the parent without one) with the cell and the code; 0 without a
    // window or a target.
    LRESULT SendMessageToParent(int row, int col, int code) const;

    // The range cut or copied last in this process and the grid that did it.
    static CCellRect GetCopiedRange() { return s_copiedRange; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PreSubclassWindow() override;
    void PostNcDestroy() override;

    // IGridSelectionView
    void RedrawGridCell(CCellCoord cell, bool now) override;
    // Visits the cells in view (the fixed ones and those scrolled to) whose own look or whose
    // merged area's first cell is in the ranges.
    void RedrawGridCells(const std::vector<CCellRect>& ranges, bool now) override;
    LRESULT NotifyGridOwner(int row, int col, int code) override
    {
        return SendMessageToParent(row, col, code);
    }

    // The scroll bars and a repaint after counts or sizes changed.
    void AfterLayoutChange();

    // ---- messages ----
    void OnCreate();
    void OnDestroy();
    void OnPaint();
    void OnHScroll(UINT code) { OnScroll(SB_HORZ, code); }
    void OnVScroll(UINT code) { OnScroll(SB_VERT, code); }
    void OnScroll(int bar, UINT code);
    BOOL OnMouseWheel(short delta);
    // Rows down (up when negative) from the first one shown.
    void ScrollRows(int64_t rows);
    // After a scroll position changed (also by a new range): what floats over the cells follows
    // the view from where the top-left normal cell stood before, and the window repaints.
    void FollowScroll(CPoint before);
    class ScrollChange;
    // The open in-place edit follows its cell by the distance; it ends when its cell's top-left
    // corner leaves the view, to the fixed cells or past the client area.
    void MoveInPlaceEdit(CSize by);
    // The open in-place edit, or null.
    HWND InPlaceEdit() const;
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    UINT OnGetDlgCode() const;
    void OnKeyDown(UINT key);
    void OnChar(UINT ch);
    BOOL OnSetCursor(UINT hitTest);
    void OnSysColorChange();
    void OnCaptureChanged(HWND capture);
    void OnDrawClipboard(WPARAM wp, LPARAM lp);
    void OnChangeClipboardChain(HWND removed, HWND next);
    LRESULT OnEndInPlaceEdit(const CCellDispInfo& info);
    bool OnCommand(UINT id);
    LRESULT OnContextMenu(WPARAM wp, LPARAM lp);
    LRESULT OnNcPaint(WPARAM wp, LPARAM lp);
    LRESULT OnWindowPosChanging(WINDOWPOS* pos);
    LRESULT OnWindowPosChanged(WINDOWPOS* pos);

    // ---- the title tip ----
    // Hover is asked for on every movement with no button down; a hover over a cut-off text shows
    // the tip, false when it shows nothing.
    void TrackHover();
    bool ShowTitleTip(CPoint point);
    void HideTitleTip();

    // ---- clipboard, marquee and drag and drop ----
    // Hands the source (and the caller's reference) to the clipboard.
    void PlaceOnClipboard(COleDataSource* source);
    void ReleaseClipboardSource();
    void RememberCopiedRange();
    void ForgetCopiedRange();
    void DrawMarquee();
    void DragOut();
    DROPEFFECT DropEffectAt(COleDataObject* data, DWORD keyState, CPoint point) const;
    BOOL DropAt(COleDataObject* data, CPoint point);

    // ---- keyboard and mouse helpers ----
    void MoveFocusByKeyboard(CCellCoord next, UINT key, bool extend, CGridKeyWrap wrap = CGridKeyWrap::None);
    void ExtendToPoint(CPoint point);
    void DragScroll();
    void ResizeToPoint(CPoint point);
    // The mouse went down on a chart: tracks the selected part when it is on the tracker.
    void BeginChartTracking(int trackerHit, CPoint point);
    void TrackChartToPoint(CPoint point);
    void EndChartTracking(CPoint point);

    // ---- painting helpers ----
    void DrawCellBorders(CDC* pDC, int row, int col, const CRect& rect, bool right = true,
                         bool bottom = true);
    void DrawMergedArea(CDC* pDC, CCellCoord origin);
    void DrawCharts(CDC* pDC);
    void DrawChartTracker(CDC* pDC);
    // The overlay of the selected range by the drawing mode, between the cells and the charts.
    void DrawOverlay(CDC* pDC);
    // The top-left normal cell's corner, where it would lie even when scrolled off.
    CPoint ScrollOrigin() const;
    void DrawFixedCells(CDC* pDC, const CRect& clip);
    CRect MergedPaintRect(int row, int col) const;
    CRect MergedPaintRect(const CGridGeometry& geometry, int row, int col) const;
    // What to repaint for a cell (its merged area's whole rectangle, with the lines along the
    // edges); none when it lies scrolled away.
    std::optional<CRect> InvalidRect(const CGridGeometry& geometry, CCellCoord cell) const;

    // ---- printing helpers ----
    // Rows [firstRow, endRow) from the band's top, while they end within height (the first row
    // always, cut at height), a merged area once over its whole rectangle; the bottom reached.
    int PrintRows(CDC* pDC, int firstRow, int endRow, int height, bool fixed);
    int LastPrintedRow(int firstRow, int endRow, int height) const;
    // A merged area's rectangle on a page whose band begins with firstRow.
    CRect PrintedAreaRect(CCellCoord origin, int firstRow) const;
    // The cell's lines by the grid-line mode; right and bottom say whether its own right and bottom
    // lines stand (not inside a merged area).
    void PrintGridLines(CDC* pDC, int row, int col, const CRect& rect, bool firstPrintedRow, bool right,
                        bool bottom);

    CGridCellStore m_store{*this};
    CGridSelection m_selection{m_store, *this};
    CGridChartList m_charts;

    COLORREF m_crText;
    COLORREF m_crBackground;
    COLORREF m_crEmptyArea = 0xFFFFFF;
    COLORREF m_crFixedText;
    COLORREF m_crFixedBackground;
    COLORREF m_crGridLines = 0xC0C0C0;
    COLORREF m_crSystem[4]; // window text, window, button face and button shadow when last read
    int m_nGridLines = 3;
    BOOL m_bEditable = TRUE;
    BOOL m_bDragAndDrop = FALSE;
    BOOL m_bSelectAllEnabled = TRUE;
    BOOL m_bHandleTab = TRUE;
    BOOL m_bDoubleBuffer = TRUE;
    BOOL m_bRedraw = TRUE;
    int m_nMouseMode = kGridMouseIdle;
    int m_nWheelLines;
    int64_t m_nWheelRest = 0; // the part of the wheel's turn that made no line yet, times the lines
    int m_nScrollChanges = 0; // writers of the scroll positions at work
    CPoint m_scrollBefore;    // where the top-left normal cell stood when the first of them began
    CImageList m_imageList;
    CBitmap m_resourceBitmap; // the module's bitmap kResourceBitmap
    bool m_bOleInitialised = false;
    bool m_bAutoDelete = false;

    // Mouse work in progress.
    CPoint m_mouseDown;
    int m_nSizingIndex = -1;
    int m_nTrackerHandle = -1; // the tracker handle a chart drag holds
    CRect m_trackedRect;       // where that drag puts the selected part now
    int m_nSortColumn = -1;
    bool m_bSortAscending = true;

    // While the cells of a selection change are redrawn: what they invalidate, gathered.
    struct RedrawBatch
    {
        CGridGeometry geometry;
        CRgn region;
    };
    RedrawBatch* m_pRedrawBatch = nullptr;

    static GridChartDrawer s_chartDrawer;
    static GridOverlayModeSource s_overlayModeSource;
    CRect m_overlayBox; // where the overlay was drawn last

    // Clipboard.
    static CCellRect s_copiedRange;
    static const CGridCtrl* s_copiedBy;
    bool m_bMarqueeShown = false;
    IDataObject* m_pClipboardSource = nullptr; // what this grid last put on the clipboard
    bool m_bWritingClipboard = false;
    bool m_bDraggingOut = false;
    bool m_bInClipboardChain = false;
    HWND m_hNextClipboardViewer = nullptr;

    CTitleTipWnd m_titleTip;
    CPoint m_lastMouse{-1, -1};

    // Printing.
    CFont m_printFont;
    CGridPrintMetrics m_print;
    bool m_bPrinting = false; // cells are drawn without selection and focus

    class DropTarget : public COleDropTarget
    {
    public:
        explicit DropTarget(CGridCtrl& grid) : m_grid(grid) {}
        DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) override
        {
            return m_grid.DropEffectAt(data, keyState, point);
        }
        bool OnDrop(COleDataObject* data, DROPEFFECT, CPoint point) override
        {
            return m_grid.DropAt(data, point) != FALSE;
        }

    private:
        CGridCtrl& m_grid;
    };
    DropTarget m_dropTarget{*this};

private:
    // The class's own procedure: gives a window made by class name an object of its own.
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool AttachNewWindow(HWND hwnd);
};
