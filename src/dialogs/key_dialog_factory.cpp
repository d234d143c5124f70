#include "dialogs/key_dialog_factory.h"

#include "dialogs/capture_dialogs.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/list_choice_dialogs.h"

namespace quorvel {

DialogLook dialogLookOf(const SharedUiState& shared) {
    return {languageFromCode(shared.languageCode), shared.textColour};
}

std::unique_ptr<ResultDialog<ListDialogResult>> SkinnedKeyDialogFactory::windowsDialog() {
    return std::make_unique<CWindowsDialog>(dialogLookOf(shared_));
}

std::unique_ptr<ResultDialog<ListDialogResult>> SkinnedKeyDialogFactory::mediaDialog() {
    return std::make_unique<CMediaDialog>(dialogLookOf(shared_));
}

std::unique_ptr<ResultDialog<FireKeyDialogResult>> SkinnedKeyDialogFactory::fireKeyDialog() {
    return std::make_unique<CFireKeyDialog>(dialogLookOf(shared_));
}

std::unique_ptr<ResultDialog<SingleDialogResult>> SkinnedKeyDialogFactory::singleDialog() {
    return std::make_unique<CSingleDialog>(dialogLookOf(shared_));
}

std::unique_ptr<ResultDialog<ComboDialogResult>> SkinnedKeyDialogFactory::comboDialog() {
    return std::make_unique<CComboDialog>(dialogLookOf(shared_));
}

}  // namespace quorvel
