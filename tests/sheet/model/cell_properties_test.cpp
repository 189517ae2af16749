// Cell items by mask, texts with auto-text columns, border setters and their modes, the state word
// and the edit checks.

#include "sheet/model/CellProperties.h"
#include "sheet/model/CellSelection.h"
#include "tests/support/CellSheet.h"

#include <map>
#include <tuple>
#include <vector>

using namespace SheetModel;

namespace {

// Every line field of every cell and edge entry, so that a test sees each change and only those.
using LineSnapshot = std::map<std::string, unsigned>;

LineSnapshot Lines(CellSheet& s)
{
    LineSnapshot out;
    for (int row = 0; row < s.page.m_nRows; ++row)
        for (int col = 0; col < s.page.m_nCols; ++col) {
            const CNorvakCell& c = s.Cell(row, col);
            std::string at = std::to_string(row) + "," + std::to_string(col);
            out["hstyle " + at] = c.GetHorLineStyle();
            out["hwidth " + at] = c.GetHorLineWidth();
            out["hcolor " + at] = c.GetHorLineColor();
            out["vstyle " + at] = c.GetVerLineStyle();
            out["vwidth " + at] = c.GetVerLineWidth();
            out["vcolor " + at] = c.GetVerLineColor();
        }
    for (const CEdgeLineEntry& e : s.page.m_topEdgeLines) {
        std::string at = std::to_string(e.index);
        out["top style " + at] = e.style;
        out["top width " + at] = e.width;
        out["top color " + at] = e.crColor;
    }
    for (const CEdgeLineEntry& e : s.page.m_leftEdgeLines) {
        std::string at = std::to_string(e.index);
        out["left style " + at] = e.style;
        out["left width " + at] = e.width;
        out["left color " + at] = e.crColor;
    }
    return out;
}

std::map<std::string, std::pair<unsigned, unsigned>> Changes(const LineSnapshot& before,
                                                             const LineSnapshot& after)
{
    std::map<std::string, std::pair<unsigned, unsigned>> out;
    for (const auto& [name, value] : after)
        if (before.at(name) != value)
            out[name] = {before.at(name), value};
    return out;
}

using Setter = BOOL (*)(CNorvakPage&, CNorvakPageCells&, int, int, BYTE, CLineEdges, ICellRepaint&);
using ColorSetter = BOOL (*)(CNorvakPage&, CNorvakPageCells&, int, int, COLORREF, CLineEdges, ICellRepaint&);

struct BorderCase
{
    const char* name;
    std::function<BOOL(CellSheet&, ICellRepaint&)> set;
    BOOL result;
    std::vector<std::string> changed; // the fields that take the new value
};

TEST(CellBorders, EachModeChangesExactlyItsEdges)
{
    auto style = [](Setter f, int row, int col, CLineEdges mode) {
        return [=](CellSheet& s, ICellRepaint& r) { return f(s.page, s.cells, row, col, 7, mode, r); };
    };
    auto color = [](ColorSetter f, int row, int col, CLineEdges mode) {
        return [=](CellSheet& s, ICellRepaint& r) { return f(s.page, s.cells, row, col, 0x123456, mode, r); };
    };
    auto width = [](Setter f, int row, int col, CLineEdges mode) {
        return [=](CellSheet& s, ICellRepaint& r) { return f(s.page, s.cells, row, col, 3, mode, r); };
    };
    const BorderCase cases[] = {
        {"hor style own", style(SetCellHorLineStyle, 2, 2, kLineOwn), TRUE, {"hstyle 2,2"}},
        {"hor style neighbour", style(SetCellHorLineStyle, 2, 2, kLineNeighbour), TRUE, {"hstyle 1,2"}},
        {"hor style both", style(SetCellHorLineStyle, 2, 2, kLineBoth), TRUE, {"hstyle 2,2", "hstyle 1,2"}},
        {"hor style neighbour row 0", style(SetCellHorLineStyle, 0, 2, kLineNeighbour), FALSE, {}},
        {"hor style both row 0",
         style(SetCellHorLineStyle, 0, 2, kLineBoth),
         TRUE,
         {"hstyle 0,2", "top style 2"}},
        {"hor width both", width(SetCellHorLineSize, 3, 1, kLineBoth), TRUE, {"hwidth 3,1", "hwidth 2,1"}},
        {"hor width both row 0",
         width(SetCellHorLineSize, 0, 3, kLineBoth),
         TRUE,
         {"hwidth 0,3", "top width 3"}},
        {"hor color own", color(SetCellHorLineColor, 1, 1, kLineOwn), TRUE, {"hcolor 1,1"}},
        {"hor color both row 0",
         color(SetCellHorLineColor, 0, 0, kLineBoth),
         TRUE,
         {"hcolor 0,0", "top color 0"}},
        {"ver color own", color(SetCellVerLineColor, 2, 2, kLineOwn), TRUE, {"vcolor 2,2"}},
        {"ver color neighbour", color(SetCellVerLineColor, 2, 2, kLineNeighbour), TRUE, {"vcolor 2,1"}},
        {"ver color both col 0",
         color(SetCellVerLineColor, 3, 0, kLineBoth),
         TRUE,
         {"vcolor 3,0", "left color 3"}},
        {"ver style neighbour col 0", style(SetCellVerLineStyle, 3, 0, kLineNeighbour), FALSE, {}},
        {"ver style both", style(SetCellVerLineStyle, 1, 3, kLineBoth), TRUE, {"vstyle 1,3", "vstyle 1,2"}},
        {"ver width neighbour", width(SetCellVerLineSize, 1, 3, kLineNeighbour), TRUE, {"vwidth 1,2"}},
        {"ver width both col 0",
         width(SetCellVerLineSize, 2, 0, kLineBoth),
         TRUE,
         {"vwidth 2,0", "left width 2"}},
        {"unknown mode", style(SetCellVerLineStyle, 1, 1, CLineEdges(5)), TRUE, {}},
        {"outside the grid", style(SetCellVerLineStyle, 4, 1, kLineOwn), FALSE, {}},
        {"negative column", style(SetCellHorLineStyle, 1, -1, kLineOwn), FALSE, {}},
    };
    for (const BorderCase& c : cases) {
        SCOPED_TRACE(c.name);
        CellSheet s(4, 4, 1, 1);
        LineSnapshot before = Lines(s);
        RecordingRepaint repaint;
        EXPECT_EQ(c.set(s, repaint), c.result);
        auto changes = Changes(before, Lines(s));
        std::vector<std::string> changed;
        for (const auto& entry : changes)
            changed.push_back(entry.first);
        std::vector<std::string> expected = c.changed;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(changed, expected);
        EXPECT_EQ(repaint.cells.size(), c.result ? 1u : 0u);
    }
}

TEST(CellBorders, EdgeEntryKeepsItsOtherFields)
{
    CellSheet s(3, 3, 1, 1);
    RecordingRepaint repaint;
    ASSERT_TRUE(SetCellHorLineColor(s.page, s.cells, 0, 1, 0xFF, kLineBoth, repaint));
    ASSERT_TRUE(SetCellHorLineSize(s.page, s.cells, 0, 1, 4, kLineBoth, repaint));
    const CEdgeLineEntry& top = s.page.m_topEdgeLines[1];
    EXPECT_EQ(std::make_tuple(top.index, top.crColor, int(top.width), int(top.style)),
              std::make_tuple(1, COLORREF(0xFF), 4, 1));
}

TEST(CellItems, EachMaskBitWritesItsOwnFieldsAndNoOthers)
{
    // Every field of the record differs from the cell's, so a field written without its bit (or
    // left out with it) shows. The value word and the indent always travel.
    CCellItem item;
    item.row = 1;
    item.col = 2;
    item.text = "new";
    item.format = 17;
    item.image = 7;
    item.imageValue = 8;
    item.value = 9;
    item.indent = 11;
    item.font.crBackground = 0x00FF00;
    item.font.crText = 0x0000FF;
    item.font.font.lfWeight = FW_BOLD;
    const CFontRecord plain;
    struct Case
    {
        UINT mask;
        const char* text;
        int format, image, imageValue;
        COLORREF background, textColour;
        LONG weight;
    } cases[] = {
        {0, "1:2", CNorvakCell::kDefaultTextFormat, 0, 0, plain.crBackground, plain.crText, plain.font.lfWeight},
        {CIM_TEXT, "new", CNorvakCell::kDefaultTextFormat, 0, 0, plain.crBackground, plain.crText,
         plain.font.lfWeight},
        {CIM_IMAGE, "1:2", CNorvakCell::kDefaultTextFormat, 7, 8, plain.crBackground, plain.crText,
         plain.font.lfWeight},
        {CIM_FORMAT, "1:2", 17, 0, 0, plain.crBackground, plain.crText, plain.font.lfWeight},
        {CIM_BKCOLOR, "1:2", CNorvakCell::kDefaultTextFormat, 0, 0, 0x00FF00, plain.crText, plain.font.lfWeight},
        {CIM_TEXTCOLOR, "1:2", CNorvakCell::kDefaultTextFormat, 0, 0, plain.crBackground, 0x0000FF,
         plain.font.lfWeight},
        {CIM_FONT, "1:2", CNorvakCell::kDefaultTextFormat, 0, 0, 0x00FF00, 0x0000FF, FW_BOLD},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        CellSheet s(3, 3, 1, 1);
        s.Cell(1, 2).SetIndent(4);
        RecordingRepaint repaint;
        item.mask = c.mask;
        ASSERT_TRUE(SetItem(s.page, s.cells, &item, repaint));
        const CNorvakCell& cell = s.Cell(1, 2);
        EXPECT_EQ(s.Text(1, 2), c.text);
        EXPECT_EQ(cell.GetTextFormat(), c.format);
        EXPECT_EQ(cell.GetImage(), c.image);
        EXPECT_EQ(cell.GetImageValue(), c.imageValue);
        EXPECT_EQ(cell.GetFont().crBackground, c.background);
        EXPECT_EQ(cell.GetFont().crText, c.textColour);
        EXPECT_EQ(cell.GetFont().font.lfWeight, c.weight);
        EXPECT_EQ(cell.GetValueWord(), 9);
        EXPECT_EQ(cell.GetIndent(), 11);
    }
}

TEST(CellItems, GetItemReadsByMaskAndTheControlsText)
{
    CellSheet s(3, 3, 1, 1);
    RecordingRepaint repaint;
    s.Cell(1, 2).SetValueWord(9);
    s.Cell(1, 2).SetIndent(4);
    s.Cell(1, 2).EditFont().font.lfWeight = FW_BOLD;
    CCellItem back;
    back.row = 1;
    back.col = 2;
    back.mask = CIM_TEXT | CIM_TEXTCOLOR;
    EXPECT_TRUE(GetItem(s.page, s.cells, &back,
                        [](int r, int c) { return CString(r == 1 && c == 2 ? "shown" : "?"); }));
    EXPECT_STREQ(back.text, "shown");
    EXPECT_EQ(back.value, 9);
    EXPECT_EQ(back.indent, 4);
    EXPECT_EQ(back.font.font.lfWeight, CFontRecord().font.lfWeight); // font not asked for

    EXPECT_FALSE(SetItem(s.page, s.cells, nullptr, repaint));
    EXPECT_FALSE(GetItem(s.page, s.cells, nullptr));
    back.row = 3;
    EXPECT_FALSE(SetItem(s.page, s.cells, &back, repaint));
    EXPECT_EQ(GetItemFormat(s.cells, 3, 0), -1);
    EXPECT_EQ(GetItemState(s.page, s.cells, 0, 5), 0);
    EXPECT_EQ(GetItemFont(s.cells, -1, 0), nullptr);
}

TEST(CellItems, AutoTextColumnsWinInBodyRowsOnly)
{
    CellSheet s(4, 3, 1, 1);
    s.page.m_autoTextColumns.push_back({1, "No.", 1});
    s.page.m_autoTextColumns.push_back({2, "固定", 0});
    struct Case
    {
        int row, col;
        const char* expected;
    } cases[] = {{0, 1, "given"}, {1, 1, "No.0"}, {3, 1, "No.2"}, {2, 2, "固定"}, {2, 0, "given"}};
    for (const Case& c : cases) {
        EXPECT_TRUE(SetItemText(s.page, s.cells, c.row, c.col, "given"));
        EXPECT_EQ(s.Text(c.row, c.col), c.expected) << c.row << ", " << c.col;
    }
}

TEST(CellItems, LocksGuardEditingOnlyAndEveryWriterStillStores)
{
    struct Case
    {
        const char* name;
        std::function<void(CellSheet&)> lock;
    } locks[] = {
        {"edit lock", [](CellSheet& s) { s.Cell(1, 1).SetEditLock(1); }},
        {"read-only", [](CellSheet& s) { s.Cell(1, 1).SetState(CIS_READONLY); }},
        {"page", [](CellSheet& s) { s.page.m_bEditable = 0; }},
    };
    for (const Case& c : locks) {
        SCOPED_TRACE(c.name);
        CellSheet s(3, 3, 1, 1);
        c.lock(s);
        RecordingRepaint repaint;
        EXPECT_FALSE(IsCellEditable(s.page, s.cells, 1, 1));
        EXPECT_TRUE(SetItemText(s.page, s.cells, 1, 1, "x"));
        EXPECT_EQ(s.Text(1, 1), "x");
        EXPECT_TRUE(SetItemFormat(s.page, s.cells, 1, 1, 9, repaint));
        EXPECT_EQ(s.Cell(1, 1).GetTextFormat(), 9);
        EXPECT_TRUE(SetCellHorLineStyle(s.page, s.cells, 1, 1, 3, kLineOwn, repaint));
        EXPECT_EQ(s.Cell(1, 1).GetHorLineStyle(), 3);
        CCellItem item;
        item.row = item.col = 1;
        item.mask = CIM_TEXT | CIM_STATE;
        item.text = "y";
        item.state = WORD(GetItemState(s.page, s.cells, 1, 1) | CIS_SELECTED);
        EXPECT_TRUE(SetItem(s.page, s.cells, &item, repaint));
        EXPECT_EQ(s.Text(1, 1), "y");
        EXPECT_FALSE(IsCellEditable(s.page, s.cells, 1, 1));
        EXPECT_EQ(s.Consistency(), "");
    }
}

TEST(CellState, SelectedValueKeepsTheSelectionMapAndRepaintsHeaders)
{
    CellSheet s(4, 4, 1, 1);
    RecordingRepaint repaint;
    EXPECT_TRUE(SetItemState(s.page, s.cells, 2, 3, CIS_SELECTED, repaint));
    EXPECT_TRUE(SetItemState(s.page, s.cells, 2, 3, CIS_SELECTED | CIS_MODIFIED, repaint));
    EXPECT_EQ(repaint.headers, 1);
    EXPECT_EQ(s.page.m_selectedCells.GetCount(), 1);
    EXPECT_EQ(s.Consistency(), "");
    EXPECT_TRUE(SetItemState(s.page, s.cells, 2, 3, CIS_MODIFIED, repaint));
    EXPECT_TRUE(s.page.m_selectedCells.IsEmpty());
    EXPECT_EQ(s.Consistency(), "");
    EXPECT_FALSE(SetItemState(s.page, s.cells, 4, 0, CIS_SELECTED, repaint));

    SetCellModified(s.page, s.cells, TRUE, 2, 2);
    EXPECT_EQ(s.Cell(2, 2).GetState(), CIS_MODIFIED);
    SetCellModified(s.page, s.cells, FALSE, 2, 2);
    EXPECT_EQ(s.Cell(2, 2).GetState(), CIS_READONLY);
    SetCellModified(s.page, s.cells, TRUE, 0, 2); // fixed cells keep their state
    EXPECT_EQ(s.Cell(0, 2).GetState(), 0);
    EXPECT_TRUE(IsFixedCell(s.page, 0, 2));
    EXPECT_TRUE(IsFixedCell(s.page, 2, 0));
    EXPECT_FALSE(IsFixedCell(s.page, 1, 1));
}

} // namespace

// Whether a cell is selected is the page's selection alone: selecting and clearing a page full of
// records writes none of them, every record shows the selection beside the bits it keeps, and a
// selected bit stored into a cell does not select it.
TEST(CellState, TheSelectionLivesInThePageAndLeavesTheRecordsAlone)
{
    CellSheet s(6, 5, 1, 1);
    s.Cell(2, 2).SetState(CIS_MODIFIED);
    s.Cell(3, 3).SetState(CIS_READONLY);
    s.Cell(4, 1).SetState(WORD(CIS_SELECTED | CIS_MODIFIED));
    std::vector<WORD> kept;
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 5; ++col)
            kept.push_back(s.Cell(row, col).GetState());
    auto expectShown = [&](const CCellRect& selected) {
        for (int row = 0; row < 6; ++row)
            for (int col = 0; col < 5; ++col) {
                const WORD own = kept[size_t(row * 5 + col)];
                EXPECT_EQ(s.Cell(row, col).GetState(), own) << row << ", " << col << ": a record was written";
                const bool in = selected.minRow <= row && row <= selected.maxRow && selected.minCol <= col &&
                                col <= selected.maxCol;
                EXPECT_EQ(GetItemState(s.page, s.cells, row, col), WORD(own | (in ? CIS_SELECTED : 0)))
                    << row << ", " << col;
            }
        EXPECT_EQ(s.Consistency(), "");
    };
    EXPECT_EQ(kept[4 * 5 + 1], CIS_MODIFIED) << "the selected bit is not stored";
    expectShown(CCellRect());

    CNoRepaint repaint;
    SelectAllCells(s.page, s.cells, repaint);
    expectShown(CCellRect(1, 1, 5, 4));
    SetSelectedRange(s.page, s.cells, CCellRect(2, 2, 3, 3), repaint);
    expectShown(CCellRect(2, 2, 3, 3));
    SetSelectedRange(s.page, s.cells, CCellRect(), repaint);
    expectShown(CCellRect());
}
