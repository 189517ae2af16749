#include "host/QuilmView.h"

#include "NorvakResource.h"
#include "host/FormatCodeDlg.h"
#include "host/MainFrame.h"
#include "host/SelectedCells.h"
#include "host/model/TabCommands.h"

namespace {

const wchar_t kViewClass[] = L"CQuilmView";

long LongArgument(const DISPPARAMS* params, UINT index)
{
    // Arguments arrive last first.
    if (!params || index >= params->cArgs)
        return 0;
    VARIANT value;
    ::VariantInit(&value);
    long result = 0;
    if (SUCCEEDED(::VariantChangeType(&value, &params->rgvarg[params->cArgs - 1 - index], 0, VT_I4)))
        result = V_I4(&value);
    ::VariantClear(&value);
    return result;
}

} // namespace

const CommandEntry<CCQuilmView> CCQuilmView::kCommands[] = {
    {ID_FILE_PRINT, 0, &CCQuilmView::OnFilePrint, nullptr},
    {ID_FILE_PRINT_PREVIEW, 0, &CCQuilmView::OnFilePrintPreview, nullptr},
    {ID_FILE_PRINT_SETUP, 0, &CCQuilmView::OnFilePrintSetup, nullptr},
    {ID_CELL_TEXT_FORMAT, 0, &CCQuilmView::OnCellTextFormat, nullptr},
    {ID_LOCK_WINDOW, 0, &CCQuilmView::OnLockWindow, &CCQuilmView::OnUpdateLockWindow},
    {ID_UNLOCK_WINDOW, 0, &CCQuilmView::OnUnlockWindow, &CCQuilmView::OnUpdateUnlockWindow},
};

bool CCQuilmView::Create(HWND parent, const RECT& rect)
{
    RegisterWindowClass(kViewClass, CS_DBLCLKS, nullptr, nullptr);
    return CreateEx(0, kViewClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent, 0xE900);
}

void CCQuilmView::OnInitialUpdate()
{
    if (!m_norvak.m_hWnd)
        m_norvak.Create(WS_CHILD | WS_VISIBLE, GetClientRect(), m_hWnd, kControlId);
    m_norvak.SetWindowBorderStyle(0);
}

bool CCQuilmView::OnCmdMsg(UINT id, CCmdUI* ui)
{
    if (RouteThroughTable<CCQuilmView>(this, kCommands, id, ui))
        return true;
    const TabCommand* command = FindTabCommand(id);
    if (!command)
        return false;
    if (!ui)
        RunTabCommand(*command);
    else
        UpdateTabCommand(*command, *ui);
    return true;
}

void CCQuilmView::OnControlEvent(UINT controlId, DISPID dispid, DISPPARAMS* params)
{
    if (controlId != kControlId)
        return;
    switch (dispid) {
    case norvak_event::ShellOnCreate:
        OnControlCreated();
        break;
    case norvak_event::ShellOnRowsChanged:
    case norvak_event::ShellOnColumnsChanged:
        OnGridSizeChanged(LongArgument(params, 0), LongArgument(params, 1), LongArgument(params, 2));
        break;
    default:
        break;
    }
}

void CCQuilmView::OnControlCreated()
{
    const CMainFrame* frame = HostMainFrame();
    const bool openingFile = frame && frame->m_bOpeningFile;
    m_norvak.DoSetInitializePageCounts(!openingFile, 0, "", "", "");
}

void CCQuilmView::OnGridSizeChanged(long page, long, long)
{
    m_norvak.DoSetPageColumnABCD(page, 1, -1);
    m_norvak.DoSetPageRow1234(page, 1, -1);
}

void CCQuilmView::OnFilePrint(UINT)
{
    m_norvak.DoPrint();
}

void CCQuilmView::OnFilePrintPreview(UINT)
{
    m_norvak.DoPreview();
}

void CCQuilmView::OnFilePrintSetup(UINT)
{
    m_norvak.DoPrintSetup(true, true, true, true, true, true, true, true);
}

void CCQuilmView::OnCellTextFormat(UINT)
{
    const ActiveSelection selection = ReadActiveSelection(m_norvak);
    const SelectionBounds& b = selection.bounds;
    CFormatCodeDlg dialog(m_norvak.DoGetPageCellTextFormat(selection.page, b.minRow, b.minCol), m_hWnd);
    if (dialog.DoModal() != IDOK || b.Empty())
        return;
    const short code = short(dialog.m_code);
    ForEachSelectedCell(m_norvak, selection, [&](long row, long col) {
        m_norvak.DoSetPageCellTextFormat(selection.page, row, col, code);
        return true;
    });
}

void CCQuilmView::OnLockWindow(UINT)
{
    const ActiveSelection selection = ReadActiveSelection(m_norvak);
    if (selection.bounds.Empty())
        return;
    const LockPoint lock = LockPointOf(selection.bounds);
    m_norvak.DoSetPageLockRowAndColumn(selection.page, lock.row, lock.col);
}

void CCQuilmView::OnUnlockWindow(UINT)
{
    const ActiveSelection selection = ReadActiveSelection(m_norvak);
    if (!selection.bounds.Empty())
        m_norvak.DoSetPageLockRowAndColumn(selection.page, 0, 0);
}

void CCQuilmView::OnUpdateLockWindow(CCmdUI& ui)
{
    const ActiveSelection selection = ReadActiveSelection(m_norvak);
    ui.Enable(!selection.bounds.Empty());
    if (!selection.bounds.Empty())
        ui.SetCheck(m_norvak.DoGetPageLockRow(selection.page) > 0 || m_norvak.DoGetPageLockColumn(selection.page) > 0);
}

void CCQuilmView::OnUpdateUnlockWindow(CCmdUI& ui)
{
    const ActiveSelection selection = ReadActiveSelection(m_norvak);
    ui.Enable(!selection.bounds.Empty());
    if (!selection.bounds.Empty())
        ui.SetCheck(!(m_norvak.DoGetPageLockRow(selection.page) > 0 || m_norvak.DoGetPageLockColumn(selection.page) > 0));
}

LRESULT CCQuilmView::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE:
        Default();
        if (m_norvak.m_hWnd)
            m_norvak.SetControlRect(CRect(0, 0, LOWORD(lp), HIWORD(lp)));
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        ::BeginPaint(m_hWnd, &paint);
        ::EndPaint(m_hWnd, &paint);
        return 0;
    }
    case WM_SETFOCUS:
        if (m_norvak.m_hWnd)
            ::SetFocus(m_norvak.m_hWnd);
        return 0;
    case WM_DESTROY:
        m_norvak.DestroyWindow();
        return Default();
    default:
        return CWnd::WindowProc(msg, wp, lp);
    }
}
