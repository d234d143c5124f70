#include "config/settings_file.h"

#include <gtest/gtest.h>

#include "support/fake_files.h"

namespace quorvel {
namespace {

using testing::FakeFiles;

constexpr const char* kPath = "C:\\q\\str.ini";

class SettingsFileTest : public ::testing::Test {
  protected:
    FakeFiles files;
    IniFile ini{files, kPath};
};

TEST(ButtonLabelsTest, DefaultsFollowTheDefaultAssignment) {
    const ButtonLabels labels = defaultButtonLabels();
    const std::array<std::string_view, 8> expected = {"Left Click", "Right Click", "Mid Click",
                                                      "Forward",    "Backward",    "DPI Loop",
                                                      "Key Off",    "Key Off"};
    for (int button = 0; button < kButtonCount; ++button) {
        EXPECT_EQ(labels.label(Mode::A, button), expected[static_cast<std::size_t>(button)]);
        EXPECT_EQ(labels.label(Mode::B, button), expected[static_cast<std::size_t>(button)]);
    }
    const ButtonLabels chinese =
        defaultButtonLabels({{"左键", "右键", "中键", "前进方向键", "后退方向键"}, "按键关闭"});
    EXPECT_EQ(chinese.label(Mode::B, 4), "后退方向键");
    EXPECT_EQ(chinese.label(Mode::B, 5), "DPI Loop");  // not translated
    EXPECT_EQ(chinese.label(Mode::A, 7), "按键关闭");
}

TEST(ButtonLabelsTest, AccessorMapsModeAndButtonToStoredOrder) {
    ButtonLabels labels;
    labels.setLabel(Mode::B, 0, "b0");
    labels.setLabel(Mode::A, 7, "a7");
    labels.setLabel(Mode::A, 8, "ignored");
    labels.setLabel(Mode::B, -1, "ignored");
    EXPECT_EQ(labels.texts()[8], "b0");
    EXPECT_EQ(labels.texts()[7], "a7");
    EXPECT_EQ(labels.label(Mode::A, 8), "");
    int filled = 0;
    for (const auto& text : labels.texts()) {
        filled += text.empty() ? 0 : 1;
    }
    EXPECT_EQ(filled, 2);
}

TEST_F(SettingsFileTest, ReadsLabelsOfTheLanguageAndTheSkin) {
    files.put(kPath,
              "[Skins]\r\nLan=CHS\r\nPath=Dark\r\nRColor=10\r\nGColor=20\r\n"
              "[Setting-EN]\r\nItem1=Left Click\r\n"
              "[Setting-CHS]\r\nItem1=左键\r\nItem13=右键\r\nItem83=按键关闭\r\n");
    const std::string code = readLanguageCode(ini);
    EXPECT_EQ(code, "CHS");
    const SettingsTexts texts = readSettings(ini, settingsSectionFor(languageFromCode(code)));
    EXPECT_EQ(texts.labels.label(Mode::A, 0), "左键");
    EXPECT_EQ(texts.labels.label(Mode::B, 0), "右键");
    EXPECT_EQ(texts.labels.label(Mode::B, 7), "按键关闭");
    EXPECT_EQ(texts.labels.label(Mode::A, 1), "");
    EXPECT_EQ(texts.red, "10");
    EXPECT_EQ(texts.green, "20");
    EXPECT_EQ(texts.blue, "");
    EXPECT_EQ(texts.skinName, "Dark");
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(SettingsFileTest, MissingLanguageSectionGivesEmptyLabels) {
    files.put(kPath, "[Skins]\r\nPath=Default\r\n");
    const SettingsTexts texts =
        readSettings(ini, settingsSectionFor(languageFromCode(readLanguageCode(ini))));
    for (const auto& text : texts.labels.texts()) {
        EXPECT_EQ(text, "");
    }
}

TEST_F(SettingsFileTest, WritingLabelsTouchesOnlyTheirLanguage) {
    files.put(kPath, "[Skins]\r\nLan=CHS\r\n[Setting-EN]\r\nItem1=Mine\r\n");
    ButtonLabels labels = defaultButtonLabels();
    labels.setLabel(Mode::B, 2, "Ctrl+C");
    EXPECT_TRUE(writeButtonLabels(ini, "Setting-CHS", labels));
    EXPECT_EQ(files.replaces, 1);  // all sixteen or none
    EXPECT_EQ(readSettings(ini, "Setting-CHS").labels, labels);
    EXPECT_EQ(ini.readString("Setting-EN", "Item1"), "Mine");
    EXPECT_EQ(ini.keyNames("Setting-CHS"),
              std::vector<std::string>(kButtonLabelKeys.begin(), kButtonLabelKeys.end()));
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Skins", "Setting-EN", "Setting-CHS"}));
}

TEST_F(SettingsFileTest, SkinChoiceIsWrittenAsDecimalTexts) {
    files.put(kPath, "[Skins]\r\nLan=\r\nPath=Default\r\n");
    EXPECT_TRUE(writeSkinChoice(ini, {{255, 128, 0}, "Ocean"}));
    EXPECT_EQ(ini.readString("Skins", "RColor"), "255");
    EXPECT_EQ(ini.readString("Skins", "GColor"), "128");
    EXPECT_EQ(ini.readString("Skins", "BColor"), "0");
    EXPECT_EQ(ini.readString("Skins", "Path"), "Ocean");
    EXPECT_EQ(files.text(kPath),
              "[Skins]\r\nLan=\r\nPath=Ocean\r\nRColor=255\r\nGColor=128\r\nBColor=0\r\n");
}

TEST_F(SettingsFileTest, FailedLabelWriteKeepsEveryOldLabel) {
    files.put(kPath, "[Setting-EN]\r\nItem1=Old\r\n");
    files.failReplaceWith = 5;
    EXPECT_FALSE(writeButtonLabels(ini, "Setting-EN", defaultButtonLabels()));
    EXPECT_FALSE(writeSkinChoice(ini, {{1, 2, 3}, "X"}));
    EXPECT_EQ(files.text(kPath), "[Setting-EN]\r\nItem1=Old\r\n");
}

TEST(ColourByteTest, ReadsLeadingDigitsCappedAt255AndJunkAsZero) {
    EXPECT_EQ(colourByte("230"), 230);
    EXPECT_EQ(colourByte("12px"), 12);
    EXPECT_EQ(colourByte("255"), 255);
    EXPECT_EQ(colourByte("256"), 255);
    EXPECT_EQ(colourByte("99999999999999999999"), 255);
    for (const char* junk : {"", "abc", " 12", "-5", "+7"})
        EXPECT_EQ(colourByte(junk), 0) << junk;
}

}  // namespace
}  // namespace quorvel
