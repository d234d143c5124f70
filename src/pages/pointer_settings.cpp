#include "pages/pointer_settings.h"

#include <algorithm>

namespace quorvel {
namespace {

constexpr std::string_view kWarning = "Warning";
constexpr std::string_view kSetMouseFailed = "SETMOUSE failed.";
constexpr std::string_view kSetSpeedFailed = "SETMOUSESPEED failed.";
constexpr std::string_view kSetWheelFailed = "SETWHEELSCROLLLINES failed.";
constexpr std::string_view kSetDoubleClickFailed = "SPI_SETDOUBLECLICKTIME failed.";
constexpr std::string_view kGetSpeedFailed = "GETMOUSESPEED failed.";
constexpr std::string_view kGetWheelFailed = "GETWHEELSCROLLLINES failed.";
constexpr std::string_view kGetDoubleClickFailed = "GetDoubleClickTime failed.";

// What Windows ships with.
constexpr std::uint32_t kDefaultSpeed = 10;
constexpr std::uint32_t kDefaultScrollLines = 3;
constexpr std::uint32_t kDefaultDoubleClickTime = 500;

constexpr std::uint32_t kDoubleClickBase = 970;
constexpr std::uint32_t kDoubleClickStep = 70;
constexpr std::uint32_t kSlowestDoubleClick = kDoubleClickBase - kDoubleClickStep;

std::uint32_t sliderStep(std::uint8_t position) {
    return std::clamp(position, kFirstSliderStep, kLastSliderStep);
}

std::uint8_t heldToSlider(std::uint32_t position) {
    return static_cast<std::uint8_t>(
        std::clamp<std::uint32_t>(position, kFirstSliderStep, kLastSliderStep));
}

struct SystemWrite {
    bool precision;
    std::uint32_t speed;
    std::uint32_t lines;
    std::uint32_t doubleClick;
};

void writeToSystem(const SystemWrite& values, SystemPointerPort& system, MessageBoxPort& messages) {
    if (!system.setPointerPrecision(values.precision))
        messages.show(kSetMouseFailed, kWarning);
    if (!system.setPointerSpeed(values.speed))
        messages.show(kSetSpeedFailed, kWarning);
    if (!system.setWheelScrollLines(values.lines))
        messages.show(kSetWheelFailed, kWarning);
    if (!system.setDoubleClickTime(values.doubleClick))
        messages.show(kSetDoubleClickFailed, kWarning);
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

std::uint8_t positionForPointerSpeed(std::uint32_t speed) {
    return heldToSlider(speed / 2 + 1);
}

std::uint8_t positionForDoubleClickTime(std::uint32_t milliseconds) {
    // Slower than the first step would wrap the division round.
    if (milliseconds > kSlowestDoubleClick)
        return kFirstSliderStep;
    return heldToSlider((kSlowestDoubleClick - milliseconds) / kDoubleClickStep + 1);
}

std::uint8_t positionForScrollLines(std::uint32_t lines) {
    if (lines == kScrollOneScreen)
        return 0;
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(lines, kLastSliderStep));
}

void applyPointerSettings(const MouseConfig& config, SystemPointerPort& system,
                          MessageBoxPort& messages) {
    using namespace pointer_settings;
    writeToSystem(
        SystemWrite{config.pointerSetting(kPrecision) == 1,
                    pointerSpeedForPosition(config.pointerSetting(kSpeedPosition)),
                    wheelScrollLinesFor(config.pointerSetting(kScreenPerNotch) != 0,
                                        config.pointerSetting(kScrollLinesPosition)),
                    doubleClickTimeForPosition(config.pointerSetting(kDoubleClickPosition))},
        system, messages);
}

void readPointerSettings(MouseConfig& config, SystemPointerPort& system, MessageBoxPort& messages) {
    using namespace pointer_settings;
    config.setPointerSetting(kPrecision, system.pointerPrecision().value_or(false) ? 1 : 0);

    if (const auto speed = system.pointerSpeed()) {
        config.setPointerSetting(kSpeedPosition, positionForPointerSpeed(*speed));
    } else {
        messages.show(kGetSpeedFailed, kWarning);
    }

    if (const auto lines = system.wheelScrollLines()) {
        const bool oneScreen = *lines == kScrollOneScreen;
        config.setPointerSetting(kScreenPerNotch, oneScreen ? 1 : 0);
        config.setPointerSetting(kScrollLinesPosition, positionForScrollLines(*lines));
    } else {
        messages.show(kGetWheelFailed, kWarning);
    }

    if (const std::uint32_t time = system.doubleClickTime(); time != 0) {
        config.setPointerSetting(kDoubleClickPosition, positionForDoubleClickTime(time));
    } else {
        messages.show(kGetDoubleClickFailed, kWarning);
    }
}

void restorePointerDefaults(MouseConfig& config, SystemPointerPort& system,
                            MessageBoxPort& messages) {
    using namespace pointer_settings;
    writeToSystem(SystemWrite{false, kDefaultSpeed, kDefaultScrollLines, kDefaultDoubleClickTime},
                  system, messages);
    config.setPointerSetting(kPrecision, 0);
    config.setPointerSetting(kScreenPerNotch, 0);
    config.setPointerSetting(kSpeedPosition, positionForPointerSpeed(kDefaultSpeed));
    config.setPointerSetting(kScrollLinesPosition, positionForScrollLines(kDefaultScrollLines));
    config.setPointerSetting(kDoubleClickPosition,
                             positionForDoubleClickTime(kDefaultDoubleClickTime));
}

}  // namespace quorvel
