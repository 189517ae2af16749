#include "autofill/series/FillWalk.h"

#include <algorithm>

CFillWalk::CFillWalk(const CFillRange& source, const CFillRange& target)
{
    const int row = source.minRow;
    const int col = source.minCol;
    int first = 0;
    int last = 0;
    if (source.maxRow < target.maxRow) {
        first = target.minRow + (target.minRow == row ? 1 : 0);
        last = target.maxRow;
        m_rowStep = 1;
    } else if (target.minRow < source.minRow) {
        first = target.maxRow - (target.maxRow == row ? 1 : 0);
        last = target.minRow;
        m_rowStep = -1;
    } else if (source.maxCol < target.maxCol) {
        first = target.minCol + (target.minCol == col ? 1 : 0);
        last = target.maxCol;
        m_colStep = 1;
    } else {
        first = target.maxCol - (target.maxCol == col ? 1 : 0);
        last = target.minCol;
        m_colStep = -1;
    }
    m_forward = m_rowStep + m_colStep > 0;
    m_row = m_rowStep ? first : row;
    m_col = m_colStep ? first : col;
    m_count = std::max(m_forward ? last - first + 1 : first - last + 1, 0);
}

bool CFillWalk::IsLineFromSource(const CFillRange& source, const CFillRange& target)
{
    const int row = source.minRow;
    const int col = source.minCol;
    if (source.maxRow != row || source.maxCol != col || target.maxRow < target.minRow ||
        target.maxCol < target.minCol)
        return false;
    // The line starts at the source cell or right beside it: a fill from a corner away from the
    // dragged side leaves the source out of its target.
    auto fromSource = [](int first, int last, int at) {
        return first == at || last == at || first == at + 1 || last == at - 1;
    };
    const bool inRow =
        target.minRow == row && target.maxRow == row && fromSource(target.minCol, target.maxCol, col);
    const bool inColumn =
        target.minCol == col && target.maxCol == col && fromSource(target.minRow, target.maxRow, row);
    return inRow || inColumn;
}
