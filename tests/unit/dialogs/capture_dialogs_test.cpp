#include "dialogs/capture_dialogs.h"

#include <gtest/gtest.h>

#include "fake_dialog_context.h"

namespace quorvel::test {
namespace {

constexpr HookedKey key(std::uint16_t scanCode, bool extended = false, bool released = false) {
    return {scanCode, extended, released, released};
}

constexpr HookedKey kLeftCtrl = key(0x1D);
constexpr HookedKey kRightCtrl = key(0x1D, true);
constexpr HookedKey kEnter = key(0x1C);
constexpr HookedKey kApplication = key(0x5D, true);
constexpr unsigned kVkEnter = 13, kVkEscape = 27, kVkLeftWin = 91, kVkRightWin = 92, kVkA = 65;

TEST(SingleDialog, ShowsTheKeyTableNameOfEachKeyAndKeepsItOverUnknownKeys) {
    FakeDialogContext context;
    CSingleDialog dialog{DialogLook{}};
    dialog.onInit(context);
    EXPECT_TRUE(context.hookInstalled);
    dialog.onHookedKey(kRightCtrl, context);
    EXPECT_EQ(context.fakeControls.text(CSingleDialog::kKeyDisplayId), "Right Ctrl");
    EXPECT_EQ(dialog.result().key, (NamedKey{0xE4, "Right Ctrl"}));
    dialog.onHookedKey(kLeftCtrl, context);
    EXPECT_EQ(dialog.result().key, (NamedKey{0xE0, "Ctrl"}));
    dialog.onHookedKey(kEnter, context);
    dialog.onHookedKey(kApplication, context);  // no usage in the key table
    dialog.onHookedKey(key(0x11C), context);    // not a scan code at all
    EXPECT_EQ(dialog.result().key, (NamedKey{0x28, "Enter"}));
    EXPECT_EQ(context.fakeControls.text(CSingleDialog::kKeyDisplayId), "Enter");
    EXPECT_FALSE(context.ended);
}

TEST(SingleDialog, EnterEscapeAndTheWindowsKeysAreKeysNotCommands) {
    FakeDialogContext context;
    CSingleDialog dialog{DialogLook{}};
    EXPECT_TRUE(dialog.onKeyBeforeDialogManager(kVkEnter, KeyPhase::Down, context));
    EXPECT_TRUE(dialog.onKeyBeforeDialogManager(kVkEscape, KeyPhase::Down, context));
    EXPECT_TRUE(dialog.onKeyBeforeDialogManager(kVkLeftWin, KeyPhase::Up, context));
    EXPECT_TRUE(dialog.onKeyBeforeDialogManager(kVkRightWin, KeyPhase::Down, context));
    EXPECT_FALSE(dialog.onKeyBeforeDialogManager(kVkEnter, KeyPhase::Up, context));
    EXPECT_FALSE(dialog.onKeyBeforeDialogManager(kVkA, KeyPhase::Down, context));
}

TEST(CaptureDialogs, ARefusedHookIsReportedAndNothingIsCaptured) {
    FakeDialogContext context;
    context.hookRefusal = 5;
    CSingleDialog single{DialogLook{}};
    single.onInit(context);
    CComboDialog combo{DialogLook{}};
    combo.onInit(context);
    EXPECT_EQ(context.messageBox.shown,
              (std::vector<testing::ShownMessage>{
                  {"KeyboardHook_SingleDlgKey Install error code :5\n", "QuorvelMouse"},
                  {"KeyboardHook_ComboDlg Install error code :5\n", "QuorvelMouse"}}));
    single.onPress(200, 260, context);
    EXPECT_EQ(context.ended, DialogEnd::Ok);
    EXPECT_EQ(single.result().key, NamedKey{});
}

class ComboDialog : public ::testing::Test {
  protected:
    ComboDialog() { dialog.onInit(context); }
    FakeControls& controls() { return context.fakeControls; }
    bool boxesEnabled() {
        return controls().isEnabled(CComboDialog::kFirstKeyBoxId) &&
               controls().isEnabled(CComboDialog::kSecondKeyBoxId);
    }

    FakeDialogContext context;
    CComboDialog dialog{DialogLook{}};
};

TEST_F(ComboDialog, AKeyGoesToTheFocusedBoxOnly) {
    dialog.onHookedKey(key(0x1E), context);
    EXPECT_EQ(dialog.result().firstKey, NamedKey{});
    EXPECT_EQ(dialog.result().secondKey, NamedKey{});

    controls().setFocus(CComboDialog::kFirstKeyBoxId);
    dialog.onHookedKey(key(0x1E), context);
    // Whatever the edit inserted for the press, the release shows the name alone.
    controls().setText(CComboDialog::kFirstKeyBoxId, "Aa");
    dialog.onHookedKey(key(0x1E, false, true), context);
    EXPECT_EQ(controls().text(CComboDialog::kFirstKeyBoxId), "A");

    controls().setFocus(CComboDialog::kSecondKeyBoxId);
    dialog.onHookedKey(key(0x3F), context);
    EXPECT_EQ(dialog.result().firstKey, (NamedKey{0x04, "A"}));
    EXPECT_EQ(dialog.result().secondKey, (NamedKey{0x3E, "F5"}));
    EXPECT_TRUE(dialog.onKeyBeforeDialogManager(kVkEscape, KeyPhase::Down, context));
    EXPECT_FALSE(dialog.onKeyBeforeDialogManager(kVkLeftWin, KeyPhase::Down, context));
}

TEST_F(ComboDialog, TheModifierListDisablesTheKeyBoxesUntilItCloses) {
    controls().setFocus(CComboDialog::kFirstKeyBoxId);
    dialog.onPress(60, 75, context);
    ASSERT_TRUE(controls().exists(CComboDialog::kModifierListId));
    EXPECT_FALSE(controls().isEnabled(CComboDialog::kFirstKeyBoxId));
    EXPECT_FALSE(controls().isEnabled(CComboDialog::kSecondKeyBoxId));
    EXPECT_EQ(controls().focusedControl(), std::nullopt);
    dialog.onPress(300, 100, context);  // anywhere outside the list and the box
    EXPECT_FALSE(controls().exists(CComboDialog::kModifierListId));
    EXPECT_TRUE(boxesEnabled());

    dialog.onPress(60, 75, context);
    controls().setSelection(CComboDialog::kModifierListId, 5);
    dialog.onListSelectionChange(CComboDialog::kModifierListId, context);
    EXPECT_TRUE(boxesEnabled());
    EXPECT_EQ(dialog.result().modifier, (NamedKey{0x20, "Right Shift"}));
    EXPECT_EQ(dialog.modifierPosition(), 5);
    EXPECT_EQ(controls().text(CComboDialog::kModifierDisplayId), "Right Shift");
}

TEST_F(ComboDialog, CancelAndCloseNeverConfirm) {
    dialog.onPress(300, 260, context);
    EXPECT_EQ(context.ended, DialogEnd::Cancel);
    context.ended.reset();
    dialog.onPress(360, 10, context);
    EXPECT_EQ(context.ended, DialogEnd::Cancel);
}

}  // namespace
}  // namespace quorvel::test
