// Saving and opening a workbook of one 100,000 x 50 page with a short text in every cell, in MB/s
// of the file, beside a plain copy of the same file measured in the same run (with and without
// flushing it to the disk, as a save does). An open must also have the system give the process the
// memory of the page it builds, which a copy never asks for: that share is measured apart, as the
// time to touch as much fresh memory for the first time. Prints, asserts nothing.
//
// workbook_bench [rows] [columns]

#include "tests/bench/BenchWorkbook.h"
#include "workbook/WorkbookFile.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

double FileMegabytes(const std::wstring& path)
{
    return double(FileBytes(path)) / (1024.0 * 1024.0);
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
    ::CopyFileW(from.c_str(), to.c_str(), FALSE);
    if (flush) {
        HANDLE file = ::CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ::FlushFileBuffers(file);
        ::CloseHandle(file);
    }
    double seconds = Now() - start;
    ::DeleteFileW(to.c_str());
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int cols = argc > 2 ? std::atoi(argv[2]) : 50;
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"norvak_workbook_bench.nvk";
    const std::wstring copy = std::wstring(folder) + L"norvak_workbook_bench_copy.nvk";

    double saveSeconds = 0;
    double buildSeconds = 0;
    {
        const double built = Now();
        CLoadedPage page = BuildTextPage(0, "Sheet1", rows, cols, "项%04d", 10000);
        buildSeconds = Now() - built;
        CPageToSave pages[] = {{page.page.get(), page.cells.get()}};
        const double start = Now();
        CWorkbookOutcome saved =
            CWorkbookFile::SaveWorkbook(CString::FromWide(path), pages, "V1.0.0.1", {1, 1});
        saveSeconds = Now() - start;
        if (!saved.Succeeded()) {
            std::printf("the save failed: %s\n", saved.why.c_str());
            return 1;
        }
    }
    const double megabytes = FileMegabytes(path);
    const double copySeconds = CopySeconds(path, copy, false);
    const double copyFlushSeconds = CopySeconds(path, copy, true);

    const size_t memoryBefore = WorkingSetBytes();
    const double start = Now();
    std::vector<CLoadedPage> loaded;
    CWorkbookOutcome opened = CWorkbookFile::LoadWorkbook(CString::FromWide(path), loaded);
    const double openSeconds = Now() - start;
    const size_t pageBytes = WorkingSetBytes() - memoryBefore;
    const double touchSeconds = FirstTouchSeconds(pageBytes);
    ::DeleteFileW(path.c_str());
    if (!opened.Succeeded()) {
        std::printf("the open failed: %s\n", opened.why.c_str());
        return 1;
    }

    std::printf("workbook of one %d x %d page, a short text in every cell: %.1f MB (%d-bit build)\n", rows,
                cols, megabytes, int(sizeof(void*) * 8));
    std::printf("  save             %8.0f ms %8.1f MB/s\n", saveSeconds * 1000, megabytes / saveSeconds);
    std::printf("  open             %8.0f ms %8.1f MB/s\n", openSeconds * 1000, megabytes / openSeconds);
    std::printf("  copy             %8.0f ms %8.1f MB/s\n", copySeconds * 1000, megabytes / copySeconds);
    std::printf("  copy and flush   %8.0f ms %8.1f MB/s\n", copyFlushSeconds * 1000,
                megabytes / copyFlushSeconds);
    std::printf("  (making the same page in memory, its cells and texts: %.0f ms)\n", buildSeconds * 1000);
    std::printf("  (the opened page holds %.0f MB; touching as much fresh memory once: %.0f ms)\n",
                double(pageBytes) / (1024.0 * 1024.0), touchSeconds * 1000);
    std::printf("  save : copy and flush %.2f, open : copy %.2f\n", copyFlushSeconds / saveSeconds,
                copySeconds / openSeconds);
    return 0;
}
