// The charts of the control's pages: the pending chart settings that the chart pages edit, the
// insertion and hiding of charts, and the drawing of one chart with the control's tracker over its
// selected part. The records and their arithmetic live in chart/model; the painters, the one of
// the whole chart among them, in chartdraw.

#include "sheet/NorvakCtrl.h"

#include "chart/model/ChartMath.h"
#include "chart/model/ChartValueRange.h"
#include "chart/model/NewChart.h"
#include "chart/model/PageCharts.h"
#include "chartdraw/WholeChartPainter.h"
#include "framework/ModalUI.h"

#include <algorithm>
#include <utility>

namespace {

// The user chose OK on data that no chart may be made of: the sheet closed, so say why nothing came.
const char kChartDataTooLarge[] = "所选数据过多，无法生成图表!";

bool IsDegenerate(const RECT& rect)
{
    return (long long)rect.right - rect.left < 1 || (long long)rect.bottom - rect.top < 1;
}

CRect Grown(CRect rect, int by)
{
    rect.InflateRect(by, by);
    return rect;
}

// The smallest size the tracker may give the selected part.
CSize TrackerMinSize(const CNorvakChart& chart)
{
    switch (chart.nSelPart) {
    case kChartWhole:
        return CSize(100, 100);
    case kChartPlot: {
        const bool lying = chart.nType == kChartBar || (chart.nType == kChartCylinder && chart.nSubType >= 3);
        return lying ? CSize(20, 50) : CSize(50, 20);
    }
    case kChartLegend:
        return CSize(20, 20);
    case kChartDataArea:
        return CSize(50, 20);
    case kChartTitle:
    case kChartXAxisTitle:
        return CSize(16, 0);
    case kChartYAxisTitle:
        return CSize(16, 40);
    default:
        return CSize();
    }
}

} // namespace

// ---- pending chart settings ----

namespace {

// Runs work(settings, source) on the page's pending settings, with what series building reads of
// a page of the control: the cell texts through its own cell-text operation and its default
// colours. Nothing for a bad page.
template <class Work> void WithChartPage(CNorvakCtrl& control, int page, Work work)
{
    PageRef ref = control.GetPageRef(page);
    if (!ref)
        return;
    const CChartCellSource source{*ref.page, *ref.cells, control.m_DefaultColors,
                                  [&control, index = ref.index](int row, int col) {
                                      return control.GetPageCellText(index, row, col);
                                  }};
    work(PendingChartSettings(*ref.page), source);
}

} // namespace

BOOL CNorvakCtrl::BuildChartSeries(int page, int mode, const std::vector<int>* rows, const std::vector<int>* columns)
{
    bool built = false;
    WithChartPage(*this, page, [&](CChartPageSettings& settings, const CChartCellSource& source) {
        built = ::BuildChartSeries(settings, source, mode, rows, columns);
    });
    return built;
}

void CNorvakCtrl::GetChartDataSource(int page, int& mode, int& allColumns, int& allRows, short& firstRow,
                                     short& lastRow, std::vector<int>& indexList, int& columnIndexMode,
                                     int& legendValueA, int& legendValueB)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return;
    const CChartPageSettings& settings = PendingChartSettings(*ref.page);
    const CChartDataPage& data = settings.dataPage;
    mode = settings.chDataSourceMode;
    allColumns = data.bAllColumns;
    allRows = data.bAllRows;
    firstRow = data.nFirstRow;
    lastRow = data.nLastRow;
    indexList = data.indexList;
    columnIndexMode = data.nColumnIndexMode;
    legendValueA = data.nLegendValueA;
    legendValueB = data.nLegendValueB;
}

void CNorvakCtrl::SetChartDataSource(int page, int mode, int allColumns, int allRows, const std::vector<int>& indexList)
{
    if (PageRef ref = GetPageRef(page))
        ::SetChartDataSource(PendingChartSettings(*ref.page), mode, allColumns, allRows, indexList);
}

void CNorvakCtrl::SetChartDisplayOptions(int page, const int (&options)[8])
{
    if (PageRef ref = GetPageRef(page))
        ::SetChartDisplayOptions(PendingChartSettings(*ref.page), options);
}

void CNorvakCtrl::CalcChartValueRange(int page)
{
    if (PageRef ref = GetPageRef(page))
        ::CalcChartValueRange(PendingChartSettings(*ref.page));
}

void CNorvakCtrl::CalcStackedValueRange(int page)
{
    WithChartPage(*this, page, [](CChartPageSettings& settings, const CChartCellSource& source) {
        ::CalcStackedValueRange(settings, source);
    });
}

void CNorvakCtrl::SetChartGroupByColumns(int page, BOOL byColumns)
{
    WithChartPage(*this, page, [&](CChartPageSettings& settings, const CChartCellSource& source) {
        ::SetChartGroupByColumns(settings, source, byColumns != FALSE);
    });
}

void CNorvakCtrl::SetChartType(int page, BYTE type, BYTE subType)
{
    WithChartPage(*this, page, [&](CChartPageSettings& settings, const CChartCellSource& source) {
        ::SetChartType(settings, source, type, subType);
    });
}

void CNorvakCtrl::UpdateChartValueRange(int page)
{
    WithChartPage(*this, page, [](CChartPageSettings& settings, const CChartCellSource& source) {
        ::UpdateChartValueRange(settings, source);
    });
}

void CNorvakCtrl::GetChartValueRange(int page, double& minValue, double& maxValue)
{
    minValue = maxValue = 0;
    if (PageRef ref = GetPageRef(page))
        ::GetChartValueRange(PendingChartSettings(*ref.page), minValue, maxValue);
}

void CNorvakCtrl::ResetPageChartOptions(int page, const BYTE options[8], const int values[4])
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return;
    std::copy(options, options + 8, ref.page->m_chartOptionBytes);
    std::copy(values, values + 4, ref.page->m_chartOptionInts);
    if (ref.page->m_chartSettings)
        ref.page->m_chartSettings->legendItems.clear();
}

// ---- insertion ----

BOOL CNorvakCtrl::InsertChart(int page, BOOL newChart, const CChartPartRects& rects, int index)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return FALSE;
    CRect dirty;
    if (newChart) {
        const CChartPageSettings& settings = PendingChartSettings(*ref.page);
        if (!CanMakeChart(settings))
            return FALSE;
        AppendNewChart(*ref.page, CreateNewChart(settings, rects));
        dirty = Grown(rects.rects[kChartWhole], 5);
    } else if (std::optional<CRect> hidden = HideChart(*ref.page, index)) {
        dirty = *hidden;
    } else {
        return FALSE;
    }
    if (m_hWnd) {
        InvalidateControl(&dirty);
        InvalidateControl();
    }
    return TRUE;
}

void CNorvakCtrl::DoShowChartWindow()
{
    if (OpenSheet(&ISheetFactory::ChartSettings) != IDOK)
        return;
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return;
    CClientDC dc(m_hWnd); // the screen's without a window
    auto textSize = [&dc](const char* text) {
        CRect box(0, 0, 100000, 100000);
        dc.DrawText(CString(text), &box, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_CALCRECT | DT_EDITCONTROL);
        return CSize(box.Width(), box.Height());
    };
    const CChartPageSettings& settings = PendingChartSettings(*ref.page);
    if (!InsertChart(-1, TRUE, NewChartPartRects(settings.layoutShown, textSize), 0) && settings.bDataRefused)
        ModalUI::ShowMessage(m_hWnd, kChartDataTooLarge, CString(), MB_OK | MB_ICONEXCLAMATION);
}

// ---- drawing ----

BOOL CNorvakCtrl::IsPageChartNewest(int index) const
{
    const CNorvakPage* page = GetPage(-1);
    const CNorvakChart* chart = page ? PageChartAt(*page, index) : nullptr;
    return chart && chart->bNewest;
}

void CNorvakCtrl::DrawChartTracker(CDC* pDC)
{
    m_chartTracker.Draw(pDC);
}

int CNorvakCtrl::DrawPageChart(int page, CDC* pDC, int index)
{
    PageRef ref = GetPageRef(page);
    CNorvakChart* chart = ref ? PageChartAt(*ref.page, index) : nullptr;
    if (!chart || !pDC)
        return 0;
    const bool selected = chart->bSelected != 0;
    if (IsDegenerate(chart->rcVisible)) {
        if (selected)
            m_chartTracker.m_rect.SetRectEmpty();
        return 0;
    }
    if (!chart->bVisible)
        return 0;
    // Only the selected chart (or, with none selected, any chart) speaks for the tracker, so an
    // unselected chart drawn after it leaves the frame alone.
    if (selected) {
        const CRect* part = chart->PartRect(chart->nSelPart);
        m_chartTracker.m_rect = part ? *part : CRect();
        m_chartTracker.m_sizeMin = TrackerMinSize(*chart);
        m_chartTracker.m_nHandleSize = chart->nSelPart == kChartWhole ? 6 : 4;
    } else if (::GetSelectedChart(*ref.page) < 0) {
        m_chartTracker.m_rect.SetRectEmpty();
    }
    CWholeChartPainter(*this).Draw(pDC, *chart, [&](int part) {
        if (selected && chart->nSelPart == part)
            DrawChartTracker(pDC);
    });
    return chart->bVisible;
}
