// The key dialogs of this program, made fresh for each run in the language and text colour
// the program has at that moment.
#pragma once

#include "dialogs/modal_key_dialogs.h"
#include "ui/shared_ui_state.h"

namespace quorvel {

DialogLook dialogLookOf(const SharedUiState& shared);

class SkinnedKeyDialogFactory : public KeyDialogFactory {
  public:
    explicit SkinnedKeyDialogFactory(const SharedUiState& shared) : shared_(shared) {}

    std::unique_ptr<ResultDialog<ListDialogResult>> windowsDialog() override;
    std::unique_ptr<ResultDialog<ListDialogResult>> mediaDialog() override;
    std::unique_ptr<ResultDialog<FireKeyDialogResult>> fireKeyDialog() override;
    std::unique_ptr<ResultDialog<SingleDialogResult>> singleDialog() override;
    std::unique_ptr<ResultDialog<ComboDialogResult>> comboDialog() override;
    // The macro-key dialog is made where the macro library is known.
    std::unique_ptr<ResultDialog<MacroDialogResult>> macroDialog() override { return nullptr; }

  protected:
    const SharedUiState& shared() const { return shared_; }

  private:
    const SharedUiState& shared_;
};

}  // namespace quorvel
