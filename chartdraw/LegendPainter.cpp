#include "chartdraw/LegendPainter.h"

#include "chart/model/ChartDrawingViews.h"
#include "chartdraw/ChartStyleFills.h"
#include "chartdraw/geometry/SlotDivision.h"
#include "sheet/tables/MarkerSymbols.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

struct CLegendPainter::CLegendCall
{
    CRect legend;
    int chartType = 0;
    int chartSubType = 0;
    CChartTextItemArray* entries = nullptr;
    const CChartItemTable* table = nullptr;
    bool preview = false;
};

namespace {

constexpr int kEntryGap = 10;

// The rows of the entries' slots down the legend; empty when they do not fit.
struct CLegendSlots
{
    std::vector<CRect> rows; // left and right 0
    int baseHeight = 0;      // of the last slot: the leftover pixels went to the first ones
};

CLegendSlots LayOutSlots(const CRect& legend, int entries)
{
    CLegendSlots out;
    const CSlotDivision slots = DivideIntoSlots(legend.bottom - 1 - legend.top, entries, kEntryGap);
    if (!slots.fits)
        return out;
    int top = legend.top + slots.gap / 2;
    for (int height : slots.widths) {
        out.rows.push_back(CRect(0, top, 0, top + height));
        top += height + slots.gap;
    }
    out.baseHeight = slots.widths.back();
    return out;
}

// Line charts have one entry per row (series), the other types one per point of the first row.
int EntryCount(int chartType, const CChartItemTable& table)
{
    const size_t count = chartType == kChartLine ? table.size() : table.empty() ? 0 : table.front().size();
    return int(std::min<size_t>(count, INT_MAX));
}

// The data point whose face style the marker of entry i shows.
const CChartItem* SeriesPoint(int chartType, const CChartItemTable& table, int i)
{
    if (chartType == kChartLine)
        return size_t(i) < table.size() && !table[size_t(i)].empty() ? &table[size_t(i)].front() : nullptr;
    return !table.empty() && size_t(i) < table.front().size() ? &table.front()[size_t(i)] : nullptr;
}

void ForgetEntry(CChartTextItem& entry)
{
    entry.rcFlag = entry.rcCaption = entry.rcFull = CRect();
}

CChartFillStyle PreviewBoxStyle(const CLegendBoxOptions& o)
{
    CChartFillStyle s;
    s.nFillKind = o.bytes[0];
    s.nLineStyle = o.bytes[1];
    s.nLineWidth = o.bytes[2];
    s.crLineColour = o.bytes[3];
    s.nGradientStyle = o.bytes[4];
    s.nGradientVariant = o.bytes[5];
    s.nTexture = o.bytes[6];
    s.nPattern = o.bytes[7];
    s.crColour1 = COLORREF(o.ints[0]);
    s.crColour2 = COLORREF(o.ints[1]);
    s.crColour3 = COLORREF(o.ints[2]);
    return s;
}

// The caption font: the entry's own, fitted to the caption box's height when the entry asks for it.
LOGFONTA CaptionFont(const CChartTextItem& entry, int height)
{
    LOGFONTA font = entry.font;
    if (entry.bFitText)
        font.lfHeight = height;
    return font;
}

} // namespace

CRect CLegendPainter::CalcFlagRect(const RECT& regionRect, const CChartTextItem& entry, const RECT& legend)
{
    const CRect region(regionRect);
    const int m = std::min(region.Width(), region.Height());
    const int L = region.left, c = (region.top + region.bottom) / 2;
    const int shift = entry.bStrikeLine ? 15 : 0;
    CRect box = region;
    if (entry.bOuterCircle) {
        if (m > 20)
            box = CRect(L, c - 10, L + 20, c + 10);
        box.OffsetRect(shift, 0);
        if (box.right >= legend.right) {
            const int overrun = box.right - legend.right, half = (19 - overrun) / 2;
            box = CRect(L, c - half, L + 19 - overrun, c + half);
        }
        return box;
    }
    if (entry.nMarkerStyle == 5 && m > 18)
        box = CRect(L, c - 9, L + 18, c + 9);
    else if (m > 12)
        box = CRect(L, c - 6, L + 12, c + 6);
    box.OffsetRect(shift, 0);
    if (box.right >= legend.right)
        box.right = legend.right - 1;
    return box;
}

CRect CLegendPainter::CalcPreviewFlagRect(const RECT& regionRect, const CChartTextItem& entry, const RECT& legend)
{
    CRect region(regionRect);
    if (region.Width() >= 21) {
        const int middle = (region.top + region.bottom) / 2;
        region.top = middle - 10;
        region.bottom = middle + 10;
    }
    const int left = legend.left;
    const bool wide = (legend.left + legend.right) / 2 > left + 25;
    CRect box = entry.bStrikeLine && wide ? CRect(left + 5, 0, left + 25, 0) : CRect(left + 10, 0, left + 20, 0);
    if (region.Height() < 11) {
        box.top = region.top;
        box.bottom = region.bottom;
    } else {
        const int middle = (region.top + region.bottom) / 2;
        box.top = middle - 5;
        box.bottom = middle + 5;
    }
    return box;
}

bool CLegendPainter::DrawLegend(CDC* dc, CNorvakChart* chart) const
{
    if (!dc || !chart)
        return false;
    CClipGuard clip(*dc);
    dc->IntersectClipRect(chart->rcLegend);
    FillRectWithStyle(CChartShapePainter(m_tables.FillTables()), dc, chart->rcLegend, chart->legendStyle,
                      chart->bLegendHighlight);
    DrawEntries(dc, CLegendCall{chart->rcLegend, chart->nType, chart->nSubType, &chart->legendItems, &chart->items,
                                false});
    return true;
}

bool CLegendPainter::DrawPreviewLegend(CDC* dc, RECT legend, int chartType, int chartSubType,
                                       const CLegendBoxOptions& options, CChartTextItemArray* items,
                                       const CChartItemTable* table) const
{
    if (!dc || !items || !table)
        return false;
    CClipGuard clip(*dc);
    dc->IntersectClipRect(legend);
    FillRectWithStyle(CChartShapePainter(m_tables.FillTables()), dc, legend, PreviewBoxStyle(options), 0);
    DrawEntries(dc, CLegendCall{legend, chartType, chartSubType, items, table, true});
    return true;
}

void CLegendPainter::DrawEntries(CDC* dc, const CLegendCall& call) const
{
    const int count = EntryCount(call.chartType, *call.table);
    const CLegendSlots slots = LayOutSlots(call.legend, count);
    CChartTextItemArray& entries = *call.entries;
    // Entries not drawn this time keep no rectangles from an earlier drawing.
    for (size_t i = slots.rows.size(); i < entries.size(); ++i)
        ForgetEntry(entries[i]);
    for (size_t i = 0; i < slots.rows.size() && i < entries.size(); ++i) {
        const CRect& row = slots.rows[i];
        const CRect region(call.legend.left + 5, row.top, call.legend.left + 5 + slots.baseHeight, row.bottom);
        DrawEntry(dc, call, entries[i], region, slots.baseHeight, SeriesPoint(call.chartType, *call.table, int(i)));
    }
}

void CLegendPainter::DrawEntry(CDC* dc, const CLegendCall& call, CChartTextItem& entry, const CRect& region,
                               int baseHeight, const CChartItem* point) const
{
    entry.rcFlag = call.preview ? CalcPreviewFlagRect(region, entry, call.legend)
                                : CalcFlagRect(region, entry, call.legend);
    const bool lineWithoutMarker = call.chartType == kChartLine && (call.chartSubType < 0 || call.chartSubType > 6);
    if (!lineWithoutMarker) {
        const CChartPointStyle style = point ? PointStyleOf(*point) : CChartPointStyle{};
        CMarkerSymbols().DrawMarker(dc, entry.rcFlag, MarkerKeyOf(entry), point ? &style : nullptr, m_tables);
    }
    // The caption runs beside the marker box grown to the slot's height, up to 5 pixels short of
    // the legend's right edge.
    CRect grown = entry.rcFlag;
    const int grow = (baseHeight - grown.Height()) / 2;
    grown.InflateRect(0, grow);
    if (entry.bStrikeLine)
        grown.right += 15;
    LOGFONTA logFont = CaptionFont(entry, grown.Height());
    CFont font;
    font.CreateFontIndirect(&logFont);
    CSelectObject selectFont(*dc, font.GetSafeHandle());
    CSize text = dc->GetTextExtent(entry.strCaption);
    const int left = grown.right + 5, room = call.legend.right - 5;
    const int right = std::min(left + int(text.cx), room);
    CFont narrowed;
    std::optional<CSelectObject> selectNarrowed;
    if (entry.bFitText && left + text.cx > room && !entry.strCaption.IsEmpty()) {
        logFont.lfWidth = (right - left) / entry.strCaption.GetLength();
        narrowed.CreateFontIndirect(&logFont);
        selectNarrowed.emplace(*dc, narrowed.GetSafeHandle());
        text = dc->GetTextExtent(entry.strCaption);
    }
    entry.rcCaption = CRect(left, grown.top, right, grown.bottom);
    entry.rcFull = CRect(entry.rcFlag.left, grown.top, right, grown.bottom);
    CSaveDC saved(*dc); // colours, background and alignment
    dc->SetTextColor(entry.crText);
    if (entry.bTransparent) {
        dc->SetBkMode(TRANSPARENT);
    } else {
        dc->SetBkMode(OPAQUE);
        dc->SetBkColor(entry.crBack);
    }
    if (call.preview) {
        CRect box = entry.rcCaption;
        dc->DrawText(entry.strCaption, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    } else {
        dc->SetTextAlign(TA_LEFT | TA_TOP);
        dc->TextOut(left, grown.top + (grown.Height() - text.cy) / 2, entry.strCaption);
    }
}
