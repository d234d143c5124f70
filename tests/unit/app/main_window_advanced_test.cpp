// The main window with its advanced page: shown by the next-page button, the recorder taking
// the keyboard while it runs, the item menu and the delay dialog reached through the window,
// the pointer settings carried by Apply, and nothing of the page left on the basic page.
#include <gtest/gtest.h>

#include "app/main_window_model.h"
#include "app_fakes.h"

namespace quorvel::test {
namespace {

using Items = std::vector<std::string>;
using namespace macro_controls;

constexpr int kNextPageX = 90;
constexpr int kPreviousPageX = 30;
constexpr int kPageButtonY = 78;

class MainWindowAdvancedPage : public ::testing::Test {
  protected:
    void SetUp() override { rig.start(); }
    void nextPage() { rig.model.onPress(kNextPageX, kPageButtonY, rig.window); }
    void previousPage() { rig.model.onPress(kPreviousPageX, kPageButtonY, rig.window); }
    FakeControls& controls() { return rig.window.fakeControls; }
    Items sequence() { return controls().lists.at(kSequenceList).items; }
    void selectItem(int index) {
        controls().setSelection(kSequenceList, index);
        rig.model.onListSelectionChange(kSequenceList, rig.window);
    }
    std::uint8_t pointerByte(std::size_t field) {
        return rig.shared.records.live.pointerSetting(field);
    }

    DialogRig rig;
};

TEST_F(MainWindowAdvancedPage, RecordingTakesTheKeysUntilThePageIsLeft) {
    nextPage();
    ASSERT_EQ(rig.model.pageState(), PageState::Advanced);
    ASSERT_TRUE(controls().exists(kNameField));

    controls().setText(kNameField, "Tap");
    rig.model.onEditChange(kNameField, rig.window);
    rig.model.onPress(520, 535, rig.window);  // New
    rig.model.onPress(740, 240, rig.window);  // Start Recording
    ASSERT_TRUE(rig.window.hookInstalled);
    EXPECT_EQ(rig.pageServices.title, "Press Ctrl+Break key to stop recording");
    rig.log.calls.clear();
    // Enter is recorded, not obeyed: the window stays.
    EXPECT_TRUE(rig.model.onKeyBeforeDialogManager(kVirtualKeyEnter, KeyPhase::Down, rig.window));
    EXPECT_FALSE(rig.model.onKeyBeforeDialogManager('A', KeyPhase::Up, rig.window));
    EXPECT_FALSE(rig.log.has("window:hide"));
    rig.model.onHookedKey(HookedKey{0x1E, false, false, false}, rig.window);
    rig.model.onHookedKey(HookedKey{0x1E, false, false, true}, rig.window);  // auto-repeat
    rig.model.onHookedKey(HookedKey{0x1E, false, true, true}, rig.window);
    EXPECT_EQ(sequence(), (Items{"A   Dn", "50 ms", "A   Up"}));

    previousPage();
    EXPECT_EQ(rig.model.pageState(), PageState::Basic);
    EXPECT_FALSE(rig.window.hookInstalled);
    EXPECT_FALSE(controls().shown(kSequenceList));
    EXPECT_FALSE(controls().shown(kNameField));
    // Keys are the window's again, and the hook's leftovers reach no page.
    rig.model.onHookedKey(HookedKey{0x1E, false, false, false}, rig.window);
    EXPECT_FALSE(rig.model.onKeyBeforeDialogManager('A', KeyPhase::Down, rig.window));
    EXPECT_TRUE(rig.model.onKeyBeforeDialogManager(kVirtualKeyEscape, KeyPhase::Down, rig.window));
    EXPECT_TRUE(rig.log.has("window:hide"));
    // The unconfirmed macro is gone with the page.
    EXPECT_TRUE(rig.macros.sectionNames().empty());
}

TEST_F(MainWindowAdvancedPage, ItemMenuDeletesAndOnlyDelaysOpenTheDelayDialog) {
    const Items saved = {"Ctrl   Dn", "50 ms", "C   Dn", "50 ms", "C   Up"};
    ASSERT_EQ(rig.macros.writeMacro("Copy", saved).status, MacroFileStatus::Ok);
    nextPage();
    EXPECT_EQ(controls().lists.at(kMacroList).items, Items{"Copy"});
    EXPECT_EQ(sequence(), saved);

    // A right press over another control, or a dismissed menu, deletes nothing.
    selectItem(2);
    rig.model.onChildRightButtonDown(kMacroList, rig.window);
    rig.pageServices.chooseMenu = false;
    rig.model.onChildRightButtonDown(kSequenceList, rig.window);
    EXPECT_EQ(sequence(), saved);
    rig.pageServices.chooseMenu = true;
    rig.model.onChildRightButtonDown(kSequenceList, rig.window);
    EXPECT_EQ(rig.pageServices.menuText, "Delete");
    EXPECT_EQ(sequence(), (Items{"Ctrl   Dn", "50 ms", "50 ms", "C   Up"}));

    rig.log.calls.clear();
    selectItem(0);
    rig.model.onListDoubleClick(kSequenceList, rig.window);
    EXPECT_EQ(rig.log.count("modal"), 0);
    selectItem(1);
    rig.model.onListDoubleClick(kSequenceList, rig.window);
    EXPECT_EQ(rig.log.count("modal"), 1);
    // The shell's dialog was cancelled: the delay stays, and nothing reached record.ini.
    EXPECT_EQ(sequence()[1], "50 ms");
    EXPECT_EQ(rig.macros.readMacro("Copy"), saved);

    rig.model.onPress(770, 535, rig.window);  // Confirm
    EXPECT_EQ(rig.macros.readMacro("Copy"), sequence());
}

TEST_F(MainWindowAdvancedPage, DefaultWritesAtOnceApplyCarriesThePositionsCancelOnlyTheRecord) {
    using namespace pointer_settings;
    rig.systemPointer.doubleClick = 340;
    nextPage();
    EXPECT_EQ(pointerByte(kDoubleClickPosition), 9);
    rig.model.onPress(52 + 24 * 2 + 5, 205, rig.window);  // speed step 3
    rig.model.onPress(700, 630, rig.window);              // Apply
    EXPECT_TRUE(rig.log.has("pointer:apply"));
    ASSERT_EQ(rig.device.applied.size(), 1U);
    EXPECT_EQ(rig.device.applied[0].pointerSetting(kSpeedPosition), 3);
    EXPECT_TRUE(rig.systemPointer.written.empty());

    rig.model.onPress(246, 583, rig.window);  // Default
    EXPECT_EQ(rig.systemPointer.written,
              (Items{"precision=0", "speed=10", "lines=3", "double-click=500"}));
    EXPECT_EQ(pointerByte(kDoubleClickPosition), 6);
    rig.model.cancel();
    EXPECT_EQ(pointerByte(kDoubleClickPosition), 9);
    EXPECT_EQ(pointerByte(kSpeedPosition), 3);
    EXPECT_EQ(rig.systemPointer.written.size(), 4U);
    // The record is not read from the system again when the page comes back.
    rig.model.onTrayNotify(kTrayLeftButtonUp, rig.window);
    EXPECT_EQ(rig.model.pageState(), PageState::Advanced);
    EXPECT_EQ(rig.systemPointer.reads, 1);
    EXPECT_EQ(pointerByte(kDoubleClickPosition), 9);
}

TEST_F(MainWindowAdvancedPage, ControlsAnswerWithThePageColoursOnlyWhileItIsShown) {
    rig.shared.textColour = Colour{10, 20, 30};
    nextPage();
    const auto list = rig.model.colourFor(kSequenceList, ControlKind::List, rig.window);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->brush, rgbColour(4, 5, 6));
    EXPECT_EQ(list->text, rgbColour(10, 20, 30));
    previousPage();
    const auto basic = rig.model.colourFor(kSequenceList, ControlKind::List, rig.window);
    EXPECT_FALSE(basic && basic->brush == rgbColour(4, 5, 6));
}

}  // namespace
}  // namespace quorvel::test
