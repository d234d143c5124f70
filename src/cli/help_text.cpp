#include "cli/help_text.h"

#include <algorithm>

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "unknown"
#endif

namespace quorvel::cli {
namespace {

constexpr std::size_t kOptionColumn = 30;

std::string optionLine(const OptionSpec& option) {
    std::string left = "  --" + std::string(option.name);
    if (!option.valueName.empty())
        left += " " + std::string(option.valueName);
    left.resize(std::max(left.size() + 2, kOptionColumn), ' ');
    return left + std::string(option.help) + "\n";
}

}  // namespace

std::string versionText() {
    return std::string(kToolName) + " " + QUORVEL_VERSION + "\n";
}

std::string toolHelp() {
    std::string text = "Usage: " + std::string(kToolName) +
                       " [--simulate] [--sensor N] COMMAND [OPTIONS]\n"
                       "Configures the QuorvelMouse (USB 04d9:a09f) from the command line.\n\n"
                       "Commands:\n";
    for (const auto& command : commands()) {
        std::string left = "  " + std::string(command.name);
        left.resize(12, ' ');
        text += left + std::string(command.summary) + "\n";
    }
    text += "\nOptions of every command:\n";
    for (const auto& option : kCommonOptions)
        text += optionLine(option);
    text += "\n'" + std::string(kToolName) +
            " COMMAND --help' describes a command. Exit status: 0 on success, 1 when the mouse\n"
            "or a file fails, 2 on a usage error.\n\n"
            "The manual: man quorvelctl once installed; in the source checkout,\n"
            "man packaging/quorvelctl.1\n";
    return text;
}

std::string commandHelp(const Command& command) {
    std::string text = "Usage: " + std::string(kToolName) + " " + std::string(command.name);
    for (const auto& option : command.options) {
        text += " [--" + std::string(option.name) +
                (option.valueName.empty() ? "" : " " + std::string(option.valueName)) + "]";
    }
    if (!command.operands.empty())
        text += " " + std::string(command.operands);
    text += "\n" + std::string(command.summary) + ".\n\nOptions:\n";
    for (const auto& option : command.options)
        text += optionLine(option);
    for (const auto& option : kCommonOptions)
        text += optionLine(option);
    return text;
}

}  // namespace quorvel::cli
