#include "dialogs/key_dialogs.h"

#include <utility>

#include "dialogs/capture_dialogs.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/list_choice_dialogs.h"
#include "dialogs/macro_dialog.h"

namespace quorvel {
namespace {

// A fresh dialog a run, in the look the program has when it opens.
template <typename Dialog, typename... Extra>
auto resultAfterOk(ModalRunner& runner, const SharedUiState& shared, const Extra&... extra)
    -> std::optional<decltype(std::declval<const Dialog&>().result())> {
    Dialog dialog(dialogLookOf(shared), extra...);
    if (runner.runModal(dialog) != DialogEnd::Ok)
        return std::nullopt;
    return dialog.result();
}

}  // namespace

std::optional<ListDialogResult> ModalKeyDialogs::runWindowsDialog() {
    return resultAfterOk<CWindowsDialog>(runner_, shared_);
}

std::optional<ListDialogResult> ModalKeyDialogs::runMediaDialog() {
    return resultAfterOk<CMediaDialog>(runner_, shared_);
}

std::optional<FireKeyDialogResult> ModalKeyDialogs::runFireKeyDialog() {
    return resultAfterOk<CFireKeyDialog>(runner_, shared_);
}

std::optional<SingleDialogResult> ModalKeyDialogs::runSingleDialog() {
    return resultAfterOk<CSingleDialog>(runner_, shared_);
}

std::optional<ComboDialogResult> ModalKeyDialogs::runComboDialog() {
    return resultAfterOk<CComboDialog>(runner_, shared_);
}

std::optional<MacroDialogResult> ModalKeyDialogs::runMacroDialog() {
    return resultAfterOk<CMacroDialog>(runner_, shared_, macros_);
}

}  // namespace quorvel
