#pragma once

// The spreadsheet control. The base class speaks COM and OLE; this class holds the workbook and
// everything the container sees of it. Its implementation is split by behaviour:
//   NorvakCtrl.cpp               construction, destruction, window creation, events, COM glue
//   NorvakCtrlPages.cpp          page insertion and deletion, the active page and the page-level
//                                automation methods
//   NorvakCtrlFiles.cpp          saving and opening workbook files
//   NorvakCtrlRowsColumns.cpp    row and column counts, insertion, deletion, heights and widths
//   NorvakCtrlCells.cpp          cell properties, selection, geometry, merges and sorting
//   NorvakCtrlLayout.cpp         the child windows along the edges and their layout
//   NorvakCtrlScroll.cpp         scrolling the active page
//   NorvakCtrlPaint.cpp          painting through the overridable steps
//   NorvakCtrlClipboardChain.cpp membership in the clipboard-viewer chain
//   NorvakCtrlClipboard.cpp      copy, cut and paste of cells: the cell buffers and the clipboard
//   NorvakCtrlContextMenu.cpp    the context menu and its commands
//   NorvakCtrlCharts.cpp         the pending chart settings of a page, chart insertion and the
//                                drawing of a page's charts
//   dialogs/NorvakCtrlSheets.cpp the property sheets the control opens (in the dialogs library)
//   NorvakCtrlKeyboard.cpp       keys, characters and the in-place editor
//   NorvakCtrlMouse.cpp          the mouse: selection, resizing, cursors and the frame drag
//   NorvakCtrlChartInput.cpp     the charts under the mouse and the keys: hit testing, selection,
//                                the tracker, moves with the grid, element actions
//   autofill/NorvakCtrlDragEnd.cpp the end of a selection-frame drag: move, copy and fill, and
//                                the cell copy they share (in the autofill library)
//   printing/NorvakCtrlPrint.cpp printing, print preview and the page-setup sheet (in the printing
//                                library)
// The pages themselves (sheet/model) live in the page store; the page-setup record and the
// default tables are inherited.

#include "chart/ChartTracker.h"
#include "chart/model/ChartElementSheets.h"
#include "chart/model/ChartHitTest.h"
#include "framework/CString.h"
#include "framework/OleControl.h"
#include "sheet/ControlObjects.h"
#include "sheet/EventArgs.h"
#include "sheet/NorvakDispatchMap.h"
#include "sheet/SheetDropTarget.h"
#include "sheet/SheetFactory.h"
#include "sheet/model/CellBlock.h"
#include "sheet/model/CellFactory.h"
#include "sheet/model/CellGeometry.h"
#include "sheet/model/BlockPaste.h"
#include "sheet/model/CellProperties.h"
#include "sheet/model/PageSetup.h"
#include "sheet/model/PageStore.h"
#include "sheet/model/SelectionDrag.h"
#include "sheet/paint/PagePainter.h"
#include "sheet/tables/DefaultTables.h"
#include "sheet/windows/CellEdit.h"
#include "sheet/windows/CtrlScrollBar.h"
#include "sheet/windows/TabBand.h"

#include <map>
#include <memory>
#include <vector>

class CNorvakFrameWnd;
struct CChartPartRects;
struct CGridChange;
class CTitleEdit;
class COleDataObject;
class COleDataSource;

// The row heights and column widths of a copied block, in its order.
struct CBlockSizes
{
    std::vector<int> heights;
    std::vector<int> widths;
};

// The cell context menu: popup 0 of the control's menu with the hidden items removed, or none.
// hidden: the control's 24 hide flags; chartMenu 0 removes the page and cell-format commands too.
// The caller destroys the menu.
HMENU BuildCellContextMenu(const int hidden[24], int chartMenu);
// Popup 1, offered when there is no page; the caller destroys it.
HMENU BuildNoPageContextMenu();

// The window ids of the control's child windows along its bottom and right edges.
enum CChildWindowId : int
{
    kIdPageTitle = -1, // the tab strip
    kIdArrowBar = -2,
    kIdHorzBar = -3,
    kIdSplitBox = -4,
    kIdVertBar = -5,
};

class CNorvakCtrl : public COleControl,
                    public CDefaultTables,
                    public CPageSetup,
                    public ICellFactory,
                    private IChartTrackerSite
{
public:
    CNorvakCtrl();
    ~CNorvakCtrl() override;

    static IUnknown* CreateObject();

    // ---- automation: control ----
    void AboutBox();
    short GetWindowBorderStyle() { return m_WindowBorderStyle; }
    void SetWindowBorderStyle(short style);
    short DoSetWindowBorderStyle(short nStyle);
    void DoSetInitializePageCounts(BOOL bDefault, long nPages, CString lpszTitle1, CString lpszTitle2,
                                   CString lpszTitle3);

    // ---- automation: pages ----
    long DoInsertPage(CString newLabelValue);
    BOOL DoDeletePage(long nPageIndex);
    BOOL DoSetActivePageIndex(long nPageIndex);
    long DoGetActivePageIndex() { return m_pageStore.GetActive(); }
    long DoGetPageCounts() { return m_pageStore.GetCount(); }
    BOOL DoSetPageContextMenuVisible(long nPageIndex, BOOL bVisible);
    BOOL DoSetPageContextMenuItemVisible(long nPageIndex, long nItemPos, BOOL bVisible);
    BOOL DoSetPageSortStyle(long nPageIndex, long nSortStyle);
    long DoGetPageSortStyle(long nPageIndex);
    BOOL DoSetPageModify(long nPageIndex, BOOL bModify);
    BOOL DoSetPageTextColor(long nPageIndex, OLE_COLOR crColor);
    BOOL DoSetPageTextBkColor(long nPageIndex, OLE_COLOR crColor);
    BOOL DoSetPageBkColor(long nPageIndex, OLE_COLOR crColor);
    BOOL DoSetPageMouseCursor(long nPageIndex, HCURSOR MouseCursor);
    BOOL DoSetPageCellText(long nPageIndex, long nRow, long nColumn, CString lpszText);
    CString DoGetPageCellText(long nPageIndex, long nRow, long nColumn);
    BOOL DoSetPageCellTextFormat(long nPageIndex, long nRow, long nColumn, short nTextFormat);
    short DoGetPageCellTextFormat(long nPageIndex, long nRow, long nColumn);

    // ---- automation: workbook files (NorvakCtrlFiles.cpp) ----
    BOOL DoSave(CString lpszFileName, BOOL bAllPage, long nPageIndex, BOOL bSaveRowHeader,
                BOOL bSaveColHeader);
    BOOL DoOpen(CString lpszFileName);
    // All pages, or the one page; FALSE without a page or for a bad index, and on a failed save after
    // its message. The previous file stays as it was unless the save succeeds.
    BOOL SaveFile(const CString& path, BOOL bAllPage, int nPageIndex, BOOL bSaveRowHeader,
                  BOOL bSaveColHeader);
    // Appends the file's pages after the pages there are; a file that cannot be read whole adds none.
    BOOL OpenFile(const CString& path);

    // ---- automation: rows and columns ----
    BOOL DoSetPageRowCounts(long nPageIndex, long nRowCount, long nFixedRowCount);
    BOOL DoSetPageColumnCounts(long nPageIndex, long nColumnCount, long nFixedColumnCount);
    long DoInsertPageRow(long nPageIndex, long nInsertPos);
    long DoInsertPageColumn(long nPageIndex, long nInsertPos, short nTextFormat, CString lpszText);
    BOOL DoRemovePageRow(long nPageIndex, long nRemovePos);
    BOOL DoRemovePageColumn(long nPageIndex, long nRemovePos);
    BOOL DoSetPageRowHeight(long nPageIndex, long nRow, long nHeight);
    long DoGetPageRowHeight(long nPageIndex, long nRow);
    BOOL DoSetPageColumnWidth(long nPageIndex, long nColumn, long nWidth);
    long DoGetPageColumnWidth(long nPageIndex, long nColumn);
    long DoGetPageColumns(long nPageIndex, long nStyle);
    long DoGetPageRows(long nPageIndex, long nStyle);

    // ---- pages ----
    // The tab strip and the workbook file reach the pages through the store.
    CPageStore& GetPageStore() { return m_pageStore; }
    const CPageStore& GetPageStore() const { return m_pageStore; }
    // Every member resolves its page this way: a negative index means the active page, and an
    // index outside the pages gives a false PageRef (a null page).
    PageRef GetPageRef(int page) const { return m_pageStore.Ref(page); }
    CNorvakPage* GetPage(int page) const { return m_pageStore.GetPage(page); }
    CNorvakPageCells* GetPageCells(int page) const { return m_pageStore.GetCells(page); }
    int ResolvePage(int page) const { return m_pageStore.Resolve(page); }
    bool IsValidPage(int page) const { return m_pageStore.IsValid(page); }
    // Reads a cell; a cell that holds only the defaults answers with a shared default cell.
    const CNorvakCell* GetPageCell(int page, int row, int col) const;
    // The one door for writing a cell: its own record, made when it has none; null for a bad
    // page, row or column, or when memory runs out.
    CNorvakCell* EditPageCell(int page, int row, int col);
    virtual CString GetPageCellText(int page, int row, int col);
    std::unique_ptr<CNorvakCell> CreateCell(int page, int row, int col) override;
    void EmptyCell(int page, CNorvakCell& cell, int row, int col) override;
    bool MakesPlainCells() const override { return true; }
    int InsertPage(const CString& title);
    // Appends a page read from a workbook file, as the file's title names it, and reports its row
    // and column counts as changes from none. Returns its index.
    int AppendFilePage(std::unique_ptr<CNorvakPage> page, std::unique_ptr<CNorvakPageCells> cells);
    BOOL DeletePageAt(int index);
    // Makes the page active through the tab strip. FALSE for a bad index.
    BOOL ActivatePage(int page, BOOL bForce);
    // The cut waiting for its paste is forgotten (a page change ends it).
    void ClearPendingCut() { m_pendingCut = CCellRect(); }
    // The source of a cut made by the range object, cleared by the paste that completes it.
    void SetPendingCut(const CCellRect& range) { m_pendingCut = range; }
    const CCellRect& GetPendingCut() const { return m_pendingCut; }

    // ---- rows and columns ----
    int GetRowCount(int page) const;
    int GetColumnCount(int page) const;
    int GetFixedRowCount(int page) const;
    int GetFixedColumnCount(int page) const;
    BOOL SetRowCount(int page, int count);
    BOOL SetColumnCount(int page, int count);
    BOOL SetFixedRowCount(int page, int count);
    BOOL SetFixedColumnCount(int page, int count);
    int InsertRow(int page, int position);
    // The new column is as wide as its heading (70 pixels without one); every new cell takes the
    // text format.
    int InsertColumn(int page, const CString& heading, int textFormat, int position);
    BOOL DeleteRow(int page, int position);
    BOOL DeleteColumn(int page, int position);
    int GetRowHeight(int page, int row) const;
    int GetColumnWidth(int page, int col) const;
    BOOL SetRowHeight(int page, int row, int height);
    BOOL SetColumnWidth(int page, int col, int width);
    int GetFixedRowHeight(int page) const;
    int GetFixedColumnWidth(int page) const;
    // Best fit through GetCellExtent of every cell of the column (row) in a context of the window.
    BOOL AutoSizeColumn(int page, int col);
    BOOL AutoSizeRow(int page, int row);

    // ---- cells: properties, selection and geometry, merges, sorting (NorvakCtrlCells.cpp) ----
    // Page -1 is the active page. Pixel geometry is that of the control's client area.
    BOOL SetItem(int page, const CCellItem* item);
    BOOL GetItem(int page, CCellItem* item);
    BOOL SetItemText(int page, int row, int col, const char* text);
    BOOL SetCellHorLineStyle(int page, int row, int col, BYTE style, CLineEdges mode);
    BOOL SetCellHorLineSize(int page, int row, int col, BYTE width, CLineEdges mode);
    BOOL SetCellHorLineColor(int page, int row, int col, COLORREF color, CLineEdges mode);
    BOOL SetCellVerLineStyle(int page, int row, int col, BYTE style, CLineEdges mode);
    BOOL SetCellVerLineSize(int page, int row, int col, BYTE width, CLineEdges mode);
    BOOL SetCellVerLineColor(int page, int row, int col, COLORREF color, CLineEdges mode);
    BOOL SetItemState(int page, int row, int col, WORD state);
    WORD GetItemState(int page, int row, int col) const;
    BOOL SetItemFormat(int page, int row, int col, WORD code);
    int GetItemFormat(int page, int row, int col) const;
    const CFontRecord* GetItemFont(int page, int row, int col) const;
    void SetModified(int page, BOOL modified, int row, int col);
    BOOL IsCellEditable(int page, int row, int col) const;
    // Every cell of the range exists and the user may edit it: what a paste, a cut and a drag of
    // the selection frame ask of the cells they take or write.
    BOOL IsRangeEditable(int page, const CCellRect& range) const;
    BOOL IsFixedCell(int page, int row, int col) const;
    void ApplyAutoTextColumns(int page);

    BOOL IsValidCell(int page, int row, int col) const;
    BOOL IsValidCellID(int page, CCellCoord cell) const;
    BOOL IsValidCellRange(int page, const CCellRect& range) const;
    CPane GetLockedArea(int page, CCellCoord cell);
    CPane GetLockedAreaAny(int page, int row, int col);
    // The previous focus; (0, -1) for a bad page.
    CCellCoord SetFocusCell(int page, int row, int col);
    void SetSelectedRange(int page, int minRow, int minCol, int maxRow, int maxCol, BOOL drawNow = FALSE);
    void SelectAllCells(int page);
    void SelectColumns(int page, CCellCoord cell);
    void SelectRows(int page, CCellCoord cell);
    void SelectCells(int page, CCellCoord cell);
    void OnSelecting(int page, CCellCoord cell);
    void ClearSelectionAndFocus(int page);
    void ResetSelectionMaps(int page);
    // (rows, columns, -1, -1) with nothing selected; (0, -1, -1, -1) for a bad page.
    CCellRect GetSelectedCellRange(int page) const;
    BOOL GetCellOrigin(int page, int row, int col, POINT* origin);
    BOOL GetCellRect(int page, int row, int col, RECT* rect);
    BOOL GetCellRectID(int page, CCellCoord cell, RECT* rect);
    BOOL GetCellRangeRect(int page, const CCellRect& range, RECT* rect);
    // The geometry of the page in the control's client area as it is now.
    CCellGeometry GetPageGeometry(const PageRef& ref) const;
    // On the active page.
    CCellCoord GetCellFromPt(POINT point, CPane* pane = nullptr);
    CCellCoord GetTopleftNonFixedCell(int page);
    CCellCoord GetTopLeftCellByArea(int page, CPane pane);
    CCellRect GetVisibleNonFixedCellRange(int page, RECT* covered = nullptr);
    CCellRect GetUnobstructedNonFixedCellRange(int page, int xStart = -1, int yStart = -1);
    BOOL IsOnRowBorder(POINT point);
    BOOL IsOnColumnBorder(POINT point);
    BOOL IsCellVisible(int page, int row, int col);
    void EnsureVisible(int page, int row, int col, CEnsureKind kind);
    BOOL RedrawCell(CCellCoord cell);
    BOOL RedrawCellDC(int page, CCellCoord cell, HDC dc);
    BOOL RedrawRow(int page, int row);
    BOOL RedrawColumn(int page, int col);
    BOOL RedrawRange(const CCellRect& range);
    // A row or column of the active page as RedrawRow and RedrawColumn draw it, or (onward) with
    // every line after it, which a change of its size moves.
    BOOL RedrawLine(int page, bool row, int index, bool onward);

    BOOL CombineCells(int page, int row, int col, int rowSpan, int colSpan, BOOL skipDuplicate, int editLock);
    BOOL CombineHeaderCells(int page, int row, int col, int rowSpan, int colSpan);
    BOOL UnCombineCells(int page, int row, int col);
    void AdjustMergesToLockedArea(int page);
    BOOL DoSetPageCellCombine(long nPageIndex, long nMinRow, long nMaxRow, long nMinCol, long nMaxCol);
    BOOL DoSetPageCellUnCombine(long nPageIndex, long nMinRow, long nMinCol);
    long DoGetPageMinSelectedRow(long nPageIndex);
    long DoGetPageMaxSelectedRow(long nPageIndex);
    long DoGetPageMinSelectedCol(long nPageIndex);
    long DoGetPageMaxSelectedCol(long nPageIndex);

    // The cell object bound to a cell (header cells accepted) or, following the focus, to the page's
    // focus cell; null for a bad page or cell, or when the module has no automation objects.
    IDispatch* DoGetGridObject(long nPageIndex, long nRow, long nCol);
    IDispatch* DoGetPageFocusGrid(long nPageIndex);
    // The range object bound to the rectangle; null unless 0 <= min <= max < count both ways.
    IDispatch* DoGetGridRangeObject(long nPageIndex, long nMinRow, long nMinCol, long nMaxRow, long nMaxCol);
    // The automation objects, made on first use.
    CControlObjects* Objects();
    // The objects of the tab strip and the arrow bar; null when the module has no automation objects.
    IDispatch* DoGetTabArrowObject();
    IDispatch* DoGetTabTitleObject();
    // The horizontal scroll bar and the split box have no automation object.
    IDispatch* DoGetTabScrollObject() { return nullptr; }
    IDispatch* DoGetTabDragObject() { return nullptr; }

    // ---- automation: selection, focus and redraw (NorvakCtrlSelectionMembers.cpp) ----
    // The BOOL members answer -1 for a bad page, as the type library's clients expect.
    BOOL DoGetPageRowIsSelected(long nPageIndex, long nRowIndex);
    BOOL DoGetPageColIsSelected(long nPageIndex, long nColIndex);
    BOOL DoSetPageFocusGrid(long nPageIndex, long nRow, long nCol);
    BOOL DoGetPageGridIsSelected(long nPageIndex, long nRow, long nCol);
    BOOL DoSetPageGridRangeSelected(long nPageIndex, long nMinRow, long nMinCol, long nMaxRow, long nMaxCol,
                                    BOOL bSelect);
    BOOL DoGetPageGridIsValid(long nPageIndex, long nRow, long nCol);
    void DoInvalidateGridRange(long nMinRow, long nMinCol, long nMaxRow, long nMaxCol);

    // ---- automation: looks and labels (NorvakCtrlFormatMembers.cpp) ----
    BOOL DoSetGridHeadSelectedStyle(long nPageIndex, short nStyle);
    short DoGetGridHeadSelectedStyle(long nPageIndex);
    BOOL DoSetPageDragAndDrop(long nPageIndex, BOOL nEnableDragAndDrop);
    BOOL DoGetPageDragAndDrop(long nPageIndex);
    OLE_COLOR DoGetPageBkColor(long nPageIndex);
    OLE_COLOR DoGetPageTextColor(long nPageIndex);
    OLE_COLOR DoGetPageTextBkColor(long nPageIndex);
    // The stored source's formats tiled over the range once; the source is then forgotten.
    BOOL DoSetPageFormatBrush(long nPageIndex, long nMinRow, long nMinCol, long nMaxRow, long nMaxCol);
    BOOL DoGetPageFormatBrush(long nPageIndex, long nMinRow, long nMinCol, long nMaxRow, long nMaxCol);
    // Letters into row 0 and numbers into column 0, counted from the first line of the range; the
    // end line itself is not labelled and is clamped to the count.
    BOOL DoSetPageColumnABCD(long nPageIndex, long nMinCol, long nMaxCol);
    BOOL DoSetPageRow1234(long nPageIndex, long nMinRow, long nMaxRow);
    BOOL DoSetPageLockRowAndColumn(long nPageIndex, long nRow, long nColumn);
    long DoGetPageLockRow(long nPageIndex);
    long DoGetPageLockColumn(long nPageIndex);

    void SortTextItems(int page, int col, BOOL ascending);
    BOOL SortCells(int page, int col, BOOL ascending, int low, int high);
    // Clicks on a header cell of the active page: sorting or selecting.
    virtual void OnFixedRowClick(CCellCoord cell);
    virtual void OnFixedColumnClick(CCellCoord cell);
    // ---- end of cells ----

    // ---- copy, cut and paste (NorvakCtrlClipboard.cpp) ----
    // All on the active page and its selected block. The own paste goes only through
    // PasteFromClipboard: a cut is completed at the first paste of the control's own cells and
    // then forgotten; another program's write of the clipboard drops it and keeps its cells.
    virtual void ClearCells(int minRow, int minCol, int maxRow, int maxCol);
    // TRUE: the clipboard buffer, and the new data source with the block's text (null when the
    // block is not valid). FALSE: the drag buffer, and null.
    virtual COleDataSource* CopyCellsToBuffer(BYTE clipboard);
    // Writes the clipboard buffer (or, for a clipboard without the control's own cells, the text)
    // or the drag buffer at (minRow, minCol); TRUE when cells were pasted. move clears the source
    // first: the pending cut, or for the drag buffer the selected block.
    virtual BOOL PasteCells(int minRow, int minCol, int maxRow, int maxCol, COleDataObject* data,
                            BYTE fromClipboard, BYTE move);
    virtual COleDataSource* CopyCellsToClipboard();
    virtual void PasteTextToCells(int row, int col, COleDataObject* data);
    virtual BOOL OnEditCut();
    virtual BOOL OnEditCopy();
    virtual BOOL OnEditPaste();
    void PutSelectionOnClipboard();
    BOOL PasteFromClipboard();
    // What the edit commands may do now.
    BOOL CanCopy() const;
    BOOL CanCut() const;
    BOOL CanPaste();
    BOOL CanSelectAll() const;
    bool HasOwnClipboardCells() const { return !m_clipboardBuffer.IsEmpty(); }
    // The automation objects' copy, cut and paste, on any page: the block's cells go into the same
    // buffer and its text onto the clipboard, so the control's paste and theirs take either's copy.
    // A cut waits for its first paste, on whichever page; another program's write drops both.
    BOOL PutBlockOnClipboard(int page, const CCellRect& block, bool cut);
    // The own cells at a target of one cell or of their size (message "源单元格数和目标单元格数不相等!"
    // otherwise, "粘贴区域超出页面范围!" past the page), with their row heights and column widths; or
    // another program's text from the target's first cell. TRUE when something was written.
    BOOL PasteClipboardInto(int page, const CCellRect& target);
    // Every cell of the target may be edited and the clipboard holds text.
    BOOL CanPasteInto(int page, const CCellRect& target);
    // A block copied or moved to a destination of its size on the same page (a destination of one
    // cell takes the block's size), with its row heights and column widths; the source is read whole
    // first, so the two may overlap. FALSE for the same place or a bad rectangle, with the messages
    // of a paste where they apply ("源区域超出页面范围!" for a source past the page).
    BOOL CopyGridRange(int page, const CCellRect& source, const CCellRect& destination, BOOL copy);
    void EmptyDragBuffer() { m_dragCellBuffer.Clear(); }

    // ---- context menu (NorvakCtrlContextMenu.cpp) ----
    void OnContextMenu(HWND window, CPoint screenPoint);
    // A command of the context menu; FALSE when the control has no handler for it.
    BOOL OnCommand(UINT id);
    // This control's own factory; none: the module's.
    void SetSheetFactory(ISheetFactory* factory) { m_pSheetFactory = factory; }
    int m_bCellAreaActive = 1;
    int m_nChartMenuSwitch = 1; // 0 takes the page and cell-format commands off the context menu
    // The window's OLE drop target.
    const CSheetDropTarget& GetDropTarget() const { return m_dropTarget; }

    // ---- layout and scrolling ----
    void ResetScrollBars(int page, int clientWidth, int clientHeight);
    void ResetScrollBars(int page);
    void RecalcFirstVisibleCell(int page);
    void LayoutChildWindows();
    // While one is held the child windows are laid out and the control with them repainted once,
    // when the last is let go, not at every change on the way: a file of many pages makes each of
    // them active in turn.
    class CLayoutHold
    {
    public:
        explicit CLayoutHold(CNorvakCtrl& control) : m_control(control) { ++m_control.m_nLayoutHolds; }
        ~CLayoutHold();
        CLayoutHold(const CLayoutHold&) = delete;
        CLayoutHold& operator=(const CLayoutHold&) = delete;

    private:
        CNorvakCtrl& m_control;
    };
    bool IsLayoutHeld() const { return m_nLayoutHolds > 0; }
    int GetHorzScrollBarWidth() const { return m_nHorzScrollWidth; }
    // The split box dragged to a left edge (control client coordinates): the horizontal scroll bar
    // keeps the room right of it in later layouts. Without a horizontal bar the box stays at the
    // band's end and nothing changes.
    void MoveSplitBox(int left);
    HWND GetChildWindow(CChildWindowId id) const;
    // The tab strip, the arrow bar and the split box.
    CTabBand* GetTabBand() const { return m_tabBand.get(); }

    // What the context menu hides and the cursor shown over the cells.
    bool IsContextMenuItemHidden(int pos) const { return m_contextMenuItemHidden[pos] != 0; }
    HCURSOR GetSheetCursor() const { return m_hSheetCursor; }

    // ---- container notification ----
    LRESULT SendMessageToParent(int row, int col, int code);

    // ---- keyboard and in-place editing (NorvakCtrlKeyboard.cpp) ----
    // Opens the editor over a cell (its whole merge) of the active page; firstKey as CCellEdit has it.
    virtual void OnEditPageCell(int row, int col, int firstKey);
    // The new editor, owned by its window; none when its window cannot be made.
    virtual CCellEdit* CreateInPlaceEditControl(const CRect& rect, DWORD style, UINT id, int row, int col,
                                                const CString& text, int firstKey);
    // Stores an edited text when it differs from the cell's, marking the cell modified.
    virtual void OnEndEditPageCell(int row, int col, const CString& text);
    virtual void OnEditSelectAll();
    // Messages of the control's own windows are translated and dispatched here, so the container
    // does not do it a second time.
    bool PreTranslateMessage(MSG* msg) override;
    bool LeavesKeyToContainer(const MSG& msg) override;

    // ---- mouse (NorvakCtrlMouse.cpp, autofill/NorvakCtrlDragEnd.cpp) ----
    // The part of the selection frame, as last painted, under a client point (CFrameHit).
    int HitTestSelectionFrame(int x, int y) const;
    // A cursor chosen by the tab strip or the split box; it ends any drag cursor.
    void SetCurrentCursor(HCURSOR cursor);
    HCURSOR GetDragCursor() const { return m_hDragCursor; }
    // Carries out a finished drag of the selection frame onto the target block.
    void EndSelectionDrag(int minRow, int minCol, int maxRow, int maxCol, UINT flags, int hitCode);
    // withMerge: the whole cell as a buffer keeps it; without, what a fill repeats.
    void CopyCell(CNorvakCell* destination, const CNorvakCell* source, BYTE withMerge);
    // Back to the defaults a fill starts from, with the right and bottom borders when asked. TRUE.
    BOOL ResetCell(CNorvakCell* cell, BYTE resetRight, BYTE resetBottom);

    // ---- charts under the mouse and the keys (NorvakCtrlChartInput.cpp) ----
    // Page -1 (any negative index) is the active page; a bad page does nothing and answers its
    // empty value. Element codes are those of ChartHitTest.h, 8 a move of the selected part.
    // The press of the left button (dbl: a double click) before any grid handling: 0 when a chart
    // took it, 1 when the grid handles it (also after a double click).
    int TrackChartPart(int x, int y, BOOL dbl);
    // The click on the page's charts; hit receives the tracker's hit code after the selection
    // changed, element what was hit; both -1 when nothing was.
    void HitTestPageCharts(int page, int x, int y, int trackerHit, int* hit, int* element, BOOL dbl);
    // The click on one chart; element -1 when the chart was not hit.
    void ClickChart(int page, int chart, int x, int y, int trackerHit, int* element, BOOL dbl);
    CChartPartHit HitTestChartPartRects(int page, int x, int y);
    void ClearNewestChartFlags(int page);
    // No chart of the page selected, no data point or legend entry marked, the tracker empty.
    void ClearChartSelection(int page);
    // The chart becomes the page's only selected chart with the part; the tracker shows the part.
    void SelectChartPart(int page, int chart, int part);
    int GetSelectedChart(int page);
    CNorvakChart* GetSelectedChartRecord(int page);
    int GetSelectedChartPartRect(int page, CRect& rect);
    // On the active page: whether the point lies on the selected part of the selected chart.
    BOOL HitTestSelectedChartPart(int x, int y);
    // The Delete key: hides the selected chart or part; TRUE when something was hidden.
    BOOL HideSelectedChartPart(int page);
    // A tracked change of the chart (part 0) or of one of its parts by a handle code (0..8).
    // settle: a moved chart is shown whole again and checked against the locked area.
    void ResizeChartPart(int page, int chart, int part, int dx, int dy, int handle, int settle);
    // The charts of the page move with its cells, which moved back on screen by the distance;
    // beside locked columns (rows) only those in the scrolling part. A chart band being dragged
    // stays under the mouse.
    void MoveChartsWithScroll(int page, bool horizontal, int distance);
    // The element's property sheet through the sheet factory, or the data area's notice; returns
    // the status given when it shows nothing (status 0, or a code without a sheet), else 0.
    int ShowChartElementProperties(int code, const CChartElementRecord& record, int row, int col, int flag,
                                   int status);
    // Edits a title (code 4..6) or a legend caption (code 20, the chart's legend entry) in place.
    void EditChartText(CNorvakChart& chart, int code, int legendEntry);
    // Ends the in-place chart text editor, storing what it holds, before its record may go.
    void CloseChartTextEditor();
    void OnChartTextEditorGone(CTitleEdit* editor);
    CTitleEdit* GetChartTextEditor() const { return m_pChartTextEdit; }
    // The tracker of the selected chart: its rectangle, minimum size and handle size follow the
    // selected part.
    CChartTracker m_chartTracker;
    int m_nChartTrackerHit = -1; // the handle tracked; -1 while no press is handled

    // ---- COleControl ----
    const CLSID& GetControlClassID() const override;
    const IID& GetPrimaryDispatchIID() const override;
    const IID& GetEventsIID() const override;
    HRESULT GetControlTypeLib(LCID locale, ITypeLib** library) override;
    DWORD GetMiscStatusBits() const override;
    UINT GetUserTypeNameID() const override;
    const CLSID* GetPropPageIDs(ULONG& count) override;
    void DoPropExchange(CPropExchange* exchange) override;
    HRESULT InvokeMember(DISPID dispid, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                         UINT* argError) override;
    HRESULT GetMemberIDs(LPOLESTR* names, UINT count, DISPID* ids) override;
    HRESULT GetMemberTypeInfo(ITypeInfo** info) override;

    // Initial-pages settings that the first window creation reads.
    bool CreatesDefaultPages() const { return m_bCreateDefaultPages != FALSE; }
    long GetInitialPageCount() const { return m_nInitialPageCount; }
    const CString& GetInitialTitle(int index) const { return m_InitialTitles[index]; }
    short GetBorderStyleInForce() const { return m_nBorderStyle; }

    // Chart and drawing settings: one 1, then 1 and eight 0.
    int m_nChartSettingA = 1;
    int m_nChartSettings[9] = {1};
    // The fill picture of the picture page and the texture-file picture of the texture page, each
    // with its file name (empty: no picture); they outlive the fill sheet.
    CString m_strFillPictureFile;
    CString m_strTexturePictureFile;
    CPictureObject m_fillPicture;
    CPictureObject m_texturePicture;

    // ---- property sheets (dialogs/NorvakCtrlSheets.cpp, in the dialogs library) ----
    // The cell-format sheet on the active page's selected cells: its pages write what the user
    // changed when the sheet ends with OK. The sheet's result; 0 when there is no active page.
    INT_PTR OnCellFormat();
    // The fill-effects sheet; nothing of it is applied to cells.
    INT_PTR OnFillEffects();
    // The chart settings sheet: its pages edit the active page's pending chart settings as the
    // user chooses. The sheet's result; 0 when there is no active page.
    INT_PTR OnChartSettings();
    // The legend sheet "图例" of the context menu; its pages edit nothing.
    INT_PTR OnLegendSheet();
    // The property sheet of a chart element: its pages edit the element's record and write it when
    // the sheet ends with OK. The sheet's result; 0 when none of its pages exists.
    INT_PTR OnChartElementSheet(const CChartElementSheet& sheet);

    // ---- charts on pages (NorvakCtrlCharts.cpp) ----
    // Page -1 is the active page; a bad page does nothing, and getters answer their empty values.
    // The pending settings are what the chart pages of the property sheets edit before a chart
    // exists; every new chart of the page is made from them.
    // Rebuilds the page's chart data table from its cells: mode 0 the whole page, 1 the selection,
    // 2 the two lists (only when both are given). FALSE when the range holds more points than a
    // chart may: nothing is read and the table is left empty.
    BOOL BuildChartSeries(int page, int mode, const std::vector<int>* rows, const std::vector<int>* columns);
    void GetChartDataSource(int page, int& mode, int& allColumns, int& allRows, short& firstRow, short& lastRow,
                            std::vector<int>& indexList, int& columnIndexMode, int& legendValueA,
                            int& legendValueB);
    void SetChartDataSource(int page, int mode, int allColumns, int allRows, const std::vector<int>& indexList);
    void SetChartDisplayOptions(int page, const int (&options)[8]);
    void CalcChartValueRange(int page);
    void CalcStackedValueRange(int page);
    // A change of the grouping rebuilds the series and updates the value range.
    void SetChartGroupByColumns(int page, BOOL byColumns);
    void SetChartType(int page, BYTE type, BYTE subType);
    void UpdateChartValueRange(int page);
    // The range a new chart of the page's pending kind takes; 0 and 0 when it takes none.
    void GetChartValueRange(int page, double& minValue, double& maxValue);
    // newChart: a chart of the pending kind with the seven part rectangles, the page's newest,
    // with no chart selected; refused when the pending data is too large for a chart (or its build
    // was refused). Otherwise hides chart `index` of the page (none for a bad index). Whether a
    // chart was inserted or hidden.
    BOOL InsertChart(int page, BOOL newChart, const CChartPartRects& rects, int index);
    // The legend box options of the page's next chart; its pending legend entries are emptied.
    void ResetPageChartOptions(int page, const BYTE options[8], const int values[4]);
    // Draws chart `index` of the page with its parts in their order, its titles, the tracker of
    // its selected part and the marks of its selected legend entries, clipped to where it is
    // shown. Its bVisible; 0 when nothing was drawn.
    virtual int DrawPageChart(int page, CDC* pDC, int index);
    // Whether chart `index` of the active page lies over the others: it is drawn after them.
    BOOL IsPageChartNewest(int index) const;
    // The chart settings sheet; when it ends with OK, a chart of the settings on the active page.
    void DoShowChartWindow();
    // Draws the chart tracker over the selected part, as the chart drawing has placed it.
    virtual void DrawChartTracker(CDC* pDC);

    // ---- printing (printing/NorvakCtrlPrint.cpp, in the printing library) ----
    // Prints the active page on the page setup's printer, with no print dialog.
    void DoPrint();
    // Shows the print preview in the print frame, hiding the control's outermost window meanwhile.
    void DoPreview();
    // The page-setup sheet "页面设置" with the pages whose flags are TRUE: paper, report data,
    // margins, page title and numbers, header, footer (the last two flags add no page).
    void DoPrintSetup(BOOL bShowTab1, BOOL bShowTab2, BOOL bShowTab3, BOOL bShowTab4, BOOL bShowTab5,
                      BOOL bShowTab6, BOOL bShowTab7, BOOL bShowTab8);
    // The hidden print frame, made with the control's window and destroyed with it; none before.
    CNorvakFrameWnd* GetPrintFrame() const { return m_pPrintFrame.get(); }
    // Tells the print frame that the page at index is gone: a preview of that page ends, and the
    // page being printed or previewed keeps its place when it moves down an index.
    void PrintFramePageRemoved(int index);

    // ---- painting ----
    // OnDraw paints the active page off screen and copies it, leaving out the bottom bar; each
    // layer below can be replaced by a derived control.
    void OnDraw(CDC* pdc, const CRect& rcBounds, const CRect& rcInvalid) override;
    virtual void DrawPage(CDC* pDC, const CRect& invalid);
    virtual void DrawCellArea(CPaneDescriptor& pane);
    virtual int DrawCellBlock(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows,
                              int fixedCols, int firstRow, int endRow, int firstCol, int endCol, int topY,
                              int leftX, int clipTop, int clipBottom);
    virtual BOOL DrawFixedCell(CDC* pDC, const CCellRect& selected, BYTE headerStyle, int fixedRows,
                               int fixedCols, int row, int col, CRect rect);
    virtual BOOL DrawCell(CDC* pDC, int row, int col, CRect rect);
    virtual void CreateLinePen(const CNorvakCell& cell, CPen& pen, BOOL bottom);
    virtual CSize GetCellExtent(int row, int col, CDC* pDC);
    virtual int DrawCellPicture(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell);
    virtual int DrawCellIcon(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell);
    virtual int DrawCellBitmap(CDC* pDC, int left, int top, int right, int bottom, const CNorvakCell& cell);
    virtual int DrawBitmapInCell(CDC* pDC, int left, int top, int right, int bottom, BYTE placement,
                                 HBITMAP bitmap);
    // A picture of the active page's focus cell for dragging, owned by the caller; null without a
    // focus cell. size receives the cell's size.
    virtual HIMAGELIST CreateDragImage(CSize* size);
    // The text in the cell's font (bold when asked), or in the ambient font without a cell or
    // without bold, plus twice the cell margin each way; (0, 0) for a bad page.
    CSize GetCellTextExtent(int page, int row, int col, const CString& text, BOOL bold);
    // After a copy to the clipboard: the whole control is painted again, every layer.
    void RefreshAfterCopy();
    // What the page shows over its cells.
    CTargetMode m_nTargetMode = kTargetSelection;
    CCellRect m_rangeFrame;
    BOOL m_bRangeDoubleLine = FALSE;
    CRgn m_dragRegion; // drag feedback; no region when no drag is under way
    CRect m_rcRangeFrame;
    CRect m_rcRangeHandles[8];

private:
    class CControlPagePainter;
    CPagePainter* m_pPainter = nullptr; // the painter of the paint under way
    CSize m_paintSize;                  // the bounds of the paint under way
    CPaintView GetPaintView(const CRect& client) const;
    template <class Step> auto WithPainter(Step step);

protected:
    bool PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    int OnCreate(CREATESTRUCTW* cs) override;
    const wchar_t* GetWindowClassName() const override;

private:
    void CreateChildWindows();
    // Whether the layout gives the horizontal scroll bar a place: it is on and the active page
    // scrolls sideways.
    bool IsHorzBarPlaced() const;
    void CreatePrintFrame();
    void CreateInitialPages();
    void ApplyBorderStyleInPlace();
    void SetDefaultGrid(int page);
    void OnDestroy();
    void OnSize(int width, int height);
    void OnScroll(bool horizontal, int code);
    // Moves the active page and its scroll bar to the position and repaints.
    void ScrollTo(bool horizontal, int pos);
    // The one place a page's scroll position changes: its charts move as far as its cells. The
    // window is the caller's.
    void SetScrollPosition(const PageRef& ref, bool horizontal, int pos);
    void SetScrollPosition(const PageRef& ref, CPoint pos);
    void OnSetFocus();

    // The last page with its insertion events; a fresh page gets the default chart options.
    int AddPage(std::unique_ptr<CNorvakPage> page, std::unique_ptr<CNorvakPageCells> cells, bool fresh);
    // Keyboard and editing.
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnKeyUp(UINT key, UINT repeat, UINT flags);
    void OnEditKey(UINT key);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnEndInPlaceEdit(const NMHDR* header, LRESULT* result);
    void MoveFocusByKey(CNorvakPage& page, UINT key, CCellCoord to, bool rowWrap);
    CCellCoord PageKeyTarget(CNorvakPage& page, UINT key, CCellCoord from);
    void ClearFocusCell(CNorvakPage& page);
    // Scrolls a cell into view in the directions its pane scrolls.
    void EnsureVisibleInPane(int row, int col);
    BOOL GetEditRect(int row, int col, CCellCoord& edited, CRect& rect);

    // Mouse.
    LRESULT OnMouseMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    LRESULT OnMouseWheel(UINT flags, short delta);
    BOOL OnSetCursor(HWND window, UINT hitTest);
    void ChooseHoverMode(CNorvakPage& page, CCellCoord cell, CPoint point);
    // The title tip (NorvakCtrlTitleTip.cpp): hover is asked for on every movement with no button
    // down; a hover over a cut-off text shows the tip, false when it shows nothing.
    void TrackHover();
    bool ShowTitleTip(CPoint point);
    void HideTitleTip();
    void StartResize(CNorvakPage& page, CPoint point, bool columns);
    void TrackResize(CNorvakPage& page, CPoint point, bool columns);
    bool PressOnCells(CNorvakPage& page, UINT flags, HWND focus);
    void ReleaseMouse(CNorvakPage& page);
    void SetDragCursor(HCURSOR cursor, bool show);
    HCURSOR CursorOfMode(const CNorvakPage& page, CPoint point);
    // The drag feedback of a frame drag; step 0 starts, 1 moves, 2 ends.
    enum CDragStep : int
    {
        kDragStart = 0,
        kDragMove = 1,
        kDragEnd = 2,
    };
    void UpdateDragRegion(CPoint point, UINT flags, int hitCode, CDragStep step);
    // The drop of a frame drag: FALSE when it was refused and the page is as it was.
    // The selected block and the drop's target are valid and every cell of them may be edited.
    bool MayDrag(const CCellRect& source, const CCellRect& target) const;
    bool DropBlock(PageRef& ref, const CCellRect& target, bool move);
    bool FillFromCorner(PageRef& ref, const CCellRect& target);
    void ShowMergeRefusal(CMergeRefusal refusal);
    void DropSelection(CNorvakPage& page);
    void SelectDropped(const CCellRect& block, CCellCoord focus);
    // The resize line of a row or column being sized on the active page, which the window's paint
    // inverts over the cells; empty when no size is being dragged.
    CRect GetResizeLine() const;
    // The line moves to a point of the drag: where it was and where it goes are painted again.
    void MoveResizeLine(CNorvakPage& page, POINT to);

    // One of the page's colours, with the flag that says it was set.
    BOOL SetPageColor(long nPageIndex, OLE_COLOR crColor, COLORREF CNorvakPage::*color,
                      int CNorvakPage::*flag);
    // Fires an event of _DNorvakEvents.
    void Fire(NorvakEventId event);
    void Fire(NorvakEventId event, CEventArgs& args);
    void FireRowsOrColumnsChanged(bool rows, int page, int oldCount, int newCount);
    BOOL AutoSizeLine(int page, bool row, int index);
    void AfterCountChange(bool rows, int page, int oldCount, int newCount);
    // A count change of the model, or one of the fixed lines, and what the control does after it.
    using CountChange = CGridChange (*)(CNorvakPage&, CNorvakPageCells&, int, ICellFactory&);
    BOOL ChangeCount(int page, bool rows, CountChange change, int count);
    BOOL ChangeFixedCount(int page, bool rows, CountChange change, int count);

    // Clipboard-viewer chain.
    void JoinClipboardChain();
    void LeaveClipboardChain();
    LRESULT OnDrawClipboard(WPARAM wp, LPARAM lp);
    LRESULT OnChangeClipboardChain(HWND removed, HWND next);

    // ---- initial pages and border ----
    CString m_strSpareA;
    CString m_strSpareB;
    int m_nHorzScrollWidth = 300; // split box and horizontal bar, with a vertical bar shown
    BOOL m_bCreateDefaultPages = TRUE;
    short m_nInitialPageCount = 0;
    CString m_InitialTitles[3];
    short m_nBorderStyle = 1;
    BOOL m_bPagesCreated = FALSE;
    short m_WindowBorderStyle = 1;
    bool m_bInCreate = false; // within OnCreate, whose events a container may handle

    // ---- selection frame and drag feedback ----
    RECT m_rcSelectionFrame{};
    BYTE m_bTopEdgeShown = 1;
    BYTE m_bLeftEdgeShown = 1;
    BYTE m_bButtonHeld = 0;
    int m_nDownHitCode = kFrameNone;
    HCURSOR m_hDragCursor = nullptr;
    HCURSOR m_hCurrentCursor = nullptr;
    HCURSOR m_hHoverCursor = nullptr; // the cursor of the page's hover mode, kept through a press
    CRgn m_lastDragRing;      // the ring of the last feedback step, to see a change
    CCellCoord m_dragAnchor;  // the cell under the press that started a frame drag
    CDragBounds m_dragBounds; // the page's counts, kept for the whole drag

    // ---- pages ----
    CPageStore m_pageStore;
    // The system's wheel setting, read once: every page the control holds takes it from here.
    int m_nWheelLines = CNorvakPage::ReadWheelScrollLines();
    // The built-in tab icons, made with the first page: one list that every new page shares until
    // it changes its own.
    CTabIcons m_builtInTabIcons;
    int m_nHorzRange = 0;
    int m_nVertRange = 0;
    int m_nLayoutHolds = 0;
    bool m_bLayoutDue = false; // a layout was asked for while one was held

    // ---- child windows ----
    std::unique_ptr<CTabBand> m_tabBand;
    CCtrlScrollBar m_horzBar;
    CCtrlScrollBar m_vertBar;
    int m_nScrollRowHeight = 18; // carried by the split box: 18 with the horizontal bar, 0 without

    BYTE m_chartFlags[3] = {1, 1, 1};
    CCellCoord m_lastDragCell;

    // ---- clipboard and drag buffers ----
    CCellBuffer m_clipboardBuffer;
    CCellBuffer m_dragCellBuffer; // the cells a drag of the selection copies, for PasteCells
    CDragBuffer m_dragBuffer;     // filled and emptied within one frame drop
    CCellRect m_pendingCut;
    int m_nPendingCutPage = -1;
    BYTE m_bOwnClipboardWrite = 0;
    // The data the control last put on the clipboard (one reference), to tell whether the
    // clipboard still holds it.
    COleDataSource* m_pClipboardSource = nullptr;
    bool IsOwnDataOnClipboard() const;
    // Forgets the own cells and the pending cut once the clipboard holds another's data.
    void DropStaleClipboardCells();
    // Forgets a pending cut on a page whose rows or columns changed.
    void ForgetCutOnPage(int page);
    void ReleaseClipboardSource();
    // The row heights and column widths of the block the clipboard buffer holds.
    CBlockSizes m_clipboardSizes;
    // The paste of the clipboard buffer on the active page, selecting what it wrote.
    BOOL PasteBuffer(const CCellBuffer& buffer, CCellCoord at, bool fromClipboard, bool move);
    // A buffer's cells and merges at a place of a page, after the merge and edit checks (false, with
    // the merge messages, and nothing changed when it does not fit); a cut's source on its page is
    // cleared first.
    bool WriteBlock(int page, const CCellBuffer& buffer, CCellCoord at, const CCellRect* cutSource, int cutPage);
    // Refuses a placement with its message under "警告"; TRUE when it fits.
    BOOL CanPasteMerges(int page, const CCellBuffer& buffer, CCellCoord at);
    // The cut's clearing before a paste; FALSE (nothing cleared) when a source cell may not be edited.
    bool ClearCutSource(int page, const CCellRect& source);
    void ClearPageCells(int page, const CCellRect& range);
    void PasteTextToPage(int page, int row, int col, COleDataObject* data);
    // The place a block of rows x cols goes: a one-cell target widened to it; false after the
    // message when the sizes differ or the place leaves the page.
    bool CheckBlockTarget(int page, int rows, int cols, CCellRect& target);
    bool OfferOnClipboard(COleDataSource* source);
    CBlockSizes BlockSizes(int page, const CCellRect& block) const;
    void ApplyBlockSizes(int page, const CBlockSizes& sizes, CCellCoord at);
    CCellCoord PasteTarget();
    void WarnPaste(const char* text);
    // The sheet's result; 0 when there is no factory.
    INT_PTR OpenSheet(INT_PTR (ISheetFactory::*open)(CNorvakCtrl&));

    CSheetDropTarget m_dropTarget;
    ISheetFactory* m_pSheetFactory = nullptr;
    HWND m_hNextClipboardViewer = nullptr;
    bool m_bInClipboardChain = false;

    HCURSOR m_hSheetCursor = nullptr;
    int m_contextMenuItemHidden[24] = {};
    int m_nChartSpare = -1;

    CPageOwned<CNorvakFrameWnd> m_pPrintFrame{nullptr, nullptr};
    std::unique_ptr<CControlObjects> m_objects;

    CLSID m_PropPageIDs[2]{};
    bool m_bPropPagesBuilt = false;

    // ---- charts ----
    CRect GetChartTrackingArea() override;
    const CNorvakChart* GetTrackedChart(int& part) override;
    int GetTrackingHitCode() override { return m_nChartTrackerHit; }
    void ScrollToTrackingPoint(POINT point) override;
    // The click on a part of a chart (element 0..6): the part selected and, on a double click, its
    // properties; a click inside the selected title edits it.
    int ClickChartPart(int page, int chart, int element, bool inSelection, BOOL dbl);
    int ClickChartFace(int page, int chart, const CChartFaceHit& face, bool inSelection, BOOL dbl);
    int ClickLegendEntry(int page, int chart, const CChartLegendHit& entry, bool inSelection, BOOL dbl);
    // A press or double click offered to the charts first, the focus taken: true when a chart took
    // it and the grid does nothing.
    bool ChartsTakePress(CPoint point, BOOL dbl);
    // The scroll's move of the charts of a page with frozen bands.
    void MoveChartsBesideLockedBand(CNorvakPage& record, int page, bool horizontal, int dx, int dy);
    // The tracker's cursor over the selected part; false when the grid chooses the cursor.
    bool SetChartCursor(UINT hitTest);
    CTitleEdit* m_pChartTextEdit = nullptr;
};
