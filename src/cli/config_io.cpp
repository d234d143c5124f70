#include "cli/config_io.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "cli/file_stream.h"
#include "config/config_file.h"

namespace quorvel::cli {

std::string systemErrorText(const FileError& error) {
    return std::system_category().message(error.systemCode) + ", code " +
           std::to_string(error.systemCode);
}

namespace {

// The files port refuses a file it may not rewrite before it makes anything; every later
// failure is the folder's, where the temporary file (and the backup) are made.
bool folderRefused(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path target = pathFromUtf8(path);
    if (!std::filesystem::exists(target, ignored))
        return true;
    const std::ofstream probe(target, std::ios::binary | std::ios::app);
    return probe.is_open();
}

}  // namespace

std::string unwritableFileText(const std::string& path, const FileError& error) {
    if (!folderRefused(path))
        return path + ": cannot be written (" + systemErrorText(error) + ")";
    std::error_code ignored;
    const std::filesystem::path folder =
        std::filesystem::absolute(pathFromUtf8(path), ignored).parent_path();
    const std::u8string name = folder.u8string();
    const std::string at = std::string(name.begin(), name.end()) + ": ";
    if (!std::filesystem::exists(folder, ignored))
        return at + "no such folder, so " + path + " cannot be written there";
    if (!std::filesystem::is_directory(folder, ignored))
        return at + "is not a folder, so " + path + " cannot be written there";
    return at + "the folder cannot be written (" + systemErrorText(error) + "); " + path +
           " is replaced through a temporary file made there";
}

std::string unreadableFileText(const std::string& path, std::string_view missingHint) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    const fs::file_status status = fs::status(pathFromUtf8(path), ignored);
    if (!fs::exists(status)) {
        return path + ": no such file" +
               (missingHint.empty() ? "" : " (" + std::string(missingHint) + ")");
    }
    if (fs::is_directory(status))
        return path + ": is a folder, not a file";
    if (!fs::is_regular_file(status))
        return path + ": is not a regular file";
    errno = 0;
    std::ifstream probe(pathFromUtf8(path), std::ios::binary);
    const int code = errno;
    if (probe && code == 0)
        return path + ": cannot be read";
    return path + ": cannot be read (" + systemErrorText(FileError{code}) + ")";
}

std::optional<std::vector<std::uint8_t>> readUserFile(FilesPort& files, const std::string& path,
                                                      std::string& error) {
    auto bytes = files.exists(path) ? files.read(path) : std::nullopt;
    if (!bytes)
        error = unreadableFileText(path);
    return bytes;
}

LoadedConfig loadConfig(FilesPort& files, const std::string& path) {
    LoadedConfig loaded;
    const auto bytes = files.exists(path) ? files.read(path) : std::nullopt;
    if (!bytes) {
        loaded.error = unreadableFileText(path, kInitHint);
        return loaded;
    }
    if (bytes->size() != config_file::kSize) {
        loaded.error = path + ": " + std::to_string(bytes->size()) + " bytes, not the " +
                       std::to_string(config_file::kSize) + " of a configuration file";
        return loaded;
    }
    MouseConfig config;
    std::copy_n(bytes->begin() + config_file::kRecord, record::kSize, config.bytes().begin());
    loaded.config = config;
    loaded.firstRunFlag = (*bytes)[config_file::kFirstRunFlag];
    return loaded;
}

SaveResult saveFileWithBackup(FilesPort& files, const std::string& path,
                              const std::vector<std::uint8_t>& bytes) {
    SaveResult result;
    std::optional<std::vector<std::uint8_t>> previous;
    if (files.exists(path)) {
        previous = files.read(path);
        if (!previous) {
            result.error = unreadableFileText(path) + "; it cannot be kept as " + path +
                           std::string(kBackupSuffix) + ", so nothing was written";
            return result;
        }
    }
    // The new file first: a file that cannot be written must not leave a backup behind.
    if (const auto error = files.replace(path, bytes)) {
        result.error = unwritableFileText(path, *error);
        return result;
    }
    if (previous) {
        const std::string backup = path + std::string(kBackupSuffix);
        if (const auto error = files.replace(backup, *previous)) {
            // Without its backup the old content would be lost: it goes back in place.
            const auto restoreFailed = files.replace(path, *previous);
            result.error = unwritableFileText(backup, *error) + "; " + path +
                           (restoreFailed ? " holds the new content" : " is unchanged");
            return result;
        }
        result.backedUp = true;
    }
    result.saved = true;
    return result;
}

SaveResult saveConfigWithBackup(FilesPort& files, const std::string& path,
                                const MouseConfig& config) {
    std::uint8_t flag = kFirstRunNotSaved;
    if (files.exists(path)) {
        const auto previous = files.read(path);
        if (previous && previous->size() == config_file::kSize)
            flag = (*previous)[config_file::kFirstRunFlag];
    }
    return saveFileWithBackup(files, path, configFileBytes(config, flag));
}

}  // namespace quorvel::cli
