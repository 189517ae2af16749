// The page-setup sheet opened on pages of 1,000, 100,000 and 1,048,576 rows, each beside one
// paint of the page in the same run: the time until the sheet of the data-options page alone
// shows (its lists hold an item per body row and per body column), and the time to turn to that
// page in the sheet of all six pages. Prints, asserts nothing; says how many openings failed (the
// sheet never showed, or its row list did not hold every body row). Each figure is the quickest
// of three openings.

#include "framework/ModalUI.h"
#include "resources/NorvakResource.h"
#include "tests/bench/BenchControl.h"
#include "tests/support/BestPaintTime.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <functional>

namespace {

// What to do with the sheet once its modal loop runs: a message posted to a window of our own
// when the sheet is up brings it there.
std::function<void(HWND)> g_onShown;
HWND g_runner = nullptr;
HWND g_sheet = nullptr;

LRESULT CALLBACK RunnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_APP && g_onShown)
        g_onShown(g_sheet);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

INT_PTR CALLBACK Answer(const ModalRequest* request)
{
    switch (request->kind) {
    case ModalRequest::PropertySheet:
    case ModalRequest::Dialog:
        return ModalRequest::Run;
    case ModalRequest::Shown:
        g_sheet = request->window;
        PostMessageW(g_runner, WM_APP, 0, 0);
        return 0;
    case ModalRequest::MessageBox:
        return IDOK;
    default:
        return IDCANCEL;
    }
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

int ListedRows(HWND page)
{
    return int(SendDlgItemMessageW(page, IDC_REPORT_ROWS, LVM_GETITEMCOUNT, 0, 0));
}

struct Opening
{
    double ms = 0;
    bool ok = false;
};

// Until the data-options page shows: from the call, in the sheet of that page alone; or from the
// turn to it once the sheet of all six pages is up.
Opening Open(CNorvakCtrl& control, int bodyRows, bool allPages)
{
    Opening opening;
    LARGE_INTEGER from = Now();
    g_onShown = [&](HWND sheet) {
        if (allPages) {
            from = Now();
            PropSheet_SetCurSel(sheet, nullptr, 1);
        }
        opening.ms = Milliseconds(from, Now());
        opening.ok = ListedRows(PropSheet_GetCurrentPageHwnd(sheet)) == bodyRows;
        PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    };
    const BOOL others = allPages ? TRUE : FALSE;
    control.DoPrintSetup(others, TRUE, others, others, others, others, FALSE, FALSE);
    g_onShown = nullptr;
    return opening;
}

} // namespace

int main()
{
    CBenchControl control;
    WNDCLASSW runnerClass{};
    runnerClass.lpfnWndProc = RunnerProc;
    runnerClass.lpszClassName = L"PageSetupBenchRunner";
    RegisterClassW(&runnerClass);
    g_runner = CreateWindowW(runnerClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ModalUI::SetHook(Answer);
    const int columns = 5;
    int failed = 0, operations = 0;
    std::printf("page-setup sheet on a page of n rows (1 fixed) by %d columns, window 780 x 560:\n", columns);
    for (int rows : {1000, 100000, 1048576}) {
        const int page = control->DoInsertPage(("rows " + std::to_string(rows)).c_str());
        control->DoSetActivePageIndex(page);
        control->DoSetPageColumnCounts(page, columns, 1);
        control->DoSetPageRowCounts(page, rows, 1);
        const double paint = TimePaints(*control, [](auto paintOnce) {
            paintOnce(); // fonts and caches warmed
            return BestPaintTime(5, paintOnce);
        });
        // The quickest of three of each, every one counted.
        Opening alone{1e300, true}, turned{1e300, true};
        for (int run = 0; run < 3; ++run) {
            for (Opening* best : {&alone, &turned}) {
                const Opening o = Open(*control, rows - 1, best == &turned);
                ++operations;
                failed += o.ok ? 0 : 1;
                best->ms = std::min(best->ms, o.ms);
            }
        }
        std::printf("  %8d rows: one paint %8.3f ms | data-options sheet shown %9.3f ms (%6.2f x paint) | "
                    "turn to it in the six-page sheet %9.3f ms (%6.2f x paint)\n",
                    rows, paint, alone.ms, alone.ms / paint, turned.ms, turned.ms / paint);
        control->DoDeletePage(page);
    }
    std::printf("%d of %d openings failed\n", failed, operations);
    ModalUI::SetHook(nullptr);
    DestroyWindow(g_runner);
    return 0;
}
