#pragma once

// A grid window in a top-level host that records the notifications the grid sends it; messages
// are posted and pumped with a time limit, as a user's input would arrive. OLE is initialised for
// the whole test program. Key states (Shift, Ctrl) are set on the thread for the keys that follow.

#include "gridwnd/GridCtrl.h"
#include "tests/support/GridMergeMarks.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

class OleEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr))); }
    void TearDown() override { ::OleUninitialize(); }
};

// A grid whose protected parts the tests reach.
class TestGrid : public CGridCtrl
{
public:
    using CGridCtrl::CGridCtrl;
    IDropTarget* DropTarget() { return &m_dropTarget; }
    void Draw(CDC* pDC) { OnDraw(pDC); }
    HBITMAP ResourceBitmap() const { return m_resourceBitmap; }
    CTitleTipWnd& TitleTip() { return m_titleTip; }
};

using GridNotice = std::tuple<int, int, int>; // row, column, code

class GridHost
{
public:
    static constexpr UINT kGridId = 77;

    GridHost(int width = 400, int height = 300)
    {
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = &GridHost::HostProc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"GridTestHost";
            return ::RegisterClassW(&wc) != 0;
        }();
        EXPECT_TRUE(registered);
        m_host = ::CreateWindowExW(0, L"GridTestHost", L"", WS_OVERLAPPEDWINDOW, 0, 0, width + 50,
                                   height + 80, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
        ::SetWindowLongPtrW(m_host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ::ShowWindow(m_host, SW_SHOW);
        EXPECT_TRUE(grid.Create(CRect(0, 0, width, height), m_host, kGridId, WS_CHILD | WS_VISIBLE));
        grid.SetFocus();
        Pump();
    }
    ~GridHost()
    {
        grid.DestroyWindow();
        ::DestroyWindow(m_host);
        SetKeys({});
        Pump();
    }
    GridHost(const GridHost&) = delete;
    GridHost& operator=(const GridHost&) = delete;

    HWND Host() const { return m_host; }

    // Counts, and sizes of every row and column unless left at -1.
    void Shape(int rows, int cols, int fixedRows, int fixedCols, int rowHeight = -1, int colWidth = -1)
    {
        grid.SetRowCount(rows);
        grid.SetColumnCount(cols);
        grid.SetFixedRowCount(fixedRows);
        grid.SetFixedColumnCount(fixedCols);
        for (int row = 0; rowHeight >= 0 && row < rows; ++row)
            grid.SetRowHeight(row, rowHeight);
        for (int col = 0; colWidth >= 0 && col < cols; ++col)
            grid.SetColumnWidth(col, colWidth);
    }
    void Merge(int r0, int c0, int r1, int c1) { MarkGridMerge(grid, r0, c0, r1, c1); }
    void CtrlKey(UINT key)
    {
        SetKeys({VK_CONTROL});
        Key(key);
        SetKeys({});
    }

    // Runs the messages waiting for the thread, for at most the given time.
    static void Pump(DWORD milliseconds = 2000)
    {
        const DWORD end = ::GetTickCount() + milliseconds;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) && ::GetTickCount() < end) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    void Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0, HWND to = nullptr)
    {
        ::PostMessageW(to ? to : grid.GetSafeHwnd(), msg, wp, lp);
        Pump();
    }
    void Key(UINT key, HWND to = nullptr)
    {
        Post(WM_KEYDOWN, key, 1, to ? to : ::GetFocus());
        Post(WM_KEYUP, key, 0xC0000001, to ? to : ::GetFocus());
    }
    void Click(CPoint point, UINT flags = 0)
    {
        Post(WM_LBUTTONDOWN, MK_LBUTTON | flags, MAKELPARAM(point.x, point.y));
        Post(WM_LBUTTONUP, flags, MAKELPARAM(point.x, point.y));
    }
    // The keys held from now on (VK_SHIFT, VK_CONTROL).
    static void SetKeys(std::initializer_list<int> held)
    {
        BYTE keys[256] = {};
        for (int key : held)
            keys[key] = 0x80;
        ::SetKeyboardState(keys);
    }
    // The centre of a cell as the grid shows it now.
    CPoint CentreOf(int row, int col) const
    {
        CRect rect;
        EXPECT_TRUE(grid.GetGridCellRect(row, col, rect)) << row << ", " << col;
        return rect.CenterPoint();
    }
    // The open in-place edit, or none.
    HWND Editor() const { return ::GetDlgItem(grid.GetSafeHwnd(), CGridCtrl::kInPlaceEditId); }
    std::vector<GridNotice> NoticesOf(int code) const
    {
        std::vector<GridNotice> of;
        for (const GridNotice& n : notices)
            if (std::get<2>(n) == code)
                of.push_back(n);
        return of;
    }

    TestGrid grid;
    std::vector<GridNotice> notices;

private:
    static LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        auto* host = reinterpret_cast<GridHost*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (host && msg == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lp);
            if (header->idFrom == kGridId) {
                const int* cell = reinterpret_cast<const int*>(header + 1);
                host->notices.emplace_back(cell[0], cell[1], int(header->code));
            }
            return 0;
        }
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    }

    HWND m_host = nullptr;
};
