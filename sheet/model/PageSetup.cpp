#include "sheet/model/PageSetup.h"

#include <commdlg.h>

void CPageSetup::UseDefaultPrinter()
{
    PRINTDLGW query{};
    query.lStructSize = sizeof(query);
    query.Flags = PD_RETURNDEFAULT;
    if (!::PrintDlgW(&query))
        return;
    if (query.hDevNames) {
        if (auto* names = static_cast<DEVNAMES*>(::GlobalLock(query.hDevNames))) {
            m_strPrinterName =
                CString::FromWide(reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset);
            ::GlobalUnlock(query.hDevNames);
        }
        ::GlobalFree(query.hDevNames);
    }
    if (query.hDevMode) {
        if (auto* mode = static_cast<DEVMODEW*>(::GlobalLock(query.hDevMode))) {
            m_nPaperSize = mode->dmPaperSize;
            m_nOrientation = mode->dmOrientation;
            ::GlobalUnlock(query.hDevMode);
        }
        ::GlobalFree(query.hDevMode);
    }
}
