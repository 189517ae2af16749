#include "host/model/ShellOpenCommands.h"

#include <windows.h>

namespace {

std::wstring Trimmed(const std::wstring& text)
{
    const size_t first = text.find_first_not_of(L" \t\r\n");
    if (first == std::wstring::npos)
        return L"";
    return text.substr(first, text.find_last_not_of(L" \t\r\n") - first + 1);
}

} // namespace

ShellOpenCommands ParseShellOpenCommands(const std::wstring& text)
{
    ShellOpenCommands result;
    size_t at = 0;
    for (;;) {
        const size_t open = text.find(L'[', at);
        if (open == std::wstring::npos)
            break;
        // A path may hold "]" inside its quotes; the command ends at the first "]" after them.
        const size_t paren = text.find(L'(', open);
        const size_t quote = paren == std::wstring::npos ? paren : text.find_first_not_of(L" ", paren + 1);
        size_t argEnd = std::wstring::npos;
        if (quote != std::wstring::npos && text[quote] == L'"')
            argEnd = text.find(L'"', quote + 1);
        const size_t close = text.find(L']', argEnd == std::wstring::npos ? open : argEnd);
        if (paren == std::wstring::npos || close == std::wstring::npos || paren > close) {
            result.understood = false;
            break;
        }
        const std::wstring name = Trimmed(text.substr(open + 1, paren - open - 1));
        const size_t right = text.rfind(L')', close);
        std::wstring argument = right == std::wstring::npos || right < paren
                                    ? std::wstring()
                                    : Trimmed(text.substr(paren + 1, right - paren - 1));
        if (argument.size() >= 2 && argument.front() == L'"' && argument.back() == L'"')
            argument = argument.substr(1, argument.size() - 2);
        if (::lstrcmpiW(name.c_str(), L"open") == 0 && !argument.empty())
            result.paths.push_back(argument);
        else
            result.understood = false;
        at = close + 1;
    }
    if (result.paths.empty())
        result.understood = false;
    return result;
}
