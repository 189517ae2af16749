// Opening workbooks of many small pages (2 x 2 cells each) through the control, beside two
// references measured in the same run: reading the same file's bytes, and opening one page whose
// file is as large. Then the first paint of the tab band after the open (it lays out and measures
// every new tab) beside a later one, and inserting as many pages one by one with DoInsertPage and
// deleting them, from the last and from the first. Each figure is the best of three runs, and is
// also given per page, so that a cost that grows with the page count shows as a growing time per
// page. Prints, asserts nothing.
//
// open_pages_bench [page counts...]     (250 2000 20000 by default)

#include "framework/CDC.h"
#include "tests/bench/BenchControl.h"
#include "tests/bench/BenchWorkbook.h"
#include "workbook/WorkbookFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

template <class F> double Seconds(F f)
{
    const double start = Now();
    f();
    return Now() - start;
}

int g_failed = 0;

void Check(bool ok, const char* what)
{
    if (!ok) {
        ++g_failed;
        std::printf("  FAILED: %s\n", what);
    }
}

// A file of count pages of rows x 2 cells.
bool WriteFile(const std::wstring& path, int count, int rows)
{
    std::vector<CLoadedPage> pages;
    std::vector<CPageToSave> save;
    for (int index = 0; index < count; ++index) {
        char title[32];
        std::snprintf(title, sizeof title, "页%d", index + 1);
        pages.push_back(BuildTextPage(index, title, rows, 2, "%d", 1000));
        save.push_back({pages.back().page.get(), pages.back().cells.get()});
    }
    return CWorkbookFile::SaveWorkbook(CString::FromWide(path), save, "V1.0.0.1", {1, 1}).Succeeded();
}

void ReadWholeFile(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<char> bytes(size_t(FileBytes(path)));
    DWORD read = 0;
    const BOOL ok = ::ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    Check(ok && read == bytes.size(), "reading the file's bytes");
}

// A control of its own, with its default pages deleted.
void OnEmptyControl(const std::function<void(CNorvakCtrl&)>& work)
{
    CBenchControl control;
    while (control->DoGetPageCounts() > 0)
        control->DoDeletePage(0);
    work(*control);
}

// One picture of the control's bottom band (tabs, arrows, split box) in a memory DC.
void PaintBand(CNorvakCtrl& control)
{
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 800, 600);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    {
        CDC dc(memory);
        control.GetTabBand()->Draw(dc, POINT{0, 0});
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

struct COpenTimes
{
    double open = 0;
    double firstPaint = 0; // of the band: lays the new tabs out and measures their titles
    double laterPaint = 0;
};

constexpr int kRuns = 3;

COpenTimes Open(const std::wstring& path, int expectedPages, int runs = kRuns)
{
    COpenTimes best{1e9, 1e9, 1e9};
    for (int run = 0; run < runs; ++run)
        OnEmptyControl([&](CNorvakCtrl& control) {
            best.open =
                std::min(best.open, Seconds([&] { Check(control.DoOpen(CString::FromWide(path)), "opening the file"); }));
            Check(control.DoGetPageCounts() == expectedPages, "the file's pages");
            best.firstPaint = std::min(best.firstPaint, Seconds([&] { PaintBand(control); }));
            best.laterPaint = std::min(best.laterPaint, Seconds([&] { PaintBand(control); }));
        });
    return best;
}

template <class F> double Best(F f)
{
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run)
        best = std::min(best, Seconds(f));
    return best;
}

void Line(const char* what, double seconds, int pages)
{
    std::printf("  %-46s %9.1f ms %9.2f us a page\n", what, seconds * 1000, seconds * 1e6 / pages);
}

void Measure(int pages, const std::wstring& folder)
{
    const std::wstring many = folder + L"norvak_open_pages_bench.nvk";
    const std::wstring one = folder + L"norvak_open_pages_bench_one.nvk";
    Check(WriteFile(many, pages, 2), "writing the file of small pages");
    // One page of 2 columns whose file is as large: the row count scaled from a first try.
    const uint64_t size = FileBytes(many);
    int rows = 1000;
    for (int attempt = 0; attempt < 2; ++attempt) {
        Check(WriteFile(one, 1, rows), "writing the file of one page");
        rows = std::max(2, int(double(rows) * double(size) / double(FileBytes(one))));
    }

    std::printf("%d pages of 2 x 2 cells, %.2f MB (one page of %d x 2 cells: %.2f MB):\n", pages,
                double(size) / (1024.0 * 1024.0), rows, double(FileBytes(one)) / (1024.0 * 1024.0));
    const COpenTimes opened = Open(many, pages);
    Line("open through the control", opened.open, pages);
    Line("reference: read the file's bytes", Best([&] { ReadWholeFile(many); }), pages);
    Line("reference: open one page of equal size", Open(one, 1).open, pages);
    Line("(the reader alone, no control)", Best([&] {
             std::vector<CLoadedPage> loaded;
             Check(CWorkbookFile::LoadWorkbook(CString::FromWide(many), loaded).Succeeded(), "reading the pages");
         }),
         pages);
    Line("first paint of the tab band after the open", opened.firstPaint, pages);
    Line("reference: a later paint of the tab band", opened.laterPaint, pages);

    // Insertions, then deletions from the last page; again, then deletions from the first.
    for (bool fromFirst : {false, true}) {
        double inserted = 1e9, deleted = 1e9;
        for (int run = 0; run < kRuns; ++run)
            OnEmptyControl([&](CNorvakCtrl& control) {
                inserted = std::min(inserted, Seconds([&] {
                                        for (int index = 0; index < pages; ++index)
                                            control.DoInsertPage("页");
                                    }));
                Check(control.DoGetPageCounts() == pages, "inserting the pages");
                deleted = std::min(deleted, Seconds([&] {
                                       for (int index = pages - 1; index >= 0; --index)
                                           Check(control.DoDeletePage(fromFirst ? 0 : index), "deleting a page");
                                   }));
            });
        if (!fromFirst)
            Line("DoInsertPage one by one", inserted, pages);
        Line(fromFirst ? "DoDeletePage from the first" : "DoDeletePage from the last", deleted, pages);
    }
    ::DeleteFileW(many.c_str());
    ::DeleteFileW(one.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::atoi(argv[i]));
    if (counts.empty())
        counts = {250, 2000, 20000};
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    std::printf("opening workbooks of small pages (%d-bit build)\n", int(sizeof(void*) * 8));
    // What the first open of a process pays once (fonts, the tab icons, the module's classes).
    {
        const std::wstring warm = std::wstring(folder) + L"norvak_open_pages_bench_warm.nvk";
        Check(WriteFile(warm, 20, 2), "writing the warm-up file");
        Open(warm, 20, 1);
        ::DeleteFileW(warm.c_str());
    }
    for (int pages : counts)
        Measure(pages, folder);
    std::printf("%d operations failed\n", g_failed);
    return 0;
}
