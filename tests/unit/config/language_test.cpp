#include "config/language.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Language, CodeIsComparedExactlyAndPicksTheLabelSection) {
    EXPECT_EQ(languageFromCode("CHS"), Language::SimplifiedChinese);
    EXPECT_EQ(languageFromCode("CHT"), Language::TraditionalChinese);
    for (const char* code : {"chs", "cht", "CHS ", "CH", "CHSX", "", "EN", "DE"})
        EXPECT_EQ(languageFromCode(code), Language::English) << code;

    EXPECT_EQ(settingsSectionFor(Language::English), "Setting-EN");
    EXPECT_EQ(settingsSectionFor(Language::SimplifiedChinese), "Setting-CHS");
    EXPECT_EQ(settingsSectionFor(Language::TraditionalChinese), "Setting-CHT");
}

}  // namespace
}  // namespace quorvel
