// The skins button: what the main window does with the chooser's answer.
#include <gtest/gtest.h>

#include "app/main_window_model.h"
#include "app_fakes.h"

namespace quorvel::test {
namespace {

constexpr int kSkinsX = 710;
constexpr int kSkinsY = 14;

struct SkinRig : DialogRig {
    SkinRig() {
        store.settings.skinName = "Default";
        store.settings.red = "230";
        store.settings.green = "230";
        store.settings.blue = "230";
        start();
    }
    const std::string installed = "C:\\Program Files\\Quorvel\\/Skins/Default";
    const SkinSetting frost{"C:\\Program Files\\Quorvel\\/Skins/Frost", "Frost",
                            Colour{255, 128, 0}};
};

TEST(SkinSwitch, OkTakesTheSkinSavesItAndRebuildsTheShownPage) {
    SkinRig rig;
    ASSERT_EQ(rig.model.pageState(), PageState::Basic);
    rig.skins.answer = rig.frost;
    rig.model.onPress(kSkinsX, kSkinsY, rig.window);

    ASSERT_EQ(rig.skins.startedAt.size(), 1u);
    EXPECT_EQ(rig.skins.startedAt[0],
              (SkinSetting{rig.installed, "Default", Colour{230, 230, 230}}));
    ASSERT_EQ(rig.store.skinChoices.size(), 1u);
    EXPECT_EQ(rig.store.skinChoices[0].skinName, "Frost");
    EXPECT_EQ(rig.store.skinChoices[0].colour, (Colour{255, 128, 0}));
    EXPECT_EQ(rig.shared.skinDirectory, rig.frost.directory);
    EXPECT_EQ(rig.shared.skinName, "Frost");
    EXPECT_EQ(rig.shared.textColour, (Colour{255, 128, 0}));
    EXPECT_EQ(rig.host.skinDirectories, std::vector<std::string>{rig.frost.directory});
    EXPECT_EQ(rig.log.count("screen:copy"), 1);
    EXPECT_EQ(rig.model.pageState(), PageState::Basic);
    EXPECT_TRUE(rig.log.has("window:show"));

    // The next run of the chooser starts at what was chosen.
    rig.skins.answer.reset();
    rig.model.onPress(kSkinsX, kSkinsY, rig.window);
    EXPECT_EQ(rig.skins.startedAt.back(), rig.frost);
}

TEST(SkinSwitch, TheAdvancedPageIsRebuiltAsTheAdvancedPage) {
    SkinRig rig;
    rig.model.showAdvancedPage(rig.window);
    rig.log.calls.clear();
    rig.skins.answer = rig.frost;
    rig.model.onPress(kSkinsX, kSkinsY, rig.window);
    EXPECT_EQ(rig.log.count("screen:copy"), 1);
    EXPECT_EQ(rig.model.pageState(), PageState::Advanced);
}

TEST(SkinSwitch, CancelChangesNothing) {
    SkinRig rig;
    rig.model.onPress(kSkinsX, kSkinsY, rig.window);
    EXPECT_TRUE(rig.store.skinChoices.empty());
    EXPECT_TRUE(rig.host.skinDirectories.empty());
    EXPECT_EQ(rig.shared.skinName, "Default");
    EXPECT_EQ(rig.shared.skinDirectory, rig.installed);
    EXPECT_EQ(rig.shared.textColour, (Colour{230, 230, 230}));
    EXPECT_EQ(rig.log.count("screen:copy"), 0);
}

}  // namespace
}  // namespace quorvel::test
