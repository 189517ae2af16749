// Pagination without a device: the bands of one axis, which rows and columns each output mode
// prints, the order of printed pages, centring, and the texts of page numbers and job names.

#include "printing/PageNumberText.h"
#include "printing/PrintPagination.h"
#include "tests/support/CellSheet.h"

#include <gtest/gtest.h>

namespace {

using Bands = std::vector<CPrintBand>;

std::string Show(const Bands& bands)
{
    std::string out;
    for (const CPrintBand& b : bands)
        out += "{" + std::to_string(b.first) + "-" + std::to_string(b.last) + ":" + std::to_string(b.extent) + "}";
    return out;
}

struct AxisCase
{
    const char* name;
    std::vector<int> sizes;
    bool cutAtLimit; // columns: true, rows: false
    const char* bands;
};

TEST(PaginateAxis, CutsSizesIntoBandsThatFitTheLimit)
{
    const AxisCase cases[] = {
        {"everything on one page", {30, 30, 10}, true, "{0-2:70}"},
        {"sizes adding up exactly to the limit fill a page", {30, 30, 40, 10}, true, "{0-2:100}{3-3:10}"},
        {"an overflow starts the next page with the size that overflowed", {60, 60, 60}, true,
         "{0-0:60}{1-1:60}{2-2:60}"},
        {"a column too wide gets a page of its own after the pending band", {30, 120, 20}, true,
         "{0-0:30}{1-1:100}{2-2:20}"},
        {"a column as wide as the limit is cut too", {100, 20}, true, "{0-0:100}{1-1:20}"},
        {"a row as high as the limit is an ordinary row", {100, 20}, false, "{0-0:100}{1-1:20}"},
        {"a row higher than the limit is cut", {20, 130}, false, "{0-0:20}{1-1:100}"},
        {"excluded sizes take no room inside and at the end of a band", {0, 50, 0, 60, 0}, true, "{0-2:50}{3-4:60}"},
        {"nothing included makes no band", {0, 0, 0}, true, ""},
        {"no sizes at all", {}, false, ""},
    };
    for (const AxisCase& c : cases)
        EXPECT_EQ(Show(PaginateAxis(c.sizes, 100, c.cutAtLimit)), c.bands) << c.name;
}

struct FilterCase
{
    const char* name;
    BYTE mode;
    CCellRect selected; // (rows, cols, -1, -1): nothing
    int printColHeader, printRowHeader;
    std::vector<WORD> customRows, customColumns;
    const char* rows; // the included rows 0..5, as 0/1
    const char* cols;
};

// A page of 6 rows and 6 columns with one fixed row and one fixed column.
TEST(PrintFilter, OutputModesAndHeaderFlagsChooseRowsAndColumns)
{
    const CCellRect none(6, 6, -1, -1);
    const FilterCase cases[] = {
        {"whole page", 0, CCellRect(2, 2, 3, 4), 1, 1, {}, {}, "111111", "111111"},
        {"whole page without headers", 0, none, 0, 0, {}, {}, "011111", "011111"},
        {"selection", 1, CCellRect(2, 2, 3, 4), 1, 0, {}, {}, "101100", "001110"},
        {"selection with nothing selected prints only the headers", 1, none, 1, 1, {}, {}, "100000", "100000"},
        {"arbitrary with a selection", 2, CCellRect(2, 2, 3, 4), 0, 1, {}, {}, "001100", "101110"},
        {"arbitrary with nothing selected prints the whole page", 2, none, 1, 1, {}, {}, "111111", "111111"},
        {"custom lists hold body indices", 3, none, 1, 1, {0, 4}, {2}, "110001", "100100"},
        {"custom entries beyond the grid are ignored", 3, none, 0, 0, {9}, {}, "000000", "000000"},
        {"an unknown mode prints the whole page", 7, none, 1, 1, {}, {}, "111111", "111111"},
    };
    for (const FilterCase& c : cases) {
        CellSheet sheet(6, 6, 1, 1);
        sheet.page.m_nOutputMode = c.mode;
        sheet.page.m_bPrintColHeader = c.printColHeader;
        sheet.page.m_bPrintRowHeader = c.printRowHeader;
        sheet.page.m_customRows = c.customRows;
        sheet.page.m_customColumns = c.customColumns;
        const CPrintFilter filter(sheet.page, CPrintSelection::FromRange(c.selected));
        std::string rows, cols;
        for (int i = 0; i < 6; ++i) {
            rows += filter.IncludesRow(i) ? '1' : '0';
            cols += filter.IncludesColumn(i) ? '1' : '0';
        }
        EXPECT_EQ(rows, c.rows) << c.name;
        EXPECT_EQ(cols, c.cols) << c.name;
    }
}

TEST(PrintPagination, PagesRunAcrossFirstThenDown)
{
    // Columns 70 + 2 = 72: two fit in 150, so six columns make three bands; rows 20 + 1: four fit
    // in 90, so eight rows make two.
    CellSheet sheet(8, 6);
    const CPrintFilter filter(sheet.page, CPrintSelection{});
    const CPrintPagination pagination = CPrintPagination::Of(sheet.page, filter, 150, 90);
    ASSERT_EQ(pagination.PagesAcross(), 3);
    ASSERT_EQ(pagination.PagesDown(), 2);
    EXPECT_EQ(pagination.PageCount(), 6);
    EXPECT_EQ(pagination.ColumnBandOf(4), (CPrintBand{0, 1, 144}));
    EXPECT_EQ(pagination.RowBandOf(4), (CPrintBand{4, 7, 84}));
    EXPECT_EQ(pagination.ColumnBandOf(6), (CPrintBand{4, 5, 144}));
    EXPECT_EQ(pagination.ExtentOf(3).cx, 144);
    EXPECT_EQ(pagination.ExtentOf(3).cy, 84);
}

TEST(PrintPagination, NoPrintableColumnMeansNoPages)
{
    CellSheet sheet(5, 5, 1, 1);
    sheet.page.m_nOutputMode = CPrintFilter::Custom;
    sheet.page.m_bPrintRowHeader = 0;
    sheet.page.m_customRows = {0, 1};
    const CPrintFilter filter(sheet.page, CPrintSelection{});
    const CPrintPagination pagination = CPrintPagination::Of(sheet.page, filter, 500, 500);
    EXPECT_EQ(pagination.PagesAcross(), 0);
    EXPECT_EQ(pagination.PageCount(), 0);
}

TEST(PrintPagination, CentringShiftsByTheIntegerHalfOfTheSpareRoom)
{
    EXPECT_EQ(CenteringShift(true, 101, 50), 25);
    EXPECT_EQ(CenteringShift(false, 101, 50), 0);
    EXPECT_EQ(CenteringShift(true, 50, 50), 0);
    EXPECT_EQ(CenteringShift(true, 50, 80), 0);
}

TEST(PageNumberText, TenFormatsWithChineseOrDigitNumerals)
{
    const struct
    {
        int format, current, total;
        const char* text;
    } cases[] = {
        {0, 10, 10, "第一0页(共一0页)"}, {1, 10, 10, "第10页(共10页)"}, {2, 2, 5, "第二页 共五页"},
        {3, 2, 5, "第2页 共5页"},          {4, 9, 19, "第九页/共一九页"}, {5, 2, 5, "第2页/共5页"},
        {6, 3, 7, "3/7页"},                 {7, 3, 7, "3\\7页"},            {8, 3, 7, "3:7页"},
        {9, 3, 7, "3-7页"},                 {-1, 3, 7, "3:7页"},            {42, 3, 7, "3:7页"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(FormatPageNumber(c.format, c.current, c.total), c.text) << c.format;
}

TEST(PageNumberText, PositionsChooseTheBandAndTheAlignment)
{
    const struct
    {
        int position;
        bool header, footer;
        UINT alignment;
    } cases[] = {
        {0, true, false, DT_LEFT},   {1, true, false, DT_RIGHT},  {2, false, true, DT_LEFT},
        {3, false, true, DT_RIGHT},  {4, true, false, DT_CENTER}, {5, false, true, DT_CENTER},
        {6, false, false, DT_RIGHT},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PageNumberInHeader(c.position), c.header) << c.position;
        EXPECT_EQ(PageNumberInFooter(c.position), c.footer) << c.position;
        EXPECT_EQ(PageNumberAlignment(c.position), c.alignment) << c.position;
    }
}

TEST(PageNumberText, JobNameFromTitleThenHeaderThenDefault)
{
    EXPECT_STREQ(PrintDocumentName("  月报  ", "页眉"), "月报");
    EXPECT_STREQ(PrintDocumentName("   ", " 页眉 "), "页眉");
    EXPECT_STREQ(PrintDocumentName("", ""), "文档打印");
}

} // namespace
