#include "chart/model/NorvakChart.h"

#include "drawing/CChartShapePainter.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

CChartFillStyle Style(int fillKind, int gradientStyle, int gradientVariant, int reserved, COLORREF colour1,
                      COLORREF colour3, int lineStyle, COLORREF lineColour)
{
    CChartFillStyle s;
    s.nFillKind = fillKind;
    s.nGradientStyle = gradientStyle;
    s.nGradientVariant = gradientVariant;
    s.nStyleReserved = reserved;
    s.nTexture = -1;
    s.nPattern = -1;
    s.crColour1 = colour1;
    s.crColour2 = 0xFFFFFF;
    s.crColour3 = colour3;
    s.nLineStyle = lineStyle;
    s.nLineWidth = 1;
    s.crLineColour = lineColour;
    return s;
}

void SetDefaultTitle(CChartTitleBlock& title, const char* text, int escapement)
{
    title.strText = text;
    title.crText = 0;
    title.crBack = 0xFFFFFF;
    title.bTransparent = 1;
    title.font = LOGFONTA{};
    title.font.lfEscapement = escapement;
    std::strcpy(title.font.lfFaceName, "system");
}

} // namespace

CNorvakChart::CNorvakChart() = default;

CNorvakChart::CNorvakChart(int type, int subType, double minValue, double maxValue)
    : bCreated(1), bVisible(1), nSelPart(-1), nType(type), nSubType(subType), dMinValue(minValue),
      dMaxValue(maxValue), partOrder(DefaultPartOrder()), bClearOfLockedCols(1), bClearOfLockedRows(1)
{
    const CSize depth = DefaultDepthOffsets(type, subType);
    nDepthX = depth.cx;
    nDepthY = depth.cy;
    ApplyInsertionStyles();
    SetDefaultTitle(chartTitle, "图表标题!", 0);
    SetDefaultTitle(xAxisTitle, "X轴标题!", 0);
    SetDefaultTitle(yAxisTitle, "Y轴标题!", nDepthX > 0 || nDepthY > 0 ? 900 : 0);
    const int shown[7] = {0, 0, 1, 1, 0, 1, 1};
    std::copy(std::begin(shown), std::end(shown), faceShown);
    ApplyInsertionFaceShown();
}

CSize CNorvakChart::DefaultDepthOffsets(int type, int subType)
{
    switch (type) {
    case kChartColumn:
        if (subType >= 3 && subType <= 5)
            return CSize(10, 20);
        return subType == 6 ? CSize(80, 40) : CSize();
    case kChartBar:
        return subType >= 3 && subType <= 5 ? CSize(20, 10) : CSize();
    case kChartLine:
        return subType == 6 ? CSize(20, 10) : CSize();
    case kChartCylinder:
        return subType >= 0 && subType <= 5 ? CSize(20, 10) : CSize();
    default:
        return CSize();
    }
}

CChartPartOptionArray CNorvakChart::DefaultPartOrder()
{
    CChartPartOptionArray order;
    for (BYTE kind = 1; kind <= 6; ++kind)
        order.push_back(CChartPartOption{kind, kind, 1});
    return order;
}

void CNorvakChart::ApplyInsertionStyles()
{
    chartStyle = Style(1, 0, 0, 0, 0xFFFFFF, 0xFFFFFF, 1, 0);
    plotStyle = Style(0, 0, -1, -1, 0xFF00FF, 0xFFFFFF, 1, 0);
    floorStyle = Style(1, 0, -1, -1, 0x0000FF, 0xFFFFFF, 3, 0xFF0000);
    for (CChartFillStyle& wall : wallStyles)
        wall = Style(1, 0, -1, -1, 0x00FFFF, 0xFFFFFF, 1, 0);
    legendStyle = Style(1, 0, 0, 0, 0xFFFFFF, 0, 1, 0);
}

void CNorvakChart::ApplyInsertionFaceShown()
{
    if (nType == kChartColumn || (nType == kChartLine && nSubType == 6))
        faceShown[0] = faceShown[1] = 1;
}

CRect* CNorvakChart::PartRect(int part)
{
    return const_cast<CRect*>(static_cast<const CNorvakChart*>(this)->PartRect(part));
}

const CRect* CNorvakChart::PartRect(int part) const
{
    switch (part) {
    case kChartWhole:
        return &rcChart;
    case kChartPlot:
        return &rcPlot;
    case kChartLegend:
        return &rcLegend;
    case kChartDataArea:
        return &rcDataArea;
    case kChartTitle:
        return &chartTitle.rc;
    case kChartXAxisTitle:
        return &xAxisTitle.rc;
    case kChartYAxisTitle:
        return &yAxisTitle.rc;
    default:
        return nullptr;
    }
}

bool CNorvakChart::IsPartShown(int kind) const
{
    return CChartShapePainter::GetPartOption(this, kind) != 0;
}

int CNorvakChart::ShownPieRow() const
{
    if (nPieSeries < 0 || items.empty())
        return -1;
    return size_t(nPieSeries) < items.size() ? nPieSeries : int(items.size()) - 1;
}

std::vector<int> CNorvakChart::PartDrawingOrder() const
{
    bool listed[7] = {};
    std::vector<int> shownTopDown;
    for (const CChartPartOption& entry : partOrder) {
        const int kind = entry.chPart;
        if (kind < kChartPlot || kind > kChartYAxisTitle || listed[kind])
            continue;
        listed[kind] = true;
        if (entry.nShown)
            shownTopDown.push_back(kind);
    }
    std::vector<int> order;
    for (int kind = kChartPlot; kind <= kChartYAxisTitle; ++kind)
        if (!listed[kind])
            order.push_back(kind);
    order.insert(order.end(), shownTopDown.rbegin(), shownTopDown.rend());
    return order;
}
