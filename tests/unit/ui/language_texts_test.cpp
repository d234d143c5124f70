#include "ui/language_texts.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(LanguageTexts, EveryRowHasAllThreeLanguages) {
    const auto& table = languageTextTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_FALSE(table[i].english.empty());
        EXPECT_FALSE(table[i].simplifiedChinese.empty());
        EXPECT_FALSE(table[i].traditionalChinese.empty());
    }
}

TEST(LanguageTexts, ChineseColumnsAreNotEnglishCopies) {
    // Only rows whose text is a product or key name may read the same in every language.
    const auto& table = languageTextTable();
    int sameAsEnglish = 0;
    for (const TextRow& row : table) {
        if (row.simplifiedChinese == row.english)
            ++sameAsEnglish;
    }
    EXPECT_EQ(sameAsEnglish, 3);  // "Shift", "Windows" and the web address
}

TEST(LanguageTexts, SlotsHoldTheirLanguagesText) {
    const LanguageTexts english(Language::English);
    const LanguageTexts simplified(Language::SimplifiedChinese);
    const LanguageTexts traditional(Language::TraditionalChinese);
    EXPECT_EQ(english.text(TextId::BasicSettings), "Basic Settings");
    EXPECT_EQ(simplified.text(TextId::BasicSettings), "基本设置");
    EXPECT_EQ(traditional.text(TextId::BasicSettings), "基本設置");
    EXPECT_EQ(simplified.text(TextId::LeftClick), "左键");
    EXPECT_EQ(simplified.text(TextId::RightClick), "右键");
    EXPECT_EQ(traditional.text(TextId::ComboKey), "複合鍵");
    EXPECT_EQ(english.text(TextId::NonDisolay), "Non-Disolay");
    EXPECT_EQ(english.text(TextId::KeyRestore), "Default");
    EXPECT_EQ(simplified.text(TextId::KeyRestore), "按键恢复");
    EXPECT_EQ(simplified.text(TextId::AdvancedDefault), "恢复默认");
    EXPECT_EQ(english.text(TextId::Exit), "Exit");
    EXPECT_EQ(traditional.text(TextId::Exit), "退出");
    EXPECT_EQ(english.text(TextId::NotRecordingStop),
              "It doesn\u2019t start recording, unnecessary to press Stop key!");
    EXPECT_EQ(simplified.text(TextId::Speed), "速度:请调整灯光显示速度");
    EXPECT_EQ(traditional.text(TextId::Speed), "速度");
}

TEST(LanguageTexts, StageNoticesKeepTheirTrailingBlankInEnglishOnly) {
    const LanguageTexts english(Language::English);
    const LanguageTexts simplified(Language::SimplifiedChinese);
    for (TextId id : {TextId::SwitchDPIIntoTheFirstStage, TextId::SwitchDPIIntoTheSecondStage,
                      TextId::SwitchDPIIntoTheThirdStage, TextId::SwitchDPIIntoTheFourthStage}) {
        EXPECT_EQ(english.text(id).back(), ' ');
        EXPECT_NE(simplified.text(id).back(), ' ');
    }
}

TEST(LanguageTexts, WebLinkIsTheOneAddressInEveryLanguage) {
    for (Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        EXPECT_EQ(LanguageTexts(language).text(TextId::WebAddress), kMakerWebAddress);
    }
    EXPECT_EQ(kMakerWebAddress.substr(0, 8), "https://");
}

TEST(LanguageTexts, IdOutsideTheTableIsEmpty) {
    EXPECT_TRUE(LanguageTexts().text(static_cast<TextId>(kTextCount)).empty());
}

}  // namespace
}  // namespace quorvel
