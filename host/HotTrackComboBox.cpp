#include "host/HotTrackComboBox.h"

#include "framework/ComBoundary.h"
#include "host/QuilmApp.h"

#include <set>
#include <string>

namespace {

const UINT_PTR kHoverTimer = 1;

// Ends the enumeration when there is no memory for one more name.
int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names)
{
    return AtBoundary(0, [&] {
        reinterpret_cast<std::set<std::wstring>*>(names)->insert(font->lfFaceName);
        return 1;
    });
}

void Draw3dFrame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight)
{
    auto bar = [dc](int left, int top, int right, int bottom, COLORREF colour) {
        const RECT part{left, top, right, bottom};
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dc, &part, brush);
        ::DeleteObject(brush);
    };
    bar(r.left, r.top, r.right - 1, r.top + 1, topLeft);
    bar(r.left, r.top, r.left + 1, r.bottom - 1, topLeft);
    bar(r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
    bar(r.right - 1, r.top, r.right, r.bottom, bottomRight);
}

} // namespace

CHotTrackComboBox::~CHotTrackComboBox()
{
    if (m_font)
        ::DeleteObject(m_font);
}

bool CHotTrackComboBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!CComboBox::Create(style, rect, parent, id))
        return false;
    HDC screen = ::GetDC(nullptr);
    const int height = -::MulDiv(10, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    m_font = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
    SetFont(m_font);
    Fill();
    return true;
}

void CHotTrackComboBox::Fill()
{
    if (!m_fontNames) {
        for (const char* size : {"6", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28",
                                 "36", "48", "72"})
            AddString(size);
        return;
    }
    std::set<std::wstring> names;
    LOGFONTW any{};
    any.lfCharSet = DEFAULT_CHARSET;
    HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(screen, &any, &CollectFamily, reinterpret_cast<LPARAM>(&names), 0);
    ::ReleaseDC(nullptr, screen);
    for (const std::wstring& name : names) {
        CString text;
        text.Format("%s", CString::FromWide(name).GetString());
        AddString(text);
    }
}

void CHotTrackComboBox::AskToApply() const
{
    if (HWND main = HostMainWindow())
        ::SendMessageW(main, WM_USER + 1, 0, reinterpret_cast<LPARAM>(m_hWnd));
}

bool CHotTrackComboBox::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        AskToApply();
        FocusActiveView();
        return true;
    }
    return CComboBox::PreTranslateMessage(msg);
}

bool CHotTrackComboBox::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    if (msg == WM_COMMAND) {
        switch (HIWORD(wp)) {
        case CBN_SELCHANGE:
            AskToApply();
            *result = 0;
            return true;
        case CBN_DROPDOWN:
            DrawLook(Look::Sunken);
            break;
        case CBN_CLOSEUP:
            DrawLook(Look::Flat);
            break;
        default:
            break;
        }
    }
    return CComboBox::OnChildNotify(msg, wp, lp, result);
}

void CHotTrackComboBox::DrawLook(Look look)
{
    m_look = look;
    if (!m_hWnd)
        return;
    HDC dc = ::GetDC(m_hWnd);
    RECT rect = GetClientRect();
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    switch (look) {
    case Look::Flat:
        Draw3dFrame(dc, rect, face, face);
        break;
    case Look::Raised:
        Draw3dFrame(dc, rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        break;
    case Look::Sunken:
        Draw3dFrame(dc, rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        break;
    }
    ::ReleaseDC(m_hWnd, dc);
}

LRESULT CHotTrackComboBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: {
        const LRESULT result = Default();
        DrawLook(m_look);
        return result;
    }
    case WM_MOUSEMOVE:
    case WM_SETCURSOR:
        if (!m_tracking && m_look == Look::Flat) {
            m_tracking = true;
            DrawLook(Look::Raised);
            SetTimer(kHoverTimer, 100);
        }
        return Default();
    case WM_LBUTTONDOWN:
        KillTimer(kHoverTimer);
        m_tracking = false;
        DrawLook(Look::Sunken);
        return Default();
    case WM_TIMER:
        if (wp == kHoverTimer) {
            POINT cursor{};
            ::GetCursorPos(&cursor);
            const CRect window = GetWindowRect();
            if (!::PtInRect(&window, cursor)) {
                KillTimer(kHoverTimer);
                m_tracking = false;
                if (!SendMessage(CB_GETDROPPEDSTATE))
                    DrawLook(Look::Flat);
            }
            return 0;
        }
        return Default();
    default:
        return CComboBox::WindowProc(msg, wp, lp);
    }
}
