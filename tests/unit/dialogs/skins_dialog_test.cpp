#include "dialogs/skins_dialog.h"

#include <gtest/gtest.h>

#include "fake_dialog_context.h"
#include "support/fake_directory_listing.h"

namespace quorvel::test {
namespace {

const std::string kRoot = "C:\\QuorvelMouse\\/Skins/";
constexpr int kSwatchX = 90, kSwatchY = 100;
const SkinSetting kCurrent{kRoot + "Default", "Default", Colour{230, 230, 230}};

class SkinsDialogTest : public ::testing::Test {
  protected:
    SkinsDialogTest() {
        listing.setSkins(
            kRoot,
            {{".", true}, {"..", true}, {"Frost", true}, {"readme.txt", false}, {"Default", true}});
        dialog.onInit(context);
    }
    void press(int x, int y) { dialog.onPress(x, y, context); }

    testing::FakeDirectoryListing listing;
    FakeDialogContext context;
    CSkinsDialog dialog{DialogLook{}, listing, kRoot, kCurrent};
};

TEST_F(SkinsDialogTest, OkWithoutAChangeKeepsSkinAndColour) {
    EXPECT_EQ(context.fakeControls.text(kSkinNameDisplayId), "Default");
    press(200, 263);
    EXPECT_EQ(context.ended, DialogEnd::Ok);
    EXPECT_EQ(dialog.result(), kCurrent);
}

TEST_F(SkinsDialogTest, TheColourDialogStartsAtTheColourInUse) {
    press(kSwatchX, kSwatchY);  // cancelled
    ASSERT_EQ(context.colourDialogStarts, std::vector<Colour>{rgbColour(230, 230, 230)});
    EXPECT_EQ(dialog.result().textColour, (Colour{230, 230, 230}));

    context.colourDialogAnswer = rgbColour(255, 128, 0);
    press(kSwatchX, kSwatchY);
    EXPECT_EQ(dialog.result().textColour, (Colour{255, 128, 0}));
    const auto swatch = dialog.colourFor(kColourSwatchId, ControlKind::ColourSwatch, context);
    ASSERT_TRUE(swatch.has_value());
    EXPECT_EQ(swatch->brush, rgbColour(255, 128, 0));
    EXPECT_FALSE(swatch->textBackground.has_value());
    // The next run of the colour dialog starts where the last one ended.
    press(kSwatchX, kSwatchY);
    EXPECT_EQ(context.colourDialogStarts.back(), rgbColour(255, 128, 0));
}

TEST_F(SkinsDialogTest, TheListHoldsTheSkinDirectoriesAndAChoiceTakesItsPath) {
    press(100, 135);
    ASSERT_EQ(context.fakeControls.itemCount(kSkinListId), 2);
    EXPECT_EQ(context.fakeControls.itemText(kSkinListId, 0), "Frost");
    context.fakeControls.setSelection(kSkinListId, 0);
    dialog.onListSelectionChange(kSkinListId, context);
    EXPECT_EQ(context.fakeControls.text(kSkinNameDisplayId), "Frost");
    EXPECT_EQ(dialog.result(), (SkinSetting{kRoot + "Frost", "Frost", Colour{230, 230, 230}}));
}

}  // namespace
}  // namespace quorvel::test
