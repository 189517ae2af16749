// Cell records made many at a time: they share blocks, a block is freed with the last of its
// cells whatever the order they go in, no block is larger than the cells still expected, and such a
// cell is a cell like any other to the page that holds it.

#include "sheet/model/CellRecordBlocks.h"
#include "sheet/model/CellSelection.h"
#include "tests/support/AllocationProbe.h"
#include "tests/support/CellSheet.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace SheetModel;

TEST(CellRecordBlocks, ABlockGoesWithTheLastOfItsCellsInAnyOrder)
{
    const size_t count = 2 * CCellRecordBlocks::kMaxBlockCells + 100;
    std::vector<std::unique_ptr<CNorvakCell>> made;
    made.reserve(count + 1);
    const long long before = AllocationProbe::Live();
    AllocationProbe::ResetLargest();
    {
        CCellRecordBlocks records(count);
        for (size_t i = 0; i < count; ++i)
            made.push_back(records.Make());
        EXPECT_EQ(AllocationProbe::Live() - before, 3);
        made.push_back(records.Make()); // one more than expected: a block of its own
        EXPECT_EQ(AllocationProbe::Live() - before, 4);
    }
    EXPECT_LT(AllocationProbe::Largest(), (CCellRecordBlocks::kMaxBlockCells + 1) * sizeof(CNorvakCell));
    for (const auto& cell : made)
        EXPECT_STREQ(cell->GetTextPtr(), "");

    // The last block (the extra cell), then the first block from its end, then every other cell of
    // the rest, then what is left.
    made.back().reset();
    EXPECT_EQ(AllocationProbe::Live() - before, 3);
    for (size_t i = CCellRecordBlocks::kMaxBlockCells; i-- > 0;)
        made[i].reset();
    EXPECT_EQ(AllocationProbe::Live() - before, 2);
    for (size_t i = CCellRecordBlocks::kMaxBlockCells; i < count; i += 2)
        made[i].reset();
    EXPECT_EQ(AllocationProbe::Live() - before, 2);
    for (auto& cell : made)
        cell.reset();
    EXPECT_EQ(AllocationProbe::Live(), before);
}

TEST(CellRecordBlocks, APageTakesAndFreesThemLikeAnyCell)
{
    const long long before = AllocationProbe::Live();
    {
        CellSheet s(0, 0);
        ASSERT_TRUE(SetColumnCount(s.page, s.cells, 4, s.factory).bOk);
        ASSERT_TRUE(SetRowCount(s.page, s.cells, 5, s.factory).bOk);
        CNoRepaint repaint;
        SetFocusCell(s.page, s.cells, 2, 1, repaint);
        CCellRecordBlocks records(3);

        // Memory that runs out at any step, the block's included, leaves the table as it was.
        for (long long step = 0; step < 100; ++step) {
            AllocationProbe::FailAllocation(step);
            CNorvakCell* cell = s.cells.EditCell(1, 1, records);
            const bool failed = AllocationProbe::Failed();
            AllocationProbe::FailAllocation(-1);
            if (!failed) {
                EXPECT_NE(cell, nullptr);
                EXPECT_GE(step, 2) << "the row and the block";
                break;
            }
            EXPECT_EQ(cell, nullptr) << step;
            EXPECT_EQ(s.cells.FindRow(1), nullptr) << step;
        }

        ASSERT_EQ(s.cells.FindOwnCell(2, 1), nullptr);
        CNorvakCell* focused = s.cells.EditCell(2, 1, records);
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->GetState(), CIS_FOCUSED) << "a new record looks as the default did";
        EXPECT_EQ(s.cells.EditCell(2, 1, records), focused) << "a cell that has a record keeps it";
        CNorvakCell* other = s.cells.EditCell(4, 3, records);
        ASSERT_NE(other, nullptr);
        other->SetText("一段放不进记录的长文字");
        other->EditFont().font.lfWeight = FW_BOLD;
        other->SetIndent(3);
        EXPECT_EQ(s.cells.EditCell(-1, 0, records), nullptr);
        EXPECT_EQ(s.cells.EditCell(0, 4, records), nullptr);
        EXPECT_EQ(s.Consistency(), "");

        // Deleting rows frees block cells one by one; the page frees the rest.
        ASSERT_TRUE(SetRowCount(s.page, s.cells, 3, s.factory).bOk);
        EXPECT_EQ(s.cells.FindOwnCell(2, 1), focused);
    }
    EXPECT_EQ(AllocationProbe::Live(), before);
}

TEST(CellRecordBlocks, WithoutACountTheBlocksStartSmallAndGrowWithWhatWasMade)
{
    std::vector<std::unique_ptr<CNorvakCell>> made;
    made.reserve(5000);
    const long long before = AllocationProbe::Live();
    const long long bytesBefore = AllocationProbe::LiveBytes();
    {
        CCellRecordBlocks records(CCellRecordBlocks::kGrowing);
        made.push_back(records.Make());
        EXPECT_LT(AllocationProbe::LiveBytes() - bytesBefore, static_cast<long long>(16 * sizeof(CNorvakCell)))
            << "a page with one edited cell keeps one small block";
        AllocationProbe::ResetLargest();
        while (made.size() < 5000)
            made.push_back(records.Make());
        EXPECT_LE(AllocationProbe::Live() - before, 12) << "8, 8, 16, ... 1024, then blocks of 1024";
        EXPECT_LT(AllocationProbe::Largest(), (CCellRecordBlocks::kMaxBlockCells + 1) * sizeof(CNorvakCell));
    }
    made.clear();
    EXPECT_EQ(AllocationProbe::Live(), before);
}
