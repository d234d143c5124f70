// show: a configuration in words, or its JSON form.
#include "cli/command.h"
#include "cli/config_io.h"
#include "cli/config_words.h"
#include "cli/device_session.h"
#include "macro/macro_library.h"
#include "profile/config_json.h"

namespace quorvel::cli {

ExitCode runShow(const Context& context) {
    const std::string path = context.args.value(kConfig).value_or(std::string(kDefaultConfigPath));
    const LoadedConfig loaded = loadConfig(context.platform.files, path);
    if (!loaded.config)
        return context.fail(loaded.error);
    if (context.args.has(kJson)) {
        context.out << configToJson(*loaded.config, knownSensorType(context));
        return ExitCode::Ok;
    }
    WordsOptions options;
    if (const auto macros = context.args.value(kMacros)) {
        MouseConfig scratch;
        MacroLibrary library(context.platform.files, *macros, scratch);
        if (!library.exists())
            return context.fail(*macros + ": no such file");
        options.macroNames = library.sectionNames();
    }
    options.sensorType = knownSensorType(context);
    context.out << "Configuration " << path << "\n" << configInWords(*loaded.config, options);
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
