// The text lines of a macro ("Ctrl   Dn", "50 ms", "C   Up"), as record.ini and the
// editor's key press sequence list hold them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

inline constexpr std::string_view kPressSuffix = "   Dn";
inline constexpr std::string_view kReleaseSuffix = "   Up";
inline constexpr std::string_view kDelaySuffix = " ms";
inline constexpr std::string_view kDelayMarker = "ms";  // what makes an item a delay in the editor

struct MacroEventItem {
    std::string keyName;
    bool release = false;
};

// A press when the item holds "   Dn", else a release when it holds "   Up"; the key name is
// the item with every such marker removed. Any other item is no event.
std::optional<MacroEventItem> parseEventItem(std::string_view item);

// The delay an event gets from the item after it: that item's leading number once " ms" is
// removed; 0 when the item is missing, is itself an event, holds no number or is negative.
int delayFromItem(const std::string* nextItem);

// The leading decimal number of a text the way a C runtime's atoi reads it (blanks, an
// optional sign, digits), 0 when there is none; saturates instead of overflowing.
std::int64_t leadingNumber(std::string_view text);

std::string pressItem(std::string_view keyName);
std::string releaseItem(std::string_view keyName);
std::string delayItem(int milliseconds);
bool isDelayItem(std::string_view item);

// Removes every occurrence of a marker.
std::string withoutAll(std::string_view text, std::string_view marker);

}  // namespace quorvel
