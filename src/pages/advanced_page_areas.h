// The advanced page's areas in the main window, in the order a click tests them. The event
// drop-down lets the click go on to the slider cells; every other area ends it.
#pragma once

#include <array>
#include <cstdint>

#include "pages/advanced_page_layout.h"
#include "ui/hit_map.h"
#include "ui/skin_images.h"

namespace quorvel {

enum class AdvancedControl : std::uint8_t {
    PrecisionTick,
    OneScreenTick,
    Default,
    StartRecording,
    StopRecording,
    New,
    Delete,
    Confirm,
    EventDropDown,
    SliderCell,  // index: row 0 to 2, step 1 to 11
};

using AdvancedAction = PageAction<AdvancedControl>;

namespace advanced_hover {
inline constexpr HoverGroup kMacroButtons = 30;
inline constexpr HoverGroup kDefault = 31;
}  // namespace advanced_hover

inline constexpr int kAdvancedSliderRows = 3;

inline constexpr std::size_t kAdvancedAreaCount =
    9 + kAdvancedSliderRows * advanced_layout::kSliderSteps;

constexpr std::array<HitArea<AdvancedAction>, kAdvancedAreaCount> makeAdvancedPageAreas() {
    namespace img = skin_image;
    std::array<HitArea<AdvancedAction>, kAdvancedAreaCount> areas{};
    std::size_t n = 0;
    auto add = [&](Rect rect, AdvancedAction action, bool goesOn = false,
                   HoverGroup group = kNoHoverGroup) {
        const bool button = group != kNoHoverGroup;
        areas[n++] = HitArea<AdvancedAction>{rect,
                                             action,
                                             goesOn,
                                             group,
                                             button ? img::kButtonNormal : std::string_view{},
                                             button ? img::kButtonOver : std::string_view{}};
    };
    namespace at = advanced_layout;
    add(at::kPrecisionTick, {AdvancedControl::PrecisionTick});
    add(at::kOneScreenTick, {AdvancedControl::OneScreenTick});
    add(at::kDefaultButton, {AdvancedControl::Default}, false, advanced_hover::kDefault);
    add(at::kStartRecording, {AdvancedControl::StartRecording});
    add(at::kStopRecording, {AdvancedControl::StopRecording});
    add(at::kNewButton, {AdvancedControl::New}, false, advanced_hover::kMacroButtons);
    add(at::kDeleteButton, {AdvancedControl::Delete}, false, advanced_hover::kMacroButtons);
    add(at::kConfirmButton, {AdvancedControl::Confirm}, false, advanced_hover::kMacroButtons);
    add(at::kDropDownBox, {AdvancedControl::EventDropDown}, true);
    for (int row = 0; row < kAdvancedSliderRows; ++row) {
        for (int step = 1; step <= at::kSliderSteps; ++step) {
            add(at::sliderStep(static_cast<at::Slider>(row), step),
                {AdvancedControl::SliderCell, static_cast<std::uint8_t>(row),
                 static_cast<std::uint8_t>(step)});
        }
    }
    return areas;
}

inline constexpr auto kAdvancedPageAreas = makeAdvancedPageAreas();

}  // namespace quorvel
