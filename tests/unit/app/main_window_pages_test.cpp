#include "app/main_window_pages.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_files.h"
#include "unit/dialogs/fake_dialog_context.h"
#include "unit/keys/fake_key_dialogs.h"
#include "unit/pages/advanced_fakes.h"

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
    void press(int x, int y, PageState page = PageState::Basic) {
        pages.press(page, x, y, context, [&](FixedButton b) { performed.push_back(b); });
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
    press(10, 300);
    press(200, 70);
    press(10, 300, PageState::Advanced);
    press(60, 205, PageState::Advanced);  // a slider cell takes it
    EXPECT_EQ(context.drags, (std::vector<std::pair<int, int>>{{10, 300}, {200, 70}, {10, 300}}));
}

TEST_F(MainWindowPagesTest, TheTopLevelCellsDragUnlessTheSensorHasTwelveLevels) {
    shared.sensorType = 2;
    press(555, 305);
    EXPECT_EQ(context.drags.size(), 1U);
    shared.sensorType = 0;
    press(555, 305);
    EXPECT_EQ(context.drags.size(), 1U);
    EXPECT_EQ(shared.records.live.dpiValueIndex(1), 11);
}

TEST_F(MainWindowPagesTest, OkStraightOntoApplyRedrawsBothInOneUpdate) {
    pages.paint(PageState::Basic, context);
    const int before = context.picture.copies;
    pages.rest(PageState::Basic, 600, 630, context);
    EXPECT_EQ(imageAt(FixedButton::Ok), "/button-over.png");
    pages.move(PageState::Basic, 700, 630, context);  // over Apply: wait for the rest
    EXPECT_EQ(context.hoverRequests.size(), 1U);
    pages.rest(PageState::Basic, 700, 630, context);
    EXPECT_EQ(context.picture.copies, before + 2);
    EXPECT_EQ(imageAt(FixedButton::Ok), "/button-normal.png");
    EXPECT_EQ(imageAt(FixedButton::Apply), "/button-over.png");
    EXPECT_EQ(context.picture.textAt(666, 623), "Apply");
}

TEST_F(MainWindowPagesTest, OnlyTheControlUnderThePointerStaysLit) {
    pages.paint(PageState::Basic, context);
    pages.rest(PageState::Basic, 700, 630, context);
    pages.rest(PageState::Basic, 300, 205, context);  // key box 1: Apply goes back
    EXPECT_EQ(imageAt(FixedButton::Apply), "/button-normal.png");
    EXPECT_EQ(context.picture.imageAt(252, 199), "/DropdownBox-over.png");
    pages.rest(PageState::Basic, 835, 10, context);  // Minimise: the key box goes back
    EXPECT_EQ(context.picture.imageAt(252, 199), "/DropdownBox-normal.png");
    EXPECT_EQ(imageAt(FixedButton::Minimise), "/button-min-over.png");
    const int before = context.picture.copies;
    pages.move(PageState::Basic, 10, 300, context);
    EXPECT_EQ(context.picture.copies, before + 1);
    EXPECT_EQ(imageAt(FixedButton::Minimise), "/button-min-normal.png");
    // Nothing lit: leaving again draws nothing.
    pages.move(PageState::Basic, 10, 300, context);
    EXPECT_EQ(context.picture.copies, before + 1);
}

TEST_F(MainWindowPagesTest, LeavingTheWindowFromALitControlPutsItBack) {
    // Straight off Apply onto another window, or a dialog over it: no move inside follows.
    for (PageState page : {PageState::Basic, PageState::Advanced}) {
        pages.paint(page, context);
        pages.rest(page, 700, 630, context);
        ASSERT_EQ(imageAt(FixedButton::Apply), "/button-over.png");
        const int before = context.picture.copies;
        pages.pointerLeft(context);
        EXPECT_EQ(imageAt(FixedButton::Apply), "/button-normal.png");
        EXPECT_EQ(context.picture.copies, before + 1);
    }
    pages.rest(PageState::Advanced, 520, 535, context);  // New
    EXPECT_EQ(context.picture.imageAt(513, 528), "/button-over.png");
    pages.pointerLeft(context);
    EXPECT_EQ(context.picture.imageAt(513, 528), "/button-normal.png");
    const int before = context.picture.copies;
    pages.pointerLeft(context);
    EXPECT_EQ(context.picture.copies, before);
}

TEST_F(MainWindowPagesTest, ListNotificationsAndColoursGoToTheShownPage) {
    shared.records.live.setFunctionCode(Mode::A, 4, 0);
    press(300, 205);
    ASSERT_TRUE(context.fakeControls.exists(41));
    context.fakeControls.setSelection(41, 1);
    pages.onListChoice(PageState::Advanced, 41, context);
    EXPECT_EQ(shared.records.live.functionCode(Mode::A, 0), 0);
    pages.onListChoice(PageState::Basic, 41, context);
    EXPECT_EQ(shared.records.live.functionCode(Mode::A, 0), 1);
    const auto other = pages.colourFor(PageState::Basic, 500, ControlKind::StaticText);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->brush, rgbColour(100, 150, 100));
}

}  // namespace
}  // namespace quorvel
