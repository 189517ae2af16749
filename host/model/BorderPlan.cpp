#include "host/model/BorderPlan.h"

namespace {

enum class Rule
{
    Unchanged,
    UpNoneElseLine,   // up: none; else line
    UpGridElseLine,   // up: grid; else line
    UpLineElseGrid,   // up: line; else grid
    UpGridElseOwnGrid, // up: grid; else the cell's own bottom becomes grid
    NotDownLine,      // not down: line
    NotDownGrid,      // not down: grid
    Grid,             // grid, always
};

// The columns of one picture: top edge, bottom, left edge, right. The "up"/"not down" wording of a
// rule reads "left"/"not right" on the vertical side.
struct Picture
{
    Rule top, bottom, left, right;
};

Picture PictureOf(int type)
{
    using R = Rule;
    switch (type) {
    case 1:
        return {R::UpNoneElseLine, R::NotDownLine, R::UpNoneElseLine, R::NotDownLine};
    case 2:
        return {R::UpGridElseLine, R::NotDownLine, R::UpGridElseLine, R::NotDownLine};
    case 3:
        return {R::UpLineElseGrid, R::NotDownGrid, R::UpLineElseGrid, R::NotDownGrid};
    case 4:
    case 14:
    case 18:
        return {R::UpGridElseLine, R::NotDownGrid, R::Grid, R::NotDownGrid};
    case 5:
        return {R::UpLineElseGrid, R::NotDownGrid, R::Grid, R::NotDownGrid};
    case 6:
    case 15:
    case 19:
        return {R::UpGridElseOwnGrid, R::NotDownLine, R::Grid, R::NotDownGrid};
    case 7:
    case 16:
    case 20:
        return {R::Unchanged, R::Unchanged, R::UpGridElseLine, R::NotDownGrid};
    case 8:
        return {R::Unchanged, R::Unchanged, R::UpLineElseGrid, R::NotDownGrid};
    case 9:
    case 17:
    case 21:
        return {R::Unchanged, R::Unchanged, R::Grid, R::NotDownLine};
    default:
        return {R::Unchanged, R::Unchanged, R::Unchanged, R::Unchanged};
    }
}

// An edge rule (top or left) given whether the neighbour before the cell is selected.
void AddEdge(std::vector<BorderEdit>& edits, bool horizontal, Rule rule, bool before)
{
    switch (rule) {
    case Rule::UpNoneElseLine:
        edits.push_back({horizontal, 0, before ? BorderLine::None : BorderLine::Line});
        break;
    case Rule::UpGridElseLine:
        edits.push_back({horizontal, 0, before ? BorderLine::Grid : BorderLine::Line});
        break;
    case Rule::UpLineElseGrid:
        edits.push_back({horizontal, 0, before ? BorderLine::Line : BorderLine::Grid});
        break;
    case Rule::UpGridElseOwnGrid:
        edits.push_back({horizontal, before ? 0 : 2, BorderLine::Grid});
        break;
    case Rule::Grid:
        edits.push_back({horizontal, 0, BorderLine::Grid});
        break;
    default:
        break;
    }
}

// The cell's own line (bottom or right) given whether the neighbour after it is selected.
void AddOwn(std::vector<BorderEdit>& edits, bool horizontal, Rule rule, bool after)
{
    if (after)
        return;
    if (rule == Rule::NotDownLine)
        edits.push_back({horizontal, 2, BorderLine::Line});
    else if (rule == Rule::NotDownGrid)
        edits.push_back({horizontal, 2, BorderLine::Grid});
}

} // namespace

std::vector<BorderEdit> PlanCellBorders(int type, SelectedNeighbours selected)
{
    std::vector<BorderEdit> edits;
    if (type == 0 || type == 22) {
        const BorderLine kind = type == 0 ? BorderLine::Grid : BorderLine::Line;
        edits.push_back({true, 1, kind});
        edits.push_back({false, 1, kind});
        return edits;
    }
    const Picture picture = PictureOf(type);
    AddEdge(edits, true, picture.top, selected.up);
    AddOwn(edits, true, picture.bottom, selected.down);
    AddEdge(edits, false, picture.left, selected.left);
    AddOwn(edits, false, picture.right, selected.right);
    return edits;
}
