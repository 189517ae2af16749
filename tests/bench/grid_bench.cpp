// Figures of the standalone grid window on large grids (rows and columns of the default sizes),
// each through the window's own messages and with the repaint it causes, beside one full paint of
// the same window in the same run: Ctrl+A, clearing that selection with a click on one cell, Right
// with the focus far out of view, and an arrow key with the view at the end and the focus at the
// top. Prints how many operations did not leave the grid as they should; asserts nothing.
//     grid_bench [largest row count for select-all] [runs]

#include "gridwnd/GridCtrl.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

int g_failed = 0;
int g_operations = 0;

void Check(bool done)
{
    ++g_operations;
    g_failed += done ? 0 : 1;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// The quickest of the runs of f with the paint it leaves, prepare run untimed before each.
template <class Prepare, class F> double Best(int runs, HWND window, Prepare prepare, F f)
{
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        prepare();
        ::UpdateWindow(window);
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        f();
        ::UpdateWindow(window);
        ::GdiFlush();
        ::QueryPerformanceCounter(&to);
        best = std::min(best, Milliseconds(from, to));
    }
    return best;
}

void HoldCtrl(bool down)
{
    BYTE keys[256] = {};
    keys[VK_CONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

struct BenchGrid
{
    CGridCtrl grid;

    BenchGrid(int rows, int cols)
    {
        Check(grid.Create(CRect(0, 0, kWidth, kHeight), nullptr, 0,
                          WS_POPUP | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL));
        grid.SetRedraw(FALSE);
        Check(grid.SetRowCount(rows) && grid.SetColumnCount(cols));
        Check(grid.SetFixedRowCount(1) && grid.SetFixedColumnCount(1));
        for (int row = 0; row < 60 && row < rows; ++row)
            for (int col = 0; col < cols; ++col)
                grid.SetItemText(row, col, std::to_string(row * 100 + col).c_str());
        grid.SetRedraw(TRUE);
        ::UpdateWindow(grid);
    }
    HWND Window() const { return grid.GetSafeHwnd(); }
    void Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { ::SendMessageW(Window(), msg, wp, lp); }
    void Key(UINT key)
    {
        Send(WM_KEYDOWN, key, 1);
        Send(WM_KEYUP, key, 0xC0000001);
    }
    void ClickCell(int row, int col)
    {
        CRect rect;
        Check(grid.GetGridCellRect(row, col, rect));
        const LPARAM at = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        Send(WM_LBUTTONUP, 0, at);
    }
    void SelectAll()
    {
        HoldCtrl(true);
        Key('A');
        HoldCtrl(false);
    }
    double Paint(int runs)
    {
        return Best(
            runs, Window(), [] {}, [&] { ::RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE); });
    }
    bool AllSelected() const
    {
        return grid.GetSelectedGridRange() ==
               CCellRect(1, 1, grid.GetRowCount() - 1, grid.GetColumnCount() - 1);
    }
    bool InView(CCellCoord cell) const
    {
        const CCellRect shown = grid.GetFullyVisibleGridRange();
        return cell.row >= shown.minRow && cell.row <= shown.maxRow && cell.col >= shown.minCol &&
               cell.col <= shown.maxCol;
    }
};

void Line(const char* what, double ms, double paint)
{
    std::printf("  %-44s %10.2f ms  %9.2f paints\n", what, ms, ms / paint);
}

void SelectAllAndClear(int rows, int runs)
{
    BenchGrid bench(rows, 10);
    const double paint = bench.Paint(runs + 2);
    std::printf("grid of %d x 10 cells, window %d x %d, best of %d:\n", rows, kWidth, kHeight, runs);
    Line("one full paint", paint, paint);
    const double selectAll = Best(
        runs, bench.Window(), [&] { bench.ClickCell(2, 2); }, [&] { bench.SelectAll(); });
    Check(bench.AllSelected());
    Line("Ctrl+A", selectAll, paint);
    const double clear = Best(
        runs, bench.Window(), [&] { bench.SelectAll(); }, [&] { bench.ClickCell(3, 3); });
    Check(bench.grid.GetSelectedGridRange() == CCellRect(3, 3, 3, 3));
    Line("clearing it: a click on one cell", clear, paint);
}

void RightOutOfView(int rows, int runs)
{
    BenchGrid bench(rows, 10);
    const double paint = bench.Paint(runs + 2);
    const int farRow = rows * 3 / 4;
    std::printf("grid of %d x 10 cells, focus on row %d, view at the top, best of %d:\n", rows, farRow, runs);
    Line("one full paint", paint, paint);
    const double right = Best(
        runs, bench.Window(),
        [&] {
            bench.Send(WM_VSCROLL, SB_TOP);
            bench.grid.MoveGridFocus(farRow, 1);
        },
        [&] { bench.Key(VK_RIGHT); });
    Check(bench.grid.GetFocusCell() == CCellCoord(farRow, 2) && bench.InView(CCellCoord(farRow, 2)));
    Line("Right", right, paint);
}

void ArrowAfterTheEnd(int rows, int runs)
{
    BenchGrid bench(rows, 8);
    const double paint = bench.Paint(runs + 2);
    std::printf("grid of %d x 8 cells, view at the end, focus on row 1, best of %d:\n", rows, runs);
    Line("one full paint", paint, paint);
    const double down = Best(
        runs, bench.Window(),
        [&] {
            bench.grid.MoveGridFocus(1, 1);
            bench.Send(WM_VSCROLL, SB_BOTTOM);
        },
        [&] { bench.Key(VK_DOWN); });
    Check(bench.grid.GetFocusCell() == CCellCoord(2, 1) && bench.InView(CCellCoord(2, 1)));
    Line("Down", down, paint);
}

} // namespace

int main(int argc, char** argv)
{
    const int largest = argc > 1 ? std::atoi(argv[1]) : 200000;
    const int runs = argc > 2 ? std::max(std::atoi(argv[2]), 1) : 3;
    for (int rows : {20000, 200000})
        if (rows <= largest)
            SelectAllAndClear(rows, runs);
    RightOutOfView(200000, runs);
    ArrowAfterTheEnd(5000, runs);
    std::printf("operations failed: %d of %d\n", g_failed, g_operations);
    return 0;
}
