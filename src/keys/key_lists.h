// Identifiers of the key lists and the DPI sub-list, and where each button label is kept.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "config/mouse_config.h"

namespace quorvel {

inline constexpr int kDpiSubListId = 40;
inline constexpr int kFirstKeyListId = 41;  // button 0; button b has 41 + b

constexpr int keyListId(int button) {
    return kFirstKeyListId + button;
}

inline constexpr int kButtonLabelCount = 2 * kButtonCount;

// The sixteen labels in the main window's order: Mode A buttons 0 to 7, then Mode B.
using ButtonLabelTexts = std::span<std::string, kButtonLabelCount>;

constexpr int buttonLabelIndex(Mode mode, int button) {
    return (mode == Mode::B ? kButtonCount : 0) + button;
}

inline constexpr int kDpiSubListWidth = 60;
inline constexpr int kDpiSubListHeight = 60;

// Not translated; entry k sets the DPI Switch parameter k + 1.
inline constexpr std::array<std::string_view, 3> kDpiSubListEntries = {"DPI +", "DPI -",
                                                                       "DPI Loop"};

}  // namespace quorvel
