#pragma once

// How the painters place things side by side along a length: categories of a chart, the series of
// a category, the series in the depth of a 3-D column chart, the entries of a legend.

#include <vector>

struct CSlotDivision
{
    bool fits = false;       // false: the slots would be narrower than 0 even without gaps
    int gap = 0;             // between two slots
    std::vector<int> widths; // one per slot; the leftover pixels go one each to the first slots
};

// The gap starts at firstGap and shrinks by one while a slot would be narrower than firstGap and
// the gap is above 0. Columns, lines and pies start at 20, bars, cylinders and legends at 10.
CSlotDivision DivideIntoSlots(int length, int count, int firstGap);

// The length shared among count slots without gaps, the leftover pixels one each to the first
// slots; empty for a count of 0 or below.
std::vector<int> SplitEvenly(int length, int count);
