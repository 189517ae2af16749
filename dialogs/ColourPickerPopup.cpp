#include "dialogs/ColourPickerPopup.h"

#include "dialogs/ColourPicker.h"
#include "dialogs/PickerColours.h"
#include "dialogs/PickerMessages.h"
#include "drawing/CFillPainter.h"
#include "drawing/CPenMaker.h"
#include "framework/CommonDialogs.h"
#include "framework/MemoryDC.h"
#include "framework/OleModule.h"
#include "resources/NorvakResource.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr UINT_PTR kAnimationTimer = 0;
constexpr int kLineStyleRows = 15;
constexpr int kLineWidthRows = 5;
constexpr std::array<UINT, 5> kAnimationFrames = {IDB_LINE_BACKGROUND, IDB_LINE_FRAME_1, IDB_LINE_FRAME_2,
                                                  IDB_LINE_FRAME_3, IDB_LINE_FRAME_4};
constexpr COLORREF kHighlight = RGB(239, 186, 219);

const auto& kColours = PickerColours::kPopup;

CFont MessageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    CFont font;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font.Attach(::CreateFontIndirectW(&metrics.lfMessageFont));
    return font;
}

HPALETTE CreateColourPalette()
{
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + kColours.size() * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = WORD(kColours.size());
    for (size_t i = 0; i < kColours.size(); ++i) {
        const COLORREF c = kColours[i].colour;
        palette->palPalEntry[i] = PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), 0};
    }
    return ::CreatePalette(palette);
}

int ChosenIndexFor(COLORREF colour, bool hasDefault, bool hasCustom)
{
    if (colour == kColourDefault && hasDefault)
        return CColourPopupGrid::kDefault;
    const int index = PickerColours::IndexOf(kColours, colour);
    if (index >= 0)
        return index;
    return hasCustom ? CColourPopupGrid::kCustom : CColourPopupGrid::kNone;
}

bool IsMouseMessage(UINT msg)
{
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}

} // namespace

bool CColourPickerPopup::IsLineMode() const
{
    return m_nMode == CColourPicker::LineStyles || m_nMode == CColourPicker::LineWidths;
}

bool CColourPickerPopup::Create(POINT topLeft, COLORREF initial, CColourPicker* picker, int mode,
                                const CString& defaultText, const CString& customText, int value)
{
    if (!picker || !RegisterWindowClass(kClassName, CS_SAVEBITS | CS_CLASSDC | CS_HREDRAW | CS_VREDRAW, nullptr,
                                        static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH))))
        return false;
    m_pPicker = picker;
    m_hPicker = picker->GetSafeHwnd();
    m_nMode = mode;
    m_crInitial = m_crCurrent = initial;
    m_strDefaultText = defaultText;
    m_strCustomText = customText;
    m_font = MessageFont();
    m_palette.Attach(CreateColourPalette());
    const CRect button = picker->GetWindowRect();
    if (IsLineMode()) {
        m_nValueRow = m_nHoverRow = value;
        m_background.LoadBitmap(IDB_LINE_BACKGROUND, OleModule::Instance());
        m_frameBitmap.LoadBitmap(IDB_LINE_BACKGROUND, OleModule::Instance());
    }
    const CRect window = IsLineMode() ? PlaceLineList(topLeft, button) : PlaceColourGrid(topLeft, button);
    if (!CreateEx(0, kClassName, L"", WS_POPUP | WS_VISIBLE, window, m_hPicker, 0))
        return false;
    if (IsLineMode())
        m_lines.emplace(mode == CColourPicker::LineStyles ? kLineStyleRows : kLineWidthRows,
                        mode == CColourPicker::LineStyles ? 16 : 20, GetClientRect().Width());
    if (mode == CColourPicker::LineStyles)
        SetTimer(kAnimationTimer, 800);
    AddTooltips();
    SetCapture();
    return true;
}

CRect CColourPickerPopup::PlaceColourGrid(POINT topLeft, const CRect& button)
{
    CColourPopupGrid::Metrics metrics;
    metrics.count = int(kColours.size());
    metrics.cellSize = std::max(18, 2 * ::GetSystemMetrics(SM_CXEDGE) + 7);
    metrics.margin = ::GetSystemMetrics(SM_CXEDGE);
    metrics.hasDefault = !m_strDefaultText.IsEmpty();
    metrics.hasCustom = !m_strCustomText.IsEmpty();
    {
        CDC screen(::GetDC(nullptr));
        CSelectObject font(screen, m_font.GetSafeHandle());
        for (const CString* text : {&m_strDefaultText, &m_strCustomText}) {
            if (text->IsEmpty())
                continue;
            const CSize extent = screen.GetTextExtent(*text);
            metrics.textWidth = std::max<int>(metrics.textWidth, extent.cx);
            metrics.textHeight = std::max<int>(metrics.textHeight, extent.cy);
        }
        ::ReleaseDC(nullptr, screen.Detach());
    }
    m_grid.emplace(metrics);
    m_nChosen = ChosenIndexFor(m_crInitial, metrics.hasDefault, metrics.hasCustom);
    const CRect window(topLeft, m_grid->WindowSize());
    return KeepPopupOnScreen(window, button,
                             CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
}

CRect CColourPickerPopup::PlaceLineList(POINT topLeft, const CRect& button) const
{
    const int height = m_nMode == CColourPicker::LineStyles ? 260 : 120;
    const CRect window(topLeft.x, topLeft.y, std::max<LONG>(button.right, topLeft.x + 1), topLeft.y + height);
    return KeepPopupOnScreen(window, button,
                             CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
}

void CColourPickerPopup::AddTooltips()
{
    if (m_nMode == CColourPicker::LineWidths || !m_tooltip.Create(m_hWnd))
        return;
    if (m_grid) {
        for (int i = 0; i < m_grid->Count(); ++i)
            m_tooltip.AddTool(m_hWnd, kColours[size_t(i)].name, m_grid->CellRect(i), UINT_PTR(i) + 1);
    } else if (m_lines) {
        for (int row = 0; row < m_lines->Count(); ++row)
            m_tooltip.AddTool(m_hWnd, CPenMaker::StyleName(row), m_lines->RowRect(row), UINT_PTR(row) + 1);
    }
    m_tooltip.Activate(true);
}

bool CColourPickerPopup::PreTranslateMessage(MSG* msg)
{
    m_tooltip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

void CColourPickerPopup::RelayToTooltip(UINT msg, WPARAM wp, LPARAM lp)
{
    // The popup lives outside the modal loop's window tree, so it relays its own mouse messages.
    if (!m_tooltip.GetSafeHwnd() || !IsMouseMessage(msg))
        return;
    MSG relayed{m_hWnd, msg, wp, lp, DWORD(::GetMessageTime()), {}};
    ::GetCursorPos(&relayed.pt);
    m_tooltip.RelayEvent(&relayed);
}

LRESULT CColourPickerPopup::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    RelayToTooltip(msg, wp, lp);
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSEMOVE:
        OnMouseMove(CPoint::FromLParam(lp));
        return 0;
    case WM_LBUTTONUP: {
        Default();
        CPoint point = CPoint::FromLParam(lp);
        ClientToScreen(point);
        EndSelection(GetWindowRect().PtInRect(point) ? WM_COLOURPICKER_CHOSEN : WM_COLOURPICKER_CANCEL);
        return 0;
    }
    case WM_KEYDOWN:
        OnKeyDown(UINT(wp));
        return 0;
    case WM_TIMER:
        if (wp == kAnimationTimer)
            OnAnimationTimer();
        return 0;
    case WM_QUERYNEWPALETTE:
        Invalidate();
        break;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wp) != m_hWnd) {
            const LRESULT result = Default();
            Invalidate();
            return result;
        }
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = Default();
        if (HasCapture())
            ::ReleaseCapture();
        return result;
    }
    case WM_ACTIVATEAPP: {
        const LRESULT result = Default();
        if (!wp)
            EndSelection(WM_COLOURPICKER_CANCEL);
        return result;
    }
    default:
        break;
    }
    return CWnd::WindowProc(msg, wp, lp);
}

void CColourPickerPopup::PostNcDestroy()
{
    if (m_pPicker && ::IsWindow(m_hPicker))
        m_pPicker->PopupDestroyed();
    delete this;
}

void CColourPickerPopup::OnPaint()
{
    PAINTSTRUCT ps;
    HDC target = ::BeginPaint(m_hWnd, &ps);
    {
        const CRect client = GetClientRect();
        CMemoryDC dc(target, client.Size());
        if (m_grid)
            PaintColourGrid(dc);
        else
            PaintLineList(dc);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CColourPickerPopup::PaintColourGrid(CDC& dc)
{
    dc.Rectangle(GetClientRect());
    CSelectObject font(dc, m_font.GetSafeHandle());
    if (m_grid->HasDefault())
        PaintTextBox(dc, m_grid->DefaultBox(), m_strDefaultText, CColourPopupGrid::kDefault, true);
    for (int i = 0; i < m_grid->Count(); ++i)
        PaintCell(dc, i);
    if (m_grid->HasCustom()) {
        const CRect box = m_grid->CustomBox();
        const int m = ::GetSystemMetrics(SM_CXEDGE);
        CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CPen highlight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        for (auto [pen, y] : {std::pair{&shadow, box.top}, std::pair{&highlight, box.top + 1}}) {
            CSelectObject select(dc, pen->GetSafeHandle());
            dc.MoveTo(box.left + 2 * m, y);
            dc.LineTo(box.right - 2 * m, y);
        }
        PaintTextBox(dc, CRect(box.left, box.top + 2 * m, box.right, box.bottom), m_strCustomText,
                     CColourPopupGrid::kCustom, false);
    }
}

void CColourPickerPopup::PaintCell(CDC& dc, int index) const
{
    if (dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) {
        ::SelectPalette(dc, static_cast<HPALETTE>(m_palette.GetSafeHandle()), FALSE);
        ::RealizePalette(dc);
    }
    CRect cell = m_grid->CellRect(index);
    if (index == m_nHover || index == m_nChosen) {
        dc.FillSolidRect(cell, kHighlight);
        dc.FrameRect(cell, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    } else {
        dc.FillSolidRect(cell, RGB(255, 255, 255));
    }
    const int inset = ::GetSystemMetrics(SM_CXEDGE) + 1;
    cell.DeflateRect(inset, inset);
    const COLORREF c = kColours[size_t(index)].colour;
    CBrush brush(PALETTERGB(GetRValue(c), GetGValue(c), GetBValue(c)));
    CPen outline(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CSelectObject selectBrush(dc, brush.GetSafeHandle());
    CSelectObject selectPen(dc, outline.GetSafeHandle());
    dc.Rectangle(cell);
}

void CColourPickerPopup::PaintTextBox(CDC& dc, CRect box, const CString& text, int index, bool innerFrame) const
{
    const bool hover = index == m_nHover;
    const bool chosen = index == m_nChosen;
    dc.FillSolidRect(box, RGB(255, 255, 255));
    CRect inner = box;
    inner.DeflateRect(1, 1);
    dc.FillSolidRect(inner, chosen && !hover ? ::GetSysColor(COLOR_3DLIGHT) : RGB(255, 255, 255));
    if (innerFrame) {
        const int m = ::GetSystemMetrics(SM_CXEDGE);
        CRect frame = box;
        frame.DeflateRect(2 * m, 2 * m);
        CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CSelectObject pen(dc, shadow.GetSafeHandle());
        CSelectObject brush(dc, ::GetStockObject(NULL_BRUSH));
        dc.Rectangle(frame);
    }
    if (hover)
        dc.DrawEdge(&box, EDGE_RAISED, BF_RECT);
    else if (chosen)
        dc.DrawEdge(&box, EDGE_SUNKEN, BF_RECT);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(text, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CColourPickerPopup::PaintLineList(CDC& dc)
{
    const CRect client = GetClientRect();
    CFillPainter fill;
    fill.FillTextureRectFromHandle(&dc, client.left, client.top, client.right, client.bottom,
                                   static_cast<HBITMAP>(m_background.GetSafeHandle()));
    CDC frameDC;
    CBitmap frame;
    if (frameDC.CreateCompatibleDC(dc) && frame.CreateCompatibleBitmap(dc, client.Width(), client.Height())) {
        CSelectObject select(frameDC, frame.GetSafeHandle());
        fill.FillTextureRectFromHandle(&frameDC, client.left, client.top, client.right, client.bottom,
                                       static_cast<HBITMAP>(m_frameBitmap.GetSafeHandle()));
        // The animation frame is combined with the background, not copied over it.
        dc.BitBlt(0, 0, client.Width(), client.Height(), frameDC, 0, 0, SRCAND);
    }
    const int x0 = m_lines->SampleLeft();
    for (int row = 0; row < m_lines->Count(); ++row) {
        const CRect rect = m_lines->RowRect(row);
        if (row == m_nValueRow)
            fill.DrawGradient(&dc, rect.left, rect.top, rect.right, rect.bottom, RGB(150, 150, 150),
                              RGB(255, 255, 255), 0, 2);
        if (row == m_nHoverRow)
            dc.DrawFocusRect(rect);
        CPen pen;
        int y = rect.top + rect.Height() / 2;
        if (m_nMode == CColourPicker::LineStyles) {
            CPenMaker().CreateLinePen(pen, row, row >= 11 ? 16 : 1, RGB(0, 0, 0));
            y = rect.top + 8;
        } else {
            const LOGBRUSH grey{BS_SOLID, RGB(100, 100, 100), 0};
            pen.CreateExtPen(PS_GEOMETRIC | PS_ENDCAP_FLAT, DWORD(2 * row), &grey);
        }
        if (!pen.GetSafeHandle())
            continue;
        CSelectObject select(dc, pen.GetSafeHandle());
        dc.MoveTo(x0, y);
        dc.LineTo(x0 + CLinePopupRows::kSampleLength, y);
    }
}

void CColourPickerPopup::InvalidateIndex(int index)
{
    if (!m_grid)
        return;
    CRect rect = index == CColourPopupGrid::kDefault  ? m_grid->DefaultBox()
                 : index == CColourPopupGrid::kCustom ? m_grid->CustomBox()
                                                      : m_grid->CellRect(index);
    if (!rect.IsRectEmpty())
        InvalidateRect(&rect, false);
}

void CColourPickerPopup::InvalidateRow(int row)
{
    if (m_lines && row >= 0) {
        CRect rect = m_lines->RowRect(row);
        rect.InflateRect(1, 1);
        InvalidateRect(&rect, false);
    }
}

void CColourPickerPopup::OnMouseMove(POINT point)
{
    if (m_lines) {
        const int row = m_lines->RowAt(point);
        if (row >= 0 && row != m_nHoverRow) {
            InvalidateRow(m_nHoverRow);
            m_nHoverRow = row;
            InvalidateRow(row);
        }
        return;
    }
    const int index = m_grid->HitTest(point);
    if (index != CColourPopupGrid::kNone && index != m_nHover)
        ChangeSelection(index);
}

void CColourPickerPopup::ChangeSelection(int index)
{
    if (index >= m_grid->Count())
        index = CColourPopupGrid::kCustom;
    InvalidateIndex(m_nHover);
    m_nHover = index;
    InvalidateIndex(index);
    if (index == CColourPopupGrid::kDefault)
        m_crCurrent = kColourDefault;
    else if (index == CColourPopupGrid::kCustom)
        m_crCurrent = m_crInitial;
    else if (index >= 0)
        m_crCurrent = kColours[size_t(index)].colour;
    ::SendMessageW(m_hPicker, WM_COLOURPICKER_HIGHLIGHT, m_crCurrent, 0);
}

void CColourPickerPopup::OnKeyDown(UINT key)
{
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        EndSelection(WM_COLOURPICKER_CHOSEN);
        return;
    case VK_ESCAPE:
        m_crCurrent = m_crInitial;
        EndSelection(WM_COLOURPICKER_CANCEL);
        return;
    case VK_UP:
    case VK_DOWN:
        if (m_lines) {
            InvalidateRow(m_nHoverRow);
            m_nHoverRow = m_lines->Move(m_nHoverRow, key);
            InvalidateRow(m_nHoverRow);
            return;
        }
        ChangeSelection(m_grid->Move(m_nHover, key));
        return;
    case VK_LEFT:
    case VK_RIGHT:
        if (m_grid)
            ChangeSelection(m_grid->Move(m_nHover, key));
        return;
    default:
        Default();
        return;
    }
}

void CColourPickerPopup::OnAnimationTimer()
{
    m_nFrame = (m_nFrame + 1) % int(kAnimationFrames.size());
    m_frameBitmap.DeleteObject();
    m_frameBitmap.LoadBitmap(kAnimationFrames[size_t(m_nFrame)], OleModule::Instance());
    Invalidate(false);
}

void CColourPickerPopup::EndSelection(UINT message)
{
    if (m_bEnding)
        return;
    m_bEnding = true;
    if (HasCapture())
        ::ReleaseCapture();
    if (message == WM_COLOURPICKER_CANCEL) {
        m_crCurrent = m_crInitial;
    } else if (m_grid && m_nHover == CColourPopupGrid::kCustom) {
        ShowWindow(SW_HIDE);
        CColorDialog dialog(m_crInitial, CC_FULLOPEN | CC_ANYCOLOR, m_hWnd);
        m_crCurrent = dialog.DoModal() == IDOK ? dialog.GetColor() : m_crInitial;
    }
    LPARAM result = LPARAM(m_crCurrent);
    if (m_lines) {
        KillTimer(kAnimationTimer);
        result = m_nHoverRow;
    }
    const HWND self = m_hWnd;
    ::SendMessageW(m_hPicker, message, reinterpret_cast<WPARAM>(m_pPicker), result);
    // The picker's parent may have closed everything meanwhile, this popup included.
    if (::IsWindow(self))
        DestroyWindow();
}
