// Key names as a person types them: without regard to case, and with the closest names
// offered for one that is not in the key table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The key table's code for `word`, whatever its case.
std::optional<std::uint8_t> keyCodeOfWord(std::string_view word);

// The key names nearest to `word`, nearest first; empty when none is near.
std::vector<std::string_view> closestKeyNames(std::string_view word);

// "; did you mean Esc, Page Up?" or, with nothing near, where the names are listed.
std::string keySuggestion(std::string_view word);

// Every name the JSON form and record.ini take, grouped by list, for `quorvelctl keys`.
std::string keyNamesText();

}  // namespace quorvel
