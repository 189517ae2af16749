#pragma once

// The heights that rows had before the host hid them, so that unhiding gives them back. One memory
// for all the pages of a window, keyed by row number; hiding a row again replaces its height.

#include <map>
#include <optional>

class HiddenRows
{
public:
    void Remember(long row, long height) { m_heights[row] = height; }
    std::optional<long> HeightBefore(long row) const;

private:
    std::map<long, long> m_heights;
};
