// Writes a sample page, painted by the page painter, as a PNG for people to look at: a merged
// title, coloured headings, figures, a red figure, a dashed line, a selection with its focus.
//     page_samples <file.png>

#include "sheet/model/RowColumnOps.h"
#include "sheet/paint/PagePainter.h"
#include "tests/support/MergeFixture.h"
#include "tests/support/PngFile.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// 14 rows and 8 columns, one fixed row 20 high and one fixed column 30 wide; body columns 50 wide.
void FillSample(CNorvakPage& page, CNorvakPageCells& cells)
{
    CDefaultCellFactory factory(page, cells);
    SheetModel::SetColumnCount(page, cells, 8, factory);
    SheetModel::SetRowCount(page, cells, 14, factory);
    SheetModel::SetFixedRowCount(page, cells, 1, factory);
    SheetModel::SetFixedColumnCount(page, cells, 1, factory);
    for (int& width : page.m_colWidths)
        width = 50;
    page.m_colWidths[0] = 30;
    for (int& height : page.m_rowHeights)
        height = 20;
    page.m_crTextBkColor = RGB(255, 255, 255);
    page.m_crFixedBkColor = RGB(0xE0, 0xE0, 0xE0);

    auto cell = [&](int row, int col) -> CNorvakCell& { return *cells.EditCell(row, col); };
    const char* headers[] = {"", "A", "B", "C", "D", "E", "F", "G"};
    for (int col = 1; col < 8; ++col)
        cell(0, col).SetText(headers[col]);
    for (int row = 1; row < 14; ++row)
        cell(row, 0).SetText(std::to_string(row).c_str());
    MarkMerge(page, cells, 1, 1, 1, 4);
    cell(1, 1).SetText("季度销售汇总");
    cell(1, 1).EditFont().crBackground = RGB(255, 255, 200);
    const char* names[] = {"产品", "一月", "二月", "三月"};
    for (int col = 1; col <= 4; ++col) {
        cell(2, col).SetText(names[col - 1]);
        cell(2, col).EditFont().crBackground = RGB(200, 220, 255);
        cell(2, col).SetHorLineColor(RGB(0, 0, 160));
        cell(2, col).SetHorLineWidth(2);
    }
    for (int row = 3; row < 7; ++row) {
        cell(row, 1).SetText(("型号" + std::to_string(row - 2)).c_str());
        for (int col = 2; col <= 4; ++col)
            cell(row, col).SetText(std::to_string(row * 37 + col * 11).c_str());
    }
    cell(4, 3).EditFont().crText = RGB(200, 0, 0);
    cell(6, 1).SetVerLineStyle(6);
    cell(6, 1).SetVerLineColor(RGB(0, 128, 0));
    for (int row = 3; row <= 4; ++row)
        for (int col = 2; col <= 3; ++col)
            page.m_selectedCells.Add(CCellCoord(row, col));
    page.m_focusCell = CCellCoord(3, 2);
}

// The page painted into a 32-bpp bitmap, as 0x00RRGGBB pixels.
std::vector<DWORD> Paint(const CNorvakPage& page, const CNorvakPageCells& cells)
{
    CBitmap bitmap;
    DWORD* bits = nullptr;
    CDC dc;
    if (!bitmap.CreateDIBSection32(kWidth, kHeight, &bits) ||
        !dc.CreateCompatibleDC(static_cast<HDC>(nullptr)))
        return {};
    CSelectObject select(dc, bitmap);
    dc.FillSolidRect(CRect(0, 0, kWidth, kHeight), RGB(255, 255, 255));
    CPaintView view;
    view.client = CRect(0, 0, kWidth, kHeight);
    CPagePainter(page, cells, view).DrawPage(&dc, view.client);
    ::GdiFlush();
    return std::vector<DWORD>(bits, bits + kWidth * kHeight);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: page_samples <file.png>\n");
        return 2;
    }
    CNorvakPage page(0, "Sheet1", 0);
    CNorvakPageCells cells(0);
    FillSample(page, cells);
    const std::vector<DWORD> pixels = Paint(page, cells);
    if (!SavePng(CString(argv[1]).ToWide().c_str(), pixels, kWidth, kHeight)) {
        std::fprintf(stderr, "page_samples: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s\n", argv[1]);
    return 0;
}
