#include "pages/pointer_settings.h"

#include <algorithm>

namespace quorvel {
namespace {

constexpr std::string_view kWarning = "Warning";
constexpr std::string_view kSetMouseFailed = "SETMOUSE failed.";
constexpr std::string_view kSetSpeedFailed = "SETMOUSESPEED failed.";
constexpr std::string_view kSetWheelFailed = "SETWHEELSCROLLLINES failed.";
constexpr std::string_view kSetDoubleClickFailed = "SPI_SETDOUBLECLICKTIME failed.";

constexpr std::uint32_t kDoubleClickBase = 970;
constexpr std::uint32_t kDoubleClickStep = 70;

std::uint32_t sliderStep(std::uint8_t position) {
    return std::clamp(position, kFirstSliderStep, kLastSliderStep);
}

}  // namespace

std::uint32_t pointerSpeedForPosition(std::uint8_t position) {
    const std::uint32_t step = sliderStep(position);
    return step == kFirstSliderStep ? 1 : 2 * step - 2;
}

std::uint32_t doubleClickTimeForPosition(std::uint8_t position) {
    return kDoubleClickBase - kDoubleClickStep * sliderStep(position);
}

std::uint32_t wheelScrollLinesFor(bool oneScreen, std::uint8_t position) {
    return oneScreen ? kScrollOneScreen : position;
}

void applyPointerSettings(const MouseConfig& config, SystemPointerPort& system,
                          MessageBoxPort& messages) {
    using namespace pointer_settings;
    if (!system.setPointerPrecision(config.pointerSetting(kPrecision) == 1))
        messages.show(kSetMouseFailed, kWarning);
    if (!system.setPointerSpeed(pointerSpeedForPosition(config.pointerSetting(kSpeedPosition))))
        messages.show(kSetSpeedFailed, kWarning);
    const std::uint32_t lines = wheelScrollLinesFor(config.pointerSetting(kScreenPerNotch) != 0,
                                                    config.pointerSetting(kScrollLinesPosition));
    if (!system.setWheelScrollLines(lines))
        messages.show(kSetWheelFailed, kWarning);
    if (!system.setDoubleClickTime(
            doubleClickTimeForPosition(config.pointerSetting(kDoubleClickPosition))))
        messages.show(kSetDoubleClickFailed, kWarning);
}

}  // namespace quorvel
