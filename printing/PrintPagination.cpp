#include "printing/PrintPagination.h"

#include "sheet/model/NorvakPage.h"

CPrintSelection CPrintSelection::FromRange(const CCellRect& range)
{
    CPrintSelection selection{range.minRow, range.minCol, range.maxRow, range.maxCol, false};
    selection.valid = range.maxRow >= range.minRow && range.maxCol >= range.minCol && range.minRow >= 0 &&
                      range.minCol >= 0;
    return selection;
}

CPrintFilter::CPrintFilter(const CNorvakPage& page, const CPrintSelection& selection)
    : m_mode(page.m_nOutputMode), m_selectionValid(selection.valid)
{
    auto fill = [&](Axis& axis, int fixed, int count, int printFixed, int first, int last,
                    const std::vector<WORD>& custom) {
        axis.fixed = fixed;
        axis.printFixed = printFixed != 0;
        axis.first = first;
        axis.last = last;
        if (m_mode != Custom)
            return;
        axis.custom.assign(size_t(count > 0 ? count : 0), false);
        for (WORD entry : custom)
            if (fixed + entry < count)
                axis.custom[size_t(fixed + entry)] = true;
    };
    fill(m_rows, page.m_nFixedRows, page.m_nRows, page.m_bPrintColHeader, selection.firstRow, selection.lastRow,
         page.m_customRows);
    fill(m_cols, page.m_nFixedCols, page.m_nCols, page.m_bPrintRowHeader, selection.firstCol, selection.lastCol,
         page.m_customColumns);
}

bool CPrintFilter::Includes(const Axis& axis, int index) const
{
    if (index < axis.fixed)
        return axis.printFixed;
    const bool inSelection = index >= axis.first && index <= axis.last;
    switch (m_mode) {
    case Selection:
        return m_selectionValid && inSelection;
    case Arbitrary:
        return !m_selectionValid || inSelection;
    case Custom:
        return size_t(index) < axis.custom.size() && axis.custom[size_t(index)];
    default:
        return true;
    }
}

bool CPrintFilter::IncludesRow(int row) const
{
    return Includes(m_rows, row);
}

bool CPrintFilter::IncludesColumn(int col) const
{
    return Includes(m_cols, col);
}

std::vector<CPrintBand> PaginateAxis(const std::vector<int>& sizes, int limit, bool cutAtLimit)
{
    std::vector<CPrintBand> bands;
    const int count = int(sizes.size());
    int acc = 0;
    int start = 0;
    for (int i = 0; i < count; ++i) {
        const int size = sizes[size_t(i)];
        const bool oversized = cutAtLimit ? size >= limit : size > limit;
        if (oversized) {
            if (acc > 0)
                bands.push_back({start, i - 1, acc});
            bands.push_back({i, i, limit});
            acc = 0;
            start = i + 1;
            continue;
        }
        acc += size;
        if (acc == limit) {
            bands.push_back({start, i, limit});
            acc = 0;
            start = i + 1;
            continue;
        }
        if (acc > limit) {
            bands.push_back({start, i - 1, acc - size});
            start = i;
            acc = size;
        }
        if (acc > 0 && i == count - 1)
            bands.push_back({start, i, acc});
    }
    return bands;
}

CPrintPagination CPrintPagination::Of(const CNorvakPage& page, const CPrintFilter& filter, int printableWidth,
                                      int printableHeight)
{
    CPrintPagination result;
    std::vector<int> sizes(size_t(page.m_nCols));
    for (int col = 0; col < page.m_nCols; ++col)
        sizes[size_t(col)] = filter.IncludesColumn(col) ? page.GetColumnWidth(col) + 2 : 0;
    result.m_colBands = PaginateAxis(sizes, printableWidth, true);
    sizes.assign(size_t(page.m_nRows), 0);
    for (int row = 0; row < page.m_nRows; ++row)
        sizes[size_t(row)] = filter.IncludesRow(row) ? page.GetRowHeight(row) + 1 : 0;
    result.m_rowBands = PaginateAxis(sizes, printableHeight, false);
    if (result.m_colBands.empty() || result.m_rowBands.empty()) {
        result.m_colBands.clear();
        result.m_rowBands.clear();
        return result;
    }
    result.m_pageExtents.reserve(result.m_rowBands.size() * result.m_colBands.size());
    for (const CPrintBand& rows : result.m_rowBands)
        for (const CPrintBand& cols : result.m_colBands)
            result.m_pageExtents.push_back(SIZE{cols.extent, rows.extent});
    return result;
}
