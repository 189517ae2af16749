#pragma once

// How the standalone grid cuts its rows into printed pages. A page is as wide as all the columns
// plus eight characters of margin, scaled to the printer's width, and as high as the printer's
// shape makes it; below the header (two lines and a blank one), the fixed rows and above the
// footer (two lines) the normal rows fill the body. A row that would pass the body's bottom
// begins the next page; a row taller than the body has a page of its own and is cut at the body's
// bottom, as the sheet's pagination cuts it, so no page is left blank.

#include "gridwnd/GridCellStore.h"

struct CGridPrintMetrics
{
    int nCharWidth = 0;
    int nCharHeight = 0;
    int nPageWidth = 0;
    int nPageHeight = 0;
    int nBodyHeight = 0;
    int nPrinterWidth = 0;
    int nPrinterHeight = 0;
};

// The letters measured for the character size; the first 52 of them.
extern const char kGridPrintSample[];
constexpr int kGridPrintSampleLength = 52;

// From the extent of the sample in the printing font and the printer's pixel size.
CGridPrintMetrics MakeGridPrintMetrics(const CGridCellStore& store, CSize sampleExtent, int printerWidth,
                                       int printerHeight);
int CountGridPrintPages(const CGridCellStore& store, int bodyHeight);
// The row that begins the page (1-based); -1 past the last page or with no normal rows.
int FirstRowOfGridPrintPage(const CGridCellStore& store, int bodyHeight, int page);
