// What the grid paints, probed pixel by pixel in a 32-bpp DIB: the background areas, cell borders,
// a merged area drawn once, charts with the hot one on top and under the fixed cells, cell text in
// the cell's own font, and the window's own double-buffered paint giving the same picture.

#include "tests/support/DrawingCanvas.h"
#include "tests/support/GridCharts.h"
#include "tests/support/GridWindowFixture.h"

#include <map>
#include <utility>
#include <vector>

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

constexpr COLORREF kFixed = RGB(200, 0, 0);
constexpr COLORREF kBody = RGB(0, 200, 0);
constexpr COLORREF kEmpty = RGB(0, 0, 200);
constexpr COLORREF kRight = RGB(255, 0, 255);
constexpr COLORREF kBottom = RGB(0, 255, 255);
constexpr int kWidth = 400;
constexpr int kHeight = 300;

// Rows 0..4 (row 0 fixed) of 20, columns 0..3 (column 0 fixed) of 40; every cell's right line
// magenta and bottom line cyan.
struct PaintHost : GridHost
{
    PaintHost() : GridHost(kWidth, kHeight)
    {
        Shape(5, 4, 1, 1, 20, 40);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 4; ++col) {
                CGridCell* cell = grid.GetCell(row, col);
                cell->lineColours[3] = kRight;
                cell->lineColours[1] = kBottom;
            }
        grid.SetFixedBkColor(kFixed);
        grid.SetTextBkColor(kBody);
        grid.SetEmptyAreaColor(kEmpty);
    }
    void Paint()
    {
        canvas.Clear(RGB(255, 255, 255));
        grid.Draw(canvas.dc());
    }
    CRect Rect(int row, int col) const
    {
        CRect rect;
        EXPECT_TRUE(grid.GetGridCellRect(row, col, rect));
        return rect;
    }
    DrawingCanvas canvas{kWidth, kHeight};
};

} // namespace

TEST(GridPaint, BackgroundAreasTakeTheirColours)
{
    PaintHost host;
    host.Paint();
    // Fixed column 0..39 and fixed row 0..19; cells up to x 159, y 99; the window 400 x 300.
    EXPECT_EQ(host.canvas.At(10, 50), kFixed);
    EXPECT_EQ(host.canvas.At(60, 10), kFixed);
    EXPECT_EQ(host.canvas.At(60, 30), kBody);
    EXPECT_EQ(host.canvas.At(158, 98), kBody);
    EXPECT_EQ(host.canvas.At(160, 50), kEmpty) << "right of the last column";
    EXPECT_EQ(host.canvas.At(399, 10), kEmpty);
    EXPECT_EQ(host.canvas.At(60, 100), kEmpty) << "below the last row";
    EXPECT_EQ(host.canvas.At(399, 299), kEmpty);
}

TEST(GridPaint, EachCellDrawsItsRightAndBottomLines)
{
    PaintHost host;
    host.Paint();
    const CRect cell = host.Rect(2, 2); // (80, 40)-(119, 59)
    EXPECT_EQ(host.canvas.At(cell.right, cell.top + 5), kRight);
    EXPECT_EQ(host.canvas.At(cell.left + 5, cell.bottom), kBottom);
    EXPECT_EQ(host.canvas.At(cell.left + 5, cell.top + 5), kBody);

    host.grid.GetCell(2, 2)->bRightHidden = 1;
    host.grid.GetCell(2, 2)->bBottomHidden = 1;
    host.Paint();
    EXPECT_EQ(host.canvas.At(cell.right, cell.top + 5), kBody) << "no line of its own";
    EXPECT_EQ(host.canvas.At(cell.left + 5, cell.bottom), kBody);
    EXPECT_EQ(host.canvas.At(cell.left - 1, cell.top + 5), kRight) << "the left neighbour's line stands";
    EXPECT_EQ(host.canvas.At(cell.left + 5, cell.top - 1), kBottom) << "the upper neighbour's line stands";

    host.grid.SetGridLines(1);
    host.Paint();
    EXPECT_EQ(host.canvas.At(host.Rect(1, 1).right, 30), kBody) << "horizontal lines only";
    EXPECT_EQ(host.canvas.At(50, host.Rect(1, 1).bottom), kBottom);
    host.grid.SetGridLines(0);
    host.Paint();
    EXPECT_EQ(host.canvas.At(50, host.Rect(1, 1).bottom), kBody);
}

TEST(GridPaint, MergedAreaIsDrawnOnceOverItsWholeRectangle)
{
    struct CountingGrid : TestGrid
    {
        BOOL DrawCell(CDC* pDC, int row, int col, CRect rect, BOOL erase) override
        {
            drawn.emplace_back(row, col, rect);
            return TestGrid::DrawCell(pDC, row, col, rect, erase);
        }
        std::vector<std::tuple<int, int, CRect>> drawn;
    };
    // The host's grid is a TestGrid; a counting one is made over a window of its own.
    PaintHost host;
    CountingGrid grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, kWidth, kHeight), host.Host(), 3, WS_CHILD));
    grid.SetRowCount(5);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int row = 0; row < 5; ++row)
        grid.SetRowHeight(row, 20);
    for (int col = 0; col < 4; ++col)
        grid.SetColumnWidth(col, 40);
    MarkGridMerge(grid, 1, 1, 2, 2);
    grid.GetCell(1, 1)->font.crBackground = RGB(250, 250, 0);
    host.canvas.Clear();
    grid.Draw(host.canvas.dc());
    int originDraws = 0;
    for (const auto& [row, col, rect] : grid.drawn) {
        const bool covered = row >= 1 && row <= 2 && col >= 1 && col <= 2 && !(row == 1 && col == 1);
        EXPECT_FALSE(covered) << "a covered cell drawn on its own: " << row << ", " << col;
        if (row == 1 && col == 1) {
            ++originDraws;
            EXPECT_EQ(rect, CRect(40, 20, 119, 59));
        }
    }
    EXPECT_EQ(originDraws, 1);
    EXPECT_EQ(host.canvas.At(79, 30), RGB(250, 250, 0)) << "no inner line";
    EXPECT_EQ(host.canvas.At(60, 39), RGB(250, 250, 0));
    EXPECT_EQ(host.canvas.At(110, 45), RGB(250, 250, 0));
}

TEST(GridPaint, MergeStartingAboveTheViewStillShows)
{
    PaintHost host;
    host.grid.SetRowCount(30);
    host.Merge(1, 1, 4, 1);
    host.grid.GetCell(1, 1)->font.crBackground = RGB(250, 250, 0);
    host.grid.SetScrollPos32(SB_VERT, 40); // rows 1 and 2 scrolled away
    ASSERT_EQ(host.grid.GetTopLeftGridCell().row, 3);
    host.Paint();
    EXPECT_EQ(host.canvas.At(50, 25), RGB(250, 250, 0)) << "row 3 of the area";
    EXPECT_EQ(host.canvas.At(50, 10), kFixed) << "not over the fixed row";
}

TEST(GridPaint, HotChartIsDrawnAboveTheOtherAndBelowTheFixedCells)
{
    PaintHost host;
    CGridCtrl::SetChartDrawer(&FillGridChart);
    host.grid.AddChart(MakeBareGridChart(CRect(10, 10, 150, 80), RGB(1, 100, 1)));
    host.grid.AddChart(MakeBareGridChart(CRect(100, 50, 200, 150), RGB(100, 1, 1)));
    host.Paint();
    EXPECT_EQ(host.canvas.At(120, 60), RGB(100, 1, 1)) << "list order: the later on top";
    EXPECT_EQ(host.canvas.At(20, 10), kFixed) << "the fixed cells lie over the charts";
    EXPECT_EQ(host.canvas.At(60, 30), RGB(1, 100, 1));

    host.grid.Charts().SelectChartPart(0, 0);
    host.Paint();
    EXPECT_EQ(host.canvas.At(120, 60), RGB(1, 100, 1)) << "the hot chart last";
    EXPECT_EQ(host.canvas.At(146, 78), RGB(0, 0, 0)) << "the tracker's bottom-right handle";
    EXPECT_EQ(host.canvas.At(80, 78), RGB(0, 0, 0)) << "its bottom handle";

    host.grid.Charts().DeselectCharts();
    host.grid.Charts().GetAt(0)->bVisible = 0;
    host.Paint();
    EXPECT_EQ(host.canvas.At(60, 30), kBody) << "a hidden chart is not drawn";
    CGridCtrl::SetChartDrawer(nullptr);
}

TEST(GridPaint, CellTextInItsFontWithinTheCell)
{
    PaintHost host;
    host.grid.SetColumnWidth(2, 120);
    host.grid.SetItemText(2, 2, "汉字Ab");
    host.grid.SetTextColor(RGB(0, 0, 0));
    host.Paint();
    const CRect cell = host.Rect(2, 2);
    CFont font;
    font.CreateFontIndirect(&host.grid.GetCell(2, 2)->font.font);
    CSize extent;
    {
        CSelectObject select(*host.canvas.dc(), font);
        extent = host.canvas.dc()->GetTextExtent(CString("汉字Ab"));
    }
    int ink = 0;
    int inkPastText = 0;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) {
            if (host.canvas.At(x, y) == kBody)
                continue;
            ++ink;
            inkPastText += x > cell.left + 2 + extent.cx;
        }
    EXPECT_GT(ink, 20) << "CJK text renders glyphs";
    EXPECT_EQ(inkPastText, 0) << "left placed (format 4) and no wider than measured";
    EXPECT_GT(extent.cx, 24);
}

TEST(GridPaint, APictureOfTheImageListShowsOnlyInTheCellsGivenIt)
{
    PaintHost host;
    constexpr COLORREF kPicture = RGB(250, 120, 10);
    {
        CClientDC screen(nullptr);
        CBitmap picture;
        ASSERT_TRUE(picture.CreateCompatibleBitmap(screen, 16, 16));
        {
            CDC memory;
            ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
            CSelectObject select(memory, picture);
            memory.FillSolidRect(CRect(0, 0, 16, 16), kPicture);
        }
        ASSERT_EQ(host.grid.GetImageList().Add(picture, static_cast<HBITMAP>(nullptr)), 0);
    }
    host.grid.SetRowCount(6); // cells made after the picture came as well
    CGridCellItem item;
    item.row = 2;
    item.col = 2;
    item.mask = CIM_IMAGE;
    item.image = 0;
    ASSERT_TRUE(host.grid.SetItem(&item));
    host.Paint();
    auto pictureIn = [&](int row, int col) {
        const CRect cell = host.Rect(row, col);
        return host.canvas.At(cell.left + 8, cell.top + 10) == kPicture;
    };
    EXPECT_TRUE(pictureIn(2, 2));
    for (auto [row, col] : {std::pair{1, 1}, {1, 2}, {3, 3}, {5, 1}})
        EXPECT_FALSE(pictureIn(row, col)) << row << ", " << col << ": a new cell has no picture";
    EXPECT_EQ(host.grid.GetCell(5, 3)->nImage, -1);
}

TEST(GridPaint, SelectedAndFocusedCellsStandOut)
{
    PaintHost host;
    host.grid.ApplyGridSelection(1, 1, 2, 2);
    host.grid.MoveGridFocus(1, 1);
    host.Paint();
    EXPECT_EQ(host.canvas.At(host.Rect(2, 2).left + 5, host.Rect(2, 2).top + 5),
              ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(host.canvas.At(host.Rect(1, 1).left + 5, host.Rect(1, 1).top + 5), kBody) << "the focus cell";
    EXPECT_EQ(host.canvas.At(host.Rect(1, 1).left, host.Rect(1, 1).top + 5), host.grid.GetTextColor())
        << "its frame";
}

TEST(GridPaint, ASelectionChangeRedrawsOnlyTheCellsInViewThatChanged)
{
    struct CountingGrid : TestGrid
    {
        void RedrawGridCell(CCellCoord cell, bool now) override
        {
            ++redrawn;
            TestGrid::RedrawGridCell(cell, now);
        }
        int redrawn = 0;
    };
    PaintHost host;
    CountingGrid grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, kWidth, kHeight), host.Host(), 3, WS_CHILD | WS_VISIBLE));
    grid.SetRowCount(3001);
    grid.SetColumnCount(10);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.SetTextBkColor(kBody);
    MarkGridMerge(grid, 1, 2, 4, 2);
    grid.SetScrollPos32(SB_VERT, 20); // rows 1 and 2 scrolled away, the merged area still shows
    grid.MoveGridFocus(5, 5);
    GridHost::Pump();
    const CCellRect shown = grid.GetVisibleGridRange();
    const int inView = int(shown.RowCount() * shown.ColumnCount());

    HDC window = ::GetDC(grid);
    auto pixelOf = [&](int row, int col) {
        CRect rect;
        EXPECT_TRUE(grid.GetGridCellRect(row, col, rect));
        return ::GetPixel(window, rect.left + 5, rect.top + 3);
    };
    for (const auto& [step, select] : {std::pair{"all", true}, {"one cell", false}}) {
        grid.redrawn = 0;
        if (select)
            grid.SelectWholeGrid();
        else
            grid.ApplyGridSelection(5, 5, 5, 5);
        EXPECT_LE(grid.redrawn, inView) << step;
        ::UpdateWindow(grid);
        const COLORREF expected = select ? ::GetSysColor(COLOR_HIGHLIGHT) : kBody;
        EXPECT_EQ(pixelOf(3, 2), expected) << step << ": the merged area from above";
        EXPECT_EQ(pixelOf(shown.maxRow, 9), expected) << step << ": the last cell in view";
    }
    grid.ApplyGridSelection(2000, 1, 2500, 9);
    grid.redrawn = 0;
    grid.ApplyGridSelection(1000, 1, 2900, 9);
    EXPECT_EQ(grid.redrawn, 0) << "nothing in view changed";
    ::ReleaseDC(grid, window);
}

TEST(GridPaint, WindowPaintsThroughItsBufferAndRepaintsOneCellInPlace)
{
    PaintHost host;
    host.Paint();
    ::RedrawWindow(host.grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC window = ::GetDC(host.grid);
    auto same = [&](int x, int y) { return ::GetPixel(window, x, y) == host.canvas.At(x, y); };
    int differing = 0;
    for (int y = 0; y < kHeight; y += 7)
        for (int x = 0; x < kWidth; x += 7)
            differing += !same(x, y);
    EXPECT_EQ(differing, 0);

    // A paint of one part of the window: the buffer covers that part alone.
    host.grid.GetCell(2, 2)->font.crBackground = RGB(170, 70, 7);
    const CRect part = host.Rect(2, 2);
    ::RedrawWindow(host.grid, part, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(::GetPixel(window, part.left + 3, part.top + 3), RGB(170, 70, 7));
    EXPECT_EQ(::GetPixel(window, part.right - 1, part.bottom - 1), RGB(170, 70, 7));
    EXPECT_EQ(::GetPixel(window, part.left - 3, part.top + 3), kBody);

    host.grid.GetCell(3, 1)->font.crBackground = RGB(7, 77, 177);
    EXPECT_TRUE(host.grid.RepaintGridCell(3, 1));
    const CRect cell = host.Rect(3, 1);
    EXPECT_EQ(::GetPixel(window, cell.left + 3, cell.top + 3), RGB(7, 77, 177));
    EXPECT_EQ(::GetPixel(window, cell.right, cell.top + 3), kRight) << "with its own line";
    ::ReleaseDC(host.grid, window);
    host.grid.SetRedraw(FALSE);
    EXPECT_FALSE(host.grid.RepaintGridCell(3, 1));
    EXPECT_FALSE(host.grid.RepaintGridCell(9, 1));
}

namespace {

int g_overlayMode = 0;
int OverlayMode()
{
    return g_overlayMode;
}

COLORREF Inverted(COLORREF colour)
{
    return colour ^ 0xFFFFFF;
}

} // namespace

TEST(GridPaint, OverlayOfTheSelectedRangeByTheDrawingMode)
{
    PaintHost host;
    CGridCtrl::SetOverlayModeSource(&OverlayMode);
    host.grid.ApplyGridSelection(2, 2, 3, 3); // clear of the fixed cells, which lie over an overlay
    g_overlayMode = 0;
    host.Paint();
    const CRect first = host.Rect(2, 2), last = host.Rect(3, 3);
    const CPoint topBand(first.CenterPoint().x, first.top + 1);
    const CPoint leftBand(first.left, first.CenterPoint().y);
    const CPoint fillHandle(last.right + 1, last.bottom + 1);
    const CPoint middle(first.right - 5, first.bottom - 5);
    const CPoint frameLine(first.CenterPoint().x, first.top - 1);
    const CPoint cornerHandle(first.left + 3, first.top + 3);
    std::map<std::pair<int, int>, COLORREF> plain;
    for (CPoint p : {topBand, leftBand, fillHandle, middle, frameLine, cornerHandle})
        plain[{p.x, p.y}] = host.canvas.At(p.x, p.y);
    auto was = [&](CPoint p) { return plain[{p.x, p.y}]; };

    for (int nothing : {0, 3}) {
        g_overlayMode = nothing;
        host.Paint();
        for (CPoint p : {topBand, leftBand, fillHandle, frameLine})
            EXPECT_EQ(host.canvas.At(p.x, p.y), was(p)) << "mode " << nothing;
    }

    g_overlayMode = 1;
    host.Paint();
    for (CPoint p : {topBand, leftBand, fillHandle})
        EXPECT_EQ(host.canvas.At(p.x, p.y), Inverted(was(p))) << "the selection frame at " << p.x << ", " << p.y;
    EXPECT_EQ(host.canvas.At(middle.x, middle.y), was(middle)) << "inside the frame";

    g_overlayMode = 2;
    host.Paint();
    EXPECT_EQ(host.canvas.At(frameLine.x, frameLine.y), RGB(0, 0, 255)) << "the range frame's line";
    EXPECT_EQ(host.canvas.At(cornerHandle.x, cornerHandle.y), RGB(0, 0, 255)) << "its corner handle";
    EXPECT_EQ(host.canvas.At(middle.x, middle.y), was(middle));
    CGridCtrl::SetOverlayModeSource(nullptr);
}

TEST(GridPaint, ASelectionFrameThatMovedLeavesNothingWhereItStood)
{
    PaintHost host;
    CGridCtrl::SetOverlayModeSource(&OverlayMode);
    g_overlayMode = 1;
    host.grid.ApplyGridSelection(2, 2, 2, 2);
    ::RedrawWindow(host.grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const CRect cell = host.Rect(2, 2);
    // The frame's right band along the cell's right edge; then the range grows past it by one cell
    // of its own, the only cell repainted.
    const CPoint band(cell.right, cell.CenterPoint().y);
    host.grid.SetItemState(3, 3, CIS_SELECTED);
    for (int paint = 0; paint < 3; ++paint)
        ::UpdateWindow(host.grid);
    host.Paint();
    HDC window = ::GetDC(host.grid);
    EXPECT_EQ(::GetPixel(window, band.x, band.y), host.canvas.At(band.x, band.y));
    const CRect last = host.Rect(3, 3);
    EXPECT_EQ(::GetPixel(window, last.right + 1, last.bottom + 1), host.canvas.At(last.right + 1, last.bottom + 1))
        << "the new frame's fill handle";
    ::ReleaseDC(host.grid, window);
    g_overlayMode = 0;
    CGridCtrl::SetOverlayModeSource(nullptr);
}
