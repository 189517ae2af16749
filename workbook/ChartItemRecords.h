#pragma once

// The records a chart is made of in a workbook file: the data point, the legend item and the text
// label, and the lists of them that both a page and a chart carry (the data table, the row totals
// and the legend items). Every reader reads exactly what its writer writes, in the same order.
//
// The readers treat the file as untrusted: a count or a length is checked against the data that
// remain before anything is allocated for it, and a failure throws CArchiveError, leaving the
// record or list partly read but whole (the caller drops it).

#include "chart/model/NorvakChart.h"
#include "framework/Archive.h"

void WriteChartItem(CArchiveWriter& out, const CChartItem& item);
void ReadChartItem(CArchiveReader& in, CChartItem& item);
void WriteLegendItem(CArchiveWriter& out, const CChartTextItem& item);
void ReadLegendItem(CArchiveReader& in, CChartTextItem& item);
void WriteTextLabel(CArchiveWriter& out, const CChartTextLabel& label);
void ReadTextLabel(CArchiveReader& in, CChartTextLabel& label);

// The rows, the size of the first row, then every row at that size: a shorter row is filled out
// with fresh data points, a longer one cut to it, so that the reader gets the table it expects.
void WriteChartItemTable(CArchiveWriter& out, const CChartItemTable& table);
// Replaces the table.
void ReadChartItemTable(CArchiveReader& in, CChartItemTable& table);

// A count, then the elements; the readers append.
void WriteRowTotals(CArchiveWriter& out, const CChartRowTotalsArray& totals);
void ReadRowTotals(CArchiveReader& in, CChartRowTotalsArray& totals);
void WriteLegendItems(CArchiveWriter& out, const CChartTextItemArray& items);
void ReadLegendItems(CArchiveReader& in, CChartTextItemArray& items);

// The fewest bytes each takes in a file: no text, no face name, no points.
constexpr size_t kMinimumChartItemBytes = 570;
constexpr size_t kMinimumLegendItemBytes = 168;
constexpr size_t kMinimumTextLabelBytes = 136;
constexpr size_t kRowTotalsBytes = 3 * 8 + 4;
// A table's count of rows and of columns.
constexpr size_t kChartItemTableHeadBytes = 2 * 4;
