// The button functions' sub-dialogs run as modal skinned windows. The models come from a
// factory, so neither this runner nor the window host knows which dialog classes exist.
#pragma once

#include <memory>
#include <optional>

#include "dialogs/skinned_dialog.h"
#include "keys/key_dialog_port.h"
#include "ui/modal_runner.h"

namespace quorvel {

// A sub-dialog model whose result is read after a run that ended with OK.
template <typename Result>
class ResultDialog : public SkinnedDialog {
  public:
    using SkinnedDialog::SkinnedDialog;
    virtual Result result() const = 0;
};

// Each call makes a fresh model for one run; nullptr when this build has no such dialog.
class KeyDialogFactory {
  public:
    virtual ~KeyDialogFactory() = default;
    virtual std::unique_ptr<ResultDialog<ListDialogResult>> windowsDialog() = 0;
    virtual std::unique_ptr<ResultDialog<ListDialogResult>> mediaDialog() = 0;
    virtual std::unique_ptr<ResultDialog<FireKeyDialogResult>> fireKeyDialog() = 0;
    virtual std::unique_ptr<ResultDialog<SingleDialogResult>> singleDialog() = 0;
    virtual std::unique_ptr<ResultDialog<ComboDialogResult>> comboDialog() = 0;
    virtual std::unique_ptr<ResultDialog<MacroDialogResult>> macroDialog() = 0;
};

class ModalKeyDialogs final : public KeyDialogPort {
  public:
    ModalKeyDialogs(ModalRunner& runner, KeyDialogFactory& factory)
        : runner_(runner), factory_(factory) {}

    std::optional<ListDialogResult> runWindowsDialog() override {
        return run(factory_.windowsDialog());
    }
    std::optional<ListDialogResult> runMediaDialog() override {
        return run(factory_.mediaDialog());
    }
    std::optional<FireKeyDialogResult> runFireKeyDialog() override {
        return run(factory_.fireKeyDialog());
    }
    std::optional<SingleDialogResult> runSingleDialog() override {
        return run(factory_.singleDialog());
    }
    std::optional<ComboDialogResult> runComboDialog() override {
        return run(factory_.comboDialog());
    }
    std::optional<MacroDialogResult> runMacroDialog() override {
        return run(factory_.macroDialog());
    }

  private:
    template <typename Result>
    std::optional<Result> run(std::unique_ptr<ResultDialog<Result>> model) {
        if (!model || runner_.runModal(*model) != DialogEnd::Ok)
            return std::nullopt;
        return model->result();
    }

    ModalRunner& runner_;
    KeyDialogFactory& factory_;
};

}  // namespace quorvel
