// Copy, cut and paste through the cell and range objects, and the range copy, on a control made in
// this process: each case a sequence of steps with their results and the exact texts of source and
// target afterwards. The objects share the control's clipboard: its own cell buffer, the pending
// cut completed once, and another program's write, which makes the own cells stale.

#include "framework/Application.h"
#include "tests/automation/ObjectCalls.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ForeignClipboard.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

enum : DISPID
{
    kCellCopy = 38,
    kCellCut = 39,
    kCellPaste = 40,
    kCellIsPaste = 43,
    kRangeCopy = 22,
    kRangeCut = 23,
    kRangePaste = 24,
    kRangeIsPaste = 29,
};

enum class Op
{
    RangeCopy,
    RangeCut,
    RangePaste,
    CellCopy,
    CellCut,
    CellPaste,
    Foreign,   // another program writes the text
    Text,      // the cell's text is set
    CopyRange, // CopyGridRange, copying from `from`
    MoveRange, // CopyGridRange, moving from `from`
    RemoveRow, // the row at.minRow is removed
    Lock,      // the cell's edit lock is set
    RangeIsPaste,
    CellIsPaste,
};

struct Step
{
    Op op;
    int page;
    CCellRect at;
    LONG result = 1;
    const wchar_t* message = nullptr; // the one message box the step shows
    const char* text = nullptr;       // Foreign, Text
    CCellRect from{};                 // CopyRange, MoveRange
};

struct Expect
{
    int page;
    int row;
    int col;
    const char* text;
};

struct Case
{
    const char* name;
    std::vector<Step> steps;
    std::vector<Expect> texts;
};

CCellRect R(int r0, int c0, int r1, int c1)
{
    return CCellRect(r0, c0, r1, c1);
}

CCellRect C(int row, int col)
{
    return CCellRect(row, col, row, col);
}

// Page p's cell (r, c) starts as "p:r:c".
std::string Initial(int page, int row, int col)
{
    return std::to_string(page) + ":" + std::to_string(row) + ":" + std::to_string(col);
}

void Pump()
{
    PumpAsContainer(nullptr);
}

class ObjectClipboard : public ControlTest
{
protected:
    // A new control, its pages 0 and 1 filled, and an empty clipboard.
    void Fresh()
    {
        container.Destroy();
        Create();
        Start();
        for (int page = 0; page < 2; ++page)
            for (int row = 1; row <= 8; ++row)
                for (int col = 1; col <= 8; ++col)
                    ASSERT_TRUE(control->SetItemText(page, row, col, Initial(page, row, col).c_str()));
        WriteForeignText(nullptr);
    }

    std::string CellText(int page, int row, int col)
    {
        return control->GetPageCellText(page, row, col).GetString();
    }

    LONG Run(const Step& step)
    {
        auto callOn = [](IDispatch* object, DISPID id) {
            const LONG result = object ? AsLong(Invoke(object, id)) : -99;
            if (object)
                object->Release();
            return result;
        };
        auto range = [&](DISPID id) {
            return callOn(HeldObject(Call(kDoGetGridRangeObject, {L(step.page), L(step.at.minRow), L(step.at.minCol),
                                                                  L(step.at.maxRow), L(step.at.maxCol)})),
                          id);
        };
        auto cell = [&](DISPID id) {
            return callOn(HeldObject(Call(kDoGetGridObject, {L(step.page), L(step.at.minRow), L(step.at.minCol)})), id);
        };
        LONG result = 1;
        switch (step.op) {
        case Op::RangeCopy:
            result = range(kRangeCopy);
            break;
        case Op::RangeCut:
            result = range(kRangeCut);
            break;
        case Op::RangePaste:
            result = range(kRangePaste);
            break;
        case Op::CellCopy:
            result = cell(kCellCopy);
            break;
        case Op::CellCut:
            result = cell(kCellCut);
            break;
        case Op::CellPaste:
            result = cell(kCellPaste);
            break;
        case Op::Foreign:
            WriteForeignText(step.text);
            break;
        case Op::Text:
            result = control->SetItemText(step.page, step.at.minRow, step.at.minCol, step.text);
            break;
        case Op::RemoveRow:
            result = Bool(kDoRemovePageRow, {L(step.page), L(step.at.minRow)});
            break;
        case Op::Lock:
            control->EditPageCell(step.page, step.at.minRow, step.at.minCol)->SetEditLock(TRUE);
            break;
        case Op::RangeIsPaste:
            result = range(kRangeIsPaste);
            break;
        case Op::CellIsPaste:
            result = cell(kCellIsPaste);
            break;
        case Op::CopyRange:
        case Op::MoveRange:
            result = control->CopyGridRange(step.page, step.from, step.at, step.op == Op::CopyRange);
            break;
        }
        Pump();
        return result;
    }
};

} // namespace

TEST_F(ObjectClipboard, CopyCutAndPasteGiveTheExactTextsOfSourceAndTarget)
{
    const Case cases[] = {
        {"a copy onto a range of its size",
         {{Op::RangeCopy, 0, R(2, 2, 3, 3)}, {Op::RangePaste, 0, R(5, 5, 6, 6)}},
         {{0, 5, 5, "0:2:2"},
          {0, 5, 6, "0:2:3"},
          {0, 6, 5, "0:3:2"},
          {0, 6, 6, "0:3:3"},
          {0, 2, 2, "0:2:2"},
          {0, 7, 7, "0:7:7"}}},
        {"a copy onto an overlapping place, given by its first cell",
         {{Op::RangeCopy, 0, R(2, 2, 3, 3)}, {Op::RangePaste, 0, C(3, 3)}},
         {{0, 2, 2, "0:2:2"},
          {0, 2, 3, "0:2:3"},
          {0, 3, 2, "0:3:2"},
          {0, 3, 3, "0:2:2"},
          {0, 3, 4, "0:2:3"},
          {0, 4, 3, "0:3:2"},
          {0, 4, 4, "0:3:3"}}},
        {"a cut onto an overlapping place",
         {{Op::RangeCut, 0, R(2, 2, 3, 3)}, {Op::RangePaste, 0, R(3, 3, 4, 4)}},
         {{0, 2, 2, ""},
          {0, 2, 3, ""},
          {0, 3, 2, ""},
          {0, 3, 3, "0:2:2"},
          {0, 3, 4, "0:2:3"},
          {0, 4, 3, "0:3:2"},
          {0, 4, 4, "0:3:3"}}},
        {"a copy from another page",
         {{Op::RangeCopy, 1, R(2, 2, 2, 3)}, {Op::RangePaste, 0, C(5, 5)}},
         {{0, 5, 5, "1:2:2"},
          {0, 5, 6, "1:2:3"},
          {1, 2, 2, "1:2:2"},
          {1, 2, 3, "1:2:3"},
          {0, 2, 2, "0:2:2"}}},
        {"a cut from another page",
         {{Op::RangeCut, 1, R(2, 2, 2, 3)}, {Op::RangePaste, 0, R(5, 5, 5, 6)}},
         {{0, 5, 5, "1:2:2"}, {0, 5, 6, "1:2:3"}, {1, 2, 2, ""}, {1, 2, 3, ""}, {0, 2, 2, "0:2:2"}}},
        {"another program's text after a copy",
         {{Op::RangeCopy, 0, R(2, 2, 2, 3)},
          {Op::Foreign, 0, {}, 1, nullptr, "x\ty"},
          {Op::RangePaste, 0, R(5, 5, 5, 6)}},
         {{0, 5, 5, "x"}, {0, 5, 6, "y"}, {0, 2, 2, "0:2:2"}, {0, 2, 3, "0:2:3"}}},
        {"another program's text after a cut: the cut is dropped",
         {{Op::RangeCut, 0, R(2, 2, 2, 3)},
          {Op::Foreign, 0, {}, 1, nullptr, "x"},
          {Op::CellPaste, 0, C(5, 5)}},
         {{0, 5, 5, "x"}, {0, 5, 6, "0:5:6"}, {0, 2, 2, "0:2:2"}, {0, 2, 3, "0:2:3"}}},
        {"a second paste after a cut copies the cut cells and clears nothing more",
         {{Op::RangeCut, 0, R(2, 2, 2, 3)},
          {Op::RangePaste, 0, C(5, 5)},
          {Op::Text, 0, C(2, 2), 1, nullptr, "new"},
          {Op::RangePaste, 0, C(7, 7)}},
         {{0, 2, 2, "new"},
          {0, 2, 3, ""},
          {0, 5, 5, "0:2:2"},
          {0, 5, 6, "0:2:3"},
          {0, 7, 7, "0:2:2"},
          {0, 7, 8, "0:2:3"}}},
        {"a paste before any copy changes nothing",
         {{Op::RangePaste, 0, R(5, 5, 6, 6), 0}, {Op::CellPaste, 0, C(5, 5), 0}},
         {{0, 1, 1, "0:1:1"}, {0, 5, 5, "0:5:5"}, {0, 6, 6, "0:6:6"}}},
        {"a target of another size",
         {{Op::RangeCopy, 0, R(2, 2, 3, 3)},
          {Op::RangePaste, 0, R(5, 5, 5, 7), 0, L"源单元格数和目标单元格数不相等!"}},
         {{0, 5, 5, "0:5:5"}, {0, 5, 7, "0:5:7"}}},
        {"a target past the last row",
         {{Op::RangeCopy, 0, R(2, 2, 3, 3)}, {Op::CellPaste, 0, C(99, 5), 0, L"粘贴区域超出页面范围!"}},
         {{0, 2, 2, "0:2:2"}}},
        {"the cell object's cut pasted by the range object",
         {{Op::CellCut, 0, C(2, 2)}, {Op::RangePaste, 0, C(4, 4)}},
         {{0, 2, 2, ""}, {0, 4, 4, "0:2:2"}, {0, 4, 5, "0:4:5"}}},
        {"a header cell is no target",
         {{Op::CellCopy, 0, C(2, 2)}, {Op::CellPaste, 0, C(0, 4), 0}},
         {{0, 0, 4, ""}}},
        {"a cut whose rows moved before its paste is pasted as a copy",
         {{Op::RangeCut, 0, R(5, 5, 5, 6)}, {Op::RemoveRow, 0, C(1, 0)}, {Op::CellPaste, 0, C(8, 8)}},
         {{0, 8, 8, "0:5:5"}, {0, 8, 9, "0:5:6"}, {0, 4, 5, "0:5:5"}, {0, 5, 5, "0:6:5"}}},
        {"a paste is offered for text on the clipboard and cells that may be edited",
         {{Op::RangeIsPaste, 0, R(5, 5, 6, 6), 0},
          {Op::CellCopy, 0, C(2, 2)},
          {Op::RangeIsPaste, 0, R(5, 5, 6, 6), 1},
          {Op::Lock, 0, C(6, 6)},
          {Op::RangeIsPaste, 0, R(5, 5, 6, 6), 0},
          {Op::CellIsPaste, 0, C(5, 5), 1},
          {Op::CellIsPaste, 0, C(6, 6), 0},
          {Op::RangePaste, 0, R(6, 6, 6, 6), 0}},
         {{0, 6, 6, "0:6:6"}}},
        {"the range copy moves down and right over its own place",
         {{Op::MoveRange, 0, R(3, 3, 4, 4), 1, nullptr, nullptr, R(2, 2, 3, 3)}},
         {{0, 2, 2, ""},
          {0, 2, 3, ""},
          {0, 3, 2, ""},
          {0, 3, 3, "0:2:2"},
          {0, 3, 4, "0:2:3"},
          {0, 4, 3, "0:3:2"},
          {0, 4, 4, "0:3:3"}}},
        {"the range copy moves up and left over its own place",
         {{Op::MoveRange, 0, C(2, 2), 1, nullptr, nullptr, R(3, 3, 4, 4)}},
         {{0, 2, 2, "0:3:3"},
          {0, 2, 3, "0:3:4"},
          {0, 3, 2, "0:4:3"},
          {0, 3, 3, "0:4:4"},
          {0, 3, 4, ""},
          {0, 4, 3, ""},
          {0, 4, 4, ""}}},
        {"the range copy copies",
         {{Op::CopyRange, 0, C(6, 6), 1, nullptr, nullptr, R(2, 2, 2, 3)}},
         {{0, 2, 2, "0:2:2"}, {0, 6, 6, "0:2:2"}, {0, 6, 7, "0:2:3"}}},
        {"the range copy onto its own place does nothing",
         {{Op::MoveRange, 0, R(2, 2, 3, 3), 0, nullptr, nullptr, R(2, 2, 3, 3)}},
         {{0, 2, 2, "0:2:2"}, {0, 3, 3, "0:3:3"}}},
        {"the range copy between sizes that differ",
         {{Op::CopyRange, 0, R(5, 5, 5, 6), 0, L"源单元格数和目标单元格数不相等!", nullptr, R(2, 2, 3, 3)}},
         {{0, 5, 5, "0:5:5"}}},
        {"the range copy from beyond the page",
         {{Op::CopyRange, 0, C(5, 5), 0, L"源区域超出页面范围!", nullptr, R(99, 2, 100, 2)}},
         {{0, 5, 5, "0:5:5"}}},
        {"the range copy to one cell at INT_MAX, which the block would grow past",
         {{Op::CopyRange, 0, C(INT_MAX, INT_MAX), 0, L"粘贴区域超出页面范围!", nullptr, R(2, 2, 3, 3)}},
         {{0, 2, 2, "0:2:2"}}},
        {"the range copy to the last rows an int has",
         {{Op::CopyRange, 0, R(INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX), 0, L"粘贴区域超出页面范围!", nullptr,
           R(2, 2, 3, 3)}},
         {{0, 2, 2, "0:2:2"}}},
        {"the range copy onto INT_MIN to INT_MAX",
         {{Op::CopyRange, 0, R(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0, L"源单元格数和目标单元格数不相等!", nullptr,
           R(2, 2, 3, 3)}},
         {{0, 2, 2, "0:2:2"}}},
        {"the range copy from INT_MIN to INT_MAX",
         {{Op::CopyRange, 0, C(5, 5), 0, L"源区域超出页面范围!", nullptr, R(INT_MIN, INT_MIN, INT_MAX, INT_MAX)},
          {Op::MoveRange, 0, R(0, 0, 0, 0), 0, L"源区域超出页面范围!", nullptr, R(INT_MAX, 0, INT_MAX, 0)}},
         {{0, 5, 5, "0:5:5"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        for (size_t i = 0; i < c.steps.size(); ++i) {
            ModalDriver driver;
            EXPECT_EQ(Run(c.steps[i]), c.steps[i].result) << "step " << i;
            const std::vector<ModalDriver::Seen> seen = driver.SeenOf(ModalRequest::MessageBox);
            if (c.steps[i].message) {
                ASSERT_EQ(seen.size(), 1u) << "step " << i;
                EXPECT_EQ(seen[0].text, c.steps[i].message) << "step " << i;
                EXPECT_EQ(seen[0].caption, Application::Title().ToWide()) << "step " << i;
            } else {
                EXPECT_TRUE(seen.empty()) << "step " << i;
            }
        }
        for (const Expect& e : c.texts)
            EXPECT_EQ(CellText(e.page, e.row, e.col), e.text) << e.page << ":" << e.row << ":" << e.col;
        ExpectEveryPageConsistent(c.name);
    }
}

TEST_F(ObjectClipboard, APasteGivesTheTargetTheRowHeightsAndColumnWidthsOfTheCopiedBlock)
{
    Fresh();
    ASSERT_TRUE(control->SetRowHeight(1, 2, 33));
    ASSERT_TRUE(control->SetColumnWidth(1, 3, 91));
    IDispatch* range = HeldObject(Call(kDoGetGridRangeObject, {L(1), L(2), L(2), L(3), L(3)}));
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(AsLong(Invoke(range, kRangeCopy)), 1);
    HeldObject(Call(kDoGetGridRangeObject, {L(0), L(6), L(6), L(7), L(7)}))->Release();
    EXPECT_EQ(AsLong(Invoke(range, kRangePaste)), 1);
    EXPECT_EQ(control->GetRowHeight(0, 6), 33);
    EXPECT_EQ(control->GetRowHeight(0, 7), control->GetRowHeight(1, 3));
    EXPECT_EQ(control->GetColumnWidth(0, 7), 91);
    EXPECT_EQ(CellText(0, 7, 7), "1:3:3");
    range->Release();
}
