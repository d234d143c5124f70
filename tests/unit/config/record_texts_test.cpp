#include "config/record_texts.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(RecordTexts, NeonTimesGoInHalfSecondsWithoutATrailingZero) {
    EXPECT_EQ(neonParameterText(0), "0.5S");
    EXPECT_EQ(neonParameterText(3), "2S");
    EXPECT_EQ(neonParameterText(28), "14.5S");
    EXPECT_EQ(neonParameterText(29), "15S");
    EXPECT_EQ(neonParameterText(30), "");
    EXPECT_EQ(neonParameterText(255), "");
}

}  // namespace
}  // namespace quorvel
