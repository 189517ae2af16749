#pragma once

// The tab arrow automation object: the arrow bar beside the page tabs with its command buttons and
// status text. Most members forward to the bar; the colour, alignment and frame members write the
// bar's settings and repaint it. The control keeps one and re-binds it for each request, so every
// pointer a client holds sees the newest binding.
//
// Ownership: does not own the bar; the control detaches it when it goes, after which every member
// answers its failure value. Owns its font object (one reference).

#include "automation/NorvakFontObject.h"
#include "framework/AutomationObject.h"
#include "framework/CString.h"

class CTabScroll;

class CNorvakTabArrowObject : public CAutomationObject
{
public:
    CNorvakTabArrowObject();

    void BindBar(CTabScroll* bar);
    void Detach() { BindBar(nullptr); }

    short DoGetArrows();
    BOOL DoSetArrows(BOOL b2Arrows, BOOL b3DFace);
    BOOL DoSetStatusInfoShow(BOOL bShow);
    BOOL DoGetStatusInfoIsShow();
    BOOL DoSetArrows3DFace(BOOL b3DFace);
    BOOL DoGetArrowsIs3DFace();
    BOOL DoSetStatusInfoShowTrans(BOOL bTrans);
    BOOL DoGetStatusInfoShowIsTrans();
    BOOL DoSetStatusInfoFgColor(OLE_COLOR fgColor);
    OLE_COLOR DoGetStatusInfoFgColor();
    BOOL DoSetStatusInfoBkColor(OLE_COLOR bkColor);
    OLE_COLOR DoGetStatusInfoBkColor();
    IDispatch* DoGetFontObject();
    BOOL DoSetStatusInfoFormat(short newFormat);
    short DoGetStatusInfoFormat();
    BOOL DoSetLeftTopLineColor(OLE_COLOR lineColor);
    OLE_COLOR DoGetLeftTopLineColor();
    BOOL DoSetRightBottomLineColor(OLE_COLOR lineColor);
    OLE_COLOR DoGetRightBottomLineColor();
    BOOL DoSetIconLineType(short nShort);
    short DoGetIconLineType();
    BOOL DoSetButtonLineType(short nShort);
    short DoGetButtonLineType();
    BOOL DoSetBkColor(OLE_COLOR bkColor);
    OLE_COLOR DoGetBkColor();
    BOOL DoAddIcon(BOOL bUseDefault, HICON hNewCoolIcon, HICON hNewHotIcon);
    BOOL DoAddIconFromFile(BOOL bUseDefault, CString lpszCoolIconFileName, CString lpszHotIconFileName);
    BOOL DoUpdateIcon(short nIconIndex, BOOL bUseDefault, BOOL bUpdateCoolIcon, HICON hNewCoolIcon,
                      BOOL bUpdateHotIcon, HICON hNewHotIcon);
    BOOL DoUpdateIconFromFile(short nIconIndex, BOOL bUseDefault, BOOL bUpdateCoolIcon,
                              CString lpszCoolIconFileName, BOOL bUpdateHotIcon, CString lpszHotIconFileName);
    BOOL DoInsertIcon(short nIconIndex, BOOL bUseDefault, HICON hNewCoolIcon, HICON hNewHotIcon);
    BOOL DoInsertIconFromFile(short nIconIndex, BOOL bUseDefault, CString lpszCoolIconFileName,
                              CString lpszHotIconFileName);
    BOOL DoDeleteIcon(short nIconIndex);
    short DoGetIconCounts();
    BOOL DoSetIconText(short nIconIndex, CString lpszIconText);
    CString DoGetIconText(short nIconIndex);
    BOOL DoSetButtonTrack(short nIconIndex, BOOL bSetHotTrack);
    BOOL DoGetButtonIsTrack(short nIconIndex);
    BOOL DoSetHotTrackColor(OLE_COLOR crColorValue);
    OLE_COLOR DoGetHotTrackColor();
    BOOL DoSetStatusInfoType(short nShort);
    short DoGetStatusInfoType();
    BOOL DoSetShowCommandButton(BOOL bEnableCommandButton);
    BOOL DoGetCommandButtonIsEnable();
    BOOL DoSetShowOnlyIcon(BOOL bEnableShowIcon);
    BOOL DoGetShowIconIsEnable();
    BOOL DoSetButtonEnable(short nIconIndex, BOOL bEnable);
    BOOL DoGetButtonIsEnable(short nIconIndex);
    BOOL DoSetWindowVisible(BOOL bVisible);
    BOOL DoGetWindowIsVisible();

protected:
    ~CNorvakTabArrowObject() override;
    void* DispatchSelf() override { return this; }

private:
    // The bar's answer, or failure without a target.
    template <class R, class Call> R Forward(R failure, Call call);
    // Writes one of the bar's settings and repaints it; TRUE, or FALSE without a target.
    template <class Write> BOOL Setting(Write write);
    // A button at index with the two icons, or the built-in ones.
    BOOL InsertAt(int index, BOOL bUseDefault, HICON cool, HICON hot);

    CTabScroll* m_bar = nullptr;
    CNorvakFontObject* m_font;
};
