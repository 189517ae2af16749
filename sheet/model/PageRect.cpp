#include "sheet/model/PageRect.h"

#include <algorithm>

namespace SheetModel {

CCellRect ClampToPage(const CNorvakPage& page, const CCellRect& range)
{
    return CCellRect(std::max(range.minRow, 0), std::max(range.minCol, 0), std::min(range.maxRow, page.m_nRows - 1),
                     std::min(range.maxCol, page.m_nCols - 1));
}

} // namespace SheetModel
