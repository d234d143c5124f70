#include "app/main_window_pages.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_files.h"
#include "unit/dialogs/fake_dialog_context.h"
#include "unit/pages/advanced_fakes.h"
#include "unit/pages/fake_key_dialogs.h"

namespace quorvel {
namespace {

// Where each drag started.
class DragContext : public test::FakeDialogContext {
  public:
    void dragWindow(int x, int y) override { drags.emplace_back(x, y); }
    std::vector<std::pair<int, int>> drags;
};

class MainWindowPagesTest : public ::testing::Test {
  protected:
    MainWindowPagesTest() {
        applyDefaultAssignment(shared.records.live);
        labels = defaultButtonLabels();
    }
    void show(PageState page) {
        pages.leave(context);
        pages.show(page, context);
    }
    void press(int x, int y) {
        pages.press(x, y, context, [&](FixedButton b) { performed.push_back(b); });
    }
    std::string imageAt(FixedButton button) const {
        const Rect r = rectOf(button);
        return context.picture.imageAt(r.left, r.top);
    }

    SharedUiState shared;
    LanguageTexts texts{Language::English};
    ButtonLabels labels;
    test::FakeKeyDialogs dialogs;
    DragContext context;
    test::FakeSystemPointer pointer;
    testing::FakeFiles files;
    MacroLibrary macros{files, "record.ini", shared.records.live};
    test::FakePageServices services;
    MainWindowPages pages{
        BasicPageEnv{shared, texts, labels, dialogs},
        AdvancedPageServices{shared, texts, pointer, macros, services, services, services}};
    std::vector<FixedButton> performed;
};

TEST_F(MainWindowPagesTest, SharedColumnsActInTableOrderAndMinimiseStopsEverything) {
    show(PageState::Basic);
    press(666, 630);
    press(770, 630);
    EXPECT_EQ(performed, (std::vector<FixedButton>{FixedButton::Ok, FixedButton::Apply,
                                                   FixedButton::Apply, FixedButton::Cancel}));
    // The page's areas missed these presses: each also starts a drag.
    EXPECT_EQ(context.drags.size(), 2U);
    performed.clear();
    press(830, 10);
    EXPECT_EQ(performed, (std::vector<FixedButton>{FixedButton::Minimise}));
    EXPECT_EQ(context.drags.size(), 2U);
}

TEST_F(MainWindowPagesTest, AMissDragsTheWindowOnEitherPage) {
    show(PageState::Basic);
    press(10, 300);
    press(200, 70);
    show(PageState::Advanced);
    press(10, 300);
    press(60, 205);  // a slider cell takes it
    EXPECT_EQ(context.drags, (std::vector<std::pair<int, int>>{{10, 300}, {200, 70}, {10, 300}}));
}

TEST_F(MainWindowPagesTest, TheTopLevelCellsDragUnlessTheSensorHasTwelveLevels) {
    show(PageState::Basic);
    shared.sensorType = 2;
    press(555, 305);
    EXPECT_EQ(context.drags.size(), 1U);
    shared.sensorType = 0;
    press(555, 305);
    EXPECT_EQ(context.drags.size(), 1U);
    EXPECT_EQ(shared.records.live.dpiValueIndex(1), 11);
}

TEST_F(MainWindowPagesTest, OkStraightOntoApplyRedrawsBothInOneUpdate) {
    show(PageState::Basic);
    const int before = context.picture.copies;
    pages.rest(600, 630, context);
    EXPECT_EQ(imageAt(FixedButton::Ok), "/button-over.png");
    pages.move(700, 630, context);  // over Apply: wait for the rest
    EXPECT_EQ(context.hoverRequests.size(), 1U);
    pages.rest(700, 630, context);
    EXPECT_EQ(context.picture.copies, before + 2);
    EXPECT_EQ(imageAt(FixedButton::Ok), "/button-normal.png");
    EXPECT_EQ(imageAt(FixedButton::Apply), "/button-over.png");
    EXPECT_EQ(context.picture.textAt(666, 623), "Apply");
}

TEST_F(MainWindowPagesTest, OnlyTheControlUnderThePointerStaysLit) {
    show(PageState::Basic);
    pages.rest(700, 630, context);
    pages.rest(300, 205, context);  // key box 1: Apply goes back
    EXPECT_EQ(imageAt(FixedButton::Apply), "/button-normal.png");
    EXPECT_EQ(context.picture.imageAt(252, 199), "/DropdownBox-over.png");
    pages.rest(835, 10, context);  // Minimise: the key box goes back
    EXPECT_EQ(context.picture.imageAt(252, 199), "/DropdownBox-normal.png");
    EXPECT_EQ(imageAt(FixedButton::Minimise), "/button-min-over.png");
    const int before = context.picture.copies;
    pages.move(10, 300, context);
    EXPECT_EQ(context.picture.copies, before + 1);
    EXPECT_EQ(imageAt(FixedButton::Minimise), "/button-min-normal.png");
    // Nothing lit: leaving again draws nothing.
    pages.move(10, 300, context);
    EXPECT_EQ(context.picture.copies, before + 1);
}

TEST_F(MainWindowPagesTest, LeavingTheWindowFromALitControlPutsItBack) {
    // Straight off Apply onto another window, or a dialog over it: no move inside follows.
    for (PageState page : {PageState::Basic, PageState::Advanced}) {
        show(page);
        pages.rest(700, 630, context);
        ASSERT_EQ(imageAt(FixedButton::Apply), "/button-over.png");
        const int before = context.picture.copies;
        pages.pointerLeft(context);
        EXPECT_EQ(imageAt(FixedButton::Apply), "/button-normal.png");
        EXPECT_EQ(context.picture.copies, before + 1);
    }
    pages.rest(520, 535, context);  // New
    EXPECT_EQ(context.picture.imageAt(513, 528), "/button-over.png");
    pages.pointerLeft(context);
    EXPECT_EQ(context.picture.imageAt(513, 528), "/button-normal.png");
    const int before = context.picture.copies;
    pages.pointerLeft(context);
    EXPECT_EQ(context.picture.copies, before);
}

TEST_F(MainWindowPagesTest, AnAreaLitWhenItsPageIsLeftIsNotDrawnOnTheNextPage) {
    show(PageState::Basic);
    pages.rest(300, 205, context);  // key box 1
    ASSERT_EQ(context.picture.imageAt(252, 199), "/DropdownBox-over.png");
    show(PageState::Advanced);
    pages.move(10, 300, context);
    EXPECT_NE(context.picture.imageAt(252, 199), "/DropdownBox-normal.png");
}

TEST_F(MainWindowPagesTest, ListNotificationsAndColoursGoToTheShownPage) {
    shared.records.live.setFunctionCode(Mode::A, 4, 0);
    // A key list's notice while the advanced page is shown changes nothing.
    show(PageState::Advanced);
    ASSERT_TRUE(context.fakeControls.create(41, ControlKind::List, keyListArea(0), ""));
    context.fakeControls.addItem(41, "Right Click");
    context.fakeControls.addItem(41, "Right Click");
    context.fakeControls.setSelection(41, 1);
    pages.onListSelectionChange(41, context);
    EXPECT_EQ(shared.records.live.functionCode(Mode::A, 0), 0);
    context.fakeControls.destroy(41);
    show(PageState::Basic);
    press(300, 205);
    ASSERT_TRUE(context.fakeControls.exists(41));
    context.fakeControls.setSelection(41, 1);
    pages.onListSelectionChange(41, context);
    EXPECT_EQ(shared.records.live.functionCode(Mode::A, 0), 1);
    const auto other = pages.colourFor(500, ControlKind::StaticText);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->brush, rgbColour(100, 150, 100));
}

}  // namespace
}  // namespace quorvel
