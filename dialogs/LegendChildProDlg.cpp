#include "dialogs/LegendChildProDlg.h"

#include "chart/model/ChartTextItem.h"
#include "dialogs/NorvakSheet.h"
#include "dialogs/PickerMessages.h"
#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

#include <commctrl.h>

namespace {

constexpr int kLegendEntryElement = 22; // the whole entry: its sheet also holds the caption's font page

} // namespace

CLegendChildProDlg::CLegendChildProDlg() : CSheetPage(IDD_LEGEND_MARKER_PAGE) {}

CLegendChildProDlg::CLegendChildProDlg(CNorvakCtrl* control, CChartTextItem* entry, int element)
    : CSheetPage(IDD_LEGEND_MARKER_PAGE), m_pEntry(entry), m_pControl(control), m_nElement(element)
{
    if (!entry)
        return;
    m_bStrikeLine = entry->bStrikeLine != 0;
    m_bCircle = entry->bOuterCircle != 0;
    m_nMarkerMode = m_bStrikeLine || m_bCircle ? Preset : Plain;
    m_nMarkerShape = entry->nMarkerStyle;
    m_nLineStyle = entry->nMarkerLineStyle;
    m_nLineWidth = entry->nMarkerLineWidth;
    m_crLine = entry->crMarkerLine;
}

int CLegendChildProDlg::MarkerListMode(BOOL strikeLine, BOOL circle)
{
    if (strikeLine && circle)
        return CStyleComboBox::MarkersOnLineInCircle;
    if (strikeLine)
        return CStyleComboBox::MarkersOnLine;
    return circle ? CStyleComboBox::MarkersInCircle : CStyleComboBox::Markers;
}

void CLegendChildProDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_LEGEND_LINE_COLOUR, m_colourGrid);
    DDX_Control(dx, IDC_LEGEND_LINE_WIDTH, m_widthCombo);
    DDX_Control(dx, IDC_LEGEND_LINE_STYLE, m_styleCombo);
    DDX_Control(dx, IDC_LEGEND_MARKER, m_markerCombo);
    DDX_Radio(dx, IDC_LEGEND_PRESET, m_nMarkerMode);
    DDX_Check(dx, IDC_LEGEND_STRIKE_LINE, m_bStrikeLine);
    DDX_Check(dx, IDC_LEGEND_CIRCLE, m_bCircle);
}

bool CLegendChildProDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    if (const CNorvakCtrl* control = m_pControl ? m_pControl : GetSheetControl())
        m_markerCombo.SetMarkerGlyphs(control->m_MarkerSymbols);
    m_markerCombo.SetMode(CStyleComboBox::Markers);
    m_styleCombo.SetMode(CStyleComboBox::LineStyles);
    m_widthCombo.SetMode(CStyleComboBox::LineWidths);
    EnableDecorations(m_nMarkerMode == Preset);
    m_markerCombo.SetCurSel(m_nMarkerShape);
    m_styleCombo.SetCurSel(m_nLineStyle);
    m_widthCombo.SetCurSel(m_nLineWidth / 2);
    m_colourGrid.SetColor(m_crLine);
    if (m_bStrikeLine || m_bCircle)
        OnPresetOrDecoration();
    if (m_nElement == kLegendEntryElement)
        NameTextTab();
    return true;
}

void CLegendChildProDlg::EnableDecorations(bool enable) const
{
    for (int id : {IDC_LEGEND_STRIKE_LINE, IDC_LEGEND_CIRCLE})
        ::EnableWindow(GetDlgItem(id), enable);
}

void CLegendChildProDlg::ShowMarkerListMode(int mode)
{
    m_markerCombo.SetMode(mode);
    m_markerCombo.Invalidate();
}

void CLegendChildProDlg::OnPresetOrDecoration()
{
    EnableDecorations(true);
    UpdateData(true);
    ShowMarkerListMode(MarkerListMode(m_bStrikeLine, m_bCircle));
}

void CLegendChildProDlg::OnPlain()
{
    EnableDecorations(false);
    UpdateData(true);
    ShowMarkerListMode(CStyleComboBox::Markers);
}

// The sheet's second tab shows the caption's font page under the name of what it edits.
void CLegendChildProDlg::NameTextTab() const
{
    CPropertySheet* sheet = GetSheet();
    HWND tabs = sheet ? sheet->GetTabControl() : nullptr;
    if (!tabs || TabCtrl_GetItemCount(tabs) < 2)
        return;
    wchar_t text[] = L"文本";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    ::SendMessageW(tabs, TCM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item));
}

// The button offers the font dialog; what it returns is not used.
void CLegendChildProDlg::ChooseFontForNothing() const
{
    CFontDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS, nullptr, m_hWnd);
    dialog.DoModal();
}

void CLegendChildProDlg::OnOK()
{
    UpdateData(true);
    if (m_nMarkerMode == Plain)
        m_bStrikeLine = m_bCircle = FALSE;
    if (m_pEntry) {
        m_pEntry->nMarkerStyle = m_nMarkerShape;
        m_pEntry->bStrikeLine = m_bStrikeLine ? 1 : 0;
        m_pEntry->bOuterCircle = m_bCircle ? 1 : 0;
        m_pEntry->nMarkerLineStyle = m_nLineStyle;
        m_pEntry->nMarkerLineWidth = m_nLineWidth;
        m_pEntry->crMarkerLine = m_crLine;
        if (m_pControl)
            m_pControl->InvalidateControl(&m_pEntry->rcFull, true);
    }
    CSheetPage::OnOK();
}

LRESULT CLegendChildProDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) != BN_CLICKED)
            break;
        switch (LOWORD(wp)) {
        case IDC_LEGEND_PRESET:
        case IDC_LEGEND_STRIKE_LINE:
        case IDC_LEGEND_CIRCLE:
            OnPresetOrDecoration();
            break;
        case IDC_LEGEND_PLAIN:
            OnPlain();
            break;
        case IDC_LEGEND_FONT:
            ChooseFontForNothing();
            break;
        default:
            break;
        }
        break;
    case WM_STYLECOMBO_MARKER:
        m_nMarkerShape = int(wp);
        return 1;
    case WM_STYLECOMBO_LINESTYLE:
        m_nLineStyle = int(wp);
        return 1;
    case WM_STYLECOMBO_WIDTH:
        m_nLineWidth = int(wp);
        return 1;
    case WM_COLORGRID_SELECT:
        m_crLine = COLORREF(wp);
        return 1;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
