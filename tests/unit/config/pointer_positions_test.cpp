// The record's pointer positions as the system's values and back.
#include "config/pointer_positions.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel::test {
namespace {

TEST(PointerPositions, MapToTheSystemValuesOfTheSliderTable) {
    const std::vector<std::uint32_t> speeds = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    const std::vector<std::uint32_t> times = {900, 830, 760, 690, 620, 550,
                                              480, 410, 340, 270, 200};
    for (std::uint8_t p = 1; p <= 11; ++p) {
        EXPECT_EQ(pointerSpeedForPosition(p), speeds[p - 1U]) << int(p);
        EXPECT_EQ(doubleClickTimeForPosition(p), times[p - 1U]) << int(p);
    }
    EXPECT_EQ(wheelScrollLinesFor(false, 0), 0U);
    EXPECT_EQ(wheelScrollLinesFor(false, 7), 7U);
    EXPECT_EQ(wheelScrollLinesFor(true, 7), kScrollOneScreen);
}

TEST(PointerPositions, DamagedPositionsNeverLeaveTheSlider) {
    EXPECT_EQ(pointerSpeedForPosition(0), 1U);
    EXPECT_EQ(pointerSpeedForPosition(200), 20U);
    EXPECT_EQ(doubleClickTimeForPosition(0), 900U);
    EXPECT_EQ(doubleClickTimeForPosition(255), 200U);
}

TEST(PointerPositions, SystemValuesBecomeSliderPositions) {
    // Speeds 10, 3 and 2; 500 ms reads as 6 and is written back as 550.
    EXPECT_EQ(positionForPointerSpeed(10), 6);
    EXPECT_EQ(pointerSpeedForPosition(positionForPointerSpeed(10)), 10U);
    EXPECT_EQ(positionForPointerSpeed(3), 2);
    EXPECT_EQ(positionForPointerSpeed(2), 2);
    EXPECT_EQ(pointerSpeedForPosition(positionForPointerSpeed(3)), 2U);
    EXPECT_EQ(positionForPointerSpeed(20), 11);
    EXPECT_EQ(positionForPointerSpeed(1), 1);
    EXPECT_EQ(positionForDoubleClickTime(500), 6);
    EXPECT_EQ(doubleClickTimeForPosition(positionForDoubleClickTime(500)), 550U);
    // Every written time reads back as its own position.
    for (std::uint8_t p = 1; p <= 11; ++p) {
        EXPECT_EQ(positionForDoubleClickTime(doubleClickTimeForPosition(p)), p);
        EXPECT_EQ(positionForPointerSpeed(pointerSpeedForPosition(p)), p);
    }
}

TEST(PointerPositions, SystemValuesBeyondTheSlidersAreHeldToThem) {
    EXPECT_EQ(positionForDoubleClickTime(901), 1);  // would wrap the unsigned division
    EXPECT_EQ(positionForDoubleClickTime(5000), 1);
    EXPECT_EQ(positionForDoubleClickTime(199), 11);
    EXPECT_EQ(positionForDoubleClickTime(1), 11);
    EXPECT_EQ(positionForScrollLines(11), 11);
    EXPECT_EQ(positionForScrollLines(12), 11);
    EXPECT_EQ(positionForScrollLines(100), 11);
    EXPECT_EQ(positionForScrollLines(0), 0);
    EXPECT_EQ(positionForScrollLines(kScrollOneScreen), 0);
    EXPECT_EQ(positionForPointerSpeed(0), 1);
    EXPECT_EQ(positionForPointerSpeed(4000), 11);
}

}  // namespace
}  // namespace quorvel::test
