#include "dialogs/skins_dialog_choice.h"

#include <algorithm>
#include <utility>

#include "ui/skin_images.h"

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

// The entry called `name`, else the first whose name differs only in letter case.
template <typename Entry, typename NameOf>
const Entry* findByName(std::span<const Entry> entries, std::string_view name, NameOf nameOf) {
    const Entry* found = nullptr;
    for (const Entry& entry : entries) {
        // Two names that differ only in case are two skins: the chosen one is taken.
        if (nameOf(entry) == name)
            return &entry;
        if (found == nullptr && sameIgnoringCase(nameOf(entry), name))
            found = &entry;
    }
    return found;
}

constexpr std::string_view kDefaultSkin = "Default";

}  // namespace

bool isCompleteSkin(DirectoryListingPort& listing, const std::string& directory) {
    const std::vector<DirectoryEntry> entries = listing.list(directory);
    return std::ranges::all_of(skin_image::kAll, [&](std::string_view image) {
        const std::string_view file = image.substr(1);  // without its leading separator
        return std::ranges::any_of(entries, [&](const DirectoryEntry& entry) {
            return !entry.directory && sameIgnoringCase(entry.name, file);
        });
    });
}

UsableSkins usableSkinNames(DirectoryListingPort& listing, const std::string& skinsRoot,
                            std::string_view wanted) {
    std::vector<std::string> complete;
    for (std::string& name : skinNamesIn(listing.list(skinsRoot))) {
        if (isCompleteSkin(listing, skinsRoot + name))
            complete.push_back(std::move(name));
    }
    UsableSkins usable;
    std::vector<std::string>& order = usable.names;
    const auto nameOf = [](const std::string& name) -> std::string_view { return name; };
    for (std::string_view first : {wanted, kDefaultSkin}) {
        const std::string* found = findByName<std::string>(complete, first, nameOf);
        if (found != nullptr && std::ranges::find(order, *found) == order.end())
            order.push_back(*found);
        if (first == wanted)
            usable.wantedFirst = found != nullptr;
    }
    for (const std::string& name : complete) {
        if (std::ranges::find(order, name) == order.end())
            order.push_back(name);
    }
    return usable;
}

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
    std::vector<DirectoryEntry> entries = listing.list(skinsRoot);
    std::erase_if(entries, [](const DirectoryEntry& entry) { return !isSkinDirectory(entry); });
    const DirectoryEntry* found = findByName<DirectoryEntry>(
        entries, name, [](const DirectoryEntry& entry) -> std::string_view { return entry.name; });
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
    std::erase_if(listed_, [this](const std::string& name) {
        return !isCompleteSkin(listing_, root_ + name);
    });
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
