// init: the installed default configuration, where there is none yet.
#include "cli/command.h"
#include "cli/config_io.h"
#include "config/install_data.h"

namespace quorvel::cli {

ExitCode runInit(const Context& context) {
    const std::string path = context.args.value(kConfig).value_or(std::string(kDefaultConfigPath));
    FilesPort& files = context.platform.files;
    if (files.exists(path) && !context.args.has(kForce))
        return context.fail(path + ": already exists; nothing was written (--force replaces it)");
    const SaveResult saved = saveFileWithBackup(files, path, defaultConfigFileBytes());
    if (!saved.saved)
        return context.fail(saved.error);
    context.out << "wrote the installed default configuration to " << path;
    if (saved.backedUp)
        context.out << " (the previous file is " << path << kBackupSuffix << ")";
    context.out << "\n";
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
