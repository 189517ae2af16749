#include "tests/support/PageSnapshot.h"

#include "sheet/model/CellProperties.h"

#include <cstdio>

namespace {

std::string Line(COLORREF colour, int width, int style)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%lx/%d/%d", static_cast<unsigned long>(colour), width, style);
    return text;
}

std::string Field(const std::string& place, const char* name, const std::string& value)
{
    return place + " " + name + " " + value;
}

// Every cell of the page with its place "row,column" and its state word as the page shows it, row
// by row.
template <class Visit> void ForEachCell(const CNorvakPage& page, const CNorvakPageCells& cells, Visit visit)
{
    for (int row = 0; row < page.m_nRows; ++row)
        for (int col = 0; col < page.m_nCols; ++col)
            if (const CNorvakCell* cell = cells.GetCell(row, col))
                visit(std::to_string(row) + "," + std::to_string(col), cell,
                      SheetModel::GetItemState(page, cells, row, col));
}

} // namespace

PageSnapshot TakeSnapshot(const CNorvakPage& page, const CNorvakPageCells& cells)
{
    PageSnapshot snapshot;
    ForEachCell(page, cells, [&](const std::string& place, const CNorvakCell* cell, WORD state) {
        snapshot.lines.push_back(
            Field(place, "bottom", Line(cell->GetHorLineColor(), cell->GetHorLineWidth(), cell->GetHorLineStyle())));
        snapshot.lines.push_back(
            Field(place, "right", Line(cell->GetVerLineColor(), cell->GetVerLineWidth(), cell->GetVerLineStyle())));
        snapshot.lines.push_back(Field(place, "code", std::to_string(cell->GetTextFormat())));
        snapshot.lines.push_back(Field(place, "indent", std::to_string(cell->GetIndent())));
        snapshot.lines.push_back(Field(place, "escapement", std::to_string(cell->GetFont().font.lfEscapement)));
        snapshot.lines.push_back(Field(place, "text", std::string("[") + cell->GetTextPtr() + "]"));
        snapshot.lines.push_back(Field(place, "state", std::to_string(state)));
        const CFontRecord& font = cell->GetFont();
        snapshot.lines.push_back(Field(place, "font",
                                       std::to_string(font.font.lfHeight) + "/" + std::to_string(font.font.lfWeight) +
                                           "/" + font.font.lfFaceName + "/" + Line(font.crText, 0, 0) + "/" +
                                           Line(font.crBackground, 0, 0)));
        const CCellCoord origin = cell->GetMergeOrigin();
        snapshot.lines.push_back(Field(place, "merge",
                                       std::to_string(cell->GetRowSpan()) + "/" + std::to_string(cell->GetColSpan()) +
                                           "/" + std::to_string(cell->IsCovered()) + "/" + std::to_string(origin.row) +
                                           ":" + std::to_string(origin.col) + "/" +
                                           std::to_string(cell->GetEditLock())));
    });
    for (const CEdgeLineEntry& entry : page.m_topEdgeLines)
        snapshot.lines.push_back(Field("top edge " + std::to_string(entry.index), "line",
                                       Line(entry.crColor, entry.width, entry.style)));
    for (const CEdgeLineEntry& entry : page.m_leftEdgeLines)
        snapshot.lines.push_back(Field("left edge " + std::to_string(entry.index), "line",
                                       Line(entry.crColor, entry.width, entry.style)));
    for (const auto* list : {&page.m_bodyMerges, &page.m_headerMerges})
        for (const CMergeCellRange& m : *list)
            snapshot.lines.push_back(Field("merge list", "range",
                                           std::to_string(m.firstRow) + ":" + std::to_string(m.firstCol) + "-" +
                                               std::to_string(m.lastRow) + ":" + std::to_string(m.lastCol)));
    return snapshot;
}

namespace {

std::string Font(const CFontRecord& record)
{
    const LOGFONTA& font = record.font;
    char text[160];
    std::snprintf(text, sizeof(text), "%s/%ld/%ld/%d%d%d/%d/%lx/%lx", font.lfFaceName, font.lfHeight,
                  font.lfWeight, font.lfItalic, font.lfUnderline, font.lfStrikeOut, record.bTransparent,
                  static_cast<unsigned long>(record.crText), static_cast<unsigned long>(record.crBackground));
    return text;
}

std::string Merge(const CMergeCellRange& merge)
{
    return std::to_string(merge.firstRow) + "," + std::to_string(merge.firstCol) + "-" +
           std::to_string(merge.lastRow) + "," + std::to_string(merge.lastCol) + " lock " +
           std::to_string(merge.editLock);
}

} // namespace

PageSnapshot TakeWholeSnapshot(const CNorvakPage& page, const CNorvakPageCells& cells)
{
    PageSnapshot snapshot = TakeSnapshot(page, cells);
    ForEachCell(page, cells, [&](const std::string& place, const CNorvakCell* cell, WORD state) {
        snapshot.lines.push_back(Field(place, "text", cell->GetTextPtr()));
        snapshot.lines.push_back(Field(place, "state", std::to_string(state)));
        snapshot.lines.push_back(Field(place, "font", Font(cell->GetFont())));
        snapshot.lines.push_back(Field(
            place, "merge",
            std::to_string(cell->IsCovered()) + std::to_string(cell->IsMergedRight()) +
                std::to_string(cell->IsMergedBelow()) + "/" + std::to_string(cell->GetRowSpan()) + "x" +
                std::to_string(cell->GetColSpan()) + "/" + std::to_string(cell->GetMergeOrigin().row) + "," +
                std::to_string(cell->GetMergeOrigin().col) + "/" + std::to_string(cell->GetEditLock())));
        snapshot.lines.push_back(Field(
            place, "values",
            std::to_string(cell->GetValueWord()) + "/" + std::to_string(cell->GetImage()) + "/" +
                std::to_string(cell->GetImageValue()) + "/" + std::to_string(cell->GetPicture() != nullptr)));
    });
    for (const CMergeCellRange& merge : page.m_bodyMerges)
        snapshot.lines.push_back("body merge " + Merge(merge));
    for (const CMergeCellRange& merge : page.m_headerMerges)
        snapshot.lines.push_back("header merge " + Merge(merge));
    for (const CCellRect& range : page.m_selectedCells.Rects())
        snapshot.lines.push_back("selected " + std::to_string(range.minRow) + "," +
                                 std::to_string(range.minCol) + "-" + std::to_string(range.maxRow) + "," +
                                 std::to_string(range.maxCol));
    snapshot.lines.push_back("focus " + std::to_string(page.m_focusCell.row) + "," +
                             std::to_string(page.m_focusCell.col));
    return snapshot;
}

std::vector<std::string> Differences(const PageSnapshot& before, const PageSnapshot& after)
{
    std::vector<std::string> differences;
    if (before.lines.size() != after.lines.size())
        return {"the page changed its size"};
    for (size_t i = 0; i < before.lines.size(); ++i) {
        if (before.lines[i] == after.lines[i])
            continue;
        const std::string& now = after.lines[i];
        const size_t value = now.rfind(' ');
        differences.push_back(before.lines[i] + " -> " + now.substr(value + 1));
    }
    return differences;
}
