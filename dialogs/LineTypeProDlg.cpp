#include "dialogs/LineTypeProDlg.h"

#include "dialogs/NorvakSheet.h"
#include "dialogs/PickerMessages.h"
#include "drawing/CChartShapePainter.h"
#include "framework/DataExchange.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

namespace {

constexpr int kSolid = 1;
constexpr int kPattern = 5;
constexpr int kFirstFace = 10;
constexpr int kLastFace = 15;

} // namespace

CLineTypeProDlg::CLineTypeProDlg() : CSheetPage(IDD_LINE_TYPE_PAGE, true) {}

CLineTypeProDlg::CLineTypeProDlg(CNorvakCtrl* control, int element, const CChartElementRecord& record)
    : CSheetPage(IDD_LINE_TYPE_PAGE, true), m_record(record), m_nElement(element), m_pControl(control)
{
}

CLineTypeProDlg::~CLineTypeProDlg() = default;

CChartFillStyle* CLineTypeProDlg::PartStyle() const
{
    CNorvakChart* chart = m_record.chart;
    if (!chart)
        return nullptr;
    switch (m_nElement) {
    case 0:
        return &chart->chartStyle;
    case 1:
        return &chart->plotStyle;
    case 2:
        return &chart->legendStyle;
    default:
        return nullptr;
    }
}

CChartItem* CLineTypeProDlg::Point() const
{
    return m_nElement >= kFirstFace && m_nElement <= kLastFace ? m_record.point : nullptr;
}

CRect CLineTypeProDlg::SampleRect() const
{
    return GetChildRect(m_sampleFrame);
}

void CLineTypeProDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_FILL_COLOUR, m_fillGrid);
    DDX_Control(dx, IDC_FILL_GROUP, m_fillFrame);
    DDX_Control(dx, IDC_FILL_SAMPLE, m_sampleFrame);
    DDX_Control(dx, IDC_LINE_STYLE, m_stylePicker);
    DDX_Control(dx, IDC_LINE_WIDTH, m_widthPicker);
    DDX_Control(dx, IDC_LINE_COLOUR, m_colourPicker);
    DDX_Radio(dx, IDC_LINE_DEFAULT, m_nLineMode);
    DDX_Radio(dx, IDC_FILL_DEFAULT, m_nFillMode);
}

bool CLineTypeProDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    OnLineMode(DefaultLine);
    OnFillMode(LeaveFill);
    m_stylePicker.SetMode(CColourPicker::LineStyles, 1);
    m_colourPicker.SetMode(CColourPicker::ColourGrid, 0);
    m_widthPicker.SetMode(CColourPicker::LineWidths, 0);
    if (const CChartFillStyle* style = PartStyle())
        ReadPartStyle(*style);
    else if (const CChartItem* point = Point())
        ReadFace(*point, Face());
    UpdateData(false);
    return true;
}

// A fill read from the record: a solid colour shows in the grid; fill kind 0 is "不填充".
void CLineTypeProDlg::TakeReadFill(int kind)
{
    m_nFillKind = kind;
    if (kind == kSolid)
        m_fillGrid.SetColor(m_crFill1);
    m_nFillMode = kind == 0 ? NoFill : CustomFill;
}

void CLineTypeProDlg::ReadPartStyle(const CChartFillStyle& style)
{
    m_nGradientStyle = style.nGradientStyle;
    m_nGradientVariant = style.nGradientVariant;
    m_nTexture = style.nTexture;
    m_nPattern = style.nPattern;
    m_crFill1 = style.crColour1;
    m_crFill2 = style.crColour2;
    TakeReadFill(style.nFillKind);

    m_nLineStyle = style.nLineStyle;
    m_nWidthIndex = style.nLineWidth / 2;
    m_crLine = style.crLineColour;
    m_stylePicker.SetMode(CColourPicker::LineStyles, m_nLineStyle);
    if (m_nLineStyle == 0)
        OnLineMode(NoLine);
    else if (m_nLineStyle == 1 && m_nWidthIndex == 0 && m_crLine == 0)
        OnLineMode(DefaultLine);
    else
        OnLineMode(CustomLine);
    m_colourPicker.SetMode(CColourPicker::ColourGrid, int(m_crLine));
    m_widthPicker.SetMode(CColourPicker::LineWidths, m_nWidthIndex);
    SetSampleLine(m_nLineStyle, 2 * m_nWidthIndex, m_crLine);
}

void CLineTypeProDlg::ReadFace(const CChartItem& point, int face)
{
    const int kind = point.faceFillKind[face];
    m_nGradientStyle = point.faceGradientStyle[face];
    m_nGradientVariant = point.faceGradientVariant[face];
    m_nTexture = point.faceTexture[face];
    m_nPattern = point.facePattern[face];
    if (kind == kSolid) {
        m_crFill1 = point.faceColour[face];
        m_crFill2 = point.faceGradient[face][1];
    } else if (kind == kPattern) {
        m_crFill1 = point.facePatternFore[face];
        m_crFill2 = point.facePatternBack[face];
    } else {
        m_crFill1 = point.faceGradient[face][0];
        m_crFill2 = point.faceGradient[face][1];
    }
    TakeReadFill(kind);
}

void CLineTypeProDlg::OnOK()
{
    UpdateData(true);
    if (CChartFillStyle* style = PartStyle()) {
        WritePartStyle(*style);
        InvalidatePart();
    } else if (CChartItem* point = Point()) {
        WriteFace(*point, Face());
    }
    CSheetPage::OnOK();
}

void CLineTypeProDlg::WritePartStyle(CChartFillStyle& style) const
{
    if (m_nFillMode != LeaveFill) {
        style.nFillKind = m_nFillKind;
        style.nGradientStyle = m_nGradientStyle;
        style.nGradientVariant = m_nGradientVariant;
        style.nTexture = m_nTexture;
        style.nPattern = m_nPattern;
        style.crColour1 = m_crFill1;
        if (m_nFillKind != kSolid)
            style.crColour2 = m_crFill2;
    }
    style.nLineStyle = m_nLineStyle;
    switch (m_nLineMode) {
    case DefaultLine:
        style.nLineStyle = 1;
        style.nLineWidth = 1;
        style.crLineColour = 0;
        break;
    case CustomLine:
        style.nLineWidth = 2 * m_nWidthIndex;
        style.crLineColour = m_crLine;
        break;
    case NoLine:
        style.nLineStyle = 0;
        break;
    default:
        break;
    }
}

// A face keeps its fill when the fill is left as it is, as a part does.
void CLineTypeProDlg::WriteFace(CChartItem& point, int face) const
{
    if (m_nFillMode == LeaveFill)
        return;
    point.faceFillKind[face] = m_nFillKind;
    if (m_nFillKind == kSolid) {
        point.faceColour[face] = m_crFill1;
    } else if (m_nFillKind == kPattern) {
        point.facePatternFore[face] = m_crFill1;
        point.facePatternBack[face] = m_crFill2;
    } else {
        point.faceGradientStyle[face] = m_nGradientStyle;
        point.faceGradientVariant[face] = m_nGradientVariant;
    }
    point.faceGradient[face][0] = m_crFill1;
    point.faceGradient[face][1] = m_crFill2;
    point.faceTexture[face] = m_nTexture;
    point.facePattern[face] = m_nPattern;
}

void CLineTypeProDlg::InvalidatePart() const
{
    if (!m_pControl || !m_record.chart)
        return;
    const CRect* part = m_record.chart->PartRect(m_nElement);
    if (!part)
        return;
    CRect rect = *part;
    rect.InflateRect(5, 5);
    m_pControl->InvalidateControl(&rect, true);
}

void CLineTypeProDlg::SetFill(int kind, int gradientStyle, int gradientVariant, COLORREF colour1, COLORREF colour2,
                              int sampleValue, int texture, int pattern)
{
    m_nFillKind = kind;
    m_nGradientStyle = gradientStyle;
    m_nGradientVariant = gradientVariant;
    m_crFill1 = colour1;
    m_crFill2 = colour2;
    m_nSampleValue = sampleValue;
    m_nTexture = texture;
    m_nPattern = pattern;
    InvalidateSample();
}

void CLineTypeProDlg::SetSampleLine(int style, int width, COLORREF colour)
{
    m_nSampleStyle = style;
    m_nSampleWidth = width;
    m_crSample = colour;
}

void CLineTypeProDlg::InvalidateSample() const
{
    if (!m_hWnd || !m_sampleFrame.m_hWnd)
        return;
    CRect rect = SampleRect();
    rect.InflateRect(20, 20);
    InvalidateRect(&rect, true);
}

void CLineTypeProDlg::OnLineMode(int mode)
{
    m_nLineMode = mode;
    switch (mode) {
    case DefaultLine:
        SetSampleLine(1, 1, 0);
        break;
    case CustomLine:
        SetSampleLine(m_nLineStyle, 2 * m_nWidthIndex, m_colourPicker.GetColour());
        break;
    case NoLine:
        SetSampleLine(0, 1, m_crSample);
        break;
    default:
        break;
    }
    InvalidateSample();
}

void CLineTypeProDlg::OnFillMode(int mode)
{
    m_nFillMode = mode;
    if (mode == CustomFill) {
        m_nFillKind = kSolid;
        m_crFill1 = m_fillGrid.GetColor();
    } else if (mode == NoFill) {
        m_nFillKind = 0;
    }
    InvalidateSample();
}

void CLineTypeProDlg::OnPickerChosen(WPARAM picker, LPARAM value)
{
    UpdateData(true);
    m_nLineMode = CustomLine;
    if (picker == reinterpret_cast<WPARAM>(&m_stylePicker))
        m_nLineStyle = int(value);
    else if (picker == reinterpret_cast<WPARAM>(&m_colourPicker))
        m_crLine = COLORREF(value);
    else if (picker == reinterpret_cast<WPARAM>(&m_widthPicker))
        m_nWidthIndex = int(value);
    SetSampleLine(m_nLineStyle, 2 * m_nWidthIndex, m_crLine);
    UpdateData(false);
    InvalidateSample();
}

void CLineTypeProDlg::OnFillColour(COLORREF colour)
{
    m_crFill1 = colour;
    m_nFillMode = CustomFill;
    UpdateData(false);
    m_nFillKind = kSolid;
    InvalidateSample();
}

void CLineTypeProDlg::OnFillEffects()
{
    if (!m_pFillSheet) {
        m_pFillSheet = std::make_unique<CNorvakSheet>(CNorvakSheet::kFillEffectsCaption, 0, TRUE, this, 0,
                                                      m_pControl ? m_pControl : GetSheetControl());
        for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{&m_gradientPage, &m_texturePage,
                                                                          &m_patternPage, &m_picturePage})
            m_pFillSheet->AddPage(page);
    }
    if (m_pFillSheet->DoModal() != IDOK)
        return;
    m_nFillMode = CustomFill;
    UpdateData(false);
    m_fillGrid.SetColor(m_crFill1);
    InvalidateSample();
}

void CLineTypeProDlg::PaintPage(CDC& dc)
{
    const CRect sample = SampleRect();
    const CNorvakCtrl* control = m_pControl ? m_pControl : GetSheetControl();
    const CChartShapePainter painter(control ? control->FillTables() : CFillTables{});
    painter.FillStyledRect(&dc, sample, m_nSampleStyle, m_nSampleWidth, m_crSample, m_nFillKind, m_crFill1, m_crFill2,
                           COLORREF(m_nSampleValue), m_nGradientStyle, m_nGradientVariant, m_nTexture, m_nPattern, 0);
    CRect edge = sample;
    edge.InflateRect(12, 10);
    dc.DrawEdge(&edge, EDGE_ETCHED, BF_RECT);
}

LRESULT CLineTypeProDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) != BN_CLICKED)
            break;
        switch (LOWORD(wp)) {
        case IDC_LINE_DEFAULT:
            OnLineMode(DefaultLine);
            break;
        case IDC_LINE_CUSTOM:
            OnLineMode(CustomLine);
            break;
        case IDC_LINE_NONE:
            OnLineMode(NoLine);
            break;
        case IDC_FILL_DEFAULT:
            OnFillMode(LeaveFill);
            break;
        case IDC_FILL_CUSTOM:
            OnFillMode(CustomFill);
            break;
        case IDC_FILL_NONE:
            OnFillMode(NoFill);
            break;
        case IDC_FILL_EFFECTS:
            OnFillEffects();
            break;
        default:
            break;
        }
        break;
    case WM_COLOURPICKER_CHOSEN:
        OnPickerChosen(wp, lp);
        return 1;
    case WM_COLORGRID_SELECT:
        OnFillColour(COLORREF(wp));
        return 1;
    case WM_DESTROY:
        m_pFillSheet.reset();
        break;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
