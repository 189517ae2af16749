#pragma once

// What a point hits among a page's charts, read from the rectangles of the parts and from the
// geometry the painters recorded in the data points and legend entries. Hidden charts are never
// hit; a face with fewer than three points has no inside.
//
// Element codes: the part numbers 0..6; 10..15 a data point face by its letter 'z', 'b', 'l',
// 'r', 's', 'x'; 20 a legend caption, 21 a legend marker box, 22 the rest of a legend entry.

#include "chart/model/NorvakChart.h"
#include "sheet/model/NorvakPage.h"

#include <optional>

struct CChartPartHit
{
    int chart = -1;
    int part = -1;
};

// By rectangles alone: the newest chart under the point, else the last one of the list under it;
// in it the first shown part of 6, 5, 4, 3, 2, 1 whose rectangle holds the point, else 0.
CChartPartHit HitTestChartPartRects(const CNorvakPage& page, int x, int y);

// The shown part 1..6 on top at the point, by the chart's part order; it becomes the top part.
// 0 when none.
int HitTestChartElement(CNorvakChart& chart, int x, int y);

struct CChartFaceHit
{
    int row = -1;
    int point = -1;
    int face = -1; // the hit face's index in the point
    char letter = 0;
    int element = -1;
    // The point whose selection letter the hit reads and writes: for the flat lines the point after
    // the hit one (the segment's end), within the row; else the hit point.
    int markedPoint = -1;
};

// The data point face under the point, searched as the chart is stacked: rows and points from the
// last, pies from the slice toward the click.
std::optional<CChartFaceHit> FindHitFace(const CNorvakChart& chart, int x, int y);

struct CChartLegendHit
{
    int index = -1;
    int element = -1;
    char letter = 0; // 't', 'f' or 'a'
};

// The first legend entry whose whole rectangle holds the point.
std::optional<CChartLegendHit> FindLegendHit(const CNorvakChart& chart, int x, int y);

// Whether the point lies on the selected part of the page's selected chart: the whole chart is hit
// where none of its shown parts is.
bool HitTestSelectedChartPart(const CNorvakPage& page, int x, int y);
