#pragma once

// The order in which a series visits its target cells: away from the source cell along its row or
// column, the nearest cell first. Down and right run the series forward, up and left backward.

#include "autofill/series/FillCells.h"

class CFillWalk
{
public:
    CFillWalk(const CFillRange& source, const CFillRange& target);

    // A target the engine can fill: a line of cells from a single source cell, holding it at one
    // end or starting next to it.
    static bool IsLineFromSource(const CFillRange& source, const CFillRange& target);

    bool IsForward() const { return m_forward; }
    int GetCount() const { return m_count; }

    template <class Visit> void ForEach(Visit visit) const
    {
        for (int step = 0; step < m_count; ++step)
            visit(m_row + step * m_rowStep, m_col + step * m_colStep);
    }

private:
    int m_row = 0;
    int m_col = 0;
    int m_rowStep = 0;
    int m_colStep = 0;
    int m_count = 0;
    bool m_forward = true;
};
