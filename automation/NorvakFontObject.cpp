#include "automation/NorvakFontObject.h"

#include "automation/ObjectDispatchMaps.h"
#include "framework/CommonDialogs.h"
#include "Norvak_h.h"

#include <olectl.h>

#include <cstring>

CNorvakFontObject::CNorvakFontObject() : CAutomationObject(DIID_INorvakFontObject, FontObjectDispatchMap()) {}

void CNorvakFontObject::BindFontRecord(HWND window, CFontRecord* record)
{
    m_window = window;
    m_record = record;
}

template <class Change> BOOL CNorvakFontObject::Edit(Change change)
{
    if (!m_record)
        return FALSE;
    change(m_record->font);
    Repaint();
    return TRUE;
}

void CNorvakFontObject::Repaint() const
{
    if (m_window && ::IsWindow(m_window))
        ::InvalidateRect(m_window, nullptr, TRUE);
}

void CNorvakFontObject::SetFaceName(LOGFONTA& font, const CString& name)
{
    // Cut to what the record holds, always terminated.
    std::strncpy(font.lfFaceName, name.GetString(), LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
}

BOOL CNorvakFontObject::DoSetFontHeight(long nHeight)
{
    return Edit([&](LOGFONTA& f) { f.lfHeight = nHeight; });
}

long CNorvakFontObject::DoGetFontHeight()
{
    return m_record ? m_record->font.lfHeight : -1;
}

BOOL CNorvakFontObject::DoSetFontWidth(long nWidth)
{
    return Edit([&](LOGFONTA& f) { f.lfWidth = nWidth; });
}

long CNorvakFontObject::DoGetFontWidth()
{
    return m_record ? m_record->font.lfWidth : -1;
}

BOOL CNorvakFontObject::DoSetFontEscapement(long nEscapement)
{
    return Edit([&](LOGFONTA& f) { f.lfEscapement = nEscapement; });
}

long CNorvakFontObject::DoGetFontEscapement()
{
    return m_record ? m_record->font.lfEscapement : -1;
}

BOOL CNorvakFontObject::DoSetFontOrientation(long nOrientation)
{
    return Edit([&](LOGFONTA& f) { f.lfOrientation = nOrientation; });
}

long CNorvakFontObject::DoGetFontOrientation()
{
    return m_record ? m_record->font.lfOrientation : -1;
}

BOOL CNorvakFontObject::DoSetFontWeight(long nWeight)
{
    return Edit([&](LOGFONTA& f) { f.lfWeight = nWeight; });
}

long CNorvakFontObject::DoGetFontWeight()
{
    return m_record ? m_record->font.lfWeight : -1;
}

BOOL CNorvakFontObject::DoSetFontItalic(BOOL bItalic)
{
    return Edit([&](LOGFONTA& f) { f.lfItalic = BYTE(bItalic); });
}

BOOL CNorvakFontObject::DoGetFontIsItalic()
{
    return m_record ? m_record->font.lfItalic : 0;
}

BOOL CNorvakFontObject::DoSetFontUnderline(BOOL bUnderline)
{
    return Edit([&](LOGFONTA& f) { f.lfUnderline = BYTE(bUnderline); });
}

BOOL CNorvakFontObject::DoGetFontIsUnderline()
{
    return m_record ? m_record->font.lfUnderline : 0;
}

BOOL CNorvakFontObject::DoSetFontStrikeOut(BOOL bStrikeOut)
{
    return Edit([&](LOGFONTA& f) { f.lfStrikeOut = BYTE(bStrikeOut); });
}

BOOL CNorvakFontObject::DoGetFontIsStrikeOut()
{
    return m_record ? m_record->font.lfStrikeOut : 0;
}

BOOL CNorvakFontObject::DoSetFontCharSet(short nCharSet)
{
    return Edit([&](LOGFONTA& f) { f.lfCharSet = BYTE(nCharSet); });
}

short CNorvakFontObject::DoGetFontCharSet()
{
    return m_record ? short(m_record->font.lfCharSet) : 0;
}

BOOL CNorvakFontObject::DoSetFontOutPrecision(short nOutPrecision)
{
    return Edit([&](LOGFONTA& f) { f.lfOutPrecision = BYTE(nOutPrecision); });
}

short CNorvakFontObject::DoGetFontOutPrecision()
{
    return m_record ? short(m_record->font.lfOutPrecision) : 0;
}

BOOL CNorvakFontObject::DoSetFontClipPrecision(long nClipPrecision)
{
    return Edit([&](LOGFONTA& f) { f.lfClipPrecision = BYTE(nClipPrecision); });
}

long CNorvakFontObject::DoGetFontClipPrecision()
{
    return m_record ? long(m_record->font.lfClipPrecision) : -1;
}

BOOL CNorvakFontObject::DoSetFontQuality(short nQuality)
{
    return Edit([&](LOGFONTA& f) { f.lfQuality = BYTE(nQuality); });
}

short CNorvakFontObject::DoGetFontQuality()
{
    return m_record ? short(m_record->font.lfQuality) : 0;
}

BOOL CNorvakFontObject::DoSetFontPitchAndFamily(long nPitchAndFamily)
{
    return Edit([&](LOGFONTA& f) { f.lfPitchAndFamily = BYTE(nPitchAndFamily); });
}

long CNorvakFontObject::DoGetFontPitchAndFamily()
{
    return m_record ? long(m_record->font.lfPitchAndFamily) : -1;
}

BOOL CNorvakFontObject::DoSetFontFaceName(CString lpszFontName)
{
    return Edit([&](LOGFONTA& f) { SetFaceName(f, lpszFontName); });
}

CString CNorvakFontObject::DoGetFontFaceName()
{
    return m_record ? CString(m_record->font.lfFaceName) : CString();
}

BOOL CNorvakFontObject::DoSetFontColor(OLE_COLOR crFont)
{
    if (!m_record)
        return FALSE;
    COLORREF colour = 0;
    if (FAILED(::OleTranslateColor(crFont, nullptr, &colour)))
        colour = crFont;
    m_record->crText = colour;
    Repaint();
    return TRUE;
}

OLE_COLOR CNorvakFontObject::DoGetFontColor()
{
    return m_record ? m_record->crText : 0;
}

BOOL CNorvakFontObject::DoSetFontFromFontDialog()
{
    if (!m_record)
        return FALSE;
    CFontDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS);
    if (dialog.DoModal() == IDOK) {
        dialog.GetLogFont(&m_record->font);
        m_record->crText = dialog.GetColor();
    }
    Repaint();
    return TRUE;
}

BOOL CNorvakFontObject::DoSetFontSize(long nFontSize)
{
    if (!m_record || nFontSize <= 0)
        return FALSE;
    HDC dc = ::GetDC(m_window);
    const int pixelsPerInch = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(m_window, dc);
    return Edit([&](LOGFONTA& f) { f.lfHeight = nFontSize * pixelsPerInch / -72; });
}

BOOL CNorvakFontObject::DoSetSystemFont()
{
    return Edit([](LOGFONTA& f) { SetFaceName(f, "system"); });
}

BOOL CNorvakFontObject::DoSetFont(long nHeight, long nWidth, long nEscapement, long nOrientation, long nWeight,
                                  BOOL bItalic, BOOL bUnderline, BOOL bStrikeOut, short nCharSet,
                                  short nOutPrecision, long nClipPrecision, short nQuality, long nPitchAndFamily,
                                  CString lpszFontName)
{
    return Edit([&](LOGFONTA& f) {
        f.lfHeight = nHeight;
        f.lfWidth = nWidth;
        f.lfEscapement = nEscapement;
        f.lfOrientation = nOrientation;
        f.lfWeight = nWeight;
        f.lfItalic = BYTE(bItalic);
        f.lfUnderline = BYTE(bUnderline);
        f.lfStrikeOut = BYTE(bStrikeOut);
        f.lfCharSet = BYTE(nCharSet);
        f.lfOutPrecision = BYTE(nOutPrecision);
        f.lfClipPrecision = BYTE(nClipPrecision);
        f.lfQuality = BYTE(nQuality);
        f.lfPitchAndFamily = BYTE(nPitchAndFamily);
        SetFaceName(f, lpszFontName);
    });
}

BOOL CNorvakFontObject::DoSetFontHeighAndName(long nHeight, CString lpszFontName)
{
    return Edit([&](LOGFONTA& f) {
        f.lfHeight = nHeight;
        SetFaceName(f, lpszFontName);
    });
}

BOOL CNorvakFontObject::DoSetFontWeightAndItalicOrline(long nWeight, BOOL bItalic, BOOL bUnderline)
{
    return Edit([&](LOGFONTA& f) {
        f.lfWeight = nWeight;
        f.lfItalic = BYTE(bItalic);
        f.lfUnderline = BYTE(bUnderline);
    });
}
