#include "gridwnd/GridPrintLayout.h"

const char kGridPrintSample[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";

CGridPrintMetrics MakeGridPrintMetrics(const CGridCellStore& store, CSize sampleExtent, int printerWidth,
                                       int printerHeight)
{
    CGridPrintMetrics m;
    m.nCharWidth = sampleExtent.cx / kGridPrintSampleLength;
    m.nCharHeight = sampleExtent.cy;
    m.nPrinterWidth = printerWidth;
    m.nPrinterHeight = printerHeight;
    m.nPageWidth = store.GetTotalColumnWidth() + 8 * m.nCharWidth;
    m.nPageHeight = printerWidth > 0 ? ::MulDiv(m.nPageWidth, printerHeight, printerWidth) : 0;
    m.nBodyHeight = m.nPageHeight - 6 * m.nCharHeight - store.GetFixedRowHeight();
    return m;
}

namespace {

// Walks the normal rows as pages fill and returns the pages counted; visit(row, page) is told each
// row that begins a page after the first, and ends the walk by returning true.
template <class Visit> int WalkPages(const CGridCellStore& store, int bodyHeight, Visit visit)
{
    int pages = 1;
    long long running = 0;
    for (int row = store.GetFixedRowCount(); row < store.GetRowCount(); ++row) {
        const int height = store.GetRowHeight(row);
        running += height;
        // A row taller than the body takes a page of its own, where it is cut at the bottom.
        if (running > bodyHeight && running > height) {
            running = height;
            if (visit(row, ++pages))
                break;
        }
    }
    return pages;
}

} // namespace

int CountGridPrintPages(const CGridCellStore& store, int bodyHeight)
{
    return WalkPages(store, bodyHeight, [](int, int) { return false; });
}

int FirstRowOfGridPrintPage(const CGridCellStore& store, int bodyHeight, int page)
{
    const int fixedRows = store.GetFixedRowCount();
    if (page < 1 || fixedRows >= store.GetRowCount())
        return -1;
    if (page == 1)
        return fixedRows;
    int first = -1;
    WalkPages(store, bodyHeight, [&](int row, int begun) {
        if (begun == page)
            first = row;
        return first >= 0;
    });
    return first;
}
