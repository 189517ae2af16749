#pragma once

// Charts for the workbook tests. Every member of the chart records is listed once here, in the
// order the model declares it, independently of the file's own order; the same list fills each
// member with a value no other member holds and describes a record member by member, so that a
// member the file leaves out shows as a difference after a save and a load.

#include "chart/model/ChartPageSettings.h"
#include "chart/model/PageCharts.h"

#include <cstdio>
#include <cstring>
#include <ios>
#include <sstream>
#include <string>

template <class V, class Item> void VisitChartItem(V& v, Item& p)
{
    v(p.dValue), v(p.strCellText), v(p.faceFillKind), v(p.faceColour);
    for (auto& pair : p.faceGradient)
        v(pair);
    v(p.faceTexture), v(p.facePattern), v(p.facePatternFore), v(p.facePatternBack), v(p.placement);
    v(p.faceGradientStyle), v(p.faceGradientVariant);
    for (auto& outline : p.faceOutline)
        v(outline);
    v(p.chSelPart);
    for (auto& face : p.hitFaces)
        v(face.points), v(face.chLetter);
    v(p.nLineWidth), v(p.nLineStyle), v(p.auxPoints), v(p.nExplodeA), v(p.nDepthA), v(p.nDepthB);
    v(p.nExplodeB), v(p.rcHole), v(p.rcPie), v(p.rcTopOuter), v(p.rcTopInner), v(p.fScale);
    v(p.fHoleHeightRatio), v(p.fHoleWidthRatio), v(p.nLabelAngle), v(p.nChartType), v(p.nChartSubType);
    v(p.bHighlight), v(p.labelFont), v(p.labelStyle.bLabelTransparent), v(p.labelStyle.crLabelText);
    v(p.labelStyle.crLabelBack), v(p.labelCorners), v(p.bLabelSelected), v(p.bLabelFixedAngle);
    v(p.nLeaderLength), v(p.bLeaderLine), v(p.bLabelDropByDepth), v(p.nPieDepth);
}

template <class V, class Item> void VisitLegendItem(V& v, Item& t)
{
    v(t.rcFlag), v(t.rcCaption), v(t.rcFull), v(t.font), v(t.strExtra), v(t.bFitText), v(t.crText);
    v(t.crBack), v(t.bTransparent), v(t.strCaption), v(t.nMarkerStyle), v(t.nMarkerLineStyle);
    v(t.nMarkerLineWidth), v(t.crMarkerLine);
    auto& m = t.markerFill;
    v(m.nFillKind), v(m.crColour), v(m.crGradient), v(m.nGradientStyle), v(m.nGradientVariant);
    v(m.nTexture), v(m.nPattern), v(m.crPatternFore), v(m.crPatternBack);
    v(t.bStrikeLine), v(t.bOuterCircle), v(t.nMarkerSetting), v(t.nChartType), v(t.chSelPart);
}

template <class V, class Label> void VisitTextLabel(V& v, Label& l)
{
    v(l.bSelected), v(l.bFitFont), v(l.bTransparent), v(l.crText), v(l.crBack), v(l.chState);
    v(l.chTickStyle), v(l.chDepthStyle), v(l.chTickWidth), v(l.chDepthWidth), v(l.crOutline), v(l.crDepth);
    v(l.bFullGrid), v(l.bGridWhenNegative), v(l.ptWallBack), v(l.ptTickEnd), v(l.strText), v(l.ptAnchor);
    v(l.font), v(l.chShift), v(l.textCorners);
}

template <class V, class Style> void VisitFillStyle(V& v, Style& s)
{
    v(s.nFillKind), v(s.nGradientStyle), v(s.nGradientVariant), v(s.nStyleReserved), v(s.nTexture);
    v(s.nPattern), v(s.crColour1), v(s.crColour2), v(s.crColour3), v(s.nLineStyle), v(s.nLineWidth);
    v(s.crLineColour);
}

template <class V, class Title> void VisitTitle(V& v, Title& t)
{
    v(t.rc), v(t.strText), v(t.crText), v(t.crBack), v(t.bTransparent), v(t.font), v(t.strExtra);
}

// The chart's own members; its lists are filled and described on their own.
template <class V, class Chart> void VisitChartFields(V& v, Chart& c)
{
    v(c.bCreated), v(c.bVisible), v(c.bSelected), v(c.nSelPart), v(c.bNewest), v(c.nType), v(c.nSubType);
    v(c.dMinValue), v(c.dMaxValue), v(c.nDepthX), v(c.nDepthY);
    v(c.rcChart), v(c.bChartHighlight), VisitFillStyle(v, c.chartStyle);
    v(c.rcPlot), v(c.bPlotHighlight), VisitFillStyle(v, c.plotStyle);
    v(c.rcFloor), v(c.bFloorHighlight), VisitFillStyle(v, c.floorStyle);
    for (auto& wall : c.wallStyles)
        VisitFillStyle(v, wall);
    v(c.rcLegend), v(c.bLegendHighlight), VisitFillStyle(v, c.legendStyle), v(c.rcDataArea);
    VisitTitle(v, c.chartTitle), VisitTitle(v, c.xAxisTitle), VisitTitle(v, c.yAxisTitle);
    v(c.bClearOfLockedCols), v(c.bClearOfLockedRows), v(c.rcVisible), v(c.wallPoints), v(c.faceShown);
    v(c.nPieSeries), v(c.bShowTextLabels);
    for (auto& e : c.rangeEntries)
        v(e.dValue1), v(e.dValue2), v(e.chFlag1), v(e.chFlag2), v(e.nValue);
}

// Gives every member it is shown a value of its own.
struct ChartFiller
{
    int n;

    int Next() { return n += 7; }
    template <class T>
    requires std::is_integral_v<T>
    void operator()(T& x) { x = T(Next()); }
    void operator()(double& x) { x = Next() + 0.25; }
    void operator()(float& x) { x = float(Next()) + 0.5f; }
    void operator()(CString& s) { s = CString("文") + std::to_string(Next()).c_str(); }
    void operator()(RECT& r) { r = {Next(), Next(), Next(), Next()}; }
    void operator()(POINT& p) { p = {Next(), Next()}; }
    void operator()(std::vector<POINT>& list) { list.assign(size_t(Next() % 3 + 1), POINT{Next(), -Next()}); }
    void operator()(LOGFONTA& f)
    {
        f.lfHeight = -Next(), f.lfWidth = Next(), f.lfEscapement = Next(), f.lfOrientation = Next();
        f.lfWeight = Next();
        for (BYTE* b : {&f.lfItalic, &f.lfUnderline, &f.lfStrikeOut, &f.lfCharSet, &f.lfOutPrecision,
                        &f.lfClipPrecision, &f.lfQuality, &f.lfPitchAndFamily})
            *b = BYTE(Next());
        std::snprintf(f.lfFaceName, LF_FACESIZE, "楷%d", Next());
    }
    template <class T, size_t N> void operator()(T (&array)[N])
    {
        for (T& x : array)
            (*this)(x);
    }
};

struct ChartDescriber
{
    std::ostringstream out;

    template <class T>
    requires std::is_integral_v<T>
    void operator()(const T& x) { out << int64_t(x) << ' '; }
    void operator()(const double& x) { out << std::hexfloat << x << std::defaultfloat << ' '; }
    void operator()(const float& x) { out << std::hexfloat << x << std::defaultfloat << ' '; }
    void operator()(const CString& s) { out << '"' << s.str() << "\" "; }
    void operator()(const RECT& r)
    {
        out << '[' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << "] ";
    }
    void operator()(const POINT& p) { out << '(' << p.x << ',' << p.y << ") "; }
    void operator()(const std::vector<POINT>& list)
    {
        out << list.size() << ':';
        for (const POINT& p : list)
            (*this)(p);
    }
    void operator()(const LOGFONTA& f)
    {
        out << '{' << f.lfHeight << ',' << f.lfWidth << ',' << f.lfEscapement << ',' << f.lfOrientation << ','
            << f.lfWeight;
        for (BYTE b : {f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision,
                       f.lfClipPrecision, f.lfQuality, f.lfPitchAndFamily})
            out << ',' << int(b);
        out << ',' << f.lfFaceName << "} ";
    }
    template <class T, size_t N> void operator()(const T (&array)[N])
    {
        for (const T& x : array)
            (*this)(x);
    }
};

inline std::string DescribeChartItem(const CChartItem& item)
{
    ChartDescriber d;
    VisitChartItem(d, item);
    return d.out.str();
}

inline std::string DescribeLegendItem(const CChartTextItem& item)
{
    ChartDescriber d;
    VisitLegendItem(d, item);
    return d.out.str();
}

inline std::string DescribeTextLabel(const CChartTextLabel& label)
{
    ChartDescriber d;
    VisitTextLabel(d, label);
    return d.out.str();
}

inline std::string DescribeTable(const CChartItemTable& table)
{
    std::string text = std::to_string(table.size()) + " rows\n";
    for (const CChartItemArray& row : table) {
        text += "row of " + std::to_string(row.size()) + "\n";
        for (const CChartItem& item : row)
            text += DescribeChartItem(item) + "\n";
    }
    return text;
}

inline std::string DescribeRowTotals(const CChartRowTotalsArray& totals)
{
    ChartDescriber d;
    for (const CChartRowTotals& t : totals)
        d(t.dNegativeSum), d(t.dPositiveSum), d(t.dAbsSum), d(t.chSign);
    return d.out.str();
}

inline std::string DescribeLegendItems(const CChartTextItemArray& items)
{
    std::string text = std::to_string(items.size()) + " legend items\n";
    for (const CChartTextItem& item : items)
        text += DescribeLegendItem(item) + "\n";
    return text;
}

inline std::string DescribeChart(const CNorvakChart& chart)
{
    ChartDescriber d;
    VisitChartFields(d, chart);
    d.out << "\nparts ";
    for (const CChartPartOption& o : chart.partOrder)
        d(o.chPart), d(o.chLevel), d(o.nShown);
    d.out << "\nlabels\n";
    for (const CChartTextLabel& label : chart.textLabels)
        d.out << DescribeTextLabel(label) << '\n';
    return d.out.str() + DescribeTable(chart.items) + DescribeRowTotals(chart.rowTotals) +
           DescribeLegendItems(chart.legendItems);
}

// Everything a file carries of a page's charts: the data new charts are made from, then each chart.
inline std::string DescribePageCharts(const CNorvakPage& page)
{
    std::string text;
    if (page.m_chartSettings) {
        const CChartPageSettings& s = *page.m_chartSettings;
        text += "source\n" + DescribeLegendItems(s.legendItems) + DescribeTable(s.items) +
                DescribeRowTotals(s.rowTotals);
    }
    for (const auto& chart : page.m_charts)
        text += "chart\n" + DescribeChart(*chart);
    return text;
}

inline CChartItem FilledChartItem(ChartFiller& fill)
{
    CChartItem item;
    VisitChartItem(fill, item);
    return item;
}

inline CChartTextItem FilledLegendItem(ChartFiller& fill)
{
    CChartTextItem item;
    VisitLegendItem(fill, item);
    return item;
}

inline CChartTextLabel FilledTextLabel(ChartFiller& fill)
{
    CChartTextLabel label;
    VisitTextLabel(fill, label);
    return label;
}

inline CChartItemTable FilledTable(ChartFiller& fill, size_t rows, size_t cols)
{
    CChartItemTable table(rows);
    for (CChartItemArray& row : table)
        for (size_t col = 0; col < cols; ++col)
            row.push_back(FilledChartItem(fill));
    return table;
}

inline CChartRowTotalsArray FilledRowTotals(ChartFiller& fill, size_t count)
{
    CChartRowTotalsArray totals(count);
    for (CChartRowTotals& t : totals)
        fill(t.dNegativeSum), fill(t.dPositiveSum), fill(t.dAbsSum), fill(t.chSign);
    return totals;
}

// A chart as insertion makes it of the type, then every member of its own and of its records given
// a value of its own, with a data table of rows x cols points.
inline CNorvakChart FilledChart(ChartFiller& fill, int type, int subType, size_t rows, size_t cols)
{
    CNorvakChart chart(type, subType, -5, 40);
    VisitChartFields(fill, chart);
    chart.nType = type;
    chart.nSubType = subType;
    chart.items = FilledTable(fill, rows, cols);
    chart.rowTotals = FilledRowTotals(fill, rows);
    for (size_t i = 0; i < cols; ++i)
        chart.legendItems.push_back(FilledLegendItem(fill));
    // The second byte of a part entry is not a level here: it travels unchanged.
    chart.partOrder.push_back(CChartPartOption{3, 0xEE, 0});
    chart.textLabels.push_back(FilledTextLabel(fill));
    chart.textLabels.push_back(FilledTextLabel(fill));
    return chart;
}

// A page's chart data and three charts: a 3-D column chart, a ring chart with one row, and a line
// chart with no data at all.
inline void AddSampleCharts(CNorvakPage& page, int seed = 1)
{
    ChartFiller fill{seed};
    CChartPageSettings& settings = PendingChartSettings(page);
    settings.items = FilledTable(fill, 2, 3);
    settings.rowTotals = FilledRowTotals(fill, 2);
    settings.legendItems = {FilledLegendItem(fill), FilledLegendItem(fill)};
    page.m_charts.push_back(MakePageChart(FilledChart(fill, 0, 3, 2, 3)));
    page.m_charts.push_back(MakePageChart(FilledChart(fill, 3, 6, 1, 4)));
    page.m_charts.push_back(MakePageChart(CNorvakChart(2, 0, 0, 0)));
}
