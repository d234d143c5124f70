#include "macro/macro_item.h"

#include <limits>

namespace quorvel {
namespace {

constexpr std::int64_t kNumberLimit = std::numeric_limits<std::int32_t>::max();

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool contains(std::string_view text, std::string_view marker) {
    return text.find(marker) != std::string_view::npos;
}

}  // namespace

std::string withoutAll(std::string_view text, std::string_view marker) {
    std::string result;
    result.reserve(text.size());
    while (!text.empty()) {
        const auto at = text.find(marker);
        if (at == std::string_view::npos) {
            result.append(text);
            break;
        }
        result.append(text.substr(0, at));
        text.remove_prefix(at + marker.size());
    }
    return result;
}

std::optional<MacroEventItem> parseEventItem(std::string_view item) {
    if (contains(item, kPressSuffix)) {
        return MacroEventItem{withoutAll(item, kPressSuffix), false};
    }
    if (contains(item, kReleaseSuffix)) {
        return MacroEventItem{withoutAll(item, kReleaseSuffix), true};
    }
    return std::nullopt;
}

std::int64_t leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kNumberLimit) {
            value = kNumberLimit;
        }
    }
    return negative ? -value : value;
}

int delayFromItem(const std::string* nextItem) {
    // Two events side by side (an item deleted in the editor) leave the first without a
    // delay; an event such as "5   Dn" must not lend its key name as a delay.
    if (nextItem == nullptr || parseEventItem(*nextItem)) {
        return 0;
    }
    const std::int64_t number = leadingNumber(withoutAll(*nextItem, kDelaySuffix));
    return number < 0 ? 0 : static_cast<int>(number);
}

std::string pressItem(std::string_view keyName) {
    return std::string(keyName) + std::string(kPressSuffix);
}

std::string releaseItem(std::string_view keyName) {
    return std::string(keyName) + std::string(kReleaseSuffix);
}

std::string delayItem(int milliseconds) {
    return std::to_string(milliseconds) + std::string(kDelaySuffix);
}

bool isDelayItem(std::string_view item) {
    return contains(item, kDelayMarker);
}

}  // namespace quorvel
