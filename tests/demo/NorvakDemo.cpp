// Shows the registered control in a window of its own, hosted by the system's ATL container, for
// a few seconds (or until closed): NorvakDemo [seconds].

#include <windows.h>
#include <objbase.h>

#include <cwchar>

namespace {

const wchar_t kFrameClass[] = L"NorvakDemoFrame";
const UINT_PTR kCloseTimer = 1;
HWND g_host = nullptr;

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE:
        if (g_host)
            MoveWindow(g_host, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_TIMER:
        if (wp == kCloseTimer)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, msg, wp, lp);
    }
}

} // namespace

int main(int argc, char** argv)
{
    int seconds = argc > 1 ? atoi(argv[1]) : 0;
    if (FAILED(OleInitialize(nullptr)))
        return 1;
    HMODULE atl = LoadLibraryW(L"atl.dll");
    auto init =
        atl ? reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")))
            : nullptr;
    if (!init || !init()) {
        fwprintf(stderr, L"no ATL control host available\n");
        return 1;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &FrameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kFrameClass;
    RegisterClassExW(&wc);
    HWND frame =
        CreateWindowExW(0, kFrameClass, L"Norvak 电子表格控件", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                        800, 600, nullptr, nullptr, wc.hInstance, nullptr);
    RECT client{};
    GetClientRect(frame, &client);
    g_host = CreateWindowExW(0, L"AtlAxWin", L"NORVAK.NorvakCtrl.1", WS_CHILD | WS_VISIBLE, 0, 0,
                             client.right, client.bottom, frame, nullptr, wc.hInstance, nullptr);
    if (!g_host) {
        fwprintf(stderr, L"the control could not be created; is Norvak.ocx registered?\n");
        return 1;
    }
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    if (seconds > 0)
        SetTimer(frame, kCloseTimer, UINT(seconds) * 1000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    OleUninitialize();
    return 0;
}
