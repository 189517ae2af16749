#include "dialogs/ChartDataRange.h"

#include <algorithm>

namespace ChartDataRange {

std::optional<std::vector<int>> CustomRows(int fixedRows, int rowCount, int first, int last)
{
    if (last < first)
        return std::nullopt;
    if (rowCount <= 0)
        return std::vector<int>();
    auto pageRow = [&](int row) {
        const long long at = row < 0 ? fixedRows : (long long)fixedRows + row;
        return int(std::min<long long>(at, rowCount - 1));
    };
    std::vector<int> rows;
    for (int row = pageRow(first), end = pageRow(last); row <= end; ++row)
        rows.push_back(row);
    return rows;
}

std::vector<int> CustomColumns(int fixedColumns, const std::vector<bool>& checked)
{
    std::vector<int> columns;
    for (size_t i = 0; i < checked.size(); ++i)
        if (checked[i])
            columns.push_back(fixedColumns + int(i));
    return columns;
}

} // namespace ChartDataRange
