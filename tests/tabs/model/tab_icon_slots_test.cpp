// The slots each icon operation fills, by the number of icons the list holds.

#include "tabs/model/TabIconSlots.h"

#include <gtest/gtest.h>

namespace {

using namespace TabIconSlots;

constexpr CStep AppendCool{true, 0, kCool};
constexpr CStep AppendHot{true, 1, kHot};
constexpr CStep AppendActive{true, 2, kActive};
constexpr CStep ReplaceCool{false, 0, kCool};
constexpr CStep ReplaceHot{false, 1, kHot};
constexpr CStep ReplaceActive{false, 2, kActive};

using Steps = std::optional<std::vector<CStep>>;
const Steps kRefused = std::nullopt;

struct Row
{
    const char* name;
    COperation operation;
    CIconKind kind;
    Steps byCount[4]; // for 0, 1, 2 and 3 icons
};

} // namespace

TEST(TabIconSlots, EachOperationByIconCount)
{
    const Row rows[] = {
        {"insert cool", kInsert, kCool, {Steps{{AppendCool}}, Steps{{ReplaceCool}}, Steps{{ReplaceCool}}, Steps{{ReplaceCool}}}},
        {"update cool", kUpdate, kCool, {Steps{{AppendCool}}, Steps{{ReplaceCool}}, Steps{{ReplaceCool}}, Steps{{ReplaceCool}}}},
        {"insert hot", kInsert, kHot, {Steps{{AppendCool, AppendHot}}, Steps{{AppendHot}}, Steps{{ReplaceHot}}, Steps{{ReplaceHot}}}},
        {"update hot", kUpdate, kHot, {kRefused, Steps{{AppendHot}}, Steps{{ReplaceHot}}, Steps{{ReplaceHot}}}},
        {"insert active", kInsert, kActive,
         {Steps{{AppendCool, AppendHot, AppendActive}}, Steps{{AppendHot, AppendActive}}, Steps{{AppendActive}},
          Steps{{ReplaceActive}}}},
        {"update active", kUpdate, kActive, {kRefused, kRefused, Steps{{AppendActive}}, Steps{{ReplaceActive}}}},
    };
    for (const Row& row : rows)
        for (int count = 0; count < 4; ++count)
            EXPECT_EQ(Plan(row.operation, row.kind, count), row.byCount[count]) << row.name << ", " << count << " icons";
}
