#pragma once

// A small bordered popup of its own class "ZTitleTip" that floats over a cell to show its text and
// gets out of the way: any mouse movement hides it, and clicks and keys that reach it go to the
// window underneath as if the tip were not there. Every page owns one; the control shows it over a
// cell whose text the cell cuts off (sheet/NorvakCtrlTitleTip.cpp), the keyboard hides it.
//
// Ownership: the page owns the object; the object owns its window, its hover region, its text and
// the font it shows the text in. The class
// is registered once per process with the system's default window procedure; a registration that
// fails leaves the tip unable to make its window, nothing else.

#include "framework/CGdiObject.h"
#include "framework/CString.h"
#include "framework/Wnd.h"

class CTitleTipWnd : public CWnd
{
public:
    static constexpr const wchar_t* kClassName = L"ZTitleTip";

    CTitleTipWnd();
    ~CTitleTipWnd() override;

    virtual bool Create(HWND parent);
    void Hide();
    // Shows text in font over screenRect, drawn with the DrawText format, without taking the
    // activation; cursor is the pointer's screen position, which the tip takes as already seen so
    // that only a movement hides it. Creates the window on first use; false when it cannot.
    bool Show(HWND parent, const RECT& screenRect, const CString& text, const LOGFONTA& font, UINT format,
              POINT cursor);
    bool IsShown() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }
    const CString& GetText() const { return m_text; }
    // The pixels around the text inside the border.
    static constexpr int kMargin = 2;
    bool IsRegistered() const { return m_bRegistered; }

    // Keys go to the parent; button presses to the window under the point; other keyboard and
    // mouse input is dropped while no window of the thread has the focus; every other message
    // passes on.
    bool PreTranslateMessage(MSG* msg) override;

    RECT m_rcHover{};
    CRgn m_hoverRegion; // none until an owner sets one

protected:
    bool PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    static bool RegisterClassOnce();
    void OnMouseMove(POINT point);
    void OnPaint();
    void ForwardMouseMessage(UINT msg, WPARAM flags, POINT point);
    // The window under a screen point (the parent in place of the tip itself) and its hit code.
    HWND TargetAt(POINT screen, LRESULT* hit) const;

    HWND m_hParent = nullptr;
    POINT m_lastMouse{-1, -1};
    bool m_bRegistered;
    CString m_text;
    CFont m_font;
    UINT m_nFormat = 0;
};
