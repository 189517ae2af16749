#include "tests/e2e/probe/WorkbookProbe.h"

#include "framework/ModalUI.h"
#include "host/model/ControlMembers.h"

namespace {

// {08B9F660-1240-41D7-98A9-4281DCA7C209}
const CLSID kNorvakClassId = {0x08B9F660, 0x1240, 0x41D7, {0x98, 0xA9, 0x42, 0x81, 0xDC, 0xA7, 0xC2, 0x09}};
constexpr DISPID kDoGetPageCellText = 33;
constexpr DISPID kDoGetHorLineColor = 24;
constexpr DISPID kDoGetHorLineStyle = 28;
constexpr DISPID kDoGetHorLineSize = 32;
constexpr long kOwnLine = 2;

std::wstring g_messages;

INT_PTR CALLBACK AnswerModal(const ModalRequest* request)
{
    if (request->kind != ModalRequest::MessageBox)
        return request->kind == ModalRequest::PopupMenu ? 0 : IDCANCEL;
    g_messages += std::wstring(L"message box: ") + (request->text ? request->text : L"") + L"\n";
    return IDOK;
}

} // namespace

void CWorkbookProbe::Control::OnControlEvent(DISPID dispid, DISPPARAMS*)
{
    // The file's pages alone: none of the control's default pages.
    if (dispid == norvak_event::ShellOnCreate)
        DispatchCall<bool>(*this, norvak_id::DoSetInitializePageCounts, false, 0L, "", "", "");
}

CWorkbookProbe::CWorkbookProbe() = default;

CWorkbookProbe::~CWorkbookProbe()
{
    m_control.DestroyWindow();
    if (m_window)
        ::DestroyWindow(m_window);
}

bool CWorkbookProbe::Create(std::wstring& error)
{
    m_window = ::CreateWindowExW(0, L"STATIC", L"workbook probe", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    const RECT rect{0, 0, 800, 600};
    if (!m_window || !m_control.CreateControl(kNorvakClassId, WS_CHILD | WS_VISIBLE, rect, m_window, 1)) {
        error = L"the control could not be made (is Norvak.ocx registered?)";
        return false;
    }
    m_module = ::GetModuleHandleW(L"Norvak.ocx");
    using SetHook = void(__cdecl*)(ModalHook);
    if (auto setHook = m_module ? reinterpret_cast<SetHook>(
                                      reinterpret_cast<void*>(::GetProcAddress(m_module, "NorvakSetModalHook")))
                                : nullptr)
        setHook(&AnswerModal);
    return true;
}

bool CWorkbookProbe::Open(const std::wstring& path)
{
    return DispatchCall<bool>(m_control, norvak_id::DoOpen, CString::FromWide(path));
}

long CWorkbookProbe::PageCount() const
{
    return DispatchCall<long>(m_control, norvak_id::DoGetPageCounts);
}

std::wstring CWorkbookProbe::CellText(long page, long row, long col) const
{
    return DispatchCall<CString>(m_control, kDoGetPageCellText, page, row, col).ToWide();
}

bool CWorkbookProbe::MergeStartsAt(long page, long row, long col) const
{
    return DispatchCall<bool>(m_control, norvak_id::DoSetPageCellUnCombine, page, row, col);
}

bool CWorkbookProbe::IsSelected(long page, long row, long col) const
{
    return DispatchCall<bool>(m_control, norvak_id::DoGetPageGridIsSelected, page, row, col);
}

std::wstring CWorkbookProbe::BottomLine(long page, long row, long col) const
{
    COleDispatchDriver cell(DispatchCall<IDispatch*>(m_control, norvak_id::DoGetGridObject, page, row, col));
    if (!cell.m_lpDispatch)
        return L"no cell";
    const short style = DispatchCall<short>(cell, kDoGetHorLineStyle, kOwnLine);
    const short width = DispatchCall<short>(cell, kDoGetHorLineSize, kOwnLine);
    const long colour = DispatchCall<long>(cell, kDoGetHorLineColor, kOwnLine);
    wchar_t text[64]{};
    ::wsprintfW(text, L"style %d width %d colour %06X", style, width, unsigned(colour));
    return text;
}

std::wstring CWorkbookProbe::Messages()
{
    return g_messages;
}
