// A profile: a whole configuration in the JSON form export writes, with the sixteen button
// labels and the programs that choose it. An export without the two is a profile too.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/mouse_config.h"
#include "config/settings_file.h"

namespace quorvel {

inline constexpr std::string_view kLabelsField = "labels";
inline constexpr std::string_view kProgramsField = "programs";

struct Profile {
    MouseConfig config;
    std::optional<ButtonLabels> labels;
    std::vector<std::string> programs;  // file names, each once whatever its case
};

std::string profileToJson(const Profile& profile);

struct ProfileJsonResult {
    std::optional<Profile> profile;
    std::string error;  // "<field path>: <what is wrong>", empty on success
};

// The record's checks are the import's: the JSON form's, then the rules between values.
// Never throws.
ProfileJsonResult profileFromJson(std::string_view text);

}  // namespace quorvel
