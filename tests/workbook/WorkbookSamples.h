#pragma once

// Pages for the workbook tests: a plain page of given counts, a page that uses every kind of
// content the file stores, and a comparison of two pages by everything a file carries.

#include "sheet/model/RowColumnOps.h"
#include "tests/support/MergeFixture.h"
#include "workbook/CellRecord.h"
#include "workbook/PageSlots.h"
#include "workbook/Workbook.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

struct SamplePage
{
    std::unique_ptr<CNorvakPage> page;
    std::unique_ptr<CNorvakPageCells> cells;

    SamplePage(const char* title, int rows, int cols, int fixedRows = 1, int fixedCols = 1, int index = 0)
        : page(std::make_unique<CNorvakPage>(index, title, 0)),
          cells(std::make_unique<CNorvakPageCells>(index))
    {
        CDefaultCellFactory factory(*page, *cells);
        EXPECT_TRUE(SheetModel::SetRowCount(*page, *cells, rows, factory).bOk);
        EXPECT_TRUE(SheetModel::SetFixedRowCount(*page, *cells, fixedRows, factory).bOk);
        EXPECT_TRUE(SheetModel::SetColumnCount(*page, *cells, cols, factory).bOk);
        EXPECT_TRUE(SheetModel::SetFixedColumnCount(*page, *cells, fixedCols, factory).bOk);
    }
    explicit SamplePage(CLoadedPage loaded) : page(std::move(loaded.page)), cells(std::move(loaded.cells)) {}

    CNorvakCell& Cell(int row, int col)
    {
        CNorvakCell* cell = cells->EditCell(row, col);
        EXPECT_NE(cell, nullptr) << row << ", " << col;
        return *cell;
    }
    CPageToSave ToSave() const { return {page.get(), cells.get()}; }
};

// Every kind of content the file stores, in the body and in the header; marker values that no
// other field holds, so that hostile-patch tests can find their fields.
constexpr int kMarkerRowHeight = 0x1234ABC;
constexpr int kMarkerColumnWidth = 0x2345BCD;
constexpr COLORREF kMarkerEdgeColour = 0x00ABCDEF;
constexpr int kMarkerMergeLock = 0x5A5A1234;
const char kMarkerText[] = "HUGEXXX";
const char kMarkerFace[] = "FACEFACE";
const char kMarkerPrefix[] = "AUTOPFX";

inline void FillSample(CNorvakPage& p, CNorvakPageCells& cells)
{
    auto cell = [&](int row, int col) -> CNorvakCell& { return *cells.EditCell(row, col); };
    auto select = [&](int row, int col, bool focus) {
        p.m_selectedCells.Add(CCellCoord(row, col));
        cell(row, col).SetState(WORD(focus ? CIS_FOCUSED : 0));
        if (focus)
            p.m_focusCell = CCellCoord(row, col);
    };
    cell(1, 1).SetText("甲");
    cell(2, 3).SetText("多行\r\n文本");
    cell(0, 2).SetText("列头");
    cell(9, 7).SetText(kMarkerText);
    CFontRecord font;
    font.font.lfWeight = 700;
    font.font.lfHeight = -16;
    font.font.lfItalic = 1;
    std::strcpy(font.font.lfFaceName, "楷体");
    cell(3, 2).SetFont(font);
    CFontRecord marked;
    std::strcpy(marked.font.lfFaceName, kMarkerFace);
    cell(10, 6).SetFont(marked);
    cell(4, 4).EditFont().crText = 0x0000FF;
    cell(4, 4).EditFont().crBackground = 0xFFFF00;
    cell(4, 5).EditFont().bTransparent = 0;
    cell(5, 1).SetHorLineColor(0x112233);
    cell(5, 1).SetHorLineWidth(2);
    cell(5, 1).SetHorLineStyle(3);
    cell(5, 2).SetVerLineColor(0x445566);
    cell(5, 2).SetVerLineWidth(4);
    cell(5, 2).SetVerLineStyle(5);
    cell(6, 2).SetTextFormat(37);
    cell(6, 3).SetEditLock(1);
    cell(6, 4).SetSelectionFrame(TRUE); // stored only with another change
    cell(6, 4).SetText("框");
    cell(6, 5).SetValueWord(3);
    cell(6, 6).SetPicturePlacement(2);
    cell(6, 7).SetCellType(4);
    cell(1, 7).SetFillerChar('-');
    MarkMerge(p, cells, 7, 1, 8, 3, kMarkerMergeLock);
    MarkMerge(p, cells, 0, 3, 0, 4, 0, true);
    p.FindLeftEdgeLine(2)->crColor = kMarkerEdgeColour;
    p.FindTopEdgeLine(3)->width = 2;
    p.FindTopEdgeLine(3)->style = 4;
    p.SetRowHeight(4, kMarkerRowHeight);
    p.SetRowHeight(5, 0);
    p.SetColumnWidth(2, kMarkerColumnWidth);
    select(2, 2, true);
    select(2, 3, false);
    select(11, 1, false);

    p.m_nLockedRows = 2;
    p.m_nLockedCols = 1;
    p.m_crTextColor = 0x00102030;
    p.m_bTextColorSet = 1;
    p.m_bEditable = 0;
    p.m_nHeadSelectedStyle = 2;
    p.m_nSortStyle = 1;
    p.m_strPassword = "密码";
    p.m_strUserName = "用户";
    p.m_nOutputMode = 2;
    p.m_customRows = {1, 3};
    p.m_customColumns = {2};
    p.m_strings = {"a", "乙", ""};
    p.m_sortExcludedColumns = {2, 4};
    p.m_autoTextColumns.push_back({5, kMarkerPrefix, 1});
    p.m_tabFont.font.lfWeight = 700;
    p.m_chartOptionBytes[1] = 9;
    p.m_chartOptionInts[3] = -7;
    p.m_formatBrush = CCellRect(1, 1, 2, 2);
}

inline void FillSample(SamplePage& s)
{
    FillSample(*s.page, *s.cells);
}

inline std::vector<uint8_t> SaveBytes(std::span<const CPageToSave> pages, CHeaderFlags flags = {},
                                      const char* extension = ".nvk")
{
    CArchiveWriter out;
    WriteWorkbook(out, "V1.0.0.1", extension, pages, flags);
    return out.TakeBytes();
}

inline CReadResult LoadBytes(const std::vector<uint8_t>& bytes, std::vector<CLoadedPage>& pages,
                             std::string* why = nullptr)
{
    CArchiveReader in(bytes.data(), bytes.size());
    return ReadWorkbook(in, pages, why);
}

inline std::string DescribeFont(const LOGFONTA& l)
{
    std::ostringstream out;
    out << l.lfHeight << ',' << l.lfWidth << ',' << l.lfEscapement << ',' << l.lfOrientation << ','
        << l.lfWeight << ',' << int(l.lfItalic) << int(l.lfUnderline) << int(l.lfStrikeOut)
        << int(l.lfCharSet) << int(l.lfOutPrecision) << int(l.lfClipPrecision) << int(l.lfQuality)
        << int(l.lfPitchAndFamily) << ' ' << l.lfFaceName;
    return out.str();
}

// Every field the file stores of a cell, and its state word.
inline std::string DescribeCell(const CNorvakCell& c)
{
    const CFontRecord& f = c.GetFont();
    std::ostringstream out;
    out << c.IsMergedRight() << c.IsMergedBelow() << ' ' << c.GetVerLineColor() << ' ' << c.GetHorLineColor()
        << ' ' << int(c.GetVerLineWidth()) << int(c.GetHorLineWidth()) << int(c.GetVerLineStyle())
        << int(c.GetHorLineStyle()) << ' ' << c.IsCovered() << c.GetEditLock() << c.HasSelectionFrame() << ' '
        << c.GetRowSpan() << 'x' << c.GetColSpan() << " @" << c.GetMergeOrigin().row << ','
        << c.GetMergeOrigin().col << " fmt" << c.GetTextFormat() << " '" << c.GetTextPtr() << "' "
        << f.bTransparent << ' ' << f.crText << ' ' << f.crBackground << ' ' << DescribeFont(f.font) << " v"
        << c.GetValueWord() << " p" << int(c.GetPicturePlacement()) << " t" << int(c.GetCellType()) << " f"
        << int(c.GetFillerChar()) << " state" << c.GetState();
    return out.str();
}

// The value of every slot of the settings tables, one string per slot.
inline std::vector<std::string> SlotValues(CNorvakPage& page)
{
    std::vector<std::string> values;
    for (auto slots : {PageHeadSlots(), PageSettingSlots()})
        for (const CPageSlot& slot : slots)
            values.push_back(std::visit(
                [](auto v) -> std::string {
                    using T = decltype(v);
                    if constexpr (std::is_same_v<T, std::monostate>)
                        return "-";
                    else if constexpr (std::is_same_v<T, CString*>)
                        return v->str();
                    else
                        return std::to_string(*v);
                },
                slot.at(page)));
    return values;
}

// The first difference between two pages in what a file carries; empty when there is none.
inline std::string PageDifference(CNorvakPage& x, const CNorvakPageCells& xCells, CNorvakPage& y,
                                  const CNorvakPageCells& yCells)
{
    auto edges = [](const std::vector<CEdgeLineEntry>& lines) {
        std::ostringstream out;
        for (const CEdgeLineEntry& e : lines)
            out << e.index << ':' << e.crColor << ':' << int(e.width) << ':' << int(e.style) << ' ';
        return out.str();
    };
    auto merges = [](const std::vector<CMergeCellRange>& list) {
        std::ostringstream out;
        for (const CMergeCellRange& m : list)
            out << m.firstRow << ',' << m.firstCol << ',' << m.lastRow << ',' << m.lastCol << ','
                << m.reserved << ',' << m.display.left << ',' << m.display.top << ',' << m.display.right
                << ',' << m.display.bottom << ',' << m.editLock << ' ';
        return out.str();
    };
    auto lists = [](const CNorvakPage& p) {
        std::ostringstream out;
        for (const CString& s : p.m_strings)
            out << s.str() << '|';
        for (WORD w : p.m_sortExcludedColumns)
            out << w << ',';
        for (const CAutoTextColumn& t : p.m_autoTextColumns)
            out << t.column << t.prefix.str() << t.bNumbered << ';';
        for (WORD w : p.m_customRows)
            out << w << ',';
        out << '/';
        for (WORD w : p.m_customColumns)
            out << w << ',';
        for (const auto& [key, at] : p.m_selectedCells)
            out << '(' << at.row << ',' << at.col << ')';
        return out.str();
    };
    struct Part
    {
        const char* name;
        std::string left, right;
    } parts[] = {
        {"title", x.m_strTitle.str(), y.m_strTitle.str()},
        {"counts",
         std::to_string(x.m_nRows) + "/" + std::to_string(x.m_nFixedRows) + "x" + std::to_string(x.m_nCols) +
             "/" + std::to_string(x.m_nFixedCols),
         std::to_string(y.m_nRows) + "/" + std::to_string(y.m_nFixedRows) + "x" + std::to_string(y.m_nCols) +
             "/" + std::to_string(y.m_nFixedCols)},
        {"heights", ::testing::PrintToString(x.m_rowHeights), ::testing::PrintToString(y.m_rowHeights)},
        {"widths", ::testing::PrintToString(x.m_colWidths), ::testing::PrintToString(y.m_colWidths)},
        {"settings", ::testing::PrintToString(SlotValues(x)), ::testing::PrintToString(SlotValues(y))},
        {"tab font", DescribeFont(x.m_tabFont.font), DescribeFont(y.m_tabFont.font)},
        {"left edges", edges(x.m_leftEdgeLines), edges(y.m_leftEdgeLines)},
        {"top edges", edges(x.m_topEdgeLines), edges(y.m_topEdgeLines)},
        {"body merges", merges(x.m_bodyMerges), merges(y.m_bodyMerges)},
        {"header merges", merges(x.m_headerMerges), merges(y.m_headerMerges)},
        {"lists and selection", lists(x), lists(y)},
    };
    for (const Part& part : parts)
        if (part.left != part.right)
            return std::string(part.name) + ": " + part.left + " <> " + part.right;
    for (int row = 0; row < x.m_nRows; ++row)
        for (int col = 0; col < x.m_nCols; ++col) {
            const CNorvakCell* left = xCells.GetCell(row, col);
            const CNorvakCell* right = yCells.GetCell(row, col);
            if (!left || !right)
                return "no cell at " + std::to_string(row) + "," + std::to_string(col);
            if (DescribeCell(*left) != DescribeCell(*right))
                return "cell " + std::to_string(row) + "," + std::to_string(col) + ": " +
                       DescribeCell(*left) + " <> " + DescribeCell(*right);
        }
    return {};
}

inline std::string PageDifference(SamplePage& a, SamplePage& b)
{
    return PageDifference(*a.page, *a.cells, *b.page, *b.cells);
}
