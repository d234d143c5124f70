#include "pages/lighting_texts.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(LightingTexts, EachModeListsItsOwnParametersAndOutOfRangeValuesShowNothing) {
    EXPECT_EQ(parameterEntries(1).size(), 10U);
    EXPECT_EQ(parameterEntries(1).back(), "100%");
    EXPECT_EQ(parameterEntries(2).front(), "8S");
    EXPECT_EQ(parameterEntries(2).size(), 5U);
    for (std::uint8_t mode : {0, 3, 9})
        EXPECT_EQ(parameterEntries(mode).size(), 30U);
    EXPECT_EQ(parameterText(1, 5), "55%");
    EXPECT_EQ(parameterText(1, 10), "");
    EXPECT_EQ(parameterText(2, 4), "4S");
    EXPECT_EQ(parameterText(2, 5), "");
    EXPECT_EQ(parameterText(3, 3), "2S");
    EXPECT_EQ(parameterText(0, 0), "");
}

TEST(LightingTexts, TheParameterListReachesAsFarAsItsMode) {
    EXPECT_EQ(parameterListRect(1), (Rect{767, 377, 851, 547}));
    EXPECT_EQ(parameterListRect(2).bottom, 467);
    EXPECT_EQ(parameterListRect(3).bottom, 577);
    EXPECT_EQ(parameterListRect(0).bottom, 577);
}

}  // namespace
}  // namespace quorvel
