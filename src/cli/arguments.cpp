#include "cli/arguments.h"

#include <charconv>

namespace quorvel::cli {
namespace {

const OptionSpec* findOption(std::string_view name, std::span<const OptionSpec> extra) {
    for (const auto& spec : kCommonOptions) {
        if (spec.name == name)
            return &spec;
    }
    for (const auto& spec : extra) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

}  // namespace

std::optional<std::string> ParsedArguments::value(std::string_view name) const {
    const auto found = options.find(name);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

std::optional<int> parseNumber(std::string_view text, int min, int max) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

ParseResult parseArguments(std::span<const std::string> args, OptionsOf optionsOf,
                           AnyCommandOption anyCommandOption) {
    ParseResult result;
    auto& parsed = result.arguments;
    bool optionsEnded = false;
    std::vector<std::string> beforeCommand;  // command options met before the command word
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (parsed.command.empty() && !optionsEnded) {
                parsed.command = arg;
            } else {
                parsed.operands.push_back(arg);
            }
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg == "-h" ? std::string(kHelp) : arg.substr(2);
        if (arg != "-h" && arg.rfind("--", 0) != 0) {
            result.error = "unknown option '" + arg + "'";
            return result;
        }
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        const OptionSpec* spec = findOption(name, optionsOf(parsed.command));
        if (spec == nullptr && parsed.command.empty()) {
            spec = anyCommandOption(name);
            if (spec != nullptr)
                beforeCommand.push_back(name);
        }
        if (spec == nullptr) {
            result.error = "unknown option '--" + name + "'" +
                           (parsed.command.empty() ? "" : " for '" + parsed.command + "'");
            return result;
        }
        const bool takesValue = !spec->valueName.empty();
        if (!takesValue) {
            if (inlineValue) {
                result.error = "option '--" + name + "' takes no value";
                return result;
            }
            parsed.options[name] = "";
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                result.error =
                    "option '--" + name + "' needs a value (" + std::string(spec->valueName) + ")";
                return result;
            }
            inlineValue = args[++i];
        }
        parsed.options[name] = *inlineValue;
    }
    // An option that stood before the command must be one the command takes.
    for (const auto& name : beforeCommand) {
        if (findOption(name, optionsOf(parsed.command)) == nullptr) {
            result.error = "unknown option '--" + name + "'" +
                           (parsed.command.empty() ? "" : " for '" + parsed.command + "'");
            return result;
        }
    }
    return result;
}

}  // namespace quorvel::cli
