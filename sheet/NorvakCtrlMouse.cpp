// The mouse on the active page: hover over the headers and their borders, selection by the page's
// mouse mode, click-to-edit, resizing rows and columns with an inverted line, best fit on a double
// click, the wheel, the cursor, the header sort on release and the feedback of a drag of the
// selection frame. Every handler passes the message on untouched while there is no active page or
// the page has no rows or no columns.

#include "sheet/NorvakCtrl.h"
#include "sheet/model/CellSelection.h"

#include "framework/CDC.h"
#include "framework/OleModule.h"
#include "resources/NorvakResource.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr WORD kArrow = 32512;    // IDC_ARROW
constexpr WORD kSizeNWSE = 32642; // IDC_SIZENWSE
constexpr WORD kSizeNESW = 32643; // IDC_SIZENESW
constexpr UINT_PTR kDragTimer = 513;
constexpr int kWheelNotch = WHEEL_DELTA;

// Page mouse modes of the hover states and the resizes (the selecting modes are CSelectMode's).
enum : int
{
    kModeIdle = 0,
    kModeOverRowBorder = 6,
    kModeSizingRow = 7,
    kModeOverColumnBorder = 8,
    kModeOverHeaderRows = 9,
    kModeOverRowHeader = 10,
    kModeSizingColumn = 11,
    kModePressedOnFocus = 12,
    kModeFrameCursor = 13,
    kModePressedOnSelected = 17,
    kModeKeepCursor = 18,
};

HCURSOR SystemCursor(WORD id)
{
    return ::LoadCursorW(nullptr, MAKEINTRESOURCEW(id));
}

HCURSOR OwnCursor(WORD id)
{
    return ::LoadCursorW(OleModule::Instance(), MAKEINTRESOURCEW(id));
}

// The cursor of the frame under a pointer with the button up; none inside or off the frame.
HCURSOR FrameHoverCursor(int hit)
{
    if (IsFrameEdge(hit))
        return OwnCursor(IDC_FRAME_MOVE);
    if (hit == kFrameTopLeft || hit == kFrameBottomRight)
        return SystemCursor(kSizeNWSE);
    if (hit == kFrameTopRight || hit == kFrameBottomLeft)
        return SystemCursor(kSizeNESW);
    return nullptr;
}

bool IsBodyCell(const CNorvakPage& page, CCellCoord cell)
{
    return page.IsValidCell(cell.row, cell.col) && cell.row >= page.m_nFixedRows && cell.col >= page.m_nFixedCols;
}

bool IsColumnHeader(const CNorvakPage& page, CCellCoord cell)
{
    return page.IsValidCell(cell.row, cell.col) && cell.row < page.m_nFixedRows && cell.col >= page.m_nFixedCols;
}

} // namespace

LRESULT CNorvakCtrl::OnMouseMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    PageRef ref = GetPageRef(-1);
    if (msg == WM_SETCURSOR && !ref)
        return FALSE;
    if (!ref || ref.page->m_nRows == 0 || ref.page->m_nCols == 0)
        return Default();
    const CPoint point(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(UINT(wp), point);
        return 0;
    case WM_MOUSEHOVER:
        ShowTitleTip(point);
        return 0;
    case WM_LBUTTONDOWN:
        HideTitleTip();
        OnLButtonDown(UINT(wp), point);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(UINT(wp), point);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(UINT(wp), point);
        return 0;
    case WM_MOUSEWHEEL:
        HideTitleTip();
        return OnMouseWheel(GET_KEYSTATE_WPARAM(wp), GET_WHEEL_DELTA_WPARAM(wp));
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<HWND>(wp), LOWORD(lp));
    default:
        return Default();
    }
}

void CNorvakCtrl::SetDragCursor(HCURSOR cursor, bool show)
{
    m_hDragCursor = cursor;
    if (show && cursor)
        ::SetCursor(cursor);
}

void CNorvakCtrl::SetCurrentCursor(HCURSOR cursor)
{
    m_hCurrentCursor = cursor;
    m_hDragCursor = nullptr;
    ::SetCursor(cursor);
}

int CNorvakCtrl::HitTestSelectionFrame(int x, int y) const
{
    return SheetModel::HitTestSelectionFrame(m_rcSelectionFrame, m_bTopEdgeShown != 0, m_bLeftEdgeShown != 0, x, y);
}

// ---- move ----

void CNorvakCtrl::OnMouseMove(UINT flags, CPoint point)
{
    CNorvakPage& page = *GetPage(-1);
    const CCellCoord cell = GetCellFromPt(point);
    const bool fixed = IsFixedCell(-1, cell.row, cell.col) != FALSE;
    const bool button = (flags & MK_LBUTTON) != 0;
    const bool ctrl = (flags & MK_CONTROL) != 0;
    if (point != page.m_lastMousePoint)
        HideTitleTip();
    if (!button)
        TrackHover();
    if (page.m_bDragAndDrop && !(fixed && (!m_hDragCursor || !button))) {
        if (!button) {
            m_hDragCursor = FrameHoverCursor(HitTestSelectionFrame(point.x, point.y));
            if (m_hDragCursor)
                return;
        } else {
            if (IsFrameEdge(m_nDownHitCode))
                m_hDragCursor = OwnCursor(ctrl ? IDC_DRAG_COPY : IDC_DRAG_MOVE);
            else if (m_nDownHitCode == kFrameInside && ctrl)
                m_hDragCursor = OwnCursor(IDC_DRAG_COPY);
            if (m_hDragCursor && m_nDownHitCode != kFrameNone)
                UpdateDragRegion(point, flags, m_nDownHitCode, kDragMove);
        }
        if (m_nDownHitCode == kFrameNone && ::GetFocus() == m_hWnd && m_hDragCursor) {
            m_hDragCursor = nullptr;
            ::SetCursor(SystemCursor(kArrow));
        }
    }
    if (fixed && m_hDragCursor)
        return;
    if (page.m_nMouseMode != kModeKeepCursor && !GetClientRect().PtInRect(point))
        return;
    if (!button || page.m_nMouseMode == kModeIdle)
        ChooseHoverMode(page, cell, point);
    if (button && page.IsValidCell(page.m_mouseCell.row, page.m_mouseCell.col)) {
        if (!m_hDragCursor)
            EnsureVisibleInPane(cell.row, cell.col);
        if (ctrl)
            for (const auto& entry : page.m_selectedCells)
                page.m_keptSelection.Add(entry.second);
        switch (page.m_nMouseMode) {
        case kSelectColumns:
        case kSelectRows:
        case kSelectCells:
            // Against the cell last reached, so that coming back shrinks the selection again.
            if (page.IsValidCell(cell.row, cell.col) && !(cell == page.m_lastMouseCell)) {
                page.m_lastMouseCell = cell;
                OnSelecting(-1, cell);
            }
            break;
        case kModeSizingRow:
            TrackResize(page, point, false);
            break;
        case kModeSizingColumn:
            TrackResize(page, point, true);
            break;
        default:
            break;
        }
    }
    page.m_lastMousePoint = point;
}

void CNorvakCtrl::ChooseHoverMode(CNorvakPage& page, CCellCoord cell, CPoint point)
{
    int mode = kModeIdle;
    HCURSOR cursor = SystemCursor(kArrow);
    if (page.m_bAllowColumnResize && IsOnColumnBorder(point)) {
        mode = kModeOverColumnBorder;
        cursor = OwnCursor(IDC_SIZE_COLUMN);
    } else if (page.m_bAllowRowResize && IsOnRowBorder(point)) {
        mode = kModeOverRowBorder;
        cursor = OwnCursor(IDC_SIZE_ROW);
    } else if (page.IsValidCell(cell.row, cell.col) && cell.row < page.m_nFixedRows) {
        mode = kModeOverHeaderRows;
        cursor = IsColumnHeader(page, cell) ? OwnCursor(IDC_SELECT_COLUMN) : SystemCursor(kArrow);
    } else if (page.IsValidCell(cell.row, cell.col) && cell.col < page.m_nFixedCols) {
        mode = kModeOverRowHeader;
        cursor = OwnCursor(IDC_SELECT_ROW);
    }
    m_hHoverCursor = cursor;
    if (mode != page.m_nMouseMode) {
        page.m_nMouseMode = mode;
        ::SetCursor(cursor);
    }
    page.m_lastMousePoint = point;
}

// ---- resizing ----

CRect CNorvakCtrl::GetResizeLine() const
{
    const CNorvakPage* page = GetPage(-1);
    if (!page || !m_hWnd || (page->m_nMouseMode != kModeSizingColumn && page->m_nMouseMode != kModeSizingRow))
        return CRect();
    const CRect client = GetClientRect();
    const POINT at = page->m_lastLinePos;
    if (page->m_nMouseMode == kModeSizingColumn)
        return CRect(at.x, page->GetFixedRowHeight(), at.x + 1, client.bottom);
    return CRect(page->GetFixedColumnWidth(), at.y, client.right, at.y + 1);
}

// Painted, not drawn on the screen: a repaint of the cells under the line can never leave a second
// one behind.
void CNorvakCtrl::MoveResizeLine(CNorvakPage& page, POINT to)
{
    CRect line = GetResizeLine();
    InvalidateControl(&line);
    page.m_lastLinePos = to;
    line = GetResizeLine();
    InvalidateControl(&line);
}

// A press on a border sizes the row (column) it ends; a press just after a row's top (column's
// left) edge sizes the one before.
void CNorvakCtrl::StartResize(CNorvakPage& page, CPoint point, bool columns)
{
    page.m_nMouseMode = columns ? kModeSizingColumn : kModeSizingRow;
    CCellCoord& down = page.m_mouseCell;
    POINT origin{};
    if (!GetCellOrigin(-1, down.row, down.col, &origin))
        return;
    int& index = columns ? down.col : down.row;
    if ((columns ? point.x - origin.x : point.y - origin.y) <= page.m_nBorderTolerance)
        --index;
    if (!GetCellOrigin(-1, std::max(down.row, 0), std::max(down.col, 0), &origin) || index < 0)
        return;
    MoveResizeLine(page, point);
    CRect clip = GetClientRect();
    (columns ? clip.left : clip.top) = columns ? origin.x : origin.y;
    ClientToScreen(clip);
    ClipCursor(&clip);
}

void CNorvakCtrl::TrackResize(CNorvakPage& page, CPoint point, bool columns)
{
    if (point == CPoint(page.m_downPoint))
        return;
    const CCellCoord down = page.m_mouseCell;
    POINT origin{};
    if (!GetCellOrigin(-1, down.row, down.col, &origin))
        return;
    const int size = columns ? point.x - origin.x : point.y - origin.y;
    const int index = columns ? down.col : down.row;
    const int count = columns ? page.m_nCols : page.m_nRows;
    const int fixed = columns ? page.m_nFixedCols : page.m_nFixedRows;
    const bool following = columns ? page.m_bResizeFollowingCols : page.m_bResizeFollowingRows;
    const int last = following && index >= fixed && size > 9 ? count - 1 : index;
    for (int i = index; i <= last; ++i)
        columns ? page.SetColumnWidth(i, size) : page.SetRowHeight(i, size);
    ResetScrollBars(-1);
    MoveResizeLine(page, point);
    const CRect client = GetClientRect();
    const CRect strip = columns ? CRect(0, 0, client.right, page.GetFixedRowHeight())
                                : CRect(0, 0, page.GetFixedColumnWidth(), client.bottom);
    InvalidateControl(&strip);
}

// ---- press ----

void CNorvakCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    CNorvakPage& page = *GetPage(-1);
    const bool hadFocus = ::GetFocus() == m_hWnd;
    if (ChartsTakePress(point, FALSE))
        return;
    const CCellCoord cell = GetCellFromPt(point);
    const bool ctrl = (flags & MK_CONTROL) != 0;
    const bool fixed = IsFixedCell(-1, cell.row, cell.col) != FALSE;
    const int hit = HitTestSelectionFrame(point.x, point.y);
    m_bButtonHeld = 1;
    m_nDownHitCode = hit;
    m_lastDragRing.DeleteObject();
    if (!fixed && (IsFrameEdge(hit) || IsFrameCorner(hit) || (hit == kFrameInside && ctrl))) {
        if (!page.m_bDragAndDrop) {
            // Refused: no drag starts, and the release has nothing to carry out.
            m_bButtonHeld = 0;
            m_nDownHitCode = kFrameNone;
            return;
        }
        if (flags & MK_LBUTTON) {
            if (IsFrameEdge(hit) && !ctrl)
                SetDragCursor(OwnCursor(IDC_DRAG_MOVE), true);
            else if (!IsFrameCorner(hit) && ctrl)
                SetDragCursor(OwnCursor(IDC_DRAG_COPY), true);
            UpdateDragRegion(point, flags, hit, kDragStart);
        }
        if (m_hDragCursor)
            SetCapture();
        return;
    }
    if (fixed || (hit == kFrameInside && !ctrl))
        m_hDragCursor = nullptr;
    if (hit == kFrameNone && hadFocus) {
        ::SetCursor(SystemCursor(kArrow));
        m_hDragCursor = nullptr;
    }
    SetFocus();
    const HWND focus = ::GetFocus();
    if (cell.IsNone())
        return;
    page.m_downPoint = point;
    page.m_mouseCell = cell;
    page.m_lastMouseCell = cell;
    EnsureVisibleInPane(cell.row, cell.col);
    page.m_selectionStart = (flags & MK_SHIFT) ? page.m_focusCell : cell;
    if (cell == page.m_focusCell) {
        page.m_nMouseMode = kModePressedOnFocus;
    } else if (!PressOnCells(page, flags, focus)) {
        return;
    }
    page.m_lastMousePoint = point;
    InvalidateControl();
}

// A press that is not on the focus cell: it takes the focus, and selects, or starts a resize.
// FALSE when the handler ends here.
bool CNorvakCtrl::PressOnCells(CNorvakPage& page, UINT flags, HWND focus)
{
    const CCellCoord cell = page.m_mouseCell;
    const int mode = page.m_nMouseMode;
    if (mode != kModeOverColumnBorder && mode != kModeOverRowBorder) {
        const bool fixed = IsFixedCell(-1, cell.row, cell.col) != FALSE;
        SetFocusCell(-1, fixed ? -1 : cell.row, fixed ? -1 : cell.col);
        if (page.m_bDragAndDrop && focus == m_hWnd && (GetItemState(-1, cell.row, cell.col) & CIS_SELECTED)) {
            page.m_nMouseMode = kModePressedOnSelected;
            return false;
        }
    }
    SetCapture();
    if (mode == kModeOverColumnBorder || mode == kModeOverRowBorder) {
        StartResize(page, page.m_downPoint, mode == kModeOverColumnBorder);
        return true;
    }
    page.m_keptSelection.RemoveAll();
    if (flags & MK_CONTROL)
        for (const auto& entry : page.m_selectedCells)
            page.m_keptSelection.Add(entry.second);
    const bool rowHeader = cell.col < page.m_nFixedCols && cell.row >= page.m_nFixedRows;
    const bool columnHeader = cell.row < page.m_nFixedRows;
    if (rowHeader) {
        OnFixedColumnClick(cell);
        page.m_nAnchorRow = WORD(cell.row);
        page.m_nAnchorCol = 0xFFFF;
    } else if (columnHeader) {
        // The corner cell selects the whole page, a column header its column (or sorts).
        OnFixedRowClick(cell);
        RedrawCell(cell);
        page.m_nAnchorRow = 0xFFFF;
        page.m_nAnchorCol = WORD(cell.col);
    } else {
        page.m_nMouseMode = kSelectCells;
        if (!GetPageCell(-1, cell.row, cell.col))
            return false;
        OnSelecting(-1, cell);
        page.m_nAnchorRow = WORD(cell.row);
        page.m_nAnchorCol = WORD(cell.col);
    }
    page.m_nMouseTimerId = SetTimer(kDragTimer, UINT(page.m_nTimerInterval));
    return true;
}

// ---- release ----

void CNorvakCtrl::OnLButtonUp(UINT flags, CPoint point)
{
    CNorvakPage& page = *GetPage(-1);
    const CCellCoord cell = GetCellFromPt(point);
    const bool fixed = IsFixedCell(-1, cell.row, cell.col) != FALSE;
    m_bButtonHeld = 0;
    UpdateDragRegion(point, flags, m_nDownHitCode, kDragEnd);
    m_nDownHitCode = kFrameNone;
    if (fixed || !page.m_bDragAndDrop) {
        m_hDragCursor = nullptr;
    } else {
        const int hit = HitTestSelectionFrame(point.x, point.y);
        if (IsFrameEdge(hit))
            SetDragCursor(OwnCursor(IDC_FRAME_MOVE), true);
        else if (hit == kFrameInside)
            SetDragCursor(SystemCursor(kArrow), true);
        else if (HCURSOR corner = FrameHoverCursor(hit))
            ::SetCursor(corner);
    }
    ResetScrollBars(-1);
    Default();
    const bool resized = page.m_nMouseMode == kModeSizingRow || page.m_nMouseMode == kModeSizingColumn;
    if (resized) {
        // The line goes with the release, also when the pointer never moved.
        const CRect line = GetResizeLine();
        InvalidateControl(&line);
    }
    if (resized && !(point == CPoint(page.m_downPoint))) {
        ResetScrollBars(-1);
        InvalidateControl();
    }
    if (page.m_bHeaderSortEnabled && m_hHoverCursor == OwnCursor(IDC_SELECT_COLUMN) && IsColumnHeader(page, cell)) {
        page.m_nSortColumn = WORD(cell.col);
        page.m_bSorting = 1;
        OnFixedRowClick(cell);
        page.m_bSorting = 0;
    }
    ReleaseMouse(page);
    if (page.m_nMouseMode == kModePressedOnFocus && page.m_focusCell.col != 1) {
        OnEditPageCell(page.m_focusCell.row, page.m_focusCell.col, kFirstKeyKeepText);
    } else if (page.m_nMouseMode == kModePressedOnSelected) {
        // A click without a drag on a selected cell makes it the one selected cell, with the focus.
        page.m_selectionStart = page.m_mouseCell;
        page.m_nMouseMode = kSelectCells;
        OnSelecting(-1, page.m_mouseCell);
        SetFocusCell(-1, page.m_mouseCell.row, page.m_mouseCell.col);
    }
    page.m_nMouseMode = kModeIdle;
}

// Gives back the cursor clip, the capture and the drag timer, whatever took them.
void CNorvakCtrl::ReleaseMouse(CNorvakPage& page)
{
    ClipCursor(nullptr);
    if (HasCapture())
        ::ReleaseCapture();
    if (page.m_nMouseTimerId) {
        KillTimer(page.m_nMouseTimerId);
        page.m_nMouseTimerId = 0;
    }
}

// ---- double click ----

void CNorvakCtrl::OnLButtonDblClk(UINT flags, CPoint point)
{
    if (ChartsTakePress(point, TRUE))
        return;
    CNorvakPage& page = *GetPage(-1);
    const CCellCoord cell = GetCellFromPt(point);
    const bool ctrl = (flags & MK_CONTROL) != 0;
    const int hit = HitTestSelectionFrame(point.x, point.y);
    m_nDownHitCode = hit;
    if (IsFixedCell(-1, cell.row, cell.col)) {
        m_hDragCursor = nullptr;
    } else if (IsFrameEdge(hit) && (flags & MK_LBUTTON)) {
        SetDragCursor(OwnCursor(ctrl ? IDC_DRAG_COPY : IDC_DRAG_MOVE), true);
        return;
    } else if (hit == kFrameInside && ctrl) {
        SetDragCursor(OwnCursor(IDC_DRAG_COPY), true);
        return;
    } else if (IsFrameCorner(hit) || (hit != kFrameInside && hit != kFrameNone) || !(flags & MK_LBUTTON)) {
        return;
    }
    const bool columns = page.m_nMouseMode == kModeOverColumnBorder;
    if (columns || page.m_nMouseMode == kModeOverRowBorder) {
        POINT origin{};
        int index = columns ? cell.col : cell.row;
        if (GetCellOrigin(-1, cell.row, cell.col, &origin) &&
            (columns ? point.x - origin.x : point.y - origin.y) <= page.m_nBorderTolerance)
            --index;
        if (index >= 0)
            columns ? AutoSizeColumn(-1, index) : AutoSizeRow(-1, index);
        InvalidateControl();
    } else if (page.m_nMouseMode == kModeIdle && IsBodyCell(page, page.m_mouseCell)) {
        OnEditPageCell(page.m_focusCell.row, page.m_focusCell.col, kFirstKeyKeepText);
    }
    Default();
}

// ---- wheel and cursor ----

LRESULT CNorvakCtrl::OnMouseWheel(UINT, short delta)
{
    const CNorvakPage& page = *GetPage(-1);
    // The system setting may ask for a page per notch (WHEEL_PAGESCROLL, -1), or more lines than
    // the page has: both scroll by pages.
    const int lines = page.m_nWheelLines;
    const bool pages = lines < 0 || lines > page.m_nRows;
    const int64_t count = pages ? delta / kWheelNotch : int64_t(delta) * lines / kWheelNotch;
    const WPARAM up = pages ? SB_PAGEUP : SB_LINEUP;
    const WPARAM down = pages ? SB_PAGEDOWN : SB_LINEDOWN;
    for (int64_t n = 0; n < (count < 0 ? -count : count); ++n)
        PostMessage(WM_VSCROLL, count > 0 ? up : down);
    return Default();
}

HCURSOR CNorvakCtrl::CursorOfMode(const CNorvakPage& page, CPoint point)
{
    switch (page.m_nMouseMode) {
    case kModeOverRowBorder:
        return OwnCursor(IDC_SIZE_ROW);
    case kModeOverColumnBorder:
        return OwnCursor(IDC_SIZE_COLUMN);
    case kModeOverHeaderRows:
        return IsColumnHeader(page, GetCellFromPt(point)) ? OwnCursor(IDC_SELECT_COLUMN) : SystemCursor(kArrow);
    case kModeOverRowHeader:
        return OwnCursor(IDC_SELECT_ROW);
    case kModeFrameCursor:
        return OwnCursor(IDC_FRAME_MOVE);
    case kModeKeepCursor:
        return ::GetCursor();
    default:
        return SystemCursor(kArrow);
    }
}

BOOL CNorvakCtrl::OnSetCursor(HWND window, UINT hitTest)
{
    if (m_hDragCursor) {
        ::SetCursor(m_hDragCursor);
        return TRUE;
    }
    if (window != m_hWnd) {
        Default();
        return TRUE;
    }
    if (SetChartCursor(hitTest))
        return TRUE;
    if (hitTest != HTCLIENT)
        return BOOL(Default());
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(point);
    ::SetCursor(CursorOfMode(*GetPage(-1), point));
    return TRUE;
}

// ---- the drag of the selection frame ----

void CNorvakCtrl::UpdateDragRegion(CPoint point, UINT flags, int hitCode, CDragStep step)
{
    if (hitCode == kFrameNone || (hitCode == kFrameInside && !m_hDragCursor))
        return;
    const CCellRect block = GetSelectedCellRange(-1);
    const CCellCoord cell = GetCellFromPt(point);
    if (step == kDragStart) {
        m_dragAnchor = cell;
        m_lastDragCell = cell;
        const CNorvakPage& page = *GetPage(-1);
        m_dragBounds = {page.m_nFixedRows, page.m_nFixedCols, page.m_nRows, page.m_nCols};
    }
    CCellRect target;
    if (!SheetModel::IsEmptyTarget(block) && !cell.IsNone())
        target = IsFrameCorner(hitCode) ? SheetModel::FillTarget(block, hitCode, cell, m_dragBounds)
                                        : SheetModel::MoveTarget(block, m_dragAnchor, cell, m_dragBounds);
    const bool valid = !SheetModel::IsEmptyTarget(target) && IsValidCellRange(-1, target);
    if (step == kDragMove && valid) {
        // The edge of the target on the side the pointer moves to comes into view.
        const int row = cell.row > m_lastDragCell.row ? target.maxRow : target.minRow;
        const int col = cell.col > m_lastDragCell.col ? target.maxCol : target.minCol;
        if (!IsCellVisible(-1, row, col))
            EnsureVisibleInPane(row, col);
    }
    if (!cell.IsNone())
        m_lastDragCell = cell;
    CRect outer;
    if (valid && GetCellRangeRect(-1, target, &outer)) {
        outer.left -= 2;
        outer.top -= 2;
        outer.right += 1;
        outer.bottom += 1;
        CRect inner = outer;
        inner.DeflateRect(3, 3);
        CRgn outside, inside, ring;
        outside.CreateRectRgnIndirect(&outer);
        inside.CreateRectRgnIndirect(&inner);
        ring.CreateRectRgn(0, 0, 0, 0);
        ring.CombineRgn(outside, inside, RGN_XOR);
        if (!m_lastDragRing.GetSafeHandle() || !::EqualRgn(m_lastDragRing, ring)) {
            InvalidateControl();
            m_lastDragRing.CreateRectRgn(0, 0, 0, 0);
            m_lastDragRing.CombineRgn(ring, nullptr, RGN_COPY);
        }
        m_dragRegion.CreateRectRgn(0, 0, 0, 0);
        m_dragRegion.CombineRgn(ring, nullptr, RGN_COPY);
    }
    if (step != kDragEnd)
        return;
    if (HasCapture())
        ::ReleaseCapture();
    m_lastDragRing.DeleteObject();
    if (valid) {
        EndSelectionDrag(target.minRow, target.minCol, target.maxRow, target.maxCol, flags, hitCode);
        return;
    }
    // Nothing to carry out: the feedback goes.
    m_dragRegion.DeleteObject();
    InvalidateControl();
}
