// The basic page's areas in the main window, in the order a click tests them: the first hit
// acts. Mode A and Mode B share the column x = 357, where Mode A wins.
#pragma once

#include <array>
#include <cstdint>

#include "pages/basic_page_rules.h"
#include "ui/hit_map.h"
#include "ui/skin_images.h"

namespace quorvel {

enum class BasicControl : std::uint8_t {
    ModeA,
    ModeB,
    KeyRestore,
    KeyBox,      // index: button 0 to 5
    ReportRate,  // index: segment 0 to 3
    StageTick,   // index: stage 1 to 4
    Swatch,      // index: stage 1 to 4
    LightingMode,
    LightingParameter,
    LightingEffect,
    DpiLevel,  // index: stage 1 to 4, step: level 1 to 12
};

using BasicAction = PageAction<BasicControl>;

// Above the main window's own groups, so the two never mix.
namespace basic_hover {
inline constexpr HoverGroup kKeyBoxes = 20;
inline constexpr HoverGroup kKeyRestore = 21;
}  // namespace basic_hover

inline constexpr int kShownKeyBoxes = 6;
inline constexpr int kKeySlots = 8;  // boxes 7 and 8 exist in the data but never open
inline constexpr int kKeyBoxPitch = 23;

constexpr Rect keyBoxRect(int button) {
    return {252, 199 + kKeyBoxPitch * button, 463, 220 + kKeyBoxPitch * button};
}
constexpr Rect keyListArea(int button) {
    return {252, 221 + kKeyBoxPitch * button, 463, 491 + kKeyBoxPitch * button};
}
constexpr Rect reportRateRect(int segment) {
    return {542 + 72 * segment, 204, 612 + 72 * segment, 215};
}
constexpr Rect stageTickRect(int stage) {
    return {554 + 27 * (stage - 1), 541, 570 + 27 * (stage - 1), 557};
}
constexpr Rect swatchRect(int stage) {
    return {554 + 27 * (stage - 1), 523, 570 + 27 * (stage - 1), 539};
}
inline constexpr Rect kModeARect{253, 518, 358, 539};
inline constexpr Rect kModeBRect{357, 518, 462, 539};
inline constexpr Rect kKeyRestoreRect{307, 549, 412, 570};
inline constexpr Rect kLightingModeBox{767, 330, 851, 344};
inline constexpr Rect kLightingParameterBox{767, 360, 851, 374};
inline constexpr Rect kLightingEffectBox{767, 390, 851, 404};

inline constexpr std::size_t kBasicAreaCount =
    3 + kShownKeyBoxes + 4 + 4 + 4 + 3 + 4 * kMaxDpiLevels;

constexpr std::array<HitArea<BasicAction>, kBasicAreaCount> makeBasicPageAreas() {
    namespace img = skin_image;
    std::array<HitArea<BasicAction>, kBasicAreaCount> areas{};
    std::size_t n = 0;
    auto add = [&](Rect rect, BasicAction action, HoverGroup group = kNoHoverGroup,
                   std::string_view normal = {}, std::string_view over = {}) {
        areas[n++] = HitArea<BasicAction>{rect, action, false, group, normal, over};
    };
    add(kModeARect, {BasicControl::ModeA});
    add(kModeBRect, {BasicControl::ModeB});
    add(kKeyRestoreRect, {BasicControl::KeyRestore}, basic_hover::kKeyRestore, img::kButtonNormal,
        img::kButtonOver);
    for (int b = 0; b < kShownKeyBoxes; ++b) {
        add(keyBoxRect(b), {BasicControl::KeyBox, static_cast<std::uint8_t>(b)},
            basic_hover::kKeyBoxes, img::kDropdownNormal, img::kDropdownOver);
    }
    for (int s = 0; s < 4; ++s)
        add(reportRateRect(s), {BasicControl::ReportRate, static_cast<std::uint8_t>(s)});
    for (int c = 1; c <= kStageCount; ++c)
        add(stageTickRect(c), {BasicControl::StageTick, static_cast<std::uint8_t>(c)});
    for (int c = 1; c <= kStageCount; ++c)
        add(swatchRect(c), {BasicControl::Swatch, static_cast<std::uint8_t>(c)});
    add(kLightingModeBox, {BasicControl::LightingMode});
    add(kLightingParameterBox, {BasicControl::LightingParameter});
    add(kLightingEffectBox, {BasicControl::LightingEffect});
    for (int c = 1; c <= kStageCount; ++c) {
        for (int level = 1; level <= kMaxDpiLevels; ++level) {
            add(dpiLevelCell(c, level), {BasicControl::DpiLevel, static_cast<std::uint8_t>(c),
                                         static_cast<std::uint8_t>(level)});
        }
    }
    return areas;
}

inline constexpr auto kBasicPageAreas = makeBasicPageAreas();
// Where key box 1 stands in the table; boxes 2 to 6 follow it.
inline constexpr std::size_t kFirstKeyBoxArea = 3;
static_assert(kBasicPageAreas[kFirstKeyBoxArea].action.control == BasicControl::KeyBox);

}  // namespace quorvel
