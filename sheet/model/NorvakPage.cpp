#include "sheet/model/NorvakPage.h"

#include <emmintrin.h>

#include <algorithm>
#include <cwchar>

CNorvakPage::CNorvakPage(int index, const CString& title, int tabLeft)
    : m_nIndex(index), m_strTitle(title), m_nTabLeft(tabLeft), m_crTextColor(GetSysColor(COLOR_WINDOWTEXT)),
      m_crTextBkColor(GetSysColor(COLOR_WINDOW)), m_crBkColor(GetSysColor(COLOR_BTNSHADOW)),
      m_crFixedTextColor(GetSysColor(COLOR_WINDOWTEXT)), m_crFixedBkColor(GetSysColor(COLOR_BTNFACE)),
      m_crSysWindowText(GetSysColor(COLOR_WINDOWTEXT)), m_crSysWindow(GetSysColor(COLOR_WINDOW)),
      m_crSysBtnFace(GetSysColor(COLOR_BTNFACE)), m_crSysBtnShadow(GetSysColor(COLOR_BTNSHADOW))
{
}

CNorvakPage::~CNorvakPage()
{
    while (!m_charts.empty())
        m_charts.pop_back();
}

int CNorvakPage::ReadWheelScrollLines(HKEY root, const wchar_t* subKey)
{
    constexpr int kFallback = kDefaultWheelLines;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return kFallback;
    wchar_t text[32] = {};
    DWORD type = 0;
    DWORD size = sizeof(text) - sizeof(wchar_t);
    LONG status =
        RegQueryValueExW(key, L"WheelScrollLines", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return kFallback;
    wchar_t* end = nullptr;
    long lines = std::wcstol(text, &end, 10);
    return end == text ? kFallback : int(lines);
}

int CNorvakPage::GetRowHeight(int row) const
{
    if (row < 0 || row >= m_nRows || size_t(row) >= m_rowHeights.size())
        return -1;
    return m_rowHeights[size_t(row)];
}

int CNorvakPage::GetColumnWidth(int col) const
{
    if (col < 0 || col >= m_nCols || size_t(col) >= m_colWidths.size())
        return -1;
    return m_colWidths[size_t(col)];
}

int64_t CNorvakPage::Extent(const std::vector<int>& sizes, int count)
{
    // A row insertion checks the extent of every row, so this loop is hot: four sizes at a time,
    // negative ones counted as 0, summed in two 64-bit lanes.
    const size_t n = std::min(sizes.size(), size_t(std::max(count, 0)));
    const int* at = sizes.data();
    const __m128i zero = _mm_setzero_si128();
    __m128i sum = zero;
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + i));
        v = _mm_andnot_si128(_mm_srai_epi32(v, 31), v);
        sum = _mm_add_epi64(sum, _mm_unpacklo_epi32(v, zero));
        sum = _mm_add_epi64(sum, _mm_unpackhi_epi32(v, zero));
    }
    int64_t lanes[2];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes), sum);
    int64_t total = lanes[0] + lanes[1];
    for (; i < n; ++i)
        total += std::max(at[i], 0);
    return total;
}

namespace {

bool FitsWith(const std::vector<int>& sizes, int count, int index, int size)
{
    return CNorvakPage::Extent(sizes, count) - std::max(sizes[size_t(index)], 0) + size <= CNorvakPage::kMaxExtent;
}

// Sizes from `first` to count - 1 become `size` at once, as SetRowHeight would make them one by one
// once the total is known to fit: a line with no size of its own, or a negative size, fails.
BOOL SetSizesFrom(std::vector<int>& sizes, int count, int first, int size)
{
    BOOL all = TRUE;
    for (int i = first; i < count; ++i) {
        if (size < 0 || size_t(i) >= sizes.size() || sizes[size_t(i)] < 0) {
            all = FALSE;
            continue;
        }
        sizes[size_t(i)] = size;
    }
    return all;
}

} // namespace

BOOL CNorvakPage::SetRowHeight(int row, int height)
{
    if (GetRowHeight(row) < 0 || height < 0 || !FitsWith(m_rowHeights, m_nRows, row, height))
        return FALSE;
    m_rowHeights[size_t(row)] = height;
    return TRUE;
}

BOOL CNorvakPage::SetColumnWidth(int col, int width)
{
    if (GetColumnWidth(col) < 0 || width < 0 || !FitsWith(m_colWidths, m_nCols, col, width))
        return FALSE;
    m_colWidths[size_t(col)] = width;
    if (col != 1)
        m_bColumnWidthsChanged = 1;
    return TRUE;
}

int CNorvakPage::GetFixedRowHeight() const
{
    int total = 0;
    for (int row = 0; row < m_nFixedRows; ++row)
        total += std::max(GetRowHeight(row), 0);
    return total;
}

int CNorvakPage::GetFixedColumnWidth() const
{
    int total = 0;
    for (int col = 0; col < m_nFixedCols; ++col)
        total += std::max(GetColumnWidth(col), 0);
    return total;
}

BOOL CNorvakPage::SetBodyRowHeights(int height)
{
    const int fixed = std::clamp(m_nFixedRows, 0, m_nRows);
    if (Extent(m_rowHeights, fixed) + int64_t(std::max(height, 0)) * (m_nRows - fixed) > kMaxExtent)
        return FALSE;
    return SetSizesFrom(m_rowHeights, m_nRows, std::max(m_nFixedRows, 0), height);
}

BOOL CNorvakPage::SetBodyColumnWidths(int width)
{
    const int fixed = std::clamp(m_nFixedCols, 0, m_nCols);
    if (Extent(m_colWidths, fixed) + int64_t(std::max(width, 0)) * (m_nCols - fixed) > kMaxExtent)
        return FALSE;
    const int first = std::max(m_nFixedCols, 0);
    BOOL all = SetSizesFrom(m_colWidths, m_nCols, first, width);
    for (int col = first; col < m_nCols; ++col)
        if (col != 1 && width >= 0 && GetColumnWidth(col) == width)
            m_bColumnWidthsChanged = 1;
    return all;
}

namespace {

BOOL AssignSizes(std::vector<int>& sizes, std::vector<int> assigned, int count)
{
    if (assigned.size() != size_t(std::max(count, 0)) ||
        std::any_of(assigned.begin(), assigned.end(), [](int size) { return size < 0; }) ||
        CNorvakPage::Extent(assigned, count) > CNorvakPage::kMaxExtent)
        return FALSE;
    sizes = std::move(assigned);
    return TRUE;
}

} // namespace

BOOL CNorvakPage::AssignRowHeights(std::vector<int> heights)
{
    return AssignSizes(m_rowHeights, std::move(heights), m_nRows);
}

BOOL CNorvakPage::AssignColumnWidths(std::vector<int> widths)
{
    return AssignSizes(m_colWidths, std::move(widths), m_nCols);
}

BOOL CNorvakPage::AutoSizeColumn(int col, const CellMeasure& measure)
{
    if (GetColumnWidth(col) < 0)
        return FALSE;
    LONG widest = 0;
    for (int row = 0; row < m_nRows; ++row)
        widest = std::max(widest, measure(row, col).cx);
    if (!FitsWith(m_colWidths, m_nCols, col, int(widest)))
        return FALSE;
    m_colWidths[size_t(col)] = int(widest);
    return TRUE;
}

BOOL CNorvakPage::AutoSizeRow(int row, const CellMeasure& measure)
{
    if (GetRowHeight(row) < 0)
        return FALSE;
    LONG tallest = 0;
    for (int col = 0; col < m_nCols; ++col)
        tallest = std::max(tallest, measure(row, col).cy);
    if (!FitsWith(m_rowHeights, m_nRows, row, int(tallest)))
        return FALSE;
    m_rowHeights[size_t(row)] = int(tallest);
    return TRUE;
}

CEdgeLineEntry* CNorvakPage::FindLeftEdgeLine(int row)
{
    return row >= 0 && size_t(row) < m_leftEdgeLines.size() ? &m_leftEdgeLines[size_t(row)] : nullptr;
}

CEdgeLineEntry* CNorvakPage::FindTopEdgeLine(int col)
{
    return col >= 0 && size_t(col) < m_topEdgeLines.size() ? &m_topEdgeLines[size_t(col)] : nullptr;
}
