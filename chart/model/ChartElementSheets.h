#pragma once

// Which property sheet a chart element opens: its caption and its pages in order, each page with
// the record it edits, by element code (0..6 the parts, 10..15 a data point face, 20..22 a legend
// entry's caption, marker box and the rest of it).

#include "chart/model/NorvakChart.h"

#include <optional>
#include <vector>

// The record an element's sheet edits: the chart for codes 0..6, a data point for 10..15, a
// legend entry for 20..22.
struct CChartElementRecord
{
    CNorvakChart* chart = nullptr;
    CChartItem* point = nullptr;
    CChartTextItem* legendEntry = nullptr;
};

enum class CChartElementPageKind
{
    LineType,    // fill and line of a part or a face
    SolidRotate, // the 3-D rotation of the whole chart
    Font,        // font and colours of a title or a legend caption
    LegendMarker // the marker of a legend entry
};

struct CChartElementPage
{
    CChartElementPageKind kind;
    const char* title = nullptr; // the font page's name for the text it edits
};

struct CChartElementSheet
{
    int code = -1;
    const char* caption = nullptr;
    std::vector<CChartElementPage> pages;
    CChartElementRecord record;
};

// The sheet of the element code, its record not yet set; none for the data area (3), which shows
// a notice instead, and for codes that open nothing (7..9, 16..19, below 0, above 22).
std::optional<CChartElementSheet> ChartElementSheetOf(int code);

// Whether the record holds what the code's sheet edits.
bool ChartElementRecordFits(int code, const CChartElementRecord& record);
