#include "app/modal_skin_chooser.h"

#include <gtest/gtest.h>

#include "../dialogs/scripted_runner.h"
#include "support/fake_directory_listing.h"

namespace quorvel::test {
namespace {

constexpr const char* kExe = "D:\\Games\\QuorvelMouse.exe";
const std::string kRoot = "D:\\Games\\/Skins/";

TEST(ModalSkinChooser, GivesTheChoiceAfterOkAndNothingAfterCancel) {
    testing::FakeDirectoryListing listing;
    listing.setSkins(kRoot, {{"Default", true}, {"Frost", true}});
    SharedUiState shared;
    ScriptedRunner runner;
    ModalSkinChooser chooser(runner, listing, shared, kExe);
    const SkinSetting current{kRoot + "Default", "Default", Colour{230, 230, 230}};

    runner.user = [](SkinnedWindow& dialog, FakeDialogContext& context) {
        dialog.onPress(100, 135, context);
        context.fakeControls.setSelection(562, 1);
        dialog.onListSelectionChange(562, context);
        dialog.onPress(200, 263, context);
    };
    EXPECT_EQ(chooser.choose(current),
              (SkinSetting{kRoot + "Frost", "Frost", Colour{230, 230, 230}}));

    runner.user = [](SkinnedWindow& dialog, FakeDialogContext& context) {
        dialog.onPress(100, 135, context);
        context.fakeControls.setSelection(562, 1);
        dialog.onListSelectionChange(562, context);
        dialog.onPress(360, 15, context);  // close
    };
    EXPECT_EQ(chooser.choose(current), std::nullopt);
}

}  // namespace
}  // namespace quorvel::test
