// What the tray menu's profile items do to the mouse and to the profiles folder.
#include "app/tray_menu_actions.h"

#include <gtest/gtest.h>

#include "config/install_data.h"
#include "dialogs/save_profile_dialog.h"
#include "support/folder_of_fake_files.h"
#include "unit/dialogs/fake_dialog_context.h"

namespace quorvel {
namespace {

constexpr const char* kFolder = "C:\\Q\\Profiles";

class Mouse : public SwitchDevicePort {
  public:
    bool connected() const override { return plugged; }
    void switchTo(const MouseConfig& config) override {
        got.push_back(config);
        ++sends;
    }
    std::uint64_t sendCount() const override { return sends; }
    void forgetSent() override {}
    MouseConfig baseConfiguration() const override { return defaultInstallRecord(); }

    bool plugged = true;
    std::vector<MouseConfig> got;
    std::uint64_t sends = 0;
};

class Watch : public ForegroundWatchPort {
  public:
    void startWatching() override {}
    void stopWatching() override {}
    std::string foregroundProgram() override { return {}; }
};

// The shell: a sub-dialog is answered by typing `typedName` and pressing OK.
class Shell : public ShellPort {
  public:
    void show(std::string_view text, std::string_view) override { messages.emplace_back(text); }
    DialogEnd runModal(SkinnedWindow& model) override {
        test::FakeDialogContext context;
        model.onInit(context);
        context.controls().setText(kProfileNameBoxId, typedName);
        model.onOkRequest(context);
        return context.ended.value_or(DialogEnd::Cancel);
    }
    bool addTrayIcon(std::string_view) override { return true; }
    void showBalloon(const Balloon&) override {}
    void removeTrayIcon() override {}
    void setTrayTip(std::string_view) override {}
    void showTrayMenu(const PopupMenu& menu) override { shown = menu; }
    std::vector<std::string> programsWithWindows() override { return programs; }
    bool openFolder(const std::string& path) override {
        opened.push_back(path);
        return folderOpens;
    }
    void showWindow() override {}
    void hideWindow() override {}
    void bringToForeground() override {}
    void openUrl(std::string_view) override {}
    void endProcess(int) override {}

    PopupMenu shown;
    std::vector<std::string> programs;
    std::vector<std::string> messages;
    std::vector<std::string> opened;
    std::string typedName;
    bool folderOpens = true;
};

class TrayActions : public ::testing::Test {
  protected:
    TrayActions() {
        shooter_.setReportRate(8);
        EXPECT_EQ(store_.save("Desk", Profile{defaultInstallRecord(), std::nullopt, {"game.exe"}}),
                  "");
        EXPECT_EQ(store_.save("Shooter", Profile{shooter_, std::nullopt, {}}), "");
        switcher_.reload();
        shell_.programs = {"game.exe"};
    }
    // Opens the menu and chooses the item at this path of texts.
    bool choose(std::vector<std::string> path) {
        actions_.show(LanguageTexts());
        const PopupMenu* items = &shell_.shown;
        const PopupMenuItem* item = nullptr;
        for (const std::string& text : path) {
            item = nullptr;
            for (const PopupMenuItem& candidate : *items) {
                if (candidate.text == text)
                    item = &candidate;
            }
            if (item == nullptr) {
                ADD_FAILURE() << "no item " << text;
                return false;
            }
            items = &item->items;
        }
        return actions_.perform(item->command, DialogLook{}, [] {
            return Profile{defaultInstallRecord(), ButtonLabels{}, {}};
        });
    }
    std::vector<std::string> programsOf(const std::string& name) {
        const auto entry = store_.load(name);
        return entry.profile ? entry.profile->programs : std::vector<std::string>{"(damaged)"};
    }
    // The item of the profile the menu ticks now.
    std::string ticked() {
        actions_.show(LanguageTexts());
        for (const auto& item : shell_.shown[0].items) {
            if (item.checked)
                return item.text;
        }
        return "(none)";
    }

    MouseConfig shooter_ = defaultInstallRecord();
    testing::FakeFiles files_;
    testing::FolderOfFakeFiles listing_{files_};
    ProfileStore store_{files_, listing_, kFolder};
    Mouse mouse_;
    Watch watch_;
    ProfileSwitcher switcher_{store_, files_, mouse_, watch_};
    Shell shell_;
    TrayMenuActions actions_{shell_, switcher_, store_, "QuorvelMouse.exe"};
};

TEST_F(TrayActions, AChosenProfileIsSentAtOnceAndTicked) {
    EXPECT_EQ(ticked(), "(none)");
    ASSERT_TRUE(choose({"Profiles", "Shooter"}));
    ASSERT_EQ(mouse_.got.size(), 1u);
    EXPECT_EQ(mouse_.got.back(), shooter_);
    EXPECT_EQ(ticked(), "Shooter");
    ASSERT_TRUE(choose({"Profiles", "Base configuration"}));
    EXPECT_EQ(mouse_.got.back(), defaultInstallRecord());
    EXPECT_EQ(ticked(), "Base configuration");
    EXPECT_TRUE(shell_.messages.empty());
}

TEST_F(TrayActions, AProfileThatCannotBeSentSaysWhy) {
    mouse_.plugged = false;
    ASSERT_TRUE(choose({"Profiles", "Shooter"}));
    EXPECT_TRUE(mouse_.got.empty());
    ASSERT_EQ(shell_.messages.size(), 1u);
    EXPECT_NE(shell_.messages[0].find("not connected"), std::string::npos);
}

TEST_F(TrayActions, AProgramsRuleMovesToTheChosenProfileOrToNone) {
    ASSERT_TRUE(choose({"Use for a running program", "game.exe", "Shooter"}));
    EXPECT_EQ(programsOf("Shooter"), (std::vector<std::string>{"game.exe"}));
    EXPECT_TRUE(programsOf("Desk").empty());
    ASSERT_TRUE(choose({"Use for a running program", "game.exe", "None"}));
    EXPECT_TRUE(programsOf("Shooter").empty());
    EXPECT_TRUE(programsOf("Desk").empty());
    EXPECT_TRUE(shell_.messages.empty());
}

TEST_F(TrayActions, SavingThroughTheDialogAddsTheProfileToTheMenu) {
    shell_.typedName = "Racing";
    ASSERT_TRUE(choose({"Save current settings as profile..."}));
    ASSERT_TRUE(store_.load("Racing").profile.has_value());
    actions_.show(LanguageTexts());
    EXPECT_EQ(shell_.shown[0].items.back().text, "Shooter");
    EXPECT_EQ(shell_.shown[0].items[2].text, "Racing");
    EXPECT_TRUE(mouse_.got.empty());
}

TEST_F(TrayActions, SwitchAutomaticallyTurnsOffAndStaysOff) {
    ASSERT_TRUE(choose({"Switch automatically"}));
    EXPECT_FALSE(switcher_.automatic());
    switcher_.reload();
    EXPECT_FALSE(switcher_.automatic());
    ASSERT_TRUE(choose({"Switch automatically"}));
    EXPECT_TRUE(switcher_.automatic());
}

TEST_F(TrayActions, AFolderThatCannotBeOpenedIsSaid) {
    ASSERT_TRUE(choose({"Open profiles folder"}));
    EXPECT_EQ(shell_.opened, (std::vector<std::string>{kFolder}));
    EXPECT_TRUE(shell_.messages.empty());
    shell_.folderOpens = false;
    ASSERT_TRUE(choose({"Open profiles folder"}));
    ASSERT_EQ(shell_.messages.size(), 1u);
    EXPECT_NE(shell_.messages[0].find(kFolder), std::string::npos);
}

TEST_F(TrayActions, ExitAndForeignCommandsAreLeftToTheWindow) {
    actions_.show(LanguageTexts());
    const auto base = [] { return Profile{}; };
    EXPECT_FALSE(actions_.perform(kExitCommand, DialogLook{}, base));
    EXPECT_FALSE(actions_.perform(1, DialogLook{}, base));
}

}  // namespace
}  // namespace quorvel
