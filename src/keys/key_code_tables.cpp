#include "keys/key_code_tables.h"

#include <cstddef>
#include <span>

namespace quorvel {
namespace {

std::uint8_t firstMatch(std::span<const NamedCode> table, std::string_view name) {
    for (const NamedCode& row : table) {
        if (row.name == name)
            return row.code;
    }
    return 0;
}

// Positions arrive as list indices; the mouse's fields are bytes, so only the low byte counts.
std::size_t lowByte(int position) {
    return static_cast<std::size_t>(position) & 0xFFu;
}

// Positions before the first browser entry are application launches (usage page 0x01xx).
constexpr std::size_t kFirstBrowserPosition = 4;
constexpr std::uint8_t kAppLaunchUsageHigh = 0x01;
constexpr std::uint8_t kBrowserUsageHigh = 0x02;

std::uint8_t windowsUsageHigh(std::size_t position) {
    if (position >= kWindowsKeyTable.size())
        return 0;
    return position >= kFirstBrowserPosition ? kBrowserUsageHigh : kAppLaunchUsageHigh;
}

}  // namespace

std::uint8_t keyCodeFromName(std::string_view name) {
    return firstMatch(kKeyNameTable, name);
}

std::uint8_t modifierBitFromName(std::string_view name) {
    return firstMatch(kModifierTable, name);
}

std::uint8_t fireKeyCodeFromPosition(int position) {
    const std::size_t at = lowByte(position);
    return at < kFireTargetTable.size() ? kFireTargetTable[at].code : 0;
}

std::uint8_t mediaUsageFromPosition(int position) {
    const std::size_t at = lowByte(position);
    return at < kMediaKeyTable.size() ? kMediaKeyTable[at].code : 0;
}

UsageBytes windowsUsageFromPosition(int position) {
    const std::size_t at = lowByte(position);
    if (at >= kWindowsKeyTable.size())
        return {};
    return {static_cast<std::uint8_t>(kWindowsKeyTable[at].usage & 0xFFu), windowsUsageHigh(at)};
}

}  // namespace quorvel
