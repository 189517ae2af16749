// Paginating a page of 100,000 rows by 50 columns and composing its first printed page on a
// metafile with the screen's resolution; prints the figures, asserts nothing.

#include "printing/PrintComposer.h"
#include "sheet/model/CellFactory.h"
#include "sheet/model/RowColumnOps.h"
#include "tests/support/BestPaintTime.h"

#include <cstdio>
#include <string>

int main()
{
    CNorvakPage page(0, "Sheet1", 0);
    CNorvakPageCells cells(0);
    CDefaultCellFactory factory(page, cells);
    SheetModel::SetColumnCount(page, cells, 50, factory);
    SheetModel::SetRowCount(page, cells, 100000, factory);
    SheetModel::SetFixedRowCount(page, cells, 1, factory);
    SheetModel::SetFixedColumnCount(page, cells, 1, factory);
    for (int row = 0; row < 100000; ++row)
        for (int col = 0; col < 50; ++col)
            cells.EditCell(row, col)->SetText(std::to_string(row * 50 + col).c_str());

    CPageSetup setup;
    CPrintComposer composer(setup);
    HDC screen = ::GetDC(nullptr);
    int pages = 0;
    const double best =
        BestPaintTime(5, [&] { pages = composer.Paginate(screen, &page, &cells, CCellRect(100000, 50, -1, -1)); });
    std::printf("paginate 100000 x 50: %d pages (%d across, %d down), best of 5: %.2f ms\n", pages,
                composer.GetPagination()->PagesAcross(), composer.GetPagination()->PagesDown(), best);

    HDC meta = nullptr;
    const double compose = BestPaintTime(
        5,
        [&] {
            composer.DrawDecorations(meta, 1, false);
            composer.DrawPrintPage(meta, 1, &page, &cells);
        },
        [&] {
            if (meta)
                ::DeleteEnhMetaFile(::CloseEnhMetaFile(meta));
            meta = ::CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
        });
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(meta));
    std::printf("compose one printed page (decorations and its cells), best of 5: %.2f ms\n", compose);
    ::ReleaseDC(nullptr, screen);
    return 0;
}
