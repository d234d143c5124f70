// show: a configuration in words, or its JSON form.
#include "cli/command.h"
#include "cli/config_io.h"
#include "cli/config_json.h"
#include "cli/config_words.h"
#include "cli/device_session.h"
#include "macro/macro_library.h"

namespace quorvel::cli {
namespace {

// --sensor, else the simulated mouse's type, else the real mouse's answer if it is there.
std::optional<int> sensorForShow(const Context& context) {
    if (const auto sensor = context.sensor())
        return sensor;
    DeviceSession session(context);
    if (session.system() == nullptr || !session.connect())
        return std::nullopt;
    return session.link().exchangeSensorInformation().sensorType;
}

}  // namespace

ExitCode runShow(const Context& context) {
    const std::string path = context.args.value(kConfig).value_or(std::string(kDefaultConfigPath));
    const LoadedConfig loaded = loadConfig(context.platform.files, path);
    if (!loaded.config)
        return context.fail(loaded.error);
    if (context.args.has(kJson)) {
        context.out << configToJson(*loaded.config);
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
    options.sensorType = sensorForShow(context);
    context.out << "Configuration " << path << "\n" << configInWords(*loaded.config, options);
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
