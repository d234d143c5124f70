// config.bin: the first-run flag and the raw configuration record, 1850 bytes in all.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/mouse_config.h"
#include "config/program_paths.h"
#include "ports/files.h"
#include "ports/message_box.h"

namespace quorvel {

namespace config_file {
inline constexpr std::size_t kFirstRunFlag = 0;
inline constexpr std::size_t kRecord = 1;
inline constexpr std::size_t kSize = kRecord + record::kSize;
}  // namespace config_file

inline constexpr std::uint8_t kFirstRunNotSaved = 0;
inline constexpr std::uint8_t kFirstRunSaved = 1;

inline constexpr std::string_view kConfigMissingText = "Config file is not exist.";
inline constexpr std::string_view kWriteFailedCaption = "NULL ==fp ";

// What the load left behind: the first-run flag as loaded (0 when nothing was loaded) and
// the diagnostic text, formed but never shown (empty when nothing was loaded).
struct ConfigFileState {
    std::uint8_t firstRunFlag = kFirstRunNotSaved;
    std::string diagnostic;
};

// Missing file: "Config file is not exist."; wrong size or unreadable: silent. In every
// failure `config` is left as it was.
ConfigFileState loadConfigFile(FilesPort& files, MessageBoxPort& messages,
                               const ProgramPaths& paths, MouseConfig& config);

// Never creates the file. The old content is replaced atomically, so a failed write keeps
// it whole; the failure shows "Error Code is: <code> \n" under "NULL ==fp ". Returns the
// diagnostic text (empty when nothing was written).
std::string saveConfigFile(FilesPort& files, MessageBoxPort& messages, const ProgramPaths& paths,
                           const MouseConfig& config);

// The file's bytes for a record and a flag; the installed default file is made with it.
std::vector<std::uint8_t> configFileBytes(const MouseConfig& config, std::uint8_t firstRunFlag);

}  // namespace quorvel
