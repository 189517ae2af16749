#include "dialogs/CellBorderChoice.h"

#include <map>
#include <tuple>

void CBorderChoice::ApplyNone()
{
    for (Edge edge : {Top, Bottom, Left, Right, InsideHorizontal, InsideVertical})
        Set(edge, false);
}

void CBorderChoice::ApplyOutline()
{
    for (Edge edge : {Top, Bottom, Left, Right})
        Set(edge, true);
}

void CBorderChoice::ApplyInside()
{
    Set(InsideHorizontal, true);
    Set(InsideVertical, true);
}

namespace {

using Target = BorderLineWrite::Target;

// The lines the choice governs, keyed by target and place; a later assignment to the same line
// replaces an earlier one, as the inside choice replaces the outline between selected cells.
class WritePlan
{
public:
    WritePlan(const CBorderChoice& choice, const CellLine& on) : m_choice(choice), m_on(on) {}

    void Assign(Target target, int row, int col, CBorderChoice::Edge edge)
    {
        const auto key = std::make_tuple(row, col, int(target));
        if (!m_choice.IsSet(edge)) {
            m_lines.erase(key);
            return;
        }
        if (m_lines.find(key) == m_lines.end())
            m_order.push_back(key);
        m_lines[key] = m_choice.IsOn(edge) ? m_on : kDefaultGridLine;
    }

    template <class Visit> void ForEach(Visit visit) const
    {
        for (const auto& key : m_order) {
            auto found = m_lines.find(key);
            if (found != m_lines.end())
                visit(Target(std::get<2>(key)), std::get<0>(key), std::get<1>(key), found->second);
        }
    }

private:
    const CBorderChoice& m_choice;
    CellLine m_on;
    using Key = std::tuple<int, int, int>;
    std::map<Key, CellLine> m_lines;
    std::vector<Key> m_order;
};

// The page's entry for a line above row 0 or left of column 0, or none.
const CEdgeLineEntry* EdgeEntry(const CNorvakPage& page, Target target, int row, int col)
{
    const bool top = target == BorderLineWrite::TopEdge;
    const std::vector<CEdgeLineEntry>& list = top ? page.m_topEdgeLines : page.m_leftEdgeLines;
    const int index = top ? col : row;
    return index >= 0 && size_t(index) < list.size() ? &list[size_t(index)] : nullptr;
}

} // namespace

CellLine CurrentLine(const CNorvakPage& page, const CNorvakPageCells& cells, Target target, int row, int col)
{
    if (target == BorderLineWrite::TopEdge || target == BorderLineWrite::LeftEdge) {
        const CEdgeLineEntry* entry = EdgeEntry(page, target, row, col);
        return entry ? LineOf(*entry) : kDefaultGridLine;
    }
    const CNorvakCell* cell = cells.GetCell(row, col);
    return cell ? LineOf(*cell, target == BorderLineWrite::CellBottom) : kDefaultGridLine;
}

std::vector<BorderLineWrite> PlanBorderWrites(const CNorvakPage& page, const CNorvakPageCells& cells,
                                              const CBorderChoice& choice, const CellLine& on)
{
    const CCellSelectionMap& selected = page.m_selectedCells;
    auto isSelected = [&](int row, int col) { return selected.Contains(row, col); };
    WritePlan plan(choice, on);
    for (const auto& [key, cell] : selected) {
        const int r = cell.row;
        const int c = cell.col;
        if (!page.IsValidCell(r, c))
            continue;
        if (r == 0 && EdgeEntry(page, BorderLineWrite::TopEdge, r, c))
            plan.Assign(BorderLineWrite::TopEdge, r, c, CBorderChoice::Top);
        if (c == 0 && EdgeEntry(page, BorderLineWrite::LeftEdge, r, c))
            plan.Assign(BorderLineWrite::LeftEdge, r, c, CBorderChoice::Left);
        if (r > 0 && cells.GetCell(r - 1, c) && !isSelected(r - 1, c))
            plan.Assign(BorderLineWrite::CellBottom, r - 1, c, CBorderChoice::Top);
        if (c > 0 && cells.GetCell(r, c - 1) && !isSelected(r, c - 1))
            plan.Assign(BorderLineWrite::CellRight, r, c - 1, CBorderChoice::Left);
        if (!cells.GetCell(r, c))
            continue;
        const bool cellBelowSelected = r + 1 < page.m_nRows && isSelected(r + 1, c);
        const bool cellRightSelected = c + 1 < page.m_nCols && isSelected(r, c + 1);
        plan.Assign(BorderLineWrite::CellBottom, r, c, cellBelowSelected ? CBorderChoice::InsideHorizontal : CBorderChoice::Bottom);
        plan.Assign(BorderLineWrite::CellRight, r, c, cellRightSelected ? CBorderChoice::InsideVertical : CBorderChoice::Right);
    }
    std::vector<BorderLineWrite> writes;
    plan.ForEach([&](Target target, int row, int col, const CellLine& line) {
        if (!(CurrentLine(page, cells, target, row, col) == line))
            writes.push_back({target, row, col, line});
    });
    return writes;
}

void ApplyBorderWrites(CNorvakPage& page, CNorvakPageCells& cells, const std::vector<BorderLineWrite>& writes)
{
    // Every cell written gets its record first: when memory runs out, no line changes.
    for (const BorderLineWrite& write : writes)
        if ((write.target == BorderLineWrite::CellBottom || write.target == BorderLineWrite::CellRight) &&
            cells.GetCell(write.row, write.col) && !cells.EditCell(write.row, write.col))
            return;
    for (const BorderLineWrite& write : writes) {
        const CellLine& line = write.line;
        switch (write.target) {
        case BorderLineWrite::TopEdge:
        case BorderLineWrite::LeftEdge:
            if (CEdgeLineEntry* entry = write.target == BorderLineWrite::TopEdge ? page.FindTopEdgeLine(write.col)
                                                                                 : page.FindLeftEdgeLine(write.row))
                SetLineOf(*entry, line);
            break;
        case BorderLineWrite::CellBottom:
        case BorderLineWrite::CellRight:
            if (CNorvakCell* cell = cells.FindOwnCell(write.row, write.col))
                SetLineOf(*cell, write.target == BorderLineWrite::CellBottom, line);
            break;
        }
    }
}
