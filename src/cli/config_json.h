// The whole configuration record as versioned, human-editable JSON, and back.
#pragma once

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
// null, which configFromJson refuses by name.
std::string configToJson(const MouseConfig& config);

struct ConfigJsonResult {
    std::optional<MouseConfig> config;
    std::string error;  // "<field path>: <what is wrong>", empty on success
};

// Reads versions 1 and 2. Checks the format and version, that every field is present and
// known, and every value's form and range; the rules between values are recordProblems'
// (cli/record_rules.h). Never throws.
ConfigJsonResult configFromJson(std::string_view text);

}  // namespace quorvel
