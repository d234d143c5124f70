#include "cli/cli.h"

#include "cli/command.h"
#include "cli/help_text.h"

namespace quorvel::cli {
namespace {

std::span<const OptionSpec> optionsOf(std::string_view name) {
    const Command* command = findCommand(name);
    return command != nullptr ? command->options : std::span<const OptionSpec>{};
}

const OptionSpec* anyCommandOption(std::string_view name) {
    for (const auto& command : commands()) {
        for (const auto& option : command.options) {
            if (option.name == name)
                return &option;
        }
    }
    return nullptr;
}

}  // namespace

ExitCode Context::fail(std::string_view text) const {
    err << kToolName << ": " << text << '\n';
    return ExitCode::Failure;
}

ExitCode Context::usage(std::string_view text) const {
    const bool known = findCommand(args.command) != nullptr;
    err << kToolName << ": " << text << "\nTry '" << kToolName << " "
        << (known ? args.command + " " : "") << "--help'.\n";
    return ExitCode::Usage;
}

void Context::warn(std::string_view text) const {
    err << kToolName << ": warning: " << text << '\n';
}

std::optional<int> Context::sensor() const {
    const auto text = args.value(kSensor);
    if (!text)
        return std::nullopt;
    return parseNumber(*text, 0, kMaxSensorType);
}

ExitCode run(std::span<const std::string> args, Platform& platform, std::ostream& out,
             std::ostream& err) {
    const ParseResult parsed = parseArguments(args, optionsOf, anyCommandOption);
    const Context context{parsed.arguments, platform, out, err};
    const auto& a = parsed.arguments;
    if (!parsed.error.empty())
        return context.usage(parsed.error);
    if (a.has(kVersion)) {
        out << versionText();
        return ExitCode::Ok;
    }
    if (a.command == "help") {
        if (a.operands.empty()) {
            out << toolHelp();
            return ExitCode::Ok;
        }
        const Command* command = findCommand(a.operands.front());
        if (command == nullptr)
            return context.usage("unknown command '" + a.operands.front() + "'");
        out << commandHelp(*command);
        return ExitCode::Ok;
    }
    if (a.command.empty()) {
        if (a.has(kHelp)) {
            out << toolHelp();
            return ExitCode::Ok;
        }
        return context.usage("no command given");
    }
    const Command* command = findCommand(a.command);
    if (command == nullptr)
        return context.usage("unknown command '" + a.command + "'");
    if (a.has(kHelp)) {
        out << commandHelp(*command);
        return ExitCode::Ok;
    }
    if (a.operands.size() < command->minOperands) {
        return context.usage("'" + a.command + "' needs " + std::string(command->operands));
    }
    if (a.operands.size() > command->maxOperands) {
        return context.usage("unexpected operand '" + a.operands[command->maxOperands] + "'");
    }
    if (a.has(kSensor) && !context.sensor()) {
        return context.usage("--sensor takes a sensor type from 0 to " +
                             std::to_string(kMaxSensorType));
    }
    return command->run(context);
}

}  // namespace quorvel::cli
