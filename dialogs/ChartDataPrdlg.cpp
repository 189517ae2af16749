#include "dialogs/ChartDataPrdlg.h"

#include "chart/model/ChartPageSettings.h"
#include "dialogs/ChartDataRange.h"
#include "dialogs/NorvakSheet.h"
#include "framework/CDC.h"
#include "framework/DataExchange.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Sets a flag for the length of a scope, so that notifications the page causes itself are ignored.
class CBusy
{
public:
    explicit CBusy(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~CBusy() { m_flag = m_old; }
    CBusy(const CBusy&) = delete;
    CBusy& operator=(const CBusy&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

long EditNumber(HWND edit)
{
    char text[32] = {};
    ::GetWindowTextA(edit, text, int(sizeof text));
    return std::atol(text);
}

} // namespace

CChartDataPrdlg::CChartDataPrdlg() : CSheetPage(IDD_CHART_DATA_PAGE) {}

void CChartDataPrdlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Radio(dx, IDC_CHART_SOURCE_PAGE, m_nMode);
    DDX_Check(dx, IDC_CHART_ALL_COLUMNS, m_bAllColumns);
    DDX_Check(dx, IDC_CHART_ALL_ROWS, m_bAllRows);
    DDX_Text(dx, IDC_CHART_FIRST_ROW, m_nFirstRow);
    DDX_Text(dx, IDC_CHART_LAST_ROW, m_nLastRow);
    DDX_Radio(dx, IDC_CHART_COLUMN_INDEX, m_nColumnIndexMode);
}

void CChartDataPrdlg::FillColumnList()
{
    HWND list = GetDlgItem(IDC_CHART_COLUMN_LIST);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 100;
    column.pszText = const_cast<LPWSTR>(L"");
    ListView_InsertColumn(list, 0, &column);
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    CNorvakCtrl* control = GetSheetControl();
    if (!control || !control->GetPage(-1))
        return;
    CClientDC dc(list);
    CSelectObject font(dc, reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    const int fixed = control->GetFixedColumnCount(-1);
    for (int col = fixed, item = 0; col < control->GetColumnCount(-1); ++col, ++item) {
        const std::wstring text = control->GetPageCellText(-1, 0, col).ToWide();
        LVITEMW entry{};
        entry.mask = LVIF_TEXT;
        entry.iItem = item;
        entry.pszText = const_cast<LPWSTR>(text.c_str());
        ListView_InsertItem(list, &entry);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    ListView_SetColumnWidth(list, 0, widest + 20);
}

void CChartDataPrdlg::ReadSettings()
{
    CNorvakCtrl* control = GetSheetControl();
    if (!control)
        return;
    short first = short(m_nFirstRow);
    short last = short(m_nLastRow);
    control->GetChartDataSource(-1, m_nMode, m_bAllColumns, m_bAllRows, first, last, m_customColumns,
                                m_nColumnIndexMode, m_nLegendValueA, m_nLegendValueB);
    m_nFirstRow = first;
    m_nLastRow = last;
}

bool CChartDataPrdlg::OnInitDialog()
{
    CBusy busy(m_bFilling);
    CSheetPage::OnInitDialog();
    FillColumnList();
    CNorvakCtrl* control = GetSheetControl();
    const int lastRow = control ? control->GetRowCount(-1) - 1 : 0;
    for (int spin : {IDC_CHART_FIRST_ROW_SPIN, IDC_CHART_LAST_ROW_SPIN})
        ::SendDlgItemMessageW(m_hWnd, spin, UDM_SETRANGE32, 0, std::max(lastRow, 0));
    ReadSettings();
    UpdateData(false);
    if (m_nMode == kChartSourceLists) {
        const int fixed = control ? control->GetFixedColumnCount(-1) : 0;
        HWND list = GetDlgItem(IDC_CHART_COLUMN_LIST);
        for (int col : m_customColumns)
            if (col >= fixed)
                ListView_SetCheckState(list, col - fixed, TRUE);
        ApplyCustomRange(m_nFirstRow, m_nLastRow);
    }
    return true;
}

std::vector<bool> CChartDataPrdlg::CheckedItems() const
{
    HWND list = GetDlgItem(IDC_CHART_COLUMN_LIST);
    std::vector<bool> checked(size_t(std::max(0, ListView_GetItemCount(list))));
    for (size_t i = 0; i < checked.size(); ++i)
        checked[i] = ListView_GetCheckState(list, int(i)) != 0;
    return checked;
}

void CChartDataPrdlg::ApplyCustomRange(int first, int last)
{
    CNorvakCtrl* control = GetSheetControl();
    if (m_nMode != kChartSourceLists || !control)
        return;
    const std::optional<std::vector<int>> rows =
        ChartDataRange::CustomRows(control->GetFixedRowCount(-1), control->GetRowCount(-1), first, last);
    if (!rows)
        return;
    m_customColumns = ChartDataRange::CustomColumns(control->GetFixedColumnCount(-1), CheckedItems());
    control->BuildChartSeries(-1, m_nMode, &*rows, &m_customColumns);
    control->UpdateChartValueRange(-1);
    RedrawPreview();
}

void CChartDataPrdlg::RedrawPreview() const
{
    if (CNorvakSheet* sheet = GetNorvakSheet())
        sheet->InvalidateChartPreview();
}

void CChartDataPrdlg::ReadControls()
{
    CBusy busy(m_bFilling);
    m_nFirstRow = int(EditNumber(GetDlgItem(IDC_CHART_FIRST_ROW)));
    m_nLastRow = int(EditNumber(GetDlgItem(IDC_CHART_LAST_ROW)));
    // The edits are read as typed; only the buttons go through the exchange here, so that a
    // half-typed row asks nothing of the user.
    CDataExchange dx(*this, true);
    DDX_Radio(&dx, IDC_CHART_SOURCE_PAGE, m_nMode);
    DDX_Check(&dx, IDC_CHART_ALL_COLUMNS, m_bAllColumns);
    DDX_Check(&dx, IDC_CHART_ALL_ROWS, m_bAllRows);
    DDX_Radio(&dx, IDC_CHART_COLUMN_INDEX, m_nColumnIndexMode);
}

void CChartDataPrdlg::UseSourceWithoutLists()
{
    CNorvakCtrl* control = GetSheetControl();
    if (!control)
        return;
    control->BuildChartSeries(-1, m_nMode, nullptr, nullptr);
    control->UpdateChartValueRange(-1);
    RedrawPreview();
}

void CChartDataPrdlg::UseTypedRows()
{
    ApplyCustomRange(m_nFirstRow, m_nLastRow);
}

void CChartDataPrdlg::CheckAllItems(bool check) const
{
    HWND list = GetDlgItem(IDC_CHART_COLUMN_LIST);
    for (int i = 0, count = ListView_GetItemCount(list); i < count; ++i)
        ListView_SetCheckState(list, i, check);
}

void CChartDataPrdlg::OnCommand(int id, int code)
{
    if (m_bFilling)
        return;
    const bool clicked = code == BN_CLICKED;
    if (clicked && (id == IDC_CHART_SOURCE_PAGE || id == IDC_CHART_SOURCE_SELECTION)) {
        ReadControls();
        UseSourceWithoutLists();
    } else if ((clicked && id == IDC_CHART_SOURCE_CUSTOM) ||
               (code == EN_CHANGE && (id == IDC_CHART_FIRST_ROW || id == IDC_CHART_LAST_ROW))) {
        ReadControls();
        UseTypedRows();
    } else if (clicked && id == IDC_CHART_ALL_COLUMNS) {
        ReadControls();
        CheckAllItems(m_bAllColumns != 0);
    } else if (clicked && id == IDC_CHART_ALL_ROWS) {
        ReadControls();
        if (!m_bAllRows)
            return;
        CNorvakCtrl* control = GetSheetControl();
        m_nFirstRow = 0;
        m_nLastRow = control ? control->GetRowCount(-1) - 1 : 0;
        {
            CBusy busy(m_bFilling);
            UpdateData(false);
        }
        UseTypedRows();
    }
}

bool CChartDataPrdlg::OnSetActive()
{
    if (m_hWnd) {
        if (m_nMode == kChartSourceLists) {
            ReadControls();
            UseTypedRows();
        } else {
            ReadControls();
            UseSourceWithoutLists();
        }
    }
    return CSheetPage::OnSetActive();
}

void CChartDataPrdlg::OnOK()
{
    if (CNorvakCtrl* control = GetSheetControl())
        control->SetChartDataSource(-1, m_nMode, m_bAllColumns, m_bAllRows, m_customColumns);
    CSheetPage::OnOK();
}

LRESULT CChartDataPrdlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp));
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->idFrom == IDC_CHART_COLUMN_LIST && header->code == LVN_ITEMCHANGED && !m_bFilling)
            ApplyCustomRange(m_nFirstRow, m_nLastRow);
        break;
    }
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
