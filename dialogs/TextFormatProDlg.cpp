#include "dialogs/TextFormatProDlg.h"

#include "drawing/CTextPainter.h"
#include "framework/DataExchange.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

#include <commctrl.h>

#include <cmath>

namespace {

constexpr int kCentre = 1;
constexpr COLORREF kMarkGrey = 0x808080;
constexpr COLORREF kMarkYellow = 0x00FFFF;

int ComboSelection(HWND combo)
{
    return int(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

} // namespace

CTextFormatProDlg::CTextFormatProDlg(CNorvakCtrl* owner)
    : CSheetPage(IDD_ALIGNMENT_PAGE, true), m_pOwner(owner)
{
}

void CTextFormatProDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_ALIGN_ANGLE, m_nAngle);
    DDV_MinMaxInt(dx, m_nAngle, 0, 360);
    DDX_Text(dx, IDC_ALIGN_INDENT, m_nIndent);
    DDV_MinMaxInt(dx, m_nIndent, 0, 200);
    DDX_Check(dx, IDC_ALIGN_SHRINK, m_bShrink);
    DDX_Check(dx, IDC_ALIGN_WRAP, m_bWrap);
    DDX_Radio(dx, IDC_ALIGN_COMMON, m_nMode);
}

TextPlacement CTextFormatProDlg::ReadOpenedPlacement() const
{
    if (!m_pOwner)
        return TextPlacement();
    const CNorvakPage* page = m_pOwner->GetPage(-1);
    const CCellRect range = m_pOwner->GetSelectedCellRange(-1);
    if (!page || range.maxRow < 0)
        return TextPlacement();
    CCellCoord cell(range.minRow, range.minCol);
    const CCellCoord focus = page->m_focusCell;
    if (page->m_selectedCells.Contains(focus.row, focus.col))
        cell = focus;
    CCellItem item;
    item.row = cell.row;
    item.col = cell.col;
    item.mask = CIM_FORMAT | CIM_FONT;
    if (!m_pOwner->GetItem(-1, &item))
        return TextPlacement();
    return TextPlacement::OfCell(item.format, item.indent, item.font.font.lfEscapement);
}

void CTextFormatProDlg::LoadPlacement(const TextPlacement& placement)
{
    m_nMode = placement.mode;
    m_nAngle = placement.angle;
    m_nIndent = placement.indent;
    m_bShrink = placement.shrink;
    m_bWrap = placement.wrap;
    m_nStacked = placement.stacked;
    ::SendDlgItemMessageW(m_hWnd, IDC_ALIGN_HORIZONTAL, CB_SETCURSEL, WPARAM(placement.horizontal), 0);
    ::SendDlgItemMessageW(m_hWnd, IDC_ALIGN_VERTICAL, CB_SETCURSEL, WPARAM(placement.vertical), 0);
}

bool CTextFormatProDlg::OnInitDialog()
{
    m_bInitialising = true;
    ::SendDlgItemMessageW(m_hWnd, IDC_ALIGN_ANGLE_SPIN, UDM_SETRANGE32, 0, 360);
    ::SendDlgItemMessageW(m_hWnd, IDC_ALIGN_INDENT_SPIN, UDM_SETRANGE32, 0, 200);
    LoadPlacement(ReadOpenedPlacement());
    UpdateData(false);
    m_bInitialising = false;
    Recompute();
    return true;
}

TextPlacement CTextFormatProDlg::Chosen() const
{
    TextPlacement placement;
    placement.mode = m_nMode == TextPlacement::Stacked ? TextPlacement::Stacked : TextPlacement::Common;
    const int h = ComboSelection(GetDlgItem(IDC_ALIGN_HORIZONTAL));
    const int v = ComboSelection(GetDlgItem(IDC_ALIGN_VERTICAL));
    placement.horizontal = h < 0 ? kCentre : h;
    placement.vertical = v < 0 ? kCentre : v;
    placement.wrap = m_bWrap != 0;
    placement.shrink = m_bShrink != 0;
    placement.indent = SpinPosition(IDC_ALIGN_INDENT_SPIN);
    placement.angle = SpinPosition(IDC_ALIGN_ANGLE_SPIN);
    placement.stacked = m_nStacked;
    return placement;
}

int CTextFormatProDlg::SpinPosition(int id) const
{
    BOOL failed = FALSE;
    const int position = int(::SendDlgItemMessageW(m_hWnd, id, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    return failed ? 0 : position;
}

void CTextFormatProDlg::SetSpin(int id, int position) const
{
    ::SendDlgItemMessageW(m_hWnd, id, UDM_SETPOS32, 0, position);
}

void CTextFormatProDlg::Recompute()
{
    if (m_bInitialising)
        return;
    UpdateData(true);
    const TextPlacement chosen = Chosen();
    if (const std::optional<int> code = chosen.Code())
        m_nPositionCode = *code;
    EnableControls();
    const CRect sample = GetChildRect(GetDlgItem(IDC_ALIGN_SAMPLE));
    InvalidateRect(&sample, false);
    const CRect dial = DialSquare();
    InvalidateRect(&dial, false);
}

void CTextFormatProDlg::EnableControls()
{
    const bool shrink = m_bShrink != 0;
    const bool wrap = m_bWrap != 0;
    ::EnableWindow(GetDlgItem(IDC_ALIGN_WRAP), !shrink);
    ::EnableWindow(GetDlgItem(IDC_ALIGN_SHRINK), !wrap);
    ::EnableWindow(GetDlgItem(IDC_ALIGN_HORIZONTAL), !shrink);
    ::EnableWindow(GetDlgItem(IDC_ALIGN_VERTICAL), !shrink);
    const bool angle = !shrink && !wrap;
    ::EnableWindow(GetDlgItem(IDC_ALIGN_ANGLE), angle);
    ::EnableWindow(GetDlgItem(IDC_ALIGN_ANGLE_SPIN), angle);
    const bool centred = ComboSelection(GetDlgItem(IDC_ALIGN_HORIZONTAL)) == kCentre;
    ::EnableWindow(GetDlgItem(IDC_ALIGN_INDENT), !shrink && !centred);
    ::EnableWindow(GetDlgItem(IDC_ALIGN_INDENT_SPIN), !shrink && !centred);
}

void CTextFormatProDlg::OnCommand(int id, int code)
{
    if (m_bInitialising)
        return;
    const bool change = (code == EN_CHANGE && (id == IDC_ALIGN_ANGLE || id == IDC_ALIGN_INDENT)) ||
                        (code == CBN_SELCHANGE && (id == IDC_ALIGN_HORIZONTAL || id == IDC_ALIGN_VERTICAL)) ||
                        (code == BN_CLICKED && (id == IDC_ALIGN_SHRINK || id == IDC_ALIGN_WRAP));
    if (change) {
        // Any of these belongs to the common mode.
        ::CheckRadioButton(m_hWnd, IDC_ALIGN_COMMON, IDC_ALIGN_OTHER, IDC_ALIGN_COMMON);
        if (id == IDC_ALIGN_SHRINK && ::IsDlgButtonChecked(m_hWnd, IDC_ALIGN_SHRINK))
            ::CheckDlgButton(m_hWnd, IDC_ALIGN_WRAP, BST_UNCHECKED);
        if (id == IDC_ALIGN_WRAP && ::IsDlgButtonChecked(m_hWnd, IDC_ALIGN_WRAP))
            ::CheckDlgButton(m_hWnd, IDC_ALIGN_SHRINK, BST_UNCHECKED);
        if ((id == IDC_ALIGN_SHRINK || id == IDC_ALIGN_WRAP) && ::IsDlgButtonChecked(m_hWnd, id))
            SetSpin(IDC_ALIGN_ANGLE_SPIN, 0);
        Recompute();
    } else if (code == BN_CLICKED && (id == IDC_ALIGN_COMMON || id == IDC_ALIGN_OTHER)) {
        Recompute();
    }
}

CRect CTextFormatProDlg::DialSquare() const
{
    const CRect control = GetChildRect(GetDlgItem(IDC_ALIGN_DIAL));
    const CPoint c = control.CenterPoint();
    const int r = std::min(control.Width(), control.Height()) / 2;
    return CRect(c.x - r, c.y - r, c.x + r, c.y + r);
}

CRect CTextFormatProDlg::StackedBox() const
{
    const CRect group = GetChildRect(GetDlgItem(IDC_ALIGN_STACKED));
    return CRect(group.left + 5, group.top + 15, group.right - 7, group.bottom - 6);
}

void CTextFormatProDlg::OnLButtonDown(POINT point)
{
    UpdateData(true);
    CRect dial = DialSquare();
    const CPoint centre = dial.CenterPoint();
    dial.DeflateRect(6, 6);
    if (dial.PtInRect(point)) {
        ::CheckRadioButton(m_hWnd, IDC_ALIGN_COMMON, IDC_ALIGN_OTHER, IDC_ALIGN_COMMON);
        Recompute();
        if (::IsWindowEnabled(GetDlgItem(IDC_ALIGN_ANGLE)))
            SetSpin(IDC_ALIGN_ANGLE_SPIN, DialAngleAt(point, centre, SpinPosition(IDC_ALIGN_ANGLE_SPIN)));
        else
            SetSpin(IDC_ALIGN_ANGLE_SPIN, 0);
        Recompute();
        return;
    }
    const int position = StackedPositionAt(StackedBox(), point);
    if (position < 0)
        return;
    ::CheckRadioButton(m_hWnd, IDC_ALIGN_COMMON, IDC_ALIGN_OTHER, IDC_ALIGN_OTHER);
    if (position != m_nStacked) {
        m_nStacked = position;
        const CRect box = StackedBox();
        InvalidateRect(&box, false);
    }
    Recompute();
}

void CTextFormatProDlg::OnOK()
{
    if (!m_pOwner || !UpdateData(true))
        return;
    // What the page shows goes into every selected cell, whatever the cell held before.
    const TextPlacement chosen = Chosen();
    const CCellRect range = m_pOwner->GetSelectedCellRange(-1);
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (!m_pOwner->IsValidCell(-1, row, col))
                continue;
            CCellItem item;
            item.row = row;
            item.col = col;
            item.mask = CIM_FORMAT | CIM_FONT;
            if (!m_pOwner->GetItem(-1, &item))
                continue;
            CCellItem written = item;
            written.format = WORD(chosen.CodeForCell(item.format));
            written.indent = chosen.Indent();
            written.font.font.lfEscapement = chosen.Escapement();
            const bool differs = written.format != item.format || written.indent != item.indent ||
                                 written.font.font.lfEscapement != item.font.font.lfEscapement;
            if (differs && m_pOwner->SetItem(-1, &written))
                m_pOwner->RedrawCell(CCellCoord(row, col));
        }
}

LOGFONTA CTextFormatProDlg::DialogFont() const
{
    LOGFONTW font{};
    HFONT handle = GetFont();
    if (!handle || !::GetObjectW(handle, sizeof(font), &font))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return CFont::FromWide(font);
}

void CTextFormatProDlg::PaintDial(CDC& dc) const
{
    CRect square = DialSquare();
    const CPoint c = square.CenterPoint();
    dc.FillSolidRect(square, RGB(255, 255, 255));
    dc.Draw3dRect(square, RGB(0, 0, 0), RGB(255, 255, 255));
    square.DeflateRect(6, 6);
    const int radius = square.Width() / 2;
    const int angle = m_bWrap || m_bShrink ? 0 : SpinPosition(IDC_ALIGN_ANGLE_SPIN);
    constexpr double kPi = 3.1415926535;
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const double a = degrees * kPi / 180.0;
        const int x = c.x + int(std::lround(radius * std::cos(a)));
        const int y = c.y - int(std::lround(radius * std::sin(a)));
        const COLORREF colour = degrees == angle ? kMarkYellow : kMarkGrey;
        CBrush brush(colour);
        CPen pen(PS_SOLID, 1, colour);
        CSelectObject selectBrush(dc, brush.GetSafeHandle());
        CSelectObject selectPen(dc, pen.GetSafeHandle());
        if (degrees % 45 == 0)
            dc.Ellipse(x - 3, y - 3, x + 3, y + 3);
        else
            dc.Rectangle(x, y, x + 2, y + 2);
    }
    if (angle % 15 != 0) {
        const double a = angle * kPi / 180.0;
        dc.FillSolidRect(CRect(c.x + int(std::lround(radius * std::cos(a))) - 2,
                               c.y - int(std::lround(radius * std::sin(a))) - 2,
                               c.x + int(std::lround(radius * std::cos(a))) + 2,
                               c.y - int(std::lround(radius * std::sin(a))) + 2),
                         kMarkYellow);
    }
    LOGFONTA logFont = DialogFont();
    logFont.lfEscapement = angle * 10;
    CFont font;
    font.CreateFontIndirect(&logFont);
    CSelectObject select(dc, font.GetSafeHandle());
    const CString text = "文本--";
    const CSize extent = dc.GetTextExtent(text);
    const double a = angle * kPi / 180.0;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(int(c.x - std::sin(a) * extent.cx / 2), int(c.y - std::cos(a) * extent.cy / 2), text);
}

void CTextFormatProDlg::PaintStacked(CDC& dc) const
{
    const CRect box = StackedBox();
    const LOGFONTA font = DialogFont();
    const CTextPainter painter;
    for (int position = 1; position <= 9; ++position) {
        CRect cell = StackedPositionRect(box, position);
        if (position == m_nStacked)
            dc.DrawEdge(&cell, EDGE_SUNKEN, BF_RECT);
        painter.DrawAlignedText(&dc, cell, "文本", TextPositionCode::StackedAt(position), &font, 1, 0,
                                RGB(0, 0, 0));
    }
}

void CTextFormatProDlg::PaintSample(CDC& dc) const
{
    const CRect group = GetChildRect(GetDlgItem(IDC_ALIGN_SAMPLE));
    const CRect box(group.left + 20, group.top + 25, group.right - 20, group.bottom - 15);
    {
        CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
        dc.Rectangle(box);
    }
    LOGFONTA font = DialogFont();
    font.lfHeight = -14;
    const bool stacked = m_nMode == TextPlacement::Stacked;
    font.lfEscapement = stacked ? 0 : Chosen().Escapement();
    const int indent = stacked ? 0 : SpinPosition(IDC_ALIGN_INDENT_SPIN);
    dc.SetBkMode(TRANSPARENT);
    const CTextPainter painter;
    if (!stacked && m_bWrap)
        painter.DrawAlignedText(&dc, box, "这是用来显示文本样式!", 19, &font, 1, indent, RGB(0, 0, 0));
    else if (!stacked && m_bShrink)
        painter.DrawAlignedText(&dc, box, "调整字体显示!", TextPositionCode::kShrink, &font, 1, 0, RGB(0, 0, 0));
    else if (!stacked || m_nStacked > 0)
        painter.DrawAlignedText(&dc, box, "文本样式", stacked ? TextPositionCode::StackedAt(m_nStacked) : m_nPositionCode,
                                &font, 1, indent, RGB(0, 0, 0));
}

void CTextFormatProDlg::PaintPage(CDC& dc)
{
    PaintDial(dc);
    PaintStacked(dc);
    PaintSample(dc);
}

LRESULT CTextFormatProDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp));
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(CPoint::FromLParam(lp));
        return 0;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
