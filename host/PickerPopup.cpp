#include "host/PickerPopup.h"

#include "NorvakResource.h"
#include "framework/CommonDialogs.h"
#include "host/MainFrame.h"
#include "host/SelectedCells.h"
#include "host/model/BorderPlan.h"
#include "host/model/HostPalette.h"

#include <commctrl.h>

#include <utility>

namespace {

constexpr COLORREF kGridColour = 0xC0C0C0;

void FrameRect(HDC dc, const CRect& rect, COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FrameRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

} // namespace

CPickerPopup::CPickerPopup() = default;

CPickerPopup::~CPickerPopup()
{
    if (m_images)
        ::ImageList_Destroy(m_images);
}

bool CPickerPopup::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_images)
        m_images = ::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BORDER_PICTURES), 16, 0,
                                          kGridColour, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    return true;
}

void CPickerPopup::SetMode(PickerMode mode, int item)
{
    m_mode = mode;
    m_current = item;
    m_hot = kPickerNoItem;
    if (m_hWnd)
        Invalidate(false);
}

CRect CPickerPopup::HotRect(int item) const
{
    CRect rect = PickerItemRect(m_mode, item, GetClientRect());
    ::InflateRect(&rect, 5, 5);
    return rect;
}

void CPickerPopup::Choose(int item)
{
    if (m_mode == PickerMode::Borders) {
        if (item < 0 || item >= kBorderPictureCount)
            return;
        m_borderType = item;
    } else {
        COLORREF* target = m_mode == PickerMode::FillColour   ? &m_fillColour
                           : m_mode == PickerMode::TextColour ? &m_textColour
                                                              : &m_lineColour;
        if (item >= 0 && item < kHostPaletteSize) {
            *target = kHostPalette[size_t(item)];
        } else if (item == kPickerTopButton) {
            *target = m_mode == PickerMode::FillColour ? kNoFill : kAutomaticColour;
        } else if (item == kPickerBottomButton) {
            CColorDialog dialog(m_customColour, 0, m_hWnd);
            if (dialog.DoModal() != IDOK)
                return;
            *target = dialog.GetColor();
            m_customColour = *target;
        } else {
            return;
        }
    }
    Apply();
    if (m_hWnd)
        ShowWindow(SW_HIDE);
}

void CPickerPopup::Apply()
{
    if (CMainFrame* frame = HostMainFrame())
        if (CNorvak* control = frame->ActiveControl())
            ApplyTo(*control);
}

void CPickerPopup::ApplyTo(const CNorvak& control)
{
    const ActiveSelection selection = ReadActiveSelection(control);
    if (selection.bounds.Empty())
        return;
    if (m_mode == PickerMode::Borders) {
        ApplyBorders(control);
        return;
    }
    if (m_mode == PickerMode::LineColour)
        return; // the line colour is what the borders use
    ForEachSelectedCell(control, selection, [&](long row, long col) {
        CGridObjectDriver cell(control.DoGetGridObject(selection.page, row, col));
        if (m_mode == PickerMode::FillColour)
            cell.DoSetBkColor(m_fillColour);
        else
            cell.DoSetTextColor(m_textColour);
        return true;
    });
}

void CPickerPopup::ApplyBorders(const CNorvak& control)
{
    const ActiveSelection selection = ReadActiveSelection(control);
    CMainFrame* frame = HostMainFrame();
    const short style = short(BorderLineStyle(frame ? frame->m_lineStyleBox.GetCurSel() : -1));
    const short width = short(BorderLineWidth(frame ? frame->m_lineWidthBox.GetCurSel() : -1));
    auto selected = [&](long row, long col) { return control.DoGetPageGridIsSelected(selection.page, row, col); };
    ForEachSelectedCell(control, selection, [&](long row, long col) {
        CGridObjectDriver cell(control.DoGetGridObject(selection.page, row, col));
        const SelectedNeighbours neighbours{selected(row - 1, col), selected(row + 1, col), selected(row, col - 1),
                                            selected(row, col + 1)};
        for (const BorderEdit& edit : PlanCellBorders(m_borderType, neighbours)) {
            switch (edit.kind) {
            case BorderLine::Line:
                cell.SetLine(edit.horizontal, edit.side, style, width, m_lineColour);
                break;
            case BorderLine::Grid:
                cell.SetLine(edit.horizontal, edit.side, 1, 1, kGridColour);
                break;
            case BorderLine::None:
                cell.SetLine(edit.horizontal, edit.side, 0, width, m_lineColour);
                break;
            }
        }
        return true;
    });
}

void CPickerPopup::Paint()
{
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(m_hWnd, &paint);
    const CRect client = GetClientRect();
    HDC dc = ::CreateCompatibleDC(target);
    HBITMAP bitmap = ::CreateCompatibleBitmap(target, client.Width(), client.Height());
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (m_mode == PickerMode::Borders) {
        for (int item = 0; item < kBorderPictureCount; ++item) {
            const CRect rect = PickerItemRect(m_mode, item, client);
            if (m_images)
                ::ImageList_Draw(m_images, item, dc, rect.left, rect.top, ILD_TRANSPARENT);
        }
    } else {
        HFONT font = ::CreateFontW(-::MulDiv(10, ::GetDeviceCaps(target, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                   GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
        HGDIOBJ oldFont = ::SelectObject(dc, font);
        ::SetBkMode(dc, TRANSPARENT);
        const wchar_t* top = m_mode == PickerMode::FillColour ? L"不填充" : L"自动";
        for (auto [item, text] : {std::pair{kPickerTopButton, top}, std::pair{kPickerBottomButton, L"颜色..."}}) {
            CRect rect = PickerItemRect(m_mode, item, client);
            FrameRect(dc, rect, ::GetSysColor(COLOR_BTNSHADOW));
            ::DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        for (int item = 0; item < kHostPaletteSize; ++item) {
            const CRect rect = PickerItemRect(m_mode, item, client);
            HBRUSH brush = ::CreateSolidBrush(kHostPalette[size_t(item)]);
            ::FillRect(dc, &rect, brush);
            ::DeleteObject(brush);
            FrameRect(dc, rect, ::GetSysColor(COLOR_BTNSHADOW));
        }
        ::SelectObject(dc, oldFont);
        ::DeleteObject(font);
    }
    if (m_current != kPickerNoItem)
        FrameRect(dc, HotRect(m_current), ::GetSysColor(COLOR_HIGHLIGHT));
    if (m_hot != kPickerNoItem)
        FrameRect(dc, HotRect(m_hot), 0x000000);
    ::BitBlt(target, 0, 0, client.Width(), client.Height(), dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(m_hWnd, &paint);
}

LRESULT CPickerPopup::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_MOUSEMOVE: {
        const POINT point{short(LOWORD(lp)), short(HIWORD(lp))};
        int item = PickerItemAt(m_mode, point, GetClientRect());
        if (m_mode != PickerMode::Borders && item > kPickerBottomButton)
            item = kPickerNoItem;
        if (item != m_hot) {
            const CRect before = HotRect(m_hot);
            m_hot = item;
            const CRect after = HotRect(m_hot);
            InvalidateRect(&before, false);
            InvalidateRect(&after, false);
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        const POINT point{short(LOWORD(lp)), short(HIWORD(lp))};
        Choose(PickerItemAt(m_mode, point, GetClientRect()));
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE)
            ShowWindow(SW_HIDE);
        return Default();
    default:
        return CDialog::WindowProc(msg, wp, lp);
    }
}

bool CPickerPanel::Create(HWND parent, const RECT& rect, UINT id)
{
    RegisterWindowClass(L"CQuilmPickerPanel", 0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, L"CQuilmPickerPanel", L"", WS_CHILD, rect, parent, id);
}

LRESULT CPickerPanel::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_KILLFOCUS)
        ShowWindow(SW_HIDE);
    return CWnd::WindowProc(msg, wp, lp);
}
