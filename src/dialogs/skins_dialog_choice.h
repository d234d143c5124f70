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

class SkinsChoice {
  public:
    // skinsRoot: where the skin directories are, ending with a separator.
    SkinsChoice(DirectoryListingPort& listing, std::string skinsRoot, std::string skinName,
                std::string skinPath, Colour colour);

    // The skin list as it opens: enumerated afresh each time.
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
