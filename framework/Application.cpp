#include "framework/Application.h"

#include "framework/ComBoundary.h"

#include <string>

namespace {

struct IconGroupSearch
{
    LPCWSTR found = nullptr;
    std::wstring name; // holds a found name that is a string
};

BOOL CALLBACK TakeFirstIconGroup(HMODULE, LPCWSTR, LPWSTR resource, LONG_PTR param)
{
    auto* search = reinterpret_cast<IconGroupSearch*>(param);
    if (IS_INTRESOURCE(resource)) {
        search->found = resource;
    } else {
        // Without memory for the name the search ends with none found.
        AtBoundary(false, [&] {
            search->name = resource;
            search->found = search->name.c_str();
            return true;
        });
    }
    return FALSE; // the first one is enough
}

} // namespace

namespace Application {

CString Title()
{
    CString title;
    if (title.LoadString(kTitleString, ::GetModuleHandleW(nullptr)) && !title.IsEmpty())
        return title;
    wchar_t path[MAX_PATH]{};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length < MAX_PATH ? length : 0);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    if (const size_t dot = name.find_last_of(L'.'); dot != std::wstring::npos && dot > 0)
        name.resize(dot);
    return CString::FromWide(name);
}

HICON Icon(bool small)
{
    const int cx = ::GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    const int cy = ::GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    HMODULE program = ::GetModuleHandleW(nullptr);
    IconGroupSearch search;
    ::EnumResourceNamesW(program, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, TakeFirstIconGroup,
                         reinterpret_cast<LONG_PTR>(&search));
    if (search.found)
        if (HANDLE icon = ::LoadImageW(program, search.found, IMAGE_ICON, cx, cy, LR_SHARED))
            return static_cast<HICON>(icon);
    return static_cast<HICON>(::LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, cx, cy, LR_SHARED));
}

} // namespace Application
