// watch: the mouse's notifications, one line each, until interrupted or --count is reached.
#include <array>
#include <atomic>
#include <climits>
#include <mutex>

#include "cli/command.h"
#include "cli/config_io.h"
#include "cli/device_session.h"
#include "config/dpi_tables.h"
#include "config/record_texts.h"
#include "device/notification_reader.h"

namespace quorvel::cli {
namespace {

constexpr std::uint32_t kPollMs = 20;

struct KindName {
    std::uint8_t kind;
    std::string_view name;
};
constexpr std::array<KindName, 4> kKindNames = {{
    {notice::kReportRateChanged, "report-rate"},
    {notice::kDpiStageChanged, "dpi-stage"},
    {notice::kKeyMatrixChanged, "key-matrix"},
    {notice::kMacroKey, "macro-key"},
}};

std::string_view kindName(std::uint8_t kind) {
    for (const auto& entry : kKindNames) {
        if (entry.kind == kind)
            return entry.name;
    }
    return {};
}

constexpr std::array<std::string_view, 2> kModeTitles = {"Mode A", "Mode B"};

// A notice in this tool's words; `config` gives the stages' DPI values when there is one.
std::string noticeInWords(std::uint8_t kind, std::uint8_t value, const MouseConfig* config,
                          int sensorType) {
    const std::string number = std::to_string(value);
    switch (kind) {
        case notice::kReportRateChanged: {
            const auto hertz = reportRateHertz(value);
            return hertz ? "report rate " + std::to_string(*hertz) + " Hz"
                         : "report rate code " + number + " (unknown)";
        }
        case notice::kDpiStageChanged: {
            if (value < 1 || value > kStageCount)
                return "DPI stage " + number + " (no such stage)";
            const auto dpi =
                config != nullptr ? dpiTextOfStage(*config, value, sensorType) : std::string_view{};
            return "DPI stage " + number + (dpi.empty() ? "" : ", " + std::string(dpi) + " DPI");
        }
        case notice::kKeyMatrixChanged:
            return value >= 1 && value <= kModeTitles.size() ? std::string(kModeTitles[value - 1])
                                                             : "mode " + number + " (unknown)";
        case notice::kMacroKey:
            return "macro key " + number +
                   (value == 0                ? " (none)"
                    : value > kMacroSlotCount ? " (no such slot)"
                                              : "");
        default:
            return "notice " + number;
    }
}

struct SimNotice {
    std::uint8_t kind;
    std::uint8_t value;
};

// "KIND:VALUE,KIND:VALUE"; nullopt when any part is not two numbers from 0 to 255.
std::optional<std::vector<SimNotice>> parseSimNotices(std::string_view text) {
    std::vector<SimNotice> notices;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const auto colon = item.find(':');
        if (colon == std::string_view::npos)
            return std::nullopt;
        const auto kind = parseNumber(item.substr(0, colon), 0, 255);
        const auto value = parseNumber(item.substr(colon + 1), 0, 255);
        // Only the kinds the mouse gives: any other would never be shown.
        if (!kind || !value || kindName(static_cast<std::uint8_t>(*kind)).empty())
            return std::nullopt;
        notices.push_back({static_cast<std::uint8_t>(*kind), static_cast<std::uint8_t>(*value)});
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return notices;
}

}  // namespace

ExitCode runWatch(const Context& context) {
    const auto& args = context.args;
    std::optional<int> count;
    if (const auto text = args.value(kCount)) {
        count = parseNumber(*text, 1, INT_MAX);
        if (!count)
            return context.usage("--count takes a whole number from 1");
    }
    std::vector<SimNotice> simNotices;
    if (const auto text = args.value(kSimNotify)) {
        if (!args.has(kSimulate))
            return context.usage("--sim-notify needs --simulate");
        const auto parsed = parseSimNotices(*text);
        if (!parsed)
            return context.usage(
                "--sim-notify takes KIND:VALUE pairs of the kinds 5 (report rate), 7 (DPI "
                "stage), 8 (mode) and 9 (macro key), values 0 to 255, e.g. 7:2,5:1");
        simNotices = *parsed;
    }

    // The stages' DPI texts come from the configuration; without one they are left out.
    MouseConfig config;
    bool haveConfig = false;
    const auto configPath = args.value(kConfig);
    const std::string path = configPath.value_or(std::string(kDefaultConfigPath));
    if (configPath || context.platform.files.exists(path)) {
        const LoadedConfig loaded = loadConfig(context.platform.files, path);
        if (!loaded.config)
            return context.fail(loaded.error);
        config = *loaded.config;
        haveConfig = true;
    }

    DeviceSession session(context);
    if (session.system() == nullptr)
        return context.fail(session.error());
    if (!session.connect())
        return context.fail(session.error());
    DeviceLink& link = session.link();
    const int sensorType = link.exchangeSensorInformation().sensorType;
    context.err << kToolName << ": watching the mouse at " << link.devicePath() << "; Ctrl+C ends"
                << std::endl;

    std::mutex outputLock;
    std::atomic<int> seen{0};
    NotificationReader reader(link, [&](std::uint8_t kind, std::uint8_t value) {
        const std::lock_guard lock(outputLock);
        if (count && seen.load() >= *count)
            return;
        context.out << kindName(kind) << ' ' << static_cast<int>(value) << ": "
                    << noticeInWords(kind, value, haveConfig ? &config : nullptr, sensorType)
                    << std::endl;  // each line as it happens, for a pipe as well
        ++seen;
    });
    if (!reader.start())
        return context.fail("the system has no event left to wait for notifications on");
    if (sim::SimulatedMouse* mouse = session.simulated()) {
        for (const auto& n : simNotices)
            mouse->sendNotification(n.kind, n.value);
    }
    while (!(context.platform.interrupted && context.platform.interrupted()) &&
           !(count && seen.load() >= *count)) {
        context.platform.clock.sleepMs(kPollMs);
    }
    reader.stop();
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
