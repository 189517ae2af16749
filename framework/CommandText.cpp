#include "framework/CommandText.h"

CommandText LoadCommandText(HINSTANCE module, UINT id)
{
    CString text;
    if (id == 0 || !text.LoadString(id, module))
        return {};
    const int feed = text.Find('\n');
    if (feed < 0)
        return {text, CString()};
    return {text.Left(feed), text.Mid(feed + 1)};
}
