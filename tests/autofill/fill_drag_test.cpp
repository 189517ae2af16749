// Drags of the selection frame carried out on a control in a shown container window, driven by
// posted mouse messages: fills from the fill handle (series, repeats of a block), moves and copies
// by an edge, and the drops the page refuses, each compared with the whole page before it.

#include "tests/support/ModalDriver.h"
#include "tests/support/PageSnapshot.h"
#include "tests/support/ShownControlTest.h"
#include "tests/support/Utf8Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kGreen = 0x00FF00;
constexpr const char* kCutMerge = "不能对合并单元格的某部分操作!";

class FillDrag : public ShownControlTest
{
protected:
    void TearDown() override
    {
        ExpectEveryPageConsistent("the drag");
        ShownControlTest::TearDown();
    }

    CNorvakPage& Page() { return *control->GetPage(-1); }
    CNorvakCell& Cell(int row, int col) { return *control->EditPageCell(-1, row, col); }
    void SetText(int row, int col, const char* text)
    {
        ASSERT_TRUE(control->SetItemText(-1, row, col, text));
    }
    std::string Text(int row, int col) { return control->GetPageCellText(-1, row, col).str(); }
    std::vector<std::string> Column(int col, int firstRow, int lastRow)
    {
        std::vector<std::string> texts;
        for (int row = firstRow; row <= lastRow; ++row)
            texts.push_back(Text(row, col));
        return texts;
    }
    std::vector<std::string> Row(int row, int firstCol, int lastCol)
    {
        std::vector<std::string> texts;
        for (int col = firstCol; col <= lastCol; ++col)
            texts.push_back(Text(row, col));
        return texts;
    }
    // Selects the block with the focus on one of its cells and paints the control, so that the
    // selection frame the mouse is tested against is the block's.
    void Select(const CCellRect& block, CCellCoord focus)
    {
        control->SetSelectedRange(-1, block.minRow, block.minCol, block.maxRow, block.maxCol);
        control->SetFocusCell(-1, focus.row, focus.col);
        HRESULT hr = E_FAIL;
        container.DrawToMemory(400, 300, 0, &hr);
        ASSERT_EQ(hr, S_OK);
    }
    // The fill handle, and the right edge of the selected block's frame beside its first row.
    POINT FillHandle(const CCellRect& block)
    {
        const POINT at{70 * (block.maxCol + 1) - 4, 20 * (block.maxRow + 1) - 3};
        EXPECT_EQ(control->HitTestSelectionFrame(at.x, at.y), kFrameBottomRight);
        return at;
    }
    POINT RightEdge(const CCellRect& block)
    {
        const POINT at{70 * (block.maxCol + 1) - 2, 20 * block.minRow + 10};
        EXPECT_EQ(control->HitTestSelectionFrame(at.x, at.y), kFrameRight);
        return at;
    }
    // A point of the selected block's frame: a corner or the right edge.
    POINT FramePoint(const CCellRect& block, CFrameHit hit)
    {
        const int left = 70 * block.minCol, top = 20 * block.minRow;
        const int right = 70 * (block.maxCol + 1), bottom = 20 * (block.maxRow + 1);
        POINT at{};
        switch (hit) {
        case kFrameTopLeft: at = {left + 1, top + 1}; break;
        case kFrameTopRight: at = {right - 2, top + 1}; break;
        case kFrameBottomLeft: at = {left + 2, bottom - 3}; break;
        case kFrameBottomRight: return FillHandle(block);
        default: return RightEdge(block);
        }
        EXPECT_EQ(control->HitTestSelectionFrame(at.x, at.y), hit);
        return at;
    }
    void DragTo(POINT from, POINT to, UINT keys = 0) { Drag(active, window, from, to, keys); }
    PageSnapshot Snapshot() { return TakeWholeSnapshot(Page(), *control->GetPageCells(-1)); }
};

// ---- fills ----

TEST_F(FillDrag, AWeekdayDraggedDownFiveRowsContinuesItsWeek)
{
    SetText(2, 2, "星期一");
    SetText(8, 2, "8:2");
    Select({2, 2, 2, 2}, {2, 2});
    DragTo(FillHandle({2, 2, 2, 2}), Centre(7, 2));
    EXPECT_EQ(Column(2, 2, 8),
              (std::vector<std::string>{"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "8:2"}))
        << Utf8(Column(2, 2, 8));
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(2, 2, 7, 2));
    EXPECT_EQ(Page().m_focusCell, CCellCoord(2, 2));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(control->m_dragRegion.GetSafeHandle(), nullptr);
}

TEST_F(FillDrag, AYearAndMonthDraggedAcrossContinuesByMonths)
{
    SetText(2, 1, "2024年1月");
    Select({2, 1, 2, 1}, {2, 1});
    DragTo(FillHandle({2, 1, 2, 1}), Centre(2, 4));
    EXPECT_EQ(Row(2, 2, 4), (std::vector<std::string>{"2024年2月", "2024年3月", "2024年4月"}))
        << Utf8(Row(2, 2, 4));
}

// The series steps one per cell, forward down and right, backward up and left; the cell next to
// the source gets the member next to it whichever corner the drag takes.
TEST_F(FillDrag, ANumberStepsByOneEachWayFromItsCell)
{
    SetText(6, 2, "3");
    SetText(6, 3, "第7组");
    Select({6, 2, 6, 2}, {6, 2});
    DragTo(FillHandle({6, 2, 6, 2}), Centre(2, 2));
    EXPECT_EQ(Column(2, 2, 6), (std::vector<std::string>{"-1", "0", "1", "2", "3"}));
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(2, 2, 5, 2));
    Select({6, 3, 6, 3}, {6, 3});
    DragTo(FillHandle({6, 3, 6, 3}), Centre(9, 3));
    EXPECT_EQ(Column(3, 7, 9), (std::vector<std::string>{"第8组", "第9组", "第10组"}))
        << Utf8(Column(3, 7, 9));
}

// A block of two rows and two columns, with a merge, borders and formats, repeated down to row 9:
// whole repeats of its cells, its merge made again in each repeat, and its left and top borders
// along the target's edges.
TEST_F(FillDrag, ABlockIsTiledDownWithItsMergesAndBorders)
{
    const char* texts[2][2] = {{"a", "b"}, {"c", "d"}};
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            SetText(2 + row, 2 + col, texts[row][col]);
    ASSERT_TRUE(control->SetItemFormat(-1, 3, 3, 21));
    ASSERT_TRUE(control->SetCellHorLineColor(-1, 3, 2, kRed, kLineOwn));
    ASSERT_TRUE(control->SetCellVerLineColor(-1, 2, 1, kBlue, kLineOwn)); // the block's left border
    ASSERT_TRUE(control->SetCellVerLineColor(-1, 3, 1, kGreen, kLineOwn));
    ASSERT_TRUE(control->DoSetPageCellCombine(-1, 2, 2, 2, 3));
    SetText(8, 2, "old");
    SetText(10, 2, "10:2");
    Select({2, 2, 3, 3}, {3, 3});
    DragTo(FillHandle({2, 2, 3, 3}), Centre(9, 3));

    for (int row = 4; row <= 9; ++row) {
        SCOPED_TRACE(row);
        const int from = 2 + (row - 2) % 2;
        EXPECT_EQ(Row(row, 2, 3), Row(from, 2, 3));
        EXPECT_EQ(Cell(row, 3).GetTextFormat(), Cell(from, 3).GetTextFormat());
        EXPECT_EQ(Cell(row, 2).GetHorLineColor(), from == 3 ? kRed : kDefaultLineColor);
        EXPECT_EQ(Cell(row, 1).GetVerLineColor(), from == 2 ? kBlue : kGreen);
    }
    std::vector<std::string> merges;
    for (const CMergeCellRange& merge : Page().m_bodyMerges)
        merges.push_back(std::to_string(merge.firstRow) + "," + std::to_string(merge.firstCol) + "-" +
                         std::to_string(merge.lastRow) + "," + std::to_string(merge.lastCol));
    EXPECT_EQ(merges, (std::vector<std::string>{"2,2-2,3", "4,2-4,3", "6,2-6,3", "8,2-8,3"}));
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(2, 2, 9, 3));
    EXPECT_EQ(Page().m_focusCell, CCellCoord(9, 3)) << "the focus keeps to its corner";
    EXPECT_EQ(Text(10, 2), "10:2");
}

// Upward the repeats count back from the block: its second row lands right above it.
TEST_F(FillDrag, ABlockFilledUpwardPutsItsSecondRowRightAboveIt)
{
    SetText(2, 2, "keep");
    SetText(5, 2, "first");
    SetText(6, 2, "second");
    Select({5, 2, 6, 2}, {5, 2});
    DragTo(FillHandle({5, 2, 6, 2}), Centre(3, 2));
    EXPECT_EQ(Column(2, 2, 6), (std::vector<std::string>{"keep", "first", "second", "first", "second"}));
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(3, 2, 4, 2));
    EXPECT_EQ(Page().m_focusCell, CCellCoord(3, 2));
}

// A cell dragged over a block of rows and columns is repeated, not continued.
TEST_F(FillDrag, ADateOverTwoColumnsIsCopiedPlain)
{
    SetText(2, 2, "2003-12-30");
    Select({2, 2, 2, 2}, {2, 2});
    DragTo(FillHandle({2, 2, 2, 2}), Centre(6, 3));
    for (int row = 2; row <= 6; ++row)
        EXPECT_EQ(Row(row, 2, 3), (std::vector<std::string>{"2003-12-30", "2003-12-30"})) << row;
}

// ---- the user's locks ----

// A lock guards a drag wholly: one cell the user may not edit, in the block a drag takes or among
// the cells it would write, and the drop changes nothing at all. Each drag changes the page once
// the lock is gone.
TEST_F(FillDrag, ADragOverALockedCellChangesNothing)
{
    struct LockedDrag
    {
        const char* what;
        CCellRect source;
        CFrameHit from;
        POINT to;
        UINT keys;
        CCellCoord written; // a cell of the target, not its first one
    } const drags[] = {
        {"a series down", {2, 2, 2, 2}, kFrameBottomRight, Centre(6, 2), 0, {5, 2}},
        {"a series up", {6, 2, 6, 2}, kFrameBottomRight, Centre(2, 2), 0, {3, 2}},
        {"a series right", {2, 2, 2, 2}, kFrameBottomRight, Centre(2, 4), 0, {2, 4}},
        {"a series left", {2, 4, 2, 4}, kFrameBottomRight, Centre(2, 1), 0, {2, 2}},
        {"a block filled up from its top-left corner", {5, 3, 6, 4}, kFrameTopLeft, Centre(2, 3), 0, {3, 4}},
        {"a block filled right from its top-right corner", {2, 1, 3, 2}, kFrameTopRight, Centre(2, 4), 0, {3, 4}},
        {"a block filled left from its bottom-left corner", {2, 3, 3, 4}, kFrameBottomLeft, Centre(3, 1), 0, {3, 2}},
        {"a block filled down from the fill handle", {2, 2, 3, 3}, kFrameBottomRight, Centre(6, 3), 0, {5, 3}},
        {"a move", {2, 2, 3, 3}, kFrameRight, Centre(6, 4), 0, {7, 4}},
        {"a copy", {2, 2, 3, 3}, kFrameRight, Centre(6, 4), MK_CONTROL, {7, 4}},
        {"a move onto its own block", {2, 2, 3, 3}, kFrameRight, Centre(3, 3), 0, {4, 3}},
    };
    const struct
    {
        const char* what;
        void (*lock)(CNorvakCell& cell, bool locked);
    } locks[] = {
        {"edit lock", [](CNorvakCell& cell, bool locked) { cell.SetEditLock(locked ? 1 : 0); }},
        {"read-only",
         [](CNorvakCell& cell, bool locked) {
             cell.SetState(WORD(locked ? cell.GetState() | CIS_READONLY : cell.GetState() & ~CIS_READONLY));
         }},
    };
    for (const LockedDrag& drag : drags) {
        SCOPED_TRACE(drag.what);
        const auto prepare = [&] {
            for (int row = 1; row < 10; ++row)
                for (int col = 1; col < 7; ++col)
                    SetText(row, col, (std::to_string(row) + ":" + std::to_string(col)).c_str());
            if (drag.source.minRow == drag.source.maxRow && drag.source.minCol == drag.source.maxCol)
                SetText(drag.source.minRow, drag.source.minCol, "7");
            SetText(drag.written.row, drag.written.col, "LOCKED");
            Select(drag.source, {drag.source.minRow, drag.source.minCol});
        };
        const CCellCoord places[] = {{drag.source.maxRow, drag.source.minCol}, drag.written};
        for (const auto& lock : locks)
            for (const CCellCoord place : places) {
                SCOPED_TRACE(std::string(lock.what) + " at " + std::to_string(place.row) + "," +
                             std::to_string(place.col));
                prepare();
                lock.lock(Cell(place.row, place.col), true);
                const PageSnapshot before = Snapshot();
                ModalDriver driver;
                DragTo(FramePoint(drag.source, drag.from), drag.to, drag.keys);
                EXPECT_EQ(Differences(before, Snapshot()), std::vector<std::string>{});
                EXPECT_TRUE(driver.SeenOf(ModalRequest::MessageBox).empty());
                EXPECT_EQ(control->m_dragRegion.GetSafeHandle(), nullptr);
                lock.lock(Cell(place.row, place.col), false);
            }
        prepare();
        const PageSnapshot before = Snapshot();
        DragTo(FramePoint(drag.source, drag.from), drag.to, drag.keys);
        EXPECT_NE(Text(drag.written.row, drag.written.col), "LOCKED") << "without a lock the drag writes there";
        EXPECT_NE(Differences(before, Snapshot()), std::vector<std::string>{});
    }
}

// ---- moves and copies ----

class BlockDrag : public FillDrag
{
protected:
    // The block (2, 2) .. (3, 3) holds "2:2" .. "3:3", a merge of its first row, a red bottom line
    // under (3, 3), a blue top line over (2, 3) and a green left line beside (3, 2).
    void SetUp() override
    {
        FillDrag::SetUp();
        for (int row = 1; row < 10; ++row)
            for (int col = 1; col < 6; ++col)
                SetText(row, col, (std::to_string(row) + ":" + std::to_string(col)).c_str());
        ASSERT_TRUE(control->DoSetPageCellCombine(-1, 2, 2, 2, 3));
        ASSERT_TRUE(control->SetCellHorLineColor(-1, 3, 3, kRed, kLineOwn));
        ASSERT_TRUE(control->SetCellHorLineColor(-1, 1, 3, kBlue, kLineOwn));
        ASSERT_TRUE(control->SetCellVerLineColor(-1, 3, 1, kGreen, kLineOwn));
        Select(kBlock, {2, 2});
    }
    std::vector<std::string> Block(int row, int col)
    {
        return {Text(row, col), Text(row + 1, col), Text(row + 1, col + 1)};
    }
    std::vector<CMergeCellRange> Merges() { return Page().m_bodyMerges; }
    void ExpectBlockAt(int row, int col)
    {
        EXPECT_EQ(Block(row, col), (std::vector<std::string>{"2:2", "3:2", "3:3"}));
        ASSERT_EQ(Merges().size(), 1u);
        EXPECT_EQ(Merges()[0].firstRow, row);
        EXPECT_EQ(Merges()[0].firstCol, col);
        EXPECT_EQ(Merges()[0].lastCol, col + 1);
        EXPECT_EQ(Cell(row + 1, col + 1).GetHorLineColor(), kRed);
        EXPECT_EQ(Cell(row - 1, col + 1).GetHorLineColor(), kBlue);
        EXPECT_EQ(Cell(row + 1, col - 1).GetVerLineColor(), kGreen);
        EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(row, col, row + 1, col + 1));
        EXPECT_EQ(Page().m_focusCell, CCellCoord(row, col));
    }

    static constexpr CCellRect kBlock{2, 2, 3, 3};
};

TEST_F(BlockDrag, AnEdgeDragMovesTheBlockWithItsMergeAndBorders)
{
    DragTo(RightEdge(kBlock), Centre(4, 4)); // pressed on (2, 3): two rows down, one column right
    ExpectBlockAt(4, 3);
    EXPECT_EQ(Block(2, 2), (std::vector<std::string>{"", "", ""})) << "the source is cleared";
    EXPECT_EQ(Cell(3, 3).GetHorLineColor(), kDefaultLineColor);
    EXPECT_EQ(Cell(1, 3).GetHorLineColor(), kDefaultLineColor);
    EXPECT_EQ(Cell(3, 1).GetVerLineColor(), kDefaultLineColor);
    EXPECT_FALSE(Cell(2, 2).IsMergeOrigin());
    EXPECT_EQ(Text(2, 4), "2:4");
}

TEST_F(BlockDrag, AnEdgeDragWithCtrlCopiesTheBlock)
{
    DragTo(RightEdge(kBlock), Centre(6, 4), MK_CONTROL);
    EXPECT_EQ(Block(2, 2), (std::vector<std::string>{"2:2", "3:2", "3:3"})) << "the source stays";
    EXPECT_EQ(Block(6, 3), (std::vector<std::string>{"2:2", "3:2", "3:3"}));
    EXPECT_EQ(Merges().size(), 2u);
    EXPECT_EQ(Cell(7, 4).GetHorLineColor(), kRed);
    EXPECT_EQ(Cell(5, 4).GetHorLineColor(), kBlue);
    EXPECT_EQ(Cell(3, 3).GetHorLineColor(), kRed);
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(6, 3, 7, 4));
    EXPECT_EQ(Page().m_focusCell, CCellCoord(6, 3));
}

// The block is taken whole before its place is cleared, so a target over it keeps every cell.
TEST_F(BlockDrag, AMoveOntoAnOverlappingTargetKeepsTheContents)
{
    DragTo(RightEdge(kBlock), Centre(3, 3)); // one row down
    ExpectBlockAt(3, 2);
    EXPECT_EQ(Text(2, 2), "");
    Select({3, 2, 4, 3}, {3, 2});
    DragTo(RightEdge({3, 2, 4, 3}), Centre(3, 4)); // and one column right
    ExpectBlockAt(3, 3);
}

// The cells of a merge the block cuts through are copied as plain cells: none keeps a merge the
// page does not hold.
TEST_F(BlockDrag, ACopyOfABlockCuttingAMergePastesPlainCells)
{
    ASSERT_TRUE(control->DoSetPageCellCombine(-1, 3, 3, 1, 2));
    Select(kBlock, {2, 2});
    DragTo(RightEdge(kBlock), Centre(6, 4), MK_CONTROL);
    EXPECT_EQ(Block(6, 3), (std::vector<std::string>{"2:2", "3:2", "3:3"}));
    EXPECT_FALSE(Cell(7, 3).IsCovered());
    EXPECT_TRUE(Cell(7, 3).GetMergeOrigin().IsNone());
}

// ---- refusals ----

struct Refusal
{
    const char* what;
    void (*prepare)(CNorvakCtrl& control);
    bool fill; // from the fill handle, else from the right edge
    POINT to;
    UINT keys;
    const char* message; // nullptr: refused without a message
};

TEST_F(BlockDrag, RefusedDropsLeaveTheWholePageAsItWas)
{
    const Refusal refusals[] = {
        {"a fill cutting a merge", [](CNorvakCtrl& c) { c.DoSetPageCellCombine(-1, 6, 6, 3, 4); }, true,
         Centre(7, 3), 0, kCutMerge},
        {"a move cutting a merge", [](CNorvakCtrl& c) { c.DoSetPageCellCombine(-1, 6, 7, 4, 4); }, false,
         Centre(5, 4), 0, kCutMerge},
        {"a copy cutting a merge", [](CNorvakCtrl& c) { c.DoSetPageCellCombine(-1, 6, 7, 4, 4); }, false,
         Centre(5, 4), MK_CONTROL, kCutMerge},
        {"a move of a block cutting a merge", [](CNorvakCtrl& c) { c.DoSetPageCellCombine(-1, 3, 4, 3, 3); },
         false, Centre(5, 4), 0, kCutMerge},
        {"a move onto a read-only page", [](CNorvakCtrl& c) { c.GetPage(-1)->m_bEditable = 0; }, false,
         Centre(5, 4), 0, nullptr},
        {"a copy onto a read-only page", [](CNorvakCtrl& c) { c.GetPage(-1)->m_bEditable = 0; }, false,
         Centre(5, 4), MK_CONTROL, nullptr},
        {"a fill on a read-only page", [](CNorvakCtrl& c) { c.GetPage(-1)->m_bEditable = 0; }, true,
         Centre(7, 3), 0, nullptr},
        {"a move onto an edit-locked cell", [](CNorvakCtrl& c) { c.EditPageCell(-1, 5, 3)->SetEditLock(1); },
         false, Centre(5, 4), 0, nullptr},
        {"a move onto a read-only cell", [](CNorvakCtrl& c) { c.SetItemState(-1, 5, 3, CIS_READONLY); },
         false, Centre(5, 4), 0, nullptr},
        {"a move released where it started", [](CNorvakCtrl&) {}, false, Centre(2, 3), 0, nullptr},
        {"a fill released on its block", [](CNorvakCtrl&) {}, true, Centre(3, 3), 0, nullptr},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        refusal.prepare(*control);
        Select(kBlock, {2, 2});
        const PageSnapshot before = Snapshot();
        ModalDriver driver;
        DragTo(refusal.fill ? FillHandle(kBlock) : RightEdge(kBlock), refusal.to, refusal.keys);
        EXPECT_EQ(Differences(before, Snapshot()), std::vector<std::string>{});
        const auto boxes = driver.SeenOf(ModalRequest::MessageBox);
        if (refusal.message) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, CString(refusal.message).ToWide());
            EXPECT_EQ(boxes[0].caption, L"警告");
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        EXPECT_EQ(control->m_dragRegion.GetSafeHandle(), nullptr);
        // Back to the page of the fixture for the next case.
        Page().m_bEditable = 1;
        control->EditPageCell(-1, 5, 3)->SetEditLock(0);
        control->SetItemState(-1, 5, 3, 0);
        for (const CMergeCellRange& merge : Merges())
            if (merge.firstRow != 2)
                control->UnCombineCells(-1, merge.firstRow, merge.firstCol);
    }
}

} // namespace
