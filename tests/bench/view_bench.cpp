// Figures of what a user sees move: select-all, EnsureVisible to the last row, one column width
// and one row height set, each beside one full paint of the same page in the same run; select-all
// and its clearing on an empty page and on the same page with a text in every body cell, each
// beside one paint of that page; and a paint of a page holding very long unbroken wrapped texts
// beside one with short texts. Prints, asserts nothing.

#include "tests/bench/BenchControl.h"

#include <cstdio>
#include <new>
#include <string>

namespace {

// The mean time of calls to f, with prepare run untimed before each.
template <class Prepare, class F> double PerCall(int calls, Prepare prepare, F f)
{
    double total = 0;
    for (int i = 0; i < calls; ++i) {
        prepare();
        LARGE_INTEGER from, to;
        QueryPerformanceCounter(&from);
        f();
        QueryPerformanceCounter(&to);
        total += Milliseconds(from, to);
    }
    return total / calls;
}

// One full paint of the control into a memory bitmap as big as its window.
double Paint(CNorvakCtrl& control, int calls)
{
    return TimePaints(control, [&](auto paintOnce) { return PerCall(calls, [] {}, paintOnce); });
}

void Line(const char* what, double ms, double paint)
{
    std::printf("  %-28s %9.3f ms  %6.2f x paint\n", what, ms, ms / paint);
}

void Page(CNorvakCtrl& control, int rows)
{
    const int cols = 50;
    const int page = control.DoInsertPage(("rows " + std::to_string(rows)).c_str());
    control.DoSetPageRowCounts(page, rows, 1);
    control.DoSetPageColumnCounts(page, cols, 1);
    Paint(control, 3); // fonts and caches warmed
    const double paint = Paint(control, 10);
    std::printf("page of %d rows by %d columns, window 780 x 560:\n", rows, cols);
    Line("full paint", paint, paint);
    Line("select all", PerCall(3, [&] { control.ClearSelectionAndFocus(page); },
                               [&] { control.SelectAllCells(page); }),
         paint);
    Line("EnsureVisible to last row", PerCall(5, [&] { control.EnsureVisible(page, 1, 1, kEnsureBoth); },
                                              [&] { control.EnsureVisible(page, rows - 1, 1, kEnsureBoth); }),
         paint);
    int width = 70, height = 20;
    Line("one column width set", PerCall(10, [] {}, [&] { control.DoSetPageColumnWidth(page, 3, ++width); }),
         paint);
    Line("one row height set", PerCall(10, [] {}, [&] { control.DoSetPageRowHeight(page, 5, ++height); }), paint);
    control.DoDeletePage(page);
}

// Operations of the setup that the control refused.
int g_failed = 0;

void SelectAllAndClear(CNorvakCtrl& control, int page, const char* what)
{
    Paint(control, 3);
    const double paint = Paint(control, 10);
    std::printf("  %s:\n", what);
    Line("  full paint", paint, paint);
    Line("  select all", PerCall(3, [&] { control.ClearSelectionAndFocus(page); },
                                 [&] { control.SelectAllCells(page); }),
         paint);
    Line("  clear the selection", PerCall(3, [&] { control.SelectAllCells(page); },
                                          [&] { control.ClearSelectionAndFocus(page); }),
         paint);
}

// Selecting costs the same whatever the cells hold: the page empty, then every body cell a text.
void SelectionOnEmptyAndFullPage(CNorvakCtrl& control, int rows, int cols)
{
    const int page = control.DoInsertPage(("select " + std::to_string(rows)).c_str());
    control.DoSetPageRowCounts(page, rows + 1, 1);
    control.DoSetPageColumnCounts(page, cols + 1, 1);
    control.DoSetActivePageIndex(page);
    std::printf("page of %d body rows by %d body columns, window 780 x 560:\n", rows, cols);
    SelectAllAndClear(control, page, "empty");
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= cols; ++col) {
            CNorvakCell* cell = control.EditPageCell(page, row, col);
            try {
                if (cell)
                    cell->SetText("文字");
            } catch (const std::bad_alloc&) {
                cell = nullptr;
            }
            g_failed += cell ? 0 : 1;
        }
    SelectAllAndClear(control, page, "a text in every body cell");
    control.DoDeletePage(page);
}

void WrappedTexts(CNorvakCtrl& control)
{
    const int page = control.DoInsertPage("wrapped");
    control.DoSetPageRowCounts(page, 100, 1);
    control.DoSetPageColumnCounts(page, 50, 1);
    control.DoSetPageColumnWidth(page, 2, 12);
    auto fill = [&](const std::string& text) {
        for (int row = 0; row < 3; ++row) {
            control.DoSetPageCellText(page, row, 2, text.c_str());
            control.DoSetPageCellTextFormat(page, row, 2, 17);
        }
    };
    fill("short");
    Paint(control, 3);
    const double shortPaint = Paint(control, 10);
    fill(std::string(70000, 'W'));
    const double longPaint = Paint(control, 3);
    std::printf("70,000-character unbroken texts, code 17, in a 12-pixel column (a heading, two body cells):\n");
    Line("paint with short texts", shortPaint, shortPaint);
    Line("paint with the long texts", longPaint, shortPaint);
    control.DoDeletePage(page);
}

} // namespace

int main()
{
    CBenchControl control;
    for (int rows : {1000, 100000})
        Page(*control, rows);
    SelectionOnEmptyAndFullPage(*control, 1048575, 10);
    SelectionOnEmptyAndFullPage(*control, 100000, 50);
    WrappedTexts(*control);
    std::printf("operations failed: %d\n", g_failed);
    return 0;
}
