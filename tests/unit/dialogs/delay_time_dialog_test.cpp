#include "dialogs/delay_time_dialog.h"

#include <gtest/gtest.h>

#include "fake_dialog_context.h"

namespace quorvel::test {
namespace {

TEST(DelayTimeDialog, ReadsTheBoxOnEveryChange) {
    FakeDialogContext context;
    CDelayTimeDialog dialog{DialogLook{}};
    dialog.onInit(context);
    EXPECT_EQ(context.fakeControls.text(CDelayTimeDialog::kDelayBoxId), "");
    context.fakeControls.setText(CDelayTimeDialog::kDelayBoxId, "12000");
    dialog.onEditChange(CDelayTimeDialog::kDelayBoxId, context);
    EXPECT_EQ(dialog.delayValue(), 12000);
    EXPECT_EQ(dialog.delayText(), "12000");
    context.fakeControls.setText(CDelayTimeDialog::kDelayBoxId, "");
    dialog.onEditChange(CDelayTimeDialog::kDelayBoxId, context);
    EXPECT_EQ(dialog.delayValue(), 0);
    EXPECT_EQ(dialog.delayText(), "");
    dialog.onOkRequest(context);  // Enter confirms here
    EXPECT_EQ(context.ended, DialogEnd::Ok);
}

}  // namespace
}  // namespace quorvel::test
