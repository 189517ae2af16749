#include "dialogs/SolidRotatePDlg.h"

#include "chart/model/ChartKinds.h"
#include "chart/model/NorvakChart.h"
#include "chartdraw/ChartAxisPainter.h"
#include "framework/DataExchange.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"

#include <commctrl.h>

#include <algorithm>
#include <span>

using namespace SolidRotate;

namespace {

constexpr UINT_PTR kRepeatTimer = 0;
constexpr UINT kRepeatMilliseconds = 100;
constexpr int kSliceHeightLimit = 50;
constexpr COLORREF kPreviewLine = 0xFF0000;

// What only an axis chart uses, and what only a pie or ring chart uses.
constexpr int kAxisOnly[] = {IDC_ROTATE_LEFT, IDC_ROTATE_RIGHT, IDC_ROTATE_UP, IDC_ROTATE_DOWN};
constexpr int kPieOnly[] = {IDC_PIE_TALLER,        IDC_PIE_LOWER,   IDC_PIE_WIDER,        IDC_PIE_NARROWER,
                            IDC_PIE_SCALE_MODE,    IDC_PIE_HEIGHT_LABEL, IDC_PIE_HEIGHT, IDC_PIE_HEIGHT_SPIN,
                            IDC_PIE_EXPLODE_LABEL, IDC_PIE_EXPLODE, IDC_PIE_EXPLODE_SPIN, IDC_PIE_SHOW_ONE,
                            IDC_PIE_SHOW_ALL,      IDC_PIE_SERIES_SPIN};

int SpinUpper(const CSpinButtonCtrl& spin)
{
    int lower = 0, upper = 0;
    spin.SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    return upper;
}

// The row a pie chart shows alone, else its first row.
int OpeningRow(const CNorvakChart& chart)
{
    return std::max(chart.ShownPieRow(), 0);
}

int RowCount(const CNorvakChart& chart)
{
    return int(std::min<size_t>(chart.items.size(), INT_MAX));
}

// The rectangle moved to the centre, its size kept.
CRect Centred(const CRect& rect, POINT centre)
{
    const LONG left = centre.x - rect.Width() / 2, top = centre.y - rect.Height() / 2;
    return CRect(left, top, left + rect.Width(), top + rect.Height());
}

CRect Raised(CRect rect, int by)
{
    rect.OffsetRect(0, -by);
    return rect;
}

LONG MiddleHeight(const CRect& rect)
{
    return rect.top + (rect.bottom - rect.top) / 2;
}

} // namespace

CSolidRotatePDlg::CSolidRotatePDlg(CNorvakCtrl* control, CNorvakChart* chart)
    : CSheetPage(IDD_ROTATION_PAGE, true), m_pChart(chart), m_pControl(control)
{
}

void CSolidRotatePDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PIE_SERIES_SPIN, m_seriesSpin);
    DDX_Control(dx, IDC_PIE_EXPLODE_SPIN, m_explodeSpin);
    DDX_Control(dx, IDC_PIE_HEIGHT_SPIN, m_heightSpin);
    DDX_Control(dx, IDC_PIE_SCALE_MODE, m_scaleCombo);
    DDX_Control(dx, IDC_ROTATION_PREVIEW, m_previewFrame);
    DDX_Check(dx, IDC_PIE_SHOW_ONE, m_bShowOne);
    DDX_Check(dx, IDC_PIE_SHOW_ALL, m_bShowAll);
}

bool CSolidRotatePDlg::IsPie() const
{
    return m_pChart && m_pChart->nType == kChartPie;
}

CPreviewRects CSolidRotatePDlg::GetPreviewRects() const
{
    CRect box = m_previewFrame.m_hWnd ? m_previewFrame.GetWindowRect() : CRect();
    ScreenToClient(box);
    return PreviewRectsOf(box);
}

void CSolidRotatePDlg::InvalidatePreview() const
{
    const CRect redraw = GetPreviewRects().redraw;
    InvalidateRect(&redraw, true);
}

bool CSolidRotatePDlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    for (int i = 0; i < 8; ++i)
        m_buttons[i].AutoLoad(UINT(kButtons[i]), this);
    if (m_pChart)
        m_ptDepth = CPoint(m_pChart->nDepthX, m_pChart->nDepthY);
    const bool pie = IsPie();
    for (int id : pie ? std::span<const int>(kAxisOnly) : std::span<const int>(kPieOnly))
        ::EnableWindow(GetDlgItem(id), FALSE);
    if (pie)
        InitPieControls();
    UpdatePreviewGeometry(m_ptDepth);
    return true;
}

void CSolidRotatePDlg::InitPieControls()
{
    const CNorvakChart& chart = *m_pChart;
    m_scaleCombo.SetCurSel(kScaleBoth);
    m_bShowAll = chart.nPieSeries == -1;
    m_bShowOne = !m_bShowAll;
    UpdateData(false);
    const CPieShape shape = PieShapeOfRow(chart, OpeningRow(chart));
    m_heightSpin.SetRange(0, kSliceHeightLimit);
    m_heightSpin.SetPos(shape.height);
    m_nHeightDiff = shape.height;
    m_explodeSpin.SetRange(0, HalfSmallerSide(shape.ellipses.outer));
    m_explodeSpin.SetPos(shape.explode);
    m_nExplode = shape.explode;
    m_seriesSpin.SetRange(0, std::max(RowCount(chart) - 1, 0));
    m_seriesSpin.SetPos(std::max(chart.nPieSeries, 0));
    m_seriesSpin.EnableWindow(m_bShowOne != 0);
}

void CSolidRotatePDlg::UpdatePreviewGeometry(CPoint depth)
{
    if (!m_pChart)
        return;
    const CNorvakChart& chart = *m_pChart;
    const CPreviewRects rects = GetPreviewRects();
    if (IsPie()) {
        const CPieShape shape = PieShapeOfRow(chart, m_bShowOne ? m_seriesSpin.GetPos() : 0);
        m_ellipses = shape.ellipses;
        m_nHeightDiff = shape.height;
        m_nExplode = shape.explode;
    } else {
        // The box is laid out on a chart of the same kind, so that the chart itself stays as it is
        // until OK; its drawing goes into a memory DC that nobody sees.
        CNorvakChart preview(chart.nType, chart.nSubType, chart.dMinValue, chart.dMaxValue);
        preview.nDepthX = depth.x;
        preview.nDepthY = depth.y;
        preview.bShowTextLabels = 0;
        CDC dc;
        if (dc.CreateCompatibleDC(HDC(nullptr)))
            CChartAxisPainter().LayoutPlotArea(&dc, &preview, 0, true, chart.dMinValue, chart.dMaxValue,
                                               rects.frame, chart.nType, chart.nSubType, depth.x, depth.y,
                                               false, false);
        FitWallPoints(preview.wallPoints, rects.fit, m_ptWall);
    }
    InvalidatePreview();
}

int CSolidRotatePDlg::SteppingButtonOf(HWND window) const
{
    for (const int id : kButtons)
        if (window && window == GetDlgItem(id))
            return ::IsWindowEnabled(window) ? id : 0;
    return 0;
}

void CSolidRotatePDlg::Step(int button)
{
    if (!SteppingButtonOf(GetDlgItem(button)))
        return;
    if (StepDepth(button, m_ptDepth)) {
        UpdatePreviewGeometry(m_ptDepth);
        return;
    }
    if (m_pChart && StepEllipses(button, m_scaleCombo.GetCurSel(), m_pChart->nSubType >= 4, m_ellipses))
        InvalidatePreview();
}

bool CSolidRotatePDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_LBUTTONDOWN) {
        if (const int button = SteppingButtonOf(msg->hwnd)) {
            m_nHeldButton = button;
            SetTimer(kRepeatTimer, kRepeatMilliseconds);
        }
    } else if (msg->message == WM_LBUTTONUP) {
        KillTimer(kRepeatTimer);
        m_nHeldButton = 0;
    }
    return CSheetPage::PreTranslateMessage(msg);
}

void CSolidRotatePDlg::OnRepeatTimer()
{
    // A press whose release never came (the button lost the mouse) ends the repeat; a press
    // dragged off the button pauses it.
    const HWND button = m_nHeldButton ? GetDlgItem(m_nHeldButton) : nullptr;
    if (!button || ::GetCapture() != button) {
        KillTimer(kRepeatTimer);
        m_nHeldButton = 0;
        return;
    }
    if (::SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED)
        Step(m_nHeldButton);
}

void CSolidRotatePDlg::OnSpinDelta(const NMUPDOWN& change)
{
    UpdateData(true);
    const int id = int(change.hdr.idFrom);
    const CSpinButtonCtrl& spin = id == IDC_PIE_HEIGHT_SPIN ? m_heightSpin : m_explodeSpin;
    const int value = ClampedSpinValue(change.iPos, change.iDelta, SpinUpper(spin));
    (id == IDC_PIE_HEIGHT_SPIN ? m_nHeightDiff : m_nExplode) = value;
    InvalidatePreview();
}

void CSolidRotatePDlg::OnShowOne(bool one)
{
    UpdateData(true);
    m_bShowOne = one;
    m_bShowAll = !one;
    UpdateData(false);
    m_seriesSpin.EnableWindow(one);
}

void CSolidRotatePDlg::OnOK()
{
    UpdateData(true);
    if (m_pChart) {
        m_pChart->nDepthX = m_ptDepth.x;
        m_pChart->nDepthY = m_ptDepth.y;
        if (IsPie()) {
            CPieShape shape{m_ellipses, m_nHeightDiff, m_nExplode};
            ApplyPieShape(*m_pChart, shape, m_bShowOne != 0, m_seriesSpin.GetPos());
            m_nHeightDiff = shape.height;
            m_nExplode = shape.explode;
        }
        if (m_pControl)
            m_pControl->InvalidateControl(&m_pChart->rcChart);
    }
    CSheetPage::OnOK();
}

void CSolidRotatePDlg::PaintPage(CDC& dc)
{
    const CPreviewRects rects = GetPreviewRects();
    dc.Rectangle(rects.frame);
    CPen dotted;
    dotted.CreatePen(PS_DOT, 1, kPreviewLine);
    CSelectObject pen(dc, dotted.GetSafeHandle());
    CClipGuard clip(dc);
    dc.IntersectClipRect(rects.frame.left + 1, rects.frame.top + 1, rects.frame.right - 1, rects.frame.bottom - 1);
    if (IsPie()) {
        PaintPie(dc, rects.fit);
        return;
    }
    if (!m_pChart)
        return;
    for (const std::vector<POINT>& line :
         WireFrameLines(m_pChart->nType, m_pChart->nSubType, m_pChart->dMinValue, m_pChart->dMaxValue, m_ptWall))
        dc.Polyline(line.data(), int(line.size()));
}

void CSolidRotatePDlg::PaintPie(CDC& dc, const CRect& fit)
{
    CSelectObject brush(dc, ::GetStockObject(NULL_BRUSH));
    CRect& outer = m_ellipses.outer;
    CRect& inner = m_ellipses.inner;
    const CPoint centre = fit.CenterPoint();
    const CPoint shift(centre.x - outer.CenterPoint().x, centre.y - outer.CenterPoint().y);
    outer.OffsetRect(shift.x, shift.y);
    if (!inner.IsRectEmpty())
        inner.OffsetRect(shift.x, shift.y);
    m_nHeightDiff = std::min<int>(m_nHeightDiff, fit.Height());
    const CRect top = Raised(outer, m_nHeightDiff);
    const bool ring = !inner.IsRectEmpty();
    if (ring) {
        inner = Centred(inner, centre);
        dc.DrawFocusRect(inner);
        dc.Ellipse(inner);
    }
    dc.DrawFocusRect(outer);
    dc.DrawFocusRect(top);
    dc.Ellipse(outer);
    dc.Ellipse(top);
    if (ring) {
        const CRect innerTop = Raised(inner, m_nHeightDiff);
        dc.DrawFocusRect(innerTop);
        dc.Ellipse(innerTop);
    }
    dc.MoveTo(top.left, MiddleHeight(top));
    dc.LineTo(outer.left, MiddleHeight(outer));
    dc.MoveTo(top.right, MiddleHeight(top));
    dc.LineTo(outer.right, MiddleHeight(outer));
}

LRESULT CSolidRotatePDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) {
            const int id = LOWORD(wp);
            if (id == IDC_PIE_SHOW_ONE || id == IDC_PIE_SHOW_ALL)
                OnShowOne(id == IDC_PIE_SHOW_ONE);
            else
                Step(id);
        }
        break;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->code == UDN_DELTAPOS &&
            (header->idFrom == IDC_PIE_HEIGHT_SPIN || header->idFrom == IDC_PIE_EXPLODE_SPIN)) {
            OnSpinDelta(*reinterpret_cast<const NMUPDOWN*>(lp));
            return 0;
        }
        break;
    }
    case WM_TIMER:
        if (wp == kRepeatTimer)
            OnRepeatTimer();
        break;
    case WM_DESTROY:
        KillTimer(kRepeatTimer);
        m_nHeldButton = 0;
        break;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
