#pragma once

// A string of code page 936 bytes, as the control counts, compares and stores its texts.
// Lengths and positions are in bytes; every search walks whole characters, so a match never
// starts on the trail byte of a double-byte character.

#include <windows.h>
#include <oleauto.h>

#include <cstdarg>
#include <string>
#include <string_view>

constexpr UINT kCodePage = 936;

// True when b opens a double-byte character of code page 936.
inline bool IsLeadByte936(unsigned char b)
{
    return b >= 0x81 && b <= 0xFE;
}

class CString
{
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text ? text : "", text && length > 0 ? length : 0) {}
    CString(char ch, int repeat = 1) : m_text(repeat > 0 ? repeat : 0, ch) {}
    explicit CString(std::string text) : m_text(std::move(text)) {}
    explicit CString(std::string_view text) : m_text(text) {}

    // UTF-16 and BSTR conversions, always through code page 936. They throw std::bad_alloc when
    // memory runs out (AllocSysString too when the system has no room for the BSTR); a NUL inside
    // the text is kept.
    static CString FromWide(const wchar_t* text, int length = -1);
    static CString FromWide(std::wstring_view text) { return FromWide(text.data(), int(text.size())); }
    static CString FromBSTR(BSTR text) { return FromWide(text, text ? int(SysStringLen(text)) : 0); }
    std::wstring ToWide() const;
    BSTR AllocSysString() const;
    bool LoadString(UINT id, HINSTANCE module = nullptr);

    int GetLength() const { return int(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text.at(size_t(index)); }
    void SetAt(int index, char ch) { m_text.at(size_t(index)) = ch; }
    char operator[](int index) const { return GetAt(index); }
    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    CString& operator=(const char* text);
    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const char* text) { m_text += text ? text : ""; return *this; }
    CString& operator+=(char ch) { m_text += ch; return *this; }
    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const char* right) { return left += right; }
    friend CString operator+(const char* left, const CString& right) { return CString(left) += right; }
    friend CString operator+(CString left, char right) { return left += right; }

    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

    // Searches: -1 when not found. A start inside a double-byte character begins at its next character.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* chars) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* chars) const;
    CString SpanExcluding(const char* chars) const;

    int Remove(char ch);
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);
    CString& MakeUpper();
    CString& MakeLower();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim() { return TrimRight().TrimLeft(); }

    void Format(const char* format, ...);
    void FormatV(const char* format, va_list args);

    // Raw access for APIs that fill a byte buffer; ReleaseBuffer(-1) cuts at the first NUL.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    // Byte offsets of character starts, for code that steps through a text.
    int NextCharIndex(int index) const;
    bool IsCharBoundary(int index) const;

private:
    std::string m_text;
};
