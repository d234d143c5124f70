#include "config/config_file.h"

#include <algorithm>
#include <cstdio>

namespace quorvel {
namespace {

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[128];
    const int length = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return length > 0 ? std::string(buffer, std::min<std::size_t>(length, sizeof buffer - 1))
                      : std::string();
}

}  // namespace

std::vector<std::uint8_t> configFileBytes(const MouseConfig& config, std::uint8_t firstRunFlag) {
    std::vector<std::uint8_t> bytes(config_file::kSize);
    bytes[config_file::kFirstRunFlag] = firstRunFlag;
    const auto record = config.bytes();
    std::copy(record.begin(), record.end(), bytes.begin() + config_file::kRecord);
    return bytes;
}

ConfigFileState loadConfigFile(FilesPort& files, MessageBoxPort& messages,
                               const ProgramPaths& paths, MouseConfig& config) {
    ConfigFileState state;
    if (!files.exists(paths.configFile)) {
        messages.show(kConfigMissingText, kAppTitle);
        return state;
    }
    const auto bytes = files.read(paths.configFile);
    if (!bytes || bytes->size() != config_file::kSize) {
        return state;  // unreadable or of another size: ignored without a word
    }
    state.firstRunFlag = (*bytes)[config_file::kFirstRunFlag];
    std::copy_n(bytes->begin() + config_file::kRecord, record::kSize, config.bytes().begin());
    state.diagnostic =
        format("Prpgram First Run Flag:%d\nRead Size is: %d", static_cast<int>(state.firstRunFlag),
               static_cast<int>(record::kSize));
    return state;
}

std::string saveConfigFile(FilesPort& files, MessageBoxPort& messages, const ProgramPaths& paths,
                           const MouseConfig& config) {
    if (!files.exists(paths.configFile)) {
        messages.show(kConfigMissingText, kAppTitle);
        return {};
    }
    if (const auto error =
            files.replace(paths.configFile, configFileBytes(config, kFirstRunSaved))) {
        messages.show(format("Error Code is: %d \n", error->systemCode), kWriteFailedCaption);
        return {};
    }
    return format("Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1,
                  static_cast<int>(record::kSize), static_cast<int>(record::kSize));
}

}  // namespace quorvel
