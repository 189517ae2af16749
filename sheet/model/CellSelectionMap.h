#pragma once

// A set of cells of a page: the page's selected cells and the cells kept selected during a drag.
// It is held as disjoint rectangles, so a whole-page selection costs one entry whatever the page's
// size. A walk visits each cell once in the order of its key, by column and then by row, whatever
// order the rectangles were added in: the workbook file and the border setters depend on that
// order. The key holds the column and the row in 32 bits each.

#include "sheet/model/CellTypes.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

class CCellSelectionMap
{
public:
    using Entry = std::pair<uint64_t, CCellCoord>;

    static uint64_t Key(int row, int col) { return (uint64_t(uint32_t(col)) << 32) | uint32_t(row); }

    // The parts of a that lie outside b (at most four), and of each of pieces outside every one of
    // minus.
    static std::vector<CCellRect> Subtract(const CCellRect& a, const CCellRect& b);
    static std::vector<CCellRect> Subtract(std::vector<CCellRect> pieces, const std::vector<CCellRect>& minus);
    static CCellRect Intersect(const CCellRect& a, const CCellRect& b);
    static int64_t Area(const CCellRect& r)
    {
        return r.RowCount() * r.ColumnCount();
    }

    // The range the cells span; (rows, columns, -1, -1) with none, so that a loop over it runs
    // zero times.
    CCellRect Bounds(int rows, int cols) const
    {
        CCellRect r(rows, cols, -1, -1);
        for (const CCellRect& part : m_rects) {
            r.minRow = std::min(r.minRow, part.minRow);
            r.minCol = std::min(r.minCol, part.minCol);
            r.maxRow = std::max(r.maxRow, part.maxRow);
            r.maxCol = std::max(r.maxCol, part.maxCol);
        }
        return r;
    }

    // FALSE when the cell was already there. Cells added in key order (as readers and mouse
    // selection add them) grow the last rectangle, so a large selection built cell by cell stays a
    // few rectangles and each addition takes constant time.
    bool Add(CCellCoord cell);
    // Adds the cells of the range that are not there yet.
    void AddRange(const CCellRect& range);
    bool Remove(int row, int col);
    bool Contains(int row, int col) const;
    int GetCount() const;
    bool IsEmpty() const { return m_rects.empty(); }
    void RemoveAll()
    {
        m_rects.clear();
        m_bLastKeyKnown = false;
    }
    const std::vector<CCellRect>& Rects() const { return m_rects; }
    // Replaces the rectangles; they must not overlap.
    void SetRects(std::vector<CCellRect> rects);

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        // The rectangles ordered by their first row; an iterator with none is the end.
        explicit const_iterator(std::shared_ptr<const std::vector<CCellRect>> byRow = nullptr);
        reference operator*() const { return m_entry; }
        pointer operator->() const { return &m_entry; }
        const_iterator& operator++();
        bool operator==(const const_iterator& other) const
        {
            return AtEnd() == other.AtEnd() && (AtEnd() || m_entry.first == other.m_entry.first);
        }
        bool operator!=(const const_iterator& other) const { return !(*this == other); }

    private:
        bool AtEnd() const { return !m_byRow; }
        bool Covers(size_t index, int col) const;
        // The first rectangle at or after index that covers the column, or the count.
        size_t NextCovering(size_t index, int col) const;
        void StartColumn(int col);
        void Visit(int row);

        std::shared_ptr<const std::vector<CCellRect>> m_byRow;
        size_t m_index = 0;
        Entry m_entry;
    };
    const_iterator begin() const;
    const_iterator end() const { return const_iterator(); }

private:
    // A single cell just below the last rectangle's last column, or just right of it, joins it.
    bool GrowLast(CCellCoord cell);
    uint64_t LastKey();

    std::vector<CCellRect> m_rects; // disjoint, none empty
    uint64_t m_nLastKey = 0;        // the greatest key in the set, while m_bLastKeyKnown
    bool m_bLastKeyKnown = false;
};
