// Figures of the sheet model: bytes per cell of a fresh page and the time of creating a page and
// of inserting and deleting a row at the top and a column at the left. Prints, asserts nothing.

#include "sheet/model/RowColumnOps.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <memory>

using namespace SheetModel;

// The product build is 32-bit; its cell layout is fixed here so that the printed 64-bit figures
// can be turned into 32-bit ones (see PrintLayout).
static_assert(sizeof(void*) != 4 || sizeof(CNorvakCell) == 56, "32-bit cell layout changed");

namespace {

// Committed private memory of the process. Where the system does not report it (Wine gives 0),
// the committed private regions of the address space are added up.
SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters)) &&
        counters.PrivateUsage != 0)
        return counters.PrivateUsage;
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof(info)) == sizeof(info);
         at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += info.RegionSize;
    }
    return total;
}

class Stopwatch
{
public:
    Stopwatch() { QueryPerformanceCounter(&m_start); }
    double Milliseconds() const
    {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - m_start.QuadPart) * 1000.0 / double(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start;
};

struct Page
{
    CNorvakPage page{0, "Sheet1", 0};
    CNorvakPageCells cells{0};
    CDefaultCellFactory factory{page, cells};
};

template <class Op> double AverageMilliseconds(int repeats, Op op)
{
    Stopwatch watch;
    for (int i = 0; i < repeats; ++i)
        op();
    return watch.Milliseconds() / repeats;
}

void Measure(int rows, int cols)
{
    SIZE_T before = PrivateBytes();
    Stopwatch create;
    auto p = std::make_unique<Page>();
    SetColumnCount(p->page, p->cells, cols, p->factory);
    SetRowCount(p->page, p->cells, rows, p->factory);
    SetFixedRowCount(p->page, p->cells, 1, p->factory);
    SetFixedColumnCount(p->page, p->cells, 1, p->factory);
    double createMs = create.Milliseconds();
    SIZE_T after = PrivateBytes();
    double perCell = double(after - before) / (double(rows) * cols);

    const int repeats = 20;
    double insertRowMs = AverageMilliseconds(repeats, [&] { InsertRow(p->page, p->cells, 0, p->factory); });
    double deleteRowMs = AverageMilliseconds(repeats, [&] { DeleteRow(p->page, p->cells, 0, p->factory); });
    double insertColMs =
        AverageMilliseconds(repeats, [&] { InsertColumn(p->page, p->cells, 0, 70, p->factory); });
    double deleteColMs =
        AverageMilliseconds(repeats, [&] { DeleteColumn(p->page, p->cells, 0, p->factory); });

    std::printf("%7d x %d: %6.1f bytes/cell, create %8.1f ms, row insert %7.3f ms, row delete %7.3f ms, "
                "column insert %7.3f ms, column delete %7.3f ms\n",
                rows, cols, perCell, createMs, insertRowMs, deleteRowMs, insertColMs, deleteColMs);
    Stopwatch freeing;
    p.reset();
    std::printf("%7s   freeing the page %8.1f ms\n", "", freeing.Milliseconds());
}

void PrintLayout()
{
    std::printf("pointer %u bytes, CNorvakCell %u bytes, CNorvakCellRow %u bytes, CFontRecord %u bytes\n",
                unsigned(sizeof(void*)), unsigned(sizeof(CNorvakCell)), unsigned(sizeof(CNorvakCellRow)),
                unsigned(sizeof(CFontRecord)));
    // In the 32-bit build a cell is 56 bytes (checked above); the heap adds an 8-byte header on
    // 8-byte granularity, and a row of 50 slots of 4 bytes has room for 64.
    double perCell32 = 56 + 8 + 4.0 * 64 / 50;
    std::printf("32-bit estimate: 56 + 8 (heap header) + 4 x 64 / 50 (slots) = %.1f bytes/cell, "
                "100000 x 50 cells = %.0f MB\n",
                perCell32, perCell32 * 100000 * 50 / (1024 * 1024));
}

} // namespace

int main()
{
    PrintLayout();
    for (int rows : {1000, 10000, 100000})
        Measure(rows, 50);
    return 0;
}
