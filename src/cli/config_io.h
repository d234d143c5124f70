// config.bin for the tool: strict loading (a missing or damaged file is an error, never an
// all-zero record) and replacing with the previous file kept as "<file>.bak".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/mouse_config.h"
#include "ports/files.h"

namespace quorvel::cli {

inline constexpr std::string_view kDefaultConfigPath = "config.bin";
inline constexpr std::string_view kBackupSuffix = ".bak";
inline constexpr std::string_view kInitHint = "'quorvelctl init' makes one";

struct LoadedConfig {
    std::optional<MouseConfig> config;
    std::uint8_t firstRunFlag = 0;
    std::string error;  // one line naming the file, empty on success
};

LoadedConfig loadConfig(FilesPort& files, const std::string& path);

// Why a file named by the user cannot be read, e.g. "t.ini: no such file"; `missingHint` is
// added when it does not exist.
std::string unreadableFileText(const std::string& path, std::string_view missingHint = {});

// The whole file, or nullopt with `error` set to unreadableFileText.
std::optional<std::vector<std::uint8_t>> readUserFile(FilesPort& files, const std::string& path,
                                                      std::string& error);

struct SaveResult {
    bool saved = false;
    bool backedUp = false;  // there was a previous file and it is now "<path>.bak"
    std::string error;
};

// The first-run flag of a whole previous file is kept; a new file gets the flag of the
// installed default, so an exported default comes back byte for byte.
SaveResult saveConfigWithBackup(FilesPort& files, const std::string& path,
                                const MouseConfig& config);
// The same for a whole file's bytes.
SaveResult saveFileWithBackup(FilesPort& files, const std::string& path,
                              const std::vector<std::uint8_t>& bytes);

// Why a replace failed, naming the file, or the folder when it is the folder that refused
// the temporary file (and the backup) made there.
std::string unwritableFileText(const std::string& path, const FileError& error);

// The text of a system error code, for messages.
std::string systemErrorText(const FileError& error);

}  // namespace quorvel::cli
