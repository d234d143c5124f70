// apply: the whole apply sequence from a config.bin, the macros of a record.ini first.
#include "cli/command.h"
#include "cli/config_io.h"
#include "cli/device_session.h"
#include "cli/file_stream.h"
#include "cli/macro_report.h"
#include "device/apply_sequence.h"
#include "profile/record_rules.h"

namespace quorvel::cli {
namespace {

// One line for the first rule the record breaks, or empty when it may be sent.
std::string refusal(const Context& context, const std::string& path, const MouseConfig& config,
                    std::optional<int> sensorType) {
    if (context.args.has(kForce))
        return {};
    const auto problems = recordProblems(config, sensorType);
    if (problems.empty())
        return {};
    return path + ": " + problemsInOneLine(problems) +
           "; nothing was sent (--force sends it anyway)";
}

}  // namespace

SendResult sendConfiguration(const Context& context, const std::string& source,
                             const MouseConfig& config) {
    SendResult result;
    result.code = ExitCode::Failure;
    std::ofstream traceFile;
    std::unique_ptr<WireTraceWriter> trace;
    if (const auto tracePath = context.args.value(kTrace)) {
        traceFile.open(pathFromUtf8(*tracePath), std::ios::binary | std::ios::trunc);
        if (!traceFile) {
            context.fail(*tracePath + ": cannot be written; nothing was sent");
            return result;
        }
        trace = std::make_unique<WireTraceWriter>(traceFile);
    }

    DeviceSession session(context);
    if (session.system() == nullptr) {
        context.fail(session.error());
        return result;
    }
    if (trace)
        session.link().setObserver(trace.get());
    if (!session.connect()) {
        context.fail(session.error());
        return result;
    }
    DeviceLink& link = session.link();
    // The program reads the sensor type when the mouse arrives; the DPI codes depend on it.
    result.sensorType = link.exchangeSensorInformation().sensorType;
    if (const auto text = refusal(context, source, config, result.sensorType); !text.empty()) {
        context.fail(text);
        return result;
    }
    ApplyState state;
    applyToDevice(link, config, result.sensorType, state);
    link.setObserver(nullptr);
    if (trace) {
        traceFile.flush();
        if (!traceFile) {
            context.fail(*context.args.value(kTrace) + ": the trace could not be written whole");
            return result;
        }
    }
    result.code = ExitCode::Ok;
    return result;
}

ExitCode runApply(const Context& context) {
    const std::string configPath =
        context.args.value(kConfig).value_or(std::string(kDefaultConfigPath));
    const LoadedConfig loaded = loadConfig(context.platform.files, configPath);
    if (!loaded.config)
        return context.fail(loaded.error + "; nothing was sent");
    MouseConfig config = *loaded.config;
    const auto macros = context.args.value(kMacros);
    if (macros && !convertMacros(context, *macros, config))
        return ExitCode::Failure;
    if (const auto text = refusal(context, configPath, config, context.sensor()); !text.empty())
        return context.fail(text);

    const SendResult sent = sendConfiguration(context, configPath, config);
    if (sent.code != ExitCode::Ok)
        return sent.code;
    context.out << "applied " << configPath << (macros ? " with the macros of " + *macros : "")
                << " to the mouse (sensor type " << sent.sensorType << ")\n";
    // The macro table stays with the configuration, as the program's Apply keeps it.
    if (macros && config != *loaded.config) {
        const SaveResult saved = saveConfigWithBackup(context.platform.files, configPath, config);
        if (!saved.saved)
            return context.fail("the macros were sent, but " + saved.error);
        context.out << "stored the macro table in " << configPath << " (the previous file is "
                    << configPath << kBackupSuffix << ")\n";
    }
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
