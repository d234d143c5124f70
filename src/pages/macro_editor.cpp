#include "pages/macro_editor.h"

#include <algorithm>
#include <utility>

#include "macro/macro_item.h"

namespace quorvel {
namespace {

constexpr std::string_view kClickMarker = " Click";

bool isClickEntry(std::string_view entry) {
    return entry.find(kClickMarker) != std::string_view::npos;
}

std::optional<int> positionIn(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (sameMacroName(names[i], name))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

int slotOrNone(std::size_t position) {
    return position < static_cast<std::size_t>(kMacroSlotCount) ? static_cast<int>(position) : -1;
}

std::size_t eventsIn(const std::vector<std::string>& items) {
    return static_cast<std::size_t>(std::count_if(
        items.begin(), items.end(), [](const std::string& item) { return parseEventItem(item); }));
}

}  // namespace

void MacroEditor::show() {
    macros_ = library_.sectionNames();
    items_.clear();
    selectedItem_.reset();
    dropDownOpen_ = false;
    dropDownLabel_.clear();
    if (macros_.empty()) {
        selectedMacro_.reset();
        nameField_.clear();
        setLoopField("");
        return;
    }
    selectedMacro_ = 0;
    nameField_ = macros_.front();
    items_ = library_.readMacro(macros_.front());
    showLoopCountOf(0);
}

void MacroEditor::leave() {
    dropDownOpen_ = false;
    items_.clear();
    selectedItem_.reset();
}

void MacroEditor::selectMacro(int index) {
    if (index < 0 || index >= static_cast<int>(macros_.size()))
        return;
    selectedMacro_ = index;
    nameField_ = macros_[static_cast<std::size_t>(index)];
    items_ = library_.readMacro(nameField_);
    selectedItem_.reset();
    if (!items_.empty())
        showLoopCountOf(loopSlot());
}

std::optional<EditorNotice> MacroEditor::addNewMacro() {
    const NameCheck check = checkNewMacroName(nameField_, macros_);
    switch (check.refusal) {
        case NameRefusal::Blank:
            return EditorNotice{EditorNotice::Kind::NameBlank};
        case NameRefusal::TooMany:
            return EditorNotice{EditorNotice::Kind::TooManyMacros};
        case NameRefusal::Exists:
            return EditorNotice{EditorNotice::Kind::NameExists};
        case NameRefusal::None:
            break;
    }
    macros_.push_back(check.name);
    selectedMacro_ = static_cast<int>(macros_.size()) - 1;
    nameField_ = check.name;
    items_.clear();
    selectedItem_.reset();
    // The block the macro will have may hold anything; a new macro plays once.
    setLoopField(std::to_string(kMinLoopCount));
    return std::nullopt;
}

std::optional<EditorNotice> MacroEditor::deleteSelectedMacro() {
    if (!selectedMacro_)
        return std::nullopt;
    const std::string name = macros_[static_cast<std::size_t>(*selectedMacro_)];
    macros_.erase(macros_.begin() + *selectedMacro_);
    selectedMacro_.reset();
    items_.clear();
    selectedItem_.reset();
    nameField_.clear();

    // Loop counts live in the blocks by slot: the macros after the deleted one move up a
    // slot, and their loop counts go with them so the next save finds each one its own.
    const std::vector<std::string> before = library_.sectionNames();
    const auto gone = positionIn(before, name);
    std::vector<int> loops;
    for (std::size_t t = 0; t < before.size() && slotOrNone(t) >= 0; ++t) {
        loops.push_back(library_.loopCount(static_cast<int>(t)));
    }
    if (library_.deleteMacro(name) != MacroFileStatus::Ok)
        return EditorNotice{EditorNotice::Kind::FileNotWritten};
    if (gone) {
        for (std::size_t t = static_cast<std::size_t>(*gone) + 1; t < loops.size(); ++t) {
            library_.setLoopCount(static_cast<int>(t) - 1, std::to_string(loops[t]));
        }
    }
    return std::nullopt;
}

std::optional<EditorNotice> MacroEditor::confirm() {
    if (!selectedMacro_)
        return std::nullopt;
    const std::string& name = macros_[static_cast<std::size_t>(*selectedMacro_)];
    const MacroSaveResult saved = library_.writeMacro(name, items_);
    if (saved.status != MacroFileStatus::Ok)
        return EditorNotice{EditorNotice::Kind::FileNotWritten};
    if (saved.slot < 0) {
        // Beyond the twelve slots (a file with more sections): none of it reaches the mouse.
        const std::size_t events = eventsIn(items_);
        if (events == 0)
            return std::nullopt;
        return EditorNotice{EditorNotice::Kind::MacroCut, 0, events};
    }
    const auto at = static_cast<std::size_t>(saved.slot);
    if (at >= saved.table.slots.size())
        return std::nullopt;
    const BlockConversion& block = saved.table.slots[at].block;
    if (block.complete())
        return std::nullopt;
    return EditorNotice{EditorNotice::Kind::MacroCut, block.eventsWritten, block.eventCount};
}

void MacroEditor::setLoopField(std::string text) {
    loopField_ = std::move(text);
    if (library_.setLoopCount(loopSlot(), loopField_).fieldReset)
        loopField_ = std::to_string(kMinLoopCount);
}

int MacroEditor::loopSlot() const {
    if (!selectedMacro_)
        return -1;
    const std::vector<std::string> names = library_.sectionNames();
    const auto position = positionIn(names, macros_[static_cast<std::size_t>(*selectedMacro_)]);
    return slotOrNone(position ? static_cast<std::size_t>(*position) : names.size());
}

void MacroEditor::showLoopCountOf(int slot) {
    setLoopField(slot < 0 ? std::string() : std::to_string(library_.loopCount(slot)));
}

void MacroEditor::insertAt(std::size_t at, std::initializer_list<std::string> items) {
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(std::min(at, items_.size())), items);
}

void MacroEditor::insertMouseEvent(std::size_t entry) {
    dropDownOpen_ = false;
    if (entry >= kMouseEventTable.size())
        return;
    const std::string_view chosen = kMouseEventTable[entry];
    dropDownLabel_ = std::string(chosen);
    const bool click = isClickEntry(chosen);
    const std::string button = withoutAll(chosen, kClickMarker);
    const std::string press = click ? pressItem(button) : std::string(chosen);
    const std::string release = releaseItem(button);
    const std::string delay = delayItem(kRecordedDelay);

    const bool selected =
        selectedItem_ && *selectedItem_ >= 0 && *selectedItem_ < static_cast<int>(items_.size());
    if (!selected) {
        if (!items_.empty() || !selectedMacro_)
            return;
        if (click) {
            insertAt(0, {press, delay, release, delay});
        } else {
            insertAt(0, {press, delay});
        }
        return;
    }
    const auto s = static_cast<std::size_t>(*selectedItem_);
    if (isDelayItem(items_[s])) {
        if (click) {
            insertAt(s + 1, {press, delay, release, delay});
        } else {
            insertAt(s + 1, {press, delay});
        }
        selectedItem_ = *selectedItem_ + 1;
    } else {
        if (click) {
            insertAt(s + 1, {delay, press, delay, release});
        } else {
            insertAt(s + 1, {delay, press});
        }
        selectedItem_ = *selectedItem_ + 2;
    }
}

bool MacroEditor::editSelectedDelay(DelayDialogPort& dialog) {
    if (!selectedItem_ || *selectedItem_ >= static_cast<int>(items_.size()))
        return false;
    std::string& item = items_[static_cast<std::size_t>(*selectedItem_)];
    if (!isDelayItem(item))
        return false;
    const auto answer = dialog.askDelay();
    if (!answer)
        return false;
    // The number, not the typed text: a pasted "12ab" or an empty box still gives a delay.
    const int value = std::max(answer->value, 0);
    item = value > kLongestEditedDelay ? delayItem(10) : delayItem(value);
    return true;
}

void MacroEditor::deleteSelectedItem() {
    if (!selectedItem_ || *selectedItem_ >= static_cast<int>(items_.size()))
        return;
    items_.erase(items_.begin() + *selectedItem_);
    selectedItem_.reset();
}

void MacroEditor::selectItem(std::optional<int> index) {
    if (index && (*index < 0 || *index >= static_cast<int>(items_.size())))
        return;
    selectedItem_ = index;
}

void MacroEditor::clearItems() {
    items_.clear();
    selectedItem_.reset();
}

void MacroEditor::appendItem(std::string item) {
    items_.push_back(std::move(item));
    selectedItem_ = static_cast<int>(items_.size()) - 1;
}

}  // namespace quorvel
