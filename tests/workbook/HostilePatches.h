#pragma once

// Hostile patches of a good workbook, each of which the reader must refuse for its own reason,
// without an allocation the data could not justify, without a block left behind, and without
// handing out a page.

#include "tests/support/AllocationProbe.h"
#include "tests/workbook/WorkbookSamples.h"

#include <functional>
#include <span>

struct HostilePatch
{
    const char* name;
    const char* why; // a part of the reader's reason
    std::function<void(std::vector<uint8_t>&)> patch;
};

inline void ExpectEveryPatchRefused(const std::vector<uint8_t>& good, std::span<const HostilePatch> patches)
{
    std::vector<CLoadedPage> held;
    ASSERT_EQ(LoadBytes(good, held), CReadResult::Read) << "the unpatched file loads";
    const long long live = AllocationProbe::Live();
    for (const HostilePatch& c : patches) {
        {
            std::vector<uint8_t> bytes = good;
            c.patch(bytes);
            AllocationProbe::ResetLargest();
            std::string why;
            EXPECT_EQ(LoadBytes(bytes, held, &why), CReadResult::Refused) << c.name;
            EXPECT_NE(why.find(c.why), std::string::npos) << c.name << ": " << why;
            EXPECT_LT(AllocationProbe::Largest(), 64u * 1024) << c.name << ": more than the file justifies";
            EXPECT_EQ(held.size(), 1u) << c.name;
        }
        EXPECT_EQ(AllocationProbe::Live(), live) << c.name << ": blocks left behind";
    }
}
