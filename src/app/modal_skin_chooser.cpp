#include "app/modal_skin_chooser.h"

#include "dialogs/skins_dialog.h"
#include "ui/skin_path.h"

namespace quorvel {

ModalSkinChooser::ModalSkinChooser(ModalRunner& runner, DirectoryListingPort& listing,
                                   const SharedUiState& shared, std::string_view executablePath)
    : runner_(runner),
      listing_(listing),
      shared_(shared),
      // The same formation as a skin's own directory, so a chosen path matches it.
      skinsRoot_(skinDirectoryFor(executablePath, "")) {}

std::optional<SkinSetting> ModalSkinChooser::choose(const SkinSetting& current) {
    CSkinsDialog dialog(dialogLookOf(shared_), listing_, skinsRoot_, current);
    if (runner_.runModal(dialog) != DialogEnd::Ok)
        return std::nullopt;
    return dialog.result();
}

UsableSkins ModalSkinChooser::usableSkins(std::string_view wanted) {
    return usableSkinNames(listing_, skinsRoot_, wanted);
}

}  // namespace quorvel
