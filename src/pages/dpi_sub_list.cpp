#include "pages/dpi_sub_list.h"

#include <cstddef>
#include <string>

#include "config/dpi_tables.h"
#include "keys/button_functions.h"

namespace quorvel {
namespace {

constexpr int kDpiSwitchEntry = codeByte(FunctionCode::DpiSwitch);

std::optional<int> buttonWithOpenKeyList(const ControlsPort& controls) {
    for (int button = 0; button < kButtonCount; ++button) {
        if (controls.exists(keyListId(button)))
            return button;
    }
    return std::nullopt;
}

}  // namespace

void dpiSubListHover(ControlsPort& controls, int keyListId, Rect listArea, int entry) {
    if (entry != kDpiSwitchEntry) {
        controls.destroy(kDpiSubListId);
        return;
    }
    if (controls.exists(kDpiSubListId))
        return;
    const std::optional<Rect> item = controls.itemRect(keyListId, kDpiSwitchEntry);
    if (!item)
        return;
    const int left = listArea.left + item->right;
    const int top = listArea.top + item->top;
    if (!controls.createListBox(
            kDpiSubListId, Rect{left, top, left + kDpiSubListWidth, top + kDpiSubListHeight})) {
        return;
    }
    for (std::string_view text : kDpiSwitchNames)
        controls.addItem(kDpiSubListId, text);
}

std::optional<int> dpiSubListChoose(MouseConfig& config, ControlsPort& controls,
                                    ButtonLabels& labels) {
    const std::optional<int> selection = controls.selection(kDpiSubListId);
    if (!selection)
        return std::nullopt;
    const int k = *selection;
    const bool known = k >= 0 && static_cast<std::size_t>(k) < kDpiSwitchNames.size();
    const std::uint8_t parameter = known ? static_cast<std::uint8_t>(k + 1) : 0;

    const std::optional<int> button = buttonWithOpenKeyList(controls);
    if (!button) {
        // No key list to assign to: the sub-list is a leftover.
        controls.destroy(kDpiSubListId);
        return std::nullopt;
    }
    const Mode mode = config.shownMode();
    std::optional<std::string> text = controls.itemText(kDpiSubListId, k);
    if (!text && known)
        text = std::string(kDpiSwitchNames[static_cast<std::size_t>(k)]);
    labels.setLabel(mode, *button, text.value_or(""));
    controls.destroy(kDpiSubListId);
    controls.destroy(keyListId(*button));

    // Only the edited mode changes, also for a button that held Shift.
    config.setFunctionCode(mode, *button, codeByte(FunctionCode::DpiSwitch));
    config.setDpiSwitchParameter(mode, *button, parameter);
    return button;
}

}  // namespace quorvel
