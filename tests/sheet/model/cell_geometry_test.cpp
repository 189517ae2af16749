// Points to cells and back across the fixed, locked and scrolling panes; scrolling into view;
// repaint rectangles; and the selection with its growth to whole merges.

#include "sheet/model/CellGeometry.h"
#include "sheet/model/CellSelection.h"
#include "sheet/model/ChartPanes.h"
#include "sheet/model/MergeCells.h"
#include "sheet/model/ScrollRanges.h"
#include "tests/support/CellSheet.h"
#include "tests/support/MergeFixture.h"

using namespace SheetModel;

namespace {

// 20 x 10 cells; fixed row 0 (25 px high) and column 0 (40 px wide); rows 1-2 and column 1 locked;
// scrolled by 40 px down (rows 3 and 4 away) and 70 px right (column 2 away).
//   x: column 0 at 0..39, 1 at 40..109, 3 at 110..179, 4 at 180..249
//   y: row 0 at 0..24, 1 at 25..44, 2 at 45..64, 5 at 65..84, 6 at 85..104
struct FrozenSheet : CellSheet
{
    FrozenSheet() : CellSheet(20, 10, 1, 1)
    {
        page.SetColumnWidth(0, 40);
        page.SetRowHeight(0, 25);
        page.m_nLockedRows = 2;
        page.m_nLockedCols = 1;
        page.m_nVertPos = 40;
        page.m_nHorzPos = 70;
    }
    CCellGeometry Geometry(int width = 400, int height = 300) { return CCellGeometry(page, {width, height}); }
};

TEST(CellGeometry, PointToCellWithPaneCodes)
{
    struct Case
    {
        int x, y;
        CCellCoord cell;
        CPane pane;
    } cases[] = {
        {10, 10, {0, 0}, kPaneFixed},          {39, 24, {0, 0}, kPaneFixed},
        {10, 30, {1, 0}, kPaneFixed},          {10, 70, {5, 0}, kPaneFixed},
        {50, 10, {0, 1}, kPaneFixed},          {120, 10, {0, 3}, kPaneFixed},
        {40, 25, {1, 1}, kPaneLockedBoth},     {109, 64, {2, 1}, kPaneLockedBoth},
        {110, 50, {2, 3}, kPaneLockedRows},    {50, 65, {5, 1}, kPaneLockedCols},
        {179, 84, {5, 3}, kPaneScrolling},     {180, 85, {6, 4}, kPaneScrolling},
        {5000, 5000, {19, 9}, kPaneScrolling},
    };
    FrozenSheet s;
    CCellGeometry g = s.Geometry();
    for (const Case& c : cases) {
        CPane pane = CPane(-1);
        EXPECT_EQ(g.GetCellFromPt(CPoint(c.x, c.y), &pane), c.cell) << c.x << ", " << c.y;
        EXPECT_EQ(pane, c.pane) << c.x << ", " << c.y;
        CRect rect;
        ASSERT_TRUE(g.GetCellRect(c.cell.row, c.cell.col, rect));
        if (c.x < 5000) {
            EXPECT_TRUE(
                CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1).PtInRect(CPoint(c.x, c.y)))
                << c.x << ", " << c.y;
        }
        EXPECT_EQ(g.GetLockedArea(c.cell), c.pane);
    }
    EXPECT_EQ(s.page.m_nScrollRowOffset, 2);
    EXPECT_EQ(s.page.m_nScrollColOffset, 1);

    // Skipping the first locked row moves the bands up.
    s.page.m_nLockedRowOffset = 1;
    CPane pane = CPane(-1);
    EXPECT_EQ(g.GetCellFromPt(CPoint(10, 30), &pane), CCellCoord(2, 0));
    EXPECT_EQ(g.GetCellFromPt(CPoint(50, 50), &pane), CCellCoord(5, 1));
    EXPECT_EQ(pane, kPaneLockedCols);
}

TEST(CellGeometry, RectanglesAndRepaintAreas)
{
    FrozenSheet s;
    CCellGeometry g = s.Geometry();
    struct Case
    {
        CCellRect range;
        CRect rect;
    } cases[] = {
        {{0, 0, 0, 0}, {0, 0, 40, 25}},
        {{1, 1, 1, 1}, {40, 25, 110, 45}},
        {{5, 3, 5, 3}, {110, 65, 180, 85}},
        {{1, 1, 5, 3}, {40, 25, 180, 85}},
    };
    for (const Case& c : cases) {
        CRect rect;
        EXPECT_TRUE(g.GetCellRangeRect(c.range, rect));
        EXPECT_EQ(rect, c.rect);
    }
    CRect rect;
    EXPECT_TRUE(g.GetCellRect(5, 3, rect));
    EXPECT_EQ(rect, CRect(110, 65, 179, 84));
    EXPECT_FALSE(g.GetCellRect(20, 0, rect));

    // A merge repaints whole from any of its cells; next to the headers nothing grows over them.
    RecordingRepaint repaint;
    ASSERT_TRUE(CombineCells(s.page, s.cells, 6, 4, 1, 1, TRUE, 0, g, repaint));
    for (CCellCoord cell : {CCellCoord(6, 4), CCellCoord(7, 5)}) {
        EXPECT_TRUE(g.GetCellRedrawRect(s.cells, cell, rect));
        EXPECT_EQ(rect, CRect(176, 81, 324, 129));
    }
    EXPECT_TRUE(g.GetCellRedrawRect(s.cells, CCellCoord(1, 1), rect));
    EXPECT_EQ(rect, CRect(40, 25, 114, 49));
    EXPECT_TRUE(g.GetRangeRedrawRect(CCellRect(1, 1, 2, 1), rect));
    EXPECT_EQ(rect, CRect(40, 25, 114, 69));
    EXPECT_FALSE(g.GetCellRedrawRect(s.cells, CCellCoord(19, 9), rect)); // far below the client area

    CellSheet plain(3, 3, 0, 0);
    CCellGeometry pg(plain.page, {400, 300});
    EXPECT_TRUE(pg.GetCellRect(0, 0, rect));
    EXPECT_EQ(rect, CRect(0, 0, 69, 19));
    EXPECT_TRUE(pg.GetCellRangeRect(CCellRect(0, 0, 0, 0), rect));
    EXPECT_EQ(rect, CRect(0, 0, 70, 20));
}

TEST(CellGeometry, PositionShowingACellScrollsOnlyTheAskedDirections)
{
    struct Case
    {
        int row, col;
        CEnsureKind kind;
        bool horzMoves, vertMoves;
    } cases[] = {
        {15, 8, kEnsureBoth, true, true},  {15, 8, kEnsureHorz, true, false},
        {15, 8, kEnsureVert, false, true}, {15, 8, CEnsureKind(2), false, false},
        {6, 4, kEnsureBoth, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col) + " kind " + std::to_string(c.kind));
        FrozenSheet s;
        s.page.m_nHorzRange = 1000;
        s.page.m_nVertRange = 1000;
        CCellGeometry g = s.Geometry();
        CPoint pos = g.PositionShowing(c.row, c.col, c.kind);
        EXPECT_EQ(CPoint(s.page.m_nHorzPos, s.page.m_nVertPos), CPoint(70, 40)) << "computed, not stored";
        EXPECT_EQ(pos.x != 70, c.horzMoves);
        EXPECT_EQ(pos.y != 40, c.vertMoves);
        if (c.horzMoves && c.vertMoves) {
            s.page.m_nHorzPos = pos.x;
            s.page.m_nVertPos = pos.y;
            EXPECT_TRUE(g.IsCellVisible(c.row, c.col)) << pos.x << " " << pos.y;
        }
    }
    FrozenSheet s;
    CCellGeometry g = s.Geometry();
    EXPECT_FALSE(g.IsCellVisible(0, 0)); // headers repaint with their own strips
    EXPECT_FALSE(g.IsCellVisible(3, 3)); // scrolled away
    EXPECT_TRUE(g.IsCellVisible(2, 1));
}

TEST(CellSelection, DraggedSelectionGrowsToWholeMerges)
{
    struct Case
    {
        CCellCoord start, cell;
        CCellRect expected;
    } cases[] = {
        {{2, 2}, {3, 3}, {2, 2, 4, 5}},
        {{2, 2}, {5, 4}, {2, 2, 6, 6}}, // reaches the second merge only through the first
        {{4, 5}, {4, 5}, {3, 3, 4, 5}},
        {{8, 8}, {7, 7}, {7, 7, 8, 8}},
    };
    for (const Case& c : cases) {
        CellSheet s(10, 10, 1, 1);
        CCellGeometry g(s.page, {400, 300});
        RecordingRepaint repaint;
        ASSERT_TRUE(CombineCells(s.page, s.cells, 3, 3, 1, 2, TRUE, 0, g, repaint));
        ASSERT_TRUE(CombineCells(s.page, s.cells, 5, 5, 1, 1, TRUE, 0, g, repaint));
        s.page.m_selectionStart = c.start;
        s.page.m_nMouseMode = kSelectCells;
        OnSelecting(s.page, s.cells, c.cell, repaint);
        EXPECT_EQ(GetSelectedCellRange(s.page), c.expected);
        EXPECT_EQ(s.page.m_selectedCells.GetCount(),
                  (c.expected.maxRow - c.expected.minRow + 1) * (c.expected.maxCol - c.expected.minCol + 1));
        EXPECT_EQ(s.Consistency(), "");
    }
}

TEST(CellSelection, RangesModesFocusAndKeptCells)
{
    CellSheet s(6, 5, 1, 1);
    RecordingRepaint repaint;
    EXPECT_EQ(GetSelectedCellRange(s.page), CCellRect(6, 5, -1, -1));

    struct Case
    {
        int mode;
        CCellCoord start, cell;
        CCellRect expected;
        int listSingle = 0; // list mode with single selection: one row only
    } cases[] = {
        {kSelectAll, {}, {3, 3}, {1, 1, 5, 4}},
        {kSelectColumns, {0, 2}, {0, 3}, {1, 2, 5, 3}},
        {kSelectRows, {4, 0}, {2, 0}, {2, 1, 4, 4}},
        {kSelectRows, {4, 0}, {2, 0}, {2, 1, 2, 4}, 1},
        {kSelectCells, {1, 1}, {2, 3}, {1, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        s.page.m_bListMode = s.page.m_bSingleSelection = c.listSingle;
        s.page.m_nMouseMode = c.mode;
        s.page.m_selectionStart = c.start;
        OnSelecting(s.page, s.cells, c.cell, repaint);
        EXPECT_EQ(GetSelectedCellRange(s.page), c.expected) << "mode " << c.mode;
        EXPECT_EQ(s.Consistency(), "");
    }

    s.page.m_keptSelection.Add(CCellCoord(5, 4));
    SetSelectedRange(s.page, s.cells, CCellRect(1, 1, 1, 1), repaint);
    EXPECT_EQ(GetSelectedCellRange(s.page), CCellRect(1, 1, 5, 4));
    s.page.m_bSingleSelection = 1;
    SetSelectedRange(s.page, s.cells, CCellRect(-1, -1, -1, -1), repaint);
    EXPECT_TRUE(s.page.m_selectedCells.IsEmpty());

    EXPECT_EQ(SetFocusCell(s.page, s.cells, 2, 2, repaint), CCellCoord());
    repaint.cells.clear();
    EXPECT_EQ(SetFocusCell(s.page, s.cells, 2, 2, repaint), CCellCoord(2, 2));
    EXPECT_TRUE(repaint.cells.empty());
    EXPECT_EQ(SetFocusCell(s.page, s.cells, 9, 9, repaint), CCellCoord(2, 2));
    EXPECT_EQ(s.page.m_focusCell, CCellCoord());
    EXPECT_EQ(s.Cell(2, 2).GetState(), 0);
    EXPECT_EQ(s.Consistency(), "");

    s.page.m_bEnableSelection = 0;
    SelectAllCells(s.page, s.cells, repaint);
    EXPECT_TRUE(s.page.m_selectedCells.IsEmpty());
}

} // namespace

namespace {

TEST(ChartPanes, MovedChartsKeepClearOfTheLockedBands)
{
    // Fixed column 70 px plus locked column 1 (70 px): charts must start right of 140.
    CellSheet s(10, 10, 1, 1);
    s.page.m_nLockedCols = 1;
    struct Case
    {
        RECT rect, saved;
        int clearCols, clearRows;
    } cases[] = {
        {{150, 10, 250, 60}, {100, 10, 200, 60}, 1, 1}, // moved past the band
        {{140, 10, 240, 60}, {140, 10, 240, 60}, 0, 1}, // on its edge
        {{150, 10, 300, 60}, {100, 10, 200, 60}, 7, 1}, // resized: the flag stays
    };
    for (const Case& c : cases) {
        CChartPlacement chart{c.rect, c.saved, 7, 7};
        AdjustChartsToLockedArea(s.page, {&chart});
        EXPECT_EQ(chart.bClearOfLockedCols, c.clearCols) << c.rect.left;
        EXPECT_EQ(chart.bClearOfLockedRows, c.clearRows) << c.rect.left;
    }
}

TEST(ChartPanes, HitElementComesToTheTop)
{
    const RECT rects[6] = {{0, 0, 100, 100}, {10, 10, 50, 50}, {40, 40, 90, 90}, {}, {}, {200, 0, 300, 50}};
    struct Case
    {
        int x, y;
        int kind;
        std::vector<int> order; // kinds by level afterwards
    } cases[] = {
        {45, 45, 2, {2, 3, 1, 6}}, // covered by 2, 3 and 1: the earlier in the list wins
        {60, 60, 3, {3, 2, 1, 6}},   {5, 5, 1, {1, 2, 3, 6}},
        {250, 10, 0, {2, 3, 1, 6}}, // element 6 is hidden
        {500, 500, 0, {2, 3, 1, 6}},
    };
    for (const Case& c : cases) {
        std::vector<CChartElementEntry> entries = {{2, 1, 0, 1}, {3, 2, 0, 1}, {1, 3, 0, 1}, {6, 4, 0, 0}};
        EXPECT_EQ(HitTestChartElement(rects, entries, c.x, c.y), c.kind) << c.x << ", " << c.y;
        std::vector<int> order;
        for (const CChartElementEntry& e : entries)
            order.push_back(e.kind);
        EXPECT_EQ(order, c.order) << c.x << ", " << c.y;
        for (size_t i = 0; i < entries.size(); ++i)
            EXPECT_EQ(entries[i].level, i + 1);
    }
}

} // namespace

namespace {

TEST(CellGeometry, PositionShowingACellScrollsAsLittleAsItTakesAndNeverPastTheCell)
{
    // 40 rows of 20 px under a 20 px header; 300 px of view, of which 280 can show cells.
    CellSheet s(40, 3, 1, 1);
    s.page.m_nVertRange = 10000;
    CCellGeometry g(s.page, {400, 300});
    auto scrollTo = [&](int row, int col, CEnsureKind kind) {
        const CPoint pos = g.PositionShowing(row, col, kind);
        s.page.m_nHorzPos = pos.x;
        s.page.m_nVertPos = pos.y;
        return pos;
    };
    scrollTo(30, 1, kEnsureVert);
    EXPECT_TRUE(g.IsCellVisible(30, 1));
    // One line less and the row would be below the view: the scroll was the least that shows it.
    const int first = CPageAxis::Rows(s.page).FirstScroll();
    s.page.m_nVertPos -= s.page.GetRowHeight(first - 1);
    EXPECT_FALSE(g.IsCellVisible(30, 1));

    // Back up to a row above the view: it becomes the first one shown.
    scrollTo(5, 1, kEnsureVert);
    EXPECT_EQ(CPageAxis::Rows(s.page).FirstScroll(), 5);

    // A row taller than the view is shown from its top and stays in view; so is a wider column.
    s.page.SetRowHeight(25, 1000);
    s.page.SetColumnWidth(2, 900);
    s.page.m_nHorzRange = 10000;
    scrollTo(25, 2, kEnsureBoth);
    CRect rect;
    ASSERT_TRUE(g.GetCellRect(25, 2, rect));
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.left, 70);
    EXPECT_EQ(CPageAxis::Rows(s.page).FirstScroll(), 25);
    EXPECT_EQ(CPageAxis::Cols(s.page).FirstScroll(), 2);
    // Asking again changes nothing.
    const CPoint pos(s.page.m_nHorzPos, s.page.m_nVertPos);
    EXPECT_EQ(g.PositionShowing(25, 2, kEnsureBoth), pos);
}

TEST(CellGeometry, BorderHitsInTheHeadersWithinTheTolerance)
{
    // Columns 70 wide and rows 20 high; the tolerance is 3 pixels on either side of a line.
    CellSheet s(6, 5, 1, 1);
    CCellGeometry g(s.page, {400, 300});
    struct Case
    {
        POINT point;
        bool column, row;
    } cases[] = {
        {{140, 10}, true, false}, {{143, 10}, true, false}, {{144, 10}, false, false},
        {{137, 10}, true, false}, {{136, 10}, false, false}, {{2, 10}, false, false},
        {{140, 30}, false, false}, {{10, 40}, false, true},  {{10, 44}, false, false},
        {{10, 37}, false, true},  {{100, 40}, false, false}, {{10, 2}, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(g.IsOnColumnBorder(s.cells, c.point), c.column) << c.point.x << "," << c.point.y;
        EXPECT_EQ(g.IsOnRowBorder(s.cells, c.point), c.row) << c.point.x << "," << c.point.y;
    }
    // Inside a merged row heading there is no border; at its bottom there is.
    MarkMerge(s.page, s.cells, 2, 0, 3, 0);
    EXPECT_FALSE(g.IsOnRowBorder(s.cells, CPoint(10, 60)));
    EXPECT_TRUE(g.IsOnRowBorder(s.cells, CPoint(10, 78)));
}

TEST(CellGeometry, APageMovesByTheShownBandAndStartsAtALine)
{
    // 100 rows of 20 px below a fixed row of 25 px; row 30 is 500 px high. A client 400 x 300
    // whose cells show down to y = 268: a page of 243 px, twelve rows and three pixels of the next.
    CellSheet s(100, 10, 1, 1);
    s.page.SetRowHeight(0, 25);
    s.page.SetRowHeight(30, 500);
    SetScrollRanges(s.page, 400, 300, 16);
    const int page = PageSize(s.page, false, 268);
    EXPECT_EQ(page, 243);
    EXPECT_EQ(PageSize(s.page, true, 384), 384 - 70) << "across, right of the fixed column";
    struct Case
    {
        const char* name;
        int action, from, to;
    } const cases[] = {
        {"down to the row the page cut off", SB_PAGEDOWN, 0, 240},
        {"and again", SB_PAGEDOWN, 240, 480},
        {"from a thumb between lines: from the line shown first", SB_PAGEDOWN, 250, 500},
        {"onto the tall row", SB_PAGEDOWN, 400, 580},
        {"a row taller than the page: the next row", SB_PAGEDOWN, 580, 1080},
        {"no further than the range", SB_PAGEDOWN, s.page.m_nVertRange - 30, s.page.m_nVertRange},
        {"up: the line a page before", SB_PAGEUP, 480, 240},
        {"up from 240 to the top", SB_PAGEUP, 240, 0},
        {"up over a row taller than the page: that row", SB_PAGEUP, 1080, 580},
        {"up at the top stays", SB_PAGEUP, 0, 0},
    };
    for (const Case& c : cases) {
        s.page.m_nVertPos = c.from;
        EXPECT_EQ(ScrollPosition(s.page, false, c.action, page, 0), c.to) << c.name;
    }
    // Locked rows shorten the page: the band starts below them.
    s.page.m_nLockedRows = 2;
    EXPECT_EQ(PageSize(s.page, false, 268), 268 - 25 - 40);
    EXPECT_EQ(PageSize(s.page, false, 30), 1) << "no room: one pixel";
}

TEST(CellGeometry, TheCellsMoveByTheLinesAPositionScrollsAway)
{
    // Rows of 20 px but row 4 of 50, below a fixed row and two locked rows that never scroll.
    CellSheet s(30, 5, 1, 1);
    s.page.m_nLockedRows = 2;
    s.page.SetRowHeight(4, 50);
    struct Case
    {
        const char* name;
        int from, to, distance;
    } const cases[] = {
        {"a line down", 0, 20, 20},
        {"a position between lines shows the band from the later line", 0, 25, 70},
        {"within the same line nothing moves", 25, 69, 0},
        {"from between lines back to the top", 25, 0, -70},
        {"over the tall row", 20, 70, 50},
        {"past the end: the last row stays", 0, 1000000, 25 * 20 + 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrolledDistance(s.page, false, c.from, c.to), c.distance) << c.name;
    EXPECT_EQ(ScrolledDistance(s.page, true, 0, 1), 70) << "across, a column";
}

TEST(CellGeometry, PositionsComeBackInsideShrunkenRanges)
{
    CellSheet s(100, 50, 1, 1);
    SetScrollRanges(s.page, 400, 300, 16);
    const CPoint ranges(s.page.m_nHorzRange, s.page.m_nVertRange);
    struct Case
    {
        CPoint pos, kept;
    } const cases[] = {
        {{10, 20}, {10, 20}},
        {ranges, ranges},
        {CPoint(ranges.x + 1, ranges.y + 30), ranges},
        {{-20, -1}, {0, 0}},
    };
    for (const Case& c : cases) {
        s.page.m_nHorzPos = c.pos.x;
        s.page.m_nVertPos = c.pos.y;
        SetScrollRanges(s.page, 400, 300, 16);
        EXPECT_EQ(CPoint(s.page.m_nHorzPos, s.page.m_nVertPos), c.pos) << "the ranges alone change";
        EXPECT_EQ(PositionsInRange(s.page), c.kept) << c.pos.x << "," << c.pos.y;
    }
    // A client that shows every row and column leaves no range: the top left comes back.
    s.page.m_nHorzPos = 50;
    s.page.m_nVertPos = 50;
    SetScrollRanges(s.page, 5000, 3000, 16);
    EXPECT_EQ(PositionsInRange(s.page), CPoint(0, 0));
}

TEST(CellGeometry, SizesStayWithinAnIntAndScrollOffsetsDoNotWrap)
{
    CellSheet s(3, 3, 1, 0);
    const int64_t max = CNorvakPage::kMaxExtent;
    EXPECT_FALSE(s.page.SetRowHeight(0, int(max)));
    EXPECT_TRUE(s.page.SetRowHeight(0, int(max - 40)));
    EXPECT_FALSE(s.page.SetRowHeight(1, 21));
    EXPECT_FALSE(s.page.SetBodyRowHeights(21));
    EXPECT_FALSE(InsertRow(s.page, s.cells, 3, s.factory).bOk);
    EXPECT_FALSE(SetRowCount(s.page, s.cells, 4, s.factory).bOk);
    EXPECT_EQ(s.page.m_nRows, 3);
    EXPECT_EQ(CNorvakPage::Extent(s.page.m_rowHeights, 3), max);
    SetScrollRanges(s.page, 400, 300, 16);
    EXPECT_EQ(s.page.m_nVertRange, max - 300 + 40);
    s.page.m_nVertPos = s.page.m_nVertRange;
    CCellGeometry g(s.page, {400, 300});
    CRect rect;
    ASSERT_TRUE(g.GetCellRect(2, 0, rect));
    EXPECT_GT(rect.bottom, rect.top);
    EXPECT_EQ(g.GetCellFromPt(CPoint(5, 5)), CCellCoord(0, 0));

    // A merge across the last locked row, 68,000 rows below it: scrolled that far, the part past
    // the boundary is out of view (a count kept in 16 bits would have wrapped to 2,464).
    CellSheet tall(70001, 3, 1, 1);
    tall.page.m_nLockedRows = 1;
    MarkMerge(tall.page, tall.cells, 1, 1, 60000, 1);
    tall.page.m_nVertPos = 20 * 68000;
    CCellGeometry tg(tall.page, {400, 300});
    EXPECT_EQ(tg.GetTopLeftNonFixedCell(), CCellCoord(68002, 1));
    AdjustMergesToLockedArea(tall.page, tall.cells, tg);
    EXPECT_FALSE(tall.Cell(1, 1).IsMergedBelow());

    // A dragged thumb takes the bar's full 32-bit track position, not the message's 16 bits;
    // a released thumb moves nothing further.
    SetScrollRanges(tall.page, 400, 300, 16);
    EXPECT_EQ(ScrollPosition(tall.page, false, SB_THUMBTRACK, 280, 1360000), 1360000);
    EXPECT_EQ(ScrollPosition(tall.page, false, SB_THUMBPOSITION, 280, 1360000), std::nullopt);
}

} // namespace
