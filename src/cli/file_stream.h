// Output files named by the user, opened with UTF-8 names on every system.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace quorvel::cli {

inline std::filesystem::path pathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace quorvel::cli
