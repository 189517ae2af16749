#include "gridwnd/GridAxis.h"

#include <algorithm>

int CGridSizes::Start(int i) const
{
    return m_starts[size_t(std::clamp(i, 0, Count()))];
}

int CGridSizes::IndexAt(int pos, int from, int to) const
{
    from = std::max(from, 0);
    to = std::min(to, Count());
    if (from >= to)
        return -1;
    // Index i reaches past pos when the sizes up to and including it pass it.
    const auto first = m_starts.begin() + from + 1;
    const auto found = std::upper_bound(first, m_starts.begin() + to + 1, pos);
    return found == m_starts.begin() + to + 1 ? -1 : int(found - m_starts.begin()) - 1;
}

void CGridSizes::Reserve(int count)
{
    m_sizes.reserve(size_t(count));
    m_starts.reserve(size_t(count) + 1);
}

void CGridSizes::Resize(int count, int size)
{
    const size_t before = m_sizes.size();
    const size_t after = size_t(std::max(count, 0));
    m_sizes.resize(after, size);
    m_starts.resize(after + 1);
    for (size_t i = before; i < after; ++i)
        m_starts[i + 1] = m_starts[i] + m_sizes[i];
}

void CGridSizes::Set(int i, int size)
{
    if (i < 0 || i >= Count())
        return;
    const int change = size - m_sizes[size_t(i)];
    m_sizes[size_t(i)] = size;
    for (size_t after = size_t(i) + 1; after < m_starts.size(); ++after)
        m_starts[after] += change;
}

void CGridSizes::Assign(std::vector<int> sizes)
{
    m_sizes = std::move(sizes);
    m_starts.assign(m_sizes.size() + 1, 0);
    for (size_t i = 0; i < m_sizes.size(); ++i)
        m_starts[i + 1] = m_starts[i] + m_sizes[i];
}

int CGridAxis::FirstScroll() const
{
    const int first = FixedCount();
    const int last = Count() - 1;
    if (first >= last || scrollPos <= 0)
        return first;
    // The first index whose start lies at or past the scroll position.
    const int wanted = sizes.Start(first) + scrollPos;
    int lo = first, hi = last;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (sizes.Start(mid) >= wanted)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

int CGridAxis::Origin(int i) const
{
    if (i < FixedCount())
        return sizes.Start(i);
    return FixedExtent() + Sum(FirstScroll(), i);
}

int CGridAxis::Locate(int coord, bool allowFixed) const
{
    if (coord < 0)
        return -1;
    if (coord < FixedExtent())
        return allowFixed ? sizes.IndexAt(coord, 0, FixedCount()) : -1;
    const int first = FirstScroll();
    return sizes.IndexAt(coord - FixedExtent() + sizes.Start(first), first, Count());
}

int CGridAxis::FirstToShowWhole(int last, int extent) const
{
    // The smallest first with Sum(first, last + 1) <= extent.
    const int end = sizes.Start(last + 1);
    int lo = FixedCount(), hi = std::max(last, lo);
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (end - sizes.Start(mid) <= extent)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

CGridAxis::Reach CGridAxis::ReachWithin(int limit) const
{
    const int first = FirstScroll();
    const int start = FixedExtent();
    // The first index from the first scrolling one whose far edge reaches the limit.
    const int wanted = limit - start + sizes.Start(first);
    int lo = first, hi = Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (sizes.Start(mid + 1) >= wanted)
            hi = mid;
        else
            lo = mid + 1;
    }
    if (lo >= Count())
        return Reach{Count() - 1, start + Sum(first, Count()), false};
    return Reach{lo, limit, sizes.Start(lo + 1) > wanted};
}
