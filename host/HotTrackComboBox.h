#pragma once

// The flat font-name and font-size boxes of the format tool bar. A new choice, or Enter in the
// box, asks the main window to apply it (WM_USER + 1 with the box as lParam). The box is drawn
// flat, raised while the pointer is over it (checked on each tick of timer 1) and sunken while its
// list is down.

#include "framework/Controls.h"

class CHotTrackComboBox : public CComboBox
{
public:
    explicit CHotTrackComboBox(bool fontNames) : m_fontNames(fontNames) {}
    ~CHotTrackComboBox() override;

    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    bool PreTranslateMessage(MSG* msg) override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    enum class Look
    {
        Flat,
        Raised,
        Sunken
    };
    void Fill();
    void AskToApply() const;
    void DrawLook(Look look);

    bool m_fontNames;
    HFONT m_font = nullptr;
    Look m_look = Look::Flat;
    bool m_tracking = false;
};
