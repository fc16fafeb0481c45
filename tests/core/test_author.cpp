// The author's message without its window: the text, brightness by height,
// the speed keys and the wrap back to the bottom.
#include <gtest/gtest.h>

#include <string>

#include "windows/AuthorMessage.h"

namespace gh {
namespace {

TEST(AuthorMessage, FortyLinesWithTheFixedOnesAndBlanksInPlace)
{
    EXPECT_STREQ(AuthorLine(0), "    Grimhollow (beta)");
    EXPECT_STREQ(AuthorLine(9), "    (Да, сразу скажу, что увеличить или уменьшить");
    EXPECT_STREQ(AuthorLine(10), "скорость прокрутки этого сообщения можно клавишами");
    EXPECT_STREQ(AuthorLine(11), "\"+\" и \"-\" соответственно.)");
    const bool blank[kAuthorLines] = {
        false, true,  true,  false, false, false, false, false, true,  false, false, false, true,  false,
        false, false, false, false, false, false, false, true,  true,  false, false, false, false, false,
        false, false, false, false, false, true,  true,  false, false, false, true,  false,
    };
    int textLines = 0;
    for (int i = 0; i < kAuthorLines; ++i) {
        EXPECT_EQ(std::string(AuthorLine(i)).empty(), blank[i]) << i;
        textLines += blank[i] ? 0 : 1;
    }
    EXPECT_EQ(textLines, 31);
    EXPECT_NE(std::string(AuthorLine(39)).find("Grimhollow"), std::string::npos);
    EXPECT_STREQ(AuthorLine(-1), "");
    EXPECT_STREQ(AuthorLine(40), "");
}

TEST(AuthorMessage, WhiteNearTheMiddleThenFadingByDistance)
{
    const float centre = 6000;
    EXPECT_EQ(LineBrightness(centre, centre), 255);
    for (float d : {1.0f, 480.0f, 999.0f, 1000.0f})
        for (float sign : {-1.0f, 1.0f})
            EXPECT_EQ(LineBrightness(centre + sign * d, centre), 255) << sign * d;
    // 127.5 and 25.5 both go to the even neighbour.
    EXPECT_EQ(LineBrightness(centre + 2000, centre), 128);
    EXPECT_EQ(LineBrightness(centre - 2000, centre), 128);
    EXPECT_EQ(LineBrightness(centre - 10000, centre), 26);
    EXPECT_EQ(LineBrightness(centre + 1020, centre), 250);
    EXPECT_EQ(LineBrightness(centre + 3000, centre), 85);
    EXPECT_EQ(LineBrightness(centre - 255000, centre), 1);
    EXPECT_EQ(LineBrightness(centre + 600000, centre), 0);
}

TEST(AuthorMessage, SpeedKeysStepByFiveAndStayWithinZeroToTwoHundred)
{
    std::int16_t speed = kAuthorStartSpeed;
    const std::int16_t down[] = {25, 20, 15, 10, 5, 0};
    for (std::int16_t expected : down) {
        speed = SpeedAfterKey(speed, SpeedKey::Slower);
        EXPECT_EQ(speed, expected);
    }
    // Stopped; more minus changes nothing, plus starts it again.
    EXPECT_EQ(SpeedAfterKey(speed, SpeedKey::Slower), 0);
    EXPECT_EQ(SpeedAfterKey(speed, SpeedKey::Faster), 5);
    EXPECT_EQ(SpeedAfterKey(speed, SpeedKey::Other), 0);

    for (int i = 0; i < 60; ++i)
        speed = SpeedAfterKey(speed, SpeedKey::Faster);
    EXPECT_EQ(speed, 200);
    EXPECT_EQ(SpeedAfterKey(195, SpeedKey::Faster), 200);
    // Off the steps of five the checks alone would let the speed out of range.
    EXPECT_EQ(SpeedAfterKey(3, SpeedKey::Slower), 0);
    EXPECT_EQ(SpeedAfterKey(198, SpeedKey::Faster), 200);
    EXPECT_EQ(SpeedAfterKey(199, SpeedKey::Slower), 194);
}

TEST(AuthorMessage, TextRisesBySpeedAndStartsOverBelowTheBottom)
{
    const float height = 12000;
    EXPECT_FLOAT_EQ(ScrollStep(height, 30, height), height - 30);
    EXPECT_FLOAT_EQ(ScrollStep(100, 0, height), 100);
    // Still above the wrap line: one more step, even past it.
    EXPECT_FLOAT_EQ(ScrollStep(-19990, 30, height), -20020);
    EXPECT_FLOAT_EQ(ScrollStep(-20000, 30, height), height);
    EXPECT_FLOAT_EQ(ScrollStep(-20020, 30, height), height);

    // A whole cycle at the start speed comes back to the bottom edge.
    float y = height;
    int ticks = 0;
    do {
        y = ScrollStep(y, kAuthorStartSpeed, height);
        ++ticks;
    } while (y != height && ticks < 10000);
    EXPECT_EQ(ticks, 1068); // 1067 steps of 30 to pass -20000, then the jump back
}

} // namespace
} // namespace gh
