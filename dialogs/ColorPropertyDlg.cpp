#include "dialogs/ColorPropertyDlg.h"

#include "dialogs/FillTarget.h"
#include "dialogs/NorvakSheet.h"
#include "dialogs/PickerMessages.h"
#include "drawing/CFillPainter.h"
#include "framework/DataExchange.h"
#include "framework/OleModule.h"
#include "resources/NorvakResource.h"

namespace {

constexpr UINT_PTR kArrowTimer = 0;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

void Line(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void ShowControl(const CWnd& control, bool on)
{
    control.EnableWindow(on);
    control.ShowWindow(on ? SW_SHOW : SW_HIDE);
}

} // namespace

CColorPropertyDlg::CColorPropertyDlg() : CSheetPage(IDD_GRADIENT_PAGE, true)
{
    m_arrows.Create(IDB_SHADE_ARROWS, 150, 0, kWhite);
    m_pressedArrows.Create(IDB_SHADE_ARROWS_PRESSED, 152, 0, kWhite);
}

void CColorPropertyDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_GRADIENT_PRESET_LIST, m_presetCombo);
    DDX_Control(dx, IDC_GRADIENT_PRESET_LABEL, m_presetLabel);
    DDX_Control(dx, IDC_GRADIENT_COLOUR_GROUP, m_colourGroup);
    DDX_Control(dx, IDC_GRADIENT_SHADE_BAR, m_shadeBar);
    DDX_Control(dx, IDC_GRADIENT_COLOUR2, m_colour2);
    DDX_Control(dx, IDC_GRADIENT_COLOUR1, m_colour1);
    DDX_Control(dx, IDC_GRADIENT_COLOUR1_LABEL, m_colour1Label);
    DDX_Control(dx, IDC_GRADIENT_STYLE_GROUP, m_styleGroup);
    DDX_Control(dx, IDC_GRADIENT_COLOUR2_LABEL, m_colour2Label);
    DDX_Control(dx, IDC_GRADIENT_VARIANT_GROUP, m_variantGroup);
    DDX_Radio(dx, IDC_GRADIENT_ONE_COLOUR, m_nMode);
    DDX_Radio(dx, IDC_GRADIENT_HORIZONTAL, m_nStyle);
}

ShadeBar CColorPropertyDlg::GetShadeBar() const
{
    return ShadeBar{GetChildRect(m_shadeBar)};
}

std::array<CRect, 4> CColorPropertyDlg::GetSamples() const
{
    return GradientSamples(GetChildRect(m_variantGroup));
}

bool CColorPropertyDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    UpdateData(true);
    m_colour1.SetColour(kBlack);
    m_crShade = m_colour1.GetColour();
    UpdateMode();
    const ShadeBar bar = GetShadeBar();
    m_rcLeftArrow = bar.LeftArrow();
    m_rcRightArrow = bar.RightArrow();
    if (m_rcThumb.IsRectEmpty())
        m_rcThumb = bar.ThumbAt(bar.bar.left);
    m_colour1.SetMode(CColourPicker::ColourGrid, int(kBlack));
    m_colour2.SetMode(CColourPicker::ColourGrid, int(kBlack));
    return true;
}

bool CColorPropertyDlg::ShowsShadeBar() const
{
    return m_colour1.IsWindowEnabled() && !m_colour2.IsWindowEnabled();
}

void CColorPropertyDlg::UpdateMode()
{
    UpdateData(true);
    ShowControl(m_colour1Label, m_nMode != Preset);
    ShowControl(m_colour1, m_nMode != Preset);
    ShowControl(m_colour2Label, m_nMode == TwoColours);
    ShowControl(m_colour2, m_nMode == TwoColours);
    ShowControl(m_presetLabel, m_nMode == Preset);
    ShowControl(m_presetCombo, m_nMode == Preset);
    InvalidateSamples();
}

void CColorPropertyDlg::InvalidateSamples()
{
    const CRect group = GetChildRect(m_colourGroup);
    const CRect bar = GetShadeBar().bar;
    const CRect colours(group.left + 5, bar.top - 10, group.right - 5, group.bottom - 5);
    InvalidateRect(&colours, true);
    const CRect variants = GetChildRect(m_variantGroup);
    const CRect samples(variants.left + 5, variants.top + 10, variants.right - 5, variants.bottom - 5);
    InvalidateRect(&samples, true);
}

void CColorPropertyDlg::OnOK()
{
    UpdateData(true);
    CNorvakSheet* sheet = GetNorvakSheet();
    if (!sheet || !IsActiveSheetPage() || sheet->GetOwnerKind() != 0 || m_nMode == Preset)
        return;
    if (auto* target = dynamic_cast<IFillTarget*>(sheet->GetOwner())) {
        const COLORREF second = m_nMode == OneColour ? m_crShade : m_colour2.GetColour();
        target->SetFill(2, m_nStyle, m_nVariant, m_colour1.GetColour(), second, 0, 0, 0);
    }
}

void CColorPropertyDlg::PaintShadeBar(CDC& dc)
{
    for (auto [arrow, pressed] : {std::pair{m_rcLeftArrow, m_bLeftPressed}, std::pair{m_rcRightArrow, m_bRightPressed}})
        dc.Draw3dRect(arrow, pressed ? kBlack : kWhite, pressed ? kWhite : kBlack);
    const ShadeBar shade = GetShadeBar();
    const CRect& s = shade.bar;
    CFillPainter().DrawGradient(&dc, s.left, s.top, s.right, s.bottom, kBlack, kWhite, 1, 0);
    dc.Draw3dRect(s, kWhite, kWhite);

    dc.SetBkMode(TRANSPARENT);
    CSelectObject font(dc, GetFont());
    dc.SetTextAlign(TA_RIGHT | TA_TOP);
    dc.TextOut(s.left - 6, s.bottom, "深");
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    const COLORREF oldText = dc.SetTextColor(kWhite);
    dc.TextOut(s.right + 6, s.bottom, "浅");
    dc.SetTextColor(oldText);

    m_nShadePosition = shade.Clamp(m_nShadePosition);
    const int x = m_nShadePosition;
    Line(dc, x, s.top - 10, x, s.top);
    Line(dc, x, s.top, x - 4, s.top - 4);
    Line(dc, x, s.top, x + 4, s.top - 4);
    Line(dc, x - 3, s.top - 10, x + 4, s.top - 10);
    Line(dc, x, s.bottom + 9, x, s.bottom - 1);
    Line(dc, x, s.bottom - 1, x - 4, s.bottom + 3);
    Line(dc, x, s.bottom - 1, x + 4, s.bottom + 3);
    Line(dc, x - 3, s.bottom + 9, x + 4, s.bottom + 9);
    m_crShade = dc.GetPixel(x, s.top + 2);

    const int m = s.top + (s.bottom - s.top) / 2;
    {
        CClipGuard clip(dc);
        dc.IntersectClipRect(s.left - 18, m - 3, x, m + 4);
        if (m_bLeftPressed)
            m_pressedArrows.Draw(dc, 0, CPoint(s.left - 18, m - 3), ILD_TRANSPARENT);
        else
            m_arrows.Draw(dc, 0, CPoint(s.left - 15, m - 3), ILD_TRANSPARENT);
    }
    {
        CClipGuard clip(dc);
        dc.IntersectClipRect(x, m - 3, s.right + 18, m + 4);
        (m_bRightPressed ? m_pressedArrows : m_arrows).Draw(dc, 1, CPoint(s.left, m - 3), ILD_TRANSPARENT);
    }
    CRect thumb(x - 2, s.top + 5, x + 2, s.bottom - 5);
    dc.FillSolidRect(thumb, RGB(255, 255, 0));
    thumb.InflateRect(1, 1);
    CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
    const int oldRop = dc.SetROP2(R2_NOT);
    dc.Rectangle(thumb);
    dc.SetROP2(oldRop);
}

void CColorPropertyDlg::PaintSamples(CDC& dc)
{
    std::array<CRect, 4> samples = GetSamples();
    for (CRect& sample : samples) {
        dc.Draw3dRect(sample, kWhite, kWhite);
        sample.DeflateRect(1, 1);
    }
    if (m_nMode != Preset) {
        const COLORREF first = m_colour1.GetColour();
        const COLORREF second = m_nMode == OneColour ? m_crShade : m_colour2.GetColour();
        const CFillPainter painter;
        for (int i = 0; i < 4; ++i) {
            const CRect& sample = samples[size_t(i)];
            CClipGuard clip(dc);
            dc.IntersectClipRect(sample);
            painter.DrawGradient(&dc, sample.left, sample.top, sample.right, sample.bottom, first, second, m_nStyle, i);
        }
        if (CNorvakSheet* sheet = GetNorvakSheet())
            sheet->SetFillPreview(m_nMode == OneColour ? CNorvakSheet::GradientOneColour
                                                       : CNorvakSheet::GradientTwoColours,
                                  first, second, m_nVariant, m_nStyle, nullptr, -1);
    }
    CPen pen(PS_SOLID, 3, kBlack);
    CSelectObject selectPen(dc, pen.GetSafeHandle());
    CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
    const int oldRop = dc.SetROP2(R2_NOT);
    dc.Rectangle(samples[size_t(m_nVariant)]);
    dc.SetROP2(oldRop);
}

void CColorPropertyDlg::PaintPage(CDC& dc)
{
    if (ShowsShadeBar())
        PaintShadeBar(dc);
    PaintSamples(dc);
}

void CColorPropertyDlg::OnLButtonDown(POINT point)
{
    const int sample = GradientSampleAt(GetSamples(), point);
    if (sample >= 0) {
        UpdateData(true);
        m_nVariant = sample;
        InvalidateSamples();
    }
    if (m_rcThumb.PtInRect(point))
        m_bDragging = true;
    for (auto [arrow, pressed] : {std::pair{m_rcLeftArrow, &m_bLeftPressed}, std::pair{m_rcRightArrow, &m_bRightPressed}}) {
        if (arrow.PtInRect(point)) {
            *pressed = true;
            SetTimer(kArrowTimer, 200);
            InvalidateSamples();
        } else if (*pressed) {
            *pressed = false;
            InvalidateSamples();
        }
    }
    if (GetShadeBar().bar.PtInRect(point)) {
        m_nShadePosition = point.x;
        InvalidateSamples();
    }
    UpdateData(true);
}

void CColorPropertyDlg::OnMouseMove(POINT point, bool buttonDown)
{
    if (buttonDown)
        OnLButtonDown(point);
    if (m_bDragging) {
        m_nShadePosition = point.x;
        InvalidateSamples();
    }
    for (auto [arrow, pressed] : {std::pair{m_rcLeftArrow, &m_bLeftPressed}, std::pair{m_rcRightArrow, &m_bRightPressed}}) {
        if (*pressed && !arrow.PtInRect(point)) {
            *pressed = false;
            InvalidateRect(&arrow, true);
        }
    }
}

void CColorPropertyDlg::OnLButtonUp(POINT point)
{
    m_rcThumb = GetShadeBar().ThumbAt(m_nShadePosition);
    KillTimer(kArrowTimer);
    m_bDragging = false;
    if (m_bLeftPressed && m_rcLeftArrow.PtInRect(point)) {
        m_bLeftPressed = false;
        --m_nShadePosition;
        InvalidateSamples();
    } else if (m_bRightPressed && m_rcRightArrow.PtInRect(point)) {
        m_bRightPressed = false;
        ++m_nShadePosition;
        InvalidateSamples();
    }
}

void CColorPropertyDlg::OnTimer()
{
    if (m_bLeftPressed)
        m_nShadePosition -= 5;
    else if (m_bRightPressed)
        m_nShadePosition += 5;
    InvalidateSamples();
}

LRESULT CColorPropertyDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) {
            switch (LOWORD(wp)) {
            case IDC_GRADIENT_ONE_COLOUR:
            case IDC_GRADIENT_TWO_COLOURS:
            case IDC_GRADIENT_PRESET:
                UpdateMode();
                return 0;
            case IDC_GRADIENT_HORIZONTAL:
            case IDC_GRADIENT_VERTICAL:
            case IDC_GRADIENT_DIAGONAL_UP:
            case IDC_GRADIENT_DIAGONAL_DOWN:
            case IDC_GRADIENT_CORNER:
            case IDC_GRADIENT_CENTRE:
                UpdateData(true);
                InvalidateSamples();
                return 0;
            default:
                break;
            }
        }
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(CPoint::FromLParam(lp));
        return Default();
    case WM_LBUTTONDBLCLK:
        OnLButtonDown(CPoint::FromLParam(lp));
        return Default();
    case WM_MOUSEMOVE:
        OnMouseMove(CPoint::FromLParam(lp), (wp & MK_LBUTTON) != 0);
        return Default();
    case WM_LBUTTONUP:
        OnLButtonUp(CPoint::FromLParam(lp));
        return Default();
    case WM_TIMER:
        if (wp == kArrowTimer) {
            OnTimer();
            return 0;
        }
        break;
    case WM_COLOURPICKER_CHOSEN:
        InvalidateSamples();
        return 0;
    case WM_DESTROY:
        // The shade bar's static loaded its bitmap from the template; it is freed here, as not
        // every static control frees what it loaded.
        if (HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(
                ::SendDlgItemMessageW(m_hWnd, IDC_GRADIENT_SHADE_BAR, STM_SETIMAGE, IMAGE_BITMAP, 0)))
            ::DeleteObject(bitmap);
        break;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
