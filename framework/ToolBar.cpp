#include "framework/ToolBar.h"

#include "framework/CommandText.h"
#include "framework/DragLoop.h"
#include "framework/StatusBar.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace {

constexpr DWORD kBarStyles = CBRS_ALIGN_ANY | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC;
// A band across is never thinner than a combo box on the bar needs.
constexpr int kMinimumAcross = 26;
// Room beside the buttons of a bar standing upright.
constexpr int kUprightMargin = 4;

HINSTANCE InstanceOf(HWND window)
{
    return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

// The rubber band of a dragged bar: a two-pixel frame inverted on the frame's window, so drawing
// it again takes it away.
class DragFeedback
{
public:
    explicit DragFeedback(HWND frame) : m_frame(frame) {}
    ~DragFeedback() { Hide(); }
    DragFeedback(const DragFeedback&) = delete;
    DragFeedback& operator=(const DragFeedback&) = delete;

    void Show(const CRect& screenRect)
    {
        if (m_shown && screenRect == m_rect)
            return;
        Hide();
        m_rect = screenRect;
        Invert();
        m_shown = true;
    }
    void Hide()
    {
        if (m_shown)
            Invert();
        m_shown = false;
    }

private:
    void Invert() const
    {
        RECT window{};
        ::GetWindowRect(m_frame, &window);
        CRect band = m_rect;
        band.OffsetRect(-window.left, -window.top);
        HDC dc = ::GetDCEx(m_frame, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
        const int edge = std::min<int>(2, std::min(band.Width(), band.Height()) / 2);
        ::PatBlt(dc, band.left, band.top, band.Width(), edge, DSTINVERT);
        ::PatBlt(dc, band.left, band.bottom - edge, band.Width(), edge, DSTINVERT);
        ::PatBlt(dc, band.left, band.top + edge, edge, band.Height() - 2 * edge, DSTINVERT);
        ::PatBlt(dc, band.right - edge, band.top + edge, edge, band.Height() - 2 * edge, DSTINVERT);
        ::ReleaseDC(m_frame, dc);
    }

    HWND m_frame;
    CRect m_rect;
    bool m_shown = false;
};

} // namespace

DWORD AlignOfDockSide(DockSide side)
{
    switch (side) {
    case DockSide::Top:
        return CBRS_ALIGN_TOP;
    case DockSide::Bottom:
        return CBRS_ALIGN_BOTTOM;
    case DockSide::Left:
        return CBRS_ALIGN_LEFT;
    default:
        return CBRS_ALIGN_RIGHT;
    }
}

bool CToolBar::CreateEx(HWND parent, DWORD ctrlStyle, DWORD style, UINT id)
{
    m_barStyle = style & kBarStyles;
    DWORD windowStyle = (style & ~kBarStyles) | ctrlStyle | WS_CLIPCHILDREN | CCS_NORESIZE |
                        CCS_NOPARENTALIGN | CCS_NODIVIDER;
    if (m_barStyle & CBRS_TOOLTIPS)
        windowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEW, L"", windowStyle, CRect(0, 0, 0, 0), parent, id))
        return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    // The gripper's strip is taken from the client area once the bar is ours.
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    return true;
}

bool CToolBar::SetButtons(std::span<const UINT> ids, UINT bitmapId)
{
    int image = 0;
    std::vector<TBBUTTON> buttons;
    for (UINT id : ids) {
        TBBUTTON button{};
        if (id == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = int(id);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(button);
    }
    // The pictures' grey is their transparent colour, whatever the system's button face is.
    if (!m_images.Create(bitmapId, 16, 0, RGB(192, 192, 192)))
        return false;
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.GetSafeHandle()));
    return SendMessage(TB_ADDBUTTONSW, WPARAM(buttons.size()), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

CRect CToolBar::MakePlaceholder(int index, int width)
{
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE;
    info.fsStyle = BTNS_SEP;
    SendMessage(TB_SETBUTTONINFOW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
    SetSeparatorWidth(index, width);
    m_placeholders.push_back({index, width});
    return GetItemRect(index);
}

void CToolBar::SetSeparatorWidth(int index, int width) const
{
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_SIZE | TBIF_IMAGE;
    info.cx = WORD(width);
    info.iImage = width; // a separator's image is its width
    SendMessage(TB_SETBUTTONINFOW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
}

void CToolBar::SetButtonInfo(int index, UINT id, BYTE style, int image)
{
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_COMMAND | TBIF_IMAGE;
    info.idCommand = int(id);
    info.fsStyle = style;
    info.iImage = image;
    SendMessage(TB_SETBUTTONINFOW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
}

CRect CToolBar::GetItemRect(int index) const
{
    RECT rect{};
    SendMessage(TB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&rect));
    return CRect(rect);
}

int CToolBar::CommandToIndex(UINT id) const
{
    return int(SendMessage(TB_COMMANDTOINDEX, WPARAM(id)));
}

int CToolBar::ButtonCount() const
{
    return int(SendMessage(TB_BUTTONCOUNT));
}

void CToolBar::ChangeItemState(int index, BYTE set, BYTE clear) const
{
    TBBUTTON button{};
    SendMessage(TB_GETBUTTON, WPARAM(index), reinterpret_cast<LPARAM>(&button));
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_STATE;
    info.fsState = BYTE((button.fsState & ~clear) | set);
    SendMessage(TB_SETBUTTONINFOW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
}

void CToolBar::SetVertical(bool vertical)
{
    if (vertical == m_vertical)
        return;
    m_vertical = vertical;
    const int count = ButtonCount();
    if (vertical) {
        // The controls do not fit a column: their places go, and so does every separator that
        // would then have no button above it.
        bool buttonAbove = false;
        for (int i = 0; i < count; ++i) {
            TBBUTTON button{};
            SendMessage(TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&button));
            const bool placeholder = std::any_of(m_placeholders.begin(), m_placeholders.end(),
                                                 [i](const Placeholder& p) { return p.index == i; });
            const bool separator = (button.fsStyle & BTNS_SEP) != 0;
            if (placeholder || (separator && !buttonAbove)) {
                if (!(button.fsState & TBSTATE_HIDDEN)) {
                    ChangeItemState(i, TBSTATE_HIDDEN, 0);
                    m_hiddenInColumn.push_back(i);
                }
            } else {
                buttonAbove = !separator;
            }
            ChangeItemState(i, TBSTATE_WRAP, 0);
        }
    } else {
        for (int i = 0; i < count; ++i)
            ChangeItemState(i, 0, TBSTATE_WRAP);
        for (int i : m_hiddenInColumn)
            ChangeItemState(i, 0, TBSTATE_HIDDEN);
        m_hiddenInColumn.clear();
    }
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::ShowWindow(child, vertical ? SW_HIDE : SW_SHOWNA);
    ModifyStyle(vertical ? 0 : CCS_VERT, vertical ? CCS_VERT : 0);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    Invalidate();
}

int CToolBar::DockedThickness(bool vertical) const
{
    const DWORD size = DWORD(SendMessage(TB_GETBUTTONSIZE));
    if (!vertical)
        return std::max<int>(HIWORD(size) + kUprightMargin, kMinimumAcross);
    // As wide as the widest button (one with a drop-down arrow is wider than the others).
    int widest = LOWORD(size);
    for (int i = 0; i < ButtonCount(); ++i) {
        TBBUTTON button{};
        SendMessage(TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&button));
        if (!(button.fsStyle & BTNS_SEP) && !(button.fsState & TBSTATE_HIDDEN))
            widest = std::max<int>(widest, GetItemRect(i).Width());
    }
    return widest + kUprightMargin;
}

CRect CToolBar::GripperRect() const
{
    if (!(m_barStyle & CBRS_GRIPPER))
        return CRect();
    const CRect window = GetWindowRect();
    return m_vertical ? CRect(0, 0, window.Width(), kGripperSize)
                      : CRect(0, 0, kGripperSize, window.Height());
}

void CToolBar::DrawGripper() const
{
    const CRect strip = GripperRect();
    if (strip.IsRectEmpty())
        return;
    HDC dc = ::GetWindowDC(m_hWnd);
    ::FillRect(dc, &strip, ::GetSysColorBrush(COLOR_BTNFACE));
    // A raised ridge along the bar.
    RECT ridge = m_vertical ? RECT{strip.left + 2, strip.top + 2, strip.right - 2, strip.top + 5}
                            : RECT{strip.left + 2, strip.top + 2, strip.left + 5, strip.bottom - 2};
    ::DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
    ::ReleaseDC(m_hWnd, dc);
}

void CToolBar::AnswerTip(NMTTDISPINFOW& info)
{
    if (info.uFlags & TTF_IDISHWND)
        return;
    m_tip = LoadCommandText(InstanceOf(m_hWnd), UINT(info.hdr.idFrom)).tip.ToWide();
    info.lpszText = m_tip.data();
    info.szText[0] = L'\0';
    info.hinst = nullptr;
}

void CToolBar::ShowFlyBy(UINT command)
{
    if (command == m_flyByCommand)
        return;
    m_flyByCommand = command;
    if (CStatusBar* status = CStatusBar::Of(GetParent(), CStatusBar::kStandardId))
        status->SetMessageText(command ? LoadCommandText(InstanceOf(m_hWnd), command).prompt : CString());
}

void CToolBar::TrackDrag(POINT start)
{
    auto* site = dynamic_cast<CDockSite*>(FromHandlePermanent(GetParent()));
    if (!site)
        return;
    ShowFlyBy(0);
    SetCapture();
    POINT point = start;
    bool released = false;
    {
        DragFeedback feedback(GetParent());
        released = RunDragLoop(
            m_hWnd,
            [&](const MSG& msg) {
                point = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
                ::ClientToScreen(m_hWnd, &point);
                if (msg.message == WM_MOUSEMOVE)
                    feedback.Show(site->DockFeedback(*this, point));
            },
            [&](const MSG& msg) {
                // Whatever paints meanwhile must not paint over the band, nor leave it behind.
                feedback.Hide();
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            });
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (released)
        site->DockAt(*this, point);
}

LRESULT CToolBar::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_NCCALCSIZE: {
        const LRESULT result = Default();
        if (m_barStyle & CBRS_GRIPPER) {
            RECT& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0];
            (m_vertical ? client.top : client.left) += kGripperSize;
        }
        return result;
    }
    case WM_NCPAINT:
        Default();
        DrawGripper();
        return 0;
    case WM_NCHITTEST: {
        POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        const CRect window = GetWindowRect();
        point.x -= window.left;
        point.y -= window.top;
        if (GripperRect().PtInRect(point))
            return HTCAPTION;
        return Default();
    }
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCAPTION) {
            ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32646))); // IDC_SIZEALL
            return TRUE;
        }
        return Default();
    case WM_NCLBUTTONDOWN:
        if (wp == HTCAPTION) {
            TrackDrag({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        }
        return Default();
    case WM_NCLBUTTONDBLCLK:
        // No window of its own to float in: the bar stays docked.
        return wp == HTCAPTION ? 0 : Default();
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->code == TTN_GETDISPINFOW && (m_barStyle & CBRS_TOOLTIPS)) {
            AnswerTip(*reinterpret_cast<NMTTDISPINFOW*>(lp));
            return 0;
        }
        return Default();
    }
    case WM_MOUSEMOVE:
        if (m_barStyle & CBRS_FLYBY) {
            const POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            const int index = int(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
            TBBUTTON button{};
            if (index >= 0)
                SendMessage(TB_GETBUTTON, WPARAM(index), reinterpret_cast<LPARAM>(&button));
            ShowFlyBy(index >= 0 && !(button.fsStyle & BTNS_SEP) ? UINT(button.idCommand) : 0);
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&track);
        }
        return Default();
    case WM_MOUSELEAVE:
        ShowFlyBy(0);
        return Default();
    default:
        return CWnd::WindowProc(msg, wp, lp);
    }
}
