#include "dialogs/key_dialog_factory.h"

#include <gtest/gtest.h>

#include <functional>

#include "pages/modal_delay_dialog.h"
#include "unit/dialogs/fake_dialog_context.h"

namespace quorvel::test {
namespace {

// Sets the dialog up, lets the user act on it and ends the run as the user did.
class ScriptedRunner : public ModalRunner {
  public:
    DialogEnd runModal(SkinnedWindow& model) override {
        FakeDialogContext context;
        model.onInit(context);
        if (user)
            user(model, context);
        return context.ended.value_or(DialogEnd::Cancel);
    }
    std::function<void(SkinnedWindow&, FakeDialogContext&)> user;
};

TEST(KeyDialogs, ResultsReachTheDispatcherOnlyAfterOkInTheProgramsLanguage) {
    SharedUiState shared;
    shared.languageCode = "CHT";
    SkinnedKeyDialogFactory factory(shared);
    ScriptedRunner runner;
    ModalKeyDialogs dialogs(runner, factory);

    runner.user = [](SkinnedWindow& model, FakeDialogContext& context) {
        model.onPress(60, 135, context);
        context.fakeControls.setSelection(533, 10);
        model.onListSelectionChange(533, context);
        model.onPress(200, 260, context);
    };
    const auto chosen = dialogs.runWindowsDialog();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->position, 10);
    EXPECT_EQ(chosen->text, "瀏覽器-我的最愛");

    runner.user = [](SkinnedWindow& model, FakeDialogContext& context) {
        model.onHookedKey({0x1E, false, false, false}, context);
        model.onPress(300, 260, context);
    };
    EXPECT_FALSE(dialogs.runSingleDialog());
    runner.user = nullptr;  // closed by the system: cancelled
    EXPECT_FALSE(dialogs.runFireKeyDialog());
    EXPECT_FALSE(dialogs.runComboDialog());
    EXPECT_FALSE(dialogs.runMediaDialog());
}

TEST(KeyDialogs, TheMacroEditorGetsTheTypedDelayAfterOkOnly) {
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
