#include "gridwnd/GridCtrl.h"

#include "framework/ComBoundary.h"
#include "framework/ModalUI.h"
#include "framework/OleModule.h"
#include "sheet/model/NorvakPage.h"

#include <new>
#include <utility>

CCellRect CGridCtrl::s_copiedRange;
const CGridCtrl* CGridCtrl::s_copiedBy = nullptr;
GridChartDrawer CGridCtrl::s_chartDrawer = nullptr;

namespace {

// The grid whose Create is making a window of the class, taken by its WM_NCCREATE.
thread_local CGridCtrl* t_creatingGrid = nullptr;

bool g_classRegistered = false;

// Marks a window of the class counted among the module's live windows, from its WM_NCCREATE to
// its WM_NCDESTROY: this code is its procedure, so the module must not go before it.
constexpr wchar_t kLiveWindowMark[] = L"NorvakGridCtrl.Live";

void CountLiveWindow(HWND hwnd)
{
    if (::GetPropW(hwnd, kLiveWindowMark))
        return;
    // Without the mark the window stays counted for good: the module then never unloads.
    OleModule::AddWindow();
    ::SetPropW(hwnd, kLiveWindowMark, hwnd);
}

void ForgetLiveWindow(HWND hwnd)
{
    if (::RemovePropW(hwnd, kLiveWindowMark))
        OleModule::ReleaseWindow();
}

} // namespace

// ---- the window class ----

bool CGridCtrl::RegisterWindowClass()
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(OleModule::Instance(), kClassName, &existing))
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    // Global, so that programs and dialog templates of other modules find the class.
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = &CGridCtrl::ClassProc;
    wc.hInstance = OleModule::Instance();
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    g_classRegistered = ::RegisterClassExW(&wc) != 0;
    return g_classRegistered;
}

void CGridCtrl::UnregisterWindowClass()
{
    if (g_classRegistered)
        ::UnregisterClassW(kClassName, OleModule::Instance());
    g_classRegistered = false;
}

LRESULT CALLBACK CGridCtrl::ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCDESTROY)
        ForgetLiveWindow(hwnd);
    if (msg != WM_NCCREATE || CWnd::FromHandlePermanent(hwnd))
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    CountLiveWindow(hwnd);
    CGridCtrl* grid = std::exchange(t_creatingGrid, nullptr);
    const bool own = grid == nullptr;
    if (own) {
        // A grid that cannot be made fails the window's creation.
        grid = AtBoundary<CGridCtrl*>(nullptr, [] { return new CGridCtrl; });
        if (!grid)
            return FALSE;
        grid->m_bAutoDelete = true;
    }
    if (!AtBoundary(false, [&] { return grid->AttachNewWindow(hwnd); })) {
        if (own)
            delete grid;
        return FALSE;
    }
    // The window's procedure is now the object's; it passes the message back here as its default.
    auto proc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    return ::CallWindowProcW(proc, hwnd, msg, wp, lp);
}

bool CGridCtrl::AttachNewWindow(HWND hwnd)
{
    return SubclassWindow(hwnd);
}

// ---- construction ----

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols)
    : m_crText(::GetSysColor(COLOR_WINDOWTEXT)), m_crBackground(::GetSysColor(COLOR_WINDOW)),
      m_crFixedText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_crFixedBackground(::GetSysColor(COLOR_BTNFACE)), m_crSystem{::GetSysColor(COLOR_WINDOWTEXT),
                                                                    ::GetSysColor(COLOR_WINDOW),
                                                                    ::GetSysColor(COLOR_BTNFACE),
                                                                    ::GetSysColor(COLOR_BTNSHADOW)},
      m_nWheelLines(CNorvakPage::ReadWheelScrollLines())
{
    RegisterWindowClass();
    const HRESULT ole = ::OleInitialize(nullptr);
    m_bOleInitialised = SUCCEEDED(ole);
    if (!m_bOleInitialised)
        ModalUI::ShowMessage(
            nullptr, "OLE initialization failed. Make sure that the OLE libraries are the correct version",
            CString(), MB_OK | MB_ICONEXCLAMATION);
    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
    m_imageList.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
    m_resourceBitmap.LoadBitmap(kResourceBitmap, OleModule::Instance());
}

CGridCtrl::~CGridCtrl()
{
    // The window goes first, while every handler of this object still works.
    m_bAutoDelete = false;
    if (m_hWnd)
        DestroyWindow();
    m_store.DeleteAllCells();
    m_charts.RemoveAll();
    if (s_copiedBy == this)
        s_copiedBy = nullptr;
    ReleaseClipboardSource();
    if (m_bOleInitialised)
        ::OleUninitialize();
}

bool CGridCtrl::Create(const RECT& rect, HWND parent, UINT id, DWORD style)
{
    if (m_hWnd || !RegisterWindowClass())
        return false;
    CGridCtrl* previous = std::exchange(t_creatingGrid, this);
    const HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(UINT_PTR(id)) : nullptr;
    HWND hwnd = ::CreateWindowExW(0, kClassName, L"", style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, menu, OleModule::Instance(), nullptr);
    t_creatingGrid = previous;
    return hwnd && m_hWnd == hwnd;
}

bool CGridCtrl::SubclassGrid(HWND hwnd)
{
    if (m_hWnd || !hwnd)
        return false;
    if (CGridCtrl* own = FromHandle(hwnd)) {
        if (!own->m_bAutoDelete)
            return false;
        own->OnDestroy();
        own->UnsubclassWindow();
        delete own;
    }
    if (!SubclassWindow(hwnd))
        return false;
    OnCreate();
    return true;
}

CGridCtrl* CGridCtrl::FromHandle(HWND hwnd)
{
    return dynamic_cast<CGridCtrl*>(CWnd::FromHandlePermanent(hwnd));
}

void CGridCtrl::PreSubclassWindow()
{
    ResetGridScrollBars();
}

void CGridCtrl::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CGridCtrl::OnCreate()
{
    // Without OLE there is no dropping here; the grid works on without it.
    m_dropTarget.Register(m_hWnd);
    m_bInClipboardChain = true;
    ::SetLastError(0);
    m_hNextClipboardViewer = ::SetClipboardViewer(m_hWnd);
    if (!m_hNextClipboardViewer && ::GetLastError() != 0)
        m_bInClipboardChain = false;
    ResetGridScrollBars();
}

void CGridCtrl::OnDestroy()
{
    m_dropTarget.Revoke();
    if (m_bInClipboardChain)
        ::ChangeClipboardChain(m_hWnd, m_hNextClipboardViewer);
    m_bInClipboardChain = false;
    m_hNextClipboardViewer = nullptr;
    KillTimer(kMarqueeTimer);
    KillTimer(kDragScrollTimer);
    if (s_copiedBy == this)
        s_copiedBy = nullptr;
    m_titleTip.DestroyWindow();
}

// ---- messages ----

LRESULT CGridCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE: {
        const LRESULT result = Default();
        if (result != -1)
            OnCreate();
        return result;
    }
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lp)
            break; // a scroll bar control of another window
        HideTitleTip();
        msg == WM_HSCROLL ? OnHScroll(LOWORD(wp)) : OnVScroll(LOWORD(wp));
        return 0;
    case WM_SIZE:
        Default();
        ResetGridScrollBars();
        return 0;
    case WM_LBUTTONDOWN:
        HideTitleTip();
        OnLButtonDown(UINT(wp), CPoint::FromLParam(lp));
        return 0;
    case WM_RBUTTONDOWN:
        HideTitleTip();
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(UINT(wp), CPoint::FromLParam(lp));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(UINT(wp), CPoint::FromLParam(lp));
        return 0;
    case WM_MOUSEMOVE: {
        const CPoint point = CPoint::FromLParam(lp);
        if (point != std::exchange(m_lastMouse, point))
            HideTitleTip();
        if (!(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
            TrackHover();
        OnMouseMove(UINT(wp), point);
        return 0;
    }
    case WM_MOUSEHOVER:
        ShowTitleTip(CPoint::FromLParam(lp));
        return 0;
    case WM_TIMER:
        OnTimer(UINT_PTR(wp));
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode();
    case WM_KEYDOWN:
        HideTitleTip();
        OnKeyDown(UINT(wp));
        return 0;
    case WM_CHAR:
        OnChar(UINT(wp));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Default();
        RedrawGridCell(GetFocusCell(), false);
        return 0;
    case WM_DRAWCLIPBOARD:
        OnDrawClipboard(wp, lp);
        return 0;
    case WM_CHANGECBCHAIN:
        OnChangeClipboardChain(reinterpret_cast<HWND>(wp), reinterpret_cast<HWND>(lp));
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wp) == m_hWnd && OnSetCursor(LOWORD(lp)))
            return TRUE;
        break;
    case WM_SYSCOLORCHANGE:
        Default();
        OnSysColorChange();
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lp));
        return 0;
    case WM_CONTEXTMENU:
        return OnContextMenu(wp, lp);
    case WM_NCPAINT:
        return OnNcPaint(wp, lp);
    case WM_WINDOWPOSCHANGING:
        return OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lp));
    case WM_WINDOWPOSCHANGED:
        return OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lp));
    case WM_MOUSEWHEEL:
        HideTitleTip();
        if (OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wp)))
            return 0;
        break;
    case WM_COMMAND:
        if (!lp && OnCommand(LOWORD(wp)))
            return 0;
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header && header->idFrom == kInPlaceEditId && int(header->code) == kGridNotifyChanged)
            return OnEndInPlaceEdit(*reinterpret_cast<const CCellDispInfo*>(lp));
        break;
    }
    default:
        break;
    }
    return Default();
}

bool CGridCtrl::OnCommand(UINT id)
{
    switch (id) {
    case kGridEditCopy:
        OnEditCopy();
        return true;
    case kGridEditCut:
        OnEditCut();
        return true;
    case kGridEditPaste:
        OnEditPaste();
        return true;
    case kGridEditSelectAll:
        OnEditSelectAll();
        return true;
    default:
        return false;
    }
}

LRESULT CGridCtrl::OnContextMenu(WPARAM, LPARAM)
{
    // The grid has no menu of its own: its owner offers one (a child passes the message up).
    HideTitleTip();
    return Default();
}

LRESULT CGridCtrl::OnNcPaint(WPARAM, LPARAM)
{
    // The frame and the scroll bars, as the system draws them.
    return Default();
}

LRESULT CGridCtrl::OnWindowPosChanging(WINDOWPOS* pos)
{
    // A tip left standing would no longer lie over its cell.
    const UINT still = SWP_NOMOVE | SWP_NOSIZE;
    if (pos && ((pos->flags & still) != still || (pos->flags & SWP_HIDEWINDOW)))
        HideTitleTip();
    return Default();
}

LRESULT CGridCtrl::OnWindowPosChanged(WINDOWPOS*)
{
    // The system's handling sends the size and the move, after which the scroll bars follow.
    return Default();
}

void CGridCtrl::OnSysColorChange()
{
    // A colour the program set itself stays; one still taken from the system follows it.
    auto follow = [](COLORREF& colour, COLORREF before, int index) {
        if (colour == before)
            colour = ::GetSysColor(index);
    };
    follow(m_crText, m_crSystem[0], COLOR_WINDOWTEXT);
    follow(m_crBackground, m_crSystem[1], COLOR_WINDOW);
    follow(m_crFixedText, m_crSystem[0], COLOR_WINDOWTEXT);
    follow(m_crFixedBackground, m_crSystem[2], COLOR_BTNFACE);
    follow(m_crEmptyArea, m_crSystem[3], COLOR_BTNSHADOW);
    m_crSystem[0] = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crSystem[1] = ::GetSysColor(COLOR_WINDOW);
    m_crSystem[2] = ::GetSysColor(COLOR_BTNFACE);
    m_crSystem[3] = ::GetSysColor(COLOR_BTNSHADOW);
    Invalidate();
}

void CGridCtrl::SetRedraw(BOOL redraw)
{
    m_bRedraw = redraw;
    AfterLayoutChange();
}

void CGridCtrl::AfterLayoutChange()
{
    if (!m_hWnd || !m_bRedraw)
        return;
    ResetGridScrollBars();
    Invalidate();
}

// ---- counts and sizes ----

BOOL CGridCtrl::SetRowCount(int rows)
{
    m_selection.Reset();
    ForgetCopiedRange();
    if (rows == GetRowCount())
        return TRUE;
    m_selection.DropFocusOutside(rows, GetColumnCount());
    if (!m_store.SetRowCount(rows))
        return FALSE;
    AfterLayoutChange();
    return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int cols)
{
    m_selection.Reset();
    ForgetCopiedRange();
    if (cols == GetColumnCount())
        return TRUE;
    m_selection.DropFocusOutside(GetRowCount(), cols);
    if (!m_store.SetColumnCount(cols))
        return FALSE;
    AfterLayoutChange();
    return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int rows)
{
    if (rows > GetRowCount() && !SetRowCount(rows))
        return FALSE;
    if (!m_store.SetFixedRowCount(rows))
        return FALSE;
    AfterLayoutChange();
    return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int cols)
{
    if (cols > GetColumnCount() && !SetColumnCount(cols))
        return FALSE;
    if (!m_store.SetFixedColumnCount(cols))
        return FALSE;
    AfterLayoutChange();
    return TRUE;
}

BOOL CGridCtrl::SetRowHeight(int row, int height)
{
    if (!m_store.SetRowHeight(row, height))
        return FALSE;
    AfterLayoutChange();
    return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int col, int width)
{
    if (!m_store.SetColumnWidth(col, width))
        return FALSE;
    AfterLayoutChange();
    return TRUE;
}

void CGridCtrl::DeleteAllItems()
{
    ForgetCopiedRange();
    m_selection.Reset();
    m_store.DeleteAllCells();
    m_selection.DropFocusOutside(0, 0);
    AfterLayoutChange();
}

// ---- cells ----

std::unique_ptr<CGridCell> CGridCtrl::CreateCell(int row, int col)
{
    return NewDefaultGridCell(m_store, row, col);
}

void CGridCtrl::EmptyCell(CGridCell& cell, int, int)
{
    EmptyGridCell(cell);
}

CString CGridCtrl::GetItemText(int row, int col) const
{
    const CGridCell* cell = m_store.GetCell(row, col);
    return cell ? cell->strText : CString();
}

BOOL CGridCtrl::SetItemText(int row, int col, const char* text)
{
    CGridCell* cell = m_store.GetCell(row, col);
    if (!cell)
        return FALSE;
    cell->strText = text;
    RedrawGridCell(CCellCoord(row, col), false);
    return TRUE;
}

BOOL CGridCtrl::SetItemState(int row, int col, WORD state)
{
    if (!m_store.IsValid(row, col))
        return FALSE;
    m_selection.SetCellState(CCellCoord(row, col), state);
    RedrawGridCell(CCellCoord(row, col), false);
    return TRUE;
}

WORD CGridCtrl::GetItemState(int row, int col) const
{
    const CGridCell* cell = m_store.GetCell(row, col);
    return cell ? cell->nState : 0;
}

BOOL CGridCtrl::IsCellEditable(int row, int col) const
{
    const CGridCell* cell = m_store.GetCell(row, col);
    return m_bEditable && cell && !m_store.IsFixed(row, col) && !(cell->nState & CIS_READONLY);
}

BOOL CGridCtrl::SetItem(const CGridCellItem* item)
{
    CGridCell* cell = item ? m_store.GetCell(item->row, item->col) : nullptr;
    if (!cell)
        return FALSE;
    if (item->mask & CIM_TEXT)
        cell->strText = item->text;
    if (item->mask & CIM_IMAGE)
        cell->nImage = item->image;
    if (item->mask & kGridItemParam)
        cell->lParam = item->param;
    if (item->mask & CIM_STATE)
        m_selection.SetCellState(CCellCoord(item->row, item->col), item->state);
    if (item->mask & CIM_BKCOLOR)
        cell->font.crBackground = item->font.crBackground;
    if (item->mask & CIM_TEXTCOLOR)
        cell->font.crText = item->font.crText;
    if (item->mask & CIM_FORMAT)
        cell->nFormat = item->format;
    if (item->mask & CIM_FONT) {
        cell->font.font = item->font.font;
        cell->font.bTransparent = item->font.bTransparent;
    }
    std::copy(std::begin(item->values), std::end(item->values), cell->values);
    RedrawGridCell(CCellCoord(item->row, item->col), false);
    return TRUE;
}

BOOL CGridCtrl::GetItem(CGridCellItem* item) const
{
    const CGridCell* cell = item ? m_store.GetCell(item->row, item->col) : nullptr;
    if (!cell)
        return FALSE;
    if (item->mask & CIM_TEXT)
        item->text = GetItemText(item->row, item->col);
    if (item->mask & CIM_IMAGE)
        item->image = cell->nImage;
    if (item->mask & kGridItemParam)
        item->param = cell->lParam;
    if (item->mask & CIM_STATE)
        item->state = cell->nState;
    if (item->mask & CIM_BKCOLOR)
        item->font.crBackground = cell->font.crBackground;
    if (item->mask & CIM_TEXTCOLOR)
        item->font.crText = cell->font.crText;
    if (item->mask & CIM_FORMAT)
        item->format = cell->nFormat;
    if (item->mask & CIM_FONT) {
        item->font.font = cell->font.font;
        item->font.bTransparent = cell->font.bTransparent;
    }
    std::copy(std::begin(cell->values), std::end(cell->values), item->values);
    return TRUE;
}

// ---- the owner ----

LRESULT CGridCtrl::SendMessageToParent(int row, int col, int code) const
{
    return SendCellNotify(m_hWnd, row, col, code);
}
