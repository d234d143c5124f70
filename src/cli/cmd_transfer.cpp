// export and import: config.bin to its JSON form and back.
#include "cli/command.h"
#include "cli/config_io.h"
#include "cli/device_session.h"
#include "profile/config_json.h"
#include "profile/record_rules.h"

namespace quorvel::cli {

ExitCode runExport(const Context& context) {
    const std::string path = context.args.value(kConfig).value_or(std::string(kDefaultConfigPath));
    const LoadedConfig loaded = loadConfig(context.platform.files, path);
    if (!loaded.config)
        return context.fail(loaded.error);
    const auto sensor = knownSensorType(context);
    const std::string json = configToJson(*loaded.config, sensor);
    // A damaged record still exports, with nulls where its values have no meaning.
    for (const auto& problem : recordProblems(*loaded.config, sensor))
        context.warn(path + ": " + problem.text() +
                     "; import refuses the file until it is corrected");
    const auto out = context.args.value(kOut);
    if (!out) {
        context.out << json;
        return ExitCode::Ok;
    }
    if (const auto error = context.platform.files.replace(
            *out, std::vector<std::uint8_t>(json.begin(), json.end()))) {
        return context.fail(unwritableFileText(*out, *error));
    }
    context.out << "exported " << path << " to " << *out << "\n";
    return ExitCode::Ok;
}

ExitCode runImport(const Context& context) {
    const std::string& source = context.args.operands.front();
    const std::string path = context.args.value(kConfig).value_or(std::string(kDefaultConfigPath));
    std::string error;
    const auto bytes = readUserFile(context.platform.files, source, error);
    if (!bytes)
        return context.fail(error);
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    // The mouse is asked only when a stage gives its DPI value, not its index.
    std::optional<int> sensor = context.sensor();
    const ConfigJsonResult parsed =
        configFromJson(text, [&]() { return sensor = knownSensorType(context); });
    if (!parsed.config)
        return context.fail(source + ": " + parsed.error + "; nothing was written");
    const auto problems = recordProblems(*parsed.config, sensor);
    if (!problems.empty()) {
        return context.fail(source + ": " + problemsInOneLine(problems) + "; nothing was written");
    }
    const SaveResult saved = saveConfigWithBackup(context.platform.files, path, *parsed.config);
    if (!saved.saved)
        return context.fail(saved.error);
    context.out << "imported " << source << " into " << path;
    if (saved.backedUp)
        context.out << " (the previous file is " << path << kBackupSuffix << ")";
    context.out << "\n";
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
