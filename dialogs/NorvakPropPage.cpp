#include "dialogs/NorvakPropPage.h"

#include "framework/DataExchange.h"
#include "resources/NorvakResource.h"

namespace {

constexpr std::array<int, 9> kColourComboIds = {
    IDC_PPG_COL_HEAD_BACK, IDC_PPG_COL_HEAD_TEXT, IDC_PPG_COL_HEAD_CELL, IDC_PPG_ROW_HEAD_BACK, IDC_PPG_ROW_HEAD_TEXT,
    IDC_PPG_ROW_HEAD_CELL, IDC_PPG_CELL_COLOUR,   IDC_PPG_CELL_BACK,     IDC_PPG_CELL_TEXT,
};

} // namespace

CNorvakPropPage::CNorvakPropPage() : COlePropertyPage(IDD_NORVAK_PROPPAGE, IDS_NORVAK_PROPPAGE_CAPTION)
{
    SetHelpInfo("Names to appear in the control", "NORVAK.HLP", 0);
}

void CNorvakPropPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PPG_BORDER_STYLE, m_borderStyleCombo);
    for (size_t i = 0; i < kColourComboIds.size(); ++i)
        DDX_Control(dx, kColourComboIds[i], m_colourCombos[i]);
    DDP_Text(dx, IDC_PPG_BORDER_STYLE, m_nBorderStyle, "WindowBorderStyle");
    DDX_CBIndex(dx, IDC_PPG_BORDER_STYLE, m_nBorderStyle);
    DDP_PostProcessing(dx);
}

bool CNorvakPropPage::OnInitDialog()
{
    COlePropertyPage::OnInitDialog();
    for (CStyleComboBox& combo : m_colourCombos)
        combo.SetMode(CStyleComboBox::Colours);
    return true;
}

LRESULT CNorvakPropPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && LOWORD(wp) == IDC_PPG_BORDER_STYLE && HIWORD(wp) == CBN_SELCHANGE) {
        const int selected = m_borderStyleCombo.GetCurSel();
        m_nBorderStyle = selected < 0 ? 0 : selected;
    }
    return COlePropertyPage::WindowProc(msg, wp, lp);
}
