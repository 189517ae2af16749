// The strip's settings, the looks, icons and sizes of each tab, and page protection.

#include "tabs/PageTitle.h"

#include "framework/OleModule.h"
#include "framework/SaturatedInt.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"
#include "tabs/model/PageProtection.h"
#include "tabs/model/TabIconSlots.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kBuiltInIcons[] = {IDI_TAB_COOL, IDI_TAB_HOT, IDI_TAB_ACTIVE};

HICON LoadBuiltInIcon(int kind)
{
    return static_cast<HICON>(::LoadImageW(OleModule::Instance(), MAKEINTRESOURCEW(kBuiltInIcons[kind]), IMAGE_ICON,
                                           16, 16, 0));
}

} // namespace

// ---- the strip ----

void CPageTitle::SetWindowVisible(BOOL bVisible)
{
    m_bVisible = bVisible ? 1 : 0;
    if (m_hWnd)
        ShowWindow(m_bVisible ? SW_SHOWNORMAL : SW_HIDE);
    m_control.LayoutChildWindows();
}

BOOL CPageTitle::SetWindowBkColor(COLORREF color)
{
    m_crBackground = color;
    Invalidate();
    return TRUE;
}

BOOL CPageTitle::SetTabType(short nType)
{
    if (int(nType) == m_nTabType)
        return FALSE;
    m_nTabType = nType;
    Invalidate();
    return TRUE;
}

BOOL CPageTitle::Set3DFace(BOOL b3D)
{
    if (b3D == m_b3DFace)
        return FALSE;
    m_b3DFace = b3D;
    Invalidate();
    return TRUE;
}

// ---- a tab's looks ----

BOOL CPageTitle::GetPageFont(int nPage, CFontRecord* font) const
{
    const CNorvakPage* page = PageAt(nPage);
    if (!page || !font)
        return FALSE;
    *font = page->m_tabFont;
    return TRUE;
}

BOOL CPageTitle::SetPageFont(int nPage, const CFontRecord& font)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page)
        return FALSE;
    page->m_tabFont = font;
    Invalidate();
    return TRUE;
}

BOOL CPageTitle::SetShowIcon(int nPage, BOOL bShow)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || page->m_tabIcons.GetCount() == 0)
        return FALSE;
    if (bShow && page->m_nTabIconState >= 0)
        return FALSE;
    if (!bShow)
        page->m_nTabIconState = -1;
    else
        page->m_nTabIconState = nPage == m_control.GetPageStore().GetActive() ? 2 : 0;
    Invalidate();
    return TRUE;
}

BOOL CPageTitle::GetIconIsShow(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page && page->m_nTabIconState >= 0;
}

BOOL CPageTitle::SetShowTransText(int nPage, BOOL bTrans)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page)
        return FALSE;
    page->m_tabFont.bTransparent = bTrans;
    Invalidate();
    return TRUE;
}

BOOL CPageTitle::GetTextBkIsTrans(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page ? page->m_tabFont.bTransparent : FALSE;
}

BOOL CPageTitle::SetTextBkColor(int nPage, COLORREF color)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page)
        return FALSE;
    page->m_tabFont.crBackground = color;
    Invalidate();
    return TRUE;
}

COLORREF CPageTitle::GetTextBkColor(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page ? page->m_tabFont.crBackground : 0;
}

BOOL CPageTitle::SetTextColor(int nPage, COLORREF color)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page)
        return FALSE;
    page->m_tabFont.crText = color;
    Invalidate();
    return TRUE;
}

COLORREF CPageTitle::GetTextColor(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page ? page->m_tabFont.crText : 0;
}

bool CPageTitle::IsTitleTaken(const CString& title, int except) const
{
    bool taken = false;
    m_control.GetPageStore().ForEachPage([&](int index, const CNorvakPage& page) {
        if (index != except && std::strcmp(page.m_strTitle.GetString(), title.GetString()) == 0)
            taken = true;
    });
    return taken;
}

BOOL CPageTitle::SetPageTitle(int nPage, const CString& title)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || IsTitleTaken(title, nPage))
        return FALSE;
    page->m_strTitle = title;
    Invalidate();
    return TRUE;
}

CString CPageTitle::GetPageTitle(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page ? page->m_strTitle : CString();
}

// ---- tab icons ----

BOOL CPageTitle::ChangeIcons(int nPage, int operation, int kind, BOOL bDefault, HICON hIcon)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || (!bDefault && !hIcon))
        return FALSE;
    const int count = page->m_tabIcons.GetCount();
    const auto steps = TabIconSlots::Plan(TabIconSlots::COperation(operation), TabIconSlots::CIconKind(kind), count);
    if (!steps)
        return FALSE;
    HIMAGELIST list = page->m_tabIcons.Edit();
    if (!list)
        return FALSE;
    for (const TabIconSlots::CStep& step : *steps) {
        HICON icon = bDefault ? LoadBuiltInIcon(step.kind) : hIcon;
        ::ImageList_ReplaceIcon(list, step.append ? -1 : step.slot, icon);
        if (bDefault && icon)
            ::DestroyIcon(icon);
    }
    Invalidate();
    return TRUE;
}

BOOL CPageTitle::InsertCoolIcon(int nPage, BOOL bDefault, HICON hIcon)
{
    return ChangeIcons(nPage, TabIconSlots::kInsert, TabIconSlots::kCool, bDefault, hIcon);
}

BOOL CPageTitle::UpdateCoolIcon(int nPage, BOOL bDefault, HICON hIcon)
{
    return ChangeIcons(nPage, TabIconSlots::kUpdate, TabIconSlots::kCool, bDefault, hIcon);
}

BOOL CPageTitle::InsertHotIcon(int nPage, BOOL bDefault, HICON hIcon)
{
    return ChangeIcons(nPage, TabIconSlots::kInsert, TabIconSlots::kHot, bDefault, hIcon);
}

BOOL CPageTitle::UpdateHotIcon(int nPage, BOOL bDefault, HICON hIcon)
{
    return ChangeIcons(nPage, TabIconSlots::kUpdate, TabIconSlots::kHot, bDefault, hIcon);
}

BOOL CPageTitle::InsertActiveIcon(int nPage, BOOL bDefault, HICON hIcon)
{
    return ChangeIcons(nPage, TabIconSlots::kInsert, TabIconSlots::kActive, bDefault, hIcon);
}

BOOL CPageTitle::UpdateActiveIcon(int nPage, BOOL bDefault, HICON hIcon)
{
    return ChangeIcons(nPage, TabIconSlots::kUpdate, TabIconSlots::kActive, bDefault, hIcon);
}

BOOL CPageTitle::DeleteIcons(int nPage)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page)
        return FALSE;
    page->m_tabIcons.Clear();
    page->m_nTabIconState = -1;
    Invalidate();
    return TRUE;
}

// ---- tab sizes ----

BOOL CPageTitle::SetPageTabWidth(int nPage, BOOL bDefault, int nWidth)
{
    SettleTabs();
    CNorvakPage* page = PageAt(nPage);
    if (!page)
        return FALSE;
    page->m_bDefaultTabWidth = bDefault;
    if (bDefault)
        return FALSE;
    const int width = std::max(nWidth, 0);
    const long long shift = width - ((long long)page->m_nTabRight - page->m_nTabLeft);
    page->m_nTabWidth = width;
    m_control.GetPageStore().ForEachPage([&](int index, CNorvakPage& tab) {
        if (index > nPage) {
            tab.m_nTabLeft = SaturateToInt(tab.m_nTabLeft + shift);
            tab.m_nTabRight = SaturateToInt(tab.m_nTabRight + shift);
        }
    });
    Invalidate();
    return TRUE;
}

int CPageTitle::GetPageTabWidth(int nPage)
{
    SettleTabs();
    const CNorvakPage* page = PageAt(nPage);
    if (!page)
        return 0;
    return page->m_bDefaultTabWidth ? SubtractSaturated(page->m_nTabRight, page->m_nTabLeft) : page->m_nTabWidth;
}

BOOL CPageTitle::SetPageTabHeight(int nPage, BOOL bDefault, int nHeight)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page)
        return FALSE;
    page->m_bDefaultTabHeight = bDefault;
    if (bDefault)
        return FALSE;
    page->m_nTabHeight = std::max(nHeight, 0);
    Invalidate();
    return TRUE;
}

int CPageTitle::GetPageTabHeight(int nPage)
{
    SettleTabs();
    const CNorvakPage* page = PageAt(nPage);
    if (!page)
        return 0;
    return page->m_bDefaultTabHeight ? page->m_nTabBottom - page->m_nTabTop : page->m_nTabHeight;
}

BOOL CPageTitle::GetIsDefaultWidth(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page ? page->m_bDefaultTabWidth : FALSE;
}

BOOL CPageTitle::GetIsDefaultHeight(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page ? page->m_bDefaultTabHeight : FALSE;
}

// ---- page protection ----

BOOL CPageTitle::OpenPage(int nPage, const CString& user, const CString& password)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || !PageProtection::MayOpen(*page, user, password))
        return FALSE;
    page->m_bOpened = 1;
    m_control.InvalidateControl();
    return ActivatePage(nPage, FALSE);
}

BOOL CPageTitle::ClosePage(int nPage)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || !PageProtection::MayClose(*page))
        return FALSE;
    page->m_bOpened = 0;
    m_control.InvalidateControl();
    return TRUE;
}

BOOL CPageTitle::DeleteProtectedPage(int nPage, const CString& user, const CString& password)
{
    const CNorvakPage* page = PageAt(nPage);
    if (!page || !PageProtection::MayDelete(*page, user, password))
        return FALSE;
    return m_control.DoDeletePage(nPage);
}

BOOL CPageTitle::SetPagePassword(int nPage, const CString& user, const CString& password,
                                 const CString& newPassword)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || !PageProtection::MaySetPassword(*page, user, password))
        return FALSE;
    page->m_strPassword = newPassword;
    return TRUE;
}

CString CPageTitle::GetPagePassword(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page && PageProtection::MayReadPassword(*page) ? page->m_strPassword : CString();
}

BOOL CPageTitle::SetPageUser(int nPage, const CString& user, const CString& password, const CString& newUser)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || !PageProtection::MaySetUser(*page, user, password))
        return FALSE;
    page->m_strUserName = newUser;
    return TRUE;
}

CString CPageTitle::GetPageUser(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page && PageProtection::MayReadUser(*page) ? page->m_strUserName : CString();
}

BOOL CPageTitle::SetPageUserAndPassword(int nPage, const CString& user, const CString& password,
                                        const CString& newUser, const CString& newPassword)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || !PageProtection::MaySetUser(*page, user, password))
        return FALSE;
    page->m_strUserName = newUser;
    page->m_strPassword = newPassword;
    return TRUE;
}

BOOL CPageTitle::SetPagePrivilege(int nPage, short privilege, const CString& user, const CString& password)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || !PageProtection::MaySetPrivilege(*page, user, password))
        return FALSE;
    page->m_nPrivilege = privilege;
    return TRUE;
}

int CPageTitle::GetPagePrivilege(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page ? page->m_nPrivilege : 2;
}

BOOL CPageTitle::SetPageContentVisible(int nPage, BOOL bVisible)
{
    CNorvakPage* page = PageAt(nPage);
    if (!page || !PageProtection::MaySetContentVisible(*page, bVisible != FALSE))
        return FALSE;
    page->m_bContentVisible = bVisible;
    m_control.InvalidateControl();
    return TRUE;
}

BOOL CPageTitle::GetPageContentIsVisible(int nPage) const
{
    const CNorvakPage* page = PageAt(nPage);
    return page ? page->m_bContentVisible : FALSE;
}
