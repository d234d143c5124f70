// The skinned control kinds drawn into a window's page surface. Each draws its images at the
// rectangle's top-left corner; a missing image leaves its spot as it was, and the texts are
// drawn all the same. Nothing is copied to the screen: the caller does that once per update.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/canvas.h"
#include "ui/geometry.h"
#include "ui/hit_map.h"

namespace quorvel {

struct ImagePair {
    std::string_view normal;  // off, unlit
    std::string_view over;    // on, lit
};

// A text button: the button image with its caption centred in the text font.
void paintTextButton(Canvas& canvas, const Rect& rect, bool over, std::string_view caption,
                     Colour textColour);

// An image button from its hit area's own image pair.
template <typename Action>
void paintImageButton(Canvas& canvas, const HitArea<Action>& area, bool over) {
    canvas.drawImage(over ? area.overImage : area.normalImage, area.rect.left, area.rect.top);
}

// A drop-down box face: the number label in its leftmost pixels, the value after it.
inline constexpr int kDropDownNumberWidth = 20;
constexpr Rect dropDownNumberRect(const Rect& box) {
    return {box.left, box.top, box.left + kDropDownNumberWidth, box.bottom};
}
constexpr Rect dropDownValueRect(const Rect& box) {
    return {box.left + kDropDownNumberWidth, box.top, box.right, box.bottom};
}
void paintDropDown(Canvas& canvas, const Rect& box, bool over, std::string_view number,
                   std::string_view value, Colour textColour);

// Segmented sliders: cells are given from the start of the row (left) or column (bottom).
enum class SliderFill : std::uint8_t {
    UpTo,  // the first `value` cells are lit
    Only,  // only cell `value` - 1 is lit: a radio group
};
constexpr bool sliderCellLit(int index, int value, SliderFill fill) {
    return fill == SliderFill::UpTo ? index < value : index == value - 1;
}
void paintSliderCells(Canvas& canvas, std::span<const Rect> cells, int value, SliderFill fill,
                      ImagePair images);

void paintTickBox(Canvas& canvas, const Rect& rect, bool ticked);

}  // namespace quorvel
