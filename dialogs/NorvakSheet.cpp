#include "dialogs/NorvakSheet.h"

#include "chart/model/PageCharts.h"
#include "chartdraw/ChartFramePainter.h"
#include "chartdraw/ChartPainter.h"
#include "chartdraw/LegendPainter.h"
#include "dialogs/FillPageLayout.h"
#include "dialogs/SheetLayout.h"
#include "drawing/CFillPainter.h"
#include "framework/MemoryDC.h"
#include "sheet/NorvakCtrl.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

CNorvakSheet::CNorvakSheet(const CString& caption, int ownerKind, BOOL preview, CWnd* owner, UINT startPage,
                           CNorvakCtrl* control)
    : CPropertySheet(caption, owner ? owner->GetSafeHwnd() : nullptr, startPage), m_bPreview(preview),
      m_nOwnerKind(ownerKind), m_pOwner(owner), m_pControl(control)
{
}

CNorvakSheet::~CNorvakSheet()
{
    m_wndStyleLabel.DestroyWindow();
}

CRect CNorvakSheet::FirstPageRect() const
{
    CPropertyPage* first = GetPage(0);
    return first && first->m_hWnd ? GetChildRect(first->m_hWnd) : CRect();
}

CRect CNorvakSheet::ChartBand() const
{
    return SheetLayout::ChartBand(FirstPageRect(), GetClientRect());
}

bool CNorvakSheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    ::ShowWindow(GetDlgItem(kApplyButton), SW_HIDE);
    ::ShowWindow(GetDlgItem(IDCANCEL), SW_SHOW);
    ::EnableWindow(GetDlgItem(IDOK), TRUE);
    ::EnableWindow(GetDlgItem(IDCANCEL), TRUE);
    if (IsCaption(kFillEffectsCaption) || IsCaption(kChartSettingsCaption))
        LayOutPreviewButtons();
    else
        LayOutPlainButtons();
    LayoutChartPreview(TRUE, TRUE, TRUE);
    return true;
}

void CNorvakSheet::LayOutPlainButtons()
{
    const CRect apply = GetChildRect(GetDlgItem(kApplyButton));
    const CRect ok = GetChildRect(GetDlgItem(IDOK));
    ::MoveWindow(GetDlgItem(IDCANCEL), apply.left, apply.top, apply.Width(), apply.Height(), TRUE);
    const CRect moved = SheetLayout::OkBesideApply(apply, ok.Width());
    ::MoveWindow(GetDlgItem(IDOK), moved.left, moved.top, moved.Width(), moved.Height(), TRUE);
}

void CNorvakSheet::LayOutPreviewButtons()
{
    const CRect cancel = GetChildRect(GetDlgItem(IDCANCEL));
    const CSize button = cancel.Size();
    CRect window = GetWindowRect();
    window.right += button.cx + 20;
    window.bottom += IsCaption(kFillEffectsCaption) ? -20 : 100;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const CRect client = GetClientRect();
    CRect tabItem;
    TabCtrl_GetItemRect(GetTabControl(), 0, &tabItem);
    const CRect ok = SheetLayout::PreviewOk(client, tabItem.Height(), button);
    const CRect cancelAt = SheetLayout::PreviewCancel(client, tabItem.Height(), button);
    ::MoveWindow(GetDlgItem(IDOK), ok.left, ok.top, ok.Width(), ok.Height(), TRUE);
    ::MoveWindow(GetDlgItem(IDCANCEL), cancelAt.left, cancelAt.top, cancelAt.Width(), cancelAt.Height(), TRUE);

    const int pageBottom = FirstPageRect().bottom;
    m_rcStyle = SheetLayout::StyleBox(ok, pageBottom);
    if (m_wndStyleLabel.Create("样式：", WS_CHILD | WS_VISIBLE, SheetLayout::StyleLabel(ok, pageBottom), m_hWnd)) {
        HFONT font = GetFont();
        m_wndStyleLabel.SetFont(font ? font : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)));
    }
}

void CNorvakSheet::SetFillPreview(int kind, COLORREF colour1, COLORREF colour2, int variant, int style,
                                  const CBitmap* bitmap, int pattern)
{
    m_nFillKind = kind;
    m_clrFill1 = colour1;
    m_clrFill2 = colour2;
    m_nFillVariant = variant;
    m_nFillStyle = style;
    m_pFillBitmap = bitmap;
    m_nFillPattern = pattern;
    InvalidateRect(&m_rcStyle, true);
}

void CNorvakSheet::InvalidateChartPreview() const
{
    if (!m_hWnd)
        return;
    const CRect band = ChartBand();
    InvalidateRect(&band, true);
}

int CNorvakSheet::LayoutChartPreview(BOOL showChart, BOOL showLegend, BOOL showTable)
{
    const SheetLayout::ChartPreviewRects rects = SheetLayout::LayOutChartPreview(
        ChartBand(), GetClientRect().right, m_nPlotLeft, showChart != FALSE, showLegend != FALSE, showTable != FALSE);
    m_rcChart = rects.chart;
    m_rcLegend = rects.legend;
    m_rcTable = rects.table;
    return 0;
}

void CNorvakSheet::DrawPicture(CDC& dc, const CRect& box) const
{
    if (!m_pControl)
        return;
    // The texture page (page 1) shows the control's texture-file picture, the others its fill
    // picture.
    const bool texturePage = GetActiveIndex() == 1;
    const CString& file = texturePage ? m_pControl->m_strTexturePictureFile : m_pControl->m_strFillPictureFile;
    CPictureObject& picture = texturePage ? m_pControl->m_texturePicture : m_pControl->m_fillPicture;
    if (file.IsEmpty() || !picture.HasPicture()) {
        CRect text = box;
        dc.SetBkMode(TRANSPARENT);
        CSelectObject font(dc, GetFont());
        dc.DrawText("没有图片", &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    CRect at = FitPicture(picture.GetSize(&dc), box);
    if (at.IsRectEmpty())
        return;
    at = CRect(at.left + 2, at.top + 2, at.right - 1, at.bottom - 2);
    picture.Render(&dc, at.left, at.top, at.right, at.bottom);
}

void CNorvakSheet::DrawFillPreview(CDC* dc) const
{
    CRect box = m_rcStyle;
    box.DeflateRect(1, 1);
    CClipGuard clip(*dc);
    CFillPainter painter(m_pControl ? m_pControl->FillTables() : CFillTables{});
    switch (m_nFillKind) {
    case GradientOneColour:
    case GradientTwoColours:
        if (m_nFillStyle == -1)
            return;
        dc->IntersectClipRect(box);
        painter.DrawGradient(dc, box.left, box.top, box.right, box.bottom, m_clrFill1, m_clrFill2, m_nFillStyle,
                             m_nFillVariant);
        break;
    case TextureBitmap:
        if (m_pFillBitmap)
            painter.FillTextureRect(dc, box.left, box.top, box.right, box.bottom, m_pFillBitmap);
        break;
    case Pattern:
        if (m_nFillPattern != -1)
            painter.FillPatternRect(dc, box.left, box.top, box.right, box.bottom, m_nFillPattern, m_clrFill1,
                                    m_clrFill2);
        break;
    case SolidColour:
        dc->FillSolidRect(box, m_clrFill1);
        break;
    case Picture:
        DrawPicture(*dc, box);
        break;
    default:
        break;
    }
}

void CNorvakSheet::Paint(HDC target)
{
    const CRect client = GetClientRect();
    CMemoryDC dc(target, client.Size());
    dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    {
        CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
        dc.Rectangle(m_rcStyle);
    }
    if (IsCaption(kChartSettingsCaption)) {
        const CRect band = ChartBand();
        {
            CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
            dc.Rectangle(band);
        }
        CClipGuard clip(dc);
        dc.IntersectClipRect(band);
        DrawChartPreview(dc);
    }
    DrawFillPreview(&dc);
}

void CNorvakSheet::DrawChartPreview(CDC& dc)
{
    CNorvakPage* page = m_pControl ? m_pControl->GetPage(-1) : nullptr;
    if (!page)
        return;
    const CChartPageSettings& settings = PendingChartSettings(*page);
    const int* shown = settings.displayOptions;
    const int type = settings.chChartType;
    const int subType = settings.chChartSubType;
    if (shown[1]) {
        // The preview draws a copy: the painters write the shapes they drew into the records.
        double minValue = 0, maxValue = 0;
        m_pControl->GetChartValueRange(-1, minValue, maxValue);
        CNorvakChart chart(type, subType, minValue, maxValue);
        chart.items = settings.items;
        chart.rowTotals = settings.rowTotals;
        const CSize depth = SheetLayout::PreviewChartDepth(type, subType);
        CRect at = m_rcChart;
        if (type == kChartPie)
            at.left += 10;
        // The preview flag: the pie painter lays out the preview's pies itself, as the copy's
        // points carry no geometry of a chart on the sheet.
        constexpr int kPreview = 1;
        m_nPlotLeft = CChartPainter(m_pControl->FillTables())
                          .DrawChart(&dc, &chart, at.left, at.top, at.right, at.bottom, type, subType, minValue,
                                     maxValue, &chart.rowTotals, &chart.items, kPreview, depth.cx, depth.cy);
        if (m_nPlotLeft != -1)
            LayoutChartPreview(shown[1], shown[2], shown[3]);
    }
    if (shown[2]) {
        CLegendBoxOptions options;
        std::copy(std::begin(page->m_chartOptionBytes), std::end(page->m_chartOptionBytes), options.bytes);
        std::copy(std::begin(page->m_chartOptionInts), std::end(page->m_chartOptionInts), options.ints);
        CChartTextItemArray entries = settings.legendItems;
        CLegendPainter(*m_pControl).DrawPreviewLegend(&dc, m_rcLegend, type, subType, options, &entries, &settings.items);
    }
    if (shown[3]) {
        CRect table = m_rcTable;
        if (shown[1] && type == kChartPie)
            table.left += 10;
        CPen grey;
        grey.CreatePen(PS_SOLID, 1, 0xC0C0C0);
        CSelectObject pen(dc, grey);
        CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
        CChartFramePainter().DrawFrame(&dc, table);
    }
}

LRESULT CNorvakSheet::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND:
        if (m_bPreview)
            return TRUE;
        break;
    case WM_PAINT:
        if (m_bPreview) {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(m_hWnd, &ps);
            Paint(dc);
            ::EndPaint(m_hWnd, &ps);
            return 0;
        }
        break;
    case WM_PRINTCLIENT:
        if (m_bPreview) {
            Paint(reinterpret_cast<HDC>(wp));
            return 0;
        }
        break;
    default:
        break;
    }
    return CPropertySheet::WindowProc(msg, wp, lp);
}
