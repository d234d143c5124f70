// Where a skin's images are: beside the executable, under Skins/<name>.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

inline constexpr std::string_view kExecutableName = "QuorvelMouse.exe";

// The executable's full path with every occurrence of its expected file name removed, then
// "/Skins/" and the skin name. Mixed and doubled separators stay: the file system takes them.
// A renamed executable keeps its whole path in front, so no skin image is found.
std::string skinDirectoryFor(std::string_view executablePath, std::string_view skinName);

// Skin directory + image file name (which begins with a slash).
std::string SkinPath(std::string_view skinDirectory, std::string_view fileName);

}  // namespace quorvel
