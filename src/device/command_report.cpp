#include "device/command_report.h"

namespace quorvel {

std::uint8_t checkByte(std::span<const std::uint8_t, command_report::kSize> report) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < command_report::kCheck; ++i)
        sum += report[i];
    return static_cast<std::uint8_t>(0xFFu - (sum & 0xFFu));
}

}  // namespace quorvel
