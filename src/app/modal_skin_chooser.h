// The skins button's chooser: CSkinsDialog run modally over the main window.
#pragma once

#include <string>

#include "app/main_window_ports.h"
#include "ports/directory_listing.h"
#include "ui/modal_runner.h"
#include "ui/shared_ui_state.h"

namespace quorvel {

class ModalSkinChooser final : public SkinChooserPort {
  public:
    // The skins are the directories under Skins beside the executable.
    ModalSkinChooser(ModalRunner& runner, DirectoryListingPort& listing,
                     const SharedUiState& shared, std::string_view executablePath);

    std::optional<SkinSetting> choose(const SkinSetting& current) override;
    UsableSkins usableSkins(std::string_view wanted) override;

  private:
    ModalRunner& runner_;
    DirectoryListingPort& listing_;
    const SharedUiState& shared_;
    std::string skinsRoot_;
};

}  // namespace quorvel
