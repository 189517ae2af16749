// Writes a picture of the standalone grid window with a column chart floating over its cells, the
// chart drawn by the whole-chart drawer the control library gives the grid, as a PNG file for
// people to look at.
//     grid_samples <file.png>

#include "chartdraw/WholeChartPainter.h"
#include "gridwnd/GridCtrl.h"
#include "tests/support/GridCharts.h"
#include "tests/support/PngFile.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 360;
constexpr COLORREF kSeries[3] = {RGB(70, 110, 190), RGB(200, 90, 60), RGB(110, 170, 80)};

class SampleGrid : public CGridCtrl
{
public:
    void Draw(CDC* pDC) { OnDraw(pDC); }
};

// Headings, the chart's figures in the first rows and a column of totals.
void FillSample(SampleGrid& grid)
{
    grid.SetRowCount(20);
    grid.SetColumnCount(9);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int row = 0; row < 20; ++row)
        grid.SetRowHeight(row, 20);
    grid.SetColumnWidth(0, 40);
    for (int col = 1; col < 9; ++col)
        grid.SetColumnWidth(col, 60);
    const char* headings[] = {"", "地区", "一月", "二月", "合计", "E", "F", "G", "H"};
    for (int col = 0; col < 9; ++col)
        grid.SetItemText(0, col, headings[col]);
    for (int row = 1; row < 20; ++row)
        grid.SetItemText(row, 0, std::to_string(row).c_str());
    const char* names[] = {"华东", "华北", "华南"};
    const int figures[3][2] = {{120, 95}, {80, 60}, {45, 110}};
    for (int s = 0; s < 3; ++s) {
        grid.SetItemText(s + 1, 1, names[s]);
        grid.SetItemText(s + 1, 2, std::to_string(figures[s][0]).c_str());
        grid.SetItemText(s + 1, 3, std::to_string(figures[s][1]).c_str());
        grid.SetItemText(s + 1, 4, std::to_string(figures[s][0] + figures[s][1]).c_str());
    }
    grid.SetTextBkColor(RGB(255, 255, 255));
    grid.SetTextColor(RGB(0, 0, 0));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: grid_samples <file.png>\n");
        return 2;
    }
    CGridCtrl::SetChartDrawer(&DrawChartWithModuleTables);
    SampleGrid grid;
    if (!grid.Create(CRect(0, 0, kWidth, kHeight), nullptr, 0, WS_POPUP)) {
        std::fprintf(stderr, "grid_samples: no grid window\n");
        return 1;
    }
    FillSample(grid);
    grid.AddChart(MakeColumnGridChart(CRect(100, 95, 500, 345), kSeries));

    CBitmap bitmap;
    DWORD* bits = nullptr;
    CDC dc;
    if (!bitmap.CreateDIBSection32(kWidth, kHeight, &bits) || !dc.CreateCompatibleDC(static_cast<HDC>(nullptr)))
        return 1;
    {
        CSelectObject select(dc, bitmap);
        grid.Draw(&dc);
        ::GdiFlush();
    }
    const std::vector<DWORD> pixels(bits, bits + kWidth * kHeight);
    if (!SavePng(CString(argv[1]).ToWide().c_str(), pixels, kWidth, kHeight)) {
        std::fprintf(stderr, "grid_samples: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s\n", argv[1]);
    return 0;
}
