#pragma once

// Another program's writes of the clipboard: the plain clipboard API, no OLE. The control hears of
// them as a clipboard viewer once the queue is pumped.

#include "tests/support/InputPump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

// The text as CF_TEXT bytes, or an empty clipboard for none.
inline void WriteForeignText(const char* text)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    if (text) {
        const size_t size = std::strlen(text) + 1;
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(::GlobalLock(block), text, size);
        ::GlobalUnlock(block);
        EXPECT_NE(::SetClipboardData(CF_TEXT, block), nullptr);
    }
    ::CloseClipboard();
    PumpAsContainer(nullptr);
}
