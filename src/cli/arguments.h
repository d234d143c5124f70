// Command-line parsing: a command word, its options (anywhere on the line) and operands.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {

struct OptionSpec {
    std::string_view name;       // without the leading "--"
    std::string_view valueName;  // empty for a flag
    std::string_view help;
};

// Options every command takes.
inline constexpr std::string_view kSimulate = "simulate";
inline constexpr std::string_view kSensor = "sensor";
inline constexpr std::string_view kHelp = "help";
inline constexpr std::string_view kVersion = "version";
inline constexpr OptionSpec kCommonOptions[] = {
    {kSimulate, "", "use the simulated mouse instead of the real one"},
    {kSensor, "N", "sensor type (0 to 255) of the simulated mouse, or for DPI values"},
    {kHelp, "", "show this help and exit"},
    {kVersion, "", "show the version and exit"},
};

struct ParsedArguments {
    std::string command;                                      // empty when none was given
    std::map<std::string, std::string, std::less<>> options;  // flags map to ""
    std::vector<std::string> operands;

    bool has(std::string_view name) const { return options.find(name) != options.end(); }
    std::optional<std::string> value(std::string_view name) const;
};

struct ParseResult {
    ParsedArguments arguments;
    std::string error;  // a usage error, empty when the line parsed
};

// `optionsOf` gives the options a command takes besides the common ones (an unknown
// command takes none); `anyCommandOption` finds an option of any command, for options that
// stand before the command word. "--name=value" and "--name value" both work; "--" ends
// the options.
using OptionsOf = std::span<const OptionSpec> (*)(std::string_view command);
using AnyCommandOption = const OptionSpec* (*)(std::string_view name);
ParseResult parseArguments(std::span<const std::string> args, OptionsOf optionsOf,
                           AnyCommandOption anyCommandOption);

// A whole number in [min, max], or nullopt.
std::optional<int> parseNumber(std::string_view text, int min, int max);

}  // namespace quorvel::cli
