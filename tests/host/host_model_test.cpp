// The host's rules that need no window: header labels, palette items, border plans, row-height
// arithmetic, the open-file list, the recent-file list, the picker's layout and the tab command
// table.

#include "framework/CmdTarget.h"
#include "host/model/BorderPlan.h"
#include "host/model/ControlMembers.h"
#include "host/model/HeaderLabels.h"
#include "host/model/HiddenRows.h"
#include "host/model/HostPalette.h"
#include "host/model/OpenFileList.h"
#include "host/model/PickerLayout.h"
#include "host/model/RecentFileList.h"
#include "host/model/RowHeightValue.h"
#include "host/model/SelectionBounds.h"
#include "host/model/ShellOpenCommands.h"
#include "host/model/TabCommands.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>
#include <string>
#include <vector>

TEST(HeaderLabels, ColumnLettersRunFromAToZZAndOn)
{
    const struct
    {
        long column;
        const char* letters;
    } cases[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {0, ""}, {-3, ""}};
    for (const auto& c : cases)
        EXPECT_STREQ(ColumnLetters(c.column).GetString(), c.letters) << c.column;
}

TEST(HeaderLabels, RowsAfterTheFixedOnesCountFromOne)
{
    EXPECT_STREQ(RowNumberLabel(1, 1).GetString(), "1");
    EXPECT_STREQ(RowNumberLabel(99, 1).GetString(), "99");
    EXPECT_STREQ(RowNumberLabel(2, 2).GetString(), "1");
}

TEST(HostPalette, CellColoursBecomePickerItems)
{
    const struct
    {
        COLORREF colour;
        int fill, textOrLine;
    } cases[] = {
        {0x000000, 0, 0},        {0xFFFFFF, 15, 15},    {0x0000FF, 4, 4},
        {0xFF0000, 12, 12},      {0x123456, 16, 16},    {0xFF000000, 15, -1}, // automatic
        {0xFFFFFFFF, -1, 16},                                                  // no fill
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaletteItemOfFill(c.colour), c.fill) << std::hex << c.colour;
        EXPECT_EQ(PaletteItemOfTextOrLine(c.colour), c.textOrLine) << std::hex << c.colour;
    }
}

namespace {

// The lines a picture sets on each cell of a 2 x 2 selection, as (horizontal, side, kind) triples.
std::vector<BorderEdit> PlanInBlock(int type, int row, int col)
{
    return PlanCellBorders(type, {row == 1, row == 0, col == 1, col == 0});
}

bool Has(const std::vector<BorderEdit>& edits, bool horizontal, int side, BorderLine kind)
{
    for (const BorderEdit& e : edits)
        if (e.horizontal == horizontal && e.side == side && e.kind == kind)
            return true;
    return false;
}

} // namespace

TEST(BorderPlan, AllLinesGiveEveryCellBothSidesBothWays)
{
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col) {
            const auto edits = PlanInBlock(22, row, col);
            ASSERT_EQ(edits.size(), 2u);
            EXPECT_TRUE(Has(edits, true, 1, BorderLine::Line));
            EXPECT_TRUE(Has(edits, false, 1, BorderLine::Line));
        }
}

TEST(BorderPlan, OutlineDrawsTheOutsideAndClearsTheInside)
{
    // Top-left cell: its top and left edges are outside; its bottom and right are inside lines
    // that the neighbours below and to the right clear as their own top and left edges.
    const auto topLeft = PlanInBlock(1, 0, 0);
    EXPECT_TRUE(Has(topLeft, true, 0, BorderLine::Line));
    EXPECT_TRUE(Has(topLeft, false, 0, BorderLine::Line));
    EXPECT_EQ(topLeft.size(), 2u);
    const auto bottomRight = PlanInBlock(1, 1, 1);
    EXPECT_TRUE(Has(bottomRight, true, 0, BorderLine::None));
    EXPECT_TRUE(Has(bottomRight, false, 0, BorderLine::None));
    EXPECT_TRUE(Has(bottomRight, true, 2, BorderLine::Line));
    EXPECT_TRUE(Has(bottomRight, false, 2, BorderLine::Line));
}

TEST(BorderPlan, PicturesTenToThirteenAndUnknownOnesChangeNothing)
{
    for (int type : {10, 11, 12, 13, 23, -1})
        EXPECT_TRUE(PlanCellBorders(type, {false, false, false, false}).empty()) << type;
}

TEST(BorderPlan, BottomPictureGridsTheOwnBottomOfALoneCellBeforeLiningIt)
{
    // Type 6 with no neighbour: the cell's own bottom becomes grid, then the line; the last wins.
    const auto edits = PlanCellBorders(6, {false, false, false, false});
    ASSERT_GE(edits.size(), 2u);
    EXPECT_EQ(edits[0].side, 2);
    EXPECT_EQ(edits[0].kind, BorderLine::Grid);
    EXPECT_EQ(edits[1].side, 2);
    EXPECT_EQ(edits[1].kind, BorderLine::Line);
}

TEST(BorderPlan, WidthOfTheFirstEntryIsOneUnit)
{
    EXPECT_EQ(BorderLineWidth(-1), 1);
    EXPECT_EQ(BorderLineWidth(0), 1);
    EXPECT_EQ(BorderLineWidth(1), 2);
    EXPECT_EQ(BorderLineWidth(5), 10);
    EXPECT_EQ(BorderLineStyle(-1), 1);
    EXPECT_EQ(BorderLineStyle(7), 7);
}

TEST(RowHeightValue, StepsClampAndNeverShowAMinus)
{
    EXPECT_STREQ(FormatRowHeightCm(StepRowHeightCm(0.0f, -1)).GetString(), "0.00厘米");
    EXPECT_STREQ(FormatRowHeightCm(StepRowHeightCm(7.99f, 5)).GetString(), "8.00厘米");
    EXPECT_STREQ(FormatRowHeightCm(-0.0f).GetString(), "0.00厘米");
    EXPECT_STREQ(FormatRowHeightCm(0.5f).GetString(), "0.50厘米");
}

TEST(RowHeightValue, TypedTextIsReadUpToTheUnitAndClamped)
{
    EXPECT_FLOAT_EQ(ParseRowHeightCm("12"), 8.0f);
    EXPECT_FLOAT_EQ(ParseRowHeightCm("2.5厘米"), 2.5f);
    EXPECT_FLOAT_EQ(ParseRowHeightCm("-3"), 0.0f);
    EXPECT_FLOAT_EQ(ParseRowHeightCm("abc"), 0.0f);
}

TEST(RowHeightValue, PixelsAndCentimetresFollowTheDevice)
{
    // 96 pixels per inch: 768 pixels over 203 mm.
    EXPECT_NEAR(PixelsToMillimetres(20, 203, 768), 20 * 203.0f / 768, 1e-4);
    EXPECT_EQ(CentimetresToPixels(1.0f, 203, 768), long(768.0f / 203.0f * 10.0f));
    EXPECT_EQ(CentimetresToPixels(1.0f, 0, 768), 0);
    EXPECT_FLOAT_EQ(PixelsToMillimetres(20, 203, 0), 0.0f);
}

TEST(OpenFileList, FindsPathsExactlyAndForgetsOneFrame)
{
    OpenFileList list;
    int a = 0, b = 0;
    list.Append("C:\\书\\表.nvk", &a);
    list.Append("C:\\Other.nvk", &b);
    list.Append("C:\\书\\表.nvk", &b);
    ASSERT_NE(list.FindPath("C:\\书\\表.nvk"), nullptr);
    EXPECT_EQ(list.FindPath("C:\\书\\表.nvk")->frame, &a);
    EXPECT_EQ(list.FindPath("c:\\other.nvk"), nullptr); // case counts
    EXPECT_TRUE(list.RemoveFrame(&b));
    ASSERT_EQ(list.Entries().size(), 2u);
    EXPECT_STREQ(list.Entries()[1].path.GetString(), "C:\\书\\表.nvk"); // only b's first entry went
    EXPECT_FALSE(list.RemoveFrame(nullptr));
}

TEST(OpenFileList, FileNameDropsTheFolderButNotADoubleByteTrail)
{
    EXPECT_STREQ(FileNameOfPath("C:\\书\\表.nvk").GetString(), "表.nvk");
    EXPECT_STREQ(FileNameOfPath("Z:/tmp/a.nor").GetString(), "a.nor");
    EXPECT_STREQ(FileNameOfPath("plain.fcs").GetString(), "plain.fcs");
    // "表" is 0xB1 0xED and "\" 0x5C; a character whose trail byte is 0x5C ("\x95\x5C") stays whole.
    EXPECT_STREQ(FileNameOfPath("C:\\\x95\x5C.nvk").GetString(), "\x95\x5C.nvk");
}

TEST(RecentFileList, NewestFirstAPathOnceWhateverItsCaseAndNoMoreThanItsSize)
{
    RecentFileList list(4, L"Software\\NorvakTests\\RecentOrder");
    for (const char* path : {"C:\\a.nvk", "C:\\b.nvk", "C:\\c.nvk", "c:\\A.NVK", "C:\\d.nvk", "C:\\e.nvk", ""})
        list.Add(path);
    ASSERT_EQ(list.Count(), 4u);
    const char* expected[] = {"C:\\e.nvk", "C:\\d.nvk", "c:\\A.NVK", "C:\\c.nvk"};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_STREQ(list.Path(i).GetString(), expected[i]) << i;
    list.Remove(1);
    list.Remove(9);
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_STREQ(list.Path(1).GetString(), "c:\\A.NVK");
}

TEST(RecentFileList, TheRegistryKeepsTheListAcrossInstancesAndForgetsRemovedEntries)
{
    const std::wstring key = L"Software\\NorvakTests\\RecentKept";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    RecentFileList first(4, key);
    first.Add("C:\\书\\表.nvk");
    first.Add("D:\\b.nor");
    first.Add("E:\\c.fcs");
    ASSERT_TRUE(first.Save());
    first.Remove(0);
    ASSERT_TRUE(first.Save());
    RecentFileList second(4, key);
    second.Load();
    ASSERT_EQ(second.Count(), 2u) << "File3 was taken out when the list shrank";
    EXPECT_STREQ(second.Path(0).GetString(), "D:\\b.nor");
    EXPECT_STREQ(second.Path(1).GetString(), "C:\\书\\表.nvk");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
}

TEST(RecentFileList, MenuTextsNumberTheEntriesShortenLongPathsAndDoubleAmpersands)
{
    const struct
    {
        const char* path;
        const char* shortName;
    } names[] = {
        {"C:\\book.nvk", "C:\\book.nvk"},
        {"C:\\work\\reports\\2024\\quarter\\sales.nvk", "C:\\...\\2024\\quarter\\sales.nvk"},
        {"\\\\server\\share\\deep\\deeper\\book.nvk", "\\\\server\\share\\...\\book.nvk"},
        {"C:\\x\\a-file-name-longer-than-the-menu-allows.nvk", "a-file-name-longer-than-the-menu-allows.nvk"},
        // "\x95\x5C" is one character whose trail byte is a backslash: the folder of eleven of
        // them does not fit and is left out whole, not cut at a trail byte.
        {"C:\\folder\\\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\\f.nvk",
         "C:\\...\\f.nvk"},
    };
    for (const auto& n : names)
        EXPECT_STREQ(RecentFileList::ShortName(n.path, 30).GetString(), n.shortName) << n.path;

    RecentFileList list(4, L"Software\\NorvakTests\\RecentMenu");
    list.Add("C:\\R&D.nvk");
    list.Add("C:\\a.nvk");
    EXPECT_STREQ(list.MenuText(0).GetString(), "&1 C:\\a.nvk");
    EXPECT_STREQ(list.MenuText(1).GetString(), "&2 C:\\R&&D.nvk");
}

TEST(ShellOpenCommands, OpenCommandsGiveTheirPathsAndAnythingElseIsRefused)
{
    const struct
    {
        const wchar_t* text;
        std::vector<std::wstring> paths;
        bool understood;
    } cases[] = {
        {L"[open(\"C:\\a.nvk\")]", {L"C:\\a.nvk"}, true},
        {L"[OPEN(\"C:\\a.nvk\")][open(\"D:\\表 b.nor\")]", {L"C:\\a.nvk", L"D:\\表 b.nor"}, true},
        {L" [open( \"C:\\[x]\\c.fcs\" )] ", {L"C:\\[x]\\c.fcs"}, true},
        {L"[open(C:\\bare.nvk)]", {L"C:\\bare.nvk"}, true},
        {L"[print(\"C:\\a.nvk\")]", {}, false},
        {L"[open(\"C:\\a.nvk\")][print(\"C:\\a.nvk\")]", {L"C:\\a.nvk"}, false},
        {L"[open(\"\")]", {}, false},
        {L"[open(\"C:\\a.nvk\"", {}, false},
        {L"", {}, false},
    };
    for (const auto& c : cases) {
        const ShellOpenCommands parsed = ParseShellOpenCommands(c.text);
        EXPECT_EQ(parsed.paths, c.paths) << std::string(c.text, c.text + std::wcslen(c.text));
        EXPECT_EQ(parsed.understood, c.understood) << std::string(c.text, c.text + std::wcslen(c.text));
    }
}

TEST(HiddenRows, HidingTwiceKeepsTheSecondHeight)
{
    HiddenRows rows;
    EXPECT_FALSE(rows.HeightBefore(3).has_value());
    rows.Remember(3, 20);
    rows.Remember(3, 0);
    EXPECT_EQ(rows.HeightBefore(3), 0);
    rows.Remember(65539, 30); // far rows do not alias near ones
    EXPECT_EQ(rows.HeightBefore(3), 0);
}

TEST(SelectionBounds, LockFreezesWhatLiesAboveAndLeft)
{
    EXPECT_TRUE((SelectionBounds{1, 1, 0, 5}).Empty());
    EXPECT_TRUE((SelectionBounds{1, 1, 5, 0}).Empty());
    const LockPoint headers = LockPointOf({1, 1, 3, 3});
    EXPECT_EQ(headers.row, 0);
    EXPECT_EQ(headers.col, 0);
    const LockPoint inner = LockPointOf({4, 6, 9, 9});
    EXPECT_EQ(inner.row, 3);
    EXPECT_EQ(inner.col, 5);
    EXPECT_EQ(ToggledWeight(700), 800);
    EXPECT_EQ(ToggledWeight(800), 100);
    EXPECT_EQ(ToggledWeight(100), 800);
}

TEST(PickerLayout, ItemsAreFoundWhereTheyAreDrawn)
{
    const CRect client(0, 0, 96, 148);
    for (PickerMode mode : {PickerMode::Borders, PickerMode::FillColour}) {
        const int last = mode == PickerMode::Borders ? 22 : 16;
        for (int item = mode == PickerMode::Borders ? 0 : -1; item <= last; ++item) {
            const CRect rect = PickerItemRect(mode, item, client);
            const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            EXPECT_EQ(PickerItemAt(mode, centre, client), item) << int(mode) << " " << item;
        }
    }
    EXPECT_EQ(PickerItemAt(PickerMode::Borders, {10 + 3 * 24 + 8, 10 + 5 * 24 + 8}, client), kPickerNoItem);
    EXPECT_EQ(PickerItemAt(PickerMode::TextColour, {2, 2}, client), kPickerNoItem);
}

TEST(PickerLayout, LineBoxItemsKeepTheirWholeNameAndGiveTheLineWhatIsLeft)
{
    const struct
    {
        int width;
        int textWidth;
        int lineRight; // from the item's left edge; 4 (the line's start) means no line
        int textLeft;
    } cases[] = {
        {180, 72, 90, 94}, // the style box: the line fills the left half
        {59, 42, 11, 15},  // the width box's field: the line shrinks, "1个单位" stays whole
        {59, 60, 4, 2},    // a name wider than the box: no line, the name from the left
        {20, 0, 10, 14},   // no name at all
    };
    for (const auto& c : cases) {
        const CRect item(10, 3, 10 + c.width, 21);
        const LineItemParts parts = LineItemLayout(item, c.textWidth);
        EXPECT_EQ(parts.lineLeft, item.left + 4) << c.width << " " << c.textWidth;
        EXPECT_EQ(parts.lineRight - item.left, c.lineRight) << c.width << " " << c.textWidth;
        EXPECT_EQ(parts.text.left - item.left, c.textLeft) << c.width << " " << c.textWidth;
        EXPECT_EQ(parts.text.right, item.right);
        EXPECT_EQ(parts.text.top, item.top);
        EXPECT_EQ(parts.text.bottom, item.bottom);
        if (c.textWidth <= c.width - 4) {
            EXPECT_GE(parts.text.Width() - 2, c.textWidth) << "the name is cut: " << c.width;
        }
    }
}

TEST(TabCommands, EveryMenuItemHasOneEntryWithWellFormedCalls)
{
    std::set<UINT> ids;
    for (const TabCommand& command : TabCommandTable()) {
        EXPECT_TRUE(ids.insert(command.id).second) << command.id;
        EXPECT_NE(command.calls[0].method, 0) << command.id;
        for (const TabCall& call : command.calls) {
            for (int i = 0; i < TabCallArgCount(call); ++i) {
                if (call.args[size_t(i)].kind == TabArgKind::Path) {
                    EXPECT_EQ(command.prompt, TabPrompt::IconFile) << command.id;
                }
            }
        }
        if (command.prompt == TabPrompt::Login || command.prompt == TabPrompt::Account) {
            EXPECT_NE(command.caption, nullptr) << command.id;
        }
    }
    EXPECT_EQ(ids.size(), 104u);
}

TEST(TabCommands, RestoringIconsPassTheirDefaultFlagsAsTheMenuSays)
{
    const TabCommand* cool = FindTabCommand(32809);
    const TabCommand* hot = FindTabCommand(32810);
    ASSERT_TRUE(cool && hot);
    // Cool: bUseDefault TRUE with icon 135. Hot: bUseDefault FALSE with a null hot icon.
    EXPECT_EQ(cool->calls[0].args[1].kind, TabArgKind::Bool);
    EXPECT_EQ(cool->calls[0].args[1].value, 1);
    EXPECT_EQ(cool->calls[0].args[3].value, 135);
    EXPECT_EQ(hot->calls[0].args[1].value, 0);
    EXPECT_EQ(hot->calls[0].args[5].kind, TabArgKind::Icon);
    EXPECT_EQ(hot->calls[0].args[5].value, 0);
}

TEST(TabCommands, ShowingTheStatusTextAlsoHidesThePageTabs)
{
    const TabCommand* show = FindTabCommand(32776);
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show->calls[0].object, TabObject::Title);
    EXPECT_EQ(show->calls[0].method, tab_title_id::DoSetWindowVisible);
    EXPECT_EQ(show->calls[0].args[0].value, 0);
    EXPECT_EQ(show->calls[1].object, TabObject::Arrow);
    EXPECT_EQ(show->calls[1].args[0].kind, TabArgKind::Toggle);
    EXPECT_EQ(show->calls[1].args[0].value, tab_arrow_id::DoGetStatusInfoIsShow);
    EXPECT_EQ(FindTabCommand(32999), nullptr);
}

namespace {

// A target with a single command, a range of commands and an update rule.
struct RoutedTarget
{
    std::vector<UINT> ran;
    void Run(UINT id) { ran.push_back(id); }
    void Update(CCmdUI& ui)
    {
        ui.Enable(ui.m_nID != 12);
        ui.SetCheck(ui.m_nID == 11);
    }
};

const CommandEntry<RoutedTarget> kRoutedCommands[] = {
    {5, 0, &RoutedTarget::Run, nullptr},
    {10, 12, &RoutedTarget::Run, &RoutedTarget::Update},
};

} // namespace

TEST(CommandRouting, ATableRunsItsIdsAndAnswersForTheirItems)
{
    RoutedTarget target;
    const struct
    {
        UINT id;
        bool known, enabled, checked;
    } cases[] = {{5, true, true, false},  {10, true, true, false}, {11, true, true, true},
                 {12, true, false, false}, {13, false, true, false}, {4, false, true, false}};
    for (const auto& c : cases) {
        CCmdUI ui(c.id);
        EXPECT_EQ(RouteThroughTable<RoutedTarget>(&target, kRoutedCommands, c.id, &ui), c.known) << c.id;
        EXPECT_EQ(ui.m_enabled, c.enabled) << c.id;
        EXPECT_EQ(ui.m_checked, c.checked) << c.id;
        EXPECT_EQ(RouteThroughTable<RoutedTarget>(&target, kRoutedCommands, c.id, nullptr), c.known) << c.id;
    }
    EXPECT_EQ(target.ran, (std::vector<UINT>{5, 10, 11, 12}));
}
