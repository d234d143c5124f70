#include "dialogs/macro_dialog.h"

#include <gtest/gtest.h>

#include "fake_dialog_context.h"
#include "support/fake_files.h"

namespace quorvel::test {
namespace {

constexpr const char* kRecord = "C:\\QuorvelMouse\\record.ini";
constexpr int kBoxX = 100, kBoxY = 135;
constexpr int kOkX = 200, kOkY = 263;

class MacroDialogTest : public ::testing::Test {
  protected:
    void run(Language language = Language::English) {
        dialog.emplace(DialogLook{language, kWhite}, library);
        dialog->onInit(context);
    }
    void press(int x, int y) { dialog->onPress(x, y, context); }
    void chooseEntry(int position) {
        context.fakeControls.setSelection(kMacroListId, position);
        dialog->onListSelectionChange(kMacroListId, context);
    }

    testing::FakeFiles files;
    MouseConfig config;
    MacroLibrary library{files, kRecord, config};
    FakeDialogContext context;
    std::optional<CMacroDialog> dialog;
};

TEST_F(MacroDialogTest, BindsTheChosenSlotOfTheFileAsItIsWhenTheListOpens) {
    files.put(kRecord, "[Copy]\r\nItemCount=0\r\n[Burst]\r\nItemCount=0\r\n");
    run();
    // A save in the editor between opening the dialog and its list moves Copy last.
    library.writeMacro("Copy", std::vector<std::string>{});
    press(kBoxX, kBoxY);
    ASSERT_EQ(context.fakeControls.itemCount(kMacroListId), 2);
    EXPECT_EQ(context.fakeControls.itemText(kMacroListId, 1), "Copy");
    chooseEntry(1);
    EXPECT_FALSE(context.fakeControls.exists(kMacroListId));
    EXPECT_EQ(context.fakeControls.text(kMacroNameDisplayId), "Copy");
    press(228, 186);  // repeat box 3
    press(kOkX, kOkY);
    ASSERT_EQ(context.ended, DialogEnd::Ok);
    EXPECT_EQ(dialog->result().slot, 1);
    EXPECT_EQ(dialog->result().repeatMode, 3);
    EXPECT_EQ(dialog->result().macroName, "Copy");
    EXPECT_TRUE(context.messageBox.shown.empty());
}

TEST_F(MacroDialogTest, OkWithoutAChosenMacroWarnsInTheDialogsLanguageAndStaysOpen) {
    files.put(kRecord, "[Copy]\r\nItemCount=0\r\n");
    run(Language::SimplifiedChinese);
    press(kOkX, kOkY);
    dialog->onOkRequest(context);  // Enter
    EXPECT_FALSE(context.ended);
    ASSERT_EQ(context.messageBox.shown.size(), 2u);
    EXPECT_EQ(context.messageBox.shown[0],
              (testing::ShownMessage{"请从列表框选择一个宏", "Warning"}));
    // Cancel still ends it.
    press(300, 263);
    EXPECT_EQ(context.ended, DialogEnd::Cancel);
}

TEST_F(MacroDialogTest, WithNoMacrosAtAllOkPointsToTheAdvancedPage) {
    run(Language::TraditionalChinese);
    press(kBoxX, kBoxY);
    EXPECT_EQ(context.fakeControls.itemCount(kMacroListId), 0);
    press(kOkX, kOkY);
    EXPECT_FALSE(context.ended);
    ASSERT_EQ(context.messageBox.shown.size(), 1u);
    EXPECT_NE(context.messageBox.shown[0].text.find("高級設置"), std::string::npos);
    EXPECT_EQ(context.messageBox.shown[0].caption, "Warning");
}

}  // namespace
}  // namespace quorvel::test
