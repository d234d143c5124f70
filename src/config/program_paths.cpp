#include "config/program_paths.h"

namespace quorvel {

ProgramPaths ProgramPaths::fromExecutable(std::string_view executablePath) {
    ProgramPaths paths;
    paths.executable = std::string(executablePath);
    const std::size_t slash = executablePath.find_last_of("/\\");
    if (slash != std::string_view::npos) {
        paths.directory = std::string(executablePath.substr(0, slash + 1));
    }
    paths.configFile = paths.directory + std::string(kConfigFileName);
    paths.recordFile = paths.directory + std::string(kRecordFileName);
    paths.settingsFile = paths.directory + std::string(kSettingsFileName);
    return paths;
}

}  // namespace quorvel
