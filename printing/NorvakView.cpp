#include "printing/NorvakView.h"

#include "framework/Application.h"
#include "framework/ModalUI.h"
#include "printing/NorvakFrameWnd.h"
#include "printing/PageNumberText.h"
#include "printing/PrintProgressDlg.h"
#include "printing/PrintSpooler.h"
#include "sheet/NorvakCtrl.h"

namespace {

const wchar_t kViewClass[] = L"NorvakPrintView";
const char kMarginsTooLarge[] = "页边距超过可打印的区域,请重新设置页边距!";

CNorvakView*& Printing()
{
    static CNorvakView* view = nullptr;
    return view;
}

// While the job is spooled: the thread's messages go on (the progress dialog's Cancel among
// them) until the printing view is asked to abort.
BOOL CALLBACK PrintAbortProc(HDC, int)
{
    CNorvakView* view = CNorvakView::PrintingView();
    MSG msg;
    while (view && !view->m_bAbort && ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!::GetMessageW(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(int(msg.wParam));
            break;
        }
        HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (!root || !CWnd::PreTranslateChain(&msg, root)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return view && view->m_bAbort ? FALSE : TRUE;
}

} // namespace

CNorvakView::~CNorvakView()
{
    if (Printing() == this)
        Printing() = nullptr;
    OnEndPrinting(m_previewInfo);
}

CNorvakView* CNorvakView::PrintingView()
{
    return Printing();
}

bool CNorvakView::Create(HWND frame, UINT id)
{
    return CreateEx(0, kViewClass, L"", WS_CHILD | WS_BORDER, CRect(0, 0, 0, 0), frame, id);
}

bool CNorvakView::PreCreateWindow(CREATESTRUCTW& cs)
{
    RegisterWindowClass(kViewClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),
                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    cs.style &= ~WS_BORDER;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return CWnd::PreCreateWindow(cs);
}

CNorvakCtrl* CNorvakView::Control() const
{
    return m_frame.GetControl();
}

int CNorvakView::Paginate(HDC dc)
{
    CNorvakCtrl* control = Control();
    m_nCurrentPage = 0;
    m_composer.emplace(*control);
    const PageRef active = control->GetPageRef(-1);
    m_nPrintedPage = active ? active.index : -1;
    return m_composer->Paginate(dc, active.page, active.cells, control->GetSelectedCellRange(-1));
}

void CNorvakView::DrawPrintPage(HDC dc) const
{
    CNorvakCtrl* control = Control();
    if (!m_composer || m_nCurrentPage <= 0 || !control || m_nPrintedPage < 0)
        return;
    const PageRef printed = control->GetPageRef(m_nPrintedPage);
    m_composer->DrawPrintPage(dc, m_nCurrentPage, printed.page, printed.cells);
}

void CNorvakView::OnPageRemoved(int index)
{
    if (index == m_nPrintedPage)
        m_nPrintedPage = -1;
    else if (index >= 0 && index < m_nPrintedPage)
        --m_nPrintedPage;
}

void CNorvakView::ShowError(const char* text, const char* caption) const
{
    CNorvakCtrl* control = Control();
    ModalUI::ShowMessage(control ? control->m_hWnd : nullptr, text, caption, MB_OK | MB_ICONERROR);
}

void CNorvakView::EnableFrame() const
{
    ::EnableWindow(m_frame.m_hWnd, TRUE);
}

void CNorvakView::PrintPages()
{
    CNorvakCtrl* control = Control();
    CPrintSpooler& spooler = CPrintSpooler::Current();
    HDC dc = control ? spooler.CreatePrinterDC(control->m_strPrinterName, nullptr) : nullptr;
    if (!dc) {
        ShowError("系统在初始化打印机时出错!", "错误提示");
        EnableFrame();
        return;
    }
    std::vector<BYTE> mode = PrinterModeFor(control->m_strPrinterName, control->m_nOrientation, control->m_nPaperSize);
    if (!mode.empty())
        spooler.ResetDC(dc, *reinterpret_cast<const DEVMODEW*>(mode.data()));
    const CString documentName = PrintDocumentName(control->m_strPageTitle, control->m_strHeaderText);
    Printing() = this;
    m_bAbort = 0;
    spooler.SetAbortProc(dc, PrintAbortProc);
    if (!CPrintComposer(*control).MarginsFit(CPrintUnits::PrintableSize(dc)))
        ShowError(kMarginsTooLarge, "警告");
    else if (spooler.StartDoc(dc, documentName) <= 0)
        ShowError("无法启动打印文档,请确定打印机是否处于有效状态!", "警告");
    else
        SpoolPages(dc, Paginate(dc));
    spooler.DeletePrinterDC(dc);
    Printing() = nullptr;
    EnableFrame();
}

void CNorvakView::SpoolPages(HDC dc, int pageCount)
{
    CPrintSpooler& spooler = CPrintSpooler::Current();
    CPrintProgressDlg progress(Control()->m_hWnd, this);
    progress.Show(pageCount);
    bool proceed = true;
    if (pageCount < 1) {
        spooler.EndDoc(dc);
        progress.DestroyWindow();
        return;
    }
    for (int page = 1; page <= pageCount; ++page) {
        // The dialog paints and takes a Cancel before each page, whether or not the printer
        // driver calls the abort procedure meanwhile.
        progress.PumpMessages();
        if (!proceed || m_bAbort)
            break;
        m_nCurrentPage = page;
        if (spooler.StartPage(dc) <= 0) {
            ShowError("系统在初始化打印文档时出错!", "错误提示");
            spooler.AbortDoc(dc);
            progress.DestroyWindow();
            return;
        }
        DrawPrintPage(dc);
        m_composer->DrawDecorations(dc, page, false);
        if (spooler.EndPage(dc) <= 0)
            proceed = false;
    }
    if (proceed && !m_bAbort)
        spooler.EndDoc(dc);
    else
        spooler.AbortDoc(dc);
    progress.DestroyWindow();
}

bool CNorvakView::OnPreparePrinting(CPrintInfo& info)
{
    CNorvakCtrl* control = Control();
    if (!control)
        return false;
    CPrintSpooler& spooler = CPrintSpooler::Current();
    std::vector<BYTE> mode = PrinterModeFor(control->m_strPrinterName, control->m_nOrientation, control->m_nPaperSize);
    HDC dc = mode.empty() ? nullptr
                          : spooler.CreatePrinterDC(control->m_strPrinterName,
                                                    reinterpret_cast<const DEVMODEW*>(mode.data()));
    if (!dc)
        dc = spooler.CreateDefaultPrinterDC();
    OnEndPrinting(m_previewInfo);
    info.m_hPrinterDC = dc;
    m_previewInfo = info;
    return dc != nullptr;
}

bool CNorvakView::OnBeginPrinting(CPrintInfo& info)
{
    CNorvakCtrl* control = Control();
    if (!control || !info.m_hPrinterDC)
        return false;
    if (!CPrintComposer(*control).MarginsFit(CPrintUnits::PrintableSize(info.m_hPrinterDC))) {
        info.SetMaxPage(0);
        m_composer.reset();
        m_frame.PostMessage(WM_CLOSE);
        ModalUI::ShowMessage(control->m_hWnd, kMarginsTooLarge, Application::Title(), MB_OK);
        return false;
    }
    info.SetMaxPage(UINT(Paginate(info.m_hPrinterDC)));
    m_previewInfo = info;
    return true;
}

void CNorvakView::OnEndPrinting(CPrintInfo& info)
{
    if (info.m_hPrinterDC)
        CPrintSpooler::Current().DeletePrinterDC(info.m_hPrinterDC);
    if (m_previewInfo.m_hPrinterDC == info.m_hPrinterDC)
        m_previewInfo.m_hPrinterDC = nullptr;
    info.m_hPrinterDC = nullptr;
}

void CNorvakView::DrawPreviewPage(HDC dc, int page)
{
    if (!m_composer)
        return;
    m_nCurrentPage = page;
    m_composer->DrawDecorations(dc, page, true);
    DrawPrintPage(dc);
}

void CNorvakView::OnPreviewPrint()
{
    SendMessage(WM_COMMAND, CNorvakFrameWnd::kFilePrint);
    m_frame.PostMessage(WM_COMMAND, CPreviewView::kClose);
}

void CNorvakView::OnPreviewClose()
{
    m_frame.PostMessage(WM_COMMAND, CPreviewView::kClose);
}

LRESULT CNorvakView::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CONTEXTMENU:
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == CNorvakFrameWnd::kFilePrint) {
            ::EnableWindow(m_frame.m_hWnd, FALSE);
            PrintPages();
            return 0;
        }
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wp, lp);
}
