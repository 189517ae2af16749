#pragma once

// A rectangle the user moves and resizes with the mouse: its frame and handles drawn into a device
// context, the handle under a point and the cursor that goes with it, and a modal loop that follows
// the mouse from a press on the rectangle until the button is released. Esc, another button or the
// loss of the capture cancel the loop and put the rectangle back. Derived trackers adjust the
// rectangle while it is tracked and draw the rubber band their own way.
//
// Hit codes, which are also the handles: 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left,
// 4 top, 5 right, 6 bottom, 7 left, 8 inside (a move), -1 nothing.
//
// Ownership: a value; it holds no window and no GDI object between calls.

#include "framework/CDC.h"
#include "framework/Geometry.h"

class CWnd;

class CRectTracker
{
public:
    enum StyleFlags : UINT
    {
        solidLine = 1,
        dottedLine = 2,
        resizeInside = 8,  // the handles lie inside the rectangle
        resizeOutside = 16 // the handles lie outside it
    };
    enum TrackerHit : int
    {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    CRectTracker() = default;
    CRectTracker(const RECT& rect, UINT style) : m_rect(rect), m_nStyle(style) {}
    virtual ~CRectTracker() = default;

    // The frame by the line style and the handles of the handle mask.
    void Draw(CDC* dc) const;
    // The rectangle normalised, with the handles when they lie outside it.
    void GetTrueRect(RECT* rect) const;
    // The handle's own rectangle; empty for a handle outside 0..7.
    CRect GetHandleRect(int handle) const;
    int HitTest(POINT point) const;
    // The handle a hit means once the rectangle is normalised (an inverted rectangle swaps sides).
    int NormalizeHit(int hit) const;
    // Sets the cursor of the handle under the cursor for a WM_SETCURSOR of the window; false, and
    // no cursor set, off the tracker or outside the client area.
    bool SetCursor(CWnd* wnd, UINT hitTest) const;
    // The modal loop from a press at point (client coordinates of wnd). True when the rectangle
    // changed and the loop was not cancelled; a cancelled loop leaves the rectangle as it was.
    // clipTo, when given, bounds the rubber band.
    bool Track(CWnd* wnd, POINT point, bool allowInvert = false, CWnd* clipTo = nullptr);

    // Draws or (m_bErase) takes away the rubber band; XOR drawing, so both are one call.
    virtual void DrawTrackerRect(const RECT* rect, CWnd* clipTo, CDC* dc, CWnd* wnd);
    // Called for each new rectangle while tracking with the handle dragged: keeps the minimum size
    // and, unless inverting is allowed, the right side right of the left one and the bottom below
    // the top, by moving the dragged sides.
    virtual void AdjustRect(int handle, RECT* rect);
    // Called after m_rect changed while tracking; oldRect is the rectangle before.
    virtual void OnChangedRect(const CRect& oldRect);
    // Bit n set shows handle n: the corners always, the side handles where there is room for them.
    virtual UINT GetHandleMask() const;
    // The handle size for the rectangle (m_rect when none): inside handles never overlap.
    virtual int GetHandleSize(const RECT* rect = nullptr) const;

    CRect m_rect;
    CSize m_sizeMin;
    int m_nHandleSize = 6;
    UINT m_nStyle = 0;

protected:
    bool m_bAllowInvert = false;
    bool m_bErase = false;      // DrawTrackerRect takes the band away
    bool m_bFinalErase = false; // the last erase, at the end of the loop
    CPoint m_ptTracked;         // the mouse, in client pixels, of the message being tracked

private:
    // The rectangle a drag of the handle by (dx, dy) makes of start.
    static CRect Dragged(const CRect& start, int handle, int dx, int dy);
    void ShowBand(bool show, CWnd* clipTo, CDC* dc, CWnd* wnd);

    CRect m_rectBand; // the rubber band as drawn
    bool m_bBandShown = false;
};
