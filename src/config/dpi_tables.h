// DPI texts and device codes per sensor type, and the DPI Switch names.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "config/mouse_config.h"

namespace quorvel {

// Empty for a sensor type without a list.
std::span<const std::string_view> dpiValueList(int sensorType);
std::span<const std::uint8_t> dpiCodeTable(int sensorType);

// Empty text / code 0 when the sensor type is unlisted or the stored index lies past
// the end of its list (a damaged record must not read past the table).
std::string_view dpiTextOfStage(const MouseConfig& config, int stage, int sensorType);
std::uint8_t dpiCodeOfStage(const MouseConfig& config, int stage, int sensorType);

// The DPI Switch parameters 1 to 3, not translated.
inline constexpr std::array<std::string_view, 3> kDpiSwitchNames = {"DPI +", "DPI -", "DPI Loop"};
// kDpiSwitchNames[parameter - 1]; empty outside 1 to 3.
std::string_view dpiSwitchName(std::uint8_t parameter);

}  // namespace quorvel
