#include "platform/win32/directory_listing_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "dialogs/skins_dialog_choice.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

TEST(Win32DirectoryListing, SkinsAreTheSubdirectoriesWhateverTheirNames) {
    const fs::path root = fs::temp_directory_path() / "quorvel-skins-listing";
    fs::remove_all(root);
    fs::create_directories(root / "Frost");
    fs::create_directories(root / u8"夜色 Night");
    std::ofstream(root / "notes.txt") << "not a skin";

    win32::Win32DirectoryListing listing;
    const std::vector<DirectoryEntry> entries = listing.list(utf8(root));
    std::vector<std::string> names = skinNamesIn(entries);
    std::ranges::sort(names);  // the file system's order is its own
    EXPECT_EQ(names,
              (std::vector<std::string>{"Frost", reinterpret_cast<const char*>(u8"夜色 Night")}));
    EXPECT_TRUE(std::ranges::any_of(
        entries, [](const DirectoryEntry& e) { return e.name == "notes.txt" && !e.directory; }));
    EXPECT_EQ(findSkinPath(listing, utf8(root) + "/", "FROST"), utf8(root) + "/Frost");

    EXPECT_TRUE(listing.list(utf8(root / "missing")).empty());
    fs::remove_all(root);
}

}  // namespace
}  // namespace quorvel
