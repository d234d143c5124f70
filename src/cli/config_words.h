// A configuration record in words, for "show".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/mouse_config.h"

namespace quorvel::cli {

struct WordsOptions {
    std::optional<int> sensorType;        // without it the stages show their DPI list index
    std::vector<std::string> macroNames;  // by slot, from record.ini; may be shorter than 12
};

std::string configInWords(const MouseConfig& config, const WordsOptions& options);

// One button's function with its parameters, e.g. "Fire Key: A, speed 10, 3 times".
std::string buttonInWords(const MouseConfig& config, Mode mode, int button,
                          const std::vector<std::string>& macroNames);

}  // namespace quorvel::cli
