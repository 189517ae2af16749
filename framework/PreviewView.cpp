#include "framework/PreviewView.h"

#include "framework/CDC.h"
#include "framework/MemoryDC.h"

namespace {

const wchar_t kPreviewClass[] = L"NorvakPreviewView";
constexpr int kBarHeight = 28;
constexpr int kButtonWidth = 72;
constexpr int kGap = 12;

struct Button
{
    UINT id;
    const char* text;
};
const Button kButtons[] = {
    {CPreviewView::kPrint, "打印(&P)"},
    {CPreviewView::kNextPage, "下一页(&N)"},
    {CPreviewView::kPreviousPage, "上一页(&V)"},
    {CPreviewView::kClose, "关闭(&C)"},
};

} // namespace

bool CPreviewView::Create(HWND parent, UINT id, IPreviewSource* source)
{
    m_pSource = source;
    RegisterWindowClass(kPreviewClass, CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    if (!CreateEx(0, kPreviewClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
                  parent, id))
        return false;
    for (const Button& button : kButtons)
        ::CreateWindowExW(0, L"BUTTON", CString(button.text).ToWide().c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                          0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(button.id)), nullptr, nullptr);
    LayOutButtons();
    UpdateButtons();
    return true;
}

void CPreviewView::SetCurrentPage(int page)
{
    const int count = m_pSource ? m_pSource->PreviewPageCount() : 0;
    m_nCurrentPage = std::clamp(page, 1, std::max(1, count));
    UpdateButtons();
    Invalidate(false);
}

void CPreviewView::LayOutButtons() const
{
    int x = 4;
    for (const Button& button : kButtons) {
        ::MoveWindow(GetDlgItem(int(button.id)), x, 3, kButtonWidth, kBarHeight - 6, TRUE);
        x += kButtonWidth + 4;
    }
}

void CPreviewView::UpdateButtons() const
{
    const int count = m_pSource ? m_pSource->PreviewPageCount() : 0;
    ::EnableWindow(GetDlgItem(kNextPage), m_nCurrentPage < count);
    ::EnableWindow(GetDlgItem(kPreviousPage), m_nCurrentPage > 1);
}

CRect CPreviewView::PageRect() const
{
    CRect area = GetClientRect();
    area.top += kBarHeight;
    area.DeflateRect(kGap, kGap);
    HDC printer = m_pSource ? m_pSource->PreviewPrinterDC() : nullptr;
    if (!printer || area.IsRectEmpty())
        return CRect();
    // The paper's shape in inches, scaled to fit the area.
    const double width = double(::GetDeviceCaps(printer, HORZRES)) / std::max(1, ::GetDeviceCaps(printer, LOGPIXELSX));
    const double height = double(::GetDeviceCaps(printer, VERTRES)) / std::max(1, ::GetDeviceCaps(printer, LOGPIXELSY));
    if (width <= 0 || height <= 0)
        return CRect();
    const double scale = std::min(area.Width() / width, area.Height() / height);
    const int w = int(width * scale);
    const int h = int(height * scale);
    const int left = area.left + (area.Width() - w) / 2;
    const int top = area.top + (area.Height() - h) / 2;
    return CRect(left, top, left + w, top + h);
}

void CPreviewView::Paint(HDC target)
{
    const CRect client = GetClientRect();
    CMemoryDC dc(target, client.Size());
    dc.FillSolidRect(client, ::GetSysColor(COLOR_APPWORKSPACE));
    dc.FillSolidRect(CRect(0, 0, client.right, kBarHeight), ::GetSysColor(COLOR_BTNFACE));
    const CRect page = PageRect();
    HDC printer = m_pSource ? m_pSource->PreviewPrinterDC() : nullptr;
    if (page.IsRectEmpty() || !printer)
        return;
    dc.FillSolidRect(page, RGB(255, 255, 255));
    HDC metaDc = ::CreateEnhMetaFileW(printer, nullptr, nullptr, nullptr);
    if (!metaDc)
        return;
    m_pSource->DrawPreviewPage(metaDc, m_nCurrentPage);
    HENHMETAFILE picture = ::CloseEnhMetaFile(metaDc);
    if (!picture)
        return;
    // The picture's frame is the whole paper: its device size in 0.01 mm.
    ENHMETAHEADER header{};
    ::GetEnhMetaFileHeader(picture, sizeof header, &header);
    RECT frame = page;
    {
        CClipGuard clip(dc);
        dc.IntersectClipRect(page);
        const int paperWidth = ::MulDiv(::GetDeviceCaps(printer, HORZRES), 2540, std::max(1, ::GetDeviceCaps(printer, LOGPIXELSX)));
        const int paperHeight = ::MulDiv(::GetDeviceCaps(printer, VERTRES), 2540, std::max(1, ::GetDeviceCaps(printer, LOGPIXELSY)));
        const double sx = double(page.Width()) / std::max(1, paperWidth);
        const double sy = double(page.Height()) / std::max(1, paperHeight);
        frame.left = page.left + int(header.rclFrame.left * sx);
        frame.top = page.top + int(header.rclFrame.top * sy);
        frame.right = page.left + int(header.rclFrame.right * sx);
        frame.bottom = page.top + int(header.rclFrame.bottom * sy);
        ::PlayEnhMetaFile(dc, picture, &frame);
    }
    ::DeleteEnhMetaFile(picture);
    CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
    dc.Rectangle(CRect(page.left - 1, page.top - 1, page.right + 1, page.bottom + 1));
}

void CPreviewView::OnCommand(UINT id)
{
    if (!m_pSource)
        return;
    switch (id) {
    case kNextPage:
        SetCurrentPage(m_nCurrentPage + 1);
        break;
    case kPreviousPage:
        SetCurrentPage(m_nCurrentPage - 1);
        break;
    case kPrint:
        m_pSource->OnPreviewPrint();
        break;
    case kClose:
        m_pSource->OnPreviewClose();
        break;
    default:
        break;
    }
}

LRESULT CPreviewView::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(m_hWnd, &ps);
        Paint(dc);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_SIZE:
        LayOutButtons();
        Invalidate(false);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) {
            OnCommand(LOWORD(wp));
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wp, lp);
}
