#include "chart/model/SeriesBuilder.h"

#include "chart/model/ChartDataLimit.h"
#include "chart/model/ChartValueRange.h"
#include "sheet/model/CellSelection.h"
#include "sheet/model/PageRect.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace {

std::vector<int> Span(int first, int last)
{
    std::vector<int> indexes(size_t(LineCount(first, last)));
    std::iota(indexes.begin(), indexes.end(), first);
    return indexes;
}

// Whether a table of these sheet rows and columns holds no more than a chart may.
bool RangeFits(const CChartPageSettings& settings, size_t rows, size_t columns)
{
    const bool byColumns = settings.bGroupByColumns != 0;
    const bool line = settings.chChartType == kChartLine;
    const size_t series = byColumns ? columns : rows;
    const size_t categories = byColumns ? rows : columns;
    const size_t tableRows = line ? series : categories;
    return tableRows == 0 || ChartDataFits(tableRows, line ? categories : series);
}

size_t SpanLength(int first, int last)
{
    return size_t(std::max<int64_t>(0, LineCount(first, last)));
}

// Fills the table from the sheet rows and columns given, in their order; false, with the table
// left empty, when it would hold more than a chart may.
bool FillSeries(CChartPageSettings& settings, const CChartCellSource& source, const std::vector<int>& rows,
                const std::vector<int>& columns)
{
    settings.items.clear();
    settings.legendItems.clear();
    const bool byColumns = settings.bGroupByColumns != 0;
    const bool line = settings.chChartType == kChartLine;
    const std::vector<int>& series = byColumns ? columns : rows;
    const std::vector<int>& categories = byColumns ? rows : columns;
    if (!RangeFits(settings, rows.size(), columns.size()))
        return false;
    if ((line ? series : categories).empty())
        return true;
    const int type = settings.chChartType, subType = settings.chChartSubType;
    for (size_t s = 0; s < series.size(); ++s) {
        CString name;
        name.Format("系列%d", int(s) + 1);
        settings.legendItems.emplace_back(type, subType, name, source.SeriesColour(int(s)));
    }
    auto point = [&](size_t s, size_t c) {
        const int row = byColumns ? categories[c] : series[s];
        const int col = byColumns ? series[s] : categories[c];
        return CChartItem(source.CellText(row, col), source.SeriesColour(int(s)), type, subType);
    };
    settings.items.resize(line ? series.size() : categories.size());
    for (size_t r = 0; r < settings.items.size(); ++r) {
        CChartItemArray& tableRow = settings.items[r];
        const size_t count = line ? categories.size() : series.size();
        tableRow.reserve(count);
        for (size_t k = 0; k < count; ++k)
            tableRow.push_back(line ? point(r, k) : point(k, r));
    }
    return true;
}

} // namespace

CString CChartCellSource::CellText(int row, int col) const
{
    if (row < 0 || col < 0 || row >= page.m_nRows || col >= page.m_nCols)
        return CString();
    if (textOf)
        return textOf(row, col);
    const CNorvakCell* cell = cells.GetCell(row, col);
    return cell ? cell->GetText() : CString();
}

COLORREF CChartCellSource::SeriesColour(int series) const
{
    return colours.empty() ? 0 : colours[size_t(series) % colours.size()];
}

bool BuildChartSeries(CChartPageSettings& settings, const CChartCellSource& source, int mode,
                      const std::vector<int>* rows, const std::vector<int>* columns)
{
    settings.chDataSourceMode = BYTE(mode);
    settings.items.clear();
    settings.legendItems.clear();
    bool built = true;
    switch (mode) {
    case kChartSourcePage:
        built = BuildSeriesFromPage(settings, source);
        break;
    case kChartSourceSelection:
        built = BuildSeriesFromSelection(settings, source);
        break;
    case kChartSourceLists:
        if (rows && columns) {
            built = BuildSeriesFromIndexLists(settings, source, *rows, *columns);
            settings.customRows = *rows;
            settings.customColumns = *columns;
        }
        break;
    default:
        break;
    }
    settings.bDataRefused = !built;
    return built;
}

bool RebuildChartSeries(CChartPageSettings& settings, const CChartCellSource& source)
{
    // Copies: building stores the lists it was given.
    const std::vector<int> rows = settings.customRows, columns = settings.customColumns;
    return BuildChartSeries(settings, source, settings.chDataSourceMode, &rows, &columns);
}

bool BuildSeriesFromPage(CChartPageSettings& settings, const CChartCellSource& source)
{
    const CNorvakPage& page = source.page;
    // Refused before even the index lists are made.
    if (!RangeFits(settings, SpanLength(page.m_nFixedRows, page.m_nRows - 1),
                   SpanLength(page.m_nFixedCols, page.m_nCols - 1)))
        return false;
    return FillSeries(settings, source, Span(page.m_nFixedRows, page.m_nRows - 1),
                      Span(page.m_nFixedCols, page.m_nCols - 1));
}

bool BuildSeriesFromSelection(CChartPageSettings& settings, const CChartCellSource& source)
{
    const CCellRect range = SheetModel::ClampToPage(source.page, SheetModel::GetSelectedCellRange(source.page));
    if (range.IsEmpty()) {
        settings.items.clear();
        settings.legendItems.clear();
        return true;
    }
    if (!RangeFits(settings, SpanLength(range.minRow, range.maxRow), SpanLength(range.minCol, range.maxCol)))
        return false;
    return FillSeries(settings, source, Span(range.minRow, range.maxRow), Span(range.minCol, range.maxCol));
}

bool BuildSeriesFromIndexLists(CChartPageSettings& settings, const CChartCellSource& source,
                               const std::vector<int>& rows, const std::vector<int>& columns)
{
    return FillSeries(settings, source, rows, columns);
}

void SetChartType(CChartPageSettings& settings, const CChartCellSource& source, BYTE type, BYTE subType)
{
    settings.chChartType = type;
    settings.chChartSubType = subType;
    UpdateChartValueRange(settings, source);
}

void SetChartGroupByColumns(CChartPageSettings& settings, const CChartCellSource& source, bool byColumns)
{
    if ((settings.bGroupByColumns != 0) == byColumns)
        return;
    settings.bGroupByColumns = byColumns ? 1 : 0;
    RebuildChartSeries(settings, source);
    UpdateChartValueRange(settings, source);
}

void SetChartDataSource(CChartPageSettings& settings, int mode, int allColumns, int allRows,
                        const std::vector<int>& indexList)
{
    settings.chDataSourceMode = BYTE(mode);
    settings.dataPage.bAllColumns = allColumns;
    settings.dataPage.bAllRows = allRows;
    settings.dataPage.indexList = indexList;
}

void SetChartDisplayOption(CChartPageSettings& settings, int option, int value)
{
    if (option < 0 || option >= int(std::size(settings.displayOptions)))
        return;
    settings.displayOptions[option] = value;
    switch (option) {
    case kChartShowChartOption:
        settings.layoutShown[0] = value != 0;
        break;
    case kChartShowLegendOption:
        settings.layoutShown[1] = value != 0;
        break;
    case kChartShowDataOption:
        settings.layoutShown[2] = value != 0;
        break;
    default:
        break;
    }
}

void SetChartDisplayOptions(CChartPageSettings& settings, const int (&options)[8])
{
    for (int option = 0; option < 8; ++option)
        SetChartDisplayOption(settings, option, options[option]);
}
