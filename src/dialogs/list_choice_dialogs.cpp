#include "dialogs/list_choice_dialogs.h"

#include "dialogs/dialog_texts.h"
#include "ui/skin_images.h"

namespace quorvel {

// The media list holds its seven entries and the Windows list its eleven without scrolling.
const ListChoiceLayout CMediaDialog::kLayout = {
    703,
    skin_image::kMediaKeyBackground,
    "Media Dialog Load background image failed!!!",
    552,
    {43, 129, 135, 143},
    {553, {43, 129, 151, 143}, {43, 145, 151, 265}},
    dialog_text::kMediaEntries,
};

const ListChoiceLayout CWindowsDialog::kLayout = {
    702,
    skin_image::kWindowsKeyBackground,
    "Windows Dialog Load background image failed!!!",
    532,
    {43, 129, 135, 143},
    {533, {43, 129, 151, 143}, {43, 145, 151, 305}},
    dialog_text::kWindowsEntries,
};

void ListChoiceDialog::onInit(WindowContext& context) {
    selectedText_ = text(layout_.entries.front());
    context.controls().create(layout_.displayId, ControlKind::LeftText, layout_.display,
                              selectedText_);
}

std::vector<std::string> ListChoiceDialog::dropDownEntries() const {
    std::vector<std::string> texts;
    for (const TextRow& entry : layout_.entries)
        texts.emplace_back(text(entry));
    return texts;
}

void ListChoiceDialog::onDropDownChosen(const ChosenEntry& entry, WindowContext& context) {
    selectedPosition_ = entry.position;
    selectedText_ = entry.text;
    context.controls().setText(layout_.displayId, selectedText_);
    context.controls().redraw(layout_.displayId);
}

}  // namespace quorvel
