// The view of the grid moving whichever way the user moves it: keys that wrap to another row
// while scrolled across, the wheel, the page keys, the thumb dragged with the mouse and a window
// grown past where the view stood. The charts and an open in-place edit stay on their cells,
// probed pixel by pixel in the window; an edit whose cell leaves the view ends there.

#include "tests/support/GridCharts.h"
#include "tests/support/GridWindowFixture.h"
#include "tests/support/RealMouse.h"

#include <functional>

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

constexpr COLORREF kBody = RGB(230, 240, 200);
constexpr COLORREF kChart = RGB(200, 30, 140);
constexpr COLORREF kEmpty = RGB(90, 90, 120);
constexpr int kRows = 60;
constexpr int kCols = 20;

// 60 rows of 20 (row 0 fixed) and 20 columns of 50 (column 0 fixed) in a 300 x 200 window with
// both scroll bars; charts are drawn as rectangles of their colour.
struct ScrollHost : GridHost
{
    ScrollHost() : GridHost(300, 200)
    {
        ::SetWindowLongPtrW(grid, GWL_STYLE, ::GetWindowLongPtrW(grid, GWL_STYLE) | WS_HSCROLL | WS_VSCROLL);
        ::SetWindowPos(grid, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        Shape(kRows, kCols, 1, 1, 20, 50);
        grid.SetTextBkColor(kBody);
        grid.SetEmptyAreaColor(kEmpty);
        CGridCtrl::SetChartDrawer(&FillGridChart);
        Pump();
    }
    ~ScrollHost() { CGridCtrl::SetChartDrawer(nullptr); }

    // Where the cells lie now, scrolled away or not, as a rectangle that ends past them.
    CRect AreaRect(const CCellRect& cells) const
    {
        CRect first, last;
        EXPECT_TRUE(grid.GetGridCellRectAnywhere(cells.minRow, cells.minCol, first));
        EXPECT_TRUE(grid.GetGridCellRectAnywhere(cells.maxRow, cells.maxCol, last));
        return CRect(first.left, first.top, last.right + 1, last.bottom + 1);
    }
    CRect Body() const
    {
        const CRect client = grid.GetClientRect();
        return CRect(grid.GetFixedColumnWidth(), grid.GetFixedRowHeight(), client.right, client.bottom);
    }
    void AddChartOver(const CCellRect& cells) { grid.AddChart(MakeBareGridChart(AreaRect(cells), kChart)); }
    void Show() { ::RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }
    COLORREF Pixel(int x, int y) const
    {
        HDC dc = ::GetDC(grid);
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(grid, dc);
        return colour;
    }
    CRect EditorRect() const
    {
        CRect rect;
        ::GetWindowRect(Editor(), &rect);
        ::MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // Types a character into the focus cell, which opens the edit with it.
    void TypeInto(CCellCoord cell, wchar_t ch)
    {
        grid.MoveGridFocus(cell.row, cell.col);
        Post(WM_CHAR, ch, 1);
        ASSERT_NE(Editor(), nullptr);
    }
};

// The chart's colour covers the shown part of its cells exactly.
void ExpectChartOver(ScrollHost& host, const CCellRect& cells, const char* way)
{
    const CRect area = host.AreaRect(cells);
    CRect shown;
    ASSERT_TRUE(shown.IntersectRect(area, host.Body())) << way << ": the cells are out of view";
    const CPoint inside[] = {{shown.left, shown.top},
                             {shown.right - 1, shown.top},
                             {shown.left, shown.bottom - 1},
                             {shown.right - 1, shown.bottom - 1}};
    for (CPoint p : inside)
        EXPECT_EQ(host.Pixel(p.x, p.y), kChart) << way << ": at " << p.x << ", " << p.y;
    const CPoint outside[] = {{area.left - 2, shown.top + 2},
                              {area.right + 1, shown.top + 2},
                              {shown.left + 2, area.top - 2},
                              {shown.left + 2, area.bottom + 1}};
    for (CPoint p : outside) {
        if (host.Body().PtInRect(p)) {
            EXPECT_NE(host.Pixel(p.x, p.y), kChart) << way << ": at " << p.x << ", " << p.y;
        }
    }
}

// The open edit lies over the cell, its white over the cell's inside up to the cell's lines, and
// not beyond them.
void ExpectEditorOn(ScrollHost& host, CCellCoord cell, const char* way)
{
    ASSERT_NE(host.Editor(), nullptr) << way;
    CRect rect;
    ASSERT_TRUE(host.grid.GetGridCellRect(cell, rect)) << way << ": the cell is out of view";
    EXPECT_EQ(host.EditorRect(), CRect(rect.left, rect.top, rect.right, rect.bottom)) << way;
    const COLORREF white = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(host.Pixel(rect.right - 2, rect.bottom - 2), white) << way;
    EXPECT_EQ(host.Pixel(rect.left + 1, rect.bottom - 2), white) << way;
    EXPECT_NE(host.Pixel(rect.right + 3, rect.bottom - 2), white) << way << ": right of the cell";
    EXPECT_NE(host.Pixel(rect.left + 3, rect.bottom + 3), white) << way << ": below the cell";
}

// Drags the vertical scroll bar's thumb down by the pixels with the real mouse.
void DragThumb(ScrollHost& host, int pixels)
{
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(::GetScrollBarInfo(host.grid, OBJID_VSCROLL, &bar));
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    const int y = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    auto at = [](int px, int py) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = LONG(px * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
        input.mi.dy = LONG(py * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        return input;
    };
    INPUT input[5] = {at(x, y), at(x, y), at(x, y + pixels / 2), at(x, y + pixels), at(x, y + pixels)};
    input[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    input[4].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    ::SetCursorPos(x, y);
    ASSERT_EQ(::SendInput(5, input, sizeof(INPUT)), 5u);
    PumpMessagesUntil([] { return !::GetCapture(); });
    GridHost::Pump();
}

struct Way
{
    const char* name;
    CCellRect chartCells;
    CCellCoord editAt;                            // where a character opens the edit first
    std::function<void(ScrollHost&)> prepare;     // the view before
    std::function<void(ScrollHost&)> move;        // the user's move
    std::function<CCellCoord(ScrollHost&)> edits; // the cell the edit is on afterwards
};

// A turn of the wheel by the delta, towards the user when negative.
WPARAM Wheel(int delta)
{
    return MAKEWPARAM(0, WORD(short(delta)));
}

CCellCoord Focus(ScrollHost& host)
{
    return host.grid.GetFocusCell();
}

const Way kWays[] = {
    {"Tab from the last column while scrolled across", CCellRect(6, 1, 7, 2), CCellCoord(5, kCols - 1),
     [](ScrollHost& h) { h.grid.EnsureVisible(5, kCols - 1); }, [](ScrollHost& h) { h.Key(VK_TAB); }, Focus},
    {"Shift+Tab from the first column", CCellRect(4, kCols - 2, 5, kCols - 1), CCellCoord(6, 1),
     [](ScrollHost& h) { h.grid.EnsureVisible(6, 1); },
     [](ScrollHost& h) {
         GridHost::SetKeys({VK_SHIFT});
         h.Key(VK_TAB);
         GridHost::SetKeys({});
     },
     Focus},
    {"the wheel", CCellRect(8, 3, 9, 4), CCellCoord(8, 2), [](ScrollHost&) {},
     [](ScrollHost& h) { h.Post(WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA), 0, ::GetFocus()); },
     [](ScrollHost&) { return CCellCoord(8, 2); }},
    {"PageDown", CCellRect(11, 2, 12, 3), CCellCoord(2, 2), [](ScrollHost&) {},
     [](ScrollHost& h) { h.Key(VK_NEXT); }, Focus},
    {"PageUp", CCellRect(40, 2, 41, 3), CCellCoord(50, 2), [](ScrollHost& h) { h.grid.EnsureVisible(52, 2); },
     [](ScrollHost& h) { h.Key(VK_PRIOR); }, Focus},
    {"the thumb dragged", CCellRect(9, 3, 10, 4), CCellCoord(8, 2), [](ScrollHost&) {},
     [](ScrollHost& h) { DragThumb(h, 8); }, [](ScrollHost&) { return CCellCoord(8, 2); }},
    {"a window grown at the end of the rows", CCellRect(kRows - 5, 3, kRows - 4, 4), CCellCoord(kRows - 4, 2),
     [](ScrollHost& h) { h.Post(WM_VSCROLL, SB_BOTTOM); },
     [](ScrollHost& h) {
         ::SetWindowPos(h.grid, nullptr, 0, 0, 300, 320, SWP_NOMOVE | SWP_NOZORDER);
         GridHost::Pump();
     },
     [](ScrollHost&) { return CCellCoord(kRows - 4, 2); }},
};

} // namespace

TEST(GridScrolling, EveryWayOfMovingTheViewKeepsTheChartsOnTheirCells)
{
    for (const Way& way : kWays) {
        ScrollHost host;
        way.prepare(host);
        host.grid.MoveGridFocus(way.editAt.row, way.editAt.col);
        host.AddChartOver(way.chartCells);
        const CCellCoord top = host.grid.GetTopLeftGridCell();
        way.move(host);
        EXPECT_NE(host.grid.GetTopLeftGridCell(), top) << way.name << ": the view moved";
        host.Show();
        ExpectChartOver(host, way.chartCells, way.name);
    }
}

TEST(GridScrolling, EveryWayOfMovingTheViewKeepsAnOpenEditOnItsCell)
{
    for (const Way& way : kWays) {
        ScrollHost host;
        way.prepare(host);
        host.TypeInto(way.editAt, L'x');
        const CCellCoord top = host.grid.GetTopLeftGridCell();
        way.move(host);
        EXPECT_NE(host.grid.GetTopLeftGridCell(), top) << way.name << ": the view moved";
        host.Show();
        ExpectEditorOn(host, way.edits(host), way.name);
    }
}

namespace {

// The system's wheel setting while it lives, for the grids made meanwhile.
class WheelSetting
{
public:
    explicit WheelSetting(const wchar_t* lines)
    {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE,
                          nullptr, &m_key, nullptr);
        DWORD size = sizeof(m_old);
        m_hadOld = ::RegQueryValueExW(m_key, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(m_old),
                                      &size) == ERROR_SUCCESS;
        Write(lines);
    }
    ~WheelSetting()
    {
        if (m_hadOld)
            Write(m_old);
        else
            ::RegDeleteValueW(m_key, kValue);
        ::RegCloseKey(m_key);
    }

private:
    static constexpr const wchar_t* kValue = L"WheelScrollLines";
    void Write(const wchar_t* text)
    {
        ::RegSetValueExW(m_key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                         DWORD((wcslen(text) + 1) * sizeof(wchar_t)));
    }
    HKEY m_key = nullptr;
    wchar_t m_old[32] = {};
    bool m_hadOld = false;
};

} // namespace

TEST(GridScrolling, TheWheelFollowsItsSettingAndAddsUpTurnsBelowANotch)
{
    {
        WheelSetting screens(L"-1");
        ScrollHost host;
        host.Post(WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA));
        const CCellRect shown = host.grid.GetFullyVisibleGridRange();
        EXPECT_GT(shown.minRow, 5) << "a screen per notch, down when turned towards the user";
        host.Post(WM_MOUSEWHEEL, Wheel(WHEEL_DELTA));
        EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 1) << "and back up";
    }
    WheelSetting oneLine(L"1");
    ScrollHost host;
    for (int turn = 0; turn < 2; ++turn)
        host.Post(WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA / 3));
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 1) << "two thirds of a notch";
    host.Post(WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA / 3));
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 2) << "a whole notch";
    for (int turn = 0; turn < 5; ++turn)
        host.Post(WM_MOUSEWHEEL, Wheel(-WHEEL_DELTA / 2));
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 4);
    host.Post(WM_MOUSEWHEEL, Wheel(WHEEL_DELTA / 2));
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 4) << "the other way starts afresh";
    host.Post(WM_MOUSEWHEEL, Wheel(WHEEL_DELTA / 2));
    EXPECT_EQ(host.grid.GetTopLeftGridCell().row, 3);
}

TEST(GridScrolling, AnEditWhoseCellLeavesTheViewEndsThereWithWhatWasTyped)
{
    struct Leave
    {
        const char* name;
        CCellCoord cell;
        std::function<void(ScrollHost&)> prepare;
        std::function<void(ScrollHost&)> move;
    };
    const Leave leaves[] = {
        {"up past the fixed row",
         {2, 2},
         [](ScrollHost&) {},
         [](ScrollHost& h) { h.Post(WM_MOUSEWHEEL, Wheel(-3 * WHEEL_DELTA), 0, ::GetFocus()); }},
        {"down past the bottom",
         {31, 2},
         [](ScrollHost& h) { h.grid.EnsureVisible(30, 2); },
         [](ScrollHost& h) { h.Post(WM_MOUSEWHEEL, Wheel(4 * WHEEL_DELTA), 0, ::GetFocus()); }},
        {"left past the fixed column",
         {2, 1},
         [](ScrollHost&) {},
         [](ScrollHost& h) { h.Post(WM_HSCROLL, SB_LINERIGHT); }},
        {"its merged area's first row under the fixed row",
         {3, 2},
         [](ScrollHost& h) { h.Merge(3, 2, 6, 2); },
         [](ScrollHost& h) {
             for (int line = 0; line < 3; ++line)
                 h.Post(WM_VSCROLL, SB_LINEDOWN);
         }},
    };
    for (const Leave& leave : leaves) {
        ScrollHost host;
        leave.prepare(host);
        host.TypeInto(leave.cell, L'x');
        leave.move(host);
        GridHost::Pump();
        EXPECT_EQ(host.Editor(), nullptr) << leave.name;
        EXPECT_EQ(host.grid.GetItemText(leave.cell.row, leave.cell.col), CString("x")) << leave.name;
        EXPECT_EQ(::GetFocus(), host.grid.GetSafeHwnd()) << leave.name;

        host.Key(VK_RETURN);
        EXPECT_EQ(host.Editor(), nullptr) << leave.name << ": Enter writes into no cell out of view";
        EXPECT_EQ(host.grid.GetItemText(leave.cell.row + 1, leave.cell.col), CString()) << leave.name;
    }
}
