#include "printing/ReportDataPDlg.h"

#include "framework/DataExchange.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

namespace {

const int kCustomControls[] = {IDC_REPORT_ROWS_LABEL,    IDC_REPORT_ALL_ROWS,    IDC_REPORT_ROWS,
                               IDC_REPORT_COLUMNS_LABEL, IDC_REPORT_ALL_COLUMNS, IDC_REPORT_COLUMNS};

std::vector<WORD> CheckedItems(const CCheckListView& list)
{
    std::vector<WORD> checked;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        if (list.GetCheck(i))
            checked.push_back(WORD(i));
    }
    return checked;
}

} // namespace

CNorvakReportDataPDlg::CNorvakReportDataPDlg(CNorvakCtrl* control)
    : CSheetPage(IDD_PAGE_REPORT_DATA), m_pControl(control)
{
}

void CNorvakReportDataPDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_REPORT_ROW_HEADER, m_rowHeader);
    DDX_Control(dx, IDC_REPORT_COL_HEADER, m_colHeader);
    DDX_Control(dx, IDC_REPORT_COLUMNS, m_columns);
    DDX_Control(dx, IDC_REPORT_ALL_COLUMNS, m_allColumnsBox);
    DDX_Control(dx, IDC_REPORT_COLUMNS_LABEL, m_columnsLabel);
    DDX_Control(dx, IDC_REPORT_ROWS, m_rows);
    DDX_Control(dx, IDC_REPORT_ALL_ROWS, m_allRowsBox);
    DDX_Control(dx, IDC_REPORT_ROWS_LABEL, m_rowsLabel);
    DDX_Control(dx, IDC_REPORT_SEPARATOR, m_separator);
    DDX_Radio(dx, IDC_REPORT_WHOLE, m_nOutputMode);
    DDX_Check(dx, IDC_REPORT_COL_HEADER, m_bPrintColHeader);
    DDX_Check(dx, IDC_REPORT_ROW_HEADER, m_bPrintRowHeader);
    DDX_Check(dx, IDC_REPORT_ALL_COLUMNS, m_bAllColumns);
    DDX_Check(dx, IDC_REPORT_ALL_ROWS, m_bAllRows);
}

void CNorvakReportDataPDlg::FillList(CCheckListView& list, const char* title, int count,
                                     const std::vector<WORD>& checked, int& all,
                                     const std::function<CString(int)>& text)
{
    m_bSettingChecks = true;
    list.UseCheckBoxes();
    list.InsertColumn(0, CString(), 28);
    list.InsertColumn(1, title, 158);
    for (int i = 0; i < count; ++i)
        list.AppendItem(text(i));
    if (int(checked.size()) == count)
        all = 1;
    for (WORD index : checked) {
        if (index < count)
            list.SetCheck(index, true);
    }
    m_bSettingChecks = false;
}

bool CNorvakReportDataPDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    CNorvakPage* page = m_pControl && m_pControl->DoGetActivePageIndex() >= 0 ? m_pControl->GetPage(-1) : nullptr;
    if (!page)
        return true;
    m_bPrintColHeader = page->m_bPrintColHeader;
    m_bPrintRowHeader = page->m_bPrintRowHeader;
    m_nOutputMode = page->m_nOutputMode;

    const int fixedRows = m_pControl->DoGetPageRows(-1, 0);
    const int fixedColumns = m_pControl->DoGetPageColumns(-1, 0);
    FillList(m_rows, "行标题", m_pControl->DoGetPageRows(-1, 1), page->m_customRows, m_bAllRows,
             [&](int i) { return m_pControl->GetPageCellText(-1, fixedRows + i, 0); });
    FillList(m_columns, "列标题", m_pControl->DoGetPageColumns(-1, 1), page->m_customColumns, m_bAllColumns,
             [&](int j) { return m_pControl->GetPageCellText(-1, 0, fixedColumns + j); });
    EnableCustomControls(m_nOutputMode == Custom);
    UpdateData(false);
    m_colHeader.EnableWindow(fixedRows > 0);
    m_rowHeader.EnableWindow(fixedColumns > 0);
    return true;
}

void CNorvakReportDataPDlg::OnOK()
{
    UpdateData(true);
    CNorvakPage* page = m_pControl && m_pControl->DoGetActivePageIndex() >= 0 ? m_pControl->GetPage(-1) : nullptr;
    if (!page)
        return;
    page->m_bPrintColHeader = m_bPrintColHeader;
    page->m_bPrintRowHeader = m_bPrintRowHeader;
    // A stored mode no button stands for stays as it is.
    if (m_nOutputMode >= WholePage && m_nOutputMode <= Custom)
        page->m_nOutputMode = BYTE(m_nOutputMode);
    page->m_customRows = CheckedItems(m_rows);
    page->m_customColumns = CheckedItems(m_columns);
}

void CNorvakReportDataPDlg::EnableCustomControls(bool enable) const
{
    for (int id : kCustomControls)
        ::EnableWindow(GetDlgItem(id), enable);
}

void CNorvakReportDataPDlg::CheckAll(CCheckListView& list, int check)
{
    m_bSettingChecks = true;
    for (int i = 0; i < list.GetItemCount(); ++i)
        list.SetCheck(i, check != 0);
    m_bSettingChecks = false;
}

void CNorvakReportDataPDlg::FollowChecks(const CCheckListView& list, int& all, int box) const
{
    all = 1;
    for (int i = 0; i < list.GetItemCount() && all; ++i) {
        if (!list.GetCheck(i))
            all = 0;
    }
    // Only the box: the other controls keep what the user has not yet confirmed.
    ::CheckDlgButton(m_hWnd, box, all ? BST_CHECKED : BST_UNCHECKED);
}

void CNorvakReportDataPDlg::PaintSeparator()
{
    PAINTSTRUCT ps;
    CDC dc(::BeginPaint(m_hWnd, &ps));
    const CRect anchor = GetChildRect(m_separator.m_hWnd);
    const int middle = (anchor.top + anchor.bottom) / 2;
    CRect line(anchor.left, middle - 1, anchor.right - 10, middle + 1);
    dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
    ::EndPaint(m_hWnd, &ps);
}

LRESULT CNorvakReportDataPDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT:
        PaintSeparator();
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        if (HIWORD(wp) != BN_CLICKED)
            break;
        if (id == IDC_REPORT_WHOLE || id == IDC_REPORT_SELECTION || id == IDC_REPORT_ARBITRARY)
            EnableCustomControls(false);
        else if (id == IDC_REPORT_CUSTOM)
            EnableCustomControls(true);
        else if (id == IDC_REPORT_ALL_ROWS && UpdateData(true))
            CheckAll(m_rows, m_bAllRows);
        else if (id == IDC_REPORT_ALL_COLUMNS && UpdateData(true))
            CheckAll(m_columns, m_bAllColumns);
        break;
    }
    case WM_NOTIFY: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lp);
        const bool isRows = change->hdr.hwndFrom == m_rows.m_hWnd;
        if (change->hdr.code != LVN_ITEMCHANGED || m_bSettingChecks || (!isRows && change->hdr.hwndFrom != m_columns.m_hWnd))
            break;
        if ((change->uChanged & LVIF_STATE) && ((change->uOldState ^ change->uNewState) & LVIS_STATEIMAGEMASK)) {
            if (isRows)
                FollowChecks(m_rows, m_bAllRows, IDC_REPORT_ALL_ROWS);
            else
                FollowChecks(m_columns, m_bAllColumns, IDC_REPORT_ALL_COLUMNS);
        }
        return 0;
    }
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
