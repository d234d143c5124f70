#include "dialogs/save_profile_choice.h"

#include <algorithm>

#include "profile/profile_names.h"
#include "profile/record_rules.h"

namespace quorvel {

std::string_view trimmedName(std::string_view typed) {
    const auto first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return typed.substr(first, typed.find_last_not_of(' ') - first + 1);
}

SaveOutcome SaveProfileChoice::onOk(std::string_view typed) {
    const std::string name(trimmedName(typed));
    if (auto problem = profileNameProblem(name); !problem.empty())
        return {SaveVerdict::Refused, std::move(problem)};
    // A profile that breaks the record's rules would be listed as damaged and never sent.
    if (const auto problems = recordProblems(base_.config); !problems.empty())
        return {SaveVerdict::Refused,
                "config.bin: " + problemsInOneLine(problems) + "; nothing was saved"};
    // Names compare as the system compares file names: "FPS" would replace "fps.json".
    const std::vector<ProfileEntry> entries = store_.list();
    const auto existing = std::find_if(entries.begin(), entries.end(), [&](const ProfileEntry& e) {
        return sameProgram(e.name, name);
    });
    Profile profile = base_;
    if (existing != entries.end()) {
        if (!existing->profile) {
            return {SaveVerdict::Refused,
                    existing->path + ": " + existing->error +
                        "; a damaged profile is not replaced (delete it first)"};
        }
        if (replaceConfirmed_ != name) {
            replaceConfirmed_ = name;
            return {SaveVerdict::AskToReplace, {}};
        }
        profile.programs = existing->profile->programs;
    }
    if (auto error = store_.save(name, profile); !error.empty())
        return {SaveVerdict::Refused, std::move(error)};
    saved_ = name;
    return {SaveVerdict::Saved, {}};
}

}  // namespace quorvel
