// Layout rules of the skinned controls: which slider cells are lit, where a drop-down's texts go.
#include "ui/painters.h"

#include <gtest/gtest.h>

#include <array>

namespace quorvel::test {
namespace {

TEST(SliderCells, FillingCountsFromTheStartAndARadioLightsOneCell) {
    EXPECT_TRUE(sliderCellLit(0, 1, SliderFill::UpTo));
    EXPECT_TRUE(sliderCellLit(10, 11, SliderFill::UpTo));
    EXPECT_FALSE(sliderCellLit(1, 1, SliderFill::UpTo));
    EXPECT_FALSE(sliderCellLit(0, 0, SliderFill::UpTo));  // value 0: nothing lit
    EXPECT_TRUE(sliderCellLit(2, 3, SliderFill::Only));
    EXPECT_FALSE(sliderCellLit(1, 3, SliderFill::Only));
    EXPECT_FALSE(sliderCellLit(0, 0, SliderFill::Only));
}

TEST(SliderCells, APressFindsItsCellAndTheGapsBetweenCellsMiss) {
    constexpr std::array<Rect, 2> segments = {{{542, 204, 612, 215}, {614, 204, 684, 215}}};
    EXPECT_EQ(sliderCellAt(segments, 542, 204), 0);
    EXPECT_EQ(sliderCellAt(segments, 614, 214), 1);
    EXPECT_EQ(sliderCellAt(segments, 612, 210), -1);
    EXPECT_EQ(sliderCellAt(segments, 700, 210), -1);
}

TEST(DropDownFace, NumberTakesTheLeftmostTwentyPixelsAndTheValueTheRest) {
    constexpr Rect box{252, 199, 463, 220};
    EXPECT_EQ(dropDownNumberRect(box), (Rect{252, 199, 272, 220}));
    EXPECT_EQ(dropDownValueRect(box), (Rect{272, 199, 463, 220}));
}

}  // namespace
}  // namespace quorvel::test
