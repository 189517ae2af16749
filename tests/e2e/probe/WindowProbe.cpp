#include "tests/e2e/probe/WindowProbe.h"

#include <vector>

namespace window_probe {

namespace {

constexpr int kControlId = 105;
constexpr int kHeaderColumnWidth = 40;
constexpr int kColumnWidth = 70;
constexpr int kRowHeight = 20;

std::wstring TextOf(HWND window)
{
    wchar_t text[512]{};
    ::GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[128]{};
    ::GetClassNameW(window, name, 128);
    return name;
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM list)
{
    if (::IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleTopLevels()
{
    std::vector<HWND> windows;
    ::EnumWindows(&CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

struct IdSearch
{
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<IdSearch*>(data);
    if (::GetDlgCtrlID(window) != search->id)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND MDIClientOf(HWND frame)
{
    for (HWND child = ::GetWindow(frame, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == L"MDIClient")
            return child;
    return nullptr;
}

} // namespace

std::wstring RectText(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
           std::to_wstring(rect.right - rect.left) + L" " + std::to_wstring(rect.bottom - rect.top);
}

HWND FindTopLevel(const std::wstring& title)
{
    for (HWND window : VisibleTopLevels())
        if (TextOf(window).compare(0, title.size(), title) == 0)
            return window;
    return nullptr;
}

HWND WaitForTopLevel(const std::wstring& title, bool present, double seconds)
{
    const ULONGLONG end = ::GetTickCount64() + ULONGLONG(seconds * 1000);
    for (;;) {
        HWND found = FindTopLevel(title);
        if ((found != nullptr) == present || ::GetTickCount64() >= end)
            return found;
        ::Sleep(100);
    }
}

HWND FindDescendant(HWND parent, int id)
{
    IdSearch search{id, nullptr};
    ::EnumChildWindows(parent, &MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ActiveDocumentControl(HWND mainFrame)
{
    HWND client = MDIClientOf(mainFrame);
    HWND active = client ? reinterpret_cast<HWND>(::SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
    return active ? FindDescendant(active, kControlId) : nullptr;
}

POINT CellCentre(HWND control, int row, int col)
{
    POINT point{col == 0 ? kHeaderColumnWidth / 2 : kHeaderColumnWidth + (col - 1) * kColumnWidth + kColumnWidth / 2,
                row * kRowHeight + kRowHeight / 2};
    ::ClientToScreen(control, &point);
    return point;
}

bool OpenListItemCentre(int index, POINT& point)
{
    for (HWND window : VisibleTopLevels()) {
        if (ClassOf(window) != L"ComboLBox")
            continue;
        const int height = int(::SendMessageW(window, LB_GETITEMHEIGHT, 0, 0));
        const int top = int(::SendMessageW(window, LB_GETTOPINDEX, 0, 0));
        if (height <= 0 || index < top || index >= int(::SendMessageW(window, LB_GETCOUNT, 0, 0)))
            return false;
        RECT client{};
        ::GetClientRect(window, &client);
        point = {client.right / 2, (index - top) * height + height / 2};
        ::ClientToScreen(window, &point);
        return true;
    }
    return false;
}

std::wstring Describe()
{
    std::wstring text;
    for (HWND window : VisibleTopLevels()) {
        text += L"window \"" + TextOf(window) + L"\" class " + ClassOf(window) + L" at " + RectText(window) + L"\n";
        if (ClassOf(window) == L"ComboLBox")
            text += L"  an open drop-down list of " + std::to_wstring(::SendMessageW(window, LB_GETCOUNT, 0, 0)) +
                    L" items\n";
        if (HWND client = MDIClientOf(window))
            for (HWND child = ::GetWindow(client, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                if (::IsWindowVisible(child))
                    text += L"  document window \"" + TextOf(child) + L"\" at " + RectText(child) + L"\n";
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (::GetGUIThreadInfo(0, &info) && info.hwndFocus)
        text += L"focus: class " + ClassOf(info.hwndFocus) + L" \"" + TextOf(info.hwndFocus) + L"\" in \"" +
                TextOf(::GetAncestor(info.hwndFocus, GA_ROOT)) + L"\"\n";
    return text;
}

} // namespace window_probe
