// The profiles folder: one "<name>.json" per profile, listed in name order, each program
// in the rules of at most one profile. Files are replaced whole, never half-written; a
// damaged file is listed with its error and never rewritten.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ports/directory_listing.h"
#include "ports/files.h"
#include "profile/profile_file.h"

namespace quorvel {

struct ProfileEntry {
    std::string name;
    std::string path;
    std::optional<Profile> profile;  // nullopt when damaged; `error` says why
    std::string error;
};

class ProfileStore {
  public:
    ProfileStore(FilesPort& files, DirectoryListingPort& listing, std::string folder);

    const std::string& folder() const { return folder_; }
    std::string pathOf(std::string_view name) const;

    std::vector<ProfileEntry> list() const;
    // A missing file is an error too: "no profile named ...".
    ProfileEntry load(std::string_view name) const;

    // Each returns empty on success, else one line naming the file. The programs of a saved
    // profile leave every other profile.
    std::string save(std::string_view name, const Profile& profile);
    std::string remove(std::string_view name);
    std::string addPrograms(std::string_view name, std::span<const std::string> programs);
    // Takes the programs out of whichever profile has them; `unknown` gets those none had.
    std::string removePrograms(std::span<const std::string> programs,
                               std::vector<std::string>& unknown);

  private:
    std::string write(const std::string& path, const Profile& profile);

    FilesPort& files_;
    DirectoryListingPort& listing_;
    std::string folder_;
};

// The healthy profile whose rules name `program`; the first in name order if a failed
// move left it in two.
const ProfileEntry* profileOfProgram(std::span<const ProfileEntry> entries,
                                     std::string_view program);

// "<folder of config.bin>Profiles", with the folder's own separator.
std::string profilesFolderBeside(std::string_view configDirectory);

}  // namespace quorvel
