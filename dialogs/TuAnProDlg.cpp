#include "dialogs/TuAnProDlg.h"

#include "dialogs/FillTarget.h"
#include "dialogs/NorvakSheet.h"
#include "dialogs/PickerMessages.h"
#include "drawing/CFillPainter.h"
#include "framework/DataExchange.h"
#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakModule.h"
#include "resources/NorvakResource.h"

CTuAnProDlg::CTuAnProDlg() : CSwatchGridPage(IDD_PATTERN_PAGE, kPatternGrid, IDC_PATTERN_SCROLL, IDC_PATTERN_FOREGROUND, 5)
{
}

void CTuAnProDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PATTERN_FOREGROUND, m_foreground);
    DDX_Control(dx, IDC_PATTERN_SCROLL, m_scrollBar);
    DDX_Control(dx, IDC_PATTERN_BACKGROUND, m_background);
    DDX_Control(dx, IDC_SWATCH_FRAME, m_gridFrame);
}

bool CTuAnProDlg::OnInitDialog()
{
    CSwatchGridPage::OnInitDialog();
    m_foreground.SetColour(RGB(0, 0, 0));
    m_background.SetColour(RGB(255, 255, 255));
    UpdateScrollRange();
    m_foreground.SetMode(CColourPicker::ColourGrid, int(RGB(0, 0, 0)));
    m_background.SetMode(CColourPicker::ColourGrid, int(RGB(255, 255, 255)));
    return true;
}

int CTuAnProDlg::SwatchCount() const
{
    const CNorvakCtrl* control = GetSheetControl();
    return control ? int(control->m_FillPatterns.size()) : 0;
}

void CTuAnProDlg::PaintSwatch(CDC& dc, int index, const CRect& cell)
{
    const CNorvakCtrl* control = GetSheetControl();
    if (!control)
        return;
    CFillPainter(control->FillTables())
        .FillPatternRect(&dc, cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2, index, GetForeground(),
                         GetBackground());
}

void CTuAnProDlg::PreviewSelected(int index)
{
    if (CNorvakSheet* sheet = GetNorvakSheet())
        sheet->SetFillPreview(CNorvakSheet::Pattern, GetForeground(), GetBackground(), -1, -1, nullptr, index);
}

void CTuAnProDlg::PaintName(CDC& dc)
{
    const CRect frame = FrameRect();
    CRect box(frame.left, frame.bottom - 3, GetChildRect(GetDlgItem(IDC_PATTERN_LOAD)).right,
              GetChildRect(m_foreground).top - 10);
    {
        CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
        dc.Rectangle(box);
    }
    const CNorvakCtrl* control = GetSheetControl();
    if (!control || m_nSelected < 0 || m_nSelected >= int(control->m_FillPatterns.size()))
        return;
    dc.SetBkMode(TRANSPARENT);
    CSelectObject font(dc, GetFont());
    dc.DrawText(control->m_FillPatterns[size_t(m_nSelected)].name, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CTuAnProDlg::OnOK()
{
    CNorvakSheet* sheet = GetNorvakSheet();
    if (!sheet || !IsActiveSheetPage())
        return;
    if (sheet->GetOwnerKind() == 0)
        if (auto* target = dynamic_cast<IFillTarget*>(sheet->GetOwner()))
            target->SetFill(5, 0, 0, GetForeground(), GetBackground(), 0, 0, m_nSelected);
    NorvakApp().m_crLastPatternFore = GetForeground();
    NorvakApp().m_crLastPatternBack = GetBackground();
}

LRESULT CTuAnProDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COLOURPICKER_CHOSEN) {
        InvalidateGrid();
        return 0;
    }
    return CSwatchGridPage::WindowProc(msg, wp, lp);
}
