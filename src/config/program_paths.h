// The program's three files, beside the executable whatever the executable is called.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

struct ProgramPaths {
    std::string executable;
    std::string directory;  // with its trailing separator; empty for a bare file name
    std::string configFile;
    std::string recordFile;
    std::string settingsFile;

    // Accepts both separators, so a Windows path and a native one work alike.
    static ProgramPaths fromExecutable(std::string_view executablePath);
};

inline constexpr std::string_view kConfigFileName = "config.bin";
inline constexpr std::string_view kRecordFileName = "record.ini";
inline constexpr std::string_view kSettingsFileName = "str.ini";

}  // namespace quorvel
