#include "dialogs/FontProDlg.h"

#include "dialogs/PickerMessages.h"
#include "framework/CGdiObject.h"
#include "framework/DataExchange.h"
#include "framework/PropertySheet.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

namespace {

constexpr const char* kFontPageTitle = "字体";
constexpr const char* kLegendTextTitle = "文本";
constexpr int kDefaultSizeItem = 2; // "10"

// A family comes once for each of its character sets; the list shows its name once.
int CALLBACK AddFaceName(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list)
{
    const HWND combo = reinterpret_cast<HWND>(list);
    const LPARAM name = reinterpret_cast<LPARAM>(font->lfFaceName);
    if (::SendMessageW(combo, CB_FINDSTRINGEXACT, WPARAM(-1), name) == CB_ERR)
        ::SendMessageW(combo, CB_ADDSTRING, 0, name);
    return 1;
}

void MoveDown(HWND dialog, int id, int pixels)
{
    HWND control = ::GetDlgItem(dialog, id);
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    ::SetWindowPos(control, nullptr, rect.left, rect.top + pixels, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CFontProDlg::CFontProDlg() : CSheetPage(IDD_FONT_PAGE, true)
{
    m_values.sizeText = "10";
}

CFontProDlg::CFontProDlg(CNorvakCtrl* control, int mode, const CChartElementRecord& record, const CString& title,
                         int element)
    : CSheetPage(IDD_FONT_PAGE, true), m_record(record), m_nMode(mode), m_strTitle(title), m_pControl(control),
      m_nElement(element)
{
    m_values.sizeText = "10";
    if (m_nMode != 0)
        return;
    if (std::optional<ChartTextFont> values = ReadChartTextFont(element, record)) {
        m_values = *values;
        m_bUnderline = m_values.font.lfUnderline ? 1 : 0;
        m_bStrikeOut = m_values.font.lfStrikeOut ? 1 : 0;
    }
}

bool CFontProDlg::EditsElement() const
{
    return m_nMode == 0 && IsChartTextElement(m_nElement, m_record);
}

void CFontProDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_FONT_SUBSCRIPT, m_subscriptBox);
    DDX_Control(dx, IDC_FONT_TEXT, m_textEdit);
    DDX_Control(dx, IDC_FONT_BACKGROUND, m_backgroundCombo);
    DDX_Control(dx, IDC_FONT_TRANSPARENT, m_transparentBox);
    DDX_Control(dx, IDC_FONT_SCALE, m_scaleBox);
    DDX_Control(dx, IDC_FONT_SAMPLE, m_sampleFrame);
    DDX_Control(dx, IDC_FONT_CHARSET, m_charsetCombo);
    DDX_Control(dx, IDC_FONT_SIZE, m_sizeCombo);
    DDX_Control(dx, IDC_FONT_STYLE, m_styleCombo);
    DDX_Control(dx, IDC_FONT_FACE, m_faceCombo);
    DDX_Control(dx, IDC_FONT_COLOUR, m_colourCombo);
    DDX_Check(dx, IDC_FONT_STRIKEOUT, m_bStrikeOut);
    DDX_Check(dx, IDC_FONT_UNDERLINE, m_bUnderline);
    DDX_Check(dx, IDC_FONT_SCALE, m_values.scale);
    DDX_Check(dx, IDC_FONT_TRANSPARENT, m_values.transparent);
    DDX_Check(dx, IDC_FONT_SUBSCRIPT, m_bSubscript);
    DDX_Text(dx, IDC_FONT_TEXT, m_values.text);
}

bool CFontProDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    AddFaceNames();
    m_styleCombo.SetCurSel(kFontRegular);
    m_sizeCombo.SetCurSel(kDefaultSizeItem);
    if (m_nMode == 0)
        m_subscriptBox.ShowWindow(SW_HIDE);
    else
        m_scaleBox.SetWindowText("上标");
    SetOwnTabText();
    ArrangeForTitle();
    if (EditsElement())
        SelectElementFont();
    m_colourCombo.SelectColor(m_values.colour);
    m_backgroundCombo.SelectColor(m_values.background);
    return true;
}

void CFontProDlg::AddFaceNames()
{
    CClientDC dc(m_hWnd);
    ::EnumFontFamiliesW(dc.GetSafeHdc(), nullptr, &AddFaceName, reinterpret_cast<LPARAM>(m_faceCombo.m_hWnd));
}

void CFontProDlg::SetOwnTabText() const
{
    // The page's own tab: its place among the sheet's pages.
    const CPropertySheet* sheet = GetSheet();
    if (!sheet)
        return;
    for (int index = 0; index < sheet->GetPageCount(); ++index) {
        if (sheet->GetPage(index) != this)
            continue;
        std::wstring text = m_strTitle.ToWide();
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        ::SendMessageW(sheet->GetTabControl(), TCM_SETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));
        return;
    }
}

void CFontProDlg::ArrangeForTitle()
{
    if (m_strTitle != kFontPageTitle) {
        if (m_strTitle != kLegendTextTitle)
            m_scaleBox.EnableWindow(false);
        MoveDown(m_hWnd, IDC_FONT_UNDERLINE, 9);
        MoveDown(m_hWnd, IDC_FONT_SCALE, 18);
        MoveDown(m_hWnd, IDC_FONT_TRANSPARENT, 18);
        m_colourCombo.SetMode(CStyleComboBox::Colours);
    } else {
        for (int id : {IDC_FONT_TEXT, IDC_FONT_TEXT_LABEL}) {
            ::EnableWindow(GetDlgItem(id), FALSE);
            ::ShowWindow(GetDlgItem(id), SW_HIDE);
        }
        m_colourCombo.SetMode(CStyleComboBox::NamedColours);
    }
    m_backgroundCombo.SetMode(m_colourCombo.GetMode());
    m_colourCombo.SetCurSel(0);
}

void CFontProDlg::SelectElementFont()
{
    const LOGFONTA& font = m_values.font;
    for (int index = 0; index < m_faceCombo.GetCount(); ++index)
        if (m_faceCombo.GetLBText(index).CompareNoCase(font.lfFaceName) == 0) {
            m_faceCombo.SetCurSel(index);
            break;
        }
    m_styleCombo.SetCurSel(FontStyleOf(font));
    for (int index = 0; index < m_sizeCombo.GetCount(); ++index)
        if (m_sizeCombo.GetLBText(index) == m_values.sizeText) {
            m_sizeCombo.SetCurSel(index);
            break;
        }
}

std::optional<CFontProDlg::Choice> CFontProDlg::ReadChoice() const
{
    const int face = m_faceCombo.GetCurSel();
    const int style = m_styleCombo.GetCurSel();
    const int size = FontSizeItemRead(m_sizeCombo.GetCurSel());
    if (face < 0 || style < 0 || size < 0)
        return std::nullopt;
    const CString sizeText = m_sizeCombo.GetLBText(size);
    return Choice{m_faceCombo.GetLBText(face), ChartFontStyle(style), sizeText, int(std::atol(sizeText))};
}

void CFontProDlg::RebuildFont()
{
    const std::optional<Choice> choice = ReadChoice();
    if (!choice)
        return;
    CClientDC dc(m_hWnd);
    m_values.font = ChosenFont(choice->face, choice->style, choice->points, dc.GetDeviceCaps(LOGPIXELSY),
                               m_bUnderline != 0, m_bStrikeOut != 0, m_values.font);
    m_values.sizeText = choice->sizeText;
    InvalidatePreview();
}

CRect CFontProDlg::PreviewArea() const
{
    CRect area = GetChildRect(GetDlgItem(IDC_FONT_SAMPLE));
    area.left += 5;
    area.top += 20;
    area.right -= 5;
    area.bottom -= 10;
    return area;
}

void CFontProDlg::InvalidatePreview()
{
    const CRect area = PreviewArea();
    InvalidateRect(&area, false);
}

void CFontProDlg::PaintPage(CDC& dc)
{
    const CRect area = PreviewArea();
    if (ReadChoice()) {
        CRect text = area;
        text.DeflateRect(4, 4);
        CFont font;
        font.CreateFontIndirect(&m_values.font);
        CSaveDC saved(dc);
        CSelectObject select(dc, font.GetSafeHandle());
        dc.SetTextColor(m_values.colour);
        dc.SetBkColor(m_values.background);
        dc.SetBkMode(m_values.transparent ? TRANSPARENT : OPAQUE);
        dc.DrawText(kSampleText, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    dc.Draw3dRect(area, RGB(0, 0, 0), RGB(255, 255, 255));
}

void CFontProDlg::OnCommand(int id, int code)
{
    if (code == CBN_SELCHANGE && (id == IDC_FONT_FACE || id == IDC_FONT_STYLE || id == IDC_FONT_SIZE)) {
        UpdateData(true);
        RebuildFont();
        return;
    }
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case IDC_FONT_STRIKEOUT:
    case IDC_FONT_UNDERLINE:
        UpdateData(true);
        RebuildFont();
        break;
    case IDC_FONT_SCALE:
    case IDC_FONT_SUBSCRIPT:
        // Superscript and subscript exclude each other.
        UpdateData(true);
        if (id == IDC_FONT_SCALE && m_values.scale)
            m_bSubscript = 0;
        else if (id == IDC_FONT_SUBSCRIPT && m_bSubscript)
            m_values.scale = 0;
        UpdateData(false);
        break;
    case IDC_FONT_TRANSPARENT:
        UpdateData(true);
        InvalidatePreview();
        break;
    default:
        break;
    }
}

void CFontProDlg::OnColourChosen(COLORREF colour, int id)
{
    if (id == IDC_FONT_COLOUR)
        m_values.colour = colour;
    else if (id == IDC_FONT_BACKGROUND)
        m_values.background = colour;
    InvalidatePreview();
}

void CFontProDlg::OnOK()
{
    UpdateData(true);
    // Written also when the element's face is not among the installed ones: the font and its size
    // then stay the element's own, and the text and colours the user chose are not lost.
    if (!EditsElement())
        return;
    const std::optional<CRect> shown = WriteChartTextFont(m_nElement, m_record, m_values);
    if (shown && m_pControl)
        m_pControl->InvalidateControl(&*shown);
}

LRESULT CFontProDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp));
        break;
    case WM_STYLECOMBO_COLOUR:
        OnColourChosen(COLORREF(wp), int(lp));
        return 1;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
