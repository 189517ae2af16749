#include "printing/PageSizePDlg.h"

#include "framework/DataExchange.h"
#include "printing/PrintSpooler.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

namespace {

// The printer's own paper, 0 when the printer cannot be read.
int DefaultPaperOf(const CString& printer)
{
    const std::vector<BYTE> mode = CPrintSpooler::Current().GetPrinterDevMode(printer);
    if (mode.size() < offsetof(DEVMODEW, dmPaperSize) + sizeof(short))
        return 0;
    return reinterpret_cast<const DEVMODEW*>(mode.data())->dmPaperSize;
}

int FindText(const CComboBox& combo, const CString& text)
{
    for (int i = 0; i < combo.GetCount(); ++i) {
        if (combo.GetLBText(i) == text)
            return i;
    }
    return CB_ERR;
}

} // namespace

CNorvakPageSizePDlg::CNorvakPageSizePDlg(CNorvakCtrl* control) : CSheetPage(IDD_PAGE_PAPER), m_pControl(control) {}

void CNorvakPageSizePDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PAPER_LANDSCAPE_ICON, m_landscapePicture);
    DDX_Control(dx, IDC_PAPER_PORTRAIT_ICON, m_portraitPicture);
    DDX_Control(dx, IDC_PAPER_NAMES, m_papers);
    DDX_Control(dx, IDC_PAPER_PRINTERS, m_printers);
    DDX_Radio(dx, IDC_PAPER_LANDSCAPE, m_nOrientation);
}

bool CNorvakPageSizePDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    const std::vector<CString> printers = CPrintSpooler::Current().EnumPrinters();
    if (!printers.empty()) {
        m_printers.ResetContent();
        for (const CString& name : printers)
            m_printers.AddString(name);
        if (m_pControl)
            m_printers.SetCurSel(FindText(m_printers, m_pControl->m_strPrinterName));
    }
    if (m_printers.GetCurSel() == CB_ERR)
        m_printers.SetCurSel(0);
    OnPrinterChanged();
    if (m_pControl) {
        for (size_t i = 0; i < m_paperCodes.size(); ++i) {
            if (m_paperCodes[i] == m_pControl->m_nPaperSize) {
                m_papers.SetCurSel(int(i));
                break;
            }
        }
        m_nOrientation = m_pControl->m_nOrientation == DMORIENT_PORTRAIT ? Portrait : Landscape;
        m_nProposedPaper = m_pControl->m_nPaperSize;
    }
    UpdateData(false);
    ShowOrientationPicture(m_nOrientation);
    return true;
}

void CNorvakPageSizePDlg::OnPrinterChanged()
{
    const int selected = m_printers.GetCurSel();
    if (selected == CB_ERR || selected == m_nLastPrinter)
        return;
    m_nLastPrinter = selected;
    const CString printer = m_printers.GetLBText(selected);
    m_nProposedPaper = DefaultPaperOf(printer);
    m_papers.ResetContent();
    m_paperCodes.clear();
    const CPaperList papers = CPrintSpooler::Current().GetPapers(printer);
    for (size_t i = 0; i < papers.names.size() && i < papers.codes.size(); ++i) {
        const int item = m_papers.AddString(papers.names[i]);
        if (papers.codes[i] == m_nProposedPaper)
            m_papers.SetCurSel(item);
        m_paperCodes.push_back(papers.codes[i]);
    }
}

void CNorvakPageSizePDlg::ShowOrientationPicture(int orientation) const
{
    m_portraitPicture.ShowWindow(orientation == Portrait ? SW_SHOW : SW_HIDE);
    m_landscapePicture.ShowWindow(orientation == Portrait ? SW_HIDE : SW_SHOW);
}

void CNorvakPageSizePDlg::OnOK()
{
    UpdateData(true);
    if (!m_pControl)
        return;
    if (const int printer = m_printers.GetCurSel(); printer != CB_ERR)
        m_pControl->m_strPrinterName = m_printers.GetLBText(printer);
    if (const int paper = m_papers.GetCurSel(); paper >= 0 && size_t(paper) < m_paperCodes.size())
        m_pControl->m_nPaperSize = m_paperCodes[size_t(paper)];
    m_pControl->m_nOrientation = m_nOrientation == Portrait ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE;
}

LRESULT CNorvakPageSizePDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND) {
        const int id = LOWORD(wp);
        const int code = HIWORD(wp);
        if (code == CBN_SELCHANGE && id == IDC_PAPER_PRINTERS)
            OnPrinterChanged();
        else if (code == BN_CLICKED && id == IDC_PAPER_LANDSCAPE)
            ShowOrientationPicture(Landscape);
        else if (code == BN_CLICKED && id == IDC_PAPER_PORTRAIT)
            ShowOrientationPicture(Portrait);
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
