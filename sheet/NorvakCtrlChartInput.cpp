// The charts of the active page under the mouse and the keys: what a click hits and selects, the
// tracker that moves and resizes the selection, the Delete key, the charts moving with the grid,
// and the actions a click starts on an element (its property sheet, or editing its text in place).

#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakModule.h"

#include "chart/model/ChartResize.h"
#include "chart/model/PageCharts.h"
#include "sheet/model/ChartPanes.h"
#include "tabs/TitleEdit.h"

#include <algorithm>

namespace {

constexpr int kWholeChartHandles = 6;
constexpr int kPartHandles = 4;
constexpr int kElementMove = 8;

bool Holds(const RECT& rect, int x, int y)
{
    return CRect(rect).PtInRect(CPoint(x, y));
}

CRect Grown(CRect rect, int by)
{
    rect.InflateRect(by, by);
    return rect;
}

bool AnyVisibleChartAt(const CNorvakPage& page, int x, int y)
{
    return std::any_of(page.m_charts.begin(), page.m_charts.end(),
                       [&](const auto& chart) { return chart->bVisible && Holds(chart->rcVisible, x, y); });
}

} // namespace

// ---- selection ----

CChartPartHit CNorvakCtrl::HitTestChartPartRects(int page, int x, int y)
{
    const CNorvakPage* record = GetPage(page);
    return record ? ::HitTestChartPartRects(*record, x, y) : CChartPartHit{};
}

void CNorvakCtrl::ClearNewestChartFlags(int page)
{
    if (CNorvakPage* record = GetPage(page))
        ::ClearNewestChartFlags(*record);
}

void CNorvakCtrl::ClearChartSelection(int page)
{
    CNorvakPage* record = GetPage(page);
    if (!record)
        return;
    for (const auto& chart : record->m_charts) {
        if (chart->bSelected)
            InvalidateControl(Grown(chart->rcChart, 4));
        InvalidateControl(chart->rcChart);
    }
    ::ClearChartSelection(*record);
    m_chartTracker.m_rect.SetRectEmpty();
}

void CNorvakCtrl::SelectChartPart(int page, int chart, int part)
{
    CNorvakPage* record = GetPage(page);
    const std::optional<CRect> rect = record ? ::SelectChartPart(*record, chart, part) : std::nullopt;
    if (!rect)
        return;
    m_chartTracker.m_rect = *rect;
    m_chartTracker.m_nHandleSize = part == kChartWhole ? kWholeChartHandles : kPartHandles;
    InvalidateControl();
}

int CNorvakCtrl::GetSelectedChart(int page)
{
    const CNorvakPage* record = GetPage(page);
    return record ? ::GetSelectedChart(*record) : -1;
}

CNorvakChart* CNorvakCtrl::GetSelectedChartRecord(int page)
{
    CNorvakPage* record = GetPage(page);
    return record ? PageChartAt(*record, ::GetSelectedChart(*record)) : nullptr;
}

int CNorvakCtrl::GetSelectedChartPartRect(int page, CRect& rect)
{
    rect.SetRectEmpty();
    const CNorvakPage* record = GetPage(page);
    return record ? ::GetSelectedChartPartRect(*record, rect) : -1;
}

BOOL CNorvakCtrl::HitTestSelectedChartPart(int x, int y)
{
    const CNorvakPage* record = GetPage(-1);
    return record && ::HitTestSelectedChartPart(*record, x, y);
}

BOOL CNorvakCtrl::HideSelectedChartPart(int page)
{
    CNorvakPage* record = GetPage(page);
    const std::optional<CRect> hidden = record ? ::HideSelectedChartPart(*record) : std::nullopt;
    if (!hidden)
        return FALSE;
    m_chartTracker.m_rect.SetRectEmpty();
    InvalidateControl(*hidden);
    return TRUE;
}

// ---- the click ----

void CNorvakCtrl::HitTestPageCharts(int page, int x, int y, int trackerHit, int* hit, int* element, BOOL dbl)
{
    *hit = -1;
    *element = -1;
    CNorvakPage* record = GetPage(page);
    if (!record || record->m_charts.empty())
        return;
    const auto report = [&](int clicked) {
        *element = clicked;
        *hit = m_chartTracker.HitTest(CPoint(x, y));
    };
    int clicked = -1;
    if (const int selected = ::GetSelectedChart(*record); selected >= 0) {
        if (!::HitTestSelectedChartPart(*record, x, y)) {
            ClearChartSelection(page);
            trackerHit = -1;
        }
        ClickChart(page, selected, x, y, trackerHit, &clicked, dbl);
        if (clicked != -1)
            return report(clicked);
    }
    const int count = int(record->m_charts.size());
    for (int i = count - 1; i >= 0; --i) {
        if (!record->m_charts[size_t(i)]->bNewest)
            continue;
        ClickChart(page, i, x, y, trackerHit, &clicked, dbl);
        if (clicked != -1)
            return report(clicked);
        break;
    }
    for (int i = int(record->m_charts.size()) - 1; i >= 0; --i) {
        ClickChart(page, i, x, y, trackerHit, &clicked, dbl);
        if (clicked != -1)
            return report(clicked);
    }
}

void CNorvakCtrl::ClickChart(int page, int chart, int x, int y, int trackerHit, int* element, BOOL dbl)
{
    *element = -1;
    CNorvakPage* record = GetPage(page);
    CNorvakChart* clicked = record ? PageChartAt(*record, chart) : nullptr;
    if (!clicked || !clicked->bVisible || !Holds(clicked->rcVisible, x, y))
        return;
    const int part = ::HitTestChartElement(*clicked, x, y);
    if (trackerHit >= CRectTracker::hitTopLeft && trackerHit <= CRectTracker::hitLeft) {
        *element = part; // a handle of the selection: it is dragged, nothing else changes
        return;
    }
    const bool inSelection = trackerHit == CRectTracker::hitMiddle;
    if (part == kChartPlot) {
        if (const std::optional<CChartFaceHit> face = FindHitFace(*clicked, x, y)) {
            *element = ClickChartFace(page, chart, *face, inSelection, dbl);
            return;
        }
    } else if (part == kChartLegend) {
        if (const std::optional<CChartLegendHit> entry = FindLegendHit(*clicked, x, y)) {
            *element = ClickLegendEntry(page, chart, *entry, inSelection, dbl);
            return;
        }
    }
    *element = ClickChartPart(page, chart, part, inSelection, dbl);
}

int CNorvakCtrl::ClickChartPart(int page, int chart, int part, bool inSelection, BOOL dbl)
{
    // Only the clicked chart stays selected, whatever other chart lies under the point.
    ClearChartSelection(page);
    ClearNewestChartFlags(page);
    SelectChartPart(page, chart, part);
    CNorvakChart& clicked = *PageChartAt(*GetPage(page), chart);
    if (part == kChartPlot || part == kChartLegend)
        InvalidateControl(*clicked.PartRect(part));
    const CChartElementRecord record{&clicked};
    if (dbl)
        ShowChartElementProperties(part, record, 0, 0, 0, dbl);
    else if (inSelection && part >= kChartTitle && part <= kChartYAxisTitle)
        EditChartText(clicked, part, -1);
    return inSelection ? kElementMove : part;
}

int CNorvakCtrl::ClickChartFace(int page, int chart, const CChartFaceHit& face, bool inSelection, BOOL dbl)
{
    CNorvakChart& clicked = *PageChartAt(*GetPage(page), chart);
    CChartItem& marked = clicked.items[size_t(face.row)][size_t(face.markedPoint)];
    const char before = marked.chSelPart;
    ClearChartSelection(page);
    marked.chSelPart = face.letter;
    InvalidateControl(clicked.rcPlot);
    const bool again = !inSelection && before == face.letter && before != ' ';
    if (dbl || again) {
        CChartElementRecord record;
        record.point = &clicked.items[size_t(face.row)][size_t(face.point)];
        ShowChartElementProperties(face.element, record, face.row, face.point, 0, dbl ? dbl : 1);
    }
    return face.element;
}

int CNorvakCtrl::ClickLegendEntry(int page, int chart, const CChartLegendHit& entry, bool inSelection, BOOL dbl)
{
    CNorvakChart& clicked = *PageChartAt(*GetPage(page), chart);
    CChartTextItem& item = clicked.legendItems[size_t(entry.index)];
    const char before = item.chSelPart;
    ClearChartSelection(page);
    item.chSelPart = entry.letter;
    InvalidateControl(clicked.rcLegend);
    CChartElementRecord record;
    record.legendEntry = &item;
    if (entry.letter == 't') {
        if (dbl)
            ShowChartElementProperties(entry.element, record, 0, 0, 0, dbl);
        else if (inSelection || before == 't')
            EditChartText(clicked, entry.element, entry.index);
    } else if (dbl || before == entry.letter) {
        ShowChartElementProperties(entry.element, record, 0, 0, 0, dbl ? dbl : 1);
    }
    return entry.element;
}

// ---- the press and the tracker ----

bool CNorvakCtrl::ChartsTakePress(CPoint point, BOOL dbl)
{
    const CNorvakPage* page = GetPage(-1);
    if (!page || page->m_charts.empty())
        return false;
    if (!dbl)
        SetFocus();
    if (TrackChartPart(point.x, point.y, dbl) == 0)
        return true;
    // A double click on a chart opened what it opens; it never reaches the cells below.
    return dbl && std::any_of(page->m_charts.begin(), page->m_charts.end(), [&](const auto& chart) {
               return chart->bVisible && Holds(chart->rcChart, point.x, point.y);
           });
}

bool CNorvakCtrl::SetChartCursor(UINT hitTest)
{
    if (m_chartTracker.m_rect.IsRectEmpty() || !GetPage(-1))
        return false;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(point);
    if (!HitTestSelectedChartPart(point.x, point.y))
        return false;
    CRect part;
    if (m_chartTracker.HitTest(point) == CRectTracker::hitMiddle && GetSelectedChartPartRect(-1, part) != kChartWhole)
        return false;
    return m_chartTracker.SetCursor(this, hitTest);
}

int CNorvakCtrl::TrackChartPart(int x, int y, BOOL dbl)
{
    CNorvakPage* page = GetPage(-1);
    if (!page)
        return 0;
    if ((page->m_nLockedRows > 0 || page->m_nLockedCols > 0) && !AnyVisibleChartAt(*page, x, y)) {
        m_nChartTrackerHit = -1;
        return 1;
    }
    const CPoint point(x, y);
    m_nChartTrackerHit = m_chartTracker.HitTest(point);
    int hit = -1, element = -1;
    HitTestPageCharts(-1, x, y, m_nChartTrackerHit, &hit, &element, dbl);
    if (element == -1 || dbl) {
        m_nChartTrackerHit = -1;
        return 1;
    }
    // The drag follows the handle under the point now that the selection is made.
    m_nChartTrackerHit = hit;
    const CRect before = m_chartTracker.m_rect;
    if (m_chartTracker.Track(this, point, false)) {
        CRect part;
        const int chart = GetSelectedChart(-1);
        const int selectedPart = GetSelectedChartPartRect(-1, part);
        if (chart >= 0) {
            CRect after;
            m_chartTracker.GetTrueRect(&after);
            // A move lands where the band was let go, however far the grid scrolled under it and
            // took the part along.
            const bool move = hit == CRectTracker::hitMiddle;
            const int dx = move ? after.left - part.left : after.Width() - before.Width();
            const int dy = move ? after.top - part.top : after.Height() - before.Height();
            ResizeChartPart(-1, chart, selectedPart, dx, dy, hit, 1);
        }
    }
    m_nChartTrackerHit = -1;
    return 0;
}

void CNorvakCtrl::ResizeChartPart(int page, int chart, int part, int dx, int dy, int handle, int settle)
{
    CNorvakPage* record = GetPage(page);
    CNorvakChart* changed = record ? PageChartAt(*record, chart) : nullptr;
    if (!changed || handle < 0 || handle > 8)
        return;
    const bool done = part == kChartWhole ? MoveResizePageChart(*record, chart, dx, dy, handle, settle != 0)
                                          : MoveResizeChartPart(*changed, part, dx, dy, handle);
    if (!done)
        return;
    if (changed->bSelected && ResolvePage(page) == ResolvePage(-1))
        if (const CRect* rect = changed->PartRect(changed->nSelPart))
            m_chartTracker.m_rect = *rect;
    InvalidateControl();
}

void CNorvakCtrl::MoveChartsWithScroll(int page, bool horizontal, int distance)
{
    CNorvakPage* record = GetPage(page);
    if (!record || distance == 0)
        return;
    // The tracker's band is dragged in client pixels while the grid scrolls under it.
    const CRect band = m_chartTracker.m_rect;
    const int dx = horizontal ? -distance : 0, dy = horizontal ? 0 : -distance;
    if (record->m_nLockedRows == 0 && record->m_nLockedCols == 0) {
        for (int i = 0; i < int(record->m_charts.size()); ++i)
            ResizeChartPart(page, i, kChartWhole, dx, dy, 8, 1);
    } else {
        MoveChartsBesideLockedBand(*record, page, horizontal, dx, dy);
    }
    if (m_nChartTrackerHit != -1)
        m_chartTracker.m_rect = band;
}

void CNorvakCtrl::MoveChartsBesideLockedBand(CNorvakPage& record, int page, bool horizontal, int dx, int dy)
{
    // Beside frozen columns (rows) only the charts in the scrolling part move, and they show only
    // where they do not cover the frozen band; a clip the other way stays as it was.
    const bool locked = horizontal ? record.m_nLockedCols > 0 : record.m_nLockedRows > 0;
    const int edge = SheetModel::LockedBandExtent(record, horizontal);
    for (int i = 0; i < int(record.m_charts.size()); ++i) {
        CNorvakChart& chart = *record.m_charts[size_t(i)];
        if (locked && !(horizontal ? chart.bClearOfLockedCols : chart.bClearOfLockedRows))
            continue;
        ResizeChartPart(page, i, kChartWhole, dx, dy, 8, 0);
        if (!locked)
            continue;
        if (horizontal) {
            chart.rcVisible.left = std::max<LONG>(chart.rcChart.left, edge);
            chart.rcVisible.right = chart.rcChart.right;
        } else {
            chart.rcVisible.top = std::max<LONG>(chart.rcChart.top, edge);
            chart.rcVisible.bottom = chart.rcChart.bottom;
        }
    }
}

CRect CNorvakCtrl::GetChartTrackingArea()
{
    CRect area;
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &area);
    const CNorvakPage* page = GetPage(-1);
    if (!page)
        return area;
    area.left = page->GetFixedColumnWidth();
    area.top = page->GetFixedRowHeight();
    bool bottomBar = false;
    for (CChildWindowId id : {kIdPageTitle, kIdArrowBar, kIdHorzBar})
        if (HWND child = GetChildWindow(id); child && ::IsWindowVisible(child))
            bottomBar = true;
    if (bottomBar)
        area.bottom -= std::max(::GetSystemMetrics(SM_CYVSCROLL), 20);
    if (HWND bar = GetChildWindow(kIdVertBar); bar && ::IsWindowVisible(bar)) {
        RECT barRect{};
        ::GetWindowRect(bar, &barRect);
        area.right -= barRect.right - barRect.left;
    }
    if (const CNorvakChart* chart = PageChartAt(*page, ::GetSelectedChart(*page))) {
        const CRect& shown = chart->rcVisible;
        if (shown.Width() < chart->rcChart.Width() && shown.left >= area.left && shown.left < area.right)
            area.left = shown.left;
        if (shown.Height() < chart->rcChart.Height() && shown.top >= area.top && shown.top < area.bottom)
            area.top = shown.top;
    }
    return area;
}

const CNorvakChart* CNorvakCtrl::GetTrackedChart(int& part)
{
    const CNorvakChart* chart = GetSelectedChartRecord(-1);
    part = chart ? chart->nSelPart : -1;
    return chart;
}

void CNorvakCtrl::ScrollToTrackingPoint(POINT point)
{
    const CCellCoord cell = GetCellFromPt(point);
    if (IsValidCell(-1, cell.row, cell.col))
        EnsureVisibleInPane(cell.row, cell.col);
}

// ---- element actions ----

int CNorvakCtrl::ShowChartElementProperties(int code, const CChartElementRecord& record, int, int, int, int status)
{
    if (status == 0 || code > 22)
        return status;
    if (code == kChartDataArea)
        return MessageBox("数据区域", CString(), MB_OK);
    std::optional<CChartElementSheet> sheet = ChartElementSheetOf(code);
    if (!sheet || !ChartElementRecordFits(code, record))
        return status;
    sheet->record = record;
    if (ISheetFactory* factory = m_pSheetFactory ? m_pSheetFactory : NorvakApp().m_pSheetFactory)
        factory->ChartElement(*this, *sheet);
    return 0;
}

void CNorvakCtrl::EditChartText(CNorvakChart& chart, int code, int legendEntry)
{
    CloseChartTextEditor();
    CChartTextItem* entry = nullptr;
    if (code == 20) {
        if (legendEntry < 0 || size_t(legendEntry) >= chart.legendItems.size())
            return;
        entry = &chart.legendItems[size_t(legendEntry)];
    } else if (code < kChartTitle || code > kChartYAxisTitle) {
        return;
    }
    m_pChartTextEdit = CTitleEdit::OpenChartText(*this, chart, code, entry);
}

void CNorvakCtrl::CloseChartTextEditor()
{
    if (CTitleEdit* editor = std::exchange(m_pChartTextEdit, nullptr))
        editor->CloseChartText();
}

void CNorvakCtrl::OnChartTextEditorGone(CTitleEdit* editor)
{
    if (m_pChartTextEdit == editor)
        m_pChartTextEdit = nullptr;
}
