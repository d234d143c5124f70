#include "pages/pointer_settings.h"

#include <algorithm>

namespace quorvel {
namespace {

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

struct SystemWrite {
    bool precision;
    std::uint32_t speed;
    std::uint32_t lines;
    std::uint32_t doubleClick;
};

void writeToSystem(const SystemWrite& values, SystemPointerPort& system, MessageBoxPort& messages) {
    if (!system.setPointerPrecision(values.precision))
        messages.show(kSetMouseFailed, kWarningCaption);
    if (!system.setPointerSpeed(values.speed))
        messages.show(kSetSpeedFailed, kWarningCaption);
    if (!system.setWheelScrollLines(values.lines))
        messages.show(kSetWheelFailed, kWarningCaption);
    if (!system.setDoubleClickTime(values.doubleClick))
        messages.show(kSetDoubleClickFailed, kWarningCaption);
}

}  // namespace

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
        messages.show(kGetSpeedFailed, kWarningCaption);
    }

    if (const auto lines = system.wheelScrollLines()) {
        const bool oneScreen = *lines == kScrollOneScreen;
        config.setPointerSetting(kScreenPerNotch, oneScreen ? 1 : 0);
        config.setPointerSetting(kScrollLinesPosition, positionForScrollLines(*lines));
    } else {
        messages.show(kGetWheelFailed, kWarningCaption);
    }

    if (const std::uint32_t time = system.doubleClickTime(); time != 0) {
        config.setPointerSetting(kDoubleClickPosition, positionForDoubleClickTime(time));
    } else {
        messages.show(kGetDoubleClickFailed, kWarningCaption);
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
