#include "chartdraw/geometry/NumberText.h"

#include <charconv>

namespace {

std::string ToChars(double value, std::chars_format format, int decimals, size_t room)
{
    std::string text(room, '\0');
    const std::to_chars_result end =
        std::to_chars(text.data(), text.data() + text.size(), value, format, decimals);
    text.resize(end.ec == std::errc() ? size_t(end.ptr - text.data()) : 0);
    return text;
}

} // namespace

std::string FixedText(double value, int decimals)
{
    // A double has at most 309 digits before the point.
    return ToChars(value, std::chars_format::fixed, decimals, size_t(decimals) + 320);
}

std::string ExponentText(double value, int decimals)
{
    return ToChars(value, std::chars_format::scientific, decimals, size_t(decimals) + 16);
}

void TrimTrailing(std::string& text, char ch)
{
    while (!text.empty() && text.back() == ch)
        text.pop_back();
}

int ReplaceWhileFound(std::string& text, std::string_view from, std::string_view to)
{
    int count = 0;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from)) {
        text.replace(at, from.size(), to);
        ++count;
    }
    return count;
}
