// Figures of the fill: a date series and a Chinese numeral series filled down 100,000 rows of a
// page as the fill handle does it (the target made ready, the source cell repeated, the series
// written), beside the plain copy of the same cells, the fill without its series, and beside the
// least a series adds to it, one more write of every target cell's text, in the same run.
// Then the series engine alone against an in-memory page. Prints, asserts nothing.

#include "autofill/BlockFill.h"
#include "autofill/series/FillSeries.h"
#include "sheet/model/CellProperties.h"
#include "sheet/model/RowColumnOps.h"
#include "tests/support/FillCellsGrid.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr int kRows = 100000;
constexpr int kRounds = 5;

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

std::string Utf8(const CString& text)
{
    const std::wstring wide = text.ToWide();
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), out.data(), bytes, nullptr, nullptr);
    return out;
}

// A page of one fixed row and column, the source cell at (1, 1) and the fill down its column.
struct FillPage final : IFillCells
{
    CNorvakPage page{0, "Sheet1", 0};
    CNorvakPageCells cells{0};

    FillPage()
    {
        CDefaultCellFactory factory(page, cells);
        SheetModel::SetColumnCount(page, cells, 3, factory);
        SheetModel::SetRowCount(page, cells, kRows + 2, factory);
        SheetModel::SetFixedRowCount(page, cells, 1, factory);
        SheetModel::SetFixedColumnCount(page, cells, 1, factory);
    }
    BOOL IsValidCell(int row, int col) const override { return page.IsValidCell(row, col); }
    CString GetCellText(int row, int col) const override { return cells.GetCell(row, col)->GetText(); }
    BOOL SetCellText(int row, int col, const CString& text) override
    {
        return SheetModel::SetItemText(page, cells, row, col, text);
    }

    void Fill(bool series)
    {
        const CCellRect source(1, 1, 1, 1);
        const CCellRect target(1, 1, kRows, 1);
        CCellGeometry geometry(page, CViewArea{});
        AutoFill::PrepareFill(page, cells, source, target, geometry);
        AutoFill::RepeatBlock(cells, source, target);
        if (series)
            DetectFillSeries(*this, {1, 1, 1, 1}, {1, 1, kRows, 1});
        AutoFill::RepeatEdgeBorders(cells, source, target);
    }
};

void MeasurePageFill(FillPage& page, const char* name, const char* source)
{
    page.SetCellText(1, 1, source);
    const CString text(source);
    double copy = 1e9;
    double series = 1e9;
    double rewrite = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        double start = Seconds();
        page.Fill(false);
        copy = std::min(copy, Seconds() - start);
        start = Seconds();
        for (int row = 2; row <= kRows; ++row)
            page.SetCellText(row, 1, text);
        rewrite = std::min(rewrite, Seconds() - start);
        start = Seconds();
        page.Fill(true);
        series = std::min(series, Seconds() - start);
    }
    const double perCell = 1e9 / kRows;
    std::printf("%-16s fill %7.1f ns/cell   plain copy %6.1f ns/cell   ratio %5.2f   (a rewrite of every text "
                "%5.1f ns/cell)   last cell %s\n",
                name, series * perCell, copy * perCell, series / copy, rewrite * perCell,
                Utf8(page.GetCellText(kRows, 1)).c_str());
}

void MeasureEngine(const char* name, const char* source)
{
    FillCellsGrid grid(kRows + 1, 1);
    grid.SetCellText(0, 0, source);
    const CString text(source);
    double copy = 1e9;
    double series = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        double start = Seconds();
        for (int row = 1; row <= kRows; ++row)
            grid.SetCellText(row, 0, text);
        copy = std::min(copy, Seconds() - start);

        start = Seconds();
        DetectFillSeries(grid, {0, 0, 0, 0}, {0, 0, kRows, 0});
        series = std::min(series, Seconds() - start);
    }
    const double perCell = 1e9 / kRows;
    std::printf("%-16s series %7.1f ns/cell   text copy %6.1f ns/cell   ratio %5.2f\n", name,
                series * perCell, copy * perCell, series / copy);
}

} // namespace

int main()
{
    std::printf("fill down %d rows of a page, best of %d rounds (%d-bit build)\n", kRows, kRounds,
                int(sizeof(void*) * 8));
    FillPage page;
    MeasurePageFill(page, "date", "2003-12-30");
    MeasurePageFill(page, "Chinese numeral", "一百二十");
    MeasurePageFill(page, "trailing number", "第1组");
    std::printf("the series engine alone, against an in-memory page\n");
    MeasureEngine("date", "2003-12-30");
    MeasureEngine("Chinese numeral", "一百二十");
    MeasureEngine("trailing number", "第1组");
    return 0;
}
