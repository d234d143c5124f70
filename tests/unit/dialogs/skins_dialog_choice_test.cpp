#include "dialogs/skins_dialog_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_directory_listing.h"

namespace quorvel {
namespace {

using Names = std::vector<std::string>;

const std::string kRoot = "C:\\QuorvelMouse\\/Skins/";

class SkinsChoiceTest : public ::testing::Test {
  protected:
    SkinsChoice current() {
        return SkinsChoice(listing, kRoot, "Default", kRoot + "Default", Colour{230, 230, 230});
    }
    testing::FakeDirectoryListing listing;
};

TEST_F(SkinsChoiceTest, ListsDirectoriesOnlyInEnumerationOrder) {
    listing.directories[kRoot] = {{".", true},           {"..", true},      {"Frost", true},
                                  {"readme.txt", false}, {"Default", true}, {"Crimson", true},
                                  {"Skin.png", false}};
    SkinsChoice choice = current();
    choice.fill();
    EXPECT_EQ(choice.listed(), (Names{"Frost", "Default", "Crimson"}));
}

TEST_F(SkinsChoiceTest, OkWithoutAChangeKeepsSkinAndColour) {
    listing.directories[kRoot] = {{"Frost", true}, {"Default", true}};
    SkinsChoice choice = current();
    choice.fill();
    EXPECT_EQ(choice.skinName(), "Default");
    EXPECT_EQ(choice.skinPath(), kRoot + "Default");
    EXPECT_EQ(choice.colour(), (Colour{230, 230, 230}));
}

TEST_F(SkinsChoiceTest, ChoosingTakesTheDirectoryPathAndTheNewColour) {
    listing.directories[kRoot] = {{"Frost", true}, {"Default", true}};
    SkinsChoice choice = current();
    choice.fill();
    ASSERT_TRUE(choice.choose(0));
    choice.setColour(Colour{255, 128, 0});
    EXPECT_EQ(choice.skinName(), "Frost");
    EXPECT_EQ(choice.skinPath(), kRoot + "Frost");
    EXPECT_EQ(choice.selectedIndex(), 0);
    EXPECT_EQ(choice.colour(), (Colour{255, 128, 0}));
}

TEST_F(SkinsChoiceTest, EmptyOrMissingSkinsDirectoryListsNothingAndKeepsTheSkin) {
    SkinsChoice missing = current();
    missing.fill();
    EXPECT_TRUE(missing.listed().empty());
    EXPECT_FALSE(missing.choose(0));
    listing.directories[kRoot] = {{".", true}, {"..", true}, {"notes.txt", false}};
    SkinsChoice empty = current();
    empty.fill();
    EXPECT_TRUE(empty.listed().empty());
    EXPECT_EQ(empty.skinName(), "Default");
    EXPECT_EQ(empty.skinPath(), kRoot + "Default");
}

TEST_F(SkinsChoiceTest, ADirectoryGoneSinceTheListOpenedIsNotTaken) {
    listing.directories[kRoot] = {{"Frost", true}, {"Default", true}};
    SkinsChoice choice = current();
    choice.fill();
    listing.directories[kRoot] = {{"Default", true}};
    EXPECT_FALSE(choice.choose(0));
    EXPECT_EQ(choice.skinName(), "Default");
    EXPECT_EQ(choice.skinPath(), kRoot + "Default");
}

TEST(FindSkinPath, ExactNameFirstThenTheFirstThatDiffersInCaseOnly) {
    testing::FakeDirectoryListing listing;
    listing.directories[kRoot] = {
        {"frost", false}, {"FROST", true}, {"Frost", true}, {"Dark", true}};
    EXPECT_EQ(findSkinPath(listing, kRoot, "Frost"), kRoot + "Frost");
    EXPECT_EQ(findSkinPath(listing, kRoot, "frost"), kRoot + "FROST");
    EXPECT_EQ(findSkinPath(listing, kRoot, "dark"), kRoot + "Dark");
    EXPECT_EQ(findSkinPath(listing, kRoot, "Dar"), std::nullopt);
    EXPECT_EQ(findSkinPath(listing, kRoot, ".."), std::nullopt);
}

}  // namespace
}  // namespace quorvel
