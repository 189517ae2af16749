#pragma once

// An owner-drawn button that shows its text like a link: centred on one line, on a transparent
// background, with the hand cursor 106 as its image while the pointer is over it.

#include "framework/Controls.h"

class CHyperlinkButton : public CButton
{
public:
    CHyperlinkButton();
    void DrawItem(DRAWITEMSTRUCT* item) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    HCURSOR m_cursor;
};
