// profile: whole configurations saved by name beside config.bin, the programs that choose
// them, and sending one to the mouse.
#include <algorithm>
#include <array>

#include "cli/command.h"
#include "cli/config_io.h"
#include "cli/device_session.h"
#include "config/program_paths.h"
#include "config/settings_file.h"
#include "ports/std_files.h"
#include "profile/profile_store.h"
#include "profile/record_rules.h"

namespace quorvel::cli {
namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string configPath(const Context& context) {
    return context.args.value(kConfig).value_or(std::string(kDefaultConfigPath));
}

std::string profilesFolder(const Context& context) {
    if (const auto dir = context.args.value(kDir))
        return *dir;
    return profilesFolderBeside(folderOf(configPath(context)));
}

// The labels of str.ini's language beside the configuration, when there is one.
std::optional<ButtonLabels> labelsBeside(const Context& context, const std::string& config) {
    const std::string path = folderOf(config) + std::string(kSettingsFileName);
    if (!context.platform.files.exists(path))
        return std::nullopt;
    IniFile settings(context.platform.files, path);
    const std::string_view section =
        settingsSectionFor(languageFromCode(readLanguageCode(settings)));
    return readSettings(settings, section).labels;
}

std::string joined(const std::vector<std::string>& texts) {
    std::string text;
    for (const auto& t : texts)
        text += (text.empty() ? "" : ", ") + t;
    return text;
}

ExitCode listProfiles(const Context& context, ProfileStore& store) {
    const auto entries = store.list();
    if (entries.empty()) {
        context.out << "no profiles in " << store.folder() << "\n";
        return ExitCode::Ok;
    }
    for (const auto& entry : entries) {
        context.out << entry.name << "\t";
        if (!entry.profile)
            context.out << "damaged: " << entry.path << ": " << entry.error << "\n";
        else if (entry.profile->programs.empty())
            context.out << "(no programs)\n";
        else
            context.out << "programs: " << joined(entry.profile->programs) << "\n";
    }
    return ExitCode::Ok;
}

ExitCode saveProfile(const Context& context, ProfileStore& store, const std::string& name) {
    const std::string path = configPath(context);
    const LoadedConfig loaded = loadConfig(context.platform.files, path);
    if (!loaded.config)
        return context.fail(loaded.error + "; nothing was saved");
    if (const auto problems = recordProblems(*loaded.config, context.sensor()); !problems.empty())
        return context.fail(path + ": " + problemsInOneLine(problems) + "; nothing was saved");
    Profile profile{*loaded.config, labelsBeside(context, path), {}};
    // Saving again keeps the programs that choose the profile.
    if (const ProfileEntry previous = store.load(name); previous.profile)
        profile.programs = previous.profile->programs;
    if (const auto error = store.save(name, profile); !error.empty())
        return context.fail(error + "; nothing was saved");
    context.out << "saved " << path << (profile.labels ? " and its button labels" : "")
                << " as profile \"" << name << "\" (" << store.pathOf(name) << ")\n";
    return ExitCode::Ok;
}

ExitCode applyProfile(const Context& context, ProfileStore& store, const std::string& name) {
    const ProfileEntry entry = store.load(name);
    if (!entry.profile)
        return context.fail(entry.path + ": " + entry.error + "; nothing was sent");
    const SendResult sent = sendConfiguration(context, entry.path, entry.profile->config);
    if (sent.code != ExitCode::Ok)
        return sent.code;
    context.out << "applied profile \"" << name << "\" to the mouse (sensor type "
                << sent.sensorType << ")\n";
    return ExitCode::Ok;
}

ExitCode deleteProfile(const Context& context, ProfileStore& store, const std::string& name) {
    if (const auto error = store.remove(name); !error.empty())
        return context.fail(error);
    context.out << "deleted profile \"" << name << "\"\n";
    return ExitCode::Ok;
}

ExitCode ruleProfile(const Context& context, ProfileStore& store, const std::string& name,
                     const std::vector<std::string>& programs) {
    const auto before = store.list();
    if (const auto error = store.addPrograms(name, programs); !error.empty())
        return context.fail(error);
    for (const auto& program : programs) {
        const ProfileEntry* owner = profileOfProgram(before, program);
        context.out << program << " chooses profile \"" << name << "\"";
        if (owner != nullptr && owner->name != name)
            context.out << " (no longer \"" << owner->name << "\")";
        context.out << "\n";
    }
    return ExitCode::Ok;
}

ExitCode unruleProfile(const Context& context, ProfileStore& store,
                       const std::vector<std::string>& programs) {
    std::vector<std::string> unknown;
    if (const auto error = store.removePrograms(programs, unknown); !error.empty())
        return context.fail(error);
    for (const auto& program : programs) {
        if (std::find(unknown.begin(), unknown.end(), program) == unknown.end())
            context.out << program << " chooses no profile now\n";
    }
    if (!unknown.empty())
        return context.fail(joined(unknown) + ": no profile in " + store.folder() + " names it");
    return ExitCode::Ok;
}

struct Action {
    std::string_view name;
    std::size_t minOperands;  // after the action word
    std::size_t maxOperands;
    std::string_view operands;
};

constexpr std::size_t kMany = static_cast<std::size_t>(-1);
constexpr std::array<Action, 6> kActions = {{
    {"list", 0, 0, ""},
    {"save", 1, 1, "NAME"},
    {"apply", 1, 1, "NAME"},
    {"delete", 1, 1, "NAME"},
    {"rule", 2, kMany, "NAME PROGRAM..."},
    {"unrule", 1, kMany, "PROGRAM..."},
}};

}  // namespace

ExitCode runProfile(const Context& context) {
    const auto& operands = context.args.operands;
    const auto action = std::find_if(kActions.begin(), kActions.end(),
                                     [&](const Action& a) { return a.name == operands.front(); });
    if (action == kActions.end()) {
        return context.usage("profile: unknown action '" + operands.front() +
                             "' (list, save, apply, delete, rule or unrule)");
    }
    const std::vector<std::string> rest(operands.begin() + 1, operands.end());
    if (rest.size() < action->minOperands || rest.size() > action->maxOperands) {
        return context.usage("usage: profile " + std::string(action->name) +
                             (action->operands.empty() ? "" : " " + std::string(action->operands)));
    }
    StdDirectoryListing listing;
    ProfileStore store(context.platform.files, listing, profilesFolder(context));
    if (action->name == "list")
        return listProfiles(context, store);
    if (action->name == "save")
        return saveProfile(context, store, rest.front());
    if (action->name == "apply")
        return applyProfile(context, store, rest.front());
    if (action->name == "delete")
        return deleteProfile(context, store, rest.front());
    if (action->name == "rule")
        return ruleProfile(context, store, rest.front(), {rest.begin() + 1, rest.end()});
    return unruleProfile(context, store, rest);
}

}  // namespace quorvel::cli
