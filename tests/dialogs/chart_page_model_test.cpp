// What the chart settings pages compute without a window: the gallery's cells and keys, the rows
// and columns of the data page's custom range, and the preview chart's depth.

#include "dialogs/ChartDataRange.h"
#include "dialogs/ChartTypeGallery.h"
#include "dialogs/SheetLayout.h"
#include "tests/support/GeometryPrint.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

TEST(ChartTypeGallery, TypesCellsAndKeys)
{
    const size_t counts[] = {7, 6, 7, 8, 6};
    for (int type = 0; type < ChartTypeGallery::kTypeCount; ++type)
        EXPECT_EQ(ChartTypeGallery::TypeInfo(type).subTypeNames.size(), counts[type]);
    EXPECT_STREQ(ChartTypeGallery::TypeInfo(3).subTypeNames[7], "分离型三维圆环图");
    EXPECT_STREQ(ChartTypeGallery::TypeInfo(9).text, ChartTypeGallery::TypeInfo(0).text);

    const CRect gallery = ChartTypeGallery::GalleryRect(CRect(100, 20, 316, 200));
    EXPECT_EQ(gallery, CRect(106, 35, 306, 190));
    EXPECT_EQ(ChartTypeGallery::CellRect(gallery, 0), CRect(111, 40, 172, 101));
    EXPECT_EQ(ChartTypeGallery::CellRect(gallery, 4), CRect(177, 106, 238, 167));
    struct HitCase
    {
        POINT point;
        int cells;
        std::optional<int> cell;
    };
    for (const HitCase& c : std::vector<HitCase>{{{111, 40}, 7, 0},
                                                 {{110, 40}, 7, std::nullopt}, // the 5 px gap
                                                 {{200, 120}, 7, 4},
                                                 {{120, 200}, 7, 6},
                                                 {{200, 200}, 7, std::nullopt}, // beyond the last cell
                                                 {{200, 200}, 8, 7}})
        EXPECT_EQ(ChartTypeGallery::CellAt(gallery, c.cells, c.point), c.cell) << c.point.x << "," << c.point.y;

    struct KeyCase
    {
        int current;
        int cells;
        unsigned key;
        std::optional<int> next;
    };
    for (const KeyCase& c : std::vector<KeyCase>{{0, 7, VK_LEFT, std::nullopt},
                                                 {0, 7, VK_UP, std::nullopt},
                                                 {1, 7, VK_UP, 0},
                                                 {5, 7, VK_RIGHT, 6},
                                                 {6, 7, VK_DOWN, std::nullopt},
                                                 {2, 7, VK_RETURN, std::nullopt}})
        EXPECT_EQ(ChartTypeGallery::StepByKey(c.current, c.cells, c.key), c.next) << c.current << " " << c.key;
}

TEST(ChartDataRange, CustomRowsAndColumns)
{
    struct RowCase
    {
        int fixedRows, rowCount, first, last;
        std::optional<std::vector<int>> rows;
    };
    for (const RowCase& c : std::vector<RowCase>{{1, 5, 0, 2, std::vector<int>{1, 2, 3}},
                                                 {1, 5, 2, 1, std::nullopt},
                                                 {1, 5, 3, 40, std::vector<int>{4}},
                                                 {1, 5, -3, 0, std::vector<int>{1}},
                                                 {2, 5, 1, 1, std::vector<int>{3}},
                                                 {1, 0, 0, 3, std::vector<int>{}}})
        EXPECT_EQ(ChartDataRange::CustomRows(c.fixedRows, c.rowCount, c.first, c.last), c.rows)
            << c.fixedRows << " " << c.rowCount << " " << c.first << ".." << c.last;
    EXPECT_EQ(ChartDataRange::CustomColumns(1, {true, false, true}), (std::vector<int>{1, 3}));
    EXPECT_TRUE(ChartDataRange::CustomColumns(2, {false, false}).empty());
}

TEST(SheetLayout, PreviewChartDepth)
{
    struct DepthCase
    {
        int type, subType;
        CSize depth;
    };
    for (const DepthCase& c : std::vector<DepthCase>{{0, 0, {0, 0}},
                                                     {0, 4, {10, 20}},
                                                     {0, 6, {80, 40}},
                                                     {1, 3, {20, 10}},
                                                     {1, 2, {0, 0}},
                                                     {2, 5, {0, 0}},
                                                     {2, 6, {20, 10}},
                                                     {3, 6, {0, 0}},
                                                     {4, 0, {20, 10}}})
        EXPECT_EQ(SheetLayout::PreviewChartDepth(c.type, c.subType), c.depth) << c.type << "/" << c.subType;
}

} // namespace
