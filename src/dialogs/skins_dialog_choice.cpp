#include "dialogs/skins_dialog_choice.h"

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Letter case of ASCII only; other UTF-8 bytes compare exactly.
bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool isSkinDirectory(const DirectoryEntry& entry) {
    return entry.directory && entry.name != "." && entry.name != "..";
}

}  // namespace

std::vector<std::string> skinNamesIn(std::span<const DirectoryEntry> entries) {
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : entries) {
        if (isSkinDirectory(entry))
            names.push_back(entry.name);
    }
    return names;
}

std::optional<std::string> findSkinPath(DirectoryListingPort& listing, const std::string& skinsRoot,
                                        std::string_view name) {
    const std::vector<DirectoryEntry> entries = listing.list(skinsRoot);
    const DirectoryEntry* found = nullptr;
    for (const DirectoryEntry& entry : entries) {
        if (!isSkinDirectory(entry))
            continue;
        // Two names that differ only in case are two skins: the chosen one is taken.
        if (entry.name == name) {
            found = &entry;
            break;
        }
        if (found == nullptr && sameIgnoringCase(entry.name, name))
            found = &entry;
    }
    if (found == nullptr)
        return std::nullopt;
    return skinsRoot + found->name;
}

SkinsChoice::SkinsChoice(DirectoryListingPort& listing, std::string skinsRoot, std::string skinName,
                         std::string skinPath, Colour colour)
    : listing_(listing),
      root_(std::move(skinsRoot)),
      skinName_(std::move(skinName)),
      skinPath_(std::move(skinPath)),
      colour_(colour) {}

void SkinsChoice::fill() {
    listed_ = skinNamesIn(listing_.list(root_));
}

bool SkinsChoice::choose(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= listed_.size())
        return false;
    const std::string& name = listed_[static_cast<std::size_t>(position)];
    std::optional<std::string> path = findSkinPath(listing_, root_, name);
    if (!path)
        return false;
    skinName_ = name;
    skinPath_ = std::move(*path);
    selectedIndex_ = position;
    return true;
}

}  // namespace quorvel
