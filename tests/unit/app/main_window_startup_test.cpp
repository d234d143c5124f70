#include <gtest/gtest.h>

#include "app/main_window_model.h"
#include "app_fakes.h"

namespace quorvel::test {
namespace {

TEST(MainWindowStartUp, EndsWatchingTheMouseWithTheRecordSkinAndPageInPlace) {
    DialogRig rig;
    rig.store.languageCode = "CHT";
    rig.store.settings.skinName = "Default";
    rig.store.settings.red = "300";  // capped
    rig.store.settings.green = "junk";
    rig.store.settings.blue = "7";
    rig.pageServices.title.clear();
    ASSERT_TRUE(rig.model.startUp(rig.window));

    EXPECT_TRUE(rig.log.has("tray:add:Gaming Mouse Setting"));
    EXPECT_EQ(rig.pageServices.title, "QuorvelMouse");  // for Alt+Tab; no frame draws it
    EXPECT_TRUE(rig.model.readerStarted());
    // The reader's notices are sent to the window: it is published before the reader runs.
    EXPECT_LT(rig.log.indexOf("publish"), rig.log.indexOf("reader:start"));
    // The connection notice raised before the language was known speaks the user's language.
    ASSERT_EQ(rig.shell.balloons.size(), 1U);
    EXPECT_EQ(rig.shell.balloons[0].text, "系統檢測到遊戲滑鼠。");

    EXPECT_EQ(rig.shared.records.backup, rig.shared.records.live);
    EXPECT_EQ(rig.shared.languageCode, "CHT");
    EXPECT_EQ(rig.shared.skinName, "Default");
    EXPECT_EQ(rig.shared.skinDirectory, "C:\\Program Files\\Quorvel\\/Skins/Default");
    EXPECT_EQ(rig.shared.textColour, (Colour{255, 0, 7}));
    EXPECT_TRUE(rig.log.has("background:" + rig.shared.skinDirectory + "/BasicSet2.png"));
    EXPECT_TRUE(rig.log.has("fonts:CHT"));

    EXPECT_EQ(rig.model.pageState(), PageState::Basic);
    EXPECT_EQ(rig.shared.sensorType, rig.device.sensorType);
    EXPECT_TRUE(rig.log.has("screen:copy"));
}

const std::string kSkins = "C:\\Program Files\\Quorvel\\/Skins/";

TEST(MainWindowStartUp, AMissingSkinGivesWayToAnInstalledOneAndSaysSoOnce) {
    DialogRig rig;
    rig.store.settings.skinName = "Gone";
    rig.skins.usable = UsableSkins{{"Default", "Frost"}, false};
    rig.host.unloadable = {"/Default/"};  // complete by its listing, yet its image does not load
    ASSERT_TRUE(rig.model.startUp(rig.window));
    EXPECT_EQ(rig.shared.skinName, "Frost");
    EXPECT_EQ(rig.shared.skinDirectory, kSkins + "Frost");
    EXPECT_EQ(rig.log.count("message:The skin folder \"" + kSkins +
                            "Gone\" is missing or incomplete. Showing the skin \"Frost\" "
                            "instead.|QuorvelMouse"),
              1);
    EXPECT_EQ(rig.model.pageState(), PageState::Basic);
    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    EXPECT_TRUE(rig.log.has("window:show"));
    // str.ini keeps the person's choice: the skin may come back.
    EXPECT_EQ(rig.store.skinChoices.size(), 0U);
}

TEST(MainWindowStartUp, WithNoUsableSkinTheTrayNamesTheMissingFolderInsteadOfAnEmptyWindow) {
    DialogRig rig;
    rig.store.settings.skinName = "Gone";
    rig.skins.usable = UsableSkins{};
    ASSERT_TRUE(rig.model.startUp(rig.window));
    const std::string message = "message:The skin folder \"" + kSkins +
                                "Gone\" is missing or incomplete, and no other complete skin is "
                                "installed: the window cannot be shown. Reinstall the program to "
                                "restore its skins.|QuorvelMouse";
    EXPECT_EQ(rig.log.count(message), 1);
    EXPECT_TRUE(rig.log.has("tray:add:Gaming Mouse Setting"));
    EXPECT_EQ(rig.model.pageState(), PageState::None);
    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    EXPECT_EQ(rig.log.count(message), 2);
    EXPECT_FALSE(rig.log.has("window:show"));
}

TEST(MainWindowStartUp, SecondCopyEndsSilentlyWithCodeZero) {
    DialogRig rig;
    rig.host.firstInstance = false;
    EXPECT_FALSE(rig.model.startUp(rig.window));
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"mutex", "exit:0"}));
}

TEST(MainWindowStartUp, WithoutTheMouseWarnsAndBuildsNoPage) {
    DialogRig rig;
    rig.device.discoverOk = false;
    ASSERT_TRUE(rig.model.startUp(rig.window));
    EXPECT_FALSE(rig.log.has("handshake"));
    EXPECT_TRUE(rig.log.has("clear-connected"));
    EXPECT_TRUE(rig.log.has("reader:create"));
    EXPECT_FALSE(rig.log.has("reader:start"));
    EXPECT_FALSE(rig.log.has("screen:copy"));
    EXPECT_FALSE(rig.log.has("sensor"));
    ASSERT_EQ(rig.shell.balloons.size(), 1U);
    EXPECT_EQ(rig.shell.balloons[0].text, "The system did not detect the gaming mouse!");
    EXPECT_EQ(rig.shell.balloons[0].title, "Warning");
    EXPECT_EQ(rig.model.pageState(), PageState::None);
}

TEST(MainWindowStartUp, FailedHandshakeWarnsInTheChosenLanguage) {
    DialogRig rig;
    rig.device.handshakeOk = false;
    rig.store.languageCode = "CHS";
    ASSERT_TRUE(rig.model.startUp(rig.window));
    ASSERT_EQ(rig.shell.balloons.size(), 1U);
    EXPECT_EQ(rig.shell.balloons[0].text, "系统没有检测到游戏鼠标！");
    EXPECT_FALSE(rig.log.has("reader:start"));
    EXPECT_FALSE(rig.log.has("screen:copy"));
}

TEST(MainWindowStartUp, EventFailureStopsBeforeAnythingIsLoaded) {
    DialogRig rig;
    rig.device.eventOk = false;
    EXPECT_FALSE(rig.model.startUp(rig.window));
    EXPECT_TRUE(rig.log.has("message:CreateEvent failed.|QuorvelMouse"));
    EXPECT_FALSE(rig.log.has("reader:create"));
    EXPECT_FALSE(rig.log.has("config:load"));
    EXPECT_EQ(rig.shell.exitCodes, std::vector<int>{1});
}

TEST(MainWindowStartUp, RegistrationFailureStopsBeforeTheConfigIsLoaded) {
    DialogRig rig;
    rig.host.registerOk = false;
    EXPECT_FALSE(rig.model.startUp(rig.window));
    EXPECT_TRUE(rig.log.has("message:RegisterDeviceNotification failed!!!|QuorvelMouse"));
    EXPECT_FALSE(rig.log.has("config:load"));
    EXPECT_EQ(rig.shell.exitCodes, std::vector<int>{1});
}

TEST(MainWindowStartUp, BackupEqualsTheLoadedRecord) {
    DialogRig rig;
    MouseConfig fromFile;
    fromFile.setReportRate(4);
    fromFile.setFunctionCode(Mode::B, 2, 9);
    rig.store.fileRecord = fromFile;
    ASSERT_TRUE(rig.model.startUp(rig.window));
    EXPECT_EQ(rig.shared.records.live, fromFile);
    EXPECT_EQ(rig.shared.records.backup, fromFile);
}

TEST(MainWindowStartUp, PublishesSkinColourAndLanguage) {
    DialogRig rig;
    rig.store.languageCode = "chs";
    rig.store.settings.red = "255";
    rig.store.settings.green = "128";
    rig.store.settings.blue = "";
    rig.store.settings.skinName = "Blue";
    rig.store.settings.labels.setLabel(Mode::A, 0, "Fire!");
    ASSERT_TRUE(rig.model.startUp(rig.window));
    EXPECT_EQ(rig.shared.textColour, (Colour{255, 128, 0}));
    EXPECT_EQ(rig.shared.skinName, "Blue");
    EXPECT_EQ(rig.shared.skinDirectory, "C:\\Program Files\\Quorvel\\/Skins/Blue");
    EXPECT_EQ(rig.shared.languageCode, "chs");
    EXPECT_EQ(rig.model.settingsSection(), "Setting-EN");
    EXPECT_EQ(rig.model.labels().label(Mode::A, 0), "Fire!");
}

TEST(MainWindowStartUp, FirstRunWritesTheDefaultLabels) {
    DialogRig rig;
    rig.store.savedBeforeFlag = false;
    ASSERT_TRUE(rig.model.startUp(rig.window));
    ASSERT_EQ(rig.store.written.size(), 1U);
    EXPECT_EQ(rig.store.written[0].label(Mode::A, 0), "Left Click");
    EXPECT_EQ(rig.store.written[0].label(Mode::A, 5), "DPI Loop");
    EXPECT_EQ(rig.store.written[0].label(Mode::B, 7), "Key Off");
    EXPECT_TRUE(rig.log.has("labels:write:Setting-EN"));
}

TEST(MainWindowStartUp, TheFirstTwoNonClientPaintsHide) {
    DialogRig rig;
    rig.start();
    EXPECT_TRUE(rig.model.onNonClientPaint(rig.window));
    EXPECT_TRUE(rig.model.onNonClientPaint(rig.window));
    EXPECT_FALSE(rig.model.onNonClientPaint(rig.window));
    EXPECT_FALSE(rig.model.onNonClientPaint(rig.window));
    EXPECT_EQ(rig.log.count("window:hide"), 2);
}

TEST(MainWindowStartUp, ATrayRestoreEndsTheHiding) {
    DialogRig rig;
    rig.start();
    EXPECT_TRUE(rig.model.onNonClientPaint(rig.window));
    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    EXPECT_FALSE(rig.model.onNonClientPaint(rig.window));
}

}  // namespace
}  // namespace quorvel::test
