// The fifteen line styles as pens: dash runs probed in a DIB section, width capping, textured and
// caller-patterned pens, and no leaked GDI object.

#include "drawing/CPenMaker.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"

#include <string>

namespace {

// Ink along row y from x = 0 to 119 after a line from (0, y) to (120, y), as a string of '#'/'.'.
std::string Stroke(int style, int width = 1, HBITMAP pattern = nullptr)
{
    DrawingCanvas canvas(130, 20);
    CPen pen;
    CPenMaker().CreateLinePen(pen, style, width, RGB(0, 0, 255), 0, 0, pattern);
    if (!pen.GetSafeHandle())
        return "no pen";
    CSelectObject select(*canvas.dc(), pen);
    canvas.dc()->MoveTo(0, 10);
    canvas.dc()->LineTo(120, 10);
    std::string row;
    for (int x = 0; x < 120; ++x)
        row += canvas.IsInk(x, 10) ? '#' : '.';
    return row;
}

std::string Repeat(const std::string& unit, size_t length)
{
    std::string out;
    while (out.size() < length)
        out += unit;
    return out.substr(0, length);
}

} // namespace

TEST(PenMaker, DashedStylesDrawTheirDashesAndGaps)
{
    struct Case
    {
        int style;
        std::string period;
    };
    const Case cases[] = {
        {2, std::string(18, '#') + std::string(4, '.')},
        {3, "#####..."},
        {4, "#########....###...."},
        {6, "#."},
        {7, "#..."},
        {9, "######..#.."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Stroke(c.style), Repeat(c.period, 120))
            << "style " << c.style << " " << CPenMaker::StyleName(c.style);
}

TEST(PenMaker, EveryStyleHasGapsExactlyWhenItIsNotSolid)
{
    EXPECT_EQ(Stroke(0), std::string(120, '.')) << "NULL draws nothing";
    EXPECT_EQ(Stroke(1), std::string(120, '#')) << "实线 has no gap";
    for (int style = 2; style <= 10; ++style) {
        std::string row = Stroke(style);
        EXPECT_NE(row.find('#'), std::string::npos) << style;
        EXPECT_NE(row.find('.'), std::string::npos) << style;
    }
    for (int style = 11; style <= 14; ++style) {
        // A textured pen 8 wide shows its cell: ink and gaps along one row of it.
        std::string row = Stroke(style, 8);
        EXPECT_NE(row.find('#'), std::string::npos) << style;
        EXPECT_NE(row.find('.'), std::string::npos) << style;
    }
}

TEST(PenMaker, WidthIsCappedAtTenAndZeroPassesThrough)
{
    for (auto [style, asked, expected] : {std::tuple{1, 25, 10}, {1, 0, 0}, {2, 11, 10}, {12, 40, 10}}) {
        CPen pen;
        CPenMaker().CreateLinePen(pen, style, asked, RGB(1, 2, 3));
        ASSERT_NE(pen.GetSafeHandle(), nullptr) << style;
        alignas(EXTLOGPEN) BYTE buffer[256] = {}; // room for the dash entries
        ASSERT_NE(::GetObjectW(pen.GetSafeHandle(), sizeof(buffer), buffer), 0);
        EXPECT_EQ(reinterpret_cast<EXTLOGPEN*>(buffer)->elpWidth, DWORD(expected))
            << "style " << style << " width " << asked;
    }
}

TEST(PenMaker, StylesAboveFourteenNeedTheCallersBitmap)
{
    EXPECT_EQ(Stroke(15), "no pen");
    CBitmap cell;
    DWORD* bits = nullptr;
    ASSERT_TRUE(cell.CreateDIBSection32(8, 8, &bits));
    for (int i = 0; i < 64; ++i)
        bits[i] = 0xFF0000;
    EXPECT_EQ(Stroke(15, 2, cell), std::string(120, '#'));
    CPen pen;
    CPenMaker().CreateLinePen(pen, -3, 1, 0);
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);
}

TEST(PenMaker, ThousandPensOfEveryStyleLeakNothing)
{
    CBitmap cell;
    ASSERT_TRUE(cell.CreateDIBSection32(8, 8));
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i)
        for (int style = 0; style <= 15; ++style) {
            CPen pen;
            CPenMaker().CreateLinePen(pen, style, i % 12, RGB(i, 0, 0), 0, 0, cell);
        }
    EXPECT_EQ(GdiObjectCount(), before);
}
