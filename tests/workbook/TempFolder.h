#pragma once

// A folder of its own for one test, removed with what it holds, and whole files read and written.

#include "framework/CString.h"

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

// A folder of its own for one test, removed with what it holds.
class TempFolder
{
public:
    TempFolder()
    {
        wchar_t base[MAX_PATH];
        ::GetTempPathW(MAX_PATH, base);
        m_path = std::wstring(base) + L"norvak_wb_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
                 std::to_wstring(++s_count);
        ::CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const std::wstring& name : Files()) {
            std::wstring file = m_path + L"\\" + name;
            ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(file.c_str());
            ::RemoveDirectoryW(file.c_str());
        }
        ::RemoveDirectoryW(m_path.c_str());
    }
    CString Path(const wchar_t* name) const { return CString::FromWide(m_path + L"\\" + name); }
    std::set<std::wstring> Files() const
    {
        std::set<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE find = ::FindFirstFileW((m_path + L"\\*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..")
                names.insert(found.cFileName);
        } while (::FindNextFileW(find, &found));
        ::FindClose(find);
        return names;
    }

private:
    static inline int s_count = 0;
    std::wstring m_path;
};

inline std::vector<uint8_t> ReadFile(const CString& path)
{
    std::ifstream in(std::filesystem::path(path.ToWide()), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const CString& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(std::filesystem::path(path.ToWide()), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
