#include "printing/PageBandPDlg.h"

#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "printing/BandPictureFile.h"
#include "printing/BandLayout.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

const CNorvakPageBandPDlg::Band CNorvakPageBandPDlg::kHeaderBand = {
    IDD_PAGE_HEADER,           IDC_BAND_HEADER_TEXT,        &CPageSetup::m_strHeaderText,
    &CPageSetup::m_nHeaderAlign, &CPageSetup::m_nHeaderLine,  &CPageSetup::m_bHeaderShowIcon,
    &CPageSetup::m_lfHeaderFont, &CPageSetup::m_hHeaderIcon,  &CPageSetup::m_hHeaderBitmap,
    &CPageSetup::m_crHeaderColor,
};
const CNorvakPageBandPDlg::Band CNorvakPageBandPDlg::kFooterBand = {
    IDD_PAGE_FOOTER,           IDC_BAND_FOOTER_TEXT,        &CPageSetup::m_strFooterText,
    &CPageSetup::m_nFooterAlign, &CPageSetup::m_nFooterLine,  &CPageSetup::m_bFooterShowIcon,
    &CPageSetup::m_lfFooterFont, &CPageSetup::m_hFooterIcon,  &CPageSetup::m_hFooterBitmap,
    &CPageSetup::m_crFooterColor,
};

namespace {

// The selection of a combo box, 0 when there is none.
int SelectionOrFirst(HWND combo)
{
    const int selection = int(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
    return selection == CB_ERR ? 0 : selection;
}

} // namespace

const char* const CNorvakPageBandPDlg::kFileFilter =
    "Windows位图 (*.bmp;*.dib)|*.bmp;*.dib|图标 (*.ico)|*.ico|所有文件 (*.bmp;*.dib;*.ico)|*.bmp;*.dib;*.ico||";

CNorvakPageBandPDlg::CNorvakPageBandPDlg(const Band& band, CNorvakCtrl* control)
    : CSheetPage(band.dialog, true), m_band(band), m_pControl(control)
{
}

CNorvakPageHeaderPDlg::CNorvakPageHeaderPDlg(CNorvakCtrl* control) : CNorvakPageBandPDlg(kHeaderBand, control) {}

CNorvakPageTailPDlg::CNorvakPageTailPDlg(CNorvakCtrl* control) : CNorvakPageBandPDlg(kFooterBand, control) {}

void CNorvakPageBandPDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, m_band.textEdit, m_strText);
    DDX_Check(dx, IDC_BAND_SHOW_ICON, m_bShowIcon);
}

bool CNorvakPageBandPDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    if (m_pControl) {
        const CPageSetup& setup = *m_pControl;
        ::SendDlgItemMessageW(m_hWnd, IDC_BAND_ALIGN, CB_SETCURSEL, WPARAM(setup.*m_band.align), 0);
        ::SendDlgItemMessageW(m_hWnd, IDC_BAND_RULE, CB_SETCURSEL, WPARAM(setup.*m_band.rule), 0);
        m_strText = setup.*m_band.text;
        m_bShowIcon = setup.*m_band.showIcon;
        m_lfFont = setup.*m_band.font;
        m_hIcon = setup.*m_band.icon;
        m_hBitmap = setup.*m_band.bitmap;
        m_crColor = setup.*m_band.colour;
    }
    UpdateData(false);
    if (m_bShowIcon)
        InvalidatePreview();
    return true;
}

void CNorvakPageBandPDlg::OnOK()
{
    UpdateData(true);
    if (!m_pControl)
        return;
    CPageSetup& setup = *m_pControl;
    for (auto [combo, field] : {std::pair{IDC_BAND_ALIGN, m_band.align}, std::pair{IDC_BAND_RULE, m_band.rule}}) {
        const int selection = int(::SendDlgItemMessageW(m_hWnd, combo, CB_GETCURSEL, 0, 0));
        if (selection != CB_ERR)
            setup.*field = selection;
    }
    setup.*m_band.text = m_strText;
    setup.*m_band.showIcon = m_bShowIcon;
    setup.*m_band.font = m_lfFont;
    setup.*m_band.colour = m_crColor;
    // The control takes over a loaded picture and lets go of the one it held.
    if (m_hIcon && m_hIcon == m_loadedIcon)
        m_loadedIcon.Release();
    if (m_hBitmap && m_hBitmap == m_loadedBitmap)
        m_loadedBitmap.Release();
    (setup.*m_band.icon).Reset(m_hIcon);
    (setup.*m_band.bitmap).Reset(m_hBitmap);
}

void CNorvakPageBandPDlg::InvalidatePreview() const
{
    const CRect preview = GetChildRect(GetDlgItem(IDC_BAND_PREVIEW));
    InvalidateRect(&preview, true);
}

void CNorvakPageBandPDlg::ChooseFont()
{
    CFontDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS, nullptr, m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    dialog.GetLogFont(&m_lfFont);
    m_crColor = dialog.GetColor();
    InvalidatePreview();
}

void CNorvakPageBandPDlg::ChoosePicture()
{
    CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFileFilter, m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    CBandPictureFile loaded = CBandPictureFile::Load(path);
    if (loaded.result != CBandPictureFile::Bitmap && loaded.result != CBandPictureFile::Icon) {
        // The picture there was stays.
        MessageBox(CBandPictureFile::RefusalText(loaded.result, path), CString(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_loadedIcon = std::move(loaded.icon);
    m_loadedBitmap = std::move(loaded.bitmap);
    m_hIcon = m_loadedIcon;
    m_hBitmap = m_loadedBitmap;
    InvalidatePreview();
}

void CNorvakPageBandPDlg::PaintPage(CDC& dc)
{
    UpdateData(true);
    const CRect frame = GetChildRect(GetDlgItem(IDC_BAND_PREVIEW));
    dc.Draw3dRect(frame, RGB(128, 128, 128), RGB(255, 255, 255));
    const CRect label = GetChildRect(GetDlgItem(IDC_BAND_PREVIEW_LABEL));
    const int middle = (label.top + label.bottom) / 2;
    CRect separator(label.right, middle - 1, GetClientRect().right - 10, middle + 1);
    dc.DrawEdge(&separator, EDGE_ETCHED, BF_TOP);

    CRect area = frame;
    area.DeflateRect(4, 4);
    const int align = SelectionOrFirst(GetDlgItem(IDC_BAND_ALIGN));
    const int rule = SelectionOrFirst(GetDlgItem(IDC_BAND_RULE));
    const bool picture = m_bShowIcon && (m_hIcon || m_hBitmap);

    const int saved = dc.SaveDC();
    ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    CFont font;
    font.CreateFontIndirect(&m_lfFont);
    CSelectObject selectFont(dc, font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crColor);

    const CBandText text = CBandText::Split(m_strText);
    const CBandLayout layout = CBandLayout::Measure(dc, area, text, picture, align, rule);
    if (picture)
        DrawBandPicture(dc, m_hBitmap, m_hIcon, layout.picture);
    layout.DrawText(dc, text, align);
    if (layout.hasRule) {
        CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
        CSelectObject selectPen(dc, pen);
        dc.MoveTo(layout.ruleLeft, layout.ruleY);
        dc.LineTo(layout.ruleRight, layout.ruleY);
    }
    dc.RestoreDC(saved);
}

LRESULT CNorvakPageBandPDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND) {
        const int id = LOWORD(wp);
        const int code = HIWORD(wp);
        if (code == BN_CLICKED && id == IDC_BAND_FONT) {
            ChooseFont();
            return 0;
        }
        if (code == BN_CLICKED && id == IDC_BAND_ICON) {
            ChoosePicture();
            return 0;
        }
        if ((code == EN_CHANGE && id == m_band.textEdit) ||
            (code == CBN_SELCHANGE && (id == IDC_BAND_ALIGN || id == IDC_BAND_RULE)) ||
            (code == BN_CLICKED && id == IDC_BAND_SHOW_ICON))
            InvalidatePreview();
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
