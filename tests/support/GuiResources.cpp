#include "tests/support/GuiResources.h"

#include "tests/support/PickerParent.h"

#include <gtest/gtest.h>

#include <winternl.h>

#include <cstdint>

namespace {

// One entry of the shared GDI handle table.
struct GdiHandleEntry
{
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

const int kGdiHandleSlots = 0x10000;

const GdiHandleEntry* SharedHandleTable()
{
    // PEB::GdiSharedHandleTable
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic),
                                  nullptr) != 0)
        return nullptr;
    const BYTE* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    return *reinterpret_cast<const GdiHandleEntry* const*>(peb + offset);
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count)
{
    ++*reinterpret_cast<DWORD*>(count);
    EnumChildWindows(window, &CountWindow, count);
    return TRUE;
}

} // namespace

DWORD GdiObjectCount()
{
    if (DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return counted;
    const GdiHandleEntry* table = SharedHandleTable();
    DWORD live = 0;
    if (table) {
        for (int i = 0; i < kGdiHandleSlots; ++i)
            live += table[i].type != 0;
    }
    return live;
}

DWORD UserObjectCount()
{
    if (DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))
        return counted;
    DWORD windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void ExpectRepeatedRunsLeaveNothing(const std::function<void()>& run)
{
    for (int i = 0; i < 2; ++i) {
        run();
        PumpPending();
    }
    const DWORD gdi = GdiObjectCount();
    const DWORD user = UserObjectCount();
    for (int i = 0; i < 3; ++i)
        run();
    PumpPending();
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
}
