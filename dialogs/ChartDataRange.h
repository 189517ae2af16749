#pragma once

// The rows and columns of the data page's custom range, without a window: rows first..last of the
// data (counted below the fixed rows, each clamped to the page's last row), and the data columns
// of the checked list items.

#include <optional>
#include <vector>

namespace ChartDataRange {

// None when last < first; otherwise the page rows from first to last.
std::optional<std::vector<int>> CustomRows(int fixedRows, int rowCount, int first, int last);
// fixedColumns + i for every checked item i, in list order.
std::vector<int> CustomColumns(int fixedColumns, const std::vector<bool>& checked);

} // namespace ChartDataRange
