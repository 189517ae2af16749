#pragma once

// The small edit that renames a tab in place, over the active page's tab. It is made by the strip's
// rename command, owned by its window and deletes itself when the window goes. Enter commits,
// Escape puts the tab's title back and commits that; leaving it commits a valid title (not empty,
// not another page's) by sending it to the strip as WM_SETTEXT, or keeps the focus after a message.

#include "framework/CGdiObject.h"
#include "framework/Controls.h"

class CPageTitle;

class CTitleEdit : public CEdit
{
public:
    static constexpr UINT kId = 0xFFFF;
    static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_CENTER;

    // The edit, shown with text over rect; none when its window cannot be made.
    static CTitleEdit* Open(CPageTitle& owner, DWORD extraStyle, const RECT& rect, const CString& text);

    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override { delete this; }

private:
    CTitleEdit(CPageTitle& owner, const CString& text);
    void OnKillFocus();
    // After a refused title: the message, then the focus back here.
    void Refuse(const char* message);

    CPageTitle& m_owner;
    CString m_strInitial;
    CFont m_font;
    CBrush m_background;
    COLORREF m_crText = 0;
    COLORREF m_crBackground = RGB(255, 255, 255);
};
