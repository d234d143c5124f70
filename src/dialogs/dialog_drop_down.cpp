#include "dialogs/dialog_drop_down.h"

#include <algorithm>

namespace quorvel {

void DialogDropDown::open(ControlsPort& controls, std::span<const std::string> entries) {
    if (!controls.exists(layout_.listId) && controls.createListBox(layout_.listId, layout_.list)) {
        for (const std::string& entry : entries)
            controls.addItem(layout_.listId, entry);
    }
    topEntry_ = 0;
    open_ = true;
}

bool DialogDropDown::close(ControlsPort& controls) {
    if (!open_)
        return false;
    controls.destroy(layout_.listId);
    open_ = false;
    return true;
}

void DialogDropDown::pointerOverList(ControlsPort& controls, int x, int y) const {
    if (!open_)
        return;
    if (const std::optional<int> entry = controls.itemAtPoint(layout_.listId, x, y))
        controls.setSelection(layout_.listId, *entry);
}

std::optional<ChosenEntry> DialogDropDown::choose(ControlsPort& controls) {
    if (!open_)
        return std::nullopt;
    const std::optional<int> selected = controls.selection(layout_.listId);
    std::optional<std::string> text;
    if (selected)
        text = controls.itemText(layout_.listId, *selected);
    if (!text)
        return std::nullopt;
    controls.destroy(layout_.listId);
    open_ = false;
    return ChosenEntry{*selected, std::move(*text)};
}

void DialogDropDown::wheel(ControlsPort& controls, int delta) {
    if (!open_ || !controls.exists(layout_.listId))
        return;
    const int count = controls.itemCount(layout_.listId);
    const std::optional<Rect> first = controls.itemRect(layout_.listId, 0);
    const int rowHeight = first && first->height() > 0 ? first->height() : 1;
    const int shown = std::max(1, layout_.list.height() / rowHeight);
    const int lastTop = std::max(0, count - shown);
    const int step = delta > 0 ? -kWheelLinesPerNotch : kWheelLinesPerNotch;
    topEntry_ = std::clamp(topEntry_ + step, 0, lastTop);
    controls.scrollTo(layout_.listId, topEntry_);
}

}  // namespace quorvel
