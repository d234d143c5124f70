// CSaveProfileDialog: a name for the base configuration, saved as a profile when OK is pressed.
// The dialog stays open while the name cannot be used.
#pragma once

#include "dialogs/save_profile_choice.h"
#include "dialogs/skinned_dialog.h"

namespace quorvel {

inline constexpr int kSaveProfileDialogTemplate = 709;
inline constexpr int kProfileNameBoxId = 610;

class CSaveProfileDialog final : public SkinnedDialog {
  public:
    CSaveProfileDialog(const DialogLook& look, ProfileStore& store, Profile base)
        : SkinnedDialog(look), choice_(store, std::move(base)) {}

    int templateId() const override { return kSaveProfileDialogTemplate; }
    std::string_view backgroundImage() const override;
    std::string_view loadFailureCaption() const override;
    void onInit(WindowContext& context) override;

    // After OK: the name the profile was saved under.
    const std::string& savedName() const { return choice_.savedName(); }

    static constexpr Rect kNameBox{46, 126, 334, 140};

  private:
    void paintContent(Canvas& canvas) override;
    bool okAllowed(WindowContext& context) override;

    SaveProfileChoice choice_;
};

}  // namespace quorvel
