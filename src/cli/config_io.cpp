#include "cli/config_io.h"

#include <algorithm>
#include <system_error>

#include "config/config_file.h"

namespace quorvel::cli {

std::string systemErrorText(const FileError& error) {
    return std::system_category().message(error.systemCode) + ", code " +
           std::to_string(error.systemCode);
}

LoadedConfig loadConfig(FilesPort& files, const std::string& path) {
    LoadedConfig loaded;
    if (!files.exists(path)) {
        loaded.error = path + ": no such file";
        return loaded;
    }
    const auto bytes = files.read(path);
    if (!bytes) {
        loaded.error = path + ": cannot be read";
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

SaveResult saveConfigWithBackup(FilesPort& files, const std::string& path,
                                const MouseConfig& config) {
    SaveResult result;
    std::uint8_t flag = kFirstRunNotSaved;
    if (files.exists(path)) {
        const auto previous = files.read(path);
        if (!previous) {
            result.error =
                path + ": cannot be read to keep it as " + path + std::string(kBackupSuffix);
            return result;
        }
        const std::string backup = path + std::string(kBackupSuffix);
        if (const auto error = files.replace(backup, *previous)) {
            result.error = backup + ": cannot be written (" + systemErrorText(*error) + ")";
            return result;
        }
        result.backedUp = true;
        if (previous->size() == config_file::kSize)
            flag = (*previous)[config_file::kFirstRunFlag];
    }
    if (const auto error = files.replace(path, configFileBytes(config, flag))) {
        result.error = path + ": cannot be written (" + systemErrorText(*error) + ")";
        return result;
    }
    result.saved = true;
    return result;
}

}  // namespace quorvel::cli
