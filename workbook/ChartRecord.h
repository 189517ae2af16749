#pragma once

// A chart of a page in a workbook file: its own fields (kind, value range, part rectangles and
// fills, titles, 3-D box), then its data table, row totals, legend items, part list, axis labels and
// the fourteen range entries.
//
// The reader reads into a chart the caller built empty (CNorvakChart's default constructor) and
// treats the file as untrusted like the records it is made of (workbook/ChartItemRecords.h).

#include "chart/model/NorvakChart.h"
#include "framework/Archive.h"

void WriteChartObject(CArchiveWriter& out, const CNorvakChart& chart);
void ReadChartObject(CArchiveReader& in, CNorvakChart& chart);

// The fewest bytes a chart takes: no text, no face name, empty lists.
constexpr size_t kMinimumChartBytes = 1245;
