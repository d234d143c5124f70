// The pattern every sub-dialog shares, run through the media dialog, which has nothing else.
#include "dialogs/skinned_dialog.h"

#include <gtest/gtest.h>

#include "dialogs/list_choice_dialogs.h"
#include "fake_dialog_context.h"
#include "ui/skin_images.h"

namespace quorvel::test {
namespace {

constexpr int kListId = 553;
constexpr int kBoxX = 60, kBoxY = 135;

class DialogPattern : public ::testing::Test {
  protected:
    DialogPattern() { dialog.onInit(context); }
    void press(int x, int y) { dialog.onPress(x, y, context); }
    bool listOpen() const { return context.fakeControls.exists(kListId); }

    FakeDialogContext context;
    CMediaDialog dialog{DialogLook{}};
};

TEST_F(DialogPattern, OnlyOkConfirmsAndTheBackgroundNeitherEndsNorDrags) {
    press(300, 200);
    EXPECT_FALSE(context.ended);
    EXPECT_FALSE(context.dragged);
    press(270, 260);  // the column OK and Cancel share belongs to OK
    EXPECT_EQ(context.ended, DialogEnd::Ok);
    for (const auto& [x, y] : {std::pair{300, 260}, std::pair{360, 10}}) {
        context.ended.reset();
        press(x, y);
        EXPECT_EQ(context.ended, DialogEnd::Cancel) << x;
    }
    context.ended.reset();
    dialog.onCancelRequest(context);  // Escape and the system close
    EXPECT_EQ(context.ended, DialogEnd::Cancel);
}

TEST_F(DialogPattern, TheBoxTogglesTheListAndAPressElsewhereClosesIt) {
    press(kBoxX, kBoxY);
    ASSERT_TRUE(listOpen());
    EXPECT_EQ(context.fakeControls.itemCount(kListId), 7);
    EXPECT_EQ(context.fakeControls.lists[kListId].rect, (Rect{43, 145, 151, 265}));
    press(kBoxX, kBoxY);
    EXPECT_FALSE(listOpen());

    press(kBoxX, kBoxY);
    press(100, 200);  // inside the list: not a press elsewhere
    EXPECT_TRUE(listOpen());
    press(300, 100);
    EXPECT_FALSE(listOpen());
    EXPECT_FALSE(context.ended);

    press(kBoxX, kBoxY);
    press(200, 260);  // closes the list, and OK still acts
    EXPECT_FALSE(listOpen());
    EXPECT_EQ(context.ended, DialogEnd::Ok);
}

TEST_F(DialogPattern, ThePointerSelectsAndAChoiceClosesTheList) {
    press(kBoxX, kBoxY);
    dialog.onChildMouseMove(kListId, 10, 3 * FakeControls::kItemHeight + 2, context);
    EXPECT_EQ(context.fakeControls.selection(kListId), 3);
    dialog.onListSelectionChange(kListId, context);
    EXPECT_FALSE(listOpen());
    EXPECT_EQ(dialog.result().position, 3);
    EXPECT_EQ(dialog.result().text, "Play/Pause");
    EXPECT_EQ(context.fakeControls.text(552), "Play/Pause");

    // A notification with nothing selected changes nothing.
    press(kBoxX, kBoxY);
    context.fakeControls.setSelection(kListId, -1);
    dialog.onListDoubleClick(kListId, context);
    EXPECT_TRUE(listOpen());
    EXPECT_EQ(dialog.result().position, 3);
}

TEST_F(DialogPattern, OneButtonLightsAtATimeAndNoneOnceThePointerLeaves) {
    dialog.onMouseMove(200, 260, context);
    ASSERT_EQ(context.hoverRequests, std::vector<HoverRequest>{HoverRequest::RestAndLeave});
    dialog.onHover(200, 260, context);
    EXPECT_EQ(context.picture.imageAt(166, 253), skin_image::kButtonOver);
    dialog.onHover(360, 10, context);
    EXPECT_EQ(context.picture.imageAt(166, 253), skin_image::kButtonNormal);
    EXPECT_EQ(context.picture.imageAt(352, 6), skin_image::kCloseOver);
    dialog.onHover(300, 260, context);
    EXPECT_EQ(context.picture.imageAt(270, 253), skin_image::kButtonOver);
    EXPECT_EQ(context.picture.imageAt(352, 6), skin_image::kCloseNormal);
    dialog.onMouseMove(100, 100, context);
    EXPECT_EQ(context.picture.imageAt(270, 253), skin_image::kButtonNormal);

    // Straight out of the window from a lit button: no move inside comes to put it back.
    dialog.onHover(200, 260, context);
    dialog.onMouseLeave(context);
    EXPECT_EQ(context.picture.imageAt(166, 253), skin_image::kButtonNormal);
}

TEST_F(DialogPattern, ControlsAreWhiteOnGreyAndEditsAndListsPaintTheGrey) {
    const auto edit = dialog.colourFor(574, ControlKind::NumberEdit, context);
    const auto label = dialog.colourFor(552, ControlKind::LeftText, context);
    ASSERT_TRUE(edit && label);
    EXPECT_EQ(edit->text, kWhite);
    EXPECT_EQ(edit->textBackground, kDialogControlGrey);
    EXPECT_EQ(edit->brush, kDialogControlGrey);
    EXPECT_FALSE(label->textBackground);
    EXPECT_EQ(label->brush, kDialogControlGrey);
    EXPECT_EQ(dialog.colourFor(553, ControlKind::List, context)->textBackground,
              kDialogControlGrey);
}

TEST_F(DialogPattern, TheWheelStopsWhereTheLastEntryShows) {
    CWindowsDialog windows{DialogLook{}};
    windows.onInit(context);
    windows.onMouseWheel(-120, context);  // no list: nothing to scroll
    windows.onPress(kBoxX, kBoxY, context);
    windows.onMouseWheel(-120, context);  // eleven entries, ten shown
    EXPECT_EQ(context.fakeControls.lists[533].topIndex, 1);
    windows.onMouseWheel(120, context);
    EXPECT_EQ(context.fakeControls.lists[533].topIndex, 0);
}

}  // namespace
}  // namespace quorvel::test
