#include "pages/button_dispatcher.h"

#include <gtest/gtest.h>

#include "keys/key_code_tables.h"
#include "unit/pages/dispatcher_fixture.h"

namespace quorvel::test {
namespace {

using F = ButtonField;
constexpr std::size_t kModeBButton0 = record::kKeyBlockModeB;

// ---- The list stays open -------------------------------------------------------------------

using DispatcherListStaysOpen = DispatcherTest;

TEST_F(DispatcherListStaysOpen, WithoutSelectionNothingChanges) {
    const MouseConfig before = config;
    const auto labelsBefore = labels;
    choose(3, Mode::A, std::nullopt);
    EXPECT_EQ(config, before);
    EXPECT_EQ(labels, labelsBefore);
    EXPECT_TRUE(controls.exists(keyListId(3)));
}

TEST_F(DispatcherListStaysOpen, DpiSwitchEntryIsChosenInTheSubListInstead) {
    const MouseConfig before = config;
    const auto labelsBefore = labels;
    choose(3, Mode::A, 6);
    EXPECT_EQ(config, before);
    EXPECT_EQ(labels, labelsBefore);
    EXPECT_TRUE(controls.exists(keyListId(3)));
    EXPECT_EQ(dialogs.runs, 0);
}

// ---- Functions chosen from the list alone --------------------------------------------------

using DispatcherPlainFunction = DispatcherTest;

TEST_F(DispatcherPlainFunction, StoresTheCodeAndTheListTextInTheEditedModeOnly) {
    for (int code : {0, 1, 2, 3, 4, 5, 7, 15}) {
        const MouseConfig before = config;
        choose(4, Mode::A, code);
        EXPECT_EQ(config.functionCode(Mode::A, 4), code);
        EXPECT_EQ(label(Mode::A, 4), kButtonFunctions[code].listText);
        EXPECT_EQ(label(Mode::B, 4), "label 12");
        if (before.functionCode(Mode::A, 4) != code) {
            EXPECT_EQ(
                changedOffsets(before),
                std::vector<std::size_t>{record::kKeyBlockModeA + key_block::kFunctionCode + 4});
        }
        EXPECT_FALSE(controls.exists(keyListId(4)));
    }
    EXPECT_EQ(dialogs.runs, 0);
}

TEST_F(DispatcherPlainFunction, ModeBChangesItsOwnBlockAndLabel) {
    config.setFunctionCode(Mode::B, 1, 0);  // a second left click, so button 0 may change
    const MouseConfig before = config;
    choose(0, Mode::B, 7);
    EXPECT_EQ(changedOffsets(before), std::vector<std::size_t>{kModeBButton0});
    EXPECT_EQ(config.bytes()[kModeBButton0], 7);
    EXPECT_EQ(label(Mode::B, 0), "RGB On/Off");
    EXPECT_EQ(label(Mode::A, 0), "label 0");
}

TEST_F(DispatcherPlainFunction, LabelIsTheListsOwnTextInItsLanguage) {
    std::vector<std::string> chinese = englishKeyListTexts();
    chinese[1] = "右键";
    openKeyList(2, 1, chinese);
    assign(2, Mode::A);
    EXPECT_EQ(label(Mode::A, 2), "右键");
}

TEST_F(DispatcherPlainFunction, PositionOutsideTheCatalogueOnlyClosesTheList) {
    const MouseConfig before = config;
    std::vector<std::string> texts = englishKeyListTexts();
    texts.emplace_back("Report Rate Switch");
    openKeyList(2, 16, texts);
    assign(2, Mode::A);
    EXPECT_EQ(config, before);
    EXPECT_EQ(label(Mode::A, 2), "label 2");
    EXPECT_FALSE(controls.exists(keyListId(2)));
}

// ---- Shift ---------------------------------------------------------------------------------

using DispatcherShift = DispatcherTest;

TEST_F(DispatcherShift, GoesToTheSameButtonInBothModes) {
    choose(2, Mode::A, 14);
    EXPECT_EQ(config.functionCode(Mode::A, 2), 14);
    EXPECT_EQ(config.functionCode(Mode::B, 2), 14);
    EXPECT_EQ(label(Mode::A, 2), "Shift");
    EXPECT_EQ(label(Mode::B, 2), "Shift");
    EXPECT_FALSE(controls.exists(keyListId(2)));
}

TEST_F(DispatcherShift, SecondShiftInTheModeIsRefusedSilently) {
    choose(2, Mode::A, 14);
    const MouseConfig before = config;
    const auto labelsBefore = labels;
    choose(3, Mode::A, 14);
    EXPECT_EQ(config, before);
    EXPECT_EQ(labels, labelsBefore);
    EXPECT_FALSE(controls.exists(keyListId(3)));
}

TEST_F(DispatcherShift, ChoosingShiftAgainOnItsButtonChangesNothing) {
    choose(2, Mode::B, 14);
    label(Mode::A, 2) = "kept";
    const MouseConfig before = config;
    choose(2, Mode::B, 14);
    EXPECT_EQ(config, before);
    EXPECT_EQ(label(Mode::A, 2), "kept");
}

TEST_F(DispatcherShift, RefusedWhenTheOtherModeHasItOnAnotherButton) {
    // A record where only Mode B carries a Shift (on button 4) must not gain a second one.
    config.setFunctionCode(Mode::B, 4, 14);
    const MouseConfig before = config;
    choose(3, Mode::A, 14);
    EXPECT_EQ(config, before);
    // On the button that carries it in the other mode, the pair is completed.
    choose(4, Mode::A, 14);
    EXPECT_EQ(config.functionCode(Mode::A, 4), 14);
    EXPECT_EQ(config.functionCode(Mode::B, 4), 14);
}

TEST_F(DispatcherShift, LeavingShiftChangesBothModesAndCopiesTheLabel) {
    choose(2, Mode::A, 14);
    choose(2, Mode::B, 15);
    EXPECT_EQ(config.functionCode(Mode::A, 2), 15);
    EXPECT_EQ(config.functionCode(Mode::B, 2), 15);
    EXPECT_EQ(label(Mode::A, 2), "Key Off");
    EXPECT_EQ(label(Mode::B, 2), "Key Off");
}

TEST_F(DispatcherShift, FireKeyOnTheShiftButtonReachesBothModesWithItsParameters) {
    choose(2, Mode::A, 14);
    dialogs.fireKey = FireKeyDialogResult{0, "A", 32, 1};  // the dialog's untouched result
    choose(2, Mode::A, 10);
    for (Mode mode : {Mode::A, Mode::B}) {
        EXPECT_EQ(config.functionCode(mode, 2), 10);
        EXPECT_EQ(label(mode, 2), "Fire Key-A");
        EXPECT_EQ(field(mode, F::FireKeyCode, 2), 0x04);
        EXPECT_EQ(field(mode, F::FireSpeed, 2), 32);
        EXPECT_EQ(field(mode, F::FireTimes, 2), 1);
    }
}

TEST_F(DispatcherShift, CancelledSubDialogKeepsTheShiftPair) {
    choose(2, Mode::A, 14);
    const MouseConfig before = config;
    choose(2, Mode::A, 11);  // single-key dialog cancelled
    EXPECT_EQ(config, before);
    EXPECT_EQ(label(Mode::B, 2), "Shift");
}

// ---- Sub-dialogs ---------------------------------------------------------------------------

using DispatcherSubDialog = DispatcherTest;

TEST_F(DispatcherSubDialog, WindowsChoiceIsLabelledWithTheEntryAlone) {
    dialogs.windows = ListDialogResult{6, "Browser-Back"};
    choose(3, Mode::A, 8);
    EXPECT_EQ(config.functionCode(Mode::A, 3), 8);
    EXPECT_EQ(field(Mode::A, F::WindowsPosition, 3), 6);
    EXPECT_EQ(field(Mode::A, F::WindowsUsageLow, 3), 0x24);
    EXPECT_EQ(field(Mode::A, F::WindowsUsageHigh, 3), 0x02);
    EXPECT_EQ(label(Mode::A, 3), "Browser-Back");
    EXPECT_EQ(keyEntryFor(config, Mode::A, 3), (KeyEntry{{0x03, 0x00, 0x24, 0x02}}));
}

TEST_F(DispatcherSubDialog, MediaChoiceIsPrefixedWithTheListText) {
    dialogs.media = ListDialogResult{3, "Play/Pause"};
    choose(3, Mode::B, 9);
    EXPECT_EQ(field(Mode::B, F::MediaPosition, 3), 3);
    EXPECT_EQ(field(Mode::B, F::MediaUsage, 3), 0xCD);
    EXPECT_EQ(label(Mode::B, 3), "Multimedia-Play/Pause");
    EXPECT_EQ(config.functionCode(Mode::A, 3), 3);
}

TEST_F(DispatcherSubDialog, FireKeyStoresTargetSpeedAndTimes) {
    dialogs.fireKey = FireKeyDialogResult{60, "R-Tilt Wheel", 5, 200};
    choose(1, Mode::A, 10);
    EXPECT_EQ(field(Mode::A, F::FirePosition, 1), 60);
    EXPECT_EQ(field(Mode::A, F::FireKeyCode, 1), 0xF6);
    EXPECT_EQ(field(Mode::A, F::FireSpeed, 1), 5);
    EXPECT_EQ(field(Mode::A, F::FireTimes, 1), 200);
    EXPECT_EQ(label(Mode::A, 1), "Fire Key-R-Tilt Wheel");
}

TEST_F(DispatcherSubDialog, SingleKeyStoresTheCapturedCodeUnderItsName) {
    dialogs.single = SingleDialogResult{{0x63, "Num Del"}};
    choose(1, Mode::A, 11);
    EXPECT_EQ(field(Mode::A, F::SingleKeyCode, 1), 0x63);
    EXPECT_EQ(label(Mode::A, 1), "Single Key-Num Del");
}

TEST_F(DispatcherSubDialog, MacroStoresSlotAndRepeatModeLessOne) {
    dialogs.macro = MacroDialogResult{0, 2, "Reload"};
    choose(1, Mode::A, 13);
    EXPECT_EQ(field(Mode::A, F::MacroSlot, 1), 0);
    EXPECT_EQ(field(Mode::A, F::MacroRepeat, 1), 1);
    EXPECT_EQ(label(Mode::A, 1), "Macro Key-Reload");
    EXPECT_EQ(keyEntryFor(config, Mode::A, 1), (KeyEntry{{0x09, 0x01, 0x01, 0x00}}));
}

TEST_F(DispatcherSubDialog, MacroResultTheMouseCannotHoldChangesNothing) {
    const MouseConfig before = config;
    dialogs.macro = MacroDialogResult{0, 0, ""};  // a dialog that never initialised
    choose(1, Mode::A, 13);
    EXPECT_EQ(config, before);
    dialogs.macro = MacroDialogResult{12, 1, "Thirteenth"};
    choose(1, Mode::A, 13);
    EXPECT_EQ(config, before);
    EXPECT_EQ(label(Mode::A, 1), "label 1");
    EXPECT_FALSE(controls.exists(keyListId(1)));
}

TEST_F(DispatcherSubDialog, CancelLeavesCodeParametersAndLabelAsTheyWere) {
    for (int position : {8, 9, 10, 11, 12, 13}) {
        config.setFunctionCode(Mode::A, 0, 0);
        config.setFunctionCode(Mode::A, 1, 0);
        label(Mode::A, 1) = "Left Click";
        const MouseConfig before = config;
        choose(1, Mode::A, position);
        EXPECT_EQ(config, before) << position;
        EXPECT_EQ(label(Mode::A, 1), "Left Click") << position;
        EXPECT_FALSE(controls.exists(keyListId(1))) << position;
    }
    EXPECT_EQ(dialogs.runs, 6);
}

TEST_F(DispatcherSubDialog, OtherFunctionsKeepTheirParameters) {
    dialogs.fireKey = FireKeyDialogResult{2, "C", 40, 4};
    choose(1, Mode::A, 10);
    dialogs.single = SingleDialogResult{{0x3A, "F1"}};
    choose(1, Mode::A, 11);
    choose(1, Mode::A, 15);
    EXPECT_EQ(config.functionCode(Mode::A, 1), 15);
    EXPECT_EQ(field(Mode::A, F::FireKeyCode, 1), 0x06);
    EXPECT_EQ(field(Mode::A, F::FireSpeed, 1), 40);
    EXPECT_EQ(field(Mode::A, F::SingleKeyCode, 1), 0x3A);
}

TEST_F(DispatcherSubDialog, WritesOnlyTheChosenButtonsFields) {
    dialogs.fireKey = FireKeyDialogResult{25, "Z", 9, 9};
    const MouseConfig before = config;
    choose(6, Mode::B, 10);
    for (std::size_t offset : changedOffsets(before)) {
        EXPECT_GE(offset, record::kKeyBlockModeB);
        EXPECT_LT(offset, record::kKeyBlockModeB + kKeyBlockSize);
        EXPECT_EQ((offset - record::kKeyBlockModeB) % kButtonCount, 6u) << offset;
    }
}

// ---- Combination labels --------------------------------------------------------------------

using DispatcherComboLabel = DispatcherTest;

TEST_F(DispatcherComboLabel, JoinsModifierAndBothKeys) {
    dialogs.combo = ComboDialogResult{{0x01, "Left Ctrl"}, {0x04, "A"}, {0x05, "B"}};
    choose(1, Mode::A, 12);
    EXPECT_EQ(label(Mode::A, 1), "Combo Key-Left Ctrl+A+B");
    EXPECT_EQ(keyEntryFor(config, Mode::A, 1), (KeyEntry{{0x00, 0x01, 0x04, 0x05}}));
}

TEST_F(DispatcherComboLabel, ModifierWithOnlyASecondKey) {
    dialogs.combo = ComboDialogResult{{0x40, "Right Alt"}, {}, {0x3E, "F5"}};
    choose(1, Mode::A, 12);
    EXPECT_EQ(label(Mode::A, 1), "Combo Key-Right Alt+F5");
    EXPECT_EQ(keyEntryFor(config, Mode::A, 1), (KeyEntry{{0x00, 0x40, 0x00, 0x3E}}));
}

TEST_F(DispatcherComboLabel, LoneFirstKey) {
    dialogs.combo = ComboDialogResult{{}, {0x04, "A"}, {}};
    choose(1, Mode::A, 12);
    EXPECT_EQ(label(Mode::A, 1), "Combo Key-A");
}

TEST_F(DispatcherComboLabel, PartsWithoutACodeAreLeftOut) {
    dialogs.combo = ComboDialogResult{{0, "Ctrl"}, {0, "a"}, {0x2B, "Tab"}};
    choose(1, Mode::A, 12);
    EXPECT_EQ(label(Mode::A, 1), "Combo Key-Tab");
    EXPECT_EQ(field(Mode::A, F::ComboModifiers, 1), 0);
    EXPECT_EQ(field(Mode::A, F::ComboFirstKey, 1), 0);
    EXPECT_EQ(field(Mode::A, F::ComboSecondKey, 1), 0x2B);
}

TEST_F(DispatcherComboLabel, NothingCapturedLeavesOnlyThePrefix) {
    dialogs.combo = ComboDialogResult{};
    choose(1, Mode::A, 12);
    EXPECT_EQ(label(Mode::A, 1), "Combo Key-");
    EXPECT_EQ(config.functionCode(Mode::A, 1), 12);
}

}  // namespace
}  // namespace quorvel::test
