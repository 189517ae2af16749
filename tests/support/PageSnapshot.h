#pragma once

// What the property sheets and the clipboard can change on a page, cell by cell (the bottom and
// right lines, the text position code, the indent, the font escapement, the text, the state, the
// font and the merge marks), the page's lines above row 0 and left of column 0, and its merges,
// for comparing a page before and after an operation. Differences are readable
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
