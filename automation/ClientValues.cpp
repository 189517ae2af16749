#include "automation/ClientValues.h"

#include "framework/FileName.h"

COLORREF TranslateOleColor(OLE_COLOR colour)
{
    COLORREF translated = 0;
    return SUCCEEDED(::OleTranslateColor(colour, nullptr, &translated)) ? translated : COLORREF(colour);
}

IconHandle LoadIconFile(const CString& path)
{
    const std::optional<std::wstring> name = path.IsEmpty() ? std::nullopt : SystemFileName(path);
    if (!name)
        return nullptr;
    return IconHandle(static_cast<HICON>(::LoadImageW(nullptr, name->c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE)));
}
