#include "ui/skin_path.h"

#include <gtest/gtest.h>

#include "ui/skin_images.h"

namespace quorvel {
namespace {

TEST(SkinDirectory, ExecutableNameIsRemovedLeavingItsDirectory) {
    EXPECT_EQ(skinDirectoryFor(R"(C:\Program Files\Quorvel\QuorvelMouse.exe)", "Default"),
              R"(C:\Program Files\Quorvel\/Skins/Default)");
}

TEST(SkinDirectory, RenamedExecutableKeepsItsWholePath) {
    EXPECT_EQ(skinDirectoryFor(R"(C:\Tools\Mouse.exe)", "Default"),
              R"(C:\Tools\Mouse.exe/Skins/Default)");
    EXPECT_EQ(skinDirectoryFor(R"(C:\Tools\quorvelmouse.exe)", "Default"),
              R"(C:\Tools\quorvelmouse.exe/Skins/Default)");
}

TEST(SkinDirectory, EveryOccurrenceIsRemoved) {
    EXPECT_EQ(skinDirectoryFor(R"(D:\QuorvelMouse.exe\QuorvelMouse.exe)", "Crimson"),
              R"(D:\\/Skins/Crimson)");
}

TEST(SkinDirectory, EmptySkinNameEndsInTheSkinsFolder) {
    EXPECT_EQ(skinDirectoryFor(R"(C:\Q\QuorvelMouse.exe)", ""), R"(C:\Q\/Skins/)");
}

TEST(SkinPath, AppendsTheFileName) {
    EXPECT_EQ(SkinPath(R"(C:\Q\/Skins/Default)", skin_image::kBasicBackground),
              R"(C:\Q\/Skins/Default/BasicSet2.png)");
}

TEST(SkinImageNames, AllAreDistinctAndBeginWithASlash) {
    for (std::size_t i = 0; i < skin_image::kAll.size(); ++i) {
        EXPECT_EQ(skin_image::kAll[i].front(), '/') << skin_image::kAll[i];
        EXPECT_TRUE(skin_image::kAll[i].ends_with(".png")) << skin_image::kAll[i];
        for (std::size_t j = i + 1; j < skin_image::kAll.size(); ++j) {
            EXPECT_NE(skin_image::kAll[i], skin_image::kAll[j]);
        }
    }
    EXPECT_EQ(skin_image::kAll.size(), 32u);
}

}  // namespace
}  // namespace quorvel
