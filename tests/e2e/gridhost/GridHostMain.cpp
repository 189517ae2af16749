// e2e_grid_host: a program that shows the standalone grid window for the end-to-end scenarios. It
// makes the grid by its class name as a child (id 3) of a frameless window titled
// "NorvakGridE2E" at the screen's top-left corner, shapes it, puts a column chart over its cells
// and keeps writing what the grid holds and shows into a state file, as UTF-8 lines:
//
//   top R C                 the top-left normal cell shown
//   focus R C X Y W H       the focus cell and its rectangle on the screen
//   chart X Y W H           the first chart's rectangle on the screen
//   anchor R C X Y W H      the cell under the chart's top-left corner when the grid was made,
//                           where it is now on the screen (scrolled away or not)
//   text R C TEXT           each cell that holds a text
//   thumb X Y               the middle of the vertical scroll bar's thumb on the screen
//
//     e2e_grid_host <state file>
//
// Layout: 60 rows of 24 pixels (row 0 fixed), 12 columns (column 0 fixed, 40 wide, the others 80)
// in a grid of 600 x 400 pixels with both scroll bars.

#include "chartdraw/WholeChartPainter.h"
#include "gridwnd/GridCtrl.h"
#include "tests/support/GridCharts.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT kGridId = 3;
constexpr UINT_PTR kStateTimer = 1;
constexpr COLORREF kSeries[3] = {RGB(70, 110, 190), RGB(200, 90, 60), RGB(110, 170, 80)};
const CCellCoord kAnchor(5, 2);

std::wstring g_statePath;
HWND g_grid = nullptr;

std::string Utf8(const CString& text)
{
    const std::wstring wide = text.ToWide();
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), int(wide.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string ScreenText(CRect rect)
{
    ::MapWindowPoints(g_grid, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.Width()) +
           " " + std::to_string(rect.Height());
}

void WriteState()
{
    CGridCtrl* grid = CGridCtrl::FromHandle(g_grid);
    if (!grid)
        return;
    std::string state;
    const CCellCoord top = grid->GetTopLeftGridCell();
    state += "top " + std::to_string(top.row) + " " + std::to_string(top.col) + "\n";
    const CCellCoord focus = grid->GetFocusCell();
    CRect rect;
    if (grid->GetGridCellRectAnywhere(focus.row, focus.col, rect))
        state += "focus " + std::to_string(focus.row) + " " + std::to_string(focus.col) + " " +
                 ScreenText(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1)) + "\n";
    if (grid->Charts().GetCount() > 0)
        state += "chart " + ScreenText(grid->Charts().GetAt(0)->rcChart) + "\n";
    if (grid->GetGridCellRectAnywhere(kAnchor.row, kAnchor.col, rect))
        state += "anchor " + std::to_string(kAnchor.row) + " " + std::to_string(kAnchor.col) + " " +
                 ScreenText(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1)) + "\n";
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    if (::GetScrollBarInfo(g_grid, OBJID_VSCROLL, &bar))
        state += "thumb " + std::to_string((bar.rcScrollBar.left + bar.rcScrollBar.right) / 2) + " " +
                 std::to_string(bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2) + "\n";
    for (int row = 0; row < grid->GetRowCount(); ++row)
        for (int col = 0; col < grid->GetColumnCount(); ++col)
            if (const CString text = grid->GetItemText(row, col); !text.IsEmpty())
                state += "text " + std::to_string(row) + " " + std::to_string(col) + " " + Utf8(text) + "\n";
    // Written whole under another name and moved over, so that a reader never sees half of it.
    const std::wstring part = g_statePath + L".part";
    if (FILE* file = ::_wfopen(part.c_str(), L"wb")) {
        std::fwrite(state.data(), 1, state.size(), file);
        std::fclose(file);
        ::MoveFileExW(part.c_str(), g_statePath.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

void ShapeGrid(CGridCtrl& grid)
{
    grid.SetRowCount(60);
    grid.SetColumnCount(12);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int row = 0; row < 60; ++row)
        grid.SetRowHeight(row, 24);
    grid.SetColumnWidth(0, 40);
    for (int col = 1; col < 12; ++col) {
        grid.SetColumnWidth(col, 80);
        grid.SetItemText(0, col, std::string(1, char('A' + col - 1)).c_str());
    }
    for (int row = 1; row < 60; ++row)
        grid.SetItemText(row, 0, std::to_string(row).c_str());
    grid.SetTextBkColor(RGB(255, 255, 255));
    grid.SetTextColor(RGB(0, 0, 0));
    CRect first;
    grid.GetGridCellRect(kAnchor.row, kAnchor.col, first);
    grid.AddChart(
        MakeColumnGridChart(CRect(first.left, first.top, first.left + 360, first.top + 220), kSeries));
}

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_TIMER:
        WriteState();
        return 0;
    case WM_NOTIFY:
        WriteState();
        return 0;
    case WM_SETFOCUS:
        if (g_grid)
            ::SetFocus(g_grid);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, msg, wp, lp);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: e2e_grid_host <state file>\n");
        return 2;
    }
    g_statePath = argv[1];
    CGridCtrl::SetChartDrawer(&DrawChartWithModuleTables);
    if (!CGridCtrl::RegisterWindowClass())
        return 1;
    WNDCLASSW wc{};
    wc.lpfnWndProc = &HostProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"NorvakGridE2EHost";
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    ::RegisterClassW(&wc);
    HWND host = ::CreateWindowExW(0, wc.lpszClassName, L"NorvakGridE2E", WS_POPUP | WS_VISIBLE, 0, 0, 600,
                                  400, nullptr, nullptr, wc.hInstance, nullptr);
    g_grid = ::CreateWindowExW(0, CGridCtrl::kClassName, L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, 0, 0, 600, 400,
                               host, reinterpret_cast<HMENU>(UINT_PTR(kGridId)), wc.hInstance, nullptr);
    CGridCtrl* grid = CGridCtrl::FromHandle(g_grid);
    if (!host || !grid)
        return 1;
    ShapeGrid(*grid);
    ::SetForegroundWindow(host);
    ::SetFocus(g_grid);
    ::SetTimer(host, kStateTimer, 200, nullptr);
    WriteState();
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
