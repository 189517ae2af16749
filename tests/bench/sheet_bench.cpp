// Figures of the cell store: bytes per cell of a fresh page and of a page whose every cell holds a
// short text, the time of making and freeing a page of the largest row count, and row and column
// insertions and deletions beside the plain work they cannot beat (a pass over the row slots, a
// memmove of the row array), measured side by side in the same run. Every figure of cells written
// says how many of the writes were refused (a process that cannot hold them all refuses the rest).
// Prints, asserts nothing.

#include "sheet/model/CellProperties.h"
#include "sheet/model/CellSelection.h"
#include "sheet/model/RowColumnOps.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

using namespace SheetModel;

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

    Page(int rows, int cols)
    {
        SetColumnCount(page, cells, cols, factory);
        SetRowCount(page, cells, rows, factory);
        SetFixedRowCount(page, cells, 1, factory);
        SetFixedColumnCount(page, cells, 1, factory);
    }
};

// The best of a few rounds, each the mean of `repeats` calls.
template <class Op> double BestMilliseconds(int repeats, Op op, int rounds = 5)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        Stopwatch watch;
        for (int i = 0; i < repeats; ++i)
            op();
        best = std::min(best, watch.Milliseconds() / repeats);
    }
    return best;
}

volatile size_t g_sink;

// Writes the text into every cell of the page; the number of writes refused.
template <class Text> long long WriteEveryCell(Page& p, int rows, int cols, Text text)
{
    long long refused = 0;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            refused += !SetItemText(p.page, p.cells, row, col, text(row, col));
    return refused;
}

const char* Refused(long long refused, int rows, int cols)
{
    static char line[96];
    std::snprintf(line, sizeof line, "%lld of %lld writes refused", refused, (long long)rows * cols);
    return line;
}

void MeasureMemory(int rows, int cols)
{
    SIZE_T before = PrivateBytes();
    auto p = std::make_unique<Page>(rows, cols);
    const double cells = double(rows) * cols;
    const double fresh = double(PrivateBytes() - before) / cells;
    char text[8];
    const long long shortRefused = WriteEveryCell(*p, rows, cols, [&](int row, int col) {
        std::snprintf(text, sizeof text, "c%05d", (row * cols + col) % 100000);
        return text;
    });
    const double filled = double(PrivateBytes() - before) / cells;
    std::printf("%d x %d: fresh page %.2f bytes/cell; every cell a 6-character text %.2f bytes/cell "
                "(the record %u bytes, the text inside it; %s)\n",
                rows, cols, fresh, filled, unsigned(sizeof(CNorvakCell)), Refused(shortRefused, rows, cols));
    const long long longRefused = WriteEveryCell(*p, rows, cols, [](int, int) { return "十二字节文字"; });
    std::printf("%d x %d: every cell a 12-byte text (on the heap) %.2f bytes/cell (%s)\n", rows, cols,
                double(PrivateBytes() - before) / cells, Refused(longRefused, rows, cols));
}

void MeasureLargest(int rows, int cols)
{
    SIZE_T before = PrivateBytes();
    Stopwatch create;
    auto p = std::make_unique<Page>(rows, cols);
    const double createMs = create.Milliseconds();
    const double perCell = double(PrivateBytes() - before) / (double(rows) * cols);
    CNoRepaint quiet;
    Stopwatch select;
    SelectAllCells(p->page, p->cells, quiet);
    const double selectMs = select.Milliseconds();
    Stopwatch freeing;
    p.reset();
    std::printf("%d x %d: created in %.1f ms (%.2f bytes/cell), all selected in %.3f ms, freed in %.1f ms\n",
                rows, cols, createMs, perCell, selectMs, freeing.Milliseconds());
}

// Every cell given its own record (a text), then the page freed.
void MeasureFreeingRecords(int rows, int cols)
{
    auto p = std::make_unique<Page>(rows, cols);
    Stopwatch fill;
    const long long refused = WriteEveryCell(*p, rows, cols, [](int, int) { return "abc"; });
    const double fillMs = fill.Milliseconds();
    Stopwatch freeing;
    p.reset();
    std::printf("%d x %d, every cell a record: filled in %.1f ms (%s), freed in %.1f ms\n", rows, cols, fillMs,
                Refused(refused, rows, cols), freeing.Milliseconds());
}

void MeasureLines(int rows, int cols, bool filled)
{
    Page p(rows, cols);
    const long long refused = filled ? WriteEveryCell(p, rows, cols, [](int, int) { return "abc"; }) : 0;
    const int repeats = 20;
    // The plain work each operation cannot do without, on the same page.
    const double passMs = BestMilliseconds(repeats, [&] {
        size_t made = 0;
        for (int row = 0; row < p.cells.GetRowSlotCount(); ++row)
            made += p.cells.FindRow(row) != nullptr;
        g_sink = made;
    });
    std::vector<void*> slots(size_t(rows) + 1);
    const double memmoveMs = BestMilliseconds(repeats, [&] {
        std::memmove(slots.data() + 1, slots.data(), size_t(rows) * sizeof(void*));
        g_sink = size_t(slots[1] != nullptr);
    });
    // Each round inserts and then deletes as many lines, so that the page keeps its size.
    auto insertThenDelete = [&](auto insert, auto remove) {
        double bestInsert = 1e300, bestDelete = 1e300;
        for (int round = 0; round < 5; ++round) {
            bestInsert = std::min(bestInsert, BestMilliseconds(repeats, insert, 1));
            bestDelete = std::min(bestDelete, BestMilliseconds(repeats, remove, 1));
        }
        return std::pair(bestInsert, bestDelete);
    };
    const auto [insertRowMs, deleteRowMs] =
        insertThenDelete([&] { InsertRow(p.page, p.cells, 0, p.factory); },
                         [&] { DeleteRow(p.page, p.cells, 0, p.factory); });
    const auto [insertColMs, deleteColMs] =
        insertThenDelete([&] { InsertColumn(p.page, p.cells, 0, 70, p.factory); },
                         [&] { DeleteColumn(p.page, p.cells, 0, p.factory); });
    std::printf("%d x %d %s: pass over the row slots %.3f ms, memmove of the row array %.3f ms\n", rows, cols,
                filled ? "every cell a text" : "fresh", passMs, memmoveMs);
    if (filled)
        std::printf("  (%s)\n", Refused(refused, rows, cols));
    std::printf("  row insert at the top %.3f ms = %.1f x the memmove; row delete %.3f ms = %.1f x\n",
                insertRowMs, insertRowMs / memmoveMs, deleteRowMs, deleteRowMs / memmoveMs);
    std::printf("  column insert at the left %.3f ms = %.1f x the pass; column delete %.3f ms = %.1f x\n",
                insertColMs, insertColMs / passMs, deleteColMs, deleteColMs / passMs);
    if (!filled)
        return;
    // Deleting a column whose every cell holds a text frees a record per row.
    const int deletes = 10;
    Stopwatch watch;
    for (int i = 0; i < deletes; ++i)
        DeleteColumn(p.page, p.cells, 1, p.factory);
    const double fullDeleteMs = watch.Milliseconds() / deletes;
    std::printf("  delete of a column of texts %.3f ms = %.1f x the pass\n", fullDeleteMs, fullDeleteMs / passMs);
}

} // namespace

int main()
{
    std::printf("pointer %u bytes, CNorvakCell %u bytes, CNorvakCellRow %u bytes\n", unsigned(sizeof(void*)),
                unsigned(sizeof(CNorvakCell)), unsigned(sizeof(CNorvakCellRow)));
    MeasureMemory(100000, 50);
    MeasureLargest(1048576, 50);
    MeasureLines(100000, 50, false);
    MeasureLines(1000000, 50, false);
    MeasureLines(100000, 50, true);
    MeasureFreeingRecords(1048576, 50);
    return 0;
}
