#include "host/RowHeightDlg.h"

#include "NorvakResource.h"
#include "framework/DataExchange.h"
#include "host/model/RowHeightValue.h"

#include <commctrl.h>

CRowHeightDlg::CRowHeightDlg(float millimetres, HWND parent) : CDialog(IDD_ROW_HEIGHT, parent), m_value(millimetres) {}

void CRowHeightDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_ROW_HEIGHT_SPIN, m_spin);
    DDX_Text(dx, IDC_ROW_HEIGHT_TEXT, m_text);
}

bool CRowHeightDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_spin.SendMessage(UDM_SETRANGE, 0, MAKELPARAM(500, 0));
    m_value *= 0.1f;
    m_text = FormatRowHeightCm(m_value);
    ShowValue();
    return true;
}

void CRowHeightDlg::ShowValue()
{
    ::SetWindowTextW(GetDlgItem(IDC_ROW_HEIGHT_TEXT), m_text.ToWide().c_str());
}

void CRowHeightDlg::OnOK()
{
    m_value = ParseRowHeightCm(TextOf(GetDlgItem(IDC_ROW_HEIGHT_TEXT)));
    EndDialog(IDOK);
}

LRESULT CRowHeightDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->idFrom == IDC_ROW_HEIGHT_SPIN && header->code == UDN_DELTAPOS) {
            m_value = StepRowHeightCm(m_value, reinterpret_cast<const NMUPDOWN*>(lp)->iDelta);
            m_text = FormatRowHeightCm(m_value);
            ShowValue();
            return 0;
        }
    }
    return CDialog::WindowProc(msg, wp, lp);
}
