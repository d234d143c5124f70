// What the skin chooser lets the user choose: a skin directory under Skins and the UI text
// colour. Both start as the current ones, so OK without a change keeps them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/mouse_config.h"
#include "ports/directory_listing.h"

namespace quorvel {

// The skin in use, or the one chosen.
struct SkinSetting {
    std::string directory;  // where its images are
    std::string name;       // its directory's name, as str.ini keeps it
    Colour textColour;
    friend bool operator==(const SkinSetting&, const SkinSetting&) = default;
};

// The directories among `entries`, in their order, without "." and "..".
std::vector<std::string> skinNamesIn(std::span<const DirectoryEntry> entries);

// The full path of the skin directory called `name` under `skinsRoot` (which ends with a
// separator): the directory of exactly that name, else the first whose name differs only in
// letter case. Empty when there is none.
std::optional<std::string> findSkinPath(DirectoryListingPort& listing, const std::string& skinsRoot,
                                        std::string_view name);

// True when `directory` holds every image a skin needs (names compared without regard to
// letter case, as the system opens them).
bool isCompleteSkin(DirectoryListingPort& listing, const std::string& directory);

struct UsableSkins {
    // Complete skins in the order to try them; empty when no installed skin is complete.
    std::vector<std::string> names;
    bool wantedFirst = false;  // the first is the wanted one, not a stand-in for it
};

// The complete skins under `skinsRoot` in the order to try them for a window: the one called
// `wanted` (exactly, else differing in letter case only), then "Default", then the others in
// enumeration order.
UsableSkins usableSkinNames(DirectoryListingPort& listing, const std::string& skinsRoot,
                            std::string_view wanted);

class SkinsChoice {
  public:
    // skinsRoot: where the skin directories are, ending with a separator.
    SkinsChoice(DirectoryListingPort& listing, std::string skinsRoot, std::string skinName,
                std::string skinPath, Colour colour);

    // The skin list as it opens: enumerated afresh each time; incomplete skins are left out.
    void fill();
    const std::vector<std::string>& listed() const { return listed_; }

    // Entry `position` of the list as last filled. False, and the skin stays, when it is not
    // listed or its directory is gone by now.
    bool choose(int position);
    void setColour(Colour colour) { colour_ = colour; }

    const std::string& skinName() const { return skinName_; }
    const std::string& skinPath() const { return skinPath_; }
    Colour colour() const { return colour_; }
    int selectedIndex() const { return selectedIndex_; }

  private:
    DirectoryListingPort& listing_;
    std::string root_;
    std::vector<std::string> listed_;
    std::string skinName_;
    std::string skinPath_;
    Colour colour_;
    int selectedIndex_ = 0;
};

}  // namespace quorvel
