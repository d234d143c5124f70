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
    listing.setSkins(kRoot, {{".", true},
                             {"..", true},
                             {"Frost", true},
                             {"readme.txt", false},
                             {"Default", true},
                             {"Crimson", true},
                             {"Skin.png", false}});
    SkinsChoice choice = current();
    choice.fill();
    EXPECT_EQ(choice.listed(), (Names{"Frost", "Default", "Crimson"}));
}

TEST_F(SkinsChoiceTest, OkWithoutAChangeKeepsSkinAndColour) {
    listing.setSkins(kRoot, {{"Frost", true}, {"Default", true}});
    SkinsChoice choice = current();
    choice.fill();
    EXPECT_EQ(choice.skinName(), "Default");
    EXPECT_EQ(choice.skinPath(), kRoot + "Default");
    EXPECT_EQ(choice.colour(), (Colour{230, 230, 230}));
}

TEST_F(SkinsChoiceTest, ChoosingTakesTheDirectoryPathAndTheNewColour) {
    listing.setSkins(kRoot, {{"Frost", true}, {"Default", true}});
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
    listing.setSkins(kRoot, {{".", true}, {"..", true}, {"notes.txt", false}});
    SkinsChoice empty = current();
    empty.fill();
    EXPECT_TRUE(empty.listed().empty());
    EXPECT_EQ(empty.skinName(), "Default");
    EXPECT_EQ(empty.skinPath(), kRoot + "Default");
}

TEST_F(SkinsChoiceTest, ADirectoryGoneSinceTheListOpenedIsNotTaken) {
    listing.setSkins(kRoot, {{"Frost", true}, {"Default", true}});
    SkinsChoice choice = current();
    choice.fill();
    listing.setSkins(kRoot, {{"Default", true}});
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

namespace quorvel {
namespace {

class UsableSkinsTest : public ::testing::Test {
  protected:
    UsableSkinsTest() {
        listing.setSkins(kRoot, {{"Frost", true},
                                 {"Broken", true},
                                 {"Default", true},
                                 {"Crimson", true},
                                 {"notes.txt", false}});
        // A skin whose images were deleted but one.
        listing.directories[kRoot + "Broken"] = {{"BasicSet2.png", false}};
    }
    Names usable(std::string_view wanted) { return usableSkinNames(listing, kRoot, wanted).names; }
    bool standsIn(std::string_view wanted) {
        return !usableSkinNames(listing, kRoot, wanted).wantedFirst;
    }
    testing::FakeDirectoryListing listing;
};

TEST_F(UsableSkinsTest, TheWantedSkinFirstThenDefaultThenTheOthers) {
    EXPECT_EQ(usable("Crimson"), (Names{"Crimson", "Default", "Frost"}));
    EXPECT_EQ(usable("crimson"), (Names{"Crimson", "Default", "Frost"}));
    EXPECT_EQ(usable("Default"), (Names{"Default", "Frost", "Crimson"}));
    EXPECT_FALSE(standsIn("crimson"));
    EXPECT_FALSE(standsIn("Default"));
}

TEST_F(UsableSkinsTest, AMissingIncompleteOrGarbledNameFallsBackToDefault) {
    EXPECT_EQ(usable("Gone"), (Names{"Default", "Frost", "Crimson"}));
    EXPECT_EQ(usable("Broken"), (Names{"Default", "Frost", "Crimson"}));
    EXPECT_EQ(usable("\x7f\x01\xc3..\\..\\x"), (Names{"Default", "Frost", "Crimson"}));
    EXPECT_EQ(usable(".."), (Names{"Default", "Frost", "Crimson"}));
    EXPECT_EQ(usable(""), (Names{"Default", "Frost", "Crimson"}));
    EXPECT_TRUE(standsIn("Broken"));
    EXPECT_TRUE(standsIn("Gone"));
}

TEST_F(UsableSkinsTest, WithoutDefaultAnyCompleteSkinAndWithoutOneNothing) {
    listing.directories.erase(kRoot + "Default");
    EXPECT_EQ(usable("Gone"), (Names{"Frost", "Crimson"}));
    listing.directories.erase(kRoot + "Frost");
    listing.directories.erase(kRoot + "Crimson");
    EXPECT_TRUE(usable("Frost").empty());
    listing.directories.clear();
    EXPECT_TRUE(usable("Default").empty());
}

TEST_F(UsableSkinsTest, ImageNamesMatchWithoutRegardToCaseAndADirectoryIsNoImage) {
    std::vector<DirectoryEntry>& images = listing.directories[kRoot + "Frost"];
    images.front().name = "BASICSET2.PNG";
    EXPECT_TRUE(isCompleteSkin(listing, kRoot + "Frost"));
    images.front().directory = true;
    EXPECT_FALSE(isCompleteSkin(listing, kRoot + "Frost"));
}

TEST_F(UsableSkinsTest, TheChooserNeverOffersAnIncompleteSkin) {
    SkinsChoice choice(listing, kRoot, "Default", kRoot + "Default", Colour{});
    choice.fill();
    EXPECT_EQ(choice.listed(), (Names{"Frost", "Default", "Crimson"}));
}

}  // namespace
}  // namespace quorvel
