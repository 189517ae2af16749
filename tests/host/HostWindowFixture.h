#pragma once

// The host program made in the test's process, with the control registered from the built
// Norvak.ocx: start-up through the program object, commands sent as the menu sends them, the
// state a menu item shows when its popup opens, and the document windows in the MDI client.

#include "host/MainFrame.h"
#include "host/QuilmApp.h"

#include <gtest/gtest.h>

#include <windows.h>

inline void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

inline HRESULT RegisterControl()
{
    static HMODULE module = ::LoadLibraryW(NORVAK_OCX_PATH);
    if (!module)
        return HRESULT_FROM_WIN32(::GetLastError());
    auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllRegisterServer")));
    return registerServer ? registerServer() : E_FAIL;
}

inline int DocumentWindows(const CMainFrame& frame)
{
    int count = 0;
    for (HWND child = ::GetWindow(frame.MDIClient(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_MDICHILD)
            ++count;
    return count;
}

class HostWindowFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(RegisterControl(), S_OK) << "Norvak.ocx must load and register";
    }

    void TearDown() override
    {
        if (CMainFrame* frame = app.MainFrame(); frame && frame->m_hWnd)
            frame->DestroyWindow();
        Pump();
        app.ExitInstance();
    }

    // Sends a command as the menu does.
    void Command(UINT id) { ::SendMessageW(app.MainFrame()->m_hWnd, WM_COMMAND, id, 0); }
    // The state a menu item shows when its popup opens.
    UINT MenuState(UINT id)
    {
        HMENU owner = PopupHolding(id);
        if (!owner)
            return UINT(-1);
        OpenPopup(owner);
        return ::GetMenuState(owner, id, MF_BYCOMMAND);
    }
    // The popup of the frame's menu that holds the item id.
    HMENU PopupHolding(UINT id) const
    {
        HMENU bar = ::GetMenu(app.MainFrame()->m_hWnd);
        for (int i = 0; i < ::GetMenuItemCount(bar); ++i)
            if (HMENU owner = FindPopupOf(::GetSubMenu(bar, i), id))
                return owner;
        return nullptr;
    }
    // What the frame does as the popup opens.
    void OpenPopup(HMENU popup) const
    {
        ::SendMessageW(app.MainFrame()->m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    }
    static HMENU FindPopupOf(HMENU popup, UINT id)
    {
        for (int i = 0; popup && i < ::GetMenuItemCount(popup); ++i) {
            if (HMENU sub = ::GetSubMenu(popup, i)) {
                if (HMENU found = FindPopupOf(sub, id))
                    return found;
            } else if (::GetMenuItemID(popup, i) == id) {
                return popup;
            }
        }
        return nullptr;
    }

    CCQuilmApp app;
};
