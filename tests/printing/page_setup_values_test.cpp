// The page-setup pages' arithmetic: distance texts, what OK stores, what the preview reads and
// clamps, and the spin step.

#include "printing/PageSetupValues.h"

#include <gtest/gtest.h>

namespace {

using namespace PageSetupValues;

TEST(PageSetupValues, DistanceTextsInCentimetres)
{
    EXPECT_STREQ(DistanceText(150), "1.50厘米");
    EXPECT_STREQ(DistanceText(0), "0.00厘米");
    EXPECT_STREQ(DistanceText(300), "3.00厘米");
}

TEST(PageSetupValues, OkTruncatesWhereThePreviewRoundsAndClamps)
{
    const struct
    {
        const char* text;
        int onOk;
        int preview;
        bool clamped;
    } cases[] = {
        {"1.15厘米", 114, 115, false}, {"1.50厘米", 150, 150, false}, {"5", 500, 300, true},
        {"3.01厘米", 301, 300, true},  {"-1", -100, 0, true},          {"abc", 0, 0, false},
        {"3.00厘米", 300, 300, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DistanceOnOk(c.text), c.onOk) << c.text;
        const PreviewDistance read = DistanceForPreview(c.text);
        EXPECT_EQ(read.value, c.preview) << c.text;
        EXPECT_EQ(read.clamped, c.clamped) << c.text;
    }
}

TEST(PageSetupValues, SpinStepsStayWithinTheRange)
{
    EXPECT_EQ(SpinStep(0, -1), 0);
    EXPECT_EQ(SpinStep(0, 1), 1);
    EXPECT_EQ(SpinStep(300, 1), 300);
    EXPECT_EQ(SpinStep(300, -1), 299);
    EXPECT_EQ(SpinStep(150, 1), 151);
    EXPECT_EQ(SpinStep(150, -1), 149);
}

} // namespace
