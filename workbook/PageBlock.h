#pragma once

// One page of a workbook file: the page's settings, its lists and charts, the lines along the top
// and left edges, row heights and column widths, merges, the cells that differ from a fresh cell,
// and the selected cells.
//
// The reader builds a new page record and cell table and fills them; the caller owns them and
// hands them to a control only when the whole file was read. A page that could not be what the
// control holds (counts beyond its limits, coordinates outside the page, a merge reaching past it)
// is refused with CArchiveError.

#include "framework/Archive.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <memory>

// What the save asked for: fixed (header) cells are stored too, and the header merges.
struct CHeaderFlags
{
    int bRowHeader = 0;
    int bColHeader = 0;

    bool Any() const { return bRowHeader || bColHeader; }
};

struct CLoadedPage
{
    std::unique_ptr<CNorvakPage> page;
    std::unique_ptr<CNorvakPageCells> cells;
};

void WritePageBlock(CArchiveWriter& out, const CNorvakPage& page, const CNorvakPageCells& cells,
                    const CHeaderFlags& flags);
// The new page records index as its page index until a control takes it.
CLoadedPage ReadPageBlock(CArchiveReader& in, int index, const CHeaderFlags& flags);

// The fewest bytes a page block takes.
size_t MinimumPageBlockBytes(const CHeaderFlags& flags);
