#include "printing/PageDistancePDlg.h"

#include "framework/DataExchange.h"
#include "printing/PageSetupValues.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

#include <commctrl.h>

#include <cstdlib>

namespace {

struct Distance
{
    int edit;
    int spin;
    int CPageSetup::*field;
    enum Edge { Top, Bottom, Left, Right } edge;
};

// In the order the preview reads them.
const Distance kFields[CNorvakPageDistancePDlg::kDistances] = {
    {IDC_MARGIN_TOP, IDC_MARGIN_TOP_SPIN, &CPageSetup::m_nTopMargin, Distance::Top},
    {IDC_MARGIN_BOTTOM, IDC_MARGIN_BOTTOM_SPIN, &CPageSetup::m_nBottomMargin, Distance::Bottom},
    {IDC_MARGIN_LEFT, IDC_MARGIN_LEFT_SPIN, &CPageSetup::m_nLeftMargin, Distance::Left},
    {IDC_MARGIN_RIGHT, IDC_MARGIN_RIGHT_SPIN, &CPageSetup::m_nRightMargin, Distance::Right},
    {IDC_MARGIN_TITLE, IDC_MARGIN_TITLE_SPIN, &CPageSetup::m_nPageTitleMargin, Distance::Top},
    {IDC_MARGIN_HEADER, IDC_MARGIN_HEADER_SPIN, &CPageSetup::m_nHeaderMargin, Distance::Top},
    {IDC_MARGIN_FOOTER, IDC_MARGIN_FOOTER_SPIN, &CPageSetup::m_nFooterMargin, Distance::Bottom},
};

constexpr int kSheetWidth = 100;
constexpr int kSheetHeight = 140;

} // namespace

CNorvakPageDistancePDlg::CNorvakPageDistancePDlg(CNorvakCtrl* control)
    : CSheetPage(IDD_PAGE_MARGINS, true), m_pControl(control)
{
}

void CNorvakPageDistancePDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Check(dx, IDC_MARGIN_CENTER_HORZ, m_bCenterHorz);
    DDX_Check(dx, IDC_MARGIN_CENTER_VERT, m_bCenterVert);
    for (int k = 0; k < kDistances; ++k)
        DDX_Text(dx, kFields[k].edit, m_strDistance[k]);
}

bool CNorvakPageDistancePDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    for (int k = 0; k < kDistances; ++k) {
        ::SendDlgItemMessageW(m_hWnd, kFields[k].spin, UDM_SETRANGE, 0, PageSetupValues::kMaxDistance);
        m_nDistance[k] = m_pControl ? m_pControl->*kFields[k].field : 0;
        m_strDistance[k] = PageSetupValues::DistanceText(m_nDistance[k]);
    }
    if (m_pControl) {
        m_bCenterHorz = m_pControl->m_bCenterHorz;
        m_bCenterVert = m_pControl->m_bCenterVert;
    }
    UpdateData(false);
    return true;
}

void CNorvakPageDistancePDlg::OnOK()
{
    UpdateData(true);
    if (!m_pControl)
        return;
    for (int k = 0; k < kDistances; ++k)
        m_pControl->*kFields[k].field = PageSetupValues::DistanceOnOk(m_strDistance[k]);
    m_pControl->m_bCenterHorz = m_bCenterHorz;
    m_pControl->m_bCenterVert = m_bCenterVert;
}

void CNorvakPageDistancePDlg::InvalidatePreview() const
{
    const CRect area = GetChildRect(GetDlgItem(IDC_MARGIN_PREVIEW));
    InvalidateRect(&area, true);
}

bool CNorvakPageDistancePDlg::OnSpin(int spinId, NMUPDOWN* change)
{
    for (int k = 0; k < kDistances; ++k) {
        if (kFields[k].spin != spinId)
            continue;
        change->iPos = m_nDistance[k];
        const int stepped = PageSetupValues::SpinStep(m_nDistance[k], change->iDelta);
        if (stepped != m_nDistance[k]) {
            UpdateData(true);
            m_nDistance[k] = stepped;
            m_strDistance[k] = PageSetupValues::DistanceText(stepped);
            UpdateData(false);
            InvalidatePreview();
        }
        return true;
    }
    return false;
}

void CNorvakPageDistancePDlg::PaintPage(CDC& dc)
{
    UpdateData(true);
    const CRect label = GetChildRect(GetDlgItem(IDC_MARGIN_LAYOUT_LABEL));
    CRect separator(label.right, (label.top + label.bottom) / 2 - 1, GetClientRect().right - 10,
                    (label.top + label.bottom) / 2 + 1);
    dc.DrawEdge(&separator, EDGE_ETCHED, BF_TOP);

    const CRect area = GetChildRect(GetDlgItem(IDC_MARGIN_PREVIEW));
    const CPoint centre = area.CenterPoint();
    const CRect sheet(centre.x - kSheetWidth / 2, centre.y - kSheetHeight / 2, centre.x + kSheetWidth / 2,
                      centre.y + kSheetHeight / 2);
    dc.FillSolidRect(sheet, RGB(255, 255, 255));

    // A distance's offset from its edge: the page drawn 100 pixels for 210 mm.
    const float k = float(dc.GetDeviceCaps(HORZRES)) / float(std::max(1, dc.GetDeviceCaps(HORZSIZE)));
    const float s = 100.0f / (k * 210.0f);
    auto offset = [&](int v) { return int(float(v) * s * s * k); };

    bool rewritten = false;
    HWND focus = ::GetFocus();
    CPen grey(PS_SOLID, 1, RGB(192, 192, 192));
    CPen blue(PS_SOLID, 2, 0xFF0000);
    for (int i = 0; i < kDistances; ++i) {
        const PageSetupValues::PreviewDistance read = PageSetupValues::DistanceForPreview(m_strDistance[i]);
        if (read.clamped) {
            m_strDistance[i] = PageSetupValues::DistanceText(read.value);
            rewritten = true;
        }
        m_nDistance[i] = read.value;
        const bool focused = focus && focus == GetDlgItem(kFields[i].edit);
        const int extend = focused ? 8 : 0;
        const int d = offset(read.value);
        CSelectObject select(dc, focused ? blue : grey);
        switch (kFields[i].edge) {
        case Distance::Top:
            dc.MoveTo(sheet.left - extend, sheet.top + d);
            dc.LineTo(sheet.right + extend, sheet.top + d);
            break;
        case Distance::Bottom:
            dc.MoveTo(sheet.left - extend, sheet.bottom - d);
            dc.LineTo(sheet.right + extend, sheet.bottom - d);
            break;
        case Distance::Left:
            dc.MoveTo(sheet.left + d, sheet.top - extend);
            dc.LineTo(sheet.left + d, sheet.bottom + extend);
            break;
        case Distance::Right:
            dc.MoveTo(sheet.right - d, sheet.top - extend);
            dc.LineTo(sheet.right - d, sheet.bottom + extend);
            break;
        }
    }
    if (rewritten)
        UpdateData(false);

    const int top = offset(m_nDistance[0]), bottom = offset(m_nDistance[1]);
    const int left = offset(m_nDistance[2]), right = offset(m_nDistance[3]);
    int x0 = sheet.left + left;
    int y0 = sheet.top + top;
    if (m_bCenterHorz)
        x0 += (sheet.right - right - left - sheet.left - 40) / 2;
    if (m_bCenterVert)
        y0 += (sheet.bottom - bottom - top - sheet.top - 60) / 2;
    CSelectObject select(dc, grey);
    for (int i = 0; i < 10; ++i) {
        dc.MoveTo(x0, y0 + 6 * i);
        dc.LineTo(x0 + 40, y0 + 6 * i);
    }
    dc.MoveTo(x0, y0 + 60);
    dc.LineTo(x0 + 41, y0 + 60);
    for (int j = 0; j < 5; ++j) {
        dc.MoveTo(x0 + 10 * j, y0);
        dc.LineTo(x0 + 10 * j, y0 + 60);
    }
    dc.Draw3dRect(sheet, 0, 0);
}

LRESULT CNorvakPageDistancePDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->code == UDN_DELTAPOS && OnSpin(int(header->idFrom), reinterpret_cast<NMUPDOWN*>(lp)))
            return 0;
    } else if (msg == WM_COMMAND) {
        const int code = HIWORD(wp);
        if (code == EN_CHANGE || code == EN_SETFOCUS || code == EN_KILLFOCUS ||
            (code == BN_CLICKED && (LOWORD(wp) == IDC_MARGIN_CENTER_HORZ || LOWORD(wp) == IDC_MARGIN_CENTER_VERT)))
            InvalidatePreview();
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
