#include "sheet/model/CellSelectionMap.h"

#include <algorithm>

std::vector<CCellRect> CCellSelectionMap::Subtract(const CCellRect& a, const CCellRect& b)
{
    const CCellRect common = Intersect(a, b);
    if (common.IsEmpty())
        return a.IsEmpty() ? std::vector<CCellRect>{} : std::vector<CCellRect>{a};
    std::vector<CCellRect> out;
    auto keep = [&](const CCellRect& r) {
        if (!r.IsEmpty())
            out.push_back(r);
    };
    keep(CCellRect(a.minRow, a.minCol, common.minRow - 1, a.maxCol));           // above
    keep(CCellRect(common.maxRow + 1, a.minCol, a.maxRow, a.maxCol));           // below
    keep(CCellRect(common.minRow, a.minCol, common.maxRow, common.minCol - 1)); // left
    keep(CCellRect(common.minRow, common.maxCol + 1, common.maxRow, a.maxCol)); // right
    return out;
}

std::vector<CCellRect> CCellSelectionMap::Subtract(std::vector<CCellRect> pieces,
                                                   const std::vector<CCellRect>& minus)
{
    for (const CCellRect& b : minus) {
        std::vector<CCellRect> next;
        for (const CCellRect& a : pieces)
            for (const CCellRect& part : Subtract(a, b))
                next.push_back(part);
        pieces = std::move(next);
    }
    return pieces;
}

CCellRect CCellSelectionMap::Intersect(const CCellRect& a, const CCellRect& b)
{
    return CCellRect(std::max(a.minRow, b.minRow), std::max(a.minCol, b.minCol), std::min(a.maxRow, b.maxRow),
                     std::min(a.maxCol, b.maxCol));
}

uint64_t CCellSelectionMap::LastKey()
{
    if (!m_bLastKeyKnown) {
        m_nLastKey = 0;
        for (const CCellRect& r : m_rects)
            m_nLastKey = std::max(m_nLastKey, Key(r.maxRow, r.maxCol));
        m_bLastKeyKnown = true;
    }
    return m_nLastKey;
}

bool CCellSelectionMap::GrowLast(CCellCoord cell)
{
    if (m_rects.empty())
        return false;
    CCellRect& last = m_rects.back();
    // The next row of a single-column rectangle.
    if (last.minCol == last.maxCol && last.minCol == cell.col && cell.row == last.maxRow + 1) {
        ++last.maxRow;
    } else {
        return false;
    }
    // A column that now matches the rectangle left of it joins that one.
    if (m_rects.size() >= 2) {
        CCellRect& before = m_rects[m_rects.size() - 2];
        if (before.maxCol + 1 == last.minCol && before.minRow == last.minRow && before.maxRow == last.maxRow) {
            before.maxCol = last.maxCol;
            m_rects.pop_back();
        }
    }
    return true;
}

bool CCellSelectionMap::Add(CCellCoord cell)
{
    const uint64_t key = Key(cell.row, cell.col);
    const bool afterAll = m_rects.empty() || key > LastKey();
    if (!afterAll && Contains(cell.row, cell.col))
        return false;
    if (!GrowLast(cell))
        m_rects.emplace_back(cell.row, cell.col, cell.row, cell.col);
    if (afterAll) {
        m_nLastKey = key;
        m_bLastKeyKnown = true;
    }
    return true;
}

void CCellSelectionMap::AddRange(const CCellRect& range)
{
    m_bLastKeyKnown = false;
    for (const CCellRect& piece : Subtract(std::vector<CCellRect>{range}, m_rects))
        m_rects.push_back(piece);
}

bool CCellSelectionMap::Remove(int row, int col)
{
    m_bLastKeyKnown = false;
    const CCellRect cell(row, col, row, col);
    for (size_t i = 0; i < m_rects.size(); ++i) {
        if (Intersect(m_rects[i], cell).IsEmpty())
            continue;
        std::vector<CCellRect> rest = Subtract(m_rects[i], cell);
        m_rects.erase(m_rects.begin() + ptrdiff_t(i));
        m_rects.insert(m_rects.end(), rest.begin(), rest.end());
        return true;
    }
    return false;
}

bool CCellSelectionMap::Contains(int row, int col) const
{
    // From the back: the rectangles added last are the likeliest to hold a cell asked about.
    return std::any_of(m_rects.rbegin(), m_rects.rend(), [&](const CCellRect& r) {
        return row >= r.minRow && row <= r.maxRow && col >= r.minCol && col <= r.maxCol;
    });
}

int CCellSelectionMap::GetCount() const
{
    int64_t count = 0;
    for (const CCellRect& r : m_rects)
        count += Area(r);
    return int(std::min<int64_t>(count, INT32_MAX));
}

void CCellSelectionMap::SetRects(std::vector<CCellRect> rects)
{
    rects.erase(std::remove_if(rects.begin(), rects.end(), [](const CCellRect& r) { return r.IsEmpty(); }),
                rects.end());
    m_rects = std::move(rects);
    m_bLastKeyKnown = false;
}

CCellSelectionMap::const_iterator CCellSelectionMap::begin() const
{
    if (m_rects.empty())
        return end();
    auto byRow = std::make_shared<std::vector<CCellRect>>(m_rects);
    std::sort(byRow->begin(), byRow->end(),
              [](const CCellRect& a, const CCellRect& b) { return a.minRow < b.minRow; });
    return const_iterator(std::move(byRow));
}

CCellSelectionMap::const_iterator::const_iterator(std::shared_ptr<const std::vector<CCellRect>> byRow)
    : m_byRow(std::move(byRow))
{
    if (!m_byRow)
        return;
    int first = INT32_MAX;
    for (const CCellRect& r : *m_byRow)
        first = std::min(first, r.minCol);
    StartColumn(first);
}

bool CCellSelectionMap::const_iterator::Covers(size_t index, int col) const
{
    const CCellRect& r = (*m_byRow)[index];
    return r.minCol <= col && col <= r.maxCol;
}

size_t CCellSelectionMap::const_iterator::NextCovering(size_t index, int col) const
{
    while (index < m_byRow->size() && !Covers(index, col))
        ++index;
    return index;
}

void CCellSelectionMap::const_iterator::StartColumn(int col)
{
    m_entry.second.col = col;
    m_index = NextCovering(0, col);
    Visit((*m_byRow)[m_index].minRow);
}

void CCellSelectionMap::const_iterator::Visit(int row)
{
    m_entry.second.row = row;
    m_entry.first = Key(row, m_entry.second.col);
}

// Down the rectangle, then to the next one lower in the same column, then to the next column any
// rectangle covers. The rectangles are disjoint, so within a column their row spans never overlap.
CCellSelectionMap::const_iterator& CCellSelectionMap::const_iterator::operator++()
{
    const int col = m_entry.second.col;
    if (m_entry.second.row < (*m_byRow)[m_index].maxRow) {
        Visit(m_entry.second.row + 1);
        return *this;
    }
    const size_t next = NextCovering(m_index + 1, col);
    if (next < m_byRow->size()) {
        m_index = next;
        Visit((*m_byRow)[next].minRow);
        return *this;
    }
    int nextCol = INT32_MAX;
    for (const CCellRect& r : *m_byRow) {
        if (r.maxCol > col)
            nextCol = std::min(nextCol, std::max(r.minCol, col + 1));
    }
    if (nextCol == INT32_MAX)
        m_byRow.reset();
    else
        StartColumn(nextCol);
    return *this;
}
