// The lighting parameter list per mode: its entries (not translated) and its reach.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/record_texts.h"
#include "ui/geometry.h"

namespace quorvel {

// The entries of the parameter list: Standard and Respiration have their own, every other
// mode (Off included) offers the Neon times.
std::vector<std::string> parameterEntries(std::uint8_t mode);
// The text of the parameter stored for `mode`; empty outside the mode's range or in mode 0.
std::string parameterText(std::uint8_t mode, std::uint8_t parameter);
// The parameter list window: it reaches down to 547 for Standard, 467 for Respiration and
// 577 for every other mode.
Rect parameterListRect(std::uint8_t mode);

}  // namespace quorvel
