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

namespace {

const CLSID kControlClass = {0x08B9F660, 0x1240, 0x41D7, {0x98, 0xA9, 0x42, 0x81, 0xDC, 0xA7, 0xC2, 0x09}};

// The control library as COM loads it, under its file name.
HMODULE LoadedControlLibrary()
{
    return ::GetModuleHandleW(L"Norvak.ocx");
}

HRESULT CanUnloadNow(HMODULE library)
{
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(::GetProcAddress(library, "DllCanUnloadNow")));
    return canUnload ? canUnload() : E_FAIL;
}

struct ComApartment
{
    ComApartment() { ::OleInitialize(nullptr); }
    ~ComApartment() { ::OleUninitialize(); }
};

} // namespace

// COM unloads an in-process server once it says it can go; a grid window whose procedure is in
// the library must keep it, also after the program released every control object.
TEST(GridInTheControlLibrary, StaysLoadedWhileAGridWindowLivesAndGoesAfter)
{
    ComApartment apartment;
    {
        HMODULE ocx = ::LoadLibraryW(NORVAK_OCX_PATH);
        ASSERT_NE(ocx, nullptr);
        auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
            reinterpret_cast<void*>(::GetProcAddress(ocx, "DllRegisterServer")));
        ASSERT_NE(registerServer, nullptr);
        ASSERT_EQ(registerServer(), S_OK);
        ::FreeLibrary(ocx);
    }
    IUnknown* control = nullptr;
    ASSERT_EQ(::CoCreateInstance(kControlClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                 reinterpret_cast<void**>(&control)),
              S_OK);
    HMODULE library = LoadedControlLibrary();
    ASSERT_NE(library, nullptr);

    HWND grid = ::CreateWindowExW(0, L"NorvakGridCtrl", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(grid, nullptr);
    HWND child = ::CreateWindowExW(0, L"NorvakGridCtrl", L"", WS_CHILD, 0, 0, 50, 50, grid, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    control->Release();

    EXPECT_EQ(CanUnloadNow(library), S_FALSE) << "two grid windows live";
    ::CoFreeUnusedLibrariesEx(0, 0);
    ASSERT_EQ(LoadedControlLibrary(), library) << "the library went from under its windows";
    EXPECT_EQ(::SendMessageW(grid, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, LRESULT(DLGC_WANTARROWS));
    ::InvalidateRect(grid, nullptr, FALSE);
    ::UpdateWindow(grid);

    ::DestroyWindow(child);
    EXPECT_EQ(CanUnloadNow(library), S_FALSE) << "one grid window lives";
    ::DestroyWindow(grid);
    EXPECT_EQ(CanUnloadNow(library), S_OK) << "no window and no object is left";
    ::CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_EQ(LoadedControlLibrary(), nullptr) << "nothing keeps the library any more";
}
