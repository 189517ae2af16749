#include "dialogs/FillPageLayout.h"

#include <algorithm>
#include <cmath>

std::array<CRect, 4> GradientSamples(const RECT& variantGroup)
{
    const CRect a(variantGroup.left + 5, variantGroup.top + 10, variantGroup.right - 5, variantGroup.bottom - 5);
    const int cx = (a.left + a.right) / 2;
    const int cy = (a.top + a.bottom) / 2;
    const int s = (std::min(a.Width(), a.Height()) - 12) / 2;
    return {CRect(cx - s - 3, cy - s - 3, cx - 3, cy - 3), CRect(cx + 3, cy - s - 3, cx + s + 3, cy - 3),
            CRect(cx - s - 3, cy + 3, cx - 3, cy + s + 3), CRect(cx + 3, cy + 3, cx + s + 3, cy + s + 3)};
}

int GradientSampleAt(const std::array<CRect, 4>& samples, POINT point)
{
    for (int i = 0; i < 4; ++i)
        if (samples[size_t(i)].PtInRect(point))
            return i;
    return -1;
}

int ShadeBar::Clamp(int position) const
{
    if (position == 0 || position <= bar.left)
        return bar.left + 1;
    if (position >= bar.right - 1)
        return bar.right - 2;
    return position;
}

CSwatchGrid::CSwatchGrid(const SwatchGridGeometry& geometry, const RECT& frame, int count)
    : m_geometry(geometry), m_frame(frame), m_count(count)
{
    const int gap = SwatchGridGeometry::kGap;
    m_columns = std::clamp(int(m_frame.Width() + gap) / (geometry.width + gap), 1, geometry.columns);
    m_rows = std::max(1, int(m_frame.Height() + geometry.pitch - geometry.height) / geometry.pitch);
}

int CSwatchGrid::ScrollMax() const
{
    const int rows = (m_count + m_columns - 1) / m_columns;
    return std::max(0, (rows - m_rows) * m_geometry.pitch);
}

int CSwatchGrid::FirstShown(int scrollPosition) const
{
    return std::max(0, scrollPosition / m_geometry.pitch) * m_columns;
}

std::vector<SwatchCell> CSwatchGrid::Layout(int scrollPosition, bool* overflow) const
{
    std::vector<SwatchCell> cells;
    if (overflow)
        *overflow = false;
    const SwatchGridGeometry& g = m_geometry;
    int x = m_frame.left;
    int y = m_frame.top;
    for (int i = FirstShown(scrollPosition), inRow = 0; i < m_count; ++i, ++inRow) {
        CRect cell(x, y, x + g.width, y + g.height);
        if (m_frame.right < x + g.width || inRow == m_columns) {
            cell = CRect(m_frame.left, y + g.pitch, m_frame.left + g.width, y + g.pitch + g.height);
            inRow = 0;
        }
        if (m_frame.bottom < cell.bottom) {
            if (overflow)
                *overflow = true;
            break;
        }
        cells.push_back({i, cell});
        x = cell.right + SwatchGridGeometry::kGap;
        y = cell.top;
    }
    return cells;
}

int CSwatchGrid::SwatchAt(int scrollPosition, POINT point) const
{
    for (const SwatchCell& cell : Layout(scrollPosition))
        if (cell.rect.PtInRect(point))
            return cell.index;
    return -1;
}

CRect FitPicture(SIZE picture, const RECT& box)
{
    const CRect b(box);
    const int w = picture.cx;
    const int h = picture.cy;
    if (w <= 0 || h <= 0 || b.Width() <= 0 || b.Height() <= 0)
        return CRect();
    const int cx = (b.left + b.right) / 2;
    const int cy = (b.top + b.bottom) / 2;
    if (w > b.Width() || h > b.Height()) {
        const double s = std::max(double(w) / b.Width(), double(h) / b.Height());
        return CRect(int(std::trunc(cx - w / (2 * s))), int(std::trunc(cy - h / (2 * s))),
                     int(std::trunc(cx + w / (2 * s))), int(std::trunc(cy + h / (2 * s))));
    }
    return CRect(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
}

CString FileNameOf(const CString& path)
{
    const int slash = path.ReverseFind('\\');
    return slash >= 0 ? path.Mid(slash + 1) : path;
}
