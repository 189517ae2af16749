#include "automation/ClientValues.h"

COLORREF TranslateOleColor(OLE_COLOR colour)
{
    COLORREF translated = 0;
    return SUCCEEDED(::OleTranslateColor(colour, nullptr, &translated)) ? translated : COLORREF(colour);
}

IconHandle LoadIconFile(const CString& path)
{
    if (path.IsEmpty())
        return nullptr;
    return IconHandle(static_cast<HICON>(
        ::LoadImageW(nullptr, path.ToWide().c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE)));
}
