#pragma once

// The printers and the print spooler, behind one seam: printer lookup and enumeration, paper lists,
// printer DCs and the calls of a print job. The system's spooler serves unless a replacement is
// installed (a test prints into a metafile behind it, with no printer and no person).
//
// Ownership: an installed spooler is borrowed and must outlive its installation.

#include "framework/CString.h"

#include <windows.h>

#include <vector>

struct CPaperList
{
    std::vector<CString> names;
    std::vector<WORD> codes;
};

class CPrintSpooler
{
public:
    virtual ~CPrintSpooler() = default;

    // The local and connected printers, in enumeration order; empty when they cannot be listed.
    virtual std::vector<CString> EnumPrinters();
    // The printer's own DEVMODE (fixed part and driver bytes); empty when it cannot be opened.
    virtual std::vector<BYTE> GetPrinterDevMode(const CString& printer);
    // The papers the printer offers (asked at port "LPT1"); empty lists when it reports none.
    virtual CPaperList GetPapers(const CString& printer);

    // A DC for the named printer, or for the default printer; null when there is none.
    virtual HDC CreatePrinterDC(const CString& printer, const DEVMODEW* mode);
    virtual HDC CreateDefaultPrinterDC();
    virtual void ResetDC(HDC dc, const DEVMODEW& mode);
    virtual void DeletePrinterDC(HDC dc);

    virtual int SetAbortProc(HDC dc, ABORTPROC proc);
    virtual int StartDoc(HDC dc, const CString& documentName);
    virtual int StartPage(HDC dc);
    virtual int EndPage(HDC dc);
    virtual int EndDoc(HDC dc);
    virtual int AbortDoc(HDC dc);

    static CPrintSpooler& Current();
    // Null puts the system's spooler back.
    static void Install(CPrintSpooler* spooler);
};

// The printer's DEVMODE with orientation and paper set, ready to hand to a DC; empty when the
// printer cannot be found.
std::vector<BYTE> PrinterModeFor(const CString& printer, int orientation, int paperSize);
