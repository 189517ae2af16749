#include "host/model/HiddenRows.h"

std::optional<long> HiddenRows::HeightBefore(long row) const
{
    auto found = m_heights.find(row);
    if (found == m_heights.end())
        return std::nullopt;
    return found->second;
}
