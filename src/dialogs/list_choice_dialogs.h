// CMediaDialog and CWindowsDialog: one drop-down of translated entries and nothing else. The
// caller turns the chosen position into a consumer usage with the key tables.
#pragma once

#include <span>
#include <string>

#include "dialogs/key_dialogs.h"
#include "dialogs/skinned_dialog.h"

namespace quorvel {

struct ListChoiceLayout {
    int templateId;
    std::string_view background;
    std::string_view failureCaption;
    int displayId;
    Rect display;
    DropDownLayout dropDown;
    std::span<const TextRow> entries;
};

class ListChoiceDialog : public SkinnedDialog {
  public:
    ListChoiceDialog(const DialogLook& look, const ListChoiceLayout& layout)
        : SkinnedDialog(look), layout_(layout), entries_(layout.dropDown) {}

    int templateId() const override { return layout_.templateId; }
    std::string_view backgroundImage() const override { return layout_.background; }
    std::string_view loadFailureCaption() const override { return layout_.failureCaption; }
    void onInit(WindowContext& context) override;

    // Position 0 until something is chosen; the text is empty until the dialog is set up.
    ListDialogResult result() const { return {selectedPosition_, selectedText_}; }

  private:
    DialogDropDown* dropDown() override { return &entries_; }
    std::vector<std::string> dropDownEntries() const override;
    void onDropDownChosen(const ChosenEntry& entry, WindowContext& context) override;

    ListChoiceLayout layout_;
    DialogDropDown entries_;
    int selectedPosition_ = 0;
    std::string selectedText_;
};

class CMediaDialog final : public ListChoiceDialog {
  public:
    static const ListChoiceLayout kLayout;
    explicit CMediaDialog(const DialogLook& look) : ListChoiceDialog(look, kLayout) {}
};

class CWindowsDialog final : public ListChoiceDialog {
  public:
    static const ListChoiceLayout kLayout;
    explicit CWindowsDialog(const DialogLook& look) : ListChoiceDialog(look, kLayout) {}
};

}  // namespace quorvel
