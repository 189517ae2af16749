#include "printing/ReportDataPDlg.h"

#include "framework/DataExchange.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

namespace {

const int kCustomControls[] = {IDC_REPORT_ROWS_LABEL,    IDC_REPORT_ALL_ROWS,    IDC_REPORT_ROWS,
                               IDC_REPORT_COLUMNS_LABEL, IDC_REPORT_ALL_COLUMNS, IDC_REPORT_COLUMNS};

// The page record keeps body indices as words: rows and columns past them cannot be chosen.
constexpr int kStorableItems = 0x10000;

std::vector<WORD> CheckedItems(const CCheckListView& list)
{
    const std::vector<int> items = list.CheckedItems();
    return std::vector<WORD>(items.begin(), items.end());
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
                                     const std::vector<WORD>& checked, int& all, CCheckListView::TextOf text)
{
    list.UseCheckBoxes();
    list.InsertColumn(0, CString(), 28);
    list.InsertColumn(1, title, 158);
    list.SetItems(count, std::move(text), kStorableItems);
    for (WORD index : checked)
        list.SetCheck(index, true);
    // On a page of more items than the record can name, every one it can name counts as all.
    all = (count > kStorableItems ? list.AllChecked() : int(checked.size()) == count) ? 1 : 0;
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
    CNorvakCtrl* control = m_pControl;
    const int active = control->DoGetActivePageIndex();
    FillList(m_rows, "行标题", control->DoGetPageRows(-1, 1), page->m_customRows, m_bAllRows,
             [=](int i) { return control->GetPageCellText(active, fixedRows + i, 0); });
    FillList(m_columns, "列标题", control->DoGetPageColumns(-1, 1), page->m_customColumns, m_bAllColumns,
             [=](int j) { return control->GetPageCellText(active, 0, fixedColumns + j); });
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

void CNorvakReportDataPDlg::FollowChecks(const CCheckListView& list, int& all, int box) const
{
    all = list.AllChecked() ? 1 : 0;
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
            m_rows.SetAllChecks(m_bAllRows != 0);
        else if (id == IDC_REPORT_ALL_COLUMNS && UpdateData(true))
            m_columns.SetAllChecks(m_bAllColumns != 0);
        break;
    }
    case WM_NOTIFY: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lp);
        const bool isRows = change->hdr.hwndFrom == m_rows.m_hWnd;
        if (change->hdr.code != LVN_ITEMCHANGED || (!isRows && change->hdr.hwndFrom != m_columns.m_hWnd))
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
