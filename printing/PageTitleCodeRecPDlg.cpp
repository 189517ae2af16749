#include "printing/PageTitleCodeRecPDlg.h"

#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

#include <cstring>
#include <iterator>

namespace {

constexpr int kSheetWidth = 100;
constexpr int kSheetHeight = 140;

// Where the sample page number goes in the sketch, by the index of the position list.
struct NumberPlace
{
    bool top;
    UINT format;
};
const NumberPlace kNumberPlaces[] = {
    {true, DT_SINGLELINE | DT_VCENTER | DT_LEFT},  // 左上脚
    {true, DT_SINGLELINE | DT_VCENTER | DT_RIGHT}, // 右上脚
    {false, DT_SINGLELINE | DT_LEFT},              // 左下脚
    {false, DT_SINGLELINE | DT_RIGHT},             // 右下脚
    {true, DT_SINGLELINE | DT_VCENTER | DT_CENTER}, // 顶端水平中间
    {false, DT_SINGLELINE | DT_CENTER},            // 底端水平中间
};

const int kPageNumberControls[] = {IDC_TITLE_FORMAT_LABEL, IDC_TITLE_FORMAT, IDC_TITLE_POSITION_LABEL,
                                   IDC_TITLE_POSITION};

} // namespace

CNorvakPageTitleCodeRecPDlg::CNorvakPageTitleCodeRecPDlg(CNorvakCtrl* control)
    : CSheetPage(IDD_PAGE_TITLE, true), m_pControl(control)
{
}

void CNorvakPageTitleCodeRecPDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_TITLE_POSITION, m_positions);
    DDX_Control(dx, IDC_TITLE_FORMAT, m_formats);
    DDX_Text(dx, IDC_TITLE_TEXT, m_strTitle);
    DDX_Check(dx, IDC_TITLE_DASHED_FRAME, m_bDashedFrame);
    DDX_Check(dx, IDC_TITLE_SHOW_NUMBER, m_bShowPageNumber);
}

bool CNorvakPageTitleCodeRecPDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    if (m_pControl) {
        m_formats.SetCurSel(m_pControl->m_nPageNumberFormat);
        m_positions.SetCurSel(m_pControl->m_nPageNumberPos);
        m_bShowPageNumber = m_pControl->m_bShowPageNumber;
        m_bDashedFrame = m_pControl->m_bDashedFrame;
        m_strTitle = m_pControl->m_strPageTitle;
    }
    UpdateData(false);
    EnablePageNumberControls();
    return true;
}

void CNorvakPageTitleCodeRecPDlg::OnOK()
{
    UpdateData(true);
    if (!m_pControl)
        return;
    if (const int format = m_formats.GetCurSel(); format != CB_ERR)
        m_pControl->m_nPageNumberFormat = format;
    if (const int position = m_positions.GetCurSel(); position != CB_ERR)
        m_pControl->m_nPageNumberPos = position;
    m_pControl->m_bShowPageNumber = m_bShowPageNumber;
    m_pControl->m_bDashedFrame = m_bDashedFrame;
    m_pControl->m_strPageTitle = m_strTitle;
    if (m_bTitleFontChosen) {
        m_pControl->m_lfTitleFont = m_lfTitleFont;
        m_pControl->m_crTitleColor = m_crTitleColor;
    }
}

void CNorvakPageTitleCodeRecPDlg::EnablePageNumberControls() const
{
    for (int id : kPageNumberControls)
        ::EnableWindow(GetDlgItem(id), m_bShowPageNumber != 0);
}

void CNorvakPageTitleCodeRecPDlg::InvalidatePreview() const
{
    CRect inside = GetChildRect(GetDlgItem(IDC_TITLE_PREVIEW));
    inside.left += 5;
    inside.top += 13;
    inside.right -= 5;
    inside.bottom -= 5;
    InvalidateRect(&inside, true);
}

void CNorvakPageTitleCodeRecPDlg::ChooseTitleFont()
{
    CFontDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS, nullptr, m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    dialog.GetLogFont(&m_lfTitleFont);
    m_crTitleColor = dialog.GetColor();
    m_bTitleFontChosen = true;
}

void CNorvakPageTitleCodeRecPDlg::PaintPage(CDC& dc)
{
    UpdateData(true);
    const CPoint centre = GetChildRect(GetDlgItem(IDC_TITLE_PREVIEW)).CenterPoint();
    const CRect sheet(centre.x - kSheetWidth / 2, centre.y - kSheetHeight / 2, centre.x + kSheetWidth / 2,
                      centre.y + kSheetHeight / 2);
    dc.FillSolidRect(sheet, RGB(255, 255, 255));
    const CRect inner(sheet.left + 10, sheet.top + 15, sheet.right - 10, sheet.bottom - 15);
    if (m_bDashedFrame)
        dc.DrawFocusRect(inner);
    dc.Draw3dRect(sheet, 0, 0);
    if (!m_bShowPageNumber)
        return;

    const int format = m_formats.GetCurSel();
    const CString sample = m_formats.GetLBText(format == CB_ERR ? 0 : format);
    int position = m_positions.GetCurSel();
    if (position < 0 || position >= int(std::size(kNumberPlaces)))
        position = 0;
    const NumberPlace& place = kNumberPlaces[position];
    CRect strip = place.top ? CRect(sheet.left + 2, sheet.top, sheet.right - 2, inner.top - 2)
                            : CRect(sheet.left + 2, inner.bottom + 2, sheet.right - 2, sheet.bottom);

    LOGFONTA logFont{};
    logFont.lfHeight = -10;
    std::strcpy(logFont.lfFaceName, "宋体");
    CFont font;
    font.CreateFontIndirect(&logFont);
    CSelectObject select(dc, font);
    dc.SetTextColor(RGB(128, 128, 128));
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(sample, &strip, place.format | DT_NOPREFIX);
}

LRESULT CNorvakPageTitleCodeRecPDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND) {
        const int id = LOWORD(wp);
        const int code = HIWORD(wp);
        if (code == BN_CLICKED && id == IDC_TITLE_FONT) {
            ChooseTitleFont();
            return 0;
        }
        if (code == BN_CLICKED && id == IDC_TITLE_SHOW_NUMBER) {
            UpdateData(true);
            EnablePageNumberControls();
            InvalidatePreview();
        } else if (code == BN_CLICKED && id == IDC_TITLE_DASHED_FRAME) {
            UpdateData(true);
            InvalidatePreview();
        } else if (code == CBN_SELCHANGE && (id == IDC_TITLE_FORMAT || id == IDC_TITLE_POSITION)) {
            InvalidatePreview();
        }
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
