#pragma once

// The page tab strip: one tab per page along the control's bottom edge, in page order. It keeps no
// page data of its own: every tab's title, font, colours, icons and geometry live in the page
// record, which the strip reads and writes. Every change of the active page goes through its
// ActivatePage. The control's tab band owns the strip; its window goes with the control's.
//
//   PageTitle.cpp          painting, hover and clicks, activation and scrolling of the tabs
//   PageTitleSettings.cpp  the strip's settings, the tabs' looks, icons and sizes, page protection
//   PageTitleCommands.cpp  the tab menu, renaming and inserting pages

#include "framework/CString.h"
#include "tabs/BandWindow.h"
#include "sheet/model/CellTypes.h"

#include <windows.h>

class CDC;
class CNorvakCtrl;
class CNorvakPage;

class CPageTitle : public CBandWindow
{
public:
    explicit CPageTitle(CNorvakCtrl& control) : CBandWindow(control) {}

    bool Create(HWND parent, int id);

    // ---- activation and tab geometry ----
    // Makes the page active: ends a pending cut, resets the page's scroll bars, repaints, and has
    // its tab scrolled into view when the tabs are next laid out (SettleTabs). bForce sets up a
    // page that is active already anew (after a deletion). FALSE for a page that does not exist.
    BOOL ActivatePage(int nPage, BOOL bForce);
    // When an activation came since: lays the tabs out and brings that page's tab into view.
    // Everything that reads the tabs' places does this first.
    void SettleTabs();
    void ScrollTabIntoView(int nPage);
    BOOL GetTabRect(int nPage, RECT* rect);
    BOOL MoveTabs(int nPage, const RECT& rcNew);
    // Hover (bClick FALSE) or click tracking over every tab.
    void UpdateHotTab(int x, int y, BOOL bClick);
    int GetPageCount() const;
    // Lays every tab out as the next paint will draw it, after SettleTabs.
    void LayoutTabs();
    // The strip's picture in a client rectangle of dc.
    void Draw(CDC& dc, const CRect& client);
    // The page whose tab body holds a client point, the highest such index; -1 for none.
    int TabAt(POINT point);
    bool IsInteractive() const { return m_bInteractive != 0; }

    // ---- the strip's settings ----
    void SetWindowVisible(BOOL bVisible);
    BOOL GetWindowIsVisible() const { return m_bVisible; }
    BOOL SetWindowBkColor(COLORREF color);
    COLORREF GetWindowBkColor() const { return m_crBackground; }
    BOOL SetTabType(short nType);
    int GetTabType() const { return m_nTabType; }
    BOOL Set3DFace(BOOL b3D);
    BOOL Get3DFace() const { return m_b3DFace; }

    // ---- a tab's looks (FALSE, 0 or an empty text for a page that does not exist) ----
    // The tab font by value: a caller never holds on to a page's own record.
    BOOL GetPageFont(int nPage, CFontRecord* font) const;
    BOOL SetPageFont(int nPage, const CFontRecord& font);
    BOOL SetShowIcon(int nPage, BOOL bShow);
    BOOL GetIconIsShow(int nPage) const;
    BOOL SetShowTransText(int nPage, BOOL bTrans);
    BOOL GetTextBkIsTrans(int nPage) const;
    BOOL SetTextBkColor(int nPage, COLORREF color);
    COLORREF GetTextBkColor(int nPage) const;
    BOOL SetTextColor(int nPage, COLORREF color);
    COLORREF GetTextColor(int nPage) const;
    // Refused (FALSE, nothing changes) when another page has the title already.
    BOOL SetPageTitle(int nPage, const CString& title);
    CString GetPageTitle(int nPage) const;
    // Whether a page other than except has the title.
    bool IsTitleTaken(const CString& title, int except) const;

    // ---- tab icons: by default the module's own, else hIcon (none fails) ----
    BOOL InsertCoolIcon(int nPage, BOOL bDefault, HICON hIcon);
    BOOL UpdateCoolIcon(int nPage, BOOL bDefault, HICON hIcon);
    BOOL InsertHotIcon(int nPage, BOOL bDefault, HICON hIcon);
    BOOL UpdateHotIcon(int nPage, BOOL bDefault, HICON hIcon);
    BOOL InsertActiveIcon(int nPage, BOOL bDefault, HICON hIcon);
    BOOL UpdateActiveIcon(int nPage, BOOL bDefault, HICON hIcon);
    BOOL DeleteIcons(int nPage);

    // ---- tab sizes ----
    BOOL SetPageTabWidth(int nPage, BOOL bDefault, int nWidth);
    int GetPageTabWidth(int nPage);
    BOOL SetPageTabHeight(int nPage, BOOL bDefault, int nHeight);
    int GetPageTabHeight(int nPage);
    BOOL GetIsDefaultWidth(int nPage) const;
    BOOL GetIsDefaultHeight(int nPage) const;

    // ---- page protection ----
    BOOL OpenPage(int nPage, const CString& user, const CString& password);
    BOOL ClosePage(int nPage);
    BOOL DeleteProtectedPage(int nPage, const CString& user, const CString& password);
    BOOL SetPagePassword(int nPage, const CString& user, const CString& password, const CString& newPassword);
    CString GetPagePassword(int nPage) const;
    BOOL SetPageUser(int nPage, const CString& user, const CString& password, const CString& newUser);
    CString GetPageUser(int nPage) const;
    BOOL SetPageUserAndPassword(int nPage, const CString& user, const CString& password, const CString& newUser,
                                const CString& newPassword);
    BOOL SetPagePrivilege(int nPage, short privilege, const CString& user, const CString& password);
    int GetPagePrivilege(int nPage) const;
    BOOL SetPageContentVisible(int nPage, BOOL bVisible);
    BOOL GetPageContentIsVisible(int nPage) const;

    // ---- commands of the tab menu ----
    void OnInsertPage();
    void OnDeletePage();
    // Opens the rename edit over the active page's tab.
    void OnRenamePage();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CNorvakPage* PageAt(int nPage) const;
    void OnPaint();
    void OnSize(int width);
    void OnMouseMove(POINT point);
    void OnTimer();
    void OnLButtonDown(POINT point);
    void OnLButtonDblClk(POINT point);
    void OnContextMenu(POINT screen) override;
    void OnInitMenu(HMENU menu) const override;
    bool OnCommand(UINT id) override;
    void PickColour(void (CPageTitle::*apply)(COLORREF), COLORREF initial);
    void ApplyTextColour(COLORREF color);
    void ApplyTextBackColour(COLORREF color);
    void ApplyStripColour(COLORREF color);
    // Moves icon state 2 as the active page changes.
    void MarkActiveIcons(int previous, int active);
    // The layout itself, measured in dc, the vertical extents from client; by default in the
    // strip's own DC and client area.
    void LayTabsOut();
    void LayTabsOut(HDC dc, const CRect& client);
    // Scrolls the tabs so that the laid-out tab of the page lies within client.
    void BringIntoView(int nPage, const CRect& client);
    void DrawTab(CDC& dc, CNorvakPage& page, const CRect& client, bool active) const;
    void DrawTabBody(CDC& dc, const CNorvakPage& page, const CRect& tab, bool active) const;
    void DrawTabFace(CDC& dc, const CNorvakPage& page, const CRect& tab, bool active) const;
    BOOL ChangeIcons(int nPage, int operation, int kind, BOOL bDefault, HICON hIcon);

    BOOL m_bVisible = 1;
    POINT m_lastMouse{-1, -1};
    int m_nLastWidth = -1;
    int m_nTabType = 0; // 0 trapezoid, 1 rectangle; other values draw no tabs
    BOOL m_b3DFace = 1;
    COLORREF m_crBackground = ::GetSysColor(COLOR_BTNFACE);
    BOOL m_bInteractive = 1; // 0 while a rename edit is open
    int m_nPendingScroll = -1; // the page whose tab SettleTabs brings into view; -1 for none
    friend class CTitleEdit;
};
