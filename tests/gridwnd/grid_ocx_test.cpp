// The control library ships the grid window: a program that loads it creates the grid by its class
// name alone, with an instance handle of its own.

#include <windows.h>

#include <gtest/gtest.h>

TEST(GridInTheControlLibrary, ProgramsCreateTheGridByItsClassName)
{
    HMODULE ocx = ::LoadLibraryW(NORVAK_OCX_PATH);
    ASSERT_NE(ocx, nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    EXPECT_TRUE(::GetClassInfoExW(ocx, L"NorvakGridCtrl", &wc));
    EXPECT_TRUE(wc.style & CS_DBLCLKS);

    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HWND grid = ::CreateWindowExW(0, L"NorvakGridCtrl", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, parent,
                                  reinterpret_cast<HMENU>(3), ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(::SendMessageW(grid, WM_GETDLGCODE, 0, 0) & (DLGC_WANTARROWS | DLGC_WANTCHARS),
              LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS))
        << "a grid answers, not the default window procedure";
    ::InvalidateRect(grid, nullptr, FALSE);
    ::UpdateWindow(grid);
    EXPECT_TRUE(::DestroyWindow(grid));
    ::DestroyWindow(parent);
    EXPECT_TRUE(::FreeLibrary(ocx));
}
