#include "profile/key_words.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <span>

#include "keys/key_code_tables.h"

namespace quorvel {
namespace {

constexpr std::size_t kMostSuggestions = 3;

char folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool sameWithoutCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return folded(x) == folded(y);
           });
}

// Edits (insert, delete, replace) from one to the other, case ignored.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t replace = diagonal + (folded(a[i - 1]) == folded(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, replace});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// A name that begins with the word, or that the word begins with ("Page" for "Page Up",
// "Escape" for "Esc"), is as near as a single slip.
std::size_t distance(std::string_view word, std::string_view name) {
    const std::size_t shorter = std::min(word.size(), name.size());
    if (shorter >= 2 && sameWithoutCase(word.substr(0, shorter), name.substr(0, shorter)))
        return 1;
    return editDistance(word, name);
}

struct NamedList {
    std::string_view title;
    std::span<const NamedCode> names;
};

}  // namespace

std::optional<std::uint8_t> keyCodeOfWord(std::string_view word) {
    for (const auto& key : kKeyNameTable) {
        if (sameWithoutCase(key.name, word))
            return key.code;
    }
    return std::nullopt;
}

std::vector<std::string_view> closestKeyNames(std::string_view word) {
    // Past this many edits a name is a different word, not a slip of this one.
    const std::size_t farthest = std::max<std::size_t>(2, word.size() / 2);
    std::vector<std::pair<std::size_t, std::string_view>> near;
    for (const auto& key : kKeyNameTable) {
        const std::size_t d = distance(word, key.name);
        if (d <= farthest)
            near.emplace_back(d, key.name);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < near.size() && i < kMostSuggestions; ++i)
        names.push_back(near[i].second);
    return names;
}

std::string keySuggestion(std::string_view word) {
    const auto names = closestKeyNames(word);
    if (names.empty())
        return "; 'quorvelctl keys' lists every key name";
    std::string text = "; did you mean ";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : ", ") + std::string(names[i]);
    return text + "?";
}

std::string keyNamesText() {
    const std::array<NamedList, 3> lists = {{
        {"Key names (Single Key, Combo Key, record.ini events), with their codes:", kKeyNameTable},
        {"Combo Key modifiers:", kModifierTable},
        {"Fire Key targets, with their codes:", kFireTargetTable},
    }};
    std::string text;
    for (const auto& list : lists) {
        text += (text.empty() ? "" : "\n") + std::string(list.title) + "\n";
        for (const auto& entry : list.names) {
            char code[8];
            std::snprintf(code, sizeof code, "%02x", entry.code);
            text += "  " + std::string(code) + "  " + std::string(entry.name) + "\n";
        }
    }
    text += "\nMultimedia keys:\n";
    for (const auto& entry : kMediaKeyTable)
        text += "  " + std::string(entry.name) + "\n";
    text += "\nWindows keys:\n";
    for (const auto& entry : kWindowsKeyTable)
        text += "  " + std::string(entry.name) + "\n";
    return text;
}

}  // namespace quorvel
