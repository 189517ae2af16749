#include "framework/CString.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

CString CString::FromWide(const wchar_t* text, int length)
{
    if (!text || length == 0)
        return CString();
    int bytes = WideCharToMultiByte(kCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(std::max(bytes, 0)), '\0');
    WideCharToMultiByte(kCodePage, 0, text, length, out.data(), bytes, nullptr, nullptr);
    if (length < 0 && !out.empty())
        out.pop_back(); // the converted terminator
    return CString(std::move(out));
}

std::wstring CString::ToWide() const
{
    if (m_text.empty())
        return std::wstring();
    int chars = MultiByteToWideChar(kCodePage, 0, m_text.data(), GetLength(), nullptr, 0);
    std::wstring out(size_t(std::max(chars, 0)), L'\0');
    MultiByteToWideChar(kCodePage, 0, m_text.data(), GetLength(), out.data(), chars);
    return out;
}

BSTR CString::AllocSysString() const
{
    std::wstring wide = ToWide();
    BSTR text = SysAllocStringLen(wide.data(), UINT(wide.size()));
    if (!text)
        throw std::bad_alloc();
    return text;
}

bool CString::LoadString(UINT id, HINSTANCE module)
{
    const wchar_t* resource = nullptr;
    int length = LoadStringW(module ? module : GetModuleHandleW(nullptr), id,
                             reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource) {
        Empty();
        return false;
    }
    *this = FromWide(resource, length);
    return true;
}

CString& CString::operator=(const char* text)
{
    m_text = text ? text : "";
    return *this;
}

int CString::Compare(const char* other) const
{
    int result = std::strcmp(m_text.c_str(), other ? other : "");
    return (result > 0) - (result < 0);
}

int CString::CompareNoCase(const char* other) const
{
    CString a(*this), b(other);
    return a.MakeLower().Compare(b.MakeLower());
}

bool CString::IsCharBoundary(int index) const
{
    if (index < 0 || index > GetLength())
        return false;
    int at = 0;
    while (at < index)
        at = NextCharIndex(at);
    return at == index;
}

int CString::NextCharIndex(int index) const
{
    if (index >= GetLength())
        return GetLength();
    bool wide = IsLeadByte936(static_cast<unsigned char>(m_text[size_t(index)])) && index + 1 < GetLength();
    return index + (wide ? 2 : 1);
}

// The first character start at or after start.
static int AlignedStart(const CString& text, int start)
{
    int at = 0;
    while (at < start && at < text.GetLength())
        at = text.NextCharIndex(at);
    return at;
}

int CString::Find(char ch, int start) const
{
    for (int at = AlignedStart(*this, std::max(start, 0)); at < GetLength(); at = NextCharIndex(at)) {
        if (m_text[size_t(at)] == ch && NextCharIndex(at) == at + 1)
            return at;
    }
    return -1;
}

int CString::Find(const char* sub, int start) const
{
    if (!sub)
        return -1;
    std::string_view needle(sub);
    std::string_view hay(m_text);
    for (int at = AlignedStart(*this, std::max(start, 0)); at <= GetLength(); at = NextCharIndex(at)) {
        if (hay.substr(size_t(at)).starts_with(needle))
            return at;
        if (at == GetLength())
            break;
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (int at = 0; at < GetLength(); at = NextCharIndex(at)) {
        if (m_text[size_t(at)] == ch && NextCharIndex(at) == at + 1)
            found = at;
    }
    return found;
}

int CString::FindOneOf(const char* chars) const
{
    CString set(chars);
    for (int at = 0; at < GetLength(); at = NextCharIndex(at)) {
        CString one = Mid(at, NextCharIndex(at) - at);
        if (set.Find(one) >= 0)
            return at;
    }
    return -1;
}

CString CString::Left(int count) const
{
    return CString(m_text.substr(0, size_t(std::clamp(count, 0, GetLength()))));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(size_t(first), size_t(count)));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(size_t(GetLength() - count)));
}

CString CString::SpanIncluding(const char* chars) const
{
    CString set(chars);
    int at = 0;
    while (at < GetLength() && set.Find(Mid(at, NextCharIndex(at) - at)) >= 0)
        at = NextCharIndex(at);
    return Left(at);
}

CString CString::SpanExcluding(const char* chars) const
{
    int at = FindOneOf(chars);
    return at < 0 ? *this : Left(at);
}

int CString::Remove(char ch)
{
    std::string kept;
    int removed = 0;
    for (int at = 0; at < GetLength();) {
        int next = NextCharIndex(at);
        if (next == at + 1 && m_text[size_t(at)] == ch)
            ++removed;
        else
            kept.append(m_text, size_t(at), size_t(next - at));
        at = next;
    }
    m_text = std::move(kept);
    return removed;
}

int CString::Replace(char oldCh, char newCh)
{
    int replaced = 0;
    for (int at = 0; at < GetLength(); at = NextCharIndex(at)) {
        if (m_text[size_t(at)] == oldCh && NextCharIndex(at) == at + 1) {
            m_text[size_t(at)] = newCh;
            ++replaced;
        }
    }
    return replaced;
}

int CString::Replace(const char* oldText, const char* newText)
{
    if (!oldText || !*oldText)
        return 0;
    const int oldLength = int(std::strlen(oldText));
    std::string out;
    int replaced = 0;
    int at = 0;
    for (int found = Find(oldText); found >= 0; found = Find(oldText, at)) {
        out.append(m_text, size_t(at), size_t(found - at));
        out += newText ? newText : "";
        at = found + oldLength;
        ++replaced;
    }
    out.append(m_text, size_t(at));
    m_text = std::move(out);
    return replaced;
}

int CString::Insert(int index, const char* text)
{
    m_text.insert(size_t(std::clamp(index, 0, GetLength())), text ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_text.erase(size_t(index), size_t(std::min(count, GetLength() - index)));
    return GetLength();
}

// Case mapping touches only single-byte ASCII letters; a trail byte is never changed.
CString& CString::MakeUpper()
{
    for (int at = 0; at < GetLength(); at = NextCharIndex(at)) {
        char& c = m_text[size_t(at)];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return *this;
}

CString& CString::MakeLower()
{
    for (int at = 0; at < GetLength(); at = NextCharIndex(at)) {
        char& c = m_text[size_t(at)];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return *this;
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

CString& CString::TrimLeft()
{
    size_t first = 0;
    while (first < m_text.size() && IsBlank(m_text[first]))
        ++first;
    m_text.erase(0, first);
    return *this;
}

CString& CString::TrimRight()
{
    // Only whole single-byte characters are blanks, so the scan runs forward.
    int end = 0;
    for (int at = 0; at < GetLength(); at = NextCharIndex(at)) {
        if (!(NextCharIndex(at) == at + 1 && IsBlank(m_text[size_t(at)])))
            end = NextCharIndex(at);
    }
    m_text.resize(size_t(end));
    return *this;
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        Empty();
        return;
    }
    std::vector<char> buffer(size_t(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    m_text.assign(buffer.data(), size_t(length));
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(size_t(minLength));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = int(std::strlen(m_text.c_str()));
    m_text.resize(size_t(std::min(newLength, GetLength())));
}
