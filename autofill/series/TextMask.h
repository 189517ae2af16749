#pragma once

// Masks find the fields of a text by their shape. A mask is a copy of the text with the same byte
// length in which digits (and, for the Chinese numerals, listed characters) are replaced by ASCII
// "0"s, so a position in the mask is the same position in the text. A mask is searched only at the
// character starts of the text: a hit never begins inside a double-byte character.

#include "framework/CString.h"

#include <span>

// The index in set of the character of text starting at byte at, or -1.
int CharacterIndex(std::span<const char* const> set, const CString& text, int at);

class CTextMask
{
public:
    // The text itself, for searches of literal characters.
    static CTextMask Plain(const CString& text) { return CTextMask(text, text); }
    // ASCII digits "1".."9" become "0".
    static CTextMask OfDigits(const CString& text);
    // Each character of the set becomes as many "0"s as it has bytes; everything else stays.
    static CTextMask OfCharacters(const CString& text, std::span<const char* const> set);

    const CString& GetMask() const { return m_mask; }

    // The first hit of needle at or after byte start; -1 when there is none.
    int Find(const char* needle, int start = 0) const;
    // The last hit as the series fields take it: search from the start and, after a hit at p,
    // again from p + restart; the last hit so found. -1 when needle occurs nowhere.
    int FindLast(const char* needle, int restart) const;

private:
    CTextMask(const CString& text, CString mask) : m_text(text), m_mask(std::move(mask)) {}

    CString m_text;
    CString m_mask;
};
