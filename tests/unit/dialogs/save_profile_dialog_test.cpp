// Saving the base configuration as a profile by name: what OK writes, and when it stays open.
#include "dialogs/save_profile_dialog.h"

#include <gtest/gtest.h>

#include "config/install_data.h"
#include "fake_dialog_context.h"
#include "support/folder_of_fake_files.h"

namespace quorvel {
namespace {

constexpr const char* kFolder = "C:\\Q\\Profiles";

// The base configuration: one DPI level and one label away from the defaults.
Profile edited() {
    Profile base{defaultInstallRecord(), ButtonLabels{}, {}};
    base.config.setDpiValueIndex(1, 7);
    base.labels->setLabel(Mode::A, 2, "Reload");
    return base;
}

class SaveProfile : public ::testing::Test {
  protected:
    SaveProfile() { dialog_.onInit(context_); }
    // Types the name and presses OK; true when the dialog closed.
    bool ok(std::string_view name) {
        context_.fakeControls.setText(kProfileNameBoxId, name);
        context_.ended.reset();
        dialog_.onOkRequest(context_);
        return context_.ended == DialogEnd::Ok;
    }
    std::optional<Profile> stored(const std::string& name) { return store_.load(name).profile; }
    std::string lastMessage() const {
        return context_.messageBox.shown.empty() ? "" : context_.messageBox.shown.back().text;
    }

    testing::FakeFiles files_;
    testing::FolderOfFakeFiles listing_{files_};
    ProfileStore store_{files_, listing_, kFolder};
    test::FakeDialogContext context_;
    CSaveProfileDialog dialog_{DialogLook{}, store_, edited()};
};

TEST_F(SaveProfile, SavesTheBaseConfigurationAndItsLabelsUnderTheTrimmedName) {
    ASSERT_TRUE(ok("  Shooter "));
    EXPECT_EQ(dialog_.savedName(), "Shooter");
    const auto profile = stored("Shooter");
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->config.dpiValueIndex(1), 7);
    ASSERT_TRUE(profile->labels);
    EXPECT_EQ(profile->labels->label(Mode::A, 2), "Reload");
    EXPECT_TRUE(profile->programs.empty());
    EXPECT_TRUE(context_.messageBox.shown.empty());
}

TEST_F(SaveProfile, ABadNameGetsItsRuleAndTheDialogStaysWithNothingWritten) {
    for (const char* name : {"", "   ", "a/b", "CON", "why?"}) {
        EXPECT_FALSE(ok(name)) << name;
        EXPECT_FALSE(lastMessage().empty()) << name;
    }
    EXPECT_NE(lastMessage().find("contains ?"), std::string::npos);
    EXPECT_TRUE(files_.files.empty());
    // Mended, the same dialog saves.
    EXPECT_TRUE(ok("why not"));
}

TEST_F(SaveProfile, ReplacingAProfileTakesASecondOkAndKeepsItsPrograms) {
    Profile old{defaultInstallRecord(), std::nullopt, {"game.exe"}};
    ASSERT_EQ(store_.save("Shooter", old), "");
    const auto before = files_.files;

    EXPECT_FALSE(ok("shooter"));
    EXPECT_NE(lastMessage().find("Press OK again"), std::string::npos);
    EXPECT_EQ(files_.files, before);
    // Another name in between asks again for this one.
    EXPECT_TRUE(ok("shooter"));
    const auto profile = stored("shooter");
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->config.dpiValueIndex(1), 7);
    EXPECT_EQ(profile->programs, (std::vector<std::string>{"game.exe"}));
}

TEST_F(SaveProfile, ADamagedProfileOfThatNameIsNeverReplaced) {
    files_.put(std::string(kFolder) + "\\Broken.json", "{ not json");
    EXPECT_FALSE(ok("Broken"));
    EXPECT_FALSE(ok("Broken"));
    EXPECT_NE(lastMessage().find("damaged profile is not replaced"), std::string::npos);
    EXPECT_EQ(files_.text(std::string(kFolder) + "\\Broken.json"), "{ not json");
}

TEST(SaveProfileChoice, ARecordThatBreaksTheRulesIsNotSaved) {
    testing::FakeFiles files;
    testing::FolderOfFakeFiles listing{files};
    ProfileStore store{files, listing, kFolder};
    Profile base{defaultInstallRecord(), std::nullopt, {}};
    base.config.setReportRate(0x7F);
    SaveProfileChoice choice(store, base);
    const SaveOutcome outcome = choice.onOk("Shooter");
    EXPECT_EQ(outcome.verdict, SaveVerdict::Refused);
    EXPECT_NE(outcome.message.find("config.bin: "), std::string::npos);
    EXPECT_TRUE(files.files.empty());
}

TEST_F(SaveProfile, AFailedWriteIsSaidAndTheDialogStays) {
    files_.failReplaceWith = 5;
    EXPECT_FALSE(ok("Shooter"));
    EXPECT_NE(lastMessage().find("cannot be written"), std::string::npos);
    EXPECT_TRUE(dialog_.savedName().empty());
}

}  // namespace
}  // namespace quorvel
