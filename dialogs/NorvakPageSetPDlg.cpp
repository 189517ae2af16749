#include "dialogs/NorvakPageSetPDlg.h"

#include "framework/DataExchange.h"
#include "resources/NorvakResource.h"

CNorvakPageSetPDlg::CNorvakPageSetPDlg() : COlePropertyPage(IDD_PAGESET_PROPPAGE, IDS_PAGESET_PROPPAGE_CAPTION) {}

void CNorvakPageSetPDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PPG_LINE_STYLE, m_lineStyleCombo);
    DDX_Control(dx, IDC_PPG_LINE_WIDTH, m_lineWidthCombo);
    DDX_Control(dx, IDC_PPG_LINE_COLOUR, m_lineColourCombo);
    DDP_PostProcessing(dx);
}

bool CNorvakPageSetPDlg::OnInitDialog()
{
    COlePropertyPage::OnInitDialog();
    m_lineStyleCombo.SetMode(CStyleComboBox::LineStyles);
    m_lineColourCombo.SetMode(CStyleComboBox::Colours);
    m_lineWidthCombo.SetMode(CStyleComboBox::LineWidths);
    return true;
}
