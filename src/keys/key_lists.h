// Identifiers of the key lists and the DPI sub-list, and the sub-list's entries.
#pragma once

#include <array>
#include <string_view>

#include "config/mouse_config.h"

namespace quorvel {

inline constexpr int kDpiSubListId = 40;
inline constexpr int kFirstKeyListId = 41;  // button 0; button b has 41 + b

constexpr int keyListId(int button) {
    return kFirstKeyListId + button;
}

inline constexpr int kDpiSubListWidth = 60;
inline constexpr int kDpiSubListHeight = 60;

// Not translated; entry k sets the DPI Switch parameter k + 1.
inline constexpr std::array<std::string_view, 3> kDpiSubListEntries = {"DPI +", "DPI -",
                                                                       "DPI Loop"};

}  // namespace quorvel
