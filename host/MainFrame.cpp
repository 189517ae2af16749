#include "host/MainFrame.h"

#include "NorvakResource.h"
#include "framework/CommonDialogs.h"
#include "host/ChildFrame.h"
#include "host/QuilmApp.h"
#include "host/RecentFileMenu.h"
#include "host/SelectedCells.h"
#include "host/model/HostPalette.h"

#include <commctrl.h>
#include <dde.h>
#include <shellapi.h>

#include <cstdlib>

namespace {

CMainFrame* g_mainFrame = nullptr;

const UINT kStandardButtons[] = {ID_FILE_NEW,      ID_FILE_OPEN,     ID_SAVE_WORKBOOK,  0,
                                 ID_FILE_PRINT,    ID_FILE_PRINT_PREVIEW, 0,            ID_EDIT_CUT,
                                 ID_EDIT_COPY,     ID_EDIT_PASTE,    ID_FORMAT_BRUSH,   0,
                                 ID_MERGE_CELLS,   ID_UNMERGE_CELLS, ID_INSERT_ROWS,    ID_DELETE_ROWS,
                                 ID_INSERT_COLUMNS, ID_DELETE_COLUMNS};
const UINT kFormatButtons[] = {ID_FONT_NAME_PLACE, 0, ID_FONT_SIZE_PLACE, 0, ID_FONT_BOLD, ID_FONT_ITALIC,
                               ID_FONT_UNDERLINE, 0, ID_ALIGN_LEFT, ID_ALIGN_CENTRE, ID_ALIGN_RIGHT,
                               ID_ALIGN_NONE, 0, ID_FILL_COLOUR, ID_TEXT_COLOUR};
const UINT kLineButtons[] = {ID_LINE_STYLE_PLACE, 0, ID_LINE_WIDTH_PLACE, 0, ID_LINE_COLOUR, ID_BORDERS};

// The text format each alignment button sets.
short AlignFormatOf(UINT id)
{
    switch (id) {
    case ID_ALIGN_LEFT:
        return 16;
    case ID_ALIGN_CENTRE:
        return 18;
    case ID_ALIGN_RIGHT:
        return 20;
    default:
        return 0;
    }
}

// The font object of every selected cell that has one, each released after visit.
template <class Visit> void ForEachSelectedFont(const CNorvak& control, const ActiveSelection& selection, Visit visit)
{
    ForEachSelectedCell(control, selection, [&](long row, long col) {
        CGridObjectDriver cell(control.DoGetGridObject(selection.page, row, col));
        if (!cell.m_lpDispatch)
            return true;
        CFontObjectDriver font(cell.DoGetFontObject());
        return visit(font);
    });
}

} // namespace

CMainFrame* HostMainFrame()
{
    return g_mainFrame;
}

const CommandEntry<CMainFrame> CMainFrame::kCommands[] = {
    {ID_FONT_BOLD, 0, &CMainFrame::OnBold, &CMainFrame::OnUpdateBold},
    {ID_FONT_ITALIC, 0, &CMainFrame::OnItalic, &CMainFrame::OnUpdateItalic},
    {ID_FONT_UNDERLINE, 0, &CMainFrame::OnUnderline, &CMainFrame::OnUpdateUnderline},
    {ID_ALIGN_LEFT, ID_ALIGN_RIGHT, &CMainFrame::OnAlign, &CMainFrame::OnUpdateAlign},
    {ID_ALIGN_NONE, 0, &CMainFrame::OnAlign, &CMainFrame::OnUpdateAlign},
    {ID_BORDERS, 0, &CMainFrame::OnPickerButton, &CMainFrame::OnUpdateSelection},
    {ID_LINE_COLOUR, 0, &CMainFrame::OnPickerButton, &CMainFrame::OnUpdateSelection},
    {ID_FILL_COLOUR, 0, &CMainFrame::OnPickerButton, &CMainFrame::OnUpdateSelection},
    {ID_TEXT_COLOUR, 0, &CMainFrame::OnPickerButton, &CMainFrame::OnUpdateSelection},
    {ID_FILE_OPEN, 0, &CMainFrame::OnFileOpen, nullptr},
    {ID_WINDOW_ARRANGE, ID_WINDOW_TILE_HORZ, &CMainFrame::OnWindowArrange, nullptr},
};

bool CMainFrame::OnCmdMsg(UINT id, CCmdUI* ui)
{
    return RouteThroughTable<CMainFrame>(this, kCommands, id, ui);
}

CChildFrame* CMainFrame::ActiveChild() const
{
    return dynamic_cast<CChildFrame*>(MDIGetActive());
}

CNorvak* CMainFrame::ActiveControl() const
{
    CChildFrame* child = ActiveChild();
    if (!child || !child->View().Control().m_hWnd)
        return nullptr;
    return &child->View().Control();
}

int CMainFrame::OnCreate(CREATESTRUCTW* cs)
{
    g_mainFrame = this;
    if (CMDIFrameWnd::OnCreate(cs) != 0 || !CreateToolBars())
        return -1;
    const UINT indicators[] = {CStatusBar::kSeparator, CStatusBar::kIndicatorCaps, CStatusBar::kIndicatorNum,
                               CStatusBar::kIndicatorScroll};
    if (!m_statusBar.Create(m_hWnd, kStatusBar, true) || !m_statusBar.SetIndicators(indicators))
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    for (CToolBar& bar : m_toolBars) {
        bar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&bar);
    }
    return 0;
}

bool CMainFrame::CreateToolBars()
{
    struct Bar
    {
        std::span<const UINT> buttons;
        UINT bitmap;
        const char* title;
    };
    const Bar bars[] = {{kStandardButtons, IDR_TOOLBAR_STANDARD, "常用"},
                        {kFormatButtons, IDR_TOOLBAR_FORMAT, "格式"},
                        {kLineButtons, IDR_TOOLBAR_LINE, "线型"}};
    const DWORD style =
        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    for (int i = 0; i < 3; ++i)
        if (!m_toolBars[i].CreateEx(m_hWnd, TBSTYLE_FLAT, style, kToolBarFirst) ||
            !m_toolBars[i].SetButtons(bars[i].buttons, bars[i].bitmap))
            return false;
    CToolBar& format = m_toolBars[1];
    CToolBar& line = m_toolBars[2];
    // The boxes sit on widened separators; their rectangles reach down for the drop-down lists.
    CRect nameRect = format.MakePlaceholder(0, 180);
    CRect sizeRect = format.MakePlaceholder(2, 80);
    CRect styleRect = line.MakePlaceholder(0, 180);
    CRect widthRect = line.MakePlaceholder(2, 80);
    nameRect.bottom += 200;
    sizeRect.bottom += 150;
    styleRect.bottom += 150;
    widthRect.bottom += 150;
    const DWORD editable = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN;
    if (!m_fontNameBox.Create(editable, nameRect, format, IDC_FONT_NAME_BOX) ||
        !m_fontSizeBox.Create(editable, sizeRect, format, IDC_FONT_SIZE_BOX))
        return false;
    m_fontNameBox.SetWindowText("宋体");
    m_fontSizeBox.SetWindowText("10");
    const DWORD list = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    if (!m_lineStyleBox.Create(list, styleRect, line, IDC_LINE_STYLE_BOX) ||
        !m_lineWidthBox.Create(list, widthRect, line, IDC_LINE_WIDTH_BOX))
        return false;
    m_lineStyleBox.SetCurSel(1);
    m_lineWidthBox.SetCurSel(0);
    format.SetButtonInfo(13, ID_FILL_COLOUR, BTNS_DROPDOWN, 9);
    format.SetButtonInfo(14, ID_TEXT_COLOUR, BTNS_DROPDOWN, 10);
    line.SetButtonInfo(4, ID_LINE_COLOUR, BTNS_DROPDOWN, 2);
    line.SetButtonInfo(5, ID_BORDERS, BTNS_DROPDOWN, 3);
    format.SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    line.SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    for (int i = 0; i < 3; ++i)
        m_toolBars[i].SetWindowText(bars[i].title);
    return true;
}

void CMainFrame::OnChildActivated(CMDIChildWnd* active)
{
    CMDIFrameWnd::OnChildActivated(active);
    CString title = HostApp().Title();
    if (active) {
        title += " - ";
        title += active->GetWindowText();
    }
    SetWindowText(title);
}

// ---- the font and format commands ----

void CMainFrame::OnBold(UINT)
{
    if (CNorvak* control = ActiveControl()) {
        ForEachSelectedFont(*control, ReadActiveSelection(*control), [](const CFontObjectDriver& font) {
            font.DoSetFontWeight(ToggledWeight(font.DoGetFontWeight()));
            return true;
        });
    }
}

void CMainFrame::OnItalic(UINT)
{
    if (CNorvak* control = ActiveControl()) {
        ForEachSelectedFont(*control, ReadActiveSelection(*control), [](const CFontObjectDriver& font) {
            font.DoSetFontItalic(!font.DoGetFontIsItalic());
            return true;
        });
    }
}

void CMainFrame::OnUnderline(UINT)
{
    if (CNorvak* control = ActiveControl()) {
        ForEachSelectedFont(*control, ReadActiveSelection(*control), [](const CFontObjectDriver& font) {
            font.DoSetFontUnderline(!font.DoGetFontIsUnderline());
            return true;
        });
    }
}

void CMainFrame::OnAlign(UINT id)
{
    CNorvak* control = ActiveControl();
    if (!control)
        return;
    const ActiveSelection selection = ReadActiveSelection(*control);
    ForEachSelectedCell(*control, selection, [&](long row, long col) {
        control->DoSetPageCellTextFormat(selection.page, row, col, AlignFormatOf(id));
        return true;
    });
}

namespace {

// The format items' rule: disabled without a view, a selection or a selected cell; else checked
// by what check says of the first selected cell with a font object.
template <class Check> void UpdateByFirstFont(const CNorvak* control, CCmdUI& ui, Check check)
{
    if (!control) {
        ui.Enable(false);
        return;
    }
    const ActiveSelection selection = ReadActiveSelection(*control);
    bool any = false;
    bool checked = false;
    if (!selection.bounds.Empty())
        ForEachSelectedFont(*control, selection, [&](const CFontObjectDriver& font) {
            any = true;
            checked = check(font);
            return false;
        });
    ui.Enable(any);
    ui.SetCheck(checked);
}

} // namespace

void CMainFrame::OnUpdateBold(CCmdUI& ui)
{
    UpdateByFirstFont(ActiveControl(), ui, [](const CFontObjectDriver& font) { return font.DoGetFontWeight() > 799; });
}

void CMainFrame::OnUpdateItalic(CCmdUI& ui)
{
    UpdateByFirstFont(ActiveControl(), ui, [](const CFontObjectDriver& font) { return font.DoGetFontIsItalic(); });
}

void CMainFrame::OnUpdateUnderline(CCmdUI& ui)
{
    UpdateByFirstFont(ActiveControl(), ui, [](const CFontObjectDriver& font) { return font.DoGetFontIsUnderline(); });
}

void CMainFrame::OnUpdateAlign(CCmdUI& ui)
{
    const CNorvak* control = ActiveControl();
    if (!control) {
        ui.Enable(false);
        return;
    }
    const ActiveSelection selection = ReadActiveSelection(*control);
    bool any = false;
    if (!selection.bounds.Empty())
        ForEachSelectedCell(*control, selection, [&](long row, long col) {
            any = true;
            ui.SetCheck(control->DoGetPageCellTextFormat(selection.page, row, col) == AlignFormatOf(ui.m_nID));
            return false;
        });
    ui.Enable(any);
}

void CMainFrame::OnUpdateSelection(CCmdUI& ui)
{
    const CNorvak* control = ActiveControl();
    ui.Enable(control && !ReadActiveSelection(*control).bounds.Empty());
}

// ---- the picker ----

void CMainFrame::OnPickerButton(UINT id)
{
    if (!m_picker.m_hWnd)
        return;
    switch (id) {
    case ID_BORDERS:
        m_picker.SetMode(PickerMode::Borders, -1);
        break;
    case ID_LINE_COLOUR:
        m_picker.SetMode(PickerMode::LineColour, -2);
        break;
    case ID_FILL_COLOUR:
        m_picker.SetMode(PickerMode::FillColour, -2);
        break;
    default:
        m_picker.SetMode(PickerMode::TextColour, -2);
        break;
    }
    m_picker.Apply();
}

LRESULT CMainFrame::OnToolbarDropDown(const NMTOOLBARW* info)
{
    const HWND bar = info->hdr.hwndFrom;
    RECT button{};
    ::SendMessageW(bar, TB_GETRECT, WPARAM(info->iItem), reinterpret_cast<LPARAM>(&button));
    POINT corner{button.left, button.bottom};
    ::ClientToScreen(bar, &corner);
    if (!m_picker.m_hWnd && !m_picker.Create(IDD_PICKER_POPUP, m_hWnd))
        return 0;
    PickerMode mode = PickerMode::Borders;
    CRect place(corner.x, corner.y + 1, corner.x + 96, corner.y + 148);
    switch (info->iItem) {
    case ID_BORDERS:
        place = CRect(corner.x, corner.y + 1, corner.x + 108, corner.y + 156);
        break;
    case ID_FILL_COLOUR:
        mode = PickerMode::FillColour;
        break;
    case ID_TEXT_COLOUR:
        mode = PickerMode::TextColour;
        break;
    case ID_LINE_COLOUR:
        mode = PickerMode::LineColour;
        break;
    default:
        return 0;
    }
    int item = -1;
    if (mode != PickerMode::Borders) {
        item = -2;
        CNorvak* control = ActiveControl();
        const ActiveSelection selection = control ? ReadActiveSelection(*control) : ActiveSelection{};
        if (control && !selection.bounds.Empty()) {
            CGridObjectDriver cell(control->DoGetGridObject(selection.page, selection.bounds.minRow,
                                                            selection.bounds.minCol));
            COLORREF colour = 0;
            if (mode == PickerMode::FillColour) {
                colour = cell.DoGetBkColor();
                item = PaletteItemOfFill(colour);
            } else {
                colour = mode == PickerMode::TextColour ? cell.DoGetTextColor() : cell.DoGetHorLineColor(2);
                item = PaletteItemOfTextOrLine(colour);
            }
            if (item == kCustomColourItem)
                m_picker.m_customColour = colour;
        }
    }
    m_picker.MoveWindow(place);
    m_picker.SetMode(mode, item);
    if (m_picker.IsWindowVisible()) {
        m_picker.ShowWindow(SW_HIDE);
    } else {
        m_picker.ShowWindow(SW_SHOW);
        m_picker.SetFocus();
    }
    return 0;
}

// ---- the font boxes ----

void CMainFrame::OnApplyFont(HWND box)
{
    CNorvak* control = ActiveControl();
    if (!control || (box != m_fontNameBox.m_hWnd && box != m_fontSizeBox.m_hWnd))
        return;
    const CHotTrackComboBox& source = box == m_fontNameBox.m_hWnd ? m_fontNameBox : m_fontSizeBox;
    const int selected = source.GetCurSel();
    const CString text = selected >= 0 ? source.GetLBText(selected) : source.GetWindowText();
    const bool isName = box == m_fontNameBox.m_hWnd;
    ForEachSelectedFont(*control, ReadActiveSelection(*control), [&](const CFontObjectDriver& font) {
        if (isName)
            font.DoSetFontFaceName(text);
        else
            font.DoSetFontSize(std::atol(text.GetString()));
        return true;
    });
}

void CMainFrame::OnWindowArrange(UINT id)
{
    switch (id) {
    case ID_WINDOW_CASCADE:
        ::SendMessageW(MDIClient(), WM_MDICASCADE, 0, 0);
        break;
    case ID_WINDOW_TILE_HORZ:
        ::SendMessageW(MDIClient(), WM_MDITILE, MDITILE_HORIZONTAL, 0);
        break;
    default:
        ::SendMessageW(MDIClient(), WM_MDIICONARRANGE, 0, 0);
        break;
    }
}

// ---- File Open ----

void CMainFrame::OnFileOpen(UINT)
{
    OpenWorkbook(m_hWnd, false);
}

void CMainFrame::OpenWorkbook(HWND receiver, bool checkDuplicates)
{
    CFileDialog dialog(true, nullptr, nullptr, 6,
                       "Norvak(*.nvk)|*.nvk|文档模板(*.nor)|*.nor|焦点文档(*.fcs)|*.fcs|支持格式(*.nvk;*.nor;*.fcs)|*.nvk;*.nor;*.fcs|全部文件(*.*)|*.*||",
                       m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    OpenWorkbookPath(dialog.GetPathName(), receiver, checkDuplicates);
}

bool CMainFrame::OpenWorkbookPath(const CString& path, HWND receiver, bool checkDuplicates)
{
    if (checkDuplicates) {
        if (const OpenFileEntry* entry = m_openFiles.FindPath(path)) {
            if (entry->frame)
                ::SendMessageW(MDIClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(
                                                                static_cast<CChildFrame*>(entry->frame)->m_hWnd), 0);
            return true;
        }
    }
    m_bOpeningFile = 1;
    ::SendMessageW(receiver, WM_COMMAND, ID_FILE_NEW, 0);
    CChildFrame* frame = ActiveChild();
    const bool shown = frame && frame->ShowWorkbook(path);
    m_bOpeningFile = 0;
    if (shown) {
        m_openFiles.Append(path, frame);
        HostApp().AddToRecentFileList(path);
    } else if (frame) {
        // No window may keep the path of a file the control refused: its Save would replace the
        // file with an empty workbook.
        ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    }
    return shown;
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_USER + 1:
        OnApplyFont(reinterpret_cast<HWND>(lp));
        return 0;
    case WM_DROPFILES: {
        // Each dropped file opens as File Open would open it.
        HDROP drop = reinterpret_cast<HDROP>(wp);
        const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            wchar_t path[MAX_PATH]{};
            if (::DragQueryFileW(drop, i, path, MAX_PATH))
                OpenWorkbookPath(CString::FromWide(path), m_hWnd, true);
        }
        ::DragFinish(drop);
        return 0;
    }
    case WM_INITMENUPOPUP:
        if (const RecentFileList* recent = HostApp().RecentFiles(); recent && !HIWORD(lp))
            ShowRecentFiles(reinterpret_cast<HMENU>(wp), *recent);
        return CMDIFrameWnd::WindowProc(msg, wp, lp);
    case WM_DDE_INITIATE:
    case WM_DDE_EXECUTE:
    case WM_DDE_TERMINATE:
        if (HostApp().OnShellOpenMessage(m_hWnd, msg, wp, lp))
            return 0;
        return Default();
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lp)->code == UINT(TBN_DROPDOWN))
            return OnToolbarDropDown(reinterpret_cast<const NMTOOLBARW*>(lp));
        return Default();
    case WM_DESTROY:
        if (m_picker.m_hWnd)
            m_picker.DestroyWindow();
        Default();
        ::PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        if (g_mainFrame == this)
            g_mainFrame = nullptr;
        return Default();
    default:
        return CMDIFrameWnd::WindowProc(msg, wp, lp);
    }
}
