#include "profile/profile_file.h"

#include <array>

#include "profile/config_json_fields.h"
#include "profile/config_json_reader.h"
#include "profile/profile_names.h"
#include "profile/record_rules.h"

namespace quorvel {
namespace {

using namespace config_json;

constexpr std::array<std::string_view, 2> kProfileFields = {kLabelsField, kProgramsField};

Json labelsJson(const ButtonLabels& labels) {
    Json out = Json::object();
    for (Mode mode : {Mode::A, Mode::B}) {
        Json texts = Json::array();
        for (int button = 0; button < kButtonCount; ++button)
            texts.push_back(labels.label(mode, button));
        out[kModeNames[static_cast<std::size_t>(mode)]] = std::move(texts);
    }
    return out;
}

bool readLabels(Reader& r, const Json& value, ButtonLabels& labels) {
    const std::string at(kLabelsField);
    if (!r.object(value, at, kModeNames))
        return false;
    for (Mode mode : {Mode::A, Mode::B}) {
        const auto name = kModeNames[static_cast<std::size_t>(mode)];
        const Json& texts = value[name];
        if (!r.array(texts, child(at, name), kButtonCount))
            return false;
        for (int button = 0; button < kButtonCount; ++button) {
            const Json& text = texts[static_cast<std::size_t>(button)];
            if (!text.is_string())
                return r.fail(element(child(at, name), static_cast<std::size_t>(button)),
                              "must be a text");
            labels.setLabel(mode, button, text.get<std::string>());
        }
    }
    return true;
}

bool readPrograms(Reader& r, const Json& value, std::vector<std::string>& programs) {
    const std::string at(kProgramsField);
    if (!value.is_array())
        return r.fail(at, "must be an array of file names, such as [\"game.exe\"]");
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (!value[i].is_string())
            return r.fail(element(at, i), "must be a file name, such as \"game.exe\"");
        const auto& program = value[i].get_ref<const std::string&>();
        if (const auto problem = programNameProblem(program); !problem.empty())
            return r.fail(element(at, i), problem);
        for (const auto& earlier : programs) {
            if (sameProgram(earlier, program))
                return r.fail(element(at, i), "\"" + program + "\" is listed twice");
        }
        programs.push_back(program);
    }
    return true;
}

ProfileJsonResult readProfile(const Json& doc) {
    ProfileJsonResult result;
    ConfigJsonResult record = readDocument(doc, {}, kProfileFields);
    if (!record.config) {
        result.error = record.error;
        return result;
    }
    if (const auto problems = recordProblems(*record.config); !problems.empty()) {
        result.error = problemsInOneLine(problems);
        return result;
    }
    Profile profile{*record.config, std::nullopt, {}};
    Reader reader;
    if (doc.contains(kLabelsField)) {
        profile.labels.emplace();
        if (!readLabels(reader, doc[kLabelsField], *profile.labels)) {
            result.error = reader.error();
            return result;
        }
    }
    if (doc.contains(kProgramsField) &&
        !readPrograms(reader, doc[kProgramsField], profile.programs)) {
        result.error = reader.error();
        return result;
    }
    result.profile = std::move(profile);
    return result;
}

}  // namespace

std::string profileToJson(const Profile& profile) {
    Json doc = recordDocument(profile.config);
    if (profile.labels)
        doc[kLabelsField] = labelsJson(*profile.labels);
    doc[kProgramsField] = profile.programs;
    return layOutDocument(doc);
}

ProfileJsonResult profileFromJson(std::string_view text) {
    ProfileJsonResult result;
    readGuarded(text, result.error, [&](const Json& doc) { result = readProfile(doc); });
    return result;
}

}  // namespace quorvel
