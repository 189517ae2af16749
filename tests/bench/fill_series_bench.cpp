// Figures of the series engine: a date series and Chinese numeral series filled down 100,000 rows
// against an in-memory page, beside a plain copy of the source text into the same cells (what the
// fill handle writes before the engine runs). Prints, asserts nothing.

#include "autofill/series/FillSeries.h"
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

void Measure(const char* name, const char* source)
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
    std::printf("%-16s series %7.1f ns/cell   plain copy %6.1f ns/cell   ratio %5.1f   last cell %s\n", name,
                series * perCell, copy * perCell, series / copy, Utf8(grid.GetCellText(kRows, 0)).c_str());
}

} // namespace

int main()
{
    std::printf("fill down %d rows, best of %d rounds (%d-bit build)\n", kRows, kRounds,
                int(sizeof(void*) * 8));
    Measure("date", "2003-12-30");
    Measure("Chinese numeral", "一百二十");
    Measure("trailing number", "第1组");
    return 0;
}
