#pragma once

// A window owned by a C++ object: the object registers its class with CWnd's window procedure and
// receives every message through the virtual WindowProc. Thin on purpose; derived classes switch
// on the messages they handle and pass the rest to Default().

#include "framework/Geometry.h"

#include <windows.h>

class CWnd
{
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Registers a window class whose messages reach the owning CWnd (once per class name).
    static bool RegisterWindowClass(const wchar_t* className, UINT classStyle, HCURSOR cursor = nullptr,
                                    HBRUSH background = nullptr);
    // Unregisters every class registered above; a library calls it before it unloads, as the
    // classes would otherwise outlive their window procedure.
    static void UnregisterWindowClasses();

    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                  const RECT& rect, HWND parent, UINT id);
    virtual bool DestroyWindow();

    void Invalidate(bool erase = true) const;
    void InvalidateRect(const RECT* rect, bool erase = true) const;
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
    CRect GetClientRect() const;
    CRect GetWindowRect() const;
    DWORD GetStyle() const { return DWORD(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return DWORD(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }

    HWND m_hWnd = nullptr;

protected:
    // Runs before the window is created; may change the class, styles or position.
    virtual bool PreCreateWindow(CREATESTRUCTW& cs);
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // The default handling of the message being processed.
    LRESULT Default();
    // Called after the window is gone (WM_NCDESTROY); the object stays alive.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    struct CurrentMessage
    {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    };
    CurrentMessage m_current{};
};
