// The main window and the profile switcher: editing while shown, the tray tip, a plugged mouse.
#include <gtest/gtest.h>

#include "app/device_change.h"
#include "app_fakes.h"
#include "support/folder_of_fake_files.h"
#include "unit/app/profile_fakes.h"

namespace quorvel::test {
namespace {

constexpr const char* kOurPath = "\\\\?\\HID#VID_04D9&PID_A09F&MI_01#7&1a2b&0&0000#{x}";

struct ProfilesRig {
    ProfilesRig() {
        shooter.setFunctionCode(Mode::A, 3, 4);
        EXPECT_EQ(store.save("Shooter", Profile{shooter, std::nullopt, {"notepad.exe"}}), "");
    }
    std::vector<std::string> tips() const {
        std::vector<std::string> found;
        for (const std::string& call : log.calls) {
            if (call.rfind("tray:", 0) == 0)
                found.push_back(call);
        }
        return found;
    }

    CallLog log;
    FakeShell shell{log};
    FakeHost host{log};
    FakeDevice device{log};
    FakeStore settings{log};
    LoggedWindow window{log};
    FakePointer pointer{log};
    FakeSkinChooser skins{log};
    SharedUiState shared;
    FakeKeyDialogs keyDialogs;
    FakeSystemPointer systemPointer;
    testing::FakeFiles files;
    MacroLibrary macros{files, "record.ini", shared.records.live};
    FakePageServices pageServices;
    testing::FolderOfFakeFiles listing{files};
    ProfileStore store{files, listing, "C:\\Q\\Profiles"};
    MouseConfig shooter = defaultInstallRecord();
    FakeMouse mouse;
    FakeWatch watch;
    ProfileSwitcher switcher{store, files, mouse, watch};
    MainWindowModel model{
        MainWindowPorts{shell, host, device, settings, pointer, skins, keyDialogs, systemPointer,
                        macros, pageServices, pageServices, &switcher},
        shared};
};

TEST(MainWindowProfiles, NothingIsSentWhileTheWindowIsShownAndTheTipNamesTheProfile) {
    ProfilesRig rig;
    rig.watch.front = "notepad.exe";
    rig.model.startUp(rig.window);
    EXPECT_TRUE(rig.watch.on);
    EXPECT_EQ(rig.switcher.held(), "Shooter");
    EXPECT_EQ(rig.tips(), (std::vector<std::string>{"tray:add:Gaming Mouse Setting",
                                                    "tray:tip:Gaming Mouse Setting - Shooter"}));

    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    rig.watch.front = "mspaint.exe";
    rig.switcher.onForegroundProgram("mspaint.exe");
    EXPECT_EQ(rig.mouse.sends, 1u);
    rig.model.onCancelRequest(rig.window);
    EXPECT_EQ(rig.mouse.sends, 2u);
    EXPECT_EQ(rig.switcher.held(), "");
    EXPECT_EQ(rig.tips(), (std::vector<std::string>{"tray:add:Gaming Mouse Setting",
                                                    "tray:tip:Gaming Mouse Setting - Shooter",
                                                    "tray:tip:Gaming Mouse Setting"}));
}

TEST(MainWindowProfiles, AMousePluggedInAgainGetsTheProfileWhole) {
    ProfilesRig rig;
    rig.watch.front = "notepad.exe";
    rig.model.startUp(rig.window);
    rig.model.onDeviceChange(0x8000, kDeviceInterfaceBroadcast, kOurPath, rig.window);
    EXPECT_EQ(rig.mouse.wholeSends, 2);
    EXPECT_EQ(rig.mouse.lastSent, rig.shooter);
}

}  // namespace
}  // namespace quorvel::test
