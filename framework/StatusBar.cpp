#include "framework/StatusBar.h"

#include "framework/CDC.h"

#include <commctrl.h>

#include <algorithm>

namespace {

struct Indicator
{
    UINT id;
    int virtualKey;
    const char* text;
};

const Indicator kIndicators[] = {
    {CStatusBar::kIndicatorCaps, VK_CAPITAL, "大写"},
    {CStatusBar::kIndicatorNum, VK_NUMLOCK, "数字"},
    {CStatusBar::kIndicatorScroll, VK_SCROLL, "滚动"},
};

// Room around an indicator's text.
constexpr int kPanePadding = 12;

int TextWidth(HWND bar, const CString& text)
{
    CClientDC dc(bar);
    CSelectObject font(dc, reinterpret_cast<HFONT>(::SendMessageW(bar, WM_GETFONT, 0, 0)));
    return dc.GetTextExtent(text).cx;
}

} // namespace

const char CStatusBar::kIdleMessage[] = "就绪";

bool CStatusBar::Create(HWND parent, UINT id, bool sizeGrip)
{
    m_sizeGrip = sizeGrip;
    const DWORD style = WS_CHILD | WS_VISIBLE | CCS_BOTTOM | (sizeGrip ? SBARS_SIZEGRIP : 0);
    return CreateEx(0, STATUSCLASSNAMEW, L"", style, CRect(0, 0, 0, 0), parent, id);
}

bool CStatusBar::SetIndicators(std::span<const UINT> ids)
{
    std::vector<Pane> panes;
    for (UINT id : ids) {
        if (id == kSeparator) {
            panes.push_back({id, 0, CString()});
            continue;
        }
        const auto* known = std::find_if(std::begin(kIndicators), std::end(kIndicators),
                                         [id](const Indicator& indicator) { return indicator.id == id; });
        if (known == std::end(kIndicators))
            return false;
        panes.push_back({id, known->virtualKey, CString(known->text)});
    }
    m_panes = std::move(panes);
    RECT parent{};
    ::GetClientRect(GetParent(), &parent);
    Place(parent.right);
    for (int i = 0; i < GetPaneCount(); ++i)
        if (m_panes[size_t(i)].virtualKey == 0)
            SetPaneText(i, kIdleMessage);
    UpdateIndicators();
    return true;
}

CString CStatusBar::GetPaneText(int index) const
{
    const int length = LOWORD(SendMessage(SB_GETTEXTLENGTHW, WPARAM(index)));
    std::wstring text(size_t(length) + 1, L'\0');
    SendMessage(SB_GETTEXTW, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    return CString::FromWide(text.c_str());
}

void CStatusBar::SetPaneText(int index, const CString& text) const
{
    if (GetPaneText(index) == text)
        return;
    const std::wstring wide = text.ToWide();
    SendMessage(SB_SETTEXTW, WPARAM(index), reinterpret_cast<LPARAM>(wide.c_str()));
}

void CStatusBar::SetMessageText(const CString& text) const
{
    for (int i = 0; i < GetPaneCount(); ++i)
        if (m_panes[size_t(i)].virtualKey == 0) {
            SetPaneText(i, text.IsEmpty() ? CString(kIdleMessage) : text);
            return;
        }
}

void CStatusBar::UpdateIndicators() const
{
    for (int i = 0; i < GetPaneCount(); ++i) {
        const Pane& pane = m_panes[size_t(i)];
        if (pane.virtualKey != 0)
            SetPaneText(i, (::GetKeyState(pane.virtualKey) & 1) ? pane.text : CString());
    }
}

int CStatusBar::Place(int width) const
{
    SendMessage(WM_SIZE, 0, 0);
    // From the right: each indicator as wide as its text, the grip beside the last one; the
    // message pane ends where the indicators begin.
    std::vector<int> edges(m_panes.size());
    int right = width - (m_sizeGrip ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
    for (size_t i = m_panes.size(); i-- > 0;) {
        edges[i] = i + 1 == m_panes.size() ? -1 : std::max(0, right);
        if (m_panes[i].virtualKey != 0)
            right -= TextWidth(m_hWnd, m_panes[i].text) + kPanePadding;
    }
    if (!edges.empty())
        SendMessage(SB_SETPARTS, WPARAM(edges.size()), reinterpret_cast<LPARAM>(edges.data()));
    return GetWindowRect().Height();
}

CStatusBar* CStatusBar::Of(HWND frame, UINT id)
{
    return dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(::GetDlgItem(frame, int(id))));
}
