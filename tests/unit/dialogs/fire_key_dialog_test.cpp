#include "dialogs/fire_key_dialog.h"

#include <gtest/gtest.h>

#include "fake_dialog_context.h"

namespace quorvel::test {
namespace {

constexpr int kSpeed = CFireKeyDialog::kSpeedBoxId;
constexpr int kTimes = CFireKeyDialog::kTimesBoxId;
constexpr int kList = CFireKeyDialog::kTargetListId;

class FireKeyDialog : public ::testing::Test {
  protected:
    FireKeyDialog() { dialog.onInit(context); }
    FakeControls& controls() { return context.fakeControls; }
    void type(int box, std::string_view text) {
        controls().setText(box, text);
        dialog.onEditChange(box, context);
    }
    void pressOk() { dialog.onPress(200, 260, context); }

    FakeDialogContext context;
    CFireKeyDialog dialog{DialogLook{}};
};

TEST_F(FireKeyDialog, OkAtOnceGivesTheFirstTargetSpeed32AndOneTime) {
    EXPECT_EQ(controls().text(kSpeed), "32");
    EXPECT_EQ(controls().text(kTimes), "1");
    pressOk();
    EXPECT_EQ(context.ended, DialogEnd::Ok);
    const FireKeyDialogResult result = dialog.result();
    EXPECT_EQ(result.targetPosition, 0);
    EXPECT_EQ(result.targetName, "A");
    EXPECT_EQ(result.speed, 32);
    EXPECT_EQ(result.times, 1);
}

TEST_F(FireKeyDialog, TheSpeedCountsWhenTheBoxLosesTheFocusOrOnOk) {
    type(kSpeed, "3");
    EXPECT_EQ(controls().text(kSpeed), "3");  // typing alone changes nothing
    EXPECT_EQ(dialog.result().speed, 32);
    dialog.onEditKillFocus(kSpeed, context);
    EXPECT_EQ(controls().text(kSpeed), "5");
    EXPECT_EQ(dialog.result().speed, 5);
    type(kSpeed, "300");
    dialog.onEditKillFocus(kSpeed, context);
    EXPECT_EQ(dialog.result().speed, 5);
    type(kSpeed, "200");
    dialog.onEditKillFocus(kSpeed, context);
    EXPECT_EQ(dialog.result().speed, 200);

    // Typed and confirmed while the box still has the focus: the typed speed counts.
    type(kSpeed, "77");
    pressOk();
    EXPECT_EQ(dialog.result().speed, 77);
}

TEST_F(FireKeyDialog, TheTimesCountOnEveryChange) {
    type(kTimes, "256");
    EXPECT_EQ(controls().text(kTimes), "1");
    EXPECT_EQ(dialog.result().times, 1);
    type(kTimes, "");
    EXPECT_EQ(dialog.result().times, 0);
    type(kTimes, "42");
    EXPECT_EQ(dialog.result().times, 42);
}

TEST_F(FireKeyDialog, TheTargetListHoldsEveryTargetAndScrollsThreeANotch) {
    dialog.onPress(60, 75, context);
    ASSERT_EQ(controls().itemCount(kList), 61);
    EXPECT_FALSE(controls().isEnabled(kSpeed));
    EXPECT_FALSE(controls().isEnabled(kTimes));
    dialog.onMouseWheel(-120, context);
    EXPECT_EQ(controls().lists[kList].topIndex, 3);
    dialog.onMouseWheel(-240, context);  // one message, one notch's worth
    EXPECT_EQ(controls().lists[kList].topIndex, 6);
    dialog.onMouseWheel(120, context);
    EXPECT_EQ(controls().lists[kList].topIndex, 3);

    controls().setSelection(kList, 60);
    dialog.onListDoubleClick(kList, context);
    EXPECT_TRUE(controls().isEnabled(kSpeed));
    EXPECT_EQ(controls().text(CFireKeyDialog::kTargetDisplayId), "R-Tilt Wheel");
    EXPECT_EQ(dialog.result().targetPosition, 60);
    EXPECT_EQ(dialog.result().targetName, "R-Tilt Wheel");
}

TEST(FireKeyDialogWithoutBackground, KeepsItsConstructionValues) {
    // The host ends a run whose background failed before the dialog is set up.
    const FireKeyDialogResult result = CFireKeyDialog{DialogLook{}}.result();
    EXPECT_EQ(result.targetPosition, 0);
    EXPECT_EQ(result.targetName, "");
    EXPECT_EQ(result.speed, 32);
    EXPECT_EQ(result.times, 1);
}

}  // namespace
}  // namespace quorvel::test
