#include "keys/binding_rules.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(LeftClickRule, OnlyLeftClickOfAModeCannotOpen) {
    MouseConfig config;
    applyDefaultAssignment(config);
    EXPECT_FALSE(keyBoxMayOpen(config, Mode::A, 0));
    EXPECT_TRUE(keyBoxMayOpen(config, Mode::A, 1));
    config.setFunctionCode(Mode::A, 7, 0);
    EXPECT_TRUE(keyBoxMayOpen(config, Mode::A, 0));
    EXPECT_TRUE(keyBoxMayOpen(config, Mode::A, 7));
    EXPECT_FALSE(keyBoxMayOpen(config, Mode::B, 0));  // the other mode counts on its own
}

TEST(ShiftRule, OncePerModeOnTheSameButton) {
    MouseConfig config;
    applyDefaultAssignment(config);
    EXPECT_EQ(shiftButton(config, Mode::A), std::nullopt);
    EXPECT_TRUE(shiftMayBeAssigned(config, Mode::A, 4));
    config.setFunctionCode(Mode::A, 4, 14);
    config.setFunctionCode(Mode::B, 4, 14);
    EXPECT_EQ(shiftButton(config, Mode::B), 4);
    EXPECT_FALSE(shiftMayBeAssigned(config, Mode::A, 2));
    EXPECT_FALSE(shiftMayBeAssigned(config, Mode::B, 4));
    EXPECT_FALSE(shiftMayBeAssigned(config, Mode::A, -1));
}

}  // namespace
}  // namespace quorvel
