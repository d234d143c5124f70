// CSingleDialog and CComboDialog: keys captured with a keyboard hook on the user-interface
// thread and named by their position on the keyboard, so the name is one the key table knows
// on every layout. Enter and Escape are keys here, not confirm and cancel.
#pragma once

#include <string>

#include "dialogs/key_dialogs.h"
#include "dialogs/skinned_dialog.h"

namespace quorvel {

class CSingleDialog final : public SkinnedDialog {
  public:
    static constexpr int kKeyDisplayId = 502;
    static constexpr Rect kKeyDisplay{74, 128, 150, 142};
    static constexpr Rect kPrompt{23, 108, 201, 124};

    explicit CSingleDialog(const DialogLook& look) : SkinnedDialog(look) {}

    int templateId() const override { return 701; }
    std::string_view backgroundImage() const override;
    std::string_view loadFailureCaption() const override {
        return "Single Key Dialog Load background image failed!!!";
    }
    void onInit(WindowContext& context) override;
    void onHookedKey(const HookedKey& key, WindowContext& context) override;
    bool onKeyBeforeDialogManager(unsigned virtualKey, KeyPhase phase,
                                  WindowContext& context) override;

    SingleDialogResult result() const { return {key_}; }

  private:
    void paintContent(Canvas& canvas) override;

    NamedKey key_;
};

class CComboDialog final : public SkinnedDialog {
  public:
    static constexpr int kModifierDisplayId = 512;
    static constexpr int kModifierListId = 515;
    static constexpr int kFirstKeyBoxId = 516;
    static constexpr int kSecondKeyBoxId = 517;
    static constexpr Rect kModifierDisplay{50, 70, 116, 84};
    static constexpr DropDownLayout kModifierDropDown{
        kModifierListId, {50, 70, 132, 84}, {50, 86, 132, 226}};
    static constexpr Rect kFirstKeyBox{50, 120, 131, 134};
    static constexpr Rect kSecondKeyBox{50, 170, 131, 184};

    explicit CComboDialog(const DialogLook& look)
        : SkinnedDialog(look), modifiers_(kModifierDropDown) {}

    int templateId() const override { return 706; }
    std::string_view backgroundImage() const override;
    std::string_view loadFailureCaption() const override {
        return "Combo Dialog Load background image failed!!!";
    }
    void onInit(WindowContext& context) override;
    void onHookedKey(const HookedKey& key, WindowContext& context) override;
    bool onKeyBeforeDialogManager(unsigned virtualKey, KeyPhase phase,
                                  WindowContext& context) override;

    ComboDialogResult result() const { return {modifier_, firstKey_, secondKey_}; }
    int modifierPosition() const { return modifierPosition_; }

  private:
    DialogDropDown* dropDown() override { return &modifiers_; }
    std::vector<std::string> dropDownEntries() const override;
    void beforeDropDownOpens(WindowContext& context) override;
    void afterDropDownCloses(WindowContext& context) override;
    void onDropDownChosen(const ChosenEntry& entry, WindowContext& context) override;

    DialogDropDown modifiers_;
    NamedKey modifier_;
    NamedKey firstKey_;
    NamedKey secondKey_;
    int modifierPosition_ = 0;
};

}  // namespace quorvel
