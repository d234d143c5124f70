// Pointer-over marks on the main window's fixed buttons and the sub-dialogs' shared buttons.
#include "ui/hover.h"

#include <gtest/gtest.h>

#include "app/fixed_buttons.h"
#include "dialogs/dialog_buttons.h"

namespace quorvel::test {
namespace {

std::size_t indexOf(FixedButton button) {
    return static_cast<std::size_t>(findArea<FixedButton>(kFixedButtons, button) -
                                    kFixedButtons.data());
}

TEST(Hover, OkStraightOntoApplyRedrawsBothInOneUpdate) {
    Hover<FixedButton> hover(kFixedButtons);
    EXPECT_EQ(hover.rest(600, 630).lit, indexOf(FixedButton::Ok));
    // Moving within the hoverable buttons only asks to be told when the pointer rests.
    const HoverStep move = hover.move(700, 630);
    EXPECT_TRUE(move.trackHover);
    EXPECT_FALSE(move.redraws());
    const HoverStep onto = hover.rest(700, 630);
    EXPECT_EQ(onto.lit, indexOf(FixedButton::Apply));
    EXPECT_EQ(onto.toNormal, std::vector<std::size_t>{indexOf(FixedButton::Ok)});
    EXPECT_FALSE(hover.isLit(indexOf(FixedButton::Ok)));
}

TEST(Hover, ALitAreaGoesBackAsSoonAsThePointerRestsElsewhere) {
    Hover<FixedButton> hover(kFixedButtons);
    hover.rest(30, 70);  // previous page
    // OK is in another group: previous page still goes back in the same update.
    const HoverStep ok = hover.rest(600, 630);
    EXPECT_EQ(ok.lit, indexOf(FixedButton::Ok));
    EXPECT_EQ(ok.toNormal, std::vector<std::size_t>{indexOf(FixedButton::PreviousPage)});
    // Resting where none of the map's areas is (a page's own control) puts OK back too.
    const HoverStep off = hover.rest(350, 210);
    EXPECT_EQ(off.toNormal, std::vector<std::size_t>{indexOf(FixedButton::Ok)});
    EXPECT_FALSE(off.lit);

    hover.rest(600, 630);
    const HoverStep away = hover.move(400, 300);
    EXPECT_FALSE(away.trackHover);
    EXPECT_EQ(away.toNormal, std::vector<std::size_t>{indexOf(FixedButton::Ok)});
    EXPECT_FALSE(hover.move(400, 300).redraws());  // nothing left to put back
}

TEST(Hover, AreasWithoutAGroupNeverLightUp) {
    Hover<FixedButton> hover(kFixedButtons);
    EXPECT_FALSE(hover.move(300, 630).trackHover);  // the web link
    EXPECT_FALSE(hover.rest(300, 630).redraws());
}

TEST(Hover, SubDialogCloseGoesBackWhenOkLightsUp) {
    Hover<DialogButton> hover(kDialogButtons);
    hover.rest(360, 10);  // close
    const HoverStep ok = hover.rest(200, 260);
    EXPECT_EQ(ok.toNormal, std::vector<std::size_t>{2});
    EXPECT_FALSE(hover.isLit(2));
    EXPECT_EQ(hover.rest(300, 260).toNormal, std::vector<std::size_t>{0});
}

}  // namespace
}  // namespace quorvel::test
