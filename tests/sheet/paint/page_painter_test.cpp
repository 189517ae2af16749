// Painting of a page probed pixel by pixel: grid lines where the sizes put them, merged areas,
// line styles and colours, cell colours and texts, header cells, locked panes after scrolling,
// the selection frame with its fill handle, and the full-page texts.

#include "sheet/model/CellGeometry.h"
#include "sheet/paint/PagePainter.h"
#include "sheet/model/RowColumnOps.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"
#include "tests/support/MergeFixture.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace SheetModel;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrid = kDefaultLineColor;
constexpr COLORREF kFixedBk = RGB(0xE0, 0xE0, 0xE0);
constexpr int kWidth = 400;
constexpr int kHeight = 300;

// A page of 12 rows and 8 columns, one fixed row of height 20 and one fixed column of width 30;
// body columns 50 wide, rows 20 high.
struct PaintedPage
{
    CNorvakPage page{0, "Sheet1", 0};
    CNorvakPageCells cells{0};
    CDefaultCellFactory factory{page, cells};
    DrawingCanvas canvas{kWidth, kHeight};
    CPaintView view;

    explicit PaintedPage(int rows = 12, int cols = 8)
    {
        EXPECT_TRUE(SetColumnCount(page, cells, cols, factory).bOk);
        EXPECT_TRUE(SetRowCount(page, cells, rows, factory).bOk);
        EXPECT_TRUE(SetFixedRowCount(page, cells, 1, factory).bOk);
        EXPECT_TRUE(SetFixedColumnCount(page, cells, 1, factory).bOk);
        for (int& width : page.m_colWidths)
            width = 50;
        page.m_colWidths[0] = 30;
        for (int& height : page.m_rowHeights)
            height = 20;
        page.m_crTextBkColor = kWhite;
        page.m_crFixedBkColor = kFixedBk;
        view.client = CRect(0, 0, kWidth, kHeight);
    }
    CNorvakCell& Cell(int row, int col) { return *cells.EditCell(row, col); }
    // Left and top pixel of a body cell with nothing locked or scrolled.
    int X(int col) const { return page.m_colWidths[0] + Sum(page.m_colWidths, 1, col); }
    int Y(int row) const { return page.m_rowHeights[0] + Sum(page.m_rowHeights, 1, row); }
    static int Sum(const std::vector<int>& sizes, int from, int to)
    {
        int sum = 0;
        for (int i = from; i < to; ++i)
            sum += sizes[size_t(i)];
        return sum;
    }
    void Merge(int r0, int c0, int r1, int c1) { MarkMerge(page, cells, r0, c0, r1, c1); }
    void SetBackground(int row, int col, COLORREF colour) { Cell(row, col).EditFont().crBackground = colour; }
    void Select(int r0, int c0, int r1, int c1)
    {
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                page.m_selectedCells.Add(CCellCoord(r, c));
    }
    CSelectionFrameState Paint()
    {
        CPagePainter painter(page, cells, view);
        painter.DrawPage(canvas.dc(), view.client);
        return painter.GetSelectionFrame();
    }
    COLORREF At(int x, int y) { return canvas.At(x, y); }
    // Pixels of a colour in a rectangle.
    int CountOf(COLORREF colour, const RECT& r)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == colour;
        return n;
    }
};

} // namespace

TEST(PagePainter, GridLinesFollowWidthsAndHeightsAndTheOutsideIsGrey)
{
    PaintedPage p(12, 7);
    p.page.m_colWidths[2] = 80;
    p.page.m_rowHeights[3] = 35;
    p.Paint();
    for (int col = 1; col < 7; ++col) {
        int line = p.X(col) + p.page.m_colWidths[size_t(col)] - 1;
        EXPECT_EQ(p.At(line, p.Y(2) + 8), kGrid) << "right line of column " << col;
        EXPECT_EQ(p.At(line - 1, p.Y(2) + 8), kWhite) << "inside column " << col;
    }
    for (int row = 1; row < 12; ++row) {
        int line = p.Y(row) + p.page.m_rowHeights[size_t(row)] - 1;
        EXPECT_EQ(p.At(p.X(3) + 20, line), kGrid) << "bottom line of row " << row;
        EXPECT_EQ(p.At(p.X(3) + 20, line - 1), kWhite) << "inside row " << row;
    }
    int gridRight = p.X(7);
    int gridBottom = p.Y(12);
    EXPECT_EQ(p.At(gridRight + 5, 100), CPagePainter::kOutsideColour);
    EXPECT_EQ(p.At(100, gridBottom + 5), CPagePainter::kOutsideColour);
    EXPECT_EQ(p.At(gridRight - 3, gridBottom - 3), kWhite);
}

TEST(PagePainter, MergedAreaIsOneCellWithoutInnerLines)
{
    PaintedPage p;
    p.Merge(2, 2, 4, 3);
    p.SetBackground(2, 2, RGB(0, 200, 0));
    p.Cell(3, 3).EditFont().crBackground = RGB(255, 0, 0); // a covered cell's own colour is not shown
    p.Paint();
    int innerLineX = p.X(3) - 1;
    int innerLineY = p.Y(3) - 1;
    int outerLineX = p.X(4) - 1;
    int outerLineY = p.Y(5) - 1;
    EXPECT_EQ(p.At(innerLineX, p.Y(3) + 5), RGB(0, 200, 0));
    EXPECT_EQ(p.At(p.X(2) + 10, innerLineY), RGB(0, 200, 0));
    EXPECT_EQ(p.At(p.X(3) + 10, p.Y(4) + 10), RGB(0, 200, 0));
    EXPECT_EQ(p.At(outerLineX, p.Y(3) + 5), kGrid);
    EXPECT_EQ(p.At(p.X(2) + 10, outerLineY), kGrid);
    EXPECT_EQ(p.At(p.X(2) - 1, p.Y(3) + 5), kGrid); // left neighbour's right line
    EXPECT_EQ(p.CountOf(RGB(255, 0, 0), CRect(0, 0, kWidth, kHeight)), 0);
}

TEST(PagePainter, LineStylesWidthsAndColoursOfCellBorders)
{
    struct Case
    {
        BYTE style;
        BYTE width;
        COLORREF colour;
        const char* pattern; // along the bottom line, which starts a pixel left of the cell
        int thickness;       // rows of the colour at the cell's middle
    };
    const Case cases[] = {
        {1, 1, RGB(255, 0, 0), "############", 1},   {0, 1, RGB(255, 0, 0), "............", 0},
        {6, 1, RGB(0, 0, 255), ".#.#.#.#.#.#", 1},   {3, 1, RGB(0, 128, 0), "####...#####", 1},
        {1, 3, RGB(128, 0, 128), "############", 3},
    };
    for (const Case& c : cases) {
        PaintedPage p;
        CNorvakCell& cell = p.Cell(4, 2);
        cell.SetHorLineStyle(c.style);
        cell.SetHorLineWidth(c.width);
        cell.SetHorLineColor(c.colour);
        p.Paint();
        int y = p.Y(5) - 1;
        std::string drawn;
        for (int x = p.X(2); x < p.X(2) + 12; ++x)
            drawn += p.At(x, y) == c.colour ? '#' : '.';
        EXPECT_EQ(drawn, c.pattern) << "style " << int(c.style);
        int thickness = 0;
        for (int dy = -3; dy <= 3; ++dy)
            thickness += p.At(p.X(2) + 19, y + dy) == c.colour; // on a dash
        EXPECT_EQ(thickness, c.thickness) << "style " << int(c.style) << " width " << int(c.width);
    }
}

TEST(PagePainter, CellBackgroundsSelectionFocusAndTextColours)
{
    struct Case
    {
        COLORREF background;
        WORD state;
        COLORREF expected;
    };
    const Case cases[] = {
        {RGB(0, 255, 0), 0, RGB(0, 255, 0)},
        {kNoBackground, 0, kWhite}, // the page's cell background shows
        {kNoTextColor, 0, kWhite},  // "white" draws nothing over the page background
        {kNoBackground, CIS_SELECTED, CNorvakPage::kSelectionColor},
        {RGB(0, 0, 200), CIS_SELECTED, RGB(0, 0, 200)},
        {kNoBackground, CIS_SELECTED | CIS_FOCUSED, kWhite},
        {RGB(9, 9, 9), CIS_SELECTED | CIS_FOCUSED, RGB(9, 9, 9)},
    };
    for (const Case& c : cases) {
        PaintedPage p;
        p.page.m_crTextBkColor = kWhite;
        p.SetBackground(3, 3, c.background);
        p.Cell(3, 3).SetState(c.state);
        if (c.state & CIS_SELECTED)
            p.Select(3, 3, 3, 3);
        if (c.state & CIS_FOCUSED)
            p.page.m_focusCell = CCellCoord(3, 3);
        p.Paint();
        EXPECT_EQ(p.At(p.X(3) + 2, p.Y(3) + 2), c.expected) << std::hex << c.background << " " << c.state;
    }

    PaintedPage p;
    p.Cell(2, 2).SetText("文字");
    p.Cell(2, 2).EditFont().crText = RGB(255, 0, 0);
    p.Cell(2, 3).SetText("文字");
    p.page.m_crTextColor = RGB(0, 0, 255);
    p.Paint();
    CRect first(p.X(2), p.Y(2), p.X(3) - 1, p.Y(3) - 1);
    CRect second(p.X(3), p.Y(2), p.X(4) - 1, p.Y(3) - 1);
    EXPECT_GT(p.CountOf(RGB(255, 0, 0), first), 10);
    EXPECT_GT(p.CountOf(RGB(0, 0, 255), second), 10);
    EXPECT_EQ(p.CountOf(RGB(0, 0, 255), first), 0);
}

TEST(PagePainter, MergedAreaShowsItsFocusAndSelectionColour)
{
    PaintedPage p;
    p.Merge(2, 2, 3, 3);
    p.Select(2, 2, 3, 3);
    p.Paint();
    EXPECT_EQ(p.At(p.X(3) + 5, p.Y(3) + 5), CNorvakPage::kSelectionColor);
    PaintedPage focused;
    focused.Merge(2, 2, 3, 3);
    focused.Select(2, 2, 3, 3);
    focused.page.m_focusCell = CCellCoord(3, 3); // focus inside the area: the origin's own colour
    focused.Paint();
    EXPECT_EQ(focused.At(focused.X(3) + 5, focused.Y(3) + 5), kWhite);
}

TEST(PagePainter, HeaderCellsAndTheMarkingOfSelectedRowsAndColumns)
{
    PaintedPage p;
    p.Select(3, 2, 4, 2);
    p.view.nTargetMode = kTargetNothing;
    p.Paint();
    // Column header of the selected column, row header of a selected row: filled.
    EXPECT_EQ(p.At(p.X(2) + 20, 10), CPagePainter::kHighlightedHeaderColour);
    EXPECT_EQ(p.At(10, p.Y(4) + 10), CPagePainter::kHighlightedHeaderColour);
    // Other headers keep the fixed background with grey outlines.
    EXPECT_EQ(p.At(p.X(4) + 20, 10), kFixedBk);
    EXPECT_EQ(p.At(p.X(4) - 1, 10), CPagePainter::kOutsideColour);
    EXPECT_EQ(p.At(10, p.Y(6) - 1), CPagePainter::kOutsideColour);
    EXPECT_EQ(p.At(10, p.Y(6) + 10), kFixedBk);

    struct Case
    {
        BYTE style;
        COLORREF atLeftEdge; // of the highlighted column header
    };
    const Case styles[] = {{0, kFixedBk}, {1, GetSysColor(COLOR_BTNHIGHLIGHT)}, {2, RGB(0xAA, 0xAA, 0xAA)}};
    for (const Case& c : styles) {
        PaintedPage q;
        q.page.m_nHeadSelectedStyle = c.style;
        q.Select(3, 2, 3, 2);
        q.view.nTargetMode = kTargetNothing;
        q.Paint();
        EXPECT_EQ(q.At(q.X(2), 10), c.atLeftEdge) << int(c.style);
        EXPECT_EQ(q.At(q.X(2) + 20, 10), kFixedBk) << int(c.style);
        // Style 1 alone draws a dotted focus rectangle two pixels inside the header.
        int dotted = 0;
        for (int y = 3; y < 17; ++y)
            dotted += q.At(q.X(2) + 2, y) != kFixedBk;
        EXPECT_EQ(dotted >= 5, c.style == 1) << int(c.style) << " dotted " << dotted;
    }
}

TEST(PagePainter, MergedHeaderCellsAreDrawnOnceWithTheirTextAcross)
{
    PaintedPage p;
    p.Merge(0, 2, 0, 3);
    p.Cell(0, 2).SetText("合并标题");
    p.view.nTargetMode = kTargetNothing;
    p.Paint();
    EXPECT_EQ(p.At(p.X(3) - 1, 3), kFixedBk) << "no outline between the merged headers";
    EXPECT_EQ(p.At(p.X(2) - 1, 3), CPagePainter::kOutsideColour) << "the area keeps its own outline";
    const int leftInk = p.CountOf(GetSysColor(COLOR_WINDOWTEXT), CRect(p.X(2), 0, p.X(3), 20));
    const int rightInk = p.CountOf(GetSysColor(COLOR_WINDOWTEXT), CRect(p.X(3), 0, p.X(4), 20));
    EXPECT_GT(leftInk, 10);
    EXPECT_GT(rightInk, 10) << "the text is centred across the whole area";
}

TEST(PagePainter, LockedPanesStayWhileTheRestScrolls)
{
    PaintedPage p(30, 8);
    p.page.m_nLockedRows = 2;   // rows 1 and 2
    p.page.m_nLockedCols = 1;   // column 1
    p.page.m_nVertPos = 3 * 20; // rows 3, 4, 5 scrolled away
    p.page.m_nHorzPos = 2 * 50; // columns 2, 3 scrolled away
    for (int row = 1; row < 30; ++row)
        for (int col = 1; col < 8; ++col)
            p.SetBackground(row, col, RGB(row * 8, col * 30, 100));
    p.view.nTargetMode = kTargetNothing;
    p.Paint();
    auto colour = [](int row, int col) { return RGB(row * 8, col * 30, 100); };
    struct Case
    {
        int x, y; // a point inside the shown cell
        int row, col;
    };
    const Case cases[] = {
        {35, 25, 1, 1}, {35, 45, 2, 1},   // locked both
        {85, 25, 1, 4}, {135, 45, 2, 5},  // locked rows over scrolled columns
        {35, 65, 6, 1}, {35, 85, 7, 1},   // locked column beside scrolled rows
        {85, 65, 6, 4}, {185, 105, 8, 6}, // scrolled both
    };
    for (const Case& c : cases)
        EXPECT_EQ(p.At(c.x, c.y), colour(c.row, c.col)) << c.x << "," << c.y;
    // The freeze lines: blue dashes along the last locked row's and column's lines.
    EXPECT_GT(p.CountOf(CPagePainter::kFreezeLineColour, CRect(30, 59, kWidth, 60)), 100);
    EXPECT_GT(p.CountOf(CPagePainter::kFreezeLineColour, CRect(79, 20, 80, kHeight)), 80);
}

TEST(PagePainter, MergeAcrossTheFreezeLineShowsInEveryPane)
{
    PaintedPage p(30, 8);
    p.page.m_nLockedRows = 2;
    p.page.m_nLockedCols = 1;
    p.Merge(2, 1, 4, 2); // rows 2 (locked) to 4, columns 1 (locked) to 2
    p.SetBackground(2, 1, RGB(0, 200, 0));
    p.view.nTargetMode = kTargetNothing;
    p.Paint();
    const POINT inside[] = {{35, 45}, {85, 45}, {35, 65}, {85, 85}};
    for (const POINT& at : inside)
        EXPECT_EQ(p.At(at.x, at.y), RGB(0, 200, 0)) << at.x << "," << at.y;

    // Scrolled so the area's scrolling part has gone: its locked rows still show it, and the rows
    // that scrolled in keep their own look.
    PaintedPage s(30, 8);
    s.page.m_nLockedRows = 2;
    s.Merge(2, 2, 5, 3);
    s.SetBackground(2, 2, RGB(0, 200, 0));
    s.page.m_nVertPos = 4 * 20;
    s.view.nTargetMode = kTargetNothing;
    s.Paint();
    EXPECT_EQ(s.At(s.X(2) + 10, 45), RGB(0, 200, 0));
    EXPECT_EQ(s.At(s.X(2) + 10, 25), kWhite);
    EXPECT_EQ(s.At(s.X(2) + 10, 65), kWhite); // row 7
}

TEST(PagePainter, PictureOfAScrolledMergeStaysInsideItsPane)
{
    PaintedPage p(30, 8);
    p.page.m_nLockedRows = 1;
    p.Merge(3, 2, 6, 2);
    HBITMAP red = nullptr;
    {
        DWORD* bits = nullptr;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        red = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        for (int i = 0; i < 64; ++i)
            bits[i] = 0xFF0000;
    }
    p.Cell(3, 2).SetBitmap(red);
    p.Cell(3, 2).SetPicturePlacement(1);
    p.page.m_nVertPos = 2 * 20; // rows 2 and 3 scrolled away: the area reaches above its pane
    p.view.nTargetMode = kTargetNothing;
    p.Paint();
    EXPECT_EQ(p.CountOf(RGB(255, 0, 0), CRect(p.X(2), 0, p.X(3) - 1, 40)), 0); // header and locked row
    EXPECT_EQ(p.At(p.X(2) + 10, 50), RGB(255, 0, 0));
    EXPECT_EQ(p.At(p.X(2) + 10, 95), RGB(255, 0, 0));
    p.Cell(3, 2).SetBitmap(nullptr);
    ::DeleteObject(red);
}

TEST(PagePainter, SelectionFrameWithItsFillHandle)
{
    PaintedPage p;
    p.Select(2, 2, 3, 3);
    CSelectionFrameState frame = p.Paint();
    int L = p.X(2) - 1, T = p.Y(2) - 1, R = p.X(4) - 1, B = p.Y(4) - 1;
    EXPECT_EQ(frame.rect, CRect(L - 1, T - 1, R + 2, B + 2));
    EXPECT_TRUE(frame.bTopVisible);
    EXPECT_TRUE(frame.bLeftVisible);
    struct Case
    {
        int x, y;
        bool inverted;
    };
    const Case probes[] = {
        {L + 20, T - 1, true}, {L + 20, T + 1, true},  {L + 20, T + 2, false}, // top band
        {L - 1, T + 20, true}, {L + 1, T + 20, true},  {L + 2, T + 20, false}, // left band
        {R + 1, T + 20, true}, {R + 2, T + 20, false},                         // right band
        {L + 20, B + 1, true}, {L + 20, B + 2, false},                         // bottom band
        {R + 2, B + 2, true},  {R - 2, B - 2, true},                           // fill handle
        {R - 3, B, false},     {R, B - 3, false},                              // its gaps
    };
    for (const Case& c : probes) {
        COLORREF at = p.At(c.x, c.y);
        bool dark = GetRValue(at) < 0x80 && GetGValue(at) < 0x80 && GetBValue(at) < 0x80;
        EXPECT_EQ(dark, c.inverted) << c.x - L << "," << c.y - T << " " << std::hex << at;
    }
    // Selected cells show the selection colour inside the frame.
    EXPECT_EQ(p.At(p.X(3) + 10, p.Y(3) + 10), CNorvakPage::kSelectionColor);
}

TEST(PagePainter, HiddenAndClosedPagesShowOnlyTheirText)
{
    struct Case
    {
        int opened;
        int visible;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, CPagePainter::kHiddenPageText},
        {0, 1, CPagePainter::kClosedPageText},
        {0, 0, CPagePainter::kClosedPageText},
    };
    for (const Case& c : cases) {
        PaintedPage p;
        p.page.m_bOpened = c.opened;
        p.page.m_bContentVisible = c.visible;
        p.SetBackground(5, 5, RGB(0, 255, 0));
        p.Paint();
        EXPECT_EQ(p.CountOf(kGrid, CRect(0, 0, kWidth, kHeight)), 0);
        EXPECT_EQ(p.CountOf(RGB(0, 255, 0), CRect(0, 0, kWidth, kHeight)), 0);
        // Ink spans the width of the text in its font, centred.
        int minX = kWidth, maxX = -1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (p.At(x, y) == RGB(0, 0, 0)) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                }
        CFont font;
        LOGFONTA lf{};
        lf.lfHeight = 38;
        lf.lfWeight = 450;
        strcpy(lf.lfFaceName, "楷体");
        font.CreateFontIndirect(&lf);
        CSelectObject select(*p.canvas.dc(), font);
        int width = p.canvas.dc()->GetTextExtent(c.text).cx;
        ASSERT_GT(maxX, minX) << c.text;
        EXPECT_NEAR(maxX - minX + 1, width, 10) << c.text;
        EXPECT_NEAR((minX + maxX) / 2, kWidth / 2, 4) << c.text;
    }
}

TEST(PagePainter, PaintingKeepsCellsAndLeaksNothing)
{
    PaintedPage p;
    p.Merge(0, 2, 0, 4); // a header merge
    p.Cell(0, 2).SetText("标题");
    p.Merge(3, 3, 5, 5);
    p.Select(2, 2, 6, 6);
    p.Cell(4, 4).SetText("x");
    DWORD before = GdiObjectCount();
    for (int i = 0; i < 3; ++i)
        p.Paint();
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_EQ(p.Cell(0, 2).GetTextFormat(), CNorvakCell::kDefaultTextFormat);
    EXPECT_EQ(p.Cell(3, 3).GetRowSpan(), 2);
    EXPECT_STREQ(p.Cell(0, 2).GetTextPtr(), "标题");
}

TEST(PagePainter, PicturePlacementsInACell)
{
    struct Case
    {
        BYTE placement;
        POINT topLeft; // of the 10 x 10 picture in the cell (10, 10, 70, 50); x < 0: covers the cell
        int textLeft;
    };
    const Case cases[] = {
        {0, {35, 25}, 10},   {3, {10, 10}, 20}, {4, {35, 10}, 10}, {5, {60, 10}, 10},  {6, {10, 25}, 20},
        {7, {60, 25}, 10},   {8, {10, 40}, 20}, {9, {35, 40}, 10}, {10, {60, 40}, 10}, {11, {10, 25}, 20},
        {200, {10, 25}, 20}, {1, {-1, -1}, 10}, {2, {-1, -1}, 10},
    };
    CBitmap red;
    DWORD* bits = nullptr;
    ASSERT_TRUE(red.CreateDIBSection32(10, 10, &bits));
    std::fill(bits, bits + 100, 0xFF0000u);
    for (const Case& c : cases) {
        PaintedPage p;
        CPagePainter painter(p.page, p.cells, p.view);
        int textLeft = painter.DrawBitmapInCell(p.canvas.dc(), 10, 10, 70, 50, c.placement, red);
        EXPECT_EQ(textLeft, c.textLeft) << int(c.placement);
        CRect picture = c.topLeft.x < 0 ? CRect(10, 10, 70, 50)
                                        : CRect(c.topLeft.x, c.topLeft.y, c.topLeft.x + 10, c.topLeft.y + 10);
        EXPECT_EQ(p.CountOf(RGB(255, 0, 0), picture), picture.Width() * picture.Height()) << int(c.placement);
        EXPECT_EQ(p.CountOf(RGB(255, 0, 0), CRect(0, 0, kWidth, kHeight)), picture.Width() * picture.Height())
            << int(c.placement);
    }
}

TEST(PagePainter, RangeFrameDragRegionAndHiddenCells)
{
    PaintedPage p;
    p.view.nTargetMode = kTargetRangeFrame;
    p.view.rangeFrame = CCellRect(2, 2, 4, 3);
    p.view.bRangeDoubleLine = TRUE;
    CRgn drag;
    drag.CreateRectRgn(250, 150, 300, 200);
    p.view.hDragRegion = drag;
    CPagePainter painter(p.page, p.cells, p.view);
    painter.DrawPage(p.canvas.dc(), p.view.client);
    int left = p.X(2) - 1, top = p.Y(2) - 1, right = p.X(4) - 1, bottom = p.Y(5) - 1;
    constexpr COLORREF blue = CPagePainter::kFreezeLineColour;
    EXPECT_EQ(p.At(left + 15, top), blue);
    EXPECT_EQ(p.At(left + 15, top + 1), blue); // the double line
    EXPECT_EQ(p.At(right, top + 12), blue);
    EXPECT_EQ(p.CountOf(blue, CRect(right - 3, bottom - 3, right + 3, bottom + 3)), 36); // corner handle
    EXPECT_EQ(painter.GetRangeFrameRect(), CRect(left, top, right + 1, bottom + 1));
    EXPECT_EQ(painter.GetRangeHandleRects()[4], CRect(right - 4, bottom - 4, right + 4, bottom + 4));
    EXPECT_TRUE(painter.GetSelectionFrame().rect.IsRectEmpty());
    int halftone = p.CountOf(kWhite, CRect(250, 150, 300, 200));
    EXPECT_LT(halftone, 50 * 50);

    PaintedPage hidden;
    hidden.page.m_bShowCells = 0;
    hidden.page.m_nLockedRows = 2;
    hidden.SetBackground(3, 3, RGB(0, 255, 0));
    hidden.Paint();
    EXPECT_EQ(hidden.CountOf(kGrid, CRect(0, 0, kWidth, kHeight)), 0);
    EXPECT_EQ(hidden.CountOf(RGB(0, 255, 0), CRect(0, 0, kWidth, kHeight)), 0);
    EXPECT_GT(hidden.CountOf(CPagePainter::kFreezeLineColour, CRect(0, 0, kWidth, kHeight)), 100);
    EXPECT_EQ(hidden.At(5, 5), kFixedBk);
}

namespace {

// Records the order charts are drawn in; charts 1 and 3 lie on top.
class ChartOrderPainter : public CPagePainter
{
public:
    using CPagePainter::CPagePainter;
    std::vector<int> drawn;
    void DrawPageChart(CDC*, int chart) override { drawn.push_back(chart); }
    BOOL IsPageChartOnTop(int chart) override { return chart == 1 || chart == 3; }
};

} // namespace

TEST(PagePainter, ChartsOneAtATimeWithThoseOnTopLast)
{
    PaintedPage p;
    for (int i = 0; i < 5; ++i)
        p.page.m_charts.emplace_back(nullptr, nullptr);
    ChartOrderPainter painter(p.page, p.cells, p.view);
    painter.DrawPage(p.canvas.dc(), p.view.client);
    EXPECT_EQ(painter.drawn, (std::vector<int>{0, 2, 4, 1, 3}));
}

TEST(PagePainter, CellExtentMeasuresHeadersInBold)
{
    PaintedPage p;
    for (auto [row, col] : {std::pair{0, 2}, {3, 2}}) {
        p.Cell(row, col).SetText("宽度测试");
    }
    p.page.m_nCellTextMargin = 2;
    CPagePainter painter(p.page, p.cells, p.view);
    CSize header = painter.GetCellExtent(0, 2, p.canvas.dc());
    CSize body = painter.GetCellExtent(3, 2, p.canvas.dc());
    LOGFONTA lf = p.Cell(3, 2).GetFont().font;
    CFont font;
    font.CreateFontIndirect(&lf);
    CSelectObject select(*p.canvas.dc(), font);
    CSize text = p.canvas.dc()->GetTextExtent("宽度测试");
    EXPECT_EQ(body, CSize(text.cx + 8, text.cy + 4));
    EXPECT_GT(header.cx, body.cx);
    EXPECT_EQ(painter.GetCellExtent(99, 2, p.canvas.dc()), CSize(0, 0));
}

TEST(PagePainter, CellRectanglesAgreeWithTheCellGeometry)
{
    struct Case
    {
        int lockedRows, lockedCols, rowOffset, colOffset, vertPos, horzPos;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0},    {0, 0, 0, 0, 60, 100}, {2, 1, 0, 0, 0, 0},
        {3, 2, 1, 1, 45, 120}, {2, 2, 0, 0, 400, 0},
    };
    for (const Case& c : cases) {
        PaintedPage p(40, 12);
        p.page.m_rowHeights[4] = 33;
        p.page.m_colWidths[3] = 71;
        p.page.m_nLockedRows = WORD(c.lockedRows);
        p.page.m_nLockedCols = WORD(c.lockedCols);
        p.page.m_nLockedRowOffset = WORD(c.rowOffset);
        p.page.m_nLockedColOffset = WORD(c.colOffset);
        p.page.m_nVertPos = c.vertPos;
        p.page.m_nHorzPos = c.horzPos;
        CPagePainter painter(p.page, p.cells, p.view);
        CCellGeometry geometry(p.page, CViewArea{kWidth, kHeight});
        CCellRect shown = geometry.GetVisibleNonFixedCellRange();
        for (int row = 0; row <= shown.maxRow; ++row)
            for (int col = 0; col <= shown.maxCol; ++col) {
                bool shownRow =
                    row < 1 || (row >= 1 + c.rowOffset && row < 1 + c.lockedRows) || row >= shown.minRow;
                bool shownCol =
                    col < 1 || (col >= 1 + c.colOffset && col < 1 + c.lockedCols) || col >= shown.minCol;
                if (!shownRow || !shownCol)
                    continue;
                CRect painted, located;
                ASSERT_TRUE(painter.GetCellRect(row, col, painted));
                ASSERT_TRUE(geometry.GetCellRect(row, col, located));
                EXPECT_EQ(painted, located) << row << "," << col << " case " << c.lockedRows << c.lockedCols
                                            << c.vertPos << "/" << c.horzPos;
            }
    }
}
