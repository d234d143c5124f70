// apply: the whole apply sequence from a config.bin, the macros of a record.ini first.
#include "cli/command.h"
#include "cli/config_io.h"
#include "cli/device_session.h"
#include "cli/file_stream.h"
#include "device/apply_sequence.h"
#include "macro/macro_library.h"

namespace quorvel::cli {
namespace {

// The editor's conversion: names by slot, and a warning for what does not reach the mouse.
bool convertMacros(const Context& context, const std::string& path, MouseConfig& config) {
    MacroLibrary library(context.platform.files, path, config);
    if (!library.exists()) {
        context.fail(path + ": no such file");
        return false;
    }
    const MacroTableReport report = library.rebuildMacroTable();
    if (!report.ran) {
        context.fail(path + ": cannot be read");
        return false;
    }
    for (std::size_t slot = 0; slot < report.slots.size(); ++slot) {
        const auto& s = report.slots[slot];
        if (!s.block.complete()) {
            context.warn("macro \"" + s.name + "\" (slot " + std::to_string(slot + 1) +
                         ") does not fit its block: " + std::to_string(s.block.eventsWritten) +
                         " of " + std::to_string(s.block.eventCount) + " events are sent");
        }
        if (s.block.unknownKeys != 0) {
            context.warn("macro \"" + s.name + "\" names " + std::to_string(s.block.unknownKeys) +
                         " unknown key(s), sent as code 0");
        }
    }
    if (report.macrosLeftOut != 0) {
        context.warn(std::to_string(report.macrosLeftOut) + " macro(s) beyond the " +
                     std::to_string(kMacroSlotCount) + " slots are left out");
    }
    return true;
}

}  // namespace

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

    std::ofstream traceFile;
    std::unique_ptr<WireTraceWriter> trace;
    if (const auto tracePath = context.args.value(kTrace)) {
        traceFile.open(pathFromUtf8(*tracePath), std::ios::binary | std::ios::trunc);
        if (!traceFile)
            return context.fail(*tracePath + ": cannot be written; nothing was sent");
        trace = std::make_unique<WireTraceWriter>(traceFile);
    }

    DeviceSession session(context);
    if (session.system() == nullptr)
        return context.fail(session.error());
    if (trace)
        session.link().setObserver(trace.get());
    if (!session.connect())
        return context.fail(session.error());
    DeviceLink& link = session.link();
    // The program reads the sensor type when the mouse arrives; the DPI codes depend on it.
    const int sensorType = link.exchangeSensorInformation().sensorType;
    ApplyState state;
    applyToDevice(link, config, sensorType, state);
    link.setObserver(nullptr);
    if (trace) {
        traceFile.flush();
        if (!traceFile)
            return context.fail(*context.args.value(kTrace) +
                                ": the trace could not be written whole");
    }
    context.out << "applied " << configPath << (macros ? " with the macros of " + *macros : "")
                << " to the mouse (sensor type " << sensorType << ")\n";
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
