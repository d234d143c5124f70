// Runs a dialog model against a fake window: set-up, then what the test's user does, and the
// run ends as the user ended it (cancelled when the user did nothing that ends it).
#pragma once

#include <functional>

#include "fake_dialog_context.h"
#include "ui/modal_runner.h"

namespace quorvel::test {

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

}  // namespace quorvel::test
