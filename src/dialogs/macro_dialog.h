// CMacroDialog: binds one macro of record.ini to a button, with one of three repeat modes.
#pragma once

#include "dialogs/dialog_drop_down.h"
#include "dialogs/key_dialogs.h"
#include "dialogs/macro_dialog_choice.h"
#include "dialogs/skinned_dialog.h"
#include "macro/macro_library.h"

namespace quorvel {

inline constexpr int kMacroDialogTemplate = 705;
inline constexpr int kMacroNameDisplayId = 592;
inline constexpr int kMacroListId = 593;

class CMacroDialog final : public SkinnedDialog {
  public:
    // The library is read each time the list opens and when OK is pressed.
    CMacroDialog(const DialogLook& look, const MacroLibrary& library)
        : SkinnedDialog(look), library_(library), macros_(kMacroDropDown) {}

    int templateId() const override { return kMacroDialogTemplate; }
    std::string_view backgroundImage() const override;
    std::string_view loadFailureCaption() const override;
    void onInit(WindowContext& context) override;

    MacroDialogResult result() const { return choice_.result(); }

    static constexpr DropDownLayout kMacroDropDown = {
        kMacroListId, {43, 129, 151, 143}, {43, 146, 151, 285}};

  private:
    void paintContent(Canvas& canvas) override;
    void onAreaPress(int x, int y, WindowContext& context) override;
    bool okAllowed(WindowContext& context) override;
    DialogDropDown* dropDown() override { return &macros_; }
    void beforeDropDownOpens(WindowContext& context) override;
    std::vector<std::string> dropDownEntries() const override { return choice_.listed(); }
    void onDropDownChosen(const ChosenEntry& entry, WindowContext& context) override;

    const MacroLibrary& library_;
    DialogDropDown macros_;
    MacroChoice choice_;
};

}  // namespace quorvel
