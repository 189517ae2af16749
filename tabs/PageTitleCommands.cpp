// The tab menu with its commands, renaming a tab in place and inserting a page through the
// new-page dialog.

#include "tabs/PageTitle.h"

#include "framework/CommonDialogs.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"
#include "tabs/NewPageDlg.h"
#include "tabs/TitleEdit.h"
#include "tabs/model/TabGeometry.h"

namespace {

constexpr int kTabMenu = 2;
constexpr int kNewPageRows = 100;
constexpr int kNewPageColumns = 50;
constexpr int kNewPageHeaderWidth = 40;

void Check(HMENU menu, UINT id, bool checked)
{
    ::CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace

void CPageTitle::OnContextMenu(POINT screen)
{
    POINT point = screen;
    ScreenToClient(point);
    SettleTabs();
    for (int i = 0; i < GetPageCount(); ++i) {
        CNorvakPage* page = PageAt(i);
        if (!page || !TabGeometry::BodyContains(*page, point))
            continue;
        if (page->m_nTabIconState >= 0)
            page->m_nTabIconState = 2;
        ActivatePage(i, FALSE);
        OpenMenu(kTabMenu, screen);
        return;
    }
}

void CPageTitle::OnInitMenu(HMENU menu) const
{
    Check(menu, ID_TAB_TRAPEZOID, m_nTabType == 0);
    Check(menu, ID_TAB_RECTANGLE, m_nTabType == 1);
    Check(menu, ID_TAB_FLAT, !m_b3DFace);
    Check(menu, ID_TAB_3D, m_b3DFace != 0);
    Check(menu, ID_TAB_SHOW_ICON, GetIconIsShow(m_control.GetPageStore().GetActive()) != FALSE);
}

bool CPageTitle::OnCommand(UINT id)
{
    const int active = m_control.GetPageStore().GetActive();
    switch (id) {
    case ID_PAGE_INSERT:
        OnInsertPage();
        return true;
    case ID_PAGE_DELETE:
        OnDeletePage();
        return true;
    case ID_PAGE_RENAME:
        OnRenamePage();
        return true;
    case ID_TAB_TRAPEZOID:
        SetTabType(0);
        return true;
    case ID_TAB_RECTANGLE:
        SetTabType(1);
        return true;
    case ID_TAB_FLAT:
        Set3DFace(FALSE);
        return true;
    case ID_TAB_3D:
        Set3DFace(TRUE);
        return true;
    case ID_TAB_TEXT_COLOUR:
        PickColour(&CPageTitle::ApplyTextColour, GetTextColor(active));
        return true;
    case ID_TAB_BACK_COLOUR:
        PickColour(&CPageTitle::ApplyTextBackColour, GetTextBkColor(active));
        return true;
    case ID_TAB_SHOW_ICON:
        SetShowIcon(active, !GetIconIsShow(active));
        return true;
    case ID_STRIP_BACK_COLOUR:
        PickColour(&CPageTitle::ApplyStripColour, m_crBackground);
        return true;
    default:
        return false;
    }
}

void CPageTitle::PickColour(void (CPageTitle::*apply)(COLORREF), COLORREF initial)
{
    CColorDialog dialog(initial, 0, m_hWnd);
    if (dialog.DoModal() == IDOK)
        (this->*apply)(dialog.GetColor());
}

void CPageTitle::ApplyTextColour(COLORREF color)
{
    SetTextColor(m_control.GetPageStore().GetActive(), color);
}

void CPageTitle::ApplyTextBackColour(COLORREF color)
{
    const int active = m_control.GetPageStore().GetActive();
    SetShowTransText(active, FALSE);
    SetTextBkColor(active, color);
}

void CPageTitle::ApplyStripColour(COLORREF color)
{
    SetWindowBkColor(color);
}

void CPageTitle::OnInsertPage()
{
    CNewPageDlg dialog(*this, m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    const long page = m_control.DoInsertPage(dialog.m_strTitle);
    m_control.DoSetPageRowCounts(page, kNewPageRows, 1);
    m_control.DoSetPageColumnCounts(page, kNewPageColumns, 1);
    m_control.DoSetPageColumnABCD(page, 1, kNewPageColumns);
    m_control.DoSetPageRow1234(page, 1, kNewPageRows);
    m_control.DoSetPageColumnWidth(page, 0, kNewPageHeaderWidth);
}

void CPageTitle::OnDeletePage()
{
    const int active = m_control.GetPageStore().GetActive();
    const CNorvakPage* page = PageAt(active);
    if (!page)
        return;
    const CString question = "确定删除工作表[" + page->m_strTitle + "]";
    if (MessageBox(question, CString(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        m_control.DoDeletePage(active);
}

void CPageTitle::OnRenamePage()
{
    const int active = m_control.GetPageStore().GetActive();
    RECT tab{};
    if (!GetTabRect(active, &tab))
        return;
    const CRect rect(tab.left + 8, tab.top, tab.right - 8, tab.bottom - 2);
    m_bInteractive = 0;
    // The edit owns itself; the strip hears from it through WM_SETTEXT.
    if (!CTitleEdit::Open(*this, 0, rect, GetPageTitle(active)))
        m_bInteractive = 1;
}
