#pragma once

// The record of one page: its settings, tab, grid dimensions, row heights and column widths,
// selection and scroll state, and the lists that hang off it. The control owns one per page,
// beside the page's cell table.
//
// Fields are data that the control's operations read and write directly. A few fields have no
// named use yet; they keep their place and default so that the page keeps its full state.

#include "resources/NorvakResource.h"
#include "sheet/model/CellSelectionMap.h"
#include "sheet/model/CellTypes.h"
#include "sheet/model/TabIcons.h"

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CNorvakChart;
struct CChartPageSettings;
class CTitleTipWnd;

// An object of another subsystem owned by the page; whoever creates it supplies how it is freed.
template <class T> using CPageOwned = std::unique_ptr<T, void (*)(T*)>;

class CNorvakPage
{
public:
    static constexpr int kDefaultColumnWidth = 70;
    static constexpr int kDefaultRowHeight = 20;
    static constexpr COLORREF kSelectionColor = 0xCAB2A9;

    CNorvakPage(int index, const CString& title, int tabLeft);
    CNorvakPage(const CNorvakPage&) = delete;
    CNorvakPage& operator=(const CNorvakPage&) = delete;
    ~CNorvakPage();

    // Lines per wheel notch: "WheelScrollLines" under the key, read as a decimal number; 3 when the
    // key or the value cannot be read. The control reads it once and gives it to every page it
    // holds; a page made elsewhere keeps the fallback until then.
    static constexpr int kDefaultWheelLines = 3;
    static int ReadWheelScrollLines(HKEY root = HKEY_CURRENT_USER,
                                    const wchar_t* subKey = L"Control Panel\\Desktop");

    // The sizes of one direction add up to at most this many pixels, so that every client position,
    // and a position plus a size, fits an int. Setters refuse a size that would pass it.
    static constexpr int64_t kMaxExtent = (int64_t(1) << 30) - 1;
    // The sum of the first count sizes.
    static int64_t Extent(const std::vector<int>& sizes, int count);

    // Row heights and column widths: -1 for an index out of range.
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    // FALSE for an index out of range, a negative size or one that would pass kMaxExtent. A column
    // other than column 1 marks the widths as changed.
    BOOL SetRowHeight(int row, int height);
    BOOL SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    // Every body (non-fixed) row or column; TRUE when each one took the size, FALSE with no change
    // when together they would pass kMaxExtent.
    BOOL SetBodyRowHeights(int height);
    BOOL SetBodyColumnWidths(int width);
    // Every row's height (column's width) at once, as a file holds them, checked once: FALSE with no
    // change for a list that is not one size per row, a negative size, or sizes that together
    // pass kMaxExtent. The widths-changed mark stays as it is.
    BOOL AssignRowHeights(std::vector<int> heights);
    BOOL AssignColumnWidths(std::vector<int> widths);

    // Best fit: the largest extent that measure gives for the cells of the column (the row), fixed
    // ones included, stored unchanged; 0 when there are none. FALSE for an index out of range.
    using CellMeasure = std::function<SIZE(int row, int col)>;
    BOOL AutoSizeColumn(int col, const CellMeasure& measure);
    BOOL AutoSizeRow(int row, const CellMeasure& measure);

    bool IsValidCell(int row, int col) const
    {
        return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols;
    }

    // Identity and protection.
    int m_nIndex;
    CString m_strTitle;
    int m_bOpened = 1;
    CString m_strPassword;
    CString m_strUserName;
    int m_nPrivilege = 2;
    int m_bContentVisible = 1;

    // Tab. The control gives a new page the built-in icons (cool, hot and active).
    CFontRecord m_tabFont;
    int m_nTabIconState = 0; // -1 none, 0 cool, 1 hot, 2 active
    CTabIcons m_tabIcons;
    int m_nTabLeft;
    int m_nTabRight = 0;
    int m_nTabWidth = 0;  // the custom width while the default-width flag is 0
    int m_nTabTop = 0;    // as last drawn
    int m_nTabBottom = 0; // as last drawn
    int m_nTabHeight = 0; // the custom height while the default-height flag is 0
    int m_bDefaultTabWidth = 1;
    int m_bDefaultTabHeight = 1;
    // The title's width in the tab font as the tab strip last measured it, kept with what it
    // measured: laying the tabs out again measures only the titles or fonts that changed.
    struct CTabTitleWidth
    {
        CString title;
        LOGFONTA font{};
        int width = -1;
    };
    mutable CTabTitleWidth m_tabTitleWidth;

    // Scrolling, in pixels.
    int m_nHorzPos = 0;
    int m_nVertPos = 0;
    int m_nHorzRange = 0;
    int m_nVertRange = 0;

    // Grid.
    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    std::vector<int> m_rowHeights; // one per row
    std::vector<int> m_colWidths;  // one per column

    // Colours.
    COLORREF m_crTextColor;
    COLORREF m_crTextBkColor;
    COLORREF m_crBkColor;
    COLORREF m_crFixedTextColor;
    COLORREF m_crFixedBkColor;
    COLORREF m_crGridColor = kDefaultLineColor;
    int m_bTextColorSet = 0;
    int m_bTextBkColorSet = 0;
    int m_bBkColorSet = 0;
    int m_bColumnWidthsChanged = 0;
    int m_bListMode = 0;
    int m_bSingleSelection = 0;
    COLORREF m_crSysWindowText;
    COLORREF m_crSysWindow;
    COLORREF m_crSysBtnFace;
    COLORREF m_crSysBtnShadow;

    int m_nReserved3 = 3;
    int m_bEditable = 1;
    int m_nCellTextMargin = 0;
    int m_bDragAndDrop = 1;
    int m_nReserved0a = 0;
    int m_nReserved0b = 0;
    int m_bRedraw = 1; // count changes invalidate the control at once

    // Grid options read by painting and input.
    int m_bShowCells = 1;
    int m_bEnableSelection = 1;
    int m_bAllowDraw = 1;
    int m_bAllowRowResize = 1;
    int m_bAllowColumnResize = 1;
    int m_nReserved0c = 0;

    int m_nDefaultColumnWidth = kDefaultColumnWidth;
    int m_nDefaultRowHeight = kDefaultRowHeight;

    // Mouse and selection.
    int m_nMouseMode = 0;
    CCellCoord m_selectionStart;
    CCellCoord m_mouseCell;
    CCellCoord m_lastMouseCell;
    CCellCoord m_focusCell;
    CCellCoord m_firstVisibleCell{0, 0};
    UINT_PTR m_nMouseTimerId = 0;
    int m_nTimerInterval = 25;
    int m_nBorderTolerance = 3;
    int m_bFlagA = 1;
    int m_bFlagB = 1;
    int m_nWheelLines = kDefaultWheelLines;
    CCellSelectionMap m_selectedCells;
    CCellSelectionMap m_keptSelection;

    // Lines left of column 0, one entry per row, and above row 0, one per column, at their index.
    // The workbook file keys them by row and by column << 16.
    std::vector<CEdgeLineEntry> m_leftEdgeLines;
    std::vector<CEdgeLineEntry> m_topEdgeLines;
    static int LeftEdgeKey(int row) { return row; }
    static int TopEdgeKey(int col) { return col << 16; }
    CEdgeLineEntry* FindLeftEdgeLine(int row);
    CEdgeLineEntry* FindTopEdgeLine(int col);

    // Created by the control when the page first shows a tip.
    CPageOwned<CTitleTipWnd> m_pTitleTip{nullptr, nullptr};

    BYTE m_nHeadSelectedStyle = 3; // 0..3
    int m_bSortAllowed = 1;
    WORD m_nSortColumn = 0xFFFF;
    int m_bSorting = 0;
    std::vector<CString> m_strings;
    int m_bHeaderSortEnabled = 0;
    int m_nReserved0d = 0;
    COLORREF m_crSelection = kSelectionColor;
    int m_bUniformRowHeight = 0;
    int m_bUniformColumnWidth = 0;
    int m_bContextMenuVisible = 1;
    BYTE m_nSortStyle = 0; // 1 numbers, 0 strings
    int m_bSortAscending = 1;
    int m_bFlagC = 1;
    WORD m_nReservedFFFFa = 0xFFFF;
    WORD m_nReservedFFFFb = 0xFFFF;

    std::vector<CMergeCellRange> m_bodyMerges;
    std::vector<CMergeCellRange> m_headerMerges;
    std::vector<WORD> m_sortExcludedColumns;
    std::vector<CAutoTextColumn> m_autoTextColumns;

    // Frozen bands: counts, how many of them are skipped at the band start, and how many rows and
    // columns of the scrolling band are scrolled away.
    WORD m_nLockedRows = 0;
    WORD m_nLockedCols = 0;
    WORD m_nLockedRowOffset = 0;
    WORD m_nLockedColOffset = 0;
    WORD m_nScrollRowOffset = 0; // at most 0xFFFF; the workbook file keeps 16 bits
    WORD m_nScrollColOffset = 0;

    // Chart options; ResetPageChartOptions writes the eight bytes and the four ints.
    BYTE m_chartOptionBytes[8] = {};
    int m_chartOptionInts[4] = {};
    COLORREF m_crChartColor1 = 0xFF0000;
    COLORREF m_crChartColor2 = 0xFF0000;
    int m_nChartValue40 = 40;
    int m_nChartValue255 = 255;
    COLORREF m_crChartWhite = 0xFFFFFF;
    UINT m_nChartBitmapId = IDB_PAGE_CHART;

    std::vector<int> m_rowBreaks;
    std::vector<int> m_columnBreaks;
    // Freed from the last to the first when the page goes.
    std::vector<CPageOwned<CNorvakChart>> m_charts;
    // What the chart pages set before a chart exists and the data every new chart is made from;
    // made by the chart code on first use.
    CPageOwned<CChartPageSettings> m_chartSettings{nullptr, nullptr};

    // Report output.
    BYTE m_nOutputMode = 0; // 0 whole page, 1 selection, 2 arbitrary, 3 custom
    int m_bPrintRowHeader = 1;
    int m_bPrintColHeader = 1;
    std::vector<WORD> m_customRows;
    std::vector<WORD> m_customColumns;

    CCellRect m_formatBrush;

    // Keyboard and mouse input. The mouse cell above is the cell under the last press; the
    // selection start cell is where the keyboard and a drag extend the selection from.
    int m_bTabMovesOnly = 1;  // Tab moves the focus and opens no editor
    int m_bMultiLineEdit = 1; // the in-place editor takes Enter as a line break
    int m_bResizeFollowingRows = 0;
    int m_bResizeFollowingCols = 0;
    POINT m_downPoint{};
    POINT m_lastMousePoint{};
    POINT m_lastLinePos{}; // of the inverted line while a row or column is resized
    // The anchor of a header press: (row, -1) for a row, (-1, column) for a column.
    WORD m_nAnchorRow = 0xFFFF;
    WORD m_nAnchorCol = 0xFFFF;
};
