#include "dialogs/key_dialogs.h"

#include <gtest/gtest.h>

#include "dialogs/macro_dialog.h"
#include "scripted_runner.h"
#include "support/fake_files.h"

namespace quorvel::test {
namespace {

constexpr int kOkX = 200, kOkY = 260;

class ModalKeyDialogsTest : public ::testing::Test {
  protected:
    testing::FakeFiles files;
    MouseConfig config;
    MacroLibrary macros{files, "C:\\QuorvelMouse\\record.ini", config};
    SharedUiState shared;
    ScriptedRunner runner;
    ModalKeyDialogs dialogs{runner, shared, macros};
};

TEST_F(ModalKeyDialogsTest, ResultsComeOnlyAfterOkInTheProgramsLanguage) {
    shared.languageCode = "CHT";
    runner.user = [](SkinnedWindow& model, FakeDialogContext& context) {
        model.onPress(60, 135, context);
        context.fakeControls.setSelection(533, 10);
        model.onListSelectionChange(533, context);
        model.onPress(kOkX, kOkY, context);
    };
    const auto chosen = dialogs.runWindowsDialog();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->position, 10);
    EXPECT_EQ(chosen->text, "瀏覽器-我的最愛");

    runner.user = [](SkinnedWindow& model, FakeDialogContext& context) {
        model.onHookedKey({0x1E, false, false, false}, context);
        model.onPress(300, kOkY, context);
    };
    EXPECT_FALSE(dialogs.runSingleDialog());
    runner.user = nullptr;  // closed by the system: cancelled
    EXPECT_FALSE(dialogs.runFireKeyDialog());
    EXPECT_FALSE(dialogs.runComboDialog());
    EXPECT_FALSE(dialogs.runMediaDialog());
    EXPECT_FALSE(dialogs.runMacroDialog());
}

TEST_F(ModalKeyDialogsTest, ACapturedKeyComesBackWithItsCode) {
    runner.user = [](SkinnedWindow& model, FakeDialogContext& context) {
        model.onHookedKey({0x53, false, false, false}, context);
        model.onPress(kOkX, kOkY, context);
    };
    const auto single = dialogs.runSingleDialog();
    ASSERT_TRUE(single);
    EXPECT_EQ(single->key, (NamedKey{0x63, "Num Del"}));
}

TEST_F(ModalKeyDialogsTest, TheMacroDialogListsTheLibraryAsItIsWhenItOpens) {
    runner.user = [this](SkinnedWindow& model, FakeDialogContext& context) {
        files.put("C:\\QuorvelMouse\\record.ini", "[Burst]\r\nItemCount=0\r\n");
        model.onPress(100, 135, context);
        context.fakeControls.setSelection(kMacroListId, 0);
        model.onListSelectionChange(kMacroListId, context);
        model.onPress(kOkX, 263, context);
    };
    const auto macro = dialogs.runMacroDialog();
    ASSERT_TRUE(macro);
    EXPECT_EQ(macro->slot, 0);
    EXPECT_EQ(macro->macroName, "Burst");
}

}  // namespace
}  // namespace quorvel::test
