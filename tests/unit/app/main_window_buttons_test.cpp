// Click routing of the fixed buttons, Apply, Cancel and the key configurations.
#include <gtest/gtest.h>

#include "app/fixed_buttons.h"
#include "app/main_window_model.h"
#include "app_fakes.h"

namespace quorvel::test {
namespace {

TEST(FixedButtons, EdgesFollowTheHalfOpenRule) {
    constexpr Rect ok = rectOf(FixedButton::Ok);
    EXPECT_TRUE(ok.contains(562, 623));
    EXPECT_TRUE(ok.contains(666, 643));
    EXPECT_FALSE(ok.contains(667, 630));
    EXPECT_FALSE(ok.contains(600, 644));
    EXPECT_FALSE(ok.contains(561, 630));
}

// What one press on OK, Apply, Cancel or Minimise achieves. An apply is the whole sequence:
// the mouse, config.bin, the labels and the pointer settings.
struct Press {
    const char* what;
    int x, y;
    bool connected;
    int applies;
    int hides;
    bool dragged;  // the dispatch went on to the page, which left the press to the window
    bool settled;  // an edit made before is either sent and backed up, or undone
};
constexpr Press kPresses[] = {
    {"Apply goes on to the page", 700, 630, true, 1, 0, true, true},
    {"OK applies and hides", 600, 630, true, 1, 1, true, true},
    {"the column OK and Apply share does both", 666, 630, true, 2, 1, true, true},
    {"the column Apply and Cancel share applies, then cancels", 770, 630, true, 1, 1, true, true},
    {"OK does nothing while disconnected", 600, 630, false, 0, 0, true, false},
    {"Apply does nothing while disconnected", 700, 630, false, 0, 0, true, false},
    {"Cancel works while disconnected", 800, 630, false, 0, 1, true, true},
    {"Minimise hides and stops the dispatch", 825, 5, true, 0, 1, false, false},
    {"Minimise's far corner", 842, 22, true, 0, 1, false, false},
};

TEST(MainWindowClicks, EachOfOkApplyCancelAndMinimiseAchievesItsEffects) {
    for (const Press& press : kPresses) {
        DialogRig rig;
        rig.device.discoverOk = press.connected;
        rig.start();
        rig.shared.records.live.setReportRate(2);
        rig.model.onPress(press.x, press.y, rig.window);
        EXPECT_EQ(static_cast<int>(rig.device.applied.size()), press.applies) << press.what;
        EXPECT_EQ(static_cast<int>(rig.store.saved.size()), press.applies) << press.what;
        EXPECT_EQ(static_cast<int>(rig.store.written.size()), press.applies) << press.what;
        EXPECT_EQ(rig.log.count("pointer:apply"), press.applies) << press.what;
        EXPECT_EQ(rig.log.count("window:hide"), press.hides) << press.what;
        EXPECT_EQ(
            rig.log.has("window:drag:" + std::to_string(press.x) + "," + std::to_string(press.y)),
            press.dragged)
            << press.what;
        EXPECT_EQ(rig.shared.records.live == rig.shared.records.backup, press.settled)
            << press.what;
    }
}

TEST(MainWindowClicks, SharedColumnOfApplyAndCancelKeepsWhatApplySent) {
    DialogRig rig;
    rig.start();
    rig.shared.records.live.setReportRate(8);
    rig.model.onPress(770, 630, rig.window);
    EXPECT_EQ(rig.shared.records.live.reportRate(), 8);
    EXPECT_TRUE(rig.model.restorePending());
}

TEST(MainWindowClicks, EachStoppingButtonEndsTheDispatch) {
    DialogRig rig;
    rig.start();
    rig.model.onPress(860, 10, rig.window);  // Close
    rig.model.onPress(70, 58, rig.window);   // Next page
    rig.model.onPress(59, 97, rig.window);   // Previous page
    rig.model.onPress(300, 640, rig.window);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"exit:0", "screen:copy", "screen:copy",
                                                       "url:" + std::string(kMakerWebAddress)}));
}

TEST(MainWindowClicks, SkinsGoesOnToThePage) {
    DialogRig rig;
    rig.start();
    rig.model.onPress(710, 10, rig.window);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"skins:choose", "window:drag:710,10"}));
}

TEST(MainWindowApply, SendsTheLiveRecordAndRefreshesTheBackup) {
    DialogRig rig;
    rig.device.sensorType = 2;
    rig.start();
    rig.shared.records.live.setFunctionCode(Mode::B, 4, 13);
    rig.model.labels().setLabel(Mode::B, 4, "Macro 1");
    rig.model.apply();
    ASSERT_EQ(rig.device.applied.size(), 1U);
    EXPECT_EQ(rig.device.applied[0].functionCode(Mode::B, 4), 13);
    EXPECT_EQ(rig.device.appliedSensorTypes[0], 2);
    ASSERT_EQ(rig.store.saved.size(), 1U);
    EXPECT_EQ(rig.store.saved[0], rig.shared.records.live);
    ASSERT_EQ(rig.store.written.size(), 1U);
    EXPECT_EQ(rig.store.written[0].label(Mode::B, 4), "Macro 1");
    EXPECT_EQ(rig.shared.records.backup, rig.shared.records.live);
}

TEST(MainWindowApply, LabelsGoToTheLanguagesSection) {
    DialogRig rig;
    rig.store.languageCode = "CHS";
    rig.start();
    rig.model.apply();
    EXPECT_TRUE(rig.log.has("labels:write:Setting-CHS"));
}

TEST(MainWindowCancel, RestoresTheBackupAndSendsNothing) {
    DialogRig rig;
    rig.start();
    const MouseConfig before = rig.shared.records.live;
    rig.shared.records.live.setShownMode(Mode::B);
    rig.shared.records.live.setFunctionCode(Mode::B, 1, 12);
    rig.model.cancel();
    EXPECT_EQ(rig.shared.records.live, before);
    EXPECT_TRUE(rig.model.restorePending());
    EXPECT_EQ(rig.log.calls, std::vector<std::string>{"window:hide"});
    EXPECT_TRUE(rig.device.applied.empty());
    EXPECT_TRUE(rig.store.saved.empty());
}

TEST(MainWindowKeyConfigurations, ModeButtonsSetTheShownMode) {
    DialogRig rig;
    rig.start();
    rig.model.onPress(400, 520, rig.window);
    EXPECT_EQ(rig.shared.records.live.shownMode(), Mode::B);
    rig.model.onPress(357, 520, rig.window);  // shared column: Mode A wins
    EXPECT_EQ(rig.shared.records.live.shownMode(), Mode::A);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"screen:copy", "screen:copy"}));
}

TEST(MainWindowKeyConfigurations, KeyButtonsBelongToTheBasicPageOnly) {
    DialogRig rig;
    rig.start();
    rig.model.showAdvancedPage(rig.window);
    rig.log.calls.clear();
    rig.model.onPress(400, 520, rig.window);
    EXPECT_EQ(rig.shared.records.live.shownMode(), Mode::A);
    EXPECT_EQ(rig.log.calls, std::vector<std::string>{"window:drag:400,520"});
}

TEST(MainWindowKeyConfigurations, DefaultThenCancelBringsThePreviousAssignmentBack) {
    DialogRig rig;
    MouseConfig custom;
    custom.setFunctionCode(Mode::A, 0, 1);
    custom.setFunctionCode(Mode::B, 0, 1);
    rig.store.fileRecord = custom;
    rig.start();
    rig.model.labels().setLabel(Mode::A, 0, "Right Click");
    rig.model.onPress(350, 560, rig.window);
    EXPECT_EQ(rig.shared.records.live.functionCode(Mode::A, 5), 6);
    EXPECT_EQ(rig.shared.records.live.functionCode(Mode::B, 0), 0);
    EXPECT_EQ(rig.model.labels().label(Mode::A, 0), "Left Click");
    EXPECT_EQ(rig.model.labels().label(Mode::B, 5), "DPI Loop");
    EXPECT_TRUE(rig.device.applied.empty());
    rig.model.cancel();
    EXPECT_EQ(rig.shared.records.live, custom);
}

}  // namespace
}  // namespace quorvel::test
