#include "app/profile_switcher.h"

#include <gtest/gtest.h>

#include "config/ini_file.h"
#include "config/install_data.h"
#include "support/fake_files.h"
#include "support/folder_of_fake_files.h"
#include "unit/app/profile_fakes.h"

namespace quorvel {
namespace {

using test::FakeMouse;
using test::FakeWatch;
using testing::FakeFiles;
using testing::FolderOfFakeFiles;

constexpr const char* kFolder = "C:\\Q\\Profiles";
constexpr const char* kSwitchingPath = "C:\\Q\\Profiles\\switching.ini";

class Switching : public ::testing::Test {
  protected:
    Switching() {
        shooter.setFunctionCode(Mode::A, 3, 4);
        shooter.setFunctionCode(Mode::A, 4, 3);
        desk.setFunctionCode(Mode::A, 0, 1);
        desk.setFunctionCode(Mode::A, 1, 0);
        EXPECT_EQ(store.save("Shooter", Profile{shooter, std::nullopt, {"Notepad.exe"}}), "");
        EXPECT_EQ(store.save("Desk", Profile{desk, std::nullopt, {"calc.exe"}}), "");
    }
    // What the mouse got since the last call: "base", a profile's name, or "other".
    std::vector<std::string> takeSent() {
        std::vector<std::string> names;
        for (const MouseConfig& config : mouse.got) {
            names.push_back(config == mouse.base ? "base"
                            : config == shooter  ? "Shooter"
                            : config == desk     ? "Desk"
                                                 : "other");
        }
        mouse.got.clear();
        return names;
    }
    using Sent = std::vector<std::string>;

    MouseConfig shooter = defaultInstallRecord();
    MouseConfig desk = defaultInstallRecord();
    FakeFiles files;
    FolderOfFakeFiles listing{files};
    ProfileStore store{files, listing, kFolder};
    FakeMouse mouse;
    FakeWatch watch;
    ProfileSwitcher switcher{store, files, mouse, watch};
};

TEST_F(Switching, TheProgramInFrontChoosesItsProfileAndOthersTheBase) {
    watch.front = "C:\\Windows\\explorer.exe";
    switcher.reload();
    EXPECT_TRUE(watch.on);
    EXPECT_EQ(takeSent(), Sent{"base"});
    EXPECT_EQ(switcher.held(), "");

    switcher.onForegroundProgram("C:\\Windows\\NOTEPAD.EXE");
    EXPECT_EQ(takeSent(), Sent{"Shooter"});
    EXPECT_EQ(switcher.held(), "Shooter");
    switcher.onForegroundProgram("CALC.exe");
    switcher.onForegroundProgram("mspaint.exe");
    EXPECT_EQ(takeSent(), (Sent{"Desk", "base"}));
    EXPECT_EQ(switcher.held(), "");
    // Another program without a profile: the mouse holds the base already.
    switcher.onForegroundProgram("write.exe");
    EXPECT_EQ(takeSent(), Sent{});
    // Unknown or this program's own windows change nothing.
    switcher.onForegroundProgram("");
    EXPECT_EQ(takeSent(), Sent{});
}

TEST_F(Switching, AProfileChosenByHandHoldsUntilAnotherProgramComesToTheFront) {
    switcher.reload();
    switcher.onForegroundProgram("notepad.exe");
    EXPECT_EQ(switcher.choose("Desk"), "");
    EXPECT_EQ(switcher.choose("Desk"), "");
    switcher.onForegroundProgram("NotePad.exe");  // another of its windows
    EXPECT_EQ(takeSent(), (Sent{"Shooter", "Desk"}));
    EXPECT_EQ(switcher.choose(""), "");
    EXPECT_EQ(takeSent(), Sent{"base"});
}

TEST_F(Switching, AfterTheWindowsApplyTheMouseHoldsTheBase) {
    switcher.reload();
    switcher.onForegroundProgram("notepad.exe");
    mouse.windowApply();
    EXPECT_EQ(switcher.held(), "");
    switcher.onForegroundProgram("mspaint.exe");
    switcher.onForegroundProgram("notepad.exe");
    EXPECT_EQ(takeSent(), (Sent{"Shooter", "Shooter"}));
}

TEST_F(Switching, NothingIsSentWhileEditingAndTheFrontIsCheckedAgainAfter) {
    switcher.reload();
    switcher.onForegroundProgram("mspaint.exe");
    takeSent();
    switcher.setEditing(true);
    switcher.onForegroundProgram("notepad.exe");
    switcher.onForegroundProgram("calc.exe");
    EXPECT_EQ(takeSent(), Sent{});
    // The window's Apply while editing, then back to notepad before the window hides.
    mouse.windowApply();
    watch.front = "notepad.exe";
    switcher.setEditing(false);
    EXPECT_EQ(takeSent(), Sent{"Shooter"});
    // This program in front when the window hides keeps the last program seen.
    switcher.setEditing(true);
    mouse.windowApply();
    watch.front = "";
    switcher.setEditing(false);
    EXPECT_EQ(takeSent(), Sent{"Shooter"});
}

TEST_F(Switching, ATrayDialogHoldsSwitchingLikeTheWindowUntilBothAreGone) {
    switcher.reload();
    switcher.onForegroundProgram("mspaint.exe");
    takeSent();
    switcher.setDialogShown(true);
    switcher.onForegroundProgram("notepad.exe");
    switcher.setEditing(true);
    switcher.setDialogShown(false);
    EXPECT_EQ(takeSent(), Sent{});
    watch.front = "notepad.exe";
    switcher.setEditing(false);
    EXPECT_EQ(takeSent(), Sent{"Shooter"});
}

TEST_F(Switching, ADamagedProfileIsNeverSentNorRewritten) {
    files.put("C:\\Q\\Profiles\\Broken.json", "{\"version\": 2, \"buttons\": ");
    switcher.reload();
    switcher.onForegroundProgram("notepad.exe");
    takeSent();
    ASSERT_EQ(switcher.profiles().size(), 3u);
    EXPECT_FALSE(switcher.profiles()[0].profile);

    const std::string error = switcher.choose("Broken");
    EXPECT_NE(error.find("Broken.json"), std::string::npos) << error;
    EXPECT_NE(switcher.choose("Nobody").find("Nobody"), std::string::npos);
    EXPECT_EQ(files.text("C:\\Q\\Profiles\\Broken.json"), "{\"version\": 2, \"buttons\": ");
    // Damaged after the list was read: the mouse keeps what it holds.
    files.put("C:\\Q\\Profiles\\Desk.json", "[]");
    switcher.onForegroundProgram("calc.exe");
    EXPECT_EQ(takeSent(), Sent{});
    EXPECT_EQ(switcher.held(), "Shooter");
}

TEST_F(Switching, NoMouseMeansNothingSentAndNothingHeld) {
    mouse.plugged = false;
    switcher.reload();
    switcher.onForegroundProgram("notepad.exe");
    EXPECT_FALSE(switcher.choose("Desk").empty());
    EXPECT_EQ(takeSent(), Sent{});
    EXPECT_EQ(switcher.held(), std::nullopt);
}

TEST_F(Switching, WatchingOnlyWhileAutomaticAndSomeProfileNamesAProgram) {
    std::vector<std::string> unknown;
    const std::vector<std::string> all = {"notepad.exe", "calc.exe"};
    ASSERT_EQ(store.removePrograms(all, unknown), "");
    switcher.reload();
    EXPECT_FALSE(watch.on);
    switcher.onForegroundProgram("notepad.exe");
    EXPECT_EQ(takeSent(), Sent{});

    ASSERT_EQ(store.addPrograms("Shooter", std::vector<std::string>{"notepad.exe"}), "");
    watch.front = "notepad.exe";
    switcher.reload();
    EXPECT_TRUE(watch.on);
    EXPECT_EQ(takeSent(), Sent{"Shooter"});

    EXPECT_EQ(switcher.setAutomatic(false), "");
    EXPECT_FALSE(watch.on);
    switcher.onForegroundProgram("calc.exe");
    EXPECT_EQ(takeSent(), Sent{});
}

TEST_F(Switching, AutomaticIsOnByDefaultAndKeptInTheProfilesFolder) {
    switcher.reload();
    EXPECT_TRUE(switcher.automatic());
    EXPECT_EQ(switcher.setAutomatic(false), "");
    EXPECT_EQ(IniFile(files, kSwitchingPath).readString("Switching", "Automatic"), "0");

    ProfileSwitcher later{store, files, mouse, watch};
    later.reload();
    EXPECT_FALSE(later.automatic());
    EXPECT_FALSE(watch.on);

    files.failReplaceWith = 5;
    EXPECT_NE(later.setAutomatic(true).find("switching.ini"), std::string::npos);
    EXPECT_TRUE(later.automatic());
}

TEST_F(Switching, AMousePluggedInAgainGetsWhatTheFrontCallsForWhole) {
    switcher.reload();
    switcher.onForegroundProgram("notepad.exe");
    EXPECT_EQ(mouse.wholeSends, 1);
    switcher.onDeviceArrived();
    EXPECT_EQ(takeSent(), (Sent{"Shooter", "Shooter"}));
    EXPECT_EQ(mouse.wholeSends, 2);

    // The base stays with the mouse's own memory.
    switcher.onForegroundProgram("mspaint.exe");
    takeSent();
    switcher.onDeviceArrived();
    EXPECT_EQ(takeSent(), Sent{});
}

TEST_F(Switching, AProfileChosenByHandComesBackAfterThePlugEvenWhenSwitchingIsOff) {
    switcher.reload();
    EXPECT_EQ(switcher.setAutomatic(false), "");
    EXPECT_EQ(switcher.choose("Desk"), "");
    switcher.setEditing(true);
    switcher.onDeviceArrived();
    EXPECT_EQ(takeSent(), Sent{"Desk"});
    switcher.setEditing(false);
    EXPECT_EQ(takeSent(), Sent{"Desk"});
    EXPECT_EQ(mouse.wholeSends, 2);
}

}  // namespace
}  // namespace quorvel
