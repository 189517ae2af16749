#pragma once

// The control's bottom band as the tabs library makes it: the tab strip, the arrow bar and the
// split box, owned here and created as children of the control's window.

#include "sheet/windows/TabBand.h"
#include "tabs/PageTitle.h"
#include "tabs/TabScroll.h"
#include "tabs/TabSplitBox.h"

class CNorvakTabBand : public CTabBand
{
public:
    explicit CNorvakTabBand(CNorvakCtrl& control);

    CPageTitle* Strip() { return &m_strip; }
    CTabScroll* Arrows() { return &m_arrows; }
    CTabSplitBox* Split() { return &m_split; }

    bool Create(HWND parent) override;
    void WindowsDestroyed() override;
    BOOL ActivatePage(int page, BOOL force) override;
    HWND GetWindowOf(int id) const override;
    bool IsStripVisible() const override { return m_strip.GetWindowIsVisible() != FALSE; }
    bool IsArrowBarVisible() const override { return m_arrows.GetWindowIsVisible() != FALSE; }
    int GetArrowBarWidth() const override { return m_arrows.GetDesiredWidth(); }
    int GetArrowsRight() const override;
    void Place(const RECT& arrows, const RECT& strip, const RECT& split) override;
    void Invalidate() override;
    void Draw(CDC& dc, POINT offset) override;

private:
    CNorvakCtrl& m_control;
    CPageTitle m_strip;
    CTabScroll m_arrows;
    CTabSplitBox m_split;
};

// The band of a control made in this module.
CNorvakTabBand* TabBandOf(const CNorvakCtrl& control);
