// Tray callback, notices, device changes, closing and exit.
#include <gtest/gtest.h>

#include "app/device_change.h"
#include "app/main_window_model.h"
#include "app_fakes.h"

namespace quorvel::test {
namespace {

constexpr std::uint32_t kArrival = 0x8000;
constexpr std::uint32_t kRemoval = 0x8004;
constexpr const char* kOurPath =
    "\\\\?\\HID#VID_04D9&PID_A09F&MI_01#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

TEST(MainWindowTray, LeftClickWhileDisconnectedOnlyWarns) {
    DialogRig rig;
    rig.device.discoverOk = false;
    rig.start();
    for (unsigned message : {kTrayLeftButtonUp, kTrayLeftButtonDoubleClick}) {
        rig.model.onTrayNotify(message, rig.window);
    }
    EXPECT_EQ(rig.log.calls,
              (std::vector<std::string>{"balloon:The system did not detect the gaming mouse!",
                                        "balloon:The system did not detect the gaming mouse!"}));
}

TEST(MainWindowTray, LeftClickShowsTheWindow) {
    DialogRig rig;
    rig.start();
    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"window:foreground", "window:show"}));
}

TEST(MainWindowTray, FirstClickAfterALateArrivalShowsTheBasicPage) {
    DialogRig rig;
    rig.device.discoverOk = false;
    rig.start();
    rig.device.discoverOk = true;
    rig.model.onDeviceChange(kArrival, kDeviceInterfaceBroadcast, kOurPath, rig.window);
    rig.log.calls.clear();
    rig.model.onTrayNotify(kTrayLeftButtonDoubleClick, rig.window);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"sensor", "screen:copy", "window:foreground",
                                                       "window:show"}));
}

TEST(MainWindowTray, RestoreAfterCancelRereadsLabelsAndRebuildsThePage) {
    DialogRig rig;
    rig.start();
    rig.model.cancel();
    rig.store.settings.labels.setLabel(Mode::A, 3, "Reread");
    rig.log.calls.clear();
    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"settings:read:Setting-EN", "screen:copy",
                                                       "window:foreground", "window:show"}));
    EXPECT_EQ(rig.model.labels().label(Mode::A, 3), "Reread");
    EXPECT_FALSE(rig.model.restorePending());
    // Consumed: the next restore rebuilds nothing.
    rig.log.calls.clear();
    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"window:foreground", "window:show"}));
}

TEST(MainWindowTray, RestoreAfterCancelOnTheAdvancedPageRebuildsIt) {
    DialogRig rig;
    rig.start();
    rig.model.showAdvancedPage(rig.window);
    rig.model.cancel();
    rig.log.calls.clear();
    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    EXPECT_EQ(rig.log.calls,
              (std::vector<std::string>{"screen:copy", "window:foreground", "window:show"}));
}

TEST(MainWindowTray, RightClickOpensTheMenuInTheLanguage) {
    DialogRig rig;
    rig.store.languageCode = "CHS";
    rig.start();
    rig.model.onTrayNotify(kTrayRightButtonUp, rig.window);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"window:foreground", "tray-menu:退出"}));
    rig.log.calls.clear();
    rig.model.onMenuCommand(kExitCommand, rig.window);
    EXPECT_EQ(rig.log.calls, std::vector<std::string>{"exit:0"});
}

TEST(MainWindowTray, MenuCommandsSaveTheAppliedRecordNotTheEditedOne) {
    DialogRig rig;
    rig.start();
    const MouseConfig applied = rig.shared.records.live;
    rig.shared.records.live.setReportRate(8);
    rig.store.settings.labels.setLabel(Mode::B, 1, "Crouch");
    rig.model.onMenuCommand(kFirstTrayCommand + 1, rig.window);
    EXPECT_TRUE(rig.log.has("tray-menu:perform:" + std::to_string(kFirstTrayCommand + 1)));
    ASSERT_TRUE(rig.trayMenu.baseGiven.has_value());
    EXPECT_EQ(rig.trayMenu.baseGiven->config, applied);
    ASSERT_TRUE(rig.trayMenu.baseGiven->labels.has_value());
    EXPECT_EQ(rig.trayMenu.baseGiven->labels->label(Mode::B, 1), "Crouch");
}

TEST(MainWindowTray, OtherMouseMessagesAreIgnored) {
    DialogRig rig;
    rig.start();
    for (unsigned message : {0x200U, 0x201U, 0x204U, 0x206U, 0x207U, 0x208U, 0x209U, 0U}) {
        rig.model.onTrayNotify(message, rig.window);
    }
    EXPECT_TRUE(rig.log.calls.empty());
}

TEST(MainWindowNotices, UseTheLiveRecordAndSensor) {
    DialogRig rig;
    rig.device.sensorType = 3;
    rig.start();
    rig.shared.records.live.setDpiValueIndex(2, 1);
    rig.model.onNotice(7, 2, rig.window);
    rig.model.onNotice(9, 0, rig.window);
    rig.model.onNotice(6, 2, rig.window);
    ASSERT_EQ(rig.shell.balloons.size(), 1U);
    EXPECT_EQ(rig.shell.balloons[0].text, "Switch DPI into the second stage 800");
}

TEST(MainWindowDeviceChange, MatchesOnlyOurTwoSpellings) {
    EXPECT_TRUE(isOurInterfaceName(kOurPath));
    EXPECT_TRUE(isOurInterfaceName("\\\\?\\hid#Vid_04d9&Pid_a09f#x"));
    EXPECT_FALSE(isOurInterfaceName("\\\\?\\hid#vid_04d9&pid_a09f#x"));
    EXPECT_FALSE(isOurInterfaceName("\\\\?\\HID#VID_04D9&PID_A0A0#x"));
    EXPECT_FALSE(isOurInterfaceName(""));
}

TEST(MainWindowDeviceChange, ForeignOrNonInterfaceBroadcastsAreIgnored) {
    DialogRig rig;
    rig.start();
    rig.model.onDeviceChange(kArrival, kDeviceInterfaceBroadcast, "\\\\?\\HID#VID_046D&PID_C077",
                             rig.window);
    rig.model.onDeviceChange(kArrival, 2, kOurPath, rig.window);
    rig.model.onDeviceChange(0x8001, kDeviceInterfaceBroadcast, kOurPath, rig.window);
    EXPECT_TRUE(rig.log.calls.empty());
}

TEST(MainWindowDeviceChange, ArrivalConnectsReadsTheSensorAndStartsTheReaderOnce) {
    DialogRig rig;
    rig.device.discoverOk = false;
    rig.start();
    rig.device.discoverOk = true;
    rig.device.sensorType = 2;
    rig.model.onDeviceChange(kArrival, kDeviceInterfaceBroadcast, kOurPath, rig.window);
    EXPECT_EQ(rig.log.calls,
              (std::vector<std::string>{"discover", "handshake",
                                        "balloon:The system detect the gaming mouse.", "sensor",
                                        "reader:start"}));
    EXPECT_EQ(rig.shared.sensorType, 2);
    rig.log.calls.clear();
    rig.model.onDeviceChange(kArrival, kDeviceInterfaceBroadcast, kOurPath, rig.window);
    EXPECT_FALSE(rig.log.has("reader:start"));
    EXPECT_TRUE(rig.log.has("sensor"));
}

TEST(MainWindowDeviceChange, ReaderStartedAtStartUpIsNotStartedAgain) {
    DialogRig rig;
    rig.start();
    rig.model.onDeviceChange(kArrival, kDeviceInterfaceBroadcast, kOurPath, rig.window);
    EXPECT_FALSE(rig.log.has("reader:start"));
    EXPECT_TRUE(rig.model.readerStarted());
}

TEST(MainWindowDeviceChange, FailedDiscoveryHidesAndDisconnects) {
    for (std::uint32_t event : {kArrival, kRemoval}) {
        DialogRig rig;
        rig.start();
        rig.device.discoverOk = false;
        rig.model.onDeviceChange(event, kDeviceInterfaceBroadcast, kOurPath, rig.window);
        EXPECT_EQ(rig.log.calls,
                  (std::vector<std::string>{"discover",
                                            "balloon:The system did not detect the gaming mouse!",
                                            "window:hide", "clear-connected"}));
        EXPECT_FALSE(rig.device.connected());
    }
}

TEST(MainWindowDeviceChange, RemovalWithAnotherInterfaceLeftOnlyHandshakes) {
    DialogRig rig;
    rig.start();
    rig.model.onDeviceChange(kRemoval, kDeviceInterfaceBroadcast, kOurPath, rig.window);
    EXPECT_EQ(rig.log.calls,
              (std::vector<std::string>{"discover", "handshake",
                                        "balloon:The system detect the gaming mouse."}));
}

TEST(MainWindowClosing, CloseEnterAndEscapeOnlyHide) {
    DialogRig rig;
    rig.start();
    rig.model.onCancelRequest(rig.window);
    EXPECT_TRUE(rig.model.onKeyBeforeDialogManager(kVirtualKeyEnter, KeyPhase::Down, rig.window));
    EXPECT_TRUE(rig.model.onKeyBeforeDialogManager(kVirtualKeyEscape, KeyPhase::Down, rig.window));
    EXPECT_FALSE(rig.model.onKeyBeforeDialogManager('A', KeyPhase::Down, rig.window));
    EXPECT_EQ(rig.log.calls,
              (std::vector<std::string>{"window:hide", "window:hide", "window:hide"}));
}

TEST(MainWindowClosing, DestroyClosesTheDeviceAndTheTrayOnce) {
    DialogRig rig;
    rig.start();
    rig.model.onDestroy(rig.window);
    rig.model.onDestroy(rig.window);
    rig.model.onShellRestart(rig.window);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"device:close", "tray:remove"}));
    EXPECT_TRUE(rig.store.saved.empty());
    EXPECT_TRUE(rig.store.written.empty());
}

TEST(MainWindowClosing, ShellRestartPutsTheIconBack) {
    DialogRig rig;
    rig.start();
    rig.model.onShellRestart(rig.window);
    EXPECT_EQ(rig.log.calls, std::vector<std::string>{"tray:add:Gaming Mouse Setting"});
}

}  // namespace
}  // namespace quorvel::test
