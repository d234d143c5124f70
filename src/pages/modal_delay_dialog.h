// The macro editor's delay dialog as a modal run of CDelayTimeDialog.
#pragma once

#include "dialogs/delay_time_dialog.h"
#include "pages/macro_editor.h"
#include "ui/modal_runner.h"

namespace quorvel {

class ModalDelayDialog final : public DelayDialogPort {
  public:
    ModalDelayDialog(ModalRunner& runner, const SharedUiState& shared)
        : runner_(runner), shared_(shared) {}

    std::optional<DelayAnswer> askDelay() override {
        CDelayTimeDialog dialog(dialogLookOf(shared_));
        if (runner_.runModal(dialog) != DialogEnd::Ok)
            return std::nullopt;
        return DelayAnswer{dialog.delayValue(), dialog.delayText()};
    }

  private:
    ModalRunner& runner_;
    const SharedUiState& shared_;
};

}  // namespace quorvel
