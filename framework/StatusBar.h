#pragma once

// The status bar along the bottom of a frame: a message pane that takes what the indicators leave
// (the prompt of the command under the mouse, "就绪" at rest), then one pane per indicator, each as
// wide as its text, showing the text while its key is locked on (Caps, Num and Scroll Lock).
//
// Ownership: as CWnd; the frame's child, gone with it.

#include "framework/Wnd.h"

#include <span>
#include <vector>

class CStatusBar : public CWnd
{
public:
    // Pane ids: the message pane, then the lock-key indicators.
    static constexpr UINT kSeparator = 0;
    static constexpr UINT kIndicatorCaps = 0xE001;
    static constexpr UINT kIndicatorNum = 0xE002;
    static constexpr UINT kIndicatorScroll = 0xE003;
    // The id of a frame's status bar.
    static constexpr UINT kStandardId = 0xE801;
    static const char kIdleMessage[];

    // sizeGrip: the grip in the corner, for a frame that can be sized.
    bool Create(HWND parent, UINT id, bool sizeGrip);
    // One pane per id, in order; false for an id that is neither the separator nor an indicator.
    bool SetIndicators(std::span<const UINT> ids);
    int GetPaneCount() const { return int(m_panes.size()); }
    CString GetPaneText(int index) const;
    void SetPaneText(int index, const CString& text) const;
    // The message pane's text; empty: the idle message.
    void SetMessageText(const CString& text) const;
    // Shows each indicator's text while its key is locked on, nothing while it is off.
    void UpdateIndicators() const;
    // Sizes the bar along the bottom of a client area width pixels wide; its height.
    int Place(int width) const;

    // The status bar of frame (its child with id), or none.
    static CStatusBar* Of(HWND frame, UINT id);

private:
    struct Pane
    {
        UINT id;
        int virtualKey; // 0: the message pane
        CString text;   // an indicator's text
    };
    std::vector<Pane> m_panes;
    bool m_sizeGrip = false;
};
