#pragma once

// The windows of the control's bottom band beside the scroll bars: the page tab strip (id -1), the
// arrow bar (id -2) and the split box (id -4). The tabs library makes them; the control owns one
// band, reaches it only through this interface, and places its windows in its layout.

#include <windows.h>

#include <memory>

class CDC;
class CNorvakCtrl;

class CTabBand
{
public:
    virtual ~CTabBand() = default;

    // Makes the three windows as children of the control's window.
    virtual bool Create(HWND parent) = 0;
    // The control's window is gone and took the band's windows with it.
    virtual void WindowsDestroyed() = 0;

    // The one door for every change of the active page. FALSE for a page that does not exist.
    virtual BOOL ActivatePage(int page, BOOL force) = 0;

    // The band's window with the child id (-1, -2 or -4); null for another id or while it is not made.
    virtual HWND GetWindowOf(int id) const = 0;

    // What the layout asks of the band.
    virtual bool IsStripVisible() const = 0;
    virtual bool IsArrowBarVisible() const = 0;
    // The arrow bar's width: 17 pixels per arrow, and room for its status area when it has one.
    virtual int GetArrowBarWidth() const = 0;
    // The smallest left edge a dragged split box may take: right of the arrows while the arrow bar
    // shows.
    virtual int GetArrowsRight() const = 0;
    // Places the windows (control client coordinates); an empty rectangle leaves one where it is.
    virtual void Place(const RECT& arrows, const RECT& strip, const RECT& split) = 0;
    // Repaints all three.
    virtual void Invalidate() = 0;
    // Paints the band into a DC that is not the control's window: the band's windows as they are,
    // moved by offset.
    virtual void Draw(CDC& dc, POINT offset) = 0;
};

// Made by the tabs library for every control.
std::unique_ptr<CTabBand> CreateTabBand(CNorvakCtrl& control);
