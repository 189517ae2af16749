// Time of one full paint of the same visible area (1000 x 700 pixels) on a page of 100 x 50 and
// on a page of 100,000 x 50 cells, both with texts, merges and coloured borders, and their ratio;
// then the paint of a page whose fixed row is 4,194,304 pixels high (its freeze line as long) and
// of one whose column is 1,000,000 pixels wide with a style-3 border under every cell, each beside
// the ordinary page in the same run. Prints, asserts nothing.

#include "sheet/paint/PagePainter.h"
#include "sheet/model/RowColumnOps.h"
#include "tests/support/BestPaintTime.h"
#include "tests/support/MergeFixture.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

using namespace SheetModel;

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kRuns = 20;

struct BenchPage
{
    CNorvakPage page{0, "Sheet1", 0};
    CNorvakPageCells cells{0};
    CDefaultCellFactory factory{page, cells};

    explicit BenchPage(int rows)
    {
        SetColumnCount(page, cells, 50, factory);
        SetRowCount(page, cells, rows, factory);
        SetFixedRowCount(page, cells, 1, factory);
        SetFixedColumnCount(page, cells, 1, factory);
        page.m_nLockedRows = 2;
        page.m_nLockedCols = 1;
        for (int row = 1; row < 60 && row < rows; ++row)
            for (int col = 1; col < 20; ++col) {
                CNorvakCell& cell = *cells.EditCell(row, col);
                cell.SetText(std::to_string(row * col).c_str());
                if ((row + col) % 5 == 0) {
                    cell.SetHorLineStyle(6);
                    cell.SetHorLineColor(RGB(0, 0, 200));
                    cell.EditFont().crBackground = RGB(240, 240, 200);
                }
            }
        for (int row = 3; row + 1 < 60 && row + 1 < rows; row += 6)
            Merge(row, 3, row + 1, 5);
    }
    void Merge(int r0, int c0, int r1, int c1) { MarkMerge(page, cells, r0, c0, r1, c1); }
};

// Operations of the setup that the page refused.
int g_failed = 0;

void Count(BOOL done)
{
    g_failed += done ? 0 : 1;
}

// Milliseconds of one paint, the best of the runs, scrolled down by the given pixels, of a page
// the shape changes first.
double PaintTime(int rows, int vertPos = 0, void (*shape)(BenchPage&) = nullptr, int runs = kRuns)
{
    BenchPage bench(rows);
    bench.page.m_nVertPos = vertPos;
    if (shape)
        shape(bench);
    HDC screen = ::GetDC(nullptr);
    CDC memory;
    memory.CreateCompatibleDC(screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, kWidth, kHeight);
    ::ReleaseDC(nullptr, screen);
    CSelectObject select(memory, bitmap);
    CPaintView view;
    view.client = CRect(0, 0, kWidth, kHeight);
    return BestPaintTime(runs, [&] {
        CPagePainter painter(bench.page, bench.cells, view);
        painter.DrawPage(&memory, view.client);
    });
}

// The fixed row 4,194,304 pixels high: the freeze line right of the locked column runs from below
// it up to the view.
void TallFixedRow(BenchPage& b)
{
    Count(b.page.SetRowHeight(0, 4194304));
}

// Column 2 1,000,000 pixels wide, a style-3 border under each of its cells.
void WideStyledColumn(BenchPage& b)
{
    Count(b.page.SetColumnWidth(2, 1000000));
    for (int row = 0; row < b.page.m_nRows; ++row) {
        CNorvakCell* cell = b.cells.EditCell(row, 2);
        Count(cell != nullptr);
        if (cell)
            cell->SetHorLineStyle(3);
    }
}

} // namespace

int main()
{
    double small = PaintTime(100);
    double large = PaintTime(100000);
    double scrolled = PaintTime(100000, 50000 * 20);
    std::printf("one paint of %d x %d pixels, best of %d:\n", kWidth, kHeight, kRuns);
    std::printf("  page of 100 x 50 cells:     %8.2f ms\n", small);
    std::printf("  page of 100000 x 50 cells:  %8.2f ms\n", large);
    std::printf("  ratio large / small:        %8.2f\n", large / small);
    std::printf("  large, scrolled to row 50000: %6.2f ms\n", scrolled);
    const double ordinary = PaintTime(100, 0, nullptr, 5);
    const double tallRow = PaintTime(100, 0, &TallFixedRow, 5);
    const double ordinaryAgain = PaintTime(100, 0, nullptr, 5);
    const double wideColumn = PaintTime(100, 0, &WideStyledColumn, 5);
    std::printf("page of 100 x 50 cells, best of 5:\n");
    std::printf("  ordinary:                                   %8.2f ms\n", ordinary);
    std::printf("  fixed row 4,194,304 pixels high:            %8.2f ms (%.2f x ordinary)\n", tallRow,
                tallRow / ordinary);
    std::printf("  ordinary:                                   %8.2f ms\n", ordinaryAgain);
    std::printf("  style-3 borders along a 1,000,000-px column: %7.2f ms (%.2f x ordinary)\n", wideColumn,
                wideColumn / ordinaryAgain);
    std::printf("operations failed: %d\n", g_failed);
    return 0;
}
