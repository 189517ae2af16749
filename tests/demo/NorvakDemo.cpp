// Shows the registered control in a window of its own, hosted by the system's ATL container, for
// a few seconds (or until closed): NorvakDemo [seconds]. The active page is filled through the
// control's automation methods with a small table: texts, colours, column widths and a merge.

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cwchar>
#include <initializer_list>
#include <vector>

namespace {

const wchar_t kFrameClass[] = L"NorvakDemoFrame";
const UINT_PTR kCloseTimer = 1;
HWND g_host = nullptr;

// Calls a method of the control by its dispatch id; arguments in declaration order.
HRESULT CallMethod(IDispatch* control, DISPID id, std::initializer_list<VARIANT> args)
{
    std::vector<VARIANT> reversed(args.begin(), args.end());
    std::reverse(reversed.begin(), reversed.end());
    DISPPARAMS params{reversed.data(), nullptr, UINT(reversed.size()), 0};
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result,
                                 nullptr, nullptr);
    VariantClear(&result);
    return hr;
}

VARIANT Long(LONG value)
{
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

void SetCellText(IDispatch* control, LONG row, LONG col, const wchar_t* text)
{
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    CallMethod(control, 32, {Long(-1), Long(row), Long(col), v}); // DoSetPageCellText
    SysFreeString(v.bstrVal);
}

void FillSamplePage(IDispatch* control)
{
    const wchar_t* table[5][4] = {{L"产品", L"一月", L"二月", L"三月"},
                                  {L"型号A", L"120", L"135", L"150"},
                                  {L"型号B", L"98", L"104", L"117"},
                                  {L"型号C", L"76", L"81", L"93"},
                                  {L"合计", L"294", L"320", L"360"}};
    SetCellText(control, 1, 1, L"季度销售汇总");
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col)
            SetCellText(control, row + 2, col + 1, table[row][col]);
    CallMethod(control, 15, {Long(-1), Long(1), Long(90)});                  // DoSetPageColumnWidth
    CallMethod(control, 40, {Long(-1), Long(1), Long(1), Long(1), Long(4)}); // DoSetPageCellCombine
    CallMethod(control, 21, {Long(-1), Long(RGB(0, 0, 128))});               // DoSetPageTextColor
    CallMethod(control, 22, {Long(-1), Long(RGB(255, 255, 240))});           // DoSetPageTextBkColor
}

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
    auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
        reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
    IUnknown* unknown = nullptr;
    if (getControl && SUCCEEDED(getControl(g_host, &unknown)) && unknown) {
        IDispatch* control = nullptr;
        if (SUCCEEDED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&control)))) {
            FillSamplePage(control);
            control->Release();
        }
        unknown->Release();
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
