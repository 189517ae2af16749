#pragma once

// What the cell-format sheet can change on a page, cell by cell (the bottom and right lines, the
// text position code, the indent and the font escapement) and the page's lines above row 0 and
// left of column 0, for comparing a page before and after a sheet ran. Differences are readable
// lines such as "2,3 bottom c0c0c0/1/1 -> ff/2/2" or "2,2 code 5 -> 21".

#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <string>
#include <vector>

struct PageSnapshot
{
    std::vector<std::string> lines; // one per cell and per edge entry, in a fixed order
};

PageSnapshot TakeSnapshot(const CNorvakPage& page, const CNorvakPageCells& cells);
// Everything of a page a cell operation could change: every field of every cell, the merges, the
// edge lines, the selection and the focus cell.
PageSnapshot TakeWholeSnapshot(const CNorvakPage& page, const CNorvakPageCells& cells);
std::vector<std::string> Differences(const PageSnapshot& before, const PageSnapshot& after);
