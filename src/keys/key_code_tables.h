// The key names and list positions a user sees, and the bytes the mouse receives for them.
// Conversions run one way only: the text shown is always stored beside the code.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quorvel {

struct NamedCode {
    std::string_view name;
    std::uint8_t code;
};

// Keyboard/Keypad usages under the names the key-name function gives on a US English layout,
// plus the program's own mouse-button codes; searched in this order.
inline constexpr std::array<NamedCode, 107> kKeyNameTable = {{
    {"A", 0x04},
    {"B", 0x05},
    {"C", 0x06},
    {"D", 0x07},
    {"E", 0x08},
    {"F", 0x09},
    {"G", 0x0A},
    {"H", 0x0B},
    {"I", 0x0C},
    {"J", 0x0D},
    {"K", 0x0E},
    {"L", 0x0F},
    {"M", 0x10},
    {"N", 0x11},
    {"O", 0x12},
    {"P", 0x13},
    {"Q", 0x14},
    {"R", 0x15},
    {"S", 0x16},
    {"T", 0x17},
    {"U", 0x18},
    {"V", 0x19},
    {"W", 0x1A},
    {"X", 0x1B},
    {"Y", 0x1C},
    {"Z", 0x1D},
    {"1", 0x1E},
    {"2", 0x1F},
    {"3", 0x20},
    {"4", 0x21},
    {"5", 0x22},
    {"6", 0x23},
    {"7", 0x24},
    {"8", 0x25},
    {"9", 0x26},
    {"0", 0x27},
    {"Enter", 0x28},
    {"Esc", 0x29},
    {"Backspace", 0x2A},
    {"Tab", 0x2B},
    {"Space", 0x2C},
    {"-", 0x2D},
    {"=", 0x2E},
    {"[", 0x2F},
    {"]", 0x30},
    {"\\", 0x31},
    {"Eurpo(Note 2)", 0x32},
    {";", 0x33},
    {"'", 0x34},
    {"`", 0x35},
    {",", 0x36},
    {".", 0x37},
    {"/", 0x38},
    {"Caps Lock", 0x39},
    {"F1", 0x3A},
    {"F2", 0x3B},
    {"F3", 0x3C},
    {"F4", 0x3D},
    {"F5", 0x3E},
    {"F6", 0x3F},
    {"F7", 0x40},
    {"F8", 0x41},
    {"F9", 0x42},
    {"F10", 0x43},
    {"F11", 0x44},
    {"F12", 0x45},
    {"Prnt Scrn", 0x46},
    {"Scroll Lock", 0x47},
    {"Pause", 0x48},
    {"Insert", 0x49},
    {"Home", 0x4A},
    {"Page Up", 0x4B},
    {"Delete", 0x4C},
    {"End", 0x4D},
    {"Page Down", 0x4E},
    {"Right", 0x4F},
    {"Left", 0x50},
    {"Down", 0x51},
    {"Up", 0x52},
    {"Num Lock", 0x53},
    {"Num /", 0x54},
    {"Num *", 0x55},
    {"Num -", 0x56},
    {"Num +", 0x57},
    {"Num Enter", 0x58},
    {"Num 1", 0x59},
    {"Num 2", 0x5A},
    {"Num 3", 0x5B},
    {"Num 4", 0x5C},
    {"Num 5", 0x5D},
    {"Num 6", 0x5E},
    {"Num 7", 0x5F},
    {"Num 8", 0x60},
    {"Num 9", 0x61},
    {"Num 0", 0x62},
    {"Num Del", 0x63},
    {"Ctrl", 0xE0},
    {"Shift", 0xE1},
    {"Alt", 0xE2},
    {"Left Windows", 0xE3},
    {"Right Ctrl", 0xE4},
    {"Right Shift", 0xE5},
    {"Right Alt", 0xE6},
    {"Right Windows", 0xE7},
    {"L-Button", 0xF0},
    {"R-Button", 0xF1},
    {"M-Button", 0xF2},
}};

// Bits of the boot-keyboard modifier byte, under the combination dialog's names.
inline constexpr std::array<NamedCode, 8> kModifierTable = {{
    {"Left Ctrl", 0x01},
    {"Left Shift", 0x02},
    {"Left Alt", 0x04},
    {"Left Win", 0x08},
    {"Right Ctrl", 0x10},
    {"Right Shift", 0x20},
    {"Right Alt", 0x40},
    {"Right Win", 0x80},
}};

// Rapid-fire targets by list position; the same texts in every UI language. The Windows keys
// are not targets. 0xF0 to 0xF6 are the mouse's buttons 1 to 5 and its wheel tilts.
inline constexpr std::array<NamedCode, 61> kFireTargetTable = {{
    {"A", 0x04},
    {"B", 0x05},
    {"C", 0x06},
    {"D", 0x07},
    {"E", 0x08},
    {"F", 0x09},
    {"G", 0x0A},
    {"H", 0x0B},
    {"I", 0x0C},
    {"J", 0x0D},
    {"K", 0x0E},
    {"L", 0x0F},
    {"M", 0x10},
    {"N", 0x11},
    {"O", 0x12},
    {"P", 0x13},
    {"Q", 0x14},
    {"R", 0x15},
    {"S", 0x16},
    {"T", 0x17},
    {"U", 0x18},
    {"V", 0x19},
    {"W", 0x1A},
    {"X", 0x1B},
    {"Y", 0x1C},
    {"Z", 0x1D},
    {"1", 0x1E},
    {"2", 0x1F},
    {"3", 0x20},
    {"4", 0x21},
    {"5", 0x22},
    {"6", 0x23},
    {"7", 0x24},
    {"8", 0x25},
    {"9", 0x26},
    {"0", 0x27},
    {"L-CTRL", 0xE0},
    {"L-SHIFT", 0xE1},
    {"L-ALT", 0xE2},
    {"R-CTRL", 0xE4},
    {"R-SHIFT", 0xE5},
    {"R-ALT", 0xE6},
    {"F1", 0x3A},
    {"F2", 0x3B},
    {"F3", 0x3C},
    {"F4", 0x3D},
    {"F5", 0x3E},
    {"F6", 0x3F},
    {"F7", 0x40},
    {"F8", 0x41},
    {"F9", 0x42},
    {"F10", 0x43},
    {"F11", 0x44},
    {"F12", 0x45},
    {"L-Button", 0xF0},
    {"R-Button", 0xF1},
    {"M-Button", 0xF2},
    {"B4-Button", 0xF3},
    {"B5-Button", 0xF4},
    {"L-Tilt Wheel", 0xF5},
    {"R-Tilt Wheel", 0xF6},
}};

// Consumer-page usages of the media-key list; their high byte is 0, so only the low byte exists.
inline constexpr std::array<NamedCode, 7> kMediaKeyTable = {{
    {"Next", 0xB5},        // Scan Next Track
    {"Previous", 0xB6},    // Scan Previous Track
    {"Stop", 0xB7},        // Stop
    {"Play/Pause", 0xCD},  // Play/Pause
    {"Mute", 0xE2},        // Mute
    {"Vol+", 0xE9},        // Volume Increment
    {"Vol-", 0xEA},        // Volume Decrement
}};

struct NamedUsage {
    std::string_view name;
    std::uint16_t usage;
};

// Consumer-page usages of the Windows-key list. The high byte sent is derived from the
// position (see windowsUsageFromPosition), which these usages agree with.
inline constexpr std::array<NamedUsage, 11> kWindowsKeyTable = {{
    {"Multimedia Player", 0x0183},     // AL Consumer Control Configuration
    {"Mail", 0x018A},                  // AL Email Reader
    {"Calculator", 0x0192},            // AL Calculator
    {"My Computer", 0x0194},           // AL Local Machine Browser
    {"Browser-Search", 0x0221},        // AC Search
    {"Browser-Home", 0x0223},          // AC Home
    {"Browser-Back", 0x0224},          // AC Back
    {"Browser-Forward", 0x0225},       // AC Forward
    {"Browser-Stop", 0x0226},          // AC Stop
    {"Browser-Refresh", 0x0227},       // AC Refresh
    {"Browser-My Favorites", 0x022A},  // AC Bookmarks
}};

struct UsageBytes {
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    friend bool operator==(const UsageBytes&, const UsageBytes&) = default;
};

// Whole-text, case-sensitive, first match; 0 when the name is not in the table.
std::uint8_t keyCodeFromName(std::string_view name);
std::uint8_t modifierBitFromName(std::string_view name);

// Only the low eight bits of a position count; a position past the table gives 0.
std::uint8_t fireKeyCodeFromPosition(int position);
std::uint8_t mediaUsageFromPosition(int position);
UsageBytes windowsUsageFromPosition(int position);

}  // namespace quorvel
