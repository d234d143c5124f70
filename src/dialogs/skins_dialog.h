// CSkinsDialog: the skin (a directory under Skins) and the UI text colour.
#pragma once

#include <string>

#include "dialogs/dialog_drop_down.h"
#include "dialogs/skinned_dialog.h"
#include "dialogs/skins_dialog_choice.h"

namespace quorvel {

inline constexpr int kSkinsDialogTemplate = 708;
inline constexpr int kSkinNameDisplayId = 560;
inline constexpr int kColourSwatchId = 561;
inline constexpr int kSkinListId = 562;

class CSkinsDialog final : public SkinnedDialog {
  public:
    // skinsRoot: the directory holding the skins, ending with a separator.
    CSkinsDialog(const DialogLook& look, DirectoryListingPort& listing, std::string skinsRoot,
                 const SkinSetting& current);

    int templateId() const override { return kSkinsDialogTemplate; }
    std::string_view backgroundImage() const override;
    std::string_view loadFailureCaption() const override;
    void onInit(WindowContext& context) override;
    std::optional<ColourAnswer> colourFor(int controlId, ControlKind kind,
                                          WindowContext& context) override;

    SkinSetting result() const;

    static constexpr DropDownLayout kSkinDropDown = {
        kSkinListId, {42, 128, 151, 142}, {42, 146, 151, 264}};

  private:
    void paintContent(Canvas& canvas) override;
    void onAreaPress(int x, int y, WindowContext& context) override;
    DialogDropDown* dropDown() override { return &skins_; }
    void beforeDropDownOpens(WindowContext& context) override;
    std::vector<std::string> dropDownEntries() const override { return choice_.listed(); }
    void onDropDownChosen(const ChosenEntry& entry, WindowContext& context) override;

    DialogDropDown skins_;
    SkinsChoice choice_;
};

}  // namespace quorvel
