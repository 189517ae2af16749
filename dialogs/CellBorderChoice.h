#pragma once

// The border page's choice without a window, and the line writes it makes on a page.
//
// Each cell owns only its bottom and right lines; its top and left edges are the lines of the
// cells above and to the left, and on row 0 and column 0 the entries of the page's two edge lists.
// So a selected block gets the outline on its outer edges and the inside choice between its cells,
// and cells outside the block change only where they border its top and left edges.
//
// Only the edges the user set (by a toggle or a preset) are written; an edge switched off gets the
// page's default grid line back, and a line that already has its new value is not written again.

#include "sheet/model/CellLine.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <array>
#include <vector>

class CBorderChoice
{
public:
    enum Edge
    {
        Top,
        Bottom,
        Left,
        Right,
        InsideHorizontal,
        InsideVertical,
        DiagonalUp,   // bottom-left to top-right, shown in the preview only
        DiagonalDown, // top-left to bottom-right, shown in the preview only
        kEdgeCount
    };

    bool IsOn(Edge edge) const { return m_on[edge]; }
    bool IsSet(Edge edge) const { return m_set[edge]; }
    void Toggle(Edge edge) { Set(edge, !m_on[edge]); }
    void Set(Edge edge, bool on)
    {
        m_on[edge] = on;
        m_set[edge] = true;
    }
    // The presets: "无边框" switches the six cell edges off (the diagonals stay), "外框" the four
    // outer edges on, "内框" the two inside edges on.
    void ApplyNone();
    void ApplyOutline();
    void ApplyInside();

private:
    std::array<bool, kEdgeCount> m_on{};
    std::array<bool, kEdgeCount> m_set{};
};

// One line that OK writes.
struct BorderLineWrite
{
    enum Target
    {
        CellBottom, // the cell's horizontal line
        CellRight,  // the cell's vertical line
        TopEdge,    // the page's line above row 0 at the column
        LeftEdge    // the page's line left of column 0 at the row
    };
    Target target;
    int row;
    int col;
    CellLine line;
    friend bool operator==(const BorderLineWrite& a, const BorderLineWrite& b)
    {
        return a.target == b.target && a.row == b.row && a.col == b.col && a.line == b.line;
    }
};

// The writes for the page's selected cells, in the order of its selection map, each line once.
// on: the line chosen for edges switched on.
std::vector<BorderLineWrite> PlanBorderWrites(const CNorvakPage& page, const CNorvakPageCells& cells,
                                              const CBorderChoice& choice, const CellLine& on);
// Makes the writes; a write whose line is missing (no cell, no edge entry) is skipped.
void ApplyBorderWrites(CNorvakPage& page, CNorvakPageCells& cells, const std::vector<BorderLineWrite>& writes);
// The line a write targets as it is now; the default line when it is missing.
CellLine CurrentLine(const CNorvakPage& page, const CNorvakPageCells& cells, BorderLineWrite::Target target, int row,
                     int col);
