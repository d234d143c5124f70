// What a profile may be called and how programs are named in its rules.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

inline constexpr std::size_t kProfileNameMaxCharacters = 40;
inline constexpr std::string_view kProfileExtension = ".json";
inline constexpr std::string_view kProfilesFolderName = "Profiles";

// Why `name` cannot name a profile file, in one sentence; empty when it can. A name
// becomes "<name>.json" in a folder on Windows, so it follows that system's rules.
std::string profileNameProblem(std::string_view name);

// Why `program` cannot stand in a profile's rules (a file name such as "game.exe").
std::string programNameProblem(std::string_view program);

// Program file names compare without regard to case, as the system compares them.
bool sameProgram(std::string_view a, std::string_view b);

}  // namespace quorvel
