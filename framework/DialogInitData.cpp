#include "framework/DialogInitData.h"

#include <cstring>

namespace {

bool ReadWord(const BYTE* data, size_t size, size_t& at, WORD& value)
{
    if (size - at < sizeof(WORD))
        return false;
    std::memcpy(&value, data + at, sizeof(WORD));
    at += sizeof(WORD);
    return true;
}

std::wstring FromUtf8(const char* text, int length)
{
    if (length <= 0)
        return std::wstring();
    const int chars = ::MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
    std::wstring wide(size_t(chars > 0 ? chars : 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text, length, wide.data(), chars);
    return wide;
}

} // namespace

std::vector<DialogInitItem> ParseDialogInitData(const BYTE* data, size_t size)
{
    std::vector<DialogInitItem> items;
    size_t at = 0;
    WORD id = 0;
    WORD message = 0;
    while (data && ReadWord(data, size, at, id) && id != 0 && ReadWord(data, size, at, message)) {
        if (message != CB_ADDSTRING && message != LB_ADDSTRING)
            break;
        const void* end = std::memchr(data + at, 0, size - at);
        if (!end)
            break;
        const char* text = reinterpret_cast<const char*>(data + at);
        const int length = int(static_cast<const BYTE*>(end) - (data + at));
        items.push_back({id, message, FromUtf8(text, length)});
        at += size_t(length) + 1;
    }
    return items;
}
