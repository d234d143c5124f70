#include "cli/command.h"

#include <array>

namespace quorvel::cli {
namespace {

constexpr OptionSpec kConfigOption = {kConfig, "FILE",
                                      "the configuration file (default: config.bin)"};

constexpr OptionSpec kApplyOptions[] = {
    kConfigOption,
    {kMacros, "FILE", "convert this record.ini's macros into the record's macro table first"},
    {kTrace, "FILE", "write every exchange with the mouse to FILE, one line each"},
    {kForce, "", "send a configuration that breaks the mouse's rules anyway"},
};
constexpr OptionSpec kShowOptions[] = {
    kConfigOption,
    {kMacros, "FILE", "name the macros after this record.ini"},
    {kJson, "", "print the JSON form instead of words"},
};
constexpr OptionSpec kExportOptions[] = {
    kConfigOption,
    {kOut, "FILE.json", "where to write the JSON (default: standard output)"},
};
constexpr OptionSpec kImportOptions[] = {
    {kConfig, "FILE", "the configuration file to replace (default: config.bin)"},
};
constexpr OptionSpec kInitOptions[] = {
    {kConfig, "FILE", "the configuration file to make (default: config.bin)"},
    {kForce, "", "replace an existing file (keeping it as FILE.bak)"},
};
constexpr OptionSpec kWatchOptions[] = {
    {kConfig, "FILE", "read the stages' DPI texts from FILE (default: config.bin, if present)"},
    {kCount, "N", "stop after N notifications"},
    {kSimNotify, "KIND:VALUE,...",
     "with --simulate: notices to send; KIND 5 report rate, 7 DPI stage, 8 mode, 9 macro"},
};
constexpr OptionSpec kProfileOptions[] = {
    {kDir, "DIR", "the profiles folder (default: Profiles beside the configuration file)"},
    {kConfig, "FILE", "save: the configuration to save (default: config.bin)"},
    {kTrace, "FILE", "apply: write every exchange with the mouse to FILE"},
    {kForce, "", "apply: send a profile that breaks the mouse's rules anyway"},
};

constexpr std::array<Command, 10> kCommands = {{
    {"init", "", "write the installed default configuration", kInitOptions, 0, 0, runInit},
    {"list",
     "",
     "list the mouse's HID interfaces: path, usage page, report lengths",
     {},
     0,
     0,
     runList},
    {"status",
     "",
     "find the mouse, run the handshake and read its sensor type",
     {},
     0,
     0,
     runStatus},
    {"apply", "", "send a whole configuration to the mouse", kApplyOptions, 0, 0, runApply},
    {"show", "", "describe a configuration in words, or as JSON", kShowOptions, 0, 0, runShow},
    {"export", "", "write a configuration as JSON", kExportOptions, 0, 0, runExport},
    {"import", "FILE.json", "replace a configuration by the JSON form (keeps a .bak)",
     kImportOptions, 1, 1, runImport},
    {"watch", "", "print the mouse's notifications until interrupted", kWatchOptions, 0, 0,
     runWatch},
    {"keys", "", "list every key name, modifier and fire target, with its code", {}, 0, 0, runKeys},
    {"profile",
     "list | save NAME | apply NAME | delete NAME | rule NAME PROGRAM... | unrule PROGRAM...",
     "list, save, send or delete profiles and the programs that choose them", kProfileOptions, 1,
     static_cast<std::size_t>(-1), runProfile},
}};

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* findCommand(std::string_view name) {
    for (const auto& command : kCommands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

}  // namespace quorvel::cli
