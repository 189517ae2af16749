#include "dialogs/GridLineStyleProDlg.h"

#include "dialogs/PickerMessages.h"
#include "framework/DataExchange.h"
#include "framework/OleModule.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

#include <array>

namespace {

using Edge = CBorderChoice::Edge;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kUnusable = 0xE4E4E4;

// The eight edge toggles, in the order the page tests them after the presets.
struct EdgeButton
{
    int id;
    Edge edge;
};
constexpr std::array<EdgeButton, 4> kOuterEdges = {
    {{IDC_BORDER_TOP, CBorderChoice::Top},
     {IDC_BORDER_BOTTOM, CBorderChoice::Bottom},
     {IDC_BORDER_LEFT, CBorderChoice::Left},
     {IDC_BORDER_RIGHT, CBorderChoice::Right}}};
constexpr std::array<EdgeButton, 4> kInnerEdges = {
    {{IDC_BORDER_INSIDE_HORZ, CBorderChoice::InsideHorizontal},
     {IDC_BORDER_DIAGONAL_UP, CBorderChoice::DiagonalUp},
     {IDC_BORDER_DIAGONAL_DOWN, CBorderChoice::DiagonalDown},
     {IDC_BORDER_INSIDE_VERT, CBorderChoice::InsideVertical}}};
constexpr std::array<int, 3> kPresets = {IDC_BORDER_NONE, IDC_BORDER_OUTLINE, IDC_BORDER_INSIDE};

void Line(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void Cross(CDC& dc, const CRect& r)
{
    const int mx = r.left + r.Width() / 2;
    const int my = r.top + r.Height() / 2;
    Line(dc, r.left, my, r.right, my);
    Line(dc, mx, r.top, mx, r.bottom);
}

} // namespace

CGridLineStyleProDlg::CGridLineStyleProDlg(CNorvakCtrl* owner) : CSheetPage(IDD_BORDER_PAGE), m_pOwner(owner) {}

void CGridLineStyleProDlg::SetCellRange(int firstRow, int firstCol, int lastRow, int lastCol)
{
    m_cellRange[0] = firstRow;
    m_cellRange[1] = firstCol;
    m_cellRange[2] = lastRow;
    m_cellRange[3] = lastCol;
}

void CGridLineStyleProDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_BORDER_WIDTH, m_widthCombo);
    DDX_Control(dx, IDC_BORDER_STYLE, m_styleCombo);
    DDX_Control(dx, IDC_BORDER_SWATCH, m_swatch);
    DDX_Control(dx, IDC_BORDER_COLOUR, m_colourButton);
}

bool CGridLineStyleProDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    if (HWND separator = GetDlgItem(IDC_BORDER_SEPARATOR)) {
        const CRect rect = ControlRect(IDC_BORDER_SEPARATOR);
        ::MoveWindow(separator, rect.left, rect.top, rect.Width(), 2, TRUE);
    }
    m_choice = CBorderChoice();
    m_bNonePressed = m_bOutlinePressed = m_bInsidePressed = false;
    m_bHasInnerRows = m_bHasInnerColumns = true;
    m_crLine = m_colourButton.GetColor();
    m_swatch.SetColor(m_crLine);
    m_styleCombo.SetMode(CStyleComboBox::LineStyles);
    m_widthCombo.SetMode(CStyleComboBox::LineWidths);
    // A border drawn without picking a style is solid and one unit wide, not the invisible style 0.
    m_styleCombo.SetCurSel(1);
    m_widthCombo.SetCurSel(0);
    return true;
}

CellLine CGridLineStyleProDlg::ChosenLine() const
{
    const int style = m_styleCombo.GetCurSel();
    const int width = m_nLineWidth >= 1 && m_nLineWidth <= 10 ? m_nLineWidth : 1;
    return CellLine{m_crLine, BYTE(width), BYTE(style < 0 ? 0 : style)};
}

void CGridLineStyleProDlg::OnOK()
{
    UpdateData(true);
    CNorvakPage* page = m_pOwner ? m_pOwner->GetPage(-1) : nullptr;
    CNorvakPageCells* cells = m_pOwner ? m_pOwner->GetPageCells(-1) : nullptr;
    if (!page || !cells)
        return;
    const std::vector<BorderLineWrite> writes = PlanBorderWrites(*page, *cells, m_choice, ChosenLine());
    ApplyBorderWrites(*page, *cells, writes);
    for (const BorderLineWrite& write : writes)
        m_pOwner->RedrawCell(CCellCoord(write.row, write.col));
}

std::optional<CGridLineStyleProDlg::Hit> CGridLineStyleProDlg::HitTest(POINT point) const
{
    if (ControlRect(IDC_BORDER_NONE).PtInRect(point))
        return Hit{Button::None, CBorderChoice::Top};
    if (ControlRect(IDC_BORDER_OUTLINE).PtInRect(point))
        return Hit{Button::Outline, CBorderChoice::Top};
    if (m_bHasInnerRows && m_bHasInnerColumns && ControlRect(IDC_BORDER_INSIDE).PtInRect(point))
        return Hit{Button::Inside, CBorderChoice::Top};
    for (const EdgeButton& button : kOuterEdges)
        if (ControlRect(button.id).PtInRect(point))
            return Hit{Button::Edge, button.edge};
    if (ControlRect(IDC_BORDER_PREVIEW).PtInRect(point))
        return Hit{Button::Preview, CBorderChoice::Top};
    for (const EdgeButton& button : kInnerEdges) {
        const bool usable = (button.edge != CBorderChoice::InsideHorizontal || m_bHasInnerRows) &&
                            (button.edge != CBorderChoice::InsideVertical || m_bHasInnerColumns);
        if (usable && ControlRect(button.id).PtInRect(point))
            return Hit{Button::Edge, button.edge};
    }
    return std::nullopt;
}

void CGridLineStyleProDlg::InvalidateButtons()
{
    for (int id : kPresets) {
        const CRect rect = ControlRect(id);
        InvalidateRect(&rect, false);
    }
    for (const auto* list : {&kOuterEdges, &kInnerEdges})
        for (const EdgeButton& button : *list) {
            const CRect rect = ControlRect(button.id);
            InvalidateRect(&rect, false);
        }
    const CRect preview = ControlRect(IDC_BORDER_PREVIEW);
    InvalidateRect(&preview, false);
}

void CGridLineStyleProDlg::OnLButtonDown(POINT point)
{
    SetCapture();
    const std::optional<Hit> hit = HitTest(point);
    if (!hit) {
        Default();
        return;
    }
    switch (hit->button) {
    case Button::None:
        m_choice.ApplyNone();
        m_bNonePressed = true;
        break;
    case Button::Outline:
        m_choice.ApplyOutline();
        m_bOutlinePressed = true;
        break;
    case Button::Inside:
        m_choice.ApplyInside();
        m_bInsidePressed = true;
        break;
    case Button::Edge:
        m_choice.Toggle(hit->edge);
        break;
    case Button::Preview:
        break;
    }
    InvalidateButtons();
}

bool CGridLineStyleProDlg::OnLButtonUp()
{
    if (HasCapture())
        ::ReleaseCapture();
    const std::array<std::pair<bool*, int>, 3> presses = {
        {{&m_bNonePressed, IDC_BORDER_NONE}, {&m_bOutlinePressed, IDC_BORDER_OUTLINE},
         {&m_bInsidePressed, IDC_BORDER_INSIDE}}};
    for (auto [pressed, id] : presses) {
        if (*pressed) {
            *pressed = false;
            const CRect rect = ControlRect(id);
            InvalidateRect(&rect, false);
            return true;
        }
    }
    return false;
}

bool CGridLineStyleProDlg::IsPressed(Edge edge) const
{
    if (edge == CBorderChoice::InsideHorizontal)
        return m_choice.IsOn(edge) && m_bHasInnerRows;
    if (edge == CBorderChoice::InsideVertical)
        return m_choice.IsOn(edge) && m_bHasInnerColumns;
    return m_choice.IsOn(edge);
}

void CGridLineStyleProDlg::PaintButton(CDC& dc, const CRect& rect, bool pressed, HBRUSH pressedBrush) const
{
    if (pressed) {
        dc.FillRect(rect, pressedBrush);
        dc.Draw3dRect(rect, kBlack, kWhite);
    } else {
        dc.Draw3dRect(rect, kWhite, kBlack);
    }
}

void CGridLineStyleProDlg::PaintEdgeIcon(CDC& dc, int id, Edge edge) const
{
    CRect r = ControlRect(id);
    r.DeflateRect(4, 4);
    {
        CPen grey(PS_SOLID, 1, kGrey);
        CSelectObject pen(dc, grey.GetSafeHandle());
        Cross(dc, r);
    }
    COLORREF colour = kBlack;
    if ((edge == CBorderChoice::InsideHorizontal && !m_bHasInnerRows) ||
        (edge == CBorderChoice::InsideVertical && !m_bHasInnerColumns))
        colour = kUnusable;
    CPen pen(PS_SOLID, 1, colour);
    CSelectObject select(dc, pen.GetSafeHandle());
    const int mx = r.left + r.Width() / 2;
    const int my = r.top + r.Height() / 2;
    switch (edge) {
    case CBorderChoice::Top:
        Line(dc, r.left, r.top, r.right, r.top);
        break;
    case CBorderChoice::Bottom:
        Line(dc, r.left, r.bottom - 1, r.right, r.bottom - 1);
        break;
    case CBorderChoice::Left:
        Line(dc, r.left, r.top, r.left, r.bottom);
        break;
    case CBorderChoice::Right:
        Line(dc, r.right - 1, r.top, r.right - 1, r.bottom);
        break;
    case CBorderChoice::InsideHorizontal:
        Line(dc, r.left, my, r.right, my);
        break;
    case CBorderChoice::InsideVertical:
        Line(dc, mx, r.top, mx, r.bottom);
        break;
    case CBorderChoice::DiagonalUp:
        Line(dc, r.left, r.bottom, r.right, r.top);
        break;
    case CBorderChoice::DiagonalDown:
        Line(dc, r.left, r.top, r.right, r.bottom);
        break;
    default:
        break;
    }
}

void CGridLineStyleProDlg::PaintPresetIcons(CDC& dc) const
{
    auto iconRect = [this](int id) {
        const CRect r = ControlRect(id);
        return CRect(r.left + 5, r.top + 5, r.right - 4, r.bottom - 4);
    };
    CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
    {
        CPen grey(PS_SOLID, 2, kGrey);
        CSelectObject pen(dc, grey.GetSafeHandle());
        for (int id : kPresets) {
            dc.Rectangle(iconRect(id));
            Cross(dc, iconRect(id));
        }
    }
    CPen black(PS_SOLID, 2, kBlack);
    CSelectObject pen(dc, black.GetSafeHandle());
    dc.Rectangle(iconRect(IDC_BORDER_OUTLINE));
    const CRect inside = iconRect(IDC_BORDER_INSIDE);
    CPen innerPen(PS_SOLID, 2, m_bHasInnerRows && m_bHasInnerColumns ? kBlack : kUnusable);
    CSelectObject selectInner(dc, innerPen.GetSafeHandle());
    Cross(dc, CRect(inside.left + 1, inside.top + 1, inside.right - 2, inside.bottom - 2));
}

void CGridLineStyleProDlg::PaintPreview(CDC& dc, const CRect& p) const
{
    const int l = p.left, t = p.top, r = p.right, b = p.bottom;
    const int mx = l + (r - l) / 2;
    const int my = t + (b - t) / 2;
    {
        CPen grey(PS_SOLID, 2, kGrey);
        CSelectObject pen(dc, grey.GetSafeHandle());
        for (auto [x, dx] : {std::pair{l, 1}, std::pair{r, -1}})
            for (auto [y, dy] : {std::pair{t, 1}, std::pair{b, -1}}) {
                const POINT corner[] = {{x + 4 * dx, y + 12 * dy}, {x + 12 * dx, y + 12 * dy}, {x + 12 * dx, y + 4 * dy}};
                dc.Polyline(corner, 3);
            }
    }
    {
        CPen thin(PS_SOLID, 1, kGrey);
        CSelectObject pen(dc, thin.GetSafeHandle());
        if (m_bHasInnerRows)
            for (auto [x, dx] : {std::pair{l, 1}, std::pair{r, -1}}) {
                Line(dc, x + 4 * dx, my, x + 12 * dx, my);
                Line(dc, x + 12 * dx, my - 6, x + 12 * dx, my + 6);
            }
        if (m_bHasInnerColumns)
            for (auto [y, dy] : {std::pair{t, 1}, std::pair{b, -1}}) {
                Line(dc, mx, y + 4 * dy, mx, y + 12 * dy);
                Line(dc, mx - 6, y + 12 * dy, mx + 6, y + 12 * dy);
            }
    }
    CSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
    if (m_choice.IsOn(CBorderChoice::Top))
        Line(dc, l + 12, t + 12, r - 12, t + 12);
    if (IsPressed(CBorderChoice::InsideHorizontal))
        Line(dc, l + 12, my, r - 12, my);
    if (m_choice.IsOn(CBorderChoice::Bottom))
        Line(dc, l + 12, b - 12, r - 12, b - 12);
    if (m_choice.IsOn(CBorderChoice::Left))
        Line(dc, l + 12, t + 12, l + 12, b - 12);
    if (IsPressed(CBorderChoice::InsideVertical))
        Line(dc, mx, t + 12, mx, b - 12);
    if (m_choice.IsOn(CBorderChoice::Right))
        Line(dc, r - 12, t + 12, r - 12, b - 12);
    if (m_choice.IsOn(CBorderChoice::DiagonalUp))
        Line(dc, l + 12, b - 12, r - 12, t + 12);
    if (m_choice.IsOn(CBorderChoice::DiagonalDown))
        Line(dc, l + 12, t + 12, r - 12, b - 12);
}

void CGridLineStyleProDlg::Paint(CDC& dc)
{
    CBitmap pattern;
    pattern.LoadBitmap(IDB_BORDER_PRESSED, OleModule::Instance());
    CBrush pressedBrush;
    if (!pattern.GetSafeHandle() || !pressedBrush.CreatePatternBrush(static_cast<HBITMAP>(pattern.GetSafeHandle())))
        pressedBrush.CreateSolidBrush(::GetSysColor(COLOR_3DLIGHT));
    const HBRUSH brush = static_cast<HBRUSH>(pressedBrush.GetSafeHandle());

    CRect preview = ControlRect(IDC_BORDER_PREVIEW);
    preview.DeflateRect(1, 1);
    dc.FillSolidRect(preview, kWhite);
    dc.Draw3dRect(preview, kBlack, kWhite);

    PaintButton(dc, ControlRect(IDC_BORDER_NONE), m_bNonePressed, brush);
    PaintButton(dc, ControlRect(IDC_BORDER_OUTLINE), m_bOutlinePressed, brush);
    PaintButton(dc, ControlRect(IDC_BORDER_INSIDE), m_bInsidePressed, brush);
    for (const auto* list : {&kOuterEdges, &kInnerEdges})
        for (const EdgeButton& button : *list) {
            PaintButton(dc, ControlRect(button.id), IsPressed(button.edge), brush);
            PaintEdgeIcon(dc, button.id, button.edge);
        }
    PaintPresetIcons(dc);
    PaintPreview(dc, preview);
}

LRESULT CGridLineStyleProDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(m_hWnd);
        Paint(dc);
        return 0;
    }
    case WM_PRINTCLIENT: {
        CDC dc(reinterpret_cast<HDC>(wp));
        Paint(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        OnLButtonDown(CPoint::FromLParam(lp));
        return 0;
    case WM_LBUTTONUP:
        if (!OnLButtonUp())
            return Default();
        return 0;
    case WM_DESTROY:
        m_styles.clear();
        break;
    case WM_COLORGRID_SELECT:
        m_crLine = m_colourButton.GetColor();
        m_swatch.SetColor(COLORREF(wp));
        return 1;
    case WM_STYLECOMBO_LINESTYLE:
        m_styles.assign(lp > 0 ? size_t(lp) : 0, int(wp));
        return 1;
    case WM_STYLECOMBO_WIDTH:
        m_nLineWidth = int(wp);
        return 1;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
