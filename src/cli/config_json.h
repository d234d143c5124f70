// The whole configuration record as versioned, human-editable JSON, and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/mouse_config.h"

namespace quorvel {

inline constexpr std::string_view kConfigJsonFormat = "QuorvelMouse configuration";
inline constexpr int kConfigJsonVersion = 1;

// Every byte of the record appears, reserved ones included, so a record whose values lie
// in their ranges comes back byte for byte. A value outside its range is written as null,
// which configFromJson refuses by name.
std::string configToJson(const MouseConfig& config);

struct ConfigJsonResult {
    std::optional<MouseConfig> config;
    std::string error;  // "<field path>: <what is wrong>", empty on success
};

// Checks the format and version, that every field is present and known, and every value's
// range; the parameters of a button's function are held to that function's ranges, those
// of the functions it does not use are carried as plain bytes. Never throws.
ConfigJsonResult configFromJson(std::string_view text);

}  // namespace quorvel
