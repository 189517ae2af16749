#include "automation/NorvakFontObject.h"

#include "automation/ClientValues.h"
#include "automation/ObjectDispatchMaps.h"
#include "framework/CGdiObject.h"
#include "framework/CommonDialogs.h"
#include "Norvak_h.h"

#include <olectl.h>

CNorvakFontObject::CNorvakFontObject() : CAutomationObject(DIID_INorvakFontObject, FontObjectDispatchMap()) {}

void CNorvakFontObject::BindFontRecord(std::unique_ptr<CFontRecordPlace> place)
{
    m_place = std::move(place);
}

const CFontRecord* CNorvakFontObject::Record() const
{
    return m_place ? m_place->Read() : nullptr;
}

template <class Change> BOOL CNorvakFontObject::EditRecord(Change change)
{
    CFontRecord* record = m_place ? m_place->Edit() : nullptr;
    if (!record)
        return FALSE;
    change(*record);
    m_place->Commit();
    Repaint();
    return TRUE;
}

template <class Change> BOOL CNorvakFontObject::Edit(Change change)
{
    return EditRecord([&](CFontRecord& record) { change(record.font); });
}

void CNorvakFontObject::Repaint() const
{
    HWND window = m_place ? m_place->Window() : nullptr;
    if (window && ::IsWindow(window))
        ::InvalidateRect(window, nullptr, TRUE);
}

BOOL CNorvakFontObject::DoSetFontHeight(long nHeight)
{
    return Edit([&](LOGFONTA& f) { f.lfHeight = nHeight; });
}

long CNorvakFontObject::DoGetFontHeight()
{
    const CFontRecord* record = Record();
    return record ? record->font.lfHeight : -1;
}

BOOL CNorvakFontObject::DoSetFontWidth(long nWidth)
{
    return Edit([&](LOGFONTA& f) { f.lfWidth = nWidth; });
}

long CNorvakFontObject::DoGetFontWidth()
{
    const CFontRecord* record = Record();
    return record ? record->font.lfWidth : -1;
}

BOOL CNorvakFontObject::DoSetFontEscapement(long nEscapement)
{
    return Edit([&](LOGFONTA& f) { f.lfEscapement = nEscapement; });
}

long CNorvakFontObject::DoGetFontEscapement()
{
    const CFontRecord* record = Record();
    return record ? record->font.lfEscapement : -1;
}

BOOL CNorvakFontObject::DoSetFontOrientation(long nOrientation)
{
    return Edit([&](LOGFONTA& f) { f.lfOrientation = nOrientation; });
}

long CNorvakFontObject::DoGetFontOrientation()
{
    const CFontRecord* record = Record();
    return record ? record->font.lfOrientation : -1;
}

BOOL CNorvakFontObject::DoSetFontWeight(long nWeight)
{
    return Edit([&](LOGFONTA& f) { f.lfWeight = nWeight; });
}

long CNorvakFontObject::DoGetFontWeight()
{
    const CFontRecord* record = Record();
    return record ? record->font.lfWeight : -1;
}

BOOL CNorvakFontObject::DoSetFontItalic(BOOL bItalic)
{
    return Edit([&](LOGFONTA& f) { f.lfItalic = BYTE(bItalic); });
}

BOOL CNorvakFontObject::DoGetFontIsItalic()
{
    const CFontRecord* record = Record();
    return record ? record->font.lfItalic : 0;
}

BOOL CNorvakFontObject::DoSetFontUnderline(BOOL bUnderline)
{
    return Edit([&](LOGFONTA& f) { f.lfUnderline = BYTE(bUnderline); });
}

BOOL CNorvakFontObject::DoGetFontIsUnderline()
{
    const CFontRecord* record = Record();
    return record ? record->font.lfUnderline : 0;
}

BOOL CNorvakFontObject::DoSetFontStrikeOut(BOOL bStrikeOut)
{
    return Edit([&](LOGFONTA& f) { f.lfStrikeOut = BYTE(bStrikeOut); });
}

BOOL CNorvakFontObject::DoGetFontIsStrikeOut()
{
    const CFontRecord* record = Record();
    return record ? record->font.lfStrikeOut : 0;
}

BOOL CNorvakFontObject::DoSetFontCharSet(short nCharSet)
{
    return Edit([&](LOGFONTA& f) { f.lfCharSet = BYTE(nCharSet); });
}

short CNorvakFontObject::DoGetFontCharSet()
{
    const CFontRecord* record = Record();
    return record ? short(record->font.lfCharSet) : 0;
}

BOOL CNorvakFontObject::DoSetFontOutPrecision(short nOutPrecision)
{
    return Edit([&](LOGFONTA& f) { f.lfOutPrecision = BYTE(nOutPrecision); });
}

short CNorvakFontObject::DoGetFontOutPrecision()
{
    const CFontRecord* record = Record();
    return record ? short(record->font.lfOutPrecision) : 0;
}

BOOL CNorvakFontObject::DoSetFontClipPrecision(long nClipPrecision)
{
    return Edit([&](LOGFONTA& f) { f.lfClipPrecision = BYTE(nClipPrecision); });
}

long CNorvakFontObject::DoGetFontClipPrecision()
{
    const CFontRecord* record = Record();
    return record ? long(record->font.lfClipPrecision) : -1;
}

BOOL CNorvakFontObject::DoSetFontQuality(short nQuality)
{
    return Edit([&](LOGFONTA& f) { f.lfQuality = BYTE(nQuality); });
}

short CNorvakFontObject::DoGetFontQuality()
{
    const CFontRecord* record = Record();
    return record ? short(record->font.lfQuality) : 0;
}

BOOL CNorvakFontObject::DoSetFontPitchAndFamily(long nPitchAndFamily)
{
    return Edit([&](LOGFONTA& f) { f.lfPitchAndFamily = BYTE(nPitchAndFamily); });
}

long CNorvakFontObject::DoGetFontPitchAndFamily()
{
    const CFontRecord* record = Record();
    return record ? long(record->font.lfPitchAndFamily) : -1;
}

BOOL CNorvakFontObject::DoSetFontFaceName(CString lpszFontName)
{
    return Edit([&](LOGFONTA& f) { CFont::SetFaceName(f, lpszFontName); });
}

CString CNorvakFontObject::DoGetFontFaceName()
{
    const CFontRecord* record = Record();
    return record ? CString(record->font.lfFaceName) : CString();
}

BOOL CNorvakFontObject::DoSetFontColor(OLE_COLOR crFont)
{
    const COLORREF colour = TranslateOleColor(crFont);
    return EditRecord([&](CFontRecord& record) { record.crText = colour; });
}

OLE_COLOR CNorvakFontObject::DoGetFontColor()
{
    const CFontRecord* record = Record();
    return record ? record->crText : 0;
}

BOOL CNorvakFontObject::DoSetFontFromFontDialog()
{
    if (!Record())
        return FALSE;
    CFontDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS);
    const bool chosen = dialog.DoModal() == IDOK;
    // The record is looked up again: the dialog's messages may have taken it away.
    return EditRecord([&](CFontRecord& record) {
        if (chosen) {
            dialog.GetLogFont(&record.font);
            record.crText = dialog.GetColor();
        }
    });
}

BOOL CNorvakFontObject::DoSetFontSize(long nFontSize)
{
    if (!Record() || nFontSize <= 0)
        return FALSE;
    HWND window = m_place->Window();
    HDC dc = ::GetDC(window);
    const int pixelsPerInch = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(window, dc);
    return Edit([&](LOGFONTA& f) { f.lfHeight = nFontSize * pixelsPerInch / -72; });
}

BOOL CNorvakFontObject::DoSetSystemFont()
{
    return Edit([](LOGFONTA& f) { CFont::SetFaceName(f, "system"); });
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
        CFont::SetFaceName(f, lpszFontName);
    });
}

BOOL CNorvakFontObject::DoSetFontHeighAndName(long nHeight, CString lpszFontName)
{
    return Edit([&](LOGFONTA& f) {
        f.lfHeight = nHeight;
        CFont::SetFaceName(f, lpszFontName);
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
