#pragma once

// What the tab strip and the arrow bar share: the arrow cursor over them (which ends any drag
// cursor of the control) and a popup of the control's menu opened on a right click, whose commands
// come back to the window.

#include "framework/Wnd.h"

class CNorvakCtrl;

class CBandWindow : public CWnd
{
public:
    explicit CBandWindow(CNorvakCtrl& control) : m_control(control) {}
    CNorvakCtrl& GetControl() const { return m_control; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    virtual void OnContextMenu(POINT screen) = 0;
    // Checks the menu's items, after the default processing.
    virtual void OnInitMenu(HMENU menu) const = 0;
    // A menu command (ids compared unsigned, as the message carries them); false passes it on.
    virtual bool OnCommand(UINT id) = 0;
    // Opens popup index of the control's menu at a screen point, owned by this window.
    void OpenMenu(int index, POINT screen) const;

    CNorvakCtrl& m_control;
};
