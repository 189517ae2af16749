#include "host/model/RecentFileList.h"

#include <algorithm>

namespace {

const wchar_t kSection[] = L"\\Recent File List";

std::wstring ValueName(size_t index)
{
    return L"File" + std::to_wstring(index + 1);
}

bool SamePath(const CString& a, const CString& b)
{
    return a.CompareNoCase(b) == 0;
}

// The path split after each separator, walking characters so that the trail byte of a
// double-byte character is never taken for one.
std::vector<CString> Components(const char* text)
{
    std::vector<CString> parts;
    const char* start = text;
    for (const char* p = text; *p; p = ::CharNextExA(936, p, 0))
        if (*p == '\\' || *p == '/') {
            parts.emplace_back(start, int(p + 1 - start));
            start = p + 1;
        }
    if (*start)
        parts.emplace_back(start);
    return parts;
}

// How many of the leading parts make the root that a short name keeps: "C:\" or "\\server\share\".
size_t RootParts(const std::vector<CString>& parts)
{
    if (parts.size() >= 4 && parts[0] == CString("\\") && parts[1] == CString("\\"))
        return 4;
    if (!parts.empty() && parts[0].GetLength() == 3 && parts[0].GetString()[1] == ':')
        return 1;
    return 0;
}

} // namespace

RecentFileList::RecentFileList(size_t size, std::wstring registryKey)
    : m_size(std::min<size_t>(size, kLastCommand - kFirstCommand + 1)), m_key(std::move(registryKey))
{
}

void RecentFileList::Add(const CString& path)
{
    if (path.IsEmpty())
        return;
    m_paths.erase(std::remove_if(m_paths.begin(), m_paths.end(), [&](const CString& each) { return SamePath(each, path); }),
                  m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > m_size)
        m_paths.resize(m_size);
}

void RecentFileList::Remove(size_t index)
{
    if (index < m_paths.size())
        m_paths.erase(m_paths.begin() + std::ptrdiff_t(index));
}

void RecentFileList::Load()
{
    m_paths.clear();
    const std::wstring key = m_key + kSection;
    for (size_t i = 0; i < m_size; ++i) {
        wchar_t path[MAX_PATH * 2]{};
        DWORD size = sizeof(path);
        if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), ValueName(i).c_str(), RRF_RT_REG_SZ, nullptr, path, &size) ==
                ERROR_SUCCESS &&
            path[0])
            m_paths.push_back(CString::FromWide(path));
    }
}

bool RecentFileList::Save() const
{
    HKEY handle = nullptr;
    const std::wstring key = m_key + kSection;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    bool saved = true;
    for (size_t i = 0; i < m_size; ++i) {
        if (i >= m_paths.size()) {
            ::RegDeleteValueW(handle, ValueName(i).c_str());
            continue;
        }
        const std::wstring path = m_paths[i].ToWide();
        saved = ::RegSetValueExW(handle, ValueName(i).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                                 DWORD((path.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS &&
                saved;
    }
    ::RegCloseKey(handle);
    return saved;
}

CString RecentFileList::ShortName(const CString& path, size_t length)
{
    if (size_t(path.GetLength()) <= length)
        return path;
    const std::vector<CString> parts = Components(path.GetString());
    const size_t root = RootParts(parts);
    CString start;
    for (size_t i = 0; i < root; ++i)
        start += parts[i];
    start += "...\\";
    CString tail = parts.back();
    if (size_t(start.GetLength() + tail.GetLength()) > length)
        return tail;
    for (size_t i = parts.size() - 1; i-- > root;) {
        const CString longer = parts[i] + tail;
        if (size_t(start.GetLength() + longer.GetLength()) > length)
            break;
        tail = longer;
    }
    return start + tail;
}

CString RecentFileList::MenuText(size_t index) const
{
    CString text;
    text.Format("&%d ", int(index + 1));
    const CString name = ShortName(m_paths[index], kMenuNameLength);
    for (const char* p = name.GetString(); *p; p = ::CharNextExA(936, p, 0)) {
        const char* next = ::CharNextExA(936, p, 0);
        if (*p == '&')
            text += "&";
        text += CString(p, int(next - p));
    }
    return text;
}
