#include "ui/font_choice.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

constexpr WindowsVersion kWindows7{6, 1};
constexpr WindowsVersion kWindows8{6, 2};
constexpr WindowsVersion kWindows81{6, 3};
constexpr WindowsVersion kVersion7dot2{7, 2};

TEST(FontChoice, EnglishUsesArialAndTahoma) {
    for (WindowsVersion version : {kWindows7, kWindows8}) {
        const FontChoice fonts = chooseFonts(Language::English, version);
        EXPECT_EQ(fonts.text, (FontSpec{"Arial", 14, 400}));
        EXPECT_EQ(fonts.title, (FontSpec{"Tahoma", 18, 700}));
    }
}

TEST(FontChoice, SimplifiedChineseUsesSongOutsideVersion62) {
    for (WindowsVersion version : {kWindows7, kWindows81, kVersion7dot2, WindowsVersion{10, 0}}) {
        const FontChoice fonts = chooseFonts(Language::SimplifiedChinese, version);
        EXPECT_EQ(fonts.text, (FontSpec{"宋体", 13, 400}));
        EXPECT_EQ(fonts.title, (FontSpec{"宋体", 18, 700}));
    }
}

TEST(FontChoice, SimplifiedChineseOnVersion62UsesHeiForBoth) {
    const FontChoice fonts = chooseFonts(Language::SimplifiedChinese, kWindows8);
    EXPECT_EQ(fonts.text, (FontSpec{"黑体", 13, 400}));
    EXPECT_EQ(fonts.title, (FontSpec{"黑体", 18, 700}));
}

TEST(FontChoice, TraditionalChineseUsesHeiEverywhere) {
    for (WindowsVersion version : {kWindows7, kWindows8}) {
        const FontChoice fonts = chooseFonts(Language::TraditionalChinese, version);
        EXPECT_EQ(fonts.text, (FontSpec{"黑体", 14, 400}));
        EXPECT_EQ(fonts.title, (FontSpec{"黑体", 18, 700}));
    }
}

TEST(FontChoice, DialogFontIsTheTextFont) {
    EXPECT_EQ(chooseTextFont(Language::SimplifiedChinese, kWindows8),
              chooseFonts(Language::SimplifiedChinese, kWindows8).text);
    EXPECT_EQ(chooseTextFont(Language::English, kWindows7).height, 14);
}

}  // namespace
}  // namespace quorvel
