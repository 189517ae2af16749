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
    if (source.maxRow != row || source.maxCol != col)
        return false;
    const bool inRow =
        target.minRow == row && target.maxRow == row && target.minCol <= col && col <= target.maxCol;
    const bool inColumn =
        target.minCol == col && target.maxCol == col && target.minRow <= row && row <= target.maxRow;
    const bool atEnd =
        (target.minRow == row || target.maxRow == row) && (target.minCol == col || target.maxCol == col);
    return (inRow || inColumn) && atEnd;
}
