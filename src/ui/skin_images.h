// The file names of a skin's images; each is appended to the skin directory.
#pragma once

#include <array>
#include <string_view>

namespace quorvel::skin_image {

inline constexpr std::string_view kBasicBackground = "/BasicSet2.png";
inline constexpr std::string_view kAdvancedBackground = "/AdvancedSet2.png";
inline constexpr std::string_view kButtonNormal = "/button-normal.png";
inline constexpr std::string_view kButtonOver = "/button-over.png";
inline constexpr std::string_view kCloseNormal = "/button-close-normal.png";
inline constexpr std::string_view kCloseOver = "/button-close-over.png";
inline constexpr std::string_view kMinimiseNormal = "/button-min-normal.png";
inline constexpr std::string_view kMinimiseOver = "/button-min-over.png";
inline constexpr std::string_view kSkinsNormal = "/button-Skins-normal.png";
inline constexpr std::string_view kSkinsOver = "/button-Skins-over.png";
inline constexpr std::string_view kPreviousPageNormal = "/button-PrePage-normal.png";
inline constexpr std::string_view kPreviousPageOver = "/button-PrePage-over.png";
inline constexpr std::string_view kNextPageNormal = "/button-NextPage-normal.png";
inline constexpr std::string_view kNextPageOver = "/button-NextPage-over.png";
inline constexpr std::string_view kDropdownNormal = "/DropdownBox-normal.png";
inline constexpr std::string_view kDropdownOver = "/DropdownBox-over.png";
inline constexpr std::string_view kReportRateLit = "/slider-RP-light.png";
inline constexpr std::string_view kReportRateUnlit = "/slider-RP-dark.png";
inline constexpr std::string_view kDpiLevelLit = "/slider-DPI-light.png";
inline constexpr std::string_view kDpiLevelUnlit = "/slider-DPI-dark.png";
inline constexpr std::string_view kSliderLit = "/slider-light.png";
inline constexpr std::string_view kSliderUnlit = "/slider-dark.png";
inline constexpr std::string_view kTickOff = "/Pane.png";
inline constexpr std::string_view kTickOn = "/PaneMakingTick.png";
inline constexpr std::string_view kComboKeyBackground = "/combo-key.png";
inline constexpr std::string_view kDelayTimeBackground = "/delay-time.png";
inline constexpr std::string_view kFireKeyBackground = "/fire-key.png";
inline constexpr std::string_view kMacroKeyBackground = "/macro-key.png";
inline constexpr std::string_view kMediaKeyBackground = "/media-key.png";
inline constexpr std::string_view kSingleKeyBackground = "/single-key.png";
inline constexpr std::string_view kSkinsBackground = "/skins.png";
inline constexpr std::string_view kWindowsKeyBackground = "/windows-key.png";
// Not in kAll: a skin made before profiles existed stays usable; only this dialog then fails
// to open, with its message.
inline constexpr std::string_view kSaveProfileBackground = "/save-profile.png";

// Every image a skin must hold.
inline constexpr std::array kAll = {
    kBasicBackground,
    kAdvancedBackground,
    kButtonNormal,
    kButtonOver,
    kCloseNormal,
    kCloseOver,
    kMinimiseNormal,
    kMinimiseOver,
    kSkinsNormal,
    kSkinsOver,
    kPreviousPageNormal,
    kPreviousPageOver,
    kNextPageNormal,
    kNextPageOver,
    kDropdownNormal,
    kDropdownOver,
    kReportRateLit,
    kReportRateUnlit,
    kDpiLevelLit,
    kDpiLevelUnlit,
    kSliderLit,
    kSliderUnlit,
    kTickOff,
    kTickOn,
    kComboKeyBackground,
    kDelayTimeBackground,
    kFireKeyBackground,
    kMacroKeyBackground,
    kMediaKeyBackground,
    kSingleKeyBackground,
    kSkinsBackground,
    kWindowsKeyBackground,
};

}  // namespace quorvel::skin_image
