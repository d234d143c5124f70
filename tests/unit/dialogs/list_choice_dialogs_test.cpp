#include "dialogs/list_choice_dialogs.h"

#include <gtest/gtest.h>

#include "fake_dialog_context.h"

namespace quorvel::test {
namespace {

TEST(ListChoiceDialogs, OkAtOnceGivesTheFirstEntryInTheDialogsLanguage) {
    FakeDialogContext context;
    CMediaDialog media{DialogLook{Language::English, kWhite}};
    media.onInit(context);
    CWindowsDialog windows{DialogLook{Language::SimplifiedChinese, kWhite}};
    windows.onInit(context);
    EXPECT_EQ(media.result().position, 0);
    EXPECT_EQ(media.result().text, "Next");
    EXPECT_EQ(context.fakeControls.text(552), "Next");
    EXPECT_EQ(windows.result().text, "打开多媒体播放器");
}

TEST(ListChoiceDialogs, ChoosingInTraditionalChineseGivesTheTranslatedText) {
    FakeDialogContext context;
    CWindowsDialog dialog{DialogLook{Language::TraditionalChinese, kWhite}};
    dialog.onInit(context);
    dialog.onPress(60, 135, context);
    ASSERT_EQ(context.fakeControls.itemCount(533), 11);
    context.fakeControls.setSelection(533, 10);
    dialog.onListSelectionChange(533, context);
    EXPECT_EQ(dialog.result().position, 10);
    EXPECT_EQ(dialog.result().text, "瀏覽器-我的最愛");
    EXPECT_EQ(context.fakeControls.text(532), "瀏覽器-我的最愛");
}

TEST(ListChoiceDialogs, WithoutBackgroundTheResultIsPositionZeroAndNoText) {
    EXPECT_EQ(CWindowsDialog{DialogLook{}}.result().position, 0);
    EXPECT_EQ(CMediaDialog{DialogLook{}}.result().text, "");
}

}  // namespace
}  // namespace quorvel::test
