#include "chartdraw/WholeChartPainter.h"

#include "chart/model/ChartMath.h"
#include "chartdraw/ChartFramePainter.h"
#include "chartdraw/ChartPainter.h"
#include "chartdraw/ChartStyleFills.h"
#include "chartdraw/LegendPainter.h"
#include "drawing/CTextPainter.h"

#include <algorithm>
#include <utility>

namespace {

// Text drawer layouts of the titles: one centred line, and word-wrapped for an upright title.
constexpr int kTitleLayout = 8213;
constexpr int kUprightTitleLayout = 37;

// The rectangle with left not beyond right and top not below bottom.
CRect Normalized(CRect rect)
{
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    return rect;
}

bool IsDegenerate(const RECT& rect)
{
    return (long long)rect.right - rect.left < 1 || (long long)rect.bottom - rect.top < 1;
}

// The plot area stays at least 5 pixels inside the chart at top and bottom.
void KeepPlotInsideChart(CNorvakChart& chart)
{
    CRect& plot = chart.rcPlot;
    plot = Normalized(plot);
    plot.top = std::max<LONG>(plot.top, AddSaturated(chart.rcChart.top, 5));
    plot.bottom = std::min<LONG>(plot.bottom, AddSaturated(chart.rcChart.bottom, -5));
}

// The X-axis title steps 5 pixels away from an edge of the chart it comes within 5 pixels of.
void KeepXAxisTitleOffEdges(CNorvakChart& chart)
{
    CRect& rect = chart.xAxisTitle.rc;
    auto shift = [&rect](int dy) {
        rect.top = AddSaturated(rect.top, dy);
        rect.bottom = AddSaturated(rect.bottom, dy);
    };
    if ((long long)rect.top - chart.rcChart.top < 5)
        shift(5);
    if ((long long)chart.rcChart.bottom - rect.bottom < 5)
        shift(-5);
}

void DrawTitle(CDC* dc, const CChartTitleBlock& title, int layout)
{
    CFont font;
    font.CreateFontIndirect(&title.font);
    CSelectObject selectFont(*dc, font);
    {
        // The frame: a black outline around the title's own background.
        CBrush back;
        if (!title.bTransparent)
            back.CreateSolidBrush(title.crBack);
        CSelectObject pen(*dc, ::GetStockObject(BLACK_PEN));
        CSelectObject brush(*dc, title.bTransparent ? ::GetStockObject(HOLLOW_BRUSH) : HGDIOBJ(back));
        dc->Rectangle(title.rc);
    }
    const int oldMode = dc->SetBkMode(title.bTransparent ? TRANSPARENT : OPAQUE);
    const COLORREF oldBack = dc->SetBkColor(title.crBack);
    CTextPainter().DrawAlignedText(dc, title.rc, title.strText, layout, &title.font, 1, 0, title.crText);
    dc->SetBkColor(oldBack);
    dc->SetBkMode(oldMode);
}

// 4 x 4 squares on the corners of a selected legend entry: centred on them in black for the whole
// entry and the marker box, inside them in blue for the caption.
void DrawLegendMarks(CDC* dc, const CNorvakChart& chart)
{
    for (const CChartTextItem& entry : chart.legendItems) {
        const CRect* rect = entry.chSelPart == 'a'   ? &entry.rcFull
                            : entry.chSelPart == 'f' ? &entry.rcFlag
                            : entry.chSelPart == 't' ? &entry.rcCaption
                                                     : nullptr;
        if (!rect || rect->IsRectEmpty())
            continue;
        const RECT& r = *rect;
        if (entry.chSelPart == 't') {
            for (const CRect& mark : {CRect(r.left, r.top, r.left + 4, r.top + 4),
                                      CRect(r.right - 4, r.top, r.right, r.top + 4),
                                      CRect(r.left, r.bottom - 4, r.left + 4, r.bottom),
                                      CRect(r.right - 4, r.bottom - 4, r.right, r.bottom)})
                dc->FillSolidRect(mark, 0xFF0000);
        } else {
            for (const POINT& corner : {POINT{r.left, r.top}, POINT{r.right, r.top}, POINT{r.left, r.bottom},
                                        POINT{r.right, r.bottom}})
                dc->FillSolidRect(CRect(corner.x - 2, corner.y - 2, corner.x + 2, corner.y + 2), 0);
        }
    }
}

} // namespace

bool CWholeChartPainter::IsDrawable(const CNorvakChart& chart)
{
    return chart.bVisible && !IsDegenerate(chart.rcVisible);
}

void CWholeChartPainter::Draw(CDC* dc, CNorvakChart& chart, const std::function<void(int part)>& after) const
{
    if (!dc || !IsDrawable(chart))
        return;
    auto over = [&after](int part) {
        if (after)
            after(part);
    };
    CClipGuard clip(*dc);
    dc->IntersectClipRect(chart.rcVisible);
    const CChartShapePainter shapes(m_tables.FillTables());
    FillRectWithStyle(shapes, dc, chart.rcChart, chart.chartStyle, chart.bChartHighlight);
    over(kChartWhole);
    for (int part : chart.PartDrawingOrder()) {
        switch (part) {
        case kChartPlot:
            KeepPlotInsideChart(chart);
            CChartPainter(m_tables.FillTables())
                .DrawChart(dc, &chart, chart.rcPlot.left, chart.rcPlot.top, chart.rcPlot.right, chart.rcPlot.bottom,
                           chart.nType, chart.nSubType, chart.dMinValue, chart.dMaxValue, &chart.rowTotals,
                           &chart.items, 0, chart.nDepthX, chart.nDepthY);
            break;
        case kChartLegend:
            CLegendPainter(m_tables).DrawLegend(dc, &chart);
            break;
        case kChartDataArea: {
            CSelectObject pen(*dc, ::GetStockObject(BLACK_PEN));
            CSelectObject brush(*dc, ::GetStockObject(HOLLOW_BRUSH));
            CChartFramePainter().DrawFrame(dc, chart.rcDataArea);
            break;
        }
        case kChartTitle:
            DrawTitle(dc, chart.chartTitle, kTitleLayout);
            break;
        case kChartXAxisTitle:
            KeepXAxisTitleOffEdges(chart);
            DrawTitle(dc, chart.xAxisTitle, kTitleLayout);
            break;
        case kChartYAxisTitle:
            DrawTitle(dc, chart.yAxisTitle, chart.yAxisTitle.font.lfEscapement > 0 ? kUprightTitleLayout : kTitleLayout);
            break;
        default:
            break;
        }
        over(part);
    }
    DrawLegendMarks(dc, chart);
}

void DrawChartWithModuleTables(CDC& dc, CNorvakChart& chart)
{
    static const CDefaultTables tables = [] {
        CDefaultTables built;
        built.BuildDefaultTables();
        return built;
    }();
    CWholeChartPainter(tables).Draw(&dc, chart);
}
