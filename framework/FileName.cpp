#include "framework/FileName.h"

std::optional<std::wstring> SystemFileName(const CString& name)
{
    if (name.str().find('\0') != std::string::npos)
        return std::nullopt;
    return name.ToWide();
}
