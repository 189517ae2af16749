// Writes a picture of every page of the control's cell-format, fill-effects and page-setup sheets,
// for people to look at: each sheet runs for real, and each page is copied with its controls into a
// bitmap.
//     dialog_samples <folder>

#include "framework/ModalUI.h"
#include "tests/support/PngFile.h"

#include "dialogs/NorvakSheet.h"
#include "sheet/NorvakCtrl.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring g_folder;
const wchar_t* g_sheetName = L"";
std::vector<std::wstring> g_written;

// Paints everything pending; the pages hand their choice to the sheet's preview as they paint,
// so the sheet paints once more after them.
void PaintAll(HWND sheet)
{
    for (int pass = 0; pass < 2; ++pass) {
        ::RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void WritePicture(HWND sheet, const std::wstring& name)
{
    PaintAll(sheet);
    RECT rect{};
    ::GetWindowRect(sheet, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    // The window's own surface, which holds what the sheet and every control painted.
    HDC windowDC = ::GetWindowDC(sheet);
    ::BitBlt(dc, 0, 0, width, height, windowDC, 0, 0, SRCCOPY);
    ::ReleaseDC(sheet, windowDC);
    ::GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    std::vector<DWORD> copy(pixels, pixels + size_t(width) * size_t(height));
    const std::wstring path = g_folder + L"\\" + name + L".png";
    if (SavePng(path.c_str(), copy, width, height))
        g_written.push_back(path);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
}

// Once a sheet is up: a picture of each page, then Cancel.
void CALLBACK PictureEachPage(HWND sheet, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(sheet, timer);
    HWND tab = PropSheet_GetTabControl(sheet);
    for (int page = 0; page < TabCtrl_GetItemCount(tab); ++page) {
        PropSheet_SetCurSel(sheet, nullptr, page);
        WritePicture(sheet, std::wstring(g_sheetName) + L"_" + std::to_wstring(page + 1));
    }
    ::PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
}

INT_PTR CALLBACK Hook(const ModalRequest* request)
{
    if (request->kind == ModalRequest::Shown)
        ::SetTimer(request->window, 1, 200, &PictureEachPage);
    if (request->kind == ModalRequest::PropertySheet || request->kind == ModalRequest::Shown)
        return ModalRequest::Run;
    return IDCANCEL;
}

void PrepareCells(CNorvakCtrl& control)
{
    control.DoSetPageCellText(-1, 2, 2, "季度");
    control.SetItemFormat(-1, 2, 2, 19);
    control.SetSelectedRange(-1, 2, 2, 4, 3);
    control.SetFocusCell(-1, 2, 2);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: dialog_samples <folder>\n");
        return 2;
    }
    g_folder = argv[1];
    ::OleInitialize(nullptr);
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                                    nullptr, nullptr);
    auto* control = new CNorvakCtrl;
    control->CreateControlWindow(parent, RECT{0, 0, 640, 480});
    PrepareCells(*control);
    ModalUI::SetHook(&Hook);
    g_sheetName = L"cell_format";
    control->OnCellFormat();
    g_sheetName = L"fill_effects";
    control->OnFillEffects();
    g_sheetName = L"page_setup";
    control->DoPrintSetup(TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, FALSE, FALSE);
    ModalUI::SetHook(nullptr);
    control->DestroyWindow();
    control->Release();
    ::DestroyWindow(parent);
    ::OleUninitialize();
    for (const std::wstring& path : g_written)
        std::fwprintf(stdout, L"%ls\n", path.c_str());
    return g_written.size() == 12 ? 0 : 1;
}
