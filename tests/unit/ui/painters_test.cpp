// Layout rules of the skinned controls: which slider cells are lit, where a drop-down's texts go.
#include "ui/painters.h"

#include <gtest/gtest.h>

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

TEST(DropDownFace, NumberTakesTheLeftmostTwentyPixelsAndTheValueTheRest) {
    constexpr Rect box{252, 199, 463, 220};
    EXPECT_EQ(dropDownNumberRect(box), (Rect{252, 199, 272, 220}));
    EXPECT_EQ(dropDownValueRect(box), (Rect{272, 199, 463, 220}));
}

}  // namespace
}  // namespace quorvel::test
