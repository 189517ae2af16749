#include "chart/model/ChartValueRange.h"

#include "chart/model/ChartMath.h"

#include <algorithm>

namespace {

// The seeds of the minimum and the maximum before any point is seen.
constexpr double kFar = 100000000376832.0;

// Whether some group had no negative value and some group no positive one.
struct SignFlags
{
    bool someNonNegative = false;
    bool someNonPositive = false;

    void Add(bool hasNegative, bool hasPositive)
    {
        someNonNegative |= !hasNegative;
        someNonPositive |= !hasPositive;
    }
    void Apply(CChartPageSettings& settings) const
    {
        if (someNonNegative && someNonPositive)
            settings.bMixedSign = 1;
    }
};

bool StackedLine(int type, int subType)
{
    return type == kChartLine && (subType == 1 || subType == 2 || subType == 4 || subType == 5);
}

// The points of each stacked group: a row, or for the stacked lines a category of every row.
std::vector<std::vector<double>> StackedGroups(const CChartPageSettings& settings)
{
    std::vector<std::vector<double>> groups;
    if (StackedLine(settings.chChartType, settings.chChartSubType)) {
        groups.resize(settings.items.front().size());
        for (const CChartItemArray& row : settings.items)
            for (size_t k = 0; k < row.size() && k < groups.size(); ++k)
                groups[k].push_back(FiniteOrZero(row[k].dValue));
    } else {
        for (const CChartItemArray& row : settings.items) {
            groups.emplace_back();
            for (const CChartItem& point : row)
                groups.back().push_back(FiniteOrZero(point.dValue));
        }
    }
    return groups;
}

} // namespace

CChartRowTotals CalcRowTotals(const std::vector<double>& values)
{
    CChartRowTotals totals;
    for (double v : values) {
        (v < 0 ? totals.dNegativeSum : totals.dPositiveSum) += v;
        totals.dAbsSum += v < 0 ? -v : v;
    }
    totals.dNegativeSum = ClampToFinite(totals.dNegativeSum);
    totals.dPositiveSum = ClampToFinite(totals.dPositiveSum);
    totals.dAbsSum = ClampToFinite(totals.dAbsSum);
    totals.chSign = !(totals.dPositiveSum > 0) ? -1 : totals.dNegativeSum < 0 ? 0 : 1;
    return totals;
}

CChartRangeKind RangeOfNewChart(int type, int subType)
{
    if (subType < 0 || subType > LastChartSubType(type))
        return type == kChartPie && subType >= 0 ? CChartRangeKind::Clustered : CChartRangeKind::None;
    const bool clustered =
        subType == 0 || subType == 3 || (subType == 6 && type != kChartBar) || type == kChartPie;
    return clustered ? CChartRangeKind::Clustered : CChartRangeKind::Stacked;
}

void CalcChartValueRange(CChartPageSettings& settings)
{
    double minimum = kFar, maximum = -kFar;
    SignFlags flags;
    for (const CChartItemArray& row : settings.items) {
        bool negative = false, positive = false;
        for (const CChartItem& point : row) {
            const double v = FiniteOrZero(point.dValue);
            if (v >= maximum)
                maximum = v;
            if (v <= minimum)
                minimum = v;
            negative |= v < 0;
            positive |= v > 0;
        }
        flags.Add(negative, positive);
    }
    flags.Apply(settings);
    if (maximum == -kFar && minimum == kFar)
        minimum = maximum = 0;
    settings.dClusteredMin = minimum;
    settings.dClusteredMax = maximum;
}

void CalcStackedValueRange(CChartPageSettings& settings, const CChartCellSource& source)
{
    if (settings.chChartType == kChartPie)
        RebuildChartSeries(settings, source);
    settings.rowTotals.clear();
    if (settings.items.empty())
        return;
    const std::vector<std::vector<double>> groups = StackedGroups(settings);
    double minimum = kFar, maximum = -kFar;
    SignFlags flags;
    settings.rowTotals.reserve(groups.size());
    for (const std::vector<double>& group : groups) {
        const CChartRowTotals totals = CalcRowTotals(group);
        settings.rowTotals.push_back(totals);
        flags.Add(totals.dNegativeSum<0, totals.dPositiveSum> 0);
        minimum = std::min(minimum, totals.dNegativeSum);
        maximum = std::max(maximum, totals.dPositiveSum);
    }
    flags.Apply(settings);
    if (groups.empty())
        minimum = maximum = 0;
    settings.dStackedMin = minimum;
    settings.dStackedMax = maximum;
}

void UpdateChartValueRange(CChartPageSettings& settings, const CChartCellSource& source)
{
    const int type = settings.chChartType, subType = settings.chChartSubType;
    const bool stacked = subType == 1 || subType == 2 || subType == 4 || subType == 5;
    switch (type) {
    case kChartColumn:
    case kChartLine:
    case kChartBar:
    case kChartCylinder:
        if (subType == 0 || subType == 3 || (subType == 6 && (type == kChartColumn || type == kChartLine)))
            CalcChartValueRange(settings);
        else if (stacked)
            CalcStackedValueRange(settings, source);
        break;
    case kChartPie:
        // The stacked range rebuilds the series and gives the row totals every slice is a share
        // of; a new pie takes the clustered range, which must follow the rebuilt table.
        if (subType <= 7) {
            CalcStackedValueRange(settings, source);
            CalcChartValueRange(settings);
        }
        break;
    default:
        break;
    }
}

void GetChartValueRange(const CChartPageSettings& settings, double& minValue, double& maxValue)
{
    minValue = maxValue = 0;
    switch (RangeOfNewChart(settings.chChartType, settings.chChartSubType)) {
    case CChartRangeKind::Clustered:
        minValue = settings.dClusteredMin;
        maxValue = settings.dClusteredMax;
        break;
    case CChartRangeKind::Stacked:
        minValue = settings.dStackedMin;
        maxValue = settings.dStackedMax;
        break;
    case CChartRangeKind::None:
        break;
    }
}
