#include "automation/NorvakTabTitleObject.h"

#include "automation/ClientValues.h"
#include "automation/ObjectDispatchMaps.h"
#include "sheet/NorvakCtrl.h"
#include "tabs/PageTitle.h"
#include "Norvak_h.h"

namespace {

// A page's tab font, read and written through the strip by value at every call.
class CTabFontPlace : public CFontRecordPlace
{
public:
    CTabFontPlace(CPageTitle& strip, int page) : m_strip(strip), m_page(page) {}
    const CFontRecord* Read() override { return m_strip.GetPageFont(m_page, &m_font) ? &m_font : nullptr; }
    CFontRecord* Edit() override { return m_strip.GetPageFont(m_page, &m_font) ? &m_font : nullptr; }
    void Commit() override { m_strip.SetPageFont(m_page, m_font); }
    HWND Window() const override { return m_strip.m_hWnd; }

private:
    CPageTitle& m_strip;
    int m_page;
    CFontRecord m_font;
};

} // namespace

CNorvakTabTitleObject::CNorvakTabTitleObject()
    : CAutomationObject(DIID_INorvakTabTitleObject, TabTitleObjectDispatchMap()),
      m_font(new CNorvakFontObject)
{
}

CNorvakTabTitleObject::~CNorvakTabTitleObject()
{
    m_font->BindFontRecord(nullptr);
    m_font->Release();
}

void CNorvakTabTitleObject::BindStrip(CPageTitle* strip)
{
    m_strip = strip;
    if (!strip)
        m_font->BindFontRecord(nullptr);
}

template <class R, class Call> R CNorvakTabTitleObject::Forward(R failure, Call call)
{
    return m_strip ? R(call(*m_strip)) : failure;
}

// ---- the strip ----

BOOL CNorvakTabTitleObject::DoSetTabType(short nType)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.SetTabType(nType); });
}

short CNorvakTabTitleObject::DoGetTabType()
{
    return Forward<short>(0, [](CPageTitle& s) { return s.GetTabType(); });
}

BOOL CNorvakTabTitleObject::DoSetActivePage(long nPageIndex)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.ActivatePage(nPageIndex, FALSE); });
}

long CNorvakTabTitleObject::DoGetActivePage()
{
    return Forward(-1L, [](CPageTitle& s) { return s.GetControl().DoGetActivePageIndex(); });
}

long CNorvakTabTitleObject::DoGetPageCounts()
{
    return Forward(0L, [](CPageTitle& s) { return s.GetPageCount(); });
}

BOOL CNorvakTabTitleObject::DoSetWindowBkColor(OLE_COLOR bkColor)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.SetWindowBkColor(TranslateOleColor(bkColor)); });
}

OLE_COLOR CNorvakTabTitleObject::DoGetWindowBkColor()
{
    return Forward<OLE_COLOR>(0, [](CPageTitle& s) { return s.GetWindowBkColor(); });
}

BOOL CNorvakTabTitleObject::DoSet3DFace(BOOL b3DFace)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.Set3DFace(b3DFace); });
}

BOOL CNorvakTabTitleObject::DoGet3DFace()
{
    return Forward(FALSE, [](CPageTitle& s) { return s.Get3DFace(); });
}

BOOL CNorvakTabTitleObject::DoSetWindowVisible(BOOL bVisible)
{
    return Forward(FALSE, [&](CPageTitle& s) {
        s.SetWindowVisible(bVisible);
        return TRUE;
    });
}

BOOL CNorvakTabTitleObject::DoGetWindowIsVisible()
{
    return Forward(FALSE, [](CPageTitle& s) { return s.GetWindowIsVisible(); });
}

// ---- a tab's size and looks ----

BOOL CNorvakTabTitleObject::DoSetPageTabWidth(long nPageIndex, BOOL bDefaultWidth, long nWidth)
{
    return Forward(FALSE,
                   [&](CPageTitle& s) { return s.SetPageTabWidth(nPageIndex, bDefaultWidth, nWidth); });
}

long CNorvakTabTitleObject::DoGetPageTabWidth(long nPageIndex)
{
    return Forward(0L, [&](CPageTitle& s) { return s.GetPageTabWidth(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoSetPageTabHeight(long nPageIndex, BOOL bDefaultHeight, long nHeight)
{
    return Forward(FALSE,
                   [&](CPageTitle& s) { return s.SetPageTabHeight(nPageIndex, bDefaultHeight, nHeight); });
}

long CNorvakTabTitleObject::DoGetPageTabHeight(long nPageIndex)
{
    return Forward(0L, [&](CPageTitle& s) { return s.GetPageTabHeight(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoGetIsDefaultWidth(long nPageIndex)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.GetIsDefaultWidth(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoGetIsDefaultHeight(long nPageIndex)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.GetIsDefaultHeight(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoSetShowIcon(long nPageIndex, BOOL bShowIcon)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.SetShowIcon(nPageIndex, bShowIcon); });
}

BOOL CNorvakTabTitleObject::DoGetIconIsShow(long nPageIndex)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.GetIconIsShow(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoSetShowTransText(long nPageIndex, BOOL bTrans)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.SetShowTransText(nPageIndex, bTrans); });
}

BOOL CNorvakTabTitleObject::DoGetTextBkIsTrans(long nPageIndex)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.GetTextBkIsTrans(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoSetTextBkColor(long nPageIndex, OLE_COLOR newBkColor)
{
    return Forward(
        FALSE, [&](CPageTitle& s) { return s.SetTextBkColor(nPageIndex, TranslateOleColor(newBkColor)); });
}

OLE_COLOR CNorvakTabTitleObject::DoGetTextBkColor(long nPageIndex)
{
    return Forward<OLE_COLOR>(0, [&](CPageTitle& s) { return s.GetTextBkColor(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoSetTextColor(long nPageIndex, OLE_COLOR newTextColor)
{
    return Forward(
        FALSE, [&](CPageTitle& s) { return s.SetTextColor(nPageIndex, TranslateOleColor(newTextColor)); });
}

OLE_COLOR CNorvakTabTitleObject::DoGetTextColor(long nPageIndex)
{
    return Forward<OLE_COLOR>(0, [&](CPageTitle& s) { return s.GetTextColor(nPageIndex); });
}

IDispatch* CNorvakTabTitleObject::DoGetFontObject(long nPageIndex)
{
    CFontRecord font;
    if (!m_strip || !m_strip->GetPageFont(nPageIndex, &font))
        return nullptr;
    m_font->BindFontRecord(std::make_unique<CTabFontPlace>(*m_strip, nPageIndex));
    return m_font->GetDispatch();
}

// ---- icons ----

BOOL CNorvakTabTitleObject::DoInsertCoolIcon(long nPageIndex, BOOL bDefault, HICON hIcon)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.InsertCoolIcon(nPageIndex, bDefault, hIcon); });
}

BOOL CNorvakTabTitleObject::DoInsertHotIcon(long nPageIndex, BOOL bDefault, HICON hIcon)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.InsertHotIcon(nPageIndex, bDefault, hIcon); });
}

BOOL CNorvakTabTitleObject::DoInsertActiveIcon(long nPageIndex, BOOL bDefault, HICON hIcon)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.InsertActiveIcon(nPageIndex, bDefault, hIcon); });
}

BOOL CNorvakTabTitleObject::DoUpdateCoolIcon(long nPageIndex, BOOL bDefault, HICON hIcon)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.UpdateCoolIcon(nPageIndex, bDefault, hIcon); });
}

BOOL CNorvakTabTitleObject::DoUpdateHotIcon(long nPageIndex, BOOL bDefault, HICON hIcon)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.UpdateHotIcon(nPageIndex, bDefault, hIcon); });
}

BOOL CNorvakTabTitleObject::DoUpdateActiveIcon(long nPageIndex, BOOL bDefault, HICON hIcon)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.UpdateActiveIcon(nPageIndex, bDefault, hIcon); });
}

BOOL CNorvakTabTitleObject::IconFromFile(BOOL (CPageTitle::*change)(int, BOOL, HICON), long nPageIndex,
                                         BOOL bDefault, const CString& file)
{
    if (!m_strip)
        return FALSE;
    if (bDefault)
        return (m_strip->*change)(nPageIndex, TRUE, nullptr);
    // The strip copies the icon into the page's list; the loaded one is ours to destroy.
    const IconHandle icon = LoadIconFile(file);
    return (m_strip->*change)(nPageIndex, FALSE, icon.get());
}

BOOL CNorvakTabTitleObject::DoInsertCoolIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName)
{
    return IconFromFile(&CPageTitle::InsertCoolIcon, nPageIndex, bDefault, lpszFileName);
}

BOOL CNorvakTabTitleObject::DoInsertHotIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName)
{
    return IconFromFile(&CPageTitle::InsertHotIcon, nPageIndex, bDefault, lpszFileName);
}

BOOL CNorvakTabTitleObject::DoInsertActiveIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName)
{
    return IconFromFile(&CPageTitle::InsertActiveIcon, nPageIndex, bDefault, lpszFileName);
}

BOOL CNorvakTabTitleObject::DoUpdateCoolIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName)
{
    return IconFromFile(&CPageTitle::UpdateCoolIcon, nPageIndex, bDefault, lpszFileName);
}

BOOL CNorvakTabTitleObject::DoUpdateHotIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName)
{
    return IconFromFile(&CPageTitle::UpdateHotIcon, nPageIndex, bDefault, lpszFileName);
}

BOOL CNorvakTabTitleObject::DoUpdateActiveIconFromFile(long nPageIndex, BOOL bDefault, CString lpszFileName)
{
    return IconFromFile(&CPageTitle::UpdateActiveIcon, nPageIndex, bDefault, lpszFileName);
}

BOOL CNorvakTabTitleObject::DoDeleteIcon(long nPageIndex)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.DeleteIcons(nPageIndex); });
}

// ---- titles and protection ----

BOOL CNorvakTabTitleObject::DoSetPageTitle(long nPageIndex, CString lpszTitle)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.SetPageTitle(nPageIndex, lpszTitle); });
}

CString CNorvakTabTitleObject::DoGetPageTitle(long nPageIndex)
{
    return Forward(CString(), [&](CPageTitle& s) { return s.GetPageTitle(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoOpenPage(long nPageIndex, CString lpszUserName, CString lpszPWD)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.OpenPage(nPageIndex, lpszUserName, lpszPWD); });
}

BOOL CNorvakTabTitleObject::DoClosePage(long nPageIndex)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.ClosePage(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoDeletePage(long nPageIndex, CString lpszUserName, CString lpszPWD)
{
    return Forward(FALSE,
                   [&](CPageTitle& s) { return s.DeleteProtectedPage(nPageIndex, lpszUserName, lpszPWD); });
}

BOOL CNorvakTabTitleObject::DoSetPagePassWord(long nPageIndex, CString lpszUserName, CString lpszPWD,
                                              CString lpszNewPWD)
{
    return Forward(FALSE, [&](CPageTitle& s) {
        return s.SetPagePassword(nPageIndex, lpszUserName, lpszPWD, lpszNewPWD);
    });
}

CString CNorvakTabTitleObject::DoGetPagePassWord(long nPageIndex)
{
    return Forward(CString(), [&](CPageTitle& s) { return s.GetPagePassword(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoSetPageUser(long nPageIndex, CString lpszUserName, CString lpszPWD,
                                          CString lpszNewUser)
{
    return Forward(
        FALSE, [&](CPageTitle& s) { return s.SetPageUser(nPageIndex, lpszUserName, lpszPWD, lpszNewUser); });
}

CString CNorvakTabTitleObject::DoGetPageUser(long nPageIndex)
{
    return Forward(CString(), [&](CPageTitle& s) { return s.GetPageUser(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoSetPageUserNameAndPassWord(long nPageIndex, CString lpszUserName,
                                                         CString lpszPWD, CString lpszNewUser,
                                                         CString lpszNewPWD)
{
    return Forward(FALSE, [&](CPageTitle& s) {
        return s.SetPageUserAndPassword(nPageIndex, lpszUserName, lpszPWD, lpszNewUser, lpszNewPWD);
    });
}

BOOL CNorvakTabTitleObject::DoSetPageOpPrivilege(long nPageIndex, short nPrivilege, CString lpszUserName,
                                                 CString lpszPWD)
{
    return Forward(FALSE, [&](CPageTitle& s) {
        return s.SetPagePrivilege(nPageIndex, nPrivilege, lpszUserName, lpszPWD);
    });
}

short CNorvakTabTitleObject::DoGetPageOpPrivilege(long nPageIndex)
{
    return Forward<short>(0, [&](CPageTitle& s) { return s.GetPagePrivilege(nPageIndex); });
}

BOOL CNorvakTabTitleObject::DoSetPageContentVisible(long nPageIndex, BOOL bVisible)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.SetPageContentVisible(nPageIndex, bVisible); });
}

BOOL CNorvakTabTitleObject::DoGetPageContentIsVisible(long nPageIndex)
{
    return Forward(FALSE, [&](CPageTitle& s) { return s.GetPageContentIsVisible(nPageIndex); });
}
