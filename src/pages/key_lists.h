// Identifiers of the basic page's key lists and its DPI sub-list.
#pragma once

namespace quorvel {

inline constexpr int kDpiSubListId = 40;
inline constexpr int kFirstKeyListId = 41;  // button 0; button b has 41 + b

constexpr int keyListId(int button) {
    return kFirstKeyListId + button;
}

inline constexpr int kDpiSubListWidth = 60;
inline constexpr int kDpiSubListHeight = 60;

}  // namespace quorvel
