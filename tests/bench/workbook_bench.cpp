// Saving and opening workbooks of one 100,000 x 50 page, in MB/s of the file, beside a plain copy of
// the same file measured in the same run (with and without flushing it to the disk, as a save
// does): a page with a short text in every cell, one whose rows are one-fifth filled, and a fresh
// page without and with every cell selected. Saves and opens are the median of a few, the copies
// the median of more, since a copy's time varies most from one to the next. An open must also have
// the system give the process the memory of the page it builds, which a copy never asks for: that
// share is measured apart, as the time to touch as much fresh memory for the first time. Says how
// many saves and opens failed. Prints, asserts nothing.
//
// workbook_bench [rows] [columns]

#include "sheet/model/CellSelection.h"
#include "tests/bench/BenchWorkbook.h"
#include "workbook/WorkbookFile.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kSaves = 3;
constexpr int kCopies = 7;

int g_failed = 0;
int g_operations = 0;

double Median(std::vector<double> figures)
{
    std::sort(figures.begin(), figures.end());
    return figures[figures.size() / 2];
}

double Megabytes(uint64_t bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

size_t WorkingSetBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters);
    return counters.WorkingSetSize;
}

// Seconds to commit and touch, for the first time, one byte in every page of that many bytes.
double FirstTouchSeconds(size_t bytes)
{
    const double start = Now();
    auto* memory = static_cast<volatile char*>(::VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!memory)
        return 0;
    for (size_t at = 0; at < bytes; at += 4096)
        memory[at] = 1;
    const double seconds = Now() - start;
    ::VirtualFree(const_cast<char*>(memory), 0, MEM_RELEASE);
    return seconds;
}

double CopySeconds(const std::wstring& from, const std::wstring& to, bool flush)
{
    const double start = Now();
    ++g_operations;
    if (!::CopyFileW(from.c_str(), to.c_str(), FALSE))
        ++g_failed;
    if (flush) {
        HANDLE file = ::CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ::FlushFileBuffers(file);
        ::CloseHandle(file);
    }
    double seconds = Now() - start;
    ::DeleteFileW(to.c_str());
    return seconds;
}

double MedianCopySeconds(const std::wstring& from, const std::wstring& to, bool flush)
{
    std::vector<double> seconds;
    for (int i = 0; i < kCopies; ++i)
        seconds.push_back(CopySeconds(from, to, flush));
    return Median(seconds);
}

bool Count(const CWorkbookOutcome& outcome, const char* what)
{
    ++g_operations;
    if (outcome.Succeeded())
        return true;
    ++g_failed;
    std::printf("  the %s failed: %s\n", what, outcome.why.c_str());
    return false;
}

struct Paths
{
    std::wstring file;
    std::wstring copy;
};

double MedianSaveSeconds(const CLoadedPage& page, const Paths& paths)
{
    CPageToSave pages[] = {{page.page.get(), page.cells.get()}};
    std::vector<double> seconds;
    for (int i = 0; i < kSaves; ++i) {
        const double start = Now();
        CWorkbookOutcome saved = CWorkbookFile::SaveWorkbook(CString::FromWide(paths.file), pages, "V1.0.0.1", {1, 1});
        seconds.push_back(Now() - start);
        Count(saved, "save");
    }
    return Median(seconds);
}

struct OpenFigures
{
    double seconds = 0;
    size_t pageBytes = 0;
    int selectedCells = -1;
};

OpenFigures MedianOpen(const Paths& paths)
{
    OpenFigures figures;
    std::vector<double> seconds;
    for (int i = 0; i < kSaves; ++i) {
        const size_t memoryBefore = WorkingSetBytes();
        const double start = Now();
        std::vector<CLoadedPage> loaded;
        CWorkbookOutcome opened = CWorkbookFile::LoadWorkbook(CString::FromWide(paths.file), loaded);
        seconds.push_back(Now() - start);
        figures.pageBytes = WorkingSetBytes() - memoryBefore;
        if (Count(opened, "open") && !loaded.empty())
            figures.selectedCells = loaded[0].page->m_selectedCells.GetCount();
    }
    figures.seconds = Median(seconds);
    return figures;
}

// Saves and opens the page beside the copies of its file; the file's size in bytes.
uint64_t Measure(const char* name, const CLoadedPage& page, const Paths& paths)
{
    const double saveSeconds = MedianSaveSeconds(page, paths);
    const uint64_t bytes = FileBytes(paths.file);
    const double megabytes = Megabytes(bytes);
    const double copySeconds = MedianCopySeconds(paths.file, paths.copy, false);
    const double copyFlushSeconds = MedianCopySeconds(paths.file, paths.copy, true);
    const OpenFigures open = MedianOpen(paths);
    ::DeleteFileW(paths.file.c_str());

    std::printf("%s: %.1f MB\n", name, megabytes);
    std::printf("  save             %8.0f ms %8.1f MB/s   save : copy and flush %.2f\n", saveSeconds * 1000,
                megabytes / saveSeconds, copyFlushSeconds / saveSeconds);
    std::printf("  open             %8.0f ms %8.1f MB/s   open : copy %.2f\n", open.seconds * 1000,
                megabytes / open.seconds, copySeconds / open.seconds);
    std::printf("  copy             %8.0f ms %8.1f MB/s\n", copySeconds * 1000, megabytes / copySeconds);
    std::printf("  copy and flush   %8.0f ms %8.1f MB/s\n", copyFlushSeconds * 1000, megabytes / copyFlushSeconds);
    std::printf("  (the opened page holds %.0f MB; touching as much fresh memory once: %.0f ms)\n",
                Megabytes(open.pageBytes), FirstTouchSeconds(open.pageBytes) * 1000);
    if (int saved = page.page->m_selectedCells.GetCount(); saved > 0)
        std::printf("  %d cells selected when saved, %d after the open\n", saved, open.selectedCells);
    return bytes;
}

// The texts of the full page, kept only in the given share of each row's columns.
void KeepEvery(CLoadedPage& page, int kept)
{
    CDefaultCellFactory factory(*page.page, *page.cells);
    for (int row = 0; row < page.page->m_nRows; ++row)
        for (int col = 0; col < page.page->m_nCols; ++col)
            if (col % kept != 0)
                page.cells->DeleteCell(row, col, factory);
}

CLoadedPage FreshPage(int rows, int cols)
{
    CLoadedPage p{std::make_unique<CNorvakPage>(0, "Sheet1", 0), std::make_unique<CNorvakPageCells>(0)};
    CDefaultCellFactory factory(*p.page, *p.cells);
    SheetModel::SetColumnCount(*p.page, *p.cells, cols, factory);
    SheetModel::SetRowCount(*p.page, *p.cells, rows, factory);
    SheetModel::SetFixedRowCount(*p.page, *p.cells, 1, factory);
    SheetModel::SetFixedColumnCount(*p.page, *p.cells, 1, factory);
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int cols = argc > 2 ? std::atoi(argv[2]) : 50;
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    const Paths paths{std::wstring(folder) + L"norvak_workbook_bench.nvk",
                      std::wstring(folder) + L"norvak_workbook_bench_copy.nvk"};
    std::printf("workbooks of one %d x %d page (%d-bit build); saves and opens the median of %d, copies of %d\n",
                rows, cols, int(sizeof(void*) * 8), kSaves, kCopies);

    {
        const double built = Now();
        CLoadedPage page = BuildTextPage(0, "Sheet1", rows, cols, "项%04d", 10000);
        const double buildSeconds = Now() - built;
        Measure("a short text in every cell", page, paths);
        std::printf("  (making the same page in memory, its cells and texts: %.0f ms)\n", buildSeconds * 1000);
        KeepEvery(page, 5);
        Measure("a short text in every fifth cell of each row", page, paths);
    }
    {
        CLoadedPage page = FreshPage(rows, cols);
        const uint64_t plain = Measure("a fresh page", page, paths);
        CNoRepaint quiet;
        SheetModel::SelectAllCells(*page.page, *page.cells, quiet);
        const uint64_t selected = Measure("a fresh page, every cell selected", page, paths);
        std::printf("file size without a selection %.2f MB, with every cell selected %.2f MB (%.2f bytes per "
                    "selected cell)\n",
                    Megabytes(plain), Megabytes(selected),
                    double(selected - plain) / std::max(page.page->m_selectedCells.GetCount(), 1));
    }
    std::printf("%d of %d saves, opens and copies failed\n", g_failed, g_operations);
    return 0;
}
