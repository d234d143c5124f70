#include "pages/lighting_area.h"

#include <gtest/gtest.h>

#include "support/fake_controls.h"

namespace quorvel {
namespace {

using namespace lighting_id;

class LightingAreaTest : public ::testing::Test {
  protected:
    void choose(int list, int entry) {
        controls.setSelection(list, entry);
        area.choose(list, controls);
    }
    std::string label(int id) const { return controls.text(id).value_or("<none>"); }

    MouseConfig config;
    LanguageTexts texts{Language::English};
    test::FakeControls controls;
    LightingArea area{config, texts};
};

TEST_F(LightingAreaTest, LabelsShowTheStoredModeAndModeZeroHasOnlyTheModeLabel) {
    area.showLabels(controls);
    EXPECT_EQ(label(kModeLabel), "Off");
    EXPECT_FALSE(controls.exists(kParameterLabel));
    EXPECT_FALSE(controls.exists(kEffectLabel));
    controls.lists.clear();
    config.setLightingMode(3);
    config.setNeonParameter(29);
    config.setNeonEffect(3);
    area.showLabels(controls);
    EXPECT_EQ(label(kParameterLabel), "15S");
    EXPECT_EQ(label(kEffectLabel), "RGB Fixed On");
    EXPECT_EQ(controls.lists.at(kModeLabel).kind, ControlKind::CentredLabel);
    // Damaged bytes show empty texts.
    controls.lists.clear();
    config.setNeonEffect(9);
    config.setNeonParameter(30);
    area.showLabels(controls);
    EXPECT_EQ(label(kParameterLabel), "");
    EXPECT_EQ(label(kEffectLabel), "");
}

TEST_F(LightingAreaTest, NeonWithTwoSeconds) {
    config.setLightingMode(1);
    area.showLabels(controls);
    area.clickMode(controls);
    ASSERT_EQ(controls.itemCount(kModeList), 3);  // "Off" is not offered
    choose(kModeList, 2);
    EXPECT_EQ(config.lightingMode(), 3);
    EXPECT_EQ(label(kModeLabel), "Neon");
    EXPECT_FALSE(controls.exists(kModeList));
    area.clickParameter(controls);
    EXPECT_EQ(controls.lists.at(kParameterList).rect.bottom, 577);
    choose(kParameterList, 3);
    EXPECT_EQ(config.neonParameter(), 3);
    EXPECT_EQ(label(kParameterLabel), "2S");
    area.clickEffect(controls);
    choose(kEffectList, 1);
    EXPECT_EQ(config.neonEffect(), 3);
    EXPECT_EQ(label(kEffectLabel), "RGB Fixed On");
    EXPECT_FALSE(area.effectMarked());
}

TEST_F(LightingAreaTest, StandardAndRespirationShowRgbEffectWithoutAList) {
    config.setLightingMode(2);
    area.showLabels(controls);
    area.clickEffect(controls);
    EXPECT_FALSE(controls.exists(kEffectList));
    EXPECT_EQ(label(kEffectLabel), "RGB Effect");
    EXPECT_TRUE(area.effectMarked());
    area.clickEffect(controls);  // the second click only clears the mark
    EXPECT_FALSE(area.effectMarked());
    EXPECT_FALSE(controls.exists(kEffectList));
    area.clickParameter(controls);
    EXPECT_EQ(controls.lists.at(kParameterList).rect.bottom, 467);
    EXPECT_EQ(controls.itemCount(kParameterList), 5);
    // Choosing Standard shows its stored parameter and the one effect, whatever byte it holds.
    controls.destroy(kParameterList);
    config.setStandardParameter(9);
    area.clickMode(controls);
    choose(kModeList, 0);
    EXPECT_EQ(label(kParameterLabel), "100%");
    EXPECT_EQ(label(kEffectLabel), "RGB Effect");
    area.clickParameter(controls);
    EXPECT_EQ(controls.lists.at(kParameterList).rect.bottom, 547);
}

TEST_F(LightingAreaTest, NothingSelectedKeepsTheListOpenAndAPressOutsideClosesIt) {
    config.setLightingMode(3);
    area.clickParameter(controls);
    area.choose(kParameterList, controls);
    EXPECT_TRUE(controls.exists(kParameterList));
    area.closeListsOutside(controls, 800, 500);  // inside the Neon list's reach
    EXPECT_TRUE(controls.exists(kParameterList));
    area.closeListsOutside(controls, 700, 500);
    EXPECT_FALSE(controls.exists(kParameterList));
    area.clickEffect(controls);
    area.closeListsOutside(controls, 10, 10);
    EXPECT_FALSE(controls.exists(kEffectList));
    EXPECT_FALSE(area.effectMarked());
}

TEST_F(LightingAreaTest, ModeZeroStoresNoParameter) {
    area.clickParameter(controls);
    choose(kParameterList, 4);
    EXPECT_EQ(config.standardParameter(), 0);
    EXPECT_EQ(config.respirationParameter(), 0);
    EXPECT_EQ(config.neonParameter(), 0);
    area.clickEffect(controls);
    EXPECT_FALSE(controls.exists(kEffectList));
}

}  // namespace
}  // namespace quorvel
