// The whole configuration record as versioned, human-editable JSON, and back.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "config/mouse_config.h"

namespace quorvel {

inline constexpr std::string_view kConfigJsonFormat = "QuorvelMouse configuration";
inline constexpr int kConfigJsonVersion = 2;

// Version 2: names where the window shows names, buttons, stages and slots numbered from 1,
// each button with only its own function's values. Every byte of the record appears
// (reserved ones, and the stored parameters of every button in one field), so a record
// whose values have names comes back byte for byte. A value without a name is written as
// null, which configFromJson refuses by name. With a sensor type, a stage whose index lies in
// that sensor's DPI list also gives its "dpi" value.
std::string configToJson(const MouseConfig& config, std::optional<int> sensorType = std::nullopt);

// The sensor type whose DPI list a stage's "dpi" is read in; asked at most once, and only
// when the document needs it. An empty function, or nullopt, means it is not known.
using SensorSource = std::function<std::optional<int>()>;

struct ConfigJsonResult {
    std::optional<MouseConfig> config;
    std::string error;  // "<field path>: <what is wrong>", empty on success
};

// Reads versions 1 and 2. Checks the format and version, that every field is present and
// known, and every value's form and range; the rules between values are recordProblems'
// (profile/record_rules.h). A stage takes "dpi_index", "dpi" (a value of the sensor's list), or
// both when they agree. Never throws.
ConfigJsonResult configFromJson(std::string_view text, const SensorSource& sensor = {});

}  // namespace quorvel
