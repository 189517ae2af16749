#include "framework/CommonDialogs.h"

#include "framework/CGdiObject.h"
#include "framework/ModalUI.h"

#include <algorithm>

namespace {

const int kFileBufferChars = 32768; // room for a long path

// The hook's answer, or the real dialog's when it lets it run.
template <class ShowDialog>
INT_PTR AskOrShow(ModalRequest::Kind kind, HWND owner, void* data, UINT type, ShowDialog show)
{
    const ModalRequest request{kind, 0, nullptr, nullptr, type, owner, data};
    const INT_PTR answer = ModalUI::Ask(request);
    if (answer != ModalRequest::Run)
        return answer == IDOK ? IDOK : IDCANCEL;
    return show() ? IDOK : IDCANCEL;
}

} // namespace

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, HWND parent)
{
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.hwndOwner = parent;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = m_customColors.data();
    m_cc.Flags = flags | CC_RGBINIT;
    m_customColors.fill(RGB(255, 255, 255));
}

INT_PTR CColorDialog::DoModal()
{
    return AskOrShow(ModalRequest::ColorDialog, m_cc.hwndOwner, &m_cc, 0, [this] { return ::ChooseColorW(&m_cc); });
}

CFontDialog::CFontDialog(const LOGFONTA* initial, DWORD flags, HDC printer, HWND parent)
{
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.hwndOwner = parent;
    m_cf.hDC = printer;
    m_cf.lpLogFont = &m_font;
    m_cf.Flags = flags;
    if (initial) {
        m_font = CFont::ToWide(*initial);
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (printer)
        m_cf.Flags |= CF_PRINTERFONTS;
}

INT_PTR CFontDialog::DoModal()
{
    return AskOrShow(ModalRequest::FontDialog, m_cf.hwndOwner, &m_cf, 0, [this] { return ::ChooseFontW(&m_cf); });
}

void CFontDialog::GetLogFont(LOGFONTA* font) const
{
    if (font)
        *font = CFont::FromWide(m_font);
}

CFileDialog::CFileDialog(bool open, const char* defaultExt, const char* fileName, DWORD flags, const char* filter,
                         HWND parent)
    : m_open(open), m_file(kFileBufferChars, L'\0')
{
    if (defaultExt)
        m_defaultExt = CString(defaultExt).ToWide();
    if (filter) {
        // '|' may be the second byte of a double-byte character, so it is replaced after conversion.
        m_filter = CString(filter).ToWide();
        for (wchar_t& ch : m_filter) {
            if (ch == L'|')
                ch = L'\0';
        }
        m_filter.push_back(L'\0');
    }
    if (fileName)
        CString(fileName).ToWide().copy(m_file.data(), m_file.size() - 1);
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = parent;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.lpstrFile = m_file.data();
    m_ofn.nMaxFile = DWORD(m_file.size());
    m_ofn.lpstrDefExt = m_defaultExt.empty() ? nullptr : m_defaultExt.c_str();
    m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    return AskOrShow(ModalRequest::FileDialog, m_ofn.hwndOwner, &m_ofn, m_open ? 1 : 0, [this] {
        return m_open ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    });
}

CString CFileDialog::GetPathName() const
{
    return CString::FromWide(m_file.c_str());
}

CString CFileDialog::GetFileName() const
{
    const CString path = GetPathName();
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}
