// Where things are on the advanced page, in the main window's client coordinates.
#pragma once

#include <array>
#include <cstddef>

#include "ui/geometry.h"

namespace quorvel::advanced_layout {

inline constexpr int kSliderSteps = 11;
inline constexpr int kStepWidth = 24;
inline constexpr int kStepHeight = 11;
inline constexpr int kFirstStepLeft = 52;

enum class Slider : std::size_t { Speed, Scroll, DoubleClick };
inline constexpr std::array<int, 3> kSliderTops = {200, 350, 500};

constexpr Rect sliderStep(Slider slider, int step) {  // step 1 to 11
    const int left = kFirstStepLeft + kStepWidth * (step - 1);
    const int top = kSliderTops[static_cast<std::size_t>(slider)];
    return {left, top, left + kStepWidth, top + kStepHeight};
}

constexpr std::array<Rect, kSliderSteps> sliderSteps(Slider slider) {
    std::array<Rect, kSliderSteps> steps{};
    for (int i = 0; i < kSliderSteps; ++i) {
        steps[static_cast<std::size_t>(i)] = sliderStep(slider, i + 1);
    }
    return steps;
}

// The step numbers: the 20 pixels that begin 10 below the step.
constexpr Rect stepNumber(Slider slider, int step) {
    const Rect cell = sliderStep(slider, step);
    return {cell.left, cell.bottom + 10, cell.right, cell.bottom + 30};
}

// Centred on the title tabs, wide enough for the longest title ("Double-Click Speed").
inline constexpr std::array<Rect, 3> kSliderTitles = {{
    {26, 160, 155, 181},
    {26, 310, 155, 331},
    {26, 460, 155, 481},
}};

inline constexpr Rect kPrecisionTick{51, 255, 67, 271};
inline constexpr Rect kOneScreenTick{51, 405, 67, 421};
inline constexpr int kTickLabelGap = 10;
inline constexpr int kTickLabelRight = 408;
constexpr Rect tickLabel(const Rect& tick) {
    return {tick.right + kTickLabelGap, tick.top, kTickLabelRight, tick.bottom};
}

inline constexpr Rect kDefaultButton{194, 573, 299, 594};

// The macro area.
inline constexpr Rect kNewButton{513, 528, 618, 549};
inline constexpr Rect kDeleteButton{617, 528, 722, 549};
inline constexpr Rect kConfirmButton{721, 528, 826, 549};
inline constexpr Rect kStartRecording{735, 229, 764, 258};
inline constexpr Rect kStopRecording{735, 265, 764, 294};
inline constexpr Rect kDropDownBox{735, 402, 854, 416};
inline constexpr Rect kDropDownListArea{734, 419, 854, 569};

inline constexpr Rect kNameFieldRect{735, 322, 799, 336};
inline constexpr Rect kLoopFieldRect{735, 362, 799, 376};
inline constexpr Rect kMacroListRect{462, 220, 591, 512};
inline constexpr Rect kSequenceListRect{592, 220, 725, 512};
inline constexpr Rect kDropDownLabelRect{735, 402, 839, 416};

inline constexpr Rect kMacroHeading{469, 160, 578, 181};
inline constexpr Rect kSelectMacroLabel{457, 196, 592, 220};
inline constexpr Rect kSequenceLabel{591, 196, 726, 220};
inline constexpr Rect kRecordOptionLabel{725, 196, 875, 220};
inline constexpr int kLabelRight = 874;
// "Start Recording" and "Stop Recording": right of their button, over its height.
constexpr Rect besideButton(const Rect& button) {
    return {button.right + 10, button.top, kLabelRight, button.bottom};
}
// "Macro Name", "Loop Times", "Insert A Mouse Event": the 20 pixels above their box.
constexpr Rect aboveBox(const Rect& box) {
    return {box.left, box.top - 20, kLabelRight, box.top};
}

inline constexpr Rect kTitle{120, 58, 352, 98};

}  // namespace quorvel::advanced_layout
