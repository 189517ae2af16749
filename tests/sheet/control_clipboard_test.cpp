// Copy, cut and paste through the real OLE clipboard, the context menu and its commands, and the
// drop target, on controls made in this process. Message boxes and the popup menu are answered
// through the modal seam; "another program" writes the clipboard through the plain clipboard API.

#include "tests/support/ControlTest.h"
#include "tests/support/ForeignClipboard.h"
#include "tests/support/NoticeRecorder.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PageConsistency.h"
#include "tests/support/PageSnapshot.h"

#include "framework/OleDataTransfer.h"
#include "resources/NorvakResource.h"
#include "sheet/model/CellLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Notice = NoticeRecorder::Notice;

void Pump()
{
    MSG msg{};
    for (int n = 0; n < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// The block the clipboard offers in a format, byte for byte, as a reader of the data object sees it.
std::string ClipboardBlock(CLIPFORMAT format)
{
    COleDataObject data;
    if (!data.AttachClipboard())
        return "<no data>";
    HGLOBAL block = data.GetGlobalData(format);
    if (!block)
        return "<no block>";
    std::string bytes(static_cast<const char*>(::GlobalLock(block)), ::GlobalSize(block));
    ::GlobalUnlock(block);
    ::GlobalFree(block);
    return bytes;
}

std::string Wide(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

class Clipboard : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
        recorder.emplace(container.ParentWindow(), notices);
    }
    void TearDown() override
    {
        recorder.reset();
        ExpectEveryPageConsistent("the test's end");
    }

    CNorvakPage& Page() { return *control->GetPage(-1); }
    CNorvakCell& Cell(int row, int col) { return *control->EditPageCell(-1, row, col); }
    void SetText(int row, int col, const char* text) { ASSERT_TRUE(control->SetItemText(-1, row, col, text)); }
    std::string Text(int row, int col) { return control->GetPageCellText(-1, row, col).GetString(); }
    void Select(int r0, int c0, int r1, int c1)
    {
        control->SetSelectedRange(-1, r0, c0, r1, c1);
        control->SetFocusCell(-1, r0, c0);
    }
    PageSnapshot Snapshot() { return TakeSnapshot(*control->GetPage(-1), *control->GetPageCells(-1)); }
    void Copy(int r0, int c0, int r1, int c1)
    {
        Select(r0, c0, r1, c1);
        ASSERT_TRUE(control->OnEditCopy());
        Pump();
    }
    void Cut(int r0, int c0, int r1, int c1)
    {
        Select(r0, c0, r1, c1);
        ASSERT_TRUE(control->OnEditCut());
        Pump();
    }
    BOOL PasteAt(int row, int col)
    {
        Select(row, col, row, col);
        notices.clear();
        const BOOL pasted = control->OnEditPaste();
        Pump();
        return pasted;
    }
    // "r:c" texts in a block (a comma would split a cell's text on the way in).
    void FillTexts(int r0, int c0, int r1, int c1)
    {
        for (int row = r0; row <= r1; ++row)
            for (int col = c0; col <= c1; ++col)
                SetText(row, col, (std::to_string(row) + ":" + std::to_string(col)).c_str());
    }

    ModalDriver driver;
    std::vector<Notice> notices;
    std::optional<NoticeRecorder> recorder;
};

// Rows a, "", c and d, e, f selected but for f, at (2, 2) .. (3, 4).
TEST_F(Clipboard, CopyOffersTheBlocksTextByteForByteAndItsUnicodeTwin)
{
    const char* texts[2][3] = {{"a", "", "c"}, {"d", "e", "f"}};
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            SetText(2 + row, 2 + col, texts[row][col]);
    control->SetSelectedRange(-1, 2, 2, 3, 3);
    ASSERT_TRUE(control->SetItemState(-1, 2, 4, CIS_SELECTED));
    ASSERT_TRUE(control->OnEditCopy());
    const std::string bytes = ClipboardBlock(CF_TEXT);
    EXPECT_EQ(bytes, std::string("a\t \tc\nd\te\t\0", 11));
    EXPECT_EQ(bytes.size(), 11u) << "the block is trimmed to the text and its NUL";
    EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT), Wide(L"a\t \tc\nd\te\t"));

    SetText(2, 2, "表格");
    ASSERT_TRUE(control->OnEditCopy());
    EXPECT_EQ(ClipboardBlock(CF_TEXT), std::string("\xb1\xed\xb8\xf1\t \tc\nd\te\t\0", 14));
    EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT), Wide(L"表格\t \tc\nd\te\t")) << "converted from code page 936";
}

TEST_F(Clipboard, APasteOfTheOwnCellsReproducesTextsFontsLinesMergesAndSelectsTheBlock)
{
    FillTexts(2, 2, 4, 4);
    CFontRecord bold;
    bold.font.lfWeight = FW_BOLD;
    bold.crText = RGB(200, 0, 0);
    Cell(3, 3).SetFont(bold);
    ASSERT_TRUE(control->SetCellHorLineColor(-1, 1, 3, RGB(255, 0, 0), kLineOwn)); // above the block
    ASSERT_TRUE(control->SetCellVerLineColor(-1, 4, 1, RGB(0, 0, 255), kLineOwn)); // left of the block
    ASSERT_TRUE(control->SetCellHorLineStyle(-1, 4, 4, 3, kLineOwn));
    ASSERT_TRUE(control->CombineCells(-1, 2, 3, 1, 1, TRUE, 0));
    Copy(2, 2, 4, 4);
    ASSERT_TRUE(control->HasOwnClipboardCells());

    ASSERT_TRUE(PasteAt(10, 10));
    EXPECT_EQ(Text(10, 10), "2:2");
    EXPECT_EQ(Text(12, 12), "4:4");
    EXPECT_EQ(Cell(11, 11).GetFont().font.lfWeight, FW_BOLD);
    EXPECT_EQ(Cell(11, 11).GetFont().crText, RGB(200, 0, 0));
    EXPECT_EQ(Cell(9, 11).GetHorLineColor(), RGB(255, 0, 0)) << "the top line of the block";
    EXPECT_EQ(Cell(12, 9).GetVerLineColor(), RGB(0, 0, 255)) << "the left line of the block";
    EXPECT_EQ(Cell(12, 12).GetHorLineStyle(), 3);
    EXPECT_EQ(Cell(10, 11).GetRowSpan(), 1);
    EXPECT_EQ(Cell(10, 11).GetColSpan(), 1);
    EXPECT_TRUE(Cell(11, 12).IsCovered());
    EXPECT_EQ(Cell(11, 12).GetMergeOrigin(), CCellCoord(10, 11));
    EXPECT_EQ(Page().m_bodyMerges.size(), 2u);
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(10, 10, 12, 12));
    EXPECT_EQ(Text(2, 2), "2:2") << "a copy keeps its source";
    EXPECT_TRUE(notices.empty()) << "the own cells are no edits of text";
}

TEST_F(Clipboard, APasteIntoAMergeWhollyInsideTheTargetTakesItApart)
{
    FillTexts(2, 2, 3, 3);
    Copy(2, 2, 3, 3);
    ASSERT_TRUE(control->CombineCells(-1, 10, 10, 1, 1, TRUE, 0));
    ASSERT_TRUE(PasteAt(10, 10));
    EXPECT_TRUE(Page().m_bodyMerges.empty());
    EXPECT_EQ(Text(11, 11), "3:3");
}

TEST_F(Clipboard, ACutIsCompletedOnceAtTheFirstPasteOfTheOwnCells)
{
    FillTexts(2, 2, 3, 3);
    ASSERT_TRUE(control->CombineCells(-1, 2, 2, 0, 1, TRUE, 0));
    Cut(2, 2, 3, 3);
    EXPECT_EQ(Text(2, 2), "2:2") << "nothing moves before the paste";
    EXPECT_EQ(control->GetPendingCut(), CCellRect(2, 2, 3, 3));

    ASSERT_TRUE(PasteAt(10, 10));
    EXPECT_EQ(Text(10, 10), "2:2");
    EXPECT_EQ(Text(11, 11), "3:3");
    EXPECT_EQ(Text(2, 2), "");
    EXPECT_EQ(Text(3, 3), "");
    EXPECT_EQ(Page().m_bodyMerges.size(), 1u) << "the source's merge went with its cells";
    EXPECT_EQ(control->GetPendingCut(), CCellRect()) << "forgotten once completed";

    SetText(2, 2, "later");
    ASSERT_TRUE(PasteAt(20, 20));
    EXPECT_EQ(Text(20, 20), "2:2") << "a second paste is a copy";
    EXPECT_EQ(Text(2, 2), "later") << "and clears nothing";
}

TEST_F(Clipboard, AnotherProgramsWriteDropsThePendingCutAndKeepsItsCells)
{
    FillTexts(2, 2, 3, 3);
    Cut(2, 2, 3, 3);
    WriteForeignText("x\ty");
    EXPECT_FALSE(control->HasOwnClipboardCells());
    EXPECT_EQ(control->GetPendingCut(), CCellRect());
    ASSERT_TRUE(PasteAt(10, 10));
    EXPECT_EQ(Text(10, 10), "x");
    EXPECT_EQ(Text(10, 11), "y");
    EXPECT_EQ(Text(2, 2), "2:2");
    EXPECT_EQ(Text(3, 3), "3:3");
}

TEST_F(Clipboard, ForeignTextIsPastedCellByCellWithTheEditNotices)
{
    WriteForeignText("x\ty");
    ASSERT_TRUE(PasteAt(5, 5));
    EXPECT_EQ(Text(5, 5), "x");
    EXPECT_EQ(Text(5, 6), "y");
    const std::vector<Notice> expected{{-105, 5, 5}, {-106, 5, 5}, {-105, 5, 6}, {-106, 5, 6}};
    EXPECT_EQ(notices, expected);
    EXPECT_TRUE(control->GetItemState(-1, 5, 6) & CIS_MODIFIED);
    EXPECT_FALSE(control->GetItemState(-1, 5, 5) & CIS_SELECTED) << "a pasted cell leaves the selection";

    WriteForeignText("1,2\t\t3\r\n 4 \n\n5");
    ASSERT_TRUE(PasteAt(5, 5));
    EXPECT_EQ(std::vector<std::string>({Text(5, 5), Text(5, 6), Text(5, 7), Text(6, 5), Text(7, 5), Text(8, 5)}),
              std::vector<std::string>({"1", "2", "3", "4", "", "5"}));

    WriteForeignText("far\tbeyond");
    ASSERT_TRUE(PasteAt(5, 49));
    EXPECT_EQ(Text(5, 49), "far") << "tokens past the page are dropped";
}

// A second control of the same process has no own cells: it takes the text form.
TEST_F(Clipboard, CopyInOneControlPastesTextInAnother)
{
    ControlInContainer second;
    FillTexts(2, 2, 2, 3);
    Cell(2, 2).EditFont().font.lfWeight = FW_BOLD;
    Copy(2, 2, 2, 3);
    second->SetSelectedRange(-1, 7, 7, 7, 7);
    ASSERT_TRUE(second->OnEditPaste());
    EXPECT_EQ(std::string(second->GetPageCellText(-1, 7, 7)), "2:2");
    EXPECT_EQ(std::string(second->GetPageCellText(-1, 7, 8)), "2:3");
    EXPECT_EQ(second->GetPageCell(-1, 7, 7)->GetFont().font.lfWeight, 0) << "another control gets only the text";
    EXPECT_TRUE(control->HasOwnClipboardCells()) << "reading the clipboard empties no one's buffer";
    ASSERT_TRUE(PasteAt(9, 9));
    EXPECT_EQ(Text(9, 9), "2:2");

    // The text a control put there stays when the control goes.
    second->SetItemText(-1, 3, 3, "kept");
    second->SetSelectedRange(-1, 3, 3, 3, 3);
    ASSERT_TRUE(second->OnEditCopy());
    second.Destroy();
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HGLOBAL text = ::GetClipboardData(CF_TEXT);
    EXPECT_STREQ(text ? static_cast<const char*>(::GlobalLock(text)) : "", "kept");
    if (text)
        ::GlobalUnlock(text);
    ::CloseClipboard();
    ASSERT_TRUE(PasteAt(9, 9));
    EXPECT_EQ(Text(9, 9), "kept");
}

TEST_F(Clipboard, TheEditCommandsAreOfferedOnlyWhenTheyCanRun)
{
    WriteForeignText("t");
    Select(2, 2, 3, 3);
    EXPECT_TRUE(control->CanCopy());
    EXPECT_TRUE(control->CanCut());
    EXPECT_TRUE(control->CanPaste());
    EXPECT_TRUE(control->CanSelectAll());
    control->SetModified(-1, FALSE, 3, 3); // read-only
    EXPECT_FALSE(control->CanCut()) << "a cut would clear a cell that may not be edited";
    EXPECT_FALSE(control->OnEditCut());
    EXPECT_TRUE(control->CanCopy());
    Page().m_bEditable = 0;
    EXPECT_FALSE(control->CanPaste());
    Page().m_bEditable = 1;
    Page().m_bEnableSelection = 0;
    EXPECT_FALSE(control->CanSelectAll());
    Page().m_bEnableSelection = 1;
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(control->CanPaste()) << "no text on the clipboard";
    control->ClearSelectionAndFocus(-1);
    EXPECT_FALSE(control->CanCopy());
    EXPECT_FALSE(control->OnEditCopy());
}

// A cut whose source was locked meanwhile keeps its source: the paste is a copy.
TEST_F(Clipboard, ACutOfCellsLockedSinceKeepsThemAndPastesACopy)
{
    FillTexts(2, 2, 2, 3);
    Cut(2, 2, 2, 3);
    Cell(2, 3).SetEditLock(1);
    ASSERT_TRUE(PasteAt(6, 6));
    EXPECT_EQ(Text(6, 7), "2:3");
    EXPECT_EQ(Text(2, 2), "2:2");
    EXPECT_EQ(Text(2, 3), "2:3");
    EXPECT_EQ(control->GetPendingCut(), CCellRect());
    Cell(2, 3).SetEditLock(0);
}

// The drag buffer moves the selected block: its source is cleared before the cells are written,
// so an overlapping target keeps the moved contents.
TEST_F(Clipboard, TheDragBufferMovesTheSelectedBlockOntoAnOverlappingTarget)
{
    FillTexts(2, 2, 3, 3);
    Select(2, 2, 3, 3);
    EXPECT_EQ(control->CopyCellsToBuffer(FALSE), nullptr);
    EXPECT_TRUE(control->PasteCells(3, 3, 4, 4, nullptr, FALSE, TRUE));
    control->EmptyDragBuffer();
    EXPECT_EQ(std::vector<std::string>({Text(2, 2), Text(3, 3), Text(3, 4), Text(4, 3), Text(4, 4)}),
              std::vector<std::string>({"", "2:2", "2:3", "3:2", "3:3"}));
    EXPECT_EQ(control->GetSelectedCellRange(-1), CCellRect(3, 3, 4, 4));
    EXPECT_FALSE(control->PasteCells(5, 5, 6, 6, nullptr, FALSE, FALSE)) << "an empty drag buffer pastes nothing";
}

TEST_F(Clipboard, WithNothingSelectedAPasteGoesToTheFocusCellElseToTheFirstScrollingCell)
{
    WriteForeignText("p");
    control->ClearSelectionAndFocus(-1);
    control->SetFocusCell(-1, 6, 6);
    ASSERT_TRUE(control->OnEditPaste());
    EXPECT_EQ(Text(6, 6), "p");
    control->ClearSelectionAndFocus(-1);
    ASSERT_TRUE(control->OnEditPaste());
    EXPECT_EQ(Text(1, 1), "p");
}

// Each lock refuses the own cells' paste whole and leaves the page as it was; the text path skips
// the locked cells and keeps their read-only bit.
TEST_F(Clipboard, APasteNeverWritesACellThatMayNotBeEdited)
{
    FillTexts(2, 2, 3, 3);
    Copy(2, 2, 3, 3);
    const struct
    {
        const char* lock;
        void (*apply)(CNorvakCtrl&, bool on);
    } locks[] = {
        {"edit lock", [](CNorvakCtrl& c, bool on) { c.EditPageCell(-1, 11, 11)->SetEditLock(on); }},
        {"read-only", [](CNorvakCtrl& c, bool on) { c.SetModified(-1, !on, 11, 11); }},
        {"page", [](CNorvakCtrl& c, bool on) { c.GetPage(-1)->m_bEditable = !on; }},
    };
    for (const auto& lock : locks) {
        lock.apply(*control, true);
        Select(10, 10, 10, 10);
        const PageSnapshot before = Snapshot();
        EXPECT_FALSE(control->OnEditPaste()) << lock.lock;
        EXPECT_EQ(Differences(before, Snapshot()), std::vector<std::string>()) << lock.lock;
        lock.apply(*control, false);
    }
    EXPECT_TRUE(driver.seen.empty()) << "a lock shows no message";

    WriteForeignText("a\tb\nc\td");
    control->SetModified(-1, FALSE, 11, 11); // read-only
    ASSERT_TRUE(PasteAt(10, 10));
    EXPECT_EQ(Text(10, 11), "b");
    EXPECT_EQ(Text(11, 11), "") << "the read-only cell is skipped";
    EXPECT_TRUE(control->GetItemState(-1, 11, 11) & CIS_READONLY);
}

TEST_F(Clipboard, EachWarningShowsUnderItsCaptionAndLeavesThePageAsItWas)
{
    FillTexts(2, 2, 4, 3);
    ASSERT_TRUE(control->CombineCells(-1, 3, 2, 1, 0, TRUE, 0));
    Cut(2, 2, 4, 3);
    ASSERT_TRUE(control->CombineCells(-1, 20, 21, 1, 1, TRUE, 0));
    const struct
    {
        CCellCoord at;
        const wchar_t* message;
    } cases[] = {
        {{98, 10}, L"由于单元格的合并区域超出工作簿，无法进行粘贴!"}, // the block and its merge end past row 99
        {{97, 49}, L"由于单元格的合并区域超出工作簿，无法进行粘贴!"}, // the block ends past column 49
        {{19, 20}, L"不能对合并单元格的某部分操作!"},                 // cuts through (20, 21) .. (21, 22)
    };
    for (const auto& c : cases) {
        Select(c.at.row, c.at.col, c.at.row, c.at.col);
        const PageSnapshot before = Snapshot();
        driver.seen.clear();
        EXPECT_FALSE(control->OnEditPaste()) << c.at.row << "," << c.at.col;
        EXPECT_EQ(Differences(before, Snapshot()), std::vector<std::string>()) << "the cut source too";
        const std::vector<ModalDriver::Seen> boxes = driver.SeenOf(ModalRequest::MessageBox);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.message);
        EXPECT_EQ(boxes[0].caption, L"警告");
        EXPECT_EQ(boxes[0].type & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
        EXPECT_EQ(control->GetPendingCut(), CCellRect(2, 2, 4, 3)) << "the cut waits for a paste that succeeds";
    }
}

// ---- the context menu ----

std::vector<std::wstring> MenuTexts(HMENU menu)
{
    std::vector<std::wstring> texts;
    for (int pos = 0; pos < ::GetMenuItemCount(menu); ++pos) {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, UINT(pos), text, 64, MF_BYPOSITION);
        texts.push_back(text[0] ? text : L"-");
    }
    return texts;
}

const std::vector<std::wstring> kCellMenu{
    L"拷   贝\tCtrl+C", L"剪   切\tCtrl+X", L"粘   贴\tCtrl+V", L"-", L"按字符串排序\tCtrl+S", L"按数值排序\tCtrl+N",
    L"-", L"X<--->Y", L"保持相同行高", L"保持相同列宽", L"-", L"文本格式(&A)...", L"图例单元设置\tCtrl+E", L"-",
    L"图表设置...", L"图表类型...\tCtrl+H", L"-", L"字体(&F)...", L"线型设置"};

std::vector<std::wstring> Without(std::vector<std::wstring> texts, std::vector<std::wstring> removed)
{
    for (const std::wstring& text : removed) {
        auto found = std::find(texts.begin(), texts.end(), text);
        EXPECT_NE(found, texts.end()) << "no item to remove";
        if (found != texts.end())
            texts.erase(found);
    }
    return texts;
}

std::vector<std::wstring> BuiltMenu(const std::vector<int>& hiddenIndexes, int chartMenu = 1)
{
    int hidden[24] = {};
    for (int index : hiddenIndexes)
        hidden[index] = 1;
    HMENU menu = BuildCellContextMenu(hidden, chartMenu);
    EXPECT_NE(menu, nullptr);
    std::vector<std::wstring> texts = MenuTexts(menu);
    ::DestroyMenu(menu);
    return texts;
}

TEST(ContextMenu, EachHideFlagRemovesItsItemAlsoAfterEarlierOnesWent)
{
    EXPECT_EQ(BuiltMenu({}), kCellMenu);
    // Flags whose command the cell menu does not carry (0, 1, 7, 8, 21, 23) remove nothing.
    const struct
    {
        std::vector<int> flags;
        std::vector<std::wstring> removed;
    } cases[] = {
        {{0, 1, 7, 8, 21, 23}, {}},
        {{3}, {L"拷   贝\tCtrl+C"}},
        {{2}, {L"-"}}, // the first separator
        {{6}, {L"-"}},
        {{2, 6, 9}, {L"-", L"-", L"-"}},
        {{4, 5}, {L"剪   切\tCtrl+X", L"粘   贴\tCtrl+V"}},
        {{10, 11, 13, 14, 15}, {L"按字符串排序\tCtrl+S", L"按数值排序\tCtrl+N", L"X<--->Y", L"保持相同行高", L"保持相同列宽"}},
        {{17, 18, 20}, {L"文本格式(&A)...", L"图例单元设置\tCtrl+E", L"图表类型...\tCtrl+H"}},
        // Nineteen items, fourteen of them removed first: the flags past the count still work.
        {{2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
         {L"-", L"-", L"-", L"-", L"-", L"拷   贝\tCtrl+C", L"剪   切\tCtrl+X", L"粘   贴\tCtrl+V",
          L"按字符串排序\tCtrl+S", L"按数值排序\tCtrl+N", L"X<--->Y", L"保持相同行高", L"保持相同列宽",
          L"文本格式(&A)...", L"图例单元设置\tCtrl+E", L"图表类型...\tCtrl+H"}},
    };
    for (const auto& c : cases) {
        std::string flags;
        for (int flag : c.flags)
            flags += std::to_string(flag) + " ";
        EXPECT_EQ(BuiltMenu(c.flags), Without(kCellMenu, c.removed)) << flags;
    }
    EXPECT_EQ(BuiltMenu({}, 0), Without(kCellMenu, {L"文本格式(&A)..."})) << "the chart-menu switch off";
}

// Records the menus the control shows and chooses a command from them.
struct MenuChoice
{
    explicit MenuChoice(ModalDriver& driver, UINT choose = 0) : m_driver(driver)
    {
        driver.answer = [this, choose](const ModalRequest& request) -> INT_PTR {
            if (request.kind != ModalRequest::PopupMenu)
                return ModalDriver::DefaultAnswer(request);
            shown.push_back(MenuTexts(static_cast<HMENU>(request.data)));
            return choose;
        };
    }
    ~MenuChoice() { m_driver.answer = &ModalDriver::DefaultAnswer; }
    std::vector<std::vector<std::wstring>> shown;

private:
    ModalDriver& m_driver;
};

struct RecordingSheets final : ISheetFactory
{
    INT_PTR CellFormat(CNorvakCtrl&) override { return Opened("cell format"); }
    INT_PTR FillEffects(CNorvakCtrl&) override { return Opened("fill effects"); }
    INT_PTR Legend(CNorvakCtrl&) override { return Opened("legend"); }
    INT_PTR ChartSettings(CNorvakCtrl&) override { return Opened("chart settings"); }
    INT_PTR Opened(const char* sheet)
    {
        opened.push_back(sheet);
        return IDCANCEL;
    }
    std::vector<std::string> opened;
};

class ContextMenuOnControl : public Clipboard
{
protected:
    void RightClick(HWND from = nullptr)
    {
        ::SendMessageW(control->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(from ? from : control->m_hWnd),
                       MAKELPARAM(50, 50));
        Pump();
    }
};

TEST_F(ContextMenuOnControl, ShowsTheCellMenuOrNoneAndTheInsertMenuWithoutPages)
{
    MenuChoice menus(driver);
    RightClick();
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0], kCellMenu);

    RightClick(control->GetChildWindow(kIdHorzBar));
    RightClick(control->GetChildWindow(kIdVertBar));
    EXPECT_EQ(menus.shown.size(), 1u) << "a right click on a scroll bar builds no menu";

    control->m_bCellAreaActive = 0;
    ASSERT_TRUE(control->DoSetPageContextMenuVisible(-1, FALSE));
    RightClick();
    EXPECT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(control->m_bCellAreaActive, 1) << "the cell area is marked active all the same";

    while (control->DoGetPageCounts() > 0)
        ASSERT_TRUE(control->DoDeletePage(0));
    RightClick();
    ASSERT_EQ(menus.shown.size(), 2u);
    EXPECT_EQ(menus.shown[1], std::vector<std::wstring>{L"插入页(&I)"});
    ExpectEveryPageConsistent("no pages");
}

TEST_F(ContextMenuOnControl, HideFlagsSetThroughAutomationTakeTheirItemsAway)
{
    MenuChoice menus(driver);
    ASSERT_TRUE(control->DoSetPageContextMenuItemVisible(-1, 3, FALSE));
    ASSERT_TRUE(control->DoSetPageContextMenuItemVisible(-1, 2, FALSE));
    RightClick();
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0], Without(kCellMenu, {L"拷   贝\tCtrl+C", L"-"}));
}

TEST_F(ContextMenuOnControl, TheChosenCommandsCopyPasteAndOpenTheirSheets)
{
    RecordingSheets sheets;
    control->SetSheetFactory(&sheets);
    FillTexts(2, 2, 2, 3);
    Select(2, 2, 2, 3);
    {
        MenuChoice copy(driver, ID_EDIT_COPY_CELLS);
        RightClick();
    }
    EXPECT_TRUE(control->HasOwnClipboardCells());
    Select(8, 8, 8, 8);
    {
        MenuChoice paste(driver, ID_EDIT_PASTE_CELLS);
        RightClick();
    }
    EXPECT_EQ(Text(8, 9), "2:3");
    for (UINT command : {ID_CELL_FORMAT, ID_LEGEND_SETTINGS, ID_CHART_SETTINGS, ID_FILL_EFFECTS}) {
        MenuChoice choice(driver, command);
        RightClick();
    }
    EXPECT_EQ(sheets.opened, std::vector<std::string>({"cell format", "legend", "chart settings", "fill effects"}));
    const PageSnapshot before = Snapshot();
    for (UINT command : {ID_SORT_BY_VALUE, ID_SORT_BY_STRING, ID_PAGE_INSERT}) {
        MenuChoice choice(driver, command);
        RightClick();
    }
    EXPECT_EQ(Differences(before, Snapshot()), std::vector<std::string>()) << "commands without a handler";
    EXPECT_EQ(control->DoGetPageCounts(), 3);
}

// ---- the drop target ----

TEST_F(Clipboard, TheDropTargetIsRegisteredOnTheWindowAndRefusesEveryDrop)
{
    const CSheetDropTarget& target = control->GetDropTarget();
    EXPECT_TRUE(target.IsRegistered());
    EXPECT_EQ(target.GetWindow(), control->m_hWnd);
    COleDropTarget other;
    EXPECT_EQ(::RegisterDragDrop(control->m_hWnd, &other), DRAGDROP_E_ALREADYREGISTERED);

    CSheetDropTarget second;
    EXPECT_FALSE(second.Register(control->m_hWnd)) << "the window has its target";
    EXPECT_FALSE(second.Register(container.ParentWindow())) << "not a control's window";
    EXPECT_FALSE(second.Register(nullptr));

    COleDataSource* text = new COleDataSource;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
    text->CacheGlobalData(CF_TEXT, block);
    auto& sheet = const_cast<CSheetDropTarget&>(target);
    for (POINT at : {POINT{5, 5}, POINT{200, 100}}) {
        POINTL screen{at.x, at.y};
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(sheet.DragEnter(text, MK_LBUTTON, screen, &effect), S_OK);
        EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE));
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(sheet.DragOver(MK_LBUTTON | MK_CONTROL, screen, &effect), S_OK);
        EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE));
        effect = DROPEFFECT_COPY;
        EXPECT_EQ(sheet.Drop(text, 0, screen, &effect), S_OK);
        EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE));
    }
    text->Release();
    EXPECT_EQ(target.OnDragScroll(control->m_hWnd, MK_CONTROL, CPoint(1, 1)), DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(target.OnDragScroll(control->m_hWnd, 0, CPoint(1, 1)), DWORD(DROPEFFECT_MOVE));
    EXPECT_EQ(target.OnDragScroll(container.ParentWindow(), 0, CPoint(1, 1)), DWORD(DROPEFFECT_NONE));
}

// A new border style makes the window again: the old one's target goes with it, the new one gets one.
TEST_F(Clipboard, TheDropTargetIsRevokedWhenItsWindowGoes)
{
    const HWND before = control->m_hWnd;
    control->SetWindowBorderStyle(4);
    ASSERT_NE(control->m_hWnd, nullptr);
    ASSERT_FALSE(::IsWindow(before));
    EXPECT_TRUE(control->GetDropTarget().IsRegistered());
    EXPECT_EQ(control->GetDropTarget().GetWindow(), control->m_hWnd);
    COleDropTarget other;
    EXPECT_EQ(::RegisterDragDrop(control->m_hWnd, &other), DRAGDROP_E_ALREADYREGISTERED);
}

} // namespace
