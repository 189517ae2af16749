#include "host/ChildFrame.h"

#include "NorvakResource.h"
#include "framework/CommonDialogs.h"
#include "host/MainFrame.h"
#include "host/QuilmApp.h"
#include "host/QuilmFileDialog.h"
#include "host/RowHeightDlg.h"
#include "host/SelectedCells.h"
#include "host/model/HeaderLabels.h"
#include "host/model/OpenFileList.h"
#include "host/model/RowHeightValue.h"

namespace {

const char kWorkbookFilter[] = "Norvak(*.nvk)|*.nvk|文档模板(*.nor)|*.nor|焦点文档(*.fcs)|*.fcs|全部文件(*.*)|*.*||";
const char kPictureFilter[] =
    "图标 (*.ico)|*.ico|JPEG文件格式 (*.jpg)|*.jpg|GIF文件格式 (*.gif)|*.gif|Windows图元文件(*.wmf)|*.wmf|"
    "Windows增强型图元文件(*.emf)|*.emf|Windows位图 (*.bmp;*.dib)|*.bmp;*.dib|"
    "所有文件 (*.bmp;*.dib;*.wmf;*.emf;*.jpg;*.gif;*.ico)|*.bmp;*.dib;*.wmf;*.emf;*.jpg;*.gif;*.ico||";
constexpr long kDefaultRowHeight = 20;

// The pages a labelling pass covers: one, or all of them for -1.
template <class Label> void ForPages(const CNorvak& control, long page, Label label)
{
    if (page != -1) {
        label(page);
        return;
    }
    const long count = control.DoGetPageCounts();
    for (long each = 0; each < count; ++each)
        label(each);
}

} // namespace

const CommandEntry<CChildFrame> CChildFrame::kCommands[] = {
    {ID_DELETE_ROWS, 0, &CChildFrame::OnDeleteRows, &CChildFrame::OnUpdateSelection},
    {ID_DELETE_COLUMNS, 0, &CChildFrame::OnDeleteColumns, &CChildFrame::OnUpdateSelection},
    {ID_MERGE_CELLS, 0, &CChildFrame::OnMergeCells, nullptr},
    {ID_UNMERGE_CELLS, 0, &CChildFrame::OnUnmergeCells, nullptr},
    {ID_ALLOW_DRAG, 0, &CChildFrame::OnAllowDrag, &CChildFrame::OnUpdateAllowDrag},
    {ID_HEAD_STYLE_NONE, ID_HEAD_STYLE_FILL, &CChildFrame::OnHeadStyle, &CChildFrame::OnUpdateHeadStyle},
    {ID_EDIT_COPY, 0, &CChildFrame::OnCopy, &CChildFrame::OnUpdateSelection},
    {ID_EDIT_CUT, 0, &CChildFrame::OnCut, &CChildFrame::OnUpdateSelection},
    {ID_EDIT_PASTE, 0, &CChildFrame::OnPaste, &CChildFrame::OnUpdatePaste},
    {ID_FORMAT_BRUSH, 0, &CChildFrame::OnFormatBrush, &CChildFrame::OnUpdateSelection},
    {ID_NEW_SHEET, 0, &CChildFrame::OnNewSheet, nullptr},
    {ID_INSERT_ROWS, 0, &CChildFrame::OnInsertRows, &CChildFrame::OnUpdateSelection},
    {ID_INSERT_COLUMNS, 0, &CChildFrame::OnInsertColumns, &CChildFrame::OnUpdateSelection},
    {ID_ROW_HEIGHT, 0, &CChildFrame::OnRowHeight, &CChildFrame::OnUpdateSelection},
    {ID_ROW_BEST_HEIGHT, 0, &CChildFrame::OnBestRowHeight, &CChildFrame::OnUpdateSelection},
    {ID_ROW_DEFAULT_HEIGHT, 0, &CChildFrame::OnDefaultRowHeight, &CChildFrame::OnUpdateSelection},
    {ID_ROW_HIDE, 0, &CChildFrame::OnHideRows, &CChildFrame::OnUpdateSelection},
    {ID_ROW_UNHIDE, 0, &CChildFrame::OnUnhideRows, &CChildFrame::OnUpdateSelection},
    {ID_CELL_PICTURE_FILE, 0, &CChildFrame::OnCellPictureFile, &CChildFrame::OnUpdateSelection},
    {ID_CELL_PICTURE_SAMPLES, 0, &CChildFrame::OnCellPictureSamples, &CChildFrame::OnUpdateSelection},
    {ID_FILE_OPEN, 0, &CChildFrame::OnFileOpen, nullptr},
    {ID_SAVE_WORKBOOK, 0, &CChildFrame::OnSave, nullptr},
    {ID_SAVE_WORKBOOK_AS, 0, &CChildFrame::OnSaveAs, nullptr},
};

CChildFrame::CChildFrame(std::unique_ptr<CCQuilmDoc> document) : m_document(std::move(document)) {}

bool CChildFrame::Create(CMDIFrameWnd* frame, HMENU menu, HMENU windowPopup)
{
    return CMDIChildWnd::Create(frame, m_document->GetTitle(), menu, windowPopup);
}

bool CChildFrame::OnCmdMsg(UINT id, CCmdUI* ui)
{
    return RouteThroughTable<CChildFrame>(this, kCommands, id, ui);
}

void CChildFrame::ActivateFrame(int show)
{
    CMDIChildWnd::ActivateFrame(show);
    LabelColumnHeaders(-1);
    LabelRowHeaders(-1);
}

void CChildFrame::LabelColumnHeaders(long page)
{
    const CNorvak& control = Control();
    ForPages(control, page, [&](long each) {
        const long total = control.DoGetPageColumns(each, 2);
        if (control.DoGetPageColumns(each, 0) == 1)
            for (long col = 1; col < total; ++col)
                control.DoSetPageCellText(each, 0, col, ColumnLetters(col));
        control.DoSetPageColumnWidth(each, 0, 40);
    });
}

void CChildFrame::LabelRowHeaders(long page)
{
    const CNorvak& control = Control();
    ForPages(control, page, [&](long each) {
        const long total = control.DoGetPageRows(each, 2);
        const long fixed = control.DoGetPageRows(each, 0);
        for (long row = fixed; row < total; ++row)
            control.DoSetPageCellText(each, row, 0, RowNumberLabel(row, fixed));
    });
}

bool CChildFrame::ShowWorkbook(const CString& path)
{
    const CString name = FileNameOfPath(path);
    SetWindowText(name);
    m_path = path;
    m_document->SetTitle(name);
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->OnChildActivated(this);
    return Control().DoOpen(path);
}

// ---- rows, columns and cells ----

void CChildFrame::OnDeleteRows(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    for (long row = s.bounds.maxRow; row >= s.bounds.minRow; --row)
        if (Control().DoGetPageRowIsSelected(s.page, row))
            Control().DoRemovePageRow(s.page, row);
    LabelRowHeaders(s.page);
}

void CChildFrame::OnDeleteColumns(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    for (long col = s.bounds.maxCol; col >= s.bounds.minCol; --col)
        if (Control().DoGetPageColIsSelected(s.page, col))
            Control().DoRemovePageColumn(s.page, col);
    LabelColumnHeaders(s.page);
}

void CChildFrame::OnMergeCells(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    Control().DoSetPageCellCombine(s.page, s.bounds.minRow, s.bounds.maxRow, s.bounds.minCol, s.bounds.maxCol);
}

void CChildFrame::OnUnmergeCells(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    Control().DoSetPageCellUnCombine(s.page, s.bounds.minRow, s.bounds.minCol);
}

void CChildFrame::OnAllowDrag(UINT)
{
    const long page = Control().DoGetActivePageIndex();
    Control().DoSetPageDragAndDrop(page, !Control().DoGetPageDragAndDrop(page));
}

void CChildFrame::OnUpdateAllowDrag(CCmdUI& ui)
{
    ui.SetCheck(Control().DoGetPageDragAndDrop(Control().DoGetActivePageIndex()));
}

void CChildFrame::OnHeadStyle(UINT id)
{
    Control().DoSetGridHeadSelectedStyle(Control().DoGetActivePageIndex(), short(id - ID_HEAD_STYLE_NONE));
}

void CChildFrame::OnUpdateHeadStyle(CCmdUI& ui)
{
    ui.SetCheck(Control().DoGetGridHeadSelectedStyle(Control().DoGetActivePageIndex()) ==
                short(ui.m_nID - ID_HEAD_STYLE_NONE));
}

template <class Action> void CChildFrame::WithSelectionRange(Action action)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    CGridRangeObjectDriver range(
        Control().DoGetGridRangeObject(s.page, s.bounds.minRow, s.bounds.minCol, s.bounds.maxRow, s.bounds.maxCol));
    action(range);
}

void CChildFrame::OnCopy(UINT)
{
    WithSelectionRange([](const CGridRangeObjectDriver& range) { range.DoCopy(); });
}

void CChildFrame::OnCut(UINT)
{
    WithSelectionRange([](const CGridRangeObjectDriver& range) { range.DoCut(); });
}

void CChildFrame::OnPaste(UINT)
{
    WithSelectionRange([](const CGridRangeObjectDriver& range) { range.DoPaste(); });
}

void CChildFrame::OnUpdateSelection(CCmdUI& ui)
{
    const long count = Control().DoGetPageCounts();
    const ActiveSelection s = ReadActiveSelection(Control());
    ui.Enable(s.page != -1 && s.page < count && !s.bounds.Empty());
}

void CChildFrame::OnUpdatePaste(CCmdUI& ui)
{
    OnUpdateSelection(ui);
    if (ui.m_enabled)
        WithSelectionRange([&](const CGridRangeObjectDriver& range) { ui.Enable(range.DoIsPaste()); });
}

void CChildFrame::OnFormatBrush(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    Control().DoSetPageFormatBrush(s.page, s.bounds.minRow, s.bounds.minCol, s.bounds.maxRow, s.bounds.maxCol);
}

void CChildFrame::OnNewSheet(UINT)
{
    CString title;
    title.Format("Sheet%d", int(Control().DoGetPageCounts() + 1));
    Control().DoInsertPage(title);
    const long page = Control().DoGetPageCounts() - 1;
    Control().DoSetPageRowCounts(page, 100, 1);
    Control().DoSetPageColumnCounts(page, 50, 1);
    LabelColumnHeaders(page);
    LabelRowHeaders(page);
}

void CChildFrame::OnInsertRows(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    if (s.bounds.maxRow < s.bounds.minRow)
        return;
    for (long n = s.bounds.minRow; n <= s.bounds.maxRow; ++n)
        Control().DoInsertPageRow(s.page, s.bounds.minRow);
    LabelRowHeaders(s.page);
}

void CChildFrame::OnInsertColumns(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    if (s.bounds.maxCol < s.bounds.minCol)
        return;
    for (long n = s.bounds.minCol; n <= s.bounds.maxCol; ++n)
        Control().DoInsertPageColumn(s.page, s.bounds.minCol, 5, "");
    LabelColumnHeaders(s.page);
}

// ---- row heights ----

void CChildFrame::OnRowHeight(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    const long height = Control().DoGetPageRowHeight(s.page, s.bounds.minRow);
    HDC dc = ::GetDC(Control().m_hWnd);
    const int vertSize = ::GetDeviceCaps(dc, VERTSIZE);
    const int vertRes = ::GetDeviceCaps(dc, VERTRES);
    ::ReleaseDC(Control().m_hWnd, dc);
    CRowHeightDlg dialog(PixelsToMillimetres(height, vertSize, vertRes), m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    const long pixels = CentimetresToPixels(dialog.m_value, vertSize, vertRes);
    for (long row = s.bounds.minRow; row <= s.bounds.maxRow; ++row)
        if (Control().DoGetPageRowIsSelected(s.page, row))
            Control().DoSetPageRowHeight(s.page, row, pixels);
    Control().Invalidate(true);
}

void CChildFrame::OnDefaultRowHeight(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    for (long row = s.bounds.minRow; row <= s.bounds.maxRow; ++row)
        if (Control().DoGetPageRowIsSelected(s.page, row))
            Control().DoSetPageRowHeight(s.page, row, kDefaultRowHeight);
    Control().Invalidate(true);
}

void CChildFrame::OnHideRows(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    for (long row = s.bounds.minRow; row <= s.bounds.maxRow; ++row) {
        if (!Control().DoGetPageRowIsSelected(s.page, row))
            continue;
        m_hiddenRows.Remember(row, Control().DoGetPageRowHeight(s.page, row));
        Control().DoSetPageRowHeight(s.page, row, 0);
    }
    Control().Invalidate(true);
}

void CChildFrame::OnUnhideRows(UINT)
{
    const ActiveSelection s = ReadActiveSelection(Control());
    for (long row = s.bounds.minRow; row <= s.bounds.maxRow; ++row) {
        if (!Control().DoGetPageRowIsSelected(s.page, row))
            continue;
        const std::optional<long> before = m_hiddenRows.HeightBefore(row);
        if (before && Control().DoGetPageRowHeight(s.page, row) == 0)
            Control().DoSetPageRowHeight(s.page, row, *before);
    }
    Control().Invalidate(true);
}

// ---- cell pictures ----

void CChildFrame::OnCellPictureFile(UINT)
{
    CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kPictureFilter, m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    const ActiveSelection s = ReadActiveSelection(Control());
    ForEachSelectedCell(Control(), s, [&](long row, long col) {
        CGridObjectDriver cell(Control().DoGetGridObject(s.page, row, col));
        if (cell.m_lpDispatch)
            cell.DoSetImageFromFile(path);
        return true;
    });
}

void CChildFrame::OnCellPictureSamples(UINT)
{
    const long page = Control().DoGetActivePageIndex();
    CGridObjectDriver first(Control().DoGetGridObject(page, 1, 1));
    if (!first.m_lpDispatch)
        return;
    const HINSTANCE program = ::GetModuleHandleW(nullptr);
    // The cells keep drawing with these handles, so they are the module's shared copies, which
    // live as long as the program and are loaded once however often the command runs.
    auto icon = [program](UINT id) {
        return static_cast<HICON>(::LoadImageW(program, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR | LR_SHARED));
    };
    first.DoSetIconFromHandle(icon(IDR_MAINFRAME));
    CGridObjectDriver second(Control().DoGetGridObject(page, 2, 2));
    second.DoSetIconFromHandle(icon(IDI_QUILM_ICON5));
    CGridObjectDriver third(Control().DoGetGridObject(page, 3, 3));
    third.DoSetBitmapFromHandle(static_cast<HBITMAP>(
        ::LoadImageW(program, MAKEINTRESOURCEW(IDB_CELL_SAMPLE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR | LR_SHARED)));
}

// ---- files ----

void CChildFrame::OnFileOpen(UINT)
{
    if (CMainFrame* frame = HostMainFrame())
        frame->OpenWorkbook(m_hWnd, true);
}

void CChildFrame::OnSave(UINT)
{
    if (m_path.IsEmpty()) {
        CQuilmFileDialog dialog(false, nullptr, nullptr, 6, kWorkbookFilter, m_hWnd);
        dialog.m_ofn.lpstrTitle = L"保存";
        if (dialog.DoModal() != IDOK)
            return;
        m_path = dialog.GetPathName();
    }
    if (Control().DoSave(m_path, true, Control().DoGetActivePageIndex(), false, false))
        HostApp().AddToRecentFileList(m_path);
}

void CChildFrame::OnSaveAs(UINT)
{
    CQuilmFileDialog dialog(false, nullptr, nullptr, 6, kWorkbookFilter, m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    m_path = dialog.GetPathName();
    if (Control().DoSave(m_path, false, Control().DoGetActivePageIndex(), false, false))
        HostApp().AddToRecentFileList(m_path);
}

void CChildFrame::OnClose()
{
    if (CMainFrame* frame = HostMainFrame())
        frame->m_openFiles.RemoveFrame(this);
    CMDIChildWnd::OnClose();
}

LRESULT CChildFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_CREATE) {
        const LRESULT result = Default();
        if (result == -1 || !m_view.Create(m_hWnd, GetClientRect()))
            return -1;
        SetActiveView(&m_view);
        return result;
    }
    return CMDIChildWnd::WindowProc(msg, wp, lp);
}
