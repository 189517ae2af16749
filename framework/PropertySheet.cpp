#include "framework/PropertySheet.h"

#include "framework/CommonControls.h"
#include "framework/ModalUI.h"
#include "framework/OleModule.h"

namespace {

// The sheet PropertySheetW is making on this thread; its window reaches SheetCallback.
thread_local CPropertySheet* t_creatingSheet = nullptr;

} // namespace

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (!page)
        return;
    page->m_sheet = this;
    m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[size_t(index)] : nullptr;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return int(m_startPage);
    HWND shown = PropSheet_GetCurrentPageHwnd(m_hWnd);
    for (int i = 0; i < GetPageCount(); ++i) {
        if (shown && m_pages[size_t(i)]->m_hWnd == shown)
            return i;
    }
    return -1;
}

bool CPropertySheet::SetActivePage(int index) const
{
    return m_hWnd && GetPage(index) && PropSheet_SetCurSel(m_hWnd, nullptr, index);
}

HWND CPropertySheet::GetTabControl() const
{
    return m_hWnd ? PropSheet_GetTabControl(m_hWnd) : nullptr;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd || m_pages.empty())
        return -1;
    const std::wstring caption = m_caption.ToWide();
    const ModalRequest request{ModalRequest::PropertySheet, m_pages.front()->GetTemplateId(), nullptr, caption.c_str(),
                               0, m_parent, nullptr};
    const INT_PTR answer = ModalUI::Ask(request);
    if (answer != ModalRequest::Run)
        return answer;
    BeginModalState();
    m_lastButton = IDCANCEL;
    m_initialised = false;
    if (!CreateModeless(caption)) {
        ClearModalState();
        return -1;
    }
    if (!IsWindowVisible()) {
        InitialiseOnce();
        ShowWindow(SW_SHOW);
    }
    const INT_PTR result = ResultOfRun(ModalUI::RunModalWindow(*this, m_parent));
    DestroyWindow();
    return result;
}

bool CPropertySheet::CreateModeless(const std::wstring& caption)
{
    EnsureCommonControls();
    std::vector<PROPSHEETPAGEW> pages;
    for (CPropertyPage* page : m_pages)
        pages.push_back(page->Describe());
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
    header.hwndParent = m_parent;
    header.hInstance = OleModule::Instance();
    header.pszCaption = caption.c_str();
    header.nPages = UINT(pages.size());
    header.nStartPage = m_startPage < pages.size() ? m_startPage : 0;
    header.ppsp = pages.data();
    header.pfnCallback = &CPropertySheet::SheetCallback;

    CPropertySheet* outer = t_creatingSheet;
    t_creatingSheet = this;
    const INT_PTR created = ::PropertySheetW(&header);
    t_creatingSheet = outer;
    if (created > 0 && !m_hWnd)
        ::DestroyWindow(reinterpret_cast<HWND>(created)); // never became ours
    return created > 0 && m_hWnd;
}

INT_PTR CPropertySheet::ResultOfRun(INT_PTR loopResult) const
{
    if (loopResult != -1)
        return loopResult; // ended through EndModalLoop
    const bool endedByButton = m_hWnd && !PropSheet_GetCurrentPageHwnd(m_hWnd);
    return endedByButton && m_lastButton == IDOK ? IDOK : IDCANCEL;
}

bool CPropertySheet::ContinueModal()
{
    // A modeless sheet that ended (OK or Cancel) shows no page any more.
    return CWnd::ContinueModal() && PropSheet_GetCurrentPageHwnd(m_hWnd) != nullptr;
}

bool CPropertySheet::PreTranslateMessage(MSG* msg)
{
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST || !m_hWnd)
        return false;
    return PropSheet_IsDialogMessage(m_hWnd, msg) != FALSE;
}

void CPropertySheet::InitialiseOnce()
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
}

LRESULT CPropertySheet::WindowProc(UINT msg, WPARAM wp, LPARAM)
{
    if (msg == WM_SHOWWINDOW && wp)
        InitialiseOnce();
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL))
        m_lastButton = LOWORD(wp);
    else if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE)
        m_lastButton = IDCANCEL;
    return Default();
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM)
{
    // Called inside the sheet's WM_INITDIALOG, before the start page is made: the sheet is only
    // attached here, and initialised when it is about to show.
    CPropertySheet* sheet = t_creatingSheet;
    if (message != PSCB_INITIALIZED || !sheet || sheet->m_hWnd)
        return 0;
    try {
        sheet->SubclassWindow(hwnd);
    } catch (...) {
    }
    return 0;
}
