#pragma once

// The font automation object: reads and changes one font record that lives elsewhere (a cell's, the
// page tabs', the arrow bar's status text) in place, and repaints the window that shows it.
//
// Ownership: owns the place it is bound to, never the window or the record; the place looks the
// record up at every call. Its owner unbinds it before the place could outlive what it points at;
// an unbound object, or one whose record has gone, answers every member with its failure value.

#include "automation/FontRecordPlace.h"
#include "framework/AutomationObject.h"
#include "framework/CString.h"
#include "sheet/model/CellTypes.h"

#include <memory>

class CNorvakFontObject : public CAutomationObject
{
public:
    CNorvakFontObject();

    // Null unbinds.
    void BindFontRecord(std::unique_ptr<CFontRecordPlace> place);

    BOOL DoSetFontHeight(long nHeight);
    long DoGetFontHeight();
    BOOL DoSetFontWidth(long nWidth);
    long DoGetFontWidth();
    BOOL DoSetFontEscapement(long nEscapement);
    long DoGetFontEscapement();
    BOOL DoSetFontOrientation(long nOrientation);
    long DoGetFontOrientation();
    BOOL DoSetFontWeight(long nWeight);
    long DoGetFontWeight();
    BOOL DoSetFontItalic(BOOL bItalic);
    BOOL DoGetFontIsItalic();
    BOOL DoSetFontUnderline(BOOL bUnderline);
    BOOL DoGetFontIsUnderline();
    BOOL DoSetFontStrikeOut(BOOL bStrikeOut);
    BOOL DoGetFontIsStrikeOut();
    BOOL DoSetFontCharSet(short nCharSet);
    short DoGetFontCharSet();
    BOOL DoSetFontOutPrecision(short nOutPrecision);
    short DoGetFontOutPrecision();
    BOOL DoSetFontClipPrecision(long nClipPrecision);
    long DoGetFontClipPrecision();
    BOOL DoSetFontQuality(short nQuality);
    short DoGetFontQuality();
    BOOL DoSetFontPitchAndFamily(long nPitchAndFamily);
    long DoGetFontPitchAndFamily();
    BOOL DoSetFontFaceName(CString lpszFontName);
    CString DoGetFontFaceName();
    BOOL DoSetFontColor(OLE_COLOR crFont);
    OLE_COLOR DoGetFontColor();
    BOOL DoSetFontFromFontDialog();
    BOOL DoSetFontSize(long nFontSize);
    BOOL DoSetSystemFont();
    BOOL DoSetFont(long nHeight, long nWidth, long nEscapement, long nOrientation, long nWeight, BOOL bItalic,
                   BOOL bUnderline, BOOL bStrikeOut, short nCharSet, short nOutPrecision, long nClipPrecision,
                   short nQuality, long nPitchAndFamily, CString lpszFontName);
    BOOL DoSetFontHeighAndName(long nHeight, CString lpszFontName);
    BOOL DoSetFontWeightAndItalicOrline(long nWeight, BOOL bItalic, BOOL bUnderline);

protected:
    void* DispatchSelf() override { return this; }

private:
    // The bound record as it is now; null when unbound or gone.
    const CFontRecord* Record() const;
    // Applies change to the bound record (its LOGFONT) and repaints; FALSE when unbound or gone.
    template <class Change> BOOL EditRecord(Change change);
    template <class Change> BOOL Edit(Change change);
    void Repaint() const;

    std::unique_ptr<CFontRecordPlace> m_place;
};
