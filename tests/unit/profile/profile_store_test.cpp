#include <gtest/gtest.h>

#include "config/install_data.h"
#include "profile/config_json.h"
#include "profile/profile_names.h"
#include "profile/profile_store.h"
#include "support/fake_files.h"
#include "support/folder_of_fake_files.h"

namespace quorvel {
namespace {

using testing::FakeFiles;
using testing::FolderOfFakeFiles;

constexpr const char* kFolder = "C:\\Q\\Profiles";

MouseConfig defaultRecord() {
    return defaultInstallRecord();
}

class Profiles : public ::testing::Test {
  protected:
    Profile profile(std::vector<std::string> programs = {}) {
        return Profile{defaultRecord(), std::nullopt, std::move(programs)};
    }
    std::vector<std::string> programsOf(const std::string& name) {
        const ProfileEntry entry = store_.load(name);
        return entry.profile ? entry.profile->programs : std::vector<std::string>{"(damaged)"};
    }

    FakeFiles files_;
    FolderOfFakeFiles listing_{files_};
    ProfileStore store_{files_, listing_, kFolder};
};

TEST(ProfileNames, FollowTheSystemsFileNameRules) {
    for (const std::string& good : std::vector<std::string>{
             "Shooter", "a", "con-game", "COM0", "LPT10", "Desk top 2", std::string(40, 'x'), [] {
                 std::string s;
                 for (int i = 0; i < 40; ++i)
                     s += "\xC3\xA9";  // é, two bytes, one character
                 return s;
             }()}) {
        EXPECT_EQ(profileNameProblem(good), "") << good;
    }
    const std::pair<std::string, std::string> bad[] = {
        {"", "at least 1 character"}, {std::string(41, 'x'), "at most 40 characters"},
        {"a/b", "contains /"},        {"a\\b", "contains \\"},
        {"why?", "contains ?"},       {"x:y", "contains :"},
        {"a|b", "contains |"},        {"tab\there", "control characters"},
        {".", "\".\" or \"..\""},     {"..", "\".\" or \"..\""},
        {"CON", "device name"},       {"nul.txt", "device name"},
        {"Com7", "device name"},      {"lpt9.json", "device name"},
    };
    for (const auto& [name, rule] : bad)
        EXPECT_NE(profileNameProblem(name).find(rule), std::string::npos) << name;
}

TEST_F(Profiles, ABadNameIsRefusedWithItsRuleAndNothingIsWritten) {
    EXPECT_NE(store_.save("LPT1", profile()).find("device name"), std::string::npos);
    EXPECT_TRUE(files_.files.empty());
}

TEST_F(Profiles, AProgramGivenToASecondProfileMovesThere) {
    ASSERT_EQ(store_.save("Shooter", profile({"cs2.exe", "notepad.exe"})), "");
    ASSERT_EQ(store_.save("desk", profile()), "");
    EXPECT_EQ(store_.addPrograms("desk", std::vector<std::string>{"NOTEPAD.EXE"}), "");

    EXPECT_EQ(programsOf("Shooter"), (std::vector<std::string>{"cs2.exe"}));
    EXPECT_EQ(programsOf("desk"), (std::vector<std::string>{"NOTEPAD.EXE"}));
    const auto entries = store_.list();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "desk") << "name order, whatever the case";
    EXPECT_EQ(profileOfProgram(entries, "Notepad.exe"), &entries[0]);
    EXPECT_EQ(profileOfProgram(entries, "explorer.exe"), nullptr);

    std::vector<std::string> unknown;
    EXPECT_EQ(store_.removePrograms(std::vector<std::string>{"cs2.exe", "x.exe"}, unknown), "");
    EXPECT_EQ(unknown, (std::vector<std::string>{"x.exe"}));
    EXPECT_TRUE(programsOf("Shooter").empty());
    EXPECT_EQ(store_.remove("Shooter"), "");
    EXPECT_EQ(store_.list().size(), 1u);
}

TEST_F(Profiles, ADamagedFileIsListedWithItsErrorAndNeverRewritten) {
    ASSERT_EQ(store_.save("good", profile()), "");
    std::string text = files_.text(store_.pathOf("good"));
    const std::size_t rate = text.find("\"report_rate_hz\": ") + 18;
    text.replace(rate, text.find(',', rate) - rate, "126");
    files_.put(store_.pathOf("bad"), text);
    files_.put(store_.pathOf("cut"), text.substr(0, 100));
    const auto damaged = files_.files;

    const auto entries = store_.list();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_FALSE(entries[0].profile);
    EXPECT_EQ(entries[0].error, "report_rate_hz: must be 125, 250, 500 or 1000");
    EXPECT_NE(entries[1].error.find("not valid JSON"), std::string::npos);

    EXPECT_NE(store_.addPrograms("bad", std::vector<std::string>{"a.exe"}), "");
    EXPECT_NE(store_.save("cut", profile()).find("damaged"), std::string::npos);
    ASSERT_EQ(store_.save("good", profile({"a.exe"})), "");
    EXPECT_EQ(files_.files.at(store_.pathOf("bad")), damaged.at(store_.pathOf("bad")));
    EXPECT_EQ(files_.files.at(store_.pathOf("cut")), damaged.at(store_.pathOf("cut")));
}

TEST(ProfileFile, AnExportIsAProfileAndLabelsAndProgramsComeBack) {
    const MouseConfig config = defaultRecord();
    const ProfileJsonResult exported = profileFromJson(configToJson(config));
    ASSERT_TRUE(exported.profile) << exported.error;
    EXPECT_EQ(exported.profile->config, config);
    EXPECT_FALSE(exported.profile->labels);

    Profile profile{config, defaultButtonLabels(), {"game.exe"}};
    profile.labels->setLabel(Mode::B, 7, "\xE5\xB0\x84 \"fire\"");
    const ProfileJsonResult back = profileFromJson(profileToJson(profile));
    ASSERT_TRUE(back.profile) << back.error;
    EXPECT_EQ(back.profile->labels, profile.labels);
    EXPECT_EQ(back.profile->programs, profile.programs);

    std::string text = profileToJson(profile);
    text.replace(text.find("\"game.exe\""), 10, "\"game.exe\", \"C:\\\\x.exe\"");
    EXPECT_EQ(profileFromJson(text).error.rfind("programs[1]: ", 0), 0u)
        << profileFromJson(text).error;
}

}  // namespace
}  // namespace quorvel
