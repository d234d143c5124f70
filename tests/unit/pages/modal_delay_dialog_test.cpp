#include "pages/modal_delay_dialog.h"

#include <gtest/gtest.h>

#include "unit/dialogs/scripted_runner.h"

namespace quorvel::test {
namespace {

TEST(ModalDelayDialog, TheMacroEditorGetsTheTypedDelayAfterOkOnly) {
    SharedUiState shared;
    ScriptedRunner runner;
    ModalDelayDialog delay(runner, shared);
    const auto typeDelay = [](SkinnedWindow& model, FakeDialogContext& context) {
        context.fakeControls.setText(CDelayTimeDialog::kDelayBoxId, "12000");
        model.onEditChange(CDelayTimeDialog::kDelayBoxId, context);
    };
    runner.user = [&](SkinnedWindow& model, FakeDialogContext& context) {
        typeDelay(model, context);
        model.onPress(200, 260, context);
    };
    const std::optional<DelayAnswer> answer = delay.askDelay();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->value, 12000);
    EXPECT_EQ(answer->text, "12000");
    runner.user = [&](SkinnedWindow& model, FakeDialogContext& context) {
        typeDelay(model, context);
        model.onCancelRequest(context);
    };
    EXPECT_FALSE(delay.askDelay());
}

}  // namespace
}  // namespace quorvel::test
