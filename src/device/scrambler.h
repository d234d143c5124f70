// The report scrambler that the mouse switches on after a scrambled handshake.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "device/command_report.h"

namespace quorvel {

struct ScramblerKeys {
    // Positions 1 to 6 are used; 0 and 7 stay zero.
    std::array<std::uint8_t, command_report::kSize> handshake{};
    std::array<std::uint8_t, command_report::kSize> table{};
};

// The program's own constants; a mouse accepts only the values its firmware uses.
inline constexpr std::array<std::uint8_t, 4> kHandshakePattern = {0x51, 0x7A, 0x3C, 0x09};
inline constexpr ScramblerKeys kProgramKeys = {
    {0x00, 0x4B, 0x71, 0x37, 0x21, 0x7A, 0x00, 0x00},
    {0x6D, 0x38, 0x52, 0x23, 0x74, 0x4C, 0x70, 0x32},
};

void scramble(std::span<std::uint8_t, command_report::kSize> report, const ScramblerKeys& keys);
void unscramble(std::span<std::uint8_t, command_report::kSize> report, const ScramblerKeys& keys);

}  // namespace quorvel
