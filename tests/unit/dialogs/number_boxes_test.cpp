#include "dialogs/number_boxes.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

TEST(FireSpeed, FiveTo255StandsAndAnythingElseBecomesFive) {
    for (const char* text : {"5", "32", "255"}) {
        const BoxValue speed = fireSpeedFromText(text);
        EXPECT_EQ(speed.value, std::stoi(text)) << text;
        EXPECT_FALSE(speed.replacement) << text;
    }
    for (const char* text : {"", "3", "4", "256", "300", "-7", "x", "4294967301"}) {
        const BoxValue speed = fireSpeedFromText(text);
        EXPECT_EQ(speed.value, 5) << text;
        EXPECT_EQ(speed.replacement, "5") << text;
    }
}

TEST(FireTimes, ZeroTo255StandsAndAnythingElseBecomesOne) {
    const BoxValue cleared = fireTimesFromText("");
    EXPECT_EQ(cleared.value, 0);  // 0: fire until the button is released
    EXPECT_FALSE(cleared.replacement);
    EXPECT_EQ(fireTimesFromText("255").value, 255);
    EXPECT_FALSE(fireTimesFromText("255").replacement);
    for (const char* text : {"256", "-1", "4294967297"}) {
        const BoxValue times = fireTimesFromText(text);
        EXPECT_EQ(times.value, 1) << text;
        EXPECT_EQ(times.replacement, "1") << text;
    }
}

TEST(Delay, AnyNumberStandsAndEmptyIsZero) {
    EXPECT_EQ(delayFromText("12000"), 12000);
    EXPECT_EQ(delayFromText(""), 0);
    EXPECT_EQ(delayFromText("99999999999"), 2147483647);  // saturates, never wraps
}

}  // namespace
}  // namespace quorvel
