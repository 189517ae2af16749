#include "automation/NorvakTabArrowObject.h"

#include "automation/ClientValues.h"
#include "automation/ObjectDispatchMaps.h"
#include "tabs/TabScroll.h"
#include "Norvak_h.h"

#include <algorithm>

namespace {

constexpr COLORREF kDefaultFrameLine = 0x808080;

// The bar's status-text font, a field of the bar, which lives as long as the control.
class CStatusFontPlace : public CFontRecordPlace
{
public:
    explicit CStatusFontPlace(CTabScroll& bar) : m_bar(bar) {}
    const CFontRecord* Read() override { return &m_bar.m_statusFont; }
    CFontRecord* Edit() override { return &m_bar.m_statusFont; }
    HWND Window() const override { return m_bar.m_hWnd; }

private:
    CTabScroll& m_bar;
};

// A frame line type 0..4; anything else is 0.
int FrameType(short value)
{
    return value >= 0 && value <= 4 ? value : 0;
}

} // namespace

CNorvakTabArrowObject::CNorvakTabArrowObject()
    : CAutomationObject(DIID_INorvakTabArrowObject, TabArrowObjectDispatchMap()),
      m_font(new CNorvakFontObject)
{
}

CNorvakTabArrowObject::~CNorvakTabArrowObject()
{
    m_font->BindFontRecord(nullptr);
    m_font->Release();
}

void CNorvakTabArrowObject::BindBar(CTabScroll* bar)
{
    m_bar = bar;
    if (!bar)
        m_font->BindFontRecord(nullptr);
}

template <class R, class Call> R CNorvakTabArrowObject::Forward(R failure, Call call)
{
    return m_bar ? R(call(*m_bar)) : failure;
}

template <class Write> BOOL CNorvakTabArrowObject::Setting(Write write)
{
    if (!m_bar)
        return FALSE;
    write(*m_bar);
    m_bar->Invalidate();
    return TRUE;
}

// ---- arrows, visibility and the status text ----

short CNorvakTabArrowObject::DoGetArrows()
{
    return Forward<short>(0, [](CTabScroll& b) { return b.GetArrows(); });
}

BOOL CNorvakTabArrowObject::DoSetArrows(BOOL b2Arrows, BOOL b3DFace)
{
    return Setting([&](CTabScroll& b) {
        b.SetTwoArrows(b2Arrows);
        b.SetFlat(!b3DFace);
        b.RecalcLayout();
    });
}

BOOL CNorvakTabArrowObject::DoSetArrows3DFace(BOOL b3DFace)
{
    return Setting([&](CTabScroll& b) { b.SetFlat(!b3DFace); });
}

BOOL CNorvakTabArrowObject::DoGetArrowsIs3DFace()
{
    return Forward(FALSE, [](CTabScroll& b) { return !b.GetFlat(); });
}

BOOL CNorvakTabArrowObject::DoSetWindowVisible(BOOL bVisible)
{
    return Setting([&](CTabScroll& b) { b.SetWindowVisible(bVisible); });
}

BOOL CNorvakTabArrowObject::DoGetWindowIsVisible()
{
    return Forward(FALSE, [](CTabScroll& b) { return b.GetWindowIsVisible(); });
}

BOOL CNorvakTabArrowObject::DoSetStatusInfoShow(BOOL bShow)
{
    return Setting([&](CTabScroll& b) { b.SetShowStatusInfo(bShow); });
}

BOOL CNorvakTabArrowObject::DoGetStatusInfoIsShow()
{
    return Forward(FALSE, [](CTabScroll& b) { return b.GetShowStatusInfo(); });
}

BOOL CNorvakTabArrowObject::DoSetStatusInfoShowTrans(BOOL bTrans)
{
    return Setting([&](CTabScroll& b) { b.SetStatusInfoTransparent(bTrans); });
}

BOOL CNorvakTabArrowObject::DoGetStatusInfoShowIsTrans()
{
    return Forward(FALSE, [](CTabScroll& b) { return b.m_statusFont.bTransparent; });
}

BOOL CNorvakTabArrowObject::DoSetStatusInfoFgColor(OLE_COLOR fgColor)
{
    return Setting([&](CTabScroll& b) { b.m_statusFont.crText = TranslateOleColor(fgColor); });
}

OLE_COLOR CNorvakTabArrowObject::DoGetStatusInfoFgColor()
{
    return Forward<OLE_COLOR>(0, [](CTabScroll& b) { return b.m_statusFont.crText; });
}

BOOL CNorvakTabArrowObject::DoSetStatusInfoBkColor(OLE_COLOR bkColor)
{
    return Setting([&](CTabScroll& b) { b.m_statusFont.crBackground = TranslateOleColor(bkColor); });
}

OLE_COLOR CNorvakTabArrowObject::DoGetStatusInfoBkColor()
{
    return Forward<OLE_COLOR>(0, [](CTabScroll& b) { return b.m_statusFont.crBackground; });
}

IDispatch* CNorvakTabArrowObject::DoGetFontObject()
{
    if (!m_bar)
        return nullptr;
    m_font->BindFontRecord(std::make_unique<CStatusFontPlace>(*m_bar));
    return m_font->GetDispatch();
}

BOOL CNorvakTabArrowObject::DoSetStatusInfoFormat(short newFormat)
{
    return Setting([&](CTabScroll& b) { b.m_nStatusAlign = newFormat; });
}

short CNorvakTabArrowObject::DoGetStatusInfoFormat()
{
    return Forward<short>(2, [](CTabScroll& b) { return b.m_nStatusAlign; });
}

BOOL CNorvakTabArrowObject::DoSetStatusInfoType(short nShort)
{
    return Setting([&](CTabScroll& b) { b.m_nStatusFrame = nShort; });
}

short CNorvakTabArrowObject::DoGetStatusInfoType()
{
    return Forward<short>(0, [](CTabScroll& b) { return b.m_nStatusFrame; });
}

// ---- colours and frames ----

BOOL CNorvakTabArrowObject::DoSetLeftTopLineColor(OLE_COLOR lineColor)
{
    return Setting([&](CTabScroll& b) {
        b.m_crLeftTop = TranslateOleColor(lineColor);
        b.m_bLeftTopDefault = FALSE;
    });
}

OLE_COLOR CNorvakTabArrowObject::DoGetLeftTopLineColor()
{
    return Forward<OLE_COLOR>(
        0, [](CTabScroll& b) { return b.m_bLeftTopDefault ? kDefaultFrameLine : b.m_crLeftTop; });
}

BOOL CNorvakTabArrowObject::DoSetRightBottomLineColor(OLE_COLOR lineColor)
{
    return Setting([&](CTabScroll& b) {
        b.m_crRightBottom = TranslateOleColor(lineColor);
        b.m_bRightBottomDefault = FALSE;
    });
}

OLE_COLOR CNorvakTabArrowObject::DoGetRightBottomLineColor()
{
    return Forward<OLE_COLOR>(
        0, [](CTabScroll& b) { return b.m_bRightBottomDefault ? kDefaultFrameLine : b.m_crRightBottom; });
}

BOOL CNorvakTabArrowObject::DoSetIconLineType(short nShort)
{
    return Setting([&](CTabScroll& b) { b.m_nIconFrame = FrameType(nShort); });
}

short CNorvakTabArrowObject::DoGetIconLineType()
{
    return Forward<short>(0, [](CTabScroll& b) { return b.m_nIconFrame; });
}

BOOL CNorvakTabArrowObject::DoSetButtonLineType(short nShort)
{
    return Setting([&](CTabScroll& b) { b.m_nButtonFrame = FrameType(nShort); });
}

short CNorvakTabArrowObject::DoGetButtonLineType()
{
    return Forward<short>(0, [](CTabScroll& b) { return b.m_nButtonFrame; });
}

BOOL CNorvakTabArrowObject::DoSetBkColor(OLE_COLOR bkColor)
{
    return Setting([&](CTabScroll& b) { b.m_crBackground = TranslateOleColor(bkColor); });
}

OLE_COLOR CNorvakTabArrowObject::DoGetBkColor()
{
    return Forward<OLE_COLOR>(0, [](CTabScroll& b) { return b.m_crBackground; });
}

BOOL CNorvakTabArrowObject::DoSetHotTrackColor(OLE_COLOR crColorValue)
{
    return Setting([&](CTabScroll& b) { b.m_crHot = TranslateOleColor(crColorValue); });
}

OLE_COLOR CNorvakTabArrowObject::DoGetHotTrackColor()
{
    return Forward<OLE_COLOR>(0, [](CTabScroll& b) { return b.m_crHot; });
}

BOOL CNorvakTabArrowObject::DoSetShowCommandButton(BOOL bEnableCommandButton)
{
    return Setting([&](CTabScroll& b) { b.SetShowCommandButtons(bEnableCommandButton); });
}

BOOL CNorvakTabArrowObject::DoGetCommandButtonIsEnable()
{
    return Forward(FALSE, [](CTabScroll& b) { return b.GetShowCommandButtons(); });
}

BOOL CNorvakTabArrowObject::DoSetShowOnlyIcon(BOOL bEnableShowIcon)
{
    return Setting([&](CTabScroll& b) { b.SetShowOnlyIcons(bEnableShowIcon); });
}

BOOL CNorvakTabArrowObject::DoGetShowIconIsEnable()
{
    return Forward(FALSE, [](CTabScroll& b) { return b.GetShowOnlyIcons(); });
}

// ---- command buttons ----

BOOL CNorvakTabArrowObject::InsertAt(int index, BOOL bUseDefault, HICON cool, HICON hot)
{
    if (!m_bar)
        return FALSE;
    // The bar copies the icons into the button's own list; the caller keeps its handles.
    return bUseDefault ? m_bar->InsertDefaultButton(index) : m_bar->InsertButton(index, cool, hot);
}

BOOL CNorvakTabArrowObject::DoAddIcon(BOOL bUseDefault, HICON hNewCoolIcon, HICON hNewHotIcon)
{
    return InsertAt(m_bar ? m_bar->GetButtonCount() : 0, bUseDefault, hNewCoolIcon, hNewHotIcon);
}

BOOL CNorvakTabArrowObject::DoAddIconFromFile(BOOL bUseDefault, CString lpszCoolIconFileName,
                                              CString lpszHotIconFileName)
{
    const IconHandle cool = LoadIconFile(lpszCoolIconFileName);
    const IconHandle hot = LoadIconFile(lpszHotIconFileName);
    return DoAddIcon(bUseDefault, cool.get(), hot.get());
}

BOOL CNorvakTabArrowObject::DoInsertIcon(short nIconIndex, BOOL bUseDefault, HICON hNewCoolIcon,
                                         HICON hNewHotIcon)
{
    const int count = m_bar ? m_bar->GetButtonCount() : 0;
    return InsertAt(std::clamp<int>(nIconIndex, 0, count), bUseDefault, hNewCoolIcon, hNewHotIcon);
}

BOOL CNorvakTabArrowObject::DoInsertIconFromFile(short nIconIndex, BOOL bUseDefault,
                                                 CString lpszCoolIconFileName, CString lpszHotIconFileName)
{
    const IconHandle cool = LoadIconFile(lpszCoolIconFileName);
    const IconHandle hot = LoadIconFile(lpszHotIconFileName);
    return DoInsertIcon(nIconIndex, bUseDefault, cool.get(), hot.get());
}

BOOL CNorvakTabArrowObject::DoUpdateIcon(short nIconIndex, BOOL bUseDefault, BOOL bUpdateCoolIcon,
                                         HICON hNewCoolIcon, BOOL bUpdateHotIcon, HICON hNewHotIcon)
{
    // A button that is not there is no success.
    if (!m_bar || nIconIndex < 0 || nIconIndex >= m_bar->GetButtonCount())
        return FALSE;
    if (bUseDefault) {
        m_bar->UpdateButtonCoolIcon(nIconIndex, TRUE, nullptr);
        m_bar->UpdateButtonHotIcon(nIconIndex, TRUE, nullptr);
        return TRUE;
    }
    if (bUpdateCoolIcon)
        m_bar->UpdateButtonCoolIcon(nIconIndex, FALSE, hNewCoolIcon);
    if (bUpdateHotIcon)
        m_bar->UpdateButtonHotIcon(nIconIndex, FALSE, hNewHotIcon);
    return TRUE;
}

BOOL CNorvakTabArrowObject::DoUpdateIconFromFile(short nIconIndex, BOOL bUseDefault, BOOL bUpdateCoolIcon,
                                                 CString lpszCoolIconFileName, BOOL bUpdateHotIcon,
                                                 CString lpszHotIconFileName)
{
    const IconHandle cool = LoadIconFile(lpszCoolIconFileName);
    const IconHandle hot = LoadIconFile(lpszHotIconFileName);
    return DoUpdateIcon(nIconIndex, bUseDefault, bUpdateCoolIcon, cool.get(), bUpdateHotIcon, hot.get());
}

BOOL CNorvakTabArrowObject::DoDeleteIcon(short nIconIndex)
{
    if (!m_bar || m_bar->GetButtonCount() == 0)
        return FALSE;
    return m_bar->DeleteButton(std::clamp<int>(nIconIndex, 0, m_bar->GetButtonCount() - 1));
}

short CNorvakTabArrowObject::DoGetIconCounts()
{
    return Forward<short>(0, [](CTabScroll& b) { return b.GetButtonCount(); });
}

BOOL CNorvakTabArrowObject::DoSetIconText(short nIconIndex, CString lpszIconText)
{
    return Forward(FALSE, [&](CTabScroll& b) { return b.SetButtonText(nIconIndex, lpszIconText); });
}

CString CNorvakTabArrowObject::DoGetIconText(short nIconIndex)
{
    return Forward(CString(), [&](CTabScroll& b) { return b.GetButtonText(nIconIndex); });
}

BOOL CNorvakTabArrowObject::DoSetButtonTrack(short nIconIndex, BOOL bSetHotTrack)
{
    return Forward(FALSE, [&](CTabScroll& b) { return b.SetButtonTrack(nIconIndex, bSetHotTrack); });
}

BOOL CNorvakTabArrowObject::DoGetButtonIsTrack(short nIconIndex)
{
    return Forward(FALSE, [&](CTabScroll& b) { return b.GetButtonIsTrack(nIconIndex); });
}

BOOL CNorvakTabArrowObject::DoSetButtonEnable(short nIconIndex, BOOL bEnable)
{
    return Forward(FALSE, [&](CTabScroll& b) { return b.SetButtonEnable(nIconIndex, bEnable); });
}

BOOL CNorvakTabArrowObject::DoGetButtonIsEnable(short nIconIndex)
{
    return Forward(FALSE, [&](CTabScroll& b) { return b.GetButtonIsEnable(nIconIndex); });
}
