#include "autofill/series/TextMask.h"

#include <cstring>
#include <string_view>

int CharacterIndex(std::span<const char* const> set, const CString& text, int at)
{
    const std::string_view rest = std::string_view(text.str()).substr(size_t(at));
    const size_t length = size_t(text.NextCharIndex(at) - at);
    for (size_t i = 0; i < set.size(); ++i) {
        if (std::strlen(set[i]) == length && rest.starts_with(set[i]))
            return int(i);
    }
    return -1;
}

CTextMask CTextMask::OfDigits(const CString& text)
{
    CString mask(text);
    for (int at = 0; at < mask.GetLength(); at = mask.NextCharIndex(at)) {
        if (mask[at] >= '1' && mask[at] <= '9')
            mask.SetAt(at, '0');
    }
    return CTextMask(text, mask);
}

CTextMask CTextMask::OfCharacters(const CString& text, std::span<const char* const> set)
{
    CString mask(text);
    for (int at = 0; at < text.GetLength(); at = text.NextCharIndex(at)) {
        if (CharacterIndex(set, text, at) >= 0) {
            for (int byte = at; byte < text.NextCharIndex(at); ++byte)
                mask.SetAt(byte, '0');
        }
    }
    return CTextMask(text, mask);
}

int CTextMask::Find(const char* needle, int start) const
{
    const std::string_view mask(m_mask.str());
    int at = 0;
    while (at < start && at < m_text.GetLength())
        at = m_text.NextCharIndex(at);
    for (; at < m_text.GetLength(); at = m_text.NextCharIndex(at)) {
        if (mask.substr(size_t(at)).starts_with(needle))
            return at;
    }
    return -1;
}

int CTextMask::FindLast(const char* needle, int restart) const
{
    int last = -1;
    for (int at = Find(needle); at >= 0; at = Find(needle, at + restart))
        last = at;
    return last;
}
