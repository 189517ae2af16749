#pragma once

// The small edit that edits a title in place. It is owned by its window and deletes itself when
// the window goes.
//
// A tab's rename, over the active page's tab: Enter commits, Escape puts the tab's title back and
// commits that; leaving it commits a valid title (not empty, not another page's) by sending it to
// the strip as WM_SETTEXT, or keeps the focus after a message.
//
// A chart's text: a title (codes 4, 5, 6) or a legend caption (code 20) of a chart of the control,
// in the element's font and colours over its rectangle. Leaving it stores the text in the element
// and repaints the control. The control closes it before the element may be freed.

#include "framework/CGdiObject.h"
#include "framework/Controls.h"

class CPageTitle;
class CNorvakCtrl;
class CNorvakChart;
class CChartTextItem;

class CTitleEdit : public CEdit
{
public:
    static constexpr UINT kId = 0xFFFF;
    static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_CENTER;
    static constexpr DWORD kChartCaptionStyle = kStyle | WS_BORDER | ES_WANTRETURN;
    static constexpr DWORD kChartTitleStyle = kChartCaptionStyle | ES_MULTILINE;

    // The edit, shown with text over rect; none when its window cannot be made.
    static CTitleEdit* Open(CPageTitle& owner, DWORD extraStyle, const RECT& rect, const CString& text);
    // The editor of a chart text: code 4..6 the chart's title of that part, code 20 the legend
    // entry's caption (entry, one of the chart's). Shown over the element with its text selected
    // and the focus; none for another code or when its window cannot be made.
    static CTitleEdit* OpenChartText(CNorvakCtrl& control, CNorvakChart& chart, int code, CChartTextItem* entry);
    // Ends a chart text edit now, storing the text as leaving it would.
    void CloseChartText();

    // Where the editor of a legend caption lies, centred on the caption box's middle.
    static CRect ChartCaptionEditRect(const RECT& caption, int fontHeight);
    // The same for a title: over the title, 20 pixels high about its middle when it is lower.
    static CRect ChartTitleEditRect(const RECT& title);

    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override;

private:
    CTitleEdit(CPageTitle& owner, const CString& text);
    CTitleEdit(CNorvakCtrl& control, CNorvakChart& chart, int code, CChartTextItem* entry);
    bool ShowOver(HWND parent, DWORD style, const RECT& rect, const CString& text);
    void OnKillFocus();
    void EndChartText();
    // After a refused title: the message, then the focus back here.
    void Refuse(const char* message);

    CPageTitle* m_owner = nullptr;
    CString m_strInitial;
    CFont m_font;
    CBrush m_background;
    COLORREF m_crText = 0;
    COLORREF m_crBackground = RGB(255, 255, 255);
    // A chart text edit.
    CNorvakCtrl* m_pControl = nullptr;
    CNorvakChart* m_pChart = nullptr;
    CChartTextItem* m_pEntry = nullptr;
    int m_nCode = 0;
    char m_chSavedSelection = ' ';
    bool m_bEnded = false;
};
