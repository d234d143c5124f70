#include "pages/basic_page.h"

#include <gtest/gtest.h>

#include "pages/key_lists.h"
#include "unit/dialogs/fake_dialog_context.h"
#include "unit/pages/fake_key_dialogs.h"

namespace quorvel {
namespace {

constexpr int kKeyList1 = 41;
constexpr int kKeyList2 = 42;

class BasicPageTest : public ::testing::Test {
  protected:
    BasicPageTest() {
        MouseConfig& config = shared.records.live;
        applyDefaultAssignment(config);
        config.setReportRate(8);
        for (int stage = 1; stage <= 4; ++stage)
            config.setStageEnabled(stage, true);
        labels = defaultButtonLabels();
    }
    MouseConfig& config() { return shared.records.live; }
    bool press(int x, int y) { return page.press(x, y, context); }
    bool pressKeyBox(int button) { return press(300, keyBoxRect(button).top + 5); }
    void choose(int listId, int entry) {
        context.fakeControls.setSelection(listId, entry);
        page.onListSelectionChange(listId, context);
    }
    bool listOpen(int id) const { return context.fakeControls.exists(id); }

    SharedUiState shared;
    LanguageTexts texts{Language::English};
    ButtonLabels labels;
    test::FakeKeyDialogs dialogs;
    test::FakeDialogContext context;
    BasicPage page{BasicPageEnv{shared, texts, labels, dialogs}};
};

TEST_F(BasicPageTest, ModeAWinsTheSharedColumnAndModeBChangesOnlyWhatIsShown) {
    config().setShownMode(Mode::B);
    EXPECT_TRUE(press(357, 525));
    EXPECT_EQ(config().shownMode(), Mode::A);
    EXPECT_TRUE(press(400, 525));
    EXPECT_EQ(config().shownMode(), Mode::B);
    labels.setLabel(Mode::B, 0, "Mode B's own");
    page.paint(context);
    EXPECT_EQ(context.picture.textAt(272, 199), "Mode B's own");
}

TEST_F(BasicPageTest, LevelsNineToTwelveAnswerOnlyForSensorTypeZero) {
    // (555, 305) is level 12 of stage 1.
    shared.sensorType = 0;
    EXPECT_TRUE(press(555, 305));
    EXPECT_EQ(config().dpiValueIndex(1), 11);
    for (int type : {1, 2, 3, 9}) {
        shared.sensorType = type;
        config().setDpiValueIndex(1, 2);
        EXPECT_FALSE(press(555, 305)) << type;  // the window drags instead
        EXPECT_EQ(config().dpiValueIndex(1), 2) << type;
    }
    EXPECT_TRUE(press(555, 380));  // level 8 answers for every type
    EXPECT_EQ(config().dpiValueIndex(1), 7);
}

TEST_F(BasicPageTest, AMissOnTheBackgroundOrTitleIsNotTaken) {
    EXPECT_FALSE(press(10, 300));
    EXPECT_FALSE(press(200, 70));
}

TEST_F(BasicPageTest, KeyListsOpenInFunctionOrderCloseOnASecondClickAndOnClicksOutside) {
    pressKeyBox(0 + 1);
    ASSERT_TRUE(listOpen(kKeyList2));
    const auto& list = context.fakeControls.lists.at(kKeyList2);
    EXPECT_EQ(list.rect, keyListArea(1));
    ASSERT_EQ(list.items.size(), 16U);
    EXPECT_EQ(list.items[6], "DPI Switch");
    EXPECT_EQ(list.items[14], "Shift");
    EXPECT_EQ(list.items[15], "Key Off");
    pressKeyBox(1);
    EXPECT_FALSE(listOpen(kKeyList2));

    // Box 2 while list 1 is open: list 1 closes, list 2 opens.
    config().setFunctionCode(Mode::A, 3, 0);  // a second left click, so box 1 may open
    pressKeyBox(0);
    ASSERT_TRUE(listOpen(kKeyList1));
    pressKeyBox(1);
    EXPECT_FALSE(listOpen(kKeyList1));
    EXPECT_TRUE(listOpen(kKeyList2));

    // A press elsewhere closes the list before it acts.
    EXPECT_TRUE(press(620, 208));
    EXPECT_FALSE(listOpen(kKeyList2));
    EXPECT_EQ(config().reportRate(), 4);
}

TEST_F(BasicPageTest, TheLastLeftClickOfTheShownModeKeepsItsListShut) {
    pressKeyBox(0);
    EXPECT_FALSE(listOpen(kKeyList1));
    ASSERT_EQ(context.messageBox.shown.size(), 1U);
    EXPECT_EQ(context.messageBox.shown[0].text, "Left key must be selected!");
    EXPECT_EQ(context.messageBox.shown[0].caption, "Warning");
    // Mode B has its own left clicks.
    config().setFunctionCode(Mode::B, 2, 0);
    config().setShownMode(Mode::B);
    pressKeyBox(0);
    EXPECT_TRUE(listOpen(kKeyList1));
}

TEST_F(BasicPageTest, AChoiceInModeBChangesModeBOnly) {
    config().setShownMode(Mode::B);
    pressKeyBox(2);
    choose(43, 7);  // "RGB On/Off"
    EXPECT_EQ(config().bytes()[record::kKeyBlockModeB + 2], 7);
    EXPECT_EQ(config().functionCode(Mode::A, 2), 2);
    EXPECT_EQ(labels.label(Mode::B, 2), "RGB On/Off");
    EXPECT_EQ(labels.label(Mode::A, 2), "Mid Click");
    EXPECT_FALSE(listOpen(43));
    EXPECT_EQ(context.picture.textAt(272, keyBoxRect(2).top), "RGB On/Off");
}

TEST_F(BasicPageTest, ACancelledSubDialogLeavesTheButtonAsItWas) {
    pressKeyBox(2);
    choose(43, 10);  // "Fire Key": the dialog is cancelled
    EXPECT_EQ(dialogs.runs, 1);
    EXPECT_EQ(config().functionCode(Mode::A, 2), 2);
    EXPECT_EQ(labels.label(Mode::A, 2), "Mid Click");
    EXPECT_FALSE(listOpen(43));
}

TEST_F(BasicPageTest, DpiSwitchIsChosenInTheSubListThePointerOpens) {
    pressKeyBox(3);
    choose(44, 6);  // a click on "DPI Switch" itself does nothing
    EXPECT_TRUE(listOpen(44));
    page.onChildMouseMove(44, 20, 6 * test::FakeControls::kItemHeight + 3, context);
    ASSERT_TRUE(listOpen(kDpiSubListId));
    choose(kDpiSubListId, 1);  // "DPI -"
    EXPECT_EQ(config().functionCode(Mode::A, 3), 6);
    EXPECT_EQ(config().dpiSwitchParameter(Mode::A, 3), 2);
    EXPECT_EQ(labels.label(Mode::A, 3), "DPI -");
    EXPECT_FALSE(listOpen(44));
    EXPECT_FALSE(listOpen(kDpiSubListId));
}

TEST_F(BasicPageTest, KeyRestoreInModeBRestoresBothModesAndKeepsModeB) {
    config().setShownMode(Mode::B);
    config().setFunctionCode(Mode::A, 1, 9);
    config().setFunctionCode(Mode::B, 5, 15);
    labels.setLabel(Mode::B, 5, "Key Off");
    EXPECT_TRUE(press(350, 555));
    EXPECT_EQ(config().shownMode(), Mode::B);
    EXPECT_EQ(config().functionCode(Mode::A, 1), 1);
    EXPECT_EQ(config().functionCode(Mode::B, 5), 6);
    EXPECT_EQ(config().dpiSwitchParameter(Mode::B, 5), 3);
    EXPECT_EQ(labels, defaultButtonLabels());
}

TEST_F(BasicPageTest, StageTicksKeepOneStageOnAndLevelsAnswerOnStagesThatAreOff) {
    for (int stage : {1, 2, 4})
        press(stageTickRect(stage).left + 2, 545);
    EXPECT_FALSE(config().stageEnabled(1));
    EXPECT_TRUE(config().stageEnabled(3));
    press(stageTickRect(3).left + 2, 545);
    EXPECT_TRUE(config().stageEnabled(3));

    // Level 5 of stage 2, which is off: stored and lit, the tick stays empty.
    const Rect cell = dpiLevelCell(2, 5);
    EXPECT_TRUE(press(cell.left + 1, cell.top + 1));
    EXPECT_EQ(config().dpiValueIndex(2), 4);
    EXPECT_FALSE(config().stageEnabled(2));
    EXPECT_EQ(context.picture.imageAt(cell.left, cell.top), "/slider-DPI-light.png");
    const Rect above = dpiLevelCell(2, 6);
    EXPECT_EQ(context.picture.imageAt(above.left, above.top), "/slider-DPI-dark.png");
}

TEST_F(BasicPageTest, ReportRateSegmentsStoreTheirCodeAndLightOnlyOne) {
    press(reportRateRect(3).left + 1, 208);
    EXPECT_EQ(config().reportRate(), 1);
    // A damaged code shows as the last segment; choosing that segment still lights it.
    config().setReportRate(0);
    press(reportRateRect(3).left + 1, 208);
    EXPECT_EQ(config().reportRate(), 1);
    EXPECT_EQ(context.picture.imageAt(reportRateRect(3).left, 204), "/slider-RP-light.png");
    press(reportRateRect(0).left + 1, 208);
    EXPECT_EQ(config().reportRate(), 8);
    EXPECT_EQ(context.picture.imageAt(reportRateRect(3).left, 204), "/slider-RP-dark.png");
}

TEST_F(BasicPageTest, SwatchesAskForAColourOnlyOnStagesThatAreOn) {
    context.colourDialogAnswer = rgbColour(10, 20, 30);
    config().setStageEnabled(2, false);
    press(swatchRect(2).left + 1, 525);
    EXPECT_TRUE(context.colourDialogStarts.empty());
    press(swatchRect(3).left + 1, 525);
    EXPECT_EQ(context.colourDialogStarts,
              std::vector<Colour>{rgbColour(0, 0, 0)});  // started at black
    EXPECT_EQ(config().stageColour(3), (Colour{10, 20, 30}));
    const auto answer = page.colourFor(73, ControlKind::ColourSwatch);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->brush, rgbColour(10, 20, 30));
    context.colourDialogAnswer.reset();
    press(swatchRect(4).left + 1, 525);
    EXPECT_EQ(config().stageColour(4), (Colour{0, 0, 0}));
}

TEST_F(BasicPageTest, OneKeyBoxLightsAtATimeAndGoesNormalWhenThePointerLeaves) {
    page.paint(context);
    const Rect one = keyBoxRect(0), two = keyBoxRect(1);
    EXPECT_TRUE(page.hoverableAt(one.left + 1, one.top + 1));
    EXPECT_FALSE(page.hoverableAt(kModeARect.left + 1, kModeARect.top + 1));
    page.rest(one.left + 1, one.top + 1, context.picture);
    EXPECT_EQ(context.picture.imageAt(one.left, one.top), "/DropdownBox-over.png");
    page.rest(two.left + 1, two.top + 1, context.picture);
    EXPECT_EQ(context.picture.imageAt(one.left, one.top), "/DropdownBox-normal.png");
    EXPECT_EQ(context.picture.imageAt(two.left, two.top), "/DropdownBox-over.png");
    // The number and label are drawn again over the lit face.
    EXPECT_EQ(context.picture.textAt(two.left + 20, two.top), "Right Click");
    // Onto the restore button, a group of its own: the key box goes back all the same.
    page.rest(kKeyRestoreRect.left + 1, kKeyRestoreRect.top + 1, context.picture);
    EXPECT_EQ(context.picture.imageAt(two.left, two.top), "/DropdownBox-normal.png");
    EXPECT_TRUE(page.clearHover(context.picture));
    EXPECT_EQ(context.picture.imageAt(two.left, two.top), "/DropdownBox-normal.png");
    EXPECT_EQ(context.picture.imageAt(kKeyRestoreRect.left, kKeyRestoreRect.top),
              "/button-normal.png");
    EXPECT_FALSE(page.clearHover(context.picture));
}

TEST_F(BasicPageTest, ThePageShowsTheSensorsLevelsAndCreatesItsChildWindows) {
    shared.sensorType = 1;
    page.paint(context);
    const Rect bottom = dpiLevelLabelRect(1, 1);
    EXPECT_EQ(context.picture.textAt(bottom.left, bottom.top), "600");
    const Rect top = dpiLevelLabelRect(1, 8);
    EXPECT_EQ(context.picture.textAt(top.left, top.top), "3200");
    const Rect ninth = dpiLevelCell(1, 9);
    EXPECT_EQ(context.picture.imageAt(ninth.left, ninth.top), "");
    for (int id : {71, 72, 73, 74, 80})
        EXPECT_TRUE(context.fakeControls.exists(id)) << id;
    // Mode 0 has no parameter or effect label.
    EXPECT_FALSE(context.fakeControls.shown(81));
    page.leave(context);
    for (int id : {71, 72, 73, 74, 80})
        EXPECT_FALSE(context.fakeControls.shown(id)) << id;

    // Shown again, the same windows come back with what the record holds now.
    config().setLightingMode(3);
    page.paint(context);
    for (int id : {71, 72, 73, 74, 80, 81, 82})
        EXPECT_TRUE(context.fakeControls.shown(id)) << id;
    EXPECT_EQ(context.fakeControls.text(80), "Neon");
    config().setLightingMode(0);
    page.leave(context);
    page.paint(context);
    EXPECT_FALSE(context.fakeControls.shown(81));
    EXPECT_FALSE(context.fakeControls.shown(82));
    EXPECT_EQ(context.fakeControls.text(80), "Off");
    EXPECT_TRUE(context.fakeControls.destroyed.empty());
}

TEST_F(BasicPageTest, ListsAreWhiteOnBlackAndLightingLabelsCarryTheTextColour) {
    shared.textColour = Colour{1, 2, 3};
    const auto list = page.colourFor(kKeyList1, ControlKind::List);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->text, kWhite);
    EXPECT_FALSE(list->textBackground);
    EXPECT_EQ(list->brush, rgbColour(0, 0, 0));
    const auto label = page.colourFor(81, ControlKind::CentredLabel);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text, rgbColour(1, 2, 3));
    EXPECT_EQ(label->textBackground, rgbColour(0, 0, 0));
}

TEST(BasicPageLanguage, SimplifiedChineseListsAndWarning) {
    SharedUiState shared;
    applyDefaultAssignment(shared.records.live);
    LanguageTexts texts{Language::SimplifiedChinese};
    ButtonLabels labels;
    test::FakeKeyDialogs dialogs;
    test::FakeDialogContext context;
    BasicPage page{BasicPageEnv{shared, texts, labels, dialogs}};
    page.press(300, keyBoxRect(0).top + 5, context);
    ASSERT_EQ(context.messageBox.shown.size(), 1U);
    EXPECT_EQ(context.messageBox.shown[0].text, "左键功能必须选择！");
    EXPECT_EQ(context.messageBox.shown[0].caption, "Warning");
    page.press(300, keyBoxRect(1).top + 5, context);
    EXPECT_EQ(context.fakeControls.itemText(kKeyList2, 0), "左键");
}

}  // namespace
}  // namespace quorvel
