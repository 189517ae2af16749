#include "dialogs/ColourPopupLayout.h"

#include <windows.h>

#include <algorithm>

CColourPopupGrid::CColourPopupGrid(const Metrics& metrics) : m_metrics(metrics)
{
    const int s = metrics.cellSize;
    const int m = metrics.margin;
    const int boxHeight = metrics.textHeight + 5 * m + 2;
    int width = kColumns * s + 2 * m;
    int height = Rows() * s + 2 * m;
    if (metrics.hasDefault || metrics.hasCustom)
        width = std::max(width, metrics.textWidth + 2 * m);
    if (metrics.hasDefault) {
        m_defaultBox = CRect(m, m, width - m, m + boxHeight);
        height += 2 * m + boxHeight;
    }
    if (metrics.hasCustom) {
        m_customBox = CRect(m, height, width - m, height + boxHeight);
        height += 2 * m + boxHeight;
    }
    m_size = CSize(width, height);
}

int CColourPopupGrid::CellsTop() const
{
    const int m = m_metrics.margin;
    return m + (m_metrics.hasDefault ? m_defaultBox.Height() + m : 0);
}

CRect CColourPopupGrid::CellRect(int index) const
{
    if (index < 0 || index >= m_metrics.count)
        return CRect();
    const int s = m_metrics.cellSize;
    const int left = (index % kColumns) * s + m_metrics.margin;
    const int top = (index / kColumns) * s + CellsTop();
    return CRect(left, top, left + s, top + s);
}

int CColourPopupGrid::IndexAt(int row, int column) const
{
    if ((row == kCustom || column == kCustom) && m_metrics.hasCustom)
        return kCustom;
    if ((row == kDefault || column == kDefault) && m_metrics.hasDefault)
        return kDefault;
    if (row < 0 || row >= Rows() || column < 0 || column >= kColumns)
        return kNone;
    const int index = row * kColumns + column;
    return index < m_metrics.count ? index : kNone;
}

int CColourPopupGrid::HitTest(POINT point) const
{
    // The boxes and cells are found where they are drawn.
    if (m_metrics.hasCustom && m_customBox.PtInRect(point))
        return kCustom;
    if (m_metrics.hasDefault && m_defaultBox.PtInRect(point))
        return kDefault;
    const int x = point.x - m_metrics.margin;
    const int y = point.y - CellsTop();
    if (x < 0 || y < 0)
        return kNone;
    return IndexAt(y / m_metrics.cellSize, x / m_metrics.cellSize);
}

bool CColourPopupGrid::Exists(int index) const
{
    if (index == kDefault)
        return m_metrics.hasDefault;
    if (index == kCustom)
        return m_metrics.hasCustom;
    return index >= 0 && index < m_metrics.count;
}

int CColourPopupGrid::FirstOf(std::initializer_list<int> candidates) const
{
    for (int candidate : candidates)
        if (Exists(candidate))
            return candidate;
    return 0;
}

int CColourPopupGrid::Move(int from, unsigned key) const
{
    const int last = LastCell();
    const bool isCell = from >= 0 && from <= last;
    switch (key) {
    case VK_DOWN:
        if (from == kCustom)
            return FirstOf({kDefault, 0});
        if (isCell)
            return from + kColumns <= last ? from + kColumns : FirstOf({kCustom, kDefault, 0});
        return 0;
    case VK_RIGHT:
        if (from == kCustom)
            return FirstOf({kDefault, 0});
        if (isCell)
            return from < last ? from + 1 : FirstOf({kCustom, kDefault, 0});
        return 0;
    case VK_UP:
        if (from == kDefault)
            return FirstOf({kCustom, last});
        if (isCell)
            return from >= kColumns ? from - kColumns : FirstOf({kDefault, kCustom, last});
        return last;
    case VK_LEFT:
        if (from == kDefault)
            return FirstOf({kCustom, last});
        if (isCell)
            return from > 0 ? from - 1 : FirstOf({kDefault, kCustom, last});
        return last;
    default:
        return from;
    }
}

CRect CLinePopupRows::RowRect(int row) const
{
    const int top = kFirstRowTop + row * m_rowHeight;
    const int x0 = SampleLeft();
    return CRect(x0 - 5, top, x0 + kSampleLength + 5, top + m_rowHeight);
}

int CLinePopupRows::RowAt(POINT point) const
{
    for (int row = 0; row < m_rows; ++row)
        if (RowRect(row).PtInRect(point))
            return row;
    return -1;
}

int CLinePopupRows::Move(int from, unsigned key) const
{
    if (m_rows <= 0)
        return from;
    if (key == VK_DOWN)
        return from < 0 ? 0 : (from + 1) % m_rows;
    if (key == VK_UP)
        return from <= 0 ? m_rows - 1 : from - 1;
    return from;
}

CRect KeepPopupOnScreen(CRect window, const RECT& buttonOnScreen, SIZE screen)
{
    if (window.right > screen.cx)
        window.OffsetRect(screen.cx - window.right, 0);
    if (window.left < 0)
        window.OffsetRect(-window.left, 0);
    if (window.bottom > screen.cy)
        window.OffsetRect(0, buttonOnScreen.top - window.bottom);
    return window;
}
