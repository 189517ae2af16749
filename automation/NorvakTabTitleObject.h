#pragma once

// The tab title automation object: every member forwards to the control's page tab strip; the
// object keeps nothing but its target. The control keeps one and re-binds it for each request, so
// every pointer a client holds sees the newest binding.
//
// Ownership: does not own the strip; the control detaches it when it goes, after which every
// member answers its failure value. Owns its font object (one reference).

#include "automation/NorvakFontObject.h"
#include "framework/AutomationObject.h"
#include "framework/CString.h"

class CPageTitle;

class CNorvakTabTitleObject : public CAutomationObject
{
public:
    CNorvakTabTitleObject();

    void BindStrip(CPageTitle* strip);
    void Detach() { BindStrip(nullptr); }

    BOOL DoSetTabType(short nType);
    short DoGetTabType();
    BOOL DoSetActivePage(long nPageIndex);
    long DoGetActivePage();
    BOOL DoSetPageTabWidth(long nPageIndex, BOOL bDefaultWidth, long nWidth);
    long DoGetPageTabWidth(long nPageIndex);
    BOOL DoSetPageTabHeight(long nPageIndex, BOOL bDefaultHeight, long nHeight);
    long DoGetPageTabHeight(long nPageIndex);
    BOOL DoSetWindowBkColor(OLE_COLOR bkColor);
    OLE_COLOR DoGetWindowBkColor();
    BOOL DoSet3DFace(BOOL b3DFace);
    BOOL DoGet3DFace();
    BOOL DoSetShowIcon(long nPageIndex, BOOL bShowIcon);
    BOOL DoGetIconIsShow(long nPageIndex);
    BOOL DoSetShowTransText(long nPageIndex, BOOL bTrans);
    BOOL DoGetTextBkIsTrans(long nPageIndex);
    long DoGetPageCounts();
    BOOL DoInsertCoolIcon(long nPageIndex, BOOL bDefault, HICON hIcon);
    BOOL DoInsertHotIcon(long nPageIndex, BOOL bDefault, HICON hIcon);
    BOOL DoInsertActiveIcon(long nPageIndex, BOOL bDefault, HICON hIcon);
    BOOL DoInsertCoolIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName);
    BOOL DoInsertHotIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName);
    BOOL DoInsertActiveIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName);
    BOOL DoUpdateCoolIcon(long nPageIndex, BOOL bDefault, HICON hIcon);
    BOOL DoUpdateHotIcon(long nPageIndex, BOOL bDefault, HICON hIcon);
    BOOL DoUpdateActiveIcon(long nPageIndex, BOOL bDefault, HICON hIcon);
    BOOL DoUpdateCoolIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName);
    BOOL DoUpdateHotIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName);
    BOOL DoUpdateActiveIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName);
    BOOL DoDeleteIcon(long nPageIndex);
    BOOL DoSetPageTitle(long nPageIndex, CString lpszTitle);
    CString DoGetPageTitle(long nPageIndex);
    BOOL DoOpenPage(long nPageIndex, CString lpszUserName, CString lpszPWD);
    BOOL DoClosePage(long nPageIndex);
    BOOL DoDeletePage(long nPageIndex, CString lpszUserName, CString lpszPWD);
    BOOL DoSetPagePassWord(long nPageIndex, CString lpszUserName, CString lpszPWD, CString lpszNewPWD);
    CString DoGetPagePassWord(long nPageIndex);
    BOOL DoSetPageUser(long nPageIndex, CString lpszUserName, CString lpszPWD, CString lpszNewUser);
    CString DoGetPageUser(long nPageIndex);
    BOOL DoSetPageOpPrivilege(long nPageIndex, short nPrivilege, CString lpszUserName, CString lpszPWD);
    short DoGetPageOpPrivilege(long nPageIndex);
    BOOL DoSetPageContentVisible(long nPageIndex, BOOL bVisible);
    BOOL DoGetPageContentIsVisible(long nPageIndex);
    IDispatch* DoGetFontObject(long nPageIndex);
    BOOL DoSetWindowVisible(BOOL bVisible);
    BOOL DoGetWindowIsVisible();
    BOOL DoGetIsDefaultWidth(long nPageIndex);
    BOOL DoGetIsDefaultHeight(long nPageIndex);
    BOOL DoSetTextBkColor(long nPageIndex, OLE_COLOR newBkColor);
    OLE_COLOR DoGetTextBkColor(long nPageIndex);
    BOOL DoSetTextColor(long nPageIndex, OLE_COLOR newTextColor);
    OLE_COLOR DoGetTextColor(long nPageIndex);
    BOOL DoSetPageUserNameAndPassWord(long nPageIndex, CString lpszUserName, CString lpszPWD,
                                      CString lpszNewUser, CString lpszNewPWD);

protected:
    ~CNorvakTabTitleObject() override;
    void* DispatchSelf() override { return this; }

private:
    // The strip's answer, or failure without a target.
    template <class R, class Call> R Forward(R failure, Call call);
    // An icon of a state from a file (or the built-in one by default), through one of the strip's
    // icon operations.
    BOOL IconFromFile(BOOL (CPageTitle::*change)(int, BOOL, HICON), long nPageIndex, BOOL bDefault,
                      const CString& file);

    CPageTitle* m_strip = nullptr;
    CNorvakFontObject* m_font;
};
