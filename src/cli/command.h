// What every command gets, and the table of commands.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/cli.h"

namespace quorvel::cli {

struct Context {
    const ParsedArguments& args;
    Platform& platform;
    std::ostream& out;
    std::ostream& err;

    // One line on standard error, "quorvelctl: <text>"; returns Failure.
    ExitCode fail(std::string_view text) const;
    ExitCode usage(std::string_view text) const;  // returns Usage
    void warn(std::string_view text) const;
    // The --sensor value, checked by run() before any command starts.
    std::optional<int> sensor() const;
};

struct Command {
    std::string_view name;
    std::string_view operands;  // the synopsis after the options, e.g. "FILE.json"
    std::string_view summary;
    std::span<const OptionSpec> options;
    std::size_t minOperands;
    std::size_t maxOperands;
    ExitCode (*run)(const Context& context);
};

std::span<const Command> commands();
const Command* findCommand(std::string_view name);

// One per file.
ExitCode runList(const Context& context);
ExitCode runStatus(const Context& context);
ExitCode runApply(const Context& context);
ExitCode runShow(const Context& context);
ExitCode runExport(const Context& context);
ExitCode runImport(const Context& context);
ExitCode runWatch(const Context& context);
ExitCode runInit(const Context& context);
ExitCode runKeys(const Context& context);
ExitCode runProfile(const Context& context);

inline constexpr std::string_view kToolName = "quorvelctl";
inline constexpr int kMaxSensorType = 255;  // any byte the mouse may report

// Options shared by several commands.
inline constexpr std::string_view kConfig = "config";
inline constexpr std::string_view kMacros = "macros";
inline constexpr std::string_view kTrace = "trace";
inline constexpr std::string_view kJson = "json";
inline constexpr std::string_view kOut = "out";
inline constexpr std::string_view kCount = "count";
inline constexpr std::string_view kSimNotify = "sim-notify";
inline constexpr std::string_view kForce = "force";
inline constexpr std::string_view kDir = "dir";

}  // namespace quorvel::cli
