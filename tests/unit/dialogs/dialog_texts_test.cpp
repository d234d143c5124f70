#include "dialogs/dialog_texts.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/list_choice_dialogs.h"
#include "fake_dialog_context.h"
#include "keys/key_code_tables.h"

namespace quorvel {
namespace {

using namespace dialog_text;

TEST(DialogTexts, EveryRowHasAllThreeLanguages) {
    std::vector<TextRow> rows = {kSingleKeyPrompt,  kSpeedLabel,       kTimesLabel,  kFireHeading,
                                 kSpeedExplanation, kTimesExplanation, kDelayPrompt, kDelayRange};
    rows.insert(rows.end(), kMediaEntries.begin(), kMediaEntries.end());
    rows.insert(rows.end(), kWindowsEntries.begin(), kWindowsEntries.end());
    for (const TextRow& row : rows) {
        EXPECT_FALSE(row.english.empty());
        EXPECT_FALSE(row.simplifiedChinese.empty()) << row.english;
        EXPECT_FALSE(row.traditionalChinese.empty()) << row.english;
    }
}

TEST(DialogTexts, EnglishEntriesAreTheUsageTablesNamesInOrder) {
    ASSERT_EQ(kMediaEntries.size(), kMediaKeyTable.size());
    for (std::size_t i = 0; i < kMediaEntries.size(); ++i)
        EXPECT_EQ(kMediaEntries[i].english, kMediaKeyTable[i].name);
    ASSERT_EQ(kWindowsEntries.size(), kWindowsKeyTable.size());
    for (std::size_t i = 0; i < kWindowsEntries.size(); ++i)
        EXPECT_EQ(kWindowsEntries[i].english, kWindowsKeyTable[i].name);
}

TEST(DialogTexts, ADialogSpeaksItsLanguageOnTheSharedButtonsAndInItsList) {
    test::FakeDialogContext context;
    CWindowsDialog dialog{DialogLook{Language::TraditionalChinese}};
    dialog.onInit(context);
    dialog.onPaint(context);
    EXPECT_EQ(context.picture.textAt(166, 253), "確定");
    EXPECT_EQ(context.picture.textAt(270, 253), "取消");
    EXPECT_EQ(dialog.result().text, "打開多媒體播放器");
}

}  // namespace
}  // namespace quorvel
