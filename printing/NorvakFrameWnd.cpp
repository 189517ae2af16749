#include "printing/NorvakFrameWnd.h"

#include "framework/Application.h"
#include "framework/ModalUI.h"
#include "sheet/NorvakCtrl.h"

CNorvakFrameWnd::CNorvakFrameWnd() = default;

CNorvakFrameWnd::~CNorvakFrameWnd()
{
    m_pControl = nullptr;
    if (m_pPreview)
        m_pPreview->DestroyWindow();
    m_pPreview.reset();
    if (m_pView)
        m_pView->OnEndPrinting(m_previewInfo);
    DestroyWindow();
}

HWND CNorvakFrameWnd::OutermostWindow(HWND window)
{
    HWND outer = nullptr;
    for (HWND up = window ? ::GetParent(window) : nullptr; up; up = ::GetParent(up))
        outer = up;
    return outer;
}

int CNorvakFrameWnd::OnCreate(CREATESTRUCTW* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;
    // While a preview shows, the frame stands for the program whose window it hides.
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application::Icon(false)));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application::Icon(true)));
    m_pView = std::make_unique<CNorvakView>(*this);
    if (!m_pView->Create(m_hWnd, kPaneFirst))
        return -1;
    m_pView->ShowWindow(SW_HIDE);
    SetActiveView(m_pView.get());
    return 0;
}

void CNorvakFrameWnd::OnPageRemoved(int index)
{
    if (!m_pView)
        return;
    const bool wasShown = m_pView->GetPrintedPageIndex() == index;
    m_pView->OnPageRemoved(index);
    if (wasShown && m_pPreview)
        PostMessage(WM_COMMAND, CPreviewView::kClose);
}

void CNorvakFrameWnd::StartPreview()
{
    if (m_pPreview || !m_pView)
        return;
    m_previewInfo = CPrintInfo();
    m_previewInfo.m_bPreview = true;
    m_bPrintPrepared = m_pView->OnPreparePrinting(m_previewInfo) ? 1 : 0;
    if (!m_bPrintPrepared) {
        EndPreview();
        return;
    }
    if (!m_pView->OnBeginPrinting(m_previewInfo))
        return; // the WM_CLOSE it posted ends the preview
    auto preview = std::make_unique<CPreviewView>();
    if (!preview->Create(m_hWnd, kPaneFirst, m_pView.get())) {
        ModalUI::ShowMessage(m_hWnd, "命令失败。", Application::Title(), MB_OK | MB_ICONEXCLAMATION);
        EndPreview();
        return;
    }
    m_pPreview = std::move(preview);
    SetActiveView(m_pPreview.get());
    RecalcLayout();
}

void CNorvakFrameWnd::EndPreview()
{
    if (m_pPreview) {
        m_previewInfo.m_nCurPage = UINT(m_pPreview->GetCurrentPage());
        m_pPreview->DestroyWindow();
        m_pPreview.reset();
    }
    if (m_pView) {
        m_pView->OnEndPrinting(m_previewInfo);
        SetActiveView(m_pView.get());
    }
    ShowWindow(SW_HIDE);
}

LRESULT CNorvakFrameWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SHOWWINDOW: {
        const LRESULT result = CFrameWnd::WindowProc(msg, wp, lp);
        if (HWND outer = m_pControl ? OutermostWindow(m_pControl->m_hWnd) : nullptr)
            ::ShowWindow(outer, wp ? SW_HIDE : SW_SHOWNA);
        return result;
    }
    case WM_CLOSE:
        EndPreview();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case kFilePrintPreview:
            StartPreview();
            return 0;
        case CPreviewView::kClose:
            EndPreview();
            return 0;
        case kFilePrint:
            if (m_pView)
                m_pView->SendMessage(WM_COMMAND, kFilePrint);
            return 0;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return CFrameWnd::WindowProc(msg, wp, lp);
}
