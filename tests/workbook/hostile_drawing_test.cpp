// Values a workbook file stores unchanged but that drive drawing, each at a hostile extreme: a
// saved workbook is patched, opened in the control and painted, every case within a time limit of
// its own that fails it by name. Pixel probes show that the bounded drawing still draws what an
// ordinary one draws where it shows: the freeze lines, and a style-3 border cut to the paint keeps
// its dash pattern.

#include "chart/model/PageCharts.h"
#include "tests/support/CaseTimeLimit.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/workbook/FileBytes.h"
#include "tests/workbook/TempFolder.h"
#include "tests/workbook/WriterControl.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr DWORD kLimitMs = 8000;
constexpr DWORD kFreezeBlue = 0x0000FF; // 0xFF0000 as a COLORREF, read back as 0x00RRGGBB
constexpr int kBorderRow = 3, kBorderCol = 2;

// Distinct values the sample is saved with, each to be found once in the file and patched there.
const std::vector<int32_t> kRowHeights = {27, 19, 23, 21};         // rows 0..3
const std::vector<int32_t> kColumnWidths = {71, 69, 67, 73, 68};   // columns 0..4
const std::vector<int32_t> kCellFont = {-13, 0, 0, 0, 401};        // height, width, escapement, orientation, weight
const std::vector<int32_t> kTitleFont = {-15, 0, 0, 0, 403};       // each chart's title
const std::vector<int32_t> kLabelFont = {-14, 0, 0, 0, 405};       // each data point's value label
const std::vector<int32_t> kPointPen = {0x0012ABCD, 3, 3};         // outline colour, width, style
const std::vector<int32_t> kPieSlices = {7, 11, 11, 7};            // explode, depth, depth, explode
const std::vector<int32_t> kLeader = {23, 1, 1};                   // leader length and its two flags
const char kCellText[] = "乙丙丁戊己庚辛壬癸子丑寅卯辰巳午";

struct SampleChart
{
    BYTE type, subType;
    CRect whole;
    int depthX, depthY;
};
// Around the lower right of the view, clear of the probed border and freeze lines.
const SampleChart kCharts[] = {
    {kChartColumn, 3, CRect(401, 251, 593, 421), 37, 29},  {kChartBar, 4, CRect(603, 253, 797, 423), 31, 41},
    {kChartLine, 6, CRect(405, 427, 595, 597), 43, 47},    {kChartCylinder, 0, CRect(607, 429, 791, 593), 53, 59},
    {kChartPie, 4, CRect(211, 431, 397, 591), 61, 67},     {kChartColumn, 6, CRect(213, 257, 391, 419), 71, 79},
};

std::vector<size_t> FindEvery(const std::vector<uint8_t>& bytes, const std::vector<int32_t>& ints)
{
    std::vector<uint8_t> pattern(ints.size() * 4);
    std::memcpy(pattern.data(), ints.data(), pattern.size());
    std::vector<size_t> found;
    for (auto at = bytes.begin();
         (at = std::search(at, bytes.end(), pattern.begin(), pattern.end())) != bytes.end(); ++at)
        found.push_back(size_t(at - bytes.begin()));
    return found;
}

size_t FindOnce(const std::vector<uint8_t>& bytes, const std::vector<int32_t>& ints)
{
    const std::vector<size_t> found = FindEvery(bytes, ints);
    EXPECT_EQ(found.size(), 1u) << "a marker of " << ints.size() << " ints starting " << ints[0];
    return found.empty() ? 0 : found[0];
}

// Every occurrence of the marker gets each value at its index (all found before any is patched,
// since a patch changes the marker); expected 0: any number of them.
void PutEvery(std::vector<uint8_t>& bytes, const std::vector<int32_t>& marker,
              std::initializer_list<std::pair<size_t, int32_t>> values, size_t expected)
{
    const std::vector<size_t> found = FindEvery(bytes, marker);
    if (expected)
        EXPECT_EQ(found.size(), expected) << "a marker starting " << marker[0];
    else
        EXPECT_GT(found.size(), 0u) << "a marker starting " << marker[0];
    for (size_t at : found)
        for (const auto& [index, value] : values)
            PutInt(bytes, at + 4 * index, value);
}

std::vector<int32_t> RectInts(const CRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

void SetFont(CNorvakCell& cell, const std::vector<int32_t>& marker)
{
    CFontRecord font = cell.GetFont();
    font.font.lfHeight = marker[0];
    font.font.lfWeight = marker[4];
    cell.SetFont(font);
}

// Page 0 of a workbook: 30 x 10 cells, one fixed and one locked row and column, a style-3 border
// under and right of one cell, a cell in a font of its own, and charts of every kind in 3-D.
std::vector<uint8_t> SampleWorkbook(const TempFolder& folder)
{
    WriterControl writer;
    CNorvakCtrl& w = *writer.control;
    EXPECT_TRUE(w.DoSetPageRowCounts(0, 4, 1));
    EXPECT_TRUE(w.DoSetPageColumnCounts(0, 3, 1));
    const char* texts[3][2] = {{"1", "-2"}, {"3", "4"}, {"7", "5"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_TRUE(w.SetItemText(0, r + 1, c + 1, texts[r][c]));
    w.BuildChartSeries(0, kChartSourcePage, nullptr, nullptr);
    for (const SampleChart& kind : kCharts) {
        w.SetChartType(0, kind.type, kind.subType);
        CChartPartRects rects;
        const CRect& c = kind.whole;
        rects.rects[kChartWhole] = c;
        rects.rects[kChartPlot] = CRect(c.left + 10, c.top + 30, c.right - 70, c.bottom - 15);
        rects.rects[kChartLegend] = CRect(c.right - 60, c.top + 30, c.right - 5, c.top + 90);
        rects.rects[kChartDataArea] = CRect(c.left + 5, c.top + 25, c.right - 65, c.bottom - 10);
        rects.rects[kChartTitle] = CRect(c.left + 20, c.top + 2, c.right - 20, c.top + 22);
        rects.rects[kChartXAxisTitle] = CRect(c.left + 20, c.bottom - 14, c.right - 20, c.bottom - 1);
        rects.rects[kChartYAxisTitle] = CRect(c.left + 1, c.top + 30, c.left + 9, c.bottom - 20);
        w.InsertChart(0, TRUE, rects, 0);
        CNorvakChart& chart = *w.GetPage(0)->m_charts.back();
        chart.nDepthX = kind.depthX;
        chart.nDepthY = kind.depthY;
        chart.chartStyle.nLineStyle = 3; // a dashed outline round the whole chart
        chart.chartStyle.nLineWidth = 1;
        chart.chartTitle.font.lfHeight = kTitleFont[0];
        chart.chartTitle.font.lfWeight = kTitleFont[4];
        for (CChartItemArray& row : chart.items)
            for (CChartItem& point : row) {
                point.labelFont.lfHeight = kLabelFont[0];
                point.labelFont.lfWeight = kLabelFont[4];
                point.placement[0] = kPointPen[0];
                point.nLineWidth = kPointPen[1];
                point.nLineStyle = kPointPen[2];
                if (kind.type == kChartPie) {
                    point.nExplodeA = point.nExplodeB = kPieSlices[0];
                    point.nDepthA = point.nDepthB = kPieSlices[1];
                    point.nLeaderLength = kLeader[0];
                }
            }
    }
    EXPECT_TRUE(w.DoSetPageRowCounts(0, 30, 1));
    EXPECT_TRUE(w.DoSetPageColumnCounts(0, 10, 1));
    CNorvakPage& page = *w.GetPage(0);
    page.m_nLockedRows = 1;
    page.m_nLockedCols = 1;
    for (size_t i = 0; i < kRowHeights.size(); ++i)
        EXPECT_TRUE(w.SetRowHeight(0, int(i), kRowHeights[i]));
    for (size_t i = 0; i < kColumnWidths.size(); ++i)
        EXPECT_TRUE(w.SetColumnWidth(0, int(i), kColumnWidths[i]));
    CNorvakCell& border = *w.GetPageCells(0)->EditCell(kBorderRow, kBorderCol);
    border.SetHorLineStyle(3);
    border.SetVerLineStyle(3);
    border.SetHorLineColor(0);
    border.SetVerLineColor(0);
    CNorvakCell& text = *w.GetPageCells(0)->EditCell(6, 3);
    text.SetText(kCellText);
    SetFont(text, kCellFont);
    const CString path = folder.Path(L"sample.nvk");
    writer.Save({Variant::String(path.ToWide().c_str()), Variant::Bool(false), Variant::Long(0), Variant::Bool(true),
                 Variant::Bool(true)});
    return ReadFile(path);
}

struct HostileCase
{
    std::string name;
    std::function<void(std::vector<uint8_t>&)> patch;
    std::function<void(CNorvakCtrl&)> afterOpen; // a value set through automation instead
};

void PatchRows(std::vector<uint8_t>& b, std::initializer_list<std::pair<size_t, int32_t>> heights)
{
    PutEvery(b, kRowHeights, heights, 1);
}

void PatchColumns(std::vector<uint8_t>& b, std::initializer_list<std::pair<size_t, int32_t>> widths)
{
    PutEvery(b, kColumnWidths, widths, 1);
}

std::vector<HostileCase> Cases()
{
    std::vector<HostileCase> cases = {
        {"the sample as saved", [](auto&) {}, nullptr},
        {"a fixed row 4,194,304 pixels high", [](auto& b) { PatchRows(b, {{0, 4194304}}); }, nullptr},
        {"a fixed column 4,194,304 pixels wide", [](auto& b) { PatchColumns(b, {{0, 4194304}}); }, nullptr},
        {"a style-3 border along a column 1,000,000 pixels wide",
         [](auto& b) { PatchColumns(b, {{kBorderCol, 1000000}}); }, nullptr},
        {"a style-3 border down a row 1,000,000 pixels high", [](auto& b) { PatchRows(b, {{kBorderRow, 1000000}}); },
         nullptr},
        {"every row and column as large as a page allows",
         [](auto& b) {
             PatchRows(b, {{0, 1 << 28}, {1, 1 << 28}});
             PatchColumns(b, {{0, 1 << 28}, {1, 1 << 28}});
         },
         nullptr},
        {"a cell font 20,000 pixels high", [](auto& b) { PutInt(b, FindOnce(b, kCellFont), -20000); }, nullptr},
        {"a cell font 2^30 pixels high and wide",
         [](auto& b) {
             const size_t at = FindOnce(b, kCellFont);
             PutInt(b, at, 1 << 30);
             PutInt(b, at + 4, 1 << 30);
         },
         nullptr},
        {"chart titles 20,000 pixels high and turned upright",
         [](auto& b) {
             PutEvery(b, kTitleFont, {{0, -20000}, {2, 900}}, std::size(kCharts));
         },
         nullptr},
        {"value labels 20,000 pixels high", [](auto& b) { PutEvery(b, kLabelFont, {{0, -20000}}, 0); }, nullptr},
        {"point outlines 2^30 pixels wide", [](auto& b) { PutEvery(b, kPointPen, {{1, 1 << 30}}, 0); }, nullptr},
        {"pie slices exploded 2^29 pixels",
         [](auto& b) { PutEvery(b, kPieSlices, {{0, 1 << 29}, {3, 1 << 29}}, 0); }, nullptr},
        {"pie slices raised 2^29 pixels",
         [](auto& b) { PutEvery(b, kPieSlices, {{1, 1 << 29}, {2, 1 << 29}}, 0); }, nullptr},
        {"pie slices exploded and raised 2^29 pixels",
         [](auto& b) {
             PutEvery(b, kPieSlices, {{0, 1 << 29}, {1, 1 << 29}, {2, 1 << 29}, {3, 1 << 29}}, 0);
         },
         nullptr},
        {"pie leaders 2^30 pixels long", [](auto& b) { PutEvery(b, kLeader, {{0, 1 << 30}}, 0); }, nullptr},
        {"a 100,000-character text in a cell, every layout", nullptr,
         [](CNorvakCtrl& c) {
             std::string text;
             for (int i = 0; i < 100000; ++i) {
                 text += char(0xB0 + (i / 94) % 39);
                 text += char(0xA1 + i % 94);
             }
             for (int row = 2; row < 12; ++row)
                 c.DoSetPageCellText(-1, row, 2, text.c_str());
             const short codes[] = {0, 1, 5, 9, 11, 17, 28, 40, 44, 49};
             for (int row = 2; row < 12; ++row)
                 c.DoSetPageCellTextFormat(-1, row, 2, codes[row - 2]);
         }},
    };
    for (const SampleChart& chart : kCharts) {
        const std::string kind = "a chart of type " + std::to_string(chart.type) + "/" +
                                 std::to_string(chart.subType);
        const std::vector<int32_t> depth = {chart.depthX, chart.depthY};
        for (const auto& [x, y] : {std::pair{INT_MAX, INT_MIN}, std::pair{INT_MIN, INT_MAX},
                                   std::pair{INT_MAX, INT_MAX}, std::pair{-100000, 100000}}) {
            cases.push_back({kind + " with depth offsets " + std::to_string(x) + ", " + std::to_string(y),
                             [depth, x = x, y = y](auto& b) {
                                 const size_t at = FindOnce(b, depth);
                                 PutInt(b, at, x);
                                 PutInt(b, at + 4, y);
                             },
                             nullptr});
        }
        const CRect& whole = chart.whole;
        const CRect plot(whole.left + 10, whole.top + 30, whole.right - 70, whole.bottom - 15);
        const CRect legend(whole.right - 60, whole.top + 30, whole.right - 5, whole.top + 90);
        // Each rectangle is stored once, the whole chart's twice (its rectangle and its clip).
        for (const auto& [part, rect, stored] : {std::tuple{" as large as the int range", whole, size_t(2)},
                                                 std::tuple{" with a plot area as large as the int range", plot, size_t(1)},
                                                 std::tuple{" with a legend as large as the int range", legend, size_t(1)}})
            cases.push_back({kind + part,
                             [rect = rect, stored = stored](auto& b) {
                                 PutEvery(b, RectInts(rect), {{0, INT_MIN}, {1, INT_MIN}, {2, INT_MAX}, {3, INT_MAX}},
                                          stored);
                             },
                             nullptr});
    }
    return cases;
}

class HostileDrawing : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }

    bool Open(const CString& path) { return Bool(kDoOpen, {S(path.ToWide().c_str())}); }
    std::vector<DWORD> Paint()
    {
        HRESULT hr = E_FAIL;
        std::vector<DWORD> pixels = container.DrawToMemory(kWidth, kHeight, 0x123456, &hr);
        EXPECT_EQ(hr, S_OK);
        return pixels;
    }

    ModalDriver modal;
};

int Left(const CNorvakPage& page, int col)
{
    int x = 0;
    for (int c = 0; c < col; ++c)
        x += page.m_colWidths[size_t(c)];
    return x;
}

int Top(const CNorvakPage& page, int row)
{
    int y = 0;
    for (int r = 0; r < row; ++r)
        y += page.m_rowHeights[size_t(r)];
    return y;
}

// The black pixels of a run from its first pixel on, as a string of '#' and '.'.
std::string PixelRun(const std::vector<DWORD>& pixels, int x, int y, int dx, int dy, int length)
{
    std::string run;
    for (int i = 0; i < length; ++i, x += dx, y += dy)
        run += x >= 0 && y >= 0 && x < kWidth && y < kHeight && pixels[size_t(y * kWidth + x)] == 0 ? '#' : '.';
    return run;
}

// Five on and three off from the line's start: the pen maker's style 3.
std::string Style3(int length, int phase)
{
    std::string run;
    for (int i = 0; i < length; ++i)
        run += (phase + i) % 8 < 5 ? '#' : '.';
    return run;
}

} // namespace

TEST_F(HostileDrawing, EveryFileOpensAndPaintsWithinItsLimit)
{
    TempFolder folder;
    const std::vector<uint8_t> good = SampleWorkbook(folder);
    ASSERT_GT(good.size(), 1000u);
    for (const HostileCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes = good;
        if (c.patch)
            c.patch(bytes);
        const CString path = folder.Path(L"hostile.nvk");
        WriteFile(path, bytes);
        const int pages = int(control->DoGetPageCounts());
        std::vector<DWORD> pixels;
        {
            CaseTimeLimit limit(c.name, kLimitMs);
            ASSERT_TRUE(Open(path)) << c.name;
            ASSERT_EQ(control->DoGetPageCounts(), pages + 1) << c.name;
            if (c.afterOpen)
                c.afterOpen(*control);
            pixels = Paint();
            pixels = Paint(); // a second paint draws what the first left in the records
        }
        EXPECT_TRUE(modal.seen.empty()) << c.name << ": a message was shown";
        modal.seen.clear();
        EXPECT_NE(std::count(pixels.begin(), pixels.end(), 0x123456), kWidth * kHeight) << c.name;
        EXPECT_TRUE(control->DoDeletePage(-1)) << c.name;
    }
}

// The borders and freeze lines of the sample where they show, ordinary and with the long ones.
TEST_F(HostileDrawing, CutLinesShowWhatTheWholeLinesShow)
{
    TempFolder folder;
    const std::vector<uint8_t> good = SampleWorkbook(folder);
    struct Case
    {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> patch;
    } cases[] = {
        {"ordinary", [](auto&) {}},
        {"wide column", [](auto& b) { PatchColumns(b, {{kBorderCol, 1000000}}); }},
        {"tall row", [](auto& b) { PatchRows(b, {{kBorderRow, 1000000}}); }},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        c.patch(bytes);
        const CString path = folder.Path(L"lines.nvk");
        WriteFile(path, bytes);
        std::vector<DWORD> pixels;
        {
            CaseTimeLimit limit(c.name, kLimitMs);
            ASSERT_TRUE(Open(path)) << c.name;
            pixels = Paint();
        }
        const CNorvakPage& page = *control->GetPage(-1);
        // The cell's bottom line from left - 1 to its right + 1, its right-hand line from top - 1
        // down, each starting with a dash; in the long cases one of them runs past the view and the
        // other lies beyond it. Their two
        // end pixels each way are crossed by the neighbours' lines, so the probes start two in.
        const int left = Left(page, kBorderCol), top = Top(page, kBorderRow);
        const int right = left + page.m_colWidths[kBorderCol] - 1, bottom = top + page.m_rowHeights[kBorderRow] - 1;
        const int across = std::min(right + 1, kWidth - 1) - (left - 1) + 1;
        const int down = std::min(bottom + 1, kHeight - 1) - (top - 1) + 1;
        const int acrossProbe = std::min(across, 300) - 4, downProbe = std::min(down, 300) - 4;
        if (bottom < kHeight) {
            EXPECT_EQ(PixelRun(pixels, left + 1, bottom, 1, 0, acrossProbe), Style3(acrossProbe, 2))
                << c.name << ": the bottom line";
        }
        if (right < kWidth) {
            EXPECT_EQ(PixelRun(pixels, right, top - 1 + 2, 0, 1, downProbe), Style3(downProbe, 2))
                << c.name << ": the right-hand line";
        }
        EXPECT_TRUE(bottom < kHeight || right < kWidth) << c.name << ": neither line shows";
        // The freeze lines: under the locked row and right of the locked column, to the view's edges.
        const int freezeY = Top(page, 2) - 1, freezeX = Left(page, 2) - 1;
        int blueAcross = 0, blueDown = 0;
        for (int x = Left(page, 1); x < kWidth; ++x)
            blueAcross += pixels[size_t(freezeY * kWidth + x)] == kFreezeBlue;
        for (int y = Top(page, 1); y < kHeight; ++y)
            blueDown += pixels[size_t(y * kWidth + freezeX)] == kFreezeBlue;
        EXPECT_GT(blueAcross, 100) << c.name;
        EXPECT_GT(blueDown, 100) << c.name;
        EXPECT_TRUE(control->DoDeletePage(-1));
    }
}
